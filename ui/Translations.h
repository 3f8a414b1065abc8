#pragma once

// Qt's German texts for its own widgets ("Ja", "Nein", "Abbrechen" on the
// standard buttons) and the German locale for Qt's number and date widgets.

#include <QTranslator>
#include <memory>

// Loads and installs "qtbase_de" from Qt's translations folder. Returns the
// installed translator (keep it alive while it is to apply), or nullptr when
// the file is missing: the buttons then stay English, nothing else changes.
std::unique_ptr<QTranslator> InstallGermanTranslations();

#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

std::unique_ptr<QTranslator> InstallGermanTranslations() {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return nullptr;
  QCoreApplication::installTranslator(translator.get());
  return translator;
}

#pragma once

// Renders a widget into <build>/screenshots/<name>.png, so every screen can
// be looked at without a display. Shows the widget first when it is hidden.
// Returns the file written; an empty path when it could not be written.

#include <QWidget>
#include <filesystem>
#include <string>

std::filesystem::path SaveScreenshot(QWidget& widget, const std::string& name);

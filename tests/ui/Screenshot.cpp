#include "Screenshot.h"

#include <QApplication>
#include <QPixmap>

std::filesystem::path SaveScreenshot(QWidget& widget, const std::string& name) {
  if (!widget.isVisible()) widget.show();
  QApplication::processEvents();
  const std::filesystem::path folder = PELLWICK_SCREENSHOT_DIR;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const std::filesystem::path file = folder / (name + ".png");
  if (error || !widget.grab().save(QString::fromStdString(file.string()), "PNG")) return {};
  return file;
}

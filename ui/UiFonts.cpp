#include "ui/UiFonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>

#include "model/FontTable.h"

QFont FontOfSlot(int slot) {
  const CFontDescription& description = ProcessFontTable().Font(slot);
  QFont font = QApplication::font();
  if (description.IsEmpty()) {
    font.setBold(slot == 1 || slot == 2);
    return font;
  }
  font.setFamily(QString::fromStdString(description.faceName));
  font.setStyleHint(QFont::SansSerif);
  font.setWeight(description.weight >= kFontWeightBold ? QFont::Bold : QFont::Normal);
  font.setItalic(description.italic);
  font.setUnderline(description.underline);
  // The slot's height is taken as points on screen: the logical units of a
  // 96-dpi screen come out too small on today's displays.
  if (description.characterHeight > 0) font.setPointSize(description.characterHeight);
  return font;
}

QStringList ScalableFontFamilies() {
  QStringList families;
  for (const QString& family : QFontDatabase::families())
    if (QFontDatabase::isScalable(family) && !QFontDatabase::isBitmapScalable(family)) families << family;
  return families;
}

QSize TextExtent(const QString& text, const QFont& font) {
  const QFontMetrics metrics(font);
  return {metrics.horizontalAdvance(text), metrics.height()};
}

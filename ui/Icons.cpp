#include "ui/Icons.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kDrawnSize = 32;

// A filled circle with a character in it, for icons the theme lacks.
QIcon DrawnSign(QColor background, QChar sign) {
  QPixmap pixmap(kDrawnSize, kDrawnSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(background);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(1, 1, kDrawnSize - 2, kDrawnSize - 2);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(kDrawnSize * 2 / 3);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(sign));
  return QIcon(pixmap);
}

// An open book: two pages and a spine.
QIcon DrawnBook() {
  QPixmap pixmap(kDrawnSize, kDrawnSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(40, 70, 120), 2));
  painter.setBrush(QColor(250, 245, 225));
  painter.drawRect(3, 6, 12, 20);
  painter.drawRect(17, 6, 12, 20);
  painter.setPen(QPen(QColor(150, 150, 150), 1));
  for (int y = 11; y < 24; y += 4) {
    painter.drawLine(6, y, 12, y);
    painter.drawLine(20, y, 26, y);
  }
  return QIcon(pixmap);
}

}  // namespace

void UseIconTheme() {
  if (QIcon::themeName().isEmpty() || QIcon::themeName() == "hicolor") QIcon::setThemeName("Adwaita");
}

QIcon ProgramIcon() {
  static const QIcon icon = QIcon::fromTheme("accessories-text-editor", DrawnBook());
  return icon;
}

QIcon HelpIcon() { return QIcon::fromTheme("help-browser", DrawnSign(QColor(40, 110, 200), '?')); }

QIcon InfoIcon() { return QIcon::fromTheme("help-about", DrawnSign(QColor(60, 140, 60), 'i')); }

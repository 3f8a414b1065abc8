#include "monitoring/screens/ProgramImages.h"

#include <QPainter>
#include <QPixmap>
#include <map>

#include "monitoring/ReportTexts.h"

namespace {

constexpr int kDrawnSize = 16;

// A rounded square in the colour with a sign in white.
QIcon DrawnSign(QColor background, const QString& sign) {
  QPixmap pixmap(kDrawnSize, kDrawnSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(background);
  painter.drawRoundedRect(QRectF(0.5, 0.5, kDrawnSize - 1, kDrawnSize - 1), 3, 3);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(11);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, sign);
  return QIcon(pixmap);
}

// A small triangle pointing down (open) or right (closed).
QIcon DrawnArrow(bool down) {
  QPixmap pixmap(kDrawnSize, kDrawnSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(60, 60, 60));
  const QPolygonF arrow = down ? QPolygonF({QPointF(3, 5), QPointF(13, 5), QPointF(8, 11)})
                               : QPolygonF({QPointF(5, 3), QPointF(11, 8), QPointF(5, 13)});
  painter.drawPolygon(arrow);
  return QIcon(pixmap);
}

QIcon MakeImage(int imageNumber) {
  switch (imageNumber) {
    case kImageInputError: return DrawnSign(QColor(196, 11, 29), "!");
    case kImageAccount: return DrawnSign(QColor(43, 80, 198), "K");
    case kImageCategory: return DrawnSign(QColor(163, 7, 158), QString::fromUtf8("\u03a3"));
    case kImageExpenseContract: return DrawnSign(QColor(198, 106, 4), QString::fromUtf8("\u2212"));
    case kImageIncomeContract: return DrawnSign(QColor(17, 116, 3), "+");
    case kImageTransferContract: return DrawnSign(QColor(95, 120, 160), QString::fromUtf8("\u21c4"));
    default: return {};
  }
}

}  // namespace

QIcon ProgramImage(int imageNumber) {
  static std::map<int, QIcon> made;
  auto found = made.find(imageNumber);
  if (found == made.end()) found = made.emplace(imageNumber, MakeImage(imageNumber)).first;
  return found->second;
}

QIcon HeadingImage(bool expanded) {
  static const QIcon open = QIcon::fromTheme("pan-down-symbolic", DrawnArrow(true));
  static const QIcon closed = QIcon::fromTheme("pan-end-symbolic", DrawnArrow(false));
  return expanded ? open : closed;
}

QIcon ActiveImage(bool active) {
  static const QIcon on = DrawnSign(QColor(48, 165, 27), QString::fromUtf8("\u2713"));
  static const QIcon off = DrawnSign(QColor(150, 150, 150), QString::fromUtf8("\u2013"));
  return active ? on : off;
}

#include "ui/InfoBox.h"

#include <QLabel>
#include <QVBoxLayout>

#include "storage/Format.h"
#include "ui/UiFonts.h"

CInfoBox::CInfoBox(QWidget* parent)
    : QFrame(parent, Qt::ToolTip | Qt::FramelessWindowHint), label_(new QLabel(this)) {
  setObjectName("InfoBox196");
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(255, 255, 190));
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);
  label_->setFont(FontOfSlot(1));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 1, 2, 1);
  layout->addWidget(label_);
}

void CInfoBox::SetLines(const std::vector<std::string>& lines) {
  QStringList shown;
  for (std::size_t i = 0; i < lines.size() && i < kMaxLines; ++i)
    shown << QString::fromStdString(TruncateUtf8(lines[i], kMaxLineCharacters));
  label_->setText(shown.join('\n'));
  adjustSize();
}

QStringList CInfoBox::Lines() const { return label_->text().split('\n'); }

void CInfoBox::ShowAt(const QWidget& anchor) {
  adjustSize();
  move(anchor.mapToGlobal(QPoint(20, -70)));
  show();
}

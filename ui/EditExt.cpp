#include "ui/EditExt.h"

#include <QKeyEvent>
#include <QValidator>

#include "storage/Format.h"
#include "ui/FieldText.h"
#include "ui/InfoBox.h"

namespace {

// The key filter: a text the field cannot hold never gets into it, whether
// typed or pasted.
class CFieldValidator final : public QValidator {
 public:
  explicit CFieldValidator(const CEditExt& field) : field_(field) {}

  State validate(QString& text, int&) const override {
    // Deleting is always allowed, also from a text the program put in that
    // the filter would not take (a name longer than the field's limit).
    if (text.size() < field_.text().size()) return Acceptable;
    return AcceptsFieldText(field_.Type(), field_.Limit(), text.toStdString()) ? Acceptable : Invalid;
  }

 private:
  const CEditExt& field_;
};

}  // namespace

CEditExt::CEditExt(QWidget* parent) : QLineEdit(parent), validator_(std::make_unique<CFieldValidator>(*this)) {
  setValidator(validator_.get());
  connect(this, &QLineEdit::textEdited, this, &CEditExt::Typed);
}

CEditExt::~CEditExt() {
  // The validator goes before the line edit forgets it.
  setValidator(nullptr);
}

void CEditExt::Configure(FieldType type, int limit) {
  type_ = type;
  limit_ = limit;
  if (!AcceptsFieldText(type_, limit_, text().toStdString())) Normalise();
}

double CEditExt::Value() const { return ParseGermanNumber(text().toStdString()); }

void CEditExt::SetValue(double value, int decimals) {
  setText(QString::fromStdString(FormatGermanNumber(value, decimals)));
}

std::optional<CDate> CEditExt::Date() const { return ParseFieldDate(text().toStdString()); }

void CEditExt::SetDate(CDate date) {
  setText(date.IsZero() ? QString() : QString::fromStdString(date.ToScreenText()));
}

void CEditExt::Normalise() {
  const std::string normalised = NormaliseFieldText(type_, limit_, text().toStdString());
  if (QString::fromStdString(normalised) != text()) setText(QString::fromStdString(normalised));
}

void CEditExt::ToggleDateInfo() {
  if (infoBox_) {
    infoBox_.reset();
    return;
  }
  infoBox_ = std::make_unique<CInfoBox>(this);
  UpdateDateInfo();
}

void CEditExt::UpdateDateInfo() {
  if (!infoBox_) return;
  const std::optional<CDate> date = Date();
  if (!date) {
    infoBox_->hide();
    return;
  }
  infoBox_->SetLines(DateInfoLines(*date, text().toStdString()));
  infoBox_->ShowAt(*this);
}

void CEditExt::keyPressEvent(QKeyEvent* event) {
  if (type_ == FieldType::Date && !isReadOnly() && event->text() == "d") {
    ToggleDateInfo();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void CEditExt::focusOutEvent(QFocusEvent* event) {
  if (!isReadOnly()) Normalise();
  UpdateDateInfo();
  QLineEdit::focusOutEvent(event);
  emit Left();
}

#pragma once

// CEditExt: the input field of the screens. It knows what it holds (text of
// limited length, number, signed number, date), refuses texts that do not
// fit while the user types or pastes, normalises its text when the user
// leaves it, and for dates shows the information box on the key "d".
// The text rules live in ui/FieldText.h; this class only wires them.

#include <QLineEdit>
#include <memory>
#include <optional>

#include "storage/Date.h"
#include "ui/ControlDescriptor.h"

class CInfoBox;
class QValidator;

class CEditExt : public QLineEdit {
  Q_OBJECT

 public:
  explicit CEditExt(QWidget* parent = nullptr);
  ~CEditExt() override;

  // The field's type and limit (characters for text, decimals for numbers).
  // A text that no longer fits is normalised at once.
  void Configure(FieldType type, int limit);
  FieldType Type() const { return type_; }
  int Limit() const { return limit_; }

  // The number the text stands for (German form, 0 for none).
  double Value() const;
  // Writes value in the grouped German form with decimals (0 to 3).
  void SetValue(double value, int decimals);
  // The date of the text; nothing when it is no date.
  std::optional<CDate> Date() const;
  void SetDate(CDate date);

  // Normalises the text as leaving the field does.
  void Normalise();

  // The date information box, while it is shown; nullptr otherwise.
  CInfoBox* DateInfoBox() const { return infoBox_.get(); }
  void ToggleDateInfo();

 signals:
  // The user changed the text by a key or a paste.
  void Typed();
  // The user left the field; the text is normalised.
  void Left();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void UpdateDateInfo();

  FieldType type_ = FieldType::Text;
  int limit_ = 0;
  std::unique_ptr<QValidator> validator_;
  std::unique_ptr<CInfoBox> infoBox_;
};

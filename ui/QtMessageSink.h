#pragma once

// The message boxes of the program: the core's IMessageSink shown with
// QMessageBox, titled "Pellwick", over the newest open screen. Texts are
// shown as plain text, never read as markup or as a format.

#include <QMessageBox>
#include <memory>

#include "model/Messages.h"

class CQtMessageSink final : public IMessageSink {
 public:
  int Show(MessageKind kind, const std::string& text, MessageButtons buttons) override;

  // The box Show runs, for tests that look at it before it is shown.
  static std::unique_ptr<QMessageBox> CreateBox(MessageKind kind, const std::string& text, MessageButtons buttons,
                                                QWidget* parent);
  // OK → kAnswerOk, Yes → kAnswerYes, No → kAnswerNo, anything else
  // (Cancel, closing the box) → kAnswerOther.
  static int AnswerOf(QMessageBox::StandardButton button);
};

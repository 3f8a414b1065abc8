#include "ui/QtMessageSink.h"

#include <QApplication>

#include "ui/DialogBase.h"

namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Exclamation: return QMessageBox::Warning;
    case MessageKind::Question: return QMessageBox::Question;
    case MessageKind::Stop: return QMessageBox::Critical;
  }
  return QMessageBox::Warning;
}

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
  }
  return QMessageBox::Ok;
}

QWidget* BoxParent() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return CDialogBase::ActiveScreen();
}

}  // namespace

std::unique_ptr<QMessageBox> CQtMessageSink::CreateBox(MessageKind kind, const std::string& text,
                                                       MessageButtons buttons, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(IconOf(kind), "Pellwick", QString::fromStdString(text),
                                           ButtonsOf(buttons), parent);
  box->setTextFormat(Qt::PlainText);
  return box;
}

int CQtMessageSink::AnswerOf(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Ok: return kAnswerOk;
    case QMessageBox::Yes: return kAnswerYes;
    case QMessageBox::No: return kAnswerNo;
    default: return kAnswerOther;
  }
}

int CQtMessageSink::Show(MessageKind kind, const std::string& text, MessageButtons buttons) {
  const std::unique_ptr<QMessageBox> box = CreateBox(kind, text, buttons, BoxParent());
  box->exec();
  return AnswerOf(box->standardButton(box->clickedButton()));
}

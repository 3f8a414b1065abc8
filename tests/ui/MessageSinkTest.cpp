#include "ui/QtMessageSink.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/Translations.h"

namespace {

QString Plain(QString text) { return text.remove('&'); }

// Presses a button of the message box that is about to be shown.
void PressWhenShown(QMessageBox::StandardButton button) {
  QTimer::singleShot(0, [button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    if (button == QMessageBox::NoButton)
      box->reject();
    else
      box->button(button)->click();
  });
}

TEST(MessageSinkTest, StandardButtonsReadGermanAfterLoadingTheTranslations) {
  const auto translator = InstallGermanTranslations();
  ASSERT_NE(translator, nullptr);
  const auto box = CQtMessageSink::CreateBox(MessageKind::Question, "Weiter?", MessageButtons::YesNoCancel, nullptr);
  EXPECT_EQ(Plain(box->button(QMessageBox::Yes)->text()), "Ja");
  EXPECT_EQ(Plain(box->button(QMessageBox::No)->text()), "Nein");
  EXPECT_EQ(Plain(box->button(QMessageBox::Cancel)->text()), "Abbrechen");
  EXPECT_EQ(box->icon(), QMessageBox::Question);
  EXPECT_EQ(box->windowTitle(), "Pellwick");
}

TEST(MessageSinkTest, KindsGiveTheirIconsAndTextsStayAsWritten) {
  const auto stop = CQtMessageSink::CreateBox(MessageKind::Stop, "100 % %s <b>x</b>", MessageButtons::Ok, nullptr);
  EXPECT_EQ(stop->icon(), QMessageBox::Critical);
  EXPECT_EQ(stop->text(), "100 % %s <b>x</b>");
  EXPECT_EQ(stop->textFormat(), Qt::PlainText);
  EXPECT_EQ(CQtMessageSink::CreateBox(MessageKind::Exclamation, "x", MessageButtons::Ok, nullptr)->icon(),
            QMessageBox::Warning);
}

TEST(MessageSinkTest, AnswersOfTheShownBox) {
  CQtMessageSink sink;
  PressWhenShown(QMessageBox::Yes);
  EXPECT_EQ(sink.Show(MessageKind::Question, "Löschen?", MessageButtons::YesNo), kAnswerYes);
  PressWhenShown(QMessageBox::No);
  EXPECT_EQ(sink.Show(MessageKind::Question, "Löschen?", MessageButtons::YesNo), kAnswerNo);
  PressWhenShown(QMessageBox::Ok);
  EXPECT_EQ(sink.Show(MessageKind::Stop, "Fehler", MessageButtons::Ok), kAnswerOk);
  PressWhenShown(QMessageBox::Cancel);
  EXPECT_EQ(sink.Show(MessageKind::Question, "Weiter?", MessageButtons::YesNoCancel), kAnswerOther);
  PressWhenShown(QMessageBox::NoButton);
  EXPECT_EQ(sink.Show(MessageKind::Question, "Weiter?", MessageButtons::YesNoCancel), kAnswerOther);
}

}  // namespace

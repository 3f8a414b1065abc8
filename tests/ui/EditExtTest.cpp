#include "ui/EditExt.h"

#include <QFocusEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/InfoBox.h"

namespace {

void Leave(CEditExt& field) {
  QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(&field, &leave);
}

struct CTypedCase {
  FieldType type;
  int limit;
  const char* typed;
  const char* whileTyping;
  const char* shown;
  double value;
};

TEST(EditExtTest, TypedTextsAndWhatTheFieldShowsAfterLeaving) {
  const CTypedCase cases[] = {
      {FieldType::Number, 2, "1234,5", "1234,5", "1.234,50", 1234.5},
      {FieldType::Number, 2, "12.345", "12.345", "12.345,00", 12345.0},
      {FieldType::Number, 2, "1,2,3", "1,23", "1,23", 1.23},
      {FieldType::Number, 2, "-5", "5", "5,00", 5.0},
      {FieldType::Number, 2, "inf", "", "0,00", 0.0},
      {FieldType::Number, 2, "nan", "", "0,00", 0.0},
      {FieldType::Number, 2, "0x10", "010", "10,00", 10.0},
      {FieldType::SignedNumber, 1, "-0,5", "-0,5", "-0,5", -0.5},
      {FieldType::SignedNumber, 2, "--7", "-7", "-7,00", -7.0},
      {FieldType::Text, 20, "Ein sehr langer Buchname", "Ein sehr langer Buch", "Ein sehr langer Buch", 0.0},
      {FieldType::Date, 0, "1.1.09", "1.1.09", "01.01.2009", 0.0},
      {FieldType::Date, 0, "24.12.1999", "24.12.1999", "24.12.1999", 0.0},
      {FieldType::Date, 0, "1.1.2009.5", "1.1.20095", "", 0.0},
      {FieldType::Date, 0, "31.02.2009", "31.02.2009", "", 0.0},
  };
  for (const CTypedCase& c : cases) {
    CEditExt field;
    field.Configure(c.type, c.limit);
    QTest::keyClicks(&field, c.typed);
    EXPECT_EQ(field.text().toStdString(), c.whileTyping) << c.typed;
    Leave(field);
    EXPECT_EQ(field.text().toStdString(), c.shown) << c.typed;
    if (IsNumberType(c.type)) {
      EXPECT_DOUBLE_EQ(field.Value(), c.value) << c.typed;
    }
  }
}

TEST(EditExtTest, PastedTextThatDoesNotFitIsRefusedWhole) {
  CEditExt field;
  field.Configure(FieldType::Number, 2);
  field.insert("0x10");
  EXPECT_EQ(field.text(), "");
  field.insert("1.5e3");
  EXPECT_EQ(field.text(), "");
  field.insert("1.500,25");
  EXPECT_EQ(field.text(), "1.500,25");
}

TEST(EditExtTest, BackspaceAlwaysWorksAndTypingSignalsTheRules) {
  CEditExt field;
  field.Configure(FieldType::Text, 3);
  int typed = 0;
  QObject::connect(&field, &CEditExt::Typed, [&] { ++typed; });
  QTest::keyClicks(&field, "abcd");
  QTest::keyClick(&field, Qt::Key_Backspace);
  EXPECT_EQ(field.text(), "ab");
  EXPECT_EQ(typed, 4);  // three letters and the Backspace; the refused "d" changed nothing
  field.setText("Zu langer Name");
  QTest::keyClick(&field, Qt::Key_Backspace);
  EXPECT_EQ(field.text(), "Zu langer Nam");
}

TEST(EditExtTest, KeyDTogglesTheDateInformation) {
  CEditExt field;
  field.Configure(FieldType::Date, 0);
  QTest::keyClicks(&field, "1.1.2009");
  QTest::keyClick(&field, Qt::Key_D);
  ASSERT_NE(field.DateInfoBox(), nullptr);
  EXPECT_EQ(field.DateInfoBox()->Lines(),
            (QStringList{"Donnerstag, den 1.1.2009", "1.Kalenderwoche", "1.Tag im Jahr"}));
  Leave(field);
  EXPECT_EQ(field.DateInfoBox()->Lines().front(), "Donnerstag, den 01.01.2009");
  EXPECT_EQ(field.text(), "01.01.2009");
  QTest::keyClick(&field, Qt::Key_D);
  EXPECT_EQ(field.DateInfoBox(), nullptr);
}

}  // namespace

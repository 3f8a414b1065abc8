#include "ui/PellwickApp.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "model/BookData.h"
#include "storage/DatabaseError.h"
#include "support/ScriptedMessages.h"
#include "support/TemporaryDirectory.h"
#include "ui/DialogBase.h"

namespace {

constexpr int kMainWindowId = 122;

TEST(PellwickAppTest, ADatabaseErrorOfAScreenActionIsShownAndTheProgramGoesOn) {
  CScriptedMessages messages;
  QPushButton button("Speichern");
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, [&] {
    if (++clicks == 1) throw CDatabaseError("Die Datenbank ist gesperrt.", "database is locked", 5);
  });
  button.show();
  QTest::mouseClick(&button, Qt::LeftButton);
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 2);
  ASSERT_EQ(messages.Texts(), (std::vector<std::string>{"Die Datenbank ist gesperrt."}));
  EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Stop);
}

std::vector<std::string> LogLines(const CTemporaryDirectory& directory) {
  std::vector<std::string> lines;
  std::istringstream log(directory.Read("debug.log"));
  for (std::string line; std::getline(log, line);) lines.push_back(line);
  return lines;
}

// Whether wanted appear in lines in this order (other lines in between).
bool InOrder(const std::vector<std::string>& lines, const std::vector<std::string>& wanted) {
  auto next = lines.begin();
  for (const std::string& line : wanted) {
    next = std::find(next, lines.end(), line);
    if (next == lines.end()) return false;
    ++next;
  }
  return true;
}

int RunQuitWhenShown(const CTemporaryDirectory& directory, IMessageSink& messages) {
  CPellwickApp app({directory.Path().string(), true}, &messages);
  return app.Run([] { return std::make_unique<CDialogBase>(kMainWindowId); });
}

TEST(PellwickAppTest, FirstStartLogsInitThenTheMainWindowAndClosesTheLogLast) {
  CTemporaryDirectory directory;
  CScriptedMessages messages;
  EXPECT_EQ(RunQuitWhenShown(directory, messages), 0);
  const auto lines = LogLines(directory);
  EXPECT_TRUE(InOrder(lines, {"Debugdatei geöffnet.", "Init Pellwick erfolgreich", "open Dialog 122.",
                              "close Dialog 122.", "Debugdatei geschlossen."}))
      << directory.Read("debug.log");
  EXPECT_EQ(lines.back(), "Debugdatei geschlossen.");
  EXPECT_FALSE(HasBookData());
}

TEST(PellwickAppTest, ADamagedDatabaseIsReportedAndTheMainWindowStillOpens) {
  CTemporaryDirectory directory;
  directory.Write("Pellwick.db", std::string(4096, 'x'));
  CScriptedMessages messages;
  EXPECT_EQ(RunQuitWhenShown(directory, messages), 0);
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Stop);
  EXPECT_NE(messages.Texts()[0].find("Pellwick.db"), std::string::npos) << messages.Texts()[0];
  EXPECT_TRUE(InOrder(LogLines(directory), {"Init Pellwick erfolgreich", "open Dialog 122."}));
  EXPECT_EQ(directory.Read("Pellwick.db"), std::string(4096, 'x'));
}

}  // namespace

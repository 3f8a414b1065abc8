#include "model/Messages.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>

#include "model/StringTable.h"
#include "storage/Format.h"
#include "support/ScriptedMessages.h"

namespace {

TEST(StringTable, FormatsATextWithItsArguments) {
  EXPECT_EQ(StringTableMessage(121, "März 2007"),
            "Der Monat März 2007 wird gelöscht. Alle Daten, die in diesem Monat eingegeben wurden gehen verloren. "
            "\nWollen Sie fortsetzen ?");
  EXPECT_EQ(StringTableMessage(107, 3),
            "Es existieren noch 3 Vorgänge mit Referenzen auf dieses Konto. Diese Daten gehen verloren. "
            "\nWollen Sie trotzdem fortfahren ?");
  EXPECT_EQ(StringTableMessage(151, "Der Betrag", "dem Betrag"),
            "Der Betrag des Importdatensatzes unterscheidet sich von dem Betrag des Vertrages. Soll der Wert "
            "übernommen werden ? \n    ");
  EXPECT_EQ(StringTableMessage(142, "MIETE"), "Der Kennstring \\\"MIETE\\\" ist nicht im Verwendungszeck enthalten!");
  EXPECT_EQ(StringTableMessage(125), "Sie haben keine Bezeichnung angegeben !");
}

TEST(StringTable, ABookNameWithConversionsIsShownAsTyped) {
  EXPECT_EQ(StringTableMessage(119, "Sparen 5 % %s%n"), "Wollen Sie die Änderungen von Sparen 5 % %s%n übernehmen ?");
}

TEST(StringTable, LongResultsAreCutTo499CharactersWithoutSplittingOne) {
  const std::string longName(600, 'x');
  EXPECT_EQ(Utf8Length(StringTableMessage(119, longName)), kMaxMessageCharacters);

  std::string umlauts;
  for (int i = 0; i < 600; ++i) umlauts += "ä";
  const std::string full = StrFormat(StringTableText(119), umlauts);
  const std::string cut = StringTableMessage(119, umlauts);
  EXPECT_EQ(Utf8Length(cut), kMaxMessageCharacters);
  ASSERT_LT(cut.size(), full.size());
  EXPECT_EQ(full.compare(0, cut.size(), cut), 0);
  EXPECT_NE(static_cast<unsigned char>(full[cut.size()]) & 0xC0u, 0x80u) << "cut inside a character";
}

TEST(StringTable, AnUnknownIdSaysSoInsteadOfShowingNothing) {
  EXPECT_EQ(StringTableText(999), "");
  EXPECT_EQ(StringTableMessage(999, "x"), "Meldungstext 999 fehlt.");
}

TEST(Messages, EachFormGoesThroughTheSinkWithItsIconAndButtons) {
  CScriptedMessages messages;
  messages.Answer({kAnswerYes, kAnswerNo, kAnswerOther});
  EXPECT_EQ(QuestionString(121, MessageButtons::YesNo, "Januar 2007"), kAnswerYes);
  EXPECT_EQ(QuestionText("Weiter ?", MessageButtons::YesNoCancel), kAnswerNo);
  EXPECT_EQ(QuestionString(103, MessageButtons::OkCancel), kAnswerOther);
  EXPECT_EQ(WarningString(122, "Juli 2007"), kAnswerOk);
  EXPECT_EQ(ErrorText("Fehler"), kAnswerOk);

  const auto& shown = messages.Shown();
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_EQ(shown[0].kind, MessageKind::Question);
  EXPECT_EQ(shown[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(shown[0].text, StringTableMessage(121, "Januar 2007"));
  EXPECT_EQ(shown[3].kind, MessageKind::Exclamation);
  EXPECT_EQ(shown[3].text, "Der Monat Juli 2007 wird angelegt.");
  EXPECT_EQ(shown[4].kind, MessageKind::Stop);
  EXPECT_EQ(shown[4].buttons, MessageButtons::Ok);
}

TEST(Messages, WithoutASinkQuestionsAreDeclined) {
  EXPECT_EQ(CProcessWide<IMessageSink>::Installed(), nullptr);
  EXPECT_EQ(QuestionText("Löschen ?", MessageButtons::YesNo), kAnswerOther);
}

TEST(ScriptedMessages, AnUnscriptedQuestionFailsTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        CScriptedMessages messages;
        EXPECT_EQ(QuestionText("Wirklich löschen ?", MessageButtons::YesNo), kAnswerOther);
      },
      "unexpected question: \"Wirklich löschen ?\"");
  EXPECT_NONFATAL_FAILURE(
      {
        CScriptedMessages messages;
        messages.Answer(kAnswerYes);
        QuestionText("Nachladen ?", MessageButtons::OkCancel);
      },
      "does not fit the buttons");
  EXPECT_NONFATAL_FAILURE({ CScriptedMessages messages; messages.Answer(kAnswerNo); }, "never asked for");
}

}  // namespace

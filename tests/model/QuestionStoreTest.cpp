// Remembered answers: what is asked when, and what is remembered.
#include <gtest/gtest.h>

#include "model/QuestionStore.h"
#include "tests/support/ScriptedMessages.h"

namespace {

constexpr int kKey = 7 * kQuestionAccountChanges;

int AskRemembering(CQuestionStore& store, int key = kKey) {
  return store.Ask(MessageKind::Question, key, "Frage", MessageButtons::YesNo, AskMode::Remember);
}

}  // namespace

TEST(QuestionStore, RememberModeAsksOncePerKeyUntilForgotten) {
  CScriptedMessages messages;
  CQuestionStore store;
  messages.Answer({kAnswerNo, kAnswerYes});
  EXPECT_EQ(AskRemembering(store), kAnswerNo);
  EXPECT_EQ(AskRemembering(store), kAnswerNo);  // remembered, not shown again
  EXPECT_EQ(messages.Shown().size(), 1u);

  EXPECT_EQ(store.ForgetAnswer(kKey), 1);
  EXPECT_EQ(store.ForgetAnswer(999), 0);
  EXPECT_EQ(AskRemembering(store), kAnswerYes);
  EXPECT_EQ(messages.Shown().size(), 2u);
}

TEST(QuestionStore, OnceModeNeverRemembers) {
  CScriptedMessages messages;
  CQuestionStore store;
  messages.Answer({kAnswerYes, kAnswerNo});
  EXPECT_EQ(store.Ask(MessageKind::Question, kKey, "Frage", MessageButtons::YesNo, AskMode::Once), kAnswerYes);
  EXPECT_EQ(store.Ask(MessageKind::Question, kKey, "Frage", MessageButtons::YesNo, AskMode::Once), kAnswerNo);
  EXPECT_EQ(store.Count(), 0);
  EXPECT_EQ(store.GetAnswer(kKey), kNotAnswered);
}

TEST(QuestionStore, RegisteredQuestionIsAskedByGetAnswerWithoutRemembering) {
  CScriptedMessages messages;
  CQuestionStore store;
  EXPECT_EQ(store.Ask(MessageKind::Question, kKey, "Einträge behalten?", MessageButtons::YesNo, AskMode::Register),
            kNotAnswered);
  EXPECT_TRUE(messages.Shown().empty());
  messages.Answer({kAnswerYes, kAnswerNo});
  EXPECT_EQ(store.GetAnswer(kKey), kAnswerYes);
  EXPECT_EQ(store.GetAnswer(kKey), kAnswerNo);  // asked again: nothing was remembered
  EXPECT_EQ(messages.Texts().front(), "Einträge behalten?");
}

TEST(QuestionStore, PresetAnswerIsUsedWithoutAsking) {
  CScriptedMessages messages;
  CQuestionStore store;
  store.SetAnswer(kKey, kAnswerYes);
  EXPECT_EQ(AskRemembering(store), kAnswerYes);
  EXPECT_EQ(store.GetAnswer(kKey), kAnswerYes);
  EXPECT_TRUE(messages.Shown().empty());
  store.Clear();
  EXPECT_EQ(store.GetAnswer(kKey), kNotAnswered);
}

TEST(QuestionStore, StringTableQuestionIsFilledSafely) {
  CScriptedMessages messages;
  CQuestionStore store;
  messages.Answer(kAnswerYes);
  EXPECT_EQ(store.AskString(MessageKind::Question, kKey, 110, MessageButtons::YesNo, AskMode::Remember,
                            std::string("Miete 100%s")),
            kAnswerYes);
  EXPECT_EQ(messages.Texts().front(),
            "Sollen die Änderungen von\"Miete 100%s\" in alle nachfolgende Monate übernommen werden ?");
}

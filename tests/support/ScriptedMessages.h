#pragma once

// A message sink for tests: it records every message the core shows and
// answers questions from a script. Creating it installs it for the test;
// destroying it puts the previous sink back.
//
//   CScriptedMessages messages;
//   messages.Answer(kAnswerYes);          // the next question is answered Yes
//   ... code under test ...
//   EXPECT_EQ(messages.Texts(), (std::vector<std::string>{...}));
//
// Messages with only an OK button are answered OK without a script. A
// question (any other buttons) takes the next scripted answer; a question
// with no answer left, or an answer its buttons cannot give, fails the test
// and is answered kAnswerOther. Answers left over at the end fail it too.

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/Messages.h"

class CScriptedMessages final : public IMessageSink {
 public:
  struct CShown {
    MessageKind kind;
    std::string text;
    MessageButtons buttons;
    int answer;
  };

  CScriptedMessages() : installed_(*this) {}
  ~CScriptedMessages() override {
    for (int answer : answers_) ADD_FAILURE() << "scripted answer " << answer << " was never asked for";
  }

  // Queues answers for the next questions, in order.
  void Answer(int answer) { answers_.push_back(answer); }
  void Answer(std::initializer_list<int> answers) { answers_.insert(answers_.end(), answers); }

  int Show(MessageKind kind, const std::string& text, MessageButtons buttons) override {
    const int answer = buttons == MessageButtons::Ok ? kAnswerOk : NextAnswer(text, buttons);
    shown_.push_back({kind, text, buttons, answer});
    return answer;
  }

  const std::vector<CShown>& Shown() const { return shown_; }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const CShown& shown : shown_) texts.push_back(shown.text);
    return texts;
  }

 private:
  static bool Fits(MessageButtons buttons, int answer) {
    switch (buttons) {
      case MessageButtons::Ok:
      case MessageButtons::OkCancel: return answer == kAnswerOk || answer == kAnswerOther;
      case MessageButtons::YesNoCancel:
      case MessageButtons::YesNo: return answer == kAnswerYes || answer == kAnswerNo || answer == kAnswerOther;
    }
    return false;
  }

  int NextAnswer(const std::string& text, MessageButtons buttons) {
    if (answers_.empty()) {
      ADD_FAILURE() << "unexpected question: \"" << text << "\"";
      return kAnswerOther;
    }
    const int answer = answers_.front();
    answers_.pop_front();
    if (!Fits(buttons, answer)) {
      ADD_FAILURE() << "scripted answer " << answer << " does not fit the buttons of \"" << text << "\"";
      return kAnswerOther;
    }
    return answer;
  }

  CScopedMessageSink installed_;
  std::deque<int> answers_;
  std::vector<CShown> shown_;
};

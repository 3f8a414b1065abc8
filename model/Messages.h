#pragma once

// Messages to the user. The core never shows anything itself: every message
// box goes through the one installed IMessageSink. The program installs its
// Qt implementation at start; tests install a scripted one
// (tests/support/ScriptedMessages.h).
// User-interface thread only.

#include <string>

#include "model/ProcessWide.h"
#include "model/StringTable.h"

// The icon of a message box.
enum class MessageKind : int { Exclamation = 0, Question = 1, Stop = 2 };

// The buttons of a message box, numbered as the program stores them
// (CQuestionStore keeps the number with a remembered question).
enum class MessageButtons : int { Ok = 0, OkCancel = 1, YesNoCancel = 3, YesNo = 4 };

// Answers of a message box. Anything that is not OK, Yes or No (Cancel,
// closing the box) is kAnswerOther.
inline constexpr int kAnswerOk = 0;
inline constexpr int kAnswerOther = 1;
inline constexpr int kAnswerYes = 2;
inline constexpr int kAnswerNo = 3;

class IMessageSink {
 public:
  virtual ~IMessageSink() = default;

  // Shows text with the icon of kind and the given buttons and waits for the
  // user. Returns kAnswerOk, kAnswerYes, kAnswerNo or kAnswerOther.
  virtual int Show(MessageKind kind, const std::string& text, MessageButtons buttons) = 0;
};

// Installing: CProcessWide<IMessageSink>::Install(&sink), or for a scope
// CScopedMessageSink installed(sink).
using CScopedMessageSink = CScopedInstall<IMessageSink>;

// Shows one message through the installed sink and returns its answer. With
// no sink installed the text goes to standard error and the answer is
// kAnswerOther, which every caller treats as "do not go on".
int ShowMessage(MessageKind kind, const std::string& text, MessageButtons buttons);

// Stop icon, OK button.
int ErrorText(const std::string& text);
// Exclamation icon, OK button.
int WarningText(const std::string& text);
// Question icon with the given buttons.
int QuestionText(const std::string& text, MessageButtons buttons);

// The same three with a string-table text filled with args
// (FormatStringTableText: safe against "%" in the values, at most 499
// characters, same REQUIRES), e.g.
// QuestionString(121, MessageButtons::YesNo, label).
template <class... Args>
int ErrorString(int stringId, const Args&... args) {
  return ErrorText(StringTableMessage(stringId, args...));
}

template <class... Args>
int WarningString(int stringId, const Args&... args) {
  return WarningText(StringTableMessage(stringId, args...));
}

template <class... Args>
int QuestionString(int stringId, MessageButtons buttons, const Args&... args) {
  return QuestionText(StringTableMessage(stringId, args...), buttons);
}

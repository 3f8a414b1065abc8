#include "model/Messages.h"

#include <cstdio>

int ShowMessage(MessageKind kind, const std::string& text, MessageButtons buttons) {
  if (IMessageSink* sink = CProcessWide<IMessageSink>::Installed()) {
    return sink->Show(kind, text, buttons);
  }
  // Nobody can answer: say what would have been shown and decline.
  std::fprintf(stderr, "Pellwick: %s\n", text.c_str());
  return kAnswerOther;
}

int ErrorText(const std::string& text) { return ShowMessage(MessageKind::Stop, text, MessageButtons::Ok); }

int WarningText(const std::string& text) {
  return ShowMessage(MessageKind::Exclamation, text, MessageButtons::Ok);
}

int QuestionText(const std::string& text, MessageButtons buttons) {
  return ShowMessage(MessageKind::Question, text, buttons);
}

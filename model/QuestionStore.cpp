#include "model/QuestionStore.h"

#include <algorithm>

CQuestionStore::CEntry* CQuestionStore::Find(int key) {
  auto it = std::find_if(entries_.begin(), entries_.end(), [key](const CEntry& e) { return e.key == key; });
  return it == entries_.end() ? nullptr : &*it;
}

CQuestionStore::CEntry& CQuestionStore::FindOrAdd(MessageKind kind, int key, const std::string& text,
                                                   MessageButtons buttons) {
  if (CEntry* entry = Find(key)) return *entry;
  entries_.push_back({kind, key, text, buttons});
  return entries_.back();
}

int CQuestionStore::Ask(MessageKind kind, int key, const std::string& text, MessageButtons buttons,
                        AskMode mode) {
  switch (mode) {
    case AskMode::Once:
      return ShowMessage(kind, text, buttons);
    case AskMode::Register:
      FindOrAdd(kind, key, text, buttons);
      return kNotAnswered;
    case AskMode::Remember:
      break;
  }
  CEntry& entry = FindOrAdd(kind, key, text, buttons);
  if (entry.answer == kNotAnswered) {
    // Copy what the box shows: the sink may call back into the store.
    const CEntry shown = entry;
    const int answer = ShowMessage(shown.kind, shown.text, shown.buttons);
    if (CEntry* again = Find(key)) again->answer = answer;
    return answer;
  }
  return entry.answer;
}

int CQuestionStore::GetAnswer(int key) {
  CEntry* entry = Find(key);
  if (entry == nullptr) return kNotAnswered;
  if (entry->answer != kNotAnswered) return entry->answer;
  const CEntry shown = *entry;
  return ShowMessage(shown.kind, shown.text, shown.buttons);
}

void CQuestionStore::SetAnswer(int key, int answer) {
  FindOrAdd(MessageKind::Question, key, std::string(), MessageButtons::YesNo).answer = answer;
}

int CQuestionStore::ForgetAnswer(int key) {
  CEntry* entry = Find(key);
  if (entry == nullptr) return 0;
  entry->answer = kNotAnswered;
  return 1;
}

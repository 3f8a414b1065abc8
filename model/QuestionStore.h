#pragma once

// Remembered answers to yes/no questions. A propagation that would ask the
// same question for every month of a record asks it once and remembers the
// answer under a key: the record's PostenId times the number that names the
// question (kQuestionAccountChanges, ...). Screens clear, forget or preset
// answers; the store lives across planner runs. User-interface thread only.

#include <string>
#include <vector>

#include "model/Messages.h"

// Question numbers; a key is PostenId × number.
inline constexpr int kQuestionAccountChanges = 108;
inline constexpr int kQuestionContractEntries = 109;
inline constexpr int kQuestionContractChanges = 110;
inline constexpr int kQuestionCorrection = 127;

// No answer remembered (or no entry, for GetAnswer).
inline constexpr int kNotAnswered = -1;

// How Ask treats the store.
enum class AskMode : int {
  Once = 0,      // show now, remember nothing
  Remember = 1,  // show only while the key has no answer, then remember it
  Register = 2,  // only note the question under its key; show nothing
};

class CQuestionStore {
 public:
  // Returns the answer (kAnswerOk/Yes/No/Other), or kNotAnswered for
  // AskMode::Register.
  int Ask(MessageKind kind, int key, const std::string& text, MessageButtons buttons, AskMode mode);
  // The same with a string-table text filled with args.
  template <class... Args>
  int AskString(MessageKind kind, int key, int stringId, MessageButtons buttons, AskMode mode,
                const Args&... args) {
    return Ask(kind, key, StringTableMessage(stringId, args...), buttons, mode);
  }

  // kNotAnswered without an entry; the remembered answer if there is one;
  // otherwise the entry's question is shown now and its answer returned
  // without remembering it.
  int GetAnswer(int key);
  // Remembers answer under key, creating a question entry when needed.
  void SetAnswer(int key, int answer);
  // Makes the key unanswered again; 0 when there is no entry, else 1.
  int ForgetAnswer(int key);
  void Clear() { entries_.clear(); }

  int Count() const { return static_cast<int>(entries_.size()); }

 private:
  struct CEntry {
    MessageKind kind;
    int key;
    std::string text;
    MessageButtons buttons;
    int answer = kNotAnswered;
  };

  CEntry* Find(int key);
  CEntry& FindOrAdd(MessageKind kind, int key, const std::string& text, MessageButtons buttons);

  std::vector<CEntry> entries_;
};

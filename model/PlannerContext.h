#pragma once
// What the planner's actions share during a run: the book data with its
// months and loading window, the accounting's operations, the two switches
// of a run (loading allowed, no questions) and the planner's question store.
// Owned by CActionPlanner; the actions hold a reference to it. User-interface
// thread only.

#include "model/MonthWindow.h"
#include "model/QuestionStore.h"

class CBestandsdatenList;
class CBookData;
class CVertragList;
class IPlannerOperations;

class CPlannerContext {
 public:
  explicit CPlannerContext(CBookData& bookData) : bookData_(bookData) {}

  // The accounting's operations. Throws std::logic_error when none are
  // registered with the book data: nothing could carry a change on.
  IPlannerOperations& Operations();
  bool HasOperations() const;

  CBookData& BookData() { return bookData_; }
  CBestandsdatenList& Accounts();
  CVertragList& Contracts();
  CQuestionStore& Questions() { return questions_; }

  bool LoadingAllowed() const { return loadingAllowed_; }
  void SetLoadingAllowed(bool allowed) { loadingAllowed_ = allowed; }
  bool NoQuestions() const { return noQuestions_; }
  void SetNoQuestions(bool noQuestions) { noQuestions_ = noQuestions; }

  // The book's months: every existing month runs from first to last.
  int FirstExistingMonth() const;
  int LastExistingMonth() const;
  CLoadWindow Window() const;
  bool OutsideWindow(int monthId) const { return Window().IsOutside(monthId); }
  // A month outside the window whose records are not in memory: using it
  // needs problem 41 (a month a run loaded is in memory although outside).
  bool NeedsLoading(int monthId) const;
  // The month's loaded flag (false for a month that does not exist).
  bool IsLoaded(int monthId) const;
  // Loads the month's records when the month exists and is not loaded.
  void LoadMonth(int monthId);

  // Counts the runs; records an action remembers are valid within one run
  // only (between runs their month may have been unloaded).
  int RunNumber() const { return runNumber_; }
  void BeginRun() { ++runNumber_; }

 private:
  CBookData& bookData_;
  CQuestionStore questions_;
  bool loadingAllowed_ = false;
  bool noQuestions_ = false;
  int runNumber_ = 0;
};

// The record an action looked up last, reused while a lookup names the same
// item and month in the same run.
template <class T>
class CRememberedRecord {
 public:
  template <class Lookup>
  T* Find(const CPlannerContext& context, int postenId, int monthId, Lookup lookup) {
    if (record_ && run_ == context.RunNumber() && postenId_ == postenId && monthId_ == monthId) return record_;
    record_ = lookup();
    run_ = context.RunNumber();
    postenId_ = postenId;
    monthId_ = monthId;
    return record_;
  }

 private:
  T* record_ = nullptr;
  int run_ = -1;
  int postenId_ = 0;
  int monthId_ = 0;
};

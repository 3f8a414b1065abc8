#pragma once
// The findings of an evaluation of the monitoring rules: one hit per line of
// the monitoring list, group headings among them. User-interface thread only.

#include <string>
#include <vector>

class CReport;

// Rule id of a group heading.
inline constexpr int kHeadingReportId = -1;
// Colour slot of a line without a colour of its own (headings).
inline constexpr int kNoColorSlot = -1;

struct CHit {
  int id = 0;        // running id, 1-based in the hit list
  int reportId = 0;  // kHeadingReportId for a heading
  int monthId = 0;
  int objectId = 0;  // account, contract or category; 0 none
  int reportTyp = 0;
  // Contract hits: days from today to the due date; category hits: the
  // category sum; uncaptured amounts: the entry's amount.
  double value = 0.0;
  int visible = 1;
  // The rule that found it; null for headings. Not owned: valid while the
  // rule list keeps the rule.
  const CReport* report = nullptr;
  // What the evaluation knew of the object: the contract's or the
  // account's name (empty when it is gone) and the contract's kind.
  std::string objectName;
  int contractTyp = 0;
  // The list line: filled by grouping.
  std::string text;
  int image = 0;
  int colorSlot = kNoColorSlot;

  bool IsHeading() const { return reportId == kHeadingReportId; }
};

// An owning list of hits with the running counter; the evaluation clears it
// and keeps the evaluated months for the headings of grouping.
class CHitList {
 public:
  // Empties the list and starts the counter anew.
  void Clear(int firstMonthId, int lastMonthId);
  // Appends the hit with the next running id; returns its position.
  int Add(CHit hit);

  std::vector<CHit>& Hits() { return hits_; }
  const std::vector<CHit>& Hits() const { return hits_; }
  int Count() const { return static_cast<int>(hits_.size()); }
  int FirstMonthId() const { return firstMonthId_; }
  int LastMonthId() const { return lastMonthId_; }

 private:
  std::vector<CHit> hits_;
  int counter_ = 0;
  int firstMonthId_ = 0;
  int lastMonthId_ = 0;
};

#pragma once
// The main window's monitoring list as plain data: the period and grouping
// chosen, the hits of the last rebuild and which groups are collapsed; the
// window only shows Rows() and passes clicks on. User-interface thread only.

#include <set>
#include <utility>
#include <vector>

#include "model/Monat.h"
#include "monitoring/MonitoringHit.h"
#include "monitoring/Report.h"

struct CMonitoringPeriod {
  int firstMonthId = 0;
  int lastMonthId = 0;
};

// "aktueller Monat": the current month at both ends; otherwise the months
// chosen in "von" and "bis".
CMonitoringPeriod MonitoringPeriod(bool currentMonthOnly, int currentMonthId, int chosenFirst, int chosenLast);
// "Überwachungsstyp" gives grouping by kind, "Monaten" by month, otherwise none.
int MonitoringGrouping(bool byKind, bool byMonth);

class CMonitoringView {
 public:
  // Evaluates the rules over the period as of Today(), groups and orders the
  // hits. Groups collapsed before stay collapsed; new ones start expanded.
  void Rebuild(const CReportList& rules, const CMonthCollections& book, const CMonitoringPeriod& period,
               int grouping);

  // The lines to show, in order: every heading, and each visible hit whose
  // group is expanded (every visible hit without grouping). Pointers into
  // Hits(): valid until the next rebuild.
  std::vector<const CHit*> Rows() const;
  // A click on row `row` of Rows(): a heading switches between expanded and
  // collapsed. Returns true when the rows changed.
  bool ClickRow(int row);
  bool IsExpanded(const CHit& heading) const;

  const CHitList& Hits() const { return hits_; }
  int Grouping() const { return grouping_; }

 private:
  // The group a line belongs to, the same for the heading and its hits.
  std::pair<int, int> GroupOf(const CHit& hit) const;

  CHitList hits_;
  int grouping_ = 0;
  std::set<std::pair<int, int>> collapsed_;  // (grouping, month or kind)
};

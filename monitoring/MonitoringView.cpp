#include "monitoring/MonitoringView.h"

#include "monitoring/HitGrouping.h"
#include "monitoring/ReportEvaluation.h"
#include "monitoring/ReportTexts.h"

CMonitoringPeriod MonitoringPeriod(bool currentMonthOnly, int currentMonthId, int chosenFirst, int chosenLast) {
  if (currentMonthOnly) return {currentMonthId, currentMonthId};
  return {chosenFirst, chosenLast};
}

int MonitoringGrouping(bool byKind, bool byMonth) {
  if (byKind) return kGroupByKind;
  return byMonth ? kGroupByMonth : kGroupNone;
}

void CMonitoringView::Rebuild(const CReportList& rules, const CMonthCollections& book,
                              const CMonitoringPeriod& period, int grouping) {
  EvaluateReports(rules, book, period.firstMonthId, period.lastMonthId, hits_);
  GroupHits(hits_, grouping);
  grouping_ = grouping;
}

std::pair<int, int> CMonitoringView::GroupOf(const CHit& hit) const {
  return {grouping_, grouping_ == kGroupByMonth ? hit.monthId : hit.reportTyp};
}

bool CMonitoringView::IsExpanded(const CHit& heading) const { return !collapsed_.contains(GroupOf(heading)); }

std::vector<const CHit*> CMonitoringView::Rows() const {
  std::vector<const CHit*> rows;
  for (const CHit& hit : hits_.Hits()) {
    const bool shown = hit.IsHeading() || (hit.visible != 0 && (grouping_ == kGroupNone || IsExpanded(hit)));
    if (shown) rows.push_back(&hit);
  }
  return rows;
}

bool CMonitoringView::ClickRow(int row) {
  const std::vector<const CHit*> rows = Rows();
  if (row < 0 || row >= static_cast<int>(rows.size()) || !rows[row]->IsHeading()) return false;
  const auto group = GroupOf(*rows[row]);
  if (!collapsed_.erase(group)) collapsed_.insert(group);
  return true;
}

#include "monitoring/HitGrouping.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "monitoring/Report.h"
#include "monitoring/ReportTexts.h"

namespace {

CHit Heading(int monthId, int reportTyp) {
  CHit heading;
  heading.reportId = kHeadingReportId;
  heading.monthId = monthId;
  heading.reportTyp = reportTyp;
  heading.visible = 1;
  return heading;
}

void AddHeadings(CHitList& hits, int grouping) {
  if (grouping == kGroupByMonth)
    for (int monthId = hits.FirstMonthId(); monthId <= hits.LastMonthId(); ++monthId)
      hits.Add(Heading(monthId, kReportInputError));
  if (grouping == kGroupByKind)
    for (int reportTyp : {kReportInputError, kReportContract, kReportCategory, kReportAccount})
      hits.Add(Heading(0, reportTyp));
}

// The place in the list: by month ((kind + 100 x month) x 10, plus 1 for a
// hit), otherwise ((month + 1000 x kind) x 10, plus 1 for a hit); compared
// as a tuple, so no month id can reach into the next kind.
std::tuple<int, int, int> Place(const CHit& hit, int grouping) {
  const int isHit = hit.IsHeading() ? 0 : 1;
  if (grouping == kGroupByMonth) return {hit.monthId, hit.reportTyp, isHit};
  return {hit.reportTyp, isHit, hit.monthId};
}

}  // namespace

void GroupHits(CHitList& hits, int grouping) {
  std::vector<CHit>& list = hits.Hits();
  list.erase(std::remove_if(list.begin(), list.end(), [](const CHit& hit) { return hit.IsHeading(); }), list.end());
  AddHeadings(hits, grouping);
  std::stable_sort(list.begin(), list.end(),
                   [grouping](const CHit& a, const CHit& b) { return Place(a, grouping) < Place(b, grouping); });
  FillHitLines(hits, grouping);
}

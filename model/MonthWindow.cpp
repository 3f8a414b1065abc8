#include "model/MonthWindow.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, 4> kMonthStateTexts = {"nicht angelegt", "initialisiert", "bearbeitet",
                                                              "abgeschlossen"};

constexpr int kMinMonthsAhead = 1;
constexpr int kMaxMonthsAhead = 12;

void AppendRange(std::vector<int>& ids, int from, int to) {
  for (int id = from; id <= to; ++id) ids.push_back(id);
}

void AppendRangeDescending(std::vector<int>& ids, int from, int to) {
  for (int id = to; id >= from; --id) ids.push_back(id);
}

}  // namespace

CLoadWindow WindowWithoutMonth(CLoadWindow window, int monthId, int currentMonthId) {
  if (monthId < currentMonthId) window.first = monthId + 1;
  if (monthId > currentMonthId) window.last = monthId - 1;
  return window;
}

CLoadWindow WindowWithMonth(CLoadWindow window, int monthId, int currentMonthId) {
  if (monthId == currentMonthId) return window;
  if (monthId < window.first) window.first = monthId;
  if (monthId > window.last) window.last = monthId;
  return window;
}

int MonthStateOf(int unconfirmedCount, int confirmedCount) {
  if (unconfirmedCount + confirmedCount == 0) return kMonthNotCreated;
  if (unconfirmedCount != 0 && confirmedCount == unconfirmedCount) return kMonthClosed;
  if (confirmedCount > 0) return kMonthEdited;
  return kMonthInitialised;
}

std::string_view MonthStateText(int state) {
  if (state < 0 || state >= static_cast<int>(kMonthStateTexts.size())) return {};
  return kMonthStateTexts[static_cast<std::size_t>(state)];
}

CMonthRangePlan PlanMonthRange(int firstExist, int lastExist, int newFirst, int newLast) {
  CMonthRangePlan plan;
  if (newFirst < 1 || newLast < newFirst) return plan;
  plan.valid = true;
  const bool hasMonths = firstExist >= 1 && lastExist >= firstExist;
  if (!hasMonths) {
    AppendRange(plan.createIds, newFirst, newLast);
    return plan;
  }
  AppendRange(plan.deleteIds, firstExist, std::min(lastExist, newFirst - 1));
  AppendRangeDescending(plan.deleteIds, std::max(firstExist, newLast + 1), lastExist);
  // Both parts stay inside the new range, also when it does not overlap the
  // old one at all.
  AppendRange(plan.createIds, newFirst, std::min(newLast, firstExist - 1));
  AppendRange(plan.createIds, std::max(newFirst, lastExist + 1), newLast);
  return plan;
}

CCurrentMonthUpdate PlanCurrentMonthAtStart(CCurrentMonthSettings settings, int firstExist, int lastExist,
                                            int todayMonthId) {
  if (settings.AktMonatUser == 0) {
    settings.AnzAngelegteMonate = std::clamp(lastExist - todayMonthId, kMinMonthsAhead, kMaxMonthsAhead);
    settings.AktMonatUser = 1;
  }
  if (settings.AktMonatUser == 1) settings.AktMonatId = todayMonthId;
  return {settings, firstExist, todayMonthId + settings.AnzAngelegteMonate};
}

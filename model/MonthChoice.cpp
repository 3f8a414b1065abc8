#include "model/MonthChoice.h"

#include <algorithm>

#include "model/Monat.h"
#include "model/MonthMath.h"

namespace {

int IndexOfMonth(const CMonthChoice& choice, int monthId) {
  const auto found = std::find(choice.ids.begin(), choice.ids.end(), monthId);
  return found == choice.ids.end() ? -1 : static_cast<int>(found - choice.ids.begin());
}

CMonthChoice KeepingMonth(CMonthChoice choice, int monthId) {
  const int index = IndexOfMonth(choice, monthId);
  choice.selected = index >= 0 ? index : (choice.labels.empty() ? -1 : 0);
  return choice;
}

}  // namespace

CMonthChoice FillMonthChoice(const CMonatList& months, int from, int to, int currentMonthId, int previousSelected) {
  CMonthChoice choice;
  for (const CMonat& month : months) {
    if (month.IsDeleted() || month.MonatId < from || month.MonatId > to) continue;
    choice.labels.push_back(currentMonthId != 0 ? MonthListLabel(month.MonatId, currentMonthId)
                                                : MonthLabel(month.MonatId));
    choice.ids.push_back(month.MonatId);
  }
  const int count = static_cast<int>(choice.labels.size());
  choice.selected = previousSelected >= 0 && previousSelected < count ? previousSelected : -1;
  return choice;
}

CMonthChoice FillEveryMonthChoice(int from, int to, int preselect) {
  CMonthChoice choice;
  for (int monthId = std::max(from, 1); monthId <= to; ++monthId) {
    choice.labels.push_back(MonthLabel(monthId));
    choice.ids.push_back(monthId);
  }
  choice.selected = IndexOfMonth(choice, preselect);
  return choice;
}

int ReadMonthChoice(const CMonthChoice& choice) {
  if (choice.selected < 0 || choice.selected >= static_cast<int>(choice.labels.size())) return 0;
  return MonthIdOfLabel(choice.labels[choice.selected]);
}

void SelectMonthChoice(CMonthChoice& choice, int monthId) {
  if (choice.labels.empty()) return;
  const int start = choice.selected >= 0 ? choice.selected : 0;
  const int target = start + (monthId - MonthIdOfLabel(choice.labels[start]));
  choice.selected = std::clamp(target, 0, static_cast<int>(choice.labels.size()) - 1);
}

CMonthChoice RefillBisChoice(const CMonatList& months, int vonMonthId, int lastLoad, int keptBisMonthId) {
  return KeepingMonth(FillMonthChoice(months, vonMonthId, lastLoad), keptBisMonthId);
}

CMonthChoice RefillVonChoice(const CMonatList& months, int bisMonthId, int firstLoad, int keptVonMonthId) {
  return KeepingMonth(FillMonthChoice(months, firstLoad, bisMonthId), keptVonMonthId);
}

#include "model/BookData.h"

#include "model/Clock.h"
#include "model/Messages.h"
#include "model/MonthMath.h"
#include "model/MonthWindow.h"

int CBookData::SetRange(int first, int last) {
  EnsureMonthCollections();
  const bool hasMonths = book_.FirstExistMonatId != 0 && months_->Count() > 0;
  const CMonthRangePlan plan =
      PlanMonthRange(hasMonths ? book_.FirstExistMonatId : 0, hasMonths ? book_.LastExistMonatId : 0, first, last);
  if (!plan.valid) return 0;
  if (!hasMonths) {
    CreateMonths(plan.createIds, false);
    book_.FirstExistMonatId = book_.FirstLoadMonatId = first;
    book_.LastExistMonatId = book_.LastLoadMonatId = last;
    return 1;
  }
  if (!AskAndDeleteMonths(plan.deleteIds, first)) return 0;
  CreateMonths(plan.createIds, true);
  book_.FirstExistMonatId = first;
  book_.LastExistMonatId = last;
  book_.LastLoadMonatId = last;
  if (plan.deleteIds.empty() && plan.createIds.empty()) return 1;
  months_->ExtendIntoMonth(last, book_, MonthCollections());
  if (planner_) {
    planner_->RunReloadProblem(false);
  } else {
    months_->MarkWindow(book_.FirstLoadMonatId, book_.LastLoadMonatId);
    ApplyWindow(currentBookId_);
  }
  SaveCurrentBook(currentBookId_);
  return 1;
}

bool CBookData::AskAndDeleteMonths(const std::vector<int>& deleteIds, int first) {
  for (int monthId : deleteIds) {
    if (QuestionString(121, MessageButtons::YesNo, MonthLabel(monthId)) != kAnswerYes) return false;
    months_->DeleteMonth(monthId, first, MonthCollections());
    if (monthId < first)
      book_.FirstExistMonatId = monthId + 1;
    else
      book_.LastExistMonatId = monthId - 1;
  }
  return true;
}

void CBookData::CreateMonths(const std::vector<int>& createIds, bool announce) {
  for (int monthId : createIds) {
    if (announce) WarningString(122, MonthLabel(monthId));
    months_->Create(monthId, book_);
    months_->ExtendIntoMonth(monthId, book_, MonthCollections());
  }
}

void CBookData::UnloadMonthFromWindow(int monthId) {
  const CLoadWindow window =
      WindowWithoutMonth({book_.FirstLoadMonatId, book_.LastLoadMonatId}, monthId, book_.AktMonatId);
  book_.FirstLoadMonatId = window.first;
  book_.LastLoadMonatId = window.last;
  months_->MarkWindow(window.first, window.last);
}

void CBookData::LoadMonthIntoWindow(int monthId) {
  const CLoadWindow window = WindowWithMonth({book_.FirstLoadMonatId, book_.LastLoadMonatId}, monthId, book_.AktMonatId);
  book_.FirstLoadMonatId = window.first;
  book_.LastLoadMonatId = window.last;
  months_->MarkWindow(window.first, window.last);
}

void CBookData::ApplyWindow(int bookId) {
  for (CMonat& month : *months_) {
    // LoadMonth and DropMonth keep the month's loaded flag.
    if (month.inWindow && !month.loaded)
      LoadMonth(bookId, month.MonatId);
    else if (!month.inWindow && month.loaded)
      DropMonth(month.MonatId);
  }
}

int CBookData::CurrentMonthAtStart() {
  const CCurrentMonthUpdate update = PlanCurrentMonthAtStart(
      {book_.AktMonatUser, book_.AktMonatId, book_.AnzAngelegteMonate}, book_.FirstExistMonatId,
      book_.LastExistMonatId, TodayMonthId());
  book_.AktMonatUser = update.settings.AktMonatUser;
  book_.AktMonatId = update.settings.AktMonatId;
  book_.AnzAngelegteMonate = update.settings.AnzAngelegteMonate;
  return SetRange(update.rangeFirst, update.rangeLast);
}

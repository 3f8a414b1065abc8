#include "model/PlannerContext.h"

#include <stdexcept>

#include "model/BookData.h"
#include "model/PlannerOperations.h"

IPlannerOperations& CPlannerContext::Operations() {
  IPlannerOperations* operations = bookData_.PlannerOperations();
  if (!operations) throw std::logic_error("Der Aktionsplaner hat keine Buchhaltungsoperationen");
  return *operations;
}

bool CPlannerContext::HasOperations() const { return bookData_.PlannerOperations() != nullptr; }

CBestandsdatenList& CPlannerContext::Accounts() { return bookData_.MonthCollections().accounts; }

CVertragList& CPlannerContext::Contracts() { return bookData_.MonthCollections().contracts; }

int CPlannerContext::FirstExistingMonth() const { return bookData_.Book().FirstExistMonatId; }

int CPlannerContext::LastExistingMonth() const { return bookData_.Book().LastExistMonatId; }

CLoadWindow CPlannerContext::Window() const {
  return {bookData_.Book().FirstLoadMonatId, bookData_.Book().LastLoadMonatId};
}

bool CPlannerContext::NeedsLoading(int monthId) const {
  return monthId > 0 && OutsideWindow(monthId) && !IsLoaded(monthId);
}

bool CPlannerContext::IsLoaded(int monthId) const {
  const CMonatList* months = bookData_.Months();
  const CMonat* month = months ? months->FindMonth(monthId) : nullptr;
  return month && month->loaded;
}

void CPlannerContext::LoadMonth(int monthId) {
  CMonatList* months = bookData_.Months();
  const CMonat* month = months ? months->FindMonth(monthId) : nullptr;
  if (!month || month->loaded || month->IsDeleted()) return;
  bookData_.LoadMonth(bookData_.CurrentBookId(), monthId);
}

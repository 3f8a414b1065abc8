#include "model/Monat.h"

#include <algorithm>

#include "model/MonthMath.h"
#include "model/MonthWindow.h"
#include "storage/Database.h"
#include "storage/StrFormat.h"

namespace {

void Count(CItemCount& count, int confirmationIndex, double amount) {
  (confirmationIndex != 0 ? count.confirmed : count.unconfirmed) += 1;
  count.sum += amount;
}

void AddTo(CItemCount& total, const CItemCount& part) {
  total.unconfirmed += part.unconfirmed;
  total.confirmed += part.confirmed;
  total.sum += part.sum;
}

void CountAccounts(CMonthStatistics& statistics, int monthId, const CBestandsdatenList& accounts) {
  for (const CBestandsdaten& account : accounts) {
    if (account.MonatId != monthId || account.IsDeleted()) continue;
    Count(statistics.accounts, account.Bestaetigt, account.Betrag);
    if (account.Typ == 1 || account.Typ == 2) statistics.balances[account.Typ - 1] += account.Betrag;
  }
}

void CountEntries(CMonthStatistics& statistics, int monthId, const CVorgangList& entries) {
  for (const CVorgang& entry : entries) {
    if (entry.MonatId != monthId || entry.IsDeleted() || entry.Typ < 1 || entry.Typ > 5) continue;
    // Reserve shares and computed interest have nothing to confirm.
    const int index = entry.Typ == 4 ? 1 : entry.Bestaetigt;
    Count(statistics.entries[entry.Typ - 1], index, entry.Betrag);
  }
}

void CountContracts(CMonthStatistics& statistics, int monthId, const CVertragList& contracts) {
  for (const CVertrag& contract : contracts) {
    if (contract.MonatId != monthId || contract.IsDeleted()) continue;
    // A contract counts as one open and one done item.
    ++statistics.contracts.unconfirmed;
    ++statistics.contracts.confirmed;
    statistics.contracts.sum += contract.Betrag;
  }
}

void MarkRangeChange(int& changeFlags, int rangeFlag, int checkFlag) { changeFlags |= rangeFlag | checkFlag; }

}  // namespace

void CMonat::UpdateStatistics(const CMonthCollections& collections) {
  const double growth = statistics.growth;
  statistics = {};
  statistics.growth = growth;
  CountAccounts(statistics, MonatId, collections.accounts);
  CountEntries(statistics, MonatId, collections.entries);
  CountContracts(statistics, MonatId, collections.contracts);
  AddTo(statistics.total, statistics.accounts);
  for (const CItemCount& entries : statistics.entries) AddTo(statistics.total, entries);
  AddTo(statistics.total, statistics.contracts);
  statistics.assets = statistics.balances[0] + statistics.balances[1];
  state = MonthStateOf(statistics.total.unconfirmed, statistics.total.confirmed);
}

int CMonatList::Load(CDatabase& database, int bookId, CHaushaltsbuchRow& book) {
  CMonatList loaded;
  loaded.CRecordList::Load(database, StrFormat(kLoadSql, bookId));
  loaded.SortByMonth();
  book.FirstExistMonatId = loaded.IsEmpty() ? 0 : loaded.Find(0)->MonatId;
  book.LastExistMonatId = loaded.IsEmpty() ? 0 : loaded.Find(loaded.Count() - 1)->MonatId;
  *this = std::move(loaded);
  for (CMonat& month : *this) month.loaded = false;
  MarkWindow(book.FirstLoadMonatId, book.LastLoadMonatId);
  for (CMonat& month : *this) month.loaded = month.inWindow;
  return Count();
}

CMonat& CMonatList::Append(const std::string& key, CHaushaltsbuchRow& book) {
  int monthId = MonthIdOfKey(key);
  if (monthId == kNoMonth) monthId = book.LastExistMonatId + 1;
  CMonat* month = FindMonth(monthId);
  if (!month) {
    month = &AppendNew();
    month->BuchId = book.BuchId;
    month->MonatId = monthId;
    month->isNew = true;
  }
  month->MarkDeleted(false);
  month->Bezeichnung = MonthIdOfKey(key) == kNoMonth ? MonthKey(monthId) : key;
  if (monthId > book.LastExistMonatId) {
    book.LastExistMonatId = monthId;
    ++book.LastMonatId;
  }
  SortByMonth();
  return *month;
}

CMonat& CMonatList::Create(int monthId, CHaushaltsbuchRow& book) { return Append(MonthKey(monthId), book); }

CMonat* CMonatList::FindMonth(int monthId) {
  for (CMonat& month : *this)
    if (month.MonatId == monthId) return &month;
  return nullptr;
}

const CMonat* CMonatList::FindMonth(int monthId) const { return const_cast<CMonatList*>(this)->FindMonth(monthId); }

void CMonatList::Write(CDatabase& database, int bookId) {
  for (CMonat& month : *this) month.BuchId = bookId;
  CRecordList<CMonat>::Write(database, bookId);
}

void CMonatList::Store(CDatabase& database, int bookId) {
  Write(database, bookId);
  Settle();
}

void CMonatList::DeleteMonth(int monthId, int newFirst, const CMonthCollections& collections) {
  if (CMonat* month = FindMonth(monthId)) month->MarkDeleted();
  for (CBestandsdaten& account : collections.accounts) {
    if (account.MonatId == monthId) {
      account.MarkDeleted();
    } else if (account.LastMonatId < newFirst) {
      account.LastMonatId = newFirst;
      MarkRangeChange(account.changeFlags, kAccountChangeRange, kAccountChangeCheck);
    }
  }
  for (CVertrag& contract : collections.contracts) {
    if (contract.MonatId == monthId) {
      contract.MarkDeleted();
    } else if (contract.LastMonat < newFirst) {
      contract.LastMonat = newFirst;
      MarkRangeChange(contract.changeFlags, kContractChangeRange, kContractChangePayment);
    }
  }
  for (CVorgang& entry : collections.entries)
    if (entry.MonatId == monthId) entry.MarkDeleted();
}

void CMonatList::ExtendIntoMonth(int monthId, const CHaushaltsbuchRow& book, const CMonthCollections& collections) {
  for (CBestandsdaten& account : collections.accounts) {
    if (account.IsDeleted()) continue;
    const bool boundary = account.MonatId == std::max(book.FirstLoadMonatId, account.LastMonatId);
    if (account.LastMonatId <= monthId) account.LastMonatId = monthId;
    if (account.LastMonatId == monthId || boundary)
      MarkRangeChange(account.changeFlags, kAccountChangeRange, kAccountChangeCheck);
  }
  for (CVertrag& contract : collections.contracts) {
    if (contract.IsDeleted()) continue;
    const bool boundary = contract.MonatId == std::max(book.FirstLoadMonatId, contract.LastMonat);
    if (contract.LastMonat <= monthId) contract.LastMonat = monthId;
    if (contract.LastMonat == monthId || boundary)
      MarkRangeChange(contract.changeFlags, kContractChangeRange, kContractChangePayment);
  }
  if (CMonat* month = FindMonth(monthId)) month->isNew = true;
}

void CMonatList::UpdateStatistics(const CMonthCollections& collections) {
  const CMonat* previous = nullptr;
  for (CMonat& month : *this) {
    if (!month.loaded || month.IsDeleted()) continue;
    month.UpdateStatistics(collections);
    const bool follows = previous && previous->MonatId == month.MonatId - 1;
    month.statistics.growth = follows ? month.statistics.assets - previous->statistics.assets : 0.0;
    previous = &month;
  }
}

void CMonatList::MarkWindow(int first, int last) {
  const CLoadWindow window{first, last};
  for (CMonat& month : *this) month.inWindow = window.Contains(month.MonatId);
}

void CMonatList::SortByMonth() {
  Sort([](const CMonat& a, const CMonat& b) { return a.MonatId < b.MonatId; });
}

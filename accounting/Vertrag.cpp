#include "accounting/Vertrag.h"

#include <algorithm>

#include "accounting/DueDates.h"
#include "model/Clock.h"
#include "storage/StrFormat.h"

bool CVertrag::ValidIn(int monthId) const {
  return (FirstMonat == 0 || monthId >= FirstMonat) && (LastMonat == 0 || monthId <= LastMonat);
}

void CVertrag::CopyMasterDataFrom(const CVertragRow& source) {
  Typ = source.Typ;
  Bezeichnung = source.Bezeichnung;
  FirstMonat = source.FirstMonat;
  LaufZeit = source.LaufZeit;
  LaufZeitMonate = source.LaufZeitMonate;
  LastMonat = LastMonatOfTerm(source);
}

void CVertrag::CopyPaymentDataFrom(const CVertragRow& source) {
  Betrag = source.Betrag;
  KategorieId = source.KategorieId;
  ErsteFaelligkeit = source.ErsteFaelligkeit;
  AnzZahlungen = source.AnzZahlungen;
  ZahlungInTagen = source.ZahlungInTagen;
  Rueckstellung = source.Rueckstellung;
  CheckErforderlich = source.CheckErforderlich;
  KontoId = source.KontoId;
  TarKontoId = source.TarKontoId;
}

void CVertrag::CopyRangeFrom(const CVertragRow& source) {
  FirstMonat = source.FirstMonat;
  LastMonat = source.LastMonat;
}

void CVertrag::CopyContractColumnsFrom(const CVertragRow& source) {
  CopyMasterDataFrom(source);
  CopyPaymentDataFrom(source);
  // A copy keeps the source's range even without a term.
  LastMonat = source.LastMonat;
  NaechsteFaelligkeit = source.NaechsteFaelligkeit;
  LetzteFaelligkeit = source.LetzteFaelligkeit;
  Zahlung_am = source.Zahlung_am;
}

CVertrag& CVertragList::NewContract(CDatabase& database, int bookId, int currentMonthId) {
  auto contract = std::make_unique<CVertrag>();
  contract->PostenId = NewPostenId(database, bookId);
  contract->MonatId = currentMonthId;
  contract->FirstMonat = currentMonthId;
  contract->Typ = kContractExpense;
  contract->AnzZahlungen = 12;
  contract->ErsteFaelligkeit = Today();
  contract->renewDueEntries = 1;
  return Append(std::move(contract));
}

CVertrag* CVertragList::CopyContractInto(int monthId, const CVertrag& source) {
  if (!source.ValidIn(monthId) || FindContract(source.PostenId, monthId)) return nullptr;
  auto copy = std::make_unique<CVertrag>();
  copy->PostenId = source.PostenId;
  copy->MonatId = monthId;
  copy->CopyContractColumnsFrom(source);
  copy->renewDueEntries = 1;
  return &Append(std::move(copy));
}

void CVertragList::PropagateContract(const CVertrag& source, int monthId) {
  CVertrag* target = FindContract(source.PostenId, monthId);
  if (!target) {
    CopyContractInto(monthId, source);
    return;
  }
  const int flags = source.changeFlags;
  if (flags & kContractChangeMasterData) target->CopyMasterDataFrom(source);
  if (flags & kContractChangePayment) target->CopyPaymentDataFrom(source);
  if (flags & kContractChangeRange) target->CopyRangeFrom(source);
  if (flags & (kContractChangeMasterData | kContractChangeRange)) target->MarkDeleted(!target->ValidIn(monthId));
  target->renewDueEntries = 1;
}

CVertrag* CVertragList::FindContract(int postenId, int monthId) {
  for (CVertrag& record : *this) {
    if (record.PostenId != postenId) continue;
    if (monthId == kAllLoadedMonths ? !record.IsDeleted() : record.MonatId == monthId) return &record;
  }
  return nullptr;
}

CVertrag* CVertragList::FindContractByName(const std::string& name, int monthId) {
  for (CVertrag& record : *this)
    if (!record.IsDeleted() && record.Bezeichnung == name &&
        (monthId == kAllLoadedMonths || record.MonatId == monthId))
      return &record;
  return nullptr;
}

std::string CVertragList::ContractName(int postenId) const {
  for (const CVertrag& record : *this)
    if (!record.IsDeleted() && record.PostenId == postenId) return record.Bezeichnung;
  return {};
}

std::vector<const CVertragRow*> CVertragList::RecordsOf(int postenId) const {
  std::vector<const CVertragRow*> records;
  for (const CVertrag& record : *this)
    if (!record.IsDeleted() && record.PostenId == postenId) records.push_back(&record);
  std::stable_sort(records.begin(), records.end(),
                   [](const CVertragRow* a, const CVertragRow* b) { return a->MonatId < b->MonatId; });
  return records;
}

std::vector<std::string> CVertragList::DueDateTexts(int postenId, int firstMonth, int lastMonth) const {
  return ::DueDateTexts(RecordsOf(postenId), firstMonth, lastMonth);
}

std::optional<CDate> CVertragList::NearestDue(int postenId, const CDate& date, int firstMonth, int lastMonth,
                                              int daysBefore, int daysAfter) const {
  return ::NearestDue(RecordsOf(postenId), date, firstMonth, lastMonth, daysBefore, daysAfter);
}

std::vector<std::string> CVertragList::ChoiceNames(int monthId, ContractChoice choice) const {
  std::vector<std::string> names{choice == ContractChoice::All ? kAllContracts : kNewContract};
  for (const CVertrag& record : *this)
    if (!record.IsDeleted() && record.MonatId == monthId) names.push_back(record.Bezeichnung);
  return names;
}

namespace {

constexpr std::size_t kContractLineWidth = 60;

// Characters, not bytes: names are UTF-8.
std::size_t CharacterCount(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

std::string ContractLine(const CVertragRow& contract, const std::string& categoryName) {
  const std::string date = contract.ErsteFaelligkeit.ToScreenText();
  const std::string category = categoryName.empty() ? std::string() : StrFormat(" (%s)", categoryName.c_str());
  // The three texts and their two separating blanks fill the width.
  const std::size_t used = CharacterCount(date) + CharacterCount(contract.Bezeichnung) + CharacterCount(category) + 2;
  const std::string filler(used < kContractLineWidth ? kContractLineWidth - used : 0, ' ');
  return StrFormat("%s %s %s %s EUR %6.2f", date.c_str(), contract.Bezeichnung.c_str(), category.c_str(),
                   filler.c_str(), contract.Betrag);
}

#include "accounting/Bestandsdaten.h"

#include "model/Clock.h"

double CBestandsdaten::SortKey(int) const { return MonatId; }

bool CBestandsdaten::ValidIn(int monthId) const {
  return monthId >= FirstMonatId && (LastMonatId == 0 || monthId <= LastMonatId);
}

double CBestandsdaten::ComputedEndBalance() const {
  return Betrag + confirmedIncome - confirmedOutgoings + correctionAmount;
}

void CBestandsdaten::ResetComputation() {
  confirmedIncome = confirmedOutgoings = 0.0;
  unconfirmedIncome = unconfirmedOutgoings = 0.0;
  confirmedEntries = unconfirmedEntries = correctionEntries = 0;
  correctionAmount = 0.0;
  BetragEndMonat = 0.0;
  computationState = kToBeComputed;
}

void CBestandsdaten::CopyCheckSettingsFrom(const CBestandsdatenRow& source) {
  CheckErforderlich = source.CheckErforderlich;
  CalcZins = source.CalcZins;
  Zins_Grenze_0 = source.Zins_Grenze_0;
  Zins_Grenze_1 = source.Zins_Grenze_1;
  Zins_Grenze_2 = source.Zins_Grenze_2;
  Zins_Proz_0 = source.Zins_Proz_0;
  Zins_Proz_1 = source.Zins_Proz_1;
  Zins_Proz_2 = source.Zins_Proz_2;
  Zins_Proz_3 = source.Zins_Proz_3;
}

void CBestandsdaten::CopyInterestSettingsFrom(const CBestandsdatenRow& source) {
  CopyCheckSettingsFrom(source);
  BerechnungAm = source.BerechnungAm;
  BetragFixKosten = source.BetragFixKosten;
}

void CBestandsdaten::CopyAccountColumnsFrom(const CBestandsdatenRow& source) {
  Bezeichnung = source.Bezeichnung;
  KategorieId = source.KategorieId;
  Typ = source.Typ;
  Datum = source.Datum;
  FirstMonatId = source.FirstMonatId;
  LastMonatId = source.LastMonatId;
  DatumAnschaffung = source.DatumAnschaffung;
  AbschreibArt = source.AbschreibArt;
  LaufzeitEinheit = source.LaufzeitEinheit;
  LaufzeitAnz = source.LaufzeitAnz;
  KontoAktiv = source.KontoAktiv;
  CopyInterestSettingsFrom(source);
}

CBestandsdaten& CBestandsdatenList::NewAccount(CDatabase& database, int bookId, int currentMonthId,
                                               int firstLoadedMonthId) {
  auto account = std::make_unique<CBestandsdaten>();
  account->PostenId = NewPostenId(database, bookId);
  account->MonatId = currentMonthId;
  account->Typ = kAccountAssets;
  account->Bezeichnung = kNewAccountName;
  account->Datum = account->DatumAnschaffung = Today();
  account->LaufzeitAnz = 2;
  account->KontoAktiv = 1;
  account->FirstMonatId = firstLoadedMonthId;
  return Append(std::move(account));
}

CBestandsdaten* CBestandsdatenList::CopyAccountInto(int monthId, const CBestandsdaten& source) {
  if (!source.ValidIn(monthId) || FindAccount(source.PostenId, monthId)) return nullptr;
  auto copy = std::make_unique<CBestandsdaten>();
  copy->PostenId = source.PostenId;
  copy->MonatId = monthId;
  copy->CopyAccountColumnsFrom(source);
  copy->Betrag = source.Betrag;
  // Stocks carry their value on; money accounts get it from the computation.
  if (source.Typ == kAccountStock) copy->BetragEndMonat = source.BetragEndMonat;
  return &Append(std::move(copy));
}

void CBestandsdatenList::PropagateAccount(const CBestandsdaten& source, int monthId, int mask) {
  CBestandsdaten* target = FindAccount(source.PostenId, monthId);
  if (!target) {
    CopyAccountInto(monthId, source);
    return;
  }
  if (mask & (kAccountChangeMasterData | kAccountChangeRange)) {
    target->FirstMonatId = source.FirstMonatId;
    target->LastMonatId = source.LastMonatId;
    target->MarkDeleted(!source.ValidIn(monthId));
  }
  if (mask & kAccountChangeMasterData) {
    target->Typ = source.Typ;
    target->Bezeichnung = source.Bezeichnung;
    target->KontoAktiv = source.KontoAktiv;
  }
  if (mask & kAccountChangeCheck) target->CopyCheckSettingsFrom(source);
  if (mask & kAccountChangeStartBalance) target->BetragEndMonat = source.Betrag;
  if (mask & kAccountChangeInterest) {
    target->BerechnungAm = source.BerechnungAm;
    target->BetragFixKosten = source.BetragFixKosten;
  }
}

void CBestandsdatenList::CopyIntoFollowingMonths(const CBestandsdaten& record, int lastMonthId) {
  // Records live behind their own pointers, so appending keeps `record` valid.
  for (int monthId = record.MonatId + 1; monthId <= lastMonthId && record.ValidIn(monthId); ++monthId) {
    if (CBestandsdaten* existing = FindAccount(record.PostenId, monthId))
      existing->CopyAccountColumnsFrom(record);
    else
      CopyAccountInto(monthId, record);
  }
}

CBestandsdaten* CBestandsdatenList::FindAccount(int postenId, int monthId) {
  return monthId == kAllLoadedMonths ? FindLiveAccount(postenId, monthId) : FindPosten(postenId, monthId);
}

const CBestandsdaten* CBestandsdatenList::FindAccount(int postenId, int monthId) const {
  return const_cast<CBestandsdatenList*>(this)->FindAccount(postenId, monthId);
}

CBestandsdaten* CBestandsdatenList::FindLiveAccount(int postenId, int monthId) {
  for (CBestandsdaten& record : *this)
    if (!record.IsDeleted() && record.PostenId == postenId &&
        (monthId == kAllLoadedMonths || record.MonatId == monthId))
      return &record;
  return nullptr;
}

CBestandsdaten* CBestandsdatenList::FindAccountByName(const std::string& name, int monthId) {
  for (CBestandsdaten& record : *this)
    if (!record.IsDeleted() && record.Bezeichnung == name &&
        (monthId == kAllLoadedMonths || record.MonatId == monthId))
      return &record;
  return nullptr;
}

std::string CBestandsdatenList::AccountName(int postenId) const {
  for (const CBestandsdaten& record : *this)
    if (!record.IsDeleted() && record.PostenId == postenId) return record.Bezeichnung;
  return {};
}

std::vector<std::string> CBestandsdatenList::ChoiceNames(int monthId, AccountChoice choice) const {
  std::vector<std::string> names;
  if (choice == AccountChoice::AllWithHeader) names.emplace_back(kAllActiveAccounts);
  for (const CBestandsdaten& record : *this) {
    if (record.IsDeleted() || record.MonatId != monthId || record.KontoAktiv == 0) continue;
    const bool stock = record.Typ == kAccountStock;
    if ((choice == AccountChoice::NoStocks && stock) || (choice == AccountChoice::StocksOnly && !stock)) continue;
    names.push_back(record.Bezeichnung);
  }
  return names;
}

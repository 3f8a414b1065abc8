#include "accounting/MonthClosing.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "model/MonthMath.h"
#include "storage/StrFormat.h"

namespace {

constexpr int kNoAccountRowId = 1;  // "keine Kontozuordnung" among the summary-state rows

int StateOf(int bestaetigt) { return bestaetigt != 0 ? kClosingConfirmed : kClosingUnconfirmed; }

// Year averages, totals and profit: the first column when not negative,
// else the absolute value in the second.
void PutSigned(CClosingRow& row) {
  row.haben = row.value >= 0.0 ? row.value : 0.0;
  row.soll = row.value < 0.0 ? -row.value : 0.0;
}

// Where a group and its members show their value.
void PutValue(CClosingRow& row) {
  if (row.kind == kClosingExpenses || row.kind == kClosingConsumption)
    row.soll = row.value;
  else if (row.kind == kClosingYearAverages)
    PutSigned(row);
  else
    row.haben = row.value;
}

std::string GroupText(int kind, int state) {
  const char* unconfirmed = state == kClosingUnconfirmed ? "un" : "";
  switch (kind) {
    case kClosingAssets: return StrFormat("Summe aller %sbestätigten Vermögen", unconfirmed);
    case kClosingIncome: return StrFormat("Summe aller %sbestätigten Einahmen", unconfirmed);
    case kClosingExpenses: return StrFormat("Summe aller %sbestätigten Ausgaben", unconfirmed);
    case kClosingConsumption: return StrFormat("Summe aller %sbestätigten Verbräuche", unconfirmed);
    case kClosingStocks: return StrFormat("Summe aller %sbestätigten Vorräte", unconfirmed);
    case kClosingYearAverages: return "Summe aller Jahresdurchschnitte";
    default: return "Nicht erfasste Einahmen/Ausgaben";
  }
}

int EntryKind(int typ) {
  switch (typ) {
    case kEntryIncome: return kClosingIncome;
    case kEntryExpense: return kClosingExpenses;
    case kEntryConsumption: return kClosingConsumption;
    default: return kClosingYearAverages;
  }
}

}  // namespace

double ClosingProfit(const CClosingSums& sums, bool withConsumption, bool evenedOut) {
  double profit = sums.income - sums.expenses;
  if (withConsumption) profit -= sums.consumption;
  if (evenedOut) profit += -sums.reserves - sums.incomeNotMonthly + sums.expensesNotMonthly;
  return profit;
}

double ClosingTotalAssets(const CClosingSums& sums, bool withStocks) {
  return sums.assets + (withStocks ? sums.stocks : 0.0);
}

CAccountClosing CloseAccount(const CBestandsdaten& account) {
  CAccountClosing closing;
  closing.additions = account.confirmedIncome;
  closing.disposals = account.confirmedOutgoings;
  closing.growth = account.BetragEndMonat - account.Betrag;
  closing.difference = closing.growth - (closing.additions - closing.disposals);
  return closing;
}

bool CClosingRow::operator<(const CClosingRow& other) const {
  return std::tie(kind, state, id) < std::tie(other.kind, other.state, other.id);
}

CMonthClosing::CMonthClosing(const CMonthCollections& collections, int monthId, const CClosingOptions& options)
    : collections_(collections), monthId_(monthId), options_(options) {
  CollectAccounts();
  CollectEntries();
  AddUncaptured();
  AddSummaryRows(kClosingAssets, "Vermögen gesamt", TotalAssets());
  AddSummaryRows(kClosingProfit, "Gewinn", Profit());
  for (CClosingRow& row : rows_)
    if (row.IsGroup() && row.kind != kClosingUncaptured) PutValue(row);
  std::sort(rows_.begin(), rows_.end());
}

double CMonthClosing::Profit() const { return ClosingProfit(sums_, options_.stocks, options_.evenedOut); }

double CMonthClosing::TotalAssets() const { return ClosingTotalAssets(sums_, options_.stocks); }

void CMonthClosing::WriteSums(CMonatRow& month) const {
  month.Gewinn = Profit();
  month.Vermoegen = sums_.assets;
  month.SumEinahmen = sums_.income;
  month.SumAusgaben = sums_.expenses;
  month.SumAbschreib = sums_.consumption;
  month.SumRueckstell = sums_.reserves;
}

void CMonthClosing::CollectAccounts() {
  for (const CBestandsdaten& account : collections_.accounts) {
    if (account.MonatId != monthId_ || account.PostenId == 0 || account.IsDeleted()) continue;
    if (options_.accountFilter != 0 && account.PostenId != options_.accountFilter) continue;
    const bool stock = account.Typ == kAccountStock;
    (stock ? sums_.stocks : sums_.assets) += account.Betrag;
    if (stock && !options_.stocks) continue;
    CClosingRow row;
    row.kind = stock ? kClosingStocks : kClosingAssets;
    row.state = StateOf(account.Bestaetigt);
    row.id = account.PostenId;
    row.text = account.Bezeichnung;
    row.value = account.Betrag;
    PutSigned(row);
    row.zuwachs = account.confirmedIncome - account.confirmedOutgoings;
    rows_.push_back(row);
    AddToGroup(row.kind, row.state, account.Betrag);
  }
}

const CVertrag* CMonthClosing::ContractOf(const CVorgang& entry) const {
  if (!entry.RefersToContract()) return nullptr;
  if (entry.contract) return entry.contract;
  return collections_.contracts.FindPosten(entry.RefVertragPostenId, entry.MonatId);
}

// Which entries count at all: the account filter, one record per payment
// made in another month (on its due date or on its payment date), and none
// of the movements the closing does not sum (transfers, corrections, the
// income standing for a stock's residual value).
bool CMonthClosing::EntryListed(const CVorgang& entry) const {
  if (options_.accountFilter != 0 && entry.BetrKontoId != options_.accountFilter) return false;
  if (options_.onDueDates ? entry.TerminMonatId < 0 : entry.TerminMonatId > 0) return false;
  if (entry.IsTransfer() || entry.IsCorrection()) return false;
  return !(entry.Typ == kEntryIncome && entry.RefRestwertPostenId != 0);
}

void CMonthClosing::CollectEntries() {
  for (const CVorgang* entry : collections_.entries.EntriesOfMonth(monthId_)) {
    if (!EntryListed(*entry)) continue;
    AddEntry(*entry, ContractOf(*entry));
  }
}

void CMonthClosing::AddEntry(const CVorgang& entry, const CVertrag* contract) {
  const bool withReserve = contract && contract->Rueckstellung != 0 && entry.Typ != kEntryReserveShare;
  const bool withoutAccount = entry.BetrKontoId == 0;
  switch (entry.Typ) {
    case kEntryIncome:
      sums_.income += entry.Betrag;
      if (withReserve) sums_.incomeNotMonthly += entry.Betrag;
      if (withoutAccount) sums_.incomeWithoutAccount += entry.Betrag;
      break;
    case kEntryExpense:
      sums_.expenses += entry.Betrag;
      if (withReserve) sums_.expensesNotMonthly += entry.Betrag;
      if (withoutAccount) sums_.expensesWithoutAccount += entry.Betrag;
      break;
    case kEntryConsumption:
      sums_.consumption += entry.Betrag;
      if (!options_.stocks) return;
      break;
    default:
      // A monthly share is signed by its contract (negative for an
      // expense); computed interest is booked as minus what the account
      // earns. Either way the reserve is minus the listed value.
      sums_.reserves -= entry.IsComputedInterest() ? -entry.Betrag : entry.Betrag;
      if (!options_.evenedOut) return;
      AddEntryRow(kClosingYearAverages, entry, entry.IsComputedInterest() ? -entry.Betrag : entry.Betrag);
      return;
  }
  if (options_.evenedOut && withReserve) return;
  AddEntryRow(EntryKind(entry.Typ), entry, entry.Betrag);
}

void CMonthClosing::AddEntryRow(int kind, const CVorgang& entry, double value) {
  CClosingRow row;
  row.kind = kind;
  row.state = StateOf(entry.Bestaetigt);
  row.id = entry.PostenId;
  row.text = entry.Bezeichnung;
  row.value = value;
  PutValue(row);
  rows_.push_back(row);
  AddToGroup(kind, row.state, value);
}

void CMonthClosing::AddToGroup(int kind, int state, double value) {
  auto group = std::find_if(rows_.begin(), rows_.end(), [kind, state](const CClosingRow& row) {
    return row.kind == kind && row.state == state && row.IsGroup();
  });
  if (group == rows_.end()) {
    CClosingRow row;
    row.kind = kind;
    row.state = state;
    row.text = GroupText(kind, state);
    rows_.push_back(row);
    group = rows_.end() - 1;
  }
  group->value += value;
}

void CMonthClosing::AddUncaptured() {
  CClosingRow group;
  group.kind = kClosingUncaptured;
  group.text = GroupText(kClosingUncaptured, kClosingConfirmed);
  std::vector<CClosingRow> members;
  for (const CBestandsdaten& account : collections_.accounts) {
    if (account.MonatId != monthId_ || account.PostenId == 0 || account.IsDeleted()) continue;
    if (options_.accountFilter != 0 && account.PostenId != options_.accountFilter) continue;
    if (account.Typ == kAccountStock && !options_.stocks) continue;
    const CAccountClosing closing = CloseAccount(account);
    CClosingRow row;
    row.kind = kClosingUncaptured;
    row.id = account.PostenId;
    row.text = account.Bezeichnung;
    row.haben = closing.additions;
    row.soll = closing.disposals;
    row.zuwachs = closing.growth;
    row.differenz = closing.difference;
    members.push_back(row);
  }
  if (options_.accountFilter == 0) {
    CClosingRow row;
    row.kind = kClosingUncaptured;
    row.state = kClosingSummary;
    row.id = kNoAccountRowId;
    row.text = "keine Kontozuordnung";
    row.haben = sums_.incomeWithoutAccount;
    row.soll = sums_.expensesWithoutAccount;
    members.push_back(row);
  }
  for (const CClosingRow& member : members) {
    group.haben += member.haben;
    group.soll += member.soll;
    group.zuwachs += member.zuwachs;
    group.differenz += member.differenz;
  }
  rows_.push_back(group);
  rows_.insert(rows_.end(), members.begin(), members.end());
}

void CMonthClosing::AddSummaryRows(int kind, const std::string& text, double value) {
  const char* texts[] = {"-", nullptr, "="};
  for (int id = 1; id <= 3; ++id) {
    CClosingRow row;
    row.kind = kind;
    row.state = kClosingSummary;
    row.id = id;
    row.text = texts[id - 1] ? texts[id - 1] : text;
    if (id == 2) row.value = value;
    PutSigned(row);
    rows_.push_back(row);
  }
}

void ChainGrowth(const std::vector<CMonatRow*>& months) {
  for (std::size_t at = 0; at + 1 < months.size(); ++at)
    months[at]->Zuwachs = months[at + 1]->Vermoegen - months[at]->Vermoegen;
}

void CloseLoadedMonths(CMonatList& months, const CMonthCollections& collections) {
  std::vector<CMonatRow*> evaluated;
  for (CMonat& month : months) {
    if (!month.loaded || month.IsDeleted()) continue;
    CMonthClosing(collections, month.MonatId, CClosingOptions{}).WriteSums(month);
    evaluated.push_back(&month);
  }
  ChainGrowth(evaluated);
}

std::string ClosingCaption(int monthId, const std::string& accountName, const CClosingOptions& options) {
  std::string caption = StrFormat("für %s", MonthLabel(monthId).c_str());
  if (options.accountFilter != 0) caption += StrFormat(", nur %s", accountName.c_str());
  if (options.evenedOut) caption += ", Jahresdurchschnitt";
  if (options.onDueDates) caption += ", Verträge termingenau";
  return caption;
}

#pragma once
// The closing of one month: its sums (income, expenses, consumption,
// reserves, assets and stocks), profit and total assets with the screen's
// options, per-account growth against the booked movements, and the rows of
// the closing list as plain data. User-interface thread only.

#include <string>
#include <vector>

#include "model/Monat.h"

// Row kinds of the closing list; they also order the groups.
inline constexpr int kClosingAssets = 1;
inline constexpr int kClosingIncome = 3;
inline constexpr int kClosingExpenses = 4;
inline constexpr int kClosingConsumption = 5;
inline constexpr int kClosingStocks = 6;
inline constexpr int kClosingYearAverages = 7;
inline constexpr int kClosingProfit = 8;
inline constexpr int kClosingUncaptured = 9;

// Row states.
inline constexpr int kClosingConfirmed = 0;
inline constexpr int kClosingUnconfirmed = 1;
inline constexpr int kClosingSummary = 2;

struct CClosingOptions {
  int accountFilter = 0;     // PostenId of the one account shown, 0 for all
  bool stocks = false;       // "Vorräte/Verbräuche"
  bool evenedOut = false;    // "Jahresdurchschnitt"
  bool onDueDates = false;   // "Verträge termingenau"
};

struct CClosingSums {
  double income = 0.0;       // SumEinahmen
  double expenses = 0.0;     // SumAusgaben
  double consumption = 0.0;  // SumAbschreib
  double reserves = 0.0;     // SumRueckstell
  double assets = 0.0;       // Vermoegen
  double stocks = 0.0;
  double incomeWithoutAccount = 0.0;
  double expensesWithoutAccount = 0.0;
  double incomeNotMonthly = 0.0;  // due entries of contracts with a reserve
  double expensesNotMonthly = 0.0;
};

// Profit: income less expenses, less consumption when asked for; evened out,
// payments of contracts with a reserve are replaced by their monthly shares.
double ClosingProfit(const CClosingSums& sums, bool withConsumption, bool evenedOut);
// "Vermögen gesamt": the assets, with the stocks when asked for.
double ClosingTotalAssets(const CClosingSums& sums, bool withStocks);

// One account in the "Nicht erfasste Einahmen/Ausgaben" group.
struct CAccountClosing {
  double additions = 0.0;   // "Zugänge": confirmed income
  double disposals = 0.0;   // "Abgänge": confirmed outgoings
  double growth = 0.0;      // "Zuwachs": end less start balance
  double difference = 0.0;  // "Differenz": what the bookings do not explain
};
CAccountClosing CloseAccount(const CBestandsdaten& account);

struct CClosingRow {
  int kind = 0;
  int state = 0;
  int id = 0;  // PostenId of a member, 0 for a group, 1 ... 3 for summary rows
  std::string text;
  double haben = 0.0;  // first column ("Zugänge" in the uncaptured group)
  double soll = 0.0;   // second column ("Abgänge")
  double zuwachs = 0.0;
  double differenz = 0.0;
  double value = 0.0;  // the row's signed sum

  bool IsGroup() const { return id == 0 && state != kClosingSummary; }
  // Rows are ordered by kind, state and id (ids of any size).
  bool operator<(const CClosingRow& other) const;
};

class CMonthClosing {
 public:
  CMonthClosing(const CMonthCollections& collections, int monthId, const CClosingOptions& options);

  const CClosingSums& Sums() const { return sums_; }
  const std::vector<CClosingRow>& Rows() const { return rows_; }
  double Profit() const;
  double TotalAssets() const;
  // Writes Gewinn, Vermoegen and the four sums into the month's row.
  void WriteSums(CMonatRow& month) const;

 private:
  void CollectAccounts();
  void CollectEntries();
  void AddEntry(const CVorgang& entry, const CVertrag* contract);
  void AddEntryRow(int kind, const CVorgang& entry, double value);
  void AddToGroup(int kind, int state, double value);
  void AddUncaptured();
  void AddSummaryRows(int kind, const std::string& text, double value);
  bool EntryListed(const CVorgang& entry) const;
  const CVertrag* ContractOf(const CVorgang& entry) const;

  CMonthCollections collections_;  // references only, copied
  int monthId_;
  CClosingOptions options_;
  CClosingSums sums_;
  std::vector<CClosingRow> rows_;
};

// Each evaluated month's Zuwachs becomes the next one's Vermoegen less its
// own; the last keeps its value. `months` in month order, unevaluated ones
// left out by the caller.
void ChainGrowth(const std::vector<CMonatRow*>& months);

// Closes every loaded month that is not deleted without filter or options,
// writes its sums into its row and chains the growth over them.
void CloseLoadedMonths(CMonatList& months, const CMonthCollections& collections);

// "für %s" with the month label, ", nur %s" with the account's name when one
// account is shown, ", Jahresdurchschnitt", ", Verträge termingenau".
std::string ClosingCaption(int monthId, const std::string& accountName, const CClosingOptions& options);

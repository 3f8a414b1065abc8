#pragma once
// The preselection: the accounts, contracts and monitoring rule the program
// suggests for a new book, and the transfer that creates the chosen ones in
// the current book. The preselection screen shows the items, lets the user
// change the ticks and hands them back (IPreselectionChoice).
// User-interface thread only.

#include <string>
#include <vector>

class CBookData;

enum class PreselectionKind : int {
  Account = 1,
  ExpenseContract = 2,
  IncomeContract = 3,
  MonitoringRule = 4,  // due dates of every contract
};

struct CPreselectionItem {
  PreselectionKind kind = PreselectionKind::Account;
  std::string name;
  double amount = 0.0;  // EUR
  int paymentsPerYear = 0;
  bool checked = false;
  friend bool operator==(const CPreselectionItem&, const CPreselectionItem&) = default;
};

// The suggestions in the order the screen lists them, ticked as preset.
// Accounts come first, so the first ticked account becomes the main
// account that the contracts are paid from.
std::vector<CPreselectionItem> PreselectionItems();

// The preselection screen as the core sees it.
class IPreselectionChoice {
 public:
  virtual ~IPreselectionChoice() = default;
  // Shows the items and lets the user tick them. Returns true when the
  // user confirmed ("Auswahl\nOK" or closing the window), with the ticks of
  // items as chosen; false when the user cancelled ("Abbrechen").
  virtual bool Choose(std::vector<CPreselectionItem>& items) = 0;
};

// Creates in the current book's collections what the ticked items stand
// for, each only once:
// - an account (unless a loaded account has the name) in the current month,
//   valid from the first existing month, unconfirmed, to be carried into
//   every month; the first one made becomes the main account when the book
//   has none;
// - a contract (unless a loaded contract has the name) paid from or into
//   the main account, first due on the first day of the first existing
//   month, with a reserve when it is not paid monthly, to be carried into
//   every month;
// - a rule watching every contract's payments due within the next 7 days,
//   unless the book has a rule watching the same.
// Nothing is stored. REQUIRES: the database is open.
void TransferPreselection(CBookData& bookData, const std::vector<CPreselectionItem>& items);

// What confirming the preselection does: the transfer, then the new
// accounts and contracts are carried into every month and stored (planner
// requests 1 and 2), the rules stored, and the book row when its main
// account changed. A database error propagates.
void ApplyPreselection(CBookData& bookData, const std::vector<CPreselectionItem>& items);

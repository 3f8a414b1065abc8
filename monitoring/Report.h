#pragma once
// The monitoring rules of the current book (rows of Report) and their list.
// User-interface thread only.

#include <string>

#include "model/BookRecordList.h"
#include "storage/BookTables.h"

class CDatabase;

// Rule kinds (ReportTyp).
inline constexpr int kReportInputError = 0;  // built-in: no account, no contract
inline constexpr int kReportContract = 1;    // due dates of contract payments
inline constexpr int kReportCategory = 2;    // monthly category sums, uncaptured amounts
inline constexpr int kReportAccount = 3;     // balances, unconfirmed months

// The built-in input-error rules.
inline constexpr int kReportNoAccount = 1;   // "kein Konto erfasst"
inline constexpr int kReportNoContract = 2;  // "kein Vertrag angegeben"

// FlagObenUnten: the watched value must not exceed Betrag, or not fall below it.
inline constexpr int kReportNotAbove = 0;  // "übersteigt"
inline constexpr int kReportNotBelow = 1;  // "unterschreitet "
// FlagVorNach: due within the window ahead, or longer ago than the window.
inline constexpr int kReportDueWithin = 0;  // "ist in"
inline constexpr int kReportDueAgo = 1;     // "war vor"
// FlagTageWochen.
inline constexpr int kReportDays = 0;   // "Tagen"
inline constexpr int kReportWeeks = 1;  // "Wochen"

class CReport : public CReportRow {
 public:
  static constexpr const char* kLoadSql = "select * from [Report] where Report.BuchId = %d;";
  static constexpr const char* kHighestIdSql =
      "select max(ReportId) as n from [Report] where Report.BuchId = %d;";
  // The built-in rules keep ids 1 and 2 even while they are missing.
  static constexpr int kReservedIds = kReportNoContract;

  // The rule's row in the monitoring screen's rule list; -1 when not shown.
  int listRow = -1;

  bool IsBuiltIn() const { return ReportTyp == kReportInputError; }
  bool IsActive() const { return Aktiv != 0 && !IsDeleted(); }
  // Whether value breaks the limit: above Betrag ("übersteigt") or below it
  // ("unterschreitet "), compared in cents.
  bool BreaksLimit(double value) const;
  // "kein Konto erfasst" (built-in 1), "kein Vertrag angegeben" (built-in
  // 2), else the output text AuagabeText.
  std::string Text() const;
};

class CReportList : public CBookRecordList<CReport, &CReportRow::ReportId> {
 public:
  // Appends a rule of the type with an id that neither a built-in rule nor
  // any rule of the book (in memory or stored) has; every other column 0.
  CReport& New(int reportTyp);

  // Makes sure the two built-in rules are there and active: for each of the
  // ids 1 and 2 without an active input-error rule of that id a new one is
  // appended (type 0, the id itself, Aktiv 1, FarbIndex = the id). Returns
  // how many were made.
  int EnsureBuiltInRules();
  // What a new book needs of the monitoring: the built-in rules, and every
  // rule of the list stored under bookId. A database error propagates and
  // leaves the stored rows as they were.
  void PrepareBook(CDatabase& database, int bookId);

  // The rule shown at that row of the rule list (not deleted), or null.
  CReport* FindByListRow(int listRow);

 private:
  // True when the built-in rule had to be made.
  bool EnsureBuiltInRule(int id);
};

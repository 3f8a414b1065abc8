#pragma once
// The rules the program makes itself: the rules a recognised format needs
// for its account-information and balance lines, and the start of a rule
// made on the rule screen.
//
// A format's own rules are made for that format alone (ImportFormatId, with
// the format as mandatory criterion), so the recognition of one format
// never changes what the rules do for another, and the rules the user made
// for all formats are never rewritten by a recognition.

#include <memory>
#include <string_view>

class CImportRegel;
class CImportRegelData;

// How the recognition read the balance line: the new (closing) balance or
// the old (opening) one, as CFormatAnalysis::BalanceKind gives it.
enum EBalanceKind : int { kBalanceOld = 0, kBalanceNew = 1 };

// What preparing the rules for a format did.
struct CPreparedRules {
  CImportRegelData* kontoInfo = nullptr;   // the format's account-information rule, or null
  CImportRegelData* kontostand = nullptr;  // the format's balance rule, or null
  int created = 0;                         // how many rules were made
};

// Prepares the rules after a recognition of format `formatId` (an id above
// 0; else nothing happens) that found `balanceText` (empty: no balance line)
// of `balanceKind`:
// - when no active rule of type 5, or of type 6, serves the format (made
//   for it or for all formats, see ServesFormat), one is made for it; the
//   account-information rule assigns `mainAccountId` to all records of the
//   file;
// - the format's first own active type 5 rule gets the identifying text " "
//   (used, mandatory, contained);
// - when a balance text was found, the format's first own active type 6
//   rule gets it (used, mandatory, contained), KontoStandRechnung 1 and
//   m_iKontoStandAltNeu 1 for an old balance, else 0.
// A rule for all formats that already serves the format stays untouched,
// and then no rule of that type is made.
CPreparedRules PrepareRulesForFormat(CImportRegel& rules, int formatId, std::string_view balanceText,
                                     int balanceKind, int mainAccountId);

// A rule as the rule screen starts it: active, contract type (2), the
// identifying text used and mandatory. Not yet in any collection; id 0.
std::unique_ptr<CImportRegelData> NewScreenRule();

#pragma once
// Whether a bank record fulfils an import rule's mandatory criteria
// ("Pflicht"): identifying text, date, amount and format. The same
// criterion tests serve the checks after the assignment (RuleChecks.h),
// which differ only in taking the absolute amount.
//
// Pure functions: nothing here changes a rule or a record.

#include <string>
#include <string_view>

#include "storage/Date.h"

class CImportRecord;
class CImportRegelData;

// The text in upper case as the rules compare it: ASCII letters and the
// letters of Latin-1 (ä, ö, ü, é ...) in UTF-8; "ß" and everything else stay.
// Never looks at the process locale.
std::string RuleUpperText(std::string_view text);

// The identifying-text criterion on a purpose text already in upper case:
// with KennstringEnthalten the upper-case Kennstring must be contained in
// it, else equal it. Does not look at UseKennstring or the flags.
bool RuleTextHolds(const CImportRegelData& rule, std::string_view upperPurpose);

// Whether the rule uses the identifying text as a mandatory criterion.
bool RuleTextIsMandatory(const CImportRegelData& rule);

// The date tolerance in days: DatumAnzahlTageAbweichung when DatumAbweichung
// is set, else 0.
int RuleDateTolerance(const CImportRegelData& rule);
// |record date - Datum| in whole days within the tolerance. A record without
// date never holds.
bool RuleDateHolds(const CImportRegelData& rule, const CDate& recordDate);

// The amount tolerance in EUR: BetragAbweichungEUR when BetragAbweichung is
// set, else 0.
double RuleAmountTolerance(const CImportRegelData& rule);
// The comparison OpBetrag of `amount` with Betrag, in whole cents:
// 1 |Betrag - amount| <= tolerance, 2 amount > Betrag, 3 amount < Betrag,
// 4 amount >= Betrag, 5 amount <= Betrag; any other code never holds.
bool RuleAmountHolds(const CImportRegelData& rule, double amount);

// The format criterion: ImportFormatId 0 holds for every format, otherwise
// the record's format id must equal it (so -1 holds for none).
bool RuleFormatHolds(const CImportRegelData& rule, int recordFormatId);

// The mandatory criteria on the record (description as purpose text, signed
// amount, date, format id). Whether the rule is active or of the wanted type
// is the rule choice's business, not this one's.
bool RuleMatches(const CImportRegelData& rule, const CImportRecord& record);
// The same with the record's description already in upper case (the rule
// choice upper-cases it once for all rules).
bool RuleMatchesUpper(const CImportRegelData& rule, const CImportRecord& record,
                      std::string_view upperPurpose);
// The date, amount and format criteria alone, for a caller that has settled
// the identifying text already (the rule choice's text index).
bool RuleMatchesBesidesText(const CImportRegelData& rule, const CImportRecord& record);

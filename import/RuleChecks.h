#pragma once
// The check criteria ("Prüf") of an import rule, tested after a bank record
// was assigned to it: each deviation is a problem with its message of the
// string table (142 to 150), and the rule's UebernahmePruefung says whether
// problems make a warning (1) or an error (2) of the record.
//
// Pure functions: nothing here changes a rule or a record.

#include <string>
#include <vector>

class CImportFormat;
class CImportRecord;
class CImportRegelData;

// The string-table ids of the problems.
enum ERuleProblem : int {
  kProblemTextNotContained = 142,
  kProblemTextNotEqual = 143,
  kProblemDate = 144,
  kProblemAmountDeviation = 145,  // comparison 1; 146 to 149 are 144 + OpBetrag
  kProblemFormat = 150,
};

struct CRuleProblem {
  int stringId = 0;
  // The German message, amounts in the grouped form ("1.234,50 EUR").
  std::string text;
};

struct CRuleCheckResult {
  // In criterion order: text, date, amount, format.
  std::vector<CRuleProblem> problems;
  // The rule's UebernahmePruefung when there is a problem, else 0.
  int severity = 0;
};

// Checks the record against the rule's check criteria. The amount is
// compared as absolute value (the comparison "gleich" keeps the sign), the
// date with the rule's Datum, which the final check of the mapping sets to
// the due date found for the record. `formats` names the formats in message
// 150; null, or a format it lacks, leaves the name empty.
CRuleCheckResult CheckRecordAgainstRule(const CImportRegelData& rule, const CImportRecord& record,
                                        const CImportFormat* formats);

// The days before and after the record's date within which the final check
// looks for the contract due date of a contract or interest rule:
// DatumAnzahlTageAbweichung when DatumAbweichung is set, else 3.
int DueDateSearchDays(const CImportRegelData& rule);

#pragma once
// What the rule list shows of a rule: its texts in column order and the
// image of its type.

#include <string>
#include <string_view>

class CImportFormat;
class CImportRegelData;

struct CRuleListLine {
  std::string number;          // "%d"
  std::string formatName;      // "alle Formate" for 0; empty for -1 or a deleted format
  std::string typeText;        // "Vertrag", "Vorgang" ...; empty for an unknown type
  std::string kennstring;
  std::string uebernahmeText;
  std::string betrag;          // "%0.2f"
  int image = -1;              // in the program's image list; -1 for an unknown type
};

inline constexpr std::string_view kRuleAllFormatsText = "alle Formate";

// The list text of a rule type ("keine Übernahme", "Vertrag", "Vorgang",
// "Zinsen", "Kontoinformation", "Kontostand"); empty for any other.
std::string_view RuleTypeListText(int regelTyp);
// The choice text of a rule type on the rule screen.
std::string_view RuleTypeScreenText(int regelTyp);
// The text of an amount comparison ("gleich" ... "kleiner gleich"); empty
// for any other code.
std::string_view AmountComparisonText(int opBetrag);

// The image of the rule's row: by type, for contracts and single entries by
// VorgangsTyp (income, transfer; anything else shows as expense), for
// balances by the sign of Betrag.
int RuleImage(const CImportRegelData& rule);

// The rule list line; `formats` names the rule's format.
CRuleListLine MakeRuleListLine(const CImportRegelData& rule, const CImportFormat& formats);

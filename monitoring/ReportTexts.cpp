#include "monitoring/ReportTexts.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "accounting/Bestandsdaten.h"
#include "accounting/Kategorie.h"
#include "accounting/Vertrag.h"
#include "model/MonthMath.h"
#include "storage/StrFormat.h"

namespace {

const char* LimitWord(int flagObenUnten) {
  return flagObenUnten == kReportNotBelow ? "unterschreitet " : "übersteigt";
}

// "März 2007 ..." unless the list is grouped by month.
std::string WithMonth(const CHit& hit, int grouping, const std::string& text, const char* separator) {
  if (grouping == kGroupByMonth) return text;
  return StrFormat("%s%s%s", MonthLabel(hit.monthId).c_str(), separator, text.c_str());
}

std::string ContractHitText(const CHit& hit, int grouping) {
  const std::string due = StrFormat("Fälligkeitstermin von %s", hit.objectName.c_str());
  const std::string line = grouping == kGroupByMonth
                               ? StrFormat("%s ", due.c_str())
                               : StrFormat("%s %s ", MonthLabel(hit.monthId).c_str(), due.c_str());
  return line + RelativeTimeText(hit.value);
}

std::string AccountHitText(const CHit& hit, int grouping) {
  const std::string line = grouping == kGroupByMonth
                               ? StrFormat("%s: ", hit.objectName.c_str())
                               : StrFormat("%s %s: ", MonthLabel(hit.monthId).c_str(), hit.objectName.c_str());
  return line + hit.report->Text();
}

std::string ContractOutputText(const CRuleChoices& choices) {
  std::string text = StrFormat("Fälligkeit von %s", choices.contractName.c_str());
  text = StrFormat("%s %s", text.c_str(), choices.flagVorNach == kReportDueAgo ? "war vor" : "ist in");
  text = StrFormat("%s %d", text.c_str(), choices.anzTage);
  return StrFormat("%s %s", text.c_str(), choices.flagTageWochen == kReportWeeks ? "Wochen" : "Tagen");
}

std::string WithLimit(const std::string& text, const CRuleChoices& choices) {
  const std::string compared = StrFormat("%s %s", text.c_str(), LimitWord(choices.flagObenUnten));
  return StrFormat("%s %d EUR", compared.c_str(), static_cast<int>(choices.betrag));
}

std::string AccountOutputText(const CRuleChoices& choices) {
  if (choices.flagCheckBetrag == 0)
    return choices.accountName.empty() ? "Konto wurde nicht bestätigt"
                                       : StrFormat("Konto %s wurde nicht bestätigt", choices.accountName.c_str());
  const char* confirmed = choices.notChecked == 0 ? "bestätigte " : "";
  return WithLimit(StrFormat("Der %sKontostand von %s ", confirmed, choices.accountName.c_str()), choices);
}

}  // namespace

int ReportColorSlot(int farbIndex) {
  static constexpr std::array<int, 6> kSlots{0, 2, 9, 5, 1, 4};
  return farbIndex >= 0 && farbIndex < static_cast<int>(kSlots.size()) ? kSlots[farbIndex] : 0;
}

const std::vector<std::string>& ReportColorNames() {
  static const std::vector<std::string> names{"Normal", "Rot", "Orange", "Grün", "Grau", "Blau"};
  return names;
}

std::string RelativeTimeText(double days) {
  const int v = static_cast<int>(days);
  if (v == 0) return "ist heute";
  if (v == 1) return "ist morgen";
  if (v == -1) return "war gestern";
  const int n = std::abs(v);
  const char* unit = n <= 14 ? "Tagen" : n <= 63 ? "Wochen" : "Monaten";
  const int count = n <= 14 ? n : n <= 63 ? n / 7 : n / 30;
  return v > 0 ? StrFormat("ist in %d %s", count, unit) : StrFormat("war vor %d %s", count, unit);
}

std::string HitText(const CHit& hit, int grouping) {
  switch (hit.reportTyp) {
    case kReportInputError:
      return hit.reportId == kReportNoAccount ? "Es wurden keine Konten gefunden" : "Es wurden keine Verträge gefunden";
    case kReportContract: return ContractHitText(hit, grouping);
    case kReportCategory: return WithMonth(hit, grouping, hit.report->Text(), ": ");
    default: return AccountHitText(hit, grouping);
  }
}

int KindImage(int reportTyp) {
  switch (reportTyp) {
    case kReportInputError: return kImageInputError;
    case kReportContract: return kImageExpenseContract;
    case kReportCategory: return kImageCategory;
    default: return kImageAccount;
  }
}

int HitImage(const CHit& hit) {
  if (hit.reportTyp != kReportContract) return KindImage(hit.reportTyp);
  if (hit.contractTyp == kContractIncome) return kImageIncomeContract;
  return hit.contractTyp == kContractTransfer ? kImageTransferContract : kImageExpenseContract;
}

std::string HeadingText(const CHit& heading, int grouping) {
  if (grouping == kGroupByMonth) return MonthLabel(heading.monthId);
  switch (heading.reportTyp) {
    case kReportInputError: return "Eingabefehler";
    case kReportContract: return "Überwachte Verträge";
    case kReportCategory: return "Überwachte Kategorien";
    default: return "Überwachte Konten";
  }
}

int HeadingImage(const CHit& heading, int grouping) {
  return grouping == kGroupByKind ? KindImage(heading.reportTyp) : 0;
}

void FillHitLines(CHitList& hits, int grouping) {
  for (CHit& hit : hits.Hits()) {
    const bool heading = hit.IsHeading();
    hit.text = heading ? HeadingText(hit, grouping) : HitText(hit, grouping);
    hit.image = heading ? HeadingImage(hit, grouping) : HitImage(hit);
    hit.colorSlot = heading ? kNoColorSlot : ReportColorSlot(hit.report->FarbIndex);
  }
}

CRuleLine RuleLine(const CReport& rule, const CVertragList& contracts, const CKategorieList& categories,
                   const CBestandsdatenList& accounts) {
  CRuleLine line;
  switch (rule.ReportTyp) {
    case kReportInputError: line.watched = "Eingabefehler"; break;
    case kReportContract:
      line.watched = rule.VertragId == 0 ? CVertragList::kAllContracts
                                         : "Vertrag: " + contracts.ContractName(rule.VertragId);
      break;
    case kReportCategory:
      line.watched = rule.KategorieId == 0 ? CKategorieList::kUncaptured
                                           : "Summe Kategorie: " + categories.Description(rule.KategorieId);
      break;
    default:
      line.watched = rule.KontoId == 0 ? "Alle Konten" : "Konto: " + accounts.AccountName(rule.KontoId);
      break;
  }
  line.text = rule.Text();
  line.image = KindImage(rule.ReportTyp);
  line.colorSlot = ReportColorSlot(rule.FarbIndex);
  return line;
}

std::string DefaultOutputText(const CRuleChoices& choices) {
  switch (choices.reportTyp) {
    case kReportContract: return ContractOutputText(choices);
    case kReportCategory:
      return WithLimit(StrFormat("Die Summe von %s", choices.categoryName.c_str()), choices);
    case kReportAccount: return AccountOutputText(choices);
    default: return std::string();
  }
}

#pragma once
// The texts, images and colours of the monitoring: hit lines, group
// headings, the rule list's lines and the output text generated for a rule
// while it is edited. Pure functions over plain values.

#include <string>
#include <vector>

#include "monitoring/MonitoringHit.h"
#include "monitoring/Report.h"

class CBestandsdatenList;
class CKategorieList;
class CVertragList;

// Grouping modes of the monitoring list.
inline constexpr int kGroupNone = 0;
inline constexpr int kGroupByMonth = 1;
inline constexpr int kGroupByKind = 2;

// Images of the program's image list that the monitoring uses.
inline constexpr int kImageInputError = 3;
inline constexpr int kImageAccount = 12;
inline constexpr int kImageCategory = 15;
inline constexpr int kImageExpenseContract = 17;
inline constexpr int kImageIncomeContract = 18;
inline constexpr int kImageTransferContract = 19;

// The colour-table slot of a rule's FarbIndex ("Normal", "Rot", "Orange",
// "Grün", "Grau", "Blau"); slot 0 for an index outside 0 ... 5.
int ReportColorSlot(int farbIndex);
// The colour choice of the monitoring screen, index = FarbIndex.
const std::vector<std::string>& ReportColorNames();

// When a payment is due, days from today (truncated): "ist heute",
// "ist morgen", "war gestern", "ist in %d %s", "war vor %d %s" counted in
// "Tagen" up to 14 days, "Wochen" up to 63, "Monaten" beyond.
std::string RelativeTimeText(double days);

// The line of a hit; the month label is left out when the list is grouped
// by month.
std::string HitText(const CHit& hit, int grouping);
int HitImage(const CHit& hit);
// A heading: the month label (by month) or the kind's name (by kind).
std::string HeadingText(const CHit& heading, int grouping);
int HeadingImage(const CHit& heading, int grouping);
// The image of a kind of rule, as its heading shows it.
int KindImage(int reportTyp);
// Fills text, image and colour of every hit and heading for the grouping.
void FillHitLines(CHitList& hits, int grouping);

// A line of the monitoring screen's rule list.
struct CRuleLine {
  std::string watched;  // "überwachte Daten"
  std::string text;     // "Ausgabetext"
  int image = 0;        // the image of the rule's kind
  int colorSlot = 0;
};
CRuleLine RuleLine(const CReport& rule, const CVertragList& contracts, const CKategorieList& categories,
                   const CBestandsdatenList& accounts);

// What the monitoring screen's details show while a rule is edited: the kind
// and each kind's choices as the screen has them (names as chosen in the
// lists; an empty account name means no account is chosen).
struct CRuleChoices {
  int reportTyp = kReportContract;
  std::string contractName;
  int flagVorNach = kReportDueWithin;
  int anzTage = 0;
  int flagTageWochen = kReportDays;
  std::string categoryName;
  int flagObenUnten = kReportNotAbove;
  double betrag = 0.0;
  std::string accountName;
  int flagCheckBetrag = 0;
  int notChecked = 0;
};
// The output text a rule gets unless the user writes one
// ("anderen Ausgabetext verwenden"); empty for the input-error kind. A
// balance test speaks of the "bestätigte" balance when only confirmed
// balances are tested (notChecked 0).
std::string DefaultOutputText(const CRuleChoices& choices);

#include "import/RuleListLine.h"

#include "import/ImportFormat.h"
#include "import/ImportRegel.h"
#include "storage/Format.h"
#include "storage/StrFormat.h"

namespace {

// VorgangsTyp of contract and single-entry rules.
constexpr int kVorgangEinnahme = 1;
constexpr int kVorgangTransaktion = 5;

// Images of the program's image list.
constexpr int kImageKeineUebernahme = 3;
constexpr int kImageVertragAusgabe = 17;
constexpr int kImageVertragEinnahme = 18;
constexpr int kImageVertragTransaktion = 19;
constexpr int kImageVorgangEinnahme = 14;
constexpr int kImageVorgangAusgabe = 15;
constexpr int kImageVorgangTransaktion = 16;
constexpr int kImageZinsen = 31;
constexpr int kImageKontoInfo = 9;
constexpr int kImageKontostandPositiv = 12;
constexpr int kImageKontostandNegativ = 13;

int ImageByVorgangsTyp(int vorgangsTyp, int income, int expense, int transfer) {
  if (vorgangsTyp == kVorgangEinnahme) return income;
  if (vorgangsTyp == kVorgangTransaktion) return transfer;
  return expense;
}

std::string FormatNameOfRule(const CImportRegelData& rule, const CImportFormat& formats) {
  if (rule.ImportFormatId == kRegelAlleFormate) return std::string(kRuleAllFormatsText);
  const CImportFormatData* format = formats.FindId(rule.ImportFormatId);
  return format ? format->Bezeichnung : std::string();
}

}  // namespace

std::string_view RuleTypeListText(int regelTyp) {
  switch (regelTyp) {
    case kRegelKeineUebernahme: return "keine Übernahme";
    case kRegelVertrag: return "Vertrag";
    case kRegelVorgang: return "Vorgang";
    case kRegelZinsen: return "Zinsen";
    case kRegelKontoInfo: return "Kontoinformation";
    case kRegelKontostand: return "Kontostand";
    default: return {};
  }
}

std::string_view RuleTypeScreenText(int regelTyp) {
  switch (regelTyp) {
    case kRegelKeineUebernahme: return "keine Übernahme";
    case kRegelVertrag: return "Verträge / regelmäßige Einahmen/Ausgaben";
    case kRegelVorgang: return "einmalige Einahmen/Ausgaben";
    case kRegelZinsen: return "Zinsen / Kontoführungsgebühren";
    case kRegelKontoInfo: return "Kontozuordnung";
    case kRegelKontostand: return "Kontostand";
    default: return {};
  }
}

std::string_view AmountComparisonText(int opBetrag) {
  switch (opBetrag) {
    case kOpGleich: return "gleich";
    case kOpGroesser: return "grösser";
    case kOpKleiner: return "kleiner";
    case kOpGroesserGleich: return "grösser gleich";
    case kOpKleinerGleich: return "kleiner gleich";
    default: return {};
  }
}

int RuleImage(const CImportRegelData& rule) {
  switch (rule.RegelTypId) {
    case kRegelKeineUebernahme:
      return kImageKeineUebernahme;
    case kRegelVertrag:
      return ImageByVorgangsTyp(rule.VorgangsTyp, kImageVertragEinnahme, kImageVertragAusgabe,
                                kImageVertragTransaktion);
    case kRegelVorgang:
      return ImageByVorgangsTyp(rule.VorgangsTyp, kImageVorgangEinnahme, kImageVorgangAusgabe,
                                kImageVorgangTransaktion);
    case kRegelZinsen:
      return kImageZinsen;
    case kRegelKontoInfo:
      return kImageKontoInfo;
    case kRegelKontostand:
      return rule.Betrag >= 0.0 ? kImageKontostandPositiv : kImageKontostandNegativ;
    default:
      return -1;
  }
}

CRuleListLine MakeRuleListLine(const CImportRegelData& rule, const CImportFormat& formats) {
  CRuleListLine line;
  line.number = StrFormat("%d", rule.ImportRegelId);
  line.formatName = FormatNameOfRule(rule, formats);
  line.typeText = std::string(RuleTypeListText(rule.RegelTypId));
  line.kennstring = rule.Kennstring;
  line.uebernahmeText = rule.UebernahmeText;
  line.betrag = FormatAmount(rule.Betrag);
  line.image = RuleImage(rule);
  return line;
}

#include "import/RuleMatching.h"

#include <cmath>
#include <cstdlib>

#include "import/ImportRecord.h"
#include "import/ImportRegel.h"

namespace {

// The lead byte of the UTF-8 sequences of U+00C0 ... U+00FF.
constexpr unsigned char kLatin1Lead = 0xC3;

// The second byte of a lower-case Latin-1 letter (U+00E0 ... U+00FE without
// the division sign U+00F7); its upper-case letter lies 0x20 below.
bool IsLatin1LowerTail(unsigned char tail) { return tail >= 0xA0 && tail <= 0xBE && tail != 0xB7; }

// Amounts compare in whole cents, so 0.1 + 0.2 equals 0.3.
long long Cents(double euros) { return std::llround(euros * 100.0); }

}  // namespace

std::string RuleUpperText(std::string_view text) {
  std::string upper(text);
  for (std::size_t at = 0; at < upper.size(); ++at) {
    const auto byte = static_cast<unsigned char>(upper[at]);
    if (byte >= 'a' && byte <= 'z') {
      upper[at] = static_cast<char>(byte - 'a' + 'A');
    } else if (byte == kLatin1Lead && at + 1 < upper.size()) {
      const auto tail = static_cast<unsigned char>(upper[at + 1]);
      if (IsLatin1LowerTail(tail)) upper[at + 1] = static_cast<char>(tail - 0x20);
      ++at;
    }
  }
  return upper;
}

bool RuleTextHolds(const CImportRegelData& rule, std::string_view upperPurpose) {
  const std::string wanted = RuleUpperText(rule.Kennstring);
  if (rule.KennstringEnthalten != 0) return upperPurpose.find(wanted) != std::string_view::npos;
  return upperPurpose == wanted;
}

bool RuleTextIsMandatory(const CImportRegelData& rule) {
  return rule.UseKennstring != 0 && rule.KennstringPflicht == 1;
}

int RuleDateTolerance(const CImportRegelData& rule) {
  return rule.DatumAbweichung != 0 ? rule.DatumAnzahlTageAbweichung : 0;
}

bool RuleDateHolds(const CImportRegelData& rule, const CDate& recordDate) {
  if (recordDate.IsZero()) return false;
  const long long days = static_cast<long long>(recordDate.DayNumber()) - rule.Datum.DayNumber();
  return std::llabs(days) <= RuleDateTolerance(rule);
}

double RuleAmountTolerance(const CImportRegelData& rule) {
  return rule.BetragAbweichung != 0 ? rule.BetragAbweichungEUR : 0.0;
}

bool RuleAmountHolds(const CImportRegelData& rule, double amount) {
  const long long value = Cents(amount);
  const long long reference = Cents(rule.Betrag);
  switch (rule.OpBetrag) {
    case kOpGleich:
      return std::llabs(reference - value) <= Cents(RuleAmountTolerance(rule));
    case kOpGroesser:
      return value > reference;
    case kOpKleiner:
      return value < reference;
    case kOpGroesserGleich:
      return value >= reference;
    case kOpKleinerGleich:
      return value <= reference;
    default:
      return false;
  }
}

bool RuleFormatHolds(const CImportRegelData& rule, int recordFormatId) {
  return rule.ImportFormatId == kRegelAlleFormate || rule.ImportFormatId == recordFormatId;
}

bool RuleMatches(const CImportRegelData& rule, const CImportRecord& record) {
  return RuleMatchesUpper(rule, record, RuleUpperText(record.description));
}

bool RuleMatchesUpper(const CImportRegelData& rule, const CImportRecord& record,
                      std::string_view upperPurpose) {
  if (RuleTextIsMandatory(rule) && !RuleTextHolds(rule, upperPurpose)) return false;
  return RuleMatchesBesidesText(rule, record);
}

bool RuleMatchesBesidesText(const CImportRegelData& rule, const CImportRecord& record) {
  if (rule.UseDatum != 0 && rule.DatumPflicht != 0 && !RuleDateHolds(rule, record.date)) return false;
  if (rule.UseBetrag != 0 && rule.BetragPflicht != 0 && !RuleAmountHolds(rule, record.amount)) return false;
  if (rule.UseImportFormat != 0 && rule.ImportFormatPflicht != 0 && !RuleFormatHolds(rule, record.formatId))
    return false;
  return true;
}

#include "import/RulesMadeByProgram.h"

#include "import/ImportRegel.h"
#include "storage/Format.h"

namespace {

// The longest identifying text a rule keeps.
constexpr std::size_t kMaxKennstringCharacters = 99;

// The account-information rule of a format takes every account line.
constexpr std::string_view kKontoInfoKennstring = " ";

void UseContainedText(CImportRegelData& rule, std::string_view text) {
  rule.Kennstring = TruncateUtf8(text, kMaxKennstringCharacters);
  rule.UseKennstring = 1;
  rule.KennstringPflicht = 1;
  rule.KennstringEnthalten = 1;
}

// A rule that serves records of this format only.
CImportRegelData& NewRuleForFormat(CImportRegel& rules, int regelTyp, int formatId) {
  CImportRegelData& rule = rules.New();
  rule.RegelTypId = regelTyp;
  rule.UseImportFormat = 1;
  rule.ImportFormatId = formatId;
  rule.ImportFormatPflicht = 1;
  return rule;
}

// The format's own active rule of the type; a new one when no rule at all
// serves the format; null when a rule for all formats serves it, which
// stays the user's.
CImportRegelData* OwnRule(CImportRegel& rules, int regelTyp, int formatId, CPreparedRules& prepared,
                          bool& made) {
  made = false;
  if (CImportRegelData* own = rules.FindFirstActiveBound(regelTyp, formatId)) return own;
  if (rules.FindFirstActive(regelTyp, formatId)) return nullptr;
  made = true;
  ++prepared.created;
  return &NewRuleForFormat(rules, regelTyp, formatId);
}

void PrepareKontoInfo(CImportRegel& rules, int formatId, int mainAccountId, CPreparedRules& prepared) {
  bool made = false;
  CImportRegelData* rule = OwnRule(rules, kRegelKontoInfo, formatId, prepared, made);
  if (!rule) return;
  if (made) {
    rule->KontoInfoDatei = 1;
    rule->KontoInfoKontoId = mainAccountId;
  }
  UseContainedText(*rule, kKontoInfoKennstring);
  prepared.kontoInfo = rule;
}

// Without a balance line found, the rule's text and computation stay as the
// user left them.
void PrepareKontostand(CImportRegel& rules, int formatId, std::string_view balanceText, int balanceKind,
                       CPreparedRules& prepared) {
  bool made = false;
  CImportRegelData* rule = OwnRule(rules, kRegelKontostand, formatId, prepared, made);
  if (!rule) return;
  prepared.kontostand = rule;
  if (balanceText.empty()) return;
  UseContainedText(*rule, balanceText);
  rule->KontoStandRechnung = 1;
  rule->m_iKontoStandAltNeu = balanceKind == kBalanceOld ? 1 : 0;
}

}  // namespace

CPreparedRules PrepareRulesForFormat(CImportRegel& rules, int formatId, std::string_view balanceText,
                                     int balanceKind, int mainAccountId) {
  CPreparedRules prepared;
  if (formatId <= 0) return prepared;
  PrepareKontostand(rules, formatId, balanceText, balanceKind, prepared);
  PrepareKontoInfo(rules, formatId, mainAccountId, prepared);
  return prepared;
}

std::unique_ptr<CImportRegelData> NewScreenRule() {
  auto rule = std::make_unique<CImportRegelData>();
  rule->RegelTypId = kRegelVertrag;
  rule->UseKennstring = 1;
  rule->KennstringPflicht = 1;
  return rule;
}

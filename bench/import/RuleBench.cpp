// The rule choice of the mapping phases over 10,000 bank records and 200
// rules: the indexed choice against the walk over every rule.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "import/ImportRecord.h"
#include "import/ImportRegel.h"
#include "import/RuleChoice.h"
#include "storage/Date.h"

namespace {

constexpr int kRuleCount = 200;
constexpr int kRecordCount = 10000;

std::string Payee(int number) { return "EMPFAENGER" + std::to_string(number); }

// Rules as a household makes them: mostly a contained payee text, some
// exact texts, a few amount rules and balance and account rules.
void MakeRules(CImportRegel& rules, std::mt19937& random) {
  std::uniform_int_distribution<int> type(1, 4);
  for (int made = 0; made < kRuleCount; ++made) {
    CImportRegelData& rule = rules.New();
    rule.RegelTypId = made % 25 == 0 ? 5 + made % 2 : type(random);
    rule.UseKennstring = 1;
    rule.KennstringPflicht = 1;
    rule.KennstringEnthalten = made % 10 == 0 ? 0 : 1;
    rule.Kennstring = rule.KennstringEnthalten ? Payee(made) : "GUTSCHRIFT " + Payee(made);
    rule.UebernahmeText = "Regel " + std::to_string(made);
    if (made % 20 == 0) {
      rule.UseBetrag = 1;
      rule.BetragPflicht = 1;
      rule.OpBetrag = 1;
      rule.Betrag = -50.0;
      rule.BetragAbweichung = 1;
      rule.BetragAbweichungEUR = 5.0;
    }
  }
}

std::vector<CImportRecord> MakeRecords(std::mt19937& random) {
  std::uniform_int_distribution<int> payee(0, 2 * kRuleCount);
  std::uniform_int_distribution<int> cents(-20000, 20000);
  std::vector<CImportRecord> records(kRecordCount);
  for (int n = 0; n < kRecordCount; ++n) {
    CImportRecord& record = records[n];
    record.id = n + 1;
    record.formatId = 1;
    record.description = "LASTSCHRIFT " + Payee(payee(random)) + " KUNDENNR " + std::to_string(100000 + n) +
                         " RECHNUNG VOM 01.05.2006 SEPA-REF " + std::to_string(n * 7);
    record.amount = cents(random) / 100.0;
    record.date = CDate::FromYmd(2006, 5, 1 + n % 28);
    record.kind = kImportKindEntry;
  }
  return records;
}

// The three record phases of the mapping: contracts, then single entries
// concrete and not concrete.
template <class Choose>
int RunPhases(std::vector<CImportRecord>& records, Choose&& choose) {
  int chosen = 0;
  for (CImportRecord& record : records) record.checkState = kCheckUndetermined;
  for (const auto& [wanted, concrete] : {std::pair{kWantContract, false}, {kWantEntry, true}, {kWantEntry, false}})
    for (CImportRecord& record : records) chosen += choose(record, wanted, concrete) != nullptr;
  return chosen;
}

// The rules and records every benchmark of this file works on.
struct CBenchSet {
  CBenchSet() {
    std::mt19937 random(7);
    MakeRules(rules, random);
    records = MakeRecords(random);
  }
  CImportRegel rules;
  std::vector<CImportRecord> records;
};

void BM_RuleChoiceIndexed(benchmark::State& state) {
  CBenchSet set;
  for (auto _ : state) {
    const CRuleChoice choice(set.rules);
    benchmark::DoNotOptimize(RunPhases(set.records, [&](CImportRecord& record, int wanted, bool concrete) {
      return choice.Choose(record, wanted, concrete);
    }));
  }
}
BENCHMARK(BM_RuleChoiceIndexed)->Unit(benchmark::kMillisecond);

void BM_RuleChoiceByWalk(benchmark::State& state) {
  CBenchSet set;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RunPhases(set.records, [&](CImportRecord& record, int wanted, bool concrete) {
      return ChooseRuleByWalk(set.rules, record, wanted, concrete);
    }));
  }
}
BENCHMARK(BM_RuleChoiceByWalk)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

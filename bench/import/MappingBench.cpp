// The import records of a generated statement of 10,000 bookings with 200
// rules and 50,000 UserImport rows already stored, over the generated book
// with every month loaded: the restore of earlier assignments with the six
// mapping phases, and storing the UserImport rows.

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/support/GeneratedBook.h"
#include "import/ImportPacket.h"
#include "import/MappingPhases.h"
#include "import/Restore.h"
#include "model/BookData.h"
#include "storage/Transaction.h"

namespace {

constexpr int kRuleCount = 200;
constexpr int kRecordCount = 10000;
constexpr int kRowCount = 50000;
constexpr int kGiro = 1;

std::string Payee(int number) { return "EMPFAENGER" + std::to_string(number); }

// The account rule of the file, its opening balance, then rules of the
// types 1 to 4 on payee texts; contract rules name the book's contracts.
void MakeRules(CImportRegel& rules, int firstContractId) {
  CImportRegelData& account = rules.New();
  account.RegelTypId = 5;
  account.KontoInfoKontoId = kGiro;
  CImportRegelData& balance = rules.New();
  balance.RegelTypId = 6;
  balance.UseKennstring = balance.KennstringPflicht = balance.KennstringEnthalten = 1;
  balance.Kennstring = "SALDO";
  balance.KontoStandKontoId = kGiro;
  balance.KontoStandRechnung = 1;
  balance.m_iKontoStandAltNeu = 1;
  for (int made = 2; made < kRuleCount; ++made) {
    CImportRegelData& rule = rules.New();
    rule.RegelTypId = 1 + made % 4;
    rule.UseKennstring = rule.KennstringPflicht = rule.KennstringEnthalten = 1;
    rule.Kennstring = Payee(made);
    rule.UebernahmeText = "Regel " + std::to_string(made);
    rule.VertragId = rule.RegelTypId == 2 ? firstContractId + made % 20 : 0;
  }
}

CDate BookingDay(int n) { return CDate::FromYmd(2015, 1, 1).AddDays(n / 30); }

// A balance line, then the bookings in date order.
std::vector<CImportRecord> MakeStatement(const CImportFormatData& format) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> payee(0, 2 * kRuleCount);
  std::uniform_int_distribution<int> cents(-20000, 20000);
  std::vector<CImportRecord> records(kRecordCount);
  for (int n = 0; n < kRecordCount; ++n) {
    CImportRecord& record = records[n];
    record.fileNumber = 1;
    record.lineNumber = n + 1;
    record.format = &format;
    record.formatId = format.ImportFormatId;
    record.date = BookingDay(n);
    record.monthId = 0;
    record.kind = n == 0 ? kImportKindBalance : kImportKindEntry;
    record.description = n == 0 ? "SALDO ALT"
                                : "LASTSCHRIFT " + Payee(payee(random)) + " KUNDENNR " + std::to_string(100000 + n);
    record.amount = n == 0 ? 1000.0 : cents(random) / 100.0;
  }
  return records;
}

// Every second booking was imported before; the other rows are of earlier
// statements.
void MakeRows(CUserImport& rows, const std::vector<CImportRecord>& statement) {
  for (int n = 2; n < kRecordCount; n += 2) {
    CUserImportData& row = rows.NewForRecord(statement[n]);
    row.ImportType = kImportKindEntry;
    row.UserImportStatus = 2;
    row.sUebernahmeText = "Regel";
  }
  CImportRecord earlier;
  while (rows.Count() < kRowCount) {
    const int n = rows.Count();
    earlier.date = CDate::FromYmd(2010, 1, 1).AddDays(n / 40);
    earlier.amount = -(n % 9000) / 100.0;
    earlier.description = "FRUEHERE BUCHUNG " + std::to_string(n);
    rows.NewForRecord(earlier).UserImportStatus = 2;
  }
}

struct CMappingSet {
  CMappingSet() : book(CGeneratedBookShape{}), bookData(book.Directory()) {
    bookData.StartUp();
    packet = std::make_unique<CImportPacket>(*bookData.Database(), bookData.DebugLog());
    packet->Load(book.Directory());
    const CImportFormatData& format = packet->Formats().New();
    MakeRules(packet->Rules(), book.Shape().accounts + 1);
    statement = MakeStatement(format);
    MakeRows(packet->UserImports(), statement);
    packet->Store();
  }
  void ReadStatement() {
    packet->Records().Clear();
    for (const CImportRecord& record : statement) {
      CImportRecord& made = packet->Records().New();
      const int id = made.id;
      made = record;
      made.id = id;
    }
  }

  CGeneratedBook book;
  CBookData bookData;
  std::unique_ptr<CImportPacket> packet;
  std::vector<CImportRecord> statement;
};

CMappingSet& MappingSet() {
  static CMappingSet set;
  return set;
}

void BM_RestoreAndMappingOfAStatement(benchmark::State& state) {
  CMappingSet& set = MappingSet();
  const CMappingContext context = MappingContextOf(*set.packet, set.bookData);
  CImportPacket& packet = *set.packet;
  int restored = 0;
  for (auto _ : state) {
    state.PauseTiming();
    set.ReadStatement();
    state.ResumeTiming();
    restored = RestoreAssignments(packet.Records(), packet.UserImports(), packet.Rules(), kRestoreAllKinds);
    RunMappingPhases(packet.Records(), context);
    RestoreAssignments(packet.Records(), packet.UserImports(), packet.Rules(), kImportKindBalance);
  }
  if (restored != kRecordCount / 2 - 1) state.SkipWithError("the imported bookings were not all restored");
  state.counters["records"] = packet.Records().Count();
}
BENCHMARK(BM_RestoreAndMappingOfAStatement)->Unit(benchmark::kMillisecond);

void BM_StoreTheUserImportRows(benchmark::State& state) {
  CMappingSet& set = MappingSet();
  CUserImport& rows = set.packet->UserImports();
  CDatabase& database = *set.bookData.Database();
  int run = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ++run;
    for (int n = 0; n < 1000; ++n) rows.Find(n * 50)->sUebernahmeText = "Lauf " + std::to_string(run);
    state.ResumeTiming();
    CTransaction transaction(database);
    rows.WriteAll(database);
    transaction.Commit();
  }
  state.counters["rows"] = rows.Count();
}
BENCHMARK(BM_StoreTheUserImportRows)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

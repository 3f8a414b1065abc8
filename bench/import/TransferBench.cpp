// The transfer of 1,000 assigned import records into the generated book of
// ten years with every month loaded: single entries, interest and fees and
// confirmed balances, each through the accounting operations, stored with
// their UserImport rows in one transaction.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <stdlib.h>
#include <string>

#include "bench/support/GeneratedBook.h"
#include "import/ImportPacket.h"
#include "import/Transfer.h"
#include "model/BookData.h"
#include "model/MonthMath.h"

namespace {

constexpr int kTransferred = 1000;

const CGeneratedBook& GeneratedBook() {
  static const CGeneratedBook book(CGeneratedBookShape{});
  return book;
}

// A copy of the generated book in a folder of its own, removed at the end.
class CBookCopy {
 public:
  CBookCopy() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pellwick-transfer-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("kein temporäres Verzeichnis");
    folder_ = pattern;
    std::filesystem::copy_file(std::filesystem::path(GeneratedBook().Directory()) / "Pellwick.db",
                               folder_ / "Pellwick.db");
  }
  ~CBookCopy() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  std::string Folder() const { return folder_.string(); }

 private:
  std::filesystem::path folder_;
};

class CNoConfirmation final : public ITransferConfirmation {
 public:
  bool Confirm(CImportRecord&, int) override { return false; }
};

// Records that need no screen: kind, transfer text and account set, spread
// over the accounts and the ten years.
void MakeRecords(CTmpFileImport& records, const CGeneratedBookShape& shape) {
  for (int n = 0; n < kTransferred; ++n) {
    CImportRecord& record = records.New();
    const int month = shape.firstMonth + (n * 7) % shape.months;
    const CYearMonth ym = YearMonthOfId(month);
    record.kind = n % 20 == 0 ? kImportKindBalance : n % 20 == 1 ? kImportKindInterest : kImportKindEntry;
    record.date = CDate::FromYmd(ym.year, ym.month, record.kind == kImportKindBalance ? 1 : 1 + n % 28);
    record.amount = record.kind == kImportKindBalance ? 5000.0 + n : (n % 2 == 0 ? -1.0 : 1.0) * (10 + n % 90);
    record.description = "BUCHUNG " + std::to_string(n);
    record.transferText = "Übernahme " + std::to_string(n);
    record.accountId = 1 + n % shape.accounts;
    if (record.kind == kImportKindBalance) record.checkState = kCheckComputedBalance;
  }
}

void BM_TransferOfAThousandRecords(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto copy = std::make_unique<CBookCopy>();
    auto bookData = std::make_unique<CBookData>(copy->Folder());
    bookData->StartUp();
    auto packet = std::make_unique<CImportPacket>(*bookData->Database(), bookData->DebugLog());
    packet->Load(copy->Folder());
    MakeRecords(packet->Records(), GeneratedBook().Shape());
    CNoConfirmation confirmation;
    state.ResumeTiming();
    const CTransferResult result = TransferRecords(
        {*bookData, packet->Records(), packet->UserImports(), packet->Formats(), confirmation});
    state.PauseTiming();
    if (result.imported != kTransferred) state.SkipWithError("not every record was transferred");
    packet.reset();
    bookData.reset();
    copy.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_TransferOfAThousandRecords)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();

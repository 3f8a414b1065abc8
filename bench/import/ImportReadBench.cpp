// Reading a bank statement of 10,000 bookings (Windows-1252, quoted fields,
// German amounts, a header block with account number and opening balance)
// with a format stored in the database: file into cells, cells into import
// records.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include "import/ImportPacket.h"
#include "model/DebugLog.h"
#include "storage/Schema.h"
#include "tests/import/ImportTestSupport.h"

namespace {

constexpr int kBookings = 10000;

std::string GermanAmount(int cents) {
  const int whole = std::abs(cents) / 100;
  std::string text = std::to_string(whole);
  for (int at = static_cast<int>(text.size()) - 3; at > 0; at -= 3) text.insert(at, ".");
  const int rest = std::abs(cents) % 100;
  return (cents < 0 ? "-" : "") + text + "," + (rest < 10 ? "0" : "") + std::to_string(rest);
}

// The statement in Windows-1252: "\xFC" is ü, "\x80" the euro sign.
std::string Statement() {
  std::string text =
      "\"Umsatzanzeige\";\r\n\"Kontonummer:\";\"DE12 3456 7890 1234 5678 90\";\r\n"
      "\"Zeitraum:\";\"01.01.2024 - 31.12.2024\";\r\n\"Alter Kontostand:\";\"01.01.2024\";\"12.345,67\";\r\n\"\";\r\n"
      "\"Buchungstag\";\"Valuta\";\"Auftraggeber/Empf\xE4nger\";\"Verwendungszweck\";\"Betrag\";\"Gegenkonto\"\r\n";
  for (int i = 0; i < kBookings; ++i) {
    const std::string date = (i % 28 + 1 < 10 ? "0" : "") + std::to_string(i % 28 + 1) + "." +
                             (i % 12 + 1 < 10 ? "0" : "") + std::to_string(i % 12 + 1) + ".2024";
    text += "\"" + date + "\";\"" + date + "\";\"M\xFCller & S\xF6hne GmbH Nr. " + std::to_string(i) +
            "\";\"SEPA-Lastschrift; Rechnung " + std::to_string(100000 + i) + " \x80 \x84" "Abschlag\x93\";\"" +
            GermanAmount((i % 7 == 0 ? 1 : -1) * (1234 + 37 * i)) + "\";\"DE98 7654 " + std::to_string(i % 97) +
            "\"\r\n";
  }
  return text;
}

// The layout of the statement: signed amounts, account number and opening
// balance in the header block.
void StoreFormat(CImportPacket& packet) {
  CImportFormatData& format = packet.Formats().New();
  format.CopySettingsFrom(SignedAmountFormat());
  format.Bezeichnung = "Girokonto";
  format.AutoReadInPath = 1;
  format.DateiEndungGleich = 1;
  format.DateiEndung = "csv";
  packet.Store();
}

class CStatementFixture {
 public:
  CStatementFixture() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pellwick-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("kein temporäres Verzeichnis");
    directory_ = pattern;
    std::ofstream(directory_ / "umsatz.csv", std::ios::binary) << Statement();
    database_ = CreateDatabase((directory_ / "Pellwick.db").string());
    CImportPacket storing(*database_, log_);
    storing.Load(directory_.string());
    StoreFormat(storing);
  }
  ~CStatementFixture() {
    database_.reset();
    std::filesystem::remove_all(directory_);
  }

  std::string File() const { return (directory_ / "umsatz.csv").string(); }
  CDatabase& Database() { return *database_; }
  CDebugLog& Log() { return log_; }

 private:
  std::filesystem::path directory_;
  std::unique_ptr<CDatabase> database_;
  CDebugLog log_;
};

void BM_ReadStatementOf10000Bookings(benchmark::State& state) {
  CStatementFixture fixture;
  CImportPacket packet(fixture.Database(), fixture.Log());
  packet.Load(".");
  for (auto _ : state) {
    packet.Records().Clear();
    packet.Files().Clear();
    const CImportFormatData* format = packet.Formats().FindForFileName(fixture.File());
    packet.Files().Add(fixture.File(), format->Seperator);
    packet.Files().ApplyFormats(packet.Formats(), packet.Records());
    benchmark::DoNotOptimize(packet.Records().Count());
  }
  if (packet.Records().Count() != kBookings + 2) state.SkipWithError("unerwartete Anzahl Datensätze");
  state.counters["records"] = packet.Records().Count();
}
BENCHMARK(BM_ReadStatementOf10000Bookings)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// Format recognition of a bank statement of 10,000 bookings: the layout with
// a header block, unsigned amounts, an S/H sign column and the balances
// below the bookings. Recognition is one step of reading a statement
// (reading, recognition, restore, mapping), so it has to stay a small part
// of that chain.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "import/CsvTable.h"
#include "import/FormatAnalysis.h"
#include "import/FormatXML.h"
#include "import/ImportFormat.h"

namespace {

constexpr int kBookings = 10000;

std::string Statement() {
  std::string text =
      "Umsatzanzeige;;;;;;\n;;;;;;\nBLZ:;12345678;;Datum:;05.05.2024;;\n"
      "Konto:;Girokonto DE12345678;;Uhrzeit:;10:15:00;;\n;;;;;;\n"
      "Buchungstag;Valuta;Auftraggeber/Empfänger;Vorgang/Verwendungszweck;Währung;Umsatz;\n";
  const char* counterparts[] = {"Stadtwerke Musterstadt", "Muster AG", "Frischmarkt", "Hausverwaltung Becker"};
  for (int i = 0; i < kBookings; ++i) {
    const std::string day = std::to_string(10 + i % 18) + ".0" + std::to_string(1 + i % 9) + ".2024";
    text += day + ";" + day + ";" + counterparts[i % 4] + ";Verwendungszweck der Buchung Nummer " +
            std::to_string(i) + ";EUR;" + std::to_string(1 + i % 977) + "," + std::to_string(10 + i % 90) + ";" +
            (i % 3 == 0 ? "H" : "S") + "\n";
  }
  text += ";;;;;;\n30.09.2024;;;Anfangssaldo;EUR;1.000,00;H\n30.09.2024;;;Endsaldo;EUR;2.537,19;H\n";
  return text;
}

class CStatementFile {
 public:
  CStatementFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pellwick-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) folder_ = pattern;
    std::ofstream(Path(), std::ios::binary) << Statement();
  }
  ~CStatementFile() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  std::string Path() const { return (folder_ / "umsatz.csv").string(); }

 private:
  std::filesystem::path folder_;
};

const CFormatXML& HeaderNames() {
  static const CFormatXML names = [] {
    CFormatXML loaded;
    loaded.Read(PELLWICK_FORMAT_XML);
    return loaded;
  }();
  return names;
}

void Recognise(benchmark::State& state, const CCsvTable& table) {
  CFormatAnalysis analysis(HeaderNames(), nullptr);
  CImportFormatData format;
  if (analysis.Recognise(table, format) != 1 || format.VorzeichenBetrag != 1 || analysis.BalanceText() != "Endsaldo")
    state.SkipWithError("layout not recognised");
}

void BM_RecogniseStatement(benchmark::State& state) {
  CStatementFile file;
  CCsvTable table;
  table.Read(file.Path(), ';');
  for (auto _ : state) Recognise(state, table);
}
BENCHMARK(BM_RecogniseStatement)->Unit(benchmark::kMillisecond);

void BM_ReadAndRecogniseStatement(benchmark::State& state) {
  CStatementFile file;
  for (auto _ : state) {
    CCsvTable table;
    table.Read(file.Path(), ';');
    Recognise(state, table);
  }
}
BENCHMARK(BM_ReadAndRecogniseStatement)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

#include "import/FormatAnalysis.h"

#include <memory>

#include "engine/Quorvel.h"
#include "import/CsvTable.h"
#include "import/FormatAnalysisActions.h"
#include "import/FormatXML.h"
#include "model/BookData.h"
#include "model/Messages.h"
#include "storage/ImportTables.h"

const char* const kFormatNotRecognised =
    "Das Format der Datei konnte leider nicht erkannt werden. Bitte passen sie es manuell an !";

namespace {

// Line operators of the format's line rules.
constexpr int kUpToLine = 4;         // "bis Zeile"
constexpr int kFromLastButLine = 6;  // "ab x-letzter Zeile"

int ColumnNumber(int index) { return index >= 0 ? index + 1 : 0; }

std::string SignFormat(const CFormatXML& names, int entry) {
  std::string text;
  names.Entry(header_key::kVorzeichen, entry, text);
  return text;
}

void FillBookingColumns(const CRecognitionResult& result, const CFormatXML& names, CImportFormatRow& format) {
  format.SpaltenNrBeschreibung = ColumnNumber(result.descriptionColumns[0]);
  format.SpaltenNrBeschreibung2 = ColumnNumber(result.descriptionColumns[1]);
  format.SpaltenNrBeschreibung3 = ColumnNumber(result.descriptionColumns[2]);
  format.SpaltenNrDatum = ColumnNumber(result.dateColumn);
  format.SpaltenNrBetragHaben = ColumnNumber(result.amountColumn);
  format.SpaltenNrBetragSoll = ColumnNumber(result.debitColumn);
  format.SpaltenNrZielkonto = 0;
  format.AlternativBetragHaben = result.debitColumn >= 0 ? 1 : 0;
  format.VorzeichenBetrag = result.amountSign;
  if (result.amountSign != 0) {
    format.VorzeichenBetragFormat = SignFormat(names, result.amountSignEntry);
    format.AlternativBetragHaben = 0;
  }
}

// Line 0 is where the search lands when no line qualified: then the format
// reads no balance at all (the rule "bis Zeile 0" matches no line) rather
// than taking bookings for balances.
void FillBalance(const CRecognitionResult& result, const CFormatXML& names, int lineCount, CImportFormatRow& format) {
  const bool found = result.balanceLine > 0;
  format.SpaltenNrKontostandKennstring = found ? ColumnNumber(result.balanceTextColumn) : 0;
  format.SpaltenNrKontostandHaben = found ? ColumnNumber(result.balanceAmountColumn) : 0;
  format.SpaltenNrKontostandSoll = found ? ColumnNumber(result.balanceDebitColumn) : 0;
  format.SpaltenNrKontostandDatum = found ? ColumnNumber(result.balanceDateColumn) : 0;
  format.AlternativKontostandHaben = format.SpaltenNrKontostandSoll > 0 ? 1 : 0;
  format.VorzeichenKontostand = found ? result.balanceSign : 0;
  if (format.VorzeichenKontostand != 0) {
    format.VorzeichenKontostandFormat = SignFormat(names, result.balanceSignEntry);
    format.AlternativKontostandHaben = 0;
  }
  format.m_iKontostandEinzelZeile = 1;
  if (!found || result.balanceLine < result.headerLine) {
    format.m_iKontostandZeilenOperator = kUpToLine;
    format.m_iKontostandZeile = found ? result.balanceLine : 0;
  } else {
    format.m_iKontostandZeilenOperator = kFromLastButLine;
    format.m_iKontostandZeile = lineCount - result.balanceLine;
  }
}

void FillMandatoryFlags(CImportFormatRow& format) {
  format.PflichtKonto = 1;
  format.PflichtBeschreibung = 1;
  format.PflichtDatum = 1;
  format.PflichtBetragHaben = 1;
  format.PflichtKontostandKennstring = 1;
  format.PflichtKontostandHaben = 1;
  format.PflichtZielkonto = 0;
  format.PflichtKontostandDatum = 0;
}

// The account stands in the lines above the header.
void FillAccountInformation(const CRecognitionResult& result, CImportFormatRow& format) {
  format.m_iKontoInfoEinzelZeile = 1;
  format.SpaltenNrKonto = 1;
  format.m_iKontoInfoZeilenOperator = kUpToLine;
  format.m_iKontoInfoZeile = result.headerLine - 1;
}

CDebugLog* BookDataLog() { return HasBookData() ? &BookData().DebugLog() : nullptr; }

}  // namespace

void FillFormatFromResult(const CRecognitionResult& result, const CFormatXML& names, int lineCount,
                          CImportFormatRow& format) {
  FillBookingColumns(result, names, format);
  FillBalance(result, names, lineCount, format);
  FillMandatoryFlags(format);
  FillAccountInformation(result, format);
}

CFormatAnalysis::CFormatAnalysis(const CFormatXML& names) : CFormatAnalysis(names, BookDataLog()) {}

CFormatAnalysis::CFormatAnalysis(const CFormatXML& names, CDebugLog* log) : names_(names), log_(log) {}

CFormatAnalysis::~CFormatAnalysis() = default;

int CFormatAnalysis::Recognise(const CCsvTable& table, CImportFormatRow& format) {
  if (!Run(table)) {
    WarningText(kFormatNotRecognised);
    return 0;
  }
  FillFormatFromResult(result_, names_, table.LineCount(), format);
  return 1;
}

// A solution without any booking-like line describes no bookings: that
// counts as not recognised, like a file without a numeric column.
bool CFormatAnalysis::Run(const CCsvTable& table) {
  CRecognitionState state(table, names_, log_);
  IAI_Module module;
  RegisterFormatActions(module, state);
  const std::unique_ptr<CSolutionTree> tree(module.Problem(format_problem::kFormat, nullptr));
  if (tree) module.Execute(tree.get());
  result_ = state.Result();
  return tree != nullptr && state.HasDataRange();
}

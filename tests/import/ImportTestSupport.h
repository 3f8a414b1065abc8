#pragma once
// Formats of the bank file layouts the import tests and benchmarks read, and
// helpers to read a text with a format.

#include <string>
#include <vector>

#include "import/CsvTable.h"
#include "import/ImportFileParser.h"
#include "import/ImportFormat.h"
#include "import/ImportRecord.h"

// Signed amount column, header block with the account number in line 2 and
// the opening balance in line 4.
inline CImportFormatData SignedAmountFormat() {
  CImportFormatData format;
  format.ImportFormatId = 1;
  format.Bezeichnung = "Girokonto";
  format.Seperator = ';';
  format.SpaltenNrDatum = 1;
  format.SpaltenNrBeschreibung = 3;
  format.SpaltenNrBeschreibung2 = 4;
  format.SpaltenNrBetragHaben = 5;
  format.SpaltenNrZielkonto = 6;
  format.PflichtDatum = 1;
  format.PflichtBetragHaben = 1;
  format.PflichtBeschreibung = 1;
  format.m_iKontoInfoEinzelZeile = 1;
  format.SpaltenNrKonto = 2;
  format.PflichtKonto = 1;
  format.m_iKontoInfoZeilenOperator = 2;  // genau in Zeile
  format.m_iKontoInfoZeile = 2;
  format.SpaltenNrKontostandKennstring = 1;
  format.SpaltenNrKontostandDatum = 2;
  format.SpaltenNrKontostandHaben = 3;
  format.PflichtKontostandKennstring = 1;
  format.PflichtKontostandHaben = 1;
  format.m_iKontostandZeilenOperator = 4;  // bis Zeile
  format.m_iKontostandZeile = 5;
  return format;
}

// Debit and credit columns, the own account in every line.
inline CImportFormatData DebitCreditFormat() {
  CImportFormatData format;
  format.ImportFormatId = 2;
  format.Bezeichnung = "Soll/Haben";
  format.Seperator = ';';
  format.SpaltenNrKonto = 1;
  format.PflichtKonto = 1;
  format.SpaltenNrDatum = 2;
  format.PflichtDatum = 1;
  format.SpaltenNrBeschreibung = 3;
  format.SpaltenNrBetragSoll = 4;
  format.SpaltenNrBetragHaben = 5;
  format.PflichtBetragHaben = 1;
  format.AlternativBetragHaben = 1;
  return format;
}

// Amount with an S/H sign column and a closing balance in the last line.
inline CImportFormatData SignColumnFormat() {
  CImportFormatData format;
  format.ImportFormatId = 3;
  format.Bezeichnung = "Betrag S/H";
  format.Seperator = ';';
  format.SpaltenNrDatum = 1;
  format.PflichtDatum = 1;
  format.SpaltenNrBeschreibung = 2;
  format.SpaltenNrBetragHaben = 3;
  format.PflichtBetragHaben = 1;
  format.SpaltenNrBetragSoll = 4;
  format.VorzeichenBetrag = 1;
  format.VorzeichenBetragFormat = "[H][S]";
  format.SpaltenNrKontostandKennstring = 1;
  format.SpaltenNrKontostandDatum = 2;
  format.SpaltenNrKontostandHaben = 3;
  format.SpaltenNrKontostandSoll = 4;
  format.VorzeichenKontostand = 1;
  format.VorzeichenKontostandFormat = "[H][S]";
  format.PflichtKontostandKennstring = 1;
  format.PflichtKontostandHaben = 1;
  format.m_iKontostandZeilenOperator = 7;  // in letzer Zeile
  return format;
}

// Date, description and signed amount in columns 1 to 3, all mandatory.
inline CImportFormatData SimpleFormat() {
  CImportFormatData format;
  format.ImportFormatId = 4;
  format.Bezeichnung = "Einfach";
  format.Seperator = ';';
  format.SpaltenNrDatum = 1;
  format.PflichtDatum = 1;
  format.SpaltenNrBeschreibung = 2;
  format.PflichtBeschreibung = 1;
  format.SpaltenNrBetragHaben = 3;
  format.PflichtBetragHaben = 1;
  return format;
}

inline CTmpFileImport::COwned ParseTable(const CCsvTable& table, const CImportFormatData& format) {
  return CImportFileParser(table, format, 1).Parse();
}

inline CTmpFileImport::COwned ParseText(const std::string& text, const CImportFormatData& format) {
  CCsvTable table;
  table.ReadText(text, format.Seperator);
  return ParseTable(table, format);
}

inline std::vector<const CImportRecord*> OfKind(const CTmpFileImport::COwned& records, int kind) {
  std::vector<const CImportRecord*> found;
  for (const auto& record : records)
    if (record->kind == kind) found.push_back(record.get());
  return found;
}

inline long long Cents(double amount) { return static_cast<long long>(amount * 100.0 + (amount < 0 ? -0.5 : 0.5)); }

#include "import/ImportFileParser.h"

#include <algorithm>
#include <cmath>

#include "import/BankText.h"
#include "import/ImportTexts.h"
#include "import/LineOperators.h"
#include "model/MonthMath.h"
#include "storage/StrFormat.h"

namespace {

bool HasDigit(std::string_view text) { return text.find_first_of("0123456789") != std::string_view::npos; }

// Digits with the characters of dates: an attempt at a date, not a heading.
bool LooksLikeDate(std::string_view text) {
  return HasDigit(text) && text.find_first_not_of("0123456789./- ") == std::string_view::npos;
}

// Digits with the characters of amounts and a currency at the end.
bool LooksLikeAmount(std::string_view text) {
  for (std::string_view currency : {"EUR", "€"})
    if (text.ends_with(currency)) text = TrimBlanks(text.substr(0, text.size() - currency.size()));
  return HasDigit(text) && text.find_first_not_of("0123456789.,+- ") == std::string_view::npos;
}

void AddProblem(CImportRecord& record, const std::string& problem) {
  if (!record.readProblem.empty()) record.readProblem += ' ';
  record.readProblem += problem;
}

}  // namespace

std::string_view CImportFileParser::CellText(int line, int column) const {
  if (column <= 0) return {};
  const std::string* cell = table_.Cell(line, column - 1);
  return cell ? TrimBlanks(*cell) : std::string_view();
}

bool CImportFileParser::Passes(int line, int column, int mandatory, ECellTest test) const {
  if (column == 0 || mandatory == 0) return true;
  const std::string_view text = CellText(line, column);
  if (text.empty()) return false;
  switch (test) {
    case ECellTest::Present: return true;
    case ECellTest::Number: return IsLooseNumber(text);
    case ECellTest::Date: return IsBankDate(text);
  }
  return false;
}

bool CImportFileParser::AmountPasses(int line) const {
  const int mandatory = format_.PflichtBetragHaben;
  const bool credit = Passes(line, format_.SpaltenNrBetragHaben, mandatory, ECellTest::Number);
  if (format_.AlternativBetragHaben == 0) return credit;
  return credit || Passes(line, format_.SpaltenNrBetragSoll, mandatory, ECellTest::Number);
}

bool CImportFileParser::OtherBookingCellsPass(int line) const {
  return Passes(line, format_.SpaltenNrBeschreibung, format_.PflichtBeschreibung, ECellTest::Present) &&
         Passes(line, format_.SpaltenNrZielkonto, format_.PflichtZielkonto, ECellTest::Present) &&
         (format_.m_iKontoInfoEinzelZeile != 0 ||
          Passes(line, format_.SpaltenNrKonto, format_.PflichtKonto, ECellTest::Present));
}

bool CImportFileParser::IsBookingLine(int line) const {
  return format_.HasAmountColumn() && OtherBookingCellsPass(line) &&
         Passes(line, format_.SpaltenNrDatum, format_.PflichtDatum, ECellTest::Date) && AmountPasses(line);
}

bool CImportFileParser::IsDamagedBookingLine(int line) const {
  if (!format_.HasAmountColumn() || !OtherBookingCellsPass(line)) return false;
  const std::string_view dateText = CellText(line, format_.SpaltenNrDatum);
  const std::string_view amountText = CellText(line, format_.SpaltenNrBetragHaben);
  const std::string_view debitText =
      format_.VorzeichenBetrag != 0 ? std::string_view() : CellText(line, format_.SpaltenNrBetragSoll);
  const bool dateGood = format_.SpaltenNrDatum == 0 || ParseBankDate(dateText).has_value();
  const bool amountGood = ParseGermanAmount(amountText).has_value() || ParseGermanAmount(debitText).has_value();
  const bool dateDamaged = !dateGood && LooksLikeDate(dateText);
  const bool amountDamaged = !amountGood && (LooksLikeAmount(amountText) || LooksLikeAmount(debitText));
  return (dateDamaged && amountGood) || (amountDamaged && dateGood);
}

bool CImportFileParser::IsAccountInfoLine(int line) const {
  return Passes(line, format_.SpaltenNrKonto, format_.PflichtKonto, ECellTest::Present) &&
         LineOperatorMatches(format_.m_iKontoInfoZeilenOperator, format_.m_iKontoInfoZeile, line, table_.LineCount());
}

bool CImportFileParser::IsBalanceLine(int line) const {
  return format_.HasBalanceColumn() &&
         Passes(line, format_.SpaltenNrKontostandKennstring, format_.PflichtKontostandKennstring, ECellTest::Present) &&
         Passes(line, format_.SpaltenNrKontostandHaben, format_.PflichtKontostandHaben, ECellTest::Present) &&
         Passes(line, format_.SpaltenNrKontostandDatum, format_.PflichtKontostandDatum, ECellTest::Present) &&
         LineOperatorMatches(format_.m_iKontostandZeilenOperator, format_.m_iKontostandZeile, line,
                             table_.LineCount());
}

CTmpFileImport::COwned CImportFileParser::Parse() const {
  CTmpFileImport::COwned records;
  const int lineCount = table_.LineCount();
  if (format_.m_iKontoInfoEinzelZeile != 0)
    for (int line = 1; line <= lineCount; ++line)
      if (IsAccountInfoLine(line)) records.push_back(AccountInfoRecord(line));
  for (int line = 1; line <= lineCount; ++line)
    if (IsBookingLine(line) || IsDamagedBookingLine(line)) records.push_back(BookingRecord(line));
  for (int line = 1; line <= lineCount; ++line)
    if (IsBalanceLine(line)) records.push_back(BalanceRecord(line));
  return records;
}

std::unique_ptr<CImportRecord> CImportFileParser::NewRecord(int line, int kind) const {
  auto record = std::make_unique<CImportRecord>();
  record->fileNumber = fileNumber_;
  record->lineNumber = line;
  record->formatId = format_.ImportFormatId;
  record->format = &format_;
  record->kind = kind;
  return record;
}

std::unique_ptr<CImportRecord> CImportFileParser::AccountInfoRecord(int line) const {
  auto record = NewRecord(line, kImportKindAccountInfo);
  record->description = CellText(line, format_.SpaltenNrKonto);
  return record;
}

std::string CImportFileParser::Description(int line) const {
  std::string description(CellText(line, format_.SpaltenNrBeschreibung));
  for (const int column : {format_.SpaltenNrBeschreibung2, format_.SpaltenNrBeschreibung3}) {
    if (column == 0) continue;
    description += ' ';
    description += CellText(line, column);
  }
  return description;
}

std::unique_ptr<CImportRecord> CImportFileParser::BookingRecord(int line) const {
  auto record = NewRecord(line, kImportKindEntry);
  record->description = Description(line);
  ReadDate(line, format_.SpaltenNrDatum, *record);
  ReadAmount(line, BookingAmountColumns(), *record);
  if (format_.m_iKontoInfoEinzelZeile == 0 && IsAccountInfoLine(line))
    record->accountText = CellText(line, format_.SpaltenNrKonto);
  record->counterAccountText = CellText(line, format_.SpaltenNrZielkonto);
  return record;
}

std::unique_ptr<CImportRecord> CImportFileParser::BalanceRecord(int line) const {
  auto record = NewRecord(line, kImportKindBalance);
  ReadAmount(line, BalanceAmountColumns(), *record);
  ReadDate(line, format_.SpaltenNrKontostandDatum, *record);
  record->description = CellText(line, format_.SpaltenNrKontostandKennstring);
  return record;
}

CImportFileParser::CAmountColumns CImportFileParser::BookingAmountColumns() const {
  return {format_.SpaltenNrBetragHaben, format_.SpaltenNrBetragSoll, format_.VorzeichenBetrag != 0,
          format_.VorzeichenBetragFormat};
}

CImportFileParser::CAmountColumns CImportFileParser::BalanceAmountColumns() const {
  return {format_.SpaltenNrKontostandHaben, format_.SpaltenNrKontostandSoll, format_.VorzeichenKontostand != 0,
          format_.VorzeichenKontostandFormat};
}

void CImportFileParser::ReadDate(int line, int column, CImportRecord& record) const {
  const std::string_view text = CellText(line, column);
  if (text.empty()) return;
  const std::optional<CDate> date = ParseBankDate(text);
  if (!date) {
    AddProblem(record, StrFormat(kTextBadDate, text));
    return;
  }
  record.date = *date;
  record.monthId = MonthIdOfDate(*date);
}

// The amount column, then the second column: a sign column turns the amount
// negative by its marker; a debit column wins over the credit unless it
// holds zero.
void CImportFileParser::ReadAmount(int line, const CAmountColumns& columns, CImportRecord& record) const {
  const std::string_view amountText = CellText(line, columns.amount);
  if (!amountText.empty()) {
    const std::optional<double> amount = ParseGermanAmount(amountText);
    if (amount) record.amount = *amount;
    else AddProblem(record, StrFormat(kTextBadAmount, amountText));
  }
  const std::string_view secondText = CellText(line, columns.second);
  if (secondText.empty()) return;
  if (columns.secondIsSign) {
    if (SignOfMarker(columns.signFormat, secondText) < 0) record.amount = -std::fabs(record.amount);
    return;
  }
  const std::optional<double> debit = ParseGermanAmount(secondText);
  if (!debit) {
    AddProblem(record, StrFormat(kTextBadAmount, secondText));
  } else if (*debit != 0.0) {
    if (record.amount != 0.0) AddProblem(record, std::string(kTextCreditAndDebit));
    record.amount = -std::fabs(*debit);
  }
}

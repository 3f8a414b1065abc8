#pragma once
// CImportFileParser: the lines of one bank file, read with one format, as
// import records. Three passes over the lines in line order, each appending
// its records: the account-information lines (only for formats that keep the
// own account in lines of its own), the booking lines, the balance lines. A
// line can give a booking and a balance at once.
//
// A cell that cannot be read (an impossible date or amount) never turns
// into a wrong value: the record keeps no date or amount 0 and says why in
// its readProblem. A line whose date or amount cell is damaged but which is
// otherwise a booking is kept for that reason instead of being dropped.

#include "import/CsvTable.h"
#include "import/ImportFormat.h"
#include "import/ImportRecord.h"

class CImportFileParser {
 public:
  // REQUIRES: table and format outlive the parser and the records made.
  CImportFileParser(const CCsvTable& table, const CImportFormatData& format, int fileNumber)
      : table_(table), format_(format), fileNumber_(fileNumber) {}

  // The records of the file in the order made, without ids.
  CTmpFileImport::COwned Parse() const;

  // The line tests of the format, for line numbers from 1.
  bool IsBookingLine(int line) const;
  bool IsAccountInfoLine(int line) const;
  bool IsBalanceLine(int line) const;

 private:
  // The cell tests of a line: a column number (0 none), its mandatory flag.
  enum class ECellTest { Present, Number, Date };
  bool Passes(int line, int column, int mandatory, ECellTest test) const;
  bool AmountPasses(int line) const;
  bool OtherBookingCellsPass(int line) const;
  bool IsDamagedBookingLine(int line) const;

  // The trimmed text of the cell in column number `column`; empty when
  // there is none.
  std::string_view CellText(int line, int column) const;

  std::unique_ptr<CImportRecord> NewRecord(int line, int kind) const;
  std::unique_ptr<CImportRecord> AccountInfoRecord(int line) const;
  std::unique_ptr<CImportRecord> BookingRecord(int line) const;
  std::unique_ptr<CImportRecord> BalanceRecord(int line) const;
  std::string Description(int line) const;

  struct CAmountColumns {
    int amount;
    int second;
    bool secondIsSign;
    std::string_view signFormat;
  };
  CAmountColumns BookingAmountColumns() const;
  CAmountColumns BalanceAmountColumns() const;
  void ReadAmount(int line, const CAmountColumns& columns, CImportRecord& record) const;
  void ReadDate(int line, int column, CImportRecord& record) const;

  const CCsvTable& table_;
  const CImportFormatData& format_;
  int fileNumber_;
};

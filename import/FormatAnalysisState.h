#pragma once
// What one run of the format recognition knows about a bank file: the cell
// statistics over the whole file (block A) and over the chosen bookings
// (block B), the roles the header names gave the columns, and what the
// recognition's actions found so far. The actions read and write it; the
// recognition turns the results into an import format at the end.
// User-interface thread only.

#include <string>
#include <string_view>

#include "import/FormatAnalysisStatistics.h"
#include "storage/StrFormat.h"

class CCsvTable;
class CDebugLog;
class CFormatXML;

// Column and line numbers here are 0-based indexes; -1 is no column.
struct CRecognitionResult {
  int headerLine = -1;
  int firstDataLine = 0;  // 0: no data range
  int lastDataLine = 0;

  int dateColumn = 0;
  int descriptionColumns[3] = {-1, -1, -1};
  int amountColumn = 0;
  int debitColumn = -1;  // debit amount, or the sign column of layout 2
  int amountLayout = 0;  // 1 one amount, 2 amount and sign column, 3 credit and debit
  int amountSign = 0;
  int amountSignEntry = 0;  // entry of the sign formats (key 11)

  int balanceLine = 0;
  int balanceKind = 0;  // 1 new (closing), 0 old (opening)
  std::string balanceText;
  int balanceTextColumn = -1;
  int balanceAmountColumn = 0;
  int balanceDebitColumn = -1;
  int balanceDateColumn = -1;
  int balanceSign = 0;
  int balanceSignEntry = 0;
};

namespace amount_layout {
inline constexpr int kOneColumn = 1;
inline constexpr int kWithSignColumn = 2;
inline constexpr int kCreditDebit = 3;
}  // namespace amount_layout

// Role of a column whose cells are sign markers.
inline constexpr int kSignColumnRole = 11;

class CRecognitionState {
 public:
  // REQUIRES: table and names outlive the state; log may be null.
  CRecognitionState(const CCsvTable& table, const CFormatXML& names, CDebugLog* log);

  const CCsvTable& Table() const { return table_; }
  const CFormatXML& Names() const { return names_; }
  int LineCount() const { return grid_.LineCount(); }
  int ColumnCount() const { return grid_.ColumnCount(); }
  bool IsColumn(int column) const { return column >= 0 && column < ColumnCount(); }
  ECellClass ClassAt(int line, int column) const;
  // The cell's text; empty for a cell the line does not have.
  std::string_view CellText(int line, int column) const;

  const CStatisticsBlock& BlockA() const { return blockA_; }
  // Role and weight of a column; 0 for an index that is no column.
  int RoleOf(int column) const;
  int WeightOf(int column) const;

  CRecognitionResult& Result() { return result_; }
  const CRecognitionResult& Result() const { return result_; }

  // The bookings: block B is counted over first to last.
  void SetDataRange(int first, int last);
  bool HasDataRange() const { return result_.firstDataLine != 0; }
  // Block B when there is a data range, else block A.
  const CCellCounts& CurrentCounts(int column) const;

  bool IsNumericColumn(int column) const;
  bool IsFullNumericColumn(int column) const;
  bool IsCreditColumn(int column) const;
  bool PassesSignColumnTest(int column) const;
  int NumericColumnCount() const;
  // A date, a number and a text (block A).
  bool IsBookingLike(int line) const;

  // Gives each column of the header line the role of the header key its
  // text fits best.
  void ScoreHeader(int headerLine);
  // Finds the first column without a role whose cells below the header are
  // markers of a sign format.
  void DetectSignColumn(int headerLine);

  void Log(std::string_view line) const;
  template <class... Args>
  void LogFormatted(std::string_view format, const Args&... args) const {
    if (log_ != nullptr) Log(StrFormat(format, args...));
  }

 private:
  // The counts of block B, or null when there is no data range: counts "in
  // range" only hold then.
  const CCellCounts* InRange(int column) const;
  bool SignEntryFits(int column, int headerLine, std::string_view signFormat) const;

  const CCsvTable& table_;
  const CFormatXML& names_;
  CDebugLog* log_;
  CCellClassGrid grid_;
  CStatisticsBlock blockA_;
  CStatisticsBlock blockB_;
  int countedFirst_ = -1;
  int countedLast_ = -1;
  CRecognitionResult result_;
};

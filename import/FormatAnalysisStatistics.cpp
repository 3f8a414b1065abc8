#include "import/FormatAnalysisStatistics.h"

#include <algorithm>
#include <charconv>

#include "import/BankText.h"
#include "import/CsvTable.h"
#include "storage/Format.h"

namespace {

constexpr double kAccountNumberFrom = 1000000.0;
constexpr std::size_t kLongTextFrom = 21;

// Account numbers are plain digits; their value is that of the leading
// numeric part, so "1234567-" counts and "-1234567" does not.
bool IsAccountNumber(std::string_view text) {
  if (text.find_first_of(".,") != std::string_view::npos) return false;
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value >= kAccountNumberFrom;
}

}  // namespace

ECellClass ClassifyCell(std::string_view text) {
  if (text.empty()) return ECellClass::kEmpty;
  if (IsBankDate(text)) return ECellClass::kDate;
  if (IsStrictNumber(text)) {
    if (IsAccountNumber(text)) return ECellClass::kAccountNumber;
    return text.find('-') != std::string_view::npos ? ECellClass::kNegativeNumber : ECellClass::kNumber;
  }
  const std::size_t length = Utf8Length(text);
  if (length >= kLongTextFrom) return ECellClass::kLongText;
  return length >= 2 ? ECellClass::kShortText : ECellClass::kCharacter;
}

void CCellCounts::Add(ECellClass cellClass) {
  switch (cellClass) {
    case ECellClass::kEmpty: ++empty; break;
    case ECellClass::kNumber: ++number; break;
    case ECellClass::kNegativeNumber: ++negativeNumber; break;
    case ECellClass::kDate: ++date; break;
    case ECellClass::kLongText: ++longText; break;
    case ECellClass::kShortText: ++shortText; break;
    case ECellClass::kAccountNumber: ++accountNumber; break;
    case ECellClass::kCharacter: ++character; break;
  }
}

void CCellClassGrid::Classify(const CCsvTable& table) {
  lineCount_ = table.LineCount();
  columnCount_ = table.MaxCellCount();
  classes_.assign(static_cast<std::size_t>(lineCount_ + 1) * columnCount_,
                  static_cast<std::uint8_t>(ECellClass::kEmpty));
  for (const CCsvLine& line : table.Lines()) {
    if (line.number < 1 || line.number > lineCount_) continue;
    std::uint8_t* row = &classes_[static_cast<std::size_t>(line.number) * columnCount_];
    const int cells = std::min(static_cast<int>(line.cells.size()), columnCount_);
    for (int column = 0; column < cells; ++column) {
      if (line.cells[column]) row[column] = static_cast<std::uint8_t>(ClassifyCell(*line.cells[column]));
    }
  }
}

void CStatisticsBlock::Reset(const CCellClassGrid& grid) {
  lineCount_ = 0;
  columns_.assign(grid.ColumnCount(), CColumnRecord());
  lines_.clear();
}

void CStatisticsBlock::Count(const CCellClassGrid& grid, int first, int last, bool withLines) {
  const int from = std::max(first, 0);
  const int to = std::min(last, grid.LineCount());
  lineCount_ = last - first + 1;
  for (CColumnRecord& column : columns_) column.counts = CCellCounts();
  if (withLines) lines_.assign(static_cast<std::size_t>(grid.LineCount()) + 1, CCellCounts());
  for (int line = from; line <= to; ++line) {
    for (int column = 0; column < ColumnCount(); ++column) {
      const ECellClass cellClass = grid.At(line, column);
      columns_[column].counts.Add(cellClass);
      if (withLines) lines_[line].Add(cellClass);
    }
  }
}

const CCellCounts& CStatisticsBlock::Line(int line) const {
  static const CCellCounts kNone;
  return line >= 0 && static_cast<std::size_t>(line) < lines_.size() ? lines_[line] : kNone;
}

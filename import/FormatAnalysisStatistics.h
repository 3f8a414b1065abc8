#pragma once
// The cell statistics of the format recognition: what kind of text each cell
// of a bank file holds, counted per column and per line over a range of
// lines. The counts are what the recognition's actions compare when they
// look for the header line, the bookings and the columns.

#include <cstdint>
#include <string_view>
#include <vector>

class CCsvTable;

// The kind of text in one cell.
enum class ECellClass : std::uint8_t {
  kEmpty = 1,
  kNumber = 2,          // strict number without "-"
  kNegativeNumber = 3,  // strict number with "-"
  kDate = 4,
  kLongText = 5,       // other text longer than 20 characters
  kShortText = 6,      // other text of 2 to 20 characters
  kAccountNumber = 7,  // digits only (no "." or ","), value 1000000 or more
  kCharacter = 8,      // other text of one character
};

inline bool IsTextClass(ECellClass c) { return c == ECellClass::kLongText || c == ECellClass::kShortText; }
inline bool IsNumberClass(ECellClass c) { return c == ECellClass::kNumber || c == ECellClass::kNegativeNumber; }

// Tested in this order: empty, date, number (account number before the
// other numbers), then the length of the text.
ECellClass ClassifyCell(std::string_view text);

struct CCellCounts {
  int empty = 0;
  int number = 0;
  int negativeNumber = 0;
  int longText = 0;
  int shortText = 0;
  int character = 0;
  int date = 0;
  int accountNumber = 0;

  void Add(ECellClass cellClass);
  int Numbers() const { return number + negativeNumber; }
  int Texts() const { return longText + shortText; }
};

// A column of a statistics block: its counts and, in block A, the role the
// header gave it (0 none, a header key code, or a recognised sign column).
struct CColumnRecord {
  CCellCounts counts;
  int role = 0;
  int weight = 0;
  // For a recognised sign column: the sign format entry its markers fit.
  int signEntry = -1;
};

// The class of every cell of a file, computed once. Line 0 and the cells a
// line does not have read as empty, as the cell access gives nothing there.
class CCellClassGrid {
 public:
  void Classify(const CCsvTable& table);

  int LineCount() const { return lineCount_; }
  int ColumnCount() const { return columnCount_; }
  // REQUIRES: 0 <= line <= LineCount(), 0 <= column < ColumnCount().
  ECellClass At(int line, int column) const {
    return static_cast<ECellClass>(classes_[static_cast<std::size_t>(line) * columnCount_ + column]);
  }

 private:
  int lineCount_ = 0;
  int columnCount_ = 0;
  std::vector<std::uint8_t> classes_;
};

// Counts over a range of lines: one record per column and, when asked for,
// one per line (indexed by the line number, line 0 included).
class CStatisticsBlock {
 public:
  // Empties the block for a file of the grid's size.
  void Reset(const CCellClassGrid& grid);
  // Counts the lines first to last (clamped to the file). REQUIRES Reset.
  void Count(const CCellClassGrid& grid, int first, int last, bool withLines);

  int LineCount() const { return lineCount_; }  // lines counted
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  CColumnRecord& Column(int column) { return columns_[column]; }
  const CColumnRecord& Column(int column) const { return columns_[column]; }
  // The counts of line `line`; all zero for a line not counted.
  const CCellCounts& Line(int line) const;

 private:
  int lineCount_ = 0;
  std::vector<CColumnRecord> columns_;
  std::vector<CCellCounts> lines_;
};

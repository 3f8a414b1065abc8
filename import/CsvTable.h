#pragma once
// CCsvTable: one bank file as a table of cells. Lines are kept in file
// order with their 1-based line numbers; a cell is absent or a text (UTF-8).
//
// How a file becomes lines and cells:
// - The bytes are decoded per file (see DecodeBankFileText); the carriage
//   return of CRLF line ends is dropped. Lines have no length limit.
// - Cells are divided by the separator. Between double quotes the separator
//   belongs to the cell, "" inside quotes is one quote, and the quotes
//   themselves are not part of the text.
// - A line that ends inside quotes continues on the next physical line,
//   joined by one blank; the joined text is one line with one line number.
//   A quote that is never closed up to the end of the file is taken as
//   ending with its own physical line, so it cannot swallow the lines after
//   it.
// - An empty cell before a separator is absent; the last cell of a line is
//   always there, possibly empty. A blank line has one empty cell.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CCsvLine {
  int number = 0;
  std::vector<std::optional<std::string>> cells;
};

// What reading a file found; every value but Ok leaves the table empty.
enum class ECsvRead { Ok, NoPath, NotFound, Empty, NotText };

class CCsvTable {
 public:
  // Reads the file. The separator is a character code; codes outside 1 to
  // 127 divide nothing (every line is one cell).
  ECsvRead Read(const std::string& path, int separator);
  // Fills the table from UTF-8 text, as Read does after decoding.
  void ReadText(std::string_view text, int separator);

  // The text of the cell with the 0-based index in line `lineNumber`;
  // null when the line does not exist, the index is past the line's cells
  // or the cell is absent. The pointer lives as long as the table.
  const std::string* Cell(int lineNumber, int index) const;
  // Whether the cell exists and is not empty.
  bool CellPresent(int lineNumber, int index) const;

  int LineCount() const { return static_cast<int>(lines_.size()); }
  // The largest number of cells of any line.
  int MaxCellCount() const { return maxCells_; }
  const std::vector<CCsvLine>& Lines() const { return lines_; }
  // Name with extension, and the folder, of the file read.
  const std::string& FileName() const { return fileName_; }
  const std::string& Folder() const { return folder_; }
  int Separator() const { return separator_; }

 private:
  void Clear();

  std::string fileName_;
  std::string folder_;
  int separator_ = 0;
  std::vector<CCsvLine> lines_;
  int maxCells_ = 0;
};

#include "import/CsvTable.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "import/TextDecoding.h"

namespace {

std::vector<std::string_view> PhysicalLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// Splits one logical line into cells.
class CCellSplitter {
 public:
  explicit CCellSplitter(int separator)
      : hasSeparator_(separator > 0 && separator < 128 && separator != '"'),
        separator_(hasSeparator_ ? static_cast<char>(separator) : '\0') {}

  // Takes the text of one physical line; returns whether it ends inside
  // quotes.
  bool Feed(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
      // Plain characters go in as one run up to the next quote or separator.
      std::size_t special = at;
      while (special < text.size() && text[special] != '"' && !IsSeparator(text[special])) ++special;
      cell_.append(text.substr(at, special - at));
      if (special == text.size()) break;
      at = special + 1;
      if (text[special] != '"') {
        if (inQuotes_) cell_ += text[special];
        else EndCell(false);
      } else if (inQuotes_ && at < text.size() && text[at] == '"') {
        cell_ += '"';
        ++at;
      } else {
        inQuotes_ = !inQuotes_;
      }
    }
    return inQuotes_;
  }
  // The line goes on after a line break inside quotes.
  void Continue() { cell_ += ' '; }

  std::vector<std::optional<std::string>> Finish() {
    EndCell(true);
    return std::move(cells_);
  }

 private:
  void EndCell(bool last) {
    if (cell_.empty() && !last) cells_.emplace_back(std::nullopt);
    else cells_.emplace_back(std::move(cell_));
    cell_.clear();
  }

  bool IsSeparator(char c) const { return hasSeparator_ && c == separator_; }

  bool hasSeparator_;
  char separator_;
  bool inQuotes_ = false;
  std::string cell_;
  std::vector<std::optional<std::string>> cells_;
};

// The cells of the logical line starting at physical line `first`; `used`
// is set to the number of physical lines it took.
std::vector<std::optional<std::string>> SplitLogicalLine(const std::vector<std::string_view>& physical,
                                                         std::size_t first, int separator, std::size_t& used) {
  CCellSplitter splitter(separator);
  std::size_t next = first;
  bool open = splitter.Feed(physical[next++]);
  while (open && next < physical.size()) {
    splitter.Continue();
    open = splitter.Feed(physical[next++]);
  }
  if (open) {
    // Never closed: the quote ends with its own line.
    CCellSplitter alone(separator);
    alone.Feed(physical[first]);
    used = 1;
    return alone.Finish();
  }
  used = next - first;
  return splitter.Finish();
}

bool IsBlankText(std::string_view text) { return text.find_first_not_of(" \t\r\n\f") == std::string_view::npos; }

}  // namespace

void CCsvTable::Clear() {
  lines_.clear();
  maxCells_ = 0;
}

void CCsvTable::ReadText(std::string_view text, int separator) {
  Clear();
  separator_ = separator;
  const std::vector<std::string_view> physical = PhysicalLines(text);
  lines_.reserve(physical.size());
  for (std::size_t at = 0; at < physical.size();) {
    std::size_t used = 0;
    CCsvLine& line = lines_.emplace_back();
    line.number = LineCount();
    line.cells = SplitLogicalLine(physical, at, separator, used);
    maxCells_ = std::max(maxCells_, static_cast<int>(line.cells.size()));
    at += used;
  }
}

ECsvRead CCsvTable::Read(const std::string& path, int separator) {
  Clear();
  if (path.empty()) return ECsvRead::NoPath;
  const std::filesystem::path file(path);
  fileName_ = file.filename().string();
  folder_ = file.parent_path().string();
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return ECsvRead::NotFound;
  std::ifstream in(file, std::ios::binary);
  if (!in) return ECsvRead::NotFound;
  std::string bytes(std::filesystem::file_size(file, error), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (error || in.gcount() != static_cast<std::streamsize>(bytes.size())) return ECsvRead::NotFound;
  if (LooksLikeBinary(bytes)) return ECsvRead::NotText;
  const std::string text = DecodeBankFileText(bytes);
  if (IsBlankText(text)) return ECsvRead::Empty;
  ReadText(text, separator);
  return ECsvRead::Ok;
}

const std::string* CCsvTable::Cell(int lineNumber, int index) const {
  if (lineNumber < 1 || lineNumber > LineCount() || index < 0) return nullptr;
  const CCsvLine& line = lines_[lineNumber - 1];
  if (index >= static_cast<int>(line.cells.size()) || !line.cells[index]) return nullptr;
  return &*line.cells[index];
}

bool CCsvTable::CellPresent(int lineNumber, int index) const {
  const std::string* cell = Cell(lineNumber, index);
  return cell != nullptr && !cell->empty();
}

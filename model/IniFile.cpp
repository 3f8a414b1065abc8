#include "model/IniFile.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
  const std::size_t begin = text.find_first_not_of(kBlanks);
  if (begin == std::string_view::npos) return {};
  const std::size_t end = text.find_last_not_of(kBlanks);
  return text.substr(begin, end - begin + 1);
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool IsComment(std::string_view trimmed) {
  return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

// The name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.size() < 2 || trimmed.front() != '[') return std::nullopt;
  const std::size_t close = trimmed.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(trimmed.substr(1, close - 1));
}

// The key of a "key=value" line, or nullopt for any other line.
std::optional<std::string_view> KeyName(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (IsComment(trimmed)) return std::nullopt;
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Trim(trimmed.substr(0, equals));
}

std::string ValueOfLine(std::string_view line) {
  std::string_view value = Trim(line.substr(line.find('=') + 1));
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
  return std::string(value);
}

std::string KeyLine(std::string_view key, std::string_view value) {
  return std::string(key) + "=" + std::string(value);
}

std::vector<std::string> SplitLines(std::string_view text, bool& crlf) {
  std::vector<std::string> lines;
  crlf = text.find("\r\n") != std::string_view::npos;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    pos = end + 1;
  }
  return lines;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return content;
}

}  // namespace

CIniFile::LoadResult CIniFile::Load(const std::filesystem::path& path) {
  lines_.clear();
  lineEnd_ = "\n";
  byteOrderMark_ = false;
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return LoadResult::Missing;
  if (error || status.type() != std::filesystem::file_type::regular) return LoadResult::Unreadable;
  const auto content = ReadWholeFile(path);
  if (!content) return LoadResult::Unreadable;
  std::string_view text = *content;
  if (text.starts_with(kByteOrderMark)) {
    byteOrderMark_ = true;
    text.remove_prefix(kByteOrderMark.size());
  }
  bool crlf = false;
  lines_ = SplitLines(text, crlf);
  if (crlf) lineEnd_ = "\r\n";
  return LoadResult::Read;
}

std::optional<std::size_t> CIniFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionName(lines_[i]);
    if (name && EqualNoCase(*name, section)) return i;
  }
  return std::nullopt;
}

std::size_t CIniFile::SectionEnd(std::size_t headerLine) const {
  std::size_t end = headerLine + 1;
  while (end < lines_.size() && !SectionName(lines_[end])) ++end;
  return end;
}

std::optional<std::size_t> CIniFile::FindKey(std::size_t headerLine, std::string_view key) const {
  const std::size_t end = SectionEnd(headerLine);
  for (std::size_t i = headerLine + 1; i < end; ++i) {
    const auto name = KeyName(lines_[i]);
    if (name && EqualNoCase(*name, key)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> CIniFile::Value(std::string_view section, std::string_view key) const {
  const auto header = FindSection(section);
  if (!header) return std::nullopt;
  const auto line = FindKey(*header, key);
  if (!line) return std::nullopt;
  return ValueOfLine(lines_[*line]);
}

void CIniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  const auto header = FindSection(section);
  if (!header) {
    AddSection(section, KeyLine(key, value));
    return;
  }
  if (const auto line = FindKey(*header, key)) {
    lines_[*line] = KeyLine(key, value);
    return;
  }
  // After the section's last line that is not blank, so that the blank line
  // before the next section stays where it is.
  std::size_t insertAt = SectionEnd(*header);
  while (insertAt > *header + 1 && Trim(lines_[insertAt - 1]).empty()) --insertAt;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), KeyLine(key, value));
}

void CIniFile::AddSection(std::string_view section, std::string line) {
  if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
  lines_.push_back("[" + std::string(section) + "]");
  lines_.push_back(std::move(line));
}

std::string CIniFile::Text() const {
  std::string text = byteOrderMark_ ? std::string(kByteOrderMark) : std::string();
  for (const std::string& line : lines_) text += line + lineEnd_;
  return text;
}

int CIniFile::Save(const std::filesystem::path& path) const {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    const std::string text = Text();
    if (!out || !out.write(text.data(), static_cast<std::streamsize>(text.size())) || !out.flush()) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return 0;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (!error) return 1;
  std::filesystem::remove(temporary, error);
  return 0;
}

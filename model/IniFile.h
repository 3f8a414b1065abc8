#pragma once

// CIniFile: a small ini file ("[section]" lines and "key=value" lines) read
// into memory, changed, and written back with everything else it holds left
// as it was: other sections, other keys, comments, blank lines, the order of
// the lines and their line ends.
//
// Section and key names compare without regard to ASCII case. A value is the
// text after the first "=", without surrounding blanks and without one pair
// of enclosing double quotes. Lines beginning with ";" or "#" are comments.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CIniFile {
 public:
  enum class LoadResult {
    Read,       // the file was read
    Missing,    // there is no such file; the ini is empty
    Unreadable  // the file exists but cannot be read; the ini is empty
  };

  // Replaces the contents with the file at path.
  LoadResult Load(const std::filesystem::path& path);

  // The value of key in section; nullopt when the section or the key is
  // missing. The first occurrence counts.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;

  // Sets key in section to value: the key's line is replaced where it exists,
  // else the key is added at the end of the section, else the section is
  // added at the end of the file. REQUIRES: no line break in section, key
  // or value.
  void SetValue(std::string_view section, std::string_view key, std::string_view value);

  // The contents as they would be written.
  std::string Text() const;

  // Writes the contents to path through a temporary file that replaces the
  // old one only when it is complete, so a failed write leaves the old file
  // as it was. Returns 1 on success, 0 on failure.
  int Save(const std::filesystem::path& path) const;

 private:
  std::optional<std::size_t> FindSection(std::string_view section) const;
  std::size_t SectionEnd(std::size_t headerLine) const;
  std::optional<std::size_t> FindKey(std::size_t headerLine, std::string_view key) const;
  void AddSection(std::string_view section, std::string line);

  std::vector<std::string> lines_;
  std::string lineEnd_ = "\n";
  bool byteOrderMark_ = false;
};

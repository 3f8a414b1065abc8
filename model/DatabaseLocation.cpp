#include "model/DatabaseLocation.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "model/IniFile.h"
#include "storage/Format.h"
#include "storage/StrFormat.h"

namespace {

constexpr std::string_view kUnreadableText = "Die Datei %s kann nicht gelesen werden.";
constexpr std::string_view kUnwritableText = "Die Datei %s kann nicht geschrieben werden.";
constexpr std::string_view kTooLongText = "Der Eintrag %s in der Datei %s ist länger als %d Zeichen.";
constexpr std::string_view kDirectoryTooLongText = "Das Programmverzeichnis %s ist länger als %d Zeichen.";
constexpr std::string_view kLineBreakText = "Der Eintrag %s darf keinen Zeilenumbruch enthalten.";

std::string JoinPath(std::string_view directory, std::string_view name) {
  if (directory.empty()) return std::string(name);
  if (directory.back() == '/') return std::string(directory) + std::string(name);
  return std::string(directory) + "/" + std::string(name);
}

std::string WithoutTrailingSlash(std::string directory) {
  while (directory.size() > 1 && directory.back() == '/') directory.pop_back();
  return directory;
}

std::string WithForwardSlashes(std::string_view path) {
  std::string result(path);
  std::replace(result.begin(), result.end(), '\\', '/');
  return result;
}

std::string DatabaseDirectory(std::string_view programDirectory, std::string_view pathValue) {
  const std::string path = WithForwardSlashes(pathValue);
  if (path.starts_with('/')) return path;
  if (!path.starts_with('.')) return JoinPath(programDirectory, path);
  std::string_view relative = std::string_view(path).substr(1);
  if (relative.starts_with('/')) relative.remove_prefix(1);
  return relative.empty() ? std::string(programDirectory) : JoinPath(programDirectory, relative);
}

std::string ValueOrDefault(const std::optional<std::string>& value, std::string_view fallback) {
  return (value && !value->empty()) ? *value : std::string(fallback);
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// Empty when text fits, else the message naming key.
std::string CheckLength(std::string_view text, std::size_t limit, std::string_view key, std::string_view iniPath) {
  if (Utf8Length(text) <= limit) return {};
  return StrFormat(kTooLongText, key, iniPath, limit);
}

}  // namespace

CDatabaseLocation ResolveDatabaseLocation(std::string_view programDirectory, const CDatabaseSettings& settings) {
  const std::string name = settings.name.empty() ? std::string(kDefaultDatabaseName) : settings.name;
  const std::string path = settings.path.empty() ? std::string(kDefaultDatabasePath) : settings.path;
  CDatabaseLocation location;
  location.fileName = name;
  location.fullPath = JoinPath(DatabaseDirectory(programDirectory, path), name);
  location.directory = location.fullPath.substr(0, location.fullPath.size() - name.size());
  return location;
}

CProgramDirectory::CProgramDirectory(std::string directory) : directory_(WithoutTrailingSlash(std::move(directory))) {}

CProgramDirectory CProgramDirectory::FromWorkingDirectory() {
  std::error_code error;
  const std::filesystem::path current = std::filesystem::current_path(error);
  return CProgramDirectory(error ? std::string(".") : current.string());
}

std::string CProgramDirectory::IniPath() const { return JoinPath(directory_, kIniFileName); }
std::string CProgramDirectory::HelpFilePath() const { return JoinPath(directory_, kHelpFileName); }
std::string CProgramDirectory::DebugLogPath() const { return JoinPath(directory_, kDebugLogFileName); }

CSettingsRead CProgramDirectory::ReadDatabaseSettings() const {
  CSettingsRead read;
  read.settings = {std::string(kDefaultDatabaseName), std::string(kDefaultDatabasePath)};
  CIniFile ini;
  const std::string iniPath = IniPath();
  if (ini.Load(iniPath) == CIniFile::LoadResult::Unreadable) {
    read.message = StrFormat(kUnreadableText, iniPath);
    return read;
  }
  read.settings.name = ValueOrDefault(ini.Value(kIniDatabaseSection, kIniDatabaseNameKey), kDefaultDatabaseName);
  read.settings.path = ValueOrDefault(ini.Value(kIniDatabaseSection, kIniDatabasePathKey), kDefaultDatabasePath);
  read.message = CheckLength(read.settings.name, kMaxDatabaseNameCharacters, kIniDatabaseNameKey, iniPath);
  if (read.message.empty()) {
    read.message = CheckLength(read.settings.path, kMaxDatabasePathCharacters, kIniDatabasePathKey, iniPath);
  }
  read.ok = read.message.empty() ? 1 : 0;
  return read;
}

CLocationRead CProgramDirectory::LocateDatabase() const {
  CLocationRead located;
  if (Utf8Length(directory_) > kMaxProgramDirectoryCharacters) {
    located.message = StrFormat(kDirectoryTooLongText, directory_, kMaxProgramDirectoryCharacters);
    return located;
  }
  const CSettingsRead read = ReadDatabaseSettings();
  if (!read.ok) {
    located.message = read.message;
    return located;
  }
  located.location = ResolveDatabaseLocation(directory_, read.settings);
  located.ok = 1;
  return located;
}

int CProgramDirectory::WriteDatabaseSettings(const CDatabaseSettings& settings, std::string& message) const {
  for (const auto& [key, value] : {std::pair{kIniDatabaseNameKey, std::string_view(settings.name)},
                                   std::pair{kIniDatabasePathKey, std::string_view(settings.path)}}) {
    if (HasLineBreak(value)) {
      message = StrFormat(kLineBreakText, key);
      return 0;
    }
  }
  CIniFile ini;
  const std::string iniPath = IniPath();
  if (ini.Load(iniPath) == CIniFile::LoadResult::Unreadable) {
    message = StrFormat(kUnreadableText, iniPath);
    return 0;
  }
  ini.SetValue(kIniDatabaseSection, kIniDatabaseNameKey, settings.name);
  ini.SetValue(kIniDatabaseSection, kIniDatabasePathKey, settings.path);
  if (!ini.Save(iniPath)) {
    message = StrFormat(kUnwritableText, iniPath);
    return 0;
  }
  return 1;
}

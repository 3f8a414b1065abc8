#pragma once

// Where the program finds its files: the program directory (the working
// directory at start) holds the ini file "Pellwick.ini", the debug log and
// the help file; the ini file's section "database" names the database file.
//
//   [database]
//   database_name=Pellwick.db
//   database_path=.
//
// Missing file, missing keys and empty values give the defaults. The
// directory value follows the point rules: a value beginning with a point is
// relative to the program directory ("." and "./" are the program directory
// itself, "./daten" its subdirectory daten; the point is dropped, and with it
// a separator right after it, so "../daten" is the program directory followed
// by "./daten"). Any other relative value is relative to the program
// directory too, an absolute one is used as it stands. Backslashes of values
// written on other systems count as "/".
//
// Values longer than the limits below are not cut (a cut name or directory
// would silently name another, empty database): reading reports them.

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::string_view kIniFileName = "Pellwick.ini";
inline constexpr std::string_view kHelpFileName = "Pellwick.chm";
inline constexpr std::string_view kDebugLogFileName = "debug.log";
inline constexpr std::string_view kIniDatabaseSection = "database";
inline constexpr std::string_view kIniDatabaseNameKey = "database_name";
inline constexpr std::string_view kIniDatabasePathKey = "database_path";
inline constexpr std::string_view kDefaultDatabaseName = "Pellwick.db";
inline constexpr std::string_view kDefaultDatabasePath = ".";
inline constexpr std::size_t kMaxDatabaseNameCharacters = 39;
inline constexpr std::size_t kMaxDatabasePathCharacters = 199;
inline constexpr std::size_t kMaxProgramDirectoryCharacters = 199;

// The two values of the section "database" as written in the file.
struct CDatabaseSettings {
  std::string name;  // database_name
  std::string path;  // database_path
  friend bool operator==(const CDatabaseSettings&, const CDatabaseSettings&) = default;
};

// The database file, resolved.
struct CDatabaseLocation {
  std::string fullPath;   // directory followed by fileName
  std::string fileName;   // the name as given
  std::string directory;  // fullPath without fileName, ending in "/"
  friend bool operator==(const CDatabaseLocation&, const CDatabaseLocation&) = default;
};

// The point rules on settings (empty values count as the defaults).
// programDirectory is absolute.
CDatabaseLocation ResolveDatabaseLocation(std::string_view programDirectory, const CDatabaseSettings& settings);

struct CSettingsRead {
  int ok = 0;                  // 1 when the values can be used
  CDatabaseSettings settings;  // defaults filled in, never cut; filled also when ok is 0
  std::string message;         // German text saying what is wrong when ok is 0
};

struct CLocationRead {
  int ok = 0;
  CDatabaseLocation location;  // valid when ok is 1
  std::string message;         // German text saying what is wrong when ok is 0
};

// The program directory and the files in it. The directory is given, so that
// tests can use a temporary folder; the program passes the working directory.
class CProgramDirectory {
 public:
  explicit CProgramDirectory(std::string directory);

  // The process's working directory.
  static CProgramDirectory FromWorkingDirectory();

  const std::string& Directory() const { return directory_; }
  std::string IniPath() const;
  std::string HelpFilePath() const;
  std::string DebugLogPath() const;

  // The ini values with the defaults, unresolved (what the database screen
  // shows). Not ok when the ini file exists but cannot be read or a value is
  // longer than its limit.
  CSettingsRead ReadDatabaseSettings() const;

  // The database file as start-up opens it. Not ok when the settings are not
  // or the program directory is longer than its limit. Writes nothing.
  CLocationRead LocateDatabase() const;

  // Writes both values as they stand into the ini file, creating file,
  // section or keys as needed and keeping everything else in it. Returns 1;
  // 0 with a German message when a value holds a line break or the file
  // cannot be read or written (the file is then unchanged).
  int WriteDatabaseSettings(const CDatabaseSettings& settings, std::string& message) const;

 private:
  std::string directory_;
};

#pragma once

// CDebugLog: the program's debug log "debug.log", plain UTF-8 text, one event
// per line, no time stamps. Opening truncates the file, so the log always
// tells about the current run only. Every line is flushed at once, so lines
// written before a crash are on disk.
//
// A log that cannot be created is no error: nothing is written and the
// program goes on. Owned by CBookData; user-interface thread only.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>

#include "storage/StrFormat.h"

class CDebugLog {
 public:
  CDebugLog() = default;
  // Writes "Debugdatei geschlossen." when the log is open.
  ~CDebugLog();

  CDebugLog(const CDebugLog&) = delete;
  CDebugLog& operator=(const CDebugLog&) = delete;

  // Creates or truncates the file and writes "Debugdatei geöffnet.". A log
  // that was open before is closed silently first. Returns 1 when the file
  // is open, 0 when it could not be created (nothing is logged then).
  int Open(const std::filesystem::path& fileName);

  bool IsOpen() const { return file_ != nullptr; }
  const std::filesystem::path& FileName() const { return fileName_; }

  // Writes line and a line feed; nothing when the log is not open. Line
  // breaks inside line become blanks, so one call stays one line.
  void Write(std::string_view line);

  // Writes a line formatted with StrFormat (the same REQUIRES), e.g.
  // WriteFormatted("open Dialog %d.", 118).
  template <class... Args>
  void WriteFormatted(std::string_view format, const Args&... args) {
    if (IsOpen()) Write(StrFormat(format, args...));
  }

 private:
  struct CFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  std::filesystem::path fileName_;
  std::unique_ptr<std::FILE, CFileCloser> file_;
};

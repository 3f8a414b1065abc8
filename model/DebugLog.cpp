#include "model/DebugLog.h"

#include <string>

namespace {

constexpr std::string_view kOpenedLine = "Debugdatei geöffnet.";
constexpr std::string_view kClosedLine = "Debugdatei geschlossen.";

std::string OneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return line;
}

}  // namespace

CDebugLog::~CDebugLog() {
  if (IsOpen()) Write(kClosedLine);
}

int CDebugLog::Open(const std::filesystem::path& fileName) {
  file_.reset(std::fopen(fileName.c_str(), "w"));
  fileName_ = fileName;
  if (!IsOpen()) return 0;
  Write(kOpenedLine);
  return 1;
}

void CDebugLog::Write(std::string_view line) {
  if (!IsOpen()) return;
  const std::string text = OneLine(line) + '\n';
  std::fwrite(text.data(), 1, text.size(), file_.get());
  std::fflush(file_.get());
}

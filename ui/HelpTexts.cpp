#include "ui/HelpTexts.h"

#include <charconv>
#include <fstream>
#include <sstream>

#include "storage/StrFormat.h"

namespace {

// The topic of a line "[1234]", or 0 when the line is no section head.
int SectionTopic(std::string_view line) {
  if (line.size() < 3 || line.front() != '[' || line.back() != ']') return 0;
  int topic = 0;
  const std::string_view digits = line.substr(1, line.size() - 2);
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), topic);
  return result.ec == std::errc() && result.ptr == digits.data() + digits.size() && topic > 0 ? topic : 0;
}

void DropTrailingLineBreaks(std::string& text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
}

}  // namespace

CHelpTexts CHelpTexts::FromText(std::string_view content) {
  CHelpTexts texts;
  std::istringstream lines{std::string(content)};
  std::string line;
  int topic = 0;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (const int next = SectionTopic(line); next != 0) {
      topic = next;
      texts.texts_[topic].clear();
    } else if (topic != 0) {
      texts.texts_[topic] += line + "\n";
    }
  }
  for (auto& [number, text] : texts.texts_) DropTrailingLineBreaks(text);
  return texts;
}

CHelpTexts CHelpTexts::FromFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return {};
  std::ostringstream content;
  content << in.rdbuf();
  return FromText(content.str());
}

const std::string& CHelpTexts::Text(int topic) const {
  static const std::string none;
  const auto found = texts_.find(topic);
  return found == texts_.end() ? none : found->second;
}

std::filesystem::path CHelpLocation::FirstWithStartPage(const std::vector<std::filesystem::path>& candidates) {
  std::error_code ignored;
  for (const auto& folder : candidates)
    if (std::filesystem::exists(folder / kHelpStartPage, ignored)) return folder;
  return candidates.empty() ? std::filesystem::path() : candidates.back();
}

void CHelpLocation::SetFolder(std::filesystem::path folder) {
  folder_ = std::move(folder);
  texts_ = CHelpTexts::FromFile(folder_ / kHelpTextFileName);
}

std::string CHelpLocation::PageOfScreen(int dialogId) const {
  const std::string page = StrFormat("dialog%d.html", dialogId);
  std::error_code ignored;
  return std::filesystem::exists(folder_ / page, ignored) ? page : std::string(kHelpStartPage);
}

CHelpLocation& ProcessHelp() {
  static CHelpLocation location;
  return location;
}

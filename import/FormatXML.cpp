#include "import/FormatXML.h"

#include "storage/Format.h"

#include <expat.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

namespace {

constexpr std::array<std::string_view, header_key::kCount + 1> kElementNames = {
    "",
    "header_datum",
    "header_verwendung",
    "header_betrag",
    "header_betrag_haben",
    "header_betrag_soll",
    "header_konto",
    "header_kontostand",
    "header_kontostand_neu",
    "header_kontostand_alt",
    "header_waehrung",
    "header_vorzeichen",
};

// The order in which the keys' entries follow each other in the list.
constexpr std::array<int, header_key::kCount> kListOrder = {1, 2, 3, 4, 5, 6, 7, 9, 8, 10, 11};

// Older files write umlauts as escaped HTML entities ("&amp;auml;"), which
// arrive here as "&auml;".
constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kEntities = {{
    {"&Auml;", "Ä"},
    {"&Ouml;", "Ö"},
    {"&Uuml;", "Ü"},
    {"&szlig;", "ß"},
    {"&auml;", "ä"},
    {"&ouml;", "ö"},
    {"&uuml;", "ü"},
}};

constexpr char kNamespaceSeparator = '\x1f';

std::string ReplaceEntities(std::string text) {
  for (const auto& [entity, character] : kEntities) {
    for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at)) {
      text.replace(at, entity.size(), character);
      at += character.size();
    }
  }
  return text;
}

int KeyOfElement(std::string_view name) {
  // With namespace processing a qualified name arrives as "uri<sep>local".
  if (const std::size_t sep = name.rfind(kNamespaceSeparator); sep != std::string_view::npos) name.remove_prefix(sep + 1);
  for (int key = 1; key <= header_key::kCount; ++key) {
    if (kElementNames[key] == name) return key;
  }
  return 0;
}

// The SAX side: entries of each key in document order. An entry is taken at
// the end of its element.
struct CParseState {
  std::array<std::vector<std::string>, header_key::kCount + 1> textsByKey;
  std::vector<std::pair<int, std::string>> open;  // key 0: another element
};

void XMLCALL StartElement(void* user, const XML_Char* name, const XML_Char** attributes) {
  auto& state = *static_cast<CParseState*>(user);
  const int key = KeyOfElement(name);
  std::string text;
  for (int i = 0; key != 0 && attributes[i] != nullptr; i += 2) {
    if (std::string_view(attributes[i]) == "bezeichnung") text = attributes[i + 1];
  }
  state.open.emplace_back(key, std::move(text));
}

void XMLCALL EndElement(void* user, const XML_Char*) {
  auto& state = *static_cast<CParseState*>(user);
  if (state.open.empty()) return;
  auto [key, text] = std::move(state.open.back());
  state.open.pop_back();
  if (key != 0) state.textsByKey[key].push_back(std::move(text));
}

bool ReadFile(const std::filesystem::path& fileName, std::string& content) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return false;
  content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool Parse(const std::string& content, CParseState& state) {
  XML_Parser parser = XML_ParserCreateNS(nullptr, kNamespaceSeparator);
  if (parser == nullptr) return false;
  XML_SetUserData(parser, &state);
  XML_SetElementHandler(parser, StartElement, EndElement);
  const bool parsed = XML_Parse(parser, content.data(), static_cast<int>(content.size()), 1) == XML_STATUS_OK;
  XML_ParserFree(parser);
  return parsed;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
  if (part.size() > text.size()) return false;
  for (std::size_t at = 0; at + part.size() <= text.size(); ++at) {
    if (EqualIgnoringAsciiCase(text.substr(at, part.size()), part)) return true;
  }
  return false;
}

int Relation(std::string_view text, std::string_view name) {
  if (text == name) return 10;
  if (EqualIgnoringAsciiCase(text, name)) return 8;
  if (text.starts_with(name)) return 5;
  if (EqualIgnoringAsciiCase(text.substr(0, name.size()), name)) return 3;
  if (text.find(name) != std::string_view::npos) return 2;
  if (ContainsIgnoringCase(text, name)) return 1;
  return 0;
}

}  // namespace

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

std::string_view CFormatXML::ElementName(int key) {
  return key >= 1 && key <= header_key::kCount ? kElementNames[key] : std::string_view();
}

CFormatXML::CFormatXML(std::filesystem::path installedFile) : installedFile_(std::move(installedFile)) {}

void CFormatXML::Load(const std::string& fileName) {
  std::error_code ignored;
  const bool local = std::filesystem::is_regular_file(fileName, ignored);
  Read(local || installedFile_.empty() ? std::filesystem::path(fileName) : installedFile_);
}

int CFormatXML::Read(const std::filesystem::path& fileName) {
  entries_.clear();
  for (CRange& range : ranges_) range = CRange();
  std::printf("\nParsing document: %s\n", fileName.string().c_str());
  std::fflush(stdout);

  std::string content;
  CParseState state;
  // A damaged file counts as missing: half a list would make the
  // recognition depend on where the damage sits.
  if (!ReadFile(fileName, content) || !Parse(content, state)) return 0;

  for (int key : kListOrder) {
    ranges_[key].first = entries_.size();
    for (std::string& text : state.textsByKey[key]) {
      const int number = static_cast<int>(entries_.size());
      entries_.push_back({key, number, TruncateUtf8(ReplaceEntities(std::move(text)), kMaxTextLength)});
    }
    ranges_[key].count = entries_.size() - ranges_[key].first;
  }
  return 1;
}

const CFormatXMLEntry* CFormatXML::Entry(int key, int k) const {
  if (key < 1 || key > header_key::kCount || k < 0) return nullptr;
  const CRange& range = ranges_[key];
  return static_cast<std::size_t>(k) < range.count ? &entries_[range.first + k] : nullptr;
}

bool CFormatXML::Entry(int key, int k, std::string& text) const {
  const CFormatXMLEntry* entry = Entry(key, k);
  if (entry != nullptr) text = entry->text;
  return entry != nullptr;
}

int CFormatXML::Match(int key, std::string_view text) const {
  if (key < 1 || key > header_key::kCount || Utf8Length(text) >= kMaxMatchLength) return 0;
  const CRange& range = ranges_[key];
  for (std::size_t i = range.first; i < range.first + range.count; ++i) {
    // An empty name would fit every text.
    if (entries_[i].text.empty()) continue;
    if (const int score = Relation(text, entries_[i].text); score > 0) return score;
  }
  return 0;
}

// The program may be installed under another prefix than the one it was
// built for: next to the running program comes first.
std::filesystem::path InstalledFormatXML() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    const std::filesystem::path besideProgram =
        program.parent_path().parent_path() / "share" / "pellwick" / kFormatXmlFileName;
    if (std::filesystem::is_regular_file(besideProgram, error)) return besideProgram;
  }
  return PELLWICK_INSTALLED_FORMAT_XML;
}

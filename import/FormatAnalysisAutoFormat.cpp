#include "import/FormatAnalysisAutoFormat.h"

#include <filesystem>

#include "import/CsvTable.h"
#include "import/FormatAnalysis.h"
#include "import/FormatXML.h"
#include "import/ImportFormat.h"
#include "import/ImportPacket.h"
#include "import/RulesMadeByProgram.h"
#include "storage/Format.h"
#include "storage/StrFormat.h"

namespace {

constexpr std::size_t kMaxName = 51;
constexpr std::size_t kMaxNameMark = 99;
constexpr std::size_t kMaxExtension = 19;

bool IsStandardFormat(const CImportFormatData& format) { return EqualIgnoringAsciiCase(format.Bezeichnung, "Standard"); }

// A format the file is bound to and that no user named "Standard".
CImportFormatData* BoundFormat(CImportFormat& formats, const std::string& fileName) {
  const CImportFormatData* bound = formats.FindForFileName(fileName);
  if (bound == nullptr || IsStandardFormat(*bound)) return nullptr;
  return formats.FindId(bound->ImportFormatId);
}

void BindToFile(CImportFormatData& format, const CCsvTable& table) {
  const std::filesystem::path file(table.FileName());
  std::string extension = file.extension().string();
  if (!extension.empty()) extension.erase(0, 1);
  format.Seperator = table.Separator();
  format.AutoReadInPath = 1;
  format.DateiNameGleich = 1;
  format.DateiNameTeilweiseGleich = 0;
  format.DateiEndungGleich = 1;
  format.DateiNameKennstring = TruncateUtf8(file.stem().string(), kMaxNameMark);
  format.DateiEndung = TruncateUtf8(extension, kMaxExtension);
}

}  // namespace

std::string AutoFormatName(const CImportFormat& formats, const std::string& fileName) {
  const std::string base = TruncateUtf8(std::string(kAutoFormatText) + " " + fileName, kMaxName);
  std::string name = base;
  for (int number = 2; formats.FindName(name) != nullptr; ++number) {
    const std::string suffix = StrFormat(" (%d)", number);
    name = TruncateUtf8(base, kMaxName - suffix.size()) + suffix;
  }
  return name;
}

int RecogniseIntoFormat(CImportFormatData& format, CImportRegel& rules, const CCsvTable& table,
                        CFormatAnalysis& analysis, int mainAccountId) {
  if (analysis.Recognise(table, format) == 0) return 0;
  PrepareRulesForFormat(rules, format.ImportFormatId, analysis.BalanceText(), analysis.BalanceKind(), mainAccountId);
  return 1;
}

CImportFormatData* RecogniseAutoFormat(CImportFormat& formats, CImportRegel& rules, const CCsvTable& table,
                                       CFormatAnalysis& analysis, int mainAccountId) {
  CImportFormatData recognised;
  if (CImportFormatData* bound = BoundFormat(formats, table.FileName())) recognised.CopySettingsFrom(*bound);
  if (analysis.Recognise(table, recognised) == 0) return nullptr;

  CImportFormatData* format = BoundFormat(formats, table.FileName());
  if (format == nullptr) {
    format = &formats.New();
    format->Bezeichnung = AutoFormatName(formats, table.FileName());
  }
  format->CopySettingsFrom(recognised);
  BindToFile(*format, table);
  PrepareRulesForFormat(rules, format->ImportFormatId, analysis.BalanceText(), analysis.BalanceKind(), mainAccountId);
  return format;
}

const CFormatXML* HeaderNamesOf(CImportPacket& packet) { return dynamic_cast<const CFormatXML*>(packet.FormatXML()); }

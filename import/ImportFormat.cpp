#include "import/ImportFormat.h"

#include <filesystem>
#include <variant>

namespace {

constexpr int kSemicolon = 59;

bool IsIdOrName(std::string_view column) { return column == "ImportFormatId" || column == "Bezeichnung"; }

}  // namespace

void CImportFormatData::CopySettingsFrom(const CImportFormatData& other) {
  int noBook = 0;
  const CFieldTable target = Fields(noBook);
  const CFieldTable source = const_cast<CImportFormatData&>(other).Fields(noBook);
  for (std::size_t i = 0; i < target.Fields().size(); ++i) {
    if (IsIdOrName(target.Fields()[i].Name())) continue;
    std::visit([&](auto* to) { *to = *std::get<decltype(to)>(source.Fields()[i].Member()); },
               target.Fields()[i].Member());
  }
}

bool CImportFormatData::FitsFileName(std::string_view fileName) const {
  if (IsDeleted() || AutoReadInPath == 0) return false;
  const std::filesystem::path file(fileName);
  if (DateiEndungGleich != 0 && file.extension().string().find(DateiEndung) == std::string::npos) return false;
  if (DateiNameGleich == 0) return true;
  const std::string name = file.stem().string();
  if (DateiNameTeilweiseGleich != 0) return name.find(DateiNameKennstring) != std::string::npos;
  return name == DateiNameKennstring;
}

bool CImportFormatData::HasAmountColumn() const {
  return SpaltenNrBetragHaben > 0 || (SpaltenNrBetragSoll > 0 && VorzeichenBetrag == 0);
}

bool CImportFormatData::HasBalanceColumn() const {
  return SpaltenNrKontostandHaben > 0 || (SpaltenNrKontostandSoll > 0 && VorzeichenKontostand == 0);
}

CImportFormatData& CImportFormat::NewDefault() {
  CImportFormatData& format = New();
  format.Bezeichnung = "Standard";
  format.Seperator = kSemicolon;
  return format;
}

const CImportFormatData* CImportFormat::FindName(std::string_view name) const {
  for (const CImportFormatData& format : *this)
    if (!format.IsDeleted() && format.Bezeichnung == name) return &format;
  return nullptr;
}

const CImportFormatData* CImportFormat::FindForFileName(std::string_view fileName) const {
  for (const CImportFormatData& format : *this)
    if (format.FitsFileName(fileName)) return &format;
  return nullptr;
}

std::vector<std::string> CImportFormat::ListNames(bool withAutoFormat) const {
  std::vector<std::string> names;
  if (withAutoFormat) names.emplace_back(kAutoFormatText);
  for (const CImportFormatData& format : *this)
    if (!format.IsDeleted()) names.push_back(format.Bezeichnung);
  return names;
}

int CImportFormat::IdOfChoice(std::optional<std::string_view> chosenText) const {
  if (!chosenText) return -1;
  const CImportFormatData* format = FindName(*chosenText);
  return format ? format->ImportFormatId : 0;
}

#include "import/ImportFiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "import/ImportFileParser.h"
#include "import/ImportFormat.h"
#include "import/ImportRecord.h"
#include "import/ImportTexts.h"
#include "model/Messages.h"

namespace {

void ShowReadFailure(ECsvRead result, const std::string& path) {
  switch (result) {
    case ECsvRead::Ok:
    case ECsvRead::NoPath: return;
    case ECsvRead::NotFound: ErrorString(137, path); return;
    case ECsvRead::Empty: ErrorText(StrFormat(kTextFileEmpty, path)); return;
    case ECsvRead::NotText: ErrorText(StrFormat(kTextFileNotText, path)); return;
  }
}

std::vector<std::filesystem::path> PlainFilesByName(const std::string& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    if (entry.is_regular_file(error)) files.push_back(entry.path());
  std::sort(files.begin(), files.end(),
            [](const auto& a, const auto& b) { return a.filename().string() < b.filename().string(); });
  return files;
}

}  // namespace

CImportFile* CImportFiles::Add(const std::string& path, int separator) {
  auto file = std::make_unique<CImportFile>(Count() + 1);
  const ECsvRead result = file->Table().Read(path, separator);
  if (result != ECsvRead::Ok) {
    ShowReadFailure(result, path);
    return nullptr;
  }
  return files_.emplace_back(std::move(file)).get();
}

int CImportFiles::AddFolder(const std::string& folder, const CImportFormat& formats) {
  int added = 0;
  for (const std::filesystem::path& path : PlainFilesByName(folder)) {
    const CImportFormatData* format = formats.FindForFileName(path.filename().string());
    if (format && Add(path.string(), format->Seperator)) ++added;
  }
  return added;
}

CImportFile* CImportFiles::Find(int number) {
  for (const auto& file : files_)
    if (file->Number() == number) return file.get();
  return nullptr;
}

void CImportFiles::ApplyFormats(const CImportFormat& formats, CTmpFileImport& records, const CAfterFile& afterFile) {
  for (const auto& file : files_) {
    const CImportFormatData* format = formats.FindForFileName(file->Table().FileName());
    if (!format) continue;
    const int firstRecord = records.Count();
    ParseFile(*file, *format, records);
    if (afterFile) afterFile(*file, firstRecord);
  }
}

int CImportFiles::ParseFile(const CImportFile& file, const CImportFormatData& format, CTmpFileImport& records) {
  CTmpFileImport::COwned parsed = CImportFileParser(file.Table(), format, file.Number()).Parse();
  const int count = static_cast<int>(parsed.size());
  const bool anyBooking = std::any_of(parsed.begin(), parsed.end(),
                                      [](const auto& record) { return record->kind == kImportKindEntry; });
  if (!anyBooking) WarningText(StrFormat(kTextNoRecords, file.Table().FileName(), format.Bezeichnung));
  records.Append(std::move(parsed));
  return count;
}

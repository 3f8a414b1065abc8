#pragma once
// CImportFormat: the bank file formats (table ImportFormat, shared by all
// books), and the choice of a format by file name. A format marked deleted
// is skipped by every search and list and deleted from the database by the
// next store.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "import/ImportRowList.h"
#include "storage/ImportTables.h"

// One format: which column holds what, which cells a line needs, the sign
// formats, the line rules and the file names it is chosen for.
class CImportFormatData : public CImportFormatRow {
 public:
  static constexpr const char* kLoadSql = "select * from [ImportFormat];";

  // Copies every setting of `other` except the id and the name.
  void CopySettingsFrom(const CImportFormatData& other);

  // Whether the format chooses itself for the file: it takes part in the
  // choice by name (AutoReadInPath), its extension test and its name test
  // pass. `fileName` may carry a folder.
  bool FitsFileName(std::string_view fileName) const;

  // Whether the format names a column for the amount of a booking, or for
  // the amount of a balance; a format without one reads no such records.
  bool HasAmountColumn() const;
  bool HasBalanceColumn() const;
};

// The entry of the format lists that lets the program choose the format.
inline constexpr std::string_view kAutoFormatText = "Auto-Format";

class CImportFormat : public CImportRowList<CImportFormatData, &CImportFormatRow::ImportFormatId> {
 public:
  // A new format with every field 0 or empty.
  CImportFormatData& New() { return AppendWithNewId(); }
  // A new format "Standard" with the semicolon as separator.
  CImportFormatData& NewDefault();

  // The first format of that exact name, not marked deleted; null if none.
  const CImportFormatData* FindName(std::string_view name) const;
  CImportFormatData* FindName(std::string_view name) {
    return const_cast<CImportFormatData*>(std::as_const(*this).FindName(name));
  }
  // The first format that chooses itself for the file name; null if none.
  const CImportFormatData* FindForFileName(std::string_view fileName) const;

  // The names of the formats not marked deleted, in list order, after
  // "Auto-Format" when asked for.
  std::vector<std::string> ListNames(bool withAutoFormat) const;
  // The id of the entry chosen in such a list: -1 when nothing is chosen,
  // 0 when the text names no format (as "Auto-Format").
  int IdOfChoice(std::optional<std::string_view> chosenText) const;
};

#pragma once
// CImportFiles: the bank files chosen for the import (one file, or the
// files of a folder), each read into a table of cells, and their parse into
// import records with the formats chosen by their names.
//
// Reading tells the user what went wrong through the message sink
// (model/Messages.h): STRING 137 for a file that cannot be opened, and the
// texts of import/ImportTexts.h for an empty file, a file that is no text
// and a file in which a format finds no bookings. Callers show nothing more.
// User-interface thread only.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "import/CsvTable.h"

class CImportFormat;
class CImportFormatData;
class CTmpFileImport;

class CImportFile {
 public:
  explicit CImportFile(int number) : number_(number) {}

  // 1-based within the set.
  int Number() const { return number_; }
  CCsvTable& Table() { return table_; }
  const CCsvTable& Table() const { return table_; }
  // The format chosen for the file on the format screen; null until then.
  // Non-owning: the format belongs to the format collection.
  const CImportFormatData* format = nullptr;

 private:
  int number_;
  CCsvTable table_;
};

class CImportFiles {
 public:
  // Reads the file with the separator (a character code) and appends it
  // with number count + 1. Null, with the reason shown, when the file cannot
  // be read, is empty or is no text; an empty path reads nothing and shows
  // nothing.
  CImportFile* Add(const std::string& path, int separator);
  // Adds every plain file of the folder, sorted by name, for which a format
  // chooses itself by the file's name, read with that format's separator.
  // Returns how many were added.
  int AddFolder(const std::string& folder, const CImportFormat& formats);

  // Discards all files; numbering starts again.
  void Clear() { files_.clear(); }
  int Count() const { return static_cast<int>(files_.size()); }
  // The file with the number, or null.
  CImportFile* Find(int number);

  // Parses every file with the format its name chooses and appends the
  // records to `records`; `afterFile` (when given) runs after each parsed
  // file, with the file and the position of its first record, so that the
  // records of that file can be assigned before the next one is read. A
  // file no format chooses gives no records. A file without bookings is
  // reported.
  using CAfterFile = std::function<void(const CImportFile& file, int firstRecord)>;
  void ApplyFormats(const CImportFormat& formats, CTmpFileImport& records, const CAfterFile& afterFile = {});

  // Parses one file with one format, appends its records and returns how
  // many; a file without bookings is reported.
  static int ParseFile(const CImportFile& file, const CImportFormatData& format, CTmpFileImport& records);

  std::vector<std::unique_ptr<CImportFile>>::const_iterator begin() const { return files_.begin(); }
  std::vector<std::unique_ptr<CImportFile>>::const_iterator end() const { return files_.end(); }

 private:
  std::vector<std::unique_ptr<CImportFile>> files_;
};

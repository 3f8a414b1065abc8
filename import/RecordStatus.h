#pragma once
// What the record lists show of an import record (its list line: texts,
// image and row colour by kind and check state), and the two changes of a
// record's assignment by hand: resetting it and marking it as not to be
// imported. User-interface thread only.

#include <string>

class CImportRecord;
class CUserImport;

inline constexpr int kNoImage = -1;
inline constexpr int kNoColour = -1;
inline constexpr const char* kTextNotToImport = "keine Übernahme";
inline constexpr std::size_t kListDescriptionLength = 200;

// "Ok", "Warnung", "Fehler", ... by check state (see RecordStatusColour).
std::string RecordStatusText(const CImportRecord& record);
// The colour table index of the record's row; kNoColour for none.
int RecordStatusColour(const CImportRecord& record);
// The image of the program's image list by kind and sign; kNoImage for an
// undetermined kind.
int RecordImage(const CImportRecord& record);

// The columns of a record list, in order, with image and row colour.
struct CImportListLine {
  std::string description;  // at most 200 characters
  std::string accountText;
  std::string date;    // "%02d.%02d.%04d", empty without a date
  std::string amount;  // two decimals in the German form
  std::string status;
  std::string transferText;
  int image = kNoImage;
  int colour = kNoColour;
};
CImportListLine RecordListLine(const CImportRecord& record);

// Takes back the record's assignment: its UserImport row is marked deleted
// and unlinked; format reference, rule, transfer text and data, due date,
// direct confirmation, check state, kind, assignment state and month are
// cleared.
void ResetRecord(CImportRecord& record);
// Resets the record and assigns it as "keine Übernahme": kind 1, check
// state 1, assigned; its UserImport row (found or new) records the same.
void MarkNotToImport(CImportRecord& record, CUserImport& userImports);

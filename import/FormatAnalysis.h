#pragma once
// CFormatAnalysis: works out the layout of a bank file nobody has described
// yet (header line, bookings, date, text and amount columns, debit or sign
// column, balance line) and writes it into an import format. The questions
// are put to an engine module of its own, one run per call, with the
// actions of FormatAnalysisActions.h.
//
// The debug log gets the engine's trace lines; the user gets one message
// when the layout cannot be recognised. User-interface thread only.

#include <memory>
#include <string>

#include "import/FormatAnalysisState.h"

class CCsvTable;
class CDebugLog;
class CFormatXML;
struct CImportFormatRow;

class CFormatAnalysis {
 public:
  // REQUIRES: names (and log, when given) outlive the analysis. Without a
  // log the trace goes to the book data's debug log when there is one.
  explicit CFormatAnalysis(const CFormatXML& names);
  CFormatAnalysis(const CFormatXML& names, CDebugLog* log);
  ~CFormatAnalysis();
  CFormatAnalysis(const CFormatAnalysis&) = delete;
  CFormatAnalysis& operator=(const CFormatAnalysis&) = delete;

  // Recognises the layout of table and, when it was recognised, fills the
  // column, mandatory, sign and line-rule fields of format; the name, the
  // separator and the file-name fields stay as they are. Returns 1 then.
  // When no layout is found (no numeric column, no bookings) the message
  // "Das Format der Datei konnte leider nicht erkannt werden. Bitte passen
  // sie es manuell an !" is shown, format is left unchanged and 0 returned.
  int Recognise(const CCsvTable& table, CImportFormatRow& format);

  // What the last run found, for the rules prepared for the format: the
  // text that identifies the balance line and whether it is the new
  // (closing, 1) or old (opening, 0) balance.
  const std::string& BalanceText() const { return result_.balanceText; }
  int BalanceKind() const { return result_.balanceKind; }
  // Everything the last run found (0-based columns, -1 none).
  const CRecognitionResult& Result() const { return result_; }

 private:
  bool Run(const CCsvTable& table);

  const CFormatXML& names_;
  CDebugLog* log_;
  CRecognitionResult result_;
};

// The message of a layout that cannot be recognised.
extern const char* const kFormatNotRecognised;

// Writes what a recognition found into format (column numbers are the
// indexes + 1, so "no column" becomes 0). lineCount is the file's.
void FillFormatFromResult(const CRecognitionResult& result, const CFormatXML& names, int lineCount,
                          CImportFormatRow& format);

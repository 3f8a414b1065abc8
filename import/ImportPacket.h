#pragma once
// CImportPacket: the import manager. It owns everything the bank import
// works with while the import records screen is open: the bank files, the
// formats, the rules, the transient import records, the UserImport rows and
// the header names of "format.xml". While it exists it is the program's
// current import manager (CurrentImportPacket), through which the format,
// rule and transfer screens and the contract screen reach it.
//
// Formats, rules and UserImport rows are loaded by Load and written by
// Store; nothing is written on destruction. User-interface thread only.

#include <memory>
#include <string>

#include "import/ImportFiles.h"
#include "import/ImportFormat.h"
#include "import/ImportRecord.h"
#include "import/ImportRegel.h"
#include "import/UserImport.h"

class CDatabase;
class CDebugLog;

// The reader of the header names in "format.xml", which the format
// recognition compares header cells with.
class IFormatXML {
 public:
  virtual ~IFormatXML() = default;
  // Reads the file; a missing or unreadable file leaves no header names.
  virtual void Load(const std::string& fileName) = 0;
};

inline constexpr const char* kFormatXmlFileName = "format.xml";

class CImportPacket {
 public:
  // Creates the parts in their order, logging each, and becomes the current
  // import manager. REQUIRES: database and log outlive the packet.
  CImportPacket(CDatabase& database, CDebugLog& log);
  // Discards all parts; the current import manager is none afterwards.
  ~CImportPacket();
  CImportPacket(const CImportPacket&) = delete;
  CImportPacket& operator=(const CImportPacket&) = delete;

  // Loads the formats, rules and UserImport rows, creates the format
  // "Standard" when there is no format, and reads "format.xml" from
  // `formatXmlFolder` (the installed copy when it has none). A database error
  // propagates (CDatabaseError) and leaves the collections as they were.
  void Load(const std::string& formatXmlFolder = ".");
  // Writes the formats, then the rules, then the UserImport rows in one
  // transaction: all of it lands or nothing, and on failure memory stays as
  // it was and the CDatabaseError propagates. Afterwards the rows marked
  // deleted leave the collections.
  void Store();

  CImportFiles& Files() { return *files_; }
  CImportFormat& Formats() { return *formats_; }
  CImportRegel& Rules() { return *rules_; }
  CTmpFileImport& Records() { return *records_; }
  CUserImport& UserImports() { return *userImports_; }
  // The header names of "format.xml" (a CFormatXML unless replaced).
  IFormatXML* FormatXML() { return formatXml_.get(); }
  // Replaces the header-name reader; the packet owns it from now on.
  void SetFormatXML(std::unique_ptr<IFormatXML> reader) { formatXml_ = std::move(reader); }

 private:
  void ReserveReferencedIds();

  CDatabase& database_;
  CDebugLog& log_;
  std::unique_ptr<CImportFiles> files_;
  std::unique_ptr<CImportFormat> formats_;
  std::unique_ptr<CImportRegel> rules_;
  std::unique_ptr<CTmpFileImport> records_;
  std::unique_ptr<CUserImport> userImports_;
  std::unique_ptr<IFormatXML> formatXml_;
};

// The current import manager, or null while none exists.
CImportPacket* CurrentImportPacket();

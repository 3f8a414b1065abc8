#include "import/ImportPacket.h"

#include <filesystem>

#include "import/FormatXML.h"
#include "model/DebugLog.h"
#include "storage/Database.h"
#include "storage/Transaction.h"

namespace {

CImportPacket*& CurrentSlot() {
  static CImportPacket* current = nullptr;
  return current;
}

}  // namespace

CImportPacket* CurrentImportPacket() { return CurrentSlot(); }

CImportPacket::CImportPacket(CDatabase& database, CDebugLog& log) : database_(database), log_(log) {
  log_.Write("new CImportFiles");
  files_ = std::make_unique<CImportFiles>();
  log_.Write("new CImportFormat");
  formats_ = std::make_unique<CImportFormat>();
  log_.Write("new CImportRegel");
  rules_ = std::make_unique<CImportRegel>();
  log_.Write("new CTmpFileImport");
  records_ = std::make_unique<CTmpFileImport>();
  log_.Write("new CUserImport");
  userImports_ = std::make_unique<CUserImport>();
  log_.Write("new CFormatXML");
  formatXml_ = std::make_unique<CFormatXML>();
  log_.Write("m_pViewPreview = NULL");
  log_.Write("return");
  CurrentSlot() = this;
}

CImportPacket::~CImportPacket() {
  if (CurrentSlot() == this) CurrentSlot() = nullptr;
}

void CImportPacket::Load(const std::string& formatXmlFolder) {
  log_.Write("Daten werden geladen");
  CImportFormat formats;
  CImportRegel rules;
  CUserImport userImports;
  formats.LoadAll(database_);
  rules.LoadAll(database_);
  userImports.LoadAll(database_);
  *formats_ = std::move(formats);
  *rules_ = std::move(rules);
  *userImports_ = std::move(userImports);
  ReserveReferencedIds();
  log_.Write("Daten aus Datenbank erfolgreich geladen");
  if (formats_->IsEmpty()) formats_->NewDefault();
  log_.Write("format.xml wird geladen");
  if (formatXml_) formatXml_->Load((std::filesystem::path(formatXmlFolder) / kFormatXmlFileName).string());
  log_.Write("format.xml erfolgreich geladen");
}

// A rule or format deleted earlier may still be named by UserImport rows or
// rules; a new one must not take over its id and with it those references.
void CImportPacket::ReserveReferencedIds() {
  for (const CUserImportData& row : *userImports_) rules_->NoteId(row.RegelId);
  for (const CImportRegelData& rule : *rules_) formats_->NoteId(rule.ImportFormatId);
}

void CImportPacket::Store() {
  {
    CTransaction transaction(database_);
    formats_->WriteAll(database_);
    rules_->WriteAll(database_);
    userImports_->WriteAll(database_);
    transaction.Commit();
  }
  formats_->Settle();
  rules_->Settle();
  userImports_->Settle();
}

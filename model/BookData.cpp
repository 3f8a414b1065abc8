#include "model/BookData.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "accounting/ContractPlannerOperations.h"
#include "accounting/MonthClosing.h"
#include "model/ActionPlanner.h"
#include "model/ColorTable.h"
#include "model/DatabaseLocation.h"
#include "model/FontTable.h"
#include "model/Messages.h"
#include "storage/DatabaseError.h"
#include "storage/Result.h"
#include "storage/Schema.h"
#include "storage/StrFormat.h"
#include "storage/Transaction.h"

namespace {

CBookData* g_bookData = nullptr;

// Replaces a collection only once the new one is complete, so a failing load
// leaves the old one in place.
template <class List, class LoadFunction>
void ReplaceLoaded(std::unique_ptr<List>& list, LoadFunction load) {
  auto fresh = std::make_unique<List>();
  load(*fresh);
  list = std::move(fresh);
}

CDatabaseLocation LocateOrThrow(const std::string& programDirectory) {
  const CLocationRead read = CProgramDirectory(programDirectory).LocateDatabase();
  if (!read.ok) throw CDatabaseError(read.message, read.message, 0);
  return read.location;
}

}  // namespace

CBookData& BookData() { return *g_bookData; }
bool HasBookData() { return g_bookData != nullptr; }

CBookData::CBookData(std::string programDirectory) : programDirectory_(std::move(programDirectory)) {
  RecreateCollections();
  maskData_ = std::make_unique<CMaskDataList>();
  g_bookData = this;
}

CBookData::~CBookData() {
  // Nothing is stored here: every screen has stored its own changes.
  accounts_.reset();
  entries_.reset();
  contracts_.reset();
  months_.reset();
  categories_.reset();
  units_.reset();
  forecast_.reset();
  planner_.reset();
  plannerOperations_.reset();
  questions_.reset();
  maskData_.reset();
  reports_.reset();
  debugLog_.reset();
  database_.reset();
  if (g_bookData == this) g_bookData = nullptr;
}

CActionPlanner* CBookData::Planner() { return dynamic_cast<CActionPlanner*>(planner_.get()); }

int CBookData::StartUp() {
  const CDatabaseLocation location = LocateOrThrow(programDirectory_);
  ProcessColorTable().FillStandard();
  ProcessFontTable().FillStandard();
  std::error_code ignored;  // a folder that cannot be made fails below, naming the file
  if (!std::filesystem::exists(location.directory, ignored))
    std::filesystem::create_directory(location.directory, ignored);
  debugLog_->Open(CProgramDirectory(programDirectory_).DebugLogPath());
  planner_ = std::make_unique<CActionPlanner>(*this);
  plannerOperations_ = MakePlannerOperations(*this);
  noBook_ = 1;
  if (!std::filesystem::exists(location.fullPath)) {
    database_ = CreateDatabase(location.fullPath);
    return 0;
  }
  OpenDatabase(location.fullPath);
  if (!LoadCurrentBook()) return 0;
  noBook_ = 0;
  debugLog_->Write("Laden der Datenbank erfolgreich");
  return 1;
}

void CBookData::OpenDatabase(const std::string& path) {
  auto database = CDatabase::Open(path);
  debugLog_->Write("Connect zur Datenbank erfolgreich");
  // A database of another program is not turned into a household book.
  if (!database->TableNames().empty() && !database->TableExists("Haushaltsbuch"))
    throw CDatabaseError(StrFormat("Die Datei \"%s\" ist keine Datenbank des Haushaltsbuchs", path), {}, 0);
  UpgradeSchema(*database);
  database_ = std::move(database);
}

void CBookData::EnsureMonthCollections() {
  if (!accounts_) accounts_ = std::make_unique<CBestandsdatenList>();
  if (!entries_) entries_ = std::make_unique<CVorgangList>();
  if (!contracts_) contracts_ = std::make_unique<CVertragList>();
  if (!months_) months_ = std::make_unique<CMonatList>();
}

CMonthCollections CBookData::MonthCollections() {
  EnsureMonthCollections(); return {*accounts_, *entries_, *contracts_}; }

void CBookData::RecreateCollections() {
  accounts_ = std::make_unique<CBestandsdatenList>();
  entries_ = std::make_unique<CVorgangList>();
  contracts_ = std::make_unique<CVertragList>();
  months_ = std::make_unique<CMonatList>();
  categories_ = std::make_unique<CKategorieList>();
  units_ = std::make_unique<CEinheitList>();
  forecast_ = std::make_unique<CAusblickList>();
  reports_ = std::make_unique<CReportList>();
}

void CBookData::FreeCollections() {
  categories_.reset();
  units_.reset();
  months_.reset();
  accounts_.reset();
  entries_.reset();
  contracts_.reset();
  reports_.reset();
}

int CBookData::LoadCurrentBook() {
  if (!LoadBookRow()) {
    noBook_ = 1;
    return 0;
  }
  LoadBookCollections();
  ReloadMonthsToWindow();
  return 1;
}

bool CBookData::LoadBookRow() {
  std::optional<CHaushaltsbuchRow> row =
      ReadBookRow([](const CHaushaltsbuchRow& book) { return book.IsCurrentBook == 1; }, true);
  if (!row) return false;
  book_ = *row;
  currentBookId_ = book_.BuchId;
  return true;
}

std::optional<CHaushaltsbuchRow> CBookData::ReadBookRow(
    const std::function<bool(const CHaushaltsbuchRow&)>& wanted, bool lastWhenNone) {
  CHaushaltsbuchRow row;
  bool read = false;
  for (CResult result = database_->Query("select * from [Haushaltsbuch]"); !result.AtEnd(); result.MoveNext()) {
    row.ReadRow(result);
    read = true;
    if (wanted(row)) return row;
  }
  if (read && lastWhenNone) return row;
  return std::nullopt;
}

void CBookData::LoadBookCollections() {
  CDatabase& database = *database_;
  const int bookId = currentBookId_;
  ReplaceLoaded(categories_, [&](CKategorieList& list) { list.LoadBook(database, bookId); });
  ReplaceLoaded(units_, [&](CEinheitList& list) { list.LoadBook(database, bookId); });
  LoadReports();
  ReplaceLoaded(months_, [&](CMonatList& list) { list.Load(database, bookId, book_); });
}

// The two built-in rules are always there while a book is loaded, even
// when the user deleted or switched one off, also after a reload.
void CBookData::LoadReports() {
  ReplaceLoaded(reports_, [&](CReportList& list) {
    list.LoadBook(*database_, currentBookId_);
    list.EnsureBuiltInRules();
  });
}

// Every month of the window is loaded, the others are not.
void CBookData::ReloadMonthsToWindow() {
  EnsureMonthCollections();
  for (int monthId = book_.FirstLoadMonatId; monthId > 0 && monthId <= book_.LastLoadMonatId; ++monthId)
    LoadMonth(currentBookId_, monthId);
}

void CBookData::LoadMonth(int bookId, int monthId) {
  EnsureMonthCollections();
  if (!accounts_->HasMonth(monthId)) accounts_->LoadMonth(*database_, bookId, monthId);
  if (!entries_->HasMonth(monthId)) entries_->LoadMonth(*database_, bookId, monthId);
  if (!contracts_->HasMonth(monthId)) contracts_->LoadMonth(*database_, bookId, monthId);
  if (months_)
    if (CMonat* month = months_->FindMonth(monthId)) month->loaded = true;
}

void CBookData::StoreMonths(int bookId, int monthId) {
  {
    CTransaction transaction(*database_);
    WriteMonthCollections(bookId, monthId);
    transaction.Commit();
  }
  SettleMonthCollections(monthId);
}

void CBookData::WriteMonthCollections(int bookId, int monthId) const {
  if (accounts_) accounts_->WriteMonth(*database_, bookId, monthId);
  if (entries_) entries_->WriteMonth(*database_, bookId, monthId);
  if (contracts_) contracts_->WriteMonth(*database_, bookId, monthId);
}

void CBookData::SettleMonthCollections(int monthId) {
  if (accounts_) accounts_->SettleMonth(monthId);
  if (entries_) entries_->SettleMonth(monthId);
  if (contracts_) contracts_->SettleMonth(monthId);
}

void CBookData::DropMonth(int monthId) {
  if (accounts_) accounts_->DropMonth(monthId);
  if (entries_) entries_->DropMonth(monthId);
  if (contracts_) contracts_->DropMonth(monthId);
  if (months_)
    if (CMonat* month = months_->FindMonth(monthId)) month->loaded = false;
}

int CBookData::ReloadPart(int screenId) {
  if (QuestionString(103, MessageButtons::OkCancel) != kAnswerOk) return 0;
  CDatabase& database = *database_;
  const int bookId = currentBookId_;
  switch (screenId) {
    case 108: ReplaceLoaded(categories_, [&](CKategorieList& list) { list.LoadBook(database, bookId); }); break;
    case 114: ReplaceLoaded(forecast_, [&](CAusblickList& list) { list.Load(database, bookId); }); break;
    case 121: LoadReports(); break;
    default: ReloadWholeBook(); break;
  }
  return 1;
}

void CBookData::ReloadWholeBook() {
  accounts_ = std::make_unique<CBestandsdatenList>();
  entries_ = std::make_unique<CVorgangList>();
  contracts_ = std::make_unique<CVertragList>();
  categories_ = std::make_unique<CKategorieList>();
  units_ = std::make_unique<CEinheitList>();
  months_ = std::make_unique<CMonatList>();
  LoadCurrentBook();
}

void CBookData::SaveCurrentBook(int bookId) {
  // The stored month rows carry the closing sums of what is stored with
  // them, so every save brings them up to date.
  if (months_) CloseLoadedMonths(*months_, MonthCollections());
  {
    CTransaction transaction(*database_);
    WriteCurrentBook(bookId);
    transaction.Commit();
  }
  SettleCurrentBook();
}

void CBookData::WriteCurrentBook(int bookId) {
  CHaushaltsbuchRow row = book_;
  row.ProgVers = kProgramVersion;
  row.DBVers = kDatabaseVersion;
  row.Store(*database_, bookId);
  if (months_) months_->Write(*database_, bookId);
  WriteMonthCollections(bookId, kAllLoadedMonths);
}

void CBookData::SettleCurrentBook() {
  book_.ProgVers = kProgramVersion;
  book_.DBVers = kDatabaseVersion;
  if (months_) months_->Settle();
  SettleMonthCollections(kAllLoadedMonths);
}

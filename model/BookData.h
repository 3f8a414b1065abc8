#pragma once
// CBookData: the one central data object. It owns the database connection,
// the current book's row and every collection of the current book, and the
// debug log; everything else reaches them through BookData(). Created by the
// application before the main window, deleted after it. User-interface
// thread only.
//
// "Today" comes from the installed clock (model/Clock.h), messages go
// through the installed message sink (model/Messages.h); the program
// directory is given, so tests run in temporary folders.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "accounting/Bestandsdaten.h"
#include "accounting/Einheit.h"
#include "accounting/Kategorie.h"
#include "accounting/Vertrag.h"
#include "accounting/Vorgang.h"
#include "forecast/Ausblick.h"
#include "model/QuestionStore.h"
#include "model/DebugLog.h"
#include "model/Monat.h"
#include "model/PlannerOperations.h"
#include "monitoring/Report.h"
#include "storage/BookTables.h"
#include "storage/Database.h"
#include "storage/MaskData.h"

inline constexpr std::string_view kProgramVersion = "1.200";
inline constexpr std::string_view kDatabaseVersion = "20070908";

// The action planner as the book data sees it: the month range operation
// runs its reload problem (loading and unloading months to the loading
// window) with its questions switched off. The planner registers itself
// with SetPlanner once it exists; until then the book data applies the
// window directly.
class IReloadPlanner {
 public:
  virtual ~IReloadPlanner() = default;
  virtual void RunReloadProblem(bool askQuestions) = 0;
};

class CActionPlanner;

class CBookData {
 public:
  // Becomes the instance BookData() returns until it is deleted.
  explicit CBookData(std::string programDirectory);
  ~CBookData();
  CBookData(const CBookData&) = delete;
  CBookData& operator=(const CBookData&) = delete;

  // Start-up: locates, opens (or creates) and upgrades the database and
  // loads the current book with its loading window. Returns 1 when a book
  // was loaded, 0 when there is none (NoBook() is then 1). A damaged,
  // foreign, read-only or locked database throws CDatabaseError (German
  // message naming the file) and is left untouched; an unusable ini file
  // throws one as well.
  int StartUp();

  // The collections; null after FreeCollections until recreated or loaded.
  CBestandsdatenList* Accounts() { return accounts_.get(); }
  CVorgangList* Entries() { return entries_.get(); }
  CVertragList* Contracts() { return contracts_.get(); }
  CKategorieList* Categories() { return categories_.get(); }
  CEinheitList* Units() { return units_.get(); }
  CMonatList* Months() { return months_.get(); }
  CAusblickList* Forecast() { return forecast_.get(); }
  CMaskDataList* MaskData() { return maskData_.get(); }
  CReportList* Reports() { return reports_.get(); }
  // Null before start-up has opened the database.
  CDatabase* Database() { return database_.get(); }
  CDebugLog& DebugLog() { return *debugLog_; }
  // The month collections, created when absent.
  CMonthCollections MonthCollections();

  CHaushaltsbuchRow& Book() { return book_; }
  int CurrentBookId() const { return currentBookId_; }
  void SetCurrentBookId(int bookId) { currentBookId_ = bookId; }
  int NoBook() const { return noBook_; }
  void SetNoBook(int noBook) { noBook_ = noBook; }
  const std::string& ProgramDirectory() const { return programDirectory_; }

  // The planner slot; the book data owns it from now on. Start-up fills it
  // with the action planner.
  void SetPlanner(std::unique_ptr<IReloadPlanner> planner) { planner_ = std::move(planner); }
  // The action planner; null before start-up or when another planner was set.
  CActionPlanner* Planner();
  // The accounting's operations the planner works with; the book data owns
  // them from now on. Null until the accounting registers them.
  void SetPlannerOperations(std::unique_ptr<IPlannerOperations> operations) { plannerOperations_ = std::move(operations); }
  IPlannerOperations* PlannerOperations() { return plannerOperations_.get(); }
  CQuestionStore& Questions() { return *questions_; }

  void RecreateCollections();
  void FreeCollections();
  // Reads the current book (the row with IsCurrentBook = 1, else the last)
  // with its categories, units, rules and months and loads its window.
  // Returns 0 and sets the no-book flag when there is no book.
  int LoadCurrentBook();

  // Loads the month's accounts, entries and contracts into the collections
  // (creating them when absent); a collection that holds the month already
  // keeps what it has.
  void LoadMonth(int bookId, int monthId);
  // Stores the month's records (kAllLoadedMonths: all) of the three month
  // collections in one transaction: all of it lands or nothing, and on
  // failure memory is as it was and the CDatabaseError propagates.
  void StoreMonths(int bookId, int monthId);
  // Removes the month's records without storing them.
  void DropMonth(int monthId);
  // Asks STRING 103; on OK replaces what the screen shows with the stored
  // state (108 categories, 114 forecast, 121 rules, else the whole book).
  // Returns 0 on Cancel, with nothing changed.
  int ReloadPart(int screenId);
  // Sets the version columns and stores the book row, the months and every
  // loaded month of the collections under bookId, in one transaction.
  void SaveCurrentBook(int bookId);

  // Books (BookDataBooks.cpp).
  // Copies BuchId, DatumErstellung, DatumLetzteAenderung, Bezeichnung,
  // FirstExistMonatId, AnzAngelegteMonate, LastExistMonatId, AktMonatUser,
  // AktMonatId, FirstLoadMonatId, LastLoadMonatId and HauptKontoId of a row
  // of the book list into the current book; the other columns stay.
  void TakeBook(const CHaushaltsbuchRow& book);
  // The same columns of the current book into a row of the book list.
  void GiveBook(CHaushaltsbuchRow& book) const;
  // Makes the stored book with the id the current book: its row, its
  // categories, units, rules and months replace what memory held, and
  // every existing month is loaded. Returns 0 and changes nothing when no
  // book has the id.
  int SwitchToBook(int bookId);

  // Months (BookDataMonths.cpp).
  // Makes the book's months first ... last, asking STRING 121 before each
  // deletion and announcing each new month with STRING 122. Returns 0 when
  // the user declined a deletion (or the range is impossible), else 1.
  int SetRange(int first, int last);
  // The loading window without the month (before the current one: it and
  // all earlier months; after it: it and all later ones) or grown to it.
  void UnloadMonthFromWindow(int monthId);
  void LoadMonthIntoWindow(int monthId);
  // Loads the months in window that are not loaded and drops those loaded
  // outside it.
  void ApplyWindow(int bookId);
  // Brings the current month up to date on the first start in a day and
  // extends the months ahead of it; returns SetRange's result.
  int CurrentMonthAtStart();

 private:
  void OpenDatabase(const std::string& path);
  void EnsureMonthCollections();
  bool LoadBookRow();
  // Reads the rows of Haushaltsbuch from the first until one for which
  // wanted holds and returns it; without such a row the last one when
  // lastWhenNone, else nothing.
  std::optional<CHaushaltsbuchRow> ReadBookRow(const std::function<bool(const CHaushaltsbuchRow&)>& wanted,
                                               bool lastWhenNone);
  void LoadBookCollections();
  void LoadReports();
  void ReloadWholeBook();
  void ReloadMonthsToWindow();
  // The three month collections of one month (kAllLoadedMonths: all).
  void WriteMonthCollections(int bookId, int monthId) const;
  void SettleMonthCollections(int monthId);
  void WriteCurrentBook(int bookId);
  void SettleCurrentBook();
  bool AskAndDeleteMonths(const std::vector<int>& deleteIds, int first);
  void CreateMonths(const std::vector<int>& createIds, bool announce);

  std::string programDirectory_;
  std::unique_ptr<CBestandsdatenList> accounts_;
  std::unique_ptr<CVorgangList> entries_;
  std::unique_ptr<CVertragList> contracts_;
  std::unique_ptr<CKategorieList> categories_;
  std::unique_ptr<CEinheitList> units_;
  std::unique_ptr<CMonatList> months_;
  std::unique_ptr<CAusblickList> forecast_;
  std::unique_ptr<CMaskDataList> maskData_;
  std::unique_ptr<CReportList> reports_;
  std::unique_ptr<CDatabase> database_;
  std::unique_ptr<IReloadPlanner> planner_;
  std::unique_ptr<IPlannerOperations> plannerOperations_;
  // The program-wide store of asked questions (the planner keeps its own).
  std::unique_ptr<CQuestionStore> questions_ = std::make_unique<CQuestionStore>();
  std::unique_ptr<CDebugLog> debugLog_ = std::make_unique<CDebugLog>();
  CHaushaltsbuchRow book_;
  int currentBookId_ = 0;
  int noBook_ = 1;
};

// The one book data. REQUIRES: a CBookData exists.
CBookData& BookData();
// Whether one exists.
bool HasBookData();

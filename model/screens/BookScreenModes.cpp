// The book screen's modes: editing, creating, applying, deleting and what
// the screen does on the current book.

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

#include "model/ActionPlanner.h"
#include "model/BookData.h"
#include "model/Clock.h"
#include "model/MonthMath.h"
#include "model/Preselection.h"
#include "model/screens/BookScreen.h"
#include "model/screens/MonthArchive.h"
#include "model/screens/PreselectionScreen.h"
#include "ui/PellwickApplication.h"

namespace {

constexpr int kAheadMin = 1;
constexpr int kAheadMax = 12;

}  // namespace

void CBookScreen::UpdateButtons() {
  const bool viewing = mode_ == Mode::Viewing;
  const bool selected = list_->currentItem() && list_->currentItem()->isSelected();
  SetControlText(kEditId, viewing ? "Bearbeiten" : "Eintragen");
  SetControlText(kDeleteId, viewing ? "Löschen" : "Abbruch");
  EnableControl(kEditId, viewing ? selected : !ControlText(kNameId).trimmed().isEmpty());
  EnableControl(kDeleteId, viewing ? selected : true);
  EnableControl(kNewId, viewing && BookData().Database());
  EnableControl(kPreselectionId, viewing ? selected : true);
  EnableControl(kArchiveId, viewing ? selected : true);
}

void CBookScreen::ShowViewing() {
  mode_ = Mode::Viewing;
  editRow_ = nullptr;
  for (int id : {kNameId, kFirstMonthId, kAheadId, kLastMonthId, kCurrentMonthId, kUserDefinedId})
    DisableAndClear(id);
  list_->setEnabled(true);
  UpdateButtons();
}

void CBookScreen::ShowEditing() {
  const CHaushaltsbuchRow& book = BookData().Book();
  for (int id : {kNameId, kFirstMonthId, kAheadId, kUserDefinedId}) EnableControl(id);
  list_->setEnabled(false);
  SetControlText(kNameId, QString::fromStdString(book.Bezeichnung));
  SelectMonthChoice(firstChoice_, book.FirstExistMonatId);
  SelectIndex(kFirstMonthId, firstChoice_.selected);
  ControlAs<QSpinBox>(kAheadId)->setValue(std::clamp(book.AnzAngelegteMonate, kAheadMin, kAheadMax));
  UpdateLastMonth();
  const bool userDefined = book.AktMonatUser == 2;
  SetChecked(kUserDefinedId, userDefined);
  SelectMonthChoice(currentChoice_, book.AktMonatId);
  SelectIndex(kCurrentMonthId, currentChoice_.selected);
  EnableControl(kCurrentMonthId, userDefined);
  UpdateButtons();
}

bool CBookScreen::LoadAsCurrent(int bookId) {
  CBookData& bookData = BookData();
  if (loadedBookId_ == bookId && bookData.Months()) {
    bookData.SetCurrentBookId(bookId);
    return true;
  }
  bookData.RecreateCollections();
  loadedBookId_ = 0;
  if (!bookData.SwitchToBook(bookId)) return false;
  loadedBookId_ = bookId;
  return true;
}

int CBookScreen::Edit() {
  CHaushaltsbuch* book = SelectedBook();
  if (mode_ != Mode::Viewing || !book) return 0;
  const int bookId = book->BuchId;
  if (!RunGuarded([&] { LoadAsCurrent(bookId); }) || loadedBookId_ != bookId) return 0;
  editRow_ = book;
  mode_ = Mode::Editing;
  ShowEditing();
  return 1;
}

int CBookScreen::New() {
  CBookData& bookData = BookData();
  if (mode_ != Mode::Viewing || !bookData.Database()) return 0;
  CHaushaltsbuch& book = books_->New();
  bookData.RecreateCollections();
  bookData.Book() = CHaushaltsbuchRow{};
  bookData.TakeBook(book);
  bookData.SetCurrentBookId(book.BuchId);
  loadedBookId_ = book.BuchId;
  FillList();
  SelectRow(books_->ListPosition(book));
  editRow_ = &book;
  mode_ = Mode::Creating;
  preselectionPending_ = true;
  ShowEditing();
  return 1;
}

void CBookScreen::TakeFields() {
  CHaushaltsbuchRow& book = BookData().Book();
  book.Bezeichnung = ControlText(kNameId).trimmed().toStdString();
  book.AnzAngelegteMonate = ControlAs<QSpinBox>(kAheadId)->value();
  book.AktMonatUser = IsChecked(kUserDefinedId) ? 2 : 1;
  const int chosen = ChosenMonth(kCurrentMonthId, currentChoice_);
  book.AktMonatId = book.AktMonatUser == 2 && chosen != 0 ? chosen : TodayMonthId();
}

int CBookScreen::Apply() {
  if (mode_ == Mode::Viewing || !editRow_) return 0;
  int applied = 0;
  RunGuarded([&] {
    TakeFields();
    CBookData& bookData = BookData();
    const int today = TodayMonthId();
    CHaushaltsbuchRow& book = bookData.Book();
    if (!bookData.SetRange(ChosenMonth(kFirstMonthId, firstChoice_), AddMonths(today, book.AnzAngelegteMonate))) {
      // A declined deletion keeps the months; "Monate im voraus" follows them.
      book.AnzAngelegteMonate = std::clamp(book.LastExistMonatId - today, kAheadMin, kAheadMax);
      ControlAs<QSpinBox>(kAheadId)->setValue(book.AnzAngelegteMonate);
      return;
    }
    if (mode_ == Mode::Creating && preselectionPending_) {
      preselectionPending_ = false;
      OfferPreselection();
      return;
    }
    FinishApply();
    applied = 1;
  });
  return applied;
}

void CBookScreen::FinishApply() {
  CBookData& bookData = BookData();
  bookData.GiveBook(*editRow_);
  if (bookData.NoBook()) {
    books_->MarkCurrent(editRow_->Bezeichnung);
    bookData.Book().IsCurrentBook = 1;
    bookData.SetNoBook(0);
  }
  if (CActionPlanner* planner = bookData.Planner()) planner->RunReloadProblem(false);
  bookData.SaveCurrentBook(bookData.Book().BuchId);
  bookData.FreeCollections();
  loadedBookId_ = 0;
  ShowViewing();
  FillList();
}

void CBookScreen::Cancel() {
  if (mode_ == Mode::Creating && editRow_) books_->Remove(*editRow_);
  ShowViewing();
  FillList();
}

int CBookScreen::Delete() {
  CHaushaltsbuch* book = SelectedBook();
  if (mode_ != Mode::Viewing || !book) return 0;
  book->MarkDeleted();
  FillList();
  SelectRow(-1);
  return 1;
}

bool CBookScreen::OfferPreselection() {
  if (!preselection_) {
    preselectionScreen_ = std::make_unique<CPreselectionScreenChoice>(this);
    preselection_ = preselectionScreen_.get();
  }
  std::vector<CPreselectionItem> items = PreselectionItems();
  if (!preselection_->Choose(items)) return false;
  ApplyPreselection(BookData(), items);
  return true;
}

// Works on the book being edited, or else on the selected book loaded as
// the current book first: the preselection writes into the collections.
int CBookScreen::Preselection() {
  const CHaushaltsbuch* book = mode_ == Mode::Viewing ? SelectedBook() : editRow_;
  if (!book) return 0;
  const int bookId = book->BuchId;
  bool taken = false;
  RunGuarded([&] {
    if (mode_ == Mode::Viewing && !LoadAsCurrent(bookId)) return;
    if (mode_ == Mode::Creating) preselectionPending_ = false;
    taken = OfferPreselection();
  });
  return taken ? 1 : 0;
}

// The archive shows and moves the months of the selected book, loaded as
// the current book first; the moved window goes into the book's row.
int CBookScreen::MonthArchive() {
  CHaushaltsbuch* book = mode_ == Mode::Viewing ? SelectedBook() : editRow_;
  if (!book) return 0;
  const int bookId = book->BuchId;
  if (!RunGuarded([&] { LoadAsCurrent(bookId); }) || loadedBookId_ != bookId) return 0;
  CMonthArchive archive(this);
  archive.exec();
  BookData().GiveBook(*book);
  return 1;
}

// A new book's first "Eintragen" only offers the preselection, so it is
// given once more here. When the edit cannot be applied (a month deletion
// declined, a failed write) the screen stays open in editing: closing would
// drop what the user typed and store a book list the months do not match.
void CBookScreen::SaveAndClose() {
  if (mode_ == Mode::Creating && preselectionPending_) Apply();
  if (mode_ != Mode::Viewing && !Apply()) return;
  CBookData& bookData = BookData();
  if (bookData.Database() && !RunGuarded([&] { books_->Store(*bookData.Database()); })) return;
  CloseAndReload();
  QDialog::accept();
}

void CBookScreen::CloseAndReload() {
  closing_ = true;
  CBookData& bookData = BookData();
  bookData.FreeCollections();
  books_ = std::make_unique<CHaushaltsbuchList>();
  editRow_ = nullptr;
  bookData.SetNoBook(1);
  bookData.RecreateCollections();
  int loaded = 0;
  if (bookData.Database()) RunGuarded([&] { loaded = bookData.LoadCurrentBook(); });
  if (loaded) bookData.SetNoBook(0);
  loadedBookId_ = 0;
}

// The book screen on a database whose first book was made on 15 March 2009.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QSpinBox>
#include <QTreeWidget>

#include "model/Haushaltsbuch.h"
#include "model/screens/BookScreen.h"
#include "model/screens/MonthArchive.h"
#include "ui/EditExt.h"
#include "ui/ScreenTestSupport.h"

namespace {

class BookScreenTest : public ::testing::Test {
 protected:
  BookScreenTest() { screen_->show(); }

  // A second book "Buch2" made through the screen, saved, not current.
  void MakeSecondBook() {
    ASSERT_EQ(screen_->New(), 1);
    screen_->ControlAs<CEditExt>(CBookScreen::kNameId)->setText("Buch2");
    EXPECT_EQ(screen_->Apply(), 0) << "the first Eintragen of a new book shows the preselection";
    EXPECT_EQ(preselection_.Asked(), 1);
    EXPECT_EQ(screen_->Apply(), 1);
  }

  std::vector<std::string> RowNames() const {
    std::vector<std::string> names;
    for (int row = 0; row < screen_->List()->topLevelItemCount(); ++row)
      names.push_back(screen_->List()->topLevelItem(row)->text(0).toStdString());
    return names;
  }

  int StoredRows(const std::string& table, int bookId, const std::string& name) {
    CResult rows = book_.Book().Database()->Query("select count(*) as n from [" + table + "] where BuchId = " +
                                                  std::to_string(bookId) + " and Bezeichnung = '" + name + "';");
    return rows.AtEnd() ? -1 : rows.Int("n");
  }

  CScreenBook book_;
  CFixedPreselection preselection_;
  std::unique_ptr<CBookScreen> screen_ = std::make_unique<CBookScreen>(nullptr, &preselection_);
};

TEST_F(BookScreenTest, ListsTheBooksWithTheCurrentOneChecked) {
  ASSERT_EQ(RowNames(), std::vector<std::string>{"Buch1"});
  const QTreeWidgetItem* row = screen_->List()->topLevelItem(0);
  EXPECT_EQ(row->text(1), "15.03.2009");
  EXPECT_EQ(row->text(2), "September 2008");
  EXPECT_EQ(row->text(3), "Juni 2009");
  EXPECT_EQ(row->checkState(0), Qt::Checked);
  EXPECT_FALSE(screen_->Control(CBookScreen::kEditId)->isEnabled()) << "nothing selected";
}

TEST_F(BookScreenTest, NewBookGetsItsMonthsAndThePreselectionAndIsSavedOnTheSecondEintragen) {
  MakeSecondBook();
  EXPECT_EQ(screen_->CurrentMode(), CBookScreen::Mode::Viewing);
  EXPECT_EQ(RowNames(), (std::vector<std::string>{"Buch1", "Buch2"}));
  EXPECT_EQ(StoredRows("Haushaltsbuch", 2, "Buch2"), 1);
  EXPECT_EQ(StoredRows("Bestandsdaten", 2, "Girokonto"), 10) << "one per month, September to June";
  EXPECT_EQ(screen_->List()->topLevelItem(1)->checkState(0), Qt::Unchecked);
}

TEST_F(BookScreenTest, CheckBoxesKeepExactlyOneCurrentBook) {
  MakeSecondBook();
  screen_->CheckRow(0, false);
  EXPECT_EQ(screen_->List()->topLevelItem(0)->checkState(0), Qt::Checked) << "unchecking the current book is undone";
  screen_->CheckRow(1, true);
  EXPECT_EQ(screen_->List()->topLevelItem(0)->checkState(0), Qt::Unchecked);
  EXPECT_EQ(screen_->List()->topLevelItem(1)->checkState(0), Qt::Checked);
  screen_->SaveAndClose();
  EXPECT_EQ(book_.Book().Book().Bezeichnung, "Buch2") << "closing loads the book checked as current";
  EXPECT_EQ(book_.Book().NoBook(), 0);
}

TEST_F(BookScreenTest, EditRenamesTheBookAndEmptyNameDisablesEintragen) {
  screen_->SelectRow(0);
  ASSERT_EQ(screen_->Edit(), 1);
  auto* name = screen_->ControlAs<CEditExt>(CBookScreen::kNameId);
  EXPECT_EQ(name->text(), "Buch1");
  EXPECT_EQ(screen_->ControlAs<QSpinBox>(CBookScreen::kAheadId)->value(), 3);
  EXPECT_EQ(screen_->ControlText(CBookScreen::kLastMonthId), "Juni 2009");
  name->setText("");
  EXPECT_FALSE(screen_->Control(CBookScreen::kEditId)->isEnabled());
  name->setText("Haushalt");
  screen_->SaveAndClose();
  EXPECT_EQ(book_.Book().Book().Bezeichnung, "Haushalt");
  EXPECT_EQ(StoredRows("Haushaltsbuch", 1, "Haushalt"), 1);
}

TEST_F(BookScreenTest, DeclinedMonthDeletionKeepsTheScreenEditingOnSaveAndClose) {
  screen_->SelectRow(0);
  ASSERT_EQ(screen_->Edit(), 1);
  screen_->ControlAs<CEditExt>(CBookScreen::kNameId)->setText("Haushalt");
  auto* first = screen_->ControlAs<QComboBox>(CBookScreen::kFirstMonthId);
  first->setCurrentIndex(first->currentIndex() + 1);  // October 2008: September would go
  book_.Messages().Answer(kAnswerNo);
  screen_->SaveAndClose();
  EXPECT_EQ(book_.Messages().Texts().size(), 1u) << "asked once, not again on the way out";
  EXPECT_TRUE(screen_->isVisible());
  EXPECT_EQ(screen_->CurrentMode(), CBookScreen::Mode::Editing);
  EXPECT_EQ(screen_->ControlText(CBookScreen::kNameId), "Haushalt");
  EXPECT_EQ(StoredRows("Haushaltsbuch", 1, "Buch1"), 1) << "nothing stored";
  EXPECT_EQ(book_.Book().Book().FirstExistMonatId, MonthId(2008, 9));
}

TEST_F(BookScreenTest, CancelledNewBookLeavesTheListAndDeleteRemovesTheRowOnStore) {
  ASSERT_EQ(screen_->New(), 1);
  screen_->Cancel();
  EXPECT_EQ(RowNames(), std::vector<std::string>{"Buch1"});
  MakeSecondBook();
  screen_->SelectRow(1);
  ASSERT_EQ(screen_->Delete(), 1);
  EXPECT_EQ(RowNames(), std::vector<std::string>{"Buch1"});
  EXPECT_EQ(StoredRows("Haushaltsbuch", 2, "Buch2"), 1) << "deleted at the store only";
  screen_->SaveAndClose();
  EXPECT_EQ(StoredRows("Haushaltsbuch", 2, "Buch2"), 0);
}

TEST_F(BookScreenTest, PreselectionOfTheSelectedBookGoesIntoThatBookOnly) {
  MakeSecondBook();
  preselection_.Tick("Sparbuch");
  screen_->SelectRow(0);
  ASSERT_EQ(screen_->Preselection(), 1);
  EXPECT_EQ(book_.Book().CurrentBookId(), 1);
  EXPECT_EQ(StoredRows("Bestandsdaten", 1, "Sparbuch"), 10);
  EXPECT_EQ(StoredRows("Bestandsdaten", 2, "Sparbuch"), 0) << "nothing of the other book's data mixed in";
  EXPECT_EQ(StoredRows("Bestandsdaten", 1, "Girokonto"), 10) << "not made twice";
}

TEST_F(BookScreenTest, MonthArchiveShowsTheSelectedBookLoadedFirst) {
  MakeSecondBook();
  screen_->SelectRow(1);
  int archiveBook = 0;
  int archiveRows = 0;
  OnNextModal([&](QWidget& modal) {
    archiveBook = BookData().Book().BuchId;
    if (auto* archive = qobject_cast<CMonthArchive*>(&modal)) archiveRows = archive->List()->topLevelItemCount();
    qobject_cast<QDialog*>(&modal)->reject();
  });
  ASSERT_EQ(screen_->MonthArchive(), 1);
  EXPECT_EQ(archiveBook, 2);
  EXPECT_EQ(archiveRows, 10);
}

TEST_F(BookScreenTest, OpeningAndClosingIsLogged) {
  screen_->reject();
  screen_.reset();
  EXPECT_NE(book_.Folder().Read("debug.log").find("open Dialog 118.\nclose Dialog 118.\n"), std::string::npos);
  EXPECT_EQ(book_.Book().NoBook(), 0);
  EXPECT_NE(book_.Book().Months(), nullptr);
}

}  // namespace

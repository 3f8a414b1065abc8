#include "model/screens/MonthArchive.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "model/BookData.h"
#include "model/MonthMath.h"
#include "model/MonthWindow.h"
#include "storage/StrFormat.h"
#include "ui/PellwickApplication.h"

namespace {

constexpr int kCheckColumn = 0;
constexpr int kMonthRole = Qt::UserRole + 1;

std::string CountText(int confirmed, int all) { return StrFormat("%d von %d", confirmed, all); }

int EntriesCount(const CMonthStatistics& statistics, bool confirmedOnly) {
  int count = 0;
  for (const CItemCount& entries : statistics.entries)
    count += entries.confirmed + (confirmedOnly ? 0 : entries.unconfirmed);
  return count;
}

}  // namespace

CMonthArchive::CMonthArchive(QWidget* parent) : CDialogBase(kMonthArchiveId, parent), list_(new QTreeWidget(this)) {
  setWindowTitle("Monatsarchiew");
  resize(560, 420);
  auto* frame = new QGroupBox("Anzeigebereich", this);
  frame->setGeometry(10, 6, 540, 56);
  auto* fromLabel = new QLabel("von", this);
  fromLabel->setGeometry(22, 28, 30, 24);
  auto* from = new QComboBox(this);
  from->setGeometry(54, 28, 150, 24);
  RegisterControl(kFromId, from);
  auto* toLabel = new QLabel("bis", this);
  toLabel->setGeometry(222, 28, 30, 24);
  auto* to = new QComboBox(this);
  to->setGeometry(254, 28, 150, 24);
  RegisterControl(kToId, to);
  list_->setGeometry(10, 70, 540, 296);
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({"", "Monat", "Status", "Anz. Bestand.", "regel. Vorg.", "einm. Vorg."});
  int column = 0;
  for (int width : {28, 130, 80, 90, 80, 80}) list_->header()->resizeSection(column++, width);
  RegisterControl(kListId, list_);
  auto* ok = new QPushButton("OK", this);
  ok->setGeometry(10, 378, 100, 30);
  RegisterControl(kOkId, ok);
  auto* cancel = new QPushButton("Abbruch", this);
  cancel->setGeometry(118, 378, 100, 30);
  RegisterControl(kCancelId, cancel);
  CreateHelpButton()->setGeometry(450, 378, 100, 30);
  connect(ok, &QPushButton::clicked, this, [this] {
    if (RunGuarded([this] { ApplyWindow(); })) accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemChanged, this, &CMonthArchive::ItemChanged);
  connect(from, &QComboBox::currentIndexChanged, this, &CMonthArchive::FromChanged);
  connect(to, &QComboBox::currentIndexChanged, this, &CMonthArchive::ToChanged);
}

void CMonthArchive::InitDialog() {
  CBookData& bookData = BookData();
  if (!bookData.Months()) return;
  const CHaushaltsbuchRow& book = bookData.Book();
  filling_ = true;
  fromChoice_ = ::FillMonthChoice(*bookData.Months(), book.FirstExistMonatId, book.LastExistMonatId);
  toChoice_ = fromChoice_;
  fromChoice_.selected = fromChoice_.labels.empty() ? -1 : 0;
  toChoice_.selected = static_cast<int>(toChoice_.labels.size()) - 1;
  FillMonthChoice(kFromId, fromChoice_);
  FillMonthChoice(kToId, toChoice_);
  filling_ = false;
  bookData.Months()->UpdateStatistics(bookData.MonthCollections());
  FillRows();
}

int CMonthArchive::Chosen(int controlId, const CMonthChoice& choice) const {
  CMonthChoice shown = choice;
  shown.selected = SelectedIndex(controlId);
  return ReadMonthChoice(shown);
}

void CMonthArchive::FromChanged() {
  if (filling_) return;
  const CHaushaltsbuchRow& book = BookData().Book();
  lowerLimit_ = Chosen(kFromId, fromChoice_);
  fromChoice_.selected = SelectedIndex(kFromId);
  filling_ = true;
  toChoice_ = RefillBisChoice(*BookData().Months(), lowerLimit_, book.LastExistMonatId, Chosen(kToId, toChoice_));
  FillMonthChoice(kToId, toChoice_);
  filling_ = false;
  FillRows();
}

void CMonthArchive::ToChanged() {
  if (filling_) return;
  const CHaushaltsbuchRow& book = BookData().Book();
  upperLimit_ = Chosen(kToId, toChoice_);
  toChoice_.selected = SelectedIndex(kToId);
  filling_ = true;
  fromChoice_ = RefillVonChoice(*BookData().Months(), upperLimit_, book.FirstExistMonatId, Chosen(kFromId, fromChoice_));
  FillMonthChoice(kFromId, fromChoice_);
  filling_ = false;
  FillRows();
}

QStringList CMonthArchive::RowTexts(const CMonat& month) const {
  const int current = BookData().Book().AktMonatId;
  const std::string label = month.MonatId == current ? StrFormat("* %s", MonthLabel(month.MonatId)) : MonthLabel(month.MonatId);
  QStringList texts{QString(), QString::fromStdString(label),
                    QString::fromStdString(std::string(MonthStateText(month.state)))};
  if (month.loaded) {
    const CMonthStatistics& statistics = month.statistics;
    const CItemCount& accounts = statistics.accounts;
    texts << QString::fromStdString(CountText(accounts.confirmed, accounts.confirmed + accounts.unconfirmed));
    // A contract counts under both indexes: either count is the number of
    // the month's contracts.
    texts << QString::number(statistics.contracts.confirmed);
    texts << QString::fromStdString(CountText(EntriesCount(statistics, true), EntriesCount(statistics, false)));
  }
  return texts;
}

void CMonthArchive::FillRows() {
  filling_ = true;
  list_->clear();
  for (const CMonat& month : *BookData().Months()) {
    if (month.IsDeleted()) continue;
    if ((lowerLimit_ != 0 && month.MonatId < lowerLimit_) || (upperLimit_ != 0 && month.MonatId > upperLimit_)) continue;
    auto* row = new QTreeWidgetItem(list_, RowTexts(month));
    row->setData(kCheckColumn, kMonthRole, month.MonatId);
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
  }
  filling_ = false;
  UpdateCheckBoxes();
}

int CMonthArchive::RowMonth(int row) const {
  const QTreeWidgetItem* item = list_->topLevelItem(row);
  return item ? item->data(kCheckColumn, kMonthRole).toInt() : 0;
}

void CMonthArchive::UpdateCheckBoxes() {
  filling_ = true;
  const CHaushaltsbuchRow& book = BookData().Book();
  const CLoadWindow window{book.FirstLoadMonatId, book.LastLoadMonatId};
  for (int row = 0; row < list_->topLevelItemCount(); ++row)
    list_->topLevelItem(row)->setCheckState(kCheckColumn, window.Contains(RowMonth(row)) ? Qt::Checked : Qt::Unchecked);
  filling_ = false;
}

void CMonthArchive::ItemChanged(QTreeWidgetItem* row, int column) {
  if (filling_ || column != kCheckColumn) return;
  ClickCheckBox(list_->indexOfTopLevelItem(row), row->checkState(kCheckColumn) == Qt::Checked);
}

void CMonthArchive::ClickCheckBox(int row, bool checked) {
  const int monthId = RowMonth(row);
  CBookData& bookData = BookData();
  // From the current month on every month stays in the window.
  if (monthId != 0 && monthId < bookData.Book().AktMonatId) {
    if (checked)
      bookData.LoadMonthIntoWindow(monthId);
    else
      bookData.UnloadMonthFromWindow(monthId);
  }
  UpdateCheckBoxes();
}

void CMonthArchive::ApplyWindow() { BookData().ApplyWindow(BookData().CurrentBookId()); }

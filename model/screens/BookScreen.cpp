// The book screen's widgets and list; the modes are in BookScreenModes.cpp.

#include "model/screens/BookScreen.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <array>

#include "model/BookData.h"
#include "model/Clock.h"
#include "model/MonthMath.h"
#include "model/Preselection.h"
#include "model/screens/DatabaseScreen.h"
#include "model/screens/PreselectionScreen.h"
#include "storage/StrFormat.h"
#include "ui/EditExt.h"

namespace {

constexpr int kBookNameCharacters = 63;

constexpr std::array<CControlDescriptor, 4> kBookControls = {{
    {CBookScreen::kNameId, ControlKind::Edit, FieldType::Text, kBookNameCharacters, "Bezeichnung des Buches", 11801},
    {CBookScreen::kLastMonthId, ControlKind::ReadOnlyEdit, FieldType::Text, 20, nullptr, 0},
    {CBookScreen::kAheadId, ControlKind::Spin, FieldType::Number, 0, "Monate, die im voraus angelegt werden", 11802},
    {0, ControlKind::Edit, FieldType::Text, 0, nullptr, 0},
}};

QString DateText(const CDate& date) {
  const CDate::CYmd day = date.ToYmd();
  return QString::fromStdString(StrFormat("%02d.%02d.%04d", day.day, day.month, day.year));
}

template <class Widget>
Widget* Placed(Widget* widget, int left, int top, int width, int height) {
  widget->setGeometry(left, top, width, height);
  return widget;
}

}  // namespace

CBookScreen::CBookScreen(QWidget* parent, IPreselectionChoice* preselection)
    : CDialogBase(kBookScreenId, parent), preselection_(preselection) {
  setWindowTitle("Haushaltsbuch");
  resize(560, 520);
  CreateList();
  CreateDetails();
  CreateButtons();
  ConnectControls();
}

CBookScreen::~CBookScreen() = default;

void CBookScreen::CreateList() {
  list_ = Placed(new QTreeWidget(this), 10, 10, 540, 180);
  list_->setRootIsDecorated(false);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setHeaderLabels({"Bezeichnung", "Erstellungsdatum", "angelegt von", "bis", "letzte Änderung"});
  int column = 0;
  for (int width : {90, 100, 115, 100, 100}) list_->header()->resizeSection(column++, width);
  RegisterControl(kListId, list_);
}

void CBookScreen::CreateDetails() {
  Placed(new QGroupBox(this), 10, 198, 540, 210);
  Placed(new QLabel("Bezeichnung:", this), 22, 214, 130, 24);
  RegisterControl(kNameId, Placed(new CEditExt(this), 156, 214, 250, 24));
  Placed(new QLabel("erster Monat", this), 22, 248, 130, 24);
  RegisterControl(kFirstMonthId, Placed(new QComboBox(this), 156, 248, 160, 24));
  Placed(new QLabel("Monate im voraus", this), 22, 282, 130, 24);
  auto* ahead = Placed(new QSpinBox(this), 156, 282, 60, 24);
  ahead->setRange(1, 12);
  RegisterControl(kAheadId, ahead);
  Placed(new QLabel("bis", this), 226, 282, 26, 24);
  auto* last = Placed(new CEditExt(this), 256, 282, 150, 24);
  last->setReadOnly(true);
  RegisterControl(kLastMonthId, last);
  Placed(new QLabel("aktueller Monat", this), 22, 316, 130, 24);
  RegisterControl(kCurrentMonthId, Placed(new QComboBox(this), 156, 316, 160, 24));
  RegisterControl(kUserDefinedId, Placed(new QCheckBox("benutzerdefiniert", this), 326, 316, 160, 24));
  RegisterControl(kPreselectionId, Placed(new QPushButton("Vorauswahl", this), 156, 360, 120, 30));
  RegisterControl(kArchiveId, Placed(new QPushButton("Monatsarchiv", this), 286, 360, 120, 30));
}

void CBookScreen::CreateButtons() {
  const std::pair<int, const char*> buttons[] = {{kSaveId, "Speichern und\nSchließen"},
                                                 {kEditId, "Bearbeiten"},
                                                 {kDeleteId, "Löschen"},
                                                 {kNewId, "Neu"},
                                                 {kDatabaseId, "Datenbank"}};
  int left = 10;
  for (const auto& [id, text] : buttons) {
    auto* button = Placed(new QPushButton(QString::fromUtf8(text), this), left, 420, 100, 44);
    button->setAutoDefault(false);
    RegisterControl(id, button);
    left += 106;
  }
  CreateHelpButton()->setGeometry(10, 474, 100, 30);
}

void CBookScreen::ConnectControls() {
  const auto button = [this](int id) { return ControlAs<QPushButton>(id); };
  connect(button(kEditId), &QPushButton::clicked, this, [this] { mode_ == Mode::Viewing ? Edit() : Apply(); });
  connect(button(kDeleteId), &QPushButton::clicked, this, [this] {
    if (mode_ == Mode::Viewing)
      Delete();
    else
      Cancel();
  });
  connect(button(kNewId), &QPushButton::clicked, this, &CBookScreen::New);
  connect(button(kSaveId), &QPushButton::clicked, this, &CBookScreen::SaveAndClose);
  connect(button(kPreselectionId), &QPushButton::clicked, this, &CBookScreen::Preselection);
  connect(button(kArchiveId), &QPushButton::clicked, this, &CBookScreen::MonthArchive);
  connect(button(kDatabaseId), &QPushButton::clicked, this, [this] {
    CDatabaseScreen screen(CProgramDirectory(BookData().ProgramDirectory()), this);
    screen.exec();
  });
  connect(list_, &QTreeWidget::itemChanged, this, &CBookScreen::ItemChanged);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &CBookScreen::UpdateButtons);
  connect(ControlAs<CEditExt>(kNameId), &QLineEdit::textChanged, this, &CBookScreen::UpdateButtons);
  connect(ControlAs<QSpinBox>(kAheadId), &QSpinBox::valueChanged, this, &CBookScreen::UpdateLastMonth);
  connect(ControlAs<QCheckBox>(kUserDefinedId), &QCheckBox::toggled, this,
          [this](bool on) { EnableControl(kCurrentMonthId, on && mode_ != Mode::Viewing); });
}

void CBookScreen::InitDialog() {
  BindControls(kBookControls);
  CBookData& bookData = BookData();
  if (bookData.Database()) books_->Load(*bookData.Database());
  const int today = TodayMonthId();
  firstChoice_ = FillEveryMonthChoice(1, today, AddMonths(today, -3));
  currentChoice_ = firstChoice_;
  FillMonthChoice(kFirstMonthId, firstChoice_);
  FillMonthChoice(kCurrentMonthId, currentChoice_);
  loadedBookId_ = bookData.Months() && !bookData.NoBook() ? bookData.CurrentBookId() : 0;
  FillList();
  ShowViewing();
  if (bookData.NoBook() && bookData.Database()) New();
}

QStringList CBookScreen::RowTexts(const CHaushaltsbuch& book) const {
  return {QString::fromStdString(book.Bezeichnung), DateText(book.DatumErstellung),
          QString::fromStdString(MonthLabel(book.FirstExistMonatId)),
          QString::fromStdString(MonthLabel(book.LastExistMonatId)), DateText(book.DatumLetzteAenderung)};
}

void CBookScreen::FillList() {
  filling_ = true;
  const int selected = list_->currentItem() ? list_->indexOfTopLevelItem(list_->currentItem()) : -1;
  list_->clear();
  for (const CHaushaltsbuch& book : *books_) {
    if (book.IsDeleted()) continue;
    auto* row = new QTreeWidgetItem(list_, RowTexts(book));
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    row->setCheckState(0, book.IsCurrentBook ? Qt::Checked : Qt::Unchecked);
  }
  if (selected >= 0 && selected < list_->topLevelItemCount()) list_->setCurrentItem(list_->topLevelItem(selected));
  filling_ = false;
  UpdateButtons();
}

void CBookScreen::SelectRow(int row) {
  if (row < 0 || row >= list_->topLevelItemCount())
    list_->setCurrentItem(nullptr);
  else
    list_->setCurrentItem(list_->topLevelItem(row));
  UpdateButtons();
}

CHaushaltsbuch* CBookScreen::SelectedBook() {
  QTreeWidgetItem* row = list_->currentItem();
  return row && row->isSelected() ? books_->FindAtListPosition(list_->indexOfTopLevelItem(row)) : nullptr;
}

void CBookScreen::ItemChanged(QTreeWidgetItem* row, int column) {
  if (filling_ || column != 0) return;
  CheckRow(list_->indexOfTopLevelItem(row), row->checkState(0) == Qt::Checked);
}

void CBookScreen::CheckRow(int row, bool checked) {
  CHaushaltsbuch* book = books_->FindAtListPosition(row);
  if (book && checked) books_->MarkCurrent(book->Bezeichnung);
  // Unchecking is undone: one book always stays the current one.
  FillList();
}

int CBookScreen::ChosenMonth(int controlId, const CMonthChoice& choice) const {
  CMonthChoice shown = choice;
  shown.selected = SelectedIndex(controlId);
  return ReadMonthChoice(shown);
}

void CBookScreen::UpdateLastMonth() {
  const int ahead = ControlAs<QSpinBox>(kAheadId)->value();
  SetControlText(kLastMonthId, QString::fromStdString(MonthLabel(AddMonths(TodayMonthId(), ahead))));
}

void CBookScreen::closeEvent(QCloseEvent* event) {
  event->ignore();
  reject();
}

// The close box and Escape leave without finishing an edit and without
// storing the book list.
void CBookScreen::reject() {
  if (closing_) return;
  CloseAndReload();
  QDialog::reject();
}

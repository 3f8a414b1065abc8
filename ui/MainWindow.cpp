#include "ui/MainWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

#include "model/BookData.h"
#include "model/Clock.h"
#include "model/ColorTable.h"
#include "model/FirstBook.h"
#include "model/screens/BookScreen.h"
#include "model/screens/PreselectionScreen.h"
#include "monitoring/MonitoringView.h"
#include "monitoring/screens/MonitoringListModel.h"
#include "monitoring/screens/MonitoringScreen.h"
#include "ui/AboutDialog.h"
#include "ui/Icons.h"
#include "ui/PellwickApplication.h"

namespace {

// The list's background: "aliceblau" of the colour table.
constexpr int kListBackgroundSlot = 23;

struct CButtonPlace {
  int id;
  const char* text;
  bool available;
};

// The working screens of the button column; the unavailable ones come with
// later parts of the program.
constexpr CButtonPlace kScreenButtons[] = {
    {CMainWindow::kAccountsId, "Konten\nBestandsdaten", false},
    {CMainWindow::kEntriesId, "Einnahmen / Ausgaben", false},
    {CMainWindow::kContractsId, "regelmäßige Zahlungen \n Verträge", false},
    {CMainWindow::kClosingId, "Monatsabschluß", false},
    {CMainWindow::kImportId, "Import", false},
    {CMainWindow::kMonitoringId, "Konfiguration Überwachung", true},
    {CMainWindow::kBooksId, "Buchverwaltung", true},
    {CMainWindow::kQuitId, "Programm beenden", true},
};

bool HasBook() { return HasBookData() && BookData().Database() && BookData().Months() && !BookData().NoBook(); }

}  // namespace

CMainWindow::CMainWindow(IPreselectionChoice* preselection, QWidget* parent)
    : CDialogBase(kMainWindowId, parent),
      preselection_(preselection),
      monitoring_(new CMonitoringListModel(this)) {
  setWindowTitle("Pellwick");
  resize(780, 540);
  SetEscapeCloses(false);
  CreateButtons();
  CreatePeriodControls();
  CreateList();
  ConnectControls();
}

CMainWindow::~CMainWindow() = default;

void CMainWindow::CreateButtons() {
  int top = 12;
  for (const CButtonPlace& place : kScreenButtons) {
    auto* button = new QPushButton(QString::fromUtf8(place.text), this);
    button->setGeometry(12, top, 170, 46);
    button->setAutoDefault(false);
    button->setEnabled(place.available);
    RegisterControl(place.id, button);
    top += place.id == CMainWindow::kImportId || place.id == CMainWindow::kBooksId ? 62 : 52;
  }
  CreateHelpButton()->setGeometry(12, 490, 82, 30);
  auto* about = new QPushButton(InfoIcon(), "Info", this);
  about->setGeometry(100, 490, 82, 30);
  about->setAutoDefault(false);
  RegisterControl(kAboutId, about);
}

void CMainWindow::CreatePeriodControls() {
  auto* period = new QGroupBox("Zeitraum", this);
  period->setGeometry(196, 8, 360, 84);
  auto* current = new QCheckBox("aktueller Monat", this);
  current->setGeometry(206, 28, 140, 22);
  RegisterControl(kCurrentMonthId, current);
  auto* fromLabel = new QLabel("von", this);
  fromLabel->setGeometry(206, 58, 28, 24);
  auto* from = new QComboBox(this);
  from->setGeometry(234, 58, 140, 24);
  RegisterControl(kFromId, from);
  auto* toLabel = new QLabel("bis", this);
  toLabel->setGeometry(382, 58, 24, 24);
  auto* to = new QComboBox(this);
  to->setGeometry(406, 58, 140, 24);
  RegisterControl(kToId, to);

  auto* grouping = new QGroupBox("gruppiert nach", this);
  grouping->setGeometry(564, 8, 204, 84);
  auto* group = new QButtonGroup(this);
  const std::pair<int, const char*> radios[] = {
      {kNoGroupingId, "keine Gruppierung"}, {kByMonthId, "Monaten"}, {kByKindId, "Überwachungsstyp"}};
  int top = 24;
  for (const auto& [id, text] : radios) {
    auto* radio = new QRadioButton(QString::fromUtf8(text), this);
    radio->setGeometry(574, top, 190, 20);
    group->addButton(radio);
    RegisterControl(id, radio);
    top += 22;
  }
  auto* refresh = new QPushButton("aktualisieren", this);
  refresh->setGeometry(196, 100, 120, 28);
  refresh->setAutoDefault(false);
  RegisterControl(kRefreshId, refresh);
  auto* always = new QCheckBox("immer aktualisieren", this);
  always->setGeometry(330, 103, 180, 22);
  RegisterControl(kAlwaysRefreshId, always);
}

void CMainWindow::CreateList() {
  list_ = new QListView(this);
  list_->setGeometry(196, 136, 572, 384);
  list_->setModel(monitoring_);
  list_->setItemDelegate(new CMonitoringRowDelegate(list_));
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setUniformItemSizes(true);
  RegisterControl(kListId, list_);
}

void CMainWindow::ConnectControls() {
  connect(ControlAs<QPushButton>(kBooksId), &QPushButton::clicked, this, &CMainWindow::OpenBookScreen);
  connect(ControlAs<QPushButton>(kMonitoringId), &QPushButton::clicked, this, &CMainWindow::OpenMonitoringScreen);
  connect(ControlAs<QPushButton>(kQuitId), &QPushButton::clicked, this, &CMainWindow::EndProgram);
  connect(ControlAs<QPushButton>(kRefreshId), &QPushButton::clicked, this, &CMainWindow::RebuildMonitoring);
  connect(ControlAs<QPushButton>(kAboutId), &QPushButton::clicked, this, [this] {
    CAboutDialog about(this);
    about.exec();
  });
  connect(ControlAs<QComboBox>(kFromId), &QComboBox::currentIndexChanged, this, &CMainWindow::FromChanged);
  connect(ControlAs<QComboBox>(kToId), &QComboBox::currentIndexChanged, this, &CMainWindow::ToChanged);
  connect(ControlAs<QCheckBox>(kCurrentMonthId), &QCheckBox::toggled, this, &CMainWindow::CurrentMonthToggled);
  connect(ControlAs<QCheckBox>(kAlwaysRefreshId), &QCheckBox::toggled, this, [this](bool on) {
    if (on && !filling_) RebuildMonitoring();
  });
  for (int id : {kNoGroupingId, kByMonthId, kByKindId})
    connect(ControlAs<QRadioButton>(id), &QRadioButton::toggled, this, [this](bool on) {
      if (on) RefreshIfAlways();
    });
  connect(list_, &QListView::clicked, this, [this](const QModelIndex& index) { monitoring_->ClickRow(index.row()); });
}

void CMainWindow::InitDialog() {
  const CColor background = ProcessColorTable().Color(kListBackgroundSlot);
  QPalette palette = list_->palette();
  palette.setColor(QPalette::Base, QColor(background.red, background.green, background.blue));
  list_->setPalette(palette);
  RunStartUpDuties();
}

void CMainWindow::RunStartUpDuties() {
  CreateFirstBookIfNone();
  if (!HasBook()) {
    // Without a database or a book only the book screen can help.
    ShowSettings(DefaultMainWindowSettings(TodayMonthId()));
    return;
  }
  // The built-in monitoring rules came with loading the book.
  RunGuarded([] { BookData().CurrentMonthAtStart(); });
  RelinkContractEntries();
  LoadSettings();
  RebuildMonitoring();
}

void CMainWindow::CreateFirstBookIfNone() {
  if (!HasBookData() || !BookData().Database() || !BookData().NoBook()) return;
  if (!preselection_) {
    preselectionScreen_ = std::make_unique<CPreselectionScreenChoice>(this);
    preselection_ = preselectionScreen_.get();
  }
  RunGuarded([this] { CreateFirstBook(BookData(), *preselection_); });
}

void CMainWindow::RelinkContractEntries() {
  CBookData& book = BookData();
  if (book.Entries() && book.Contracts()) book.Entries()->LinkContracts(*book.Contracts());
}

void CMainWindow::LoadSettings() {
  CBookData& book = BookData();
  book.MaskData()->Load(*book.Database(), book.CurrentBookId());
  ShowSettings(ReadMainWindowSettings(MainWindowRecord(*book.MaskData(), book.Book().AktMonatId)));
}

void CMainWindow::ShowSettings(const CMainWindowSettings& settings) {
  filling_ = true;
  FillPeriodLists(settings.firstMonthId, settings.lastMonthId);
  SetChecked(kCurrentMonthId, settings.currentMonthOnly != 0);
  EnableControl(kFromId, settings.currentMonthOnly == 0);
  EnableControl(kToId, settings.currentMonthOnly == 0);
  const int radio = settings.grouping == 2 ? kByKindId : settings.grouping == 1 ? kByMonthId : kNoGroupingId;
  SetChecked(radio, true);
  SetChecked(kAlwaysRefreshId, settings.alwaysRefresh != 0);
  filling_ = false;
}

void CMainWindow::FillPeriodLists(int firstMonthId, int lastMonthId) {
  if (!HasBook()) return;
  const CHaushaltsbuchRow& book = BookData().Book();
  const CMonatList& months = *BookData().Months();
  fromChoice_ = ::FillMonthChoice(months, book.FirstLoadMonatId, book.LastLoadMonatId, book.AktMonatId);
  SelectMonthChoice(fromChoice_, firstMonthId);
  const int from = ReadMonthChoice(fromChoice_);
  toChoice_ = RefillBisChoice(months, from, book.LastLoadMonatId, lastMonthId);
  SelectMonthChoice(toChoice_, lastMonthId);
  FillMonthChoice(kFromId, fromChoice_);
  FillMonthChoice(kToId, toChoice_);
}

int CMainWindow::ChosenMonth(int controlId, const CMonthChoice& choice) const {
  CMonthChoice shown = choice;
  shown.selected = SelectedIndex(controlId);
  return ReadMonthChoice(shown);
}

void CMainWindow::FromChanged() {
  if (filling_ || !HasBook()) return;
  const CHaushaltsbuchRow& book = BookData().Book();
  const int to = ChosenMonth(kToId, toChoice_);
  fromChoice_.selected = SelectedIndex(kFromId);
  filling_ = true;
  toChoice_ = RefillBisChoice(*BookData().Months(), ReadMonthChoice(fromChoice_), book.LastLoadMonatId, to);
  FillMonthChoice(kToId, toChoice_);
  filling_ = false;
  RefreshIfAlways();
}

void CMainWindow::ToChanged() {
  if (filling_ || !HasBook()) return;
  const CHaushaltsbuchRow& book = BookData().Book();
  const int from = ChosenMonth(kFromId, fromChoice_);
  toChoice_.selected = SelectedIndex(kToId);
  filling_ = true;
  fromChoice_ = RefillVonChoice(*BookData().Months(), ReadMonthChoice(toChoice_), book.FirstLoadMonatId, from);
  FillMonthChoice(kFromId, fromChoice_);
  filling_ = false;
  RefreshIfAlways();
}

void CMainWindow::CurrentMonthToggled() {
  const bool only = IsChecked(kCurrentMonthId);
  EnableControl(kFromId, !only);
  EnableControl(kToId, !only);
  if (!filling_) RefreshIfAlways();
}

void CMainWindow::RefreshIfAlways() {
  if (!filling_ && IsChecked(kAlwaysRefreshId)) RebuildMonitoring();
}

CMainWindowSettings CMainWindow::Settings() const {
  CMainWindowSettings settings;
  settings.firstMonthId = ChosenMonth(kFromId, fromChoice_);
  settings.lastMonthId = ChosenMonth(kToId, toChoice_);
  settings.grouping = MonitoringGrouping(IsChecked(kByKindId), IsChecked(kByMonthId));
  settings.alwaysRefresh = IsChecked(kAlwaysRefreshId) ? 1 : 0;
  settings.currentMonthOnly = IsChecked(kCurrentMonthId) ? 1 : 0;
  return settings;
}

void CMainWindow::RebuildMonitoring() {
  if (!HasBook() || !BookData().Reports()) {
    monitoring_->Clear();
    return;
  }
  CBookData& book = BookData();
  const CMainWindowSettings settings = Settings();
  const CMonitoringPeriod period = MonitoringPeriod(settings.currentMonthOnly != 0, book.Book().AktMonatId,
                                                    settings.firstMonthId, settings.lastMonthId);
  monitoring_->Rebuild(*book.Reports(), book.MonthCollections(), period, settings.grouping);
}

void CMainWindow::OpenBookScreen() {
  {
    CBookScreen screen(this);
    screen.exec();
  }
  if (!HasBook()) {
    monitoring_->Clear();
    return;
  }
  RelinkContractEntries();
  RunGuarded([this] { LoadSettings(); });
  AfterWorkingScreen();
}

void CMainWindow::OpenMonitoringScreen() {
  if (!HasBook()) return;
  {
    CMonitoringScreen screen(this);
    screen.exec();
  }
  AfterWorkingScreen();
}

void CMainWindow::AfterWorkingScreen() {
  if (IsChecked(kAlwaysRefreshId)) RebuildMonitoring();
}

void CMainWindow::EndProgram() {
  if (ended_) return;
  // A failing store is shown and the window stays open: closing now would
  // lose what the store could not write.
  if (!RunGuarded([this] {
        StoreBook();
        StoreSettings();
      }))
    return;
  ended_ = true;
  done(QDialog::Accepted);
}

void CMainWindow::StoreBook() {
  if (!HasBook()) return;
  BookData().SaveCurrentBook(BookData().CurrentBookId());
}

void CMainWindow::StoreSettings() {
  if (!HasBook()) return;
  CBookData& book = BookData();
  WriteMainWindowSettings(Settings(), MainWindowRecord(*book.MaskData(), book.Book().AktMonatId));
  book.MaskData()->Store(*book.Database(), book.CurrentBookId());
}

void CMainWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  EndProgram();
}

// Escape and other cancels never close the main window.
void CMainWindow::reject() {}

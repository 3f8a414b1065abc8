// The monitoring screen's widgets and rule list; editing a rule is in
// MonitoringScreenRules.cpp.

#include "monitoring/screens/MonitoringScreen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>
#include <array>

#include "model/BookData.h"
#include "model/ColorTable.h"
#include "monitoring/screens/ProgramImages.h"
#include "ui/EditExt.h"

namespace {

constexpr int kRuleRole = Qt::UserRole + 1;

constexpr std::array<CControlDescriptor, 5> kMonitoringControls = {{
    {CMonitoringScreen::kTextId, ControlKind::Edit, FieldType::Text, 99, "Text der Meldung", 12101},
    {CMonitoringScreen::kDueCountId, ControlKind::Edit, FieldType::Number, 0, "Anzahl Tage oder Wochen", 12102},
    {CMonitoringScreen::kCategoryAmountId, ControlKind::Edit, FieldType::SignedNumber, 2, "Grenze in EUR", 12103},
    {CMonitoringScreen::kAccountAmountId, ControlKind::Edit, FieldType::SignedNumber, 2, "Grenze in EUR", 12104},
    {0, ControlKind::Edit, FieldType::Text, 0, nullptr, 0},
}};

template <class Widget>
Widget* Placed(Widget* widget, int left, int top, int width, int height) {
  widget->setGeometry(left, top, width, height);
  return widget;
}

QComboBox* ChoiceOf(QWidget* parent, const QStringList& texts, int left, int top, int width) {
  auto* combo = Placed(new QComboBox(parent), left, top, width, 24);
  combo->addItems(texts);
  return combo;
}

}  // namespace

CMonitoringScreen::CMonitoringScreen(QWidget* parent) : CDialogBase(kMonitoringScreenId, parent) {
  setWindowTitle("Überwachung");
  resize(640, 600);
  CreateList();
  CreateDetails();
  CreateButtons();
  ConnectControls();
}

void CMonitoringScreen::CreateList() {
  list_ = Placed(new QTreeWidget(this), 10, 10, 620, 200);
  list_->setRootIsDecorated(false);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setHeaderLabels({"überwachte Daten", "Ausgabetext"});
  list_->header()->resizeSection(0, 260);
  RegisterControl(kListId, list_);
}

void CMonitoringScreen::CreateDetails() {
  Placed(new QLabel("Text", this), 10, 222, 60, 24);
  RegisterControl(kTextId, Placed(new CEditExt(this), 74, 222, 400, 24));
  RegisterControl(kOwnTextId, Placed(new QCheckBox("anderen Ausgabetext verwenden", this), 74, 250, 260, 22));
  Placed(new QLabel("Darstellung", this), 350, 250, 80, 22);
  QStringList colors;
  for (const std::string& name : ReportColorNames()) colors << QString::fromStdString(name);
  RegisterControl(kColorId, ChoiceOf(this, colors, 434, 250, 110));
  auto* group = new QButtonGroup(this);
  for (const auto& [id, active] : {std::pair{kActiveId, true}, std::pair{kInactiveId, false}}) {
    auto* button = Placed(new QToolButton(this), active ? 554 : 590, 222, 32, 32);
    button->setIcon(ActiveImage(active));
    button->setCheckable(true);
    button->setToolTip(active ? "aktiv" : "inaktiv");
    group->addButton(button);
    RegisterControl(id, button);
  }
  auto* kinds = new QButtonGroup(this);
  const std::pair<int, const char*> kindButtons[] = {
      {kContractKindId, "Vertrag"}, {kCategoryKindId, "Kategorie"}, {kAccountKindId, "Konto"}};
  int top = 286;
  for (const auto& [id, text] : kindButtons) {
    Placed(new QGroupBox(this), 10, top - 6, 620, 72);
    auto* radio = Placed(new QRadioButton(QString::fromUtf8(text), this), 20, top, 100, 22);
    kinds->addButton(radio);
    RegisterControl(id, radio);
    top += 80;
  }
  CreateContractDetails(286);
  CreateCategoryDetails(366);
  CreateAccountDetails(446);
}

void CMonitoringScreen::CreateContractDetails(int top) {
  RegisterControl(kContractId, ChoiceOf(this, {}, 130, top, 200));
  Placed(new QLabel("Fälligkeitstermin", this), 130, top + 32, 110, 24);
  RegisterControl(kDueDirectionId, ChoiceOf(this, {"ist in", "war vor"}, 244, top + 32, 90));
  RegisterControl(kDueCountId, Placed(new CEditExt(this), 340, top + 32, 50, 24));
  RegisterControl(kDueUnitId, ChoiceOf(this, {"Tagen", "Wochen"}, 396, top + 32, 90));
}

void CMonitoringScreen::CreateCategoryDetails(int top) {
  RegisterControl(kCategoryId, ChoiceOf(this, {}, 130, top, 260));
  Placed(new QLabel("Summe", this), 130, top + 32, 60, 24);
  RegisterControl(kCategoryLimitId, ChoiceOf(this, {"übersteigt", "unterschreitet "}, 194, top + 32, 120));
  RegisterControl(kCategoryAmountId, Placed(new CEditExt(this), 320, top + 32, 90, 24));
  Placed(new QLabel("EUR", this), 414, top + 32, 40, 24);
}

void CMonitoringScreen::CreateAccountDetails(int top) {
  RegisterControl(kAccountId, ChoiceOf(this, {}, 130, top, 200));
  RegisterControl(kNotConfirmedId, Placed(new QCheckBox("nicht bestätigt", this), 340, top, 140, 24));
  RegisterControl(kBalanceId, Placed(new QCheckBox("Kontostand", this), 130, top + 32, 100, 24));
  RegisterControl(kAccountLimitId, ChoiceOf(this, {"übersteigt", "unterschreitet "}, 234, top + 32, 120));
  RegisterControl(kAccountAmountId, Placed(new CEditExt(this), 360, top + 32, 90, 24));
  Placed(new QLabel("EUR", this), 454, top + 32, 40, 24);
}

void CMonitoringScreen::CreateButtons() {
  const std::pair<int, const char*> buttons[] = {{kSaveId, "Speichern und\nSchließen"},
                                                 {kEditId, "Eintrag\nbearbeiten"},
                                                 {kDeleteId, "Eintrag\nLöschen"},
                                                 {kNewId, "Neuer\nEintrag"},
                                                 {kReloadId, "Nachladen"}};
  int left = 10;
  for (const auto& [id, text] : buttons) {
    auto* button = Placed(new QPushButton(QString::fromUtf8(text), this), left, 530, 100, 44);
    button->setAutoDefault(false);
    RegisterControl(id, button);
    left += 106;
  }
  CreateHelpButton()->setGeometry(540, 530, 90, 44);
}

void CMonitoringScreen::ConnectControls() {
  const auto button = [this](int id) { return ControlAs<QPushButton>(id); };
  connect(button(kSaveId), &QPushButton::clicked, this, [this] {
    if (SaveAndClose()) accept();
  });
  connect(button(kEditId), &QPushButton::clicked, this, [this] {
    if (mode_ == Mode::Viewing)
      EditRule();
    else
      TakeDetails();
  });
  connect(button(kDeleteId), &QPushButton::clicked, this, [this] {
    if (mode_ == Mode::Viewing)
      DeleteRule();
    else
      CancelEdit();
  });
  connect(button(kNewId), &QPushButton::clicked, this, &CMonitoringScreen::NewRule);
  connect(button(kReloadId), &QPushButton::clicked, this, &CMonitoringScreen::Reload);
  connect(list_, &QTreeWidget::itemChanged, this, &CMonitoringScreen::ItemChanged);
  connect(list_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* row) { SelectRow(list_->indexOfTopLevelItem(row)); });
  for (int id : {kContractKindId, kCategoryKindId, kAccountKindId, kOwnTextId, kBalanceId, kNotConfirmedId})
    connect(ControlAs<QAbstractButton>(id), &QAbstractButton::toggled, this, &CMonitoringScreen::DetailsChanged);
  for (int id : {kContractId, kDueDirectionId, kDueUnitId, kCategoryId, kCategoryLimitId, kAccountId, kAccountLimitId})
    connect(ControlAs<QComboBox>(id), &QComboBox::currentIndexChanged, this, &CMonitoringScreen::DetailsChanged);
  for (int id : {kDueCountId, kCategoryAmountId, kAccountAmountId})
    connect(ControlAs<CEditExt>(id), &CEditExt::Typed, this, &CMonitoringScreen::DetailsChanged);
}

void CMonitoringScreen::InitDialog() {
  BindControls(kMonitoringControls);
  FillChoices();
  FillList();
  ShowViewing();
}

void CMonitoringScreen::FillList() {
  filling_ = true;
  list_->clear();
  chosen_ = nullptr;
  int listRow = 0;
  for (CReport& rule : *BookData().Reports()) {
    rule.listRow = -1;
    if (rule.IsDeleted()) continue;
    rule.listRow = listRow++;
    auto* row = new QTreeWidgetItem(list_);
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    row->setData(0, kRuleRole, rule.ReportId);
    ShowRow(row, rule);
  }
  filling_ = false;
}

void CMonitoringScreen::ShowRow(QTreeWidgetItem* row, const CReport& rule) {
  CBookData& book = BookData();
  const CRuleLine line = RuleLine(rule, *book.Contracts(), *book.Categories(), *book.Accounts());
  const bool wasFilling = filling_;
  filling_ = true;
  row->setText(0, QString::fromStdString(line.watched));
  row->setText(1, QString::fromStdString(line.text));
  row->setIcon(0, ProgramImage(line.image));
  row->setCheckState(0, rule.Aktiv ? Qt::Checked : Qt::Unchecked);
  const CColor color = ProcessColorTable().Color(line.colorSlot);
  const QBrush brush = line.colorSlot > 0 ? QBrush(QColor(color.red, color.green, color.blue)) : QBrush();
  for (int column = 0; column < 2; ++column) row->setForeground(column, brush);
  filling_ = wasFilling;
}

void CMonitoringScreen::ItemChanged(QTreeWidgetItem* row, int column) {
  if (filling_ || column != 0) return;
  ToggleActive(list_->indexOfTopLevelItem(row));
}

void CMonitoringScreen::ToggleActive(int row) {
  CReport* rule = BookData().Reports()->FindByListRow(row);
  if (!rule) return;
  rule->Aktiv = rule->Aktiv ? 0 : 1;
  ShowRow(list_->topLevelItem(row), *rule);
}

void CMonitoringScreen::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (SaveAndClose()) accept();
}

// Escape closes as the close box does: the rules are stored.
void CMonitoringScreen::reject() {
  if (SaveAndClose()) QDialog::reject();
}

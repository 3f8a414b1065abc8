#include "model/screens/PreselectionScreen.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "model/StringTable.h"
#include "storage/StrFormat.h"

namespace {

constexpr int kPreselectionText = 156;

QString KindText(PreselectionKind kind) {
  switch (kind) {
    case PreselectionKind::Account: return "Konto";
    case PreselectionKind::ExpenseContract: return "Vertrag (Ausgabe)";
    case PreselectionKind::IncomeContract: return "Vertrag (Einnahme)";
    case PreselectionKind::MonitoringRule: return "Überwachung";
  }
  return {};
}

QString FrequencyText(int paymentsPerYear) {
  switch (paymentsPerYear) {
    case 0: return {};
    case 1: return "jährlich";
    case 2: return "halbjährlich";
    case 4: return "vierteljährlich";
    case 12: return "monatlich";
    default: return QString::fromStdString(StrFormat("%d mal im Jahr", paymentsPerYear));
  }
}

bool IsContract(PreselectionKind kind) {
  return kind == PreselectionKind::ExpenseContract || kind == PreselectionKind::IncomeContract;
}

}  // namespace

CPreselectionScreen::CPreselectionScreen(std::vector<CPreselectionItem>& items, QWidget* parent)
    : CDialogBase(kPreselectionScreenId, parent), items_(items), list_(new QTreeWidget(this)) {
  setWindowTitle("Vorauswahl");
  resize(480, 420);
  auto* text = new QPlainTextEdit(QString::fromStdString(std::string(StringTableText(kPreselectionText))), this);
  text->setReadOnly(true);
  text->setGeometry(12, 12, 456, 78);
  RegisterControl(kTextId, text);
  list_->setGeometry(12, 100, 456, 264);
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({"Bezeichnung", "Datenart", "Betrag", "Häufigkeit"});
  for (const auto& [column, width] : {std::pair{0, 140}, {1, 140}, {2, 80}, {3, 80}})
    list_->header()->resizeSection(column, width);
  list_->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  RegisterControl(kListId, list_);
  auto* ok = new QPushButton("Auswahl\nOK", this);
  ok->setGeometry(12, 372, 110, 40);
  RegisterControl(kOkId, ok);
  auto* cancel = new QPushButton("Abbrechen", this);
  cancel->setGeometry(132, 372, 110, 40);
  RegisterControl(kCancelId, cancel);
  QPushButton* help = CreateHelpButton();
  help->setText("Hilfe");
  help->setGeometry(358, 372, 110, 40);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemChanged, this, &CPreselectionScreen::ItemChanged);
}

QStringList CPreselectionScreen::RowTexts(const CPreselectionItem& item) {
  const QString amount = IsContract(item.kind) ? QString::fromStdString(StrFormat("%0.2f", item.amount)) : QString();
  return {QString::fromStdString(item.name), KindText(item.kind), amount, FrequencyText(item.paymentsPerYear)};
}

void CPreselectionScreen::InitDialog() { FillList(); }

void CPreselectionScreen::FillList() {
  filling_ = true;
  list_->clear();
  for (const CPreselectionItem& item : items_) {
    auto* row = new QTreeWidgetItem(list_, RowTexts(item));
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    row->setCheckState(0, item.checked ? Qt::Checked : Qt::Unchecked);
    row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  }
  filling_ = false;
}

void CPreselectionScreen::ItemChanged(QTreeWidgetItem* row) {
  if (filling_) return;
  const int index = list_->indexOfTopLevelItem(row);
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  items_[static_cast<std::size_t>(index)].checked = row->checkState(0) == Qt::Checked;
}

// The close box confirms the ticks, as "Auswahl\nOK" does.
void CPreselectionScreen::closeEvent(QCloseEvent* event) {
  event->ignore();
  accept();
}

bool CPreselectionScreenChoice::Choose(std::vector<CPreselectionItem>& items) {
  CPreselectionScreen screen(items, parent_);
  return screen.exec() == QDialog::Accepted;
}

// The monitoring screen's editing: choosing, creating, taking over,
// deleting and storing rules.

#include <QAbstractButton>
#include <QComboBox>
#include <QTreeWidget>
#include <set>

#include "model/BookData.h"
#include "model/Messages.h"
#include "monitoring/screens/MonitoringScreen.h"
#include "ui/EditExt.h"
#include "ui/PellwickApplication.h"

namespace {

constexpr int kTakeChangesString = 119;

// The distinct names of records with an id, in list order, after the entry
// for "all" or "none".
template <class List, class Name, class Id>
CNamedIds NamedIds(const char* first, const List& list, Name name, Id id) {
  CNamedIds named{{first, 0}};
  std::set<int> seen;
  for (const auto& record : list)
    if (!record.IsDeleted() && seen.insert(id(record)).second) named.emplace_back(name(record), id(record));
  return named;
}

void FillCombo(QComboBox* combo, const CNamedIds& named) {
  combo->clear();
  for (const auto& [name, id] : named) combo->addItem(QString::fromStdString(name), id);
}

int IdOfChoice(const QComboBox* combo) { return combo->currentIndex() > 0 ? combo->currentData().toInt() : 0; }

std::string NameOfChoice(const QComboBox* combo) {
  return combo->currentIndex() > 0 ? combo->currentText().toStdString() : std::string();
}

void SelectId(QComboBox* combo, int id) {
  const int index = combo->findData(id);
  combo->setCurrentIndex(index >= 0 ? index : 0);
}

}  // namespace

void CMonitoringScreen::FillChoices() {
  CBookData& book = BookData();
  contracts_ = NamedIds("Alle Verträge", *book.Contracts(), [](const CVertrag& c) { return c.Bezeichnung; },
                        [](const CVertrag& c) { return c.PostenId; });
  categories_ = NamedIds("Nicht erfasste Einahmen/Ausgaben", *book.Categories(),
                         [](const CKategorie& c) { return c.Beschreibung; }, [](const CKategorie& c) { return c.KategorieId; });
  accounts_ = NamedIds("Alle Konten", *book.Accounts(), [](const CBestandsdaten& a) { return a.Bezeichnung; },
                       [](const CBestandsdaten& a) { return a.PostenId; });
  filling_ = true;
  FillCombo(ControlAs<QComboBox>(kContractId), contracts_);
  FillCombo(ControlAs<QComboBox>(kCategoryId), categories_);
  FillCombo(ControlAs<QComboBox>(kAccountId), accounts_);
  filling_ = false;
}

void CMonitoringScreen::SelectRow(int row) {
  if (mode_ != Mode::Viewing) return;
  CReport* rule = BookData().Reports()->FindByListRow(row);
  // A built-in rule cannot be chosen.
  chosen_ = rule && !rule->IsBuiltIn() ? rule : nullptr;
  if (!chosen_) list_->clearSelection();
  ShowViewing();
}

void CMonitoringScreen::ShowViewing() {
  mode_ = Mode::Viewing;
  editing_ = nullptr;
  SetControlText(kEditId, "Eintrag\nbearbeiten");
  SetControlText(kDeleteId, "Eintrag\nLöschen");
  EnableControl(kEditId, chosen_ != nullptr);
  EnableControl(kDeleteId, chosen_ != nullptr);
  EnableControl(kNewId, true);
  list_->setEnabled(true);
  EnableDetails();
}

void CMonitoringScreen::ShowEditing() {
  const bool creating = mode_ == Mode::Creating;
  SetControlText(kEditId, creating ? "Eintragen" : "Eintrag\nOK");
  SetControlText(kDeleteId, creating ? "Abbruch" : "Eintrag\nabbrechen");
  EnableControl(kEditId, true);
  EnableControl(kDeleteId, true);
  EnableControl(kNewId, false);
  list_->setEnabled(false);
  ShowRule(*editing_);
}

int CMonitoringScreen::NewRule() {
  if (mode_ != Mode::Viewing) return 0;
  editing_ = &BookData().Reports()->New(kReportContract);
  editing_->Aktiv = 1;
  mode_ = Mode::Creating;
  ShowEditing();
  return 1;
}

int CMonitoringScreen::EditRule() {
  if (mode_ != Mode::Viewing || !chosen_) return 0;
  editing_ = chosen_;
  mode_ = Mode::Editing;
  ShowEditing();
  return 1;
}

void CMonitoringScreen::ShowRule(const CReport& rule) {
  filling_ = true;
  SetControlText(kTextId, QString::fromStdString(rule.AuagabeText));
  SetChecked(kOwnTextId, rule.FlagAltText != 0);
  SelectIndex(kColorId, rule.FarbIndex);
  SetChecked(rule.Aktiv ? kActiveId : kInactiveId, true);
  const int kind = rule.ReportTyp == kReportCategory ? kCategoryKindId
                   : rule.ReportTyp == kReportAccount ? kAccountKindId
                                                      : kContractKindId;
  SetChecked(kind, true);
  SelectId(ControlAs<QComboBox>(kContractId), rule.VertragId);
  SelectIndex(kDueDirectionId, rule.FlagVorNach);
  SetNumber(kDueCountId, rule.AnzTage, 0);
  SelectIndex(kDueUnitId, rule.FlagTageWochen);
  SelectId(ControlAs<QComboBox>(kCategoryId), rule.KategorieId);
  SelectIndex(kCategoryLimitId, rule.FlagObenUnten);
  SetNumber(kCategoryAmountId, rule.Betrag, 2);
  SelectId(ControlAs<QComboBox>(kAccountId), rule.KontoId);
  SetChecked(kBalanceId, rule.FlagCheckBetrag != 0);
  SetChecked(kNotConfirmedId, rule.NotChecked != 0);
  SelectIndex(kAccountLimitId, rule.FlagObenUnten);
  SetNumber(kAccountAmountId, rule.Betrag, 2);
  filling_ = false;
  DetailsChanged();
}

int CMonitoringScreen::ChosenKind() const {
  if (IsChecked(kCategoryKindId)) return kReportCategory;
  if (IsChecked(kAccountKindId)) return kReportAccount;
  return kReportContract;
}

CRuleChoices CMonitoringScreen::Choices() const {
  CRuleChoices choices;
  choices.reportTyp = ChosenKind();
  // The contract text names the choice as shown, "Alle Verträge" included.
  choices.contractName = ControlAs<QComboBox>(kContractId)->currentText().toStdString();
  choices.flagVorNach = std::max(0, SelectedIndex(kDueDirectionId));
  choices.anzTage = static_cast<int>(Number(kDueCountId));
  choices.flagTageWochen = std::max(0, SelectedIndex(kDueUnitId));
  choices.categoryName = ControlText(kCategoryId).toStdString();
  const bool category = choices.reportTyp == kReportCategory;
  choices.flagObenUnten = std::max(0, SelectedIndex(category ? kCategoryLimitId : kAccountLimitId));
  choices.betrag = Number(category ? kCategoryAmountId : kAccountAmountId);
  choices.accountName = NameOfChoice(ControlAs<QComboBox>(kAccountId));
  choices.flagCheckBetrag = IsChecked(kBalanceId) ? 1 : 0;
  choices.notChecked = IsChecked(kNotConfirmedId) ? 1 : 0;
  return choices;
}

void CMonitoringScreen::FillKindDefaults(int kind) {
  // A kind chosen for the first time starts with its first entries.
  if (kind == kReportContract && SelectedIndex(kDueDirectionId) < 0) {
    SelectIndex(kContractId, 0);
    SelectIndex(kDueDirectionId, 0);
    SelectIndex(kDueUnitId, 0);
    SetNumber(kDueCountId, 1, 0);
  }
  if (kind == kReportCategory && SelectedIndex(kCategoryLimitId) < 0) {
    SelectIndex(kCategoryId, 0);
    SelectIndex(kCategoryLimitId, 0);
    SetNumber(kCategoryAmountId, 0, 2);
  }
  if (kind == kReportAccount && SelectedIndex(kAccountLimitId) < 0) {
    SelectIndex(kAccountId, 0);
    SelectIndex(kAccountLimitId, 0);
    SetNumber(kAccountAmountId, 0, 2);
  }
  if (ControlText(kDueCountId).isEmpty()) SetNumber(kDueCountId, 1, 0);
}

void CMonitoringScreen::DetailsChanged() {
  if (filling_ || mode_ == Mode::Viewing) {
    EnableDetails();
    return;
  }
  filling_ = true;
  FillKindDefaults(ChosenKind());
  // Without the balance test the rule reports unconfirmed months.
  if (ChosenKind() == kReportAccount && !IsChecked(kBalanceId)) SetChecked(kNotConfirmedId, true);
  if (!IsChecked(kOwnTextId)) SetControlText(kTextId, QString::fromStdString(DefaultOutputText(Choices())));
  filling_ = false;
  EnableDetails();
}

void CMonitoringScreen::EnableDetails() {
  const bool editing = mode_ != Mode::Viewing;
  const int kind = ChosenKind();
  for (int id : {kOwnTextId, kColorId, kActiveId, kInactiveId, kContractKindId, kCategoryKindId, kAccountKindId})
    EnableControl(id, editing);
  EnableControl(kTextId, editing && IsChecked(kOwnTextId));
  for (int id : {kContractId, kDueDirectionId, kDueCountId, kDueUnitId}) EnableControl(id, editing && kind == kReportContract);
  for (int id : {kCategoryId, kCategoryLimitId, kCategoryAmountId}) EnableControl(id, editing && kind == kReportCategory);
  const bool account = editing && kind == kReportAccount;
  const bool balance = account && IsChecked(kBalanceId);
  EnableControl(kAccountId, account);
  EnableControl(kBalanceId, account);
  EnableControl(kNotConfirmedId, balance);
  EnableControl(kAccountLimitId, balance);
  EnableControl(kAccountAmountId, balance);
}

void CMonitoringScreen::TakeDetails() {
  if (mode_ == Mode::Viewing || !editing_) return;
  CReport& rule = *editing_;
  const CRuleChoices choices = Choices();
  rule.FlagAltText = IsChecked(kOwnTextId) ? 1 : 0;
  rule.Aktiv = IsChecked(kInactiveId) ? 0 : 1;
  rule.AuagabeText = ControlText(kTextId).left(99).toStdString();
  rule.FarbIndex = std::max(0, SelectedIndex(kColorId));
  rule.ReportTyp = choices.reportTyp;
  if (choices.reportTyp == kReportContract) {
    rule.VertragId = IdOfChoice(ControlAs<QComboBox>(kContractId));
    rule.FlagVorNach = choices.flagVorNach;
    rule.FlagTageWochen = choices.flagTageWochen;
    rule.AnzTage = choices.anzTage;
  } else if (choices.reportTyp == kReportCategory) {
    rule.FlagObenUnten = choices.flagObenUnten;
    rule.Betrag = choices.betrag;
    rule.KategorieId = IdOfChoice(ControlAs<QComboBox>(kCategoryId));
  } else {
    rule.KontoId = IdOfChoice(ControlAs<QComboBox>(kAccountId));
    rule.FlagObenUnten = choices.flagObenUnten;
    rule.FlagCheckBetrag = choices.flagCheckBetrag;
    rule.Betrag = choices.betrag;
    rule.NotChecked = choices.notChecked;
  }
  chosen_ = nullptr;
  FillList();
  ShowViewing();
}

void CMonitoringScreen::CancelEdit() {
  if (mode_ == Mode::Creating && editing_) BookData().Reports()->Remove(*editing_);
  FillList();
  ShowViewing();
}

int CMonitoringScreen::DeleteRule() {
  if (mode_ != Mode::Viewing || !chosen_) return 0;
  chosen_->MarkDeleted();
  FillList();
  ShowViewing();
  return 1;
}

bool CMonitoringScreen::SaveAndClose() {
  if (closed_) return true;
  if (mode_ != Mode::Viewing && editing_) {
    const int answer = QuestionString(kTakeChangesString, MessageButtons::YesNoCancel, editing_->Text());
    if (answer == kAnswerYes)
      TakeDetails();
    else if (answer == kAnswerNo)
      CancelEdit();
    else
      return false;
  }
  CBookData& book = BookData();
  if (!RunGuarded([&] { book.Reports()->Store(*book.Database(), book.CurrentBookId()); })) return false;
  closed_ = true;
  return true;
}

void CMonitoringScreen::Reload() {
  if (mode_ != Mode::Viewing) CancelEdit();
  if (!RunGuarded([] { BookData().ReloadPart(kMonitoringScreenId); })) return;
  FillChoices();
  FillList();
  ShowViewing();
}

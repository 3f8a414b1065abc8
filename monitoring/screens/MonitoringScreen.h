#pragma once

// "Überwachung" (dialog 121): the monitoring rules of the book. The list
// shows each rule's watched data and output text with its image and colour
// and a check box for "aktiv"; the details edit one rule of the kinds
// contract, category or account. The built-in input-error rules cannot be
// edited. "Speichern und\nSchließen" and the close box store the rules
// (asking STRING 119 first while a rule is edited); the reload button brings
// back the stored rules. UI thread only.

#include <string>
#include <utility>
#include <vector>

#include "monitoring/ReportTexts.h"
#include "ui/DialogBase.h"

class CReport;
class QTreeWidget;
class QTreeWidgetItem;

inline constexpr int kMonitoringScreenId = 121;

// Names to choose with the id behind each, the "all" entry (id 0) first.
using CNamedIds = std::vector<std::pair<std::string, int>>;

class CMonitoringScreen : public CDialogBase {
  Q_OBJECT

 public:
  static constexpr int kListId = 1148;
  static constexpr int kTextId = 1022;
  static constexpr int kColorId = 1299;
  static constexpr int kOwnTextId = 1296;
  static constexpr int kActiveId = 1156;
  static constexpr int kInactiveId = 1157;
  static constexpr int kContractKindId = 1289;
  static constexpr int kContractId = 1013;
  static constexpr int kDueDirectionId = 1076;
  static constexpr int kDueCountId = 1297;
  static constexpr int kDueUnitId = 1077;
  static constexpr int kCategoryKindId = 1288;
  static constexpr int kCategoryId = 1301;
  static constexpr int kCategoryLimitId = 1075;
  static constexpr int kCategoryAmountId = 1128;
  static constexpr int kAccountKindId = 1287;
  static constexpr int kAccountId = 1302;
  static constexpr int kNotConfirmedId = 1291;
  static constexpr int kBalanceId = 1292;
  static constexpr int kAccountLimitId = 1073;
  static constexpr int kAccountAmountId = 1127;
  static constexpr int kSaveId = 1011;
  static constexpr int kEditId = 1009;
  static constexpr int kDeleteId = 1010;
  static constexpr int kNewId = 1008;
  static constexpr int kReloadId = 1173;

  enum class Mode { Viewing, Editing, Creating };

  explicit CMonitoringScreen(QWidget* parent = nullptr);

  Mode CurrentMode() const { return mode_; }
  QTreeWidget* List() const { return list_; }
  // The rule chosen in the list (never a built-in one), or null.
  CReport* ChosenRule() const { return chosen_; }

  void SelectRow(int row);
  int NewRule();
  int EditRule();
  // The first button while editing: the details into the rule.
  void TakeDetails();
  // The second button while editing.
  void CancelEdit();
  int DeleteRule();
  // Returns false when the user chose to stay (Cancel to STRING 119).
  bool SaveAndClose();
  void Reload();
  // A click on a row's check box.
  void ToggleActive(int row);
  // The details as the core reads them.
  CRuleChoices Choices() const;

 protected:
  void InitDialog() override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void CreateList();
  void CreateDetails();
  void CreateContractDetails(int top);
  void CreateCategoryDetails(int top);
  void CreateAccountDetails(int top);
  void CreateButtons();
  void ConnectControls();
  void FillChoices();
  void FillList();
  void ShowRow(QTreeWidgetItem* row, const CReport& rule);
  void ShowViewing();
  void ShowEditing();
  void ShowRule(const CReport& rule);
  void DetailsChanged();
  void EnableDetails();
  int ChosenKind() const;
  void FillKindDefaults(int kind);
  void ItemChanged(QTreeWidgetItem* row, int column);

  QTreeWidget* list_ = nullptr;  // owned by the screen
  Mode mode_ = Mode::Viewing;
  CReport* chosen_ = nullptr;   // owned by the book's rule list
  CReport* editing_ = nullptr;  // owned by the book's rule list
  CNamedIds contracts_;
  CNamedIds categories_;
  CNamedIds accounts_;
  bool filling_ = false;
  bool closed_ = false;
};

#pragma once

// The main window (dialog 122, "Pellwick"): the column of buttons that open
// the working screens and, beside it, the monitoring list for a chosen
// period, optionally grouped by month or by kind of rule.
//
// When it is shown it does the program's start-up duties: the first book of
// a new database (with the preselection), the current month, relinking the
// contract entries, the saved settings and the first monitoring list (the
// built-in monitoring rules come with loading the book). "Programm beenden" and the close box store the
// current book and the settings and end the program; Escape never closes it.
// UI thread only.

#include <memory>

#include "model/MonthChoice.h"
#include "ui/DialogBase.h"
#include "ui/MainWindowSettings.h"

class CMonitoringListModel;
class IPreselectionChoice;
class QListView;

class CMainWindow : public CDialogBase {
  Q_OBJECT

 public:
  // Control ids.
  static constexpr int kAccountsId = 1000;
  static constexpr int kEntriesId = 1001;
  static constexpr int kContractsId = 1002;
  static constexpr int kClosingId = 1003;
  static constexpr int kQuitId = 1005;
  static constexpr int kBooksId = 1006;
  static constexpr int kMonitoringId = 1007;
  static constexpr int kRefreshId = 1008;
  static constexpr int kFromId = 1013;
  static constexpr int kToId = 1014;
  static constexpr int kAboutId = 1021;
  static constexpr int kListId = 1148;
  static constexpr int kCurrentMonthId = 1150;
  static constexpr int kByMonthId = 1160;
  static constexpr int kByKindId = 1161;
  static constexpr int kNoGroupingId = 1162;
  static constexpr int kAlwaysRefreshId = 1303;
  static constexpr int kImportId = 1408;

  // preselection: what the first-book flow asks the user; it must outlive
  // the window. nullptr shows the preselection screen.
  explicit CMainWindow(IPreselectionChoice* preselection = nullptr, QWidget* parent = nullptr);
  ~CMainWindow() override;

  CMonitoringListModel& Monitoring() { return *monitoring_; }
  QListView* MonitoringList() const { return list_; }
  // The settings as the controls show them.
  CMainWindowSettings Settings() const;

  // The buttons' actions.
  void RebuildMonitoring();
  void OpenBookScreen();
  void OpenMonitoringScreen();
  // "Programm beenden": stores the book and the settings, then closes.
  void EndProgram();
  // Escape and other cancels: they never close the main window.
  void reject() override;

 protected:
  void InitDialog() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateButtons();
  void CreatePeriodControls();
  void CreateList();
  void ConnectControls();
  void RunStartUpDuties();
  void CreateFirstBookIfNone();
  void LoadSettings();
  void ShowSettings(const CMainWindowSettings& settings);
  void StoreSettings();
  void StoreBook();
  void FillPeriodLists(int firstMonthId, int lastMonthId);
  void FromChanged();
  void ToChanged();
  void CurrentMonthToggled();
  void RefreshIfAlways();
  void AfterWorkingScreen();
  void RelinkContractEntries();
  int ChosenMonth(int controlId, const CMonthChoice& choice) const;

  IPreselectionChoice* preselection_;
  std::unique_ptr<IPreselectionChoice> preselectionScreen_;
  CMonitoringListModel* monitoring_;  // owned by the window
  QListView* list_ = nullptr;         // owned by the window
  CMonthChoice fromChoice_;
  CMonthChoice toChoice_;
  bool filling_ = false;
  bool ended_ = false;
};

#pragma once

// "Haushaltsbuch" (dialog 118): the books of the database. A list of the
// books (the check box marks the current one, one book always stays
// checked) and the details of the book being edited: name, first month,
// months ahead with the resulting last month, and the current month when it
// is chosen by the user. Viewing, editing an existing book and creating a
// new one follow the screens' pattern ("Bearbeiten"/"Löschen"/"Neu", while
// editing "Eintragen"/"Abbruch").
//
// The book a button works on is first loaded as the current book: editing,
// "Vorauswahl" and "Monatsarchiv" change the collections of the book data,
// which must hold that book's data and no other's. Closing the screen loads
// the current book again as at start. UI thread only.

#include <memory>

#include "model/Haushaltsbuch.h"
#include "model/MonthChoice.h"
#include "ui/DialogBase.h"

class IPreselectionChoice;
class QTreeWidget;
class QTreeWidgetItem;

inline constexpr int kBookScreenId = 118;

class CBookScreen : public CDialogBase {
  Q_OBJECT

 public:
  static constexpr int kListId = 1148;
  static constexpr int kNameId = 1022;
  static constexpr int kFirstMonthId = 1013;
  static constexpr int kAheadId = 1297;
  static constexpr int kLastMonthId = 1098;
  static constexpr int kCurrentMonthId = 1014;
  static constexpr int kUserDefinedId = 1150;
  static constexpr int kPreselectionId = 1130;
  static constexpr int kArchiveId = 1131;
  static constexpr int kSaveId = 1011;
  static constexpr int kEditId = 1009;
  static constexpr int kDeleteId = 1010;
  static constexpr int kNewId = 1008;
  static constexpr int kDatabaseId = 1132;

  enum class Mode { Viewing, Editing, Creating };

  // preselection: what "Vorauswahl" asks; nullptr shows the preselection
  // screen. It must outlive the screen.
  explicit CBookScreen(QWidget* parent = nullptr, IPreselectionChoice* preselection = nullptr);
  ~CBookScreen() override;

  Mode CurrentMode() const { return mode_; }
  QTreeWidget* List() const { return list_; }
  CHaushaltsbuchList& Books() { return *books_; }
  // Selects the row of the list (-1 none).
  void SelectRow(int row);

  // The buttons. Each returns what it did: 0 when it could not act.
  int Edit();
  int New();
  // "Eintragen": 1 when the book was applied and saved, 0 when the screen
  // stays in editing (also for a new book's first "Eintragen", which offers
  // the preselection).
  int Apply();
  void Cancel();
  int Delete();
  int Preselection();
  int MonthArchive();
  void SaveAndClose();
  // A click on the check box of a row.
  void CheckRow(int row, bool checked);
  // Escape and the close box: leaves without storing the book list.
  void reject() override;

 protected:
  void InitDialog() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateList();
  void CreateDetails();
  void CreateButtons();
  void ConnectControls();
  void FillList();
  QStringList RowTexts(const CHaushaltsbuch& book) const;
  CHaushaltsbuch* SelectedBook();
  void ShowViewing();
  void ShowEditing();
  void UpdateButtons();
  void UpdateLastMonth();
  int ChosenMonth(int controlId, const CMonthChoice& choice) const;
  bool LoadAsCurrent(int bookId);
  void TakeFields();
  void FinishApply();
  bool OfferPreselection();
  void CloseAndReload();
  void ItemChanged(QTreeWidgetItem* row, int column);

  IPreselectionChoice* preselection_;
  std::unique_ptr<IPreselectionChoice> preselectionScreen_;
  std::unique_ptr<CHaushaltsbuchList> books_ = std::make_unique<CHaushaltsbuchList>();
  QTreeWidget* list_ = nullptr;  // owned by the screen
  Mode mode_ = Mode::Viewing;
  CHaushaltsbuch* editRow_ = nullptr;  // owned by books_
  bool preselectionPending_ = false;
  // The book whose data the book data's collections hold; 0 when none.
  int loadedBookId_ = 0;
  CMonthChoice firstChoice_;
  CMonthChoice currentChoice_;
  bool filling_ = false;
  bool closing_ = false;
};

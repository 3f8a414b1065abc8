#include "model/screens/CurrentMonthScreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "model/BookData.h"
#include "model/Clock.h"
#include "ui/PellwickApplication.h"

CCurrentMonthScreen::CCurrentMonthScreen(QWidget* parent) : CDialogBase(kCurrentMonthScreenId, parent) {
  setWindowTitle("Aktueller Monat");
  resize(330, 170);
  auto* label = new QLabel("aktueller Monat", this);
  label->setGeometry(12, 14, 120, 24);
  auto* month = new QComboBox(this);
  month->setGeometry(136, 14, 180, 24);
  RegisterControl(kMonthId, month);
  auto* userDefined = new QCheckBox("benutzerdefiniert", this);
  userDefined->setGeometry(136, 46, 180, 22);
  RegisterControl(kUserDefinedId, userDefined);
  auto* first = new QPushButton("auf ersten Monat setzen", this);
  first->setGeometry(136, 76, 180, 28);
  first->setAutoDefault(false);
  RegisterControl(kFirstMonthId, first);
  auto* ok = new QPushButton("OK", this);
  ok->setGeometry(12, 128, 96, 30);
  RegisterControl(kOkId, ok);
  auto* cancel = new QPushButton("Abbruch", this);
  cancel->setGeometry(116, 128, 96, 30);
  RegisterControl(kCancelId, cancel);
  CreateHelpButton()->setGeometry(220, 128, 96, 30);
  connect(first, &QPushButton::clicked, this, &CCurrentMonthScreen::SelectFirstMonth);
  connect(userDefined, &QCheckBox::toggled, this, &CCurrentMonthScreen::UserDefinedToggled);
  connect(ok, &QPushButton::clicked, this, [this] {
    if (RunGuarded([this] { TakeChoice(); })) accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CCurrentMonthScreen::InitDialog() {
  const CHaushaltsbuchRow& book = BookData().Book();
  if (BookData().Months())
    choice_ = ::FillMonthChoice(*BookData().Months(), book.FirstLoadMonatId, book.LastLoadMonatId, book.AktMonatId);
  const bool userDefined = book.AktMonatUser == 2;
  SelectMonthChoice(choice_, userDefined ? book.AktMonatId : TodayMonthId());
  FillMonthChoice(kMonthId, choice_);
  SetChecked(kUserDefinedId, userDefined);
  EnableControl(kMonthId, userDefined);
}

void CCurrentMonthScreen::UserDefinedToggled(bool checked) {
  EnableControl(kMonthId, checked);
  if (!checked) {
    choice_.selected = SelectedIndex(kMonthId);
    SelectMonthChoice(choice_, TodayMonthId());
    SelectIndex(kMonthId, choice_.selected);
  }
}

void CCurrentMonthScreen::SelectFirstMonth() {
  SetChecked(kUserDefinedId, true);
  choice_.selected = SelectedIndex(kMonthId);
  SelectMonthChoice(choice_, BookData().Book().FirstLoadMonatId);
  SelectIndex(kMonthId, choice_.selected);
}

int CCurrentMonthScreen::SelectedMonth() const {
  CMonthChoice shown = choice_;
  shown.selected = SelectedIndex(kMonthId);
  return ReadMonthChoice(shown);
}

void CCurrentMonthScreen::TakeChoice() {
  CBookData& bookData = BookData();
  CHaushaltsbuchRow& book = bookData.Book();
  const bool userDefined = IsChecked(kUserDefinedId);
  book.AktMonatUser = userDefined ? 2 : 1;
  book.AktMonatId = userDefined && SelectedMonth() != 0 ? SelectedMonth() : TodayMonthId();
  if (bookData.Database()) book.Store(*bookData.Database(), bookData.CurrentBookId());
}

#include "monitoring/Report.h"

#include <algorithm>
#include <cmath>

#include "storage/Database.h"

namespace {

long long Cents(double amount) { return std::llround(amount * 100.0); }

// Every column as a new built-in rule has it.
void MakeBuiltIn(CReport& report, int id) {
  report.ReportId = id;
  report.ReportTyp = kReportInputError;
  report.AuagabeText.clear();
  report.FlagAltText = 0;
  report.Aktiv = 1;
  report.FarbIndex = id;
  report.KontoId = 0;
  report.KategorieId = 0;
  report.VertragId = 0;
  report.NotChecked = 0;
  report.FlagObenUnten = 0;
  report.FlagCheckBetrag = 0;
  report.Betrag = 0.0;
  report.FlagVorNach = 0;
  report.FlagTageWochen = 0;
  report.AnzTage = 0;
}

}  // namespace

bool CReport::BreaksLimit(double value) const {
  return FlagObenUnten == kReportNotBelow ? Cents(value) < Cents(Betrag) : Cents(value) > Cents(Betrag);
}

std::string CReport::Text() const {
  if (IsBuiltIn() && ReportId == kReportNoAccount) return "kein Konto erfasst";
  if (IsBuiltIn() && ReportId == kReportNoContract) return "kein Vertrag angegeben";
  return AuagabeText;
}

CReport& CReportList::New(int reportTyp) {
  CReport& report = AppendWithNewId();
  report.ReportTyp = reportTyp;
  return report;
}

int CReportList::EnsureBuiltInRules() {
  int made = 0;
  for (int id : {kReportNoAccount, kReportNoContract})
    if (EnsureBuiltInRule(id)) ++made;
  return made;
}

bool CReportList::EnsureBuiltInRule(int id) {
  CReport* holder = nullptr;
  for (CReport& report : *this)
    if (!report.IsDeleted() && report.ReportId == id) holder = &report;
  if (holder && holder->IsBuiltIn() && holder->Aktiv != 0) return false;
  // A rule of the user's that holds a built-in id (stored before the ids
  // were reserved) moves to a free id instead of being overwritten.
  if (holder && !holder->IsBuiltIn()) {
    holder->ReportId = std::max(HighestId(), CReport::kReservedIds) + 1;
    NoteId(holder->ReportId);
    holder = nullptr;
  }
  // An inactive built-in rule is made anew in its own record, so the list
  // never holds two rows of one key.
  MakeBuiltIn(holder ? *holder : AppendNew(), id);
  NoteId(id);
  return true;
}

void CReportList::PrepareBook(CDatabase& database, int bookId) {
  EnsureBuiltInRules();
  Store(database, bookId);
}

CReport* CReportList::FindByListRow(int listRow) {
  for (CReport& report : *this)
    if (!report.IsDeleted() && report.listRow == listRow) return &report;
  return nullptr;
}

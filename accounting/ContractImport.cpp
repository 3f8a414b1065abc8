#include "accounting/ContractImport.h"

#include <cmath>
#include <functional>
#include <vector>

#include "model/Messages.h"
#include "model/MonthMath.h"

namespace {

// At most `length` characters of UTF-8 text, cut on a character boundary.
std::string CutToCharacters(const std::string& text, std::size_t length) {
  std::size_t characters = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const bool starts = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
    if (starts && characters++ == length) return text.substr(0, at);
  }
  return text;
}

long long Cents(double amount) { return std::llround(amount * 100.0); }

CDate WithDay(const CDate& date, int day) {
  const CDate::CYmd ymd = date.ToYmd();
  return CDate::FromYmd(ymd.year, ymd.month, std::min(day, DaysInMonth(ymd.year, ymd.month)));
}

// One value of the comparison: the two names of STRING 151, whether it
// differs, and how the record's value is taken over.
struct CComparedValue {
  const char* ofRecord;
  const char* ofContract;
  bool differs;
  std::function<void()> takeOver;
};

}  // namespace

CVertrag& ContractFromImport(CVertragList& contracts, CDatabase& database, int bookId, int monthId,
                             const CContractImportValues& values) {
  CVertrag& contract = contracts.NewContract(database, bookId, monthId);
  contract.Bezeichnung = CutToCharacters(values.name, kImportedContractNameLength);
  contract.Typ = values.amount >= 0.0 ? kContractIncome : kContractExpense;
  contract.Betrag = std::fabs(values.amount);
  contract.ZahlungInTagen = 0;
  contract.AnzZahlungen = 12;
  contract.KontoId = values.kontoId;
  contract.TarKontoId = values.tarKontoId;
  contract.KategorieId = values.kategorieId;
  contract.ErsteFaelligkeit = values.date;
  return contract;
}

int TakeOverImportValues(CVertrag& contract, const CContractImportValues& values) {
  const int day = values.date.Day();
  const std::vector<CComparedValue> compared{
      {"Die Kategorie", "der Kategorie", values.kategorieId != contract.KategorieId,
       [&] { contract.KategorieId = values.kategorieId; }},
      {"Der Betrag", "dem Betrag", Cents(std::fabs(values.amount)) != Cents(contract.Betrag),
       [&] { contract.Betrag = std::fabs(values.amount); }},
      {"Der Tag der Fälligkeit", "dem Tag", !values.date.IsZero() && day != contract.ErsteFaelligkeit.Day(),
       [&] {
         contract.ErsteFaelligkeit =
             contract.ErsteFaelligkeit.IsZero() ? values.date : WithDay(contract.ErsteFaelligkeit, day);
       }},
  };
  int takenOver = 0;
  for (const CComparedValue& value : compared) {
    if (!value.differs) continue;
    const int answer = QuestionString(151, MessageButtons::YesNoCancel, value.ofRecord, value.ofContract);
    if (answer == kAnswerOther) break;
    if (answer != kAnswerYes) continue;
    value.takeOver();
    ++takenOver;
  }
  if (takenOver > 0) {
    contract.changeFlags |= kContractChangePayment;
    contract.renewDueEntries = 1;
  }
  return takenOver;
}

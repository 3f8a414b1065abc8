#include "accounting/ContractChecks.h"

#include <algorithm>

#include "accounting/Vorgang.h"
#include "model/ActionPlanner.h"
#include "model/BookData.h"
#include "model/Messages.h"
#include "model/QuestionStore.h"

bool CheckContractChange(CVertragList& contracts, const CVertragRow& edited, bool isNew) {
  if (edited.Bezeichnung.empty()) {
    WarningString(125);
    return false;
  }
  if (edited.ZahlungInTagen != 0 && edited.AnzZahlungen <= 0) {
    WarningString(134);
    return false;
  }
  if (!isNew) return true;
  const CVertrag* namesake = contracts.FindContractByName(edited.Bezeichnung, kAllLoadedMonths);
  if (namesake && namesake->PostenId != edited.PostenId)
    return QuestionString(130, MessageButtons::YesNo, edited.Bezeichnung) == kAnswerYes;
  return true;
}

namespace {

bool MasterDataDiffers(const CVertragRow& a, const CVertragRow& b) {
  return a.Typ != b.Typ || a.Bezeichnung != b.Bezeichnung || a.LaufZeit != b.LaufZeit ||
         a.LaufZeitMonate != b.LaufZeitMonate || a.FirstMonat != b.FirstMonat;
}

bool PaymentDataDiffers(const CVertragRow& a, const CVertragRow& b) {
  return a.Betrag != b.Betrag || a.KategorieId != b.KategorieId || a.ErsteFaelligkeit != b.ErsteFaelligkeit ||
         a.AnzZahlungen != b.AnzZahlungen || a.ZahlungInTagen != b.ZahlungInTagen ||
         a.Rueckstellung != b.Rueckstellung || a.CheckErforderlich != b.CheckErforderlich ||
         a.KontoId != b.KontoId || a.TarKontoId != b.TarKontoId;
}

// The screen's values with what follows from them.
CVertragRow Completed(const CVertragRow& edited) {
  CVertragRow values = edited;
  values.Rueckstellung = values.ZahlungInTagen != 0 || values.AnzZahlungen != 12 ? 1 : 0;
  if (values.LaufZeitMonate <= 0) {
    values.LaufZeit = 0;
    values.LaufZeitMonate = 0;
  }
  values.LastMonat = values.LaufZeit != 0 ? values.FirstMonat + values.LaufZeitMonate - 1 : 0;
  return values;
}

}  // namespace

int ContractChangeFlags(const CVertragRow& stored, const CVertragRow& edited) {
  int flags = 0;
  if (MasterDataDiffers(stored, edited)) flags |= kContractChangeMasterData;
  if (PaymentDataDiffers(stored, edited)) flags |= kContractChangePayment;
  if (stored.LastMonat != edited.LastMonat || stored.FirstMonat != edited.FirstMonat)
    flags |= kContractChangeMasterData | kContractChangeRange;
  return flags;
}

void ApplyContractChange(CVertrag& record, const CVertragRow& edited) {
  const CVertragRow values = Completed(edited);
  record.changeFlags |= ContractChangeFlags(record, values);
  record.CopyContractColumnsFrom(values);
  record.renewDueEntries = 1;
}

int CountDependentEntries(CVorgangList& entries, int postenId, int firstMonthId, int lastMonthId) {
  int count = 0;
  for (int monthId = firstMonthId; monthId <= lastMonthId; ++monthId)
    for (const CVorgang* entry : entries.EntriesOfContract(postenId, monthId))
      if (entry->Typ != kEntryReserveShare) ++count;
  return count;
}

namespace {

CVertrag* FirstLiveRecord(CVertragList& contracts, int postenId) {
  CVertrag* first = nullptr;
  for (CVertrag& record : contracts)
    if (!record.IsDeleted() && record.PostenId == postenId && (!first || record.MonatId < first->MonatId))
      first = &record;
  return first;
}

// STRING 109 when entries depend on the contract; the answer is what
// request 29 reads. Without dependent entries "No" is set, so nothing is
// asked later. False on Cancel.
bool AskAboutDependentEntries(CQuestionStore& questions, int postenId, int dependent) {
  const int key = postenId * kQuestionContractEntries;
  if (dependent == 0) {
    questions.SetAnswer(key, kAnswerNo);
    return true;
  }
  // An earlier answer (or a Cancel) must not decide this deletion.
  questions.ForgetAnswer(key);
  const int answer = questions.AskString(MessageKind::Question, key, 109, MessageButtons::YesNoCancel,
                                         AskMode::Remember, dependent);
  if (answer == kAnswerYes || answer == kAnswerNo) return true;
  questions.ForgetAnswer(key);
  return false;
}

}  // namespace

int DeleteContractCompletely(CBookData& bookData, int postenId) {
  CActionPlanner* planner = bookData.Planner();
  CVertrag* first = FirstLiveRecord(*bookData.Contracts(), postenId);
  if (!planner || !first) return 0;
  const CHaushaltsbuchRow& book = bookData.Book();
  // A contract valid from before the book's first month starts there.
  const int firstMonth = std::max({first->FirstMonat, book.FirstExistMonatId, 1});
  if (firstMonth < book.FirstLoadMonatId || book.LastLoadMonatId < book.LastExistMonatId) {
    WarningString(114);
    return 0;
  }
  if (QuestionString(113, MessageButtons::YesNo) != kAnswerYes) return 0;
  const int dependent = CountDependentEntries(*bookData.Entries(), postenId, firstMonth, book.LastExistMonatId);
  if (!AskAboutDependentEntries(planner->Questions(), postenId, dependent)) return 0;
  first->MarkDeleted();
  return planner->Run(CActionPlanner::kDeleteContract, *first);
}

#include "accounting/AccountChecks.h"

#include <algorithm>

#include "model/ActionPlanner.h"
#include "model/BookData.h"
#include "model/Messages.h"

namespace {

// Accounts are found by their name in every loaded month, so a name counts
// as taken wherever another account carries it.
bool NameTaken(const CBestandsdatenList& accounts, const CBestandsdaten& edited) {
  for (const CBestandsdaten& record : accounts)
    if (!record.IsDeleted() && record.PostenId != edited.PostenId && record.Bezeichnung == edited.Bezeichnung)
      return true;
  return false;
}

// The first month moved later: the months before the new one lose the
// account with every entry there that refers to it, so all of them must
// be loaded and the user told what goes.
bool CheckFirstMonthMovedLater(const CAccountContext& context, const CBestandsdaten& stored,
                               CBestandsdaten& edited) {
  if (edited.FirstMonatId <= stored.FirstMonatId) return true;
  if (stored.FirstMonatId < context.window.first) {
    WarningString(106);
    edited.FirstMonatId = stored.FirstMonatId;
    return false;
  }
  const int lost = CountAccountReferencesInMonths(context.entries, stored.PostenId, stored.FirstMonatId,
                                                  edited.FirstMonatId - 1);
  if (lost > 0 && QuestionString(107, MessageButtons::YesNo, lost) != kAnswerYes) {
    edited.FirstMonatId = stored.FirstMonatId;
    return false;
  }
  return true;
}

bool CheckKindChange(const CAccountContext& context, const CBestandsdaten& stored, CBestandsdaten& edited) {
  if (edited.Typ == stored.Typ || context.entries.CountAccountReferences(stored.PostenId, kAllLoadedMonths) == 0)
    return true;
  WarningString(105);
  edited.Typ = stored.Typ;
  return false;
}

int RangeFlags(const CBestandsdatenRow& stored, const CBestandsdatenRow& edited) {
  const bool changed = stored.FirstMonatId != edited.FirstMonatId || stored.LastMonatId != edited.LastMonatId;
  return changed ? kAccountChangeMasterData | kAccountChangeRange : 0;
}

int InterestFlags(const CBestandsdatenRow& stored, const CBestandsdatenRow& edited, bool interestEdited) {
  int flags = stored.CalcZins != edited.CalcZins ? kAccountChangeCheck : 0;
  if (stored.ZinsenMonat != edited.ZinsenMonat) flags |= kAccountChangeStartBalance;
  if (!interestEdited) return flags;
  const bool bands = stored.Zins_Grenze_0 != edited.Zins_Grenze_0 || stored.Zins_Grenze_1 != edited.Zins_Grenze_1 ||
                     stored.Zins_Grenze_2 != edited.Zins_Grenze_2 || stored.Zins_Proz_0 != edited.Zins_Proz_0 ||
                     stored.Zins_Proz_1 != edited.Zins_Proz_1 || stored.Zins_Proz_2 != edited.Zins_Proz_2 ||
                     stored.Zins_Proz_3 != edited.Zins_Proz_3;
  if (bands) flags |= kAccountChangeCheck;
  if (stored.BerechnungAm != edited.BerechnungAm || stored.BetragFixKosten != edited.BetragFixKosten)
    flags |= kAccountChangeInterest;
  return flags;
}

}  // namespace

int CountAccountReferencesInMonths(CVorgangList& entries, int postenId, int firstMonthId, int lastMonthId) {
  int count = 0;
  for (int monthId = firstMonthId; monthId <= lastMonthId; ++monthId)
    count += entries.CountAccountReferences(postenId, monthId);
  return count;
}

bool CheckAccountChange(const CAccountContext& context, const CBestandsdaten& stored, CBestandsdaten& edited,
                        bool isNew) {
  if (isNew && NameTaken(context.accounts, edited) &&
      QuestionString(129, MessageButtons::YesNo, edited.Bezeichnung) != kAnswerYes)
    return false;
  if (edited.FirstMonatId == 0) {
    WarningString(104);
    return false;
  }
  if (isNew) return true;
  return CheckFirstMonthMovedLater(context, stored, edited) && CheckKindChange(context, stored, edited);
}

bool PrepareCompleteDeletion(const CAccountContext& context, const CBestandsdaten& account, int firstExistMonthId,
                             int lastExistMonthId) {
  const int first = std::max(account.FirstMonatId, firstExistMonthId);
  if (first < context.window.first || context.window.last < lastExistMonthId) {
    WarningString(111);
    return false;
  }
  if (QuestionString(112, MessageButtons::YesNo) != kAnswerYes) return false;
  // The last existing month is counted as well: its entries go with the
  // account like those of every other month.
  const int references = CountAccountReferencesInMonths(context.entries, account.PostenId, first, lastExistMonthId);
  return references == 0 || QuestionString(107, MessageButtons::YesNo, references) == kAnswerYes;
}

int DeleteAccountCompletely(CBookData& bookData, int postenId) {
  const CAccountContext context = AccountContextOf(bookData);
  CBestandsdaten* first = nullptr;
  for (CBestandsdaten& record : context.accounts)
    if (!record.IsDeleted() && record.PostenId == postenId && (!first || record.MonatId < first->MonatId))
      first = &record;
  CActionPlanner* planner = bookData.Planner();
  if (!first || !planner) return 0;
  const CHaushaltsbuchRow& book = bookData.Book();
  if (!PrepareCompleteDeletion(context, *first, book.FirstExistMonatId, book.LastExistMonatId)) return 0;
  return planner->Run(CActionPlanner::kDeleteAccount, *first);
}

bool ChooseMainAccount(CDatabase& database, CHaushaltsbuchRow& book, int postenId) {
  if (book.HauptKontoId == postenId) return true;
  if (QuestionString(126, MessageButtons::YesNo) != kAnswerYes) return false;
  const int previous = book.HauptKontoId;
  book.HauptKontoId = postenId;
  try {
    book.Store(database, book.BuchId);
  } catch (...) {
    book.HauptKontoId = previous;
    throw;
  }
  return true;
}

int AccountChangeFlags(const CBestandsdatenRow& stored, const CBestandsdatenRow& edited, bool interestEdited) {
  int flags = 0;
  if (stored.Betrag != edited.Betrag || stored.Bestaetigt != edited.Bestaetigt) flags |= kAccountChangeStartBalance;
  if (stored.Bezeichnung != edited.Bezeichnung || stored.KontoAktiv != edited.KontoAktiv)
    flags |= kAccountChangeMasterData;
  if (stored.CheckErforderlich != edited.CheckErforderlich) flags |= kAccountChangeCheck;
  return flags | RangeFlags(stored, edited) | InterestFlags(stored, edited, interestEdited);
}

void ApplyAccountChange(CBestandsdaten& record, const CBestandsdatenRow& edited, bool interestEdited) {
  record.changeFlags |= AccountChangeFlags(record, edited, interestEdited);
  record.CopyAccountColumnsFrom(edited);
  record.Betrag = edited.Betrag;
  record.Bestaetigt = edited.Bestaetigt;
  record.ZinsenMonat = edited.ZinsenMonat;
}

void CAccountCorrectionMode::SwitchOn(CBestandsdaten& record) {
  on_ = true;
  record.correctionRequest = kBookCorrection;
  record.Bestaetigt = 1;
}

void CAccountCorrectionMode::Finish(CBestandsdaten& record) {
  on_ = false;
  if (record.Bestaetigt == 0) record.correctionRequest = kRemoveCorrection;
}

void CAccountCorrectionMode::AskToFinish(CBestandsdaten& record) {
  if (!on_) return;
  if (QuestionString(128, MessageButtons::YesNo) == kAnswerYes) {
    Finish(record);
    return;
  }
  on_ = false;
  record.correctionRequest = kNoCorrection;
}

#pragma once
// The checks and questions before an account's changes are applied or the
// account is deleted, the main-account question and the correction mode of
// the account screen. Every message goes through the message sink; a
// refused change restores the values said and leaves everything else.
// User-interface thread only.

#include <string>

#include "accounting/AccountComputation.h"
#include "storage/BookTables.h"

// Live entries that move the account in the months first ... last.
int CountAccountReferencesInMonths(CVorgangList& entries, int postenId, int firstMonthId, int lastMonthId);

// Applying an edited record: `stored` is the record as it is in the list,
// `edited` the screen's values (corrected here where a check restores
// them). For a new account STRING 129 asks when another account of a
// loaded month has the name; an empty first month is refused with STRING 104; a
// first month moved later needs the months losing the account loaded
// (STRING 106, old first month restored) and asks STRING 107 when entries
// there refer to it (No restores the old first month); a change of kind
// while entries refer to the account shows STRING 105 and restores the
// kind. Returns false when the change is refused.
bool CheckAccountChange(const CAccountContext& context, const CBestandsdaten& stored, CBestandsdaten& edited,
                        bool isNew);

// Deleting the account completely (firstExist/lastExist: the book's
// existing months): STRING 111 unless every month from its first month to
// the last existing one is loaded, then STRING 112, then STRING 107 with
// the number of entries referring to it in those months. Returns true when
// request 19 is to remove the account from every month.
bool PrepareCompleteDeletion(const CAccountContext& context, const CBestandsdaten& account, int firstExistMonthId,
                             int lastExistMonthId);

// The checks of PrepareCompleteDeletion over the book data's months, then
// planner request 19 with the account's first record, which marks the
// account deleted in every month from its first one. Returns the request's
// result, 0 when a check stopped it or the account has no live record.
int DeleteAccountCompletely(CBookData& bookData, int postenId);

// STRING 126 for an account that is not yet the main account; Yes stores it
// as the book's HauptKontoId (only the book row). Returns whether it is the
// main account afterwards.
bool ChooseMainAccount(CDatabase& database, CHaushaltsbuchRow& book, int postenId);

// The pending change flags (kAccountChange... bits) for the values in which
// `edited` differs from `stored`; interestEdited when the interest screen
// was used.
int AccountChangeFlags(const CBestandsdatenRow& stored, const CBestandsdatenRow& edited, bool interestEdited);
// Writes the screen's values into the record (keys and in-memory state
// stay) and adds the pending flags of what changed.
void ApplyAccountChange(CBestandsdaten& record, const CBestandsdatenRow& edited, bool interestEdited);

// The correction mode: entering a confirmed start balance that deviates
// from the computed one.
class CAccountCorrectionMode {
 public:
  bool IsOn() const { return on_; }
  // Requests the correction and confirms the balance.
  void SwitchOn(CBestandsdaten& record);
  // Ends the mode; an unconfirmed balance then asks to remove the
  // correction.
  void Finish(CBestandsdaten& record);
  // Applying changes while the mode is on: STRING 128; Yes finishes, No
  // ends the mode without any correction request.
  void AskToFinish(CBestandsdaten& record);

 private:
  bool on_ = false;
};

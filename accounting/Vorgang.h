#pragma once
// An entry of one month (a row of Vorgang) with its in-memory marks, and the
// entries of all loaded months.
//
// An entry id (PostenId) names one booking; a booking that is moved into
// another month keeps its id, and the two records of a contract payment made
// outside its due month share the contract and the due date, not the id.
// Entry ids are a namespace of their own (Vorgang rows and the entry
// references RefRestwertPostenId and VorratZugangPostenId); account and
// contract ids are counted separately.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/MonthRecordList.h"
#include "storage/AccountTables.h"

class CVertrag;
class CVertragList;

// Entry types (Typ).
inline constexpr int kEntryIncome = 1;        // "Einahme"
inline constexpr int kEntryExpense = 2;       // "Ausgabe"
inline constexpr int kEntryConsumption = 3;   // consumption from a stock
inline constexpr int kEntryReserveShare = 4;  // monthly share of a reserve, or computed interest
inline constexpr int kEntryTransfer = 5;      // "Transaktion"

// RefVertragPostenId values that do not name a contract.
inline constexpr int kNoContract = 0;
inline constexpr int kCorrectionEntryRef = -2;  // "Nicht erfasste %s"
inline constexpr int kInterestEntryRef = -3;    // computed interest and fees

class CVorgang : public CVorgangRow {
 public:
  static constexpr const char* kLoadMonthSql =
      "select * from [Vorgang] where Vorgang.BuchId = %d and Vorgang.MonatId = %d;";
  // Ids referred to by other entries count as taken, so a deleted entry's id
  // is never given to a new one while a reference to it is stored.
  static constexpr const char* kHighestIdSql =
      "select max(coalesce(max(PostenId), 0), coalesce(max(RefRestwertPostenId), 0), "
      "coalesce(max(VorratZugangPostenId), 0)) as n from [Vorgang] where Vorgang.BuchId = %d;";

  // Set by every change; an entry whose row exists is written only then.
  int changed = 0;
  // The contract record the entry was made from, when it is loaded; not
  // owned (the contracts collection owns it). Valid until the contracts
  // collection drops records; LinkContracts sets it afresh.
  CVertrag* contract = nullptr;

  // New and deleted entries are always written, existing ones when changed.
  bool NeedsStore() const { return changed != 0 || IsDeleted() || !KnownInDatabase(); }
  void MarkStored() { changed = 0; }

  bool IsLive() const { return !IsDeleted(); }
  bool IsTransfer() const { return Typ == kEntryTransfer; }
  // RefVertragPostenId names a contract (not 0, the correction or the
  // interest mark).
  bool RefersToContract() const { return RefVertragPostenId > 0; }
  bool IsCorrection() const { return RefVertragPostenId == kCorrectionEntryRef; }
  bool IsComputedInterest() const { return RefVertragPostenId == kInterestEntryRef; }

  // The record in the payment month of a contract payment made outside its
  // due month (TerminMonatId = minus the due month). Renewing a contract's
  // due entries leaves it alone: it is neither re-dated nor deleted.
  bool IsPaymentRecord() const { return TerminMonatId < 0; }
  // The due month's record of a payment made in month TerminMonatId; the
  // payment counts there, so this one moves no balance.
  bool IsPaidInOtherMonth() const { return TerminMonatId > 0; }
  // The month the entry is due in.
  int DueMonthId() const { return IsPaymentRecord() ? -TerminMonatId : MonatId; }
  // Whether the entry takes part in the account computation of its month:
  // live and not paid in another month.
  bool CountsForAccounts() const { return IsLive() && !IsPaidInOtherMonth(); }

  // The accounts the entry moves: source and target of a transfer, else the
  // affected account; 0 ids left out.
  std::vector<int> AccountIds() const;
  bool RefersToAccount(int accountId) const;

  // Copies every stored column of `other`; the in-memory marks (deleted,
  // changed, the contract link, whether the row is known) stay as they are.
  void CopyColumnsFrom(CVorgang& other);

  // "Einahme", "Ausgabe", "Verbrauch", "Anteil", "Transaktion"; empty text
  // for an unknown type.
  static std::string TypeName(int typ);
};

// The entries of all loaded months in load order, with an index by month,
// by contract and month, and by account and month (each in list order).
// The index follows every change made through this class; after setting
// MonatId, RefVertragPostenId or an account id of an entry directly, call
// InvalidateIndex(). Lookups never return deleted entries.
// User-interface thread only.
class CVorgangList : public CMonthRecordList<CVorgang> {
 public:
  using CEntries = std::vector<CVorgang*>;

  // A new entry of the month: Typ 2, "Neuer Vorgang", amount 0, a PostenId
  // no entry of the book has or had, marked changed; appended.
  CVorgang& NewEntry(CDatabase& database, int bookId, int monthId);
  // Inserts a fresh record right after `after` carrying its columns with
  // MonatId = monthId, marked changed (its row is inserted at the next
  // store). Returns it.
  CVorgang& AppendCopy(CVorgang& after, int monthId);
  // Moves the entry into month monthId: a new record replaces it (the old
  // one is marked deleted, so its row goes at the next store and the new
  // one is inserted). An entry without a stored row just changes month.
  // Returns the record that now stands for the entry.
  CVorgang& MoveToMonth(CVorgang& entry, int monthId);

  // The live entries of a month, of a contract in a month, of an account in
  // a month (transfers on both of their accounts).
  CEntries EntriesOfMonth(int monthId);
  CEntries EntriesOfContract(int contractId, int monthId);
  CEntries EntriesOfAccount(int accountId, int monthId);
  // The contract's due entries of the month that its renewal may refresh or
  // delete: live, not the monthly share (type 4), not a payment record.
  CEntries DueEntriesOfContract(int contractId, int monthId);

  // The first live entry of the contract in the month that is not of type 4
  // unless includeType4; null when there is none.
  CVorgang* FindContractEntry(int contractId, int monthId, bool includeType4);

  // Live entries referring to the account (kAllLoadedMonths: in every
  // loaded month).
  int CountAccountReferences(int accountId, int monthId);
  // Live entries referring to the contract whose contract record of their
  // month is loaded and that are confirmed or belong to a contract without
  // confirmation requirement.
  int CountContractReferences(int contractId, int monthId, const CVertragList& contracts);

  // Type 4 entries without a contract reference are marked deleted; every
  // entry naming a contract is linked to that contract's record of its
  // month, and loses the reference when the month has none.
  void LinkContracts(CVertragList& contracts);
  // Unconfirmed entries (not type 4) of contracts that need no confirmation
  // in the entry's month, captured before today: confirmed and changed.
  // Returns how many.
  int ConfirmPastDueEntries(const CVertragList& contracts, const CDate& today);

  // Drops the index; the next lookup builds it again.
  void InvalidateIndex() { indexValid_ = false; }

  // The list operations that change membership or order keep the index.
  int LoadMonth(CDatabase& database, int bookId, int monthId);
  void SettleMonth(int monthId);
  void StoreMonth(CDatabase& database, int bookId, int monthId);
  int DropMonth(int monthId);
  CVorgang& Append(std::unique_ptr<CVorgang> record);
  template <class... Args>
  CVorgang& AppendNew(Args&&... args) {
    return Append(std::make_unique<CVorgang>(std::forward<Args>(args)...));
  }
  CVorgang& InsertAt(int position, std::unique_ptr<CVorgang> record);
  bool RemoveAt(int position);
  bool Remove(const CVorgang& record);
  template <class Condition>
  int RemoveIf(Condition condition) {
    InvalidateIndex();
    return CMonthRecordList<CVorgang>::RemoveIf(condition);
  }
  void DeleteAll();
  template <class Less>
  void Sort(Less less) {
    InvalidateIndex();
    CMonthRecordList<CVorgang>::Sort(less);
  }
  void SortByKey(int which = 0);

 private:
  static std::uint64_t PairKey(int id, int monthId);
  void EnsureIndex();
  // The indexed entries of the key that are live and still match.
  template <class Matches>
  CEntries Select(const std::unordered_map<std::uint64_t, CEntries>& map, std::uint64_t key, Matches matches);

  std::unordered_map<std::uint64_t, CEntries> byMonth_;
  std::unordered_map<std::uint64_t, CEntries> byContract_;
  std::unordered_map<std::uint64_t, CEntries> byAccount_;
  bool indexValid_ = false;
  int indexedCount_ = -1;
};

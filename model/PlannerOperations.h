#pragma once
// What the action planner needs of the accounting: finding the records of an
// account, a contract or a contract's entries in the loaded months, carrying
// a record's changes into another month, correcting an account's balance and
// renewing a contract's due entries. The accounting registers its
// implementation with the book data (CBookData::SetPlannerOperations); the
// planner calls nothing else of it. User-interface thread only.
//
// Pointers handed out point into the book data's collections, which own the
// records; they stay valid until the record's month is unloaded or a store
// lets deleted records go.

#include "model/MonthRecordList.h"

class CBestandsdaten;
class CBookData;
class CVertrag;
class CVorgang;

// Month argument of the find operations that stands for any loaded month.
inline constexpr int kAnyLoadedMonth = kAllLoadedMonths;

// A range of month ids; first 0 means none.
struct CMonthSpan {
  int first = 0;
  int last = 0;
};

class IPlannerOperations {
 public:
  virtual ~IPlannerOperations() = default;

  // The account's record of the month (deleted ones too), or with
  // kAnyLoadedMonth its first live record in any loaded month; null if none.
  virtual CBestandsdaten* FindAccount(int postenId, int monthId) = 0;
  // Brings the account's record of monthId up to date from source: a month
  // without a record gets a copy; otherwise the parts named by the source's
  // pending change flags are copied (kAccountChange... bits). The planner
  // sets the source's flags to what the problem carries for the call and
  // restores them afterwards. source may be the month's record itself.
  virtual void PropagateAccount(CBestandsdaten& source, int monthId) = 0;
  // Books or removes the correction between month − 1 and month as the
  // account's record of the month asks, and recomputes from month − 1.
  virtual void CorrectAccount(int postenId, int monthId) = 0;
  // The months whose interest settings follow the account's (its interest
  // period); {0, 0} when it has none.
  virtual CMonthSpan InterestMonths(const CBestandsdaten& account) = 0;

  // As FindAccount, for contracts.
  virtual CVertrag* FindContract(int postenId, int monthId) = 0;
  // As PropagateAccount, for contracts (kContractChange... bits).
  virtual void PropagateContract(CVertrag& source, int monthId) = 0;
  // Renews the due entries and the monthly share entry of the contract's
  // record in its month, by the record's pending change flags.
  virtual void CreateDueEntries(CVertrag& contract) = 0;

  // The first live entry of the contract in the month; reserve shares
  // (type 4) only when includeReserve is set. Null if none.
  virtual CVorgang* FindContractEntry(int contractId, int monthId, bool includeReserve) = 0;
  // Marks the entry deleted (and changed).
  virtual void DeleteEntry(CVorgang& entry) = 0;
  // Keeps the entry as a single entry: it no longer refers to its contract.
  virtual void UnlinkEntryFromContract(CVorgang& entry) = 0;
};

// The part that works on the loaded records directly, over the book data's
// collections. The accounting derives from it and adds propagation,
// correction, interest months and due entries.
class CPlannerRecordOperations : public IPlannerOperations {
 public:
  explicit CPlannerRecordOperations(CBookData& bookData) : bookData_(bookData) {}

  CBestandsdaten* FindAccount(int postenId, int monthId) override;
  CVertrag* FindContract(int postenId, int monthId) override;
  CVorgang* FindContractEntry(int contractId, int monthId, bool includeReserve) override;
  void DeleteEntry(CVorgang& entry) override;
  void UnlinkEntryFromContract(CVorgang& entry) override;

 protected:
  CBookData& BookDataOf() { return bookData_; }

 private:
  CBookData& bookData_;
};

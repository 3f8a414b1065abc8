#pragma once
// CImportRecord: the transient record made from one line of a bank file (a
// booking, an account-information line or a balance line), and
// CTmpFileImport, the list that owns them while the import screen shows
// them. Records are rebuilt from the files at every read; what survives of a
// record is its UserImport row.

#include <memory>
#include <string>
#include <vector>

#include "storage/Date.h"

class CBestandsdaten;
class CImportFormatData;
class CImportRegelData;
class CUserImportData;
class CVertrag;

// What a record is: the kinds of the import, and the rule types that
// produce them.
enum EImportKind : int {
  kImportKindUndetermined = 0,
  kImportKindNoTransfer = 1,
  kImportKindContractPayment = 2,
  kImportKindEntry = 3,
  kImportKindInterest = 4,
  kImportKindAccountInfo = 5,
  kImportKindBalance = 6,
};

// The check state of a record.
enum EImportCheck : int {
  kCheckUndetermined = 0,
  kCheckOk = 1,
  kCheckWarning = 2,
  kCheckError = 3,
  kCheckIncomplete = 4,
  kCheckRuleConflict = 5,
  kCheckImported = 6,
  kCheckComputedBalance = 7,
};

// The assignment state of a record.
enum EImportAssignment : int { kAssignmentOpen = 0, kAssignmentAssigned = 1, kAssignmentImported = 2 };

class CImportRecord {
 public:
  // Identity and origin: set when the record is read. The format pointer
  // lives as long as the format collection the file was read with.
  int id = 0;
  int fileNumber = 0;
  int lineNumber = 0;
  int formatId = 0;
  const CImportFormatData* format = nullptr;

  // What the line said. The texts are whole: the purpose text of up to
  // three columns, the own account as written in the file (replaced by the
  // account's name once an account is assigned), the counter account.
  std::string description;
  std::string accountText;
  std::string counterAccountText;
  CDate date;  // the zero date when the line has none
  int monthId = 0;
  double amount = 0.0;  // credits positive, debits negative
  int kind = kImportKindUndetermined;
  // Why a cell of the line could not be read (an impossible date or
  // amount), in German; empty when the line was read whole. A record with a
  // reason must not be transferred before the user corrected it.
  std::string readProblem;

  // The assignment: rule, UserImport row and transfer data, filled by the
  // mapping; every pointer is non-owning.
  int ruleId = 0;
  CImportRegelData* rule = nullptr;
  CUserImportData* userImport = nullptr;
  std::string transferText;
  int accountId = 0;
  int contractId = 0;
  int categoryId = 0;
  CBestandsdaten* account = nullptr;
  CVertrag* contract = nullptr;
  CDate dueDate;
  int directConfirmation = 0;
  int checkState = kCheckUndetermined;
  int assignment = kAssignmentOpen;
  int listRow = -1;
  int skip = 0;

  bool HasDate() const { return !date.IsZero(); }
};

// The records of the bank files read, in the order made. Ids count on
// from 1 and are not given out twice until the list is cleared.
// User-interface thread only.
class CTmpFileImport {
 public:
  using COwned = std::vector<std::unique_ptr<CImportRecord>>;

  // Appends a record with the next id; returns it.
  CImportRecord& New();
  // Appends records made elsewhere, giving each the next id.
  void Append(COwned records);
  // Deletes the record; false when it is not in this list.
  bool Remove(const CImportRecord& record);
  // Deletes every record, and the id counter starts again.
  void Clear();

  int Count() const { return static_cast<int>(records_.size()); }
  // The record at the 0-based position, or null.
  CImportRecord* At(int position);
  // The record with the id, or null.
  CImportRecord* FindId(int id);

  COwned::iterator begin() { return records_.begin(); }
  COwned::iterator end() { return records_.end(); }
  COwned::const_iterator begin() const { return records_.begin(); }
  COwned::const_iterator end() const { return records_.end(); }
  // The owning vector, for the operations that sort or filter the list.
  COwned& Records() { return records_; }

 private:
  COwned records_;
  int lastId_ = 0;
};

#include "import/TransferSnapshot.h"

#include "import/ImportRecord.h"
#include "import/UserImport.h"
#include "model/BookData.h"

struct CTransferSnapshot::CLists {
  CLists(CBookData& book, CTmpFileImport& records, CUserImport& userImports)
      : entriesList(*book.Entries()),
        userImportList(userImports),
        accounts(*book.Accounts()),
        entries(*book.Entries()),
        contracts(*book.Contracts()),
        userImports(userImports) {
    for (const auto& record : records) savedRecords.emplace_back(record.get(), *record);
  }

  CVorgangList& entriesList;
  CUserImport& userImportList;
  CListSnapshot<CBestandsdatenList> accounts;
  CListSnapshot<CVorgangList> entries;
  CListSnapshot<CVertragList> contracts;
  CListSnapshot<CUserImport> userImports;
  // The transfer neither adds nor removes import records.
  std::vector<std::pair<CImportRecord*, CImportRecord>> savedRecords;
};

CTransferSnapshot::CTransferSnapshot(CBookData& book, CTmpFileImport& records, CUserImport& userImports)
    : lists_(std::make_unique<CLists>(book, records, userImports)) {}

CTransferSnapshot::~CTransferSnapshot() = default;

void CTransferSnapshot::Restore() {
  lists_->accounts.Restore();
  lists_->entries.Restore();
  lists_->contracts.Restore();
  lists_->userImports.Restore();
  // Values were put back behind the indexes' backs.
  lists_->entriesList.InvalidateIndex();
  lists_->userImportList.InvalidateIndex();
  for (auto& [record, saved] : lists_->savedRecords) *record = saved;
}

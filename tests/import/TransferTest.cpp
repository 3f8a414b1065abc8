#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "import/ImportRegel.h"
#include "import/Transfer.h"
#include "import/UserImport.h"
#include "import/MappingTestSupport.h"
#include "storage/DatabaseError.h"

namespace {

// The transfer screen as a script: each call answers with `answer`, which
// may assign the record first.
class CScriptedConfirmation final : public ITransferConfirmation {
 public:
  bool Confirm(CImportRecord& record, int findings) override {
    ++calls;
    lastFindings = findings;
    return answer ? answer(record) : false;
  }
  std::function<bool(CImportRecord&)> answer;
  int calls = 0;
  int lastFindings = 0;
};

class TransferTest : public ImportBookFixture {
 protected:
  CTransferResult Transfer() {
    return TransferRecords({*book_, Records(), Packet().UserImports(), Packet().Formats(), confirmation_});
  }
  // Rent payments of Giro, confirmed directly.
  void AddRentRule() {
    CImportRegelData& rule = AddRule(2, "MIETE");
    rule.VertragId = kMiete;
    rule.UebernahmeDirekt = 1;
  }
  void Map() { RunMappingPhases(Records(), Context()); }
  int Rows(const std::string& table, const std::string& condition) {
    return CountRows(StrFormat("select count(*) as n from %s where %s;", table, condition));
  }
  int ImportedRows(int kind) {
    return Rows("UserImport", StrFormat("UserImportStatus = 2 and ImportType = %d", kind));
  }
  // An open record whose assignment needs no rule: the test passes it at once.
  CImportRecord& Assigned(int kind, const CDate& date, double amount, const std::string& text) {
    CImportRecord& record = AddRecord(date, amount, text);
    record.kind = kind;
    record.transferText = text;
    record.accountId = kGiro;
    return record;
  }
  void ExpectImported(const CImportRecord& record) {
    EXPECT_EQ(record.checkState, kCheckImported);
    EXPECT_EQ(record.assignment, kAssignmentImported);
    ASSERT_NE(record.userImport, nullptr);
    EXPECT_EQ(record.userImport->UserImportStatus, kUserImportImported);
  }

  CScriptedConfirmation confirmation_;
};

TEST_F(TransferTest, SingleEntryBecomesANewEntryOfItsMonth) {
  AddAccountRule(kGiro);
  AddRule(3, "REWE", "Einkauf").UebernahmeDirekt = 1;
  CImportRecord& record = AddRecord(Day(2, 4), -20.0, "REWE SAGT DANKE");
  Map();
  const CTransferResult result = Transfer();
  EXPECT_EQ(result.imported, 1);
  ExpectImported(record);
  EXPECT_EQ(Rows("Vorgang", "Bezeichnung = 'Einkauf' and Typ = 2 and Betrag = 20 and MonatId = 76 and "
                            "BetrKontoId = 1 and Bestaetigt = 1 and Datum = '20070402'"),
            1);
  EXPECT_EQ(ImportedRows(kImportKindEntry), 1);
  EXPECT_EQ(Rows("UserImport", "sBeschreibung = 'REWE SAGT DANKE' and Datum = '20070402' and Betrag = -20"), 1);
}

TEST_F(TransferTest, ContractPaymentConfirmsTheDueEntryAndMovesItIntoTheBookingMonth) {
  AddAccountRule(kGiro);
  AddRentRule();
  CImportRecord& april = AddRecord(Day(3, 4), -480.0, "MIETE APRIL");
  CImportRecord& may = AddRecord(Day(30, 4), -500.0, "MIETE MAI");
  Map();
  ASSERT_EQ(may.dueDate, Day(1, 5));
  EXPECT_EQ(Transfer().imported, 2);
  ExpectImported(april);
  ExpectImported(may);
  EXPECT_EQ(Rows("Vorgang", "PostenId = 176 and MonatId = 76 and Datum = '20070403' and Betrag = 480 and "
                            "Bestaetigt = 1 and TerminMonatId = 0"),
            1);
  // Paid in April for May: the due record points to April, April's record back.
  EXPECT_EQ(Rows("Vorgang", "PostenId = 177 and MonatId = 77 and TerminMonatId = 76"), 1);
  EXPECT_EQ(Rows("Vorgang", "MonatId = 76 and RefVertragPostenId = 10 and TerminMonatId = -77 and "
                            "Datum = '20070430' and Bestaetigt = 1"),
            1);
  EXPECT_EQ(ImportedRows(kImportKindContractPayment), 2);
}

TEST_F(TransferTest, InterestAndFeesAreSetInTheMonthOfTheirOwnDate) {
  AddAccountRule(kGiro);
  AddRule(4, "ABSCHLUSS", "Zinsen");
  CImportRecord& record = AddRecord(Day(30, 4), 3.5, "ABSCHLUSS ZINSEN");
  Map();
  EXPECT_EQ(record.checkState, kCheckOk);
  EXPECT_EQ(Transfer().imported, 1);
  ExpectImported(record);
  EXPECT_EQ(Rows("Vorgang", "MonatId = 76 and RefVertragPostenId = -3 and Typ = 1 and Betrag = 3.5 and "
                            "BetrKontoId = 1"),
            1);
  EXPECT_EQ(ImportedRows(kImportKindInterest), 1);
}

TEST_F(TransferTest, ComputedBalanceConfirmsTheAccountAndNoTransferWritesNothing) {
  AddCsvFormat();
  AddAccountRule(kGiro);
  AddOpeningBalanceRule();
  AddRule(1, "REWE");
  AddRule(3, "GEHALT", "Gehalt");
  dir_.Write("a.csv", "15.03.2007;REWE MARKT;-100,00\n02.04.2007;GEHALT;50,00\n;;;SALDO;1000,00;01.03.2007\n");
  ReadFiles({"a.csv"});
  const int entriesBefore = Rows("Vorgang", "1 = 1");
  EXPECT_EQ(Transfer().imported, 3);
  EXPECT_EQ(Rows("Bestandsdaten", "PostenId = 1 and MonatId = 76 and Betrag = 900 and Bestaetigt = 1"), 1);
  EXPECT_EQ(ImportedRows(kImportKindBalance), 1);
  EXPECT_EQ(ImportedRows(kImportKindNoTransfer), 1);
  EXPECT_EQ(Rows("Vorgang", "Bezeichnung like 'REWE%'"), 0);
  // Gehalt, and the correction entry of March that leads to the confirmed balance.
  EXPECT_EQ(Rows("Vorgang", "1 = 1"), entriesBefore + 2);
}

TEST_F(TransferTest, TheSameFileReadAgainTransfersNothing) {
  AddCsvFormat();
  AddAccountRule(kGiro);
  AddOpeningBalanceRule();
  AddRule(3, "REWE", "Einkauf");
  AddRule(3, "GEHALT", "Gehalt");
  dir_.Write("a.csv", "15.03.2007;REWE MARKT;-100,00\n02.04.2007;GEHALT;50,00\n;;;SALDO;1000,00;01.03.2007\n");
  ReadFiles({"a.csv"});
  ASSERT_EQ(Transfer().imported, 3);
  const int entries = Rows("Vorgang", "1 = 1");
  packet_.reset();
  packet_ = std::make_unique<CImportPacket>(Database(), book_->DebugLog());
  packet_->Load(dir_.Path().string());
  dir_.Write("copy.csv", "15.03.2007;REWE MARKT;-100,00\n02.04.2007;GEHALT;50,00\n;;;SALDO;1000,00;01.03.2007\n");

  ReadFiles({"copy.csv"});
  // Everything but the stated balance line, which is never transferred.
  for (const auto& record : Records()) {
    if (record->description == "SALDO") continue;
    EXPECT_EQ(record->checkState, kCheckImported) << record->description;
  }
  const CTransferResult again = Transfer();
  EXPECT_EQ(again.imported, 0);
  EXPECT_EQ(confirmation_.calls, 0);
  EXPECT_EQ(Rows("Vorgang", "1 = 1"), entries);
  EXPECT_EQ(Rows("UserImport", "1 = 1"), 3);
}

// A record is imported only when its write into the book succeeded.
TEST_F(TransferTest, ARecordThatCannotBeWrittenStaysOpenWithItsReason) {
  CImportRecord& july = Assigned(kImportKindEntry, CDate::FromYmd(2007, 7, 2), -20.0, "Einkauf");
  CImportRecord& noDueEntry = Assigned(kImportKindContractPayment, Day(2, 4), -500.0, "Miete");
  noDueEntry.contractId = kMiete;
  noDueEntry.dueDate = Day(1, 4);
  book_->Entries()->FindContractEntry(kMiete, kApril2007, false)->MarkDeleted();
  book_->Entries()->InvalidateIndex();
  CImportRecord& noAccountMonth = Assigned(kImportKindBalance, Day(1, 4), 900.0, "Kontostand");
  noAccountMonth.checkState = kCheckComputedBalance;
  noAccountMonth.accountId = kSparbuch;
  book_->Accounts()->FindLiveAccount(kSparbuch, kApril2007)->MarkDeleted();
  CImportRecord& fine = Assigned(kImportKindEntry, Day(2, 4), -20.0, "Einkauf");

  const CTransferResult result = Transfer();

  EXPECT_EQ(result.imported, 1);
  ExpectImported(fine);
  ASSERT_EQ(result.failures.size(), 3u);
  EXPECT_EQ(result.failures[0].reason, "Der Monat Juli 2007 ist nicht geladen.");
  EXPECT_EQ(result.failures[1].reason, "Der Vertrag Miete hat am 01.04.2007 keine Fälligkeit.");
  EXPECT_EQ(result.failures[2].reason, "Das Konto Sparbuch hat im Monat April 2007 keinen Kontostand.");
  for (const CImportRecord* record : {&july, &noDueEntry, &noAccountMonth}) {
    EXPECT_EQ(record->checkState, kCheckError);
    EXPECT_EQ(record->assignment, kAssignmentOpen);
    EXPECT_EQ(record->userImport, nullptr);
    EXPECT_EQ(Packet().UserImports().FindForRecord(*record), nullptr);
  }
  EXPECT_EQ(Rows("UserImport", "1 = 1"), 1);
}

TEST_F(TransferTest, AFailingStoreLeavesMemoryAndDatabaseAsTheyWere) {
  AddAccountRule(kGiro);
  AddRentRule();
  AddRule(3, "REWE", "Einkauf");
  CImportRecord& rent = AddRecord(Day(3, 4), -480.0, "MIETE APRIL");
  CImportRecord& shop = AddRecord(Day(2, 4), -20.0, "REWE");
  Map();
  const int entriesInMemory = book_->Entries()->Count();
  const int entryRows = Rows("Vorgang", "1 = 1");
  Database().Execute("create trigger Voll before insert on UserImport begin select raise(abort, 'voll'); end;");

  EXPECT_THROW(Transfer(), CDatabaseError);

  EXPECT_EQ(book_->Entries()->Count(), entriesInMemory);
  const CVorgang* due = book_->Entries()->FindContractEntry(kMiete, kApril2007, false);
  ASSERT_NE(due, nullptr);
  EXPECT_EQ(due->Datum, Day(1, 4));
  EXPECT_EQ(due->Bestaetigt, 0);
  EXPECT_DOUBLE_EQ(due->Betrag, 500.0);
  for (const CImportRecord* record : {&rent, &shop}) {
    EXPECT_EQ(record->assignment, kAssignmentOpen);
    EXPECT_EQ(record->checkState, kCheckOk);
    EXPECT_EQ(record->userImport, nullptr);
  }
  EXPECT_EQ(Packet().UserImports().Count(), 0);
  EXPECT_EQ(Rows("Vorgang", "1 = 1"), entryRows);
  EXPECT_EQ(Rows("Vorgang", "PostenId = 176 and Bestaetigt = 0 and Datum = '20070401'"), 1);

  Database().Execute("drop trigger Voll;");
  EXPECT_EQ(Transfer().imported, 2);
  EXPECT_EQ(Rows("Vorgang", "1 = 1"), entryRows + 1);
  EXPECT_EQ(Rows("Vorgang", "PostenId = 176 and Bestaetigt = 1 and Datum = '20070403'"), 1);
}

TEST_F(TransferTest, RecordsWithFindingsGoThroughTheTransferScreen) {
  AddAccountRule(kGiro);
  AddRule(3, "REWE", "Einkauf").UebernahmeMeldung = 1;
  CImportRecord& record = AddRecord(Day(2, 4), -20.0, "REWE");
  Map();

  EXPECT_EQ(Transfer().left, 1);
  EXPECT_EQ(confirmation_.lastFindings, 1);
  EXPECT_EQ(record.assignment, kAssignmentOpen);
  EXPECT_EQ(Rows("Vorgang", "Bezeichnung = 'Einkauf'"), 0);

  confirmation_.answer = [](CImportRecord& shown) {
    shown.assignment = kAssignmentAssigned;
    return true;
  };
  EXPECT_EQ(Transfer().imported, 1);
  ExpectImported(record);
  EXPECT_EQ(Rows("Vorgang", "Bezeichnung = 'Einkauf'"), 1);
}

}  // namespace

#pragma once
// A book for the tests of the import records: months February to July 2007
// (March to June loaded), the accounts "Giro" (1) and "Sparbuch" (2), the
// monthly contract "Miete" (10) of 500 EUR due on the 1st with its due
// entries, started through the book data on a temporary database; an
// import manager over the same database. Today is 15 April 2007.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "accounting/Vorgang.h"
#include "import/ImportPacket.h"
#include "import/MappingPhases.h"
#include "model/BookData.h"
#include "model/BookDataTestSupport.h"
#include "model/MonthMath.h"
#include "storage/Result.h"
#include "storage/Schema.h"
#include "storage/StrFormat.h"
#include "support/ScriptedMessages.h"

inline constexpr int kMarch2007 = 75;
inline constexpr int kApril2007 = 76;
inline constexpr int kMay2007 = 77;
inline constexpr int kGiro = 1;
inline constexpr int kSparbuch = 2;
inline constexpr int kMiete = 10;

inline CDate Day(int day, int month) { return CDate::FromYmd(2007, month, day); }

class ImportBookFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    {
      auto database = CreateDatabase(dir_.File("Pellwick.db"));
      SeedImportBook(*database);
    }
    book_ = std::make_unique<CBookData>(dir_.Path().string());
    ASSERT_EQ(book_->StartUp(), 1);
    packet_ = std::make_unique<CImportPacket>(Database(), book_->DebugLog());
    packet_->Load(dir_.Path().string());
  }

  static void SeedImportBook(CDatabase& database) {
    SeedMonths(database);
    for (int month = 74; month <= 79; ++month) {
      SeedAccount(database, kGiro, "Giro", month);
      SeedAccount(database, kSparbuch, "Sparbuch", month);
      SeedRent(database, month);
    }
  }
  static void SeedMonths(CDatabase& database) {
    CSeedBook seed{.isCurrent = 1, .firstExist = 74, .lastExist = 79, .firstLoad = 75, .lastLoad = 78,
                   .aktMonat = kApril2007};
    BookRow(seed).Store(database, 1);
    for (int month = 74; month <= 79; ++month) {
      CMonatRow row;
      row.BuchId = 1;
      row.MonatId = month;
      row.Bezeichnung = MonthKey(month);
      row.Insert(database, 1);
    }
  }
  static void SeedAccount(CDatabase& database, int posten, const char* name, int month) {
    CBestandsdatenRow account;
    account.PostenId = posten;
    account.MonatId = month;
    account.Bezeichnung = name;
    account.Typ = 1;
    account.KontoAktiv = 1;
    account.FirstMonatId = 74;
    account.CheckErforderlich = 1;
    account.Insert(database, 1);
  }
  static void SeedRent(CDatabase& database, int month) {
    CVertragRow contract;
    contract.PostenId = kMiete;
    contract.MonatId = month;
    contract.Bezeichnung = "Miete";
    contract.Typ = 2;
    contract.Betrag = 500.0;
    contract.KontoId = kGiro;
    contract.CheckErforderlich = 1;
    contract.ErsteFaelligkeit = Day(1, 2);
    contract.AnzZahlungen = 12;
    contract.FirstMonat = 74;
    contract.Insert(database, 1);
    CVorgangRow due;
    due.PostenId = 100 + month;
    due.MonatId = month;
    due.Bezeichnung = "Miete";
    due.Typ = kEntryExpense;
    due.Betrag = 500.0;
    due.RefVertragPostenId = kMiete;
    due.BetrKontoId = kGiro;
    const CDate::CYmd first = FirstDayOfMonth(month);
    due.Datum = due.FaelligDatum = CDate::FromYmd(first.year, first.month, 1);
    due.Insert(database, 1);
  }

  CDatabase& Database() { return *book_->Database(); }
  CImportPacket& Packet() { return *packet_; }
  CTmpFileImport& Records() { return packet_->Records(); }
  CMappingContext Context() { return MappingContextOf(*packet_, *book_); }

  CImportRegelData& AddRule(int type, const std::string& kennstring, const std::string& text = "") {
    CImportRegelData& rule = packet_->Rules().New();
    rule.RegelTypId = type;
    rule.UebernahmeText = text;
    if (!kennstring.empty()) {
      rule.Kennstring = kennstring;
      rule.UseKennstring = rule.KennstringPflicht = rule.KennstringEnthalten = 1;
    }
    return rule;
  }
  // An account-information rule that gives every record the account.
  CImportRegelData& AddAccountRule(int accountId) {
    CImportRegelData& rule = AddRule(5, "");
    rule.KontoInfoKontoId = accountId;
    return rule;
  }
  CImportRecord& AddRecord(const CDate& date, double amount, const std::string& description, int file = 1) {
    CImportRecord& record = Records().New();
    record.fileNumber = file;
    record.lineNumber = Records().Count();
    record.date = date;
    record.monthId = MonthIdOfDate(date);
    record.amount = amount;
    record.description = description;
    record.kind = 3;
    return record;
  }

  // The layout of the test files: date, purpose, amount; a balance line
  // carries its text, amount and date in the columns 4 to 6. Chosen for
  // every ".csv" file.
  CImportFormatData& AddCsvFormat() {
    CImportFormatData& format = packet_->Formats().New();
    format.Bezeichnung = "Testbank";
    format.AutoReadInPath = format.DateiEndungGleich = 1;
    format.DateiEndung = "csv";
    format.Seperator = ';';
    format.SpaltenNrDatum = format.PflichtDatum = 1;
    format.SpaltenNrBeschreibung = 2;
    format.PflichtBeschreibung = 1;
    format.SpaltenNrBetragHaben = 3;
    format.PflichtBetragHaben = 1;
    format.SpaltenNrKontostandKennstring = 4;
    format.SpaltenNrKontostandHaben = 5;
    format.SpaltenNrKontostandDatum = 6;
    format.PflichtKontostandKennstring = format.PflichtKontostandHaben = format.PflichtKontostandDatum = 1;
    return format;
  }
  // The opening-balance rule of the test files for Giro, computed forwards.
  CImportRegelData& AddOpeningBalanceRule() {
    CImportRegelData& rule = AddRule(6, "SALDO");
    rule.KontoStandKontoId = kGiro;
    rule.KontoStandRechnung = 1;
    rule.m_iKontoStandAltNeu = 1;
    return rule;
  }
  // Reads the files of the temporary folder and maps their records.
  int ReadFiles(const std::vector<std::string>& names) {
    packet_->Files().Clear();
    for (const std::string& name : names) packet_->Files().Add(dir_.File(name), ';');
    return ReadAndMapFiles(*packet_, Context());
  }
  int CountComputedBalances() {
    int count = 0;
    for (const auto& record : Records()) count += record->checkState == kCheckComputedBalance ? 1 : 0;
    return count;
  }

  int CountRows(const std::string& sql) { return Database().Query(sql).Int("n"); }
  std::vector<std::string> LogLines() {
    std::ifstream file(dir_.Path() / "debug.log");
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
  }

  CTemporaryDirectory dir_;
  CFixedClock clock_{Day(15, 4)};
  CScopedClock installedClock_{clock_};
  std::unique_ptr<CBookData> book_;
  std::unique_ptr<CImportPacket> packet_;
};

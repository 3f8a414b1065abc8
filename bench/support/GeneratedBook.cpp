#include "bench/support/GeneratedBook.h"

#include <stdlib.h>

#include <string>

#include "model/MonthMath.h"
#include "storage/Schema.h"
#include "storage/Tables.h"
#include "storage/Transaction.h"

namespace {

void WriteBook(CDatabase& database, const CGeneratedBookShape& shape) {
  CHaushaltsbuchRow book;
  book.BuchId = 1;
  book.Bezeichnung = "Buch1";
  book.IsCurrentBook = 1;
  book.FirstExistMonatId = shape.firstMonth;
  book.LastExistMonatId = shape.firstMonth + shape.months - 1;
  book.LastMonatId = book.LastExistMonatId;
  book.FirstLoadMonatId = shape.windowFirst;
  book.LastLoadMonatId = shape.windowLast;
  book.AktMonatId = shape.windowFirst + (shape.windowLast - shape.windowFirst) / 2;
  book.AktMonatUser = 2;
  book.AnzAngelegteMonate = 1;
  book.HauptKontoId = 1;
  book.Insert(database, 1);
}

CDate DayOfMonth(int monthId, int day) {
  const CYearMonth ym = YearMonthOfId(monthId);
  return CDate::FromYmd(ym.year, ym.month, day);
}

void WriteAccounts(CDatabase& database, const CGeneratedBookShape& shape, int monthId) {
  for (int posten = 1; posten <= shape.accounts; ++posten) {
    CBestandsdatenRow account;
    account.PostenId = posten;
    account.MonatId = monthId;
    account.Bezeichnung = "Konto " + std::to_string(posten);
    account.Typ = 1;
    account.KontoAktiv = 1;
    account.Betrag = 1000.0 + posten;
    account.Datum = DayOfMonth(monthId, 1);
    account.FirstMonatId = shape.firstMonth;
    account.LastMonatId = shape.firstMonth + shape.months - 1;
    account.Insert(database, 1);
  }
}

void WriteContracts(CDatabase& database, const CGeneratedBookShape& shape, int monthId) {
  for (int posten = 1; posten <= shape.contracts; ++posten) {
    CVertragRow contract;
    contract.PostenId = shape.accounts + posten;
    contract.MonatId = monthId;
    contract.Bezeichnung = "Vertrag " + std::to_string(posten);
    contract.Typ = 2;
    contract.Betrag = 10.0 * posten;
    contract.KontoId = 1 + posten % shape.accounts;
    contract.AnzZahlungen = 12;
    contract.ErsteFaelligkeit = DayOfMonth(shape.firstMonth, 1 + posten % 28);
    contract.FirstMonat = shape.firstMonth;
    contract.LastMonat = shape.firstMonth + shape.months - 1;
    contract.Insert(database, 1);
  }
}

void WriteEntries(CDatabase& database, const CGeneratedBookShape& shape, int monthId) {
  for (int posten = 1; posten <= shape.entries; ++posten) {
    CVorgangRow entry;
    entry.PostenId = monthId * 1000 + posten;
    entry.MonatId = monthId;
    entry.Bezeichnung = "Vorgang " + std::to_string(posten);
    entry.Typ = posten % 2 == 0 ? 1 : 2;
    entry.Betrag = posten;
    entry.Datum = DayOfMonth(monthId, 1 + posten % 28);
    entry.Bestaetigt = 1;
    entry.BetrKontoId = 1 + posten % shape.accounts;
    entry.Insert(database, 1);
  }
}

}  // namespace

CGeneratedBook::CGeneratedBook(const CGeneratedBookShape& shape) : shape_(shape) {
  std::string pattern = (std::filesystem::temp_directory_path() / "pellwick-bench-XXXXXX").string();
  directory_ = mkdtemp(pattern.data());
  auto database = CreateDatabase((directory_ / "Pellwick.db").string());
  CTransaction transaction(*database);
  WriteBook(*database, shape);
  for (int monthId = shape.firstMonth; monthId < shape.firstMonth + shape.months; ++monthId) {
    CMonatRow month;
    month.BuchId = 1;
    month.MonatId = monthId;
    month.Bezeichnung = MonthKey(monthId);
    month.Insert(*database, 1);
    WriteAccounts(*database, shape, monthId);
    WriteContracts(*database, shape, monthId);
    WriteEntries(*database, shape, monthId);
  }
  transaction.Commit();
}

CGeneratedBook::~CGeneratedBook() {
  std::error_code ignored;
  std::filesystem::remove_all(directory_, ignored);
}

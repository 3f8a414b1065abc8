#pragma once
// A household book written straight into a database file, for the tests of
// the book data.

#include <string>
#include <vector>

#include "model/Clock.h"
#include "model/MonthMath.h"
#include "storage/Schema.h"
#include "storage/Tables.h"
#include "support/TemporaryDirectory.h"

struct CSeedBook {
  int buchId = 1;
  int isCurrent = 0;
  int firstExist = 0;
  int lastExist = 0;
  int firstLoad = 0;
  int lastLoad = 0;
  int aktMonat = 0;
  int aktMonatUser = 2;
  int anzAngelegt = 3;
};

inline CHaushaltsbuchRow BookRow(const CSeedBook& seed) {
  CHaushaltsbuchRow row;
  row.BuchId = seed.buchId;
  row.Bezeichnung = "Buch" + std::to_string(seed.buchId);
  row.IsCurrentBook = seed.isCurrent;
  row.FirstExistMonatId = seed.firstExist;
  row.LastExistMonatId = seed.lastExist;
  row.FirstLoadMonatId = seed.firstLoad;
  row.LastLoadMonatId = seed.lastLoad;
  row.AktMonatId = seed.aktMonat;
  row.AktMonatUser = seed.aktMonatUser;
  row.AnzAngelegteMonate = seed.anzAngelegt;
  return row;
}

// The book with its months firstExist ... lastExist; every month holds
// `accounts` accounts (PostenId 1 ...), one entry and one contract.
inline void SeedBook(CDatabase& database, const CSeedBook& seed, int accounts = 1) {
  BookRow(seed).Store(database, seed.buchId);
  for (int monthId = seed.firstExist; monthId > 0 && monthId <= seed.lastExist; ++monthId) {
    CMonatRow month;
    month.BuchId = seed.buchId;
    month.MonatId = monthId;
    month.Bezeichnung = MonthKey(monthId);
    month.Insert(database, seed.buchId);
    for (int posten = 1; posten <= accounts; ++posten) {
      CBestandsdatenRow account;
      account.PostenId = posten;
      account.MonatId = monthId;
      account.Typ = 1;
      account.Betrag = 100.0 * monthId + posten;
      account.LastMonatId = seed.lastExist;
      account.Insert(database, seed.buchId);
    }
    CVorgangRow entry;
    entry.PostenId = monthId;
    entry.MonatId = monthId;
    entry.Typ = 2;
    entry.Betrag = 5.0;
    entry.Insert(database, seed.buchId);
    CVertragRow contract;
    contract.PostenId = 1;
    contract.MonatId = monthId;
    contract.Typ = 2;
    contract.LastMonat = seed.lastExist;
    contract.Insert(database, seed.buchId);
  }
}

#include "accounting/Kategorie.h"

CKategorie& CKategorieList::New(const std::string& description) {
  CKategorie& kategorie = AppendWithNewId();
  kategorie.Beschreibung = description;
  return kategorie;
}

std::string CKategorieList::Description(int kategorieId) const {
  const CKategorie* kategorie = FindId(kategorieId);
  return kategorie ? kategorie->Beschreibung : std::string();
}

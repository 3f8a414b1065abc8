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


std::vector<std::string> CKategorieList::ChoiceLabels(CategoryChoice choice) const {
  std::vector<std::string> labels;
  if (choice == CategoryChoice::All) labels.emplace_back(kAllCategories);
  if (choice == CategoryChoice::Uncaptured) labels.emplace_back(kUncaptured);
  for (const CKategorie& kategorie : *this)
    if (!kategorie.IsDeleted()) labels.push_back(kategorie.Beschreibung);
  return labels;
}

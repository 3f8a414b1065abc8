#include "import/UserImportKey.h"

#include <cmath>
#include <functional>

#include "import/UserImport.h"
#include "storage/FieldTable.h"
#include "storage/Format.h"

std::size_t CUserImportKeyHash::operator()(const CUserImportKey& key) const {
  std::size_t hash = std::hash<std::string>{}(key.text);
  hash ^= std::hash<long long>{}(key.cents) + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
  hash ^= std::hash<int>{}(key.day) + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
  return hash;
}

std::string StoredDescription(std::string_view description) {
  // The record layer drops NUL characters and cuts texts to the column
  // length when it writes them.
  std::string text;
  text.reserve(description.size());
  for (char c : description)
    if (c != '\0') text.push_back(c);
  return TruncateUtf8(text, kTextColumnLength);
}

CUserImportKey UserImportKeyOf(const CDate& date, double amount, std::string_view description) {
  return {date.DayNumber(), std::llround(amount * 100.0),
          TruncateUtf8(StoredDescription(description), kUserImportKeyTextLength)};
}

void CUserImportIndex::Add(CUserImportData& row) {
  byKey_[UserImportKeyOf(row.Datum, row.Betrag, row.sBeschreibung)].push_back(&row);
}

CUserImportData* CUserImportIndex::Find(const CUserImportKey& key) const {
  const auto found = byKey_.find(key);
  if (found == byKey_.end()) return nullptr;
  for (CUserImportData* row : found->second)
    if (!row->IsDeleted()) return row;
  return nullptr;
}

#pragma once
// The duplicate protection of the bank import: a bank record and a
// UserImport row belong together when their dates, their amounts (to the
// cent) and the first 79 characters of their purpose texts are equal. The
// texts are compared in the form the database keeps (80 characters, see
// kTextColumnLength), so a row read back from the database still matches
// the record it was made for, apostrophes and long texts included.
//
// CUserImportIndex finds the row of a record by this key through a hash
// table instead of a scan of every row. User-interface thread only.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "storage/Date.h"

class CUserImportData;

inline constexpr std::size_t kUserImportKeyTextLength = 79;

struct CUserImportKey {
  int day = 0;
  long long cents = 0;
  std::string text;  // the first 79 characters of the stored purpose text

  friend bool operator==(const CUserImportKey&, const CUserImportKey&) = default;
};

struct CUserImportKeyHash {
  std::size_t operator()(const CUserImportKey& key) const;
};

// The purpose text as the UserImport table keeps it.
std::string StoredDescription(std::string_view description);
CUserImportKey UserImportKeyOf(const CDate& date, double amount, std::string_view description);

// The rows of a UserImport list by key, each key's rows in list order.
// Holds non-owning pointers: rebuild it whenever rows leave the list.
class CUserImportIndex {
 public:
  template <class Rows>
  void Rebuild(Rows& rows) {
    byKey_.clear();
    for (CUserImportData& row : rows) Add(row);
  }
  void Clear() { byKey_.clear(); }
  // Adds a row that was appended to the list.
  void Add(CUserImportData& row);
  // The first row of the key not marked deleted, or null.
  CUserImportData* Find(const CUserImportKey& key) const;

 private:
  std::unordered_map<CUserImportKey, std::vector<CUserImportData*>, CUserImportKeyHash> byKey_;
};

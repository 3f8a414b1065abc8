#pragma once
// What the transfer changes in memory, copied before it starts, so that a
// transfer whose store fails leaves memory as it was: the book's accounts,
// entries and contracts, the UserImport rows and the import records.
// User-interface thread only.

#include <cstddef>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

class CBookData;
class CImportRecord;
class CTmpFileImport;
class CUserImport;

// A copy of every record of a record list. Restore puts the records back as
// they were, in their order: records added since go, records still in the
// list get their copied values (so pointers to them stay valid), records
// that left the list come back as new objects.
template <class List>
class CListSnapshot {
  using T = std::remove_reference_t<decltype(*std::declval<List&>().begin())>;

 public:
  explicit CListSnapshot(List& list) : list_(list) {
    saved_.reserve(list.Count());
    for (T& record : list) saved_.emplace_back(&record, std::make_unique<T>(record));
  }

  void Restore() {
    std::unordered_map<const T*, std::size_t> order;
    for (std::size_t i = 0; i < saved_.size(); ++i) order.emplace(saved_[i].first, i);
    list_.RemoveIf([&](const T& record) { return !order.contains(&record); });
    std::unordered_set<const T*> present;
    for (T& record : list_) present.insert(&record);
    for (std::size_t i = 0; i < saved_.size(); ++i) {
      if (present.contains(saved_[i].first)) {
        *saved_[i].first = *saved_[i].second;
      } else {
        order[&list_.Append(std::make_unique<T>(*saved_[i].second))] = i;
      }
    }
    list_.Sort([&](const T& a, const T& b) { return order.at(&a) < order.at(&b); });
  }

 private:
  List& list_;
  std::vector<std::pair<T*, std::unique_ptr<T>>> saved_;
};

class CTransferSnapshot {
 public:
  // REQUIRES: the book data has its collections; book data, records and
  // rows outlive the snapshot.
  CTransferSnapshot(CBookData& book, CTmpFileImport& records, CUserImport& userImports);
  ~CTransferSnapshot();
  CTransferSnapshot(const CTransferSnapshot&) = delete;
  CTransferSnapshot& operator=(const CTransferSnapshot&) = delete;

  void Restore();

 private:
  struct CLists;
  std::unique_ptr<CLists> lists_;
};

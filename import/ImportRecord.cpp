#include "import/ImportRecord.h"

#include <algorithm>

CImportRecord& CTmpFileImport::New() {
  auto record = std::make_unique<CImportRecord>();
  record->id = ++lastId_;
  return *records_.emplace_back(std::move(record));
}

void CTmpFileImport::Append(COwned records) {
  records_.reserve(records_.size() + records.size());
  for (auto& record : records) {
    record->id = ++lastId_;
    records_.push_back(std::move(record));
  }
}

bool CTmpFileImport::Remove(const CImportRecord& record) {
  const auto found = std::find_if(records_.begin(), records_.end(),
                                  [&](const std::unique_ptr<CImportRecord>& owned) { return owned.get() == &record; });
  if (found == records_.end()) return false;
  records_.erase(found);
  return true;
}

void CTmpFileImport::Clear() {
  records_.clear();
  lastId_ = 0;
}

CImportRecord* CTmpFileImport::At(int position) {
  return position >= 0 && position < Count() ? records_[position].get() : nullptr;
}

CImportRecord* CTmpFileImport::FindId(int id) {
  for (const auto& record : records_)
    if (record->id == id) return record.get();
  return nullptr;
}

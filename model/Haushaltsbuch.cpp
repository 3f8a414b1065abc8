#include "model/Haushaltsbuch.h"

#include <algorithm>
#include <memory>

#include "model/Clock.h"
#include "model/MonthMath.h"
#include "storage/Database.h"
#include "storage/Result.h"
#include "storage/Schema.h"
#include "storage/StrFormat.h"

namespace {

// A new book reaches this far back and ahead of today's month.
constexpr int kMonthsBeforeToday = 6;
constexpr int kMonthsAfterToday = 3;
constexpr int kDefaultMonthsAhead = 3;
constexpr int kCurrentMonthChosenByUser = 2;

// "select max(BuchId) ..." over every table that has a BuchId column; the
// list follows the schema, so a table added later is covered as well.
std::string HighestBuchIdSql() {
  std::string parts;
  for (const auto& table : SchemaTables()) {
    if (table->Table().bookColumn == EBookColumn::None) continue;
    if (!parts.empty()) parts += " union all ";
    parts += StrFormat("select max(BuchId) as n from [%s]", table->Table().name);
  }
  return "select max(n) as n from (" + parts + ");";
}

std::unique_ptr<CHaushaltsbuch> NewBook(int buchId) {
  auto book = std::make_unique<CHaushaltsbuch>();
  book->BuchId = buchId;
  book->Bezeichnung = StrFormat("Buch%d", buchId);
  book->DatumErstellung = book->DatumLetzteAenderung = Today();
  const int today = TodayMonthId();
  book->FirstExistMonatId = book->AktMonatId = book->FirstLoadMonatId = AddMonths(today, -kMonthsBeforeToday);
  book->LastExistMonatId = book->LastLoadMonatId = AddMonths(today, kMonthsAfterToday);
  book->AnzAngelegteMonate = kDefaultMonthsAhead;
  book->AktMonatUser = kCurrentMonthChosenByUser;
  return book;
}

}  // namespace

int HighestBuchIdInUse(CDatabase& database) {
  const CResult result = database.Query(HighestBuchIdSql());
  return result.AtEnd() || result.IsNull("n") ? 0 : result.Int("n");
}

int CHaushaltsbuchList::Load(CDatabase& database) {
  const int loaded = CRecordList::Load(database, kLoadSql);
  highestIdInDatabase_ = std::max(highestIdInDatabase_, HighestBuchIdInUse(database));
  return loaded;
}

int CHaushaltsbuchList::NextBuchId() const {
  int highest = highestIdInDatabase_;
  for (const CHaushaltsbuch& book : *this) highest = std::max(highest, book.BuchId);
  return highest + 1;
}

CHaushaltsbuch& CHaushaltsbuchList::New() {
  return Append(NewBook(NextBuchId()));
}

CHaushaltsbuch* CHaushaltsbuchList::FindAtListPosition(int listPosition) {
  if (listPosition < 0) return nullptr;
  int shown = 0;
  for (CHaushaltsbuch& book : *this) {
    if (book.IsDeleted()) continue;
    if (shown++ == listPosition) return &book;
  }
  return nullptr;
}

int CHaushaltsbuchList::ListPosition(const CHaushaltsbuch& book) const {
  if (Find(book.Position()) != &book || book.IsDeleted()) return -1;
  return static_cast<int>(std::count_if(begin(), begin() + book.Position(),
                                        [](const CHaushaltsbuch& before) { return !before.IsDeleted(); }));
}

void CHaushaltsbuchList::MarkCurrent(const std::string& name) {
  for (CHaushaltsbuch& book : *this) book.IsCurrentBook = !book.IsDeleted() && book.Bezeichnung == name ? 1 : 0;
}

void CHaushaltsbuchList::Store(CDatabase& database) {
  // Book rows carry their own BuchId; the argument is not used.
  CRecordList::Store(database, 0);
}

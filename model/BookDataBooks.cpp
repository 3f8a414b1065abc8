#include "model/BookData.h"

namespace {

// The columns a book shares between the book list and the current book.
void CopyBookColumns(const CHaushaltsbuchRow& from, CHaushaltsbuchRow& to) {
  to.BuchId = from.BuchId;
  to.DatumErstellung = from.DatumErstellung;
  to.DatumLetzteAenderung = from.DatumLetzteAenderung;
  to.Bezeichnung = from.Bezeichnung;
  to.FirstExistMonatId = from.FirstExistMonatId;
  to.AnzAngelegteMonate = from.AnzAngelegteMonate;
  to.LastExistMonatId = from.LastExistMonatId;
  to.AktMonatUser = from.AktMonatUser;
  to.AktMonatId = from.AktMonatId;
  to.FirstLoadMonatId = from.FirstLoadMonatId;
  to.LastLoadMonatId = from.LastLoadMonatId;
  to.HauptKontoId = from.HauptKontoId;
}

}  // namespace

void CBookData::TakeBook(const CHaushaltsbuchRow& book) { CopyBookColumns(book, book_); }

void CBookData::GiveBook(CHaushaltsbuchRow& book) const { CopyBookColumns(book_, book); }

int CBookData::SwitchToBook(int bookId) {
  std::optional<CHaushaltsbuchRow> row =
      ReadBookRow([bookId](const CHaushaltsbuchRow& book) { return book.BuchId == bookId; }, false);
  if (!row) return 0;
  book_ = *row;
  currentBookId_ = book_.BuchId;
  // Nothing of the book held before may stay: it would be stored under
  // this book's id.
  accounts_ = std::make_unique<CBestandsdatenList>();
  entries_ = std::make_unique<CVorgangList>();
  contracts_ = std::make_unique<CVertragList>();
  forecast_ = std::make_unique<CAusblickList>();
  LoadBookCollections();
  for (int monthId = book_.FirstExistMonatId; monthId > 0 && monthId <= book_.LastExistMonatId; ++monthId)
    LoadMonth(currentBookId_, monthId);
  return 1;
}

#include "model/FirstBook.h"

#include "model/BookData.h"
#include "model/Haushaltsbuch.h"
#include "model/Preselection.h"
#include "monitoring/Report.h"

namespace {

// The new book taken into an empty current book.
int TakeNewBook(CBookData& bookData) {
  CHaushaltsbuchList books;
  books.Load(*bookData.Database());
  if (!books.IsEmpty()) return 0;
  bookData.RecreateCollections();
  bookData.Book() = CHaushaltsbuchRow{};
  bookData.TakeBook(books.New());
  bookData.Book().IsCurrentBook = 1;
  bookData.SetCurrentBookId(bookData.Book().BuchId);
  return bookData.Book().BuchId;
}

void OfferPreselection(CBookData& bookData, IPreselectionChoice& choice) {
  std::vector<CPreselectionItem> items = PreselectionItems();
  if (choice.Choose(items)) ApplyPreselection(bookData, items);
}

void LoadAsAtStart(CBookData& bookData) {
  bookData.FreeCollections();
  bookData.RecreateCollections();
  if (bookData.LoadCurrentBook()) bookData.SetNoBook(0);
}

}  // namespace

int CreateFirstBook(CBookData& bookData, IPreselectionChoice& choice) {
  if (!bookData.Database()) return 0;
  const int bookId = TakeNewBook(bookData);
  if (bookId == 0) return 0;
  const CHaushaltsbuchRow& book = bookData.Book();
  bookData.SetRange(book.FirstExistMonatId, book.LastExistMonatId);
  OfferPreselection(bookData, choice);
  bookData.SaveCurrentBook(bookId);
  bookData.Reports()->PrepareBook(*bookData.Database(), bookId);
  LoadAsAtStart(bookData);
  return 1;
}

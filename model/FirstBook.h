#pragma once
// The first book of a new or empty database, made when start-up found no
// book (CBookData::NoBook()). User-interface thread only.

class CBookData;
class IPreselectionChoice;

// Makes the first book and loads it as the current book:
// 1. a new book (Buch%d with the next free id, the months from six before
//    today's month to three after it) becomes the current book, marked
//    current;
// 2. its months are made;
// 3. the preselection is offered through `choice`; on OK the chosen
//    accounts, contracts and rule are made (ApplyPreselection). Cancel makes
//    none of them: the book is made empty, and the preselection can be
//    taken later from the book screen;
// 4. the book with its months is saved, the monitoring's built-in rules
//    are ensured and stored;
// 5. the collections are replaced by the book loaded as at start-up, and
//    the no-book flag is cleared.
// Returns 1 when the book was made. Returns 0 and changes nothing when no
// database is open or it holds a book already. A database error propagates.
int CreateFirstBook(CBookData& bookData, IPreselectionChoice& choice);

#pragma once

#include "storage/BookTables.h"
#include "storage/RecordList.h"

class CDatabase;

// The saved filter settings of one screen in one book: MaskId is the
// screen's dialog id, the other columns are its filter choices.
class CMaskData : public CMaskDataRow {
};

// The saved filter settings of the current book's screens. A screen that
// keeps its settings loads the list when it opens, takes its record (or makes
// one with its own defaults) and stores the list when it closes.
class CMaskDataList : public CRecordList<CMaskData> {
public:
    // Replaces the list with the rows of "select * from [MaskData] where
    // MaskData.BuchId = %d;". When loading fails the list stays as it was.
    void Load(CDatabase& database, int bookId);
    // The first record of the screen, or null.
    CMaskData* FindMask(int maskId);
    // Appends a record for the screen, every other column 0 or empty.
    CMaskData& NewMask(int maskId);
};

#include "storage/MaskData.h"

#include "storage/StrFormat.h"

#include <utility>

void CMaskDataList::Load(CDatabase& database, int bookId)
{
    CMaskDataList loaded;
    loaded.CRecordList::Load(database, StrFormat("select * from [MaskData] where MaskData.BuchId = %d;", bookId));
    *this = std::move(loaded);
}

CMaskData* CMaskDataList::FindMask(int maskId)
{
    for (CMaskData& mask : *this)
        if (mask.MaskId == maskId)
            return &mask;
    return nullptr;
}

CMaskData& CMaskDataList::NewMask(int maskId)
{
    CMaskData& mask = AppendNew();
    mask.MaskId = maskId;
    return mask;
}

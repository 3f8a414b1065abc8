#include "StorageTestSupport.h"

#include "storage/Database.h"
#include "storage/DatabaseError.h"
#include "storage/RecordList.h"
#include "storage/Schema.h"
#include "storage/Tables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;

// A domain record as the accounting derives them: the row plus behaviour and
// in-memory state.
class CEntry : public CVorgangRow {
public:
    CEntry() = default;
    CEntry(int postenId, double betrag, std::string note = {}) : note(std::move(note))
    {
        PostenId = postenId;
        MonatId = 87;
        Betrag = betrag;
    }
    double SortKey(int which) const override { return which == 1 ? PostenId : Betrag; }

    std::string note;  // never stored
};

using CEntryList = CRecordList<CEntry>;

std::vector<int> Ids(const CEntryList& list)
{
    std::vector<int> ids;
    for (const CEntry& entry : list)
        ids.push_back(entry.PostenId);
    return ids;
}

void ExpectPositionsCurrent(const CEntryList& list)
{
    int expected = 0;
    for (const CEntry& entry : list)
        EXPECT_EQ(entry.Position(), expected++);
}

TEST(RecordListTest, PositionsStayCurrentThroughEveryChange)
{
    CEntryList list;
    list.AppendNew(1, 0.0);
    list.AppendNew(2, 0.0);
    list.InsertAt(1, std::make_unique<CEntry>(3, 0.0));
    list.InsertAt(99, std::make_unique<CEntry>(4, 0.0));
    list.InsertAt(-5, std::make_unique<CEntry>(5, 0.0));
    EXPECT_THAT(Ids(list), ElementsAre(5, 1, 3, 2, 4));
    ExpectPositionsCurrent(list);

    EXPECT_TRUE(list.RemoveAt(2));
    EXPECT_FALSE(list.RemoveAt(4));
    EXPECT_FALSE(list.RemoveAt(-1));
    const CEntry stranger(1, 0.0);  // position 0 in no list at all
    EXPECT_FALSE(list.Remove(stranger));
    EXPECT_TRUE(list.Remove(*list.Find(3)));
    EXPECT_THAT(Ids(list), ElementsAre(5, 1, 2));
    ExpectPositionsCurrent(list);

    EXPECT_EQ(list.RemoveIf([](const CEntry& entry) { return entry.PostenId == 1; }), 1);
    EXPECT_THAT(Ids(list), ElementsAre(5, 2));
    ExpectPositionsCurrent(list);
    EXPECT_EQ(list.Find(1)->PostenId, 2);
    EXPECT_EQ(list.Find(2), nullptr);
    EXPECT_THROW(list.Append(nullptr), std::invalid_argument);
    EXPECT_EQ(list.Count(), 2);
    list.DeleteAll();
    EXPECT_TRUE(list.IsEmpty());
}

TEST(RecordListTest, BothSortsKeepEqualRecordsInTheirOrder)
{
    CEntryList list;
    const double amounts[] = {5, 1, 5, 3, 1, 5, 3};
    for (int i = 0; i < 7; ++i)
        list.AppendNew(i + 1, amounts[i]);

    list.SortByKey();
    EXPECT_THAT(Ids(list), ElementsAre(2, 5, 4, 7, 1, 3, 6));
    ExpectPositionsCurrent(list);
    list.SortByKey(1);
    EXPECT_THAT(Ids(list), ElementsAre(1, 2, 3, 4, 5, 6, 7));

    list.Sort([](const CEntry& a, const CEntry& b) { return a.Betrag > b.Betrag; });
    EXPECT_THAT(Ids(list), ElementsAre(1, 3, 6, 4, 7, 2, 5));
    ExpectPositionsCurrent(list);
}

class StoredRecordListTest : public ::testing::Test {
protected:
    StoredRecordListTest() : m_database(CreateDatabase(m_folder.File("liste.db"))) {}

    std::vector<std::string> Rows()
    {
        std::vector<std::string> rows;
        for (CResult result = m_database->Query("select * from [Vorgang] order by PostenId;"); !result.AtEnd();
             result.MoveNext())
            rows.push_back(std::to_string(result.Int("PostenId")) + ":" + result.Text("Betrag") + ":" +
                           std::to_string(result.Int("BuchId")));
        return rows;
    }
    CEntryList StoredList()
    {
        CEntryList list;
        list.AppendNew(1, 10.0);
        list.AppendNew(2, 20.0);
        list.Store(*m_database, 1);
        CEntryList loaded;
        loaded.Load(*m_database, "select * from [Vorgang] where Vorgang.BuchId = 1 and Vorgang.MonatId = 87;");
        return loaded;
    }

    CTempFolder m_folder;
    std::unique_ptr<CDatabase> m_database;
};

TEST_F(StoredRecordListTest, LoadAppendsOneRecordPerRow)
{
    CEntryList list = StoredList();
    EXPECT_THAT(Ids(list), ElementsAre(1, 2));
    EXPECT_EQ(list.Find(1)->Betrag, 20.0);
    EXPECT_EQ(list.Load(*m_database, "select * from [Vorgang] where Vorgang.BuchId = 1 and Vorgang.MonatId = 87;"), 2);
    EXPECT_THAT(Ids(list), ElementsAre(1, 2, 1, 2));
    ExpectPositionsCurrent(list);
    EXPECT_THROW(list.Load(*m_database, "select * from [Vorgang] where Falsch = 1;"), CDatabaseError);
    EXPECT_EQ(list.Count(), 4);
}

TEST_F(StoredRecordListTest, StoreWritesChangesAndDropsDeletedRecordsAfterwards)
{
    CEntryList list = StoredList();
    list.Find(0)->Betrag = 11.0;
    list.Find(1)->MarkDeleted();
    list.AppendNew(3, 30.0);
    list.Store(*m_database, 1);
    EXPECT_THAT(Rows(), ElementsAre("1:11.0:1", "3:30.0:1"));
    EXPECT_THAT(Ids(list), ElementsAre(1, 3));
    ExpectPositionsCurrent(list);
}

TEST_F(StoredRecordListTest, FailingStoreLeavesDatabaseAndMemoryAsTheyWere)
{
    m_database->Execute("create trigger Ablehnen before insert on Vorgang when new.PostenId = 3 "
                        "begin select raise(abort, 'Posten 3 abgelehnt'); end;");
    CEntryList list = StoredList();
    const std::vector<std::string> rowsBefore = Rows();
    list.Find(0)->Betrag = 11.0;
    list.Find(1)->MarkDeleted();
    list.AppendNew(3, 30.0, "neu");
    try {
        list.Store(*m_database, 1);
        FAIL() << "stored";
    } catch (const CDatabaseError& error) {
        EXPECT_EQ(error.EngineMessage(), "Posten 3 abgelehnt");
    }
    EXPECT_EQ(Rows(), rowsBefore);
    EXPECT_THAT(Ids(list), ElementsAre(1, 2, 3));
    EXPECT_TRUE(list.Find(1)->IsDeleted());
    EXPECT_EQ(list.Find(2)->note, "neu");
    ExpectPositionsCurrent(list);
}

TEST_F(StoredRecordListTest, SelectiveStoreTouchesOnlyTheSelectedRecords)
{
    CEntryList list = StoredList();
    list.Find(0)->MarkDeleted();
    list.Find(1)->MarkDeleted();
    list.Store(*m_database, 1, [](const CEntry& entry) { return entry.PostenId == 2; });
    EXPECT_THAT(Rows(), ElementsAre("1:10.0:1"));
    EXPECT_THAT(Ids(list), ElementsAre(1));
    EXPECT_TRUE(list.Find(0)->IsDeleted());
}

}  // namespace

#include "StorageTestSupport.h"

#include "storage/Database.h"
#include "storage/DatabaseError.h"
#include "storage/MaskData.h"
#include "storage/Schema.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class MaskDataTest : public ::testing::Test {
protected:
    MaskDataTest() : m_database(CreateDatabase(m_folder.File("masken.db"))) {}

    CTempFolder m_folder;
    std::unique_ptr<CDatabase> m_database;
};

TEST_F(MaskDataTest, ScreenSettingsRoundTripPerBook)
{
    CMaskDataList masks;
    CMaskData& closing = masks.NewMask(105);
    EXPECT_EQ(closing.FirstFilterMonatId, 0);
    EXPECT_EQ(closing.LastImportFileName, "");
    closing.FirstFilterMonatId = 80;
    closing.GroupBy = 2;
    closing.LastImportFileName = "/home/jörg/Konto 2009.csv";
    masks.NewMask(114).AnzProgMonate = 12;
    masks.Store(*m_database, 1);
    masks.Store(*m_database, 1);  // the second store updates

    CMaskDataList loaded;
    loaded.NewMask(999);  // replaced by the load
    loaded.Load(*m_database, 1);
    ASSERT_EQ(loaded.Count(), 2);
    ASSERT_NE(loaded.FindMask(105), nullptr);
    EXPECT_EQ(loaded.FindMask(105)->FirstFilterMonatId, 80);
    EXPECT_EQ(loaded.FindMask(105)->GroupBy, 2);
    EXPECT_EQ(loaded.FindMask(105)->LastImportFileName, "/home/jörg/Konto 2009.csv");
    EXPECT_EQ(loaded.FindMask(114)->AnzProgMonate, 12);
    EXPECT_EQ(loaded.FindMask(999), nullptr);

    loaded.Load(*m_database, 2);
    EXPECT_TRUE(loaded.IsEmpty());
}

TEST_F(MaskDataTest, FailedLoadKeepsTheList)
{
    CMaskDataList masks;
    masks.NewMask(105);
    m_database->Execute("drop table MaskData;");
    EXPECT_THROW(masks.Load(*m_database, 1), CDatabaseError);
    EXPECT_NE(masks.FindMask(105), nullptr);
}

}  // namespace

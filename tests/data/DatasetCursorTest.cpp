// The cursor: First/Next/Eof walks, Bof, RecNo, Locate and bookmarks.
#include <gtest/gtest.h>

#include "data/Dataset.h"

namespace {

using data::Dataset;
using data::DatasetError;
using data::FieldType;

void Fill(Dataset& ds, int rows) {
  ds.AddField("code", FieldType::String, 10);
  ds.AddField("n", FieldType::Integer);
  ds.AddField("amount", FieldType::Float);
  ds.CreateDataSet();
  for (int i = 1; i <= rows; ++i) {
    ds.Append();
    ds.FieldByName("code").SetAsString("C" + std::to_string(i));
    ds.FieldByName("n").SetAsInteger(i);
    ds.FieldByName("amount").SetAsFloat(i * 1.5);
    ds.Post();
  }
}

TEST(Cursor, EmptyDataset) {
  Dataset ds;
  Fill(ds, 0);
  EXPECT_TRUE(ds.IsEmpty());
  EXPECT_TRUE(ds.Bof());
  EXPECT_TRUE(ds.Eof());
  EXPECT_EQ(ds.RecNo(), 0);
  EXPECT_EQ(ds.RecordCount(), 0);
  ds.First();
  ds.Next();
  EXPECT_TRUE(ds.Eof());
  EXPECT_TRUE(ds.FieldByName("code").IsNull());
  EXPECT_EQ(ds.FieldByName("code").AsString(), "");
  EXPECT_EQ(ds.FieldByName("n").AsInteger(), 0);
  EXPECT_THROW(ds.Delete(), DatasetError);
}

TEST(Cursor, WalkForwardAndBack) {
  Dataset ds;
  Fill(ds, 3);
  std::string seen;
  for (ds.First(); !ds.Eof(); ds.Next()) seen += ds.FieldByName("code").AsString() + "@" + std::to_string(ds.RecNo()) + " ";
  EXPECT_EQ(seen, "C1@1 C2@2 C3@3 ");
  EXPECT_EQ(ds.RecNo(), 3);  // Eof stays on the last record
  seen.clear();
  for (ds.Last(); !ds.Bof(); ds.Prior()) seen += ds.FieldByName("code").AsString() + " ";
  EXPECT_EQ(seen, "C3 C2 C1 ");
  ds.First();
  EXPECT_TRUE(ds.Bof());
  EXPECT_FALSE(ds.Eof());
  EXPECT_EQ(ds.MoveBy(5), 2);
  EXPECT_TRUE(ds.Eof());
  EXPECT_EQ(ds.MoveBy(-1), -1);
  EXPECT_EQ(ds.FieldByName("code").AsString(), "C2");
  ds.SetRecNo(1);
  EXPECT_EQ(ds.FieldByName("n").AsInteger(), 1);
  ds.SetRecNo(99);
  EXPECT_EQ(ds.RecNo(), 3);
}

TEST(Cursor, Locate) {
  Dataset ds;
  Fill(ds, 5);
  EXPECT_TRUE(ds.Locate("code", "C4"));
  EXPECT_EQ(ds.RecNo(), 4);
  EXPECT_FALSE(ds.Locate("code", "C9"));
  EXPECT_EQ(ds.RecNo(), 4);  // not found: the cursor stays
  EXPECT_TRUE(ds.Locate("code", "c2", {.caseInsensitive = true}));
  EXPECT_EQ(ds.RecNo(), 2);
  EXPECT_FALSE(ds.Locate("code", "c2"));
  EXPECT_TRUE(ds.Locate("code", "C", {.partialKey = true}));
  EXPECT_EQ(ds.RecNo(), 1);
  EXPECT_TRUE(ds.Locate("n;amount", base::Variant::ArrayOf({3, 4.5})));
  EXPECT_EQ(ds.RecNo(), 3);
  EXPECT_FALSE(ds.Locate("n;amount", base::Variant::ArrayOf({3, 4.0})));
  EXPECT_TRUE(ds.Locate("amount", "7.5"));  // text converted to the field's type
  EXPECT_EQ(ds.RecNo(), 5);
  EXPECT_THROW(ds.Locate("n;amount", 3), DatasetError);
  EXPECT_THROW(ds.Locate("nofield", 3), DatasetError);
  ds.Edit();
  ds.FieldByName("amount").Clear();
  ds.Post();
  EXPECT_TRUE(ds.Locate("amount", base::Null{}));
  EXPECT_EQ(ds.RecNo(), 5);
}

TEST(Cursor, Bookmarks) {
  Dataset ds;
  Fill(ds, 4);
  ds.SetRecNo(3);
  const data::Bookmark mark = ds.GetBookmark();
  ds.First();
  ds.GotoBookmark(mark);
  EXPECT_EQ(ds.FieldByName("code").AsString(), "C3");
  ds.SetIndexFieldNames("amount");  // reordering keeps the bookmark good
  ds.SetFilter("n <> 3");
  ds.SetFiltered(true);
  EXPECT_FALSE(ds.BookmarkValid(mark));
  EXPECT_THROW(ds.GotoBookmark(mark), DatasetError);
  ds.SetFiltered(false);
  EXPECT_TRUE(ds.BookmarkValid(mark));
  ds.GotoBookmark(mark);
  ds.Delete();
  EXPECT_FALSE(ds.BookmarkValid(mark));
}

TEST(Cursor, ClosedDatasetRefusesToMove) {
  Dataset ds;
  ds.AddField("a", FieldType::Integer);
  EXPECT_THROW(ds.First(), DatasetError);
  EXPECT_THROW(ds.Append(), DatasetError);
  Dataset noFields;
  EXPECT_THROW(noFields.Open(), DatasetError);
}

}  // namespace

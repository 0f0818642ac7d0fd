// Sorting: stable, several keys, descending, nulls, case, Chinese in the host's
// code page order; the client dataset's named indexes and the ADO sort text.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "data/Dataset.h"

namespace {

using data::Dataset;
using data::DatasetError;
using data::DatasetRole;
using data::FieldType;

// A dataset of (name, grp, num) rows; "" stands for null in grp and num.
void Fill(Dataset& ds, const std::vector<std::tuple<std::string, std::string, std::string>>& rows) {
  ds.AddField("name", FieldType::String, 20);
  ds.AddField("grp", FieldType::String, 20);
  ds.AddField("num", FieldType::Float);
  ds.CreateDataSet();
  for (const auto& [name, grp, num] : rows) {
    ds.Append();
    ds.FieldByName("name").SetAsString(name);
    if (!grp.empty()) ds.FieldByName("grp").SetAsString(grp);
    if (!num.empty()) ds.FieldByName("num").SetAsString(num);
    ds.Post();
  }
}

std::string Names(Dataset& ds) {
  std::string names;
  for (ds.First(); !ds.Eof(); ds.Next()) names += (names.empty() ? "" : ",") + ds.FieldByName("name").AsString();
  return names;
}

TEST(Sort, StableOnTies) {
  Dataset ds;
  Fill(ds, {{"r1", "b", "1"}, {"r2", "a", "2"}, {"r3", "b", "3"}, {"r4", "a", "4"}, {"r5", "b", "5"}});
  ds.SetIndexFieldNames("grp");
  EXPECT_EQ(Names(ds), "r2,r4,r1,r3,r5");
}

TEST(Sort, DescendingKeepsTiesInOrderToo) {
  Dataset ds;
  Fill(ds, {{"r1", "b", "1"}, {"r2", "a", "2"}, {"r3", "b", "3"}, {"r4", "a", "4"}});
  ds.AddIndex("byGroupDown", "grp", data::ixDescending);
  ds.SetIndexName("byGroupDown");
  EXPECT_EQ(Names(ds), "r1,r3,r2,r4");
}

TEST(Sort, TwoKeysAscendingThenDescending) {
  Dataset ds;
  Fill(ds, {{"r1", "b", "1"}, {"r2", "a", "2"}, {"r3", "b", "3"}, {"r4", "a", "-4"}, {"r5", "a", "2"}});
  ds.AddIndex("customindex", "grp;num", data::ixCaseInsensitive, "num");
  ds.SetIndexName("customindex");
  EXPECT_EQ(Names(ds), "r2,r5,r4,r3,r1");
}

TEST(Sort, NullsFirstAscendingLastDescending) {
  Dataset ds;
  Fill(ds, {{"r1", "b", "1"}, {"r2", "", ""}, {"r3", "a", "0"}, {"r4", "", "-1"}});
  ds.SetIndexFieldNames("num");
  EXPECT_EQ(Names(ds), "r2,r4,r3,r1");
  ds.AddIndex("down", "grp", 0, "grp");
  ds.SetIndexName("down");
  EXPECT_EQ(Names(ds), "r1,r3,r2,r4");
}

TEST(Sort, CaseInsensitiveFoldsAsciiLetters) {
  Dataset ds;
  Fill(ds, {{"b", "", ""}, {"A", "", ""}, {"a", "", ""}, {"B", "", ""}, {"_", "", ""}});
  ds.SetIndexFieldNames("name");
  EXPECT_EQ(Names(ds), "A,B,_,a,b");
  ds.AddIndex("ci", "name", data::ixCaseInsensitive);
  ds.SetIndexName("ci");
  EXPECT_EQ(Names(ds), "A,a,b,B,_");
}

// Chinese sorts by code page 936 bytes (pinyin order for common characters), not by
// Unicode code points; ASCII comes first.
TEST(Sort, ChineseInCodePage936Order) {
  Dataset ds;
  Fill(ds, {{"中", "", ""}, {"张三", "", ""}, {"王", "", ""}, {"李", "", ""}, {"北京", "", ""},
            {"阿", "", ""}, {"Z", "", ""}, {"张", "", ""}});
  ds.SetIndexFieldNames("name");
  EXPECT_EQ(Names(ds), "Z,阿,北京,李,王,张,张三,中");
}

TEST(Sort, NumbersInNumericOrder) {
  Dataset ds;
  Fill(ds, {{"r1", "", "10"}, {"r2", "", "9.5"}, {"r3", "", "-0"}, {"r4", "", "-20"}, {"r5", "", "0"}, {"r6", "", "1e10"}});
  ds.SetIndexFieldNames("num");
  EXPECT_EQ(Names(ds), "r4,r3,r5,r2,r1,r6");
}

// Whatever the keys, the result is what a stable sort with the row comparison gives.
void CheckAgainstStableSort(int keyCount) {
  Dataset ds;
  ds.AddField("t", FieldType::String, 30);
  ds.AddField("i", FieldType::Integer);
  ds.AddField("d", FieldType::Float);
  ds.AddField("u", FieldType::String, 30);
  std::mt19937 random(42);
  const int rows = 3000;
  ds.BeginLoad(rows);
  for (int r = 0; r < rows; ++r) {
    const std::uint32_t row = ds.AddRow();
    // Long common prefixes make ties of the first eight bytes frequent.
    static const char* const prefixes[] = {"SUPPLIER-", "供应商名称很长的前缀-", "", "A\0B"};
    if (random() % 10)
      ds.Fields(0).SetTextAt(row, std::string(prefixes[random() % 4]) + std::to_string(random() % 300) +
                                      (random() % 2 ? "中" : "a"));
    if (random() % 10) ds.Fields(1).SetIntegerAt(row, static_cast<int>(random() % 50) - 25);
    ds.Fields(2).SetFloatAt(row, (static_cast<int>(random() % 2000) - 1000) / 8.0);
    ds.Fields(3).SetTextAt(row, std::string(1, static_cast<char>('A' + random() % 3)) + (random() % 2 ? "x" : "X"));
  }
  ds.EndLoad();
  std::vector<data::SortKey> keys;
  for (int k = 0; k < keyCount; ++k)
    keys.push_back({&ds.Fields(k % 4), k % 2 == 1, k % 3 == 0});
  std::vector<std::uint32_t> expected(ds.ViewRows().begin(), ds.ViewRows().end());
  std::stable_sort(expected.begin(), expected.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return data::CompareRows(a, b, keys) < 0; });
  std::vector<std::uint32_t> actual(ds.ViewRows().begin(), ds.ViewRows().end());
  data::SortRows(actual, keys);
  EXPECT_EQ(actual, expected);
}

TEST(Sort, AgreesWithAStableSortOfTheComparison) {
  for (int keys = 1; keys <= 8; ++keys) {
    SCOPED_TRACE(keys);
    CheckAgainstStableSort(keys);
  }
}

// The grid's automatic sort on a client dataset: drop "customindex" if it exists,
// add it again over the marked columns, make it the active index.
TEST(Sort, CustomIndexReplacedOnEverySort) {
  Dataset ds;
  Fill(ds, {{"r1", "b", "1"}, {"r2", "a", "2"}, {"r3", "b", "3"}});
  const auto autoSort = [&](const std::string& fields, const std::string& desc) {
    ds.UpdateIndexDefs();
    if (ds.IndexOf("customindex") >= 0) ds.DeleteIndex("customindex");
    ds.AddIndex("customindex", fields, data::ixCaseInsensitive, desc, "", 0);
    ds.SetIndexName("customindex");
  };
  ds.SetRecNo(3);
  autoSort("grp;num", "num");
  EXPECT_EQ(ds.FieldByName("name").AsString(), "r3");  // the current record stays current
  EXPECT_EQ(ds.RecNo(), 2);
  EXPECT_EQ(Names(ds), "r2,r3,r1");
  autoSort("num", "");
  EXPECT_EQ(Names(ds), "r1,r2,r3");
  ASSERT_EQ(ds.IndexDefs().size(), 1u);
  EXPECT_EQ(ds.IndexDefs()[0].fields, "num");
  EXPECT_EQ(ds.IndexDefs()[0].options, unsigned{data::ixCaseInsensitive});
  EXPECT_THROW(ds.AddIndex("CustomIndex", "num"), DatasetError);  // names ignore case
  ds.DeleteIndex("customindex");  // the active index: back to natural order
  EXPECT_EQ(ds.IndexName(), "");
  EXPECT_EQ(Names(ds), "r1,r2,r3");
}

TEST(Sort, IndexErrors) {
  Dataset ds;
  Fill(ds, {{"r1", "b", "1"}});
  EXPECT_THROW(ds.AddIndex("bad", "nofield"), DatasetError);
  EXPECT_THROW(ds.SetIndexName("missing"), DatasetError);
  EXPECT_EQ(ds.IndexName(), "");
  EXPECT_THROW(ds.SetIndexFieldNames("grp;nofield"), DatasetError);
  EXPECT_EQ(ds.IndexFieldNames(), "");
  EXPECT_THROW(ds.SetSort("grp"), DatasetError);  // a client dataset has no Sort text
}

TEST(Sort, AdoSortText) {
  Dataset ds(DatasetRole::AdoDataSet, "ads");
  Fill(ds, {{"r1", "b", "1"}, {"r2", "a", "2"}, {"r3", "b", "3"}, {"r4", "a", "4"}});
  ds.SetSort("grp ASC,num DESC");
  EXPECT_EQ(Names(ds), "r4,r2,r3,r1");
  ds.SetSort("[grp] desc, name");
  EXPECT_EQ(Names(ds), "r1,r3,r2,r4");
  ds.SetSort("");
  EXPECT_EQ(Names(ds), "r1,r2,r3,r4");
  EXPECT_THROW(ds.SetSort("grp UP"), DatasetError);
  EXPECT_THROW(ds.SetSort("grp,"), DatasetError);
  EXPECT_THROW(ds.SetSort("nofield ASC"), DatasetError);
  EXPECT_EQ(ds.Sort(), "");
  EXPECT_THROW(ds.AddIndex("customindex", "grp"), DatasetError);  // no named indexes on ADO
}

TEST(Sort, ParseSortText) {
  const auto items = data::ParseSortText(" f_a ASC , f_b DESC,[f c]");
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].field, "f_a");
  EXPECT_FALSE(items[0].descending);
  EXPECT_EQ(items[1].field, "f_b");
  EXPECT_TRUE(items[1].descending);
  EXPECT_EQ(items[2].field, "f c");
  EXPECT_TRUE(data::ParseSortText("  ").empty());
}

TEST(Sort, PostedRecordsTakeTheirSortedPlace) {
  Dataset ds;
  Fill(ds, {{"r1", "a", "1"}, {"r2", "c", "2"}});
  ds.SetIndexFieldNames("grp");
  ds.Append();
  ds.FieldByName("name").SetAsString("r3");
  ds.FieldByName("grp").SetAsString("b");
  ds.Post();
  EXPECT_EQ(ds.RecNo(), 2);
  EXPECT_EQ(Names(ds), "r1,r3,r2");
  ds.First();
  ds.Edit();
  ds.FieldByName("grp").SetAsString("d");
  ds.Post();
  EXPECT_EQ(ds.FieldByName("name").AsString(), "r1");
  EXPECT_EQ(ds.RecNo(), 3);
}

TEST(Sort, EditingAnotherFieldKeepsTheRecordAmongItsEquals) {
  Dataset ds;
  Fill(ds, {{"r1", "a", "1"}, {"r2", "a", "2"}, {"r3", "a", "3"}});
  ds.SetIndexFieldNames("grp");
  ds.First();
  ds.Edit();
  ds.FieldByName("num").SetAsFloat(9);
  ds.Post();
  EXPECT_EQ(ds.RecNo(), 1);
  EXPECT_EQ(Names(ds), "r1,r2,r3");
}

}  // namespace

#include "data/RecordsetDataset.h"

#include <gtest/gtest.h>

namespace {

using base::Variant;

TEST(RecordsetDataset, LoadsFieldsWithTheirTypesAndEveryRowFromTheFirst) {
  data::MemoryRecordset source(
      {{"f_Gysbm", data::adVarChar, 20},
       {"f_Gysmc", data::adVarWChar, 30},
       {"f_Ssje", data::adNumeric, 19},
       {"f_Select", data::adInteger, 4},
       {"f_Bz", data::adLongVarChar, -1}},
      {{Variant("0101"), Variant("华联超市"), Variant(12.5), Variant(1), Variant("x")},
       {Variant("0102"), Variant(base::Null{}), Variant(0.0), Variant(0), Variant("")}});
  source.MoveNext();
  data::Dataset ds(data::DatasetRole::AdoDataSet);
  data::LoadDataset(source, ds);

  ASSERT_EQ(ds.FieldCount(), 5);
  EXPECT_EQ(ds.Fields(0).DataType(), data::FieldType::String);
  EXPECT_EQ(ds.Fields(0).Size(), 20);
  EXPECT_EQ(ds.Fields(1).DataType(), data::FieldType::WideString);
  EXPECT_EQ(ds.Fields(2).DataType(), data::FieldType::Float);
  EXPECT_EQ(ds.Fields(3).DataType(), data::FieldType::Integer);
  EXPECT_EQ(ds.Fields(4).DataType(), data::FieldType::Memo);
  ASSERT_EQ(ds.RecordCount(), 2);
  EXPECT_EQ(ds.RecNo(), 1);
  EXPECT_EQ(ds.FieldByName("f_Gysmc").AsString(), "华联超市");
  ds.Next();
  EXPECT_TRUE(ds.FieldByName("f_Gysmc").IsNull());
  EXPECT_EQ(ds.FieldByName("f_Gysbm").AsString(), "0102");
}

TEST(RecordsetDataset, AnEmptyRecordsetGivesAnOpenEmptyDataset) {
  data::MemoryRecordset source({{"f_Tdbm", data::adVarChar, 20}}, {});
  data::Dataset ds(data::DatasetRole::AdoDataSet);
  data::LoadDataset(source, ds);
  EXPECT_TRUE(ds.Active());
  EXPECT_TRUE(ds.IsEmpty());
  EXPECT_TRUE(ds.Eof());
}

TEST(RecordsetDataset, ADatasetBecomesARecordsetOfItsViewRows) {
  data::Dataset ds(data::DatasetRole::AdoDataSet);
  ds.AddField("f_Gysbm", data::FieldType::String, 20);
  ds.AddField("f_Ssje", data::FieldType::Float);
  ds.CreateDataSet();
  for (const auto& [code, amount] : {std::pair{"02", 2.0}, {"01", 1.0}, {"03", 3.0}}) {
    ds.Append();
    ds.FieldByName("f_Gysbm").SetAsString(code);
    ds.FieldByName("f_Ssje").SetAsFloat(amount);
    ds.Post();
  }
  ds.SetSort("f_Gysbm DESC");
  auto recordset = data::RecordsetFromDataset(ds);
  EXPECT_EQ(recordset->Fields(), (std::vector<data::RecordsetField>{
                                     {"f_Gysbm", data::adVarChar, 20}, {"f_Ssje", data::adDouble, 0}}));
  ASSERT_EQ(recordset->RowCount(), 3u);
  EXPECT_EQ(recordset->Rows()[0][0].ToText(), "03");
  EXPECT_EQ(recordset->Rows()[2][1].ToDouble(), 1.0);
}

}  // namespace

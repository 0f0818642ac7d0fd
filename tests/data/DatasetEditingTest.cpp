// Editing: Append/Insert/Edit/Post/Cancel/Delete, field conversions, texts cut to
// their width in ANSI bytes, the change log and bulk loading.
#include <gtest/gtest.h>

#include "data/Dataset.h"

namespace {

using data::Dataset;
using data::DatasetError;
using data::FieldType;
using data::RowStatus;

void Define(Dataset& ds) {
  ds.AddField("f_Gysmc", FieldType::String, 20);
  ds.AddField("f_Short", FieldType::String, 5);
  ds.AddField("f_Select", FieldType::Integer);
  ds.AddField("f_Ssje", FieldType::Float).SetDisplayFormat("0.00");
  ds.AddField("f_Ok", FieldType::Boolean);
  ds.AddField("f_Day", FieldType::Date);
  ds.AddField("f_Memo", FieldType::Memo);
  ds.AddField("f_Wide", FieldType::WideString, 4);
}

std::string Column(Dataset& ds, const char* field) {
  std::string values;
  for (ds.First(); !ds.Eof(); ds.Next()) values += (values.empty() ? "" : ",") + ds.FieldByName(field).AsString();
  return values;
}

TEST(Editing, TextsAreCutToTheirWidthInAnsiBytes) {
  Dataset ds;
  Define(ds);
  ds.CreateDataSet();
  ds.Append();
  // 11 Chinese characters are 22 bytes: 10 fit in 20.
  ds.FieldByName("f_Gysmc").SetAsString("一二三四五六七八九十百");
  // "ab" + 中 is 4 bytes; 文 would make 6: never half a character.
  ds.FieldByName("f_Short").SetAsString("ab中文");
  ds.FieldByName("f_Memo").SetAsString(std::string(1000, 'x'));
  ds.FieldByName("f_Wide").SetAsString("一二三四五");
  EXPECT_EQ(ds.FieldByName("f_Short").AsString(), "ab中");  // cut as it is written
  ds.Post();
  EXPECT_EQ(ds.FieldByName("f_Gysmc").AsString(), "一二三四五六七八九十");
  EXPECT_EQ(ds.FieldByName("f_Short").AsString(), "ab中");
  EXPECT_EQ(ds.FieldByName("f_Memo").AsString().size(), 1000u);
  EXPECT_EQ(ds.FieldByName("f_Wide").AsString(), "一二三四");
  ds.Edit();
  ds.FieldByName("f_Gysmc").SetAsString("A一二三四五六七八九十");  // 21 bytes
  ds.FieldByName("f_Short").SetAsString("abcdefg");
  ds.Post();
  EXPECT_EQ(ds.FieldByName("f_Gysmc").AsString(), "A一二三四五六七八九");
  EXPECT_EQ(ds.FieldByName("f_Short").AsString(), "abcde");
  EXPECT_EQ(ds.FieldByName("f_Gysmc").CutToWidth("12345678901234567890X"), "12345678901234567890");
}

TEST(Editing, ValuesAndConversions) {
  Dataset ds;
  Define(ds);
  ds.CreateDataSet();
  ds.Append();
  ds.FieldByName("f_Select").SetAsString("1");
  ds.FieldByName("f_Ssje").SetAsString(" 1234.5 ");
  ds.FieldByName("f_Ok").SetAsString("true");
  ds.FieldByName("f_Day").SetAsString("2005-01-31 10:00");
  ds.Post();
  EXPECT_EQ(ds.FieldByName("f_Select").AsInteger(), 1);
  EXPECT_EQ(ds.FieldByName("f_Select").AsString(), "1");
  EXPECT_EQ(ds.FieldByName("f_Ssje").AsString(), "1234.5");
  EXPECT_EQ(ds.FieldByName("f_Ssje").DisplayText(), "1234.50");
  EXPECT_TRUE(ds.FieldByName("f_Ok").AsBoolean());
  EXPECT_EQ(ds.FieldByName("f_Ok").AsString(), "True");
  EXPECT_EQ(ds.FieldByName("f_Day").AsString(), "2005-01-31");  // a date field keeps the day
  EXPECT_EQ(ds.FieldByName("f_Day").Value(), base::Variant(base::DateTime{38383}));
  EXPECT_EQ(ds.FieldByName("f_Ssje").Value(), base::Variant(1234.5));
  EXPECT_TRUE(ds.FieldByName("f_Gysmc").IsNull());
  EXPECT_TRUE(ds.FieldByName("f_Gysmc").Value().IsNull());
  ds.Edit();
  try {
    ds.FieldByName("f_Select").SetAsString("abc");
    ADD_FAILURE();
  } catch (const DatasetError& error) {
    EXPECT_STREQ(error.what(), "'abc' is not a valid integer value for field 'f_Select'");
  }
  EXPECT_THROW(ds.FieldByName("f_Select").SetAsString("1.5"), DatasetError);
  EXPECT_THROW(ds.FieldByName("f_Ok").SetAsString("maybe"), DatasetError);
  EXPECT_THROW(ds.FieldByName("f_Day").SetAsString("2005-02-30"), DatasetError);
  ds.FieldByName("f_Ssje").SetAsString("");  // a blank text clears a number
  ds.FieldByName("f_Select").SetValue(base::Variant(7.0));
  ds.Post();
  EXPECT_TRUE(ds.FieldByName("f_Ssje").IsNull());
  EXPECT_EQ(ds.FieldByName("f_Ssje").DisplayText(), "");
  EXPECT_EQ(ds.FieldByName("f_Select").AsInteger(), 7);
}

TEST(Editing, StateRules) {
  Dataset ds;
  Define(ds);
  ds.CreateDataSet();
  try {
    ds.FieldByName("f_Gysmc").SetAsString("x");
    ADD_FAILURE();
  } catch (const DatasetError& error) {
    EXPECT_STREQ(error.what(), "Dataset not in edit or insert mode (field 'f_Gysmc')");
  }
  EXPECT_THROW(ds.Post(), DatasetError);
  ds.FieldByName("f_Select").SetReadOnly(true);
  ds.Append();
  EXPECT_THROW(ds.FieldByName("f_Select").SetAsInteger(1), DatasetError);
  ds.Cancel();
  EXPECT_THROW(ds.AddField("late", FieldType::Integer), DatasetError);
  try {
    ds.FieldByName("f_nothing");
    ADD_FAILURE();
  } catch (const DatasetError& error) {
    EXPECT_STREQ(error.what(), "Field 'f_nothing' not found");
  }
  EXPECT_EQ(&ds.FieldByName("F_GYSMC"), &ds.Fields(0));  // names ignore case
  EXPECT_EQ(ds.FindField("none"), nullptr);
}

TEST(Editing, AppendInsertCancelDelete) {
  Dataset ds;
  Define(ds);
  ds.CreateDataSet();
  for (const char* name : {"a", "b", "c"}) {
    ds.Append();
    ds.FieldByName("f_Gysmc").SetAsString(name);
    ds.Post();
  }
  EXPECT_EQ(ds.RecordCount(), 3);
  EXPECT_EQ(ds.RecNo(), 3);
  ds.SetRecNo(2);
  ds.Insert();  // before the current record
  EXPECT_EQ(ds.State(), data::DataSetState::Insert);
  EXPECT_EQ(ds.RecNo(), 2);
  ds.FieldByName("f_Gysmc").SetAsString("x");
  ds.Post();
  EXPECT_EQ(Column(ds, "f_Gysmc"), "a,x,b,c");
  ds.Append();
  ds.FieldByName("f_Gysmc").SetAsString("never");
  ds.Cancel();
  EXPECT_EQ(ds.RecordCount(), 4);
  ds.First();
  ds.Edit();
  ds.FieldByName("f_Gysmc").SetAsString("changed");
  EXPECT_EQ(ds.FieldByName("f_Gysmc").AsString(), "changed");
  ds.Cancel();
  EXPECT_EQ(ds.FieldByName("f_Gysmc").AsString(), "a");
  // A move posts a pending edit.
  ds.Edit();
  ds.FieldByName("f_Gysmc").SetAsString("A");
  ds.Next();
  EXPECT_EQ(Column(ds, "f_Gysmc"), "A,x,b,c");
  // An appended record left untouched is dropped by a move.
  ds.Append();
  ds.First();
  EXPECT_EQ(ds.RecordCount(), 4);
  ds.SetRecNo(2);
  ds.Delete();
  EXPECT_EQ(ds.FieldByName("f_Gysmc").AsString(), "b");  // the next record is current
  ds.Last();
  ds.Delete();
  EXPECT_EQ(ds.FieldByName("f_Gysmc").AsString(), "b");
  EXPECT_TRUE(ds.Eof());
  EXPECT_EQ(Column(ds, "f_Gysmc"), "A,b");
}

TEST(Editing, DeleteWhileWalkingEndsAtEof) {
  Dataset ds;
  Define(ds);
  ds.CreateDataSet();
  for (int i = 0; i < 10; ++i) {
    ds.Append();
    ds.FieldByName("f_Select").SetAsInteger(i % 3 == 0 ? 1 : 0);
    ds.Post();
  }
  ds.First();
  while (!ds.Eof()) {
    if (ds.FieldByName("f_Select").AsInteger() == 0)
      ds.Delete();
    else
      ds.Next();
  }
  EXPECT_EQ(ds.RecordCount(), 4);
  EXPECT_EQ(Column(ds, "f_Select"), "1,1,1,1");
}

TEST(Editing, EditOnAnEmptyDatasetAppends) {
  Dataset ds;
  Define(ds);
  ds.CreateDataSet();
  ds.Edit();
  EXPECT_EQ(ds.State(), data::DataSetState::Insert);
  ds.FieldByName("f_Select").SetAsInteger(1);
  ds.Post();
  EXPECT_EQ(ds.RecordCount(), 1);
}

TEST(Editing, ChangeLog) {
  Dataset ds;
  Define(ds);
  ds.BeginLoad(2);
  for (int i = 0; i < 2; ++i) ds.Fields(2).SetIntegerAt(ds.AddRow(), i);
  ds.EndLoad();
  EXPECT_EQ(ds.StatusAt(0), RowStatus::Unmodified);
  ds.First();
  ds.Edit();
  ds.FieldByName("f_Select").SetAsInteger(5);
  ds.Post();
  ds.Append();
  ds.FieldByName("f_Select").SetAsInteger(6);
  ds.Post();
  EXPECT_EQ(ds.StatusAt(0), RowStatus::Modified);
  EXPECT_EQ(ds.StatusAt(2), RowStatus::Inserted);
  ds.Delete();  // the inserted row: gone without a trace
  ds.SetRecNo(2);
  ds.Delete();  // an original row: remembered
  EXPECT_EQ(ds.DeletedRows(), std::vector<std::uint32_t>{1});
  EXPECT_EQ(ds.AllRows(), std::vector<std::uint32_t>{0});
  ds.MergeChangeLog();
  EXPECT_EQ(ds.StatusAt(0), RowStatus::Unmodified);
  EXPECT_TRUE(ds.DeletedRows().empty());
  ds.EmptyDataSet();
  EXPECT_TRUE(ds.IsEmpty());
  EXPECT_TRUE(ds.Active());
}

TEST(Editing, BulkLoad) {
  Dataset ds;
  Define(ds);
  ds.BeginLoad(3, 100);
  for (int i = 0; i < 3; ++i) {
    const std::uint32_t row = ds.AddRow();
    ds.Fields(0).SetTextAt(row, "供应商" + std::to_string(i));
    ds.Fields(1).SetTextAt(row, "longer than five");
    ds.Fields(3).SetFloatAt(row, i + 0.5);
    ds.Fields(5).SetValueAt(row, base::Variant("2005-01-0" + std::to_string(i + 1)));
  }
  EXPECT_THROW(ds.First(), DatasetError);  // not open until EndLoad
  ds.EndLoad();
  EXPECT_TRUE(ds.Active());
  EXPECT_EQ(ds.RecNo(), 1);
  EXPECT_EQ(Column(ds, "f_Gysmc"), "供应商0,供应商1,供应商2");
  EXPECT_EQ(Column(ds, "f_Short"), "longe,longe,longe");
  EXPECT_EQ(Column(ds, "f_Day"), "2005-01-01,2005-01-02,2005-01-03");
  EXPECT_TRUE(ds.Fields(2).IsNullAt(0));
  EXPECT_EQ(ds.Fields(3).DisplayTextAt(2), "2.50");
  EXPECT_THROW(ds.AddRow(), DatasetError);
  ds.Close();
  EXPECT_FALSE(ds.Active());
  ds.Open();
  EXPECT_TRUE(ds.IsEmpty());  // closing discards the rows
}

TEST(Editing, FieldProperties) {
  Dataset ds;
  Define(ds);
  data::Field& field = ds.FieldByName("f_Ssje");
  EXPECT_EQ(field.DisplayLabel(), "f_Ssje");
  field.SetDisplayLabel("实收金额");
  EXPECT_EQ(field.DisplayLabel(), "实收金额");
  EXPECT_EQ(field.Index(), 3);
  EXPECT_TRUE(field.Visible());
  field.SetTag(2);
  EXPECT_EQ(field.Tag(), 2);
  EXPECT_EQ(ds.FieldByName("f_Gysmc").Size(), 20);
  EXPECT_EQ(field.Size(), 0);
  EXPECT_EQ(field.DataType(), FieldType::Float);
  EXPECT_THROW(ds.AddField("F_SSJE", FieldType::Integer), DatasetError);
}

}  // namespace

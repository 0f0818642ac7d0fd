// Packets in and out of datasets, as a client dataset's Data property moves them.
#include <gtest/gtest.h>

#include "data/packet/PacketCodec.h"
#include "data/packet/PacketDataset.h"

namespace {

using base::Variant;
using data::Dataset;
using data::FieldType;
using data::Packet;
using data::PacketField;

// A client dataset with one field of every type and three records, the second one
// all null.
class DatasetPackets : public ::testing::Test {
 protected:
  void SetUp() override {
    ds_.AddField("f_djh", FieldType::String, 12);
    ds_.AddField("f_gysmc", FieldType::WideString, 10);
    ds_.AddField("f_bz", FieldType::Memo);
    ds_.AddField("f_dnxh", FieldType::Integer);
    ds_.AddField("f_ssje", FieldType::Float);
    ds_.AddField("f_select", FieldType::Boolean);
    ds_.AddField("f_zdrq", FieldType::Date);
    ds_.AddField("f_sj", FieldType::DateTime);
    ds_.CreateDataSet();
    Append({Variant("200905220001"), Variant("联华超市"), Variant(std::string(3000, 'm')),
            Variant(7), Variant(1234.56), Variant(true), Variant(base::DateTime{39955}),
            Variant(base::DateTime{39955.75})});
    Append(std::vector<Variant>(8, Variant(base::Null{})));
    Append({Variant("审批表审批表审"), Variant(""), Variant(""), Variant(-1), Variant(0.1),
            Variant(false), Variant(base::DateTime{2}), Variant(base::DateTime{-1.25})});
  }

  void Append(const std::vector<Variant>& values) {
    ds_.Append();
    for (int i = 0; i < ds_.FieldCount(); ++i)
      ds_.Fields(i).SetValue(values[static_cast<std::size_t>(i)]);
    ds_.Post();
  }

  Dataset ds_;
};

TEST_F(DatasetPackets, TypesWidthsAndValuesSurviveTheTripThroughBytes) {
  const Variant bytes = data::DataOf(ds_);
  const Packet packet = data::PacketFromVariant(bytes);
  EXPECT_EQ(packet.Fields()[0].typeWord, 0x00490001u);
  EXPECT_EQ(packet.Fields()[0].Width(), 12);
  EXPECT_EQ(packet.Fields()[1].Width(), 20);             // UTF-16 widths count bytes
  EXPECT_EQ(packet.Row(2)[0].ToText(), "审批表审批表");  // cut to 12 bytes when posted

  Dataset copy;
  data::SetData(copy, bytes);
  ASSERT_EQ(copy.FieldCount(), ds_.FieldCount());
  for (int i = 0; i < ds_.FieldCount(); ++i) {
    EXPECT_EQ(copy.Fields(i).FieldName(), ds_.Fields(i).FieldName());
    EXPECT_EQ(copy.Fields(i).DataType(), ds_.Fields(i).DataType()) << i;
    EXPECT_EQ(copy.Fields(i).Size(), ds_.Fields(i).Size()) << i;
  }
  ASSERT_EQ(copy.RecordCount(), 3);
  for (std::uint32_t row = 0; row < 3; ++row)
    for (int i = 0; i < ds_.FieldCount(); ++i)
      EXPECT_TRUE(copy.Fields(i).ValueAt(row) == ds_.Fields(i).ValueAt(row))
          << "row " << row << " field " << ds_.Fields(i).FieldName();
  EXPECT_EQ(data::DataOf(copy).Bytes(), bytes.Bytes());
}

TEST_F(DatasetPackets, EveryLiveRecordInNaturalOrderWhateverTheFilterAndIndex) {
  ds_.SetIndexFieldNames("f_dnxh");
  ds_.SetFilter("f_dnxh = 7");
  ds_.SetFiltered(true);
  ds_.First();
  ds_.Delete();
  const Packet packet = data::PacketFromDataset(ds_);
  ASSERT_EQ(packet.RowCount(), 2u);
  EXPECT_TRUE(packet.Row(0)[3].IsNull());
  EXPECT_TRUE(packet.Row(1)[3] == Variant(-1));
  EXPECT_EQ(packet.RowStatus(0), Packet::kUnmodified);
}

TEST_F(DatasetPackets, KeptFieldsAreBoundByNameAndKeepTheirDisplayProperties) {
  Dataset list;
  list.AddField("F_SSJE", FieldType::Float).SetDisplayLabel("金额");
  list.AddField("f_DJH", FieldType::String, 20).SetDisplayFormat("");
  list.CreateDataSet();
  data::SetData(list, data::DataOf(ds_), data::PacketFields::Keep);
  ASSERT_EQ(list.FieldCount(), 2);
  EXPECT_EQ(list.Fields(0).DisplayLabel(), "金额");
  ASSERT_EQ(list.RecordCount(), 3);
  list.First();
  EXPECT_EQ(list.Fields(0).AsFloat(), 1234.56);
  EXPECT_EQ(list.Fields(1).AsString(), "200905220001");
}

TEST_F(DatasetPackets, AKeptFieldMissingFromThePacketChangesNothing) {
  Dataset list;
  list.AddField("f_djh", FieldType::String, 20);
  list.AddField("f_missing", FieldType::Integer);
  list.CreateDataSet();
  list.Append();
  list.Fields(0).SetAsString("kept");
  list.Post();
  try {
    data::SetData(list, data::DataOf(ds_), data::PacketFields::Keep);
    FAIL();
  } catch (const data::DatasetError& e) {
    EXPECT_STREQ(e.what(), "Field 'f_missing' not found");
  }
  ASSERT_EQ(list.RecordCount(), 1);
  EXPECT_EQ(list.Fields(0).AsString(), "kept");
}

TEST(PacketDataset, ReplacingTakesTheNewPacketsFields) {
  Dataset work;
  Packet operatorRecord({PacketField::Text("f_zymc", 20)});
  operatorRecord.AddRow()[0] = Variant("张三");
  data::LoadPacket(operatorRecord, work);
  Packet parameters({PacketField::Text("f_Csmc", 20), PacketField::Text("f_csz", 255)});
  auto row = parameters.AddRow();
  row[0] = Variant("dqny");
  row[1] = Variant("200905");
  data::LoadPacket(parameters, work);
  ASSERT_EQ(work.FieldCount(), 2);
  EXPECT_EQ(work.FieldByName("f_csz").AsString(), "200905");
  EXPECT_EQ(work.FieldByName("f_csz").Size(), 255);
}

TEST(PacketDataset, OnlyTheVisibleVersionOfEachRecordIsLoaded) {
  Packet delta({PacketField::Integer("id")});
  delta.AddRow(Packet::kUnmodified)[0] = Variant(1);
  delta.AddRow(Packet::kOriginal)[0] = Variant(2);  // before the change
  delta.AddRow(Packet::kModified)[0] = Variant(20);
  delta.AddRow(Packet::kDeleted)[0] = Variant(3);
  delta.AddRow(Packet::kInserted)[0] = Variant(4);
  Dataset ds;
  data::LoadPacket(delta, ds);
  std::vector<int> ids;
  for (ds.First(); !ds.Eof(); ds.Next()) ids.push_back(ds.Fields(0).AsInteger());
  EXPECT_EQ(ids, (std::vector<int>{1, 20, 4}));
}

TEST(PacketDataset, PacketFieldTypesMapToDatasetTypes) {
  namespace tw = data::type_word;
  struct Case {
    PacketField field;
    FieldType type;
    int size;
  } cases[] = {
      {PacketField::Text("t", 30), FieldType::String, 30},
      {PacketField{"t", tw::Make(data::PacketType::AnsiText, 1, tw::kVarying), 0, {}},
       FieldType::String, 255},
      {PacketField::WideText("w", 15), FieldType::WideString, 15},
      {PacketField::Memo("m"), FieldType::Memo, 0},
      {PacketField::WideMemo("m"), FieldType::Memo, 0},
      {PacketField::SmallInt("i"), FieldType::Integer, 0},
      {PacketField::LargeInt("i"), FieldType::Float, 0},
      {PacketField::Boolean("b"), FieldType::Boolean, 0},
      {PacketField::Float("f"), FieldType::Float, 0},
      {PacketField::Date("d"), FieldType::Date, 0},
      {PacketField::Time("t"), FieldType::DateTime, 0},
      {PacketField::DateTime("t"), FieldType::DateTime, 0},
  };
  for (const Case& c : cases) {
    Dataset ds;
    data::LoadPacket(Packet({c.field}), ds);
    EXPECT_EQ(ds.Fields(0).DataType(), c.type) << c.field.typeWord;
    EXPECT_EQ(ds.Fields(0).Size(), c.size) << c.field.typeWord;
  }
  Dataset ds;
  EXPECT_THROW(data::LoadPacket(Packet({PacketField::Blob("b")}), ds), data::PacketError);
}

}  // namespace

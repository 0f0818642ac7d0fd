// Data packet figures: reading and writing a packet of 100,000 records of twenty
// fields (MB/s of packet bytes), and moving it into and out of a dataset. The
// 10,000-record runs show the same work without the cost of fresh memory pages.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "data/packet/PacketCodec.h"
#include "data/packet/PacketDataset.h"

namespace {

using base::Variant;
using data::Packet;
using data::PacketField;

// The shape of a host query result: eleven texts (codes, dates as text, Chinese
// names and remarks), six amounts, two integers and a date-time.
Packet MakePacket(int rows) {
  Packet packet({PacketField::Text("f_Djh", 20),   PacketField::Text("f_Gysbm", 20),
                 PacketField::Text("f_Gysmc", 60), PacketField::Text("f_Tdbm", 20),
                 PacketField::Text("f_Tdmc", 40),  PacketField::Text("f_Zdrq", 20),
                 PacketField::Text("f_Qsrq", 20),  PacketField::Text("f_Jsrq", 20),
                 PacketField::Text("f_Zdrmc", 20), PacketField::Text("f_Hsdwh", 12),
                 PacketField::Text("f_Bz", 255),   PacketField::Float("f_Ysje"),
                 PacketField::Float("f_Zkl"),      PacketField::Float("f_Ssje"),
                 PacketField::Float("f_Yfye"),     PacketField::Float("f_Spje"),
                 PacketField::Float("f_Fkje"),     PacketField::Integer("f_Dnxh"),
                 PacketField::Integer("f_Select"), PacketField::DateTime("f_Sj")});
  packet.Reserve(rows);
  for (int i = 0; i < rows; ++i) {
    const std::string n = std::to_string(100000 + i);
    auto row = packet.AddRow();
    row[0] = Variant("20090522" + n.substr(2));
    row[1] = Variant("S" + std::to_string(i % 5000));
    row[2] = Variant("上海联华超市有限公司" + std::to_string(i % 5000));
    row[3] = Variant("T" + std::to_string(i % 50));
    row[4] = Variant("通道" + std::to_string(i % 50));
    row[5] = Variant("20090522");
    row[6] = Variant("20090501");
    row[7] = Variant("20090531");
    row[8] = Variant("张三");
    row[9] = Variant("001");
    if (i % 3 == 0) row[10] = Variant("付款方式：银行转账，请在月底前结清 " + n);
    row[11] = Variant(1500.0 + i);
    row[12] = Variant(100.0);
    row[13] = Variant(1234.56 + i);
    row[14] = Variant(-320.5);
    row[15] = Variant(0.1 * i);
    row[16] = Variant(98765.4);
    row[17] = Variant(i % 40);
    row[18] = Variant(0);
    row[19] = Variant(base::DateTime{39955.5 + i % 365});
  }
  return packet;
}

// The sample packet of `rows` records, built once per size.
const Packet& SamplePacket(int rows) {
  static std::map<int, Packet> packets;
  auto it = packets.find(rows);
  if (it == packets.end()) it = packets.emplace(rows, MakePacket(rows)).first;
  return it->second;
}

const std::vector<std::uint8_t>& SampleBytes(int rows) {
  static std::map<int, std::vector<std::uint8_t>> bytes;
  auto it = bytes.find(rows);
  if (it == bytes.end()) it = bytes.emplace(rows, data::EncodePacket(SamplePacket(rows))).first;
  return it->second;
}

void BM_DecodePacket(benchmark::State& state) {
  const std::vector<std::uint8_t>& bytes = SampleBytes(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(data::DecodePacket(bytes));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
  state.counters["packet_MB"] = static_cast<double>(bytes.size()) / 1e6;
}
BENCHMARK(BM_DecodePacket)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_EncodePacket(benchmark::State& state) {
  const Packet& packet = SamplePacket(static_cast<int>(state.range(0)));
  std::size_t size = 0;
  for (auto _ : state) {
    const std::vector<std::uint8_t> bytes = data::EncodePacket(packet);
    size = bytes.size();
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
}
BENCHMARK(BM_EncodePacket)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// cds.Data := packet: reading the bytes and filling a dataset.
void BM_SetDataIntoDataset(benchmark::State& state) {
  const Variant bytes(SampleBytes(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    data::Dataset ds;
    data::SetData(ds, bytes);
    benchmark::DoNotOptimize(ds.RecordCount());
  }
  state.SetBytesProcessed(
      state.iterations() *
      static_cast<std::int64_t>(SampleBytes(static_cast<int>(state.range(0))).size()));
}
BENCHMARK(BM_SetDataIntoDataset)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// cds.Data: a dataset's rows written as a packet.
void BM_DataOfDataset(benchmark::State& state) {
  data::Dataset ds;
  data::SetData(ds, Variant(SampleBytes(static_cast<int>(state.range(0)))));
  for (auto _ : state) benchmark::DoNotOptimize(data::DataOf(ds));
  state.SetBytesProcessed(
      state.iterations() *
      static_cast<std::int64_t>(SampleBytes(static_cast<int>(state.range(0))).size()));
}
BENCHMARK(BM_DataOfDataset)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

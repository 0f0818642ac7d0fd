// Writes seed packets for the packet fuzzer into a folder (fuzz/corpus/packet):
// the hand-built samples and a packet of every field type the writer knows.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "data/packet/PacketCodec.h"
#include "packet/PacketSamples.h"

namespace {

using base::Variant;
using data::Packet;
using data::PacketField;

void Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

Packet EveryType() {
  Packet packet({PacketField::Text("t", 20), PacketField::WideText("w", 10),
                 PacketField::SmallInt("s"), PacketField::Integer("i"), PacketField::LargeInt("l"),
                 PacketField::Boolean("b"), PacketField::Float("f"), PacketField::Date("d"),
                 PacketField::Time("tm"), PacketField::DateTime("dt"), PacketField::Memo("m"),
                 PacketField::WideMemo("wm"), PacketField::Blob("bl"), PacketField::Bytes("by", 3),
                 PacketField::VarBytes("vb", 8)});
  packet.Properties().push_back(data::PacketProperty::UInt16("LCID", 2052));
  auto row = packet.AddRow();
  const Variant values[] = {Variant("审批表"),
                            Variant("宋体"),
                            Variant(-2),
                            Variant(7),
                            Variant(-5000000000.0),
                            Variant(true),
                            Variant(0.1),
                            Variant(base::DateTime{39955}),
                            Variant(base::DateTime{0.5}),
                            Variant(base::DateTime{39955.25}),
                            Variant("备注"),
                            Variant("宽"),
                            Variant(std::vector<std::uint8_t>{0, 1}),
                            Variant(std::vector<std::uint8_t>{1, 2, 3}),
                            Variant(std::vector<std::uint8_t>{9})};
  for (std::size_t i = 0; i < row.size(); ++i) row[i] = values[i];
  packet.AddRow(Packet::kModified)[3] = Variant();  // nulls and a "not changed" value
  return packet;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: packet_seeds FOLDER\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  Write(folder + "small", packet_samples::SmallPacket());
  Write(folder + "rich", packet_samples::RichPacket());
  Write(folder + "every-type", data::EncodePacket(EveryType()));
  Write(folder + "no-fields", data::EncodePacket(Packet()));
  return 0;
}

#pragma once
// Constants of the packet's header and records, shared by the reader and the writer.
#include <cstddef>
#include <cstdint>

namespace data::format {

constexpr std::uint32_t kMagic = 0xBDE01996;
constexpr std::uint32_t kOldMagic = 0x0000ABCD;  // accepted when reading
constexpr std::size_t kHeaderSize = 24;
constexpr std::uint16_t kMaxVersion = 3;
// Header flags.
constexpr std::uint32_t kHasMetadata = 0x0001;
constexpr std::uint32_t kHasRecordOffset = 0x0002;  // the last header word is valid
constexpr std::uint32_t kXmlRecords = 0x8000;
// The two null bits each field has in a record's bitmap.
constexpr unsigned kBlankNull = 1;
constexpr unsigned kBlankNotChanged = 2;
// Top bit of a BLOB length: the value was not fetched and no bytes follow.
constexpr std::uint32_t kDelayedBlob = 0x80000000;

}  // namespace data::format

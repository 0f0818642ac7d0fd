#include "host/ShareData.h"

#include <algorithm>

#include "base/Text.h"

namespace host {
namespace {

using Key = std::uint32_t;

// Holds the block's named lock for one access.
class LockGuard {
 public:
  explicit LockGuard(SharedBlock& block) : block_(block) { block_.Lock(); }
  ~LockGuard() { block_.Unlock(); }
  LockGuard(const LockGuard&) = delete;
  LockGuard& operator=(const LockGuard&) = delete;

 private:
  SharedBlock& block_;
};

// Window handles are 32-bit values on every Windows, also in 64-bit processes.
Key KeyOf(ui::WindowHandle window) { return static_cast<Key>(window); }

Key LoadKey(const unsigned char* data, int slot) {
  const unsigned char* p = data + 4 * slot;
  return Key{p[0]} | Key{p[1]} << 8 | Key{p[2]} << 16 | Key{p[3]} << 24;
}

void StoreKey(unsigned char* data, int slot, Key key) {
  unsigned char* p = data + 4 * slot;
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(key >> (8 * i));
}

unsigned char* TextRecord(unsigned char* data, int slot) {
  return data + ShareData::kTextsOffset + ShareData::kTextRecord * slot;
}

// The slot whose key is `key`, first match, or -1.
int FindSlot(const unsigned char* data, Key key) {
  for (int slot = 0; slot < ShareData::kSlots; ++slot)
    if (LoadKey(data, slot) == key) return slot;
  return -1;
}

std::string LoadText(unsigned char* data, int slot) {
  const unsigned char* record = TextRecord(data, slot);
  // Another module may have left a length beyond the record: read no further than it.
  const std::size_t length = std::min<std::size_t>(record[0], ShareData::kMaxText);
  return std::string(reinterpret_cast<const char*>(record + 1), length);
}

void StoreText(unsigned char* data, int slot, const std::string& ansi) {
  unsigned char* record = TextRecord(data, slot);
  const std::string cut = base::CutAnsiBytes(ansi, ShareData::kMaxText);
  std::fill(record, record + ShareData::kTextRecord, 0);
  record[0] = static_cast<unsigned char>(cut.size());
  std::copy(cut.begin(), cut.end(), record + 1);
}

// "code name": the code is what stands before the first blank, the name what follows
// it; a text without a blank is all name.
SlotUnit SplitUnit(const std::string& text) {
  const std::size_t blank = text.find(' ');
  if (blank == std::string::npos) return {"", text};
  return {text.substr(0, blank), text.substr(blank + 1)};
}

}  // namespace

ShareData::ShareData(std::string name) : name_(std::move(name)) {}

unsigned char* ShareData::OpenShareData() {
  if (block_ == nullptr) block_ = OpenSharedBlock(name_, kSize);
  return block_->Data();
}

SlotUnit ShareData::ReadSlotUnit(ui::WindowHandle window) {
  const Key key = KeyOf(window);
  if (key == 0) return {};
  unsigned char* data = OpenShareData();
  LockGuard lock(*block_);
  int slot = FindSlot(data, key);
  if (slot < 0) {
    slot = FindSlot(data, 0);
    if (slot < 0) return {};  // every slot belongs to another window
    StoreKey(data, slot, key);
    StoreText(data, slot, {});
  }
  return SplitUnit(base::AnsiToUtf8(LoadText(data, slot)));
}

void ShareData::WriteSlotUnit(ui::WindowHandle window, const std::string& code,
                              const std::string& name) {
  const Key key = KeyOf(window);
  if (key == 0) return;
  unsigned char* data = OpenShareData();
  {
    LockGuard lock(*block_);
    const int slot = FindSlot(data, key);
    if (slot < 0) return;  // a write never claims a slot
    StoreText(data, slot, base::Utf8ToAnsi(code + " " + name));
    if (base::Trim(code).empty()) StoreKey(data, slot, 0);
  }
  ReleaseShareData();
}

void ShareData::ReleaseShareData() {
  if (block_ == nullptr) return;
  {
    LockGuard lock(*block_);
    for (int slot = 0; slot < kSlots; ++slot)
      if (LoadKey(block_->Data(), slot) != 0) return;
  }
  block_.reset();
}

ShareData& ProcessShareData() {
  static ShareData shareData;
  return shareData;
}

}  // namespace host

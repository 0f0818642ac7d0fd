#pragma once
// ShareData: the accounting unit chosen in each host window, kept in the shared block
// "ShareData" so that every screen (of any module or process) opened in the same host
// window finds it again. Layout, 1052 bytes, little-endian:
//   0..39     ten 32-bit slot keys: the owning window's handle, 0 when free;
//   40..1049  ten 101-byte slot texts: a length byte (0-100), then that many
//             code page 936 bytes, "code name";
//   1050..1051 reserved, zero.
//
// Unlike the block's other users, this one maps the block once per process and keeps
// it (until a release finds no slot in use), and takes the block's named lock around
// every access, so that two processes never claim the same free slot and a reader
// never sees half a text. Claiming a free slot clears the text a former owner left
// there, so a new window never inherits another window's unit. Window handle 0 owns
// no slot.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "host/SharedBlock.h"
#include "ui/WindowHandle.h"

namespace host {

// An accounting unit as a slot holds it.
struct SlotUnit {
  std::string code;
  std::string name;
  friend bool operator==(const SlotUnit&, const SlotUnit&) = default;
};

class ShareData {
 public:
  static constexpr std::size_t kSize = 1052;
  static constexpr int kSlots = 10;
  static constexpr std::size_t kTextsOffset = 40;
  static constexpr std::size_t kTextRecord = 101;
  static constexpr std::size_t kMaxText = 100;

  // The block with this name ("ShareData" in production); nothing is mapped yet.
  explicit ShareData(std::string name = "ShareData");

  // Maps the block (once, kept until a release) and returns its first byte; throws
  // std::system_error when the system refuses.
  unsigned char* OpenShareData();
  // The unit stored for `window`; claims the first free slot when it holds none (both
  // texts empty then, and also when all slots belong to other windows).
  SlotUnit ReadSlotUnit(ui::WindowHandle window);
  // Stores code + " " + name in the window's slot, cut to 100 bytes; a blank code
  // frees the slot. A window without a slot stores nothing.
  void WriteSlotUnit(ui::WindowHandle window, const std::string& code, const std::string& name);
  // Unmaps the block when no slot is in use.
  void ReleaseShareData();
  // Whether the block is mapped now.
  bool IsOpen() const { return block_ != nullptr; }

 private:
  std::string name_;
  std::unique_ptr<SharedBlock> block_;
};

// The process's block "ShareData", shared by every screen of the library.
ShareData& ProcessShareData();

}  // namespace host

#include "host/ShareData.h"

#include <dirent.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "base/Text.h"

namespace {

using host::ShareData;
using host::SlotUnit;

// Each test has a block of its own, removed afterwards; `raw` is a second mapping of
// it, as another process sees it.
class ShareDataTest : public testing::Test {
 protected:
  ShareDataTest()
      : name_("FeeShareDataTest" + std::to_string(getpid()) + "_" + std::to_string(++count_)),
        raw_(host::OpenSharedBlock(name_, ShareData::kSize)) {}
  ~ShareDataTest() override { host::RemoveSharedBlock(name_); }

  unsigned char* Raw() { return raw_->Data(); }
  std::uint32_t Key(int slot) {
    std::uint32_t key = 0;
    for (int i = 3; i >= 0; --i) key = key << 8 | Raw()[4 * slot + i];
    return key;
  }
  std::string SlotText(int slot) {
    const unsigned char* record = Raw() + 40 + 101 * slot;
    return base::AnsiToUtf8(std::string(reinterpret_cast<const char*>(record + 1), record[0]));
  }
  void SetSlot(int slot, std::uint32_t key, const std::string& ansi) {
    for (int i = 0; i < 4; ++i) Raw()[4 * slot + i] = static_cast<unsigned char>(key >> (8 * i));
    unsigned char* record = Raw() + 40 + 101 * slot;
    record[0] = static_cast<unsigned char>(ansi.size());
    std::memcpy(record + 1, ansi.data(), std::min<std::size_t>(ansi.size(), 100));
  }

  static inline int count_ = 0;
  std::string name_;
  std::unique_ptr<host::SharedBlock> raw_;
};

TEST_F(ShareDataTest, KeysAndTextsSitAtTheirOffsets) {
  ShareData slots(name_);
  for (int window = 1; window <= 3; ++window) slots.ReadSlotUnit(0x10000 * window + 0x2A);
  slots.WriteSlotUnit(0x3002A, "003", "分部");
  slots.WriteSlotUnit(0x1002A, "001", "总部核算单位");
  const unsigned char firstKey[] = {0x2A, 0x00, 0x01, 0x00};
  EXPECT_EQ(std::memcmp(Raw(), firstKey, 4), 0);
  EXPECT_EQ(Key(1), 0x2002Au);
  EXPECT_EQ(Key(2), 0x3002Au);
  EXPECT_EQ(Key(3), 0u);
  const std::string first = base::Utf8ToAnsi("001 总部核算单位");
  EXPECT_EQ(Raw()[40], first.size());
  EXPECT_EQ(std::string(reinterpret_cast<char*>(Raw() + 41), first.size()), first);
  EXPECT_EQ(Raw()[40 + 101], 0);  // claimed, nothing written
  EXPECT_EQ(SlotText(2), "003 分部");
  EXPECT_EQ(Raw()[1050], 0);
  EXPECT_EQ(Raw()[1051], 0);
}

TEST_F(ShareDataTest, AScreenInTheSameWindowReadsTheUnitBackWithoutAsking) {
  ShareData first(name_);
  EXPECT_EQ(first.ReadSlotUnit(0x500), SlotUnit{});
  first.WriteSlotUnit(0x500, "001", "总部核算单位");
  ShareData second(name_);  // another module or process
  EXPECT_EQ(second.ReadSlotUnit(0x500), (SlotUnit{"001", "总部核算单位"}));
  EXPECT_EQ(second.ReadSlotUnit(0x600), SlotUnit{});  // another window: its own slot
  EXPECT_EQ(Key(0), 0x500u);
  EXPECT_EQ(Key(1), 0x600u);
}

struct SplitCase {
  const char* stored;
  SlotUnit expected;
};

class ShareDataSplitTest : public ShareDataTest, public testing::WithParamInterface<SplitCase> {};

TEST_P(ShareDataSplitTest, TheCodeStandsBeforeTheFirstBlank) {
  SetSlot(0, 0x700, base::Utf8ToAnsi(GetParam().stored));
  EXPECT_EQ(ShareData(name_).ReadSlotUnit(0x700), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShareDataSplitTest,
                         testing::Values(SplitCase{"001 总部 核算", {"001", "总部 核算"}},
                                         SplitCase{"总部核算单位", {"", "总部核算单位"}},
                                         SplitCase{" 总部", {"", "总部"}},
                                         SplitCase{"001 ", {"001", ""}},
                                         SplitCase{"", {"", ""}}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(ShareDataTest, TextsAreCutAt100BytesWithoutSplittingACharacter) {
  ShareData slots(name_);
  slots.ReadSlotUnit(0x800);
  slots.WriteSlotUnit(0x800, "001", std::string(146, 'x'));  // 150 bytes
  EXPECT_EQ(slots.ReadSlotUnit(0x800), (SlotUnit{"001", std::string(96, 'x')}));
  std::string chinese;
  for (int i = 0; i < 60; ++i) chinese += "单";
  slots.WriteSlotUnit(0x800, "01", chinese);  // "01 " then 97 bytes: 48 characters fit
  EXPECT_EQ(Raw()[40], 99);
  EXPECT_EQ(slots.ReadSlotUnit(0x800).name, chinese.substr(0, 48 * 3));
}

TEST_F(ShareDataTest, ALengthBeyondTheRecordIsReadAsTheRecordOnly) {
  SetSlot(0, 0x900, "001 " + std::string(96, 'y'));
  Raw()[40] = 0xFF;
  std::memcpy(Raw() + 141, "\x2A\x2A", 2);  // the next record
  EXPECT_EQ(ShareData(name_).ReadSlotUnit(0x900), (SlotUnit{"001", std::string(96, 'y')}));
}

TEST_F(ShareDataTest, AFullTableClaimsNothingAndStoresNothing) {
  ShareData slots(name_);
  for (int window = 1; window <= 10; ++window) {
    slots.ReadSlotUnit(window);
    slots.WriteSlotUnit(window, "00" + std::to_string(window % 10), "单位");
  }
  const std::vector<unsigned char> before(Raw(), Raw() + ShareData::kSize);
  EXPECT_EQ(slots.ReadSlotUnit(11), SlotUnit{});
  slots.WriteSlotUnit(11, "011", "第十一");
  EXPECT_EQ(std::vector<unsigned char>(Raw(), Raw() + ShareData::kSize), before);
  EXPECT_EQ(slots.ReadSlotUnit(10), (SlotUnit{"000", "单位"}));
}

TEST_F(ShareDataTest, AWriteForAWindowWithoutASlotChangesNothing) {
  ShareData slots(name_);
  slots.ReadSlotUnit(0x100);
  const std::vector<unsigned char> before(Raw(), Raw() + ShareData::kSize);
  slots.WriteSlotUnit(0x200, "002", "别处");
  slots.WriteSlotUnit(0, "003", "无窗口");
  EXPECT_EQ(slots.ReadSlotUnit(0), SlotUnit{});  // window 0 claims nothing
  EXPECT_EQ(std::vector<unsigned char>(Raw(), Raw() + ShareData::kSize), before);
}

TEST_F(ShareDataTest, ABlankCodeFreesTheSlotAndTheLastFreeReleasesTheBlock) {
  ShareData slots(name_);
  slots.ReadSlotUnit(0x100);
  slots.ReadSlotUnit(0x200);
  slots.WriteSlotUnit(0x100, "  ", "总部");
  EXPECT_EQ(Key(0), 0u);
  EXPECT_EQ(SlotText(0), "   总部");  // the text stays
  EXPECT_TRUE(slots.IsOpen());        // 0x200 still holds a slot
  slots.WriteSlotUnit(0x200, "", "");
  EXPECT_FALSE(slots.IsOpen());
  EXPECT_EQ(Key(1), 0u);
}

TEST_F(ShareDataTest, ANewOwnerNeverInheritsTheFormerOwnersUnit) {
  ShareData slots(name_);
  slots.ReadSlotUnit(0x100);
  slots.WriteSlotUnit(0x100, "001", "总部");
  SetSlot(0, 0, base::Utf8ToAnsi("001 总部"));  // freed by another module, text left
  EXPECT_EQ(slots.ReadSlotUnit(0x300), SlotUnit{});
  EXPECT_EQ(Key(0), 0x300u);
  EXPECT_EQ(Raw()[40], 0);
}

int OpenDescriptors() {
  int count = 0;
  if (DIR* dir = opendir("/proc/self/fd")) {
    while (readdir(dir) != nullptr) ++count;
    closedir(dir);
  }
  return count;
}

TEST_F(ShareDataTest, TheBlockIsMappedOncePerProcess) {
  ShareData slots(name_);
  unsigned char* view = slots.OpenShareData();
  const int descriptors = OpenDescriptors();
  for (int i = 0; i < 1000; ++i) {
    slots.ReadSlotUnit(0x100);
    slots.WriteSlotUnit(0x100, "001", "总部");
    EXPECT_EQ(slots.OpenShareData(), view);
  }
  EXPECT_EQ(OpenDescriptors(), descriptors);
}

TEST_F(ShareDataTest, AClaimWaitsWhileAnotherProcessHoldsTheLock) {
  raw_->Lock();  // another process is between finding slot 1 free and claiming it
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    ShareData slots(name_);
    slots.OpenShareData();
    (void)!write(ready[1], "r", 1);
    _exit(slots.ReadSlotUnit(0x900) == SlotUnit{} ? 0 : 1);
  }
  char byte;
  ASSERT_EQ(read(ready[0], &byte, 1), 1);
  usleep(100 * 1000);  // room for the claim to go wrong, were it not waiting
  SetSlot(0, 0x800, "");
  raw_->Unlock();
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(Key(0), 0x800u);
  EXPECT_EQ(Key(1), 0x900u);
  close(ready[0]);
  close(ready[1]);
}

// One process's work: each of its windows in turn claims a slot, stores a unit of its
// own, reads it back and frees the slot again. Returns 0 when every read was right.
int ClaimAndWrite(const std::string& blockName, int process, int windows, int rounds) {
  ShareData slots(blockName);
  for (int round = 0; round < rounds; ++round) {
    for (int w = 0; w < windows; ++w) {
      const ui::WindowHandle window = 0x10000 * (process + 1) + w + 1;
      if (slots.ReadSlotUnit(window) != SlotUnit{}) return 1;  // a stale or foreign text
      const std::string code = std::to_string(window);
      const std::string name = std::string(40 + (round + w) % 40, static_cast<char>('a' + w)) +
                               "单位" + std::to_string(round);
      slots.WriteSlotUnit(window, code, name);
      const SlotUnit back = slots.ReadSlotUnit(window);
      if (back.code != code || back.name != base::CutToAnsiBytes(name, 99 - code.size()))
        return 2;  // another window wrote into this one's slot, or the text tore
      slots.WriteSlotUnit(window, " ", "");
    }
  }
  return 0;
}

TEST_F(ShareDataTest, ProcessesClaimingAtOnceNeverShareASlotOrTearAText) {
  constexpr int kProcesses = 5;
  constexpr int kWindowsEach = 2;  // ten windows in all: the table can be full, never short
  constexpr int kRounds = 3000;
  // The children wait at a closed pipe until all of them are there, then start at once.
  int start[2];
  ASSERT_EQ(pipe(start), 0);
  std::vector<pid_t> children;
  for (int p = 0; p < kProcesses; ++p) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      close(start[1]);
      char byte;
      while (read(start[0], &byte, 1) < 0) {}
      _exit(ClaimAndWrite(name_, p, kWindowsEach, kRounds));
    }
    children.push_back(pid);
  }
  close(start[0]);
  close(start[1]);
  for (pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "process " << pid;
  }
  for (int slot = 0; slot < ShareData::kSlots; ++slot) EXPECT_EQ(Key(slot), 0u);
}

}  // namespace

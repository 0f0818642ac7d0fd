// SharedBlock on Windows: a named file mapping on the paging file and a named mutex.
#include <windows.h>

#include <system_error>

#include "base/Text.h"
#include "host/SharedBlock.h"

namespace host {
namespace {

std::wstring Wide(const std::string& text) {
  const std::u16string wide = base::Utf8ToUtf16(text);
  return std::wstring(wide.begin(), wide.end());
}

[[noreturn]] void Fail(DWORD error, const std::string& what) {
  throw std::system_error(static_cast<int>(error), std::system_category(), what);
}

class Win32Block : public SharedBlock {
 public:
  Win32Block(const std::string& name, std::size_t size) {
    // Opens the existing mapping when another process (or module) made it first; a
    // new one on the paging file starts zero-filled.
    mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  static_cast<DWORD>(size), Wide(name).c_str());
    if (mapping_ == nullptr) Fail(GetLastError(), "共享内存\"" + name + "\"无法打开");
    view_ = MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, size);
    if (view_ == nullptr) {
      const DWORD error = GetLastError();
      CloseHandle(mapping_);
      Fail(error, "共享内存\"" + name + "\"无法映射");
    }
    mutex_ = CreateMutexW(nullptr, FALSE, Wide(name + "Lock").c_str());
    if (mutex_ == nullptr) {
      const DWORD error = GetLastError();
      UnmapViewOfFile(view_);
      CloseHandle(mapping_);
      Fail(error, "共享内存\"" + name + "\"的锁无法打开");
    }
  }
  ~Win32Block() override {
    CloseHandle(mutex_);
    UnmapViewOfFile(view_);
    CloseHandle(mapping_);
  }

  unsigned char* Data() override { return static_cast<unsigned char*>(view_); }
  void Lock() override {
    // An abandoned mutex (its holder died) passes to us: the slots it guards are
    // written in place and stay readable.
    const DWORD state = WaitForSingleObject(mutex_, INFINITE);
    if (state != WAIT_OBJECT_0 && state != WAIT_ABANDONED)
      Fail(GetLastError(), "共享内存的锁无法取得");
  }
  void Unlock() override { ReleaseMutex(mutex_); }

 private:
  HANDLE mapping_ = nullptr;
  void* view_ = nullptr;
  HANDLE mutex_ = nullptr;
};

}  // namespace

std::unique_ptr<SharedBlock> OpenSharedBlock(const std::string& name, std::size_t size) {
  return std::make_unique<Win32Block>(name, size);
}

void RemoveSharedBlock(const std::string&) {}

}  // namespace host

#pragma once
// A named block of memory shared by every process of the logon, with a named lock
// beside it. Windows: a file mapping on the paging file and a mutex; natively: POSIX
// shared memory and a semaphore. Both start zero-filled when new.
#include <cstddef>
#include <memory>
#include <string>

namespace host {

class SharedBlock {
 public:
  virtual ~SharedBlock() = default;
  // The mapped bytes; valid while this object lives.
  virtual unsigned char* Data() = 0;
  // Waits for the block's named lock (across processes; not recursive).
  virtual void Lock() = 0;
  virtual void Unlock() = 0;
};

// Opens the block `name` of `size` bytes, creating it when no process has it, and its
// lock. Throws std::system_error with the operating system's error on failure.
std::unique_ptr<SharedBlock> OpenSharedBlock(const std::string& name, std::size_t size);

// Removes the block and its lock by name. POSIX objects outlive their processes and
// need this; Windows frees them with their last handle, so it does nothing there.
void RemoveSharedBlock(const std::string& name);

}  // namespace host

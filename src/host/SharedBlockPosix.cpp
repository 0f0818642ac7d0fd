// SharedBlock for the native build: shm_open for the block, sem_open for its lock.
#include <fcntl.h>
#include <semaphore.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "host/SharedBlock.h"

namespace host {
namespace {

[[noreturn]] void Fail(const std::string& what) {
  throw std::system_error(errno, std::generic_category(), what);
}

std::string ShmName(const std::string& name) { return "/" + name; }
std::string LockName(const std::string& name) { return "/" + name + "Lock"; }

class PosixBlock : public SharedBlock {
 public:
  PosixBlock(const std::string& name, std::size_t size) : size_(size) {
    const int fd = shm_open(ShmName(name).c_str(), O_RDWR | O_CREAT, 0600);
    if (fd < 0) Fail("共享内存\"" + name + "\"无法打开");
    // A new object is empty; every opener grows it (to the same size, so no one's
    // data is lost), because another process may map it before its creator does.
    struct stat st {};
    if (fstat(fd, &st) != 0 || (static_cast<std::size_t>(st.st_size) < size_ &&
                                ftruncate(fd, static_cast<off_t>(size_)) != 0)) {
      const int error = errno;
      close(fd);
      errno = error;
      Fail("共享内存\"" + name + "\"无法设定大小");
    }
    void* view = mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    const int error = errno;
    close(fd);  // the mapping keeps the object
    errno = error;
    if (view == MAP_FAILED) Fail("共享内存\"" + name + "\"无法映射");
    data_ = static_cast<unsigned char*>(view);
    lock_ = sem_open(LockName(name).c_str(), O_CREAT, 0600, 1);
    if (lock_ == SEM_FAILED) {
      const int semError = errno;
      munmap(data_, size_);
      errno = semError;
      Fail("共享内存\"" + name + "\"的锁无法打开");
    }
  }
  ~PosixBlock() override {
    sem_close(lock_);
    munmap(data_, size_);
  }

  unsigned char* Data() override { return data_; }
  void Lock() override {
    while (sem_wait(lock_) != 0)
      if (errno != EINTR) Fail("共享内存的锁无法取得");
  }
  void Unlock() override { sem_post(lock_); }

 private:
  std::size_t size_;
  unsigned char* data_ = nullptr;
  sem_t* lock_ = SEM_FAILED;
};

}  // namespace

std::unique_ptr<SharedBlock> OpenSharedBlock(const std::string& name, std::size_t size) {
  return std::make_unique<PosixBlock>(name, size);
}

void RemoveSharedBlock(const std::string& name) {
  shm_unlink(ShmName(name).c_str());
  sem_unlink(LockName(name).c_str());
}

}  // namespace host

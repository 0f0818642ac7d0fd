#pragma once
// DialogWatch: while it lives, every message box or dialog that appears on this
// thread is recorded (caption and texts) and answered, and a step given to
// OnNextTick runs inside whatever modal loop is then running. It works through a
// thread timer, whose messages every modal loop dispatches.
#include "win32/WindowsApi.h"

#include <functional>
#include <vector>

#include "refhost/win/DialogDismissal.h"

namespace win32test {

class DialogWatch {
 public:
  DialogWatch();
  ~DialogWatch();
  DialogWatch(const DialogWatch&) = delete;
  DialogWatch& operator=(const DialogWatch&) = delete;

  // Runs `step` once, on the next tick (inside a modal loop, if one is running).
  void OnNextTick(std::function<void()> step) { step_ = std::move(step); }
  const std::vector<refhost::DismissedDialog>& Boxes() const { return boxes_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void Check();

  UINT_PTR timer_ = 0;
  std::function<void()> step_;
  std::vector<refhost::DismissedDialog> boxes_;
};

}  // namespace win32test

#include "DialogWatch.h"

#include "refhost/win/DialogDismissal.h"

namespace win32test {
namespace {

DialogWatch* g_watch = nullptr;

}  // namespace

DialogWatch::DialogWatch() {
  g_watch = this;
  timer_ = SetTimer(nullptr, 0, 20, &DialogWatch::Tick);
}

DialogWatch::~DialogWatch() {
  KillTimer(nullptr, timer_);
  g_watch = nullptr;
}

void CALLBACK DialogWatch::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (g_watch != nullptr) g_watch->Check();
}

void DialogWatch::Check() {
  for (const refhost::DismissedDialog& box : refhost::DismissThreadDialogs()) {
    boxes_.push_back(box);
  }
  if (step_) {
    std::function<void()> step = std::move(step_);
    step_ = nullptr;
    step();
  }
}

}  // namespace win32test

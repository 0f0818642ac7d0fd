#include "ui/Events.h"

#include <cstdio>
#include <exception>
#include <string>

#include "ui/Backend.h"

namespace ui {

namespace {
Backend* g_backend = nullptr;
}

Backend& CurrentBackend() {
  if (g_backend == nullptr) throw std::logic_error("no user-interface backend is installed");
  return *g_backend;
}

void SetBackend(Backend* backend) { g_backend = backend; }

bool RunGuarded(WindowHandle owner, const std::function<void()>& handler) {
  std::string message;
  try {
    handler();
    return true;
  } catch (const std::exception& e) {
    message = e.what();
  } catch (...) {
    message = "未知错误！";
  }
  try {
    CurrentBackend().MessageBox(owner, message, "错误", MB_OK | MB_ICONERROR);
  } catch (...) {
    // Without a backend there is no window to show it in; say it on stderr.
    std::fprintf(stderr, "错误: %s\n", message.c_str());
  }
  return false;
}

}  // namespace ui

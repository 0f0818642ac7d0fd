#pragma once
// win32::AnimateWindow: the common controls' animation control (SysAnimate32) playing
// an AVI file or one of the clips in shell32.dll.
#include "win32/Window.h"

#include <string>

namespace win32 {

class AnimateWindow : public Window {
 public:
  explicit AnimateWindow(WindowArgs args);

  // Opens a file (UTF-8 path), or shell32's clip `resource` when the path is empty
  // (0: closes the clip).
  void Open(const std::string& fileName, int resource);
  // Plays from the first frame on, repeating; or stops and shows `stopFrame`.
  void Run(bool active, int stopFrame);
};

}  // namespace win32

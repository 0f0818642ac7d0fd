#pragma once
// ui::Animate: an animation control ("TAnimate") that plays an AVI clip without sound:
// a file, or one of the system's clips.
#include <string>

#include "ui/Control.h"

namespace ui {

// The system's clips the control can show instead of a file.
enum class CommonAvi { None, FindFolder, FindFile, FindComputer, CopyFiles };

class Animate : public Control {
 public:
  explicit Animate(Component* owner, std::string className = "TAnimate")
      : Control(owner, std::move(className)) {
    SetBounds(0, 0, 100, 80);
  }

  CommonAvi GetCommonAvi() const { return commonAvi_; }
  // Shows a system clip (and forgets the file).
  void SetCommonAvi(CommonAvi clip) {
    commonAvi_ = clip;
    fileName_.clear();
    Changed(Property::Style);
  }
  const std::string& FileName() const { return fileName_; }
  // Plays an AVI file (and forgets the system clip).
  void SetFileName(std::string fileName) {
    fileName_ = std::move(fileName);
    commonAvi_ = CommonAvi::None;
    Changed(Property::Style);
  }
  // The frame shown while the clip is not running.
  int StopFrame() const { return stopFrame_; }
  void SetStopFrame(int frame) {
    stopFrame_ = frame;
    Changed(Property::Style);
  }
  bool Active() const { return active_; }
  void SetActive(bool active) {
    active_ = active;
    Changed(Property::Style);
  }

 private:
  CommonAvi commonAvi_ = CommonAvi::None;
  std::string fileName_;
  int stopFrame_ = 0;
  bool active_ = false;
};

}  // namespace ui

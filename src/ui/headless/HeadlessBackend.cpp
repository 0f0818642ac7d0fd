#include "ui/headless/HeadlessBackend.h"

#include <algorithm>

#include "base/Text.h"

namespace ui::headless {

// A peer with a handle and nothing else: the model holds all the state.
class HeadlessBackend::Peer : public ControlPeer {
 public:
  Peer(HeadlessBackend& backend, Control& control)
      : backend_(backend), handle_(backend.nextHandle_++) {
    backend_.controls_[handle_] = &control;
  }
  ~Peer() override {
    backend_.controls_.erase(handle_);
    backend_.parents_.erase(handle_);
  }
  WindowHandle Handle() const override { return handle_; }
  void Update(Property) override {}

 private:
  HeadlessBackend& backend_;
  WindowHandle handle_;
};

HeadlessBackend::HeadlessBackend() { SetBackend(this); }

HeadlessBackend::~HeadlessBackend() {
  ProcessMessages();
  SetBackend(nullptr);
}

void HeadlessBackend::OnModal(const std::string& key, ModalScript script) {
  modalScripts_[key].push_back(std::move(script));
}

void HeadlessBackend::OnMessageBox(const std::string& key, int answer) {
  boxAnswers_.emplace_back(key, answer);
}

WindowHandle HeadlessBackend::AddHostWindow(Size clientSize) {
  const WindowHandle handle = nextHandle_++;
  hostWindows_[handle] = clientSize;
  return handle;
}

void HeadlessBackend::ResizeHostWindow(WindowHandle window, Size clientSize) {
  hostWindows_[window] = clientSize;
}

std::vector<SentMessage> HeadlessBackend::MessagesTo(WindowHandle target) const {
  std::vector<SentMessage> out;
  std::copy_if(sent_.begin(), sent_.end(), std::back_inserter(out),
               [&](const SentMessage& m) { return m.target == target; });
  return out;
}

WindowHandle HeadlessBackend::ParentOf(WindowHandle child) const {
  const auto it = parents_.find(child);
  return it == parents_.end() ? 0 : it->second;
}

Form* HeadlessBackend::FormOf(WindowHandle handle) const {
  const auto it = controls_.find(handle);
  return it == controls_.end() ? nullptr : dynamic_cast<Form*>(it->second);
}

std::vector<Form*> HeadlessBackend::FormsIn(WindowHandle parent) const {
  std::vector<Form*> forms;
  for (const auto& [child, holder] : parents_)
    if (holder == parent)
      if (Form* form = FormOf(child)) forms.push_back(form);
  return forms;  // handles grow with creation, so map order is creation order
}

std::unique_ptr<ControlPeer> HeadlessBackend::CreatePeer(Control& control) {
  return std::make_unique<Peer>(*this, control);
}

ModalResult HeadlessBackend::RunModal(Form& form) {
  for (const std::string& key : {form.Caption(), form.ClassName()}) {
    auto it = modalScripts_.find(key);
    if (it == modalScripts_.end() || it->second.empty()) continue;
    ModalScript script = std::move(it->second.front());
    it->second.pop_front();
    const ModalResult result = script(form);
    if (result != mrNone) form.SetModalResult(result);
    if (form.GetModalResult() == mrNone) {
      failures_.push_back("modal form \"" + form.Caption() + "\" was left open by its script");
      form.SetModalResult(mrCancel);
    }
    return form.GetModalResult();
  }
  failures_.push_back("unanswered modal form \"" + form.Caption() + "\" (" + form.ClassName() +
                      ")");
  return mrCancel;
}

int HeadlessBackend::MessageBox(WindowHandle owner, const std::string& text,
                                const std::string& caption, unsigned flags) {
  int answer = 0;
  const auto scripted = std::find_if(boxAnswers_.begin(), boxAnswers_.end(), [&](const auto& a) {
    return caption.find(a.first) != std::string::npos || text.find(a.first) != std::string::npos;
  });
  if (scripted != boxAnswers_.end()) {
    answer = scripted->second;
    boxAnswers_.erase(scripted);
  } else if ((flags & MB_BUTTONS_MASK) == MB_OK) {
    answer = IDOK;  // a box with one button needs no script: the log shows it
  } else {
    failures_.push_back("unanswered message box \"" + caption + "\": " + text);
    answer = IDCANCEL;
  }
  boxes_.push_back({owner, text, caption, flags, answer});
  return answer;
}

std::intptr_t HeadlessBackend::SendMessage(WindowHandle target, unsigned message,
                                           std::uintptr_t wParam, std::intptr_t lParam) {
  if (Form* form = FormOf(target)) return form->HandleMessage(message, wParam, lParam) ? 1 : 0;
  const SentMessage sent{target, message, wParam, lParam};
  sent_.push_back(sent);
  if (OnHostMessage) OnHostMessage(sent);
  return 0;
}

void HeadlessBackend::SetParentWindow(WindowHandle child, WindowHandle parent) {
  parents_[child] = parent;
}

Size HeadlessBackend::ClientSize(WindowHandle window) {
  if (const auto host = hostWindows_.find(window); host != hostWindows_.end()) return host->second;
  if (const auto control = controls_.find(window); control != controls_.end())
    return control->second->ClientSize();
  return {};
}

void HeadlessBackend::ReleaseLater(Form& form) {
  if (std::find(pendingRelease_.begin(), pendingRelease_.end(), &form) == pendingRelease_.end())
    pendingRelease_.push_back(&form);
}

void HeadlessBackend::ProcessMessages() {
  while (!pendingRelease_.empty()) {
    Form* form = pendingRelease_.front();
    pendingRelease_.erase(pendingRelease_.begin());
    form->Free();
  }
}

Size HeadlessBackend::TextExtent(const Font& font, const std::string& text) {
  // A fixed-pitch estimate: half the font height per ANSI byte, as a Chinese
  // bitmap font of that height is laid out.
  const int height = font.height < 0 ? -font.height : font.height;
  return {static_cast<int>(base::AnsiLength(text)) * height / 2, height};
}

}  // namespace ui::headless

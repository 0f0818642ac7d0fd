#pragma once
// win32::GridWindow: the data grid's own painted window. It draws through a GDI canvas
// into a memory bitmap (no flicker), keeps the scroll bars, and hands clicks, keys and
// scrolling to its handlers; the model decides what they do. Text cells are edited in
// an EDIT box laid over the cell.
#include "win32/Window.h"

#include <functional>
#include <string>

#include "ui/DBGrid.h"
#include "win32/FontCache.h"

namespace win32 {

class GridWindow : public Window {
 public:
  GridWindow(WindowArgs args, FontCache& fonts);
  ~GridWindow() override;

  // The scroll bars: rows in all, rows on a page, the first shown; likewise columns.
  void SetVerticalScroll(int total, int page, int position);
  void SetHorizontalScroll(int total, int position);
  void Redraw();
  // Lays an edit box with `text` over the cell; onEndEdit receives the text on Enter
  // or when the box loses the focus (nothing on Esc).
  void BeginEdit(const RECT& cell, const std::string& text);
  bool Editing() const { return editor_ != nullptr; }

  std::function<void(ui::GridCanvas& canvas)> onPaint;
  std::function<void(int x, int y, bool ctrl)> onMouseDown;
  std::function<void(int x, int y)> onDoubleClick;
  // A key press; returns true when used.
  std::function<bool(ui::GridKey key, bool shift)> onKey;
  // F2 or Enter: the current cell should start editing.
  std::function<void()> onEditKey;
  std::function<void(const std::string& text)> onEndEdit;
  std::function<void(int position)> onVerticalScroll;
  std::function<void(int position)> onHorizontalScroll;

 protected:
  void OnPaint(HDC dc, const RECT& client) override;
  bool OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  static LRESULT CALLBACK EditorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR data);
  void EndEdit(bool commit, bool refocus);
  void Scroll(int bar, WORD code);
  bool KeyDown(WPARAM key);

  FontCache& fonts_;
  HWND editor_ = nullptr;
};

}  // namespace win32

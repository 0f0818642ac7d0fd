#include "win32/GridWindow.h"

#include <commctrl.h>
#include <algorithm>
#include <windowsx.h>

#include "ui/Events.h"
#include "win32/GdiCanvas.h"
#include "win32/WideText.h"
#include "win32/WindowClasses.h"
#include "win32/WindowHandles.h"

namespace win32 {
namespace {

// Posted by the edit box when it loses the focus: the edit ends once it has gone.
constexpr UINT kEndEditMessage = WM_APP + 1;

}  // namespace

GridWindow::GridWindow(WindowArgs args, FontCache& fonts) : fonts_(fonts) {
  args.systemClass = nullptr;
  args.ownClass = L"TAdvDBGridEh";
  args.style |= WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | WS_CLIPCHILDREN;
  args.exStyle |= WS_EX_CLIENTEDGE;
  Create(args);
}

GridWindow::~GridWindow() {
  if (editor_ != nullptr) DestroyWindow(editor_);
}

void GridWindow::SetVerticalScroll(int total, int page, int position) {
  SCROLLINFO info{sizeof(info), SIF_ALL | SIF_DISABLENOSCROLL, 0, total > 0 ? total - 1 : 0,
                  static_cast<UINT>(page), position, 0};
  SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
}

void GridWindow::SetHorizontalScroll(int total, int position) {
  SCROLLINFO info{sizeof(info), SIF_ALL | SIF_DISABLENOSCROLL, 0, total > 0 ? total - 1 : 0, 1,
                  position, 0};
  SetScrollInfo(Handle(), SB_HORZ, &info, TRUE);
}

void GridWindow::Redraw() { InvalidateRect(Handle(), nullptr, FALSE); }

// One screen is drawn into a bitmap first, then copied in one piece.
void GridWindow::OnPaint(HDC dc, const RECT& client) {
  const int width = client.right - client.left, height = client.bottom - client.top;
  if (width <= 0 || height <= 0 || !onPaint) return;
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  GdiCanvas canvas(memory, fonts_);
  onPaint(canvas);
  BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

bool GridWindow::KeyDown(WPARAM key) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  ui::GridKey gridKey;
  switch (key) {
    case VK_UP: gridKey = ui::GridKey::Up; break;
    case VK_DOWN: gridKey = ui::GridKey::Down; break;
    case VK_PRIOR: gridKey = ui::GridKey::PageUp; break;
    case VK_NEXT: gridKey = ui::GridKey::PageDown; break;
    case VK_HOME: gridKey = ui::GridKey::Home; break;
    case VK_END: gridKey = ui::GridKey::End; break;
    case VK_LEFT: gridKey = ui::GridKey::Left; break;
    case VK_RIGHT: gridKey = ui::GridKey::Right; break;
    case VK_TAB: gridKey = ui::GridKey::Tab; break;
    case VK_SPACE: gridKey = ui::GridKey::Space; break;
    case VK_F2:
    case VK_RETURN:
      if (onEditKey) onEditKey();
      return true;
    default:
      return false;
  }
  return onKey && onKey(gridKey, shift);
}

void GridWindow::Scroll(int bar, WORD code) {
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(Handle(), bar, &info);
  int position = info.nPos;
  const int page = std::max<int>(1, static_cast<int>(info.nPage));
  switch (code) {
    case SB_LINEUP: position -= 1; break;
    case SB_LINEDOWN: position += 1; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;  // 32 bits, unlike the message's
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
  }
  const auto& handler = bar == SB_VERT ? onVerticalScroll : onHorizontalScroll;
  if (handler) handler(position);
}

bool GridWindow::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case kEndEditMessage:
      EndEdit(true, false);
      return true;
    case WM_LBUTTONDOWN:
      if (editor_ != nullptr) EndEdit(true, true);
      SetFocus(Handle());
      if (onMouseDown) onMouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), (wParam & MK_CONTROL) != 0);
      return true;
    case WM_LBUTTONDBLCLK:
      if (onDoubleClick) onDoubleClick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return true;
    case WM_KEYDOWN:
      return KeyDown(wParam);
    case WM_GETDLGCODE:
      result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return true;
    case WM_VSCROLL:
      Scroll(SB_VERT, LOWORD(wParam));
      return true;
    case WM_HSCROLL:
      Scroll(SB_HORZ, LOWORD(wParam));
      return true;
    case WM_MOUSEWHEEL:
      if (onVerticalScroll) {
        SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, 0, 0};
        GetScrollInfo(Handle(), SB_VERT, &info);
        onVerticalScroll(info.nPos - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * 3);
      }
      return true;
    default:
      return false;
  }
}

void GridWindow::BeginEdit(const RECT& cell, const std::string& text) {
  if (editor_ != nullptr) EndEdit(true, false);
  editor_ = CreateWindowExW(0, L"EDIT", Wide(text).c_str(), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                            cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top,
                            Handle(), nullptr, ModuleInstance(), nullptr);
  if (editor_ == nullptr) return;
  SendMessageW(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  SetWindowSubclass(editor_, &GridWindow::EditorProc, 1, reinterpret_cast<DWORD_PTR>(this));
  SendMessageW(editor_, EM_SETSEL, 0, -1);
  SetFocus(editor_);
}

void GridWindow::EndEdit(bool commit, bool refocus) {
  HWND editor = editor_;
  if (editor == nullptr) return;
  editor_ = nullptr;  // before the focus moves: losing it ends the edit again
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(editor)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(editor, text.data(), static_cast<int>(text.size()))));
  if (refocus) SetFocus(Handle());
  DestroyWindow(editor);
  if (commit && onEndEdit) onEndEdit(Utf8(text));
  Redraw();
}

// The edit box's own messages: Enter keeps the text, Esc drops it, leaving keeps it.
LRESULT CALLBACK GridWindow::EditorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR data) {
  auto* self = reinterpret_cast<GridWindow*>(data);
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &GridWindow::EditorProc, id);
  if (message == WM_GETDLGCODE) return DLGC_WANTALLKEYS;
  if (message == WM_KILLFOCUS && self->editor_ == hwnd) {
    PostMessageW(self->Handle(), kEndEditMessage, 0, 0);
  } else if (message == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE)) {
    ui::RunGuarded(ToHandle(self->Handle()), [&] { self->EndEdit(wParam == VK_RETURN, true); });
    return 0;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace win32

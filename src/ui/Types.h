#pragma once
// Small value types of the component model, named as the forms' platform names them.
#include <cstdint>
#include <string>

namespace ui {

// A colour as the forms store it: 0x00BBGGRR, or a system colour 0xFF0000nn where nn
// is the Windows system-colour index.
using Color = std::uint32_t;

constexpr Color Rgb(int r, int g, int b) {
  return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
constexpr Color SystemColor(int index) { return 0xFF000000u | static_cast<Color>(index); }
constexpr bool IsSystemColor(Color c) { return (c & 0xFF000000u) == 0xFF000000u; }

constexpr Color clBlack = Rgb(0, 0, 0);
constexpr Color clWhite = Rgb(255, 255, 255);
constexpr Color clRed = Rgb(255, 0, 0);
constexpr Color clGreen = Rgb(0, 128, 0);
constexpr Color clYellow = Rgb(255, 255, 0);
constexpr Color clNavy = Rgb(0, 0, 128);
constexpr Color clBlue = Rgb(0, 0, 255);
constexpr Color clGray = Rgb(128, 128, 128);
constexpr Color clSilver = Rgb(192, 192, 192);
constexpr Color clBtnFace = SystemColor(15);
constexpr Color clWindow = SystemColor(5);
constexpr Color clWindowText = SystemColor(8);
constexpr Color clBtnShadow = SystemColor(16);
constexpr Color clBtnHighlight = SystemColor(20);
constexpr Color clHighlight = SystemColor(13);
constexpr Color clHighlightText = SystemColor(14);
constexpr Color clInfoBk = SystemColor(24);

enum class Align { None, Top, Bottom, Left, Right, Client };

// Windows character sets, as a font carries them.
constexpr int DEFAULT_CHARSET = 1;
constexpr int GB2312_CHARSET = 134;

struct Font {
  std::string name = "宋体";
  int height = -12;  // pixels; negative: the character height without internal leading
  int charset = GB2312_CHARSET;
  Color color = clWindowText;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const Font&, const Font&) = default;
};

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
  int width = 0, height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
enum class FormPosition { Designed, ScreenCenter, MainFormCenter, OwnerFormCenter };
enum class CloseAction { None, Hide, Free, Minimize };
enum class BevelKind { None, Lowered, Raised };

// Results of a modal form, as its buttons set them.
using ModalResult = int;
constexpr ModalResult mrNone = 0;
constexpr ModalResult mrOk = 1;
constexpr ModalResult mrCancel = 2;
constexpr ModalResult mrAbort = 3;
constexpr ModalResult mrRetry = 4;
constexpr ModalResult mrIgnore = 5;
constexpr ModalResult mrYes = 6;
constexpr ModalResult mrNo = 7;
constexpr ModalResult mrAll = 8;
constexpr ModalResult mrNoToAll = 9;
constexpr ModalResult mrYesToAll = 10;

// Message box buttons, icons and answers (the Windows values).
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_BUTTONS_MASK = 0xF;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

}  // namespace ui

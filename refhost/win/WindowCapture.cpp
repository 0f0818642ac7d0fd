#include "refhost/win/WindowCapture.h"

#include <stdexcept>

namespace refhost {

RgbImage CaptureClient(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT client;
  GetClientRect(window, &client);
  RgbImage image;
  image.width = client.right;
  image.height = client.bottom;
  if (image.width <= 0 || image.height <= 0) throw std::runtime_error("empty window");

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  // A DC that does not clip the children: they are part of the picture.
  HDC source = GetDCEx(window, nullptr, DCX_CACHE);
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) {
    DeleteDC(memory);
    ReleaseDC(window, source);
    throw std::runtime_error("cannot create the capture bitmap");
  }
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, image.width, image.height, source, 0, 0, SRCCOPY);
  GdiFlush();

  const auto* bgrx = static_cast<const unsigned char*>(bits);
  const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
  image.pixels.resize(count * 3);
  for (std::size_t i = 0; i < count; ++i) {
    image.pixels[i * 3 + 0] = bgrx[i * 4 + 2];
    image.pixels[i * 3 + 1] = bgrx[i * 4 + 1];
    image.pixels[i * 3 + 2] = bgrx[i * 4 + 0];
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, source);
  return image;
}

}  // namespace refhost

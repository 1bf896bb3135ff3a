#include "win_screenshot.h"

#include "bmp_file.h"

namespace wizdrive {

std::string SaveScreenshot(const RECT* area, const std::string& path) {
  RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (area != nullptr) IntersectRect(&r, &r, area);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  const std::string headers = BmpHeaders(width, height);
  if (headers.empty()) return "nothing of it is on the screen";

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::string error;
  if (bitmap == nullptr || memory == nullptr) {
    error = "cannot make a bitmap of " + std::to_string(width) + "x" + std::to_string(height);
  } else {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (!BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY | CAPTUREBLT)) {
      error = "cannot copy the screen";
    }
    GdiFlush();
    SelectObject(memory, old);
  }
  if (error.empty()) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    const DWORD pixels = BmpRowBytes(width) * static_cast<DWORD>(height);
    DWORD written = 0, written_pixels = 0;
    if (file == INVALID_HANDLE_VALUE) {
      error = "cannot create " + path;
    } else {
      const bool ok =
          WriteFile(file, headers.data(), static_cast<DWORD>(headers.size()), &written, nullptr) &&
          WriteFile(file, bits, pixels, &written_pixels, nullptr) && written == headers.size() &&
          written_pixels == pixels;
      CloseHandle(file);
      if (!ok) {
        DeleteFileA(path.c_str());
        error = "cannot write " + path;
      }
    }
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (memory != nullptr) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return error;
}

}  // namespace wizdrive

#include "forms/graphics.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "os/os.h"
#include "os/text_encoding.h"

TColor ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return static_cast<TColor>(GetSysColor(color & 0xFF));
  return color;
}

int ScreenPixelsPerInch() {
  static const int ppi = [] {
    HDC dc = GetDC(nullptr);
    const int v = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    return v > 0 ? v : 96;
  }();
  return ppi;
}

void TGraphicsObject::Changed() {
  if (OnBeforeChange) OnBeforeChange();
  FreeHandle();
  if (OnChange) OnChange();
}

void TGraphicsObject::FreeHandle() {
  if (handle_) DeleteObject(handle_);
  handle_ = nullptr;
}

void TFont::Assign(const TFont& o) {
  name_ = o.name_;
  height_ = o.height_;
  style_ = o.style_;
  color_ = o.color_;
  charset_ = o.charset_;
  Changed();
}

void TFont::SetName(const std::string& name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const {
  return -MulDiv(height_, 72, ScreenPixelsPerInch());
}

void TFont::SetSize(int points) {
  SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72));
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  // Colour is not part of the GDI font; keep the handle.
  if (OnChange) OnChange();
}

void TFont::SetCharset(uint8_t charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW lf{};
    lf.lfHeight = height_;
    lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
    lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = charset_;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynW(lf.lfFaceName, os::WideShown(name_).c_str(), LF_FACESIZE);
    handle_ = CreateFontIndirectW(&lf);
    if (!handle_) handle_ = GetStockObject(DEFAULT_GUI_FONT);
  }
  return static_cast<HFONT>(handle_);
}

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TPen::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

HPEN TPen::Handle() const {
  if (!handle_) {
    static const int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_NULL};
    handle_ = CreatePen(kStyles[style_], width_, static_cast<COLORREF>(ColorToRGB(color_)));
  }
  return static_cast<HPEN>(handle_);
}

void TBrush::SetColor(TColor color) {
  if (color == color_ && style_ == bsSolid) return;
  color_ = color;
  style_ = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

HBRUSH TBrush::Handle() const {
  if (!handle_) {
    handle_ = style_ == bsClear ? GetStockObject(NULL_BRUSH)
                                : CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(color_)));
  }
  return static_cast<HBRUSH>(handle_);
}

namespace {

RECT ToRECT(const TRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

}  // namespace

TCanvas::TCanvas() {
  // A changed object must not be deleted while selected: let go of it first.
  font_.OnBeforeChange = [this] {
    if (dc_ && cur_font_) {
      SelectObject(dc_, old_font_);
      cur_font_ = nullptr;
    }
  };
  pen_.OnBeforeChange = [this] {
    if (dc_ && cur_pen_) {
      SelectObject(dc_, old_pen_);
      cur_pen_ = nullptr;
    }
  };
  brush_.OnBeforeChange = [this] {
    if (dc_ && cur_brush_) {
      SelectObject(dc_, old_brush_);
      cur_brush_ = nullptr;
    }
  };
}

TCanvas::TCanvas(HDC dc) : TCanvas() {
  dc_ = dc;
}

TCanvas::~TCanvas() {
  Deselect();
  // The objects free their handles after this, once nothing holds them.
  font_.OnBeforeChange = nullptr;
  pen_.OnBeforeChange = nullptr;
  brush_.OnBeforeChange = nullptr;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  Deselect();
  dc_ = dc;
}

void TCanvas::Deselect() {
  if (!dc_) return;
  if (cur_pen_) SelectObject(dc_, old_pen_);
  if (cur_brush_) SelectObject(dc_, old_brush_);
  if (cur_font_) SelectObject(dc_, old_font_);
  cur_pen_ = cur_brush_ = cur_font_ = nullptr;
}

void TCanvas::Select(bool pen, bool brush, bool font) {
  if (!dc_) return;
  if (pen && !cur_pen_) {
    cur_pen_ = pen_.Handle();
    old_pen_ = SelectObject(dc_, cur_pen_);
  }
  if (brush && !cur_brush_) {
    cur_brush_ = brush_.Handle();
    old_brush_ = SelectObject(dc_, cur_brush_);
  }
  if (font) {
    if (!cur_font_) {
      cur_font_ = font_.Handle();
      old_font_ = SelectObject(dc_, cur_font_);
    }
    SetTextColor(dc_, static_cast<COLORREF>(ColorToRGB(font_.Color())));
    if (brush_.Style() == bsClear) {
      SetBkMode(dc_, TRANSPARENT);
    } else {
      SetBkMode(dc_, OPAQUE);
      SetBkColor(dc_, static_cast<COLORREF>(ColorToRGB(brush_.Color())));
    }
  }
}

void TCanvas::FillRect(const TRect& r) {
  if (!dc_ || brush_.Style() == bsClear) return;
  const RECT rc = ToRECT(r);
  ::FillRect(dc_, &rc, brush_.Handle());
}

void TCanvas::FrameRect(const TRect& r) {
  if (!dc_) return;
  const RECT rc = ToRECT(r);
  ::FrameRect(dc_, &rc, brush_.Handle());
}

void TCanvas::Rectangle(const TRect& r) {
  Select(true, true, false);
  if (dc_) ::Rectangle(dc_, r.Left, r.Top, r.Right, r.Bottom);
}

void TCanvas::Ellipse(const TRect& r) {
  Select(true, true, false);
  if (dc_) ::Ellipse(dc_, r.Left, r.Top, r.Right, r.Bottom);
}

void TCanvas::MoveTo(int x, int y) {
  if (dc_) MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  Select(true, false, false);
  if (dc_) ::LineTo(dc_, x, y);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  Select(false, true, true);
  if (!dc_) return;
  const std::wstring wide = os::WideShown(text);
  ::TextOutW(dc_, x, y, wide.data(), static_cast<int>(wide.size()));
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
  Select(false, true, true);
  if (!dc_) return;
  const RECT rc = ToRECT(r);
  const UINT opaque = brush_.Style() == bsClear ? 0 : ETO_OPAQUE;
  const std::wstring wide = os::WideShown(text);
  ExtTextOutW(dc_, x, y, ETO_CLIPPED | opaque, &rc, wide.data(), static_cast<UINT>(wide.size()),
              nullptr);
}

TPoint TCanvas::TextExtent(const std::string& text) {
  Select(false, false, true);
  SIZE s{};
  if (dc_) {
    const std::wstring wide = os::WideShown(text);
    GetTextExtentPoint32W(dc_, wide.data(), static_cast<int>(wide.size()), &s);
  }
  return {s.cx, s.cy};
}

int TCanvas::DrawText(const std::string& text, TRect& r, UINT flags) {
  Select(false, true, true);
  if (!dc_) return 0;
  RECT rc = ToRECT(r);
  std::wstring wide = os::WideShown(text);
  const int h = ::DrawTextW(dc_, wide.data(), static_cast<int>(wide.size()), &rc, flags);
  if (flags & DT_CALCRECT) r = {rc.left, rc.top, rc.right, rc.bottom};
  return h;
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  if (!dc_ || bitmap.Empty()) return;
  BitBlt(dc_, x, y, bitmap.Width(), bitmap.Height(), bitmap.DC(), 0, 0, SRCCOPY);
}

void TCanvas::StretchDraw(const TRect& d, const TBitmap& bitmap) {
  if (!dc_ || bitmap.Empty()) return;
  SetStretchBltMode(dc_, COLORONCOLOR);
  StretchBlt(dc_, d.Left, d.Top, d.Width(), d.Height(), bitmap.DC(), 0, 0, bitmap.Width(),
             bitmap.Height(), SRCCOPY);
}

void TCanvas::DrawTransparent(const TRect& d, const TBitmap& bitmap, const TRect& s,
                              TColor transparent) {
  if (!dc_ || bitmap.Empty() || d.IsEmpty() || s.IsEmpty()) return;
  // gdi32's own, not msimg32's TransparentBlt: msimg32 is no known DLL, and a static import of it
  // would be looked for beside the program before the program could restrict the search.
  GdiTransparentBlt(dc_, d.Left, d.Top, d.Width(), d.Height(), bitmap.DC(), s.Left, s.Top,
                    s.Width(), s.Height(), static_cast<UINT>(ColorToRGB(transparent)));
}

void TCanvas::CopyRect(const TRect& d, TCanvas& source, const TRect& s) {
  if (!dc_ || !source.Handle()) return;
  SetStretchBltMode(dc_, COLORONCOLOR);
  StretchBlt(dc_, d.Left, d.Top, d.Width(), d.Height(), source.Handle(), s.Left, s.Top, s.Width(),
             s.Height(), SRCCOPY);
}

TColor TCanvas::Pixel(int x, int y) {
  if (!dc_) return clNone;
  const COLORREF c = GetPixel(dc_, x, y);
  return c == CLR_INVALID ? clNone : static_cast<TColor>(c);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  if (dc_) SetPixelV(dc_, x, y, static_cast<COLORREF>(ColorToRGB(color)));
}

void TCanvas::ClipTo(const TRect& r) {
  if (dc_) IntersectClipRect(dc_, r.Left, r.Top, r.Right, r.Bottom);
}

void TCanvas::ResetClip() {
  if (dc_) SelectClipRgn(dc_, nullptr);
}

void Frame3D(TCanvas& canvas, TRect& r, TColor top_left, TColor bottom_right, int width) {
  canvas.Pen().SetWidth(1);
  --r.Bottom;
  --r.Right;
  for (int i = 0; i < width; ++i) {
    canvas.Pen().SetColor(top_left);
    canvas.MoveTo(r.Left, r.Bottom);
    canvas.LineTo(r.Left, r.Top);
    canvas.LineTo(r.Right, r.Top);
    canvas.Pen().SetColor(bottom_right);
    canvas.LineTo(r.Right, r.Bottom);
    canvas.LineTo(r.Left - 1, r.Bottom);
    r = r.Inflate(-1, -1);
  }
  ++r.Bottom;
  ++r.Right;
}

// --- TBitmap ---

TBitmap::~TBitmap() {
  Free();
}

void TBitmap::Free() {
  canvas_.reset();
  if (dc_) {
    SelectObject(dc_, old_bitmap_);
    DeleteDC(dc_);
    dc_ = nullptr;
  }
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = nullptr;
  bits_ = nullptr;
  width_ = height_ = 0;
}

void TBitmap::SetSize(int width, int height) {
  Free();
  if (width <= 0 || height <= 0) {
    Changed();
    return;
  }
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // top-down rows
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap_) {
    Changed();
    return;
  }
  bits_ = static_cast<uint32_t*>(bits);
  width_ = width;
  height_ = height;
  std::fill(bits_, bits_ + static_cast<size_t>(width) * height, 0x00FFFFFFu);
  Changed();
}

void TBitmap::Assign(const TBitmap& other) {
  auto on_change = OnChange;
  OnChange = nullptr;
  SetSize(other.width_, other.height_);
  if (bits_ && other.bits_) {
    GdiFlush();
    std::memcpy(bits_, other.bits_, static_cast<size_t>(width_) * height_ * 4);
  }
  OnChange = on_change;
  Changed();
}

void TBitmap::Fill(TColor color) {
  if (!bits_) return;
  GdiFlush();
  const TColor c = ColorToRGB(color);
  const uint32_t px =
      static_cast<uint32_t>(ColorBlue(c) | (ColorGreen(c) << 8) | (ColorRed(c) << 16));
  std::fill(bits_, bits_ + static_cast<size_t>(width_) * height_, px);
  Changed();
}

HDC TBitmap::DC() const {
  if (!dc_ && bitmap_) {
    dc_ = CreateCompatibleDC(nullptr);
    old_bitmap_ = SelectObject(dc_, bitmap_);
  }
  return dc_;
}

TCanvas& TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TCanvas>(DC());
  return *canvas_;
}

uint32_t* TBitmap::ScanLine(int y) {
  if (!bits_ || y < 0 || y >= height_) return nullptr;
  GdiFlush();
  return bits_ + static_cast<size_t>(y) * width_;
}

const uint32_t* TBitmap::ScanLine(int y) const {
  if (!bits_ || y < 0 || y >= height_) return nullptr;
  GdiFlush();
  return bits_ + static_cast<size_t>(y) * width_;
}

TColor TBitmap::Pixel(int x, int y) const {
  const uint32_t* row = ScanLine(y);
  if (!row || x < 0 || x >= width_) return clNone;
  const uint32_t p = row[x];
  return RGBColor(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                  static_cast<int>(p & 0xFF));
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  uint32_t* row = ScanLine(y);
  if (!row || x < 0 || x >= width_) return;
  const TColor c = ColorToRGB(color);
  row[x] = static_cast<uint32_t>(ColorBlue(c) | (ColorGreen(c) << 8) | (ColorRed(c) << 16));
}

bool TBitmap::TakeFrom(HBITMAP source) {
  BITMAP info{};
  if (!source || !GetObjectW(source, sizeof info, &info) || info.bmWidth <= 0 ||
      info.bmHeight == 0) {
    if (source) DeleteObject(source);
    return false;
  }
  auto on_change = OnChange;
  OnChange = nullptr;
  SetSize(info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight);
  OnChange = on_change;
  bool ok = false;
  if (bitmap_) {
    HDC src = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(src, source);
    ok = BitBlt(DC(), 0, 0, width_, height_, src, 0, 0, SRCCOPY) != 0;
    SelectObject(src, old);
    DeleteDC(src);
  }
  DeleteObject(source);
  Changed();
  return ok;
}

bool TBitmap::LoadFromFile(const std::string& path) {
  const std::optional<std::wstring> name = os::Wide(path);
  if (!name) return false;
  HANDLE h =
      LoadImageW(nullptr, name->c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  return h && TakeFrom(static_cast<HBITMAP>(h));
}

// Pictures are stored run-length encoded, to keep the program small, which LoadImage does not
// read into a DIB section: the system decodes them as it draws them here. One that is missing
// or damaged loads nothing.
bool TBitmap::LoadFromResourceName(HINSTANCE instance, const std::string& name) {
  HRSRC found =
      FindResourceW(instance, os::WideShown(name).c_str(), MAKEINTRESOURCEW(2));  // RT_BITMAP
  HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  const auto* info = loaded ? static_cast<const BITMAPINFO*>(LockResource(loaded)) : nullptr;
  const DWORD size = found ? SizeofResource(instance, found) : 0;
  if (!info || size < sizeof(BITMAPINFOHEADER)) return false;
  const BITMAPINFOHEADER& header = info->bmiHeader;
  const DWORD colours = header.biClrUsed         ? header.biClrUsed
                        : header.biBitCount <= 8 ? 1u << header.biBitCount
                                                 : 0;
  const DWORD offset = header.biSize + colours * sizeof(RGBQUAD);
  if (header.biSize < sizeof(BITMAPINFOHEADER) || colours > 256 || offset >= size ||
      header.biSizeImage > size - offset || header.biWidth <= 0 || header.biHeight <= 0 ||
      header.biWidth > 4096 || header.biHeight > 4096)
    return false;
  auto on_change = OnChange;
  OnChange = nullptr;
  SetSize(header.biWidth, header.biHeight);
  OnChange = on_change;
  const bool ok =
      bitmap_ &&
      SetDIBitsToDevice(DC(), 0, 0, header.biWidth, header.biHeight, 0, 0, 0, header.biHeight,
                        reinterpret_cast<const BYTE*>(info) + offset, info, DIB_RGB_COLORS) > 0;
  Changed();
  return ok;
}

bool TBitmap::SaveToFile(const std::string& path) const {
  if (Empty()) return false;
  const int stride = (width_ * 3 + 3) & ~3;
  const DWORD image_size = static_cast<DWORD>(stride) * static_cast<DWORD>(height_);
  BITMAPFILEHEADER fh{};
  BITMAPINFOHEADER ih{};
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof fh + sizeof ih;
  fh.bfSize = fh.bfOffBits + image_size;
  ih.biSize = sizeof ih;
  ih.biWidth = width_;
  ih.biHeight = height_;  // bottom-up rows in the file
  ih.biPlanes = 1;
  ih.biBitCount = 24;
  ih.biCompression = BI_RGB;
  ih.biSizeImage = image_size;
  std::vector<uint8_t> data(image_size);
  for (int y = 0; y < height_; ++y) {
    const uint32_t* row = ScanLine(height_ - 1 - y);
    uint8_t* out = data.data() + static_cast<size_t>(y) * stride;
    for (int x = 0; x < width_; ++x) {
      out[x * 3] = static_cast<uint8_t>(row[x]);
      out[x * 3 + 1] = static_cast<uint8_t>(row[x] >> 8);
      out[x * 3 + 2] = static_cast<uint8_t>(row[x] >> 16);
    }
  }
  os::File f = os::File::Open(path, os::OpenMode::kCreate);
  if (!f) return false;
  const auto write = [&f](const void* bytes, uint32_t size) {
    return f.Write(bytes, size) == static_cast<int32_t>(size);
  };
  bool ok = write(&fh, sizeof fh) && write(&ih, sizeof ih) && write(data.data(), image_size);
  ok = f.Close() && ok;
  if (!ok) os::RemoveFile(path);
  return ok;
}

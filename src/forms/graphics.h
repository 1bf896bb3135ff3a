// Drawing over GDI: font, pen, brush, canvas, and bitmaps over 32-bit DIB sections.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "forms/basic_types.h"

// Turns a system colour into its current RGB value; others pass unchanged.
TColor ColorToRGB(TColor color);

// Pixels per logical inch of the screen.
int ScreenPixelsPerInch();

using TFontStyles = uint8_t;
constexpr TFontStyles fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8;

// A GDI object description whose handle is made when first needed and remade after a change.
class TGraphicsObject {
 public:
  std::function<void()> OnChange;
  // Runs before the handle is freed, so that a holder can let go of it.
  std::function<void()> OnBeforeChange;
  TGraphicsObject() = default;
  TGraphicsObject(const TGraphicsObject&) = delete;
  TGraphicsObject& operator=(const TGraphicsObject&) = delete;
  virtual ~TGraphicsObject() { FreeHandle(); }

 protected:
  void Changed();
  void FreeHandle();
  mutable HGDIOBJ handle_ = nullptr;
};

class TFont : public TGraphicsObject {
 public:
  TFont() = default;
  void Assign(const TFont& other);

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  // Negative: character height in pixels; positive: cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  int Size() const;  // points
  void SetSize(int points);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  uint8_t Charset() const { return charset_; }
  void SetCharset(uint8_t charset);
  HFONT Handle() const;

 private:
  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TFontStyles style_ = 0;
  TColor color_ = clWindowText;
  uint8_t charset_ = DEFAULT_CHARSET;
};

enum TPenStyle : uint8_t { psSolid, psDash, psDot, psDashDot, psClear };

class TPen : public TGraphicsObject {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  HPEN Handle() const;

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
};

enum TBrushStyle : uint8_t { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  HBRUSH Handle() const;

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

class TBitmap;

// Draws on a device context that it either borrows or is given by a bitmap.
class TCanvas {
 public:
  TCanvas();
  explicit TCanvas(HDC dc);
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  ~TCanvas();

  HDC Handle() const { return dc_; }
  // Binds another device context (or none); the previous one gets its own objects back.
  void SetHandle(HDC dc);

  TFont& Font() { return font_; }
  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }

  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  void Rectangle(const TRect& r);
  void Ellipse(const TRect& r);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void TextOut(int x, int y, const std::string& text);
  // Text clipped to a rectangle, drawn at (x, y).
  void TextRect(const TRect& r, int x, int y, const std::string& text);
  TPoint TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).X; }
  int TextHeight(const std::string& text) { return TextExtent(text).Y; }
  // DrawTextA; with DT_CALCRECT `r` receives the measured rectangle. Returns the text height.
  int DrawText(const std::string& text, TRect& r, UINT flags);

  void Draw(int x, int y, const TBitmap& bitmap);
  void StretchDraw(const TRect& dest, const TBitmap& bitmap);
  // Copies part of a bitmap with one colour left out (the destination shows through).
  void DrawTransparent(const TRect& dest, const TBitmap& bitmap, const TRect& source,
                       TColor transparent);
  void CopyRect(const TRect& dest, TCanvas& source, const TRect& source_rect);

  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

  // Limits drawing to a rectangle until the next SetHandle or ResetClip.
  void ClipTo(const TRect& r);
  void ResetClip();

 private:
  void Select(bool pen, bool brush, bool font);
  void Deselect();

  HDC dc_ = nullptr;
  TFont font_;
  TPen pen_;
  TBrush brush_;
  HGDIOBJ old_pen_ = nullptr, old_brush_ = nullptr, old_font_ = nullptr;
  HGDIOBJ cur_pen_ = nullptr, cur_brush_ = nullptr, cur_font_ = nullptr;
};

// Draws a 3-D frame of `width` rings and shrinks `r` by it.
void Frame3D(TCanvas& canvas, TRect& r, TColor top_left, TColor bottom_right, int width);

// A 32-bit top-down DIB section with a canvas over it and direct pixel access.
class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int width, int height) { SetSize(width, height); }
  TBitmap(const TBitmap& other) { Assign(other); }
  TBitmap& operator=(const TBitmap& other) {
    if (this != &other) Assign(other);
    return *this;
  }
  ~TBitmap();

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  // Makes a new white bitmap of this size (the old picture is lost); 0 by 0 frees it.
  void SetSize(int width, int height);
  void Assign(const TBitmap& other);
  void Fill(TColor color);

  TCanvas& Canvas();
  HBITMAP Handle() const { return bitmap_; }
  // A source device context for blitting from this bitmap.
  HDC DC() const;

  // One row of pixels as 0x00RRGGBB values; nullptr outside the bitmap.
  uint32_t* ScanLine(int y);
  const uint32_t* ScanLine(int y) const;
  // As TColor (0x00BBGGRR); clNone outside the bitmap.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  // Loads any bitmap file the system reads; false (bitmap unchanged) when it cannot.
  bool LoadFromFile(const std::string& path);
  bool LoadFromResourceName(HINSTANCE instance, const std::string& name);
  // Writes a 24-bit BMP file; false when it cannot be written.
  bool SaveToFile(const std::string& path) const;

  std::function<void()> OnChange;
  // Announces a change of the picture made through the canvas or the pixels.
  void Changed() {
    if (OnChange) OnChange();
  }

 private:
  bool TakeFrom(HBITMAP source);
  void Free();

  int width_ = 0, height_ = 0;
  HBITMAP bitmap_ = nullptr;
  uint32_t* bits_ = nullptr;
  mutable HDC dc_ = nullptr;
  mutable HGDIOBJ old_bitmap_ = nullptr;
  std::unique_ptr<TCanvas> canvas_;
};

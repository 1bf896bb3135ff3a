// Reads a form's layout back as the screen shows it: every visible control inside its parent's
// client area and clear of its visible neighbours (a bevel only frames what lies inside it), and
// every caption, measured in the control's own font, within the room its control gives it
// beside its glyph. Each fault is one line naming the control.
#pragma once

#include <windows.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "os/text_encoding.h"
#include "ui/controls/active_check_box.h"
#include "ui/controls/fmt_label.h"
#include "ui/controls/glyph_box.h"
#include "ui/controls/m_button.h"
#include "ui/controls/m_radio_button.h"
#include "ui/controls/nice_button.h"
#include "ui/controls/title_bar.h"
#include "ui/core/fmt_caption.h"
#include "ui/core/nice_button_geometry.h"
#include "ui/glyphs/glyph_images.h"
#include "ui/glyphs/glyph_library.h"

namespace testing_support {

namespace layout_audit {

// The control's rectangle in its parent's client area: its window's for a windowed control.
inline TRect PlaceInParent(TControl& c) {
  if (!c.IsWindowed()) return c.BoundsRect();
  RECT r;
  GetWindowRect(static_cast<TWinControl&>(c).Handle(), &r);
  MapWindowPoints(nullptr, c.Parent()->Handle(), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

inline TRect ClientArea(TWinControl& w) {
  RECT r;
  GetClientRect(w.Handle(), &r);
  return {r.left, r.top, r.right, r.bottom};
}

inline bool Inside(const TRect& inner, const TRect& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
         inner.Bottom <= outer.Bottom;
}

inline bool Overlap(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

struct Extent {
  int width = 0;
  int height = 0;
};

// The text in `font`, on its own lines, or word-wrapped at `wrap_width` when that is positive.
inline Extent TextExtent(const TFont& font, const std::string& text, int wrap_width = 0) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font.Handle());
  RECT r{0, 0, wrap_width, 0};
  // Captions are UTF-8 and shown through the wide functions: measured the same way.
  const std::wstring wide = os::WideShown(text);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r,
            DT_CALCRECT | DT_NOPREFIX | (wrap_width > 0 ? DT_WORDBREAK : 0));
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return {r.right - r.left, r.bottom - r.top};
}

inline Extent GlyphSize(const TBitmap& strip, int count) {
  if (strip.Empty()) return {};
  return {GlyphImageWidth(strip.Width(), count), strip.Height()};
}

// Room for a caption and a glyph side by side or stacked, `gap` between them.
inline Extent Needed(Extent text, Extent glyph, TButtonLayout layout, int gap) {
  if (glyph.width == 0) return text;
  if (layout == blGlyphTop || layout == blGlyphBottom)
    return {std::max(text.width, glyph.width), text.height + gap + glyph.height};
  return {text.width + gap + glyph.width, std::max(text.height, glyph.height)};
}

inline std::string Describe(TControl& c) {
  return (c.Name().empty() ? std::string("a control") : c.Name()) + " \"" + c.Caption() + "\"";
}

inline std::string Describe(const TRect& r) {
  std::ostringstream out;
  out << "(" << r.Left << "," << r.Top << ")-(" << r.Right << "," << r.Bottom << ")";
  return out.str();
}

// The text a formatted label shows, without its formatting codes.
inline std::string FmtPlainText(TFmtLabel& label) {
  std::string plain;
  const FmtFont font{label.Font().Color(), label.Font().Size(), 0};
  for (const FmtLine& line : ParseFmtCaption(label.Caption(), font)) {
    if (!plain.empty()) plain += "\r\n";
    for (const FmtSegment& segment : line) plain += segment.text;
  }
  return plain;
}

// The size of a label's text in its font, wrapped as the label wraps it.
inline Extent LabelText(TLabel& label) {
  const int wrap = label.WordWrap() ? label.Width() : 0;
  if (auto* f = dynamic_cast<TFmtLabel*>(&label))
    return TextExtent(label.Font(), FmtPlainText(*f), wrap);
  const std::string text = label.Caption();
  return TextExtent(label.Font(), label.ShowAccelChar() ? StripAccel(text) : text, wrap);
}

class Auditor {
 public:
  std::vector<std::string> faults;

  void Form(TWinControl& root) { Children(root); }

 private:
  void Fault(TControl& c, const std::string& what) { faults.push_back(Describe(c) + ": " + what); }

  void Fits(TControl& c, const char* what, Extent needed, Extent room) {
    if (needed.width <= room.width && needed.height <= room.height) return;
    std::ostringstream out;
    out << what << " needs " << needed.width << "x" << needed.height << ", has " << room.width
        << "x" << room.height;
    Fault(c, out.str());
  }

  void Children(TWinControl& parent) {
    const TRect area = ClientArea(parent);
    std::vector<TControl*> shown;
    for (int i = 0; i < parent.ControlCount(); ++i) {
      TControl* c = parent.Controls(i);
      if (!c->Visible() || c->Width() <= 0 || c->Height() <= 0) continue;
      shown.push_back(c);
      const TRect place = Footprint(*c);
      if (!Inside(place, area))
        Fault(*c, Describe(place) + " reaches outside " + Describe(parent) + " " + Describe(area));
      Caption(*c);
      if (c->IsWindowed()) Children(static_cast<TWinControl&>(*c));
    }
    for (size_t i = 0; i < shown.size(); ++i)
      for (size_t j = i + 1; j < shown.size(); ++j) Neighbours(*shown[i], *shown[j]);
  }

  void Neighbours(TControl& a, TControl& b) {
    const TRect ra = Footprint(a), rb = Footprint(b);
    const bool a_frames = dynamic_cast<TBevel*>(&a) != nullptr;
    const bool b_frames = dynamic_cast<TBevel*>(&b) != nullptr;
    if (a_frames || b_frames) {
      // A frame holds a control whole or leaves it alone.
      if (Overlap(ra, rb) && !(a_frames && Inside(rb, ra)) && !(b_frames && Inside(ra, rb)))
        Fault(a_frames ? b : a, "half inside the frame " + Describe(a_frames ? a : b));
      return;
    }
    if (Overlap(ra, rb)) Fault(a, Describe(ra) + " overlaps " + Describe(b) + " " + Describe(rb));
  }

  void Caption(TControl& c) {
    const std::string text = c.Caption();
    const Extent client{c.ClientWidth(), c.ClientHeight()};
    if (auto* bar = dynamic_cast<TTitleBar*>(&c)) {
      const TRect box = bar->CaptionRect();
      Fits(c, "the title", TextExtent(c.Font(), text), {box.Width(), c.Height()});
    } else if (auto* b = dynamic_cast<TMButton*>(&c)) {
      if (!b->CaptionVisible()) return;
      const Extent glyph =
          GlyphSize(b->Glyph().Empty() ? KindGlyph(b->Kind()) : b->Glyph(), b->NumGlyphs());
      // Two pixels of each edge are the button's frame.
      Fits(c, "caption and glyph",
           Needed(TextExtent(c.Font(), StripAccel(text)), glyph, b->ButtonLayout(),
                  std::max(b->Spacing(), 0)),
           {client.width - 4, client.height - 4});
    } else if (auto* n = dynamic_cast<TNiceButton*>(&c)) {
      if (!n->CaptionVisible()) return;
      // The caption goes between the caps of the face, which is cut from its picture.
      const TBitmap& face = GlyphImage(kButtonFaceImage);
      const bool glyph =
          n->Kind() == mkCustom ? !n->Glyph().Empty() : !NiceKindGlyph(n->Kind()).Empty();
      const SliceRect area =
          LayoutNiceButton({c.Width(), c.Height(), face.Width(), face.Height(), NiceLook::kNormal,
                            glyph, n->InsideDraw(), n->Stretch()})
              .caption;
      Fits(c, "the caption", TextExtent(c.Font(), StripAccel(text)), {area.width, area.height});
    } else if (dynamic_cast<TMRadioButton*>(&c) || dynamic_cast<TActiveCheckBox*>(&c)) {
      const bool radio = dynamic_cast<TMRadioButton*>(&c) != nullptr;
      const Extent box = GlyphSize(GlyphImage(radio ? "Radio" : "Check"), radio ? 2 : 3);
      Fits(c, "caption and box",
           Needed(TextExtent(c.Font(), StripAccel(text)), box, blGlyphLeft, kGlyphBoxGap), client);
    } else if (auto* l = dynamic_cast<TLabel*>(&c)) {
      Fits(c, "the text", LabelText(*l), client);
    } else if (auto* m = dynamic_cast<TMemo*>(&c)) {
      std::string lines;
      for (int i = 0; i < m->Lines().Count(); ++i) lines += (i ? "\r\n" : "") + m->Lines()[i];
      // The edit control keeps a margin of a few pixels at each side, and a scroll bar when
      // it has one.
      const int width = client.width - 6;
      const Extent needed = TextExtent(c.Font(), lines, m->WordWrap ? width : 0);
      Fits(c, "the lines", {needed.width, m->VerticalScrollBar ? 0 : needed.height},
           {width, client.height});
    } else if (dynamic_cast<TCustomEdit*>(&c)) {
      Fits(c, "a line", {0, TextExtent(c.Font(), "Wg").height}, client);
    } else if (auto* d = dynamic_cast<TDirectoryListBox*>(&c)) {
      Fits(c, "an item", {0, TextExtent(c.Font(), "Wg").height}, {client.width, d->ItemHeight()});
    } else if (auto* p = dynamic_cast<TPanel*>(&c); p && p->ControlCount() == 0 && !text.empty()) {
      // A panel that holds controls only frames them; a bare one shows its caption.
      Fits(c, "the caption", TextExtent(c.Font(), StripAccel(text)),
           {client.width - 4, client.height - 2});
    }
  }

  // What a control covers: a label only its text, placed as the label aligns it.
  static TRect Footprint(TControl& c) {
    auto* label = dynamic_cast<TLabel*>(&c);
    if (!label || c.Caption().empty()) return PlaceInParent(c);
    const Extent text = LabelText(*label);
    int left = c.Left();
    if (label->Alignment() == taCenter) left += (c.Width() - text.width) / 2;
    if (label->Alignment() == taRightJustify) left += c.Width() - text.width;
    return Bounds(left, c.Top(), text.width, text.height);
  }
};

}  // namespace layout_audit

// What is out of place in `form` as it shows now; empty when nothing is.
inline std::vector<std::string> LayoutFaults(TWinControl& form) {
  layout_audit::Auditor auditor;
  auditor.Form(form);
  return auditor.faults;
}

}  // namespace testing_support

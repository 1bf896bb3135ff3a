// Where the formatted label's lines and segments go: the label grows (never shrinks) to hold its
// lines, is placed in its parent by its own alignment, and each line by the text alignment.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "ui/core/fmt_caption.h"
#include "ui/message/mesaj_dlg.h"

enum TMAlign : uint8_t { alMNone, alMTop, alMBottom, alMLeft, alMRight, alMCenter };

struct FmtMetrics {
  std::function<int(const FmtFont&, std::string_view)> text_width;
  std::function<int(const FmtFont&)> font_height;
};

// Breaks lines wider than `max_width` between words; a word wider than that keeps a line to
// itself. Lines that fit are left alone.
std::vector<FmtLine> WrapFmtLines(const std::vector<FmtLine>& lines, int max_width,
                                  const FmtMetrics& metrics);

struct FmtPlacedSegment {
  const FmtSegment* segment;
  int left;  // in the label
  int top;   // bottoms of a line's segments are level
  int width;
  int height;
};

struct FmtPlacedLine {
  int left;
  int top;
  int width;
  int height;
  std::vector<FmtPlacedSegment> segments;
};

struct FmtLabelBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const FmtLabelBounds&) const = default;
};

struct FmtLabelLayout {
  FmtLabelBounds bounds;       // in the parent
  std::vector<FmtLine> lines;  // after wrapping; placed segments point into these
  std::vector<FmtPlacedLine> placed;
};

struct FmtLayoutInput {
  std::vector<FmtLine> lines;
  FmtLabelBounds bounds;  // the label as it stands
  int parent_width = 0;   // client size of its parent
  int parent_height = 0;
  TMAlign align = alMNone;
  TAlignment alignment = taLeftJustify;
  bool word_wrap = false;  // wrap at the label's current width
};

FmtLabelLayout LayoutFmtLabel(FmtLayoutInput in, const FmtMetrics& metrics);

// A shadowed segment is first drawn this far right and down in the shadow colour.
constexpr int kFmtShadowOffset = 1;
// Period of a blinking segment's timer.
constexpr int kFmtBlinkMilliseconds = 300;

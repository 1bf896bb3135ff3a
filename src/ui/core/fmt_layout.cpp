#include "ui/core/fmt_layout.h"

#include <algorithm>
#include <cctype>

namespace {

int LineWidth(const FmtLine& line, const FmtMetrics& m) {
  int w = 0;
  for (const FmtSegment& s : line) w += s.text.empty() ? 0 : m.text_width(s.font, s.text);
  return w;
}

int LineHeight(const FmtLine& line, const FmtMetrics& m) {
  int h = 0;
  for (const FmtSegment& s : line) h = std::max(h, m.font_height(s.font));
  return h;
}

// A stretch of one segment's text: all spaces or none.
struct Piece {
  size_t segment;
  std::string text;
  bool space;
};

// Builds wrapped lines piece by piece, merging neighbouring pieces of one segment.
class LineBuilder {
 public:
  LineBuilder(const FmtLine& source, std::vector<FmtLine>& out) : source_(source), out_(out) {}

  void Add(const Piece& p) {
    FmtLine& line = Line();
    if (!line.empty() && last_segment_ == p.segment) {
      line.back().text += p.text;
    } else {
      FmtSegment s = source_[p.segment];
      s.text = p.text;
      line.push_back(std::move(s));
      last_segment_ = p.segment;
    }
  }
  void Break() { open_ = false; }

 private:
  FmtLine& Line() {
    if (!open_) {
      out_.emplace_back();
      open_ = true;
      last_segment_ = static_cast<size_t>(-1);
    }
    return out_.back();
  }

  const FmtLine& source_;
  std::vector<FmtLine>& out_;
  bool open_ = false;
  size_t last_segment_ = 0;
};

void WrapLine(const FmtLine& line, int max_width, const FmtMetrics& m, std::vector<FmtLine>& out) {
  // Words: the spaces before them, then their non-space pieces (which may span segments).
  struct Word {
    std::vector<Piece> spaces, body;
    int spaces_width = 0, body_width = 0;
  };
  std::vector<Word> words(1);
  for (size_t si = 0; si < line.size(); ++si) {
    const FmtSegment& seg = line[si];
    if (seg.text.empty()) words.back().body.push_back({si, "", false});
    size_t i = 0;
    while (i < seg.text.size()) {
      const bool space = seg.text[i] == ' ';
      size_t j = i;
      while (j < seg.text.size() && (seg.text[j] == ' ') == space) ++j;
      Piece p{si, seg.text.substr(i, j - i), space};
      const int w = m.text_width(seg.font, p.text);
      if (space) {
        if (!words.back().body.empty()) words.emplace_back();
        words.back().spaces.push_back(std::move(p));
        words.back().spaces_width += w;
      } else {
        words.back().body.push_back(std::move(p));
        words.back().body_width += w;
      }
      i = j;
    }
  }

  const size_t first = out.size();
  LineBuilder builder(line, out);
  int width = 0;
  bool line_has_word = false;
  bool first_line = true;
  for (const Word& word : words) {
    const bool fits = width + word.spaces_width + word.body_width <= max_width;
    if (line_has_word && !fits) {
      builder.Break();
      width = 0;
      line_has_word = false;
      first_line = false;
    }
    // Spaces at a break are dropped; those that open the text are kept.
    if (line_has_word || first_line) {
      for (const Piece& p : word.spaces) builder.Add(p);
      width += word.spaces_width;
    }
    for (const Piece& p : word.body) builder.Add(p);
    width += word.body_width;
    if (!word.body.empty()) line_has_word = true;
  }
  // Not reached for a line wider than the limit, which has at least one word; kept for safety.
  if (out.size() == first) out.push_back({FmtSegment{"", line.front().font, false, false}});
}

}  // namespace

std::vector<FmtLine> WrapFmtLines(const std::vector<FmtLine>& lines, int max_width,
                                  const FmtMetrics& metrics) {
  std::vector<FmtLine> out;
  for (const FmtLine& line : lines) {
    if (line.empty() || LineWidth(line, metrics) <= max_width) {
      out.push_back(line);
    } else {
      WrapLine(line, max_width, metrics, out);
    }
  }
  return out;
}

FmtLabelLayout LayoutFmtLabel(FmtLayoutInput in, const FmtMetrics& metrics) {
  FmtLabelLayout layout;
  layout.bounds = in.bounds;
  layout.lines = in.word_wrap && in.bounds.width > 0
                     ? WrapFmtLines(in.lines, in.bounds.width, metrics)
                     : std::move(in.lines);

  int widest = 0, total_height = 0;
  std::vector<int> widths, heights;
  for (const FmtLine& line : layout.lines) {
    widths.push_back(LineWidth(line, metrics));
    heights.push_back(LineHeight(line, metrics));
    widest = std::max(widest, widths.back());
    total_height += heights.back();
  }

  FmtLabelBounds& b = layout.bounds;
  b.width = std::max(b.width, widest);
  b.height = std::max(b.height, total_height);
  switch (in.align) {
    case alMTop:
      b.top = 1;
      break;
    case alMBottom:
      b.top = in.parent_height - b.height - 1;
      break;
    case alMLeft:
      b.left = 1;
      break;
    case alMRight:
      b.left = in.parent_width - b.width - 2;
      break;
    case alMCenter:
      b.left = (in.parent_width - b.width) / 2;
      b.top = (in.parent_height - b.height) / 2;
      break;
    case alMNone:
      break;
  }

  int top = 0;
  for (size_t i = 0; i < layout.lines.size(); ++i) {
    FmtPlacedLine placed{0, top, widths[i], heights[i], {}};
    if (in.alignment == taRightJustify) {
      placed.left = b.width - widths[i];
    } else if (in.alignment == taCenter) {
      placed.left = (b.width - widths[i]) / 2;
    }
    int x = placed.left;
    for (const FmtSegment& s : layout.lines[i]) {
      const int w = s.text.empty() ? 0 : metrics.text_width(s.font, s.text);
      const int h = metrics.font_height(s.font);
      placed.segments.push_back({&s, x, top + heights[i] - h, w, h});
      x += w;
    }
    layout.placed.push_back(std::move(placed));
    top += heights[i];
  }
  return layout;
}

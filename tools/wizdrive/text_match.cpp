#include "text_match.h"

namespace wizdrive {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::string CollapseBlanks(std::string_view text) {
  std::string out;
  bool pending_blank = false;
  for (char c : text) {
    if (IsBlank(c)) {
      pending_blank = !out.empty();
      continue;
    }
    if (pending_blank) out += ' ';
    pending_blank = false;
    out += c;
  }
  return out;
}

std::string StripAccelerators(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

CaptionMatch MatchCaption(std::string_view caption, std::string_view query) {
  const std::string c = CollapseBlanks(caption);
  const std::string q = CollapseBlanks(query);
  if (q.empty()) return CaptionMatch::kNone;
  if (c == q) return CaptionMatch::kExact;
  const std::string cs = StripAccelerators(c);
  const std::string qs = StripAccelerators(q);
  if (cs == qs) return CaptionMatch::kStripped;
  if (cs.find(qs) != std::string::npos) return CaptionMatch::kContains;
  return CaptionMatch::kNone;
}

bool ShowsText(std::string_view text, std::string_view query) {
  const std::string t = CollapseBlanks(text);
  const std::string q = CollapseBlanks(query);
  if (q.empty()) return true;
  return t.find(q) != std::string::npos ||
         StripAccelerators(t).find(StripAccelerators(q)) != std::string::npos;
}

}  // namespace wizdrive

#include "window_tree.h"

#include <algorithm>
#include <cctype>
#include <functional>

#include "text_match.h"

namespace wizdrive {

namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  for (auto& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// Visits the visible controls of a window in the system's order, depth first.
void ForEachVisible(const WindowNode& window, const std::function<void(const WindowNode&)>& f) {
  for (const auto& child : window.children) {
    if (!child.visible) continue;
    f(child);
    ForEachVisible(child, f);
  }
}

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out + "\"";
}

void Format(const WindowNode& w, int depth, std::string* out) {
  out->append(static_cast<size_t>(depth) * 2, ' ');
  *out += w.class_name + " " + Quote(w.text);
  if (!w.visible) *out += " hidden";
  if (!w.enabled) *out += " disabled";
  *out += " (" + std::to_string(w.rect.left) + "," + std::to_string(w.rect.top) + " " +
          std::to_string(w.rect.right - w.rect.left) + "x" +
          std::to_string(w.rect.bottom - w.rect.top) + ")\n";
  for (const auto& child : w.children) Format(child, depth + 1, out);
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The toolkit's panels and group boxes are windows of its own class; its buttons, fields and
// lists are the system's.
bool IsFrame(const WindowNode& w) {
  return w.class_name == "VortWindow";
}

std::string Place(const Rect& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

std::string Name(const WindowNode& w) {
  std::string text = CollapseBlanks(w.text);
  if (text.size() > 40) text = text.substr(0, 40) + "...";
  return w.class_name + " \"" + text + "\"";
}

void AuditChildren(const WindowNode& parent, std::vector<std::string>* faults) {
  std::vector<const WindowNode*> shown;
  for (const auto& c : parent.children) {
    if (!c.visible || c.rect.right <= c.rect.left || c.rect.bottom <= c.rect.top) continue;
    shown.push_back(&c);
    if (!Inside(c.rect, parent.client)) {
      faults->push_back(Name(c) + " " + Place(c.rect) + " reaches outside " + Name(parent) + " " +
                        Place(parent.client));
    }
    const int height = c.client.bottom - c.client.top;
    if (c.lines_bottom > height) {
      faults->push_back(Name(c) + " needs " + std::to_string(c.lines_bottom) +
                        " pixels for its lines, has " + std::to_string(height));
    }
    AuditChildren(c, faults);
  }
  for (size_t i = 0; i < shown.size(); ++i) {
    for (size_t j = i + 1; j < shown.size(); ++j) {
      const WindowNode& a = *shown[i];
      const WindowNode& b = *shown[j];
      if (!Overlap(a.rect, b.rect)) continue;
      if ((IsFrame(a) && Inside(b.rect, a.rect)) || (IsFrame(b) && Inside(a.rect, b.rect))) {
        continue;
      }
      faults->push_back(Name(a) + " " + Place(a.rect) + " overlaps " + Name(b) + " " +
                        Place(b.rect));
    }
  }
}

}  // namespace

bool IsEditClass(std::string_view class_name) {
  return Lower(class_name).find("edit") != std::string::npos;
}

bool IsButtonClass(std::string_view class_name) {
  return Lower(class_name) == "button";
}

const WindowNode* FindWindowByCaption(const Desktop& desktop, std::string_view text) {
  for (const auto& w : desktop) {
    if (w.visible && ShowsText(w.text, text)) return &w;
  }
  return nullptr;
}

bool WindowShows(const WindowNode& window, std::string_view text) {
  if (ShowsText(window.text, text)) return true;
  bool found = false;
  ForEachVisible(window, [&](const WindowNode& c) { found = found || ShowsText(c.text, text); });
  return found;
}

const WindowNode* FindWindowShowing(const Desktop& desktop, std::string_view text) {
  for (const auto& w : desktop) {
    if (w.visible && WindowShows(w, text)) return &w;
  }
  return nullptr;
}

ClickTarget FindClickTarget(const Desktop& desktop, std::string_view caption) {
  ClickTarget result;
  for (const auto& w : desktop) {
    if (!w.visible || !w.enabled) continue;
    CaptionMatch best = CaptionMatch::kNone;
    std::vector<const WindowNode*> answers;
    ForEachVisible(w, [&](const WindowNode& c) {
      const CaptionMatch m = MatchCaption(c.text, caption);
      if (m == CaptionMatch::kNone || m < best) return;
      if (m > best) answers.clear();
      best = m;
      answers.push_back(&c);
    });
    if (answers.empty()) continue;
    result.window = &w;
    if (answers.size() > 1) {
      result.problem = "\"" + std::string(caption) + "\" answers " +
                       std::to_string(answers.size()) + " controls:";
      for (const auto* a : answers) result.problem += " \"" + a->text + "\"";
      return result;
    }
    if (!answers[0]->enabled) {
      result.problem = "\"" + answers[0]->text + "\" is disabled";
      return result;
    }
    result.control = answers[0];
    return result;
  }
  return result;
}

const WindowNode* FindField(const WindowNode& window, const Field& field, std::string* problem) {
  std::vector<const WindowNode*> order;
  ForEachVisible(window, [&](const WindowNode& c) { order.push_back(&c); });
  auto is_edit = [](const WindowNode* c) { return IsEditClass(c->class_name); };
  if (field.index > 0) {
    int n = 0;
    for (const auto* c : order) {
      if (is_edit(c) && ++n == field.index) return c;
    }
    *problem =
        "the window has " + std::to_string(n) + " edit fields, not " + std::to_string(field.index);
    return nullptr;
  }
  auto label = std::find_if(order.begin(), order.end(), [&](const WindowNode* c) {
    return !is_edit(c) && MatchCaption(c->text, field.label) != CaptionMatch::kNone;
  });
  if (label == order.end()) {
    *problem = "no label \"" + field.label + "\"";
    return nullptr;
  }
  auto edit = std::find_if(label + 1, order.end(), is_edit);
  if (edit == order.end()) {
    *problem = "no edit field after \"" + (*label)->text + "\"";
    return nullptr;
  }
  return *edit;
}

std::vector<std::string> LayoutFaults(const WindowNode& window, const Rect& screen) {
  std::vector<std::string> faults;
  if (!Inside(window.rect, screen)) {
    faults.push_back(Name(window) + " " + Place(window.rect) + " reaches off the screen " +
                     Place(screen));
  }
  AuditChildren(window, &faults);
  return faults;
}

std::string FormatTree(const WindowNode& window) {
  std::string out;
  Format(window, 0, &out);
  return out;
}

}  // namespace wizdrive

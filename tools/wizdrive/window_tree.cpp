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

std::string FormatTree(const WindowNode& window) {
  std::string out;
  Format(window, 0, &out);
  return out;
}

}  // namespace wizdrive

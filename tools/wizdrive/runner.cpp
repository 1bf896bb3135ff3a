#include "runner.h"

#include <windows.h>

#include <cstdio>
#include <functional>
#include <vector>

#include "text_match.h"
#include "win_desktop.h"
#include "win_input.h"
#include "win_process.h"
#include "win_screenshot.h"
#include "window_tree.h"

namespace wizdrive {

namespace {

constexpr DWORD kPollMs = 100;

// Tries `attempt` until it succeeds or the time is up; true when it succeeded.
bool Poll(int timeout_ms, const std::function<bool()>& attempt) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (attempt()) return true;
    if (GetTickCount() - start >= static_cast<DWORD>(timeout_ms)) return false;
    Sleep(kPollMs);
  }
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class Runner {
 public:
  Runner(const RunOptions& options, std::ostream& out, std::ostream& err)
      : options_(options), timeout_ms_(options.timeout_ms), out_(out), err_(err) {}

  int Run(const Script& script) {
    for (const Action& a : script.actions) {
      char elapsed[32];
      snprintf(elapsed, sizeof elapsed, "%.1f s", (GetTickCount() - start_) / 1000.0);
      out_ << "wizdrive: " << elapsed << " line " << a.line << ": " << a.source << std::endl;
      const std::string error = Do(a);
      if (!error.empty()) {
        Fail(a, error);
        return 1;
      }
    }
    return 0;
  }

 private:
  std::string Do(const Action& a) {
    switch (a.verb) {
      case Verb::kWaitWindow:
        return WaitFor(a.text, &FindWindowByCaption, "window with the caption");
      case Verb::kWaitText:
        return WaitFor(a.text, &FindWindowShowing, "window showing");
      case Verb::kWaitGone:
        return WaitGone(a.text);
      case Verb::kClick:
        return Click(a.text, false);
      case Verb::kClickMouse:
        return Click(a.text, true);
      case Verb::kClickAt: {
        const HWND w = Target();
        if (w == nullptr) return "no window to click in";
        ClickAt(w, a.x, a.y);
        return "";
      }
      case Verb::kType:
        return Type(a.field, a.text);
      case Verb::kKey: {
        const HWND w = Target();
        if (w == nullptr) return "no window to press a key in";
        PressKey(w, a.key);
        return "";
      }
      case Verb::kExpectText:
        return ExpectText(a.text);
      case Verb::kExpectField:
        return ExpectField(a.field, a.text);
      case Verb::kExpectLayout:
        return ExpectLayout();
      case Verb::kDump:
        Dump(out_);
        return "";
      case Verb::kShot:
        return Shot(a.text, a.whole_window);
      case Verb::kWaitExit:
        return Poll(timeout_ms_, [&] { return !ProgramRunning(a.text); })
                   ? ""
                   : a.text + " is still running after " + Seconds();
      case Verb::kDisk:
        return Disk(a.x);
      case Verb::kTimeout:
        timeout_ms_ = a.milliseconds;
        return "";
      case Verb::kSleep:
        Sleep(static_cast<DWORD>(a.milliseconds));
        return "";
      case Verb::kEcho:
        out_ << a.text << std::endl;
        return "";
      case Verb::kClose: {
        const HWND w = Target();
        if (w == nullptr) return "no window to close";
        AskToClose(w);
        return "";
      }
    }
    return "unknown action";
  }

  using Finder = const WindowNode* (*)(const Desktop&, std::string_view);

  std::string WaitFor(const std::string& text, Finder find, const char* what) {
    const bool found = Poll(timeout_ms_, [&] {
      const Desktop desktop = TakeDesktop();
      const WindowNode* w = find(desktop, text);
      if (w != nullptr) current_ = w->handle;
      return w != nullptr;
    });
    return found ? "" : std::string("no ") + what + " \"" + text + "\" within " + Seconds();
  }

  // Waits for the windows showing the text now to close; a window that opens meanwhile with
  // the same text (the same question asked again) is a new one and does not count.
  std::string WaitGone(const std::string& text) {
    std::vector<uintptr_t> showing;
    for (const auto& w : TakeDesktop()) {
      if (w.visible && WindowShows(w, text)) showing.push_back(w.handle);
    }
    const bool gone = Poll(timeout_ms_, [&] {
      for (uintptr_t h : showing) {
        if (IsShown(h)) return false;
      }
      return true;
    });
    return gone ? "" : "\"" + text + "\" is still shown after " + Seconds();
  }

  std::string Click(const std::string& caption, bool real_mouse) {
    std::string problem;
    const bool done = Poll(timeout_ms_, [&] {
      const Desktop desktop = TakeDesktop();
      const ClickTarget target = FindClickTarget(desktop, caption);
      problem = target.problem;
      if (target.control == nullptr) return false;
      current_ = target.window->handle;
      if (!real_mouse) {
        ClickControl(*target.control);
        return true;
      }
      problem = ClickWithMouse(*target.control);
      return problem.empty();
    });
    if (done) return "";
    if (problem.empty()) problem = "no enabled window shows \"" + caption + "\"";
    return "cannot click within " + Seconds() + ": " + problem;
  }

  std::string Type(const Field& field, const std::string& text) {
    std::string problem;
    HWND edit = nullptr;
    const bool found = Poll(timeout_ms_, [&] {
      const Desktop desktop = TakeDesktop();
      const WindowNode* window = TargetIn(desktop);
      if (window == nullptr) {
        problem = "no window to type in";
        return false;
      }
      const WindowNode* e = FindField(*window, field, &problem);
      if (e != nullptr) edit = AsHwnd(e->handle);
      return e != nullptr;
    });
    if (!found) return problem;
    TypeInto(edit, text);
    std::string shown;
    if (Poll(timeout_ms_, [&] { return (shown = ReadWindowText(edit)) == text; })) return "";
    return "the field shows \"" + shown + "\" after typing \"" + text + "\"";
  }

  std::string ExpectText(const std::string& text) {
    const bool seen = Poll(timeout_ms_, [&] {
      const Desktop desktop = TakeDesktop();
      if (IsShown(current_)) {
        for (const auto& w : desktop) {
          if (w.handle == current_) return WindowShows(w, text);
        }
        return false;
      }
      return FindWindowShowing(desktop, text) != nullptr;
    });
    return seen ? "" : "\"" + text + "\" is not shown within " + Seconds();
  }

  std::string ExpectField(const Field& field, const std::string& text) {
    std::string problem;
    const bool seen = Poll(timeout_ms_, [&] {
      const Desktop desktop = TakeDesktop();
      const WindowNode* window = TargetIn(desktop);
      const WindowNode* e = window ? FindField(*window, field, &problem) : nullptr;
      if (e == nullptr) return false;
      problem = "the field shows \"" + e->text + "\", not \"" + text + "\"";
      return e->text == text;
    });
    return seen ? "" : problem;
  }

  // Looked at until whole, as a person would after the window has settled.
  std::string ExpectLayout() {
    std::vector<std::string> faults;
    const bool whole = Poll(timeout_ms_, [&] {
      const Desktop desktop = TakeDesktop();
      const WindowNode* shown = TargetIn(desktop);
      faults = {"no window to check"};
      if (shown == nullptr) return false;
      WindowNode window = *shown;
      MeasureLines(&window);
      faults = LayoutFaults(window, ScreenOf(window.handle));
      return faults.empty();
    });
    if (whole) return "";
    std::string error = "the layout is still wrong after " + Seconds() + ":";
    for (const auto& f : faults) error += "\nwizdrive:   " + f;
    return error;
  }

  std::string Shot(const std::string& name, bool window_only) {
    if (options_.shots_dir.empty()) return "no folder for shots was given (--shots)";
    RECT r{};
    if (window_only) {
      const HWND w = Target();
      if (w == nullptr || !GetWindowRect(w, &r)) return "no window to take a picture of";
    }
    return SaveScreenshot(window_only ? &r : nullptr, options_.shots_dir + "\\" + name + ".bmp");
  }

  std::string Disk(int number) {
    const std::string& path = options_.handshake;
    if (path.empty()) return "no handshake file was given (--handshake)";
    // Whoever watches for the file must never find it empty: it is written whole beside its
    // place and then renamed into it.
    const std::string partial = path + ".partial";
    HANDLE file = CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "cannot create the handshake file " + partial;
    const std::string content = std::to_string(number) + "\r\n";
    DWORD written = 0;
    const bool complete =
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
        written == content.size();
    CloseHandle(file);
    if (!complete || !MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
      DeleteFileA(partial.c_str());
      return "cannot write the handshake file " + path;
    }
    out_ << "wizdrive: disk " << number << std::endl;
    if (Poll(timeout_ms_, [&] { return !FileExists(path); })) return "";
    DeleteFileA(path.c_str());
    return "disk " + std::to_string(number) + " was not inserted within " + Seconds();
  }

  // The window an action without a caption of its own acts on: the one last waited for or
  // clicked in, while it is shown, otherwise the topmost enabled window.
  const WindowNode* TargetIn(const Desktop& desktop) const {
    for (const auto& w : desktop) {
      if (w.handle == current_ && w.visible) return &w;
    }
    for (const auto& w : desktop) {
      if (w.visible && w.enabled) return &w;
    }
    return nullptr;
  }
  HWND Target() const {
    const Desktop desktop = TakeDesktop();
    const WindowNode* w = TargetIn(desktop);
    return w ? AsHwnd(w->handle) : nullptr;
  }

  void Dump(std::ostream& to) const {
    const Desktop desktop = TakeDesktop();
    bool any = false;
    for (const auto& w : desktop) {
      if (IsShown(current_) && w.handle != current_) continue;
      to << FormatTree(w);
      any = true;
    }
    if (!any) to << "(no windows)\n";
    to.flush();
  }

  void Fail(const Action& a, const std::string& error) {
    err_ << "wizdrive: line " << a.line << ": " << a.source << "\nwizdrive: " << error
         << "\nwizdrive: windows on the screen:\n";
    current_ = 0;
    Dump(err_);
    if (!options_.shots_dir.empty()) {
      SaveScreenshot(nullptr,
                     options_.shots_dir + "\\failure-line" + std::to_string(a.line) + ".bmp");
    }
  }

  std::string Seconds() const {
    char text[32];
    snprintf(text, sizeof text, "%g s", timeout_ms_ / 1000.0);
    return text;
  }

  const RunOptions& options_;
  int timeout_ms_;
  std::ostream& out_;
  std::ostream& err_;
  uintptr_t current_ = 0;
  const DWORD start_ = GetTickCount();
};

}  // namespace

int RunScript(const Script& script, const RunOptions& options, std::ostream& out,
              std::ostream& err) {
  return Runner(options, out, err).Run(script);
}

}  // namespace wizdrive

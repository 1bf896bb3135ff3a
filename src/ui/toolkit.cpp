#include "ui/toolkit.h"

#include <windows.h>

#include <cstdio>
#include <memory>

#include "log/debug_log.h"
#include "os/os.h"
#include "ui/core/color.h"
#include "ui/glyphs/glyph_library.h"
#include "ui/glyphs/mesaj_form.h"

namespace {

struct ToolkitState {
  std::unique_ptr<TBitmap> empty;
  bool high_colour = false;
  const TBitmap* flat_face = nullptr;
  const TBitmap* icon_face = nullptr;
  WorkAreaLimits work_area{0, 0};
  bool started = false;
};

ToolkitState& State() {
  static ToolkitState state;
  return state;
}

std::string NowText() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  char text[32];
  std::snprintf(text, sizeof text, "%02u.%02u.%04u %02u:%02u:%02u", t.wDay, t.wMonth, t.wYear,
                t.wHour, t.wMinute, t.wSecond);
  return text;
}

}  // namespace

ScreenRect TaskbarRect() {
  RECT r{};
  HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  if (!taskbar || !GetWindowRect(taskbar, &r)) return {};
  return {r.left, r.top, r.right, r.bottom};
}

void StartToolkit() {
  ToolkitState& s = State();
  if (s.started) return;
  // The title bar's markers; before the first session there is no file to take them, and
  // writing to none would switch the log off for the whole run.
  if (DebugSessionOpen()) {
    DebugBegin("Title init");
    DebugEnd("Title init");
  }
  s.empty = std::make_unique<TBitmap>();
  s.high_colour = Screen.BitsPerPixel() > 8;
  Mesaj = CreateForm<TMesaj>(nullptr, s.high_colour, os::DirectoryOf(os::ProgramPath()));
  Mesaj->SetName("Mesaj");
  Mesaj->SetCaption(NowText());
  s.flat_face = &Mesaj->Picture(kButtonFaceImage);
  s.icon_face = &Mesaj->Picture(kTitleIconFaceImage);
  Application.HintColor = ::HintColor(s.high_colour);
  s.work_area = ComputeWorkAreaLimits(TaskbarRect(), Screen.Width(), Screen.Height());
  s.started = true;
}

void StopToolkit() {
  ToolkitState& s = State();
  s.flat_face = s.icon_face = nullptr;
  delete Mesaj;
  Mesaj = nullptr;
  s.empty.reset();
  s.started = false;
}

const TBitmap& EmptyBitmap() {
  // Lookups made outside a started toolkit still get an empty picture.
  static const TBitmap fallback;
  const ToolkitState& s = State();
  return s.empty ? *s.empty : fallback;
}

bool HighColor() {
  return State().high_colour;
}

const TBitmap& FlatButtonFace() {
  return State().flat_face ? *State().flat_face : EmptyBitmap();
}

const TBitmap& TitleIconFace() {
  return State().icon_face ? *State().icon_face : EmptyBitmap();
}

WorkAreaLimits WorkArea() {
  return State().work_area;
}

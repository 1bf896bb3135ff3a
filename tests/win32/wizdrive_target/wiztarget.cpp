// A small program for the driver to drive, with the kinds of windows the wizard shows.
//   WIZTARGET.EXE --log FILE                     a form: push buttons, radio items, two edit
//                                                fields, a painted button, a message box
//   WIZTARGET.EXE --log FILE --ask-disk N [--disk-dir DIR]
//                                                asks for disk N with painted O&K/&Renunt
//                                                until DIR\DISKN exists (DIR defaults to A:)
// Every event is appended to the log file, one line each.
#include <windows.h>

#include <cstdio>
#include <string>

#include "painted_button.h"

namespace {

std::string g_log_path;

void Log(const std::string& line) {
  if (FILE* f = std::fopen(g_log_path.c_str(), "ab")) {
    std::fprintf(f, "%s\r\n", line.c_str());
    std::fclose(f);
  }
}

std::string TextOf(HWND w) {
  char text[512] = "";
  GetWindowTextA(w, text, sizeof text);
  return text;
}

HWND Add(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int cx, int cy,
         int id) {
  return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

enum FormId {
  kContinue = 1,
  kAbandon = 2,
  kRadioLocal = 10,
  kRadioClient = 12,
  kProgramDir = 20,
  kDataDir = 21,
  kPainted = 30,
  kMessage = 31,
};

LRESULT CALLBACK FormProc(HWND w, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
    const int id = LOWORD(wparam);
    if (id == kContinue) {
      Log("continue " + TextOf(GetDlgItem(w, kProgramDir)) + "|" + TextOf(GetDlgItem(w, kDataDir)));
    } else if (id == kAbandon) {
      Log("abandon");
      DestroyWindow(w);
    } else if (id >= kRadioLocal && id <= kRadioClient) {
      Log("radio " + std::to_string(id - kRadioLocal));
    } else if (id == kPainted) {
      Log("painted");
    } else if (id == kMessage) {
      const int r =
          MessageBoxA(w, "introdu discul de instalare cu numarul \r2", "Atentie !", MB_OKCANCEL);
      Log("message " + std::to_string(r));
    }
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(w, message, wparam, lparam);
}

int RunForm(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &FormProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = "WizTargetForm";
  RegisterClassA(&wc);
  HWND form = CreateWindowExA(WS_EX_CONTROLPARENT, wc.lpszClassName, "Wizdrive target",
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 100, 100, 660, 260, nullptr,
                              nullptr, instance, nullptr);
  Add(form, "BUTTON", "&Continua", WS_TABSTOP | BS_DEFPUSHBUTTON, 10, 10, 90, 40, kContinue);
  Add(form, "BUTTON", "&Abandon", WS_TABSTOP, 10, 60, 90, 40, kAbandon);
  const char* items[] = {" &LOCAL     - programul va fi folosit numai pe acest calculator",
                         " &SERVER  - acest calculator va contine baza de date",
                         " CLIEN&T    - programul va folosi o baza de date aflata la distanta"};
  for (int i = 0; i < 3; ++i) {
    Add(form, "BUTTON", items[i], BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0), 120,
        10 + 22 * i, 500, 20, kRadioLocal + i);
  }
  Add(form, "STATIC", "Director program:", 0, 120, 90, 130, 20, -1);
  Add(form, "EDIT", "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | WS_GROUP, 260, 88, 300, 22,
      kProgramDir);
  Add(form, "STATIC", "Director date:", 0, 120, 120, 130, 20, -1);
  Add(form, "EDIT", "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 260, 118, 300, 22, kDataDir);
  Add(form, wiztarget::kPaintedButtonClass, "&Painted", 0, 10, 160, 90, 40, kPainted);
  Add(form, "BUTTON", "&Mesaj", WS_TABSTOP, 120, 160, 90, 40, kMessage);
  ShowWindow(form, SW_SHOW);
  SetFocus(GetDlgItem(form, kContinue));
  Log("ready");
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (IsWindow(form) && IsDialogMessageA(form, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

// The disk prompt: a modal window whose painted buttons store their id as the answer.
int g_answer = 0;

LRESULT CALLBACK PromptProc(HWND w, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND && (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL)) {
    g_answer = LOWORD(wparam);
    return 0;
  }
  if (message == WM_CLOSE) {
    g_answer = IDCANCEL;
    return 0;
  }
  return DefWindowProcA(w, message, wparam, lparam);
}

int AskDisk(HINSTANCE instance, int number, const std::string& dir) {
  wiztarget::RegisterPaintedButton(instance);
  WNDCLASSA wc{};
  wc.lpfnWndProc = &PromptProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = "WizTargetPrompt";
  RegisterClassA(&wc);
  const std::string marker = dir + "\\DISK" + std::to_string(number);
  int prompts = 0;
  while (GetFileAttributesA(marker.c_str()) == INVALID_FILE_ATTRIBUTES) {
    ++prompts;
    HWND prompt = CreateWindowExA(WS_EX_DLGMODALFRAME, wc.lpszClassName, "Atentie !",
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU, 300, 250, 360, 170, nullptr,
                                  nullptr, instance, nullptr);
    const std::string text = "introdu discul de instalare cu numarul \r" + std::to_string(number) +
                             ",\r\rPENTRU CONTINUARE";
    Add(prompt, "STATIC", text.c_str(), SS_CENTER, 10, 10, 330, 60, -1);
    Add(prompt, wiztarget::kPaintedButtonClass, "O&K", 0, 70, 85, 100, 28, IDOK);
    Add(prompt, wiztarget::kPaintedButtonClass, "&Renunt", 0, 180, 85, 100, 28, IDCANCEL);
    ShowWindow(prompt, SW_SHOW);
    g_answer = 0;
    MSG msg;
    while (g_answer == 0 && GetMessageA(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    DestroyWindow(prompt);
    if (g_answer == IDCANCEL) {
      Log("disk " + std::to_string(number) + " cancelled");
      return 2;
    }
  }
  const UINT type = GetDriveTypeA((dir.substr(0, 2) + "\\").c_str());
  Log("disk " + std::to_string(number) + " found after " + std::to_string(prompts) +
      " prompts, drive type " + std::to_string(type));
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  int disk = 0;
  std::string dir = "A:";
  for (int i = 1; i + 1 < __argc; i += 2) {
    const std::string option = __argv[i];
    if (option == "--log") g_log_path = __argv[i + 1];
    if (option == "--ask-disk") disk = std::atoi(__argv[i + 1]);
    if (option == "--disk-dir") dir = __argv[i + 1];
  }
  if (g_log_path.empty()) g_log_path = "C:\\wiztarget.log";
  if (disk > 0) return AskDisk(instance, disk, dir);
  wiztarget::RegisterPaintedButton(instance);
  return RunForm(instance);
}

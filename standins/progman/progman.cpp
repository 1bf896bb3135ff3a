// Stand-in for the shell's Program Manager DDE server. It answers the service "ProgMan" for the
// topic "PROGMAN" and for any topic (a client that gives no topic), carries out the group
// commands and appends every execute string it receives to its record file.
//
//   PROGMAN.EXE [/record:FILE] [/root:DIR] [/idle:SECONDS] [/stop]
//
// record: default PROGMAN.REC beside the program; root: where group folders go, default the
// Start Menu's Programs folder; idle: seconds without a conversation before it ends (default
// 300, 0 never). /stop ends a running instance. Also ended by [ExitProgman(0)] or WM_CLOSE.
#include <windows.h>
// after windows.h, which they need
#include <ddeml.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "common/trace.h"
#include "progman/dde_commands.h"
#include "progman/program_groups.h"

namespace {

constexpr char kWindowClass[] = "VortProgManStandIn";
constexpr char kService[] = "ProgMan";
constexpr char kTopic[] = "PROGMAN";
constexpr UINT_PTR kIdleTimer = 1;

struct Options {
  std::string record;
  std::string root;
  unsigned idle_seconds = 300;
  bool stop = false;
};

struct Server {
  DWORD instance = 0;
  HSZ service = nullptr;
  HSZ topic = nullptr;
  HWND window = nullptr;
  std::string record;
  unsigned idle_seconds = 0;
  standin::ProgramGroups* groups = nullptr;
};
Server g_server;

std::vector<std::string> SplitCommandLine(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, any = false;
  for (const char c : text) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (any) words.push_back(word);
      word.clear();
      any = false;
    } else {
      word += c;
      any = true;
    }
  }
  if (any) words.push_back(word);
  return words;
}

bool StartsWithNoCase(const std::string& text, const char* prefix, std::string* rest) {
  const size_t n = lstrlenA(prefix);
  if (text.size() < n ||
      CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, text.c_str(), static_cast<int>(n),
                     prefix, static_cast<int>(n)) != CSTR_EQUAL)
    return false;
  *rest = text.substr(n);
  return true;
}

Options ReadOptions() {
  Options options;
  options.record = standin::ModuleDirectory(nullptr) + "PROGMAN.REC";
  char programs[MAX_PATH] = {};
  if (SUCCEEDED(
          SHGetFolderPathA(nullptr, CSIDL_PROGRAMS | CSIDL_FLAG_CREATE, nullptr, 0, programs)))
    options.root = programs;
  auto words = SplitCommandLine(GetCommandLineA());
  for (size_t i = 1; i < words.size(); ++i) {
    std::string value;
    if (StartsWithNoCase(words[i], "/record:", &value)) {
      options.record = value;
    } else if (StartsWithNoCase(words[i], "/root:", &value)) {
      options.root = value;
    } else if (StartsWithNoCase(words[i], "/idle:", &value)) {
      options.idle_seconds = static_cast<unsigned>(strtoul(value.c_str(), nullptr, 10));
    } else if (StartsWithNoCase(words[i], "/stop", &value) && value.empty()) {
      options.stop = true;
    }
  }
  return options;
}

void RestartIdleTimer() {
  if (g_server.idle_seconds > 0)
    SetTimer(g_server.window, kIdleTimer, g_server.idle_seconds * 1000, nullptr);
}

bool IsOurTopic(HSZ topic) {
  return topic == nullptr || DdeCmpStringHandles(topic, g_server.topic) == 0;
}

HDDEDATA Execute(HDDEDATA data) {
  const DWORD size = DdeGetData(data, nullptr, 0, 0);
  std::string text(size, '\0');
  if (size > 0) DdeGetData(data, reinterpret_cast<BYTE*>(text.data()), size, 0);
  text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
  standin::AppendToFile(g_server.record, text);

  const auto commands = standin::ParseDdeCommands(text);
  if (!commands) return reinterpret_cast<HDDEDATA>(DDE_FNOTPROCESSED);
  bool all_done = true;
  for (const auto& command : *commands) {
    if (lstrcmpiA(command.name.c_str(), "ExitProgman") == 0) {
      PostMessageA(g_server.window, WM_CLOSE, 0, 0);
      continue;
    }
    all_done = g_server.groups->Execute(command) && all_done;
  }
  return reinterpret_cast<HDDEDATA>(all_done ? DDE_FACK : DDE_FNOTPROCESSED);
}

HDDEDATA CALLBACK DdeCallback(UINT type, UINT /*format*/, HCONV /*conversation*/, HSZ hsz1,
                              HSZ hsz2, HDDEDATA data, ULONG_PTR, ULONG_PTR) {
  switch (type) {
    case XTYP_CONNECT:
      RestartIdleTimer();
      return reinterpret_cast<HDDEDATA>(IsOurTopic(hsz1) ? TRUE : FALSE);
    case XTYP_WILDCONNECT: {
      // hsz1 is the topic asked for, hsz2 the service; zero stands for any.
      if (!IsOurTopic(hsz1) || (hsz2 != nullptr && DdeCmpStringHandles(hsz2, g_server.service)))
        return nullptr;
      RestartIdleTimer();
      HSZPAIR pairs[2] = {{g_server.service, g_server.topic}, {nullptr, nullptr}};
      return DdeCreateDataHandle(g_server.instance, reinterpret_cast<BYTE*>(pairs), sizeof pairs, 0,
                                 nullptr, 0, 0);
    }
    case XTYP_EXECUTE:
      RestartIdleTimer();
      return Execute(data);
    default:
      return nullptr;
  }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_TIMER:
      if (wparam == kIdleTimer) DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const Options options = ReadOptions();
  if (HWND running = FindWindowA(kWindowClass, nullptr)) {
    if (options.stop) PostMessageA(running, WM_CLOSE, 0, 0);
    return 0;
  }
  if (options.stop) return 0;

  WNDCLASSA window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.lpszClassName = kWindowClass;
  if (!RegisterClassA(&window_class)) return 1;
  g_server.window = CreateWindowA(kWindowClass, "Program Manager stand-in", 0, 0, 0, 0, 0, nullptr,
                                  nullptr, instance, nullptr);
  if (g_server.window == nullptr) return 1;

  const bool com = SUCCEEDED(CoInitialize(nullptr));
  standin::ProgramGroups groups(options.root);
  g_server.groups = &groups;
  g_server.record = options.record;
  g_server.idle_seconds = options.idle_seconds;
  int exit_code = 1;
  if (DdeInitializeA(&g_server.instance, DdeCallback,
                     APPCLASS_STANDARD | CBF_FAIL_ADVISES | CBF_FAIL_POKES | CBF_FAIL_REQUESTS |
                         CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS,
                     0) == DMLERR_NO_ERROR) {
    g_server.service = DdeCreateStringHandleA(g_server.instance, kService, CP_WINANSI);
    g_server.topic = DdeCreateStringHandleA(g_server.instance, kTopic, CP_WINANSI);
    if (DdeNameService(g_server.instance, g_server.service, nullptr, DNS_REGISTER)) {
      RestartIdleTimer();
      MSG message;
      while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
      DdeNameService(g_server.instance, g_server.service, nullptr, DNS_UNREGISTER);
      exit_code = 0;
    }
    DdeFreeStringHandle(g_server.instance, g_server.service);
    DdeFreeStringHandle(g_server.instance, g_server.topic);
    DdeUninitialize(g_server.instance);
  }
  if (IsWindow(g_server.window)) DestroyWindow(g_server.window);
  if (com) CoUninitialize();
  return exit_code;
}

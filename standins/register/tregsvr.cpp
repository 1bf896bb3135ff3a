// Stand-in for the product's control registration program: "TREGSVR [-Q] [-U] control".
// Loads the control and calls its registration entry point; the exit code tells the outcome.
#include <windows.h>

#include <string>

#include "common/trace.h"
#include "register/command_arguments.h"

namespace {

enum ExitCode { kRegistered = 0, kUsage = 2, kNotLoaded = 3, kNoEntryPoint = 4, kRefused = 5 };

int Finish(const standin::RegistrationRequest& request, ExitCode code, const std::string& text) {
  if (!request.quiet)
    MessageBoxA(nullptr, text.c_str(), "TREGSVR",
                code == kRegistered ? MB_ICONINFORMATION : MB_ICONERROR);
  return code;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  standin::RecordStart(standin::ModuleDirectory(nullptr) + "TREGSVR.TRC");
  const auto request = standin::ParseRegistrationArguments(standin::ArgumentsOf(GetCommandLineA()));
  if (!request.bad_switch.empty())
    return Finish(request, kUsage, "Unknown switch " + request.bad_switch);
  if (request.control.empty()) return Finish(request, kUsage, "Usage: TREGSVR [-Q] [-U] control");

  const UINT old_mode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE control = LoadLibraryExA(request.control.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  SetErrorMode(old_mode);
  if (control == nullptr) return Finish(request, kNotLoaded, "Cannot load " + request.control);

  const char* entry = request.unregister ? "DllUnregisterServer" : "DllRegisterServer";
  using Entry = HRESULT(WINAPI*)();
  auto call = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(control, entry)));
  ExitCode code = kRegistered;
  std::string text = request.control + ": " + entry + " succeeded";
  if (call == nullptr) {
    code = kNoEntryPoint;
    text = request.control + " has no " + entry;
  } else if (FAILED(call())) {
    code = kRefused;
    text = request.control + ": " + entry + " failed";
  }
  FreeLibrary(control);
  return Finish(request, code, text);
}

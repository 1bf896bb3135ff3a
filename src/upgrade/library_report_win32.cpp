#include "upgrade/library_report_win32.h"

#include <cstring>

namespace upgrade {

namespace {

UpgradeReportListener* report_listener = nullptr;

}  // namespace

std::string GlobalText(HGLOBAL block) {
  if (!block) return std::string();
  const SIZE_T size = GlobalSize(block);
  const auto* text = static_cast<const char*>(GlobalLock(block));
  if (!text) return std::string();
  const std::string copy(text, strnlen(text, size));
  GlobalUnlock(block);
  return copy;
}

void SetLibraryReportListener(UpgradeReportListener* listener) {
  report_listener = listener;
}

void __stdcall LibraryReportProc(HGLOBAL block) {
  if (report_listener) report_listener->OnLibraryReport(GlobalText(block));
}

}  // namespace upgrade

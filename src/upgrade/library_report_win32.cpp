#include "upgrade/library_report_win32.h"

#include "upgrade/upgrade_library.h"

namespace upgrade {

namespace {

UpgradeReportListener* report_listener = nullptr;

}  // namespace

void SetLibraryReportListener(UpgradeReportListener* listener) {
  report_listener = listener;
}

void __stdcall LibraryReportProc(HGLOBAL block) {
  if (report_listener) report_listener->OnLibraryReport(ReportText(block));
}

}  // namespace upgrade

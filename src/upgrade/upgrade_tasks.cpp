#include "upgrade/upgrade_tasks.h"

#include "changes/journal.h"
#include "log/debug_log.h"
#include "state/install_state.h"
#include "state/test_stop.h"

namespace upgrade {

std::string TaskFailureText(int task) {
  return std::string(kTaskNames[task]) + ": eroare in baza de date";
}

TUpgDataLogic::~TUpgDataLogic() {
  // The library keeps its report procedure; it must not reach a page that is gone.
  if (listening_) library_.SetReportListener(nullptr);
}

void TUpgDataLogic::FormCreate() {
  for (int task = 0; task < kTaskCount; ++task) host_.SetPanelDone(task, false);
}

int TUpgDataLogic::RunTasks(const std::array<bool, kTaskCount>& selected) {
  host_.ShowReportLabel(true);
  host_.EnableButtons(false);
  library_.SetReportListener(this);
  listening_ = true;
  failed_ = {};
  bool one_ran = false;
  for (int task = 0; task < kTaskCount; ++task) {
    if (!selected[task]) continue;
    if (one_ran && !TestStop("tasks")) {
      DebugNote(TestStopText("tasks"));
      failed_[task] = true;
      host_.MarkFailed(task);
      break;
    }
    host_.ShowMark(task, true);
    if (task > 0) host_.SetReportColour(kRed);
    // The library changes the user's data in place: undoing the run takes the data back from the
    // copies made before the first task, not through the library.
    changes::Change change;
    change.kind = changes::Kind::kNote;
    change.description = std::string("run database task ") + kTaskNames[task];
    change.target = kTaskNames[task];
    if (!changes::Record(change)) {
      failed_[task] = true;
      host_.MarkFailed(task);
      continue;
    }
    if (changes::Planning()) continue;
    switch (task) {
      case 0:
        library_.DoStructureUpgrade();
        break;
      case 1:
        library_.DoListUpgrade();
        break;
      default:
        library_.DoConstUpgrade();
        break;
    }
    if (!library_.GetSemaforOK()) {
      failed_[task] = true;
      host_.MarkFailed(task);
    }
    host_.SetPanelDone(task, true);
    one_ran = !changes::Planning();
  }
  host_.ShowReportLabel(false);
  for (const bool failed : failed_) {
    if (failed) return 0;
  }
  return 1;
}

bool TUpgDataLogic::KeyDown(int key, bool alt) {
  if (key != kKeyQ || !alt) return false;
  quick_ = !quick_;
  library_.SetQuickVerif(quick_);
  host_.SetReportColour(quick_ ? kRed : kBlack);
  return true;
}

void TUpgDataLogic::OnLibraryReport(const std::string& text) {
  DebugNote(text);
  host_.SetReportText(text);
  host_.ProcessMessages();
}

}  // namespace upgrade

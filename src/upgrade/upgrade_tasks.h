// The database upgrade page's decisions: the selected library tasks in order, each marked by
// the library's semaphore, the progress texts, and the quick-verification toggle.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "upgrade/upgrade_library_port.h"

namespace upgrade {

constexpr int kTaskCount = 3;
constexpr const char* kTaskNames[kTaskCount] = {"Verificare structuri", "Actualizare liste",
                                                "Actualizare constante"};
constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kBlack = 0;
constexpr int kKeyQ = 0x51;

// What the page shows; tasks are numbered 0 to 2 (structures, lists, constants).
class UpgradeDataHost {
 public:
  virtual ~UpgradeDataHost() = default;
  // The progress label: shown or hidden, its text and colour; each repainted at once.
  virtual void ShowReportLabel(bool visible) = 0;
  virtual void SetReportText(const std::string& text) = 0;
  virtual void SetReportColour(uint32_t colour) = 0;
  virtual void EnableButtons(bool enabled) = 0;
  virtual void ShowMark(int task, bool visible) = 0;
  // The task's mark says it failed.
  virtual void MarkFailed(int task) = 0;
  // Done: raised, red, left-justified; pending: flat, black, right-justified.
  virtual void SetPanelDone(int task, bool done) = 0;
  virtual void ProcessMessages() = 0;
};

// The line the end page and the log give a failed task.
std::string TaskFailureText(int task);

class TUpgDataLogic : public UpgradeReportListener {
 public:
  TUpgDataLogic(UpgradeLibraryPort& library, UpgradeDataHost& host)
      : library_(library), host_(host) {}
  ~TUpgDataLogic() override;

  void FormCreate();
  // The continue button with the three check boxes; returns the page's modal result: 0 when a
  // task failed, so that the page stays until the person has read which and goes on.
  int RunTasks(const std::array<bool, kTaskCount>& selected);
  // True when the key was the quick-verification toggle (Alt+Q).
  bool KeyDown(int key, bool alt);
  bool QuickVerification() const { return quick_; }
  // The tasks whose semaphore said they failed in the last run.
  const std::array<bool, kTaskCount>& FailedTasks() const { return failed_; }

  void OnLibraryReport(const std::string& text) override;

 private:
  UpgradeLibraryPort& library_;
  UpgradeDataHost& host_;
  bool quick_ = false;
  bool listening_ = false;
  std::array<bool, kTaskCount> failed_{};
};

}  // namespace upgrade

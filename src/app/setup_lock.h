// One setup of the product at a time, whether it installs, upgrades or removes it.
#pragma once

#include <string>

#include "app/command_line.h"

constexpr char kAnotherSetup[] = "O alta instalare RidOZIZUZ este in curs.\rInstalarea se opreste.";

bool AnotherSetupRuns();

// Held while a working start runs; a second one finds it taken.
class TSetupLock {
 public:
  TSetupLock();
  ~TSetupLock();
  TSetupLock(const TSetupLock&) = delete;
  TSetupLock& operator=(const TSetupLock&) = delete;
  bool Acquired() const { return acquired_; }

 private:
  void* handle_ = nullptr;
  bool acquired_ = false;
};

// A reason to stop before anything is changed: in the log, and shown unless nothing may show.
void Refuse(const TSetupOptions& options, const std::string& text);

// The question a client computer is asked before its upgrade: whether the database on the
// server is to be upgraded from here.
#pragma once

#include <string>

#include "state/install_state.h"

namespace upgrade {

// Twelve lines, each ended by a lone CR.
extern const char kServerUpgradeText[];
constexpr const char* kServerUpgradeCaption = "UPGRADE baza de date SERVER ?";

class QuestionHost {
 public:
  virtual ~QuestionHost() = default;
  virtual void SetMessageSuffix(const std::string& suffix) = 0;
  // The confirmation dialog, centred, Yes and No with No as default; returns the modal result.
  virtual int AskYesNo(const std::string& text, const std::string& caption) = 0;
};

// True unless this is a client whose user answered No. Only a client is asked.
bool ServerUpgradeQuestion(const TInstallState& state, QuestionHost& host);

}  // namespace upgrade

// The wizard with no page: the road the machine calls for, run with the administrator's answers
// in place of a person, through the same decisions the pages take.
#pragma once

#include <string>

#include "state/answers.h"
#include "wizard/wizard_context.h"

// What shows the progress of an unattended run: a small window, or nothing at all.
class TProgressHost {
 public:
  virtual ~TProgressHost() = default;
  virtual void ShowStep(const std::string& text) = 0;
  virtual void ShowGauge(int max, int position) = 0;
};

// Returns the run's exit code: done, done with a restart needed, or failed. Every message that
// would be shown goes to the log with the answer taken; nothing waits for a person.
int RunUnattended(TWizardContext& context, const TWizardServices& services, const TAnswers& answers,
                  TProgressHost& progress);

// What the answers lack or hold wrong for an installation, before anything is changed; empty
// when they can be carried out.
std::string CheckAnswers(const TAnswers& answers);

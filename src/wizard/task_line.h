// The task lines of the configuration and database upgrade pages: a panel per task whose look
// says whether the task has run.
#pragma once

#include <string>

#include "forms/forms.h"

// A pending task line at the given place: "MS Sans Serif" of height -11, bold.
TPanel* MakeTaskLine(TComponent* owner, TWinControl* parent, int left, int top, int width,
                     int height, const std::string& caption);

// Done: raised bevel, red, left-justified; pending: no bevel, black, right-justified. The line
// is repainted at once, so that the change shows while the next task blocks the window.
void SetTaskLineDone(TPanel& line, bool done);
bool TaskLineDone(const TPanel& line);

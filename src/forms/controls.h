// Components and controls: ownership, parent and child controls, windowed controls over Win32
// windows and graphic controls painted by their parent.
#pragma once

#include "forms/component.h"
#include "forms/control.h"
#include "forms/cursors.h"
#include "forms/keyboard.h"
#include "forms/win_control.h"

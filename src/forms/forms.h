// The whole window framework in one include.
#pragma once

#include "forms/application.h"
#include "forms/buttons.h"
#include "forms/controls.h"
#include "forms/edits.h"
#include "forms/file_controls.h"
#include "forms/form.h"
#include "forms/graphic_controls.h"
#include "forms/graphics.h"
#include "forms/ini_file.h"
#include "forms/panels.h"
#include "forms/screen.h"
#include "forms/timer.h"

// The frame every wizard page shares: the title bar across the top, "&Inapoi" and "&Continua"
// at the left and "&Abandon" in its bevel at the right.
#pragma once

#include <string>

#include "forms/forms.h"
#include "forms/place_control.h"
#include "ui/m_button.h"
#include "ui/nice_button.h"
#include "ui/title_form.h"

// Where the pages differ: the cancel button's bevel and the button in it.
struct CancelPlace {
  int frame_top;
  int frame_height;
  int button_top;
  int button_width;
  bool bold = false;
};

struct PageFrame {
  TTitleBar* title_bar;
  TMButton* back;  // modal result 4
  TMButton* next;  // no modal result; the page decides
  TBevel* cancel_frame;
  TNiceButton* cancel;  // modal result 2
};

// Makes `page` a dialog-bordered page of 637 by 114 whose caption, shown in its title bar, is
// `title`, and builds the frame's controls on it.
PageFrame BuildPageFrame(TTitleForm& page, const std::string& title, const CancelPlace& place);

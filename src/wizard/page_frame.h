// The frame every wizard page shares: the title bar across the top, two light buttons at the
// left ("&Inapoi" and "&Continua" on most pages) and a skinned button in its bevel at the right.
#pragma once

#include <string>

#include "forms/forms.h"
#include "forms/place_control.h"
#include "ui/controls/m_button.h"
#include "ui/controls/nice_button.h"
#include "ui/forms/title_form.h"

// A light button of 67 by 51 on the page's bottom row, glyph above the caption.
struct FrameButton {
  const char* name;
  const char* caption;
  int left;
  TMButtonKind kind;
  TModalResult result;
  int spacing = 5;
};

// The skinned button at the right and the bevel around it.
struct BevelButton {
  const char* name;
  const char* caption;
  TMButtonKind kind;
  TModalResult result;
  int frame_top;
  int frame_height;
  int button_top;
  int button_width;
  bool bold = false;
};

constexpr FrameButton kBackButton = {"BBack", "&Inapoi", 15, mkPrev, mrRetry};
// Without a modal result of its own: the page decides whether it goes on.
constexpr FrameButton kNextButton = {"BNext", "&Continua", 82, mkNext, mrNone};

// "&Abandon" with its bevel, placed where the page wants it.
constexpr BevelButton AbandonButton(int frame_top, int frame_height, int button_top,
                                    int button_width, bool bold = false) {
  return {"BCancel",    "&Abandon", mkCancel,     mrCancel, frame_top,
          frame_height, button_top, button_width, bold};
}

struct PageFrameLayout {
  FrameButton left = kBackButton;
  FrameButton right = kNextButton;
  bool has_bevel = true;
  BevelButton bevel = AbandonButton(57, 45, 65, 109);
  // The pages of the fresh road write in "System"; the upgrade pages keep the framework's font.
  bool system_font = true;
};

struct PageFrame {
  TTitleBar* title_bar = nullptr;
  TMButton* left = nullptr;
  TMButton* right = nullptr;
  TBevel* bevel = nullptr;
  TNiceButton* bevel_button = nullptr;  // nullptr without a bevel
};

// Makes `page` a dialog-bordered page of 637 by 114 whose caption, shown in its title bar, is
// `title`, and builds the frame's controls on it.
PageFrame BuildPageFrame(TTitleForm& page, const std::string& title, const PageFrameLayout& layout);

// A dialog of the wizard: dialog border, the given client size, the title bar.
TTitleBar* BuildDialogFrame(TTitleForm& dialog, const std::string& title, int client_width,
                            int client_height);

void SetBold(TControl& control);

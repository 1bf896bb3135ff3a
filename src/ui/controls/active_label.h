// A label whose accelerator letter is red and underlined while its field has the focus; clicking
// it moves the focus to that field.
#pragma once

#include "forms/graphic_controls.h"

class TActiveLabel : public TLabel {
 public:
  explicit TActiveLabel(TComponent* owner);
  void Click() override;

 protected:
  void Paint() override;
};

// Making a control in code: owned by one component, shown inside a parent.
#pragma once

#include <string>

#include "forms/controls.h"

// A new control of type T owned (and freed) by `owner`, named so that tests and the title form
// find it (an empty name leaves it unnamed), placed at the given bounds inside `parent`.
template <class T>
T* PlaceControl(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top,
                int width, int height) {
  T* control = new T(owner);
  control->SetName(name);
  control->SetBounds(left, top, width, height);
  control->SetParent(parent);
  return control;
}

#include "ui/core/check_state.h"

TCheckBoxState NextCheckState(TCheckBoxState state, bool allow_grayed) {
  switch (state) {
    case cbUnchecked:
      return allow_grayed ? cbGrayed : cbChecked;
    case cbChecked:
      return cbUnchecked;
    case cbGrayed:
      break;
  }
  return cbChecked;
}

int CheckImageIndex(TCheckBoxState state) {
  switch (state) {
    case cbChecked:
      return 0;
    case cbUnchecked:
      return 1;
    case cbGrayed:
      break;
  }
  return 2;
}

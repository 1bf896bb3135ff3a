// How a radio group arranges its buttons: in columns filled one after the other, top to bottom.
#pragma once

struct RadioItemRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const RadioItemRect&) const = default;
};

// Bounds of button `index` of `count` in a group of the given size, from its top-left corner.
RadioItemRect RadioItemBounds(int index, int count, int columns, int group_width, int group_height);

// An item index as the group keeps it: -1 (none) to count - 1.
int ClampItemIndex(int index, int count);

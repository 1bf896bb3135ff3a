#include "ui/core/radio_group_layout.h"

#include <algorithm>

RadioItemRect RadioItemBounds(int index, int count, int columns, int group_width,
                              int group_height) {
  if (count <= 0) return {};
  columns = std::max(columns, 1);
  const int rows = (count + columns - 1) / columns;
  const int width = group_width / columns, height = group_height / rows;
  return {index / rows * width, index % rows * height, width, height};
}

int ClampItemIndex(int index, int count) {
  return std::clamp(index, -1, std::max(count - 1, -1));
}

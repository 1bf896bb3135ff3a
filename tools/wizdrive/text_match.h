// How a text written in a script is compared with the texts windows show.
#pragma once

#include <string>
#include <string_view>

namespace wizdrive {

// Runs of blanks, tabs and line breaks become one blank; blanks at both ends go.
std::string CollapseBlanks(std::string_view text);

// Removes accelerator marks: "&Continua" reads "Continua", "&&" reads "&".
std::string StripAccelerators(std::string_view text);

// How well a control's caption answers a query; the better kinds rank higher.
enum class CaptionMatch {
  kNone,
  kContains,  // the query, without accelerator marks, lies inside the caption
  kStripped,  // equal once accelerator marks are removed from both
  kExact,     // equal as written (blanks collapsed)
};

CaptionMatch MatchCaption(std::string_view caption, std::string_view query);

// True when `text` shows `query`, compared with and without accelerator marks.
bool ShowsText(std::string_view text, std::string_view query);

}  // namespace wizdrive

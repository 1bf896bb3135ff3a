// The text a message shows: the caller's text and, while one is set, the process-wide suffix.
#pragma once

#include <string>
#include <string_view>

// The suffix holds at most this many characters; a longer one is cut.
constexpr size_t kMessageSuffixLimit = 32;

// `msg` + "," + CR + CR + the suffix in upper case, or `msg` alone when the suffix is empty.
std::string MessageText(std::string_view msg, std::string_view suffix);

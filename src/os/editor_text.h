// Text files as Windows editors save them: Notepad's "UTF-8" (with a byte-order mark until 2019),
// "UTF-8" without one, "Unicode" (UTF-16 with its mark, either byte order) and "ANSI" (the
// system's code page). A file an administrator hands the installer is read in the encoding it was
// saved in, never as raw bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace os {

enum class EditorEncoding { kUtf8WithMark, kUtf8, kUtf16Le, kUtf16Be, kAnsi };

struct EditorText {
  std::string text;  // UTF-8, without the byte-order mark
  EditorEncoding encoding = EditorEncoding::kUtf8;
};

// The file's bytes as UTF-8. Text without a mark that is valid UTF-8 is UTF-8; other text without
// a mark is in the ANSI code page. Nothing, with `error`, for UTF-16 that is cut or broken.
std::optional<EditorText> DecodeEditorText(std::string_view bytes, std::string* error = nullptr);

// The encoding as the log names it: "UTF-8 cu BOM", "UTF-16 (Unicode)", "ANSI (pagina de cod
// 1250)"; `ansi_code_page` is the system's.
std::string EncodingName(EditorEncoding encoding, unsigned ansi_code_page);

}  // namespace os

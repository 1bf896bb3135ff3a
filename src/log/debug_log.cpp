#include "log/debug_log.h"

#include "log/debug_line.h"
#include "os/os.h"
#include "os/text_encoding.h"
#include "os/trust_boundary.h"

bool DebugEnabled = false;
int32_t DebugDepth = 0;

namespace {

std::string log_file;
std::string debug_tag;
DebugErrorReporter error_reporter = nullptr;
DebugClock clock_source = &os::MillisecondsSinceMidnight;
DebugDateText date_source = &os::NowDateTimeText;
DebugFallbackFolder fallback_source = nullptr;

// The log's own name leads elsewhere (a link a user left): the log goes on in the run's own
// folder, and its first line there names the place refused.
bool MoveToFallback() {
  const std::string refused = log_file;
  const std::string folder = fallback_source ? fallback_source() : std::string();
  if (folder.empty()) return false;
  log_file = os::WithTrailingBackslash(folder) + kDebugFallbackName;
  if (log_file == refused) return false;
  const std::string why = DebugNoteContent(
      0, "Logul nu se scrie in " + refused + ": numele duce la alt fisier (o legatura)");
  return trust::AppendWithoutLinks(log_file, why + DebugTimeTag(clock_source()) + "\r\n") ==
         trust::Appended::kWritten;
}

// Appends to the log, where it is or where it has to go instead.
trust::Appended Append(const std::string& text) {
  const trust::Appended appended = trust::AppendWithoutLinks(log_file, text);
  if (appended != trust::Appended::kLink) return appended;
  return MoveToFallback() ? trust::AppendWithoutLinks(log_file, text) : trust::Appended::kLink;
}

}  // namespace

void SetDebugFallbackFolder(DebugFallbackFolder folder) {
  fallback_source = folder;
}

void SetDebugErrorReporter(DebugErrorReporter reporter) {
  error_reporter = reporter;
}

void SetDebugClock(DebugClock clock, DebugDateText date_text) {
  clock_source = clock ? clock : &os::MillisecondsSinceMidnight;
  date_source = date_text ? date_text : &os::NowDateTimeText;
}

void DebugInitialize() {
  try {
    DebugEnabled = os::FileExists(os::DirectoryOf(os::ProgramPath()) + "\\debug.pas");
  } catch (...) {
    DebugEnabled = false;
  }
}

void DebugWrite(const std::string& content) {
  // Text from outside (a path in another code page) is escaped: the log is always UTF-8.
  const trust::Appended appended =
      Append(os::Utf8Escaped(content) + DebugTimeTag(clock_source()) + "\r\n");
  if (appended == trust::Appended::kWritten) return;
  DebugEnabled = false;
  DebugError(appended == trust::Appended::kNotWritten ? "eroare debug" : "eroare SCRIERE debug", 0);
}

std::string DebugLogPath() {
  return DebugSessionOpen() ? log_file : std::string();
}

void DebugOpen(const std::string& file_name, const std::string& tag) {
  if (!DebugEnabled) return;
  log_file = file_name;
  if (Append("") != trust::Appended::kWritten) {
    DebugError("eroare OPEN debug", 0);
    DebugEnabled = false;
    return;
  }
  DebugDepth = 0;
  DebugWrite("");
  if (!DebugEnabled) return;
  DebugWrite("Begin debug session: " + tag + " - " + date_source());
  debug_tag = tag;
}

bool DebugSessionOpen() {
  return DebugEnabled && !log_file.empty();
}

void DebugClose() {
  if (DebugEnabled) DebugWrite("End debug session: " + debug_tag + " - " + date_source());
  DebugEnabled = false;
}

void DebugBegin(const std::string& name) {
  if (!DebugEnabled) return;
  DebugWrite(DebugBeginContent(DebugDepth, name));
  ++DebugDepth;
}

void DebugEnd(const std::string& name) {
  if (!DebugEnabled) return;
  --DebugDepth;
  DebugWrite(DebugEndContent(DebugDepth, name));
}

void DebugNote(const std::string& text) {
  if (!DebugEnabled) return;
  DebugWrite(DebugNoteContent(DebugDepth, text));
}

void DebugError(const std::string& message, int32_t code) {
  if (error_reporter) error_reporter(message + "\r" + std::to_string(code));
  if (DebugEnabled) DebugNote(DebugErrorText(message, code));
}

#include "log/debug_log.h"

#include "log/debug_line.h"
#include "os/os.h"
#include "os/text_encoding.h"

bool DebugEnabled = false;
int32_t DebugDepth = 0;

namespace {

std::string log_file;
std::string debug_tag;
DebugErrorReporter error_reporter = nullptr;
DebugClock clock_source = &os::MillisecondsSinceMidnight;
DebugDateText date_source = &os::NowDateTimeText;

}  // namespace

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
  os::File file = os::File::Open(log_file, os::OpenMode::kAppend);
  if (!file) {
    DebugEnabled = false;
    DebugError("eroare SCRIERE debug", 0);
    return;
  }
  // Text from outside (a path in another code page) is escaped: the log is always UTF-8.
  const std::string line = os::Utf8Escaped(content) + DebugTimeTag(clock_source()) + "\r\n";
  if (file.Write(line.data(), static_cast<uint32_t>(line.size())) !=
      static_cast<int32_t>(line.size())) {
    DebugEnabled = false;
    DebugError("eroare debug", 0);
    return;
  }
  file.Close();
}

std::string DebugLogPath() {
  return DebugSessionOpen() ? log_file : std::string();
}

void DebugOpen(const std::string& file_name, const std::string& tag) {
  if (!DebugEnabled) return;
  log_file = file_name;
  if (!os::FileExists(log_file) && !os::File::Open(log_file, os::OpenMode::kCreate)) {
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

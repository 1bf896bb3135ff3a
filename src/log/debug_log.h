// The optional trace of an installation, written line by line to a text file.
#pragma once

#include <cstdint>
#include <string>

extern bool DebugEnabled;
extern int32_t DebugDepth;

// Switches the log on when the marker file "debug.pas" lies beside the program.
void DebugInitialize();
void DebugOpen(const std::string& file_name, const std::string& tag);
void DebugClose();
void DebugBegin(const std::string& name);
void DebugEnd(const std::string& name);
void DebugNote(const std::string& text);
// Shows the message dialog, then writes an error note while the log is on.
void DebugError(const std::string& message, int32_t code);
void DebugWrite(const std::string& content);
// The log is on and a session has named its file, so that lines have somewhere to go.
bool DebugSessionOpen();
// The file the session writes to; empty while no session is open.
std::string DebugLogPath();

// Where the log goes when its own name leads elsewhere (a link a user left in its place): the
// run's own folder, which the start-up names; the log there is kDebugFallbackName.
constexpr char kDebugFallbackName[] = "VORTINST.LOG";
using DebugFallbackFolder = std::string (*)();
void SetDebugFallbackFolder(DebugFallbackFolder folder);

// The dialog of DebugError; the start-up installs the message dialog, which lives above this
// module. The text is the message, CR and the code.
using DebugErrorReporter = void (*)(const std::string& text);
void SetDebugErrorReporter(DebugErrorReporter reporter);

// Clock and date sources, replaceable by tests.
using DebugClock = uint32_t (*)();
using DebugDateText = std::string (*)();
void SetDebugClock(DebugClock clock, DebugDateText date_text);

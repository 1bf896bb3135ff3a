#include "app/unfinished_run.h"

#include <windows.h>

#include "changes/change_text.h"
#include "changes/journal.h"
#include "log/debug_log.h"
#include "os/file_replace.h"
#include "os/os.h"
#include "os/text_encoding.h"
#include "os/text_lines.h"
#include "wizard/installation_records.h"

namespace {

constexpr wchar_t kRunOnceKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
constexpr wchar_t kRunOnceName[] = L"RidOZIZUZ Setup";

bool SetRunOnce(const std::string& command) {
  const std::optional<std::wstring> text = os::Wide(command);
  HKEY key = nullptr;
  if (!text || RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunOnceKey, 0, nullptr, 0, KEY_SET_VALUE,
                               nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  const LONG r =
      RegSetValueExW(key, kRunOnceName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text->c_str()),
                     static_cast<DWORD>((text->size() + 1) * sizeof(wchar_t)));
  RegFlushKey(key);
  RegCloseKey(key);
  return r == ERROR_SUCCESS;
}

void ClearRunOnce() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunOnceKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
    return;
  RegDeleteValueW(key, kRunOnceName);
  RegCloseKey(key);
}

std::string KeptText(const std::vector<changes::Change>& run) {
  std::string text;
  for (const changes::Change& change : changes::KeptChanges(run))
    text += changes::EncodeChange(change) + "\r\n";
  return text;
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::string InRecords(const std::string& records, const char* name) {
  return os::WithTrailingBackslash(records) + name;
}

std::string BeginUnfinishedRun(std::string& records) {
  const std::optional<std::string> folder = RecordsFolder();
  if (!folder) return "Nu gasesc directorul Program Files.";
  records = *folder;
  // Made before the journal, which lives in it, and journaled once the journal is there; undoing
  // the run takes it away last, once the run's own records have gone.
  const bool made = !os::DirectoryExists(records);
  if (const std::string refusal = PrepareRecordsFolder(); !refusal.empty()) return refusal;
  const std::string cannot = "Nu pot scrie jurnalul instalarii in\r" + records;
  if (!changes::BeginJournal(InRecords(records, kUnfinishedJournal),
                             InRecords(records, kUnfinishedCopies)))
    return cannot;
  changes::Change began;
  began.kind = changes::Kind::kNote;
  began.handler = kRunBeganHandler;
  began.value = os::NowDateTimeText();
  if (!changes::Record(began)) return cannot;
  if (made && !changes::Record(RecordsFolderMade(records))) return cannot;
  return {};
}

bool ArmRecoveryAtRestart(const std::string& records) {
  const std::string program = InRecords(records, kRecoveryProgram);
  return os::CopyWholeFile(os::ProgramPath(), program) &&
         SetRunOnce("\"" + program + "\" /RECOVER");
}

void DisarmRecovery(const std::string& records) {
  ClearRunOnce();
  const std::string program = InRecords(records, kRecoveryProgram);
  if (os::FileExists(program) && !os::RemoveFile(program)) os::RemoveAtRestart(program);
  os::RemoveEmptyDirectory(records);
}

bool MarkRunFinished(const std::string& records) {
  return os::MoveReplace(InRecords(records, kUnfinishedJournal),
                         InRecords(records, kFinishedJournal));
}

void HandOnFinishedJournal(const std::string& records) {
  const std::string finished = InRecords(records, kFinishedJournal);
  if (!os::FileExists(finished)) return;
  const std::string kept = InRecords(records, changes::kInstallationJournal);
  const std::vector<changes::Change> run = changes::LoadJournal(finished);
  // A run killed after its lines went over has handed them on already.
  const bool handed_on = EndsWith(os::ReadWholeFile(kept).value_or(std::string()), KeptText(run));
  if (!handed_on && !changes::AppendChanges(changes::KeptChanges(run), kept)) {
    DebugNote("Nu pot scrie " + kept);
    return;
  }
  os::RemoveFile(finished);
}

std::optional<std::string> RunBegan(const std::vector<changes::Change>& run) {
  for (const changes::Change& change : run) {
    if (change.kind == changes::Kind::kNote && change.handler == kRunBeganHandler)
      return change.value;
  }
  return std::nullopt;
}

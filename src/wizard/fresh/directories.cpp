#include "wizard/fresh/directories.h"

#include "changes/files.h"

namespace {

// One level only: a missing parent is the user's to fix.
bool EnsureDirectory(const std::string& path, DirectoryOutcome& outcome) {
  if (changes::DirectoryExists(path) || changes::MakeDirectory(path)) return true;
  outcome.ok = false;
  outcome.not_created.push_back(path);
  return false;
}

}  // namespace

DirectoryOutcome StoreDirectories(TInstallState& state, const std::string& program_text,
                                  const std::string& data_text) {
  DirectoryOutcome outcome;
  state.ProgramDir = program_text;
  // The program directory first, so that a database directory inside it can follow at once.
  EnsureDirectory(state.ProgramDir, outcome);
  switch (state.InstallType) {
    case itLocal:
      state.DataDir = state.ProgramDir;
      break;
    case itServer:
      if (EnsureDirectory(data_text, outcome)) state.DataDir = data_text;
      break;
    case itClient:
      if (changes::DirectoryExists(data_text)) {
        state.DataDir = data_text;
      } else {
        outcome.ok = false;
        outcome.client_database_missing = true;
      }
      break;
    case itNone:
      break;
  }
  state.ProgramDirOffered = state.ProgramDir;
  state.DataDirOffered = state.DataDir;
  return outcome;
}

// What "Continua" on the directories page does with the two fields: which directories it
// creates and what it stores in the installation state.
#pragma once

#include <string>
#include <vector>

#include "state/install_state.h"

struct DirectoryOutcome {
  bool ok = true;
  // A client installation needs a database that already exists.
  bool client_database_missing = false;
  // Directories that did not exist and could not be created, in the order tried.
  std::vector<std::string> not_created;
};

// Stores the fields as typed into ProgramDir and DataDir (by the installation type), creates a
// missing program or server database directory one level deep, and offers the stored values
// again the next time the page opens.
DirectoryOutcome StoreDirectories(TInstallState& state, const std::string& program_text,
                                  const std::string& data_text);

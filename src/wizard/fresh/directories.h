// What "Continua" on the directories page does with the two fields: which directories it
// creates and what it stores in the installation state.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "bde/engine_directory.h"
#include "copy/media_manifest.h"
#include "state/install_state.h"

struct DirectoryOutcome {
  bool ok = true;
  // A client installation needs a database that already exists.
  bool client_database_missing = false;
  // The product does not fit on a drive and the person did not make room: nothing was made.
  bool no_room = false;
  // Directories that did not exist and could not be created, in the order tried.
  std::vector<std::string> not_created;
  // Folders that lead through a link or that someone other than an administrator made, each
  // named with the reason; nothing was made.
  std::vector<std::string> refused;
  // One line for each directory the ANSI-only interfaces (the database engine, the upgrade
  // library, Program Manager) could not be given, naming it and the reason; nothing is copied.
  std::vector<std::string> no_ansi_form;
};

// Is asked, with the state as the fields would make it, before any directory is made; false
// when the product does not fit.
using RoomCheck = std::function<bool(const TInstallState& planned)>;

// The fresh installation's check: asks with `ask` (true for Retry) until the selection fits on
// the drives of the planned directories. Media without a manifest are not checked.
RoomCheck FreshRoomCheck(const copy::MediaManifest* media, bde::EngineRegistry& registry,
                         std::function<bool(const std::string& text)> ask);

// Refuses a program or server database directory that leads through a link or that exists and
// belongs to someone other than an administrator; stores the fields as typed into ProgramDir and
// DataDir (by the installation type), creates a missing program or server database directory one
// level deep (with `every_level`, every missing level) with the rights of its role (the program
// directory's only outside `program_files`, which protects its own), checks that both have a
// form in the ANSI code page (as written or by their short names), and offers the stored values
// again the next time the page opens.
DirectoryOutcome StoreDirectories(TInstallState& state, const std::string& program_text,
                                  const std::string& data_text, const RoomCheck& room = {},
                                  const std::string& program_files = {}, bool every_level = false);

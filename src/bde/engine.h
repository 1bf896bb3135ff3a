// The database engine as the setup uses it: opened once, on demand, and closed at program end.
#pragma once

#include <string>
#include <vector>

namespace bde {

// Who undoes the aliases a journal line names.
constexpr char kAliasHandler[] = "alias";

// True once the engine is open; a failed attempt is tried again on the next call.
bool OpenEngine();
// At program end: shuts the engine down if this program opened it.
void CloseEngine();

// True when the engine opens and the product's database "VORTEL" opens (an existing
// installation).
bool ProductAliasExists();
// True when the engine opens a database by the alias `name`.
bool AliasOpens(const std::string& name);

// Adds each alias (Paradox, "PATH:" and its directory, persistent) and saves the engine's
// configuration, each alias journaled first. A failing alias does not stop the others. True
// when every step succeeded.
bool CreateAliases(const std::vector<std::string>& names, const std::vector<std::string>& paths);
// Removes an alias from the engine's saved configuration.
bool DeleteAlias(const std::string& name);

// Makes the aliases a run added undoable; called once at start-up.
void RegisterEngineUndo();

}  // namespace bde

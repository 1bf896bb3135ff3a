// The server-upgrade question through the message dialog; the wizard driver asks it on
// reaching the upgrade copy.
#pragma once

namespace upgrade {

bool AskServerUpgrade();

}  // namespace upgrade

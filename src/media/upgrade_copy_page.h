// The copy page of an upgrade: the upgrade archives over the installed product, keeping the
// user's data and the engine's libraries.
#pragma once

#include "media/copy_page.h"

class TUpgCopy : public TCopyPage {
 public:
  explicit TUpgCopy(TComponent* owner);

 protected:
  int RunCopy(media::ExtractionPort& port) override;
};

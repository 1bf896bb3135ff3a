// Messages of the setup program as the message dialog shows them.
#pragma once

#include <functional>
#include <string>

#include "forms/forms.h"

// Shows each sample message in turn. With `shot_dir`, each one is photographed by `shot` into
// `shot_dir`\message-NAME.bmp and answered with its default; without, the user answers them.
// Returns 0 when every picture was written.
int RunMessageGallery(const std::string& shot_dir,
                      const std::function<bool(TForm&, const std::string& path)>& shot);

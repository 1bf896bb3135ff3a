// A page of the toolkit's painted controls (panels, title bars, images), built as a wizard
// page is.
#pragma once

#include "forms/forms.h"

TForm* CreatePaintedGallery();

// A form with the toolkit's buttons, input controls and formatted labels.
#pragma once

#include "forms/forms.h"

TForm* CreateToolkitGallery();

// A page of the toolkit's own painted controls, built as a wizard page is.
#pragma once

#include "forms/forms.h"

TForm* CreateToolkitGallery();

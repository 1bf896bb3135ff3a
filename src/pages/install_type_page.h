// Step 0: the installation type (LOCAL, SERVER or CLIENT), stored in InstallState.InstallType.
#pragma once

class TForm;

TForm* CreateInstallTypePage();

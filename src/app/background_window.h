#pragma once

class TForm;

// The full-screen window behind the wizard's pages; the application's main window. Its artwork
// comes from the program's resources (the "vort_app_art" objects).
TForm* CreateBackgroundWindow();

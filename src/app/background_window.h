#pragma once

class TForm;

// The full-screen window behind the wizard's pages; the application's main window.
TForm* CreateBackgroundWindow();

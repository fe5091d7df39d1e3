// The program's run from the settings to the end: settings, title, main window, data-access
// component, message loop; the settings are written back when the main window has closed.
#pragma once

// Runs the program in the application object that main() made; returns its exit code.
int runRoomlet();

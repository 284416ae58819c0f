#pragma once

class QProcessEnvironment;

namespace app {

// The start-up procedure: creates the one main window, keeps it for the
// whole run and shows it. The program runs while any of its windows is open;
// a request of the platform to end it (logout, shutdown, a termination
// signal) closes the main window as its close box would and ends the run.
void StartUp();

// Wayland lets no program place its own window, so the main window could
// not open where it was closed. Where the desktop runs X11 programs too
// (XWayland) and the user chose no platform (QT_QPA_PLATFORM), the program
// runs as an X11 window. Called before the application object exists.
void PreferXWayland();
// Whether that environment is such a desktop's.
bool PrefersXWayland(const QProcessEnvironment& environment);

}  // namespace app

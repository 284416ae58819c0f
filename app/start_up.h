#pragma once

namespace app {

// The start-up procedure: creates the one main window, keeps it for the
// whole run and shows it. The program runs while any of its windows is open;
// a request of the platform to end it (logout, shutdown, a termination
// signal) closes the main window as its close box would and ends the run.
void StartUp();

}  // namespace app

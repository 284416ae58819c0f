#pragma once

namespace app {

// The start-up procedure: creates the one main window, keeps it for the
// whole run and shows it. The program runs while any of its windows is open.
void StartUp();

}  // namespace app

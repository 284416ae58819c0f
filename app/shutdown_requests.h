#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace app {

// Answers the platform's requests to end the program.
//  - At a logout or shutdown the session manager first asks each program to
//    commit its data (on Windows, WM_QUERYENDSESSION): `commit_data` runs,
//    and nothing closes, as another program may still cancel the logout;
//    the program and its figures then stay. If the session does end, Qt
//    closes the windows as quitting does.
//  - On POSIX, the signals that a logout, a terminal hang-up, Ctrl+C or
//    `kill` send (SIGTERM, SIGHUP, SIGINT) make one call of `close_down` on
//    the event loop, after which the program leaves its event loops with
//    status 0.
//
// A signal handler may do almost nothing safely, so it only writes the
// signal's number into a pipe, which a socket notifier watches.
// One instance at a time; it restores the default handlers when destroyed.
class ShutdownRequests : public QObject {
  Q_OBJECT

 public:
  ShutdownRequests(std::function<void()> close_down, std::function<void()> commit_data,
                   QObject* parent = nullptr);
  ~ShutdownRequests() override;
  ShutdownRequests(const ShutdownRequests&) = delete;
  ShutdownRequests& operator=(const ShutdownRequests&) = delete;

 private:
  void CloseDownAndQuit();
  void OnSignalled();

  std::function<void()> close_down_;
  std::function<void()> commit_data_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace app

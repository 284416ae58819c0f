#pragma once

#include <QObject>
#include <functional>

class QSessionManager;
class QSocketNotifier;

namespace app {

// Turns the platform's requests to end the program into one call of a
// close-down on the event loop: the session manager's request at logout or
// shutdown, and on POSIX the signals that a logout, a terminal hang-up,
// Ctrl+C or `kill` send (SIGTERM, SIGHUP, SIGINT). After the close-down
// the program leaves its event loops with status 0.
//
// A signal handler may do almost nothing safely, so it only writes the
// signal's number into a pipe, which a socket notifier watches.
// One instance at a time; it restores the default handlers when destroyed.
class ShutdownRequests : public QObject {
  Q_OBJECT

 public:
  explicit ShutdownRequests(std::function<void()> close_down, QObject* parent = nullptr);
  ~ShutdownRequests() override;
  ShutdownRequests(const ShutdownRequests&) = delete;
  ShutdownRequests& operator=(const ShutdownRequests&) = delete;

 private:
  void CloseDownAndQuit();
  void OnCommitData(QSessionManager& manager);
  void OnSignalled();

  std::function<void()> close_down_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace app

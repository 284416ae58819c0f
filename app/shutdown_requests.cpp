#include "app/shutdown_requests.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <array>
#include <cassert>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#endif

namespace app {
namespace {

#ifdef Q_OS_UNIX
constexpr std::array<int, 3> kSignals{SIGTERM, SIGHUP, SIGINT};

// The pipe's ends; the handler sees only these.
volatile std::sig_atomic_t write_end = -1;
int read_end = -1;

extern "C" void OnSignal(int number) {
  const int saved_errno = errno;
  const auto byte = static_cast<unsigned char>(number);
  // A full pipe already holds a request; losing this byte loses nothing.
  [[maybe_unused]] const auto written = ::write(write_end, &byte, 1);
  errno = saved_errno;
}

// Closed on exec in the same call that opens it, so no program started
// meanwhile (the About box's tool) inherits it.
bool OpenPipe() {
  std::array<int, 2> ends{};
  if (::pipe2(ends.data(), O_CLOEXEC | O_NONBLOCK) != 0) return false;
  read_end = ends[0];
  write_end = ends[1];
  return true;
}

void SetHandlers(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int number : kSignals) ::sigaction(number, &action, nullptr);
}
#endif

}  // namespace

ShutdownRequests::ShutdownRequests(std::function<void()> close_down,
                                   std::function<void()> commit_data, QObject* parent)
    : QObject(parent), close_down_(std::move(close_down)), commit_data_(std::move(commit_data)) {
  if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    connect(application, &QGuiApplication::commitDataRequest, this, [this] { commit_data_(); });
  }
#ifdef Q_OS_UNIX
  assert(read_end == -1 && "one ShutdownRequests at a time");
  if (!OpenPipe()) {
    qWarning("Shutdown signals cannot be watched: no pipe.");
    return;
  }
  notifier_ = new QSocketNotifier(read_end, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &ShutdownRequests::OnSignalled);
  SetHandlers(&OnSignal);
#endif
}

ShutdownRequests::~ShutdownRequests() {
#ifdef Q_OS_UNIX
  if (notifier_ == nullptr) return;
  SetHandlers(SIG_DFL);
  delete notifier_;
  ::close(read_end);
  ::close(write_end);
  read_end = -1;
  write_end = -1;
#endif
}

void ShutdownRequests::OnSignalled() {
#ifdef Q_OS_UNIX
  std::array<unsigned char, 16> bytes{};
  while (::read(read_end, bytes.data(), bytes.size()) > 0) {
  }
#endif
  CloseDownAndQuit();
}

// Leaving every loop also ends a modal box's loop that the request came in.
void ShutdownRequests::CloseDownAndQuit() {
  if (close_down_) std::exchange(close_down_, nullptr)();
  QCoreApplication::exit(0);
}

}  // namespace app

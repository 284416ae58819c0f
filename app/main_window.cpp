#include "app/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <array>
#include <utility>

#include "app/about_box.h"
#include "app/placement.h"
#include "app/product.h"
#include "app/status_bar.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/worksheet_window.h"

namespace app {
namespace {

using Kind = ui::Control::Kind;

// A line in the window-background colour along the top of the client area.
constexpr std::array<ui::Control, 1> kControls{{
    {"Line1", Kind::kLine, "", {0, 0, 6600, 0}, -1, ui::Look::kWindowLine, ""},
}};

}  // namespace

MainWindow::MainWindow(QString settings_location, QWidget* parent)
    : QMainWindow(parent), settings_location_(std::move(settings_location)) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromLatin1(kMainWindowTitle));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* client = new QWidget(this);
  ui::BuildForm(*client, kControls);
  setCentralWidget(client);
  setStatusBar(new StatusBar(this));
  CreateMenus();
  RestorePlacement();
}

void MainWindow::CreateMenus() {
  QMenu* survey = menuBar()->addMenu(tr("&Draft Survey"));
  survey->setObjectName(QStringLiteral("mnuDS"));
  QAction* open_survey = survey->addAction(tr("Draft &Survey"));
  open_survey->setObjectName(QStringLiteral("mnuDraftSurvey"));
  connect(open_survey, &QAction::triggered, this, &MainWindow::ShowWorksheet);

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  QAction* about = help->addAction(tr("&About "));
  about->setObjectName(QStringLiteral("mnuHelpAbout"));
  connect(about, &QAction::triggered, this, &MainWindow::ShowAbout);
}

void MainWindow::ShowWorksheet() {
  if (worksheet_ == nullptr) {
    worksheet_ = new ui::WorksheetWindow;
    TrackLoaded(worksheet_);
  }
  // Brought back from the task bar too: left minimised, it would take the
  // keys typed next into a field nobody can see.
  worksheet_->setWindowState(worksheet_->windowState() & ~Qt::WindowMinimized);
#ifdef Q_OS_WIN
  // Under Wine a window manager may minimise a window without a minimise
  // button on its own, unknown to the program, which sees it as shown;
  // only a window shown afresh is mapped again.
  if (worksheet_->isVisible()) worksheet_->hide();
#endif
  worksheet_->show();
  worksheet_->raise();
  worksheet_->activateWindow();
}

void MainWindow::ShowAbout() {
  AboutBox about(this);
  TrackLoaded(&about);
  about.exec();
}

void MainWindow::TrackLoaded(QWidget* window) {
  std::erase_if(loaded_, [](const QPointer<QWidget>& w) { return w.isNull(); });
  loaded_.emplace_back(window);
}

void MainWindow::RestorePlacement() {
  const Placement stored = Placement::Load(settings_location_);
  QList<QRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
  placement_ = Placement::WithinReach(stored.ToPixels(), screens);
  // move() places the frame; the frame's size is not known before the
  // window is shown, so until then the client takes the outer size.
  resize(placement_.size());
  move(placement_.topLeft());
}

// The platform reports the frame some time after the window is first
// shown, with a move or a resize; then the client shrinks by it once, so
// that the outer bounds are those that were stored.
void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  FitFrameToPlacement();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FitFrameToPlacement();
}

void MainWindow::FitFrameToPlacement() {
  if (frame_fitted_ || windowHandle() == nullptr || windowState() != Qt::WindowNoState) return;
  const QMargins frame = windowHandle()->frameMargins();
  if (frame.isNull()) return;
  frame_fitted_ = true;
  resize(placement_.size().shrunkBy(frame));
  move(placement_.topLeft());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  UnloadOtherWindows();
  SavePlacement();
  event->accept();
}

// Most recently loaded first. A modal box is ended, to return from its own
// loop; any other window is closed, which destroys it once control is back
// in the event loop, also should one of its commands still be running.
void MainWindow::UnloadOtherWindows() {
  for (auto window = loaded_.rbegin(); window != loaded_.rend(); ++window) {
    QWidget* const other = window->data();
    if (other == nullptr) continue;
    if (auto* dialog = qobject_cast<QDialog*>(other); dialog != nullptr && dialog->isModal()) {
      dialog->reject();
    } else {
      other->close();
    }
  }
  loaded_.clear();
}

void MainWindow::SavePlacement() {
  if (isMinimized()) return;
  if (!Placement::FromPixels(frameGeometry()).Save(settings_location_)) {
    qWarning("The window's placement could not be saved.");
  }
}

}  // namespace app

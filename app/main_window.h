#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <vector>

#include "app/placement.h"

namespace ui {
class WorksheetWindow;
}

namespace app {

// The main window: menus that open the worksheet and the About box, a
// status bar, and a placement that it restores on load and saves on close.
// Closing it closes every other window of the program first.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The placement is kept in the settings store at `settings_location`.
  explicit MainWindow(QString settings_location = DefaultSettingsLocation(),
                      QWidget* parent = nullptr);

  // Shows the one worksheet window, a fresh one if it is not open.
  void ShowWorksheet();
  // Shows the About box, modal; returns when it has closed.
  void ShowAbout();
  // Stores the placement now, as closing does; an ending session asks for
  // it before it closes anything.
  void SavePlacement();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateMenus();
  void RestorePlacement();
  void UnloadOtherWindows();
  void FitFrameToPlacement();
  void TrackLoaded(QWidget* window);

  QString settings_location_;
  QRect placement_;  // outer bounds in pixels, as restored
  bool frame_fitted_ = false;
  QPointer<ui::WorksheetWindow> worksheet_;
  std::vector<QPointer<QWidget>> loaded_;  // other windows, in load order
};

}  // namespace app

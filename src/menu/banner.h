#pragma once
// The main window: the logo, the main menu and the settings screens, each a
// frame of this window of which one is shown at a time.

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <cstdint>

namespace app { class CreditsWindow; }

namespace menu {

class Banner : public QWidget {
  Q_OBJECT
public:
  explicit Banner(QWidget* parent = nullptr);
  ~Banner() override;

  // The load step: program folder, display check, settings, layout, switch
  // power-up, controls from the record. Runs before the window is first shown.
  void Load(const QString& programFolder);
  // Shows the window over the whole screen and runs its activation logic
  // (there may be no window manager to send activation events).
  void ShowAndActivate();
  // What happens each time the window becomes the active window.
  void Activate();

  void ShowMainMenu();
  void HideMainMenu();
  // "Exit" and Escape: save the settings, hide, show the credits window.
  void LeaveProgram();

  int16_t FirstActivation = 0;

  QLabel* banimage = nullptr;
  QGroupBox* settings_frame = nullptr;
  QPushButton* but2_auditory = nullptr;
  QPushButton* but2_input_device = nullptr;
  QPushButton* but_MySongs = nullptr;
  QPushButton* but2_duration = nullptr;
  QPushButton* but_direc = nullptr;
  QPushButton* but2_speed = nullptr;
  QPushButton* but2_start = nullptr;
  QPushButton* but2_users_guide = nullptr;
  QPushButton* but2_quit = nullptr;

  QGroupBox* device_frame = nullptr;
  QGroupBox* auditory_frame = nullptr;
  QGroupBox* frame_MySongs = nullptr;
  QGroupBox* frame_coloring_option = nullptr;
  QGroupBox* frame_scan = nullptr;
  QGroupBox* stats_frame = nullptr;

  app::CreditsWindow* credits() const { return credits_; }

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  void buildMenu();
  void placeFrames();

  app::CreditsWindow* credits_ = nullptr;
  QSizeF screen_;
};

// The one main window of the process (set while it exists).
Banner* MainWindow();

}  // namespace menu

#pragma once
// "Test Switches": two big lamps that light while switch 1 / switch 2 is
// held and flash when a press counts, the counts of counted and ignored
// presses, the last hold time and the device being read, all through the
// same press filter as a session. "Learn Switch 1/2" takes the next key,
// mouse button (on the lamps) or joystick button as that switch. Leaves with
// Escape or "Back", which writes brushwell.ini when a switch was learnt.
//
// While the screen is shown every key is a switch key, except Escape, Tab
// and keys with Alt (the buttons' mnemonics), so the keyboard still reaches
// the buttons.

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <array>

namespace pictures {
class DwellRing;
}

namespace menu {

class TestSwitchesScreen : public QGroupBox {
  Q_OBJECT
public:
  explicit TestSwitchesScreen(QWidget* parent);

  // Starts the test afresh (counts at 0) and watches the keys and switches.
  void Start();
  // Stops watching; writes brushwell.ini if a switch was learnt. Returns
  // whether nothing needed writing or it was written.
  bool Stop();
  // Waits for the next input to become switch `sw` (1 or 2).
  void Learn(int sw);
  // Switch `sw` keeps only the keys of the key table (and the device).
  void Forget(int sw);
  // Brings the lamps and figures up to date (the timer calls it).
  void Poll();

  QPushButton* test_back = nullptr;
  QPushButton* camera_button = nullptr;  // opens "Camera Switch"
  std::array<QLabel*, 2> lamp{};
  std::array<pictures::DwellRing*, 2> hold_ring{};  // fills while a switch is held (acceptance time)
  std::array<QPushButton*, 2> learn_button{};
  std::array<QPushButton*, 2> forget_button{};  // drops the inputs learnt for that switch
  std::array<QLabel*, 2> inputs_label{};
  QLabel* counts_label = nullptr;
  QLabel* device_label = nullptr;
  QLabel* learn_status = nullptr;

Q_SIGNALS:
  // Escape: leave as "Back" does.
  void leaveRequested();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void showInputs();
  void takeLearnt(const QString& entry);
  void paintLamps();

  QTimer timer_;
  QWidget* lampPanel_ = nullptr;
  int learning_ = 0;  // the switch waiting for its input, 0 for none
  bool learnt_ = false;
  std::array<int, 2> seenCounted_{};
  std::array<double, 2> flashUntil_{};
};

}  // namespace menu

#pragma once
// The carer's screens (the main menu's, the guide window, the speed
// calibration) worked from the keyboard: Return (and the keypad's
// Enter) presses the focused button, check box or option as the space bar
// does, and a ring of at least 3 pixels in high contrast (blue with a white
// edge on each side, so it shows on light and dark alike) stands round
// whichever control has the focus, sliders and text fields included.

#include <QPointer>
#include <QWidget>
#include <functional>

namespace platform {

class FocusRing : public QWidget {
  Q_OBJECT
public:
  // Follows the focus among the controls of `window` (a top-level window).
  // Controls for which `ownKeys` says true keep Return for themselves.
  explicit FocusRing(QWidget* window, std::function<bool(QWidget*)> ownKeys = {});

  // The control the ring stands round now, or nullptr.
  QWidget* target() const { return target_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

private:
  void follow(QWidget* now);
  void place();

  QWidget* window_;
  std::function<bool(QWidget*)> ownKeys_;
  QPointer<QWidget> target_;
};

}  // namespace platform

#pragma once
#include <QWidget>

class QFrame;
class QPushButton;

namespace media {
struct NarrationLanguage;
}

namespace app {

// The way out of the program: who made it, how to reach the project, "Quit".
class CreditsWindow : public QWidget {
  Q_OBJECT
public:
  explicit CreditsWindow(QWidget* parent = nullptr);

  // Shows the window over the whole screen and runs its activation.
  void ShowAndActivate();
  // Activation: centres Frame1 on the screen.
  void Activate();

  QFrame* Frame1 = nullptr;
  QPushButton* Command1 = nullptr;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
};

// Who spoke a language's words: "espeak-ng speech synthesizer, voice nl+f3".
QString NarrationCredit(const media::NarrationLanguage& language);

// Ends the program from the credits window.
void EndProgram();

}  // namespace app

#pragma once
// Start-up before the main window loads: the display check, the program
// folder, and the wiring between the windows.

#include <QString>
#include <QStringList>

namespace menu { class Banner; }

namespace app {

// 2 to the power (planes x bits per pixel), in double precision.
double ColorDepthCount(int planes, int bitsPerPixel);

struct DisplayVerdict {
  bool stop = false;   // too few colours: the program ends when the box is closed
  QString message;     // "" when no message is shown
};
// What the display check says for a display of `colorDepthCount` colours.
DisplayVerdict CheckDisplay(double colorDepthCount);

// Checks the primary screen's colours: a display of too few colours gets
// its message and ends the program; one of few colours gets its advice.
void CheckTheDisplay();

// Connects the windows, which know nothing of those above them: the main
// menu shows the colouring window and the credits; the colouring window
// runs the session and hands back to the main menu.
void ConnectWindows(menu::Banner& banner);

// "--user NAME" (or "--user=NAME") among the program's `arguments`, as a
// desktop shortcut per child gives it: that user of `workFolder` colours
// from the start. A name that is no user's is told to the carer once and
// the program starts with no user; no user is made. Without the option the
// user chosen last colours again; one who is no longer there is told once
// and forgotten. The user chosen is remembered for the next start. Returns
// whether a user was chosen.
bool ChooseUserFromArguments(const QString& workFolder, const QStringList& arguments);

class CreditsWindow;
// The credits window, once the main menu has shown it (else nullptr).
CreditsWindow* Credits();

}  // namespace app

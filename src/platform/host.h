#pragma once
// The seam between the program's behaviour and the things that must differ
// between the real program and a test: letting pending window events run,
// the seconds-of-the-day clock, message boxes, ending the program, starting
// the text editor and printing. One host is installed per process.

#include <QImage>
#include <QString>
#include <QStringList>

namespace platform {

// The title of every message box.
inline const QString AppTitle = QStringLiteral("Brushwell Version 2");

enum class MessageIcon { None, Stop, Exclamation, Information };

struct PrintOutcome {
  bool printed = false;
  QString problem;  // why nothing was printed, for the carer
};

class Host {
public:
  virtual ~Host() = default;

  // Let pending window events run once (keys, clicks, repaints).
  virtual void processEvents() = 0;
  // A waiting loop (a tube in the Scan Position, the wait between pictures)
  // found nothing to act on in its last pass: block until an input can have
  // changed (a window event, a switch line, a joystick) or until
  // `deadlineMonotonicSeconds` on monotonicSeconds()'s clock, whichever
  // comes first. Returns at once when the deadline has passed or an event
  // is pending. Events that arrive may be processed here. Never called
  // between animation steps, whose pace the calibration sets.
  virtual void waitForInput(double deadlineMonotonicSeconds) { (void)deadlineMonotonicSeconds; }
  // Seconds since midnight, with a fraction: the time of day, for the
  // session statistics and the random seed.
  virtual double secondsOfDay() = 0;
  // Seconds on a clock that only moves forward, whatever the time of day
  // does (midnight, a clock set back): for every duration the program waits.
  virtual double monotonicSeconds() = 0;
  // A modal message box with an OK button; returns when it is closed.
  virtual void messageBox(const QString& text, MessageIcon icon, const QString& title) = 0;
  // Ends the program at once; never returns.
  [[noreturn]] virtual void endProgram(int exitCode) = 0;
  // Opens a file for the carer, detached: in one of the known graphical text
  // editors, else in the desktop's default application for it. Returns the
  // name of what opened it, or an empty string when nothing could.
  virtual QString startEditor(const QString& filePath) = 0;
  // Prints an image at the page's origin on the default printer.
  virtual PrintOutcome printImage(const QImage& image) = 0;
};

Host& host();
// Installs a host for the rest of the process (or until the next call).
// The caller keeps ownership. Passing nullptr restores the real host.
void installHost(Host* h);

// Convenience: message box with the application title.
void message(const QString& text, MessageIcon icon = MessageIcon::None);
// A name as a message shows it: one of more than `most` characters (a slip
// in a picture list can make one of thousands) keeps its beginning and its
// end, on two lines, the first ending in "...", so the box stays readable
// and quick to lay out.
QString NameForMessage(const QString& name, int most = 200);
// Convenience: let pending events run once.
inline void DoEvents() { host().processEvents(); }

}  // namespace platform

#pragma once
// A helper program of the program folder (the carers' Picture Workshop),
// started as a process of its own with an argument list (never through a
// shell). It outlives this program, so leaving Brushwell never closes the
// workshop with unsaved work in it; while both run, this program hears
// when it ends (its process is looked at once a second).

#include <QObject>
#include <QString>
#include <QStringList>

class QTimer;

namespace platform {

class CompanionProgram : public QObject {
  Q_OBJECT
public:
  // `fileName` is the program's file in the folder of the running program.
  CompanionProgram(const QString& fileName, QObject* parent = nullptr);

  // The program's full path.
  QString path() const;
  bool running() const;
  // Starts it unless it is running. Returns "" or, in words for a carer,
  // why it could not be started.
  QString Start(const QStringList& arguments);

Q_SIGNALS:
  // The process ended (however it ended).
  void finished();

private:
  void look();

  QString fileName_;
  qint64 pid_ = 0;
  QTimer* timer_ = nullptr;
};

}  // namespace platform

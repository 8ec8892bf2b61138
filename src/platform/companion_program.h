#pragma once
// A helper program of the program folder (the carers' Picture Workshop),
// started as a separate process with an argument list (never through a
// shell). The program keeps running while it runs and hears when it ends.

#include <QObject>
#include <QString>
#include <QStringList>

class QProcess;

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
  QString fileName_;
  QProcess* process_ = nullptr;
};

}  // namespace platform

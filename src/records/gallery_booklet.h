#pragma once
// A booklet of gallery pictures for a family: one PDF, a picture a page with
// its name, its date and who coloured it.

#include <QString>
#include <QStringList>

namespace records {

struct BookletOutcome {
  int pages = 0;         // the pictures put in
  QStringList skipped;   // files that could not be read
  QString problem;       // "" or why the booklet was not written
};

// Writes the pictures (gallery files, in the order given) as one PDF at
// `pdfPath` through the verified writer.
BookletOutcome WriteBooklet(const QString& pdfPath, const QStringList& pictures);

}  // namespace records

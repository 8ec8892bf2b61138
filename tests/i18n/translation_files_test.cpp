// Every translation of the carer's screens is complete: each text of the
// program has a finished, non-empty translation (every plural form), and in
// Hebrew each argument (a number, a file name) stands in its own isolate so it
// keeps its direction inside right-to-left text.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct Entry {
  QString source;
  bool finished = true;
  QStringList forms;  // the translation, or each plural form
};

std::vector<Entry> ReadEntries(const QString& path) {
  std::vector<Entry> entries;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return entries;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("message")) {
      entries.push_back({});
    } else if (xml.name() == QLatin1String("source") && !entries.empty()) {
      entries.back().source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation") && !entries.empty()) {
      entries.back().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
      QString text;
      while (!(xml.isEndElement() && xml.name() == QLatin1String("translation")) && !xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) text += xml.text();
        if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) entries.back().forms << xml.readElementText();
      }
      if (entries.back().forms.isEmpty()) entries.back().forms << text;
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return entries;
}

}  // namespace

TEST(TranslationFiles, EveryTextHasAFinishedTranslation) {
  const QDir folder(QStringLiteral(BRUSHWELL_SOURCE_DIR "/translations"));
  const QStringList files = folder.entryList({QStringLiteral("brushwell_*.ts")});
  ASSERT_EQ(files.size(), 5);
  for (const QString& name : files) {
    const std::vector<Entry> entries = ReadEntries(folder.filePath(name));
    ASSERT_GT(entries.size(), 100u) << name.toStdString();
    QStringList missing;
    for (const Entry& e : entries) {
      bool empty = false;
      for (const QString& form : e.forms) empty = empty || form.trimmed().isEmpty();
      if (!e.finished || empty) missing << e.source.left(60);
    }
    EXPECT_TRUE(missing.isEmpty()) << name.toStdString() << ": " << missing.size() << " missing, the first: "
                                   << missing.mid(0, 10).join(QStringLiteral(" | ")).toStdString();
  }
}

TEST(TranslationFiles, HebrewKeepsEveryArgumentInItsOwnIsolate) {
  const QRegularExpression bare(QStringLiteral("(?<!\u2068)%(n|\\d+)|%(n|\\d+)(?!\u2069)"));
  QStringList bareArguments;
  for (const Entry& e : ReadEntries(QStringLiteral(BRUSHWELL_SOURCE_DIR "/translations/brushwell_he.ts")))
    for (const QString& form : e.forms)
      if (bare.match(form).hasMatch()) bareArguments << form;
  EXPECT_TRUE(bareArguments.isEmpty()) << bareArguments.join(QStringLiteral(" | ")).toStdString();
}

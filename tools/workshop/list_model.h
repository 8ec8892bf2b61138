#pragma once
// One picture list as the workshop edits it: the lines of pictures_N.pcf in
// order, each a picture name or a heading (a line that begins with "-",
// which the colouring program skips), and the list descriptions kept in the
// settings file. Files are read with the program's own list reader rules and
// written so that reader gives back exactly these names.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

namespace workshop {

constexpr int ListCount = 15;

struct ListEntry {
  QString text;  // a picture's file name, or a heading with its leading "-"
  bool heading() const { return text.startsWith(QLatin1Char('-')); }
  // What a carer sees: a heading without the dashes around it.
  QString caption() const;
  bool operator==(const ListEntry&) const = default;
};

using ListEntries = std::vector<ListEntry>;

// The entries of a list file's bytes, empty fields left out.
ListEntries ParseListEntries(const QByteArray& bytes);

// The file image of the entries: one a line, CR LF line ends; a name that
// holds a comma or begins or ends with a blank stands in double quotes.
QByteArray ListFileImage(const ListEntries& entries);

// Why `name` cannot stand in a list as a picture ("" when it can).
QString NameProblem(const QString& name);

// A heading's entry for the caption a carer typed.
ListEntry Heading(const QString& caption);

// Reads list n from `folder`. A missing file is an empty list; a file that
// exists but cannot be read gives `problem`.
ListEntries ReadList(const QString& folder, int n, QString* problem);
// Writes list n into `folder`, atomically and verified. "" or why not.
QString WriteList(const QString& folder, int n, const ListEntries& entries);

// The picture entries whose file is not in `folder` (indices into `entries`).
std::vector<int> MissingPictures(const QString& folder, const ListEntries& entries);

// The pictures in `folder` a list may name: images of 400 x 400 pixels,
// without the program's own images; sorted by name.
QStringList FolderPictures(const QString& folder);

using Descriptions = std::array<QString, ListCount + 1>;  // [1..15]

// The fifteen descriptions from the settings file in `folder`. "" or why
// they could not be read (a missing or damaged settings file).
QString ReadDescriptions(const QString& folder, Descriptions& out);

// Writes the descriptions that differ from `before` into the settings file
// of `folder`, through the program's own settings writer, leaving every
// other setting (and every description changed meanwhile by the program
// itself) as the file has it now. "" or why it could not be saved.
QString SaveDescriptions(const QString& folder, const Descriptions& before, const Descriptions& after);

}  // namespace workshop

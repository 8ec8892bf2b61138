#pragma once
// Writing a file so that it is either the old file or the new one, whole:
// the data goes to a temporary file beside it, is flushed to the disk and
// checked (size, fsync), and only then replaces the old file. A full disk or
// a removed card leaves the old file as it was.

#include <QByteArray>
#include <QString>

namespace platform {

// The ending of the temporary file that stands beside a file while it is
// being written ("aobj_se1.cfg" -> "aobj_se1.cfg.saving").
inline const QString SavingSuffix = QStringLiteral(".saving");

// Writes `data` to `path` as described above. Returns "" on success, or the
// reason the file could not be written (the old file is then untouched and
// no temporary file is left).
QString WriteFileVerified(const QString& path, const QByteArray& data);

// Whether `path` is a file that is read-only: its owner may not write it
// (mode bits, so that it holds for every user, root included), or this user
// is refused writing it. A missing file is not read-only.
bool IsReadOnlyFile(const QString& path);

// Removes the temporary files that a program killed while saving left in
// `folder`. Returns how many were removed.
int RemoveStaleSavingFiles(const QString& folder);

}  // namespace platform

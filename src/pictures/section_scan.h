#pragma once
// The pure core of picture validation and of the section file: no widgets,
// no message boxes. The colouring window's ValidatePicture and the carers'
// picture tool both use it, so the tool reports exactly what the program says.

#include <QImage>
#include <QString>
#include <optional>
#include <vector>

namespace pictures {

struct Seed {
  int x = 0;
  int y = 0;
  bool operator==(const Seed&) const = default;
};

struct ScanResult {
  QString message;          // "" when the picture is accepted
  std::vector<Seed> seeds;  // in section order (at most 300 stored)
  int sectionCount = 0;     // every marker found, even past 300
};

// Size check and column-major marker scan of a picture. Markers found are
// painted white in `image` as they are found. `pictureName` is the name used
// in the messages.
ScanResult ScanPicture(QImage& image, const QString& pictureName);

// The section file of a picture: its name + ".dat".
QString SectionFileName(const QString& pictureName);

// Writes " X " CR LF / " Y " CR LF lines atomically. Returns false (with a
// reason) when the file could not be written.
bool WriteSectionFile(const QString& path, const std::vector<Seed>& seeds, QString* problem = nullptr);

// Reads a section file. Returns nothing when the file is missing or damaged
// (a non-numeric line, an odd number of lines, no pairs, more than 300 pairs,
// or a seed outside a picture of the given size), so the caller rescans.
std::optional<std::vector<Seed>> ReadSectionFile(const QString& path, int pictureWidth, int pictureHeight);
// The same, telling in `problem` what is wrong with a file that is refused
// (which file, which line), for a carer's tool or a log of the rescan.
std::optional<std::vector<Seed>> ReadSectionFile(const QString& path, int pictureWidth, int pictureHeight,
                                                 QString* problem);

// Paints the stored marker dots white in the displayed picture, as when a
// section file is used instead of a scan.
void EraseMarkers(QImage& image, const std::vector<Seed>& seeds);

// How the last-write time of one file compares with another's.
enum class FileTimeOrder {
  Earlier,
  Equal,
  Later,
  Unreadable,  // one of the files is missing or cannot be opened for reading
};

// The last-write time of `first` compared with that of `second`.
FileTimeOrder CompareFileTimes(const QString& first, const QString& second);

}  // namespace pictures

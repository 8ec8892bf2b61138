#include "pictures/section_scan.h"

#include "pictures/session_tables.h"
#include "platform/host.h"
#include "platform/raster.h"
#include "platform/safe_file.h"

#include <QCoreApplication>
#include <QByteArray>
#include <QFile>
#include <QList>

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace pictures {

namespace {

constexpr int PictureSize = 400;
constexpr int MinSections = 1;
constexpr int MaxAcceptedSections = 25;
// A section file of 300 pairs is a few kilobytes; anything far larger is not one.
constexpr qint64 MaxSectionFileBytes = 64 * 1024;

constexpr std::uint32_t RgbMask = 0x00FFFFFFu;
constexpr std::uint32_t Black = 0x000000u;
constexpr std::uint32_t White = 0xFFFFFFu;

QString SizeMessage(const QString& fullName, int width, int height) {
  const QString name = platform::NameForMessage(fullName);
  return QCoreApplication::translate("SectionScan",
                                     "The width & height of a picture file must be 400 by 400 pixels.\n"
                                     "The dimensions for %1  is %2 by %3.\nPlease check %1 for accuracy")
      .arg(name, QString::number(width), QString::number(height));
}

QString CountMessage(const QString& fullName, int count) {
  const QString name = platform::NameForMessage(fullName);
  return QCoreApplication::translate("SectionScan",
                                     "The number of sections to color must be between 1 and 25. \n"
                                     "The number of sections found in %1 to color is %2.\nPlease check %1 for accuracy")
      .arg(name, QString::number(count));
}

void SetProblem(QString* problem, const QString& text) {
  if (problem) *problem = text;
}

}  // namespace

ScanResult ScanPicture(QImage& image, const QString& pictureName) {
  ScanResult result;
  const int width = image.isNull() ? 0 : image.width();
  const int height = image.isNull() ? 0 : image.height();
  if (width != PictureSize || height != PictureSize) {
    result.message = SizeMessage(pictureName, width, height);
    return result;
  }

  platform::EnsureRgb32(image);
  uchar* const base = image.bits();
  const qsizetype stride = image.bytesPerLine();
  auto row = [base, stride](int y) { return reinterpret_cast<std::uint32_t*>(base + stride * y); };

  // Columns outside, rows inside: section 1 is the marker with the smallest
  // x, and within a column the one nearest the top. A neighbour beyond the
  // right or bottom edge has no colour, so no marker is found in the last
  // column or row.
  for (int x = 2; x <= width - 1; ++x) {
    for (int y = 2; y <= height - 1; ++y) {
      std::uint32_t* centreRow = row(y);
      if ((centreRow[x] & RgbMask) != Black) continue;
      if (x + 1 >= width || y + 1 >= height) continue;
      const std::uint32_t* above = row(y - 1);
      const std::uint32_t* below = row(y + 1);
      const bool isolated = (centreRow[x - 1] & RgbMask) == White &&
                            (centreRow[x + 1] & RgbMask) == White &&
                            (above[x] & RgbMask) == White && (below[x] & RgbMask) == White &&
                            (above[x - 1] & RgbMask) == White &&
                            (above[x + 1] & RgbMask) == White &&
                            (below[x - 1] & RgbMask) == White &&
                            (below[x + 1] & RgbMask) == White;
      if (!isolated) continue;
      ++result.sectionCount;
      // Past the room of the seed arrays the markers are only counted.
      if (result.seeds.size() < static_cast<std::size_t>(MaxSections)) result.seeds.push_back({x, y});
      centreRow[x] = White | 0xFF000000u;
    }
  }

  if (result.sectionCount < MinSections || result.sectionCount > MaxAcceptedSections)
    result.message = CountMessage(pictureName, result.sectionCount);
  return result;
}

QString SectionFileName(const QString& pictureName) {
  return pictureName + QStringLiteral(".dat");
}

bool WriteSectionFile(const QString& path, const std::vector<Seed>& seeds, QString* problem) {
  QByteArray text;
  text.reserve(static_cast<qsizetype>(seeds.size()) * 12);
  for (const Seed& s : seeds) {
    text += ' ' + QByteArray::number(s.x) + " \r\n";
    text += ' ' + QByteArray::number(s.y) + " \r\n";
  }
  const QString why = platform::WriteFileVerified(path, text);
  if (!why.isEmpty()) {
    SetProblem(problem, QCoreApplication::translate("SectionScan", "The section file %1 could not be written: %2").arg(path, why));
    return false;
  }
  return true;
}

std::optional<std::vector<Seed>> ReadSectionFile(const QString& path, int pictureWidth,
                                                 int pictureHeight) {
  return ReadSectionFile(path, pictureWidth, pictureHeight, nullptr);
}

std::optional<std::vector<Seed>> ReadSectionFile(const QString& path, int pictureWidth,
                                                 int pictureHeight, QString* problem) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    SetProblem(problem, QCoreApplication::translate("SectionScan", "The section file %1 could not be opened: %2")
                            .arg(path, file.errorString()));
    return std::nullopt;
  }
  if (file.size() > MaxSectionFileBytes) {
    SetProblem(problem, QCoreApplication::translate("SectionScan", "The section file %1 is far too large to be one.").arg(path));
    return std::nullopt;
  }
  const QByteArray text = file.read(MaxSectionFileBytes + 1);
  if (text.size() > MaxSectionFileBytes) {
    SetProblem(problem, QCoreApplication::translate("SectionScan", "The section file %1 is far too large to be one.").arg(path));
    return std::nullopt;
  }

  QList<QByteArray> lines = text.split('\n');
  // The last line ends with a line break; blank lines after it are harmless.
  while (!lines.isEmpty() && lines.constLast().trimmed().isEmpty()) lines.removeLast();

  std::vector<int> values;
  values.reserve(static_cast<std::size_t>(lines.size()));
  for (qsizetype i = 0; i < lines.size(); ++i) {
    bool ok = false;
    const int value = lines.at(i).trimmed().toInt(&ok, 10);
    if (!ok) {
      SetProblem(problem, QCoreApplication::translate("SectionScan", "Line %1 of the section file %2 is not a number.")
                              .arg(i + 1)
                              .arg(path));
      return std::nullopt;
    }
    values.push_back(value);
  }
  if (values.empty()) {
    SetProblem(problem, QCoreApplication::translate("SectionScan", "The section file %1 holds no sections.").arg(path));
    return std::nullopt;
  }
  if (values.size() % 2 != 0) {
    SetProblem(problem, QCoreApplication::translate("SectionScan", "The section file %1 has an odd number of lines (%2).")
                            .arg(path)
                            .arg(values.size()));
    return std::nullopt;
  }
  if (values.size() / 2 > static_cast<std::size_t>(MaxSections)) {
    SetProblem(problem, QCoreApplication::translate("SectionScan", "The section file %1 holds %2 sections, more than %3.")
                            .arg(path)
                            .arg(values.size() / 2)
                            .arg(MaxSections));
    return std::nullopt;
  }

  std::vector<Seed> seeds;
  seeds.reserve(values.size() / 2);
  for (std::size_t k = 0; k < values.size(); k += 2) {
    const Seed s{values[k], values[k + 1]};
    if (s.x < 0 || s.y < 0 || s.x >= pictureWidth || s.y >= pictureHeight) {
      SetProblem(problem,
                 QCoreApplication::translate("SectionScan", "Section %1 of the section file %2 lies outside the picture (%3, %4).")
                     .arg(k / 2 + 1)
                     .arg(path)
                     .arg(s.x)
                     .arg(s.y));
      return std::nullopt;
    }
    seeds.push_back(s);
  }
  return seeds;
}

void EraseMarkers(QImage& image, const std::vector<Seed>& seeds) {
  for (const Seed& s : seeds) platform::SetPixel(image, s.x, s.y, qRgb(255, 255, 255));
}

FileTimeOrder CompareFileTimes(const QString& first, const QString& second) {
  namespace fs = std::filesystem;
  auto readTime = [](const QString& name) -> std::optional<fs::file_time_type> {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    file.close();
    std::error_code ec;
    const fs::file_time_type t = fs::last_write_time(fs::path(QFile::encodeName(name).toStdString()), ec);
    if (ec) return std::nullopt;
    return t;
  };
  const auto a = readTime(first);
  const auto b = readTime(second);
  if (!a || !b) return FileTimeOrder::Unreadable;
  if (*a < *b) return FileTimeOrder::Earlier;
  if (*a > *b) return FileTimeOrder::Later;
  return FileTimeOrder::Equal;
}

}  // namespace pictures

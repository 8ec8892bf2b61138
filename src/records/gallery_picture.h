#pragma once
// One picture of the gallery: the picture as coloured, 400 x 400, saved as a
// PNG whose text fields say who coloured it, what, when and how long it took.
// A picture left unfinished carries what is needed to go on with it: the
// colour of each section and the fill style.

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QString>
#include <optional>
#include <vector>

namespace records {

// The gallery's folder inside a user's folder (or the working folder).
inline const QString GalleryFolderName = QStringLiteral("gallery");
// Gallery pictures are this many pixels wide and high.
inline constexpr int GallerySide = 400;

struct GalleryFields {
  QString user;               // "user": the user's name; empty without users
  QString picture;            // "picture": the picture's name as its list gives it
  int list = 0;               // "list": the picture list's number
  QDateTime date;             // "date": when it was finished or left (local time)
  double minutes = 0;         // "minutes taken"
  int sections = 0;           // "sections": how many the picture has
  bool finished = true;       // "finished": 0 for a picture left unfinished
  std::vector<int> colours;   // "colours": the colour number of sections 1.., 0 while white
  int fillStyle = 0;          // "fill style": the colouring style 0..6 it was painted with

  // How many sections are coloured.
  int Coloured() const;
};

// "<YYYY-MM-DD>_<HHMMSS>_<picture name without extension>.png".
QString GalleryFileName(const QDateTime& when, const QString& pictureName);
// When the picture of a gallery file name was saved; invalid for a name
// that is not one.
QDateTime DateOfGalleryFileName(const QString& fileName);
// The picture's name part of a gallery file name.
QString PictureOfGalleryFileName(const QString& fileName);

// The PNG: `picture` scaled to 400 x 400 with the text fields.
QByteArray EncodeGalleryPicture(const QImage& picture, const GalleryFields& fields);

// Saves the picture in `folder` (made when missing) under its gallery name,
// through the verified writer. Returns "" and the path in `savedAs`, or why
// it could not be saved (nothing is then left behind).
QString SaveGalleryPicture(const QString& folder, const QImage& picture, const GalleryFields& fields,
                           QString* savedAs = nullptr);

// The text fields of a gallery file, read without decoding its pixels.
// Nothing for a file that is no gallery picture (not a PNG, a damaged
// header, no date).
std::optional<GalleryFields> ReadGalleryFields(const QString& path);

}  // namespace records

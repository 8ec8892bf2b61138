// Gallery files: their names, their PNG text fields, and the listing of the
// galleries of every user of a working folder.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

#include "records/gallery_index.h"
#include "records/gallery_picture.h"
#include "support/files.h"

using namespace Qt::StringLiterals;

namespace {

records::GalleryFields Fields(const QString& user, const QString& picture, const QDateTime& date) {
  records::GalleryFields f;
  f.user = user;
  f.picture = picture;
  f.list = 2;
  f.date = date;
  f.minutes = 3.14;
  f.sections = 3;
  f.finished = false;
  f.colours = {4, 0, 10};
  f.fillStyle = 5;
  return f;
}

TEST(GalleryFilesTest, NamesAndFieldsSurviveAnyScriptAndAnyPictureSize) {
  const QDateTime when(QDate(2026, 1, 2), QTime(3, 4, 5));
  EXPECT_EQ(records::GalleryFileName(when, u"animals/my.cat.bmp"_s), u"2026-01-02_030405_my.cat.png"_s);
  EXPECT_EQ(records::GalleryFileName(when, u".bmp"_s), u"2026-01-02_030405_picture.png"_s) << "never a hidden file";
  EXPECT_EQ(records::DateOfGalleryFileName(u"2026-01-02_030405_my.cat.png"_s), when);
  EXPECT_EQ(records::PictureOfGalleryFileName(u"2026-01-02_030405_my.cat.png"_s), u"my.cat"_s);
  for (const QString& bad : {u"notes.png"_s, u"2026-13-02_030405_x.png"_s, u"2026-01-02_030405_.png"_s})
    EXPECT_FALSE(records::DateOfGalleryFileName(bad).isValid()) << bad.toStdString();

  QTemporaryDir dir;
  // A wide picture is kept whole in the middle of the square.
  QImage wide(200, 100, QImage::Format_RGB32);
  wide.fill(qRgb(0, 0, 255));
  const records::GalleryFields in = Fields(u"\u05d3\u05e0\u05d4 Ren\u00e9e "_s.repeated(12), u"pics/\u732b.bmp"_s, when);
  QString saved;
  ASSERT_EQ(records::SaveGalleryPicture(dir.filePath(u"a/gallery"_s), wide, in, &saved), QString());
  EXPECT_EQ(QFileInfo(saved).fileName(), u"2026-01-02_030405_\u732b.png"_s);
  const QImage image(saved);
  ASSERT_EQ(image.size(), QSize(400, 400));
  EXPECT_EQ(image.pixel(200, 200), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(200, 50), qRgb(255, 255, 255));
  // The field names as other programs read them: one text chunk each.
  const QByteArray png = testing_support::ReadFile(saved);
  for (const char* key : {"user", "picture", "list", "date", "minutes taken", "sections"})
    EXPECT_TRUE(png.contains("tEXt" + QByteArray(key) + '\0') || png.contains("zTXt" + QByteArray(key) + '\0') ||
                png.contains("iTXt" + QByteArray(key) + '\0'))
        << key;
  EXPECT_TRUE(png.contains(QByteArray("tEXtminutes taken\0003.1", 21))) << "one decimal";
  const auto out = records::ReadGalleryFields(saved);
  ASSERT_TRUE(out.has_value());
  EXPECT_EQ(out->user, in.user);
  EXPECT_EQ(out->picture, in.picture);
  EXPECT_EQ(out->date, when);
  EXPECT_EQ(out->list, 2);
  EXPECT_EQ(out->sections, 3);
  EXPECT_FALSE(out->finished);
  EXPECT_EQ(out->colours, in.colours);
  EXPECT_EQ(out->fillStyle, 5);

  // Another program may write the text after the pixels (as ImageMagick does).
  QByteArray head = png.left(8), text, tail;
  for (qsizetype at = 8; at + 12 <= png.size();) {
    const qsizetype length = qFromBigEndian<quint32>(png.constData() + at);
    const QByteArray chunk = png.mid(at, length + 12), type = chunk.mid(4, 4);
    (type == "tEXt" || type.endsWith("TXt") ? text : type == "IEND" ? tail : head) += chunk;
    at += length + 12;
  }
  testing_support::WriteFile(saved + u".moved.png"_s, head + text + tail);
  const auto moved = records::ReadGalleryFields(saved + u".moved.png"_s);
  ASSERT_TRUE(moved.has_value());
  EXPECT_EQ(moved->user, in.user);
  EXPECT_EQ(moved->colours, in.colours);
  testing_support::WriteFile(saved + u".cut.png"_s, png.left(png.size() / 2));
  EXPECT_FALSE(records::ReadGalleryFields(saved + u".cut.png"_s).has_value()) << "cut short in its pixels";

  // The same picture in the same second is kept beside the first.
  ASSERT_EQ(records::SaveGalleryPicture(dir.filePath(u"a/gallery"_s), wide, in, &saved), QString());
  EXPECT_EQ(QFileInfo(saved).fileName(), u"2026-01-02_030405_\u732b-2.png"_s);
}

TEST(GalleryFilesTest, EveryUsersGalleryIsListedNewestFirstAndOtherFilesAreLeftOut) {
  QTemporaryDir dir;
  const QImage white = [] { QImage i(400, 400, QImage::Format_RGB32); i.fill(Qt::white); return i; }();
  const QDateTime day(QDate(2026, 3, 1), QTime(10, 0));
  ASSERT_EQ(records::SaveGalleryPicture(dir.filePath(u"gallery"_s), white, Fields({}, u"a.bmp"_s, day)), QString());
  ASSERT_EQ(records::SaveGalleryPicture(dir.filePath(u"users/anna/gallery"_s), white,
                                        Fields(u"Anna"_s, u"b.bmp"_s, day.addDays(2))), QString());
  ASSERT_EQ(records::SaveGalleryPicture(dir.filePath(u"users/anna/gallery"_s), white,
                                        Fields(u"Anna"_s, u"c.bmp"_s, day.addSecs(60))), QString());
  testing_support::WriteFile(dir.filePath(u"users/anna/gallery/readme.png"_s), "x");
  QDir().mkpath(dir.filePath(u"users/ben"_s));  // a user with no gallery yet

  const records::GalleryListing listing = records::ListGallery(dir.path());
  QStringList order;
  for (const auto& item : listing.items) order << item.pictureName + QLatin1Char('@') + item.userFolder;
  EXPECT_EQ(order, (QStringList{u"b@anna"_s, u"c@anna"_s, u"a@"_s}));
  ASSERT_EQ(listing.users.size(), 2u);
  EXPECT_EQ(listing.users[0].folder, QString());
  EXPECT_EQ(listing.users[1].name, u"Anna"_s);
  EXPECT_EQ(QFileInfo(records::NewestGalleryFile(dir.filePath(u"users/anna/gallery"_s))).fileName(),
            u"2026-03-03_100000_b.png"_s);
  EXPECT_EQ(records::NewestGalleryFile(dir.filePath(u"users/ben/gallery"_s)), QString());
}

}  // namespace

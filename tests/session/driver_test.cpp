// Picture lists and the session driver: which picture comes next, what
// happens between pictures, the songs, and the pictures or settings that
// end a session with a message.

#include "pictures/picture_list.h"
#include "session_fixture.h"

using namespace session_tests;
using pictures::ParsePictureList;

namespace {

TEST(PictureListTest, FieldsAreSplitAtCommasAndLineEndsWithQuotesBlanksAndSwitchedOffLines) {
  const QByteArray text = "- Animals\r\n  cat.bmp\r\n\r\ndog.bmp, fish.bmp\n\"my, picture.bmp\"  \n-owl.bmp\n,,\nlast.bmp";
  EXPECT_EQ(ParsePictureList(text, 500).names,
            (QStringList{"cat.bmp", "dog.bmp", "fish.bmp", "my, picture.bmp", "last.bmp"}));
  EXPECT_TRUE(ParsePictureList("", 500).names.isEmpty());
  EXPECT_TRUE(ParsePictureList("-a.bmp\n\n  \n\"\"\n", 500).names.isEmpty());
  EXPECT_EQ(ParsePictureList("\"-x.bmp\"\nb\xc3\xa4r.bmp\n", 500).names, QStringList{u"b\u00e4r.bmp"_s});

  QByteArray longList;  // only the first names are kept
  for (int i = 1; i <= 503; ++i) longList += "p" + QByteArray::number(i) + ".bmp\n";
  const auto list = ParsePictureList(longList, 500);
  EXPECT_EQ(list.names.size(), 500);
  EXPECT_EQ(list.names.last(), "p500.bmp");
  EXPECT_EQ(list.namesFound, 503);
  EXPECT_TRUE(list.truncated());
}

// A text editor's "Unicode" is UTF-16 with a byte order mark; UTF-8 may carry one too.
TEST(PictureListTest, AByteOrderMarkNamesTheEncoding) {
  const QString text = u"- Tiere\r\ncat.bmp\r\nb\u00e4r.bmp, \u732b.bmp\r\n"_s;
  const QStringList names{"cat.bmp", u"b\u00e4r.bmp"_s, u"\u732b.bmp"_s};
  QByteArray le("\xff\xfe", 2), be("\xfe\xff", 2);
  for (const QChar c : text) {
    le += static_cast<char>(c.unicode() & 0xff);
    le += static_cast<char>(c.unicode() >> 8);
    be += static_cast<char>(c.unicode() >> 8);
    be += static_cast<char>(c.unicode() & 0xff);
  }
  EXPECT_EQ(ParsePictureList(le, 500).names, names);
  EXPECT_EQ(ParsePictureList(be, 500).names, names);
  EXPECT_EQ(ParsePictureList("\xef\xbb\xbf" + text.toUtf8(), 500).names, names);
}

class DriverTest : public SessionTest {
protected:
  void SetUp() override {
    SessionTest::SetUp();
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) ASSERT_TRUE(QFile::copy(path(u"quarters.bmp"_s), path(name)));
    WriteList(1, "a.bmp\n\nb.bmp\n- later\nc.bmp\n");
  }
  // Records the picture names in the order their colouring began (their name shown).
  void RecordPictures() {
    host.everyPass = [this, extra = host.everyPass] {
      if (window->lab_pic_name->isVisible() && (begun.isEmpty() || begun.last() != pictures::PictureName))
        begun << pictures::PictureName;
      if (extra) extra();
    };
  }
  QStringList begun;
};

TEST_F(DriverTest, AnEmptyOrMissingListIsToldAndTheMainMenuComesBack) {
  WriteList(2, "\n- nothing yet\n");
  for (int list : {2, 7}) {
    settings::SettingsRecord.ActivePictureList = static_cast<int16_t>(list);
    session::RunColoringSession(*window);
    EXPECT_EQ(host.messages.back().text, u"Picture List number %1 is empty"_s.arg(list));
    EXPECT_EQ(host.messages.back().icon, platform::MessageIcon::None);
  }
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(mainMenuShown, 2);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(DriverTest, AListThatIsThereButCannotBeReadSaysWhy) {
  ASSERT_TRUE(QDir(folder.path()).mkdir(u"pictures_3.pcf"_s));
  settings::SettingsRecord.ActivePictureList = 3;
  session::RunColoringSession(*window);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.startsWith(u"Picture List number 3 cannot be read: pictures_3.pcf is a folder"_s))
      << host.messages[0].text.toStdString();
  EXPECT_EQ(mainMenuShown, 1);

  // No permission to read it (root reads it all the same: nothing to see then).
  WriteList(4, "a.bmp\n");
  QFile::setPermissions(path(u"pictures_4.pcf"_s), QFileDevice::WriteOwner);
  if (QFile f(path(u"pictures_4.pcf"_s)); f.open(QIODevice::ReadOnly)) return;
  settings::SettingsRecord.ActivePictureList = 4;
  NewWindow();
  session::RunColoringSession(*window);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_TRUE(host.messages[1].text.contains(u"pictures_4.pcf could not be opened (Permission denied)"_s))
      << host.messages[1].text.toStdString();
}

TEST_F(DriverTest, AnIndexPastTheListStartsAtTheFirstPictureTheSwitchIsAwaitedAfterItAndLeavingMidPictureMovesOn) {
  settings::SettingsRecord.CurrentPictureIndex = 5;
  double finishedAt = 0, nextBegunAt = 0;
  host.everyPass = [&] {
    if (TubeOut() != 0) input::SwitchPressed = 1;
    if (session::PictureFinished == 1 && finishedAt == 0) finishedAt = host.clock;
    if (finishedAt != 0 && host.clock > finishedAt + 2.0) input::SwitchPressed = 1;  // the press between pictures
    if (pictures::PictureName == "b.bmp" && nextBegunAt == 0) nextBegunAt = host.clock;
    if (pictures::PictureName == "b.bmp" && session::SegmentsColored == 5) window->ExitRequested = 1;
  };
  RecordPictures();
  session::RunColoringSession(*window);

  EXPECT_EQ(begun, (QStringList{"a.bmp", "b.bmp"}));
  EXPECT_GT(nextBegunAt, finishedAt + 2.0) << "b.bmp began only after the press";
  EXPECT_EQ(session::PicturesCompleted, 1);
  EXPECT_EQ(settings::SettingsRecord.CurrentPictureIndex, 3) << "the next session begins after b.bmp";
  EXPECT_EQ(window->ExitRequested, 0);
  EXPECT_EQ(host.sounds.back().file, "stop.wav");
  EXPECT_EQ(host.sounds.back().mode, media::SoundMode::Once);
  EXPECT_EQ(mainMenuShown, 1);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(DriverTest, ASkipGoesOnAtOnceAndTheSongsCycleUnlessTheSkipCameDuringTheSetUp) {
  settings::SettingsRecord.SoundOption = 2;
  settings::SettingsRecord.CurrentSongIndex = 5;
  bool skippedInSetUp = false;
  int skips = 0;
  QString lastSkipped;
  host.everyPass = [&] {
    // The one pass of events in the set-up: the easel is shown, the tubes not yet.
    if (!skippedInSetUp && window->pb_easel_bot->isVisible() && !window->pb_tube[1]->isVisible()) {
      input::SkipPicturePressed = 1;
      skippedInSetUp = true;
    }
    if (TubeOut() != 0 && lastSkipped != pictures::PictureName) {
      lastSkipped = pictures::PictureName;
      if (skips++ < 3) input::SkipPicturePressed = 1;
      else window->ExitRequested = 1;
    }
  };
  RecordPictures();
  session::RunColoringSession(*window);

  QStringList songs;
  for (const auto& s : host.sounds)
    if (s.mode == media::SoundMode::Loop) songs << s.file;
  EXPECT_EQ(songs, (QStringList{"s_song5.wav", "s_song5.wav", "s_song6.wav", "s_song1.wav", "s_song2.wav"}));
  EXPECT_EQ(settings::SettingsRecord.CurrentSongIndex, 3);
  EXPECT_EQ(begun, (QStringList{"b.bmp", "c.bmp", "a.bmp", "b.bmp"})) << "after the last picture the first follows";
  EXPECT_EQ(session::PicturesCompleted, 0);
}

TEST_F(DriverTest, AMissingPictureIsNamedAndEndsTheSessionPastIt) {
  WriteList(1, "a.bmp\nnot there.bmp\nc.bmp\n");
  settings::SettingsRecord.CurrentPictureIndex = 2;
  session::RunColoringSession(*window);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "The picture file not there.bmp\nwas not found.Click on the Picture List Button\nto make sure the name was "
            "spelled correctly");
  EXPECT_EQ(host.messages[0].title, platform::AppTitle);
  EXPECT_EQ(settings::SettingsRecord.CurrentPictureIndex, 3);
  EXPECT_EQ(mainMenuShown, 1);

  // A name of 100,000 characters (a slip in the list) is shortened in the message.
  const QByteArray longName = "start" + QByteArray(100000, 'x') + "end.bmp";
  WriteList(1, longName + "\n");
  NewWindow();
  session::RunColoringSession(*window);
  ASSERT_EQ(host.messages.size(), 2u);
  const QString& text = host.messages[1].text;
  EXPECT_LT(text.size(), 400);
  EXPECT_TRUE(text.startsWith(u"The picture file startxxx"_s) && text.contains(u"xx...\nxx"_s) &&
              text.contains(u"xxxend.bmp\nwas not found."_s))
      << text.toStdString();
}

TEST_F(DriverTest, RostersAndImagesTheSessionCannotUseAreToldAndEndTheSession) {
  // One colour only (a hand-edited settings file).
  settings::SettingsRecord.ColorEnabled.fill(0);
  settings::SettingsRecord.ColorEnabled[4] = 1;
  session::RunColoringSession(*window);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(u"at least 2"_s)) << host.messages[0].text.toStdString();

  // A tube image taken out of the program folder.
  settings::SettingsRecord.ColorEnabled[3] = 1;
  pictures::ColorPickList = {0, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0};
  ASSERT_TRUE(QFile::remove(path(u"aobj_tube_blue.jpg"_s)));
  NewWindow();
  session::RunColoringSession(*window);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_TRUE(host.messages[1].text.contains(u"aobj_tube_blue.jpg"_s)) << host.messages[1].text.toStdString();
  EXPECT_EQ(mainMenuShown, 2);
  EXPECT_EQ(session::SegmentsColored, 0);
}

TEST_F(DriverTest, AListLongerThanTheProgramHoldsIsToldOnce) {
  WriteList(4, QByteArray("a.bmp\n").repeated(510));
  settings::SettingsRecord.ActivePictureList = 4;
  for (int run = 0; run < 2; ++run) {
    NewWindow();
    host.everyPass = [this] {
      if (TubeOut() != 0) window->ExitRequested = 1;
    };
    session::RunColoringSession(*window);
  }
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(u"510"_s)) << host.messages[0].text.toStdString();
  EXPECT_EQ(settings::SettingsRecord.CurrentPictureIndex, 3);
}

}  // namespace

// Skipping a picture and leaving the session are obeyed after every step of
// every animation and wait; what was done so far stays done.

#include <functional>

#include "session_fixture.h"

using namespace session_tests;

namespace {

struct Moment {
  const char* name;
  // True at the moment to press; the fixture's screen helpers are passed in.
  std::function<bool(pictures::Mainform&, int tubeOut)> now;
};

enum class Request { Skip, Exit };

class LeavingTest : public SessionTest, public ::testing::WithParamInterface<std::tuple<int, Request>> {};

const Moment Moments[] = {
    {"tube sliding out",
     [](pictures::Mainform& w, int) { return w.pb_tube[1]->isVisible() && w.pb_tube[1]->x() < w.PB1->x() + 460; }},
    {"tube waiting", [](pictures::Mainform&, int out) { return out == 1; }},
    {"stripe running",
     [](pictures::Mainform& w, int) { return w.pb3->isVisible() && w.pb3->x() < w.PB1->x() + 300; }},
    {"picture gliding",
     [](pictures::Mainform& w, int) { return !w.pb_easel_bot->isVisible() && w.PB1->x() > 75; }},
};

TEST_P(LeavingTest, TheRequestIsObeyedAtOnceAndThePictureStaysAsFarAsItGot) {
  const auto [moment, request] = GetParam();
  const bool gliding = moment == 3;
  long long pressedAt = -1;
  host.everyPass = [&] {
    const int out = TubeOut();
    // Colour every section with tube 1 until the moment comes.
    if (out == 1 && !window->pb3->isVisible() && moment != 1) input::SwitchPressed = 1;
    if (pressedAt < 0 && Moments[moment].now(*window, out)) {
      pressedAt = host.passes;
      if (request == Request::Skip)
        input::SkipPicturePressed = 1;
      else
        window->ExitRequested = 1;
    }
  };
  RunPicture();

  ASSERT_GE(pressedAt, 0) << Moments[moment].name;
  EXPECT_LE(host.passes - pressedAt, 1) << "obeyed at the next check";
  EXPECT_EQ(window->ExitRequested, request == Request::Exit ? 1 : 0);
  EXPECT_EQ(input::SkipPicturePressed, request == Request::Skip ? 1 : 0);
  EXPECT_FALSE(window->LabelExitLink->isVisible());
  EXPECT_EQ(session::PictureFinished, 0);
  EXPECT_EQ(session::PicturesCompleted, 0);
  EXPECT_EQ(host.soundFiles().count(QStringLiteral("stop.wav")), 0) << "the driver stops the sound";
  if (gliding) {
    EXPECT_EQ(session::SegmentsColored, 4) << "the sections count even when the picture does not";
    EXPECT_EQ(PixelAt(QuarterSeeds[4]), RedDone);
    // No frame round the picture.
    EXPECT_EQ(window->background().pixel(window->PB1->x() - 1, window->PB1->y() + 10), Black);
  } else {
    EXPECT_EQ(session::SegmentsColored, 0);
    EXPECT_EQ(PixelAt(QuarterSeeds[1]), White) << "left before the fill";
  }
}

std::string MomentName(const ::testing::TestParamInfo<std::tuple<int, Request>>& info) {
  std::string name = Moments[std::get<0>(info.param)].name;
  for (char& c : name)
    if (c == ' ') c = '_';
  return name + (std::get<1>(info.param) == Request::Skip ? "_skip" : "_exit");
}

INSTANTIATE_TEST_SUITE_P(Moments, LeavingTest,
                         ::testing::Combine(::testing::Values(0, 1, 2, 3),
                                            ::testing::Values(Request::Skip, Request::Exit)),
                         MomentName);

}  // namespace

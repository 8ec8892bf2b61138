// Skipping a picture and leaving the session are obeyed after every step of
// every animation and wait; what was done so far stays done.

#include "session_fixture.h"

using namespace session_tests;

namespace {

enum class Request { Skip, Exit };

struct Moment {
  const char* name;
  std::function<bool(pictures::Mainform&, int tubeOut)> now;  // true at the moment to press
};
const Moment Moments[] = {
    {"tube_sliding_out", [](auto& w, int) { return w.pb_tube[1]->isVisible() && w.pb_tube[1]->x() < w.PB1->x() + 460; }},
    {"tube_waiting", [](auto&, int out) { return out == 1; }},
    {"stripe_running", [](auto& w, int) { return w.pb3->isVisible() && w.pb3->x() < w.PB1->x() + 300; }},
    {"picture_gliding", [](auto& w, int) { return !w.pb_easel_bot->isVisible() && w.PB1->x() > 75; }},
};

class LeavingTest : public SessionTest, public ::testing::WithParamInterface<std::tuple<int, Request>> {};

TEST_P(LeavingTest, TheRequestIsObeyedAtOnceAndThePictureStaysAsFarAsItGot) {
  const auto [moment, request] = GetParam();
  long long pressedAt = -1;
  host.everyPass = [&] {
    // Colour every section with tube 1 until the moment comes.
    if (TubeOut() == 1 && !window->pb3->isVisible() && moment != 1) input::SwitchPressed = 1;
    if (pressedAt < 0 && Moments[moment].now(*window, TubeOut())) {
      pressedAt = host.passes;
      (request == Request::Skip ? input::SkipPicturePressed : window->ExitRequested) = 1;
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
  EXPECT_FALSE(host.soundFiles().contains("stop.wav")) << "the driver stops the sound";
  if (moment == 3) {  // gliding
    EXPECT_EQ(session::SegmentsColored, 4) << "the sections count even when the picture does not";
    EXPECT_EQ(PixelAt(QuarterSeeds[4]), RedDone);
    EXPECT_EQ(window->background().pixel(window->PB1->x() - 1, window->PB1->y() + 10), Black) << "no frame";
  } else {
    EXPECT_EQ(session::SegmentsColored, 0);
    EXPECT_EQ(PixelAt(QuarterSeeds[1]), White) << "left before the fill";
  }
}

INSTANTIATE_TEST_SUITE_P(Moments, LeavingTest,
                         ::testing::Combine(::testing::Values(0, 1, 2, 3), ::testing::Values(Request::Skip, Request::Exit)),
                         [](const auto& info) {
                           return Moments[std::get<0>(info.param)].name +
                                  std::string(std::get<1>(info.param) == Request::Skip ? "_skip" : "_exit");
                         });

}  // namespace

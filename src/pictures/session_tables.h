#pragma once
// The tables and picture state shared by the session driver, the session
// procedure and validation.

#include <QString>
#include <array>
#include <cstdint>

namespace pictures {

inline constexpr int MaxSections = 300;   // room in the seed arrays
inline constexpr int MaxPictures = 500;   // entries of a picture list

// Colour numbers 1..10 with their names and red, green, blue values.
extern std::array<QString, 11> ColorName;
extern std::array<std::array<int16_t, 4>, 11> ColorRGB;  // [colour][1..3]
extern std::array<QString, 7> SongName;                  // [1..6]
// Fills the three tables above (done on every activation of the colouring window).
void FillSessionTables();

// Colour numbers offered as tubes, by tube position 1..10.
extern std::array<int16_t, 11> ColorPickList;

// The current picture and its sections.
extern QString PictureName;
extern int16_t SectionCount;
extern std::array<int16_t, MaxSections + 1> SectionSeedX;
extern std::array<int16_t, MaxSections + 1> SectionSeedY;
extern int16_t CurrentSection;
extern QString ValidationMessage;

// Screen size in pixels, set by init_pictureboxes.
extern int16_t ScreenWidthPx;
extern int16_t ScreenHeightPx;

// The main menu asks for the speed calibration through this flag.
extern int16_t CalibrationRequested;
// 1 while the calibration that the main menu asked for runs: the main menu
// then shows no statistics when it comes back.
extern int16_t ReturnFromCalibration;

}  // namespace pictures

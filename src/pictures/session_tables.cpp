#include "pictures/session_tables.h"

namespace pictures {

std::array<QString, 11> ColorName;
std::array<std::array<int16_t, 4>, 11> ColorRGB{};
std::array<QString, 7> SongName;
std::array<int16_t, 11> ColorPickList{};

QString PictureName;
int16_t SectionCount = 0;
std::array<int16_t, MaxSections + 1> SectionSeedX{};
std::array<int16_t, MaxSections + 1> SectionSeedY{};
int16_t CurrentSection = 0;
QString ValidationMessage;

int16_t ScreenWidthPx = 0;
int16_t ScreenHeightPx = 0;
int16_t CalibrationRequested = 0;
int16_t ReturnFromCalibration = 0;

void FillSessionTables() {
  struct Row { const char* name; int16_t r, g, b; };
  static constexpr Row rows[] = {
      {"red", 255, 0, 0},       {"yellow", 255, 255, 0}, {"green", 0, 255, 0},
      {"blue", 0, 0, 255},      {"purple", 255, 0, 255}, {"brown", 153, 0, 0},
      {"gray", 136, 136, 136},  {"orange", 255, 153, 0}, {"pink", 253, 172, 186},
      {"tan", 247, 200, 157}};
  for (int c = 1; c <= 10; ++c) {
    const Row& row = rows[c - 1];
    ColorName[c] = QString::fromLatin1(row.name);
    ColorRGB[c] = {0, row.r, row.g, row.b};
  }
  for (int s = 1; s <= 6; ++s) SongName[s] = QStringLiteral("s_song%1").arg(s);
}

}  // namespace pictures

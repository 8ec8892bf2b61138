#pragma once
// The program's section pointers as the picture tool sees them: their masks,
// and how much of a pointer lies over a section.

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace pictures {

// The masks of the program's three pointers (aobj_pbm.bmp, aobj_pbm2.bmp,
// aobj_pbm3.bmp in `folder`), pointing down. Empty, with `problem` set, when
// one cannot be read.
std::vector<QImage> LoadPointerMasks(const QString& folder, QString* problem = nullptr);

// A stand-in for the masks when they are not at hand: the whole 40 x 48
// rectangle, which covers more than any of the program's pointers.
std::vector<QImage> StandInPointerMasks();

// Black wherever any of the masks (all of one size) is black.
QImage UnionMask(const std::vector<QImage>& masks);

// Counts the pixels of a mask placed on a picture that lie over one region,
// row run by row run, so a count costs about one step per mask row.
class PointerCover {
public:
  // `inside` marks the region's pixels of a w x h picture.
  PointerCover(const QImage& mask, const std::vector<uint8_t>& inside, int w, int h);
  // The mask's pixels over the region with its top-left corner at (left, top).
  int Covered(int left, int top) const;
  // The mask's pixels inside the picture with its corner there.
  int InPicture(int left, int top) const;
  int MaskPixels() const { return maskPixels_; }

private:
  struct Run {
    int row, x0, x1;
  };
  std::vector<Run> runs_;
  std::vector<int> prefix_;  // per picture row, w + 1 running counts
  int w_ = 0, h_ = 0, maskPixels_ = 0;
};

}  // namespace pictures

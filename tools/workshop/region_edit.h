#pragma once
// Changing the regions of a design: joining two, splitting one with a line,
// erasing lines, and the tidying steps built on them (merging small regions,
// merging down to the most sections Brushwell colours, leaving small regions
// white). Every step returns a new design, so the page can undo it.
//
// The rule every step keeps: joining two regions takes out only the outline
// between those two. Every other region keeps exactly its pixels, no region
// is ever painted black, and no piece of the old outline is left standing
// alone in the joined region.

#include "picture_design.h"

#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

namespace workshop {

// Joins regions `a` and `b` by taking out the outline between them (and the
// bits of it that would be left standing alone). Nothing, with the reason
// in `problem`, when they do not touch or the outline between them cannot be
// taken out without opening another region.
// `opened` gets the part of `a`'s outline that was taken out (0..1).
std::optional<Design> JoinRegions(const Design& design, int a, int b, QString* problem = nullptr,
                                  double* opened = nullptr);

// The regions that share outline with `region`, the one sharing the most first.
std::vector<int> Neighbours(const Design& design, int region);

// Joins the small region `region` to a neighbour: another small one first,
// else the one it shares the most outline with; never to the paper around
// the picture. A join must take out a fair part of its outline (not just
// where it touches a corner) and leave some of it standing, so its shape
// stays in the picture: a small shape wholly inside one neighbour (an eye,
// a porthole) would vanish, and is left for the carer to decide. Nothing
// when no join keeps these rules.
std::optional<Design> MergeRegion(const Design& design, int region);

struct TidyResult {
  Design design;
  int joined = 0;  // joins made
  int left = 0;    // regions that could not be joined and are left for the carer
};

// Every small region joined to a neighbour where the rule allows; the others
// stay small (shown in red) for the carer to decide.
TidyResult MergeSmallRegions(const Design& design);

// While there are more than MaxSections sections, the smallest joined to its
// smallest neighbouring section.
TidyResult MergeSmallestSection(const Design& design);

// The small regions are left white: no marker, no red, not coloured.
Design DropSmallRegions(const Design& design);

// Splits the region the line from `from` to `to` crosses most with a line
// two pixels wide, drawn only inside that region and carried on to its
// outline at both ends. Nothing, with the reason, when it divides nothing.
std::optional<Design> SplitRegion(const Design& design, QPoint from, QPoint to, QString* problem = nullptr);

// Erases outline along `path` (a click is a path of one point). A click on
// a stray line or dot, one that divides no regions, takes it out whole;
// elsewhere the outline under the path is rubbed out `radius` pixels round.
// Nothing, with the reason, when there is no outline there.
std::optional<Design> EraseLines(const Design& design, const std::vector<QPoint>& path, QString* problem = nullptr,
                                 int radius = 3);

}  // namespace workshop

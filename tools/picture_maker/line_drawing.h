#pragma once
// Line drawings kept as text: a small vector format that the picture tool
// renders into pure black outlines on pure white, without anti-aliasing.
//
// One command a line, numbers separated by blanks, "#" starts a comment.
//   size W H                   canvas size (default 400 400)
//   pen W                      stroke width in pixels (default 3)
//   origin X Y                 move the following shapes by X, Y
//   zoom S                     scale the following shapes by S (about the origin)
//   line X1 Y1 X2 Y2 ...       open polyline through the points
//   polygon X1 Y1 X2 Y2 ...    closed polyline
//   rect X Y W H               rectangle outline
//   circle CX CY R             circle outline
//   ellipse CX CY RX RY        ellipse outline
//   arc CX CY RX RY FROM TO    part of an ellipse; angles in degrees, 0 is at
//                              3 o'clock, 90 at 6 o'clock, drawn from FROM to TO
//   curve X1 Y1 X2 Y2 X3 Y3 .. smooth open curve through the points
//   blob X1 Y1 X2 Y2 X3 Y3 ... smooth closed curve through the points
//   bezier X0 Y0 X1 Y1 X2 Y2 X3 Y3   cubic Bezier curve
//   dot CX CY R                solid black disc
//   solid X1 Y1 X2 Y2 ...      solid black polygon
//   marker X Y                 a section marker placed by hand (drawn last)
// The closed shapes (polygon, rect, circle, ellipse, blob) take the word
// "white" at the end: the shape first covers what was drawn before it with
// white paper, so a shape can stand in front of another one.

#include <QImage>
#include <QString>

namespace pictures {

struct LineDrawingResult {
  QImage image;      // RGB32, pure black on pure white; null when a problem was found
  QString problem;   // "" or "line N: what is wrong"
};

LineDrawingResult RenderLineDrawing(const QString& text);

// Reads and renders a drawing file.
LineDrawingResult RenderLineDrawingFile(const QString& path);

}  // namespace pictures

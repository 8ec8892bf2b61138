// The Print button and the exit link of the colouring window.

#include <QGuiApplication>
#include <QScreen>

#include "pictures/mainform.h"
#include "pictures/session_tables.h"
#include "platform/host.h"
#include "platform/raster.h"
#include "session/session_state.h"

namespace pictures {

void Mainform::PrintPicture() {
  QImage& picture = PB1->image();
  const bool pointerDrawn = session::PictureFinished == 0;
  const int left = session::PointerLeft;
  const int top = session::PointerTop;

  // The page never shows the pointer: the picture part saved under it goes
  // back first.
  if (pointerDrawn) {
    platform::BitBlt(picture, left, top, pbwork1->image().width(), pbwork1->image().height(),
                     pbwork3->image(), 0, 0, platform::RasterOp::SRCCOPY);
  }
  const platform::PrintOutcome outcome = platform::host().printImage(picture);
  // The same two transfers that draw the pointer; the saved part under it
  // is still the right one, so it is not saved again.
  if (pointerDrawn) {
    const QImage& mask = pbwork2->image();
    platform::BitBlt(picture, left, top, mask.width(), mask.height(), mask, 0, 0, platform::RasterOp::SRCAND);
    const QImage& pointer = pbwork1->image();
    platform::BitBlt(picture, left, top, pointer.width(), pointer.height(), pointer, 0, 0,
                     platform::RasterOp::SRCPAINT);
  }
  PB1->Refresh();

  if (outcome.printed) {
    platform::message(QStringLiteral("Picture sent to printer"));
  } else {
    platform::message(outcome.problem.isEmpty() ? QStringLiteral("The picture could not be printed.")
                                                : outcome.problem,
                      platform::MessageIcon::Exclamation);
  }
  PB1->Refresh();
}

void Mainform::ShowExitLink() {
  LabelExitLink->hide();
  LabelExitLink->SetCaption(QStringLiteral("Double-tap here ") + QLatin1Char('\n') +
                            QStringLiteral("for main menu"));
  int screenWidth = ScreenWidthPx;
  if (QScreen* screen = QGuiApplication::primaryScreen()) screenWidth = screen->geometry().width();
  LabelExitLink->move(screenWidth - LabelExitLink->width() - 2, 0);
  LabelExitLink->show();
  LabelExitLink->raise();
}

void Mainform::HideExitLink() { LabelExitLink->hide(); }

}  // namespace pictures

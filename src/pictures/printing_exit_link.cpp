// The Print button and the exit link of the colouring window.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "pictures/mainform.h"
#include "pictures/session_tables.h"
#include "platform/host.h"
#include "platform/raster.h"

namespace pictures {

void Mainform::PutPointer(int left, int top, PointerTurn turn) {
  QImage saved;
  if (turn == PointerTurn::Down) {
    platform::DrawPointer(PB1->image(), pbwork1->image(), pbwork2->image(), saved, left, top);
  } else {
    platform::DrawPointer(PB1->image(), TurnPointer(pbwork1->image(), turn), TurnPointer(pbwork2->image(), turn), saved,
                          left, top);
  }
  pbwork3->SetPicture(saved);
  pointerOn_ = true;
  pointerAt_ = QPoint(left, top);
  pointerTurn_ = turn;
}

void Mainform::TakePointerOff() {
  if (!pointerOn_) return;
  // A pointer turned a quarter lies across: its width and height swap.
  const bool across = pointerTurn_ == PointerTurn::Left || pointerTurn_ == PointerTurn::Right;
  const QSize size = pbwork1->image().size();
  platform::ErasePointer(PB1->image(), pbwork3->image(), pointerAt_.x(), pointerAt_.y(),
                         across ? size.height() : size.width(), across ? size.width() : size.height());
  pointerOn_ = false;
}

void Mainform::PrintPicture() {
  // The page never shows the pointer. Print can be pressed at any moment
  // (while the picture glides, while a tube slides home, during set-up), so
  // only a pointer that is drawn now is taken off and drawn again.
  const bool pointerWasOn = pointerOn_;
  const QPoint at = pointerAt_;
  const PointerTurn turn = pointerTurn_;
  TakePointerOff();
  const platform::PrintOutcome outcome = platform::host().printImage(PB1->image());
  if (pointerWasOn) PutPointer(at.x(), at.y(), turn);
  PB1->Refresh();

  if (outcome.printed) {
    platform::message(QCoreApplication::translate("PrintingExitLink", "Picture sent to printer"));
  } else {
    platform::message(outcome.problem.isEmpty() ? QCoreApplication::translate("PrintingExitLink", "The picture could not be printed.")
                                                : outcome.problem,
                      platform::MessageIcon::Exclamation);
  }
  PB1->Refresh();
}

void Mainform::ShowExitLink() {
  LabelExitLink->hide();
  LabelExitLink->SetCaption(QCoreApplication::translate("PrintingExitLink", "Double-tap here \nfor main menu"));
  int screenWidth = ScreenWidthPx;
  if (QScreen* screen = QGuiApplication::primaryScreen()) screenWidth = screen->geometry().width();
  LabelExitLink->move(screenWidth - LabelExitLink->width() - 2, 0);
  LabelExitLink->show();
  LabelExitLink->raise();
}

void Mainform::HideExitLink() { LabelExitLink->hide(); }

}  // namespace pictures

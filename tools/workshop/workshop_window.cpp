#include "workshop_window.h"

#include "list_page.h"
#include "new_picture_page.h"

#include <QCoreApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

namespace workshop {

WorkshopWindow::WorkshopWindow(const QString& programFolder, const QString& settingsFolder, QWidget* parent)
    : QMainWindow(parent) {
  setWindowTitle(QCoreApplication::translate("WorkshopWindow", "Brushwell Picture Workshop"));
  tabs_ = new QTabWidget(this);
  tabs_->setAccessibleName(QCoreApplication::translate("WorkshopWindow", "Workshop pages"));
  newPicture_ = new NewPicturePage(programFolder, tabs_);
  lists_ = new ListPage(programFolder, settingsFolder.isEmpty() ? programFolder : settingsFolder, tabs_);
  // On a small screen the picture page scrolls rather than hiding its controls.
  auto* scroll = new QScrollArea(tabs_);
  scroll->setWidget(newPicture_);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  tabs_->addTab(scroll, QCoreApplication::translate("WorkshopWindow", "&New Picture"));
  tabs_->addTab(lists_, QCoreApplication::translate("WorkshopWindow", "&Picture Lists"));
  setCentralWidget(tabs_);
  statusBar()->setAccessibleName(QCoreApplication::translate("WorkshopWindow", "Status"));
  statusBar()->showMessage(QCoreApplication::translate("WorkshopWindow", "Pictures and lists are saved in %1").arg(programFolder));
  // Sizes and timings stay out of the carer's way, in the status line's tooltip.
  connect(newPicture_, &NewPicturePage::status, this, [this](const QString& text, const QString& details) {
    statusBar()->showMessage(text);
    statusBar()->setToolTip(details);
  });
  connect(lists_, &ListPage::status, this, [this](const QString& text) {
    statusBar()->showMessage(text);
    statusBar()->setToolTip(QString());
  });
  // A Close button in plain sight, beside the pages' tabs.
  auto* closeButton = new QPushButton(QCoreApplication::translate("WorkshopWindow", "Close"), tabs_);
  closeButton->setAccessibleName(QCoreApplication::translate("WorkshopWindow", "Close"));
  closeButton->setToolTip(QCoreApplication::translate("WorkshopWindow", "Close the workshop (Ctrl+Q)"));
  tabs_->setCornerWidget(closeButton, Qt::TopRightCorner);
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
  connect(newPicture_, &NewPicturePage::pictureSaved, lists_, [this] { lists_->RefreshFolder(); });
  // As large as the layout likes, within the screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect room = screen->availableGeometry();
    resize(std::min(1260, room.width()), std::min(740, room.height()));
  } else {
    resize(1260, 740);
  }
  auto* quit = new QShortcut(QKeySequence::Quit, this);  // Ctrl+Q: close, asking about unsaved work
  connect(quit, &QShortcut::activated, this, &QWidget::close);
}

void WorkshopWindow::closeEvent(QCloseEvent* event) {
  if (!lists_->MayLeaveList()) {
    event->ignore();
    return;
  }
  if (newPicture_->HasUnsavedPicture() &&
      QMessageBox::question(this, windowTitle(), QCoreApplication::translate("WorkshopWindow", "The new picture is not saved. Close the workshop anyway?")) !=
          QMessageBox::Yes) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace workshop

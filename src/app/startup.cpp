#include "app/startup.h"

#include <QCoreApplication>
#include <cmath>

namespace app {

double ColorDepthCount(int planes, int bitsPerPixel) {
  return std::pow(2.0, static_cast<double>(planes) * bitsPerPixel);
}

DisplayVerdict CheckDisplay(double count) {
  const QString cr = QStringLiteral("\r");
  const QString first = QStringLiteral("Your screen settings are set to ") + QString::number(count, 'f', 0) +
                        QStringLiteral(" colors.");
  const QString guide = QStringLiteral("See the Brushwell User's Guide on how to change your screen color settings");
  if (count < 65536) {
    return {true, first + cr +
                      QStringLiteral("Brushwell requires that your screen setting colors are set to at least 65,536 colors.") +
                      cr + guide};
  }
  if (count < 100000) {
    return {false, first + cr + QStringLiteral("Though Brushwell will run with these settings,") + cr +
                       QStringLiteral("it is recommended that you set your colors to True Color (32 Bit)") + cr + guide};
  }
  return {};
}

QPointF LogoPosition(QSizeF screen, QSizeF logo) {
  return {(screen.width() - logo.width()) / 2, (screen.height() - logo.height()) / 6};
}

QPointF CenteredFramePosition(QSizeF screen, QSizeF frame) {
  return {(screen.width() - frame.width()) / 2, (screen.height() - frame.height()) / 2};
}

QPointF MenuFramePosition(QSizeF screen, QSizeF frame, QPointF logoPos, QSizeF logo) {
  return {(screen.width() - (frame.width() + 30)) / 2, logoPos.y() + logo.height() + 5};
}

QString ProgramFolder() {
  QString folder = QCoreApplication::applicationDirPath();
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder;
}

}  // namespace app

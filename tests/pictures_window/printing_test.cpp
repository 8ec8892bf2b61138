// The Print button: the page never shows the pointer, the screen does.

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

#include "platform/printing.h"
#include "window_fixture.h"

using namespace window_tests;
using platform::GetPixel;

namespace {

const QRgb Red = qRgb(255, 0, 0);

class PrintTest : public WindowTest {
protected:
  void SetUp() override {
    WindowTest::SetUp();
    window->init_pictureboxes();
    // The picture: white with a black frame and a green section.
    clean = PictureWithMarkers({});
    platform::FloodFill(clean, 200, 200, qRgb(0, 0, 0), {qRgb(0, 200, 0), platform::BrushStyle::Solid});
    window->PB1->SetPicture(clean);
    // A 20x20 red square pointer: mask black under it, image black around it.
    QImage pointer = platform::MakeSurface(20, 20, qRgb(0, 0, 0));
    QImage mask = platform::MakeSurface(20, 20, qRgb(255, 255, 255));
    for (int y = 4; y < 16; ++y)
      for (int x = 4; x < 16; ++x) {
        platform::SetPixel(pointer, x, y, Red);
        platform::SetPixel(mask, x, y, qRgb(0, 0, 0));
      }
    window->pbwork1->SetPicture(pointer);
    window->pbwork2->SetPicture(mask);
    window->PutPointer(190, 180);
    withPointer = window->PB1->image().copy();
    window->PB1->show();
    window->show();
  }

  QImage clean;
  QImage withPointer;
};

}  // namespace

TEST_F(PrintTest, ThePageHasNoPointerAndTheScreenKeepsIt) {
  ASSERT_EQ(GetPixel(withPointer, 200, 190), Red);
  window->but_print->click();
  ASSERT_EQ(host.prints.size(), 1u);
  EXPECT_EQ(host.prints[0], clean);
  EXPECT_EQ(window->PB1->image(), withPointer);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, QStringLiteral("Picture sent to printer"));
  EXPECT_EQ(host.messages[0].icon, platform::MessageIcon::None);
}

TEST_F(PrintTest, APictureWithoutItsPointerIsPrintedAsItStands) {
  // Taken off while the picture is unfinished (a tube slides home after a
  // clear, the picture glides to the centre, the next one is set up): a
  // print puts back no stale patch and draws no pointer.
  window->TakePointerOff();
  ASSERT_EQ(window->PB1->image(), clean);
  window->pbwork3->image().fill(Qt::blue);
  window->PrintPicture();
  ASSERT_EQ(host.prints.size(), 1u);
  EXPECT_EQ(host.prints[0], clean);
  EXPECT_EQ(window->PB1->image(), clean);
  EXPECT_FALSE(window->PointerOnPicture());
}

TEST_F(PrintTest, APrinterProblemIsShownInsteadOfTheConfirmation) {
  host.printOutcome = {false, QStringLiteral("No printer is set up on this computer.")};
  window->PrintPicture();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, QStringLiteral("No printer is set up on this computer."));
  EXPECT_EQ(host.messages[0].icon, platform::MessageIcon::Exclamation);
  EXPECT_EQ(window->PB1->image(), withPointer);
}

TEST_F(PrintTest, ThePrintedPageIsARealPdfOfThePicture) {
  const QString pdf = path(QStringLiteral("page.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  platform::paintPicturePage(printer, clean);
  ASSERT_TRUE(testing_support::ReadFile(pdf).startsWith("%PDF")) << "no PDF written";

  const QString renderer = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  if (renderer.isEmpty()) GTEST_SKIP() << "pdftoppm is not installed; the page's pixels were not checked";
  QProcess render;
  render.start(renderer, {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                          pdf, path(QStringLiteral("page"))});
  ASSERT_TRUE(render.waitForFinished(60000));
  const QImage page(path(QStringLiteral("page.png")));
  ASSERT_FALSE(page.isNull());
  int green = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QColor c = page.pixelColor(x, y);
      green += c.green() > 150 && c.red() < 80 && c.blue() < 80 ? 1 : 0;
    }
  EXPECT_GT(green, 100) << "the picture is on the page";
}

// The Print button: the page never shows the pointer, the screen does; a
// printer problem is told; the page is a real PDF of the picture.

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
    platform::FloodFill(clean, 200, 200, Black, {qRgb(0, 200, 0), platform::BrushStyle::Solid});
    window->PB1->SetPicture(clean);
    // A 20x20 pointer, a red square: mask black under it, image black around it.
    QImage pointer = platform::MakeSurface(20, 20, Black), mask = platform::MakeSurface(20, 20, White);
    for (int y = 4; y < 16; ++y)
      for (int x = 4; x < 16; ++x) {
        platform::SetPixel(pointer, x, y, Red);
        platform::SetPixel(mask, x, y, Black);
      }
    window->pbwork1->SetPicture(pointer);
    window->pbwork2->SetPicture(mask);
    window->PutPointer(190, 180);
    withPointer = window->PB1->image().copy();
    window->PB1->show();
    window->show();
  }
  QImage clean = PictureWithMarkers({});
  QImage withPointer;
};

TEST_F(PrintTest, ThePageNeverShowsThePointerTheScreenKeepsItAndAProblemIsTold) {
  ASSERT_EQ(GetPixel(withPointer, 200, 190), Red);
  window->but_print->click();
  ASSERT_EQ(host.prints.size(), 1u);
  EXPECT_EQ(host.prints[0], clean);
  EXPECT_EQ(window->PB1->image(), withPointer);
  EXPECT_EQ(OnlyMessage().text, "Picture sent to printer");
  EXPECT_EQ(OnlyMessage().icon, platform::MessageIcon::None);

  host.messages.clear();
  host.printOutcome = {false, u"No printer is set up on this computer."_s};
  window->PrintPicture();
  EXPECT_EQ(OnlyMessage().text, "No printer is set up on this computer.");
  EXPECT_EQ(OnlyMessage().icon, platform::MessageIcon::Exclamation);
  EXPECT_EQ(window->PB1->image(), withPointer);

  // Taken off while the picture is unfinished (a tube slides home after a
  // clear, the picture glides to the centre, the next one is set up): a
  // print puts back no stale patch and draws no pointer.
  window->TakePointerOff();
  ASSERT_EQ(window->PB1->image(), clean);
  window->pbwork3->image().fill(Qt::blue);
  window->PrintPicture();
  EXPECT_EQ(host.prints.back(), clean);
  EXPECT_EQ(window->PB1->image(), clean);
  EXPECT_FALSE(window->PointerOnPicture());
}

TEST_F(PrintTest, ThePrintedPageIsARealPdfOfThePicture) {
  const QString pdf = path(u"page.pdf"_s);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  platform::paintPicturePage(printer, clean);
  ASSERT_TRUE(testing_support::ReadFile(pdf).startsWith("%PDF")) << "no PDF written";

  const QString renderer = QStandardPaths::findExecutable(u"pdftoppm"_s);
  if (renderer.isEmpty()) GTEST_SKIP() << "pdftoppm is not installed; the page's pixels were not checked";
  QProcess render;
  render.start(renderer, {u"-r"_s, u"40"_s, u"-png"_s, u"-singlefile"_s, pdf, path(u"page"_s)});
  ASSERT_TRUE(render.waitForFinished(60000));
  const QImage page(path(u"page.png"_s));
  ASSERT_FALSE(page.isNull());
  int green = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QColor c = page.pixelColor(x, y);
      green += c.green() > 150 && c.red() < 80 && c.blue() < 80;
    }
  EXPECT_GT(green, 100) << "the picture is on the page";
}

}  // namespace

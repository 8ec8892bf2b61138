// The Picture Workshop in every language: every text on its two pages comes
// through the translation system, and each translation fits its control at
// 1024 x 768 with no control over another.

#include <QApplication>
#include <QTimer>
#include <QPainter>
#include <functional>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "new_picture_page.h"
#include "support/files.h"
#include "support/screen_texts.h"
#include "workshop_window.h"

using namespace testing_support;

namespace {

// Both pages of the workshop, with a drawing open on the first, in turn.
void VisitPages(const TempProgramFolder& folder, const std::function<void(QWidget*)>& visit) {
  QImage drawing(400, 400, QImage::Format_RGB32);
  drawing.fill(Qt::white);
  {
    QPainter p(&drawing);
    p.drawRect(40, 80, 320, 240);
    p.drawLine(200, 80, 200, 320);
  }
  ASSERT_TRUE(drawing.save(folder.file(QStringLiteral("boxes.png"))));
  // A message box the workshop opens is looked at like a page, then closed.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      visit(box);
      box->close();
    }
  });
  closer.start(50);
  workshop::WorkshopWindow window(folder.path());
  window.resize(1024, 768);
  window.show();
  ASSERT_TRUE(window.newPicture()->OpenSource(folder.file(QStringLiteral("boxes.png"))));
  auto* tabs = window.findChild<QTabWidget*>();
  ASSERT_TRUE(tabs);
  for (int page = 0; page < tabs->count(); ++page) {
    tabs->setCurrentIndex(page);
    visit(&window);
    visit(tabs->currentWidget());
  }
}

}  // namespace

TEST(WorkshopTranslations, EveryTextOnBothPagesIsTranslated) {
  TempProgramFolder folder({QStringLiteral("aobj_se*.cfg"), QStringLiteral("pictures_*.pcf"), QStringLiteral("cat.bmp")});
  MarkingTranslator marking;
  QApplication::installTranslator(&marking);
  QStringList unmarked;
  VisitPages(folder, [&](QWidget* top) {
    for (QWidget* w : ShownWidgets(top))
      for (const QString& text : TextsOf(w))
        if (!Unmarked(text).isEmpty()) unmarked << text;
  });
  QApplication::removeTranslator(&marking);
  unmarked.removeDuplicates();
  EXPECT_TRUE(unmarked.isEmpty()) << unmarked.join(QStringLiteral("\n")).toStdString();
}

TEST(WorkshopTranslations, EveryLanguageFitsItsControls) {
  for (const platform::ScreenLanguageName& language : platform::ScreenLanguages()) {
    const QString code = QString::fromLatin1(language.code);
    ASSERT_TRUE(platform::UseScreenLanguage(code, {QStringLiteral(BRUSHWELL_DIR)}));
    TempProgramFolder folder({QStringLiteral("aobj_se*.cfg"), QStringLiteral("pictures_*.pcf"), QStringLiteral("cat.bmp")});
    QStringList problems;
    VisitPages(folder, [&](QWidget* top) {
      for (QWidget* w : ShownWidgets(top))
        if (const QString cut = CutText(w); !cut.isEmpty()) problems << code + QStringLiteral(": cut: ") + cut;
      if (const QString both = Overlap(top); !both.isEmpty()) problems << code + QStringLiteral(": overlapping: ") + both;
    });
    problems.removeDuplicates();
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QStringLiteral("\n")).toStdString();
  }
  platform::UseScreenLanguage(QStringLiteral("en"), {});
}

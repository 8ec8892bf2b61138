// The guide's plain text read as a document, its HTML edition, and the
// program's own window that shows it.

#include <QFile>
#include <QListWidget>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <gtest/gtest.h>

#include "menu/file_viewer.h"
#include "menu/guide_document.h"

using namespace menu;

TEST(GuideDocument, HeadingsBlocksAndTheirHtml) {
  const QString text = QStringLiteral(
      "THE GUIDE\r\n=========\r\n\r\nIntro <b>text</b>\r\nwrapped.\r\n\r\nContents\r\n  1. One\r\n\r\n"
      "1. FIRST CHAPTER\r\n----------------\r\n\r\n  - an item\r\n    continued\r\n  - another\r\n\r\n"
      "    code   as laid out\r\n      deeper\r\n\r\nA term\r\n    its explanation\r\n\r\n"
      "  1. Step one\r\n     goes on\r\n  2. Step two\r\n\r\n  Running text\r\n  indented.\r\n\r\n"
      "One or\r\ntwo\r\n    explained\r\n      set in\r\n    again\r\n\r\n"
      "A sub-heading\r\n-------------\r\n\r\nText & more.\r\n\r\n2. SECOND\r\n---------\r\nLast.");
  const GuideDocument guide = ParseGuide(text);
  EXPECT_EQ(guide.title, QStringLiteral("THE GUIDE"));
  ASSERT_EQ(guide.introduction.size(), 2u);
  EXPECT_EQ(guide.introduction[0].lines, QStringList{QStringLiteral("Intro <b>text</b> wrapped.")});
  ASSERT_EQ(guide.sections.size(), 3u);
  const GuideSection& first = guide.sections[0];
  EXPECT_TRUE(first.chapter);
  EXPECT_EQ(first.anchor, QStringLiteral("section-1"));
  EXPECT_EQ(ContentsTitle(first), QStringLiteral("1. First chapter"));
  ASSERT_EQ(first.blocks.size(), 6u);
  EXPECT_EQ(first.blocks[0].kind, GuideBlock::Kind::List);
  EXPECT_EQ(first.blocks[0].lines, (QStringList{QStringLiteral("an item continued"), QStringLiteral("another")}));
  EXPECT_EQ(first.blocks[1].kind, GuideBlock::Kind::Preformatted);
  EXPECT_EQ(first.blocks[1].lines, (QStringList{QStringLiteral("code   as laid out"), QStringLiteral("  deeper")}));
  EXPECT_EQ(first.blocks[2].kind, GuideBlock::Kind::Term);
  EXPECT_EQ(first.blocks[3].kind, GuideBlock::Kind::Steps);
  EXPECT_EQ(first.blocks[3].lines, (QStringList{QStringLiteral("1. Step one goes on"), QStringLiteral("2. Step two")}));
  EXPECT_EQ(first.blocks[4].kind, GuideBlock::Kind::Paragraph) << "indented running text";
  EXPECT_EQ(first.blocks[5].kind, GuideBlock::Kind::Term);
  EXPECT_FALSE(guide.sections[1].chapter);
  EXPECT_EQ(guide.sections[1].anchor, QStringLiteral("section-1-1"));
  EXPECT_EQ(guide.sections[2].blocks.front().lines, QStringList{QStringLiteral("Last.")});

  const QString html = GuideToHtml(guide);
  EXPECT_TRUE(html.contains(QStringLiteral("Intro &lt;b&gt;text&lt;/b&gt; wrapped.")));
  EXPECT_TRUE(html.contains(QStringLiteral("<a href=\"#section-1-1\">A sub-heading</a>")));
  EXPECT_TRUE(html.contains(QStringLiteral("<section id=\"section-2\">\n<h2>2. SECOND</h2>")));
  EXPECT_TRUE(html.contains(QStringLiteral("<dt>A term</dt><dd><p>its explanation</p></dd>")));
  EXPECT_TRUE(html.contains(QStringLiteral("<ol>\n<li value=\"1\">Step one goes on</li>\n<li value=\"2\">Step two</li>\n</ol>")));
  EXPECT_TRUE(html.contains(QStringLiteral("<p>Running text indented.</p>")));
  EXPECT_TRUE(html.contains(QStringLiteral(
      "<dt>One or two</dt><dd><p>explained</p><blockquote><p>set in</p></blockquote><p>again</p></dd>")));
  EXPECT_FALSE(html.contains(QStringLiteral("1. One"))) << "the linked contents replace the text's own";
}

// The short guide of each language: readable text in the guide's conventions,
// the same six chapters, each covering its screens (named in English beside
// the translated caption), and an HTML edition in its language and direction.
TEST(GuideDocument, ShortGuidesAndTheirHtml) {
  const std::vector<QStringList> chapters = {
      {QStringLiteral("(Start)"), QStringLiteral("(Test Speed)"), QStringLiteral("(Animation Speed Settings)")},
      {QStringLiteral("(Program Settings and Information)"), QStringLiteral("(User Guide)"), QStringLiteral("(Exit)")},
      {QStringLiteral("(Scan Settings)"), QStringLiteral("(Coloring Options)"), QStringLiteral("(Auditory Settings)"),
       QStringLiteral("(Picture List)")},
      {QStringLiteral("(Keyboard / Switch Information)"), QStringLiteral("(Switch Timing)"),
       QStringLiteral("(Test Switches)")},
      {QStringLiteral("(Picture Workshop)"), QStringLiteral("(Save Picture)"), QStringLiteral("(Save List)")},
      {QStringLiteral("aobj_se1.cfg"), QStringLiteral("dialout")}};
  for (const char* code : {"nl", "fr", "es", "de", "he"}) {
    SCOPED_TRACE(code);
    QFile file(QStringLiteral(BRUSHWELL_SOURCE_DIR "/content/aobj_gid.%1.txt").arg(QLatin1String(code)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(file.readAll());
    ASSERT_FALSE(utf8.hasError());
    const GuideDocument guide = ParseGuide(text);
    EXPECT_FALSE(guide.title.isEmpty());
    // Each chapter's text, from its heading to the next chapter's.
    QStringList chapterText;
    for (const GuideSection& s : guide.sections) {
      if (s.chapter) {
        EXPECT_TRUE(s.title.startsWith(QStringLiteral("%1. ").arg(chapterText.size() + 1))) << s.title.toStdString();
        chapterText << QString();
      }
      ASSERT_FALSE(chapterText.isEmpty()) << "a sub-heading before the first chapter";
      chapterText.last() += s.title + QLatin1Char('\n');
      for (const GuideBlock& b : s.blocks) chapterText.last() += b.lines.join(QLatin1Char(' ')) + QLatin1Char('\n');
    }
    ASSERT_EQ(chapterText.size(), static_cast<qsizetype>(chapters.size()));
    for (size_t i = 0; i < chapters.size(); ++i)
      for (const QString& caption : chapters[i])
        EXPECT_TRUE(chapterText[i].contains(caption)) << "chapter " << i + 1 << " lacks " << caption.toStdString();
    EXPECT_EQ(GuideLanguage(file.fileName()), QLatin1String(code));

    QFile built(QStringLiteral(BRUSHWELL_DIR "/aobj_gid.%1.html").arg(QLatin1String(code)));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(built.readAll());
    const QString rtl = qstrcmp(code, "he") == 0 ? QStringLiteral(" dir=\"rtl\"") : QString();
    EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"%1\"%2>").arg(QLatin1String(code), rtl)));
    // The linked contents take the heading of the text's own contents block.
    EXPECT_FALSE(html.contains(QStringLiteral("<h2>Contents</h2>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<a href=\"#section-6\">")));
  }
  QFile english(QStringLiteral(BRUSHWELL_DIR "/aobj_gid.html"));
  ASSERT_TRUE(english.open(QIODevice::ReadOnly));
  EXPECT_TRUE(english.readAll().contains("<html lang=\"en\">\n"));
}

// The program's own guide window at its size on a 1024 x 768 screen cuts no
// text, in any language: the guide's laid-out blocks wrap rather than run
// past the edge, and every chapter title fits the contents list, on two lines
// if need be. The Hebrew guide reads from the right, its contents too.
TEST(GuideViewer, NoTextIsCutOff) {
  for (const char* name : {"aobj_gid.txt", "aobj_gid.nl.txt", "aobj_gid.fr.txt", "aobj_gid.es.txt", "aobj_gid.de.txt",
                           "aobj_gid.he.txt"}) {
    SCOPED_TRACE(name);
    auto* viewer = new FileViewer(QStringLiteral(BRUSHWELL_SOURCE_DIR "/content/") + QLatin1String(name),
                                  FileViewer::Mode::Guide, nullptr);
    viewer->show();
    QTest::qWait(50);  // laid out, scroll bars set
    EXPECT_LE(viewer->width(), 1024);
    EXPECT_LE(viewer->height(), 768);
    QTextBrowser* guide = viewer->guide;
    EXPECT_GT(guide->document()->toPlainText().count(u'\n'), 80);
    const Qt::LayoutDirection direction = qstrcmp(name, "aobj_gid.he.txt") == 0 ? Qt::RightToLeft : Qt::LeftToRight;
    EXPECT_EQ(viewer->contents->layoutDirection(), direction);
    // Every block may wrap at the edge (how wide a laid-out table is depends on
    // the fonts), and every line, where it stands, is within the visible width.
    double widest = 0;
    int unbreakable = 0;
    int otherDirection = 0;
    for (QTextBlock b = guide->document()->begin(); b.isValid(); b = b.next()) {
      unbreakable += b.blockFormat().nonBreakableLines() ? 1 : 0;
      otherDirection += !b.text().isEmpty() && b.textDirection() != direction ? 1 : 0;
      for (int i = 0; i < b.layout()->lineCount(); ++i)
        widest = std::max(widest, b.layout()->position().x() + b.layout()->lineAt(i).naturalTextWidth());
    }
    EXPECT_EQ(unbreakable, 0);
    EXPECT_EQ(otherDirection, 0);
    EXPECT_LE(widest, guide->viewport()->width());
    EXPECT_EQ(guide->horizontalScrollBar()->maximum(), 0);
    const QFontMetrics metrics(viewer->contents->font());
    const int room = viewer->contents->viewport()->width() - 10;  // less the item's margins
    for (int i = 0; i < viewer->contents->count(); ++i) {
      const QListWidgetItem* item = viewer->contents->item(i);
      const QRect need = metrics.boundingRect(QRect(0, 0, room, 1000), Qt::TextWordWrap, item->text());
      EXPECT_LE(need.height(), viewer->contents->visualItemRect(item).height()) << item->text().toStdString();
    }
    delete viewer;
  }
}

// The guide's plain text read as a document, and its HTML edition.

#include <gtest/gtest.h>

#include "menu/guide_document.h"

using namespace menu;

TEST(GuideDocument, HeadingsBlocksAndTheirHtml) {
  const QString text = QStringLiteral(
      "THE GUIDE\r\n=========\r\n\r\nIntro <b>text</b>\r\nwrapped.\r\n\r\nContents\r\n  1. One\r\n\r\n"
      "1. FIRST CHAPTER\r\n----------------\r\n\r\n  - an item\r\n    continued\r\n  - another\r\n\r\n"
      "    code  as laid out\r\n      deeper\r\n\r\nA term\r\n    its explanation\r\n\r\n"
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
  ASSERT_EQ(first.blocks.size(), 3u);
  EXPECT_EQ(first.blocks[0].kind, GuideBlock::Kind::List);
  EXPECT_EQ(first.blocks[0].lines, (QStringList{QStringLiteral("an item continued"), QStringLiteral("another")}));
  EXPECT_EQ(first.blocks[1].kind, GuideBlock::Kind::Preformatted);
  EXPECT_EQ(first.blocks[1].lines, (QStringList{QStringLiteral("code  as laid out"), QStringLiteral("  deeper")}));
  EXPECT_EQ(first.blocks[2].kind, GuideBlock::Kind::Term);
  EXPECT_FALSE(guide.sections[1].chapter);
  EXPECT_EQ(guide.sections[1].anchor, QStringLiteral("section-1-1"));
  EXPECT_EQ(guide.sections[2].blocks.front().lines, QStringList{QStringLiteral("Last.")});

  const QString html = GuideToHtml(guide);
  EXPECT_TRUE(html.contains(QStringLiteral("Intro &lt;b&gt;text&lt;/b&gt; wrapped.")));
  EXPECT_TRUE(html.contains(QStringLiteral("<a href=\"#section-1-1\">A sub-heading</a>")));
  EXPECT_TRUE(html.contains(QStringLiteral("<section id=\"section-2\">\n<h2>2. SECOND</h2>")));
  EXPECT_TRUE(html.contains(QStringLiteral("<dt>A term</dt><dd><p>its explanation</p></dd>")));
  EXPECT_FALSE(html.contains(QStringLiteral("1. One"))) << "the linked contents replace the text's own";
}

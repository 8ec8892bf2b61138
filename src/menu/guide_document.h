#pragma once
// The user guide's plain text read as a document: its title, its chapters
// and sub-headings, and its blocks (paragraphs, lists, indented tables and
// examples). The same reading gives the HTML edition of the guide and the
// contents list of the program's own guide window.
//
// The text's conventions: the title is underlined with "=", a heading with
// "-"; blocks are separated by blank lines; a block of "  - " lines is a
// list; "1. " lines with their continuations indented deeper are numbered
// steps; an indented block is kept as it is laid out unless it is running
// text (lines of one indentation, no columns); a line followed by lines
// indented deeper is a term and its explanation.

#include <QString>
#include <QStringList>
#include <vector>

namespace menu {

struct GuideBlock {
  enum class Kind { Paragraph, List, Steps, Preformatted, Term };
  Kind kind = Kind::Paragraph;
  QStringList lines;  // Paragraph: one text; List: one item each; Steps: "1. ..." one step each;
                      // Preformatted: lines as laid out; Term: the term, then its explanation laid out
};

struct GuideSection {
  QString title;     // as written, e.g. "1. FIRST START AND THE SPEED CALIBRATION"
  bool chapter = false;  // a numbered chapter, not a sub-heading within one
  QString anchor;    // "section-1", "section-1-2", ...: unique within the guide
  std::vector<GuideBlock> blocks;
};

struct GuideDocument {
  QString title;
  std::vector<GuideBlock> introduction;  // the blocks before the first heading
  std::vector<GuideSection> sections;
};

GuideDocument ParseGuide(const QString& text);

// The language a guide file is written in, from its name: "nl" for
// "aobj_gid.nl.txt" (or its HTML edition); "en" for a name without a code.
QString GuideLanguage(const QString& fileName);

// A whole HTML page in the given language: a title, a contents list linking
// every heading, and the chapters; right to left for a language written so.
// The contents list is headed as the text's own contents block is ("Inhoud"
// in a Dutch guide). Every text is escaped.
QString GuideToHtml(const GuideDocument& guide, const QString& language = QStringLiteral("en"));

// How a chapter's title reads in a contents list: "1. First start and the
// speed calibration" for "1. FIRST START AND THE SPEED CALIBRATION".
QString ContentsTitle(const GuideSection& section);

}  // namespace menu

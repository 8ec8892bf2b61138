#include "menu/guide_document.h"

#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <climits>

namespace menu {

namespace {

int Indent(const QString& line) {
  int n = 0;
  while (n < line.size() && line[n] == QLatin1Char(' ')) ++n;
  return n;
}

bool IsUnderline(const QString& line, QChar mark) {
  const QString t = line.trimmed();
  return t.size() >= 3 && t.count(mark) == t.size();
}

bool IsListItem(const QString& line) {
  const QString t = line.trimmed();
  return Indent(line) > 0 && t.startsWith(QLatin1String("- "));
}

// The lines without the indentation they all share.
QStringList Dedented(const QStringList& lines) {
  int common = INT_MAX;
  for (const QString& l : lines)
    if (!l.trimmed().isEmpty()) common = std::min(common, Indent(l));
  if (common == INT_MAX) common = 0;
  QStringList out;
  for (const QString& l : lines) out << l.mid(common);
  return out;
}

// Words set in columns: a gap of three or more spaces inside a line.
bool HasColumns(const QStringList& lines) {
  return std::any_of(lines.begin(), lines.end(), [](const QString& l) { return l.trimmed().contains(QLatin1String("   ")); });
}

// Lines of running text: one indentation, no columns.
bool IsRunningText(const QStringList& lines) {
  const int first = Indent(lines.first());
  return !HasColumns(lines) &&
         std::all_of(lines.begin(), lines.end(), [first](const QString& l) { return Indent(l) == first; });
}

QString Joined(const QStringList& lines) {
  QStringList words;
  for (const QString& l : lines) words << l.trimmed();
  return words.join(QLatin1Char(' '));
}

const QRegularExpression& StepNumber() {
  static const QRegularExpression number(QStringLiteral("^\\d+\\.\\s"));
  return number;
}

// Numbered steps: "1. ..." lines, each followed by its lines indented deeper.
bool IsSteps(const QStringList& lines) {
  const int base = Indent(lines.first());
  return std::all_of(lines.begin(), lines.end(), [base](const QString& l) {
    return Indent(l) > base || (Indent(l) == base && StepNumber().match(l.trimmed()).hasMatch());
  });
}

GuideBlock Classify(const QStringList& lines) {
  GuideBlock block;
  if (IsListItem(lines.first())) {
    block.kind = GuideBlock::Kind::List;
    for (const QString& l : lines) {
      if (IsListItem(l)) block.lines << l.trimmed().mid(2).trimmed();
      else if (!block.lines.isEmpty()) block.lines.last() += QLatin1Char(' ') + l.trimmed();
    }
    return block;
  }
  const QStringList dedented = Dedented(lines);
  if (!HasColumns(lines) && StepNumber().match(lines.first().trimmed()).hasMatch() && IsSteps(lines)) {
    block.kind = GuideBlock::Kind::Steps;
    for (const QString& l : dedented) {
      if (Indent(l) == 0) block.lines << l.trimmed();
      else block.lines.last() += QLatin1Char(' ') + l.trimmed();
    }
    return block;
  }
  // A term may take more than one line ("... or" on the first).
  qsizetype head = 1;
  while (head < dedented.size() && Indent(dedented[head]) == 0) ++head;
  const bool explained = head < dedented.size() && std::all_of(dedented.begin() + head, dedented.end(), [](const QString& l) {
    return Indent(l) > 0;
  });
  if (explained && !HasColumns(dedented.mid(0, head))) {
    block.kind = GuideBlock::Kind::Term;
    block.lines << Joined(dedented.mid(0, head)) << Dedented(dedented.mid(head));
    return block;
  }
  // An indented block is kept as laid out, unless it is running text.
  if (Indent(lines.first()) > 0 && (lines.size() == 1 || !IsRunningText(lines))) {
    block.kind = GuideBlock::Kind::Preformatted;
    block.lines = dedented;
    return block;
  }
  block.lines << Joined(lines);
  return block;
}

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

// The text's own contents block: a term ("Contents") explained by a line for
// each chapter, "1. ...".
bool IsContentsBlock(const GuideBlock& b) {
  return b.kind == GuideBlock::Kind::Term && b.lines.size() > 1 &&
         std::all_of(b.lines.begin() + 1, b.lines.end(),
                     [](const QString& l) { return StepNumber().match(l.trimmed()).hasMatch(); });
}

// An explanation, in runs of lines of one depth: running text reads as a
// paragraph (set in when it is deeper than the explanation), lines laid out
// in columns or at several depths keep their layout.
QString Explanation(const QStringList& lines) {
  QString html;
  for (int i = 0; i < lines.size();) {
    const bool deeper = Indent(lines[i]) > 0;
    int end = i + 1;
    while (end < lines.size() && (Indent(lines[end]) > 0) == deeper) ++end;
    const QStringList run = lines.mid(i, end - i);
    if (!IsRunningText(run))
      html += QStringLiteral("<pre>") + Escaped(Dedented(run).join(QLatin1Char('\n'))) + QStringLiteral("</pre>");
    else if (deeper)
      html += QStringLiteral("<blockquote><p>") + Escaped(Joined(run)) + QStringLiteral("</p></blockquote>");
    else
      html += QStringLiteral("<p>") + Escaped(Joined(run)) + QStringLiteral("</p>");
    i = end;
  }
  return html;
}

void AppendBlocks(QString& html, const std::vector<GuideBlock>& blocks) {
  for (const GuideBlock& b : blocks) {
    switch (b.kind) {
      case GuideBlock::Kind::Paragraph:
        html += QStringLiteral("<p>") + Escaped(b.lines.first()) + QStringLiteral("</p>\n");
        break;
      case GuideBlock::Kind::List:
        html += QStringLiteral("<ul>\n");
        for (const QString& item : b.lines) html += QStringLiteral("<li>") + Escaped(item) + QStringLiteral("</li>\n");
        html += QStringLiteral("</ul>\n");
        break;
      case GuideBlock::Kind::Steps:
        html += QStringLiteral("<ol>\n");
        for (const QString& step : b.lines) {
          const QString number = StepNumber().match(step).captured(0);
          html += QStringLiteral("<li value=\"%1\">").arg(number.trimmed().chopped(1)) +
                  Escaped(step.mid(number.size()).trimmed()) + QStringLiteral("</li>\n");
        }
        html += QStringLiteral("</ol>\n");
        break;
      case GuideBlock::Kind::Preformatted:
        html += QStringLiteral("<pre>") + Escaped(b.lines.join(QLatin1Char('\n'))) + QStringLiteral("</pre>\n");
        break;
      case GuideBlock::Kind::Term:
        html += QStringLiteral("<dl><dt>") + Escaped(b.lines.first()) + QStringLiteral("</dt><dd>") +
                Explanation(b.lines.mid(1)) + QStringLiteral("</dd></dl>\n");
        break;
    }
  }
}

}  // namespace

GuideDocument ParseGuide(const QString& text) {
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& l : lines) {
    if (l.endsWith(QLatin1Char('\r'))) l.chop(1);
    l.replace(QLatin1Char('\t'), QLatin1String("    "));
  }
  GuideDocument guide;
  std::vector<GuideBlock>* blocks = &guide.introduction;
  QStringList pending;
  auto flush = [&] {
    if (!pending.isEmpty()) blocks->push_back(Classify(pending));
    pending.clear();
  };
  static const QRegularExpression chapterNumber(QStringLiteral("^(\\d+)\\."));
  QString chapter = QStringLiteral("0");
  int subheading = 0;
  for (int i = 0; i < lines.size(); ++i) {
    const QString& line = lines[i];
    const bool heading = i + 1 < lines.size() && !line.trimmed().isEmpty() && Indent(line) == 0;
    if (heading && guide.title.isEmpty() && guide.sections.empty() && IsUnderline(lines[i + 1], QLatin1Char('='))) {
      flush();
      guide.title = line.trimmed();
      ++i;
      continue;
    }
    if (heading && IsUnderline(lines[i + 1], QLatin1Char('-'))) {
      flush();
      GuideSection section;
      section.title = line.trimmed();
      const auto number = chapterNumber.match(section.title);
      section.chapter = number.hasMatch();
      if (section.chapter) {
        chapter = number.captured(1);
        subheading = 0;
        section.anchor = QStringLiteral("section-") + chapter;
      } else {
        section.anchor = QStringLiteral("section-%1-%2").arg(chapter).arg(++subheading);
      }
      guide.sections.push_back(section);
      blocks = &guide.sections.back().blocks;
      ++i;
      continue;
    }
    if (line.trimmed().isEmpty()) flush();
    else pending << line;
  }
  flush();
  return guide;
}

QString ContentsTitle(const GuideSection& section) {
  if (section.title != section.title.toUpper()) return section.title;
  static const QRegularExpression numbered(QStringLiteral("^(\\d+\\.\\s*)(.*)$"));
  const auto m = numbered.match(section.title);
  const QString number = m.hasMatch() ? m.captured(1) : QString();
  const QString words = (m.hasMatch() ? m.captured(2) : section.title).toLower();
  return number + (words.isEmpty() ? words : words.left(1).toUpper() + words.mid(1));
}

QString GuideLanguage(const QString& fileName) {
  static const QRegularExpression coded(QStringLiteral("^[^.]+\\.([a-z]{2,3})\\.[a-z]+$"));
  const auto m = coded.match(QFileInfo(fileName).fileName());
  return m.hasMatch() ? m.captured(1) : QStringLiteral("en");
}

QString GuideToHtml(const GuideDocument& guide, const QString& language) {
  const QString title = guide.title.isEmpty() ? QStringLiteral("User's Guide") : guide.title;
  const bool rtl = QLocale(language).textDirection() == Qt::RightToLeft;
  // The text's own contents block gives way to the linked one, which takes its heading.
  QString contentsHeading = QStringLiteral("Contents");
  std::vector<GuideBlock> introduction;
  for (const GuideBlock& b : guide.introduction) {
    if (IsContentsBlock(b)) contentsHeading = b.lines.first();
    else introduction.push_back(b);
  }
  QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"%2>\n<head>\n<meta charset=\"utf-8\">\n")
                     .arg(language.toHtmlEscaped(), rtl ? QStringLiteral(" dir=\"rtl\"") : QString()) +
                 QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>") +
                 Escaped(ContentsTitle({title, false, {}, {}})) +
                 QStringLiteral(
                     "</title>\n<style>\n"
                     "body { font-family: sans-serif; line-height: 1.5; max-width: 48em; margin: 2em auto; padding: 0 1em; "
                     "color: #111; background: #fff; }\n"
                     "pre { background: #f3f3f3; padding: 0.6em; overflow-x: auto; }\n"
                     "dt { font-weight: bold; } nav li { list-style: none; } nav li.sub { margin-%1: 1.5em; }\n"
                     "a:focus { outline: 3px solid #005fcc; }\n"
                     "</style>\n</head>\n<body>\n<h1>")
                     .arg(rtl ? QStringLiteral("right") : QStringLiteral("left")) +
                 Escaped(title) + QStringLiteral("</h1>\n");
  AppendBlocks(html, introduction);
  html += QStringLiteral("<nav aria-label=\"%1\">\n<h2>%1</h2>\n<ul>\n").arg(Escaped(contentsHeading));
  for (const GuideSection& s : guide.sections)
    html += QStringLiteral("<li%1><a href=\"#%2\">%3</a></li>\n")
                .arg(s.chapter ? QString() : QStringLiteral(" class=\"sub\""), s.anchor, Escaped(ContentsTitle(s)));
  html += QStringLiteral("</ul>\n</nav>\n");
  for (const GuideSection& s : guide.sections) {
    html += QStringLiteral("<section id=\"%1\">\n<h%2>%3</h%2>\n").arg(s.anchor).arg(s.chapter ? 2 : 3).arg(Escaped(s.title));
    AppendBlocks(html, s.blocks);
    html += QStringLiteral("</section>\n");
  }
  html += QStringLiteral("</body>\n</html>\n");
  return html;
}

}  // namespace menu

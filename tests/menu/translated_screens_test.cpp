// The carer's screens in every language: each text on them comes through the
// translation system, and each translation fits its control at 1024 x 768
// with no control over another.

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTranslator>
#include <functional>

#include "app/credits_window.h"
#include "menu/file_viewer.h"
#include "menu/screen_widgets.h"
#include "platform/screen_language.h"
#include "settings/options_file.h"

#include "menu_fixture.h"

namespace {

const QString Open = QStringLiteral("\u27e6"), Close = QStringLiteral("\u27e7");

// Answers every text asked for with the text between marks: a text on the
// screen without them was never asked for.
class MarkingTranslator : public QTranslator {
public:
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* source, const char*, int) const override {
    return Open + QString::fromUtf8(source) + Close;
  }
};

// What may stand on a screen untranslated: numbers, file names, the names of
// languages in themselves and the carer's own list descriptions.
bool Untranslated(const QString& rest) {
  static const QRegularExpression plain(
      QStringLiteral("^[\\s\\d.,:;%()/#+\\-]*$|^[\\w\\-./ ]+\\.(txt|pcf|cfg|ini|bmp|jpg|wav)$|^List \\d+$"));
  if (plain.match(rest).hasMatch()) return true;
  for (const platform::ScreenLanguageName& l : platform::ScreenLanguages())
    if (rest == QString::fromUtf8(l.ownName)) return true;
  return rest == QLatin1String("Brushwell Version 2");  // the program's name and version
}

// The part of `text` outside the marked pieces, or "" when it may stand.
QString Unmarked(QString text) {
  static const QRegularExpression marked(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
  for (qsizetype before = -1; before != text.size();) {  // innermost first: arguments may be translated too
    before = text.size();
    text.remove(marked);
  }
  return Untranslated(text.trimmed()) ? QString() : text;
}

// The texts a carer sees on `w` itself.
QStringList TextsOf(QWidget* w) {
  QStringList texts{w->toolTip()};
  if (w->isWindow()) texts << w->windowTitle();
  if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
  if (auto* box = qobject_cast<QGroupBox*>(w)) texts << box->title();
  if (auto* combo = qobject_cast<QComboBox*>(w))
    for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
  if (auto* table = qobject_cast<QTableWidget*>(w))
    for (int r = 0; r < table->rowCount(); ++r)
      for (int c = 0; c < table->columnCount(); ++c)
        if (table->item(r, c)) texts << table->item(r, c)->text();
  texts.removeAll(QString());
  return texts;
}

QList<QWidget*> ShownWidgets(QWidget* top) {
  QList<QWidget*> shown{top};
  for (QWidget* w : top->findChildren<QWidget*>())
    if (w->isVisibleTo(top)) shown << w;
  return shown;
}

// Which text of `w` does not fit it, or "".
QString CutText(QWidget* w) {
  const QFontMetrics metrics = w->fontMetrics();
  static const QRegularExpression leader(QStringLiteral("^\\.+$"));  // a dotted leader is cut to its room
  if (auto* label = qobject_cast<QLabel*>(w);
      label && !label->text().isEmpty() && label->pixmap().isNull() && !leader.match(label->text()).hasMatch()) {
    const int room = label->contentsRect().width() - 2 * label->margin() - label->indent();
    if (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                          : metrics.boundingRect(QRect(0, 0, 100000, 100000), 0, label->text()).width() > room)
      return label->text();
  }
  if (auto* wrapping = qobject_cast<menu::WrappingCheckBox*>(w)) {
    if (wrapping->heightForWidth(wrapping->width()) > wrapping->height()) return wrapping->text();
  } else if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty()) {
    if (button->sizeHint().width() > button->width()) return button->text();
  }
  if (auto* box = qobject_cast<QGroupBox*>(w); box && !box->title().isEmpty()) {
    if (box->fontMetrics().horizontalAdvance(box->title()) + 16 > box->width()) return box->title();
  }
  return {};
}

// Two shown controls of one parent over each other, or "".
QString Overlap(QWidget* top) {
  for (QWidget* parent : ShownWidgets(top)) {
    QList<QWidget*> children;
    for (QObject* o : parent->children())
      if (auto* w = qobject_cast<QWidget*>(o);
          w && !w->isWindow() && w->isVisibleTo(top) && !w->testAttribute(Qt::WA_TransparentForMouseEvents))
        children << w;  // (an overlay such as the focus ring lies over others by design)
    for (int i = 0; i < children.size(); ++i)
      for (int j = i + 1; j < children.size(); ++j)
        if (children[i]->geometry().intersects(children[j]->geometry()))
          return QStringLiteral("%1 %2 %3 / %4 %5 %6")
              .arg(QString::fromLatin1(children[i]->metaObject()->className()), children[i]->accessibleName())
              .arg(children[i]->geometry().x()).arg(QString::fromLatin1(children[j]->metaObject()->className()), children[j]->accessibleName())
              .arg(children[j]->geometry().x());
  }
  return {};
}

class TranslatedScreensTest : public MenuTest {
protected:
  void TearDown() override { platform::UseScreenLanguage(QStringLiteral("en"), {}); }

  // Every carer's screen in turn, shown as the carer opens it.
  void visitScreens(const std::function<void(QWidget*)>& visit) {
    visit(banner.get());
    for (QGroupBox* frame : {static_cast<QGroupBox*>(banner->frame_scan), static_cast<QGroupBox*>(banner->frame_coloring_option),
                             static_cast<QGroupBox*>(banner->auditory_frame), static_cast<QGroupBox*>(banner->device_frame),
                             static_cast<QGroupBox*>(banner->frame_MySongs), static_cast<QGroupBox*>(banner->stats_frame)}) {
      banner->OpenScreen(frame);
      visit(frame);
      frame->hide();
      banner->ShowMainMenu();
    }
    banner->OpenScreen(banner->device_frame);
    for (QGroupBox* frame : {static_cast<QGroupBox*>(banner->switch_timing_frame),
                             static_cast<QGroupBox*>(banner->test_switches_frame)}) {
      banner->OpenSwitchScreen(frame);
      visit(frame);
      frame->hide();
    }
    for (auto mode : {menu::FileViewer::Mode::Guide, menu::FileViewer::Mode::List}) {
      menu::FileViewer viewer(QDir(folder()).filePath(mode == menu::FileViewer::Mode::Guide ? QStringLiteral("aobj_gid.txt")
                                                                                             : QStringLiteral("pictures_1.pcf")),
                              mode, banner.get());
      viewer.show();
      visit(&viewer);
    }
    app::CreditsWindow credits;
    credits.show();
    visit(&credits);
  }
};

}  // namespace

TEST_F(TranslatedScreensTest, EveryTextOnEveryScreenAndInEveryMessageIsTranslated) {
  MarkingTranslator marking;
  QCoreApplication::installTranslator(&marking);
  QStringList unmarked;
  host.onMessage = [&](const testing_support::RecordedMessage& m) {
    if (!Unmarked(m.text).isEmpty()) unmarked << m.text;
  };
  // A damaged option file and settings file bring their messages too.
  testing_support::WriteFile(folder() + settings::OptionsFileName,
                             "[switch]\nAcceptanceMs=soon\nReleaseMs=9000\n[display]\nLanguage=xx\n");
  settings::SettingsData record = describedRecord();
  record.ScanSeconds = 99;
  load(record);
  visitScreens([&](QWidget* top) {
    for (QWidget* w : ShownWidgets(top))
      for (const QString& text : TextsOf(w))
        if (!Unmarked(text).isEmpty()) unmarked << text;
  });
  QCoreApplication::removeTranslator(&marking);
  unmarked.removeDuplicates();
  EXPECT_TRUE(unmarked.isEmpty()) << unmarked.join(QStringLiteral("\n")).toStdString();
}

class EveryLanguage : public TranslatedScreensTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EveryLanguage, EveryScreenHoldsItsTextsWithNothingCutOrOverlapping) {
  const QString code = QString::fromLatin1(GetParam());
  ASSERT_TRUE(platform::UseScreenLanguage(code, {QStringLiteral(BRUSHWELL_DIR)}));
  EXPECT_EQ(QGuiApplication::layoutDirection(), code == QLatin1String("he") ? Qt::RightToLeft : Qt::LeftToRight);
  load();
  QStringList problems;
  visitScreens([&](QWidget* top) {
    const QString screen = top->isWindow() ? top->windowTitle() : qobject_cast<QGroupBox*>(top)->title();
    if (top != banner.get() && (top->width() > 1024 || top->height() > 768)) problems << screen + QStringLiteral(": larger than 1024 x 768");
    for (QWidget* w : ShownWidgets(top))
      if (const QString cut = CutText(w); !cut.isEmpty()) problems << screen + QStringLiteral(": cut: ") + cut;
    if (const QString both = Overlap(top); !both.isEmpty()) problems << screen + QStringLiteral(": overlapping: ") + both;
  });
  problems.removeDuplicates();
  EXPECT_TRUE(problems.isEmpty()) << problems.join(QStringLiteral("\n")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryLanguage, ::testing::Values("en", "nl", "fr", "es", "de", "he"));

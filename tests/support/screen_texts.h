#pragma once
// What a carer sees on a window, for the translation tests: a translator
// that marks every text it is asked for, the texts of the shown controls,
// and which of them are cut or lie over one another.

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTranslator>

#include "menu/screen_widgets.h"
#include "platform/screen_language.h"

namespace testing_support {

inline const QString Open = QStringLiteral("\u27e6"), Close = QStringLiteral("\u27e7");

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
inline bool Untranslated(const QString& rest) {
  static const QRegularExpression plain(
      QStringLiteral("^[\\s\\d.,:;%()/#+\\-]*$|^[\\w\\-./ ]+\\.(txt|pcf|cfg|ini|bmp|jpg|wav)$|^List \\d+$"));
  if (plain.match(rest).hasMatch()) return true;
  for (const platform::ScreenLanguageName& l : platform::ScreenLanguages())
    if (rest == QString::fromUtf8(l.ownName)) return true;
  return rest == QLatin1String("Brushwell Version 2");  // the program's name and version
}

// The part of `text` outside the marked pieces, or "" when it may stand.
inline QString Unmarked(QString text) {
  static const QRegularExpression marked(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
  for (qsizetype before = -1; before != text.size();) {  // innermost first: arguments may be translated too
    before = text.size();
    text.remove(marked);
  }
  return Untranslated(text.trimmed()) ? QString() : text;
}

// The texts a carer sees on `w` itself.
inline QStringList TextsOf(QWidget* w) {
  QStringList texts{w->toolTip()};
  if (w->isWindow()) texts << w->windowTitle();
  if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
  if (auto* box = qobject_cast<QGroupBox*>(w)) texts << box->title();
  if (auto* combo = qobject_cast<QComboBox*>(w))
    for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
  if (auto* list = qobject_cast<QListWidget*>(w))
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->toolTip();
  if (auto* table = qobject_cast<QTableWidget*>(w))
    for (int r = 0; r < table->rowCount(); ++r)
      for (int c = 0; c < table->columnCount(); ++c)
        if (table->item(r, c)) texts << table->item(r, c)->text();
  texts.removeAll(QString());
  return texts;
}

inline QList<QWidget*> ShownWidgets(QWidget* top) {
  QList<QWidget*> shown{top};
  for (QWidget* w : top->findChildren<QWidget*>())
    if (w->isVisibleTo(top)) shown << w;
  return shown;
}

// Which text of `w` does not fit it, or "".
inline QString CutText(QWidget* w) {
  const QFontMetrics metrics = w->fontMetrics();
  static const QRegularExpression leader(QStringLiteral("^\\.+$"));  // a dotted leader is cut to its room
  if (auto* label = qobject_cast<QLabel*>(w);
      label && !label->text().isEmpty() && label->pixmap().isNull() && !leader.match(label->text()).hasMatch()) {
    const int room = label->contentsRect().width() - 2 * label->margin() - label->indent();
    QString shown = label->text();
    if (label->buddy()) shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));  // the mnemonic's mark is not drawn
    if (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                          : metrics.boundingRect(QRect(0, 0, 100000, 100000), 0, shown).width() > room)
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
inline QString Overlap(QWidget* top) {
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

}  // namespace testing_support

#include "app/credits_window.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "media/narration_languages.h"
#include "platform/host.h"

namespace app {

void EndProgram() { platform::host().endProgram(0); }

namespace {

// The narration's languages as the credits name them (their English names
// in media::NarrationLanguages), listed here for the translators.
[[maybe_unused]] constexpr const char* LanguageNames[] = {
    QT_TRANSLATE_NOOP("CreditsWindow", "English"), QT_TRANSLATE_NOOP("CreditsWindow", "Dutch"),
    QT_TRANSLATE_NOOP("CreditsWindow", "French"),  QT_TRANSLATE_NOOP("CreditsWindow", "Spanish"),
    QT_TRANSLATE_NOOP("CreditsWindow", "German"),  QT_TRANSLATE_NOOP("CreditsWindow", "Hebrew")};

// A role, a dotted leader and a name on one line.
QWidget* roleLine(const QString& role, const QString& name, QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* roleLabel = new QLabel(role, row);
  auto* leader = new QLabel(QString(40, QLatin1Char('.')), row);
  leader->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  leader->setAccessibleName(QString());
  auto* nameLabel = new QLabel(name, row);
  layout->addWidget(roleLabel);
  layout->addWidget(leader, 1);
  layout->addWidget(nameLabel);
  row->setAccessibleName(role + QStringLiteral(": ") + name);
  return row;
}

QLineEdit* textBox(const QString& text, QWidget* parent) {
  auto* box = new QLineEdit(text, parent);
  box->setReadOnly(true);
  box->setFrame(false);
  box->setAccessibleName(text);
  box->setCursorPosition(0);
  return box;
}

}  // namespace

QString NarrationCredit(const media::NarrationLanguage& language) {
  return QCoreApplication::translate("CreditsWindow", "%1 speech synthesizer, voice %2")
      .arg(QString::fromLatin1(media::SpeechEngineName(language.engine)), QString::fromLatin1(language.voice));
}

CreditsWindow::CreditsWindow(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QCoreApplication::translate("CreditsWindow", "Credits"));
  setWindowFlag(Qt::FramelessWindowHint);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(255, 248, 231));
  setPalette(pal);

  Frame1 = new QFrame(this);
  Frame1->setFrameShape(QFrame::StyledPanel);
  Frame1->setAutoFillBackground(true);
  QPalette framePal = Frame1->palette();
  framePal.setColor(QPalette::Window, Qt::white);
  Frame1->setPalette(framePal);

  auto* layout = new QVBoxLayout(Frame1);
  layout->setContentsMargins(30, 20, 30, 20);
  layout->setSpacing(6);

  auto* heading = new QLabel(QCoreApplication::translate("CreditsWindow", "Credits"), Frame1);
  QFont headingFont = heading->font();
  headingFont.setPointSize(headingFont.pointSize() + 8);
  headingFont.setBold(true);
  heading->setFont(headingFont);
  heading->setAlignment(Qt::AlignCenter);
  layout->addWidget(heading);

  auto* voices = new QLabel(QCoreApplication::translate("CreditsWindow", "Voice Narration"), Frame1);
  QFont bold = voices->font();
  bold.setBold(true);
  voices->setFont(bold);
  layout->addWidget(voices);
  // One line per language, from the table the spoken words are made from.
  for (const media::NarrationLanguage& language : media::NarrationLanguages)
    layout->addWidget(roleLine(QStringLiteral("    ") + QCoreApplication::translate("CreditsWindow", language.englishName),
                               NarrationCredit(language), Frame1));
  layout->addSpacing(8);
  layout->addWidget(roleLine(QCoreApplication::translate("CreditsWindow", "Technical Advisor"), QCoreApplication::translate("CreditsWindow", "The Brushwell contributors"), Frame1));
  layout->addWidget(roleLine(QCoreApplication::translate("CreditsWindow", "Educational Content Advisors"), QCoreApplication::translate("CreditsWindow", "The Brushwell contributors"), Frame1));
  layout->addWidget(roleLine(QCoreApplication::translate("CreditsWindow", "Graphic Image Processing"), QCoreApplication::translate("CreditsWindow", "Brushwell's own image tools, built on Qt"), Frame1));
  layout->addWidget(roleLine(QCoreApplication::translate("CreditsWindow", "Art Work"), QCoreApplication::translate("CreditsWindow", "The Brushwell contributors"), Frame1));
  layout->addWidget(roleLine(QCoreApplication::translate("CreditsWindow", "Music"), QCoreApplication::translate("CreditsWindow", "Public-domain melodies, synthesized by Brushwell's tools"), Frame1));
  layout->addWidget(roleLine(QCoreApplication::translate("CreditsWindow", "Programming"), QCoreApplication::translate("CreditsWindow", "The Brushwell contributors"), Frame1));
  layout->addSpacing(12);

  for (const QString& line : {QCoreApplication::translate("CreditsWindow", "Brushwell Version 2"),
                              QCoreApplication::translate("CreditsWindow", "The Brushwell project"),
                              QCoreApplication::translate("CreditsWindow", "Contact: through the Brushwell project's issue tracker"),
                              QCoreApplication::translate("CreditsWindow", "Copyright (C) the Brushwell contributors."),
                              QCoreApplication::translate("CreditsWindow", "Brushwell is free software: GNU General Public License, version 3 or later."),
                              QCoreApplication::translate("CreditsWindow", "It comes with no warranty. The licence is the file LICENSE in the program folder.")}) {
    layout->addWidget(textBox(line, Frame1));
  }
  layout->addSpacing(12);

  Command1 = new QPushButton(QCoreApplication::translate("CreditsWindow", "Quit"), Frame1);
  Command1->setAccessibleName(QCoreApplication::translate("CreditsWindow", "Quit"));
  Command1->setMinimumWidth(140);
  layout->addWidget(Command1, 0, Qt::AlignHCenter);
  connect(Command1, &QPushButton::clicked, this, [] { EndProgram(); });

  Frame1->setMinimumWidth(700);
  Frame1->adjustSize();
}

void CreditsWindow::ShowAndActivate() {
  setGeometry(QGuiApplication::primaryScreen()->geometry());
  show();
  raise();
  activateWindow();
  Activate();
}

void CreditsWindow::Activate() {
  const QSizeF screen = QGuiApplication::primaryScreen()->geometry().size();
  Frame1->adjustSize();
  Frame1->move(qRound((screen.width() - Frame1->width()) / 2.0), qRound((screen.height() - Frame1->height()) / 2.0));
  Command1->setFocus();
}

void CreditsWindow::closeEvent(QCloseEvent*) { EndProgram(); }

void CreditsWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    EndProgram();
  }
  QWidget::keyPressEvent(event);
}

}  // namespace app

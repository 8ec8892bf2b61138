#include "users/user_names.h"

#include <QCryptographicHash>
#include <QList>

namespace users {

namespace {

// Characters that file systems (including a memory stick's) refuse or treat
// specially in a name.
bool Reserved(char32_t c) {
  switch (c) {
    case U'/': case U'\\': case U':': case U'*': case U'?': case U'"': case U'<': case U'>': case U'|':
      return true;
    default:
      return false;
  }
}

bool Invisible(char32_t c) {
  const auto category = QChar::category(c);
  return category == QChar::Other_Control || category == QChar::Other_Format || category == QChar::Other_NotAssigned ||
         category == QChar::Other_Surrogate || category == QChar::Other_PrivateUse;
}

}  // namespace

QString NormalisedName(const QString& name) {
  QString kept;
  for (char32_t c : name.normalized(QString::NormalizationForm_C).toUcs4()) {
    if (QChar::isSpace(c)) {
      kept += QLatin1Char(' ');
    } else if (QChar::category(c) != QChar::Other_Control) {
      kept += QString::fromUcs4(&c, 1);
    }
  }
  return kept.simplified();
}

QString NameKey(const QString& name) { return NormalisedName(name).toCaseFolded(); }

QString SafeFolderName(const QString& name) {
  const QString normal = NormalisedName(name);
  QString safe;
  for (char32_t c : normal.toUcs4()) {
    if (Reserved(c)) {
      safe += QLatin1Char('_');
    } else if (!Invisible(c)) {
      safe += QString::fromUcs4(&c, 1);
    }
  }
  // Hidden names, ".", ".." and a trailing dot or blank (which some file
  // systems drop) are avoided.
  if (safe.startsWith(QLatin1Char('.'))) safe[0] = QLatin1Char('_');
  while (safe.endsWith(QLatin1Char('.')) || safe.endsWith(QLatin1Char(' '))) safe.chop(1);
  if (safe.isEmpty()) safe = QStringLiteral("user");

  // Room for the tag below; cut between characters, never inside one or
  // between a letter and its accents.
  constexpr int room = MaxFolderNameBytes - 9;
  if (safe.toUtf8().size() > room) {
    QString cut;
    qsizetype bytes = 0;
    const QList<uint> chars = safe.toUcs4();
    qsizetype kept = 0;
    for (qsizetype i = 0; i < chars.size(); ++i) {
      const QString one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&chars[i]), 1);
      bytes += one.toUtf8().size();
      if (bytes > room) break;
      cut += one;
      if (i + 1 == chars.size() || !QChar::isMark(static_cast<char32_t>(chars[i + 1]))) kept = cut.size();
    }
    safe = cut.left(kept);
    while (safe.endsWith(QLatin1Char(' ')) || safe.endsWith(QLatin1Char('.'))) safe.chop(1);
  }
  if (safe == normal) return safe;
  // The name had to change: a tag from the whole name keeps two names that
  // were changed alike ("a/b" and "a_b", long names that begin alike) apart.
  const QByteArray hash = QCryptographicHash::hash(normal.toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
  return safe + QLatin1Char('-') + QString::fromLatin1(hash);
}

}  // namespace users

#pragma once
// Every caption the pictures carry, in the five interface languages. Changing a caption is
// one edit here and one run of the generator (see resources/README.md).

#include <QString>
#include <QStringList>

namespace captions {

// Language codes in the order of every caption row; the first is also the language of the
// pictures without a suffix (the forms' defaults before a language is applied).
const QStringList& languages();

// One caption per language, in the order of languages().
struct Row {
    const char* key;
    QStringList text;
};

// The caption of `key` in `language`; an unknown key is a programming error (aborts).
QString text(const char* key, const QString& language);

// The upgrade page's explanation: a title, steps (a bold keyword, may be empty, and the
// step's text) and a closing warning.
struct Step {
    QString keyword;
    QString text;
};
struct UpgradeNote {
    QString title;
    QList<Step> steps;
    QString warning;
};
UpgradeNote upgradeNote(const QString& language);

} // namespace captions

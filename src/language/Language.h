#pragma once

#include <QLocale>
#include <QString>

// The language of the tool's help and messages.
enum class Language
{
    English,
    Japanese
};

// Japanese when the locale's first user-interface language is Japanese, English otherwise.
Language languageOf(const QLocale& locale);

// Both wordings stand side by side where a text is used, so that neither is forgotten when the
// other changes.
inline QString wording(Language language, const char* english, const char* japanese)
{
    return QString::fromUtf8(language == Language::Japanese ? japanese : english);
}

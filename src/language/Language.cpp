#include "language/Language.h"

Language languageOf(const QLocale& locale)
{
    const QStringList languages = locale.uiLanguages();
    const QLocale first = languages.isEmpty() ? locale : QLocale(languages.constFirst());
    return first.language() == QLocale::Japanese ? Language::Japanese : Language::English;
}

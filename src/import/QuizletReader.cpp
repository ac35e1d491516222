#include "import/QuizletReader.h"

#include "import/ImportLimits.h"

namespace {

// Places are lines of the pasted text, so that the user finds a card where the editor shows it.
int linesIn(QStringView text)
{
    return int(text.count(u'\n'));
}

} // namespace

DeckResult readQuizlet(const QString& text, const QuizletSeparators& separators)
{
    using Kind = ImportError::Kind;
    if (text.size() > ImportLimits::MaxTextFileSize)
        return {{},
                ImportError{Kind::FileTooLarge, QString::number(ImportLimits::MaxTextFileSize)}};
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString cardSeparator =
        separators.card.isEmpty() ? QStringLiteral("\n") : separators.card;
    const QString termSeparator =
        separators.term.isEmpty() ? QStringLiteral("\t") : separators.term;

    DeckResult result;
    Deck& deck = result.deck;
    deck.fieldNames = {QStringLiteral("用語"), QStringLiteral("定義")};
    int line = 1;
    for (const QStringView card : QStringTokenizer(unified, cardSeparator)) {
        qsizetype lead = 0;
        while (lead < card.size() && card[lead].isSpace())
            ++lead;
        const int cardLine = line + linesIn(card.first(lead));
        line += linesIn(card) + linesIn(cardSeparator);
        if (card.trimmed().isEmpty())
            continue;
        const NotePlace place{NotePlace::Kind::Line, cardLine};
        if (card.size() > ImportLimits::MaxFieldSize)
            return {{},
                    ImportError{Kind::FieldTooLarge, QString::number(ImportLimits::MaxFieldSize),
                                place}};
        if (deck.notes.size() >= ImportLimits::MaxNoteCount)
            return {{},
                    ImportError{Kind::TooManyNotes, QString::number(ImportLimits::MaxNoteCount),
                                place}};
        const qsizetype cut = card.indexOf(termSeparator);
        const QStringView term = cut < 0 ? card : card.first(cut);
        const QStringView definition =
            cut < 0 ? QStringView() : card.sliced(cut + termSeparator.size());
        deck.notes.append(
            {{term.trimmed().toString(), definition.trimmed().toString()}, {}, {}, place});
    }
    return result;
}

QString separatorFromTyped(const QString& typed)
{
    QString separator = typed;
    separator.replace(QLatin1String("\\t"), QLatin1String("\t"));
    separator.replace(QLatin1String("\\n"), QLatin1String("\n"));
    return separator;
}

QString typedFromSeparator(const QString& separator)
{
    QString typed = separator;
    typed.replace(QLatin1String("\t"), QLatin1String("\\t"));
    typed.replace(QLatin1String("\n"), QLatin1String("\\n"));
    return typed;
}

#include "import/AnkiTextReader.h"

#include "import/ImportLimits.h"
#include "tables/SeparatedText.h"

#include <QHash>

namespace {

struct Header
{
    QChar separator = u'\t';
    bool html = false;
    QString columns;
    QStringList tags;
    QString deck;
    // Columns counted from 0; -1 when the file has none.
    int deckColumn = -1;
    int tagsColumn = -1;
    int notetypeColumn = -1;
    int guidColumn = -1;
};

std::optional<QChar> separatorNamed(const QString& value)
{
    static const QHash<QString, QChar> names{
        {QStringLiteral("tab"), u'\t'},      {QStringLiteral("comma"), u','},
        {QStringLiteral("semicolon"), u';'}, {QStringLiteral("space"), u' '},
        {QStringLiteral("pipe"), u'|'},      {QStringLiteral("colon"), u':'}};
    const auto named = names.constFind(value.toLower());
    if (named != names.cend())
        return *named;
    if (value.size() == 1)
        return value[0];
    return std::nullopt;
}

int columnNumber(const QString& value)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok && number >= 1 && number <= ImportLimits::MaxFieldCount ? number - 1 : -1;
}

// Lines of "#key:value" before the first note; keys the reader does not know are comments.
void readHeaderLine(const QString& line, Header& header)
{
    const qsizetype colon = line.indexOf(u':');
    if (colon < 0)
        return;
    const QString key = line.sliced(1, colon - 1).trimmed().toLower();
    const QString value = line.sliced(colon + 1);
    const QString trimmed = value.trimmed();
    if (key == QLatin1String("separator")) {
        if (const std::optional<QChar> separator = separatorNamed(trimmed))
            header.separator = *separator;
    } else if (key == QLatin1String("html")) {
        header.html = trimmed.toLower() == QLatin1String("true");
    } else if (key == QLatin1String("columns")) {
        header.columns = value;
    } else if (key == QLatin1String("tags")) {
        header.tags = trimmed.split(u' ', Qt::SkipEmptyParts);
    } else if (key == QLatin1String("deck")) {
        header.deck = trimmed;
    } else if (key == QLatin1String("deck column")) {
        header.deckColumn = columnNumber(trimmed);
    } else if (key == QLatin1String("tags column")) {
        header.tagsColumn = columnNumber(trimmed);
    } else if (key == QLatin1String("notetype column")) {
        header.notetypeColumn = columnNumber(trimmed);
    } else if (key == QLatin1String("guid column")) {
        header.guidColumn = columnNumber(trimmed);
    }
}

// The header's lines, each starting with '#', from the start of the text; position and line are
// left at the first note.
Header readHeader(QStringView text, qsizetype& position, int& line)
{
    Header header;
    while (position < text.size() && text[position] == u'#') {
        qsizetype end = text.indexOf(u'\n', position);
        if (end < 0)
            end = text.size();
        QStringView headerLine = text.sliced(position, end - position);
        if (headerLine.endsWith(u'\r'))
            headerLine.chop(1);
        readHeaderLine(headerLine.toString(), header);
        position = end + 1;
        ++line;
    }
    return header;
}

QString fieldText(const QString& raw, const Header& header, AnkiMarkup::LineBreaks lineBreaks)
{
    const QString plain = header.html ? AnkiMarkup::plainText(raw, lineBreaks)
                                      : AnkiMarkup::plainLines(raw, lineBreaks);
    return AnkiMarkup::withoutSounds(plain);
}

} // namespace

bool looksLikeAnkiText(QByteArrayView bytes)
{
    bytes = SeparatedText::withoutByteOrderMark(bytes);
    for (const char* key :
         {"#separator:", "#html:", "#columns:", "#notetype", "#deck", "#tags", "#guid column:"}) {
        if (bytes.startsWith(key))
            return true;
    }
    return false;
}

DeckResult readAnkiText(QByteArrayView bytes, AnkiMarkup::LineBreaks lineBreaks)
{
    using Kind = ImportError::Kind;
    DeckResult result;
    if (bytes.size() > ImportLimits::MaxTextFileSize)
        return {{},
                ImportError{Kind::FileTooLarge, QString::number(ImportLimits::MaxTextFileSize)}};
    bytes = SeparatedText::withoutByteOrderMark(bytes);
    if (!bytes.isValidUtf8())
        return {{}, ImportError{Kind::InvalidUtf8, {}}};
    const QString text = QString::fromUtf8(bytes);

    qsizetype notesStart = 0;
    int firstNoteLine = 1;
    const Header header = readHeader(text, notesStart, firstNoteLine);
    SeparatedText::Reader<QStringView> rows(
        QStringView(text).sliced(std::min(notesStart, text.size())),
        {header.separator.unicode(), SeparatedText::Quoting::Lenient, false}, firstNoteLine);
    const QStringList columnNames =
        header.columns.isEmpty() ? QStringList() : header.columns.split(header.separator);

    const auto special = [&header](int column) {
        return column == header.deckColumn || column == header.tagsColumn ||
               column == header.notetypeColumn || column == header.guidColumn;
    };
    // Column of the file -> field of the deck.
    QList<int> fieldOf;
    Deck& deck = result.deck;
    const auto fieldFor = [&](int column) {
        while (fieldOf.size() <= column) {
            const int next = int(fieldOf.size());
            fieldOf.append(special(next) ? -1
                                         : deck.addField(next < columnNames.size()
                                                             ? columnNames[next].trimmed()
                                                             : QString::number(next + 1)));
        }
        return fieldOf[column];
    };

    SeparatedText::Record<QString> row;
    while (rows.next(row)) {
        DeckNote note;
        note.place = {NotePlace::Kind::Line, row.line};
        const QStringList& columns = row.fields;
        if (columns.size() == 1 && columns[0].trimmed().isEmpty())
            continue;
        if (columns.size() > ImportLimits::MaxFieldCount)
            return {{},
                    ImportError{Kind::TooManyFields, QString::number(ImportLimits::MaxFieldCount),
                                note.place}};
        if (deck.notes.size() >= ImportLimits::MaxNoteCount)
            return {{},
                    ImportError{Kind::TooManyNotes, QString::number(ImportLimits::MaxNoteCount),
                                note.place}};
        note.tags = header.tags;
        if (!header.deck.isEmpty())
            note.path = header.deck.split(QStringLiteral("::"));
        for (int column = 0; column < columns.size(); ++column) {
            const QString& raw = columns[column];
            if (raw.size() > ImportLimits::MaxFieldSize)
                return {{},
                        ImportError{Kind::FieldTooLarge,
                                    QString::number(ImportLimits::MaxFieldSize), note.place}};
            if (column == header.deckColumn) {
                note.path = raw.trimmed().split(QStringLiteral("::"), Qt::SkipEmptyParts);
            } else if (column == header.tagsColumn) {
                note.tags += raw.split(u' ', Qt::SkipEmptyParts);
            } else if (const int field = fieldFor(column); field >= 0) {
                if (note.fields.size() < deck.fieldNames.size())
                    note.fields.resize(deck.fieldNames.size());
                note.fields[field] = fieldText(raw, header, lineBreaks);
            }
        }
        note.fields.resize(deck.fieldNames.size());
        deck.notes.append(std::move(note));
    }
    for (DeckNote& note : deck.notes)
        note.fields.resize(deck.fieldNames.size());
    AnkiMarkup::moveReadingsToFields(deck);
    return result;
}

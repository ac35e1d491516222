#include "import/KvtmlReader.h"

#include "import/ImportLimits.h"

#include <QHash>
#include <QMap>
#include <QXmlStreamReader>

namespace {

using Kind = ImportError::Kind;

struct Translation
{
    QString text;
    QString reading;
};

struct Entry
{
    QMap<int, Translation> translations;
    QStringList lesson;
    bool inLesson = false;
    NotePlace place;
};

// Reads the document once, element by element, keeping only the path of open elements; text
// is taken from the elements that hold it.
class KvtmlParser
{
public:
    explicit KvtmlParser(QByteArrayView bytes) : xml(bytes.toByteArray()) {}

    DeckResult parse();

private:
    bool startElement();
    // The element names and their meaning differ between the file versions.
    bool startVersion2Element(const QString& name, const QXmlStreamAttributes& attributes);
    bool startVersion1Element(const QString& name, const QXmlStreamAttributes& attributes);
    bool newEntry();
    bool keepText(QString& into);
    void endElement();
    QString parent() const { return open.size() >= 2 ? open[open.size() - 2] : QString(); }
    bool inLessons() const { return open.contains(QLatin1String("lessons")); }
    std::optional<QString> elementText();
    NotePlace here() const { return {NotePlace::Kind::Line, qint64(xml.lineNumber())}; }
    void fail(Kind kind, const QString& detail = {})
    {
        if (!error)
            error = ImportError{kind, detail, here()};
    }
    Deck deckFromEntries();

    QXmlStreamReader xml;
    QStringList open;
    bool version2 = false;
    std::optional<ImportError> error;

    QMap<int, QString> identifierNames;
    int identifier = -1;
    QList<Entry> entries;
    QHash<QString, qsizetype> entryWithId;
    int translation = -1;
    int version1Translations = 0;
    QStringList lessonPath;
    QHash<QString, QString> version1Lessons;
    QList<QString> version1LessonOfEntry;
};

std::optional<QString> KvtmlParser::elementText()
{
    const qint64 start = xml.characterOffset();
    QString text = xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    open.removeLast();
    if (xml.hasError())
        return std::nullopt;
    if (xml.characterOffset() - start > ImportLimits::MaxFieldSize) {
        fail(Kind::FieldTooLarge, QString::number(ImportLimits::MaxFieldSize));
        return std::nullopt;
    }
    return text.trimmed();
}

bool KvtmlParser::newEntry()
{
    if (entries.size() >= ImportLimits::MaxNoteCount) {
        fail(Kind::TooManyNotes, QString::number(ImportLimits::MaxNoteCount));
        return false;
    }
    entries.append(Entry());
    entries.last().place = here();
    return true;
}

// The element's text into the given place; false when it could not be read.
bool KvtmlParser::keepText(QString& into)
{
    const std::optional<QString> text = elementText();
    if (!text)
        return false;
    into = *text;
    return true;
}

bool KvtmlParser::startElement()
{
    const QString name = xml.name().toString();
    open.append(name);
    if (open.size() > ImportLimits::MaxXmlDepth) {
        fail(Kind::XmlTooDeep, QString::number(ImportLimits::MaxXmlDepth));
        return false;
    }
    const QXmlStreamAttributes attributes = xml.attributes();
    if (open.size() == 1) {
        if (name != QLatin1String("kvtml")) {
            fail(Kind::NotAVocabulary);
            return false;
        }
        version2 = attributes.value(QLatin1String("version")).startsWith(u'2');
        return true;
    }
    return version2 ? startVersion2Element(name, attributes)
                    : startVersion1Element(name, attributes);
}

bool KvtmlParser::startVersion2Element(const QString& name, const QXmlStreamAttributes& attributes)
{
    const QString up = parent();
    if (name == QLatin1String("identifier") && up == QLatin1String("identifiers")) {
        identifier = attributes.value(QLatin1String("id")).toInt();
    } else if (name == QLatin1String("name") && up == QLatin1String("identifier")) {
        return keepText(identifierNames[identifier]);
    } else if (name == QLatin1String("entry") && up == QLatin1String("entries")) {
        if (!newEntry())
            return false;
        entryWithId.insert(attributes.value(QLatin1String("id")).toString(), entries.size() - 1);
    } else if (name == QLatin1String("translation") && up == QLatin1String("entry") &&
               !entries.isEmpty() && !inLessons()) {
        translation = qBound(0, attributes.value(QLatin1String("id")).toInt(),
                             ImportLimits::MaxFieldCount - 1);
        identifierNames.insert(translation, identifierNames.value(translation));
    } else if (name == QLatin1String("text") && up == QLatin1String("translation") &&
               !entries.isEmpty()) {
        return keepText(entries.last().translations[translation].text);
    } else if (name == QLatin1String("pronunciation") && up == QLatin1String("translation") &&
               !entries.isEmpty()) {
        return keepText(entries.last().translations[translation].reading);
    } else if (name == QLatin1String("container") && inLessons()) {
        lessonPath.append(QString());
    } else if (name == QLatin1String("name") && up == QLatin1String("container") && inLessons()) {
        return keepText(lessonPath.last());
    } else if (name == QLatin1String("entry") && up == QLatin1String("container") && inLessons()) {
        const qsizetype index =
            entryWithId.value(attributes.value(QLatin1String("id")).toString(), -1);
        if (index >= 0 && !entries[index].inLesson) {
            entries[index].lesson = lessonPath;
            entries[index].inLesson = true;
        }
    }
    return true;
}

bool KvtmlParser::startVersion1Element(const QString& name, const QXmlStreamAttributes& attributes)
{
    const QString up = parent();
    if (name == QLatin1String("desc") && up == QLatin1String("lesson"))
        return keepText(version1Lessons[attributes.value(QLatin1String("no")).toString()]);
    if (name == QLatin1String("e")) {
        if (!newEntry())
            return false;
        version1LessonOfEntry.append(attributes.value(QLatin1String("m")).toString());
        version1Translations = 0;
    } else if ((name == QLatin1String("o") || name == QLatin1String("t")) &&
               up == QLatin1String("e")) {
        const int field = name == QLatin1String("o")
                              ? 0
                              : std::min(++version1Translations, ImportLimits::MaxFieldCount - 1);
        const QString language = attributes.value(QLatin1String("l")).toString();
        if (!language.isEmpty() && identifierNames.value(field).isEmpty())
            identifierNames[field] = language;
        else
            identifierNames.insert(field, identifierNames.value(field));
        Translation& into = entries.last().translations[field];
        into.reading = attributes.value(QLatin1String("p")).toString().trimmed();
        return keepText(into.text);
    }
    return true;
}

void KvtmlParser::endElement()
{
    if (open.isEmpty())
        return;
    if (open.last() == QLatin1String("container") && inLessons() && !lessonPath.isEmpty())
        lessonPath.removeLast();
    open.removeLast();
}

Deck KvtmlParser::deckFromEntries()
{
    Deck deck;
    QMap<int, int> fieldOf;
    QMap<int, int> readingOf;
    for (auto named = identifierNames.cbegin(); named != identifierNames.cend(); ++named)
        fieldOf.insert(named.key(),
                       deck.addField(named->isEmpty() ? QString::number(named.key() + 1) : *named));
    for (const Entry& entry : entries) {
        for (auto t = entry.translations.cbegin(); t != entry.translations.cend(); ++t) {
            if (!t->reading.isEmpty() && !readingOf.contains(t.key()))
                readingOf.insert(
                    t.key(), deck.addField(readingFieldName(deck.fieldNames[fieldOf[t.key()]])));
        }
    }
    deck.notes.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        DeckNote note;
        note.fields.resize(deck.fieldNames.size());
        for (auto t = entry.translations.cbegin(); t != entry.translations.cend(); ++t) {
            note.fields[fieldOf[t.key()]] = t->text;
            if (readingOf.contains(t.key()))
                note.fields[readingOf[t.key()]] = t->reading;
        }
        if (version2) {
            note.path = entry.lesson;
        } else if (const QString lesson = version1Lessons.value(version1LessonOfEntry[i]);
                   !lesson.isEmpty()) {
            note.path = {lesson};
        }
        note.place = entry.place;
        deck.notes.append(std::move(note));
    }
    return deck;
}

DeckResult KvtmlParser::parse()
{
    while (!error && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            // Entities declared by the file are how "billion laughs" documents grow without end;
            // the vocabulary files never need them.
            if (!xml.entityDeclarations().isEmpty())
                fail(Kind::XmlEntities);
            break;
        case QXmlStreamReader::EntityReference:
            fail(Kind::XmlEntities);
            break;
        case QXmlStreamReader::StartElement:
            startElement();
            break;
        case QXmlStreamReader::EndElement:
            endElement();
            break;
        default:
            break;
        }
    }
    if (!error && xml.hasError())
        error = ImportError{Kind::BadXml, xml.errorString(), here()};
    if (error)
        return {{}, error};
    return {deckFromEntries(), std::nullopt};
}

} // namespace

bool looksLikeKvtml(QByteArrayView bytes)
{
    const QByteArrayView start = bytes.first(std::min<qsizetype>(bytes.size(), 1024));
    return start.contains("<kvtml");
}

DeckResult readKvtml(QByteArrayView bytes)
{
    if (bytes.size() > ImportLimits::MaxTextFileSize)
        return {{},
                ImportError{Kind::FileTooLarge, QString::number(ImportLimits::MaxTextFileSize)}};
    return KvtmlParser(bytes).parse();
}

#include "import/AnkiPackageReader.h"

#include "import/AnkiArchive.h"
#include "import/ImportLimits.h"

#include <QAtomicInteger>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>

#include <sqlite3.h>

namespace {

using Kind = ImportError::Kind;

const QChar FieldSeparator = QChar(0x1F);

// SQLite's own code for a value beyond the connection's length limit.
const QString TooBigCode = QString::number(SQLITE_TOOBIG);

// Bounds every value the connection hands over. SQLite checks it against the length in the
// record's header, so a longer value is refused unread, with no allocation of its size.
bool limitValueLength(const QSqlDatabase& database)
{
    const QVariant handle = database.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3* const connection = *static_cast<sqlite3* const*>(handle.constData());
    if (!connection)
        return false;
    sqlite3_limit(connection, SQLITE_LIMIT_LENGTH, int(ImportLimits::MaxCollectionValueSize));
    return true;
}

struct NoteType
{
    QStringList fields;
};

// One connection per read, named uniquely and removed when the read ends.
class Collection
{
public:
    explicit Collection(const QString& path)
    {
        static QAtomicInteger<quint64> counter;
        name = QStringLiteral("tazune-import-%1").arg(counter.fetchAndAddRelaxed(1));
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        opened = database.open() && limitValueLength(database);
        if (!opened)
            openError = database.lastError().text();
    }
    ~Collection() { QSqlDatabase::removeDatabase(name); }

    DeckResult read(AnkiMarkup::LineBreaks lineBreaks);

private:
    QSqlDatabase database() const { return QSqlDatabase::database(name, false); }
    std::optional<QSqlQuery> run(const QString& statement, const QString& table);
    void failQuery(const QSqlError& queryError, const QString& table,
                   std::optional<NotePlace> place = {});
    bool readNoteTypes();
    bool readDecks();
    bool readCardDecks();
    bool readNotes(Deck& deck, AnkiMarkup::LineBreaks lineBreaks);
    void fail(Kind kind, const QString& detail, std::optional<NotePlace> place = {})
    {
        if (!error)
            error = ImportError{kind, detail, place};
    }

    QString name;
    bool opened = false;
    QString openError;
    bool schema18 = false;
    QHash<qint64, NoteType> noteTypes;
    QHash<qint64, QStringList> deckPaths;
    QHash<qint64, qint64> deckOfNote;
    std::optional<ImportError> error;
};

std::optional<QSqlQuery> Collection::run(const QString& statement, const QString& table)
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(statement)) {
        failQuery(query.lastError(), table);
        return std::nullopt;
    }
    return query;
}

// A note's place names where its over-long value is; elsewhere the table does.
void Collection::failQuery(const QSqlError& queryError, const QString& table,
                           std::optional<NotePlace> place)
{
    if (queryError.nativeErrorCode() != TooBigCode)
        fail(Kind::DamagedCollection, queryError.text());
    else if (place)
        fail(Kind::FieldTooLarge, QString::number(ImportLimits::MaxFieldSize), place);
    else
        fail(Kind::ValueTooLarge, table);
}

QStringList deckPath(const QString& name)
{
    QString unified = name;
    unified.replace(FieldSeparator, QStringLiteral("::"));
    return unified.split(QStringLiteral("::"), Qt::SkipEmptyParts);
}

bool Collection::readNoteTypes()
{
    if (schema18) {
        std::optional<QSqlQuery> query =
            run(QStringLiteral("SELECT ntid, ord, name FROM fields"), QStringLiteral("fields"));
        if (!query)
            return false;
        while (query->next()) {
            const int ord = query->value(1).toInt();
            if (ord < 0 || ord >= ImportLimits::MaxFieldCount) {
                fail(Kind::TooManyFields, QString::number(ImportLimits::MaxFieldCount));
                return false;
            }
            QStringList& fields = noteTypes[query->value(0).toLongLong()].fields;
            if (fields.size() <= ord)
                fields.resize(ord + 1);
            fields[ord] = query->value(2).toString();
        }
        return true;
    }
    // Schema 11 keeps note types and decks as JSON in the one row of col.
    std::optional<QSqlQuery> query =
        run(QStringLiteral("SELECT models, decks FROM col"), QStringLiteral("col"));
    if (!query || !query->next()) {
        fail(Kind::DamagedCollection, QStringLiteral("col"));
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument models =
        QJsonDocument::fromJson(query->value(0).toString().toUtf8(), &parseError);
    if (!models.isObject()) {
        fail(Kind::DamagedCollection, QStringLiteral("col.models: ") + parseError.errorString());
        return false;
    }
    const QJsonObject types = models.object();
    for (auto type = types.constBegin(); type != types.constEnd(); ++type) {
        NoteType& noteType = noteTypes[type.key().toLongLong()];
        const QJsonArray fields = type->toObject().value(QLatin1String("flds")).toArray();
        if (fields.size() > ImportLimits::MaxFieldCount) {
            fail(Kind::TooManyFields, QString::number(ImportLimits::MaxFieldCount));
            return false;
        }
        noteType.fields.resize(fields.size());
        for (qsizetype i = 0; i < fields.size(); ++i) {
            const QJsonObject field = fields[i].toObject();
            const qsizetype ord = field.value(QLatin1String("ord")).toInteger(i);
            noteType.fields[ord >= 0 && ord < fields.size() ? ord : i] =
                field.value(QLatin1String("name")).toString();
        }
    }
    const QJsonDocument decks = QJsonDocument::fromJson(query->value(1).toString().toUtf8());
    const QJsonObject deckObjects = decks.object();
    for (auto deck = deckObjects.constBegin(); deck != deckObjects.constEnd(); ++deck)
        deckPaths.insert(deck.key().toLongLong(),
                         deckPath(deck->toObject().value(QLatin1String("name")).toString()));
    return true;
}

bool Collection::readDecks()
{
    if (!schema18)
        return true;
    // Only read, never compared or sorted: the name column's collation is the other program's.
    std::optional<QSqlQuery> query =
        run(QStringLiteral("SELECT id, name FROM decks"), QStringLiteral("decks"));
    if (!query)
        return false;
    while (query->next())
        deckPaths.insert(query->value(0).toLongLong(), deckPath(query->value(1).toString()));
    return true;
}

bool Collection::readCardDecks()
{
    // A card moved into a filtered deck keeps its home deck in odid.
    std::optional<QSqlQuery> query = run(
        QStringLiteral(
            "SELECT nid, CASE WHEN odid != 0 THEN odid ELSE did END FROM cards ORDER BY nid, ord"),
        QStringLiteral("cards"));
    if (!query)
        return false;
    while (query->next()) {
        const qint64 note = query->value(0).toLongLong();
        if (!deckOfNote.contains(note))
            deckOfNote.insert(note, query->value(1).toLongLong());
    }
    return true;
}

bool Collection::readNotes(Deck& deck, AnkiMarkup::LineBreaks lineBreaks)
{
    const QString table = QStringLiteral("notes");
    std::optional<QSqlQuery> count = run(QStringLiteral("SELECT count(*) FROM notes"), table);
    if (!count || !count->next())
        return false;
    if (count->value(0).toLongLong() > ImportLimits::MaxNoteCount) {
        fail(Kind::TooManyNotes, QString::number(ImportLimits::MaxNoteCount));
        return false;
    }
    deck.notes.reserve(count->value(0).toLongLong());
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, mid, flds, tags FROM notes ORDER BY id"))) {
        failQuery(query.lastError(), table, NotePlace{NotePlace::Kind::Note, 1});
        return false;
    }
    // Note type -> its field positions in the deck.
    QHash<qint64, QList<int>> fieldsOfType;
    qint64 number = 0;
    while (query.next()) {
        const NotePlace place{NotePlace::Kind::Note, ++number};
        const QString fields = query.value(2).toString();
        const qint64 type = query.value(1).toLongLong();
        auto positions = fieldsOfType.find(type);
        if (positions == fieldsOfType.end()) {
            QList<int> indexes;
            for (const QString& name : noteTypes.value(type).fields)
                indexes.append(deck.addField(name));
            positions = fieldsOfType.insert(type, indexes);
        }
        DeckNote note;
        note.place = place;
        note.fields.resize(deck.fieldNames.size());
        qsizetype field = 0;
        for (const QStringView value : QStringTokenizer(fields, FieldSeparator)) {
            if (value.size() > ImportLimits::MaxFieldSize) {
                fail(Kind::FieldTooLarge, QString::number(ImportLimits::MaxFieldSize), place);
                return false;
            }
            // A note holding more fields than its type names keeps them under their number.
            if (field >= positions->size())
                positions->append(deck.addField(QString::number(field + 1)));
            if (note.fields.size() < deck.fieldNames.size())
                note.fields.resize(deck.fieldNames.size());
            note.fields[(*positions)[field]] =
                AnkiMarkup::withoutSounds(AnkiMarkup::plainText(value.toString(), lineBreaks));
            if (++field >= ImportLimits::MaxFieldCount)
                break;
        }
        note.tags = query.value(3).toString().split(u' ', Qt::SkipEmptyParts);
        note.path = deckPaths.value(deckOfNote.value(query.value(0).toLongLong(), -1));
        deck.notes.append(std::move(note));
    }
    if (query.lastError().isValid()) {
        failQuery(query.lastError(), table, NotePlace{NotePlace::Kind::Note, number + 1});
        return false;
    }
    for (DeckNote& note : deck.notes)
        note.fields.resize(deck.fieldNames.size());
    return true;
}

DeckResult Collection::read(AnkiMarkup::LineBreaks lineBreaks)
{
    if (!opened)
        return {{}, ImportError{Kind::DamagedCollection, openError, std::nullopt}};
    std::optional<QSqlQuery> tables =
        run(QStringLiteral(
                "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'notetypes'"),
            QStringLiteral("sqlite_master"));
    if (!tables || !tables->next())
        return {{}, error};
    schema18 = tables->value(0).toInt() > 0;
    Deck deck;
    if (!readNoteTypes() || !readDecks() || !readCardDecks() || !readNotes(deck, lineBreaks))
        return {{}, error};
    AnkiMarkup::moveReadingsToFields(deck);
    return {std::move(deck), std::nullopt};
}

// The collection is read from a copy of its own: SQLite cannot open it inside the zip, and the
// package is never changed.
template <typename Package>
DeckResult readCopy(const Package& package, AnkiMarkup::LineBreaks lineBreaks)
{
    QTemporaryFile copy;
    if (!copy.open())
        return {{}, ImportError{Kind::CannotOpen, copy.errorString(), std::nullopt}};
    if (std::optional<ImportError> error = AnkiArchive::extractCollection(package, copy))
        return {{}, error};
    copy.close();
    return Collection(copy.fileName()).read(lineBreaks);
}

} // namespace

bool looksLikeZip(QByteArrayView bytes)
{
    return bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06");
}

DeckResult readAnkiPackage(const QString& path, AnkiMarkup::LineBreaks lineBreaks)
{
    return readCopy(path, lineBreaks);
}

DeckResult readAnkiPackageBytes(QByteArrayView bytes, AnkiMarkup::LineBreaks lineBreaks)
{
    return readCopy(bytes, lineBreaks);
}

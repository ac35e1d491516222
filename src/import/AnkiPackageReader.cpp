#include "import/AnkiPackageReader.h"

#include "import/ImportLimits.h"

#include <QAtomicInteger>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>

#include <zip.h>
#include <zstd.h>

#include <memory>

namespace {

using Kind = ImportError::Kind;

constexpr qint64 ChunkSize = 64 * 1024;
// zstd's window is allocated whole; 32 MB holds what the other program writes by a wide margin.
constexpr int MaxZstdWindowLog = 25;

const QChar FieldSeparator = QChar(0x1F);

ImportError tooLarge(const char* entry)
{
    return {Kind::EntryTooLarge, QLatin1String(entry), std::nullopt};
}

struct ZipCloser
{
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser
{
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
struct ZstdCloser
{
    void operator()(ZSTD_DCtx* context) const { ZSTD_freeDCtx(context); }
};
using Zip = std::unique_ptr<zip_t, ZipCloser>;

// Copies one entry into the temporary file, inflating zstd on the way when asked; the declared
// size and the bytes really coming out are both held to the limit.
std::optional<ImportError> extract(zip_t* archive, zip_int64_t index, const char* name, bool zstd,
                                   QFile& into)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, zip_uint64_t(index), 0, &stat) != 0)
        return ImportError{Kind::DamagedEntry, QString::fromUtf8(zip_strerror(archive)), {}};
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > zip_uint64_t(ImportLimits::MaxCollectionSize))
        return tooLarge(name);
    const qint64 compressed =
        (stat.valid & ZIP_STAT_COMP_SIZE) ? std::max<qint64>(qint64(stat.comp_size), 1) : 1;
    const auto bomb = [compressed](qint64 written) {
        return written > ImportLimits::MaxCollectionSize ||
               (written > ImportLimits::InflationCheckedFrom &&
                written / compressed > ImportLimits::MaxInflationRatio);
    };
    const std::unique_ptr<zip_file_t, EntryCloser> entry(
        zip_fopen_index(archive, zip_uint64_t(index), 0));
    if (!entry)
        return ImportError{Kind::DamagedEntry, QString::fromUtf8(zip_strerror(archive)), {}};
    std::unique_ptr<ZSTD_DCtx, ZstdCloser> context;
    if (zstd) {
        context.reset(ZSTD_createDCtx());
        ZSTD_DCtx_setParameter(context.get(), ZSTD_d_windowLogMax, MaxZstdWindowLog);
    }
    QByteArray in(ChunkSize, Qt::Uninitialized);
    QByteArray out(zstd ? qsizetype(ZSTD_DStreamOutSize()) : 0, Qt::Uninitialized);
    qint64 written = 0;
    size_t lastZstdResult = 0;
    for (;;) {
        const zip_int64_t read = zip_fread(entry.get(), in.data(), zip_uint64_t(in.size()));
        if (read < 0)
            return ImportError{
                Kind::DamagedEntry, QString::fromUtf8(zip_file_strerror(entry.get())), {}};
        if (read == 0)
            break;
        if (!zstd) {
            written += read;
            if (bomb(written))
                return tooLarge(name);
            if (into.write(in.constData(), read) != read)
                return ImportError{Kind::CannotOpen, into.errorString(), {}};
            continue;
        }
        ZSTD_inBuffer input{in.constData(), size_t(read), 0};
        while (input.pos < input.size) {
            ZSTD_outBuffer output{out.data(), size_t(out.size()), 0};
            lastZstdResult = ZSTD_decompressStream(context.get(), &output, &input);
            if (ZSTD_isError(lastZstdResult))
                return ImportError{
                    Kind::DamagedEntry, QString::fromUtf8(ZSTD_getErrorName(lastZstdResult)), {}};
            written += qint64(output.pos);
            if (bomb(written))
                return tooLarge(name);
            if (into.write(out.constData(), qint64(output.pos)) != qint64(output.pos))
                return ImportError{Kind::CannotOpen, into.errorString(), {}};
        }
    }
    if (zstd && lastZstdResult != 0)
        return ImportError{Kind::DamagedEntry, QStringLiteral("truncated zstd frame"), {}};
    if (!into.flush())
        return ImportError{Kind::CannotOpen, into.errorString(), {}};
    return std::nullopt;
}

std::optional<ImportError> extractCollection(zip_t* archive, QFile& into)
{
    struct Candidate
    {
        const char* name;
        bool zstd;
    };
    for (const Candidate candidate :
         {Candidate{"collection.anki21b", true}, Candidate{"collection.anki21", false},
          Candidate{"collection.anki2", false}}) {
        const zip_int64_t index = zip_name_locate(archive, candidate.name, 0);
        if (index >= 0)
            return extract(archive, index, candidate.name, candidate.zstd, into);
    }
    return ImportError{Kind::NotAnAnkiPackage, {}, std::nullopt};
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
        opened = database.open();
        if (!opened)
            openError = database.lastError().text();
    }
    ~Collection() { QSqlDatabase::removeDatabase(name); }

    DeckResult read(AnkiMarkup::LineBreaks lineBreaks);

private:
    QSqlDatabase database() const { return QSqlDatabase::database(name, false); }
    std::optional<QSqlQuery> run(const QString& statement);
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

std::optional<QSqlQuery> Collection::run(const QString& statement)
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(statement)) {
        fail(Kind::DamagedCollection, query.lastError().text());
        return std::nullopt;
    }
    return query;
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
        std::optional<QSqlQuery> query = run(QStringLiteral("SELECT ntid, ord, name FROM fields"));
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
    // Schema 11 keeps note types and decks as JSON in the one row of col; its size is asked first.
    std::optional<QSqlQuery> sizes =
        run(QStringLiteral("SELECT length(models), length(decks) FROM col"));
    if (!sizes)
        return false;
    if (!sizes->next()) {
        fail(Kind::DamagedCollection, QStringLiteral("col"));
        return false;
    }
    if (sizes->value(0).toLongLong() > ImportLimits::MaxTextFileSize ||
        sizes->value(1).toLongLong() > ImportLimits::MaxTextFileSize) {
        fail(Kind::EntryTooLarge, QStringLiteral("col"));
        return false;
    }
    std::optional<QSqlQuery> query = run(QStringLiteral("SELECT models, decks FROM col"));
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
    std::optional<QSqlQuery> query = run(QStringLiteral("SELECT id, name FROM decks"));
    if (!query)
        return false;
    while (query->next())
        deckPaths.insert(query->value(0).toLongLong(), deckPath(query->value(1).toString()));
    return true;
}

bool Collection::readCardDecks()
{
    // A card moved into a filtered deck keeps its home deck in odid.
    std::optional<QSqlQuery> query = run(QStringLiteral(
        "SELECT nid, CASE WHEN odid != 0 THEN odid ELSE did END FROM cards ORDER BY nid, ord"));
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
    std::optional<QSqlQuery> count = run(QStringLiteral("SELECT count(*) FROM notes"));
    if (!count || !count->next())
        return false;
    if (count->value(0).toLongLong() > ImportLimits::MaxNoteCount) {
        fail(Kind::TooManyNotes, QString::number(ImportLimits::MaxNoteCount));
        return false;
    }
    deck.notes.reserve(count->value(0).toLongLong());
    std::optional<QSqlQuery> query =
        run(QStringLiteral("SELECT id, mid, flds, tags FROM notes ORDER BY id"));
    if (!query)
        return false;
    // Note type -> its field positions in the deck.
    QHash<qint64, QList<int>> fieldsOfType;
    qint64 number = 0;
    while (query->next()) {
        const NotePlace place{NotePlace::Kind::Note, ++number};
        const QString fields = query->value(2).toString();
        if (fields.size() > ImportLimits::MaxFieldSize * ImportLimits::MaxFieldCount) {
            fail(Kind::FieldTooLarge, QString::number(ImportLimits::MaxFieldSize), place);
            return false;
        }
        const qint64 type = query->value(1).toLongLong();
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
        note.tags = query->value(3).toString().split(u' ', Qt::SkipEmptyParts);
        note.path = deckPaths.value(deckOfNote.value(query->value(0).toLongLong(), -1));
        deck.notes.append(std::move(note));
    }
    if (query->lastError().isValid()) {
        fail(Kind::DamagedCollection, query->lastError().text());
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
    std::optional<QSqlQuery> tables = run(QStringLiteral(
        "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'notetypes'"));
    if (!tables || !tables->next())
        return {{}, error};
    schema18 = tables->value(0).toInt() > 0;
    Deck deck;
    if (!readNoteTypes() || !readDecks() || !readCardDecks() || !readNotes(deck, lineBreaks))
        return {{}, error};
    AnkiMarkup::moveReadingsToFields(deck);
    return {std::move(deck), std::nullopt};
}

DeckResult readArchive(zip_t* archive, AnkiMarkup::LineBreaks lineBreaks)
{
    QTemporaryFile copy;
    if (!copy.open())
        return {{}, ImportError{Kind::CannotOpen, copy.errorString(), std::nullopt}};
    if (std::optional<ImportError> error = extractCollection(archive, copy))
        return {{}, error};
    copy.close();
    return Collection(copy.fileName()).read(lineBreaks);
}

ImportError zipError(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return {code == ZIP_ER_NOZIP ? Kind::NotAZip : Kind::DamagedEntry, text, std::nullopt};
}

} // namespace

bool looksLikeZip(QByteArrayView bytes)
{
    return bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06");
}

DeckResult readAnkiPackage(const QString& path, AnkiMarkup::LineBreaks lineBreaks)
{
    int code = 0;
    const Zip archive(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code));
    if (!archive)
        return {{}, zipError(code)};
    return readArchive(archive.get(), lineBreaks);
}

DeckResult readAnkiPackageBytes(QByteArrayView bytes, AnkiMarkup::LineBreaks lineBreaks)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(bytes.data(), zip_uint64_t(bytes.size()), 0, &error);
    if (!source) {
        zip_error_fini(&error);
        return {{}, ImportError{Kind::CannotOpen, QStringLiteral("zip"), std::nullopt}};
    }
    const Zip archive(zip_open_from_source(source, ZIP_RDONLY, &error));
    if (!archive) {
        const int code = zip_error_code_zip(&error);
        zip_source_free(source);
        zip_error_fini(&error);
        return {{}, zipError(code)};
    }
    zip_error_fini(&error);
    return readArchive(archive.get(), lineBreaks);
}

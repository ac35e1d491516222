#include "AnkiFixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <zip.h>
#include <zstd.h>

namespace AnkiFixtures {

namespace {

void exec(QSqlQuery& query, const QString& statement)
{
    if (!query.exec(statement))
        qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
}

void createTables(QSqlQuery& query, const Collection& collection)
{
    exec(query, QStringLiteral(
                    "CREATE TABLE col (id integer PRIMARY KEY, crt integer, mod integer, "
                    "scm integer, ver integer, dty integer, usn integer, ls integer, conf text, "
                    "models text, decks text, dconf text, tags text)"));
    exec(query, QStringLiteral("CREATE TABLE notes (id integer PRIMARY KEY, guid text, "
                               "mid integer, mod integer, usn integer, tags text, flds text, "
                               "sfld integer, csum integer, flags integer, data text)"));
    exec(query, QStringLiteral("CREATE TABLE cards (id integer PRIMARY KEY, nid integer, "
                               "did integer, ord integer, mod integer, usn integer, type integer, "
                               "queue integer, due integer, ivl integer, factor integer, "
                               "reps integer, lapses integer, left integer, odue integer, "
                               "odid integer, flags integer, data text)"));
    if (collection.schema < 18)
        return;
    exec(query, QStringLiteral("CREATE TABLE notetypes (id integer PRIMARY KEY, name text NOT "
                               "NULL, mtime_secs integer, usn integer, config blob)"));
    exec(query, QStringLiteral("CREATE TABLE fields (ntid integer, ord integer, name text NOT "
                               "NULL, config blob, PRIMARY KEY (ntid, ord))"));
    exec(query, QStringLiteral("CREATE TABLE decks (id integer PRIMARY KEY, name text NOT NULL, "
                               "mtime_secs integer, usn integer, common blob, kind blob)"));
    // Covering indexes, as the other program keeps them: a scan of the names may pick them.
    exec(query, QStringLiteral("CREATE UNIQUE INDEX idx_notetypes_name ON notetypes (name)"));
    exec(query, QStringLiteral("CREATE UNIQUE INDEX idx_fields_name_ntid ON fields (name, ntid)"));
    exec(query, QStringLiteral("CREATE UNIQUE INDEX idx_decks_name ON decks (name)"));
}

// The other program declares its name columns with a collation only it registers; the schema
// text is changed afterwards, so that any query needing the collation fails as it would there.
void useForeignCollation(QSqlQuery& query)
{
    exec(query, QStringLiteral("PRAGMA writable_schema = ON"));
    exec(query, QStringLiteral("UPDATE sqlite_master SET sql = replace(sql, 'name text NOT NULL', "
                               "'name text NOT NULL COLLATE unicase') WHERE name IN "
                               "('notetypes', 'fields', 'decks')"));
    exec(query, QStringLiteral("PRAGMA writable_schema = OFF"));
}

QString modelsJson(const Collection& collection)
{
    QJsonObject models;
    for (auto type = collection.noteTypes.cbegin(); type != collection.noteTypes.cend(); ++type) {
        QJsonArray fields;
        for (int ord = 0; ord < type->second.size(); ++ord)
            fields.append(QJsonObject{{"name", type->second[ord]}, {"ord", ord}});
        models.insert(QString::number(type.key()),
                      QJsonObject{{"id", type.key()}, {"name", type->first}, {"flds", fields}});
    }
    return QString::fromUtf8(QJsonDocument(models).toJson(QJsonDocument::Compact));
}

QString decksJson(const Collection& collection)
{
    QJsonObject decks;
    for (auto deck = collection.decks.cbegin(); deck != collection.decks.cend(); ++deck)
        decks.insert(QString::number(deck.key()), QJsonObject{{"id", deck.key()}, {"name", *deck}});
    return QString::fromUtf8(QJsonDocument(decks).toJson(QJsonDocument::Compact));
}

void fill(QSqlQuery& query, const Collection& collection)
{
    const bool tables = collection.schema >= 18;
    query.prepare(QStringLiteral("INSERT INTO col (id, ver, models, decks) VALUES (1, ?, ?, ?)"));
    query.addBindValue(collection.schema);
    query.addBindValue(tables ? QString() : modelsJson(collection));
    query.addBindValue(tables ? QString() : decksJson(collection));
    if (!query.exec())
        qFatal("col: %s", qPrintable(query.lastError().text()));
    if (tables) {
        for (auto type = collection.noteTypes.cbegin(); type != collection.noteTypes.cend();
             ++type) {
            query.prepare(QStringLiteral("INSERT INTO notetypes (id, name) VALUES (?, ?)"));
            query.addBindValue(type.key());
            query.addBindValue(type->first);
            query.exec();
            for (int ord = 0; ord < type->second.size(); ++ord) {
                query.prepare(
                    QStringLiteral("INSERT INTO fields (ntid, ord, name) VALUES (?, ?, ?)"));
                query.addBindValue(type.key());
                query.addBindValue(ord);
                query.addBindValue(type->second[ord]);
                query.exec();
            }
        }
        for (auto deck = collection.decks.cbegin(); deck != collection.decks.cend(); ++deck) {
            query.prepare(QStringLiteral("INSERT INTO decks (id, name) VALUES (?, ?)"));
            query.addBindValue(deck.key());
            QString name = *deck;
            query.addBindValue(name.replace(QStringLiteral("::"), QChar(0x1F)));
            query.exec();
        }
    }
    exec(query, QStringLiteral("BEGIN"));
    for (qsizetype i = 0; i < collection.notes.size(); ++i) {
        const Note& note = collection.notes[i];
        // Ids are creation times in milliseconds.
        const qint64 id = 1'700'000'000'000 + i;
        query.prepare(
            QStringLiteral("INSERT INTO notes (id, guid, mid, tags, flds) VALUES (?, ?, ?, ?, ?)"));
        query.addBindValue(id);
        query.addBindValue(QString::number(id));
        query.addBindValue(note.noteType);
        query.addBindValue(note.tags);
        query.addBindValue(note.fields.join(QChar(0x1F)));
        query.exec();
        query.prepare(
            QStringLiteral("INSERT INTO cards (id, nid, did, ord, odid) VALUES (?, ?, ?, 0, 0)"));
        query.addBindValue(id);
        query.addBindValue(id);
        query.addBindValue(note.deck);
        query.exec();
    }
    exec(query, QStringLiteral("COMMIT"));
}

} // namespace

QByteArray collectionFile(const Collection& collection)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("collection"));
    {
        QSqlDatabase database =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        database.setDatabaseName(path);
        if (!database.open())
            qFatal("fixture: %s", qPrintable(database.lastError().text()));
        QSqlQuery query(database);
        createTables(query, collection);
        fill(query, collection);
        if (collection.schema >= 18)
            useForeignCollation(query);
        query.finish();
        database.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QByteArray dummyCollectionFile()
{
    Collection dummy;
    dummy.noteTypes.insert(1, {QStringLiteral("Basic"), {"Front", "Back"}});
    dummy.decks.insert(1, QStringLiteral("Default"));
    dummy.notes.append({1,
                        {QStringLiteral("Please update to the latest Anki version, then import "
                                        "the .colpkg/.apkg file again."),
                         QString()},
                        QString(),
                        1});
    return collectionFile(dummy);
}

QByteArray zipOf(const QList<QPair<QString, QByteArray>>& entries)
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("package.zip")));
    int code = 0;
    zip_t* archive = zip_open(path.constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    // libzip reads the buffers only when the archive is closed.
    QList<QByteArray> kept;
    for (const auto& [name, bytes] : entries) {
        kept.append(bytes);
        zip_source_t* source =
            zip_source_buffer(archive, kept.last().constData(), zip_uint64_t(bytes.size()), 0);
        zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_OVERWRITE);
    }
    if (zip_close(archive) != 0)
        qFatal("zip: %s", zip_strerror(archive));
    QFile file(QFile::decodeName(path));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QByteArray zstdOf(const QByteArray& bytes)
{
    QByteArray out(qsizetype(ZSTD_compressBound(size_t(bytes.size()))), Qt::Uninitialized);
    const size_t size =
        ZSTD_compress(out.data(), size_t(out.size()), bytes.constData(), size_t(bytes.size()), 3);
    out.resize(qsizetype(size));
    return out;
}

} // namespace AnkiFixtures

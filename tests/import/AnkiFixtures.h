#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

// Collections and packages as the other program writes them, made by the tests themselves.
namespace AnkiFixtures {

struct Note
{
    qint64 noteType;
    QStringList fields;
    QString tags;
    qint64 deck;
};

struct Collection
{
    // 11 keeps note types and decks as JSON in col; 18 in tables whose names the other program
    // collates with its own "unicase".
    int schema = 11;
    QMap<qint64, QPair<QString, QStringList>> noteTypes;
    QMap<qint64, QString> decks;
    QList<Note> notes;
};

// The SQLite file of the collection.
QByteArray collectionFile(const Collection& collection);

// What an old program finds in a current package: one note asking to update.
QByteArray dummyCollectionFile();

QByteArray zipOf(const QList<QPair<QString, QByteArray>>& entries);
QByteArray zstdOf(const QByteArray& bytes);

} // namespace AnkiFixtures

#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The word dictionary's headwords written with kanji and their readings. Its file has a line per
// headword and reading: "今日 [きょう] /(n-t) today/this day/(P)/", (P) marking common use.
class WordDictionary
{
public:
    struct Entry
    {
        QStringList readings; // the common ones first, each group in the file's order
        int common = 0;
    };

    // Lines that do not have that shape are passed over.
    static WordDictionary parse(QStringView text);
    // The file as Debian installs it, in EUC-JP; nothing when it cannot be read.
    static std::optional<WordDictionary> read(const QString& path, QString& error);

    std::optional<Entry> find(QStringView word) const;

private:
    QHash<QString, Entry> entries;
};

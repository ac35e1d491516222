#pragma once

#include <QString>

#include <array>

// The three question files most recently loaded into the main window, entry 0 the most recent;
// an empty entry is not in use.
class RecentFiles
{
public:
    static constexpr int Count = 3;
    using Entries = std::array<QString, Count>;

    RecentFiles() = default;
    explicit RecentFiles(const Entries& stored) : entries(stored) {}
    const Entries& all() const { return entries; }

    // After a successful load: the path goes to the front. An entry naming the same file in
    // another letter case moves up and takes the new spelling; otherwise the oldest drops out.
    void update(const QString& path);

    // Positions outside 0 .. Count - 1 give the empty text.
    QString entry(int index) const;

    // "(&1) KANJI.DAT" for entry 0: the menu number is the entry's index plus 1.
    QString menuCaption(int index) const;

    // The text after the last "/", or the whole path when it has none.
    static QString fileNamePart(const QString& path);

    // Equal once the ASCII letters are folded to upper case; every other character, also
    // full-width and accented letters, must match exactly. An empty entry never matches.
    static bool sameFile(const QString& entry, const QString& path);

private:
    static bool holds(int index) { return index >= 0 && index < Count; }

    Entries entries;
};

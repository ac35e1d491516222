#pragma once

#include "romaji/RomajiAnswer.h"

#include <QHash>
#include <QList>
#include <QString>

#include <vector>

// Judges the keys of a learner typing a kana answer in romaji. It keeps every reading of the keys
// so far that can still become the answer, so every spelling of the table is taken, and a key
// that fits none of them is refused. The kana are written as the answer writes them: katakana,
// half-width or full-width where it has them.
class RomajiJudge
{
public:
    explicit RomajiJudge(const QString& answer);

    const QString& answer() const { return expected; }

    // Takes the key when it can lead to the answer; a refused key changes nothing. Once the
    // answer is complete every key is refused.
    bool type(QChar key);
    // Takes back the last key not yet a kana, or else the last kana.
    void backspace();

    // The kana so far, then the keys not yet a kana.
    QString shownText() const;
    // One spelling of the rest of the answer that the judge takes from here, following what has
    // been typed of the kana under way and the spellings chosen for earlier kana. It stops before
    // a character that cannot be typed in romaji.
    QString guide() const;
    bool complete() const;

private:
    // A kana or pair of kana (しゃ) at a place of the answer, and one spelling of it.
    struct Chunk
    {
        QString keys;
        int length;
        bool exact; // a character typed as itself, case and all
        QString kana;
    };

    struct Reading
    {
        int position;
        QString pending;
        // The pending key is the first of a doubled consonant spelling the っ at position.
        bool doubling = false;

        friend bool operator==(const Reading&, const Reading&) = default;
    };

    struct GuideStep
    {
        QString keys;
        int length = 0;
    };

    void step(const Reading& reading, QChar key, std::vector<Reading>& next,
              QList<std::pair<QString, QString>>& chosen) const;
    bool canStartWith(int position, QChar letter) const;
    bool kanaAt(int position) const;
    bool isKana(int position, QChar kana) const;
    QString kanaText(int position, int length) const;
    const Reading& shownReading() const;
    const std::vector<GuideStep>& guideSteps() const;
    // The spelling that starts with the typed keys and what follows it, from position on.
    std::pair<QString, int> completion(int position, const QString& typed) const;

    QString expected;
    QList<RomajiUnit> units;
    std::vector<std::vector<Chunk>> chunks;
    // Per position, the letters a doubled consonant there may be: bit 0 is a.
    std::vector<quint32> startLetters;
    std::vector<Reading> readings;
    // The spelling last used for a kana text, which the guide then shows for it.
    QHash<QString, QString> chosenSpellings;
    // Made again only when a kana is spelt another way than before.
    mutable std::vector<GuideStep> steps;
    mutable bool stepsMade = false;
};

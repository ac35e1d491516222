// For any answer put together from the romaji table's kana (in hiragana or katakana) and ASCII
// letters and digits, every spelling the table gives must be taken key by key, end with the answer
// complete and shown as written, and refuse any key after it. The guide, from anywhere on the way,
// must be a spelling the judge takes as well.
//
// Three input bytes make one piece of the answer: what it is, which one, and how it is spelt.

#include "romaji/RomajiJudge.h"
#include "romaji/RomajiTable.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

struct Piece
{
    QString text;     // as the answer writes it
    QString hiragana; // empty for a character typed as itself
    QString keys;
    bool wantsContext; // ん as a single n, っ as a doubled consonant, where the next keys allow
};

QString inKatakana(const QString& hiragana)
{
    QString text = hiragana;
    for (QChar& c : text) {
        if (c.unicode() >= 0x3041 && c.unicode() <= 0x3096)
            c = QChar(char16_t(c.unicode() + 0x60));
    }
    return text;
}

[[noreturn]] void fail(const char* what, const QString& answer, const QString& keys)
{
    std::fprintf(stderr, "%s: answer %s keys %s\n", what, qPrintable(answer), qPrintable(keys));
    std::abort();
}

bool isConsonant(QChar key)
{
    return RomajiTable::isConsonant(key.toLower());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString Ascii =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    const QStringList& kana = RomajiTable::kanaTexts();
    QList<Piece> pieces;
    for (size_t at = 0; at + 3 <= size && pieces.size() < 64; at += 3) {
        const uint8_t what = data[at];
        const int which = (data[at] << 8 | data[at + 1]);
        const uint8_t spelling = data[at + 2];
        if (what % 8 == 0) {
            const QString c(Ascii[which % Ascii.size()]);
            pieces.append({c, {}, c, false});
            continue;
        }
        const QString& hiragana = kana[which % kana.size()];
        const QStringList& spellings = RomajiTable::spellingsOf(hiragana);
        pieces.append({what & 0x10 ? inKatakana(hiragana) : hiragana, hiragana,
                       spellings[(spelling & 0x7F) % spellings.size()], (spelling & 0x80) != 0});
    }

    // From the end, since ん and っ are spelt by what follows them.
    QString keys;
    QString answer;
    for (qsizetype k = pieces.size() - 1; k >= 0; --k) {
        const Piece& piece = pieces[k];
        QString spelt = piece.keys;
        const bool kanaNext = k + 1 < pieces.size() && !pieces[k + 1].hiragana.isEmpty();
        const QChar next = keys.isEmpty() ? QChar() : keys.front().toLower();
        const bool naRowNext = kanaNext && pieces[k + 1].hiragana != QString(RomajiTable::Syllabic);
        if (piece.wantsContext && piece.hiragana == QString(RomajiTable::Syllabic) &&
            isConsonant(next) && next != u'y' && (next != u'n' || naRowNext))
            spelt = QStringLiteral("n");
        if (piece.wantsContext && piece.hiragana == QString(RomajiTable::SmallTsu) && kanaNext &&
            isConsonant(next) && next != u'n')
            spelt = QString(next);
        keys.prepend(spelt);
        answer.prepend(piece.text);
    }

    RomajiJudge judge(answer);
    const qsizetype guideFrom = size > 0 ? data[0] % (keys.size() + 1) : 0;
    for (qsizetype k = 0; k < keys.size(); ++k) {
        if (k == guideFrom) {
            RomajiJudge guided = judge;
            const QString guide = guided.guide();
            for (QChar key : guide) {
                if (!guided.type(key))
                    fail("guide key refused", answer, keys.left(k) + guide);
            }
            if (!guided.complete() || guided.shownText() != answer)
                fail("guide does not complete", answer, keys.left(k) + guide);
        }
        if (!judge.type(keys[k]))
            fail("key refused", answer, keys.left(k + 1));
    }
    if (!judge.complete() || judge.shownText() != answer || !judge.guide().isEmpty())
        fail("not complete", answer, keys);
    for (QChar key : {u'a', u'n', u'-', u'A'}) {
        if (judge.type(key))
            fail("key after the answer taken", answer, keys + key);
    }
    return 0;
}

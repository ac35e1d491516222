#include "speech/SpokenReading.h"

#include "questions/TextCodec.h"
#include "readings/Kana.h"
#include "readings/PairReading.h"
#include "readings/ReadingTarget.h"

#include <QList>

namespace {

// The trace's text analysis: one line a word, comma-separated, the reading ninth.
constexpr qsizetype ReadingField = 8;

const QByteArray AnalysisHeading = "[Text analysis result]";

// The vowel each hiragana ends in, by the five rows of the syllabary.
char32_t vowelOf(char32_t kana)
{
    static const QString rows[5] = {
        QStringLiteral("あぁかがさざただなはばぱまやゃらわゎ"),
        QStringLiteral("いぃきぎしじちぢにひびぴみりゐ"),
        QStringLiteral("うぅくぐすずつづっぬふぶぷむゆゅるゔ"),
        QStringLiteral("えぇけげせぜてでねへべぺめれゑ"),
        QStringLiteral("おぉこごそぞとどのほぼぽもよょろを"),
    };
    static const char32_t vowels[5] = {U'あ', U'い', U'う', U'え', U'お'};
    if (kana <= 0xFFFF) {
        for (int row = 0; row < 5; ++row) {
            if (rows[row].contains(QChar(char16_t(kana))))
                return vowels[row];
        }
    }
    return 0;
}

} // namespace

namespace SpokenReading {

SpeechLine lineOf(const QuestionItem& pair, SpokenPart part, const PairReading* reading)
{
    const QString question = TextCodec::decode(pair.question);
    const QString answer = TextCodec::decode(pair.answer);
    SpeechLine line{part == SpokenPart::Question ? question : answer, {}};
    if (!reading || reading->needsCheck || reading->reading.isEmpty())
        return line;
    const SpokenPart readingPart = readingTarget(question, answer) == ReadingTarget::Question
                                       ? SpokenPart::Question
                                       : SpokenPart::Answer;
    if (readingPart == part)
        line.confirmedReading = reading->reading;
    return line;
}

QString fromTrace(const QByteArray& trace)
{
    const qsizetype start = trace.indexOf(AnalysisHeading);
    if (start < 0)
        return {};
    QString reading;
    const QList<QByteArray> lines = trace.mid(start + AnalysisHeading.size()).split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith('['))
            break;
        if (line.trimmed().isEmpty())
            continue;
        const QList<QByteArray> fields = line.split(',');
        const bool hasReading = fields.size() > ReadingField && fields[ReadingField] != "*";
        reading += QString::fromUtf8(hasReading ? fields[ReadingField] : fields[0]);
    }
    return Kana::toHiragana(reading);
}

QString comparable(QStringView reading)
{
    const QString hiragana = Kana::toHiragana(reading);
    QString result;
    char32_t last = 0;
    for (qsizetype at = 0; at < hiragana.size();) {
        char32_t character = Kana::nextCharacter(hiragana, at);
        if (character == U'ー' && last != 0)
            character = vowelOf(last) ? vowelOf(last) : last;
        if (Kana::kindOf(character) == Kana::Kind::Bare)
            continue;
        result += QString::fromUcs4(&character, 1);
        last = character;
    }
    return result;
}

QString textToSpeak(const SpeechLine& line, const QString& traceReading)
{
    if (line.confirmedReading.isEmpty() ||
        comparable(traceReading) == comparable(line.confirmedReading))
        return line.text;
    return line.confirmedReading;
}

} // namespace SpokenReading

#include "questions/TextCodec.h"

#include <QHash>
#include <QStringConverter>

#include <utility>

namespace {

constexpr const char* CodecName = "windows-31j";

// JIS code point, and the Microsoft one CP932 has for the same character.
constexpr std::pair<char16_t, char16_t> Twins[] = {
    {u'\u301C', u'\uFF5E'}, // 〜 wave dash: ～
    {u'\u2212', u'\uFF0D'}, // − minus sign: －
    {u'\u2016', u'\u2225'}, // ‖ double vertical line: ∥
    {u'\u2014', u'\u2015'}, // — em dash: ―
    {u'\u00A2', u'\uFFE0'}, // ¢: ￠
    {u'\u00A3', u'\uFFE1'}, // £: ￡
    {u'\u00AC', u'\uFFE2'}, // ¬: ￢
};

QString withMicrosoftTwins(QString text)
{
    for (QChar& character : text) {
        for (const auto& [jis, microsoft] : Twins) {
            if (character == QChar(jis))
                character = QChar(microsoft);
        }
    }
    return text;
}

} // namespace

namespace TextCodec {

QString decode(QByteArrayView bytes)
{
    QStringDecoder decoder(CodecName, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

bool isValid(QByteArrayView bytes)
{
    QStringDecoder decoder(CodecName, QStringConverter::Flag::Stateless);
    // The decoder reports errors only once the text has really been made.
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

std::optional<QByteArray> encode(const QString& text)
{
    QStringEncoder encoder(CodecName, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(withMicrosoftTwins(text));
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

QStringList charactersWithoutForm(QStringView text)
{
    QStringList refused;
    if (encode(text.toString()))
        return refused;
    // Each encoder opens a converter, which costs more than the rest of the table's encoding: a
    // character is tried once however often the text repeats it.
    QHash<char32_t, bool> hasForm;
    for (qsizetype at = 0; at < text.size();) {
        const bool pair =
            at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate();
        const QStringView character = text.sliced(at, pair ? 2 : 1);
        const char32_t code =
            pair ? QChar::surrogateToUcs4(text[at], text[at + 1]) : text[at].unicode();
        auto known = hasForm.constFind(code);
        if (known == hasForm.constEnd())
            known = hasForm.insert(code, encode(character.toString()).has_value());
        if (!*known)
            refused.append(character.toString());
        at += character.size();
    }
    return refused;
}

QByteArray canonical(const QByteArray& bytes)
{
    // Every CP932 character decodes to a code point the encoder takes back, so a valid text
    // always has a canonical form.
    if (!isValid(bytes))
        return bytes;
    return encode(decode(bytes)).value_or(bytes);
}

} // namespace TextCodec

#include "editor/PairText.h"

#include "questions/TextCodec.h"

namespace PairText {

std::optional<QString> firstUnsavableCharacter(const QString& text)
{
    if (TextCodec::encode(text))
        return std::nullopt;
    for (qsizetype at = 0; at < text.size();) {
        const bool pair =
            at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate();
        const QString character = text.sliced(at, pair ? 2 : 1);
        if (!TextCodec::encode(character))
            return character;
        at += character.size();
    }
    return std::nullopt;
}

QString unsavableMessage(const QString& character)
{
    return QStringLiteral("「%1」はファイルに保存できない文字です").arg(character);
}

Encoded encode(const QString& question, const QString& answer)
{
    std::optional<QByteArray> questionBytes = TextCodec::encode(question);
    std::optional<QByteArray> answerBytes = TextCodec::encode(answer);
    if (questionBytes && answerBytes)
        return {QuestionItem{std::move(*questionBytes), std::move(*answerBytes)}, {}};
    const QString& refused = questionBytes ? answer : question;
    return {std::nullopt, unsavableMessage(firstUnsavableCharacter(refused).value_or(refused))};
}

} // namespace PairText

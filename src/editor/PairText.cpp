#include "editor/PairText.h"

#include "questions/TextCodec.h"

namespace PairText {

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
    return {std::nullopt, unsavableMessage(TextCodec::charactersWithoutForm(refused).value(0))};
}

} // namespace PairText

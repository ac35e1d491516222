#include "questions/TextCodec.h"

#include <QStringConverter>

namespace {
constexpr const char* CodecName = "windows-31j";
}

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
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

} // namespace TextCodec

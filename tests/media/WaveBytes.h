#pragma once

#include <QByteArray>
#include <QtEndian>

// Builders for wave files byte by byte, so that each test spells out what it feeds the decoder.
namespace WaveBytes {

inline QByteArray u16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

inline QByteArray u32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

inline QByteArray chunk(const char* id, const QByteArray& body)
{
    QByteArray bytes = QByteArray(id) + u32(quint32(body.size())) + body;
    if (body.size() % 2)
        bytes.append('\0');
    return bytes;
}

// A chunk header that declares more (or less) than the body that follows.
inline QByteArray chunkDeclaring(const char* id, quint32 declaredSize, const QByteArray& body)
{
    return QByteArray(id) + u32(declaredSize) + body;
}

inline QByteArray fmtBody(quint16 tag, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 blockAlign = quint16(channels * (bits / 8));
    return u16(tag) + u16(channels) + u32(rate) + u32(rate * blockAlign) + u16(blockAlign) +
           u16(bits);
}

inline QByteArray riff(const QByteArray& chunks)
{
    return "RIFF" + u32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

// A complete file of linear PCM.
inline QByteArray pcm(quint16 channels, quint32 rate, quint16 bits, const QByteArray& samples)
{
    return riff(chunk("fmt ", fmtBody(1, channels, rate, bits)) + chunk("data", samples));
}

} // namespace WaveBytes

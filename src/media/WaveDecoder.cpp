#include "media/WaveDecoder.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <bit>
#include <limits>

namespace {

constexpr quint16 FormatPcm = 0x0001;
constexpr quint16 FormatFloat = 0x0003;
constexpr quint16 FormatExtensible = 0xFFFE;
constexpr int ChunkHeaderSize = 8;
constexpr int BasicFormatSize = 16;
constexpr int ExtensibleFormatSize = 40;
constexpr int SubFormatOffset = 24;

// Every sub-format identifier of the extensible layout ends in these bytes; its first two bytes
// are the plain format tag.
const QByteArray SubFormatTail = QByteArray::fromHex("000000001000800000aa00389b71");

struct SampleLayout
{
    bool isFloat = false;
    int channelCount = 0;
    int sampleRate = 0;
    int bytesPerSample = 0;
};

// Byte by byte rather than through a pointer into the array: the callers have checked the size,
// and GCC's bounds analysis cannot see that through a pointer under the sanitizers.
quint32 littleEndian(const QByteArray& bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uchar>(bytes.at(at + i));
    return value;
}

quint16 u16(const QByteArray& bytes, qsizetype at)
{
    return static_cast<quint16>(littleEndian(bytes, at, 2));
}

quint32 u32(const QByteArray& bytes, qsizetype at)
{
    return littleEndian(bytes, at, 4);
}

QByteArray readAt(QIODevice& device, qint64 offset, qint64 size)
{
    if (!device.seek(offset))
        return {};
    return device.read(size);
}

WaveDecodeResult failure(const char* reason)
{
    return WaveDecodeResult::failed(QString::fromLatin1(reason));
}

// The layout the format chunk's body describes, or why it cannot be played.
Fallible<SampleLayout, QString> parseFormat(const QByteArray& body)
{
    using Parsed = Fallible<SampleLayout, QString>;
    if (body.size() < BasicFormatSize)
        return Parsed::failed(QStringLiteral("format chunk too short"));
    quint16 tag = u16(body, 0);
    if (tag == FormatExtensible) {
        if (body.size() < ExtensibleFormatSize ||
            body.mid(SubFormatOffset + 2, SubFormatTail.size()) != SubFormatTail)
            return Parsed::failed(QStringLiteral("unsupported extensible format"));
        tag = u16(body, SubFormatOffset);
    }
    const quint16 channels = u16(body, 2);
    const quint32 rate = u32(body, 4);
    const quint16 blockAlign = u16(body, 12);
    const quint16 bits = u16(body, 14);
    const bool pcm = tag == FormatPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool floating = tag == FormatFloat && (bits == 32 || bits == 64);
    if (!pcm && !floating)
        return Parsed::failed(
            QStringLiteral("unsupported encoding %1 with %2 bits").arg(tag).arg(bits));
    if (channels == 0 || rate == 0 || rate > quint32(std::numeric_limits<int>::max()))
        return Parsed::failed(QStringLiteral("no channels or no sample rate"));
    if (blockAlign != channels * (bits / 8))
        return Parsed::failed(QStringLiteral("frame size does not match the channels"));
    return SampleLayout{floating, channels, int(rate), bits / 8};
}

template <typename Out, typename Convert>
QByteArray convertEach(const QByteArray& raw, int bytesIn, Convert convert)
{
    const qsizetype count = raw.size() / bytesIn;
    QByteArray out(count * qsizetype(sizeof(Out)), Qt::Uninitialized);
    const auto* in = reinterpret_cast<const uchar*>(raw.constData());
    for (qsizetype i = 0; i < count; ++i)
        qToUnaligned(Out(convert(in + i * bytesIn)), out.data() + i * qsizetype(sizeof(Out)));
    return out;
}

WaveSound convertSamples(const SampleLayout& layout, const QByteArray& raw)
{
    WaveSound sound{SampleFormat::Int16, layout.channelCount, layout.sampleRate, {}};
    const auto int16 = [](const uchar* p) { return qFromLittleEndian<qint16>(p); };
    const auto int24 = [](const uchar* p) {
        return qint32(quint32(p[0]) << 8 | quint32(p[1]) << 16 | quint32(p[2]) << 24);
    };
    const auto int32 = [](const uchar* p) { return qFromLittleEndian<qint32>(p); };
    const auto float32 = [](const uchar* p) {
        return std::bit_cast<float>(qFromLittleEndian<quint32>(p));
    };
    const auto float64 = [](const uchar* p) {
        return float(std::bit_cast<double>(qFromLittleEndian<quint64>(p)));
    };
    if (layout.isFloat) {
        sound.sampleFormat = SampleFormat::Float;
        sound.samples = layout.bytesPerSample == 4 ? convertEach<float>(raw, 4, float32)
                                                   : convertEach<float>(raw, 8, float64);
        return sound;
    }
    switch (layout.bytesPerSample) {
    case 1:
        sound.sampleFormat = SampleFormat::UInt8;
        sound.samples = raw;
        break;
    case 2:
        sound.samples = convertEach<qint16>(raw, 2, int16);
        break;
    case 3:
        sound.sampleFormat = SampleFormat::Int32;
        sound.samples = convertEach<qint32>(raw, 3, int24);
        break;
    default:
        sound.sampleFormat = SampleFormat::Int32;
        sound.samples = convertEach<qint32>(raw, 4, int32);
        break;
    }
    return sound;
}

WaveDecodeResult readSamples(QIODevice& device, const SampleLayout& layout, qint64 start,
                             qint64 declaredSize)
{
    // A recording that was cut off plays as far as it goes, in whole frames.
    const qint64 frameSize = qint64(layout.channelCount) * layout.bytesPerSample;
    const qint64 available = std::min(declaredSize, device.size() - start);
    const qint64 size = available / frameSize * frameSize;
    if (size <= 0)
        return failure("no sound data");
    const QByteArray raw = readAt(device, start, size);
    if (raw.size() != size)
        return failure("sound data cannot be read");
    return convertSamples(layout, raw);
}

} // namespace

namespace WaveDecoder {

WaveDecodeResult decode(QIODevice& device)
{
    const QByteArray riff = readAt(device, 0, 12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return failure("not a RIFF WAVE file");
    // The RIFF size itself is not trusted: writers that stream leave it at 0 or at its maximum.
    // Chunks are walked up to the end of the file instead.
    const qint64 fileSize = device.size();
    std::optional<SampleLayout> layout;
    qint64 at = 12;
    while (at + ChunkHeaderSize <= fileSize) {
        const QByteArray header = readAt(device, at, ChunkHeaderSize);
        if (header.size() != ChunkHeaderSize)
            return failure("chunk header cannot be read");
        const qint64 body = at + ChunkHeaderSize;
        const qint64 size = u32(header, 4);
        if (header.startsWith("fmt ")) {
            if (layout)
                return failure("second format chunk");
            if (body + size > fileSize)
                return failure("format chunk cut short");
            const Fallible<SampleLayout, QString> parsed = parseFormat(readAt(device, body, size));
            if (!parsed)
                return WaveDecodeResult::failed(parsed.failure());
            layout = *parsed;
        } else if (header.startsWith("data")) {
            if (!layout)
                return failure("sound data before the format chunk");
            return readSamples(device, *layout, body, size);
        }
        at = body + size + (size & 1);
    }
    return failure(layout ? "no sound data chunk" : "no format chunk");
}

WaveDecodeResult decodeFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return failure("file not found");
    if (!info.isFile())
        return failure("not a regular file");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return WaveDecodeResult::failed(file.errorString());
    return decode(file);
}

} // namespace WaveDecoder

qint64 playingMilliseconds(const WaveSound& sound)
{
    const int sampleBytes = sound.sampleFormat == SampleFormat::UInt8   ? 1
                            : sound.sampleFormat == SampleFormat::Int16 ? 2
                                                                        : 4;
    const qint64 frameBytes = qint64(sampleBytes) * sound.channelCount;
    if (frameBytes <= 0 || sound.sampleRate <= 0)
        return 0;
    return sound.samples.size() / frameBytes * 1000 / sound.sampleRate;
}

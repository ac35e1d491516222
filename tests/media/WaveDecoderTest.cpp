#include "media/WaveDecoder.h"
#include "TestFiles.h"
#include "WaveBytes.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace WaveBytes;
using TestFiles::hex;

Q_DECLARE_METATYPE(SampleFormat)

class WaveDecoderTest : public QObject
{
    Q_OBJECT

private slots:
    void decodes_data();
    void decodes();
    void rejects_data();
    void rejects();
    void decodesFile();
    void rejectsPathBeforeReadingIt_data();
    void rejectsPathBeforeReadingIt();
    void playingTimeFollowsFormatAndRate_data();
    void playingTimeFollowsFormatAndRate();
};

namespace {

WaveDecodeResult decodeBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return WaveDecoder::decode(buffer);
}

// The samples as numbers, read in the format the decoder chose.
QList<double> valuesOf(const WaveSound& sound)
{
    QList<double> values;
    const char* p = sound.samples.constData();
    const qsizetype size = sound.samples.size();
    switch (sound.sampleFormat) {
    case SampleFormat::UInt8:
        for (qsizetype i = 0; i < size; ++i)
            values << double(uchar(p[i]));
        break;
    case SampleFormat::Int16:
        for (qsizetype i = 0; i + 2 <= size; i += 2)
            values << double(qFromUnaligned<qint16>(p + i));
        break;
    case SampleFormat::Int32:
        for (qsizetype i = 0; i + 4 <= size; i += 4)
            values << double(qFromUnaligned<qint32>(p + i));
        break;
    case SampleFormat::Float:
        for (qsizetype i = 0; i + 4 <= size; i += 4)
            values << double(qFromUnaligned<float>(p + i));
        break;
    }
    return values;
}

QByteArray extensibleFmt(quint16 subTag, quint16 channels, quint32 rate, quint16 bits)
{
    return fmtBody(0xFFFE, channels, rate, bits) + u16(22) + u16(bits) + u32(0x4) + u16(subTag) +
           hex("0000 0000 1000 8000 00AA 0038 9B71");
}

const QByteArray Fmt16Mono = chunk("fmt ", fmtBody(1, 1, 8000, 16));

} // namespace

void WaveDecoderTest::decodes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<SampleFormat>("format");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<QList<double>>("values");

    QTest::addRow("pcm_8_bit_stays_unsigned")
        << pcm(1, 11025, 8, hex("00 80 FF")) << SampleFormat::UInt8 << 1 << 11025
        << QList<double>{0, 128, 255};
    QTest::addRow("pcm_16_bit_stereo")
        << pcm(2, 44100, 16, hex("0100 FF7F | 0080 FFFF")) << SampleFormat::Int16 << 2 << 44100
        << QList<double>{1, 32767, -32768, -1};
    QTest::addRow("pcm_24_bit_widens_to_32")
        << pcm(1, 48000, 24, hex("010203 FFFFFF")) << SampleFormat::Int32 << 1 << 48000
        << QList<double>{double(0x03020100), -256};
    QTest::addRow("pcm_32_bit") << pcm(1, 8000, 32, hex("FFFFFF7F 00000080")) << SampleFormat::Int32
                                << 1 << 8000 << QList<double>{2147483647.0, -2147483648.0};
    QTest::addRow("float_32_bit") << riff(chunk("fmt ", fmtBody(3, 1, 8000, 32)) +
                                          chunk("data", hex("0000803F 000000BF")))
                                  << SampleFormat::Float << 1 << 8000 << QList<double>{1.0, -0.5};
    QTest::addRow("float_64_bit_narrows_to_32")
        << riff(chunk("fmt ", fmtBody(3, 1, 8000, 64)) + chunk("data", hex("000000000000D03F")))
        << SampleFormat::Float << 1 << 8000 << QList<double>{0.25};
    QTest::addRow("extensible_pcm")
        << riff(chunk("fmt ", extensibleFmt(1, 1, 22050, 16)) + chunk("data", hex("3412")))
        << SampleFormat::Int16 << 1 << 22050 << QList<double>{0x1234};
    QTest::addRow("other_chunks_and_odd_sizes_are_skipped")
        << riff(chunk("LIST", "abc") + Fmt16Mono + chunk("fact", "xyzzy") +
                chunk("data", hex("0200")))
        << SampleFormat::Int16 << 1 << 8000 << QList<double>{2};
    QTest::addRow("data_cut_off_plays_whole_frames_present")
        << riff(Fmt16Mono + chunkDeclaring("data", 100, hex("0100 0200 03"))) << SampleFormat::Int16
        << 1 << 8000 << QList<double>{1, 2};
    QTest::addRow("riff_size_left_at_zero_by_a_streaming_writer")
        << "RIFF" + u32(0) + "WAVE" + Fmt16Mono + chunk("data", hex("0500")) << SampleFormat::Int16
        << 1 << 8000 << QList<double>{5};
    QTest::addRow("bytes_after_the_data_chunk_are_ignored")
        << riff(Fmt16Mono + chunk("data", hex("0700"))) + "ID3 trailing tag" << SampleFormat::Int16
        << 1 << 8000 << QList<double>{7};
}

void WaveDecoderTest::decodes()
{
    QFETCH(QByteArray, file);
    QFETCH(SampleFormat, format);

    const WaveDecodeResult result = decodeBytes(file);

    QVERIFY2(result, qPrintable(result ? QString() : result.failure()));
    QCOMPARE(result->sampleFormat, format);
    QTEST(result->channelCount, "channels");
    QTEST(result->sampleRate, "rate");
    QTEST(valuesOf(*result), "values");
}

void WaveDecoderTest::rejects_data()
{
    QTest::addColumn<QByteArray>("file");

    const QByteArray fmt8 = chunk("fmt ", fmtBody(1, 1, 8000, 8));
    const QByteArray data = chunk("data", hex("8080"));
    const QByteArray fullFile = riff(Fmt16Mono + chunk("data", hex("0100 0200")));

    QTest::addRow("empty_file") << QByteArray();
    QTest::addRow("text_file") << QByteArray("This is a text file, not a sound.\n");
    QTest::addRow("riff_of_another_kind") << "RIFF" + u32(12) + "AVI " + data;
    QTest::addRow("cut_inside_riff_header") << fullFile.left(10);
    QTest::addRow("cut_inside_format_chunk") << fullFile.left(30);
    QTest::addRow("cut_inside_data_chunk_header") << fullFile.left(40);
    QTest::addRow("cut_before_any_sample") << fullFile.left(44);
    QTest::addRow("no_format_chunk") << riff(data);
    QTest::addRow("data_before_format") << riff(data + fmt8);
    QTest::addRow("no_data_chunk") << riff(fmt8 + chunk("LIST", "info"));
    QTest::addRow("empty_data_chunk") << riff(fmt8 + chunk("data", {}));
    QTest::addRow("less_than_one_frame")
        << riff(chunk("fmt ", fmtBody(1, 2, 8000, 16)) + chunk("data", hex("010203")));
    QTest::addRow("format_chunk_too_short") << riff(chunk("fmt ", hex("0100 0100")) + data);
    QTest::addRow("two_format_chunks") << riff(fmt8 + fmt8 + data);
    QTest::addRow("compressed_encoding") << riff(chunk("fmt ", fmtBody(2, 1, 8000, 8)) + data);
    QTest::addRow("pcm_of_12_bits") << riff(chunk("fmt ", fmtBody(1, 1, 8000, 12)) + data);
    QTest::addRow("float_of_16_bits") << riff(chunk("fmt ", fmtBody(3, 1, 8000, 16)) + data);
    QTest::addRow("no_channels") << riff(chunk("fmt ", fmtBody(1, 0, 8000, 8)) + data);
    QTest::addRow("no_sample_rate") << riff(chunk("fmt ", fmtBody(1, 1, 0, 8)) + data);
    QTest::addRow("frame_size_contradicts_channels")
        << riff(chunk("fmt ", u16(1) + u16(2) + u32(8000) + u32(8000) + u16(1) + u16(8)) + data);
    QTest::addRow("extensible_of_unknown_kind") << riff(
        chunk("fmt ", extensibleFmt(1, 1, 8000, 8).left(30) + QByteArray(10, '\x11')) + data);
    QTest::addRow("extensible_cut_short")
        << riff(chunk("fmt ", extensibleFmt(1, 1, 8000, 8).left(24)) + data);
}

void WaveDecoderTest::rejects()
{
    QFETCH(QByteArray, file);

    const WaveDecodeResult result = decodeBytes(file);

    QVERIFY(!result);
    QVERIFY(!result.failure().isEmpty());
}

void WaveDecoderTest::decodesFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ok.wav"));
    QVERIFY(TestFiles::writeBytes(path, pcm(1, 8000, 16, hex("0900"))));

    const WaveDecodeResult result = WaveDecoder::decodeFile(path);

    QVERIFY2(result, qPrintable(result ? QString() : result.failure()));
    QCOMPARE(valuesOf(*result), QList<double>{9});
}

void WaveDecoderTest::rejectsPathBeforeReadingIt_data()
{
    QTest::addColumn<QString>("name");

    QTest::addRow("missing_file") << QStringLiteral("missing.wav");
    QTest::addRow("empty_path") << QString();
    QTest::addRow("folder") << QStringLiteral("folder.wav");
    QTest::addRow("empty_file") << QStringLiteral("empty.wav");
    // Opening a pipe for reading waits for a writer, which would hang the caller.
    QTest::addRow("pipe") << QStringLiteral("pipe.wav");
}

void WaveDecoderTest::rejectsPathBeforeReadingIt()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.wav")));
    QVERIFY(TestFiles::writeBytes(dir.filePath(QStringLiteral("empty.wav")), {}));
    QCOMPARE(
        ::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.wav"))).constData(), 0600), 0);

    const WaveDecodeResult result =
        WaveDecoder::decodeFile(name.isEmpty() ? QString() : dir.filePath(name));

    QVERIFY(!result);
    QVERIFY(!result.failure().isEmpty());
}

// A spoken question's bar starts when its sound has played this long.
void WaveDecoderTest::playingTimeFollowsFormatAndRate_data()
{
    QTest::addColumn<SampleFormat>("format");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<qint64>("milliseconds");

    QTest::addRow("mono_16_bit") << SampleFormat::Int16 << 1 << 48000 << 96000 << qint64(1000);
    QTest::addRow("stereo_16_bit") << SampleFormat::Int16 << 2 << 44100 << 176400 << qint64(1000);
    QTest::addRow("mono_8_bit") << SampleFormat::UInt8 << 1 << 8000 << 4000 << qint64(500);
    QTest::addRow("stereo_float") << SampleFormat::Float << 2 << 16000 << 32000 << qint64(250);
    QTest::addRow("no_rate") << SampleFormat::Int16 << 1 << 0 << 1000 << qint64(0);
    QTest::addRow("no_channels") << SampleFormat::Int16 << 0 << 48000 << 1000 << qint64(0);
}

void WaveDecoderTest::playingTimeFollowsFormatAndRate()
{
    QFETCH(SampleFormat, format);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(int, bytes);
    QFETCH(qint64, milliseconds);
    const WaveSound sound{format, channels, rate, QByteArray(bytes, '\0')};
    QCOMPARE(playingMilliseconds(sound), milliseconds);
}

QTEST_GUILESS_MAIN(WaveDecoderTest)
#include "WaveDecoderTest.moc"

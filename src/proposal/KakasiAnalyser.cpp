#include "proposal/KakasiAnalyser.h"

#include "proposal/KanaText.h"

#include <QStringDecoder>
#include <QStringEncoder>

// The library's header declares C functions without saying so.
extern "C" {
#include <libkakasi.h>
}

#include <array>

std::unique_ptr<KakasiAnalyser> KakasiAnalyser::open(const QString& dictionaryFile, QString& error)
{
    // The library finds its dictionary through the environment only.
    qputenv("KANWADICT", dictionaryFile.toLocal8Bit());
    // Its UTF-8 mode gives nothing back; EUC-JP is the encoding it was written for.
    std::array<QByteArray, 5> options{"kakasi", "-ieuc", "-oeuc", "-JH", "-KH"};
    std::array<char*, 5> argv{};
    for (std::size_t i = 0; i < options.size(); ++i)
        argv[i] = options[i].data();
    if (kakasi_getopt_argv(int(argv.size()), argv.data()) != 0) {
        error = QStringLiteral("kakasi: options refused");
        return nullptr;
    }
    return std::unique_ptr<KakasiAnalyser>(new KakasiAnalyser);
}

KakasiAnalyser::~KakasiAnalyser()
{
    kakasi_close_kanwadict();
}

std::optional<QString> KakasiAnalyser::read(const QString& text)
{
    QStringEncoder toEucJp("EUC-JP");
    QByteArray eucJp = toEucJp.encode(text);
    if (toEucJp.hasError())
        return std::nullopt;
    char* converted = kakasi_do(eucJp.data());
    if (!converted)
        return std::nullopt;
    QStringDecoder fromEucJp("EUC-JP");
    const QString reading =
        KanaText::toHiragana(QString(fromEucJp.decode(QByteArrayView(converted))));
    kakasi_free(converted);
    // A kanji it does not know comes back as it was.
    if (KanaText::hasKanji(reading))
        return std::nullopt;
    return reading;
}

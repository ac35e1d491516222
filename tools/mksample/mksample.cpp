// Builds the bundled question file from its readable UTF-8 source through the program's own codec
// and writer, so the sample is exactly a file the program itself would have saved. Any line it
// cannot take stops the build with the line's number rather than shipping a damaged sample.

#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace {

struct Pair
{
    int level = 0;
    QByteArray question;
    QByteArray answer;
};

struct LineResult
{
    std::optional<Pair> pair;
    QString error;
};

const QStringList LevelNames{QStringLiteral("初級"), QStringLiteral("中級"),
                             QStringLiteral("上級")};

bool isTypeableAscii(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    }
    return !text.isEmpty();
}

LineResult parseLine(const QString& line)
{
    const QStringList fields = line.split('\t');
    if (fields.size() != 3)
        return {{}, QStringLiteral("expected level, question and answer separated by tabs")};
    const int level = LevelNames.indexOf(fields[0]);
    if (level < 0)
        return {{}, QStringLiteral("unknown level \"%1\"").arg(fields[0])};
    if (fields[1].isEmpty())
        return {{}, QStringLiteral("empty question")};
    if (!isTypeableAscii(fields[2]))
        return {{}, QStringLiteral("answer \"%1\" is not printable ASCII").arg(fields[2])};
    const std::optional<QByteArray> question = TextCodec::encode(fields[1]);
    if (!question)
        return {
            {},
            QStringLiteral("question \"%1\" has a character CP932 cannot encode").arg(fields[1])};
    return {Pair{level, *question, fields[2].toLatin1()}, {}};
}

void fail(const QString& message)
{
    std::fprintf(stderr, "tazune-mksample: %s\n", qPrintable(message));
}

std::optional<QString> readUtf8(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(file.readAll());
    if (decoder.hasError()) {
        fail(QStringLiteral("%1: not valid UTF-8").arg(path));
        return std::nullopt;
    }
    return text;
}

std::optional<QuestionBank> parseSource(const QString& path, const QString& text)
{
    QuestionBank bank;
    const QStringList lines = text.split('\n');
    bool ok = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const LineResult result = parseLine(line);
        if (!result.pair) {
            fail(QStringLiteral("%1:%2: %3").arg(path).arg(i + 1).arg(result.error));
            ok = false;
            continue;
        }
        bank.Add(result.pair->level, result.pair->question, result.pair->answer);
    }
    return ok ? std::optional(bank) : std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        fail(QStringLiteral("usage: tazune-mksample SOURCE.txt TARGET.DAT"));
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);
    const std::optional<QString> text = readUtf8(source);
    if (!text)
        return 1;
    const std::optional<QuestionBank> bank = parseSource(source, *text);
    if (!bank)
        return 1;
    if (!QuestionFile::write(target, *bank)) {
        fail(QStringLiteral("%1: %2").arg(target, QuestionFile::SaveFailedMessage));
        return 1;
    }
    return 0;
}

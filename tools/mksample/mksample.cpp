// Builds the bundled question file from its readable UTF-8 source through the data tool's table
// import and the program's own writer, so the sample is exactly a file the program itself would
// have saved. Any line it cannot take stops the build with the line's number rather than
// shipping a damaged sample.

#include "datatool/Messages.h"
#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"
#include "tables/TableImport.h"

#include <QFile>

#include <cstdio>
#include <optional>

namespace {

void fail(const QString& message)
{
    std::fprintf(stderr, "tazune-mksample: %s\n", qPrintable(message));
}

std::optional<QByteArray> readSource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    return file.readAll();
}

// Comment lines become empty lines, which the import skips, so that its line numbers stay those
// of the source.
QByteArray withoutComments(const QByteArray& source)
{
    QByteArrayList lines = source.split('\n');
    for (QByteArray& line : lines) {
        if (line.startsWith('#'))
            line.clear();
    }
    return lines.join('\n');
}

bool isTypeableAscii(const QByteArray& text)
{
    for (const char c : text) {
        if (c < 0x20 || c > 0x7E)
            return false;
    }
    return !text.isEmpty();
}

// What the sample asks beyond a question file: a question to show, and an answer typed without an
// input method.
bool followsTheSampleRules(const QString& path, const QuestionBank& bank)
{
    bool ok = true;
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        for (int position = 0; position < bank.Count(level); ++position) {
            const QuestionItem item = bank.Item(level, position).value();
            const QString question = TextCodec::decode(item.question);
            if (question.isEmpty() || !isTypeableAscii(item.answer)) {
                fail(QStringLiteral("%1: \"%2\": empty question, or an answer \"%3\" that is not "
                                    "printable ASCII")
                         .arg(path, question, TextCodec::decode(item.answer)));
                ok = false;
            }
        }
    }
    return ok;
}

std::optional<QuestionBank> importSource(const QString& path, const QByteArray& source)
{
    ImportResult imported =
        importTable(withoutComments(source), {TableFormat::Tsv, TableEncoding::Utf8});
    for (const TableError& error : imported.errors)
        fail(QStringLiteral("%1:%2: %3")
                 .arg(path)
                 .arg(error.line)
                 .arg(Messages::describe(error, Language::English)));
    if (!imported.errors.isEmpty() || !followsTheSampleRules(path, imported.bank))
        return std::nullopt;
    return std::move(imported.bank);
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
    const std::optional<QByteArray> bytes = readSource(source);
    if (!bytes)
        return 1;
    const std::optional<QuestionBank> bank = importSource(source, *bytes);
    if (!bank)
        return 1;
    if (!QuestionFile::write(target, *bank)) {
        fail(QStringLiteral("%1: %2").arg(target, QuestionFile::SaveFailedMessage));
        return 1;
    }
    return 0;
}

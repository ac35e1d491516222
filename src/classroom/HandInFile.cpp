#include "classroom/HandInFile.h"

#include "questions/TextCodec.h"
#include "results/CsvText.h"
#include "results/ResultsCsv.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace HandInFile {

namespace {

constexpr int MostNameTries = 1000;

QString correctText(bool correct)
{
    return correct ? QStringLiteral("正解") : QStringLiteral("時間切れ");
}

QString safe(const QString& text)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    QString name = text;
    for (QChar& c : name) {
        if (c.category() == QChar::Other_Control || refused.contains(c))
            c = u'_';
    }
    if (name.startsWith(u'.'))
        name[0] = u'_';
    return name;
}

QString numbered(const QString& name, int attempt)
{
    if (attempt == 1)
        return name;
    const QString stem = name.endsWith(QStringLiteral(".csv")) ? name.chopped(4) : name;
    return stem + u'-' + QString::number(attempt) + QStringLiteral(".csv");
}

} // namespace

QList<HandInAnswer> answersOf(const QList<AnswerOutcome>& outcomes, qint32 secondsPerQuestion)
{
    QList<HandInAnswer> answers;
    answers.reserve(outcomes.size());
    for (const AnswerOutcome& outcome : outcomes) {
        const bool correct = outcome.correctTicks.has_value();
        answers.append({TextCodec::decode(outcome.pair.question),
                        TextCodec::decode(outcome.pair.answer), correct,
                        correct ? *outcome.correctTicks : qint64(secondsPerQuestion) * 10,
                        correct ? QString() : TextCodec::decode(outcome.typed)});
    }
    return answers;
}

QByteArray write(const HandIn& handIn)
{
    const Pupil& pupil = handIn.pupil;
    QString text = CsvText::record({QStringLiteral("Tazune-hand-in"), QStringLiteral("1")});
    text += CsvText::record({QStringLiteral("組"), QStringLiteral("番号"), QStringLiteral("名前"),
                             QStringLiteral("課題")});
    text += CsvText::record({pupil.classGroup, pupil.number, pupil.name, handIn.assignmentTitle});
    text += CsvText::record(ResultsCsv::columns());
    text += CsvText::record(ResultsCsv::fieldsOf(handIn.game));
    text += CsvText::record({QStringLiteral("問題"), QStringLiteral("答え"), QStringLiteral("結果"),
                             QStringLiteral("時間(秒)"), QStringLiteral("入力")});
    for (const HandInAnswer& answer : handIn.answers)
        text += CsvText::record({answer.question, answer.answer, correctText(answer.correct),
                                 ResultsCsv::secondsText(answer.ticks), answer.typed});
    return CsvText::encode(text, CsvText::Encoding::Utf8).bytes;
}

QString nameOf(const Pupil& pupil, const QDateTime& finishedAt)
{
    const QString time = finishedAt.toLocalTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return safe(pupil.classGroup + u'_' + pupil.number + u'_' + pupil.name + u'_' + time) +
           QStringLiteral(".csv");
}

Fallible<QString, QString> put(const QString& folder, const QString& name, const QByteArray& bytes)
{
    using Result = Fallible<QString, QString>;
    // An empty path would be taken as the current folder.
    if (folder.isEmpty())
        return Result::failed(QStringLiteral("提出先のフォルダーが決まっていません"));
    const QDir dir(folder);
    QTemporaryFile part(dir.filePath(QStringLiteral(".hand-in-XXXXXX.part")));
    if (!part.open())
        return Result::failed(part.errorString());
    if (part.write(bytes) != bytes.size() || !part.flush())
        return Result::failed(part.errorString());
    for (int attempt = 1; attempt <= MostNameTries; ++attempt) {
        const QString path = dir.filePath(numbered(name, attempt));
        if (QFileInfo::exists(path))
            continue;
        // Renaming never replaces a file: another PC may have taken the name meanwhile.
        if (part.rename(path)) {
            part.setAutoRemove(false);
            return path;
        }
        if (!QFileInfo::exists(path))
            return Result::failed(part.errorString());
    }
    return Result::failed(QStringLiteral("同じ名前のファイルが多すぎます"));
}

} // namespace HandInFile

#include "datatool/AssignmentCommands.h"

#include "classroom/AssignmentFile.h"
#include "datatool/Messages.h"
#include "questions/AtomicFile.h"
#include "questions/QuestionFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void print(QIODevice& device, const QString& text)
{
    device.write(text.toUtf8() + '\n');
}

std::optional<QByteArray> questionBytes(const QString& path, const Console& console)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        print(console.err, path + ": " + Messages::missingFile(console.language));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    QuestionBank bank;
    if (const QuestionFile::ReadOutcome read = QuestionFile::parse(bytes, bank); !read) {
        print(console.err, path + ": " + QuestionFile::messageFor(read));
        return std::nullopt;
    }
    return bytes;
}

} // namespace

ExitCode runAssignment(const AssignmentRequest& request, const Console& console,
                       const std::function<quint64()>& newSeed)
{
    if (!request.force && QFileInfo::exists(request.output)) {
        print(console.err, request.output + ": " + Messages::outputExists(console.language));
        return ExitFailed;
    }
    const std::optional<QByteArray> questions = questionBytes(request.questionFile, console);
    if (!questions)
        return ExitFailed;
    Assignment assignment = request.assignment;
    assignment.seed = request.seed ? *request.seed : newSeed();
    const QDir assignmentFolder = QFileInfo(request.output).absoluteDir();
    assignment.questionFile =
        request.embed
            ? QFileInfo(request.questionFile).fileName()
            : assignmentFolder.relativeFilePath(QFileInfo(request.questionFile).absoluteFilePath());
    if (request.embed)
        assignment.embeddedQuestions = *questions;
    if (const auto written = AtomicFile::replace(request.output, AssignmentFile::write(assignment));
        !written) {
        print(console.err, request.output + ": " + Messages::cannotWrite(console.language) + " (" +
                               written.failure() + ')');
        return ExitFailed;
    }
    print(console.out, wording(console.language, "Assignment written (seed %1).",
                               "課題ファイルを書き込みました (シード %1)。")
                           .arg(assignment.seed));
    return ExitDone;
}

#include "platform/QtFileDialog.h"

#include <QApplication>
#include <QFileDialog>

namespace {

// Qt's name filters are case-sensitive on Linux, while question and sound files often come from
// systems where "Q1.DAT" and "q1.dat" are the same name; so every letter becomes a class such as
// [dD]. "*.*" means every file, also one without a dot.
QString caseInsensitivePattern(const QString& pattern)
{
    if (pattern == QLatin1String("*.*"))
        return QStringLiteral("*");
    QString result;
    for (QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            result += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        else
            result += c;
    }
    return result;
}

// The user reads the description; the pattern in the trailing parentheses is what Qt filters by
// and is hidden from the list (HideNameFilterDetails).
QStringList nameFilters(const QList<FileFilter>& filters)
{
    QStringList result;
    for (const FileFilter& filter : filters)
        result << filter.description + QStringLiteral(" (") +
                      caseInsensitivePattern(filter.pattern) + QLatin1Char(')');
    return result;
}

// Qt's own dialog reads in Japanese through the loaded translation and honours the options on
// every desktop; chosen before anything else, so that the modes set next apply to it.
void useOwnDialog(QFileDialog& dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
}

// Set after the dialog's modes, which decide how a preset file is shown.
void offer(QFileDialog& dialog, const QList<FileFilter>& filters, const QString& presetFile,
           const QString& defaultSuffix)
{
    dialog.setNameFilters(nameFilters(filters));
    dialog.setDefaultSuffix(defaultSuffix);
    if (!presetFile.isEmpty())
        dialog.selectFile(presetFile);
}

std::optional<ChosenFile> run(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ChosenFile{
        dialog.selectedFiles().constFirst(),
        std::max<qsizetype>(0, dialog.nameFilters().indexOf(dialog.selectedNameFilter()))};
}

} // namespace

std::optional<QString> QtFileDialog::getOpenFileName(const OpenFileRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    useOwnDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    offer(dialog, request.filters, request.presetFile, request.defaultSuffix);
    const std::optional<ChosenFile> chosen = run(dialog);
    return chosen ? std::optional(chosen->path) : std::nullopt;
}

std::optional<ChosenFile> QtFileDialog::getSaveFileName(const SaveFileRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    useOwnDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setFileMode(QFileDialog::AnyFile);
    offer(dialog, request.filters, request.presetFile, request.defaultSuffix);
    return run(dialog);
}

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

} // namespace

std::optional<QString> QtFileDialog::getOpenFileName(const OpenFileRequest& request)
{
    const std::optional<ChosenFile> chosen = getFileAndFilter(request);
    return chosen ? std::optional(chosen->path) : std::nullopt;
}

std::optional<ChosenFile> QtFileDialog::getFileAndFilter(const OpenFileRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    // Qt's own dialog reads in Japanese through the loaded translation and honours the options
    // below on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = nameFilters(request.filters);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.presetFile.isEmpty())
        dialog.selectFile(request.presetFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ChosenFile{dialog.selectedFiles().constFirst(),
                      std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()))};
}

#pragma once

#include <QList>
#include <QString>

#include <optional>

// One entry of a file dialog's filter list: what the user reads, and the name pattern it stands
// for ("*.DAT", "*wav", "*.*"). Patterns match without regard to letter case.
struct FileFilter
{
    QString description;
    QString pattern;
};

struct OpenFileRequest
{
    QString title;
    QList<FileFilter> filters; // the first one is selected when the dialog opens
    QString presetFile;
    QString defaultSuffix; // appended to a typed name that has no extension
    bool mustExist = true;
};

// Where to write a file: any name may be typed. Whether an existing file may be replaced is asked
// by the caller (ReplaceConfirmation), not by the dialog.
struct SaveFileRequest
{
    QString title;
    QList<FileFilter> filters; // the first one is selected when the dialog opens
    QString presetFile;
    QString defaultSuffix; // appended to a typed name that has no extension
};

// What the user confirmed: the full path, and which of the request's filters was selected, for a
// caller whose filters stand for ways of writing the file rather than kinds of file.
struct ChosenFile
{
    QString path;
    qsizetype filter = 0; // an index into the request's filters
};

class FileDialog
{
public:
    virtual ~FileDialog() = default;
    // The full path the user confirmed, or nothing when the dialog was cancelled.
    virtual std::optional<QString> getOpenFileName(const OpenFileRequest& request) = 0;
    // The file to write and the filter it was chosen under, or nothing when cancelled.
    virtual std::optional<ChosenFile> getSaveFileName(const SaveFileRequest& request) = 0;
};

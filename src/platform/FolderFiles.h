#pragma once

#include "platform/Outcome.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// A file's size and last change, as a folder's reader compares them between two looks.
struct FileStamp
{
    qint64 size = 0;
    qint64 modifiedMs = 0;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The plain files of one folder, each reached by its name through one handle on the folder. A
// folder of tens of thousands of small files is read in four calls to the system per file (open,
// look, read, close), where opening each by its whole path through QFile takes six or seven; on a
// school's share every call is a round trip. Safe to use from several threads at once.
class FolderFiles
{
public:
    explicit FolderFiles(const QString& path);
    ~FolderFiles();
    FolderFiles(const FolderFiles&) = delete;
    FolderFiles& operator=(const FolderFiles&) = delete;

    // False when the folder cannot be opened (gone, out of reach, not a folder).
    bool isOpen() const { return handle >= 0; }

    // The names of the plain files, links to plain files included, in the folder's own order.
    // Devices, pipes and sockets are left out: opening a pipe would wait for a writer forever.
    std::optional<QStringList> names() const;

    // The stamp of one file, without opening it; nothing when it is not there.
    std::optional<FileStamp> stamp(const QString& name) const;

    struct Contents
    {
        FileStamp stamp;
        QByteArray bytes;
    };

    // A plain file read whole, or its first mostBytes + 1 bytes when it is larger, with the stamp
    // it had when opened; the failure is the system's message.
    Fallible<Contents, QString> read(const QString& name, qint64 mostBytes) const;

private:
    int handle = -1;
};

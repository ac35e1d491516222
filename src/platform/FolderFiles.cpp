#include "platform/FolderFiles.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace {

FileStamp stampOf(const struct stat& status)
{
    return {qint64(status.st_size),
            qint64(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000};
}

int openRetrying(int folder, const char* name, int flags)
{
    int file = -1;
    do
        file = ::openat(folder, name, flags);
    while (file < 0 && errno == EINTR);
    return file;
}

// Reads until the buffer is full or the file ends; the count read, or -1.
qint64 readFully(int file, char* into, qint64 wanted)
{
    qint64 done = 0;
    while (done < wanted) {
        const ssize_t got = ::read(file, into + done, size_t(wanted - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

class OpenFile
{
public:
    explicit OpenFile(int descriptor) : descriptor(descriptor) {}
    ~OpenFile()
    {
        if (descriptor >= 0)
            ::close(descriptor);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int descriptor;
};

} // namespace

FolderFiles::FolderFiles(const QString& path)
{
    if (!path.isEmpty())
        handle = openRetrying(AT_FDCWD, QFile::encodeName(path).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

FolderFiles::~FolderFiles()
{
    if (handle >= 0)
        ::close(handle);
}

std::optional<QStringList> FolderFiles::names() const
{
    if (handle < 0)
        return std::nullopt;
    // The listing gets its own handle: a listing keeps its place in the handle it reads.
    const int listing = openRetrying(handle, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* folder = listing < 0 ? nullptr : ::fdopendir(listing);
    if (!folder) {
        if (listing >= 0)
            ::close(listing);
        return std::nullopt;
    }
    QStringList found;
    while (const dirent* entry = ::readdir(folder)) {
        bool plain = entry->d_type == DT_REG;
        // Links, and file systems that do not tell the kind while listing, are looked at.
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat status;
            plain = ::fstatat(handle, entry->d_name, &status, 0) == 0 && S_ISREG(status.st_mode);
        }
        if (plain)
            found.append(QFile::decodeName(entry->d_name));
    }
    ::closedir(folder);
    return found;
}

std::optional<FileStamp> FolderFiles::stamp(const QString& name) const
{
    struct stat status;
    if (handle < 0 || ::fstatat(handle, QFile::encodeName(name).constData(), &status, 0) != 0)
        return std::nullopt;
    return stampOf(status);
}

Fallible<FolderFiles::Contents, QString> FolderFiles::read(const QString& name,
                                                           qint64 mostBytes) const
{
    using Result = Fallible<Contents, QString>;
    // Not blocking: a pipe put in the folder under a file's name opens at once, and is refused.
    const OpenFile file(openRetrying(handle, QFile::encodeName(name).constData(),
                                     O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status;
    if (file.descriptor < 0 || ::fstat(file.descriptor, &status) != 0)
        return Result::failed(qt_error_string(errno));
    if (!S_ISREG(status.st_mode))
        return Result::failed(QStringLiteral("普通のファイルではありません"));
    Contents contents{stampOf(status), {}};
    // As many bytes as the file had when opened tells the end without another call; one byte
    // over the limit tells a file that is too large without reading all of it.
    contents.bytes.resize(std::min<qint64>(contents.stamp.size, mostBytes + 1));
    const qint64 got = readFully(file.descriptor, contents.bytes.data(), contents.bytes.size());
    if (got < 0)
        return Result::failed(qt_error_string(errno));
    contents.bytes.truncate(got);
    return contents;
}

#include "questions/QuestionFile.h"

#include "questions/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <new>

namespace QuestionFile {

namespace {

const QByteArray Header = QByteArrayLiteral("3.00a");

// Reads the fields front to back. Every length is checked against the bytes that remain before
// anything is allocated, so a damaged count can neither exhaust memory nor take time.
class Cursor
{
public:
    explicit Cursor(QByteArrayView bytes) : bytes(bytes) {}

    bool readInt(qint32& value)
    {
        if (remaining() < 4)
            return false;
        value = qFromLittleEndian<qint32>(bytes.data() + offset);
        offset += 4;
        return true;
    }

    bool readText(QByteArray& text)
    {
        qint32 length = 0;
        if (!readInt(length) || length < 0 || length > remaining())
            return false;
        text = bytes.sliced(offset, length).toByteArray();
        offset += length;
        return true;
    }

    bool readHeader(QByteArrayView& header)
    {
        if (remaining() < Header.size())
            return false;
        header = bytes.sliced(offset, Header.size());
        offset += Header.size();
        return true;
    }

private:
    qsizetype remaining() const { return bytes.size() - offset; }

    QByteArrayView bytes;
    qsizetype offset = 0;
};

bool readLevel(Cursor& cursor, int level, QuestionBank& bank)
{
    qint32 count = 0;
    if (!cursor.readInt(count))
        return false;
    for (qint32 i = 0; i < count; ++i) {
        QByteArray question;
        QByteArray answer;
        if (!cursor.readText(question) || !cursor.readText(answer))
            return false;
        bank.Add(level, std::move(question), std::move(answer));
    }
    return true;
}

ReadOutcome parseLevels(Cursor& cursor, QuestionBank& bank)
{
    QByteArrayView header;
    if (!cursor.readHeader(header))
        return ReadFailure::Unreadable;
    if (header != Header)
        return ReadFailure::WrongVersion;
    qint32 levelCount = 0;
    if (!cursor.readInt(levelCount))
        return ReadFailure::Unreadable;
    // Level blocks beyond the third have no list to go to; the first three are read, the rest
    // of the file is ignored like any other trailing bytes.
    const int levelsToRead = std::min<qint32>(levelCount, QuestionBank::LevelCount);
    for (int level = 0; level < levelsToRead; ++level) {
        if (!readLevel(cursor, level, bank))
            return ReadFailure::Unreadable;
    }
    return {};
}

void appendInt(QByteArray& out, qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

ReadOutcome parse(QByteArrayView bytes, QuestionBank& bank)
{
    bank.ClearAll();
    Cursor cursor(bytes);
    try {
        return parseLevels(cursor, bank);
    } catch (const std::bad_alloc&) {
        return ReadFailure::Unreadable;
    }
}

ReadOutcome read(const QString& path, QuestionBank& bank)
{
    if (!QFileInfo(path).isFile())
        return ReadFailure::NotFound;
    bank.ClearAll();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ReadFailure::Unreadable;
    // Mapping avoids copying a large file; a file that cannot be mapped (empty, or on a special
    // file system) is read instead.
    if (const qint64 size = file.size(); size > 0) {
        if (uchar* mapped = file.map(0, size))
            return parse(QByteArrayView(mapped, size), bank);
    }
    try {
        return parse(file.readAll(), bank);
    } catch (const std::bad_alloc&) {
        return ReadFailure::Unreadable;
    }
}

QByteArray encode(const QuestionBank& bank)
{
    QByteArray out = Header;
    appendInt(out, QuestionBank::LevelCount);
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        appendInt(out, bank.Count(level));
        for (const QuestionItem& item : bank.items(level)) {
            appendInt(out, static_cast<qint32>(item.question.size()));
            out.append(item.question);
            appendInt(out, static_cast<qint32>(item.answer.size()));
            out.append(item.answer);
        }
    }
    return out;
}

WriteOutcome write(const QString& path, const QuestionBank& bank)
{
    return AtomicFile::replace(path, encode(bank));
}

QString messageFor(const ReadOutcome& outcome)
{
    if (outcome)
        return {};
    return outcome.failure() == ReadFailure::WrongVersion ? WrongVersionMessage : OpenFailedMessage;
}

} // namespace QuestionFile

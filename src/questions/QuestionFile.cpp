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

    bool readText(QByteArrayView& text)
    {
        qint32 length = 0;
        if (!readInt(length) || length < 0 || length > remaining())
            return false;
        text = bytes.sliced(offset, length);
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
    // A first walk over the lengths finds the complete pairs and their size, so that the level's
    // buffers are allocated once at their final size: no copying as they grow, no spare room.
    Cursor walk = cursor;
    qint32 complete = 0;
    qsizetype textBytes = 0;
    QByteArrayView question;
    QByteArrayView answer;
    while (complete < count && walk.readText(question) && walk.readText(answer)) {
        ++complete;
        textBytes += question.size() + answer.size();
    }
    bank.reserve(level, complete, textBytes);
    for (qint32 i = 0; i < complete; ++i) {
        cursor.readText(question);
        cursor.readText(answer);
        bank.Add(level, question, answer);
    }
    // A negative count is read as no pairs.
    return complete >= count;
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

namespace {

ReadOutcome parseAndHash(QByteArrayView bytes, QuestionBank& bank, QCryptographicHash* hash)
{
    if (hash)
        hash->addData(bytes);
    return parse(bytes, bank);
}

} // namespace

ReadOutcome read(const QString& path, QuestionBank& bank, QCryptographicHash* hash)
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
            return parseAndHash(QByteArrayView(mapped, size), bank, hash);
    }
    try {
        return parseAndHash(file.readAll(), bank, hash);
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
        for (int position = 0; position < bank.Count(level); ++position) {
            const QuestionView item = bank.view(level, position);
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

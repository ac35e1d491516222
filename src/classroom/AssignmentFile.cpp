#include "classroom/AssignmentFile.h"

#include "questions/LevelNames.h"
#include "questions/QuestionBank.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <functional>
#include <optional>

namespace AssignmentFile {

namespace {

const QByteArray Header = QByteArrayLiteral("Tazune-assignment ");
constexpr int Version = 1;

using Reader = std::function<bool(const QString&, Assignment&)>;
using Writer = std::function<QString(const Assignment&)>;

struct Key
{
    QString name;
    Reader read;
    Writer write;
};

const QStringList& modeNames()
{
    static const QStringList names{QStringLiteral("練習"), QStringLiteral("テスト")};
    return names;
}

const QStringList& furiganaNames()
{
    static const QStringList names{QStringLiteral("表示しない"), QStringLiteral("常に"),
                                   QStringLiteral("間違えた後")};
    return names;
}

bool readText(const QString& value, QString& into)
{
    if (value.size() > MostTextCharacters)
        return false;
    into = value;
    return true;
}

bool readNumber(const QString& value, qint32 most, qint32& into)
{
    bool ok = false;
    const uint number = value.toUInt(&ok);
    if (!ok || value.startsWith(u'+') || number < 1 || number > uint(most))
        return false;
    into = qint32(number);
    return true;
}

bool readFlag(const QString& value, bool& into)
{
    if (value != u"0" && value != u"1")
        return false;
    into = value == u"1";
    return true;
}

template <typename Enum> bool readName(const QString& value, const QStringList& names, Enum& into)
{
    const qsizetype index = names.indexOf(value);
    if (index < 0)
        return false;
    into = Enum(index);
    return true;
}

bool readLevels(const QString& value, QList<int>& into)
{
    QList<int> levels;
    for (const QString& name : value.split(u',')) {
        int level = 0;
        while (level < QuestionBank::LevelCount && LevelNames::name(level) != name)
            ++level;
        if (level == QuestionBank::LevelCount || levels.contains(level))
            return false;
        levels.append(level);
    }
    into = levels;
    return true;
}

QString levelsText(const QList<int>& levels)
{
    QStringList names;
    for (int level : levels)
        names.append(LevelNames::name(level));
    return names.join(u',');
}

bool readSeed(const QString& value, quint64& into)
{
    bool ok = false;
    const quint64 seed = value.toULongLong(&ok);
    if (!ok || value.startsWith(u'+'))
        return false;
    into = seed;
    return true;
}

bool readData(const QString& value, QByteArray& into)
{
    auto decoded =
        QByteArray::fromBase64Encoding(value.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.isEmpty())
        return false;
    into = std::move(decoded.decoded);
    return true;
}

QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// In the order they are written.
const QList<Key>& keys()
{
    static const QList<Key> table{
        {QStringLiteral("title"),
         [](const QString& v, Assignment& a) { return readText(v, a.title); },
         [](const Assignment& a) { return a.title; }},
        {QStringLiteral("file"),
         [](const QString& v, Assignment& a) {
             return !v.isEmpty() && readText(v, a.questionFile);
         },
         [](const Assignment& a) { return a.questionFile; }},
        {QStringLiteral("levels"),
         [](const QString& v, Assignment& a) { return readLevels(v, a.levels); },
         [](const Assignment& a) { return levelsText(a.levels); }},
        {QStringLiteral("count"),
         [](const QString& v, Assignment& a) {
             return readNumber(v, MostQuestions, a.questionsPerGame);
         },
         [](const Assignment& a) { return QString::number(a.questionsPerGame); }},
        {QStringLiteral("seconds"),
         [](const QString& v, Assignment& a) {
             return readNumber(v, MostSeconds, a.secondsPerQuestion);
         },
         [](const Assignment& a) { return QString::number(a.secondsPerQuestion); }},
        {QStringLiteral("seed"),
         [](const QString& v, Assignment& a) { return readSeed(v, a.seed); },
         [](const Assignment& a) { return QString::number(a.seed); }},
        {QStringLiteral("mode"),
         [](const QString& v, Assignment& a) { return readName(v, modeNames(), a.mode); },
         [](const Assignment& a) { return modeNames().at(int(a.mode)); }},
        {QStringLiteral("furigana"),
         [](const QString& v, Assignment& a) { return readName(v, furiganaNames(), a.furigana); },
         [](const Assignment& a) { return furiganaNames().at(int(a.furigana)); }},
        {QStringLiteral("romaji"),
         [](const QString& v, Assignment& a) { return readFlag(v, a.romajiInput); },
         [](const Assignment& a) { return flagText(a.romajiInput); }},
        {QStringLiteral("byReading"),
         [](const QString& v, Assignment& a) { return readFlag(v, a.answerByReading); },
         [](const Assignment& a) { return flagText(a.answerByReading); }},
        {QStringLiteral("handIn"),
         [](const QString& v, Assignment& a) { return readText(v, a.handInFolder); },
         [](const Assignment& a) { return a.handInFolder; }},
        {QStringLiteral("data"),
         [](const QString& v, Assignment& a) { return readData(v, a.embeddedQuestions); },
         [](const Assignment& a) { return QString::fromLatin1(a.embeddedQuestions.toBase64()); }},
    };
    return table;
}

const Key* keyNamed(const QString& name)
{
    for (const Key& key : keys()) {
        if (key.name == name)
            return &key;
    }
    return nullptr;
}

std::optional<int> versionOf(QByteArrayView line)
{
    if (!line.startsWith(Header))
        return std::nullopt;
    bool ok = false;
    const int version = line.sliced(Header.size()).toByteArray().toInt(&ok);
    return ok && version >= 1 ? std::optional<int>(version) : std::nullopt;
}

AssignmentError error(AssignmentError::Kind kind, int line, const QString& key = {})
{
    return {kind, line, key};
}

} // namespace

QByteArray write(const Assignment& assignment)
{
    QString text = QString::fromLatin1(Header) + QString::number(Version) + u'\n';
    for (const Key& key : keys()) {
        // A line break in a text would end its line early.
        QString value = key.write(assignment);
        value.replace(u'\n', u' ').replace(u'\r', u' ');
        if (key.name != u"data" || !value.isEmpty())
            text += key.name + u'=' + value + u'\n';
    }
    for (const auto& [name, value] : assignment.otherKeys)
        text += name + u'=' + value + u'\n';
    return text.toUtf8();
}

Fallible<Assignment, AssignmentError> read(QByteArrayView bytes)
{
    using Kind = AssignmentError::Kind;
    using Result = Fallible<Assignment, AssignmentError>;
    if (bytes.size() > MostBytes)
        return Result::failed(error(Kind::TooLarge, 0));
    if (!bytes.isValidUtf8())
        return Result::failed(error(Kind::NotUtf8, 0));
    QList<QByteArrayView> lines;
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end;
        QByteArrayView line = bytes.sliced(start, end - start);
        lines.append(line.endsWith('\r') ? line.chopped(1) : line);
        start = end + 1;
    }
    const std::optional<int> version = lines.isEmpty() ? std::nullopt : versionOf(lines.first());
    if (!version)
        return Result::failed(error(Kind::NoHeader, 1));
    if (*version > Version)
        return Result::failed(error(Kind::LaterVersion, 1));
    Assignment assignment;
    QSet<QString> seen;
    for (qsizetype index = 1; index < lines.size(); ++index) {
        const int lineNumber = int(index + 1);
        const QString line = QString::fromUtf8(lines[index]);
        if (line.isEmpty())
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            return Result::failed(error(Kind::NotKeyValue, lineNumber));
        const QString name = line.first(equals);
        const QString value = line.mid(equals + 1);
        if (seen.contains(name))
            return Result::failed(error(Kind::DuplicateKey, lineNumber, name));
        seen.insert(name);
        const Key* key = keyNamed(name);
        if (!key) {
            if (name.size() > MostTextCharacters || value.size() > MostTextCharacters)
                return Result::failed(error(Kind::TooLong, lineNumber, name.left(40)));
            assignment.otherKeys.append({name, value});
        } else if (!key->read(value, assignment)) {
            return Result::failed(error(Kind::BadValue, lineNumber, name));
        }
    }
    if (!seen.contains(QStringLiteral("file")))
        return Result::failed(error(Kind::MissingKey, 0, QStringLiteral("file")));
    return assignment;
}

QString questionFilePath(const QString& assignmentPath, const Assignment& assignment)
{
    return QDir::cleanPath(
        QFileInfo(assignmentPath).absoluteDir().absoluteFilePath(assignment.questionFile));
}

QString message(const AssignmentError& error)
{
    using Kind = AssignmentError::Kind;
    const QString at = QStringLiteral("%1行目: ").arg(error.line);
    switch (error.kind) {
    case Kind::TooLarge:
        return QStringLiteral("課題ファイルが大きすぎます");
    case Kind::NotUtf8:
        return QStringLiteral("課題ファイルが UTF-8 ではありません");
    case Kind::NoHeader:
        return QStringLiteral("課題ファイルではありません");
    case Kind::LaterVersion:
        return QStringLiteral("新しい版の Tazune で作られた課題ファイルです");
    case Kind::NotKeyValue:
        return at + QStringLiteral("「名前=値」の形ではありません");
    case Kind::DuplicateKey:
        return at + QStringLiteral("'%1' が二度あります").arg(error.key);
    case Kind::TooLong:
        return at + QStringLiteral("'%1' が長すぎます").arg(error.key);
    case Kind::BadValue:
        return at + QStringLiteral("'%1' の値が不正です").arg(error.key);
    case Kind::MissingKey:
        return QStringLiteral("'%1' がありません").arg(error.key);
    }
    return {};
}

} // namespace AssignmentFile

// The settings file is the user's to edit, so the store may find any value of any type under its
// names. The input is one line per name, in the order the store reads them; a line's first byte
// gives the type the backend hands back and the rest its content. Whatever is found, loading must
// give settings that save and load again unchanged and without an error, and an integer stored
// as text must be taken exactly when it is one within 32 bits.

#include "MemorySettingsBackend.h"
#include "settings/SettingsStore.h"

#include <QtEndian>

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

const char* const Names[] = {"Sec", "Cnt", "SE1", "SE2", "SE3", "Hist0", "Hist1", "Hist2"};

QVariant valueFrom(char type, const QByteArray& content)
{
    switch (type) {
    case 's':
        return QString::fromUtf8(content);
    case 'i':
        return qFromLittleEndian<qint32>(content.leftJustified(4, '\0').constData());
    case 'l':
        return qFromLittleEndian<qint64>(content.leftJustified(8, '\0').constData());
    case 'd':
        return content.toDouble();
    case 'b':
        return content;
    case 't':
        return !content.isEmpty();
    case 'L':
        return QString::fromUtf8(content).split(u',');
    default:
        return {};
    }
}

// The independent reading: ASCII digits after an optional sign, and a value in range.
std::optional<qint32> expectedInteger(const QString& text)
{
    const QString digits = text.startsWith(u'-') || text.startsWith(u'+') ? text.mid(1) : text;
    if (digits.isEmpty())
        return std::nullopt;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint32>::min() ||
        value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

void checkInteger(const MemorySettingsBackend& backend, const char* name, qint32 loaded,
                  qint32 defaultValue, bool& anyRefused)
{
    const QVariant stored = backend.values.value(QString::fromLatin1(name));
    std::optional<qint32> expected;
    if (!stored.isValid())
        expected = defaultValue;
    else if (stored.typeId() == QMetaType::Int)
        expected = stored.toInt();
    else if (stored.typeId() == QMetaType::QString)
        expected = expectedInteger(stored.toString());
    if (!expected)
        anyRefused = true;
    if (loaded != expected.value_or(defaultValue))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> lines =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)).split('\n');
    MemorySettingsBackend found;
    for (qsizetype i = 0; i < std::min<qsizetype>(lines.size(), std::size(Names)); ++i) {
        const QVariant value =
            lines[i].isEmpty() ? QVariant() : valueFrom(lines[i][0], lines[i].mid(1));
        if (value.isValid())
            found.values.insert(QString::fromLatin1(Names[i]), value);
    }
    const LoadedSettings loaded = SettingsStore(found).loadAll();
    bool anyRefused = false;
    checkInteger(found, "Sec", loaded.settings.drill.secondsPerQuestion,
                 DrillSettings::DefaultSeconds, anyRefused);
    checkInteger(found, "Cnt", loaded.settings.drill.questionsPerGame,
                 DrillSettings::DefaultQuestions, anyRefused);
    if (anyRefused != loaded.firstError.has_value())
        std::abort();

    MemorySettingsBackend saved;
    if (!SettingsStore(saved).saveAll(loaded.settings))
        std::abort();
    const LoadedSettings reloaded = SettingsStore(saved).loadAll();
    if (reloaded.firstError || !(reloaded.settings == loaded.settings))
        std::abort();
    return 0;
}

#include "settings/SettingsStore.h"

#include <limits>
#include <variant>

namespace {

using IntegerField = qint32& (*)(StoredSettings&);
using TextField = QString& (*)(StoredSettings&);
using FlagField = bool& (*)(StoredSettings&);

struct IntegerValue
{
    IntegerField field;
    qint32 defaultValue;
};

// Every text defaults to the empty text.
struct TextValue
{
    TextField field;
};

// Stored as the integer 0 or 1; every flag defaults to off.
struct FlagValue
{
    FlagField field;
};

struct StoredValue
{
    const char* name;
    int writePosition;
    std::variant<IntegerValue, TextValue, FlagValue> kind;
};

template <int index> QString& recentEntry(StoredSettings& settings)
{
    return settings.recent[index];
}

// In the order load all reads them; save all writes them in the order of writePosition.
const std::array<StoredValue, 10> StoredValues{{
    {"Sec", 0,
     IntegerValue{[](StoredSettings& s) -> qint32& { return s.drill.secondsPerQuestion; },
                  DrillSettings::DefaultSeconds}},
    {"Cnt", 1,
     IntegerValue{[](StoredSettings& s) -> qint32& { return s.drill.questionsPerGame; },
                  DrillSettings::DefaultQuestions}},
    {"SE1", 5, TextValue{[](StoredSettings& s) -> QString& { return s.drill.correctSound; }}},
    {"SE2", 6, TextValue{[](StoredSettings& s) -> QString& { return s.drill.mistakeSound; }}},
    {"SE3", 7, TextValue{[](StoredSettings& s) -> QString& { return s.drill.timeOutSound; }}},
    {"Hist0", 2, TextValue{recentEntry<0>}},
    {"Hist1", 3, TextValue{recentEntry<1>}},
    {"Hist2", 4, TextValue{recentEntry<2>}},
    {"Romaji", 8, FlagValue{[](StoredSettings& s) -> bool& { return s.romajiInput; }}},
    {"Learner", 9, TextValue{[](StoredSettings& s) -> QString& { return s.learnerName; }}},
}};

QString typeError(const QString& name)
{
    return QStringLiteral("'%1' のデータ型が不正です").arg(name);
}

QString writeError(const QString& name)
{
    return QStringLiteral("'%1' の設定に失敗しました").arg(name);
}

void keepFirst(std::optional<QString>& first, const QString& message)
{
    if (!first)
        first = message;
}

// Decimal digits with an optional sign and nothing else, within the 32-bit range.
std::optional<qint32> integerFromText(const QString& text)
{
    const bool negative = text.startsWith(u'-');
    const qsizetype start = negative || text.startsWith(u'+') ? 1 : 0;
    if (start == text.size())
        return std::nullopt;
    const qint64 limit =
        negative ? -qint64(std::numeric_limits<qint32>::min()) : std::numeric_limits<qint32>::max();
    qint64 magnitude = 0;
    for (qsizetype position = start; position < text.size(); ++position) {
        const char16_t digit = text[position].unicode();
        if (digit < u'0' || digit > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (digit - u'0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<qint32>(negative ? -magnitude : magnitude);
}

// QVariant::toInt would wrap larger numbers and read texts leniently; only a 32-bit integer
// or the text of one is taken.
std::optional<qint32> integerOf(const QVariant& stored)
{
    switch (stored.typeId()) {
    case QMetaType::Int:
        return stored.toInt();
    case QMetaType::QString:
        return integerFromText(stored.toString());
    default:
        return std::nullopt;
    }
}

std::optional<bool> flagOf(const QVariant& stored)
{
    const std::optional<qint32> number = integerOf(stored);
    if (number != 0 && number != 1)
        return std::nullopt;
    return *number == 1;
}

QString textOf(const std::optional<QVariant>& stored)
{
    if (!stored || stored->typeId() != QMetaType::QString)
        return QString();
    return stored->toString();
}

} // namespace

LoadedSettings SettingsStore::loadAll() const
{
    LoadedSettings loaded{};
    for (const StoredValue& value : StoredValues) {
        const QString name = QString::fromLatin1(value.name);
        const std::optional<QVariant> stored = backend.read(name);
        if (const auto* integer = std::get_if<IntegerValue>(&value.kind)) {
            std::optional<qint32> number = stored ? integerOf(*stored) : integer->defaultValue;
            if (!number)
                keepFirst(loaded.firstError, typeError(name));
            integer->field(loaded.settings) = number.value_or(integer->defaultValue);
        } else if (const auto* flag = std::get_if<FlagValue>(&value.kind)) {
            const std::optional<bool> on = stored ? flagOf(*stored) : false;
            if (!on)
                keepFirst(loaded.firstError, typeError(name));
            flag->field(loaded.settings) = on.value_or(false);
        } else {
            std::get<TextValue>(value.kind).field(loaded.settings) = textOf(stored);
        }
    }
    return loaded;
}

Outcome<QString> SettingsStore::saveAll(const StoredSettings& settings) const
{
    // The table reaches the values through the same accessors that load all fills them with.
    StoredSettings values = settings;
    std::optional<QString> firstError;
    for (int position = 0; position < int(StoredValues.size()); ++position) {
        for (const StoredValue& value : StoredValues) {
            if (value.writePosition != position)
                continue;
            const QString name = QString::fromLatin1(value.name);
            QVariant data;
            if (const auto* integer = std::get_if<IntegerValue>(&value.kind))
                data = integer->field(values);
            else if (const auto* flag = std::get_if<FlagValue>(&value.kind))
                data = qint32(flag->field(values) ? 1 : 0);
            else
                data = std::get<TextValue>(value.kind).field(values);
            if (!backend.write(name, data))
                keepFirst(firstError, writeError(name));
        }
    }
    return firstError ? Outcome<QString>(*firstError) : Outcome<QString>();
}

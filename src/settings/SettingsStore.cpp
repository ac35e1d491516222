#include "settings/SettingsStore.h"

#include "readings/Furigana.h"

#include <QLocale>

#include <functional>
#include <limits>
#include <variant>

namespace {

using IntegerField = qint32& (*)(StoredSettings&);
using TextField = QString& (*)(StoredSettings&);
using FlagField = bool& (*)(StoredSettings&);
using RealField = double& (*)(StoredSettings&);
using WeightsField = Weights& (*)(StoredSettings&);

// An integer outside its range is damage, as one of another type.
struct IntegerValue
{
    IntegerField field;
    qint32 defaultValue;
    qint32 lowest = std::numeric_limits<qint32>::min();
    qint32 highest = std::numeric_limits<qint32>::max();
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

// Stored as the shortest text that reads back exactly; outside its bounds it is damage.
struct RealValue
{
    RealField field;
    double defaultValue;
    Bounds bounds;
};

// The memory model's weights as one line of text; they default to the fitted ones.
struct WeightsValue
{
    WeightsField field;
};

struct StoredValue
{
    const char* name;
    int writePosition;
    std::variant<IntegerValue, TextValue, FlagValue, RealValue, WeightsValue> kind;
};

template <int index> QString& recentEntry(StoredSettings& settings)
{
    return settings.recent[index];
}

// In the order load all reads them; save all writes them in the order of writePosition.
const std::array<StoredValue, 22> StoredValues{{
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
    {"ReviewRetention", 10,
     RealValue{[](StoredSettings& s) -> double& { return s.review.retention; },
               ReviewSettings{}.retention, RetentionBounds}},
    {"ReviewMaxDays", 11,
     IntegerValue{[](StoredSettings& s) -> qint32& { return s.review.maximumIntervalDays; },
                  ReviewSettings{}.maximumIntervalDays, 1, MaximumIntervalLimit}},
    {"ReviewNewPerDay", 12,
     IntegerValue{[](StoredSettings& s) -> qint32& { return s.review.newPairsPerDay; },
                  ReviewSettings{}.newPairsPerDay, 0, ReviewSettings::MostNewPairsPerDay}},
    {"ReviewWeights", 13,
     WeightsValue{[](StoredSettings& s) -> Weights& { return s.review.weights; }}},
    {"Furigana", 14,
     IntegerValue{[](StoredSettings& s) -> qint32& { return s.furigana; }, 0, 0,
                  qint32(Furigana::AfterMiss)}},
    {"ByReading", 15, FlagValue{[](StoredSettings& s) -> bool& { return s.answerByReading; }}},
    {"PupilClass", 16, TextValue{[](StoredSettings& s) -> QString& { return s.pupil.classGroup; }}},
    {"PupilNumber", 17, TextValue{[](StoredSettings& s) -> QString& { return s.pupil.number; }}},
    {"PupilName", 18, TextValue{[](StoredSettings& s) -> QString& { return s.pupil.name; }}},
    {"ReadAloud", 19, FlagValue{[](StoredSettings& s) -> bool& { return s.speech.readAloud; }}},
    {"SpeechSpeed", 20,
     RealValue{[](StoredSettings& s) -> double& { return s.speech.speed; }, SpeechSettings{}.speed,
               Bounds{SpeechSettings::MinimumSpeed, SpeechSettings::MaximumSpeed}}},
    {"SpeechVoice", 21, TextValue{[](StoredSettings& s) -> QString& { return s.speech.voice; }}},
}};

bool isPupilValue(const char* name)
{
    return QByteArrayView(name).startsWith("Pupil");
}

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

std::optional<double> realOf(const QVariant& stored, Bounds bounds)
{
    bool isNumber = stored.typeId() == QMetaType::Double;
    double value = stored.toDouble();
    if (stored.typeId() == QMetaType::QString)
        value = QLocale::c().toDouble(stored.toString(), &isNumber);
    // Written so that NaN falls outside.
    if (!isNumber || !(value >= bounds.lower && value <= bounds.upper))
        return std::nullopt;
    return value;
}

// A settings file edited by hand may hold the line without quotes, which reads as a list.
std::optional<Weights> weightsOf(const QVariant& stored)
{
    QString line;
    if (stored.typeId() == QMetaType::QString)
        line = stored.toString();
    else if (stored.typeId() == QMetaType::QStringList)
        line = stored.toStringList().join(u',');
    else
        return std::nullopt;
    return parseWeights(line.toStdString()).weights;
}

QString textOf(const std::optional<QVariant>& stored)
{
    if (!stored || stored->typeId() != QMetaType::QString)
        return QString();
    return stored->toString();
}

// Each sets its field from the stored value, or its default when none is stored; false when the
// stored value is damaged and its default was taken.
bool load(const IntegerValue& value, const std::optional<QVariant>& stored, StoredSettings& into)
{
    std::optional<qint32> number = stored ? integerOf(*stored) : value.defaultValue;
    if (number && (*number < value.lowest || *number > value.highest))
        number.reset();
    value.field(into) = number.value_or(value.defaultValue);
    return number.has_value();
}

bool load(const FlagValue& value, const std::optional<QVariant>& stored, StoredSettings& into)
{
    const std::optional<bool> on = stored ? flagOf(*stored) : false;
    value.field(into) = on.value_or(false);
    return on.has_value();
}

// A text of another type is taken as no text, silently.
bool load(const TextValue& value, const std::optional<QVariant>& stored, StoredSettings& into)
{
    value.field(into) = textOf(stored);
    return true;
}

bool load(const RealValue& value, const std::optional<QVariant>& stored, StoredSettings& into)
{
    const std::optional<double> real = stored ? realOf(*stored, value.bounds) : value.defaultValue;
    value.field(into) = real.value_or(value.defaultValue);
    return real.has_value();
}

bool load(const WeightsValue& value, const std::optional<QVariant>& stored, StoredSettings& into)
{
    const std::optional<Weights> weights = stored ? weightsOf(*stored) : DefaultWeights;
    value.field(into) = weights.value_or(DefaultWeights);
    return weights.has_value();
}

QVariant storable(const IntegerValue& value, StoredSettings& from)
{
    return value.field(from);
}

QVariant storable(const FlagValue& value, StoredSettings& from)
{
    return qint32(value.field(from) ? 1 : 0);
}

QVariant storable(const TextValue& value, StoredSettings& from)
{
    return value.field(from);
}

QVariant storable(const RealValue& value, StoredSettings& from)
{
    return QString::number(value.field(from), 'g', QLocale::FloatingPointShortest);
}

QVariant storable(const WeightsValue& value, StoredSettings& from)
{
    return weightsText(value.field(from));
}

} // namespace

LoadedSettings SettingsStore::loadAll() const
{
    LoadedSettings loaded{};
    for (const StoredValue& value : StoredValues) {
        const QString name = QString::fromLatin1(value.name);
        const std::optional<QVariant> stored = backend.read(name);
        const bool sound = std::visit(
            [&](const auto& kind) { return load(kind, stored, loaded.settings); }, value.kind);
        if (!sound)
            keepFirst(loaded.firstError, typeError(name));
    }
    return loaded;
}

Outcome<QString> SettingsStore::saveAll(const StoredSettings& settings) const
{
    return save(settings, [](const char* name) { return !isPupilValue(name); });
}

Outcome<QString> SettingsStore::savePupil(const Pupil& pupil) const
{
    StoredSettings settings;
    settings.pupil = pupil;
    return save(settings,
                [](const char* name) { return QByteArrayView(name).startsWith("Pupil"); });
}

Outcome<QString> SettingsStore::save(const StoredSettings& settings,
                                     const std::function<bool(const char*)>& chosen) const
{
    // The table reaches the values through the same accessors that load all fills them with.
    StoredSettings values = settings;
    std::optional<QString> firstError;
    for (int position = 0; position < int(StoredValues.size()); ++position) {
        for (const StoredValue& value : StoredValues) {
            if (value.writePosition != position || !chosen(value.name))
                continue;
            const QString name = QString::fromLatin1(value.name);
            const QVariant data =
                std::visit([&](const auto& kind) { return storable(kind, values); }, value.kind);
            if (!backend.write(name, data))
                keepFirst(firstError, writeError(name));
        }
    }
    return firstError ? Outcome<QString>(*firstError) : Outcome<QString>();
}

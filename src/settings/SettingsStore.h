#pragma once

#include "classroom/Pupil.h"
#include "platform/Outcome.h"
#include "platform/SettingsBackend.h"
#include "settings/DrillSettings.h"
#include "settings/ReviewSettings.h"
#include "speech/SpeechSettings.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

// Everything the program keeps from one run to the next.
struct StoredSettings
{
    DrillSettings drill;
    std::array<QString, 3> recent;
    // Kana answers are typed in romaji.
    bool romajiInput = false;
    // The name printed on the results report and written into exported results; asked once.
    QString learnerName{};
    ReviewSettings review{};
    // When the question wears its reading, as a Furigana value; and whether the reading answers.
    qint32 furigana = 0;
    bool answerByReading = false;
    // Who hands in an assignment's games from this PC user.
    Pupil pupil{};
    SpeechSettings speech{};

    friend bool operator==(const StoredSettings&, const StoredSettings&) = default;
};

struct LoadedSettings
{
    StoredSettings settings;
    // The message of the first value that had to be replaced by its default, if one had to be.
    std::optional<QString> firstError;
};

// Reads all stored values once at start and writes all of them once at shutdown, under the
// names "Sec", "Cnt", "SE1" to "SE3", "Hist0" to "Hist2", "Romaji", "Learner" and, for today's
// review, "ReviewRetention", "ReviewMaxDays", "ReviewNewPerDay" and "ReviewWeights"; for the
// readings, "Furigana" and "ByReading"; for class mode, "PupilClass", "PupilNumber" and
// "PupilName"; for speech, "ReadAloud", "SpeechSpeed" and "SpeechVoice".
class SettingsStore
{
public:
    explicit SettingsStore(SettingsBackend& backend) : backend(backend) {}

    // A missing value gives its default (20 seconds, 10 questions, empty texts). An integer
    // stored as anything but a 32-bit integer gives its default too, with the message
    // "'Sec' のデータ型が不正です"; a text stored as another type gives its default silently.
    // The drill's integers are taken as stored, without a range check. "Romaji" is 0 or 1;
    // anything else gives 0 and the same message. The review's values are damaged outside the
    // ranges its dialog takes too (retention 0.7 to 0.97, longest interval 1 to 36500 days, new
    // pairs 0 to 999, 21 weights each within its bounds) and then give their defaults, with the
    // same message.
    LoadedSettings loadAll() const;

    // Writes every value but the pupil's, also after one has failed; fails with the message of
    // the first failure ("'Sec' の設定に失敗しました"). The pupil is left to savePupil, so that a
    // run that never asked for the pupil does not wipe the one stored.
    Outcome<QString> saveAll(const StoredSettings& settings) const;

    // Writes only the pupil's three values; fails as saveAll does.
    Outcome<QString> savePupil(const Pupil& pupil) const;

private:
    Outcome<QString> save(const StoredSettings& settings,
                          const std::function<bool(const char*)>& chosen) const;

    SettingsBackend& backend;
};

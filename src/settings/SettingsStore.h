#pragma once

#include "platform/Outcome.h"
#include "platform/SettingsBackend.h"
#include "settings/DrillSettings.h"

#include <QString>

#include <array>
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

    friend bool operator==(const StoredSettings&, const StoredSettings&) = default;
};

struct LoadedSettings
{
    StoredSettings settings;
    // The message of the first value that had to be replaced by its default, if one had to be.
    std::optional<QString> firstError;
};

// Reads all stored values once at start and writes all of them once at shutdown, under the
// names "Sec", "Cnt", "SE1" to "SE3", "Hist0" to "Hist2", "Romaji"
// and "Learner".
class SettingsStore
{
public:
    explicit SettingsStore(SettingsBackend& backend) : backend(backend) {}

    // A missing value gives its default (20 seconds, 10 questions, empty texts). An integer
    // stored as anything but a 32-bit integer gives its default too, with the message
    // "'Sec' のデータ型が不正です"; a text stored as another type gives its default silently.
    // Integers are taken as stored, without a range check. "Romaji" is 0 or 1; anything else
    // gives 0 and the same message.
    LoadedSettings loadAll() const;

    // Writes all ten values, also after one has failed; fails with the message of the first
    // failure ("'Sec' の設定に失敗しました").
    Outcome<QString> saveAll(const StoredSettings& settings) const;

private:
    SettingsBackend& backend;
};

#pragma once

#include <QString>

// The spoken lines kept as wave files in one folder, each named by a hash of what makes its sound
// (text, voice, speed), so that a line is synthesised once. The folder is held under a size
// limit: the files used longest ago go first.
class SpeechCache
{
public:
    static constexpr qint64 DefaultLimitBytes = 200LL * 1024 * 1024;

    // The user's cache folder for speech, under the XDG cache home.
    static QString standardFolder();

    explicit SpeechCache(QString folder, qint64 limitBytes = DefaultLimitBytes);

    const QString& folder() const { return where; }

    // The file name of the sound of text as voice says it at speed.
    static QString keyOf(const QString& text, const QString& voice, double speed);
    QString pathOf(const QString& key) const;

    // The file of key when it is held, marked as just used; empty when it is not held.
    QString find(const QString& key) const;

    // Makes the folder when it is missing and tells whether files can be written in it.
    bool prepare() const;

    // Removes the files used longest ago until the folder is within its limit.
    void trim() const;

private:
    QString where;
    qint64 limit;
};

#pragma once

#include "classroom/Pupil.h"
#include "platform/Outcome.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the program's command line asks for: a question file to load; --data DIR, which keeps
// the record, the settings (as an INI file) and everything else the program writes for itself
// under DIR, for school PCs that forget the user's folders at log-off; and --pupil 組,番号,名前,
// which sets the pupil kept with the settings; and --board FOLDER, which shows クラスの様子 of a
// hand-in folder instead of the drill. The options are also taken as --name=value.
struct StartOptions
{
    QString fileToLoad;
    QString dataFolder; // empty for the user's usual folders
    std::optional<Pupil> pupil;
    QString boardFolder; // empty for the drill

    friend bool operator==(const StartOptions&, const StartOptions&) = default;

    // The arguments after the program's name. The first that is neither option nor an option's
    // value names the file; any after it are ignored, as they always were.
    static Fallible<StartOptions, QString> parse(const QStringList& arguments);

    // Where the record is: under the data folder, or where it is without one.
    QString recordPath(const QString& usualRecordPath) const;
    // The INI file of the settings under the data folder; empty for the user's usual settings.
    QString settingsFile() const;
    // Where hand-in files wait for their folder: beside the record.
    QString waitingHandInFolder(const QString& usualRecordPath) const;
    // Where spoken questions are kept: under the data folder, or in the user's cache.
    QString speechCacheFolder(const QString& usualFolder) const;
};

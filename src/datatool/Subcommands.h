#pragma once

#include <QStringList>
#include <QStringView>

#include <optional>

// Every command of the tool by the words that name it: a group (results, schedule, readings,
// assignment), or
// none, then the command. Both command-line parsers find their command here.
enum class Subcommand
{
    Import,
    Export,
    Check,
    Worksheet,
    ResultsExport,
    ResultsMerge,
    ScheduleReplay,
    ScheduleExportLog,
    ScheduleReschedule,
    ReadingsPropose,
    AssignmentNew
};

inline constexpr char16_t ResultsGroup[] = u"results";
inline constexpr char16_t ScheduleGroup[] = u"schedule";
inline constexpr char16_t ReadingsGroup[] = u"readings";
inline constexpr char16_t AssignmentGroup[] = u"assignment";

// The command the positional words name, after the group when there is one.
std::optional<Subcommand> subcommandNamed(QStringView group, QStringView name);

// Whether the first word that is no option names the group.
bool namesGroup(const QStringList& arguments, QStringView group);

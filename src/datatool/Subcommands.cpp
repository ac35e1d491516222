#include "datatool/Subcommands.h"

#include <array>

namespace {

struct Entry
{
    Subcommand subcommand;
    QStringView group;
    QStringView name;
};

// Not constexpr: a sanitizer build cannot evaluate the views of the group name at compile time.
const std::array<Entry, 11> Table{{
    {Subcommand::Import, {}, u"import"},
    {Subcommand::Export, {}, u"export"},
    {Subcommand::Check, {}, u"check"},
    {Subcommand::Worksheet, {}, u"worksheet"},
    {Subcommand::ResultsExport, ResultsGroup, u"export"},
    {Subcommand::ResultsMerge, ResultsGroup, u"merge"},
    {Subcommand::ScheduleReplay, ScheduleGroup, u"replay"},
    {Subcommand::ScheduleExportLog, ScheduleGroup, u"export-log"},
    {Subcommand::ScheduleReschedule, ScheduleGroup, u"reschedule"},
    {Subcommand::ReadingsPropose, ReadingsGroup, u"propose"},
    {Subcommand::AssignmentNew, AssignmentGroup, u"new"},
}};

} // namespace

std::optional<Subcommand> subcommandNamed(QStringView group, QStringView name)
{
    for (const Entry& entry : Table) {
        if (entry.group == group && entry.name == name)
            return entry.subcommand;
    }
    return std::nullopt;
}

bool namesGroup(const QStringList& arguments, QStringView group)
{
    for (const QString& argument : arguments.mid(1)) {
        if (!argument.startsWith(u'-'))
            return argument == group;
    }
    return false;
}

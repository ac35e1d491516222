#include "help/HelpTopics.h"

namespace HelpTopics {

std::optional<QString> identifierFor(int context)
{
    switch (context) {
    case MainWindowContext:
        return QStringLiteral("tazune.main");
    case SettingsContext:
        return QStringLiteral("tazune.settings");
    case ReportContext:
        return QStringLiteral("tazune.report");
    case SoundsContext:
        return QStringLiteral("tazune.sounds");
    case EditorContext:
        return QStringLiteral("tazune.editor");
    case ImportContext:
        return QStringLiteral("tazune.import");
    case RomajiContext:
        return QStringLiteral("tazune.romaji");
    case NotebookContext:
        return QStringLiteral("tazune.notebook");
    case TimeOutsContext:
        return QStringLiteral("tazune.timeouts");
    case ResultsContext:
        return QStringLiteral("tazune.results");
    case TodaysReviewContext:
        return QStringLiteral("tazune.today");
    case ReviewSettingsContext:
        return QStringLiteral("tazune.reviewsettings");
    case ReviewPlanContext:
        return QStringLiteral("tazune.reviewplan");
    case ReadingsContext:
        return QStringLiteral("tazune.readings");
    case ListeningContext:
        return QStringLiteral("tazune.listening");
    case ReadAloudContext:
        return QStringLiteral("tazune.readaloud");
    case VoicesContext:
        return QStringLiteral("tazune.voices");
    case AssignmentContext:
        return QStringLiteral("tazune.assignment");
    case PupilContext:
        return QStringLiteral("tazune.pupil");
    case BoardContext:
        return QStringLiteral("tazune.board");
    case AssignmentEditorContext:
        return QStringLiteral("tazune.assignmenteditor");
    }
    return std::nullopt;
}

} // namespace HelpTopics

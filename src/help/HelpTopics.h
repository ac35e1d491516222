#pragma once

#include <QString>

#include <optional>

// The fixed help context numbers of the windows, and the topic identifier each stands for in the
// help collection (the keyword ids of data/help/tazune.qhp).
namespace HelpTopics {

inline constexpr int MainWindowContext = 1;
inline constexpr int SettingsContext = 8;
inline constexpr int ReportContext = 9;
inline constexpr int SoundsContext = 10;
inline constexpr int EditorContext = 11;
inline constexpr int ImportContext = 12;
// A menu item's own page.
inline constexpr int RomajiContext = 18;
inline constexpr int NotebookContext = 20;
inline constexpr int TimeOutsContext = 21;
inline constexpr int ResultsContext = 22;
inline constexpr int TodaysReviewContext = 23;
inline constexpr int ReviewSettingsContext = 24;
inline constexpr int ReviewPlanContext = 25;
inline constexpr int ReadingsContext = 26;
inline constexpr int ListeningContext = 27;
inline constexpr int ReadAloudContext = 28;
inline constexpr int VoicesContext = 29;
// Class mode: an open assignment and its menu items, the pupil's name, the board, making one.
inline constexpr int AssignmentContext = 30;
inline constexpr int PupilContext = 31;
inline constexpr int BoardContext = 32;
inline constexpr int AssignmentEditorContext = 33;

// The topic of a window's help context; nothing for a number no window carries, such as 0.
std::optional<QString> identifierFor(int context);

// The start page with the table of contents, shown when a context names no topic.
inline const QString ContentsIdentifier = QStringLiteral("tazune.contents");

} // namespace HelpTopics

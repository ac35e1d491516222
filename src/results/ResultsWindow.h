#pragma once

#include <QString>

class FileDialog;
class MessageBox;
class QDialog;
class RecordQueries;
class QWidget;

// "成績の記録" as the main window knows it. The program makes it from a module the first time
// it is opened: the chart's and the printing's libraries are then loaded only by a learner who
// looks at the results, not by every start.
class ResultsWindow
{
public:
    // What the window reaches the record and the user through.
    struct Services
    {
        RecordQueries& recorder;
        FileDialog& fileDialog;
        MessageBox& messageBox;
    };

    virtual ~ResultsWindow() = default;

    virtual QDialog& dialog() = 0;
    // Reads the record's files afresh and shows the loaded file's games of the level, or the
    // first recorded file's when the loaded one has none. The name goes on the reports.
    virtual void showRecord(const QString& loadedFile, int level, const QString& learnerName) = 0;
    // The name as the learner last gave it in the window.
    virtual QString learnerName() const = 0;
};

// Where the results window comes from; the program's loads it from its module.
class ResultsWindowFactory
{
public:
    struct Made
    {
        ResultsWindow* window = nullptr; // owned by the parent
        QString error;                   // why there is no window
    };

    virtual ~ResultsWindowFactory() = default;
    virtual Made create(const ResultsWindow::Services& services, QWidget* parent) = 0;
};

// The one function the results window's module exports.
using CreateResultsWindow = ResultsWindow* (*)(const ResultsWindow::Services& services,
                                               QWidget* parent);
inline constexpr char CreateResultsWindowSymbol[] = "tazune_createResultsWindow";

#pragma once

#include <QObject>
#include <QString>

class FileDialog;
class HelpViewer;
class MessageBox;
class QDialog;
class RecordQueries;
class ReportPrinter;
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
        // The window equips its own F1 and ヘルプ with it, in the copy of the code its module
        // links: there a virtual call through this interface works, where a search for the
        // program's help keys by their type finds nothing. Finding them by name, with a
        // string-based meta call, would work as well, but a name that drifts would again fail
        // silently, where this interface the compiler checks.
        HelpViewer& helpViewer;
    };

    virtual ~ResultsWindow() = default;

    virtual QDialog& dialog() = 0;
    // Reads the record's files afresh and shows the loaded file's games of the level, or the
    // first recorded file's when the loaded one has none. The name goes on the reports.
    virtual void showRecord(const QString& loadedFile, int level, const QString& learnerName) = 0;
    // The name as the learner last gave it in the window.
    virtual QString learnerName() const = 0;
};

// Where the results window comes from: the module offers one, and the program's loads the module
// and hands its requests on.
class ResultsWindowFactory
{
public:
    struct Made
    {
        ResultsWindow* window = nullptr; // owned by the parent
        QString error;                   // why there is no window
    };

    // The printer the module's windows print through, for a window of the program's own.
    struct Printer
    {
        ReportPrinter* printer = nullptr; // owned by the module
        QString error;                    // why there is none
    };

    virtual ~ResultsWindowFactory() = default;
    virtual Made create(const ResultsWindow::Services& services, QWidget* parent) = 0;
    virtual Printer printer() = 0;
};

// Another shape of Services, of the record's queries or of the window is another version: a
// module built for the old one is then refused, not called.
#define TAZUNE_RESULTS_WINDOW_FACTORY_IID "org.velmora.Tazune.ResultsWindowFactory/4"
Q_DECLARE_INTERFACE(ResultsWindowFactory, TAZUNE_RESULTS_WINDOW_FACTORY_IID)

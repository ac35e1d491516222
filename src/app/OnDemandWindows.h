#pragma once

#include "results/ResultsWindow.h"

#include <QString>

#include <functional>

class GameRecorder;
class HelpViewer;
class QDialog;
class QWidget;
class TFrmImport;
class TFrmNotebook;
class TFrmTimeOuts;

// The windows the main window opens from its menus that are not part of every session: those over
// the learning record (間違いノート, 時間切れの答え, 成績の記録) and the import. Each is made the
// first time it is opened, so the main window shows without waiting for their tables or modules.
class OnDemandWindows
{
public:
    struct Services
    {
        GameRecorder& recorder;
        FileDialog& fileDialog;
        MessageBox& messageBox;
        HelpViewer& helpViewer;
        ResultsWindowFactory& resultsWindows;
    };

    // %1: why the window's module could not be loaded.
    static inline const QString ResultsUnavailableMessage =
        QStringLiteral("成績の記録を開けませんでした（%1）");

    OnDemandWindows(const Services& services, QWidget* parent);

    TFrmNotebook& notebook();
    TFrmTimeOuts& timeOuts();
    TFrmImport& import();
    // Nothing when the window's module cannot be loaded; the user has been told why.
    ResultsWindow* results();

private:
    // The one rule for every window made on first use: F1 and its Help button reach the viewer.
    template <typename Window> Window& madeOnce(Window*& window, std::function<Window*()> make);

    Services services;
    QWidget* parent;
    TFrmNotebook* notebookWindow = nullptr;
    TFrmTimeOuts* timeOutsWindow = nullptr;
    TFrmImport* importWindow = nullptr;
    ResultsWindow* resultsWindow = nullptr;
};

#pragma once

#include "classroom/BoardModel.h"
#include "classroom/BoardWatcher.h"
#include "results/ClassMerge.h"
#include "widgets/ProgramDialog.h"

#include <QDate>

#include <functional>

class FileDialog;
class ResultsWindowFactory;
class HelpViewer;
class MessageBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableView;
class QTableWidget;

// クラスの様子: the pupils who handed in to one folder, one row each, kept up to date while the
// window is open; below, the pairs the class runs out of time on most, and the files that could
// not be read. 印刷 prints and PDF保存 writes the class report of every game handed in.
class TFrmBoard : public ProgramDialog
{
    Q_OBJECT

public:
    struct Services
    {
        FileDialog& fileDialog;
        MessageBox& messages;
        HelpViewer& help;
        // The printer comes from the results' module, loaded only when 印刷 is pressed.
        ResultsWindowFactory& printers;
        std::function<QDate()> today = &QDate::currentDate;
    };

    static inline const QString Caption = QStringLiteral("クラスの様子");
    static inline const QString PdfFailedMessage = QStringLiteral("PDFを保存できませんでした");
    static inline const QString NoPrinterMessage = QStringLiteral("印刷できません。%1");
    static constexpr int MissedShown = 10;

    TFrmBoard(const QString& folder, const Services& services, QWidget* parent,
              std::chrono::milliseconds poll = BoardWatcher::DefaultPoll);

    BoardModel& model() { return board; }
    void savePdf();
    void print();

    QLabel* folderLabel;
    QTableView* boardTable;
    QTableWidget* missedTable;
    QLabel* malformedLabel;
    QListWidget* malformedList;
    QPushButton* printButton;
    QPushButton* pdfButton;
    QPushButton* helpButton;
    QPushButton* closeButton;

private:
    void createControls();
    void showScanned(bool reachable);
    // The class table of every game in the folder, read afresh.
    ClassTable handedIn() const;

    QString folder;
    Services services;
    BoardModel board;
    BoardWatcher* watcher;
};

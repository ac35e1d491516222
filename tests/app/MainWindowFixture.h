#pragma once

#include "FakeFileDialog.h"
#include "FakeMessageBox.h"
#include "FakeSpeechService.h"
#include "FakeWavePlayer.h"
#include "MemoryLearningRecord.h"
#include "MemorySettingsBackend.h"
#include "ProductInfo.h"
#include "RecordingHelpViewer.h"
#include "ScriptedDialogs.h"
#include "ScriptedRandom.h"
#include "ScriptedReadingProposer.h"
#include "UpperCaseBank.h"
#include "app/TFrmMain.h"
#include "platform/ProgramModule.h"
#include "questions/QuestionFile.h"
#include "results/ResultsModule.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A main window over test doubles, with its executable "living" in a temporary folder.
struct MainWindowFixture
{
    QTemporaryDir folder;
    FakeMessageBox messageBox;
    FakeFileDialog fileDialog;
    FakeColorDialog colorDialog;
    FakeFontDialog fontDialog;
    RecordingHelpViewer helpViewer;
    ScriptedRandom random;
    FakeWavePlayer player;
    MemorySettingsBackend settings;
    MemoryLearningRecord record;
    // The results window would come from a module beside the executable, which the folder does
    // not hold, unless a test hands in the window linked into it.
    ResultsModule resultsModule{folder.filePath(ProductInfo::ResultsWindowModule)};
    ResultsWindowFactory* resultsWindows = &resultsModule;
    ScriptedReadingProposer proposer;
    FakeSpeechService speech;
    std::unique_ptr<TFrmMain> window;

    // The window reaches its messages, its sounds and its record through these doubles unless
    // a test or benchmark hands in others.
    void create(MessageBox* messages = nullptr, WavePlayer* wavePlayer = nullptr,
                LearningRecord* learningRecord = nullptr)
    {
        window = std::make_unique<TFrmMain>(TFrmMain::Services{
            messages ? *messages : messageBox, fileDialog, colorDialog, fontDialog, helpViewer,
            random, wavePlayer ? *wavePlayer : player, settings, folder.filePath("tazune"),
            learningRecord ? *learningRecord : record, *resultsWindows, proposer, speech});
    }

    // Shows the window and starts it up as the program does once it is on the screen, with the
    // file given on the command line, if any.
    void show(const QStringList& arguments = {})
    {
        if (!window)
            create();
        window->show();
        // Menu shortcuts act only in the active window.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->FormShow(arguments.value(0));
    }

    // A question file in the fixture's folder; its three levels hold the given answers, each
    // question being its answer in upper case.
    QString questionFile(const QString& name, const QList<QByteArrayList>& levels)
    {
        const QString path = folder.filePath(name);
        QuestionFile::write(path, upperCaseBank(levels));
        return path;
    }
};

#pragma once

#include "FakeColorDialog.h"
#include "FakeFileDialog.h"
#include "FakeFontDialog.h"
#include "FakeMessageBox.h"
#include "FakeWavePlayer.h"
#include "MemoryLearningRecord.h"
#include "MemorySettingsBackend.h"
#include "RecordingHelpViewer.h"
#include "ScriptedRandom.h"
#include "app/TFrmMain.h"
#include "questions/QuestionFile.h"

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
    std::unique_ptr<TFrmMain> window;

    void create(const QStringList& arguments = {}, MessageBox* messages = nullptr)
    {
        window = std::make_unique<TFrmMain>(TFrmMain::Services{
            messages ? *messages : messageBox, fileDialog, colorDialog, fontDialog, helpViewer,
            random, player, settings, folder.filePath("tazune"), arguments, record});
    }

    void show(const QStringList& arguments = {})
    {
        create(arguments);
        window->show();
        // Menu shortcuts act only in the active window.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // A question file in the fixture's folder; its three levels hold the given answers, each
    // question being its answer in upper case.
    QString questionFile(const QString& name, const QList<QByteArrayList>& levels)
    {
        QuestionBank bank;
        for (int level = 0; level < levels.size(); ++level) {
            for (const QByteArray& answer : levels[level])
                bank.Add(level, answer.toUpper(), answer);
        }
        const QString path = folder.filePath(name);
        QuestionFile::write(path, bank);
        return path;
    }
};

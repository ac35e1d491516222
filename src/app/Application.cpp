#include "app/Application.h"

#include "ProductInfo.h"
#include "app/TFrmMain.h"
#include "classroom/TFrmBoard.h"
#include "help/HelpFile.h"
#include "platform/AssistantHelpViewer.h"
#include "platform/ExitPolicy.h"
#include "platform/ProgramModule.h"
#include "platform/QSettingsBackend.h"
#include "platform/QtColorDialog.h"
#include "platform/QtFileDialog.h"
#include "platform/QtFontDialog.h"
#include "platform/QtMessageBox.h"
#include "platform/QtWavePlayer.h"
#include "platform/TimeSeededRandom.h"
#include "proposal/ProposerModule.h"
#include "record/SqlLearningRecord.h"
#include "results/ResultsModule.h"
#include "settings/SettingsStore.h"
#include "settings/StartOptions.h"
#include "speech/ProcessSpeech.h"
#include "widgets/FirstExposure.h"
#include "widgets/HelpKeys.h"
#include "widgets/JapaneseFont.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <QWindow>

#include <cstdio>

namespace {

// The interface is Japanese whatever the desktop's language, so Qt's own buttons and file
// dialog are too.
void installJapaneseTranslation(QApplication& app, QTranslator& translator)
{
    if (translator.load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

// The teacher's board alone, without the drill, its settings or its record.
int showBoard(const QString& folder, const TFrmBoard::Services& services)
{
    TFrmBoard board(folder, services, nullptr);
    HelpKeys::installOnDialog(&board, services.help);
    board.show();
    return QApplication::exec();
}

} // namespace

namespace Application {

int run(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProductInfo::Application);
    QApplication::setOrganizationName(ProductInfo::Organisation);
    QApplication::setApplicationVersion(ProductInfo::Version);
    QTranslator translator;
    installJapaneseTranslation(app, translator);
    JapaneseFont::installSubstitutes();
    QApplication::setFont(JapaneseFont::ofPixelSize(12));

    QtMessageBox messageBox;
    QtFileDialog fileDialog;
    QtColorDialog colorDialog;
    QtFontDialog fontDialog;
    AssistantHelpViewer helpViewer(HelpFile::collectionFor(QApplication::applicationFilePath()));
    TimeSeededRandom random;
    QtWavePlayer wavePlayer(
        ProgramModule::pathFor(QApplication::applicationFilePath(), ProductInfo::SoundModule),
        ExitPolicy::endProcessBeforeLibraryCleanUp);
    const auto options = StartOptions::parse(QApplication::arguments().mid(1));
    if (!options) {
        std::fputs(qPrintable(options.failure() + u'\n'), stderr);
        return 2;
    }
    ResultsModule resultsWindows(ProgramModule::pathFor(QApplication::applicationFilePath(),
                                                        ProductInfo::ResultsWindowModule));
    if (!options->boardFolder.isEmpty())
        return showBoard(options->boardFolder,
                         {fileDialog, messageBox, helpViewer, resultsWindows});
    QSettingsBackend settings(options->settingsFile());
    if (options->pupil) {
        if (const auto saved = SettingsStore(settings).savePupil(*options->pupil); !saved)
            std::fputs(qPrintable(saved.failure() + u'\n'), stderr);
    }
    // Nothing is read from the record's file before the window is up.
    SqlLearningRecord record(options->recordPath(SqlLearningRecord::defaultPath()));
    // Its module and dictionaries are loaded when the editor first asks for readings.
    ProposerModule proposer(
        ProgramModule::pathFor(QApplication::applicationFilePath(), ProductInfo::ReadingsModule),
        ReadingSources{});
    // The synthesiser is looked for once the stored speech settings are read, after the window.
    ProcessSpeech speech({},
                         SpeechCache(options->speechCacheFolder(SpeechCache::standardFolder())));
    TFrmMain window({messageBox, fileDialog, colorDialog, fontDialog, helpViewer, random,
                     wavePlayer, settings, QApplication::applicationFilePath(), record,
                     resultsWindows, proposer, speech});
    window.show();
    // Start-up goes on once the window is on the screen and painted: the settings, the file,
    // the record's database driver and the audio libraries would otherwise hold up the first
    // map request, by as long as a large question file takes to read.
    const QString fileToLoad = options->fileToLoad;
    // Games that could not be handed in last time go now, once the window is up: a share that
    // is slow to answer must not hold up the start.
    const QString waitingHandIns = options->waitingHandInFolder(SqlLearningRecord::defaultPath());
    new FirstExposure(window.windowHandle(), [&window, &wavePlayer, fileToLoad, waitingHandIns] {
        QTimer::singleShot(0, &window, [&window, &wavePlayer, fileToLoad, waitingHandIns] {
            window.FormShow(fileToLoad);
            wavePlayer.connectToServer();
            window.classroom().useWaitingFolder(waitingHandIns);
        });
    });
    return app.exec();
}

} // namespace Application

#include "app/ClassroomCommand.h"

#include "app/MainWindowUi.h"
#include "classroom/AssignmentFile.h"
#include "classroom/HandInFile.h"
#include "classroom/HandInQueue.h"
#include "classroom/TFrmAssignment.h"
#include "classroom/TFrmBoard.h"
#include "classroom/TFrmPupil.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/RandomSource.h"
#include "platform/ReplaceConfirmation.h"
#include "questions/AtomicFile.h"
#include "questions/LevelNames.h"
#include "settings/SettingsStore.h"
#include "widgets/HelpKeys.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

namespace {

const QByteArray Header = QByteArrayLiteral("Tazune-assignment ");

std::optional<QByteArray> contentOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > AssignmentFile::MostBytes)
        return std::nullopt;
    return file.readAll();
}

QString levelsText(const QList<int>& levels)
{
    QStringList names;
    for (const int level : levels)
        names.append(LevelNames::name(level));
    return names.join(u'・');
}

} // namespace

ClassroomCommand::ClassroomCommand(DrillSession& session, const Services& services,
                                   const Window& window)
    : session(session), services(services), window(window)
{}

ClassroomCommand::~ClassroomCommand() = default;

FileFilter ClassroomCommand::assignmentFilter()
{
    return {QStringLiteral("課題ﾌｧｲﾙ(*.kadai)"), QStringLiteral("*.kadai")};
}

bool ClassroomCommand::isAssignmentFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(Header.size()) == Header;
}

std::optional<QString> ClassroomCommand::prepare(const QString& path)
{
    prepared.reset();
    const std::optional<QByteArray> bytes = contentOf(path);
    if (!bytes) {
        services.messages.showError(QStringLiteral("%1 を開けませんでした").arg(path));
        return std::nullopt;
    }
    const auto read = AssignmentFile::read(*bytes);
    if (!read) {
        services.messages.showError(AssignmentFile::message(read.failure()));
        return std::nullopt;
    }
    OpenAssignment opened{*read, QFileInfo(path).absoluteFilePath(), {}, {}, {}};
    const std::optional<QString> questions = questionFileFor(opened);
    if (!questions)
        return std::nullopt;
    opened.questionFile = *questions;
    prepared = std::move(opened);
    return prepared->questionFile;
}

void ClassroomCommand::openPrepared()
{
    if (!prepared)
        return;
    close();
    current = std::move(prepared);
    prepared.reset();
    current->windowOptions = window.options();
    const Assignment& set = current->assignment;
    window.useOptions({qint32(set.furigana), set.answerByReading, set.romajiInput});
    emit openedOrClosed();
}

// The question file named beside the assignment, or else the copy it carries.
std::optional<QString> ClassroomCommand::questionFileFor(OpenAssignment& opened)
{
    const QString named = AssignmentFile::questionFilePath(opened.path, opened.assignment);
    if (QFileInfo::exists(named) || opened.assignment.embeddedQuestions.isEmpty())
        return named;
    opened.carried = std::make_shared<QTemporaryDir>();
    const QString copy = opened.carried->filePath(QFileInfo(named).fileName());
    if (!opened.carried->isValid() ||
        !AtomicFile::replace(copy, opened.assignment.embeddedQuestions)) {
        services.messages.showError(QStringLiteral("%1 を開けませんでした").arg(named));
        return std::nullopt;
    }
    return copy;
}

void ClassroomCommand::close()
{
    if (!current)
        return;
    const GameOptions own = current->windowOptions;
    current.reset();
    game.reset();
    window.useOptions(own);
    emit openedOrClosed();
}

QString ClassroomCommand::caption(const QString& program, const Assignment& assignment)
{
    const QString mode =
        assignment.mode == AssignmentMode::Test ? QStringLiteral("テスト") : QStringLiteral("練習");
    return QStringLiteral("%1　－　課題「%2」（%3・%4・%5問・%6秒）")
        .arg(program, assignment.title, mode, levelsText(assignment.levels))
        .arg(assignment.questionsPerGame)
        .arg(assignment.secondsPerQuestion);
}

GameSettings ClassroomCommand::gameSettings(const GameSettings& own) const
{
    if (!current)
        return own;
    return {current->assignment.secondsPerQuestion, current->assignment.questionsPerGame};
}

void ClassroomCommand::lock(MainWindowUi& ui, DrillState state, bool startedUp) const
{
    const bool open = isOpen();
    for (QAction* item : ui.MenuLv)
        item->setEnabled(!open);
    for (QAction* item : {ui.MenuSetting, ui.MenuNote, ui.MenuToday, ui.MenuRomaji,
                          ui.MenuFurigana->menuAction(), ui.MenuByReading})
        item->setEnabled(!open);
    if (isTest())
        ui.MenuStop->setEnabled(false);
    const bool idle = startedUp && (state == DrillState::NoData || state == DrillState::Ready);
    ui.MenuAssignmentClose->setEnabled(open && idle);
    for (QAction* item : {ui.MenuPupil, ui.MenuBoard, ui.MenuAssignmentNew})
        item->setEnabled(idle);
}

bool ClassroomCommand::start()
{
    if (!current)
        return false;
    if (!pupil.isKnown() && !editPupil())
        return false;
    const Assignment& set = current->assignment;
    const DrillSession::StartOutcome started =
        session.startAssignment(set.levels, gameSettings({}), set.seed);
    if (started == DrillSession::StartOutcome::EmptyLevel)
        services.messages.showError(EmptyLevelsMessage);
    if (started != DrillSession::StartOutcome::Started)
        return false;
    game.emplace(set, pupil, current->questionFile, services.clock());
    return true;
}

bool ClassroomCommand::editPupil()
{
    if (!pupilDialog) {
        pupilDialog = new TFrmPupil(&window.window);
        HelpKeys::installOnDialog(pupilDialog, services.help);
    }
    pupilDialog->setPupil(pupil);
    if (pupilDialog->exec() != QDialog::Accepted)
        return false;
    pupil = pupilDialog->pupil();
    if (const Outcome<QString> saved = SettingsStore(services.settings).savePupil(pupil); !saved)
        services.messages.showError(saved.failure());
    return true;
}

void ClassroomCommand::ending()
{
    if (!game || !isTest() || session.gameKind() != DrillSession::GameKind::Assignment ||
        !session.inGame())
        return;
    handIn(
        game->ended(session.drill().tally(), session.drill().currentQuestion(), services.clock()));
    game.reset();
}

void ClassroomCommand::answered(const QuestionItem& pair, int ticks)
{
    if (game)
        game->answered(pair, ticks);
}

void ClassroomCommand::timedOut(const QuestionItem& pair, const QByteArray& typed)
{
    if (game)
        game->timedOut(pair, typed);
}

void ClassroomCommand::gameOver(const ReportInputs& inputs)
{
    if (!game || session.reportedKind() != DrillSession::GameKind::Assignment)
        return;
    handIn(game->finished(inputs, services.clock()));
    game.reset();
}

QString ClassroomCommand::handInFolder() const
{
    return handInFolderOf(current->path, current->assignment);
}

// Taken against the assignment's folder when relative, as the question file is.
QString ClassroomCommand::handInFolderOf(const QString& assignmentPath,
                                         const Assignment& assignment)
{
    if (assignment.handInFolder.isEmpty())
        return {};
    return QFileInfo(assignmentPath).absoluteDir().absoluteFilePath(assignment.handInFolder);
}

void ClassroomCommand::showBoard()
{
    QString folder = current ? handInFolder() : QString();
    if (!current) {
        OpenFileRequest request;
        request.title = QStringLiteral("クラスの様子を見る課題");
        request.filters = {assignmentFilter(),
                           {QStringLiteral("すべてのﾌｧｲﾙ(*.*)"), QStringLiteral("*.*")}};
        const std::optional<QString> path = services.fileDialog.getOpenFileName(request);
        if (!path)
            return;
        const std::optional<QByteArray> bytes = contentOf(*path);
        const auto read = AssignmentFile::read(bytes.value_or(QByteArray()));
        if (!read) {
            services.messages.showError(AssignmentFile::message(read.failure()));
            return;
        }
        folder = handInFolderOf(*path, *read);
    }
    if (folder.isEmpty()) {
        services.messages.showError(QStringLiteral("この課題には提出先のフォルダーがありません"));
        return;
    }
    auto* board = new TFrmBoard(
        folder, {services.fileDialog, services.messages, services.help, services.printers},
        &window.window);
    board->setAttribute(Qt::WA_DeleteOnClose);
    board->setModal(false);
    HelpKeys::installOnDialog(board, services.help);
    board->show();
}

void ClassroomCommand::handIn(const HandIn& handIn)
{
    const QString folder = handInFolder();
    if (folder.isEmpty())
        return;
    HandInQueue queue(waitingFolder);
    if (!waitingFolder.isEmpty())
        queue.flush();
    const HandInQueue::Delivery delivery =
        queue.handIn(folder, HandInFile::nameOf(handIn.pupil, handIn.game.finishedAt),
                     HandInFile::write(handIn));
    showWaiting();
    if (delivery == HandInQueue::Delivery::Lost)
        services.messages.showError(
            QStringLiteral("成績を %1 に提出できず、このPCにも保存できませんでした").arg(folder));
    else if (delivery == HandInQueue::Delivery::Waiting && !std::exchange(toldWaiting, true))
        services.messages.tell(WaitingMessage);
}

void ClassroomCommand::useWaitingFolder(const QString& folder)
{
    waitingFolder = folder;
    if (!waitingFolder.isEmpty())
        HandInQueue(waitingFolder).flush();
    showWaiting();
}

int ClassroomCommand::waitingCount() const
{
    return waitingFolder.isEmpty() ? 0 : HandInQueue(waitingFolder).waiting();
}

// The count sits in the status bar, which shows only while something waits.
void ClassroomCommand::showWaiting()
{
    const int count = waitingCount();
    if (!waitingPanel && count == 0)
        return;
    if (!waitingPanel) {
        waitingPanel = new QLabel(&window.window);
        waitingPanel->setObjectName(QStringLiteral("waitingPanel"));
        window.window.statusBar()->addWidget(waitingPanel);
    }
    const QString text = QStringLiteral("提出待ちの成績 %1 件").arg(count);
    waitingPanel->setText(text);
    waitingPanel->setAccessibleName(text);
    window.window.statusBar()->setVisible(count > 0);
}

quint64 ClassroomCommand::newSeed(RandomSource& random)
{
    quint64 seed = 0;
    for (int part = 0; part < 4; ++part)
        seed = (seed << 16) | quint64(random.bounded(1 << 16));
    return seed;
}

void ClassroomCommand::makeAssignment()
{
    if (!assignmentDialog) {
        assignmentDialog = new TFrmAssignment(
            services.fileDialog, [this] { return newSeed(services.random); }, &window.window);
        HelpKeys::installOnDialog(assignmentDialog, services.help);
    }
    assignmentDialog->setAssignment({});
    if (assignmentDialog->exec() != QDialog::Accepted)
        return;
    Assignment made = assignmentDialog->assignment();
    SaveFileRequest request;
    request.title = QStringLiteral("課題の保存");
    request.filters = {assignmentFilter()};
    request.defaultSuffix = QStringLiteral("kadai");
    request.presetFile =
        (made.title.isEmpty() ? QStringLiteral("課題") : made.title) + QStringLiteral(".kadai");
    const std::optional<ChosenFile> chosen = services.fileDialog.getSaveFileName(request);
    if (!chosen || !ReplaceConfirmation::allows(services.messages, chosen->path))
        return;
    made.questionFile = QFileInfo(chosen->path)
                            .absoluteDir()
                            .relativeFilePath(QFileInfo(made.questionFile).absoluteFilePath());
    if (!AtomicFile::replace(chosen->path, AssignmentFile::write(made)))
        services.messages.showError(QStringLiteral("課題ファイルを保存できませんでした"));
}

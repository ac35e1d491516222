#include "help/HelpTopics.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The collection the build put beside the program, opened as the help viewer opens it: every
// topic the program asks for must lead to its page of the manual.
class HelpCollectionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void topicOpensItsPage_data();
    void topicOpensItsPage();
    void contextWithoutTopic_data();
    void contextWithoutTopic();
    void indexEntryOpensItsPage_data();
    void indexEntryOpensItsPage();

private:
    QTemporaryDir installed;
    std::unique_ptr<QHelpEngineCore> engine;
};

void HelpCollectionTest::initTestCase()
{
    // Copied as a pair into another folder, as installing does: the collection must find its
    // documentation beside itself, not where the build made it.
    const QDir built = QFileInfo(QStringLiteral(TAZUNE_HELP_COLLECTION)).dir();
    for (const QString& name : {QStringLiteral("tazune.qhc"), QStringLiteral("tazune.qch")})
        QVERIFY(QFile::copy(built.filePath(name), installed.filePath(name)));
    engine = std::make_unique<QHelpEngineCore>(installed.filePath(QStringLiteral("tazune.qhc")));
    QVERIFY(engine->setupData());
}

void HelpCollectionTest::topicOpensItsPage_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("heading");

    const auto topic = [](int context) { return HelpTopics::identifierFor(context).value_or(""); };
    QTest::addRow("main_window") << topic(1) << "main.html"
                                 << "メインウィンドウ";
    QTest::addRow("settings") << topic(8) << "settings.html"
                              << "設定";
    QTest::addRow("report") << topic(9) << "report.html"
                            << "成績発表";
    QTest::addRow("sounds") << topic(10) << "sounds.html"
                            << "効果音の設定";
    QTest::addRow("editor") << topic(11) << "editor.html"
                            << "データ編集";
    QTest::addRow("import") << topic(HelpTopics::ImportContext) << "import.html"
                            << "インポート";
    QTest::addRow("romaji_input") << topic(HelpTopics::RomajiContext) << "romaji.html"
                                  << "ローマ字入力";
    QTest::addRow("notebook") << topic(HelpTopics::NotebookContext) << "notebook.html"
                              << "間違いノートと復習ゲーム";
    QTest::addRow("time_outs") << topic(HelpTopics::TimeOutsContext) << "notebook.html"
                               << "間違いノートと復習ゲーム";
    QTest::addRow("results") << topic(HelpTopics::ResultsContext) << "results.html"
                             << "成績の記録";
    QTest::addRow("todays_review") << topic(HelpTopics::TodaysReviewContext) << "today.html"
                                   << "今日の復習";
    QTest::addRow("review_settings") << topic(HelpTopics::ReviewSettingsContext) << "today.html"
                                     << "今日の復習";
    QTest::addRow("review_plan") << topic(HelpTopics::ReviewPlanContext) << "today.html"
                                 << "今日の復習";
    QTest::addRow("readings") << topic(HelpTopics::ReadingsContext) << "readings.html"
                              << "よみ・ふりがな・別解";
    QTest::addRow("contents") << HelpTopics::ContentsIdentifier << "index.html"
                              << "Tazune ヘルプ";
}

void HelpCollectionTest::topicOpensItsPage()
{
    QFETCH(QString, identifier);
    QFETCH(QString, page);
    QFETCH(QString, heading);

    const QList<QHelpLink> links = engine->documentsForIdentifier(identifier);
    QCOMPARE(links.size(), 1);
    QCOMPARE(links.first().url.fileName(), page);
    const QString html = QString::fromUtf8(engine->fileData(links.first().url));
    QVERIFY2(html.contains(QStringLiteral("<h1>") + heading + QStringLiteral("</h1>")),
             qPrintable(page));
    // A topic of a section lands on its anchor.
    const QString anchor = links.first().url.fragment();
    QVERIFY2(anchor.isEmpty() || html.contains(QStringLiteral("id=\"%1\"").arg(anchor)),
             qPrintable(anchor));
    QVERIFY(
        !engine->fileData(links.first().url.resolved(QUrl(QStringLiteral("style.css")))).isEmpty());
}

void HelpCollectionTest::contextWithoutTopic_data()
{
    QTest::addColumn<int>("context");

    QTest::addRow("none") << 0;
    QTest::addRow("between_main_and_settings") << 2;
    QTest::addRow("just_below_settings") << 7;
    QTest::addRow("just_above_import") << 13;
    QTest::addRow("negative") << -1;
}

void HelpCollectionTest::contextWithoutTopic()
{
    QFETCH(int, context);
    QCOMPARE(HelpTopics::identifierFor(context), std::nullopt);
}

void HelpCollectionTest::indexEntryOpensItsPage_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("page");

    QTest::addRow("recent_files") << "最近使ったファイル"
                                  << "main.html";
    QTest::addRow("correct_rate") << "正解率"
                                  << "report.html";
    QTest::addRow("questions_per_game") << "一回の問題数"
                                        << "settings.html";
    QTest::addRow("shift_jis") << "シフトJIS"
                               << "fileformat.html";
}

void HelpCollectionTest::indexEntryOpensItsPage()
{
    QFETCH(QString, keyword);
    QFETCH(QString, page);

    const QList<QHelpLink> links = engine->documentsForKeyword(keyword);
    QCOMPARE(links.size(), 1);
    QCOMPARE(links.first().url.fileName(), page);
}

QTEST_GUILESS_MAIN(HelpCollectionTest)
#include "HelpCollectionTest.moc"

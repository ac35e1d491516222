#include "datatool/CommandLine.h"

#include <QTest>

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void readsRequests_data();
    void readsRequests();
    void readsDeckRequests_data();
    void readsDeckRequests();
    void refusesWrongCommandLines_data();
    void refusesWrongCommandLines();
    void readsWorksheetRequests_data();
    void readsWorksheetRequests();
};

namespace {

using Encoding = std::optional<TableEncoding>;

QStringList toolWith(const QString& arguments)
{
    return QStringList{"tazune-data"} + arguments.split(' ', Qt::SkipEmptyParts);
}

} // namespace

void CommandLineTest::readsRequests_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("output");
    QTest::addColumn<TableFormat>("format");
    QTest::addColumn<Encoding>("encoding");
    QTest::addColumn<bool>("header");
    QTest::addColumn<bool>("force");
    const auto tsv = TableFormat::Tsv;
    QTest::addRow("import_detecting_encoding") << "import in.txt -o out.DAT" << Command::Import
                                               << "out.DAT" << tsv << Encoding() << false << false;
    QTest::addRow("import_auto_encoding")
        << "import --encoding AUTO in.txt --output out.DAT --force" << Command::Import << "out.DAT"
        << tsv << Encoding() << false << true;
    QTest::addRow("import_csv_sjis")
        << "import --csv --encoding sjis in.txt -o out.DAT" << Command::Import << "out.DAT"
        << TableFormat::Csv << Encoding(TableEncoding::Cp932) << false << false;
    QTest::addRow("export_to_standard_output")
        << "export in.txt --header --encoding UTF8" << Command::Export << "" << tsv
        << Encoding(TableEncoding::Utf8) << true << false;
    QTest::addRow("check") << "check in.txt" << Command::Check << "" << tsv << Encoding() << false
                           << false;
}

void CommandLineTest::readsRequests()
{
    QFETCH(QString, arguments);
    QFETCH(Command, command);
    QFETCH(QString, output);
    QFETCH(TableFormat, format);
    QFETCH(Encoding, encoding);
    QFETCH(bool, header);
    QFETCH(bool, force);
    const CommandLineOutcome outcome = parseCommandLine(toolWith(arguments), Language::English);
    QVERIFY2(outcome.request, qPrintable(outcome.text));
    QCOMPARE(outcome.request->command, command);
    QCOMPARE(outcome.request->input, QStringLiteral("in.txt"));
    QCOMPARE(outcome.request->output, output);
    QCOMPARE(outcome.request->format, format);
    QCOMPARE(outcome.request->encoding, encoding);
    QCOMPARE(outcome.request->header, header);
    QCOMPARE(outcome.request->force, force);
}

void CommandLineTest::readsDeckRequests_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<ImportSource>("from");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("levelBy");
    QTest::addColumn<ExportFormat>("to");
    QTest::addRow("detected") << "import in.txt -o q.DAT" << ImportSource::Detect << ""
                              << ""
                              << "" << ExportFormat::Table;
    QTest::addRow("package_with_mapping")
        << "import --from APKG --question Front --answer 3 --level-by Deck in.txt -o q.DAT"
        << ImportSource::AnkiPackage << "Front"
        << "3"
        << "deck" << ExportFormat::Table;
    QTest::addRow("quizlet_to_one_level")
        << "import --from quizlet --level-by 上級 in.txt -o q.DAT" << ImportSource::Quizlet << ""
        << ""
        << "上級" << ExportFormat::Table;
    QTest::addRow("export_to_anki")
        << "export --to anki in.txt -o out.txt" << ImportSource::Detect << ""
        << ""
        << "" << ExportFormat::AnkiText;
}

void CommandLineTest::readsDeckRequests()
{
    QFETCH(QString, arguments);
    QFETCH(ImportSource, from);
    QFETCH(QString, question);
    QFETCH(QString, answer);
    QFETCH(QString, levelBy);
    QFETCH(ExportFormat, to);
    const CommandLineOutcome outcome = parseCommandLine(toolWith(arguments), Language::English);
    QVERIFY2(outcome.request, qPrintable(outcome.text));
    QCOMPARE(outcome.request->from, from);
    QCOMPARE(outcome.request->question, question);
    QCOMPARE(outcome.request->answer, answer);
    QCOMPARE(outcome.request->levelBy, levelBy);
    QCOMPARE(outcome.request->to, to);
}

void CommandLineTest::refusesWrongCommandLines_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("named");
    QTest::addRow("no_command") << ""
                                << "import, export, check or worksheet";
    QTest::addRow("unknown_command") << "convert in.txt"
                                     << "convert";
    QTest::addRow("no_file") << "check"
                             << "one file";
    QTest::addRow("two_files") << "export a.DAT b.txt"
                               << "one file";
    QTest::addRow("import_without_output") << "import in.txt"
                                           << "-o FILE.DAT";
    QTest::addRow("header_on_import") << "import --header in.txt -o q.DAT"
                                      << "--header";
    QTest::addRow("output_on_check") << "check -o x in.DAT"
                                     << "--output";
    QTest::addRow("force_on_check") << "check --force in.DAT"
                                    << "--force";
    QTest::addRow("unknown_encoding") << "import --encoding latin1 in.txt -o q.DAT"
                                      << "latin1";
    QTest::addRow("auto_on_export") << "export --encoding auto in.DAT"
                                    << "auto";
    QTest::addRow("unknown_option") << "check --fast in.DAT"
                                    << "fast";
    QTest::addRow("unknown_source") << "import --from excel in.xls -o q.DAT"
                                    << "excel";
    QTest::addRow("unknown_level_rule") << "import --level-by colour in.txt -o q.DAT"
                                        << "colour";
    QTest::addRow("csv_on_deck") << "import --from kvtml --csv in.kvtml -o q.DAT"
                                 << "--csv";
    QTest::addRow("question_on_table") << "import --from table --question 2 in.txt -o q.DAT"
                                       << "--question";
    QTest::addRow("header_on_anki_export") << "export --to anki --header in.DAT"
                                           << "--header";
    QTest::addRow("to_on_import") << "import --to anki in.txt -o q.DAT"
                                  << "--to";
    QTest::addRow("separator_on_package")
        << "import --from apkg --term-separator ; in.apkg -o q.DAT"
        << "--term-separator";
    QTest::addRow("worksheet_without_output") << "worksheet q.DAT"
                                              << "-o FILE.pdf";
    QTest::addRow("unknown_worksheet_level") << "worksheet --level 4 q.DAT -o w.pdf"
                                             << "level \"4\"";
    QTest::addRow("furigana_after_mistakes_on_the_command_line")
        << "worksheet --furigana mistakes q.DAT -o w.pdf"
        << "\"mistakes\"";
    QTest::addRow("count_of_none") << "worksheet --count 0 q.DAT -o w.pdf"
                                   << "--count takes";
    QTest::addRow("count_not_a_number") << "worksheet --count ten q.DAT -o w.pdf"
                                        << "--count takes";
    QTest::addRow("negative_seed") << "worksheet --count 5 --seed -1 q.DAT -o w.pdf"
                                   << "--seed takes";
    QTest::addRow("seed_without_count") << "worksheet --seed 7 q.DAT -o w.pdf"
                                        << "--seed needs --count";
    QTest::addRow("csv_on_worksheet") << "worksheet --csv q.DAT -o w.pdf"
                                      << "--csv";
    QTest::addRow("level_on_export") << "export --level 2 q.DAT"
                                     << "--level";
    QTest::addRow("unknown_schedule_command") << "schedule export log.csv"
                                              << "replay, export-log or reschedule";
    QTest::addRow("file_on_reschedule") << "schedule reschedule log.csv"
                                        << "schedule reschedule takes no file";
    QTest::addRow("output_on_reschedule") << "schedule reschedule -o log.csv"
                                          << "--output";
    QTest::addRow("record_on_replay") << "schedule replay --record r.sqlite log.csv"
                                      << "--record";
}

void CommandLineTest::refusesWrongCommandLines()
{
    QFETCH(QString, arguments);
    QFETCH(QString, named);
    const CommandLineOutcome outcome = parseCommandLine(toolWith(arguments), Language::English);
    QVERIFY(!outcome.request);
    QCOMPARE(outcome.exitCode, ExitUsage);
    QVERIFY2(outcome.text.contains(named), qPrintable(outcome.text));
}

void CommandLineTest::readsWorksheetRequests_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("level");
    QTest::addColumn<WorksheetFurigana>("furigana");
    QTest::addColumn<int>("count");
    QTest::addColumn<std::optional<quint32>>("seed");
    QTest::addRow("every_question_of_the_first_level")
        << "worksheet q.DAT -o w.pdf" << 0 << WorksheetFurigana::None << 0
        << std::optional<quint32>();
    QTest::addRow("level_by_name_with_furigana")
        << "worksheet --level 中級 --furigana ALWAYS q.DAT -o w.pdf" << 1
        << WorksheetFurigana::Always << 0 << std::optional<quint32>();
    QTest::addRow("drawn_again_by_seed")
        << "worksheet --level 3 --count 20 --seed 4294967295 --force q.DAT -o w.pdf" << 2
        << WorksheetFurigana::None << 20 << std::optional<quint32>(4294967295U);
}

void CommandLineTest::readsWorksheetRequests()
{
    QFETCH(QString, arguments);
    QFETCH(int, level);
    QFETCH(WorksheetFurigana, furigana);
    QFETCH(int, count);
    QFETCH(std::optional<quint32>, seed);
    const CommandLineOutcome outcome = parseCommandLine(toolWith(arguments), Language::English);
    QVERIFY2(outcome.request, qPrintable(outcome.text));
    QCOMPARE(outcome.request->command, Command::Worksheet);
    QCOMPARE(outcome.request->output, QStringLiteral("w.pdf"));
    QCOMPARE(outcome.request->level, level);
    QCOMPARE(outcome.request->furigana, furigana);
    QCOMPARE(outcome.request->count, count);
    QCOMPARE(outcome.request->seed, seed);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"

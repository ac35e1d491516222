#include "TestFiles.h"

#include <QMimeDatabase>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The question-file type as the desktop sees it once Tazune is installed: run against a MIME
// database built from the installed definition alone (XDG_DATA_DIRS names the install).
class QuestionFileTypeTest : public QObject
{
    Q_OBJECT

private slots:
    void typeOfFile_data();
    void typeOfFile();
    void installedSampleIsQuestionFile();

private:
    QMimeDatabase database;
    QTemporaryDir folder;
};

namespace {

const QString QuestionsType = QStringLiteral(TAZUNE_QUESTIONS_MIME_TYPE);
const QString AssignmentType = QStringLiteral(TAZUNE_ASSIGNMENT_MIME_TYPE);
const QByteArray Assignment =
    QByteArrayLiteral("Tazune-assignment 1\ntitle=漢字\nfile=kanji.DAT\n");

// The file of an empty bank: the header, three levels, no items.
const char* const EmptyBank = "33 2E 30 30 61 | 03 00 00 00 | 00 00 00 00 00 00 00 00 00 00 00 00";

} // namespace

void QuestionFileTypeTest::typeOfFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("ourType");
    QTest::addColumn<bool>("claimed");

    const QByteArray bank = TestFiles::hex(EmptyBank);
    QTest::addRow("question_file") << "quiz.DAT" << bank << QuestionsType << true;
    QTest::addRow("lower_case_suffix") << "quiz.dat" << bank << QuestionsType << true;
    QTest::addRow("other_program_dat")
        << "level1.DAT" << QByteArray("\x00\x01\x02\x03xyz", 7) << QuestionsType << false;
    QTest::addRow("header_not_at_start") << "quiz.DAT"
                                         << " " + bank << QuestionsType << false;
    QTest::addRow("header_cut_short") << "quiz.DAT" << QByteArray("3.00") << QuestionsType << false;
    QTest::addRow("other_header_version") << "quiz.DAT"
                                          << "3.01a" + bank.mid(5) << QuestionsType << false;
    // Either way a pupil gets an assignment, a double click opens it in Tazune.
    QTest::addRow("assignment_file") << "漢字.kadai" << Assignment << AssignmentType << true;
    QTest::addRow("renamed_without_suffix") << "kanji" << Assignment << AssignmentType << true;
    QTest::addRow("question_file_no_assignment") << "quiz.DAT" << bank << AssignmentType << false;
    QTest::addRow("other_text") << "notes" << QByteArray("Tazune assignment\n") << AssignmentType
                                << false;
}

void QuestionFileTypeTest::typeOfFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, ourType);
    QFETCH(bool, claimed);

    const QString path = folder.filePath(name);
    QVERIFY(TestFiles::writeBytes(path, bytes));
    const QString type = database.mimeTypeForFile(path).name();
    QVERIFY2((type == ourType) == claimed, qPrintable(type));
}

void QuestionFileTypeTest::installedSampleIsQuestionFile()
{
    const QString sample = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                  QStringLiteral("tazune/sample.DAT"));
    QVERIFY(!sample.isEmpty());
    QCOMPARE(database.mimeTypeForFile(sample).name(), QuestionsType);
}

QTEST_GUILESS_MAIN(QuestionFileTypeTest)
#include "QuestionFileTypeTest.moc"

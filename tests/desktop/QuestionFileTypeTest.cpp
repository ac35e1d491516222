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
    void assignmentType_data();
    void assignmentType();

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
    QTest::addColumn<bool>("claimed");

    const QByteArray bank = TestFiles::hex(EmptyBank);
    QTest::addRow("question_file") << "quiz.DAT" << bank << true;
    QTest::addRow("lower_case_suffix") << "quiz.dat" << bank << true;
    QTest::addRow("other_program_dat")
        << "level1.DAT" << QByteArray("\x00\x01\x02\x03xyz", 7) << false;
    QTest::addRow("header_not_at_start") << "quiz.DAT"
                                         << " " + bank << false;
    QTest::addRow("header_cut_short") << "quiz.DAT" << QByteArray("3.00") << false;
    QTest::addRow("other_header_version") << "quiz.DAT"
                                          << "3.01a" + bank.mid(5) << false;
}

void QuestionFileTypeTest::typeOfFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, claimed);

    const QString path = folder.filePath(name);
    QVERIFY(TestFiles::writeBytes(path, bytes));
    const QString type = database.mimeTypeForFile(path).name();
    QVERIFY2((type == QuestionsType) == claimed, qPrintable(type));
}

void QuestionFileTypeTest::installedSampleIsQuestionFile()
{
    const QString sample = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                  QStringLiteral("tazune/sample.DAT"));
    QVERIFY(!sample.isEmpty());
    QCOMPARE(database.mimeTypeForFile(sample).name(), QuestionsType);
}

void QuestionFileTypeTest::assignmentType_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("claimed");

    QTest::addRow("assignment_file") << "漢字.kadai" << Assignment << true;
    QTest::addRow("renamed_without_suffix") << "kanji" << Assignment << true;
    QTest::addRow("question_file") << "quiz.DAT" << TestFiles::hex(EmptyBank) << false;
    QTest::addRow("other_text") << "notes" << QByteArray("Tazune assignment\n") << false;
}

// Either way a pupil gets the file, a double click opens it in Tazune.
void QuestionFileTypeTest::assignmentType()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, claimed);

    const QString path = folder.filePath(name);
    QVERIFY(TestFiles::writeBytes(path, bytes));
    const QString type = database.mimeTypeForFile(path).name();
    QVERIFY2((type == AssignmentType) == claimed, qPrintable(type));
}

QTEST_GUILESS_MAIN(QuestionFileTypeTest)
#include "QuestionFileTypeTest.moc"

#include "settings/RecentFiles.h"

#include <QTest>

class RecentFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void update_data();
    void update();
    void fileNamePart_data();
    void fileNamePart();
    void menuCaption_data();
    void menuCaption();
    void positionsOutsideTheListAreRefused();
};

namespace {

RecentFiles filesOf(const QStringList& entries)
{
    return RecentFiles({entries.value(0), entries.value(1), entries.value(2)});
}

QStringList entriesOf(const RecentFiles& files)
{
    QStringList entries;
    for (int k = 0; k < RecentFiles::Count; ++k)
        entries << files.entry(k);
    return entries;
}

const QString A = QStringLiteral("/data/a.dat");
const QString B = QStringLiteral("/data/b.dat");
const QString C = QStringLiteral("/data/c.dat");
const QString D = QStringLiteral("/data/d.dat");

} // namespace

void RecentFilesTest::update_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("after");

    QTest::addRow("oldest_moves_to_front") << QStringList{A, B, C} << C << QStringList{C, A, B};
    QTest::addRow("middle_moves_to_front") << QStringList{A, B, C} << B << QStringList{B, A, C};
    QTest::addRow("front_stays") << QStringList{A, B, C} << A << QStringList{A, B, C};
    QTest::addRow("new_file_drops_oldest") << QStringList{A, B, C} << D << QStringList{D, A, B};
    QTest::addRow("empties_move_along") << QStringList{A, "", ""} << B << QStringList{B, A, ""};
    QTest::addRow("first_load") << QStringList{"", "", ""} << A << QStringList{A, "", ""};
    QTest::addRow("empty_front_moves_back") << QStringList{"", A, B} << A << QStringList{A, "", B};

    QTest::addRow("other_case_takes_new_spelling")
        << QStringList{"C:/DATA/A.DAT", "", ""} << "c:/data/a.dat"
        << QStringList{"c:/data/a.dat", "", ""};
    QTest::addRow("other_case_at_the_back_moves_up")
        << QStringList{A, B, "/Data/C.DAT"} << "/data/c.dat" << QStringList{"/data/c.dat", A, B};
    QTest::addRow("first_match_wins")
        << QStringList{"/X.DAT", "/x.dat", B} << "/x.dat" << QStringList{"/x.dat", "/x.dat", B};

    QTest::addRow("full_width_not_folded") << QStringList{"/data/ａ.dat", "", ""} << "/data/Ａ.dat"
                                           << QStringList{"/data/Ａ.dat", "/data/ａ.dat", ""};
    QTest::addRow("accented_not_folded") << QStringList{"/data/é.dat", "", ""} << "/data/É.dat"
                                         << QStringList{"/data/É.dat", "/data/é.dat", ""};
    QTest::addRow("brackets_are_not_letters") << QStringList{"/d/[1].dat", "", ""} << "/d/{1}.dat"
                                              << QStringList{"/d/{1}.dat", "/d/[1].dat", ""};
    QTest::addRow("at_sign_is_not_a_letter")
        << QStringList{"/d/@.dat", "", ""} << "/d/`.dat" << QStringList{"/d/`.dat", "/d/@.dat", ""};
    QTest::addRow("prefix_is_another_file")
        << QStringList{A, "", ""} << A + "2" << QStringList{A + "2", A, ""};
}

void RecentFilesTest::update()
{
    QFETCH(QStringList, before);
    QFETCH(QString, path);
    QFETCH(QStringList, after);

    RecentFiles files = filesOf(before);
    files.update(path);

    QCOMPARE(entriesOf(files), after);
}

void RecentFilesTest::fileNamePart_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");

    QTest::addRow("full_path") << "/home/user/KANJI.DAT"
                               << "KANJI.DAT";
    QTest::addRow("no_folder") << "KANJI.DAT"
                               << "KANJI.DAT";
    QTest::addRow("relative") << "data/KANJI.DAT"
                              << "KANJI.DAT";
    QTest::addRow("japanese_folders") << "/データ/ソ表/問題.DAT"
                                      << "問題.DAT";
    QTest::addRow("backslash_is_a_name_character") << "C:\\DATA\\A.DAT"
                                                   << "C:\\DATA\\A.DAT";
    QTest::addRow("trailing_slash") << "/data/"
                                    << "";
    QTest::addRow("empty") << ""
                           << "";
}

void RecentFilesTest::fileNamePart()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);

    QCOMPARE(RecentFiles::fileNamePart(path), expected);
}

void RecentFilesTest::menuCaption_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");

    QTest::addRow("entry_0") << 0 << "(&1) KANJI.DAT";
    QTest::addRow("entry_1_empty") << 1 << "(&2) ";
    QTest::addRow("entry_2") << 2 << "(&3) 問題.DAT";
}

void RecentFilesTest::menuCaption()
{
    QFETCH(int, index);
    QFETCH(QString, expected);

    const RecentFiles files = filesOf({"/home/user/KANJI.DAT", "", "/データ/問題.DAT"});

    QCOMPARE(files.menuCaption(index), expected);
}

void RecentFilesTest::positionsOutsideTheListAreRefused()
{
    const RecentFiles files = filesOf({A, B, C});
    QCOMPARE(files.entry(-1), QString());
    QCOMPARE(files.entry(RecentFiles::Count), QString());
}

QTEST_APPLESS_MAIN(RecentFilesTest)
#include "RecentFilesTest.moc"

#include "settings/LineFont.h"

#include <QTest>

class LineFontTest : public QObject
{
    Q_OBJECT

private slots:
    void takesFaceSizeAndPlainStyle_data();
    void takesFaceSizeAndPlainStyle();
    void effectsStayAsPreset();
};

namespace {

QFont font(const QString& family, int pixels, QFont::Weight weight, bool italic)
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setWeight(weight);
    f.setItalic(italic);
    return f;
}

} // namespace

void LineFontTest::takesFaceSizeAndPlainStyle_data()
{
    QTest::addColumn<QFont>("chosen");
    QTest::addColumn<QFont>("expected");
    QTest::addRow("regular") << font("IPAGothic", 20, QFont::Normal, false)
                             << font("IPAGothic", 20, QFont::Normal, false);
    QTest::addRow("medium_counts_as_bold")
        << font("IPAGothic", 12, QFont::Medium, false) << font("IPAGothic", 12, QFont::Bold, false);
    QTest::addRow("black_is_just_bold")
        << font("IPAGothic", 12, QFont::Black, true) << font("IPAGothic", 12, QFont::Bold, true);
    QTest::addRow("light_is_not_bold") << font("IPAGothic", 72, QFont::Light, false)
                                       << font("IPAGothic", 72, QFont::Normal, false);
}

void LineFontTest::takesFaceSizeAndPlainStyle()
{
    QFETCH(QFont, chosen);
    QFETCH(QFont, expected);
    const QFont preset = font("ＭＳ Ｐゴシック", 12, QFont::Normal, false);
    const QFont taken = LineFont::fromChoice(preset, chosen);
    QCOMPARE(taken.family(), expected.family());
    QCOMPARE(taken.pixelSize(), expected.pixelSize());
    QCOMPARE(taken.weight(), expected.weight());
    QCOMPARE(taken.italic(), expected.italic());
}

void LineFontTest::effectsStayAsPreset()
{
    QFont preset = font("ＭＳ Ｐゴシック", 12, QFont::Normal, false);
    preset.setUnderline(true);
    QFont chosen("IPAGothic");
    chosen.setPointSize(14);
    chosen.setStrikeOut(true);
    const QFont taken = LineFont::fromChoice(preset, chosen);
    QVERIFY(taken.underline());
    QVERIFY(!taken.strikeOut());
    QCOMPARE(taken.pointSize(), 14);
}

QTEST_GUILESS_MAIN(LineFontTest)
#include "LineFontTest.moc"

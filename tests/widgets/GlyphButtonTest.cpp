#include "widgets/WindowParts.h"

#include <QPushButton>
#include <QTest>
#include <QWidget>

// A glyph button shows exactly the style's glyph, though the glyph is fetched only when drawn.
class GlyphButtonTest : public QObject
{
    Q_OBJECT

private slots:
    void buttonDrawsTheStylesGlyph_data();
    void buttonDrawsTheStylesGlyph();
};

void GlyphButtonTest::buttonDrawsTheStylesGlyph_data()
{
    QTest::addColumn<QStyle::StandardPixmap>("glyph");
    QTest::addColumn<int>("size");
    QTest::addRow("ok_at_button_size") << QStyle::SP_DialogOkButton << 16;
    QTest::addRow("cancel_at_button_size") << QStyle::SP_DialogCancelButton << 16;
    QTest::addRow("help_at_button_size") << QStyle::SP_DialogHelpButton << 16;
    QTest::addRow("reload_at_button_size") << QStyle::SP_BrowserReload << 16;
    QTest::addRow("ok_on_a_large_screen") << QStyle::SP_DialogOkButton << 32;
}

void GlyphButtonTest::buttonDrawsTheStylesGlyph()
{
    QFETCH(QStyle::StandardPixmap, glyph);
    QFETCH(int, size);
    QWidget dialog;
    QPushButton* button = WindowParts::glyphButton(&dialog, QStringLiteral("BitBtn1"), glyph,
                                                   QStringLiteral("OK"), {8, 8, 75, 25});
    QVERIFY(!button->icon().isNull());
    const QIcon styles = dialog.style()->standardIcon(glyph);
    QCOMPARE(button->icon().actualSize(QSize(size, size)), styles.actualSize(QSize(size, size)));
    QCOMPARE(button->icon().pixmap(size).toImage(), styles.pixmap(size).toImage());
    QCOMPARE(button->icon().pixmap(size, QIcon::Disabled).toImage(),
             styles.pixmap(size, QIcon::Disabled).toImage());
}

QTEST_MAIN(GlyphButtonTest)
#include "GlyphButtonTest.moc"

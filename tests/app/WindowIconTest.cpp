#include "MainWindowFixture.h"

#include <QIcon>
#include <QImage>

// The main window shows Tazune's own icon, sharp at every size a desktop asks for: the drawing of
// that size, or the next larger one scaled down.
class WindowIconTest : public QObject
{
    Q_OBJECT

private slots:
    void iconIsTheDrawingForEachSize_data();
    void iconIsTheDrawingForEachSize();

private:
    MainWindowFixture fixture;
};

void WindowIconTest::iconIsTheDrawingForEachSize_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("drawing");
    QTest::addRow("smallest_has_its_own_drawing") << 16 << 16;
    QTest::addRow("menu_size") << 22 << 22;
    QTest::addRow("between_two_uses_the_larger") << 40 << 48;
    QTest::addRow("largest_drawn") << 256 << 256;
    QTest::addRow("beyond_the_largest_stays_at_it") << 512 << 256;
}

void WindowIconTest::iconIsTheDrawingForEachSize()
{
    QFETCH(int, asked);
    QFETCH(int, drawing);
    fixture.create();
    const QPixmap shown = fixture.window->windowIcon().pixmap(QSize(asked, asked));
    QPixmap expected(QStringLiteral(":/icons/tazune-%1.png").arg(drawing));
    QVERIFY(!expected.isNull());
    if (drawing > asked)
        expected = expected.scaled(asked, asked, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QCOMPARE(shown.toImage(), expected.toImage());
}

QTEST_MAIN(WindowIconTest)
#include "WindowIconTest.moc"

#include "MainWindowFixture.h"

#include <QIcon>

// The main window shows Tazune's own icon, drawn sharp even at the largest size a desktop asks
// for: it is the SVG built into the program, which Qt draws through its SVG plugins.
class WindowIconTest : public QObject
{
    Q_OBJECT

private slots:
    void iconIsDrawnAtLargeSize();

private:
    MainWindowFixture fixture;
};

void WindowIconTest::iconIsDrawnAtLargeSize()
{
    fixture.create();
    const QPixmap pixmap = fixture.window->windowIcon().pixmap(QSize(256, 256));
    QCOMPARE(pixmap.size(), QSize(256, 256));
}

QTEST_MAIN(WindowIconTest)
#include "WindowIconTest.moc"

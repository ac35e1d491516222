// What any Qt program with Tazune's main window pays to show it: the same client size, menu bar
// and controls with the same texts, and nothing else. The start-up benchmark sets Tazune's
// start against this one.

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStringList>

namespace {

void addMenu(QMenuBar* bar, const QString& caption, const QStringList& items)
{
    QMenu* menu = bar->addMenu(caption);
    for (const QString& item : items) {
        if (item.isEmpty())
            menu->addSeparator();
        else
            menu->addAction(item);
    }
}

QFrame* addPanel(QWidget* client, const QRect& bounds)
{
    auto* panel = new QFrame(client);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(bounds);
    return panel;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tazune"));

    addMenu(window.menuBar(), QStringLiteral("ﾌｧｲﾙ(&F)"),
            {QStringLiteral("ﾛｰﾄﾞ(&L)"),
             {},
             QStringLiteral("ｽﾀｰﾄ(&S)"),
             QStringLiteral("ｽﾄｯﾌﾟ(&T)"),
             QStringLiteral("終わる(&Q)"),
             {},
             QStringLiteral("閉じる(&C)")});
    addMenu(window.menuBar(), QStringLiteral("ﾚﾍﾞﾙ(&L)"),
            {QStringLiteral("初級(&1)"),
             QStringLiteral("中級(&2)"),
             QStringLiteral("上級(&3)"),
             {},
             QStringLiteral("設定(&S)"),
             {},
             QStringLiteral("前回の成績(&B)")});
    addMenu(window.menuBar(), QStringLiteral("その他(&E)"),
            {QStringLiteral("背景色変更(&C)"),
             QStringLiteral("ﾌｫﾝﾄ変更(&F)"),
             QStringLiteral("効果音設定(&W)"),
             {},
             QStringLiteral("ﾃﾞｰﾀ編集(&D)")});
    addMenu(
        window.menuBar(), QStringLiteral("ﾍﾙﾌﾟ(&H)"),
        {QStringLiteral("目次"), QStringLiteral("ｷｰﾜｰﾄﾞ(&K)"), {}, QStringLiteral("ﾊﾞｰｼﾞｮﾝ(&A)")});

    auto* client = new QWidget(&window);
    client->setFixedSize(498, 128);
    window.setCentralWidget(client);
    const QStringList captions{QStringLiteral("残り時間"), QStringLiteral("問題文章"),
                               QStringLiteral("入力場所")};
    const int tops[] = {8, 32, 64};
    const int heights[] = {17, 25, 25};
    for (int row = 0; row < 3; ++row)
        (new QLabel(captions[row], client))->setGeometry(8, tops[row], 73, heights[row]);
    QFrame* status = addPanel(client, {88, 8, 361, 17});
    auto* bar = new QProgressBar(status);
    bar->setGeometry(2, 2, 357, 13);
    bar->hide();
    addPanel(client, {88, 32, 361, 25});
    (new QLineEdit(client))->setGeometry(88, 64, 361, 25);
    (new QLabel(client))->setGeometry(456, 16, 33, 33);

    window.show();
    return app.exec();
}

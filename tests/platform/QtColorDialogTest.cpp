#include "platform/QtColorDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QTest>
#include <QTimer>

// Drives the real colour dialog: the user's actions run once it is up.
template <typename Action> std::optional<QColor> use(QtColorDialog& dialog, Action action)
{
    QTimer::singleShot(0, [action] {
        auto* shown = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        QVERIFY(shown);
        action(*shown);
    });
    return dialog.getColor(QColor(0, 128, 0));
}

class QtColorDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void customColoursComeBackOnlyAfterConfirm()
    {
        const QColor white(255, 255, 255);
        QtColorDialog dialog;
        const std::optional<QColor> first = use(dialog, [](QColorDialog& shown) {
            QCOMPARE(shown.currentColor(), QColor(0, 128, 0));
            QColorDialog::setCustomColor(0, Qt::red);
            shown.setCurrentColor(Qt::blue);
            shown.accept();
        });
        QCOMPARE(first, QColor(Qt::blue));

        const std::optional<QColor> second = use(dialog, [white](QColorDialog& shown) {
            QCOMPARE(QColorDialog::customColor(0), QColor(Qt::red));
            QCOMPARE(QColorDialog::customColor(1), white);
            QColorDialog::setCustomColor(1, Qt::yellow);
            shown.reject();
        });
        QCOMPARE(second, std::nullopt);

        use(dialog, [white](QColorDialog& shown) {
            QCOMPARE(QColorDialog::customColor(0), QColor(Qt::red));
            QCOMPARE(QColorDialog::customColor(1), white);
            shown.reject();
        });
    }
};

QTEST_MAIN(QtColorDialogTest)
#include "QtColorDialogTest.moc"

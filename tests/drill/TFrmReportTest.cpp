#include "drill/TFrmReport.h"
#include "ScreenReader.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

class TFrmReportTest : public QObject
{
    Q_OBJECT

private slots:
    void figuresLandInTheirPanels_data();
    void figuresLandInTheirPanels();
    void enterClosesTheDialog();
};

void TFrmReportTest::figuresLandInTheirPanels_data()
{
    QTest::addColumn<QString>("valuePanel");
    QTest::addColumn<QString>("labelPanel");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("figure");

    QTest::addRow("standard_time") << "RPanel1"
                                   << "LPanel1"
                                   << "基準タイム"
                                   << "200／秒";
    QTest::addRow("average_correct") << "RPanel2"
                                     << "LPanel2"
                                     << "正解平均タイム"
                                     << "1.075／秒";
    QTest::addRow("average_input") << "RPanel3"
                                   << "LPanel3"
                                   << "入力平均タイム"
                                   << "2.575／秒";
    QTest::addRow("correct_rate") << "RPanel4"
                                  << "LPanel4"
                                  << "正解率"
                                  << "70／％";
}

void TFrmReportTest::figuresLandInTheirPanels()
{
    QFETCH(QString, valuePanel);
    QFETCH(QString, labelPanel);
    QFETCH(QString, caption);
    QFETCH(QString, figure);

    TFrmReport dialog;
    dialog.setFigures({"200／秒", "1.075／秒", "2.575／秒", "70／％"});

    auto* value = dialog.findChild<QLabel*>(valuePanel);
    auto* label = dialog.findChild<QLabel*>(labelPanel);
    QVERIFY(value && label);
    QCOMPARE(value->text(), figure);
    QCOMPARE(label->text(), caption);
    QCOMPARE(ScreenReader::name(value), figure);
    QCOMPARE(ScreenReader::description(value), caption);
}

void TFrmReportTest::enterClosesTheDialog()
{
    TFrmReport dialog;
    dialog.setFigures({"200／秒", "0／秒", "0／秒", "0／％"});
    bool wasModal = false;
    QTimer::singleShot(0, &dialog, [&dialog, &wasModal] {
        wasModal = QApplication::activeModalWidget() == &dialog;
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    // Only reached when Enter failed: ends the modal loop instead of leaving the test hanging.
    QTimer::singleShot(10000, &dialog, &QDialog::reject);

    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(wasModal);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TFrmReportTest)
#include "TFrmReportTest.moc"

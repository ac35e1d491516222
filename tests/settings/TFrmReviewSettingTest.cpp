#include "settings/TFrmReviewSetting.h"

#include "FakeMessageBox.h"
#include "ScreenReader.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace {

// Drives the modal dialog: the action runs once the dialog is up; it is closed if still open.
template <typename Action> void whileShown(TFrmReviewSetting& dialog, Action action)
{
    QTimer::singleShot(0, &dialog, [&] {
        action();
        if (dialog.isVisible())
            dialog.reject();
    });
    dialog.exec();
}

// Replaces what the field holds with the keys typed, unless there are none.
void retype(QWidget* field, const QString& keys)
{
    if (keys.isEmpty())
        return;
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, keys);
}

ReviewSettings shownFirst()
{
    ReviewSettings settings;
    settings.retention = 0.8;
    settings.maximumIntervalDays = 100;
    settings.newPairsPerDay = 5;
    settings.weights[0] = 0.3;
    return settings;
}

QString withWeight(int index, const QString& text)
{
    QStringList weights = weightsText(DefaultWeights).split(QStringLiteral(", "));
    weights[index] = text;
    return weights.join(QStringLiteral(", "));
}

} // namespace

class TFrmReviewSettingTest : public QObject
{
    Q_OBJECT

private slots:
    void okTakesTheFieldsOrRefusesOne_data();
    void okTakesTheFieldsOrRefusesOne();
    void everyFieldHasItsLabelAndSpokenName();
};

void TFrmReviewSettingTest::okTakesTheFieldsOrRefusesOne_data()
{
    QTest::addColumn<QString>("retention");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QString>("newPairs");
    QTest::addColumn<QString>("weights");
    QTest::addColumn<bool>("restoreDefaults");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("taken");

    const QString fitted = weightsText(DefaultWeights);
    const QString first = weightsText(shownFirst().weights);
    QString spaced = fitted;
    spaced.remove(u',');
    const QString none;

    QTest::addRow("shown_values_kept")
        << none << none << none << none << false << none << none << "0.8 100 5 " + first;
    QTest::addRow("every_field") << "0.85"
                                 << "180"
                                 << "1" << withWeight(20, "0.5") << false << none << none
                                 << "0.85 180 1 " + withWeight(20, "0.5");
    QTest::addRow("lowest_ends") << "0.70"
                                 << "1"
                                 << "0" << spaced << false << none << none << "0.7 1 0 " + fitted;
    QTest::addRow("highest_ends") << "0.97"
                                  << "36500"
                                  << "999" << none << false << none << none
                                  << "0.97 36500 999 " + first;
    QTest::addRow("defaults_after_a_bad_paste")
        << none << none << none << "1 2 3" << true << none << none << "0.8 100 5 " + fitted;

    const QString refused;
    QTest::addRow("retention_too_low")
        << "0.5" << none << none << none << false
        << "目標の正答率が 0.5 です。0.7 から 0.97 の範囲で指定してください。"
        << "retentionBox" << refused;
    QTest::addRow("retention_too_high")
        << "0.98" << none << none << none << false
        << "目標の正答率が 0.98 です。0.7 から 0.97 の範囲で指定してください。"
        << "retentionBox" << refused;
    QTest::addRow("interval_zero")
        << none << "0" << none << none << false
        << "最大間隔が 0 日です。1 から 36500 日の範囲で指定してください。"
        << "longestIntervalBox" << refused;
    QTest::addRow("interval_above")
        << none << "36501" << none << none << false
        << "最大間隔が 36501 日です。1 から 36500 日の範囲で指定してください。"
        << "longestIntervalBox" << refused;
    QTest::addRow("twenty_weights")
        << none << none << none << fitted.section(u',', 0, 19) << false
        << "パラメータが 20 個あります。w0 から w20 までの 21 個が必要です。"
        << "weightsEdit" << refused;
    QTest::addRow("weight_not_a_number") << none << none << none << withWeight(3, "8,3") << false
                                         << "パラメータが 22 個あります。w0 から w20 までの 21 "
                                            "個が必要です。"
                                         << "weightsEdit" << refused;
    QTest::addRow("weight_in_words") << none << none << none << withWeight(3, "abc") << false
                                     << "w3: 「abc」は数ではありません。"
                                     << "weightsEdit" << refused;
    QTest::addRow("weight_out_of_range") << none << none << none << withWeight(4, "12") << false
                                         << "w4 が 12 です。1 から 10 の範囲で指定してください。"
                                         << "weightsEdit" << refused;
    // The first field refused is told, from the top.
    QTest::addRow("two_refused") << "0.5"
                                 << "0" << none << none << false
                                 << "目標の正答率が 0.5 です。0.7 から 0.97 の範囲で指定して"
                                    "ください。"
                                 << "retentionBox" << refused;
}

void TFrmReviewSettingTest::okTakesTheFieldsOrRefusesOne()
{
    QFETCH(QString, retention);
    QFETCH(QString, interval);
    QFETCH(QString, newPairs);
    QFETCH(QString, weights);
    QFETCH(bool, restoreDefaults);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    QFETCH(QString, taken);

    FakeMessageBox messages;
    TFrmReviewSetting dialog(messages);
    dialog.setValues(shownFirst());
    bool stayedOpen = false;
    QString focusAfter;
    whileShown(dialog, [&] {
        retype(dialog.retentionBox, retention);
        retype(dialog.longestIntervalBox, interval);
        retype(dialog.newPairsBox, newPairs);
        retype(dialog.weightsEdit, weights);
        if (restoreDefaults)
            QTest::keyClick(dialog.defaultWeightsButton, Qt::Key_Space);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        stayedOpen = dialog.isVisible();
        if (dialog.focusWidget())
            focusAfter = dialog.focusWidget()->objectName();
    });

    QCOMPARE(messages.messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(stayedOpen, !message.isEmpty());
    const ReviewSettings values = dialog.values();
    if (message.isEmpty()) {
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                     .arg(values.retention)
                     .arg(values.maximumIntervalDays)
                     .arg(values.newPairsPerDay)
                     .arg(weightsText(values.weights)),
                 taken);
    } else {
        // The spin box hands its focus to its line inside.
        QVERIFY2(focusAfter == focused || dialog.findChild<QWidget*>(focused)->isAncestorOf(
                                              dialog.findChild<QWidget*>(focusAfter)),
                 qPrintable(focusAfter));
        QCOMPARE(values, shownFirst());
    }
}

void TFrmReviewSettingTest::everyFieldHasItsLabelAndSpokenName()
{
    FakeMessageBox messages;
    TFrmReviewSetting dialog(messages);
    const QList<std::pair<QWidget*, QString>> fields{
        {dialog.retentionBox, "目標の正答率(&R)"},
        {dialog.longestIntervalBox, "最大間隔（日）(&I)"},
        {dialog.newPairsBox, "1日の新しい問題数(&N)"},
        {dialog.weightsEdit, "パラメータ（21 個）(&P)"},
    };
    for (const auto& [field, label] : fields) {
        QStringList labels;
        for (const QLabel* each : dialog.findChildren<QLabel*>()) {
            if (each->buddy() == field)
                labels << each->text();
        }
        QCOMPARE(labels, QStringList{label});
        QString spoken = label;
        QCOMPARE(ScreenReader::name(field), spoken.remove(QRegularExpression("\\(&.\\)$")));
    }
    QCOMPARE(ScreenReader::name(dialog.defaultWeightsButton), QStringLiteral("既定値に戻す"));
    QCOMPARE(ScreenReader::name(dialog.BitBtn3), QStringLiteral("ヘルプ"));
}

QTEST_MAIN(TFrmReviewSettingTest)
#include "TFrmReviewSettingTest.moc"

#include "settings/TFrmSetting.h"

#include "app/BevelPanel.h"
#include "app/JapaneseFont.h"
#include "app/WindowParts.h"
#include "settings/DrillSettings.h"

#include <QPushButton>
#include <QSlider>
#include <QStyle>

TFrmSetting::TFrmSetting(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      secondsPerQuestion(DrillSettings::DefaultSeconds),
      questionsPerGame(DrillSettings::DefaultQuestions)
{
    setObjectName(QStringLiteral("TFrmSetting"));
    setWindowTitle(QStringLiteral("設定"));
    setFont(JapaneseFont::ofPixelSize(12));
    setFixedSize(441, 140);
    createControls();
    TrackBar1Change();
    TrackBar2Change();
}

void TFrmSetting::createControls()
{
    auto* label1 = new BevelPanel(this, QStringLiteral("LPanel1"));
    label1->setGeometry(8, 16, 105, 33);
    label1->setText(QStringLiteral("１問あたりの秒数"));
    RPanel1 = new BevelPanel(this, QStringLiteral("RPanel1"));
    RPanel1->setGeometry(120, 16, 49, 33);
    TrackBar1 = createTrackBar(QStringLiteral("TrackBar1"), 16, 5, 100);
    TrackBar1->setValue(DrillSettings::DefaultSeconds);

    auto* label2 = new BevelPanel(this, QStringLiteral("LPanel2"));
    label2->setGeometry(8, 56, 105, 33);
    label2->setText(QStringLiteral("一回の問題数"));
    RPanel2 = new BevelPanel(this, QStringLiteral("RPanel2"));
    RPanel2->setGeometry(120, 56, 49, 33);
    TrackBar2 = createTrackBar(QStringLiteral("TrackBar2"), 56, 1, 100);
    TrackBar2->setValue(DrillSettings::DefaultQuestions);

    for (BevelPanel* panel : {label1, RPanel1, label2, RPanel2}) {
        panel->setBackgroundRole(QPalette::Window);
        panel->setAlignment(Qt::AlignCenter);
    }
    for (QWidget* control : {static_cast<QWidget*>(RPanel1), static_cast<QWidget*>(TrackBar1)})
        control->setAccessibleName(label1->text());
    for (QWidget* control : {static_cast<QWidget*>(RPanel2), static_cast<QWidget*>(TrackBar2)})
        control->setAccessibleName(label2->text());

    BitBtn1 = WindowParts::glyphButton(this, QStringLiteral("BitBtn1"), QStyle::SP_DialogOkButton,
                                       QStringLiteral("OK"), {72, 104, 75, 25});
    BitBtn1->setDefault(true);
    BitBtn2 =
        WindowParts::glyphButton(this, QStringLiteral("BitBtn2"), QStyle::SP_DialogCancelButton,
                                 QStringLiteral("キャンセル"), {184, 104, 75, 25});
    BitBtn3 = WindowParts::glyphButton(this, QStringLiteral("BitBtn3"), QStyle::SP_BrowserReload,
                                       QStringLiteral("初期値(&R)"), {296, 104, 75, 25});
    BitBtn3->setAutoDefault(false);

    connect(TrackBar1, &QSlider::valueChanged, this, &TFrmSetting::TrackBar1Change);
    connect(TrackBar2, &QSlider::valueChanged, this, &TFrmSetting::TrackBar2Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TFrmSetting::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, &TFrmSetting::BitBtn3Click);

    setTabOrder(BitBtn1, BitBtn2);
    setTabOrder(BitBtn2, BitBtn3);
    setTabOrder(BitBtn3, TrackBar2);
    setTabOrder(TrackBar2, TrackBar1);
}

QSlider* TFrmSetting::createTrackBar(const QString& name, int top, int minimum, int maximum)
{
    auto* bar = new QSlider(Qt::Horizontal, this);
    bar->setObjectName(name);
    bar->setGeometry(176, top, 257, 41);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(5);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval(5);
    return bar;
}

void TFrmSetting::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TFrmSetting::FormShow()
{
    // QSlider pulls a stored value outside its range to the nearer end, as the dialog shows it.
    TrackBar1->setValue(secondsPerQuestion);
    TrackBar1Change();
    TrackBar2->setValue(questionsPerGame);
    TrackBar2Change();
}

void TFrmSetting::TrackBar1Change()
{
    RPanel1->setText(QString::number(TrackBar1->value()) + QStringLiteral("秒"));
}

void TFrmSetting::TrackBar2Change()
{
    RPanel2->setText(QString::number(TrackBar2->value()) + QStringLiteral("問"));
}

void TFrmSetting::BitBtn1Click()
{
    secondsPerQuestion = TrackBar1->value();
    questionsPerGame = TrackBar2->value();
    accept();
}

void TFrmSetting::BitBtn3Click()
{
    TrackBar1->setValue(DrillSettings::DefaultSeconds);
    TrackBar1Change();
    TrackBar2->setValue(DrillSettings::DefaultQuestions);
    TrackBar2Change();
}

#include "settings/TFrmSetting.h"

#include "help/HelpTopics.h"
#include "settings/DrillSettings.h"
#include "settings/SpeechSettingsBox.h"
#include "widgets/BevelPanel.h"
#include "widgets/WindowParts.h"

#include <QPushButton>
#include <QSlider>
#include <QStyle>

TFrmSetting::TFrmSetting(QWidget* parent)
    : ProgramDialog({QStringLiteral("TFrmSetting"),
                     HelpTopics::SettingsContext,
                     QStringLiteral("設定"),
                     {441, 264}},
                    parent)
{
    createControls();
    TrackBar1Change();
    TrackBar2Change();
}

void TFrmSetting::createControls()
{
    createRow(1, QStringLiteral("１問あたりの秒数"), 5, DrillSettings::DefaultSeconds, RPanel1,
              TrackBar1);
    createRow(2, QStringLiteral("一回の問題数"), 1, DrillSettings::DefaultQuestions, RPanel2,
              TrackBar2);

    speechBox = new SpeechSettingsBox(this);
    speechBox->setGeometry(8, 96, 425, 124);

    BitBtn1 = WindowParts::glyphButton(this, QStringLiteral("BitBtn1"), QStyle::SP_DialogOkButton,
                                       QStringLiteral("OK"), {72, 228, 75, 25});
    BitBtn1->setDefault(true);
    BitBtn2 =
        WindowParts::glyphButton(this, QStringLiteral("BitBtn2"), QStyle::SP_DialogCancelButton,
                                 QStringLiteral("キャンセル"), {184, 228, 75, 25});
    BitBtn3 = WindowParts::glyphButton(this, QStringLiteral("BitBtn3"), QStyle::SP_BrowserReload,
                                       QStringLiteral("初期値(&R)"), {296, 228, 75, 25});
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
    setTabOrder(TrackBar1, speechBox);
}

// Row n: a caption panel, the figure panel and the bar, all named after n, 40 pixels apart.
void TFrmSetting::createRow(int n, const QString& caption, int minimum, int value,
                            BevelPanel*& figure, QSlider*& bar)
{
    const int top = 16 + 40 * (n - 1);
    auto* label = new BevelPanel(this, QStringLiteral("LPanel%1").arg(n));
    label->setGeometry(8, top, 105, 33);
    label->setText(caption);
    figure = new BevelPanel(this, QStringLiteral("RPanel%1").arg(n));
    figure->setGeometry(120, top, 49, 33);
    for (BevelPanel* panel : {label, figure}) {
        panel->setBackgroundRole(QPalette::Window);
        panel->setAlignment(Qt::AlignCenter);
    }

    bar = new QSlider(Qt::Horizontal, this);
    bar->setObjectName(QStringLiteral("TrackBar%1").arg(n));
    bar->setGeometry(176, top, 257, 41);
    bar->setRange(minimum, 100);
    bar->setSingleStep(1);
    bar->setPageStep(5);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval(5);
    bar->setValue(value);
    figure->setCaption(caption);
    bar->setAccessibleName(caption);
}

void TFrmSetting::setValues(const DrillSettings& settings)
{
    edited = settings;
}

void TFrmSetting::FormShow()
{
    // QSlider pulls a stored value outside its range to the nearer end, as the dialog shows it.
    TrackBar1->setValue(edited.secondsPerQuestion);
    TrackBar1Change();
    TrackBar2->setValue(edited.questionsPerGame);
    TrackBar2Change();
    speechBox->show(editedSpeech);
}

void TFrmSetting::TrackBar1Change()
{
    RPanel1->setPanelText(QString::number(TrackBar1->value()) + QStringLiteral("秒"));
}

void TFrmSetting::TrackBar2Change()
{
    RPanel2->setPanelText(QString::number(TrackBar2->value()) + QStringLiteral("問"));
}

void TFrmSetting::BitBtn1Click()
{
    edited.secondsPerQuestion = TrackBar1->value();
    edited.questionsPerGame = TrackBar2->value();
    editedSpeech = speechBox->values();
    accept();
}

void TFrmSetting::BitBtn3Click()
{
    TrackBar1->setValue(DrillSettings::DefaultSeconds);
    TrackBar1Change();
    TrackBar2->setValue(DrillSettings::DefaultQuestions);
    TrackBar2Change();
}

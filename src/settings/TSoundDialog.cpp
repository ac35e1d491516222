#include "settings/TSoundDialog.h"

#include "help/HelpTopics.h"
#include "platform/FileDialog.h"
#include "widgets/HelpKeys.h"
#include "widgets/JapaneseFont.h"
#include "widgets/WindowParts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace {

struct RowGeometry
{
    int top;
    int buttonWidth;
};

// Button1 is two pixels narrower than the two below it, as the window was drawn.
constexpr RowGeometry Rows[] = {{16, 67}, {48, 69}, {80, 69}};

OpenFileRequest soundFileRequest(const QString& presetFile)
{
    OpenFileRequest request;
    request.title = QStringLiteral("効果音ファイル指定");
    // "*wav" without a dot lists every name ending in wav, as "SOUNDwav".
    request.filters = {{QStringLiteral("効果音ファイル(*.WAV)"), QStringLiteral("*wav")},
                       {QStringLiteral("すべてのファイル(*.*)"), QStringLiteral("*.*")}};
    request.presetFile = presetFile;
    request.defaultSuffix = QStringLiteral("wav");
    request.mustExist = false;
    return request;
}

} // namespace

TSoundDialog::TSoundDialog(FileDialog& fileDialog, QWidget* parent)
    : ProgramDialog({QStringLiteral("TSoundDialog"),
                     HelpTopics::SoundsContext,
                     QStringLiteral("効果音の設定"),
                     {359, 164}},
                    parent),
      fileDialog(fileDialog)
{
    createControls();
}

void TSoundDialog::createControls()
{
    createRow(0, Label1, Edit1, Button1, QStringLiteral("正解時"));
    createRow(1, Label2, Edit2, Button2, QStringLiteral("間違え時"));
    createRow(2, Label3, Edit3, Button3, QStringLiteral("ﾀｲﾑｱｳﾄ時"));

    BitBtn1 = WindowParts::glyphButton(this, QStringLiteral("BitBtn1"), QStyle::SP_DialogOkButton,
                                       QStringLiteral("OK"), {40, 128, 75, 25});
    BitBtn1->setDefault(true);
    BitBtn2 =
        WindowParts::glyphButton(this, QStringLiteral("BitBtn2"), QStyle::SP_DialogCancelButton,
                                 QStringLiteral("キャンセル"), {136, 128, 75, 25});
    BitBtn3 = WindowParts::glyphButton(this, QStringLiteral("BitBtn3"), QStyle::SP_DialogHelpButton,
                                       QStringLiteral("ヘルプ(&H)"), {232, 128, 75, 25});

    connect(Button1, &QPushButton::clicked, this, &TSoundDialog::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSoundDialog::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TSoundDialog::Button3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TSoundDialog::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, &TSoundDialog::BitBtn3Click);

    chainTabOrder();
}

void TSoundDialog::createRow(int row, QLabel*& label, QLineEdit*& edit, QPushButton*& button,
                             const QString& caption)
{
    const QString number = QString::number(row + 1);
    const RowGeometry& geometry = Rows[row];

    label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("Label") + number);
    label->setGeometry(8, geometry.top, 89, 20);
    label->setFont(JapaneseFont::ofPixelSize(21));
    label->setAlignment(Qt::AlignCenter);
    label->setAccessibleName(caption);

    edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("Edit") + number);
    edit->setGeometry(104, geometry.top, 177, 20);
    edit->setAccessibleName(caption);
    label->setBuddy(edit);

    button = new QPushButton(QStringLiteral("参照"), this);
    button->setObjectName(QStringLiteral("Button") + number);
    button->setGeometry(288, geometry.top, geometry.buttonWidth, 25);
    // Three buttons read "参照"; a screen reader also tells which line each one fills.
    button->setAccessibleDescription(caption);
}

void TSoundDialog::chainTabOrder()
{
    QWidget* const order[] = {Edit1,   Button1, Edit2,   Button2, Edit3,
                              Button3, BitBtn1, BitBtn2, BitBtn3};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TSoundDialog::setValues(const DrillSettings& settings)
{
    edited = settings;
}

void TSoundDialog::FormShow()
{
    Edit1->setText(edited.correctSound);
    Edit2->setText(edited.mistakeSound);
    Edit3->setText(edited.timeOutSound);
}

void TSoundDialog::Button1Click()
{
    browse(Edit1);
}

void TSoundDialog::Button2Click()
{
    browse(Edit2);
}

void TSoundDialog::Button3Click()
{
    browse(Edit3);
}

void TSoundDialog::browse(QLineEdit* edit)
{
    const std::optional<QString> chosen =
        fileDialog.getOpenFileName(soundFileRequest(lastChosenFile));
    if (!chosen)
        return;
    lastChosenFile = *chosen;
    edit->setText(*chosen);
}

void TSoundDialog::BitBtn1Click()
{
    edited.correctSound = Edit1->text();
    edited.mistakeSound = Edit2->text();
    edited.timeOutSound = Edit3->text();
    accept();
}

void TSoundDialog::BitBtn3Click()
{
    HelpKeys::ask(BitBtn3);
}

#include "drill/TFrmReport.h"

#include "help/HelpTopics.h"
#include "widgets/BevelPanel.h"
#include "widgets/JapaneseFont.h"
#include "widgets/WindowParts.h"

#include <QPushButton>
#include <QStyle>

namespace {

constexpr int RowTops[] = {16, 48, 80, 112};

} // namespace

TFrmReport::TFrmReport(QWidget* parent)
    : ProgramDialog({QStringLiteral("TFrmReport"),
                     HelpTopics::ReportContext,
                     QStringLiteral("成績発表"),
                     {186, 173}},
                    parent)
{
    RPanel1 = createRow(0, ReportFigures::StandardTimeCaption);
    RPanel2 = createRow(1, ReportFigures::AverageCorrectTimeCaption);
    RPanel3 = createRow(2, ReportFigures::AverageInputTimeCaption);
    RPanel4 = createRow(3, ReportFigures::CorrectRateCaption);

    BitBtn1 = WindowParts::glyphButton(this, QStringLiteral("BitBtn1"), QStyle::SP_DialogOkButton,
                                       QStringLiteral("OK"), {56, 144, 75, 25});
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    // Beside OK, in the room the row of figures leaves; the report stays as it was otherwise.
    BitBtn2 = new QPushButton(QStringLiteral("答え"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(136, 144, 42, 25);
    BitBtn2->setAutoDefault(false);
    BitBtn2->setAccessibleName(QStringLiteral("時間切れの答え"));
    BitBtn2->setToolTip(BitBtn2->accessibleName());
    BitBtn2->setEnabled(false);
    connect(BitBtn2, &QPushButton::clicked, this, &TFrmReport::timeOutsRequested);
}

BevelPanel* TFrmReport::createRow(int row, const QString& caption)
{
    const QString number = QString::number(row + 1);
    auto* label = new BevelPanel(this, QStringLiteral("LPanel") + number);
    label->setGeometry(8, RowTops[row], 89, 25);
    label->setAlignment(Qt::AlignCenter);
    label->setText(caption);

    auto* value = new BevelPanel(this, QStringLiteral("RPanel") + number);
    value->setGeometry(96, RowTops[row], 81, 25);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setFont(JapaneseFont::ofPixelSize(15));
    value->setCaption(caption);

    for (BevelPanel* panel : {label, value})
        panel->setBackgroundRole(QPalette::Window);
    return value;
}

void TFrmReport::setFigures(const ReportTexts& texts)
{
    RPanel1->setPanelText(texts.standardTime);
    RPanel2->setPanelText(texts.averageCorrectTime);
    RPanel3->setPanelText(texts.averageInputTime);
    RPanel4->setPanelText(texts.correctRate);
}

void TFrmReport::setTimeOutCount(int count)
{
    BitBtn2->setEnabled(count > 0);
}

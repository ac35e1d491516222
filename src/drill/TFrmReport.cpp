#include "drill/TFrmReport.h"

#include "help/HelpTopics.h"
#include "widgets/BevelPanel.h"
#include "widgets/JapaneseFont.h"
#include "widgets/WindowParts.h"

#include <QPushButton>
#include <QStyle>

namespace {

constexpr int FirstRowTop = 16;
constexpr int RowPitch = 32;
constexpr int FigureRows = 4;

// The grades as the help explains them to the learner, Again first.
const std::array<QString, 4> GradeCaptions{QStringLiteral("もう一度"), QStringLiteral("むずかしい"),
                                           QStringLiteral("ふつう"), QStringLiteral("かんたん")};

} // namespace

TFrmReport::TFrmReport(QWidget* parent)
    : ProgramDialog({QStringLiteral("TFrmReport"),
                     HelpTopics::ReportContext,
                     QStringLiteral("成績発表"),
                     {186, 173}},
                    parent)
{
    RPanel1 = createRow(0, ReportFigures::StandardTimeCaption, QStringLiteral("1"));
    RPanel2 = createRow(1, ReportFigures::AverageCorrectTimeCaption, QStringLiteral("2"));
    RPanel3 = createRow(2, ReportFigures::AverageInputTimeCaption, QStringLiteral("3"));
    RPanel4 = createRow(3, ReportFigures::CorrectRateCaption, QStringLiteral("4"));
    for (std::size_t grade = 0; grade < GradeCaptions.size(); ++grade)
        GPanel[grade] = createRow(FigureRows + int(grade), GradeCaptions[grade],
                                  QStringLiteral("G%1").arg(grade + 1));

    BitBtn1 = WindowParts::glyphButton(this, QStringLiteral("BitBtn1"), QStyle::SP_DialogOkButton,
                                       QStringLiteral("OK"), {56, 144, 75, 25});
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    // Beside OK, in the room the row of figures leaves; the report stays as it was otherwise.
    BitBtn2 = new QPushButton(QStringLiteral("答え"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(136, 144, 42, 25);
    setGrades(std::nullopt);
    BitBtn2->setAutoDefault(false);
    BitBtn2->setAccessibleName(QStringLiteral("時間切れの答え"));
    BitBtn2->setToolTip(BitBtn2->accessibleName());
    BitBtn2->setEnabled(false);
    connect(BitBtn2, &QPushButton::clicked, this, &TFrmReport::timeOutsRequested);
}

BevelPanel* TFrmReport::createRow(int row, const QString& caption, const QString& name)
{
    const int top = FirstRowTop + row * RowPitch;
    auto* label = new BevelPanel(this, QStringLiteral("LPanel") + name);
    label->setGeometry(8, top, 89, 25);
    label->setAlignment(Qt::AlignCenter);
    label->setText(caption);

    auto* value = new BevelPanel(this, QStringLiteral("RPanel") + name);
    value->setGeometry(96, top, 81, 25);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setFont(JapaneseFont::ofPixelSize(15));
    value->setCaption(caption);

    for (BevelPanel* panel : {label, value})
        panel->setBackgroundRole(QPalette::Window);
    if (row >= FigureRows)
        gradeCaptions[std::size_t(row - FigureRows)] = label;
    return value;
}

void TFrmReport::setFigures(const ReportTexts& texts)
{
    RPanel1->setPanelText(texts.standardTime);
    RPanel2->setPanelText(texts.averageCorrectTime);
    RPanel3->setPanelText(texts.averageInputTime);
    RPanel4->setPanelText(texts.correctRate);
}

void TFrmReport::setReport(const ReportInputs& inputs, int timeOutCount,
                           const std::optional<GradeCounts>& grades)
{
    setFigures(ReportFigures::texts(inputs));
    setTimeOutCount(timeOutCount);
    setGrades(grades);
}

void TFrmReport::setTimeOutCount(int count)
{
    BitBtn2->setEnabled(count > 0);
}

void TFrmReport::setGrades(const std::optional<GradeCounts>& grades)
{
    for (std::size_t grade = 0; grade < GPanel.size(); ++grade) {
        gradeCaptions[grade]->setVisible(grades.has_value());
        GPanel[grade]->setVisible(grades.has_value());
        if (grades)
            GPanel[grade]->setPanelText(QStringLiteral("%1問").arg((*grades)[grade]));
    }
    placeButtons(grades ? FigureRows + int(GPanel.size()) : FigureRows);
}

// The buttons sit below the last row shown, and the dialog ends below them.
void TFrmReport::placeButtons(int rows)
{
    const int top = FirstRowTop + rows * RowPitch;
    BitBtn1->move(56, top);
    BitBtn2->move(136, top);
    setFixedHeight(top + 29);
}

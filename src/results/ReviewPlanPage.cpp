#include "results/ReviewPlanPage.h"

#include "results/ReviewPlanDelegates.h"
#include "widgets/BevelPanel.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int CalendarCell = 13;
constexpr int BarRowHeight = 150;

// Every row in sight: the calendar's week and the retention's two periods are never scrolled.
void fitHeight(QTableView* view)
{
    view->setFixedHeight(view->horizontalHeader()->sizeHint().height() +
                         view->verticalHeader()->length() + 2 * view->frameWidth());
}

QLabel* captionOf(QWidget* control, const QString& text)
{
    auto* caption = new QLabel(text, control->parentWidget());
    caption->setBuddy(control);
    return caption;
}

} // namespace

ReviewPlanPage::ReviewPlanPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ReviewPlanPage"));
    ForecastView =
        table(QStringLiteral("ForecastView"), QStringLiteral("これから30日の期日"), &forecast);
    ForecastView->setItemDelegate(new DueBarDelegate(ForecastView));
    ForecastView->horizontalHeader()->setMinimumSectionSize(CalendarCell);
    ForecastView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ForecastView->verticalHeader()->setDefaultSectionSize(BarRowHeight);

    CalendarView =
        table(QStringLiteral("CalendarView"), QStringLiteral("この1年の復習"), &calendar);
    CalendarView->setItemDelegate(new ReviewHeatDelegate(CalendarView));
    CalendarView->setHorizontalHeader(new MonthHeader(CalendarView));
    CalendarView->setShowGrid(false);
    CalendarView->horizontalHeader()->setMinimumSectionSize(CalendarCell);
    CalendarView->horizontalHeader()->setDefaultSectionSize(CalendarCell);
    CalendarView->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft);
    CalendarView->verticalHeader()->setMinimumSectionSize(CalendarCell);
    CalendarView->verticalHeader()->setDefaultSectionSize(CalendarCell);
    CalendarView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    RetentionView = table(QStringLiteral("RetentionView"), QStringLiteral("正答率"), &retention);
    RetentionView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    RetentionView->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    RetentionView->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    RunPanel = new BevelPanel(this, QStringLiteral("RunPanel"));
    RunPanel->setCaption(QStringLiteral("期日の復習を終えた日の連続"));

    auto* figures = new QGridLayout;
    figures->addWidget(captionOf(RetentionView, QStringLiteral("正答率(&R)")), 0, 0);
    figures->addWidget(RetentionView, 1, 0, Qt::AlignTop);
    figures->addWidget(new QLabel(QStringLiteral("期日の復習を終えた日の連続"), this), 0, 1);
    figures->addWidget(RunPanel, 1, 1, Qt::AlignTop);
    figures->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(captionOf(ForecastView, QStringLiteral("これから30日の期日(&D)")));
    layout->addWidget(ForecastView);
    layout->addWidget(captionOf(CalendarView, QStringLiteral("この1年の復習(&Y)")));
    layout->addWidget(CalendarView);
    layout->addLayout(figures);
    layout->addStretch();
}

QTableView* ReviewPlanPage::table(const QString& name, const QString& spoken,
                                  QAbstractItemModel* model)
{
    auto* view = new QTableView(this);
    view->setObjectName(name);
    view->setAccessibleName(spoken);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return view;
}

void ReviewPlanPage::setPlan(const ReviewPlan& plan, QDate today)
{
    forecast.setDays(plan.dueByDay, today);
    calendar.setDays(plan.reviewsByDay, today);
    retention.setPlan(plan);
    RunPanel->setPanelText(ReviewPlanText::runText(plan));
    CalendarView->scrollTo(calendar.indexOf(today));
    for (QTableView* view : {CalendarView, RetentionView})
        fitHeight(view);
}

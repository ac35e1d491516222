#include "results/ReviewPlanDelegates.h"

#include "results/ReviewPlanModels.h"

#include <QPainter>

void DueBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const
{
    const int count = index.data().toInt();
    const int maximum = index.data(DueForecastModel::MaximumRole).toInt();
    const QRect cell = option.rect.adjusted(2, 2, -2, -2);
    const int numberHeight = option.fontMetrics.height();
    const int barSpace = std::max(0, cell.height() - numberHeight);
    const int barHeight = maximum == 0 ? 0 : barSpace * count / maximum;
    painter->save();
    if (option.state & QStyle::State_Selected)
        painter->fillRect(option.rect, option.palette.highlight().color().lighter(170));
    painter->fillRect(QRect(cell.left(), cell.bottom() - barHeight + 1, cell.width(), barHeight),
                      option.palette.highlight());
    painter->setPen(option.palette.text().color());
    painter->drawText(
        QRect(cell.left(), cell.bottom() - barHeight - numberHeight, cell.width(), numberHeight),
        Qt::AlignHCenter | Qt::AlignBottom, QString::number(count));
    painter->restore();
}

void ReviewHeatDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    if (!(index.flags() & Qt::ItemIsEnabled))
        return;
    const int heat = index.data(ReviewCalendarModel::HeatRole).toInt();
    QColor shade = option.palette.highlight().color();
    shade.setAlphaF(0.15 + 0.85 * heat / ReviewCalendarModel::HeatLevels);
    painter->save();
    const QRect cell = option.rect.adjusted(1, 1, -1, -1);
    painter->fillRect(cell, heat == 0 ? option.palette.alternateBase() : QBrush(shade));
    if (option.state & QStyle::State_HasFocus)
        painter->drawRect(cell.adjusted(0, 0, -1, -1));
    painter->restore();
}

void MonthHeader::paintEvent(QPaintEvent* event)
{
    QHeaderView::paintEvent(event);
    QPainter painter(viewport());
    painter.setPen(palette().windowText().color());
    for (int section = 0; section < count(); ++section) {
        const QString month =
            model()->headerData(section, orientation(), ReviewCalendarModel::MonthRole).toString();
        if (!month.isEmpty())
            painter.drawText(QRect(sectionViewportPosition(section) + 2, 0,
                                   fontMetrics().horizontalAdvance(month) + 4, height()),
                             Qt::AlignLeft | Qt::AlignVCenter, month);
    }
}

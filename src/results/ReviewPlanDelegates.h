#pragma once

#include <QHeaderView>
#include <QStyledItemDelegate>

// A due count drawn as a bar from the cell's foot, to the scale of the busiest day, with its
// number above it.
class DueBarDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// A calendar day filled in the shade of its number of reviews, the palette's highlight at the
// busiest; a day outside the calendar is left blank.
class ReviewHeatDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// The calendar's header: each month's name from the week it begins in, drawn over the narrow
// columns after it.
class MonthHeader : public QHeaderView
{
public:
    explicit MonthHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

#include "record/TFrmTimeOuts.h"

#include "help/HelpTopics.h"
#include "widgets/WindowParts.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TFrmTimeOuts::TFrmTimeOuts(QWidget* parent)
    : ProgramDialog(
          {QStringLiteral("TFrmTimeOuts"), HelpTopics::TimeOutsContext, Caption, {420, 260}, true},
          parent)
{

    ListView1 = new QTableView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setModel(&rows);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->horizontalHeader()->setStretchLastSection(true);
    ListView1->verticalHeader()->hide();
    ListView1->setAccessibleName(Caption);
    ListView1->setAccessibleDescription(QStringLiteral("違う文字は【】の中です"));

    BitBtn1 = WindowParts::glyphButton(this, QStringLiteral("BitBtn1"), QStyle::SP_DialogOkButton,
                                       QStringLiteral("OK"), {0, 0, 75, 25});
    BitBtn1->setDefault(true);
    BitBtn1->setFixedSize(75, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListView1);
    layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
}

void TFrmTimeOuts::setEntries(const QList<TimeOutEntry>& entries)
{
    rows.setEntries(entries);
    // A file without alternatives or readings has nothing but its answers to name.
    ListView1->setColumnHidden(TimeOutModel::FormColumn, !rows.anyOtherForm());
}

#include "platform/QtReportPrinter.h"

#include <QApplication>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

bool QtReportPrinter::print(const QString& documentName, const Pages& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    paint(printer);
    return true;
}

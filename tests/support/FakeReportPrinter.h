#pragma once

#include "platform/ReportPrinter.h"

#include <QBuffer>
#include <QList>
#include <QPdfWriter>

// A printer whose dialog answers with the next scripted answer (none left = Cancel) and prints
// into a PDF in memory, so a test reads back what would have gone to paper.
class FakeReportPrinter : public ReportPrinter
{
public:
    bool print(const QString& documentName, const Pages& paint) override
    {
        documentNames << documentName;
        if (answers.isEmpty() || !answers.takeFirst())
            return false;
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            paint(writer);
        }
        printed << buffer.data();
        return true;
    }

    QList<bool> answers;
    QStringList documentNames;
    QList<QByteArray> printed;
};

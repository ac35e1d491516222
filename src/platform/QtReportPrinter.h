#pragma once

#include "platform/ReportPrinter.h"

class QtReportPrinter : public ReportPrinter
{
public:
    bool print(const QString& documentName, const Pages& paint) override;
};

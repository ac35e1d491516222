#pragma once

#include "FakeReportPrinter.h"
#include "results/TFrmResults.h"

// The results window linked into the test, where the program loads it from its module, and
// printing to a scripted printer.
class LinkedResultsWindows : public ResultsWindowFactory
{
public:
    FakeReportPrinter fakePrinter;

    Made create(const ResultsWindow::Services& services, QWidget* parent) override
    {
        return {TFrmResults::make(services, fakePrinter, parent), {}};
    }

    Printer printer() override { return {&fakePrinter, {}}; }
};

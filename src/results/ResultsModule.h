#pragma once

#include "results/ResultsWindow.h"

// The results window from its module, which is loaded the first time a window is asked for and
// stays loaded.
class ResultsModule : public ResultsWindowFactory
{
public:
    explicit ResultsModule(QString modulePath);

    Made create(const ResultsWindow::Services& services, QWidget* parent) override;
    Printer printer() override;

private:
    QString modulePath;
};

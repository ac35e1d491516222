#include "results/ResultsModule.h"

#include "platform/ProgramModule.h"

#include <utility>

ResultsModule::ResultsModule(QString modulePath) : modulePath(std::move(modulePath)) {}

ResultsWindowFactory::Made ResultsModule::create(const ResultsWindow::Services& services,
                                                 QWidget* parent)
{
    QString error;
    ResultsWindowFactory* module = ProgramModule::load<ResultsWindowFactory>(modulePath, error);
    if (!module)
        return {nullptr, error};
    return module->create(services, parent);
}

ResultsWindowFactory::Printer ResultsModule::printer()
{
    QString error;
    ResultsWindowFactory* module = ProgramModule::load<ResultsWindowFactory>(modulePath, error);
    if (!module)
        return {nullptr, error};
    return module->printer();
}

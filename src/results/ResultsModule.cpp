#include "results/ResultsModule.h"

#include <QLibrary>

#include <utility>

ResultsModule::ResultsModule(QString modulePath) : modulePath(std::move(modulePath)) {}

ResultsWindowFactory::Made ResultsModule::create(const ResultsWindow::Services& services,
                                                 QWidget* parent)
{
    // The windows it made live on after this QLibrary ends: only unload() would unload it.
    QLibrary module(modulePath);
    auto make = reinterpret_cast<CreateResultsWindow>(module.resolve(CreateResultsWindowSymbol));
    if (!make)
        return {nullptr, module.errorString()};
    return {make(services, parent), {}};
}

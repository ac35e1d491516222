#include "platform/QtReportPrinter.h"
#include "results/TFrmResults.h"

namespace {

// It keeps nothing between prints, so one serves every window the module makes.
QtReportPrinter systemPrinter;

// What the module offers the program.
class ResultsModuleEntry : public QObject, public ResultsWindowFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TAZUNE_RESULTS_WINDOW_FACTORY_IID)
    Q_INTERFACES(ResultsWindowFactory)

public:
    Made create(const ResultsWindow::Services& services, QWidget* parent) override
    {
        return {TFrmResults::make(services, systemPrinter, parent), {}};
    }

    Printer printer() override { return {&systemPrinter, {}}; }
};

} // namespace

#include "ResultsModuleEntry.moc"

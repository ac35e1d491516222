#include "platform/QtReportPrinter.h"
#include "results/TFrmResults.h"

namespace {

// It keeps nothing between prints, so one serves every window the module makes.
QtReportPrinter systemPrinter;

} // namespace

extern "C" Q_DECL_EXPORT ResultsWindow*
tazune_createResultsWindow(const ResultsWindow::Services& services, QWidget* parent)
{
    return new TFrmResults(services.recorder, services.fileDialog, services.messageBox,
                           systemPrinter, parent);
}

#include "app/OnDemandWindows.h"

#include "import/TFrmImport.h"
#include "platform/MessageBox.h"
#include "record/GameRecorder.h"
#include "record/TFrmNotebook.h"
#include "record/TFrmTimeOuts.h"
#include "widgets/HelpKeys.h"

#include <QDialog>

OnDemandWindows::OnDemandWindows(const Services& services, QWidget* parent)
    : services(services), parent(parent)
{}

template <typename Window>
Window& OnDemandWindows::madeOnce(Window*& window, std::function<Window*()> make)
{
    if (!window) {
        window = make();
        HelpKeys::installOnDialog(window, services.helpViewer);
    }
    return *window;
}

TFrmNotebook& OnDemandWindows::notebook()
{
    return madeOnce<TFrmNotebook>(notebookWindow, [this] {
        return new TFrmNotebook(services.recorder.queries(), services.recorder, services.fileDialog,
                                services.messageBox, parent);
    });
}

TFrmTimeOuts& OnDemandWindows::timeOuts()
{
    return madeOnce<TFrmTimeOuts>(timeOutsWindow, [this] { return new TFrmTimeOuts(parent); });
}

TFrmImport& OnDemandWindows::import()
{
    return madeOnce<TFrmImport>(importWindow, [this] {
        return new TFrmImport(services.fileDialog, services.messageBox, parent);
    });
}

ResultsWindow* OnDemandWindows::results()
{
    if (!resultsWindow) {
        const ResultsWindowFactory::Made made =
            services.resultsWindows.create({services.recorder.queries(), services.fileDialog,
                                            services.messageBox, services.helpViewer},
                                           parent);
        if (!made.window) {
            services.messageBox.showError(ResultsUnavailableMessage.arg(made.error));
            return nullptr;
        }
        // It equips its own help keys, in the copy of the code its module links.
        resultsWindow = made.window;
    }
    return resultsWindow;
}

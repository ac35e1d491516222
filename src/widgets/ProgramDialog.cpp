#include "widgets/ProgramDialog.h"

#include "help/HelpRouting.h"
#include "widgets/JapaneseFont.h"
#include "widgets/WindowParts.h"

#include <QShowEvent>

ProgramDialog::ProgramDialog(const Frame& frame, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(frame.objectName);
    if (frame.helpContext > 0)
        HelpRouting::setContext(this, frame.helpContext);
    setWindowTitle(frame.title);
    setFont(JapaneseFont::ofPixelSize(12));
    if (frame.resizable) {
        resize(frame.size);
    } else {
        setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
        setFixedSize(frame.size);
    }
}

void ProgramDialog::showEvent(QShowEvent* event)
{
    // A window system that shows the dialog again, say after it was minimised, must neither move
    // it nor undo what the user changed in it.
    if (!event->spontaneous()) {
        WindowParts::centreOnScreen(this);
        FormShow();
    }
    QDialog::showEvent(event);
}

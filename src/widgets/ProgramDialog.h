#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

// What the program's dialogs share: a frame with title bar and close box, of a fixed size unless
// it shows a list the user may want to see more of, the name the tests and the help routing know
// it by, its help context, the program's font, and a place in the middle of the screen each time
// the program opens it.
class ProgramDialog : public QDialog
{
    Q_OBJECT

public:
    struct Frame
    {
        QString objectName;
        int helpContext = 0;
        QString title;
        QSize size;
        bool resizable = false;
    };

    ProgramDialog(const Frame& frame, QWidget* parent);

    // Runs each time the program opens the dialog, once it is centred; a dialog that copies its
    // values into its controls does it here.
    virtual void FormShow() {}

protected:
    void showEvent(QShowEvent* event) override;
};

#include "widgets/HelpKeys.h"

#include "help/HelpRouting.h"
#include "platform/HelpViewer.h"

#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>

namespace {

bool isPlainF1(const QEvent* event)
{
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier;
}

class MenuHelpKey : public QObject
{
public:
    MenuHelpKey(QMenu* menu, HelpViewer& viewer) : QObject(menu), menu(menu), viewer(viewer) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != menu)
            return false;
        if (event->type() == QEvent::ShortcutOverride && isPlainF1(event)) {
            // Claimed here, so the key reaches the menu instead of triggering "目次".
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress && isPlainF1(event)) {
            viewer.showContext(HelpRouting::contextOf(menu->activeAction()));
            return true;
        }
        return false;
    }

private:
    QMenu* menu;
    HelpViewer& viewer;
};

// The one way a dialog asks for help, F1 and its Help button alike.
class DialogHelpKey : public QObject
{
public:
    DialogHelpKey(QDialog* dialog, HelpViewer& viewer)
        : QObject(dialog), dialog(dialog), viewer(viewer)
    {
        auto* key = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
        connect(key, &QShortcut::activated, this,
                [this, dialog] { ask(dialog->focusWidget() ? dialog->focusWidget() : dialog); });
    }

    void ask(const QObject* from)
    {
        if (const int context = HelpRouting::contextAlongParents(from, dialog); context > 0)
            viewer.showContext(context);
    }

private:
    QDialog* dialog;
    HelpViewer& viewer;
};

} // namespace

namespace HelpKeys {

void installOnDialog(QDialog* dialog, HelpViewer& viewer)
{
    new DialogHelpKey(dialog, viewer);
}

void ask(const QWidget* control)
{
    for (QObject* child : control->window()->children()) {
        if (auto* key = dynamic_cast<DialogHelpKey*>(child))
            key->ask(control);
    }
}

void installOnMenu(QMenu* menu, HelpViewer& viewer)
{
    menu->installEventFilter(new MenuHelpKey(menu, viewer));
}

} // namespace HelpKeys

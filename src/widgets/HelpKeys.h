#pragma once

class HelpViewer;
class QDialog;
class QMenu;
class QWidget;

// F1 where the main window's own F1 does not reach. Each key press sends exactly one request.
namespace HelpKeys {

// F1 in the dialog asks for the context along the focus chain, from the control that has the
// focus up to the dialog; a dialog without a context (About) sends nothing. A dialog is equipped
// once: a second F1 shortcut would leave the key ambiguous, and then it sends nothing.
void installOnDialog(QDialog* dialog, HelpViewer& viewer);

// What F1 on the control asks for, sent the same way: a dialog's Help button uses it. Nothing is
// sent from a dialog that installOnDialog has not equipped. It finds only what this copy of the
// code installed: a module links its own copy, so a dialog made in a module is equipped there,
// with the viewer the program hands the module, and not by the program.
void ask(const QWidget* control);

// F1 while the menu is open asks for the highlighted item's own context, 0 for an item that
// carries none; the window's F1 shortcut does not act on top of it.
void installOnMenu(QMenu* menu, HelpViewer& viewer);

} // namespace HelpKeys

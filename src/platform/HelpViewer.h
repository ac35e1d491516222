#pragma once

#include "platform/Outcome.h"

#include <QString>

// The help viewer: a program of its own that shows the manual. Requests return at once and never
// wait for the viewer. A request that could not be passed on says why, for the caller's sake
// only: the program never reports it to the user, and a viewer that cannot be shown simply shows
// nothing.
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;

    // Opens the manual at the topic of a window's help context. A context without a topic
    // (0 from a menu item that carries none, or any other unknown number) opens the start page
    // with the table of contents beside it.
    virtual Outcome<QString> showContext(int context) = 0;

    // Shows the manual's table of contents and its keyword index, the index in front, so that
    // the user can look a word up.
    virtual Outcome<QString> showFinder() = 0;
};

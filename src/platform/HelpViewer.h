#pragma once

// The help viewer: a program of its own that shows the manual. Requests return at once, never
// wait for the viewer and never report anything to the user; a viewer that cannot be shown
// simply shows nothing.
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;

    // Opens the manual at the topic of a window's help context. A context without a topic
    // (0 from a menu item that carries none, or any other unknown number) opens the start page
    // with the table of contents beside it.
    virtual void showContext(int context) = 0;

    // Shows the manual's table of contents and its keyword index, the index in front, so that
    // the user can look a word up.
    virtual void showFinder() = 0;
};

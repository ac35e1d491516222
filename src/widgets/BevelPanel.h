#pragma once

#include <QLabel>

// A sunken, window-coloured panel showing one line of plain text: the look of the status,
// question and figure lines. Plain text, because questions and paths are data, not markup.
class BevelPanel : public QLabel
{
    Q_OBJECT

public:
    explicit BevelPanel(QWidget* parent, const QString& objectName);

    // What the panel shows, as a screen reader tells it: the caption beside the panel.
    void setCaption(const QString& caption);

    // Shows text, which a screen reader reads as the panel's name. Writing the text already
    // shown leaves the panel alone, so a per-tick write does not repaint it.
    void setPanelText(const QString& text);
};

#include "widgets/BevelPanel.h"

BevelPanel::BevelPanel(QWidget* parent, const QString& objectName) : QLabel(parent)
{
    setObjectName(objectName);
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
}

void BevelPanel::setCaption(const QString& caption)
{
    setAccessibleDescription(caption);
}

void BevelPanel::setPanelText(const QString& text)
{
    if (this->text() == text)
        return;
    setText(text);
    // Set even though a label's name defaults to its text: only a set name is announced as
    // changed.
    setAccessibleName(text);
}

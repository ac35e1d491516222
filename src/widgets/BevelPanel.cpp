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

void BevelPanel::setPanelText(const QString& text)
{
    if (this->text() != text)
        setText(text);
}

#pragma once

#include "platform/MessageBox.h"

class QtMessageBox : public MessageBox
{
public:
    void showError(const QString& message) override;
    void tell(const QString& message) override;
    bool confirm(const QString& question) override;
    std::optional<QString> askText(const QString& question, const QString& preset) override;
};

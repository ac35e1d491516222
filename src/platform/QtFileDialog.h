#pragma once

#include "platform/FileDialog.h"

class QtFileDialog : public FileDialog
{
public:
    std::optional<QString> getOpenFileName(const OpenFileRequest& request) override;
    std::optional<ChosenFile> getSaveFileName(const SaveFileRequest& request) override;
};

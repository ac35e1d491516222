#pragma once

#include "platform/FileDialog.h"

namespace QuestionFile {

// What the main window and the editor ask the file dialog for to open a question file: the same
// title and filters, and only a file that exists.
OpenFileRequest openRequest();

} // namespace QuestionFile

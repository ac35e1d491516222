#pragma once

#include <QString>

namespace HelpFile {

// The help collection beside the executable: its full path with the extension replaced by
// ".qhc", or ".qhc" appended when the name has none. Renaming the program renames its help.
QString pathFor(const QString& executablePath);

} // namespace HelpFile

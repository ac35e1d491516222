#pragma once

#include <QString>

namespace HelpFile {

// The help collection beside the executable: its full path with the extension replaced by
// ".qhc", or ".qhc" appended when the name has none. Renaming the program renames its help.
QString pathFor(const QString& executablePath);

// The installed help collection of an executable in <prefix>/bin: the file of the same name as
// pathFor's in <prefix>/share/tazune, the prefix being the parent of the executable's folder.
QString installedPathFor(const QString& executablePath);

// The collection the help viewer opens: the one beside the executable, which a build puts there,
// else the installed one; when neither exists, the one beside the executable.
QString collectionFor(const QString& executablePath);

} // namespace HelpFile

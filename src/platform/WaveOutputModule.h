#pragma once

#include <QString>

namespace WaveOutputModule {

// The sound module the program loads: the one beside the executable, which a build puts there,
// else the installed one in <prefix>/lib/tazune, the prefix being the parent of the executable's
// folder; when neither exists, the one beside the executable.
QString pathFor(const QString& executablePath);

} // namespace WaveOutputModule

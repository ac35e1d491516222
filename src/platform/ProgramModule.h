#pragma once

#include <QString>

// The modules the program loads once it needs them: the sound output, and the results window
// with its chart and printing. Linked into the program, their libraries would be mapped and
// resolved before the first window shows.
namespace ProgramModule {

QString soundFileName();
QString resultsWindowFileName();

// The module of that file name the program loads: the one beside the executable, which a build
// puts there, else the installed one in <prefix>/lib/tazune, the prefix being the parent of the
// executable's folder; when neither exists, the one beside the executable.
QString pathFor(const QString& executablePath, const QString& fileName);

} // namespace ProgramModule

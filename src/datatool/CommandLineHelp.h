#pragma once

#include "language/Language.h"

#include <QString>

// What `tazune-data --help` says of the tool before its options: the commands, what each
// reads and writes, and the exit codes, in the language of the messages.
QString toolDescription(Language language);

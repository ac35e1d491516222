#pragma once

#include "media/SoundEffects.h"
#include "settings/DrillSettings.h"

class QDir;

// The event sounds the settings name. The mistake sound is stored for the user but no event plays
// it. A relative path names a file in the program's folder, as a question file's does; the empty
// path stays no file.
SoundEffects::EventFiles eventSoundFiles(const DrillSettings& settings, const QDir& programFolder);

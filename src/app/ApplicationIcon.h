#pragma once

#include <QIcon>

namespace ApplicationIcon {

// Tazune's icon from the drawings built into the program, one per size; a size between two is
// the next larger drawing scaled down. Each drawing is decoded when first drawn, and a window
// system is offered 16, 32, 64 and 128 pixels, so that a new window decodes only those.
QIcon create();

} // namespace ApplicationIcon

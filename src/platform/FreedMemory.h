#pragma once

// Memory the program has freed is kept by the C library for the next allocations: after a window
// over a large record closes, tens of megabytes of small blocks would stay with the process.
namespace FreedMemory {

// Hands what is free back to the system; a few milliseconds, so called when a large window has
// closed rather than on every release.
void giveBack();

} // namespace FreedMemory

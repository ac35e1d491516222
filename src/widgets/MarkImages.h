#pragma once

#include <QPixmap>

// The two 33 × 33 marks of the mark box, drawn rather than shipped so they stay crisp.
namespace MarkImages {

QPixmap timeOutCross();  // a red diagonal cross on white
QPixmap correctCircle(); // a blue circle on white

} // namespace MarkImages

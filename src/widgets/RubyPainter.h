#pragma once

#include "readings/RubyText.h"

#include <QFont>
#include <QRect>

class QPainter;

// A line of text with its readings above it, as the question line and the printed worksheet draw
// it: each reading at half the base's size, centred over its piece, a piece widened to its
// reading when the reading is the wider. The line is as tall with readings as without, so that a
// line does not jump between questions that have them and questions that do not.
namespace RubyPainter {

QFont rubyFont(const QFont& base);
// The room the readings take above the base.
int rubyHeight(const QFont& base);
// The whole line: the readings' room and the base's own height.
int lineHeight(const QFont& base);
int width(const RubySegments& segments, const QFont& base);

// Paints the line in the rectangle, aligned as asked across it and with the base at its foot; the
// painter's pen colours both base and readings.
void paint(QPainter& painter, const QRect& rect, const RubySegments& segments, const QFont& base,
           Qt::Alignment alignment);

} // namespace RubyPainter

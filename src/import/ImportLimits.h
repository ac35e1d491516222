#pragma once

#include <QtGlobal>

// Everything the readers accept, in one place. A source beyond any of these is refused with an
// error naming the limit, before the reader allocates for it; together they keep one import
// below 64 MB of any single allocation, whatever the file claims about itself.
namespace ImportLimits {

// A text export, a pasted list or a vocabulary file is read whole; as UTF-16 it takes twice this.
inline constexpr qint64 MaxTextFileSize = 16 * 1024 * 1024;

// The collection inside a package is inflated to a temporary file in small pieces, never into
// memory; an entry that declares or inflates to more than this is refused as a zip bomb.
inline constexpr qint64 MaxCollectionSize = 512 * 1024 * 1024;
// A collection shrinks to a fifth or so; what grows a hundredfold is a bomb, refused as soon as
// the first megabyte shows it.
inline constexpr qint64 MaxInflationRatio = 100;
inline constexpr qint64 InflationCheckedFrom = 1024 * 1024;

// One field of one note, in bytes as stored (HTML included).
inline constexpr qint64 MaxFieldSize = 256 * 1024;

inline constexpr qint64 MaxNoteCount = 500'000;
inline constexpr int MaxFieldCount = 64;

// Any one value of a collection (a note's fields together, its tags, the note types' JSON). The
// collection's database refuses a longer one from the length its record states, before it reads
// or allocates for it.
inline constexpr qint64 MaxCollectionValueSize = MaxFieldSize * MaxFieldCount;

// Nesting of XML elements; lessons nest inside it.
inline constexpr int MaxXmlDepth = 64;

} // namespace ImportLimits

#pragma once

// When the question wears its reading: never, always, or on a pair only once the learner has
// missed it.
enum class Furigana
{
    Never,
    Always,
    AfterMiss
};

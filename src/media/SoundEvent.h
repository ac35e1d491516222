#pragma once

// The drill's moments that have a sound of their own.
enum class SoundEvent
{
    Correct,
    TimeOut
};

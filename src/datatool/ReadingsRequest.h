#pragma once

#include <QString>

// A run of tazune-data readings propose, as the command line asks for it.
struct ReadingsRequest
{
    QString file; // the question file
    bool checkOnly = false;
};

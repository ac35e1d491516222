#pragma once

#include "results/CsvText.h"

#include <QString>
#include <QStringList>

#include <optional>

// A run of tazune-data results, as the command line asks for it.
struct ResultsRequest
{
    enum class Action
    {
        Export,
        Merge
    };

    Action action = Action::Export;
    QStringList inputs; // the results tables to merge
    // Empty for standard output.
    QString output;
    // Where merge writes the most missed pairs, and the class report as a PDF; empty for nowhere.
    QString missed;
    QString pdf;
    CsvText::Encoding encoding = CsvText::Encoding::Utf8;
    bool force = false;
    // What export reads: the games of one file and level, or of all; the learner's name, or the
    // stored one; the record at a path, or the program's.
    std::optional<QString> file;
    std::optional<int> level;
    std::optional<QString> name;
    QString record;
};

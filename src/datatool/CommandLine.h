#pragma once

#include "datatool/AssignmentRequest.h"
#include "datatool/ReadingsRequest.h"
#include "datatool/ResultsRequest.h"
#include "datatool/ScheduleRequest.h"
#include "language/Language.h"
#include "tables/Table.h"
#include "worksheet/WorksheetContent.h"

#include <QString>
#include <QStringList>

#include <optional>

enum class Command
{
    Import,
    Export,
    Check,
    Worksheet
};

// Where import takes its pairs from; detected from the file when the command line does not say.
enum class ImportSource
{
    Detect,
    Table,
    AnkiText,
    AnkiPackage,
    Kvtml,
    Quizlet
};

enum class ExportFormat
{
    Table,
    AnkiText
};

// One run of the tool, as the command line asks for it.
struct Request
{
    Command command = Command::Check;
    QString input;
    // Empty for check, and for export to standard output.
    QString output;
    TableFormat format = TableFormat::Tsv;
    // Import detects the encoding when none is given; export writes UTF-8.
    std::optional<TableEncoding> encoding;
    bool header = false;
    bool force = false;
    ImportSource from = ImportSource::Detect;
    // A deck's fields by name or number from 1, and what gives the level: "deck", "tag" or a
    // level; empty for the first two fields, all to the first level.
    QString question;
    QString answer;
    QString levelBy;
    bool keepLineBreaks = false;
    // Between term and definition and between cards of a pasted list; empty for tab and newline.
    QString termSeparator;
    QString cardSeparator;
    ExportFormat to = ExportFormat::Table;
    // The worksheet's level, readings, number of questions (0 for all) and the seed of their
    // draw (a new one every run when not given).
    int level = 0;
    WorksheetFurigana furigana = WorksheetFurigana::None;
    int count = 0;
    std::optional<quint32> seed;
};

// Exit codes of the tool.
enum ExitCode
{
    ExitDone = 0,
    ExitFailed = 1,
    ExitUsage = 2
};

// Either work to do (a request, a results, schedule, readings or assignment request), or a text to
// print and leave with: the help or the version (ExitDone on standard output) or a usage error
// (ExitUsage on standard error).
class QCommandLineOption;
class QCommandLineParser;

struct CommandLineOutcome
{
    std::optional<Request> request;
    QString text;
    ExitCode exitCode = ExitDone;
    std::optional<ResultsRequest> results;
    std::optional<ScheduleRequest> schedule;
    std::optional<ReadingsRequest> readings;
    std::optional<AssignmentRequest> assignment;
};

CommandLineOutcome parseCommandLine(const QStringList& arguments, Language language);

// Whether the command line may ask for a worksheet, which needs fonts and so Qt Gui.
bool asksForWorksheet(const QStringList& arguments);

// A command line refused: the reason, and where the help of the command (e.g. "tazune-data
// schedule") is found.
CommandLineOutcome usageError(const QString& message, const QString& command, Language language);

// The help or the version, to print and leave with, when the parsed command line asks for either.
std::optional<CommandLineOutcome> helpOrVersion(const QCommandLineParser& parser,
                                                const QCommandLineOption& help,
                                                const QCommandLineOption& version);

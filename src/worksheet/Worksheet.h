#pragma once

#include "platform/Outcome.h"
#include "worksheet/WorksheetContent.h"

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;

// The worksheet on paper: a title with the file and the level and a line for the learner's name,
// then the questions numbered, each with its readings as chosen and a ruled box to write the
// answer in, as many pages as it takes, each numbered. Painted on Qt Gui alone, so that
// tazune-data writes it without a window and the program prints it through its printer dialog.
namespace Worksheet {

// The document's title: what the worksheet is, the file and the level.
QString title(const WorksheetContent& content);

void paint(QPagedPaintDevice& device, const WorksheetContent& content);

// On A4 paper, as the bytes of a PDF file.
QByteArray pdf(const WorksheetContent& content);

// The PDF file written at path, replacing any file there only once all of it is on disk; a failure
// carries the file system's reason.
Outcome<QString> writePdf(const QString& path, const WorksheetContent& content);

} // namespace Worksheet

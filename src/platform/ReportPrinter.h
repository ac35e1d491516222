#pragma once

#include <QString>

#include <functional>

class QPagedPaintDevice;

// Where a printed report goes: the system's print dialog, then the printer the user chose there.
class ReportPrinter
{
public:
    using Pages = std::function<void(QPagedPaintDevice& device)>;

    virtual ~ReportPrinter() = default;
    // Asks for a printer and paints the pages on it, A4 unless the user chose otherwise; false
    // when the user cancelled.
    virtual bool print(const QString& documentName, const Pages& paint) = 0;
};

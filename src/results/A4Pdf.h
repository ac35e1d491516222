#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QPagedPaintDevice;

// The reports of the results as PDF: A4 portrait pages with margins of 15 mm, painted by the
// report itself, the title in the file's document information.
namespace A4Pdf {

QByteArray write(const QString& title, const std::function<void(QPagedPaintDevice&)>& paint);

} // namespace A4Pdf

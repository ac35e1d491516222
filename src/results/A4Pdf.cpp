#include "results/A4Pdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace A4Pdf {

QByteArray write(const QString& title, const std::function<void(QPagedPaintDevice&)>& paint)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        // The writer finishes the file when it ends.
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        writer.setTitle(title);
        paint(writer);
    }
    return buffer.data();
}

} // namespace A4Pdf

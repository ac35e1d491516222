#include "import/DeckSource.h"

#include "import/AnkiPackageReader.h"
#include "import/AnkiTextReader.h"
#include "import/ImportLimits.h"
#include "import/KvtmlReader.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 StartSize = 4096;

bool hasSuffix(const QString& path, const char* suffix)
{
    return QFileInfo(path).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<DeckFormat> detectFormat(const QString& path, QByteArrayView start)
{
    if (looksLikeZip(start) || hasSuffix(path, "apkg") || hasSuffix(path, "colpkg"))
        return DeckFormat::AnkiPackage;
    if (looksLikeKvtml(start) || hasSuffix(path, "kvtml"))
        return DeckFormat::Kvtml;
    if (looksLikeAnkiText(start))
        return DeckFormat::AnkiText;
    return std::nullopt;
}

QByteArray startOfFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(StartSize);
}

DeckResult readDeckFile(const QString& path, DeckFormat format, const DeckReadOptions& options)
{
    using Kind = ImportError::Kind;
    const QFileInfo info(path);
    if (!info.isFile())
        return {{}, ImportError{Kind::CannotOpen, {}, std::nullopt}};
    if (format == DeckFormat::AnkiPackage)
        return readAnkiPackage(path, options.lineBreaks);
    if (info.size() > ImportLimits::MaxTextFileSize)
        return {{},
                ImportError{Kind::FileTooLarge, QString::number(ImportLimits::MaxTextFileSize),
                            std::nullopt}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, ImportError{Kind::CannotOpen, file.errorString(), std::nullopt}};
    const QByteArray bytes = file.read(ImportLimits::MaxTextFileSize + 1);
    switch (format) {
    case DeckFormat::AnkiText:
        return readAnkiText(bytes, options.lineBreaks);
    case DeckFormat::Kvtml:
        return readKvtml(bytes);
    case DeckFormat::Quizlet:
        if (!bytes.isValidUtf8())
            return {{}, ImportError{Kind::InvalidUtf8, {}, std::nullopt}};
        return readQuizlet(QString::fromUtf8(bytes), options.quizlet);
    case DeckFormat::AnkiPackage:
        break;
    }
    return readAnkiPackage(path, options.lineBreaks);
}

#include "import/AnkiArchive.h"

#include "import/ImportLimits.h"

#include <QFile>

#include <zip.h>
#include <zstd.h>

#include <memory>

namespace {

using Kind = ImportError::Kind;

constexpr qint64 ChunkSize = 64 * 1024;
// zstd's window is allocated whole; 32 MB holds what the other program writes by a wide margin.
constexpr int MaxZstdWindowLog = 25;

ImportError tooLarge(const char* entry)
{
    return {Kind::EntryTooLarge, QLatin1String(entry), std::nullopt};
}

struct ZipCloser
{
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser
{
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
struct ZstdCloser
{
    void operator()(ZSTD_DCtx* context) const { ZSTD_freeDCtx(context); }
};
using Zip = std::unique_ptr<zip_t, ZipCloser>;

// Copies one entry into the temporary file, inflating zstd on the way when asked; the declared
// size and the bytes really coming out are both held to the limit.
std::optional<ImportError> extract(zip_t* archive, zip_int64_t index, const char* name, bool zstd,
                                   QFile& into)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, zip_uint64_t(index), 0, &stat) != 0)
        return ImportError{Kind::DamagedEntry, QString::fromUtf8(zip_strerror(archive)), {}};
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > zip_uint64_t(ImportLimits::MaxCollectionSize))
        return tooLarge(name);
    const qint64 compressed =
        (stat.valid & ZIP_STAT_COMP_SIZE) ? std::max<qint64>(qint64(stat.comp_size), 1) : 1;
    const auto bomb = [compressed](qint64 written) {
        return written > ImportLimits::MaxCollectionSize ||
               (written > ImportLimits::InflationCheckedFrom &&
                written / compressed > ImportLimits::MaxInflationRatio);
    };
    const std::unique_ptr<zip_file_t, EntryCloser> entry(
        zip_fopen_index(archive, zip_uint64_t(index), 0));
    if (!entry)
        return ImportError{Kind::DamagedEntry, QString::fromUtf8(zip_strerror(archive)), {}};
    std::unique_ptr<ZSTD_DCtx, ZstdCloser> context;
    if (zstd) {
        context.reset(ZSTD_createDCtx());
        ZSTD_DCtx_setParameter(context.get(), ZSTD_d_windowLogMax, MaxZstdWindowLog);
    }
    QByteArray in(ChunkSize, Qt::Uninitialized);
    QByteArray out(zstd ? qsizetype(ZSTD_DStreamOutSize()) : 0, Qt::Uninitialized);
    qint64 written = 0;
    size_t lastZstdResult = 0;
    for (;;) {
        const zip_int64_t read = zip_fread(entry.get(), in.data(), zip_uint64_t(in.size()));
        if (read < 0)
            return ImportError{
                Kind::DamagedEntry, QString::fromUtf8(zip_file_strerror(entry.get())), {}};
        if (read == 0)
            break;
        if (!zstd) {
            written += read;
            if (bomb(written))
                return tooLarge(name);
            if (into.write(in.constData(), read) != read)
                return ImportError{Kind::CannotOpen, into.errorString(), {}};
            continue;
        }
        ZSTD_inBuffer input{in.constData(), size_t(read), 0};
        while (input.pos < input.size) {
            ZSTD_outBuffer output{out.data(), size_t(out.size()), 0};
            lastZstdResult = ZSTD_decompressStream(context.get(), &output, &input);
            if (ZSTD_isError(lastZstdResult))
                return ImportError{
                    Kind::DamagedEntry, QString::fromUtf8(ZSTD_getErrorName(lastZstdResult)), {}};
            written += qint64(output.pos);
            if (bomb(written))
                return tooLarge(name);
            if (into.write(out.constData(), qint64(output.pos)) != qint64(output.pos))
                return ImportError{Kind::CannotOpen, into.errorString(), {}};
        }
    }
    if (zstd && lastZstdResult != 0)
        return ImportError{Kind::DamagedEntry, QStringLiteral("truncated zstd frame"), {}};
    if (!into.flush())
        return ImportError{Kind::CannotOpen, into.errorString(), {}};
    return std::nullopt;
}

std::optional<ImportError> extractNewest(zip_t* archive, QFile& into)
{
    struct Candidate
    {
        const char* name;
        bool zstd;
    };
    for (const Candidate candidate :
         {Candidate{"collection.anki21b", true}, Candidate{"collection.anki21", false},
          Candidate{"collection.anki2", false}}) {
        const zip_int64_t index = zip_name_locate(archive, candidate.name, 0);
        if (index >= 0)
            return extract(archive, index, candidate.name, candidate.zstd, into);
    }
    return ImportError{Kind::NotAnAnkiPackage, {}, std::nullopt};
}

ImportError zipError(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return {code == ZIP_ER_NOZIP ? Kind::NotAZip : Kind::DamagedEntry, text, std::nullopt};
}

} // namespace

namespace AnkiArchive {

std::optional<ImportError> extractCollection(const QString& path, QFile& into)
{
    int code = 0;
    const Zip archive(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code));
    if (!archive)
        return zipError(code);
    return extractNewest(archive.get(), into);
}

std::optional<ImportError> extractCollection(QByteArrayView bytes, QFile& into)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(bytes.data(), zip_uint64_t(bytes.size()), 0, &error);
    if (!source) {
        zip_error_fini(&error);
        return ImportError{Kind::CannotOpen, QStringLiteral("zip"), std::nullopt};
    }
    const Zip archive(zip_open_from_source(source, ZIP_RDONLY, &error));
    if (!archive) {
        const int code = zip_error_code_zip(&error);
        zip_source_free(source);
        zip_error_fini(&error);
        return zipError(code);
    }
    zip_error_fini(&error);
    return extractNewest(archive.get(), into);
}

} // namespace AnkiArchive

#include "speech/SpeechCache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

QString SpeechCache::standardFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/tazune/speech");
}

SpeechCache::SpeechCache(QString folder, qint64 limitBytes)
    : where(std::move(folder)), limit(limitBytes)
{}

QString SpeechCache::keyOf(const QString& text, const QString& voice, double speed)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(text.toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(voice.toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(QByteArray::number(speed, 'f', 2));
    return QString::fromLatin1(hash.result().toHex().left(40)) + QStringLiteral(".wav");
}

QString SpeechCache::pathOf(const QString& key) const
{
    return where + QLatin1Char('/') + key;
}

QString SpeechCache::find(const QString& key) const
{
    const QString path = pathOf(key);
    QFile file(path);
    if (!file.exists() || file.size() == 0)
        return {};
    // The time of last use decides what goes first when the folder is trimmed.
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
    return path;
}

bool SpeechCache::prepare() const
{
    if (!QDir().mkpath(where))
        return false;
    QTemporaryFile probe(where + QStringLiteral("/probe-XXXXXX"));
    return probe.open();
}

void SpeechCache::trim() const
{
    const QFileInfoList files =
        QDir(where).entryInfoList({QStringLiteral("*.wav")}, QDir::Files, QDir::Time);
    qint64 total = 0;
    for (const QFileInfo& file : files) {
        total += file.size();
        if (total > limit)
            QFile::remove(file.absoluteFilePath());
    }
}

#include "proposal/MecabAnalyser.h"

#include "proposal/KanaAnchors.h"
#include "proposal/KanaText.h"

#include <QList>

#include <mecab.h>

namespace {

// The dictionary's features: part of speech (four fields), conjugation (two), base form, reading,
// pronunciation. The reading spells long vowels out (トウキョウ) where the pronunciation has ー.
constexpr qsizetype ReadingField = 7;

std::optional<QString> readingOf(const QString& surface, const QByteArray& feature)
{
    if (!KanaText::hasKanji(surface))
        return KanaText::toHiragana(surface);
    const QList<QByteArray> fields = feature.split(',');
    if (fields.size() <= ReadingField || fields[ReadingField] == "*")
        return std::nullopt;
    const QString reading = KanaText::toHiragana(QString::fromUtf8(fields[ReadingField]));
    if (!KanaAnchors::align(surface, reading))
        return std::nullopt;
    return reading;
}

} // namespace

MecabAnalyser::MecabAnalyser(mecab_t* tagger) : tagger(tagger) {}

MecabAnalyser::~MecabAnalyser()
{
    mecab_destroy(tagger);
}

std::unique_ptr<MecabAnalyser> MecabAnalyser::open(const QString& dictionaryFolder, QString& error)
{
    // No resource file: the dictionary is named here, not taken from the system's choice.
    const QByteArray arguments = "-r /dev/null -d " + dictionaryFolder.toLocal8Bit();
    mecab_t* tagger = mecab_new2(arguments.constData());
    if (!tagger) {
        error = QString::fromLocal8Bit(mecab_strerror(nullptr));
        return nullptr;
    }
    return std::unique_ptr<MecabAnalyser>(new MecabAnalyser(tagger));
}

std::optional<QString> MecabAnalyser::read(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    QString reading;
    for (const mecab_node_t* node = mecab_sparse_tonode2(tagger, utf8.constData(), utf8.size());
         node; node = node->next) {
        if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE)
            continue;
        const QString surface = QString::fromUtf8(node->surface, node->length);
        const std::optional<QString> part = readingOf(surface, QByteArray(node->feature));
        if (!part)
            return std::nullopt;
        reading += *part;
    }
    return reading;
}

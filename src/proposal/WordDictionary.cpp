#include "proposal/WordDictionary.h"

#include "proposal/KanaText.h"

#include <QFile>
#include <QStringDecoder>

namespace {

void add(WordDictionary::Entry& entry, const QString& reading, bool common)
{
    if (entry.readings.contains(reading))
        return;
    if (common)
        entry.readings.insert(entry.common++, reading);
    else
        entry.readings.append(reading);
}

} // namespace

WordDictionary WordDictionary::parse(QStringView text)
{
    WordDictionary dictionary;
    for (QStringView line : text.tokenize(u'\n')) {
        const qsizetype open = line.indexOf(u" [");
        const qsizetype close = line.indexOf(u"] /");
        if (open <= 0 || close <= open)
            continue;
        const QStringView headword = line.left(open);
        if (!KanaText::hasKanji(headword))
            continue;
        const bool common = line.mid(close).contains(u"/(P)/");
        add(dictionary.entries[headword.toString()],
            line.mid(open + 2, close - open - 2).toString(), common);
    }
    return dictionary;
}

std::optional<WordDictionary> WordDictionary::read(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + QStringLiteral(": ") + file.errorString();
        return std::nullopt;
    }
    QStringDecoder eucJp("EUC-JP");
    if (!eucJp.isValid()) {
        error = path + QStringLiteral(": no EUC-JP decoder");
        return std::nullopt;
    }
    const QString text = eucJp.decode(file.readAll());
    return parse(text);
}

std::optional<WordDictionary::Entry> WordDictionary::find(QStringView word) const
{
    const auto found = entries.constFind(word.toString());
    if (found == entries.constEnd())
        return std::nullopt;
    return *found;
}

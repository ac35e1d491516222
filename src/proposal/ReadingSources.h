#pragma once

#include <QString>

// The files the analysers and the dictionary are read from, as Debian installs them.
struct ReadingSources
{
    QString analyserDictionary = QStringLiteral("/var/lib/mecab/dic/ipadic-utf8");
    QString secondAnalyserDictionary = QStringLiteral("/usr/share/kakasi/kanwadict");
    QString wordDictionary = QStringLiteral("/usr/share/edict/edict");
};

// The packages that bring each of them, named when one is missing.
namespace ReadingPackages {
inline const QString AnalyserDictionary = QStringLiteral("mecab-ipadic-utf8");
inline const QString SecondAnalyserDictionary = QStringLiteral("kakasi-dic");
inline const QString WordDictionary = QStringLiteral("edict");
inline const QString Libraries = QStringLiteral("libmecab2 libkakasi2");
} // namespace ReadingPackages

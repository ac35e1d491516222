#pragma once

#include <QString>

// Which program speaks, from what this machine has: the Japanese synthesiser with its dictionary
// and a voice, else the kana-only one, else none; with what the learner is told to install.
enum class Synthesiser
{
    OpenJTalk,
    EspeakKana,
    None
};

// What was found on the machine; the paths are empty for what is missing.
struct InstalledSpeech
{
    QString openJTalk;
    QString dictionary;
    QString voice;
    // Why the voice file named in the settings is not a voice; empty when it is one or none
    // was named.
    QString voiceFault;
    QString espeak;
};

struct SynthesiserChoice
{
    Synthesiser synthesiser = Synthesiser::None;
    // What to install for kanji to be read, or for any speech; empty when nothing is missing.
    QString missing;

    // The choice for what is installed.
    static SynthesiserChoice of(const InstalledSpeech& installed);
};

namespace SpeechPrograms {

inline const QString DictionaryFolder = QStringLiteral("/var/lib/mecab/dic/open-jtalk/naist-jdic");
inline const QString PackagedVoice =
    QStringLiteral("/usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice");

// Looks for the programs, the dictionary and the voice: the named one, else the packaged one.
InstalledSpeech find(const QString& namedVoice);

// Why path is not a voice the synthesiser can load; empty when it is one.
QString voiceFault(const QString& path);

} // namespace SpeechPrograms

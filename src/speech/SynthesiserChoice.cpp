#include "speech/SynthesiserChoice.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

const QString VoicePackage = QStringLiteral("hts-voice-nitech-jp-atr503-m001");
const QString SynthesiserPackages = QStringLiteral("open-jtalk open-jtalk-mecab-naist-jdic");

} // namespace

SynthesiserChoice SynthesiserChoice::of(const InstalledSpeech& installed)
{
    const bool synthesiser = !installed.openJTalk.isEmpty() && !installed.dictionary.isEmpty();
    const bool voice = !installed.voice.isEmpty() && installed.voiceFault.isEmpty();
    if (synthesiser && voice)
        return {Synthesiser::OpenJTalk, {}};
    QString missing;
    if (!installed.voiceFault.isEmpty())
        missing = installed.voiceFault + QLatin1Char('\n');
    if (!synthesiser)
        missing += QStringLiteral("漢字を読み上げるには %1 と声 (%2) をインストールしてください。")
                       .arg(SynthesiserPackages, VoicePackage);
    else
        missing += QStringLiteral("漢字を読み上げるには声 (%1) をインストールするか、設定で "
                                  ".htsvoice ファイルを選んでください。")
                       .arg(VoicePackage);
    if (!installed.espeak.isEmpty())
        return {Synthesiser::EspeakKana, missing + QStringLiteral("今はかなだけを読み上げます。")};
    return {Synthesiser::None,
            missing + QStringLiteral("かなだけなら espeak-ng でも読み上げられます。")};
}

namespace SpeechPrograms {

QString voiceFault(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("声のファイル %1 を開けません。").arg(path);
    // Every voice begins with its global section.
    if (!file.read(8).startsWith("[GLOBAL]"))
        return QStringLiteral("%1 は声のファイル (.htsvoice) ではありません。").arg(path);
    return {};
}

InstalledSpeech find(const QString& namedVoice)
{
    InstalledSpeech found;
    found.openJTalk = QStandardPaths::findExecutable(QStringLiteral("open_jtalk"));
    found.espeak = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
    if (QDir(DictionaryFolder).exists())
        found.dictionary = DictionaryFolder;
    if (!namedVoice.isEmpty()) {
        found.voice = namedVoice;
        found.voiceFault = voiceFault(namedVoice);
    } else if (QFile::exists(PackagedVoice)) {
        found.voice = PackagedVoice;
    }
    return found;
}

} // namespace SpeechPrograms

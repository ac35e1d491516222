#include "proposal/AnalysedProposer.h"
#include "proposal/KakasiAnalyser.h"
#include "proposal/MecabAnalyser.h"
#include "proposal/ReadingProposerFactory.h"

#include <QDir>
#include <QFileInfo>

namespace {

std::optional<ProposerUnavailable> missingFile(const ReadingSources& sources)
{
    const std::array<std::pair<QString, QString>, 3> needed{{
        {QDir(sources.analyserDictionary).filePath(QStringLiteral("sys.dic")),
         ReadingPackages::AnalyserDictionary},
        {sources.secondAnalyserDictionary, ReadingPackages::SecondAnalyserDictionary},
        {sources.wordDictionary, ReadingPackages::WordDictionary},
    }};
    for (const auto& [path, package] : needed) {
        if (!QFileInfo(path).isFile())
            return ProposerUnavailable{package, path + QStringLiteral(": no such file")};
    }
    return std::nullopt;
}

// What the module offers the program.
class ProposerModuleEntry : public QObject, public ReadingProposerFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TAZUNE_READING_PROPOSER_FACTORY_IID)
    Q_INTERFACES(ReadingProposerFactory)

public:
    Made create(const ReadingSources& sources) override
    {
        if (std::optional<ProposerUnavailable> missing = missingFile(sources))
            return {nullptr, missing};
        QString error;
        std::unique_ptr<MecabAnalyser> analyser =
            MecabAnalyser::open(sources.analyserDictionary, error);
        if (!analyser)
            return {nullptr, ProposerUnavailable{ReadingPackages::AnalyserDictionary, error}};
        std::unique_ptr<KakasiAnalyser> second =
            KakasiAnalyser::open(sources.secondAnalyserDictionary, error);
        if (!second)
            return {nullptr, ProposerUnavailable{ReadingPackages::SecondAnalyserDictionary, error}};
        std::optional<WordDictionary> dictionary =
            WordDictionary::read(sources.wordDictionary, error);
        if (!dictionary)
            return {nullptr, ProposerUnavailable{ReadingPackages::WordDictionary, error}};
        return {std::make_unique<AnalysedProposer>(std::move(*dictionary), std::move(analyser),
                                                   std::move(second)),
                std::nullopt};
    }
};

} // namespace

#include "ProposerModuleEntry.moc"

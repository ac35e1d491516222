#include "readings/ReadingCheck.h"

#include "questions/TextCodec.h"
#include "readings/Kana.h"

namespace ReadingCheck {

std::optional<ReadingFault> faultOf(const PairReading& reading)
{
    if (const QString character = Kana::firstNonKana(reading.reading); !character.isEmpty())
        return ReadingFault{ReadingFault::Kind::ReadingNotKana, reading.reading, character};
    for (const QString& alternative : reading.alternatives) {
        const QStringList refused = TextCodec::charactersWithoutForm(alternative);
        if (!refused.isEmpty())
            return ReadingFault{ReadingFault::Kind::AlternativeNotCp932, alternative,
                                refused.first()};
    }
    return std::nullopt;
}

} // namespace ReadingCheck

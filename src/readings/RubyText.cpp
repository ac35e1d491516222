#include "readings/RubyText.h"

#include "readings/Kana.h"

#include <algorithm>
#include <vector>

namespace {

struct Run
{
    Kana::Kind kind;
    QString text;
};

QList<Run> runsOf(const QString& base)
{
    QList<Run> runs;
    for (qsizetype at = 0; at < base.size();) {
        const qsizetype start = at;
        const Kana::Kind kind = Kana::kindOf(Kana::nextCharacter(base, at));
        const QStringView character = QStringView(base).sliced(start, at - start);
        if (!runs.isEmpty() && runs.last().kind == kind)
            runs.last().text += character;
        else
            runs.append({kind, character.toString()});
    }
    return runs;
}

// Punctuation between two runs that need a reading joins them into one.
QList<Run> joinedAcrossPunctuation(const QList<Run>& runs)
{
    QList<Run> joined;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const bool bridges = runs[i].kind == Kana::Kind::Bare && i + 1 < runs.size() &&
                             !joined.isEmpty() && joined.last().kind == Kana::Kind::NeedsReading &&
                             runs[i + 1].kind == Kana::Kind::NeedsReading;
        if (bridges) {
            joined.last().text += runs[i].text + runs[i + 1].text;
            ++i;
        } else {
            joined.append(runs[i]);
        }
    }
    return joined;
}

// The runs the reading spells, in order: kana as anchors, the others as gaps to fill.
class Fitting
{
public:
    Fitting(const QList<Run>& runs, QString reading) : reading(std::move(reading))
    {
        for (const Run& run : runs) {
            if (run.kind == Kana::Kind::Kana)
                parts.push_back({true, Kana::toHiragana(run.text)});
            else if (run.kind == Kana::Kind::NeedsReading)
                parts.push_back({false, {}});
        }
        ends.resize(parts.size());
        failed.resize((parts.size() + 1) * std::size_t(this->reading.size() + 1));
    }

    // The reading of each gap in order, or nothing.
    std::optional<QStringList> gapReadings()
    {
        if (!fits(0, 0))
            return std::nullopt;
        QStringList readings;
        qsizetype start = 0;
        for (std::size_t part = 0; part < parts.size(); ++part) {
            if (!parts[part].anchor)
                readings.append(reading.sliced(start, ends[part] - start));
            start = ends[part];
        }
        return readings;
    }

private:
    struct Part
    {
        bool anchor;
        QString kana;
    };

    bool anchorAt(std::size_t part, qsizetype at) const
    {
        return QStringView(reading).sliced(at).startsWith(parts[part].kana);
    }

    bool fits(std::size_t part, qsizetype at)
    {
        if (part == parts.size())
            return at == reading.size();
        std::vector<bool>::reference known = failed[part * std::size_t(reading.size() + 1) + at];
        if (known)
            return false;
        const bool found = parts[part].anchor ? fitsAnchor(part, at) : fitsGap(part, at);
        known = !found;
        return found;
    }

    bool fitsAnchor(std::size_t part, qsizetype at)
    {
        ends[part] = at + parts[part].kana.size();
        return anchorAt(part, at) && fits(part + 1, ends[part]);
    }

    // Shortest first: the gap ends at the first place where the rest fits.
    bool fitsGap(std::size_t part, qsizetype at)
    {
        const bool last = part + 1 == parts.size();
        for (qsizetype end = last ? reading.size() : at + 1; end <= reading.size() && end > at;
             ++end) {
            ends[part] = end;
            if ((last || anchorAt(part + 1, end)) && fits(part + 1, end))
                return true;
        }
        return false;
    }

    QString reading;
    std::vector<Part> parts;
    std::vector<qsizetype> ends;
    std::vector<bool> failed;
};

void appendBare(RubySegments& segments, const QString& text)
{
    if (!segments.isEmpty() && segments.last().ruby.isEmpty())
        segments.last().base += text;
    else
        segments.append({text, {}});
}

} // namespace

namespace RubyText {

std::optional<RubySegments> align(const QString& base, const QString& reading)
{
    if (base.isEmpty())
        return RubySegments{};
    const QList<Run> runs = joinedAcrossPunctuation(runsOf(base));
    const bool needsReading = std::any_of(runs.cbegin(), runs.cend(), [](const Run& run) {
        return run.kind == Kana::Kind::NeedsReading;
    });
    if (!needsReading)
        return RubySegments{{base, {}}};
    if (reading.isEmpty() || base.size() > MaxBaseLength || reading.size() > MaxReadingLength)
        return std::nullopt;
    const std::optional<QStringList> readings =
        Fitting(runs, Kana::toHiragana(reading)).gapReadings();
    if (!readings)
        return std::nullopt;
    RubySegments segments;
    qsizetype gap = 0;
    for (const Run& run : runs) {
        if (run.kind == Kana::Kind::NeedsReading)
            segments.append({run.text, readings->at(gap++)});
        else
            appendBare(segments, run.text);
    }
    return segments;
}

QString bracketText(const RubySegments& segments)
{
    QString text;
    for (const RubySegment& segment : segments) {
        text += segment.base;
        if (!segment.ruby.isEmpty())
            text += QStringLiteral("（%1）").arg(segment.ruby);
    }
    return text;
}

} // namespace RubyText

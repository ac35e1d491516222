// Drawing a question with its reading over it, against drawing it bare: the reading aligned over
// the question's kana and the line painted, as each new question does under ふりがな.

#include "widgets/RubyPanel.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

const QString Question = QStringLiteral("お父さんは金曜日に食べ物を買いに行きました");
const QString Reading = QStringLiteral("おとうさんはきんようびにたべものをかいにいきました");

void paintLine(RubyPanel& panel, const RubySegments& ruby, QImage& image)
{
    panel.setRubyText(Question, ruby);
    panel.render(&image);
}

void questionBare(benchmark::State& state)
{
    RubyPanel panel(nullptr, QStringLiteral("Panel1"));
    panel.resize(361, 25);
    QImage image(panel.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        paintLine(panel, {}, image);
        panel.setRubyText(QString(), {});
    }
}
BENCHMARK(questionBare)->Unit(benchmark::kMicrosecond);

void questionWithFurigana(benchmark::State& state)
{
    RubyPanel panel(nullptr, QStringLiteral("Panel1"));
    panel.resize(361, 25);
    panel.setRubyRoom(true);
    QImage image(panel.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        paintLine(panel, RubyText::align(Question, Reading).value(), image);
        panel.setRubyText(QString(), {});
    }
}
BENCHMARK(questionWithFurigana)->Unit(benchmark::kMicrosecond);

} // namespace

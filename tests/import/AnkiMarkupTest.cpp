#include "import/AnkiMarkup.h"

#include <QTest>

using AnkiMarkup::LineBreaks;

class AnkiMarkupTest : public QObject
{
    Q_OBJECT

private slots:
    void makesPlainText_data();
    void makesPlainText();
    void splitsFurigana_data();
    void splitsFurigana();
};

void AnkiMarkupTest::makesPlainText_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<LineBreaks>("lineBreaks");
    QTest::addColumn<QString>("text");
    QTest::addRow("tags_dropped") << "<b>犬</b> <span style=\"color:red\">dog</span>"
                                  << LineBreaks::Space << "犬 dog";
    QTest::addRow("br_as_space") << "one<br>two<br/>three" << LineBreaks::Space << "one two three";
    QTest::addRow("br_kept") << "one<br />two" << LineBreaks::Keep << "one\ntwo";
    QTest::addRow("divs_as_lines")
        << "<div>one</div><div>two</div>" << LineBreaks::Keep << "one\ntwo";
    QTest::addRow("empty_lines_collapse")
        << "one<br><br><div></div>two" << LineBreaks::Keep << "one\ntwo";
    QTest::addRow("source_breaks_are_spaces") << "one\ntwo" << LineBreaks::Keep << "one two";
    QTest::addRow("entities") << "&lt;a&gt; &amp; &quot;b&quot; &#x5C71;&#24029;"
                              << LineBreaks::Space << "<a> & \"b\" 山川";
    QTest::addRow("nbsp_is_space") << "a&nbsp;b&#160;c" << LineBreaks::Space << "a b c";
    QTest::addRow("unknown_entity_kept") << "AT&T &bogus;" << LineBreaks::Space << "AT&T &bogus;";
    QTest::addRow("style_content_dropped")
        << "<style>.a{}</style>text" << LineBreaks::Space << "text";
    QTest::addRow("unclosed_tag_kept") << "a < b" << LineBreaks::Space << "a < b";
    QTest::addRow("image_dropped") << "<img src=\"a.png\">猫" << LineBreaks::Space << "猫";
}

void AnkiMarkupTest::makesPlainText()
{
    QFETCH(QString, html);
    QFETCH(LineBreaks, lineBreaks);
    QFETCH(QString, text);
    QCOMPARE(AnkiMarkup::plainText(html, lineBreaks), text);
}

void AnkiMarkupTest::splitsFurigana_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("reading");
    QTest::addRow("one_word") << "漢字[かんじ]"
                              << "漢字"
                              << "かんじ";
    QTest::addRow("space_starts_word") << "日本語[にほんご]を 勉強[べんきょう]する"
                                       << "日本語を勉強する"
                                       << "にほんごをべんきょうする";
    QTest::addRow("no_furigana") << "ただの文"
                                 << "ただの文"
                                 << "ただの文";
    QTest::addRow("bracket_after_space") << "note [1]"
                                         << "note [1]"
                                         << "note [1]";
}

void AnkiMarkupTest::splitsFurigana()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QString, reading);
    QCOMPARE(AnkiMarkup::withoutReadings(text), shown);
    QCOMPARE(AnkiMarkup::readingsOnly(text), reading);
    QCOMPARE(AnkiMarkup::hasFurigana(text), shown != text);
}

QTEST_GUILESS_MAIN(AnkiMarkupTest)
#include "AnkiMarkupTest.moc"

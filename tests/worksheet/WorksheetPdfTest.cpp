#include "worksheet/Worksheet.h"

#include <QBuffer>
#include <QPdfDocument>
#include <QTemporaryDir>
#include <QTest>

class WorksheetPdfTest : public QObject
{
    Q_OBJECT

private slots:
    void numbersEveryPageAndHoldsEveryQuestion_data();
    void numbersEveryPageAndHoldsEveryQuestion();
    void showsReadingsOnlyWhenAsked_data();
    void showsReadingsOnlyWhenAsked();
    void writesTheFileWhole();
};

namespace {

// A page's text as a PDF reader finds it, without the spaces and line breaks it puts between
// the painted texts.
QString pdfText(QPdfDocument& document, int page)
{
    return document.getAllText(page).text().remove(u' ').remove(u'\u3000').remove(u'\n');
}

QString allText(QPdfDocument& document)
{
    QString text;
    for (int page = 0; page < document.pageCount(); ++page)
        text += pdfText(document, page);
    return text;
}

bool load(QPdfDocument& document, QBuffer& buffer, const QByteArray& pdf)
{
    buffer.setData(pdf);
    buffer.open(QIODevice::ReadOnly);
    document.load(&buffer);
    return QTest::qWaitFor([&] { return document.status() == QPdfDocument::Status::Ready; });
}

WorksheetContent contentOf(int questions)
{
    WorksheetContent content{QStringLiteral("単語.DAT"), 1, {}};
    for (int i = 0; i < questions; ++i)
        content.questions.append({{QStringLiteral("問題Q%1X").arg(i, 3, 10, QChar(u'0')), {}}});
    return content;
}

} // namespace

void WorksheetPdfTest::numbersEveryPageAndHoldsEveryQuestion_data()
{
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("severalPages");
    QTest::addRow("none") << 0 << false;
    QTest::addRow("a_few_on_one_page") << 5 << false;
    QTest::addRow("a_long_list_over_pages") << 120 << true;
}

void WorksheetPdfTest::numbersEveryPageAndHoldsEveryQuestion()
{
    QFETCH(int, questions);
    QFETCH(bool, severalPages);
    const WorksheetContent content = contentOf(questions);
    QPdfDocument document;
    QBuffer buffer;
    QVERIFY(load(document, buffer, Worksheet::pdf(content)));
    QCOMPARE(document.pageCount() > 1, severalPages);
    QCOMPARE(document.metaData(QPdfDocument::MetaDataField::Title).toString(),
             Worksheet::title(content));
    QVERIFY(pdfText(document, 0).contains(QStringLiteral("練習プリント単語.DAT中級")));
    for (int page = 0; page < document.pageCount(); ++page) {
        const QString pageNumber = QStringLiteral("%1/%2").arg(page + 1).arg(document.pageCount());
        QVERIFY2(pdfText(document, page).endsWith(pageNumber), qPrintable(pdfText(document, page)));
    }
    const QString text = allText(document);
    for (int i = 0; i < questions; ++i) {
        const QString numbered =
            QStringLiteral("%1.問題Q%2X").arg(i + 1).arg(i, 3, 10, QChar(u'0'));
        QVERIFY2(text.count(numbered) == 1, qPrintable(numbered));
    }
}

void WorksheetPdfTest::showsReadingsOnlyWhenAsked_data()
{
    QTest::addColumn<RubySegments>("question");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    QTest::addRow("bare") << RubySegments{{"漢字を書く", ""}} << QStringList{"漢字を書く"}
                          << QStringList{"かんじ"};
    QTest::addRow("readings_over_pieces")
        << RubySegments{{"漢字", "かんじ"}, {"を", ""}, {"書", "か"}, {"く", ""}}
        << QStringList{"漢字", "かんじ", "書"} << QStringList();
}

void WorksheetPdfTest::showsReadingsOnlyWhenAsked()
{
    QFETCH(RubySegments, question);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    QPdfDocument document;
    QBuffer buffer;
    QVERIFY(load(document, buffer, Worksheet::pdf({QStringLiteral("q.DAT"), 0, {question}})));
    const QString text = allText(document);
    for (const QString& shown : present)
        QVERIFY2(text.contains(shown), qPrintable(text));
    for (const QString& hidden : absent)
        QVERIFY2(!text.contains(hidden), qPrintable(text));
}

void WorksheetPdfTest::writesTheFileWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("w.pdf"));
    const WorksheetContent content = contentOf(3);
    QVERIFY(Worksheet::writePdf(path, content));
    QPdfDocument document;
    QCOMPARE(document.load(path), QPdfDocument::Error::None);
    QVERIFY(allText(document).contains(QStringLiteral("3.問題Q002X")));
    QVERIFY(!Worksheet::writePdf(dir.filePath(QStringLiteral("missing/w.pdf")), content));
}

QTEST_MAIN(WorksheetPdfTest)
#include "WorksheetPdfTest.moc"

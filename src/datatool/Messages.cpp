#include "datatool/Messages.h"

#include "questions/LevelNames.h"

namespace Messages {

namespace {

// Items are numbered from 1 as the editor lists them. English readers also get the level's
// number, which is what their table has.
QString place(int level, int position, Language language)
{
    if (language == Language::Japanese)
        return QStringLiteral("%1の %2 問目").arg(LevelNames::name(level)).arg(position + 1);
    return QStringLiteral("%1 (level %2), item %3")
        .arg(LevelNames::name(level))
        .arg(level + 1)
        .arg(position + 1);
}

QString codePoints(const QString& character)
{
    QStringList points;
    for (const char32_t point : character.toUcs4())
        points.append(QStringLiteral("U+%1").arg(point, 4, 16, QLatin1Char('0')).toUpper());
    return points.join(' ');
}

QString fieldName(TextField field, Language language)
{
    switch (field) {
    case TextField::Question:
        return wording(language, "question", "問題");
    case TextField::Answer:
        return wording(language, "answer", "答え");
    case TextField::Alternatives:
        break;
    }
    return wording(language, "alternatives", "別解");
}

} // namespace

QString describe(const TableError& error, Language language)
{
    switch (error.kind) {
    case TableError::Kind::InvalidUtf8:
        return wording(language, "the line holds bytes that are not valid UTF-8.",
                       "UTF-8 として読めないバイトがあります。");
    case TableError::Kind::NeitherUtf8NorCp932:
        return wording(language,
                       "the line holds bytes that are neither UTF-8 nor CP932; --encoding cp932 "
                       "takes them as they are.",
                       "UTF-8 としても CP932 としても読めないバイトがあります。--encoding cp932 "
                       "ならそのまま取り込みます。");
    case TableError::Kind::NoCp932Form:
        return wording(language,
                       "the character \"%1\" (%2) has no CP932 form, so a question file cannot "
                       "hold it.",
                       "文字「%1」(%2) は CP932 にないため、問題ファイルに入れられません。")
            .arg(error.detail, codePoints(error.detail));
    case TableError::Kind::StrayCarriageReturn:
        return wording(language, "a field holds a carriage return; lines end in LF or CRLF.",
                       "フィールドの中に CR があります。行末は LF か CRLF です。");
    case TableError::Kind::QuoteInUnquotedField:
        return wording(language, "a field that does not start with a quote holds one.",
                       "引用符で始まらないフィールドの中に引用符があります。");
    case TableError::Kind::TextAfterClosingQuote:
        return wording(language, "a field has text after its closing quote.",
                       "フィールドを閉じる引用符の後に文字があります。");
    case TableError::Kind::UnclosedQuote:
        return wording(language, "a field opens a quote that is never closed.",
                       "引用符で始まるフィールドが閉じられていません。");
    case TableError::Kind::FieldCount:
        return wording(language,
                       "the row has %1 fields where level, question and answer, then perhaps "
                       "reading, alternatives and check, are expected.",
                       "フィールドが %1 個あります。レベル、問題、答えの 3 個と、必要なら続けて"
                       "よみ、別解、要確認が必要です。")
            .arg(error.detail);
    case TableError::Kind::ReadingNotKana:
        return wording(language, "the reading holds \"%1\", which is not kana.",
                       "よみに仮名ではない文字「%1」があります。")
            .arg(error.detail);
    case TableError::Kind::UnknownLevel:
        return wording(language, "the level \"%1\" is not 1, 2, 3, %2, %3 or %4.",
                       "レベル「%1」は 1、2、3、%2、%3、%4のどれでもありません。")
            .arg(error.detail, LevelNames::name(0), LevelNames::name(1), LevelNames::name(2));
    }
    return {};
}

QString describe(const ExportError& error, Language language)
{
    const QString where = place(error.level, error.position, language);
    const QString field = fieldName(error.field, language);
    switch (error.kind) {
    case ExportError::Kind::TabOrLineBreakInTsv:
        return wording(language,
                       "%1: the %2 holds a tab or a line break, which a TSV table cannot hold; "
                       "export with --csv.",
                       "%1: %2にタブか改行があり、TSV の表には入りません。--csv で書き出して"
                       "ください。")
            .arg(where, field);
    case ExportError::Kind::NotKeptByUtf8:
        return wording(language,
                       "%1: the %2 holds bytes that would not come back from UTF-8 unchanged; "
                       "export with --encoding cp932.",
                       "%1: %2に UTF-8 では元のバイトに戻らない部分があります。--encoding cp932 "
                       "で書き出してください。")
            .arg(where, field);
    }
    return {};
}

QString describe(const CheckWarning& warning, Language language)
{
    const QString where = place(warning.level, warning.position, language);
    switch (warning.kind) {
    case CheckWarning::Kind::EmptyAnswer:
        return wording(language, "%1: the answer is empty.", "%1: 答えが空です。").arg(where);
    case CheckWarning::Kind::DuplicateQuestion:
        return wording(language, "%1: the same question as item %2.", "%1: %2 問目と同じ問題です。")
            .arg(where)
            .arg(warning.earlierPosition + 1);
    case CheckWarning::Kind::DiffersByTrailingSpaces:
        return wording(language, "%1: the question differs from item %2 only by trailing spaces.",
                       "%1: 問題が %2 問目と末尾の空白だけ違います。")
            .arg(where)
            .arg(warning.earlierPosition + 1);
    case CheckWarning::Kind::AnswerWithSecondCode:
        return wording(language,
                       "%1: the answer writes a character with a second CP932 code (NEC or IBM "
                       "row); Tazune accepts it typed, other programs may not.",
                       "%1: 答えに CP932 の別の符号 (NEC・IBM の行) で書かれた文字があります。"
                       "Tazune では入力できますが、ほかのソフトでは一致しないことがあります。")
            .arg(where);
    }
    return {};
}

QString warningPrefix(Language language)
{
    return wording(language, "warning: ", "警告: ");
}

QString pairCounts(const std::array<int, QuestionBank::LevelCount>& counts, Language language)
{
    QStringList levels;
    qint64 total = 0;
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        levels.append(
            wording(language, "%1 %2", "%1 %2 問").arg(LevelNames::name(level)).arg(counts[level]));
        total += counts[level];
    }
    return wording(language, total == 1 ? "%1 (%2 pair)" : "%1 (%2 pairs)", "%1 (計 %2 問)")
        .arg(levels.join(wording(language, ", ", "、")))
        .arg(total);
}

QString moreErrors(qsizetype count, Language language)
{
    return wording(language, "%1 more are not shown.", "ほか %1 件は省略しました。").arg(count);
}

QString nothingWritten(Language language)
{
    return wording(language, "Nothing was written.", "何も書き込んでいません。");
}

QString written(const std::array<int, QuestionBank::LevelCount>& counts, Language language)
{
    return wording(language, "written: %1.", "書き込みました: %1。")
        .arg(pairCounts(counts, language));
}

QString noPairs(Language language)
{
    return wording(language, "no pair came of it, so there is nothing to write.",
                   "問題が 1 問もできないため、書き込むものがありません。");
}

QString tableTooLarge(qint64 limit, Language language)
{
    return wording(language,
                   "is larger than %1 MB, more than a table is read from; nothing of it was "
                   "read.",
                   "%1 MB を超えているため、読み込みませんでした。")
        .arg(limit / (1024 * 1024));
}

QString missingFile(Language language)
{
    return wording(language, "There is no file at this path.", "このパスにファイルがありません。");
}

QString unreadableFile(Language language)
{
    return wording(language, "The file cannot be opened, or it ends before all its pairs.",
                   "ファイルを開けないか、途中で切れています。");
}

QString foreignFile(Language language)
{
    return wording(language, "It does not start with \"3.00a\" as a question file does.",
                   "問題ファイルの先頭の「3.00a」がありません。");
}

QString outputExists(Language language)
{
    return wording(language, "already exists; add --force to replace it.",
                   "すでにあります。置き換えるには --force を付けてください。");
}

QString noQuestionsAtLevel(int level, Language language)
{
    return wording(language, "%1 holds no question, so there is no worksheet to write.",
                   "%1に問題が 1 問もないため、練習プリントを作れません。")
        .arg(LevelNames::name(level));
}

QString worksheetWritten(int level, qsizetype questions, qsizetype available, Language language)
{
    return wording(language, "written: %1 (%2 of %3 questions).",
                   "書き込みました: %1 (%3 問中 %2 問)。")
        .arg(LevelNames::name(level))
        .arg(questions)
        .arg(available);
}

QString noSuchField(const QString& name, const QStringList& fields, Language language)
{
    return wording(language, "there is no field \"%1\"; its fields are %2.",
                   "「%1」というフィールドはありません。フィールドは %2 です。")
        .arg(name, fields.join(wording(language, ", ", "、")));
}

QString cannotRead(const QString& reason, Language language)
{
    return wording(language, "cannot be read (%1).", "読めません (%1)。").arg(reason);
}

QString cannotWrite(Language language)
{
    return wording(language, "cannot be written.", "書き込めません。");
}

} // namespace Messages

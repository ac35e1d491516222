#include "datatool/ResultsMessages.h"

#include "results/ResultsCsv.h"

namespace ResultsMessages {

namespace {

QString fieldProblem(const ResultsCsvError& error, Language language, const char* english,
                     const char* japanese)
{
    return wording(language, english, japanese).arg(error.column, error.text);
}

} // namespace

QString describe(const ResultsCsvError& error, Language language)
{
    using Kind = ResultsCsvError::Kind;
    switch (error.kind) {
    case Kind::NoHeader:
        return wording(language, "not a results table: the first line is not its header",
                       "成績の表ではありません。1 行目が見出し行ではありません");
    case Kind::UnterminatedQuote:
        return wording(language, "a field opens a quote that is never closed",
                       "引用符で始まるフィールドが閉じられていません");
    case Kind::TextAfterClosingQuote:
        return wording(language, "text after the closing quote of a field",
                       "フィールドを閉じる引用符の後に文字があります");
    case Kind::QuoteInUnquotedField:
        return wording(language, "a quote inside a field that does not start with a quote",
                       "引用符で始まらないフィールドの中に引用符があります");
    case Kind::ColumnCount:
        return wording(language, "%1 columns where the header has %2",
                       "列が %1 個あります (見出し行は %2 個です)")
            .arg(error.text)
            .arg(ResultsCsv::columns().size());
    case Kind::BadNumber:
        return fieldProblem(error, language, "%1: \"%2\" is not a number",
                            "%1: 「%2」は数ではありません");
    case Kind::BadDate:
        return fieldProblem(error, language, "%1: \"%2\" is not a date and time (ISO 8601)",
                            "%1: 「%2」は日時 (ISO 8601) ではありません");
    case Kind::BadLevel:
        return fieldProblem(error, language, "%1: \"%2\" is no level",
                            "%1: 「%2」はレベルではありません");
    case Kind::BadReviewFlag:
        return fieldProblem(error, language, "%1: \"%2\" is neither 0 nor 1",
                            "%1: 「%2」は 0 でも 1 でもありません");
    case Kind::BadTimeOut:
        return fieldProblem(error, language, "%1: a line without a tab between question and answer",
                            "%1: 問題と答えの間にタブのない行があります");
    }
    return {};
}

QString recordUnavailable(Language language)
{
    return wording(language,
                   "the record cannot be read (no game recorded yet, or a record of another "
                   "Tazune version)",
                   "記録を読めません (まだゲームの記録がないか、別の版の Tazune の記録です)");
}

QString noLearnerName(Language language)
{
    return wording(language, "warning: no learner's name stored; give one with --name",
                   "警告: 学習者の名前が保存されていません。--name で指定してください");
}

QString noGamesOfFile(Language language)
{
    return wording(language, "warning: the record has no finished game of this file",
                   "警告: 記録にこのファイルの終わったゲームはありません");
}

QString withoutCp932Form(const QStringList& characters, Language language)
{
    return wording(language, "%1 have no CP932 form; write the table as UTF-8",
                   "%1 は CP932 にありません。表は UTF-8 で書き出してください")
        .arg(characters.join(wording(language, ", ", "、")));
}

QString gamesWritten(qsizetype games, Language language)
{
    return wording(language, "written: %1 games", "書き込みました: %1 ゲーム").arg(games);
}

QString classWritten(qsizetype rows, Language language)
{
    return wording(language, "written: %1 rows of learner, file and level",
                   "書き込みました: 学習者、ファイル、レベルごとに %1 行")
        .arg(rows);
}

QString missedWritten(qsizetype pairs, Language language)
{
    return wording(language, "written: %1 pairs", "書き込みました: %1 問").arg(pairs);
}

QString reportWritten(Language language)
{
    return wording(language, "written: the class report", "書き込みました: クラスの成績表");
}

} // namespace ResultsMessages

#include "import/ImportMessages.h"

#include "import/ImportLimits.h"
#include "questions/LevelNames.h"

#include <array>

namespace ImportMessages {

namespace {

QString megabytes(qint64 bytes)
{
    return QString::number(bytes / (1024 * 1024));
}

QString codePoints(const QString& character)
{
    QStringList points;
    for (const char32_t point : character.toUcs4())
        points.append(QStringLiteral("U+%1").arg(point, 4, 16, QLatin1Char('0')).toUpper());
    return points.join(' ');
}

QString what(const ImportError& error, Language language)
{
    using Kind = ImportError::Kind;
    switch (error.kind) {
    case Kind::CannotOpen:
        if (error.detail.isEmpty())
            return wording(language, "cannot be opened.", "開けません。");
        return wording(language, "cannot be opened (%1).", "開けません (%1)。").arg(error.detail);
    case Kind::FileTooLarge:
        return wording(language,
                       "is larger than %1 MB, more than a deck is read from; nothing of it was "
                       "read.",
                       "%1 MB を超えているため、読み込みませんでした。")
            .arg(megabytes(ImportLimits::MaxTextFileSize));
    case Kind::InvalidUtf8:
        return wording(language, "is not UTF-8 text.", "UTF-8 のテキストではありません。");
    case Kind::NotAZip:
        return wording(language, "is not a zip archive, as a package is.",
                       "パッケージの形式 (zip) ではありません。");
    case Kind::NotAnAnkiPackage:
        return wording(language,
                       "holds no collection (collection.anki21b, collection.anki21 or "
                       "collection.anki2).",
                       "コレクション (collection.anki21b、collection.anki21、collection.anki2) "
                       "が入っていません。");
    case Kind::EntryTooLarge:
        return wording(language,
                       "%1 would grow beyond %2 MB or to more than %3 times its packed size, as "
                       "a zip bomb does; nothing of it was read.",
                       "%1 が %2 MB を超えるか、圧縮前の %3 倍を超えて大きくなるため "
                       "(zip 爆弾のおそれ)、読み込みませんでした。")
            .arg(error.detail, megabytes(ImportLimits::MaxCollectionSize))
            .arg(ImportLimits::MaxInflationRatio);
    case Kind::DamagedEntry:
        return wording(language, "is damaged (%1).", "壊れています (%1)。").arg(error.detail);
    case Kind::DamagedCollection:
        return wording(language, "holds a collection that is no readable database (%1).",
                       "中のコレクションがデータベースとして読めません (%1)。")
            .arg(error.detail);
    case Kind::FieldTooLarge:
        return wording(language, "a field is longer than %1 KB; nothing of it was read.",
                       "%1 KB を超えるフィールドがあるため、読み込みませんでした。")
            .arg(ImportLimits::MaxFieldSize / 1024);
    case Kind::ValueTooLarge:
        return wording(language,
                       "the table %1 of its collection holds a value longer than %2 MB; nothing "
                       "of it was read.",
                       "コレクションの表 %1 に %2 MB を超える値があるため、読み込みませんでした。")
            .arg(error.detail, megabytes(ImportLimits::MaxCollectionValueSize));
    case Kind::TooManyNotes:
        return wording(language, "holds more than %1 notes.", "ノートが %1 個を超えています。")
            .arg(ImportLimits::MaxNoteCount);
    case Kind::TooManyFields:
        return wording(language, "a note has more than %1 fields.",
                       "フィールドが %1 個を超えるノートがあります。")
            .arg(ImportLimits::MaxFieldCount);
    case Kind::BadXml:
        return wording(language, "is not well-formed XML (%1).",
                       "XML として正しくありません (%1)。")
            .arg(error.detail);
    case Kind::XmlEntities:
        return wording(language, "declares or uses XML entities, which are not accepted.",
                       "XML の実体 (エンティティ) を宣言または使用しているため、読み込めません。");
    case Kind::XmlTooDeep:
        return wording(language, "its elements nest more than %1 deep.",
                       "要素の入れ子が %1 段を超えています。")
            .arg(ImportLimits::MaxXmlDepth);
    case Kind::NotAVocabulary:
        return wording(language, "is XML, but no vocabulary file (<kvtml>).",
                       "XML ですが、単語帳ファイル (<kvtml>) ではありません。");
    }
    return {};
}

} // namespace

QString place(const NotePlace& place, Language language)
{
    if (place.kind == NotePlace::Kind::Line)
        return wording(language, "line %1", "%1 行目").arg(place.number);
    return wording(language, "note %1", "%1 番目のノート").arg(place.number);
}

QString describe(const ImportError& error, Language language)
{
    const QString text = what(error, language);
    return error.place ? place(*error.place, language) + QStringLiteral(": ") + text : text;
}

QString describe(const SkippedNote& skipped, Language language)
{
    using Kind = SkippedNote::Kind;
    const QString where = place(skipped.place, language);
    switch (skipped.kind) {
    case Kind::NoCp932Form:
        return wording(language,
                       "%1: the character \"%2\" (%3) has no CP932 form, which a question file "
                       "needs; the note is left out.",
                       "%1: 文字「%2」(%3) は CP932 にないため、問題ファイルに入れられません。"
                       "取り込みません。")
            .arg(where, skipped.detail, codePoints(skipped.detail));
    case Kind::EmptyQuestion:
        return wording(language, "%1: the question is empty; the note is left out.",
                       "%1: 問題が空です。取り込みません。")
            .arg(where);
    case Kind::EmptyAnswer:
        return wording(language, "%1: the answer is empty; the note is left out.",
                       "%1: 答えが空です。取り込みません。")
            .arg(where);
    case Kind::DuplicateQuestion:
        return wording(language, "%1: the same question as %2 is in %3; the note is left out.",
                       "%1: %2と同じ問題が%3にあります。取り込みません。")
            .arg(where, place(skipped.earlier, language), LevelNames::name(skipped.level));
    }
    return {};
}

} // namespace ImportMessages

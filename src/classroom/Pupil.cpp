#include "classroom/Pupil.h"

#include <QRegularExpression>

#include <array>

namespace PupilText {

Fallible<Pupil, QString> parse(const QString& text)
{
    using Result = Fallible<Pupil, QString>;
    static const QRegularExpression separator(QStringLiteral("[,，]"));
    const QStringList parts = text.split(separator);
    if (parts.size() != 3)
        return Result::failed(
            QStringLiteral("組,番号,名前 の三つをコンマで区切って指定してください"));
    struct Part
    {
        QString Pupil::*field;
        const char16_t* caption;
        qsizetype most;
    };
    const std::array<Part, 3> fields{{{&Pupil::classGroup, u"組", MostClassCharacters},
                                      {&Pupil::number, u"番号", MostNumberCharacters},
                                      {&Pupil::name, u"名前", MostNameCharacters}}};
    Pupil pupil;
    for (std::size_t index = 0; index < fields.size(); ++index) {
        const Part& part = fields[index];
        const QString value = parts[qsizetype(index)].trimmed();
        const QString caption = QString::fromUtf16(part.caption);
        if (value.isEmpty())
            return Result::failed(QStringLiteral("%1 が空です").arg(caption));
        if (value.size() > part.most)
            return Result::failed(
                QStringLiteral("%1 は %2 文字までです").arg(caption).arg(part.most));
        pupil.*part.field = value;
    }
    return pupil;
}

} // namespace PupilText

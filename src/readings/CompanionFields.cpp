#include "readings/CompanionFields.h"

namespace CompanionFields {

QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar character : text) {
        switch (character.unicode()) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += character;
        }
    }
    return out;
}

QString unescaped(QStringView field)
{
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar next = i + 1 < field.size() ? field[i + 1] : QChar();
        if (field[i] != u'\\' || !QStringView(u"\\tnr").contains(next) || next.isNull()) {
            out += field[i];
            continue;
        }
        out += next == u't'   ? QChar(u'\t')
               : next == u'n' ? QChar(u'\n')
               : next == u'r' ? QChar(u'\r')
                              : QChar(u'\\');
        ++i;
    }
    return out;
}

} // namespace CompanionFields

#include "import/Deck.h"

int Deck::addField(const QString& name)
{
    const qsizetype existing = fieldNames.indexOf(name);
    if (existing >= 0)
        return int(existing);
    fieldNames.append(name);
    for (DeckNote& note : notes)
        note.fields.resize(fieldNames.size());
    return int(fieldNames.size() - 1);
}

QString readingFieldName(const QString& fieldName)
{
    return QStringLiteral("%1 (読み)").arg(fieldName);
}

#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <QVariant>

// Reads a record file through a connection of its own, as another program would.
namespace RecordQuery {

inline QVariantList row(const QString& path, const QString& sql)
{
    QVariantList values;
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(sql) && query.next()) {
                for (int k = 0; k < query.record().count(); ++k)
                    values << query.value(k);
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return values;
}

inline QVariant value(const QString& path, const QString& sql)
{
    const QVariantList values = row(path, sql);
    return values.isEmpty() ? QVariant() : values.constFirst();
}

} // namespace RecordQuery

#include "support/raw_database.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace revtal::test {

namespace {
template <typename F> void withConnection(const QString& path, F work)
{
    const QString name = QStringLiteral("raw-test-connection");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
        work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}
} // namespace

void rawExec(const QString& path, const QStringList& statements)
{
    withConnection(path, [&](QSqlDatabase& db) {
        for (const QString& sql : statements) {
            QSqlQuery query(db);
            EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
        }
    });
}

QVariant rawValue(const QString& path, const QString& sql)
{
    QVariant value;
    withConnection(path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
        if (query.next())
            value = query.value(0);
    });
    return value;
}

QStringList filesStartingWith(const QString& directory, const QString& prefix)
{
    return QDir(directory).entryList({prefix + QLatin1Char('*')}, QDir::Files, QDir::Name);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace revtal::test

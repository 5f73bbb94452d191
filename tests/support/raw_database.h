#pragma once
// Raw access to a database file, bypassing the storage layer under test:
// what storage, report and screen tests check a file with.
#include <QString>
#include <QStringList>
#include <QVariant>

namespace revtal::test {

// Runs statements on the file; fails the test on any error.
void rawExec(const QString& path, const QStringList& statements);
// The first column of the first row of a query, invalid when there is none.
QVariant rawValue(const QString& path, const QString& query);
// Files in the directory whose names start with the prefix.
QStringList filesStartingWith(const QString& directory, const QString& prefix);
QByteArray fileBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

} // namespace revtal::test

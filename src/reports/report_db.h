#pragma once
// The report database "Crysprin.mdb": every report table, and the two ways a
// print fills one. Each operation opens the file, works and closes it.
#include "shell/local_database.h"

namespace revtal {

// One table as read for a report: its fields and records in stored order.
struct ReportTable {
    QString name;
    bool singleRecord = true;
    QList<FieldSchema> fields;
    QList<QVariantList> rows;

    int fieldIndex(const QString& fieldName) const; // -1 when absent
};

class ReportDb {
  public:
    explicit ReportDb(QString path);

    static const DatabaseSchema& schema();

    // Overwrites the named fields of a single-record table; others keep their values.
    StorageStatus writeRecord(const QString& table, const FieldValues& fields) const;
    // Empties a row table and adds one record per row.
    StorageStatus refillRows(const QString& table, const QList<FieldValues>& rows) const;

    // Reads tables for a report without changing the file. A table that is
    // missing, or a single-record table without its record, is a failure
    // naming it.
    StorageResult<QList<ReportTable>> readTables(const QStringList& tables) const;

    const QString& path() const { return path_; }

  private:
    QString path_;
};

} // namespace revtal

#pragma once
// One local SQLite database file, opened for a single operation and closed
// again: the common handling of the settings, preferences and report files.
// Opening checks that the file is ours and sound; a file that is empty, not
// ours or damaged is moved aside (never deleted) and created afresh, and a
// missing table, column or single record is restored. What was done comes
// back as a notice for the screen layer to show once.
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <utility>

namespace revtal {

enum class FieldType { Text, Int16, Int32, Double, Single, Boolean, DayNumber };

struct FieldSchema {
    QString name;
    FieldType type = FieldType::Double;
    QVariant initial; // value of a new record; empty means "" or 0 by type
};

struct TableSchema {
    QString name;
    bool singleRecord = true; // else a row table, emptied and refilled
    QList<FieldSchema> fields;

    const FieldSchema* field(const QString& fieldName) const;
    QString deleteStatement() const; // empties a row table
};

struct DatabaseSchema {
    QString fileName;    // "bcdv.mdb", as messages name it
    QString description; // "preferences database"
    std::int32_t userVersion = 0;
    QList<TableSchema> tables;

    const TableSchema* table(const QString& tableName) const;
};

// Field names with their values, in the order they are written.
using FieldValues = QList<std::pair<QString, QVariant>>;

// The outcome of one operation. A failure is never reported as success;
// notice says what was repaired (empty when nothing was).
struct StorageStatus {
    bool ok = true;
    QString error;
    QString notice;

    explicit operator bool() const { return ok; }
    void addNotice(const QString& text);
};

template <typename T> struct StorageResult {
    T value{};
    StorageStatus status;
};

class LocalDatabase {
  public:
    // Repair: make the file sound (create, move aside, restore).
    // CheckOnly: report what is wrong and change nothing (reading a report).
    enum class Mode { Repair, CheckOnly };

    static constexpr std::int32_t kApplicationId = 0x52565431; // "RVT1"

    LocalDatabase(const QString& path, const DatabaseSchema& schema, Mode mode = Mode::Repair);
    ~LocalDatabase();
    LocalDatabase(const LocalDatabase&) = delete;
    LocalDatabase& operator=(const LocalDatabase&) = delete;

    bool isOpen() const { return open_; }
    const StorageStatus& status() const { return status_; }
    const QString& path() const { return path_; }

    // Each fails the status (and returns false) on any error.
    bool hasTable(const QString& table);
    // The first record of a table (by insertion order); false if there is none.
    bool readFirst(const TableSchema& table, QVariantList* values);
    // Every record of a table in insertion order.
    bool readAll(const TableSchema& table, QList<QVariantList>* rows);
    // Overwrites the given fields of the first record, in one transaction.
    bool updateFirst(const TableSchema& table, const FieldValues& values);
    // Empties the table and adds the rows, in one transaction.
    bool refill(const TableSchema& table, const QList<FieldValues>& rows);

    void fail(const QString& error);

    // How long a write waits for another copy of the program to finish.
    static void setBusyTimeout(int milliseconds);
    static int busyTimeout();

    // A value coerced to the stored type of its field.
    static QVariant storedValue(FieldType type, const QVariant& value);

  private:
    enum class Health { Sound, NotOurs, Failed };

    bool connect(const QString& file);
    void disconnect();
    Health inspect(QString* reason);
    bool createFresh();
    bool moveAside(const QString& reason);
    bool restoreSchema();
    bool exec(const QString& sql);
    bool makeDurable();
    bool insertRecord(const TableSchema& table, const FieldValues& values);
    QString describe() const;
    QString named() const;

    QString path_;
    const DatabaseSchema& schema_;
    Mode mode_;
    QString connection_;
    QSqlDatabase db_;
    bool open_ = false;
    StorageStatus status_;
};

} // namespace revtal

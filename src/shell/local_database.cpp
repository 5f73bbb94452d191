#include "shell/local_database.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <atomic>

namespace revtal {

namespace {

std::atomic<int> busyTimeoutMs{5000};
std::atomic<int> connectionCounter{0};

// SQLite's primary result codes that mean "this file is not a sound database".
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

QString quoted(const QString& identifier)
{
    QString inner = identifier;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QString sqlType(FieldType type)
{
    switch (type) {
    case FieldType::Text:
        return QStringLiteral("TEXT DEFAULT ''");
    case FieldType::Double:
    case FieldType::Single:
        return QStringLiteral("REAL DEFAULT 0");
    default:
        return QStringLiteral("INTEGER DEFAULT 0");
    }
}

QVariant initialValue(const FieldSchema& field)
{
    if (field.initial.isValid())
        return LocalDatabase::storedValue(field.type, field.initial);
    return field.type == FieldType::Text ? QVariant(QString()) : LocalDatabase::storedValue(field.type, 0);
}

int primaryCode(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

QString createStatement(const TableSchema& table)
{
    QStringList columns;
    for (const FieldSchema& field : table.fields)
        columns << quoted(field.name) + QLatin1Char(' ') + sqlType(field.type);
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(table.name), columns.join(QStringLiteral(", ")));
}

FieldValues initialRecord(const TableSchema& table)
{
    FieldValues values;
    for (const FieldSchema& field : table.fields)
        values.append({field.name, initialValue(field)});
    return values;
}

} // namespace

const FieldSchema* TableSchema::field(const QString& fieldName) const
{
    for (const FieldSchema& f : fields)
        if (f.name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

QString TableSchema::deleteStatement() const
{
    return QStringLiteral("DELETE FROM %1").arg(quoted(name));
}

const TableSchema* DatabaseSchema::table(const QString& tableName) const
{
    for (const TableSchema& t : tables)
        if (t.name.compare(tableName, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

void StorageStatus::addNotice(const QString& text)
{
    if (!notice.isEmpty())
        notice += QLatin1Char('\n');
    notice += text;
}

void LocalDatabase::setBusyTimeout(int milliseconds)
{
    busyTimeoutMs = milliseconds;
}
int LocalDatabase::busyTimeout()
{
    return busyTimeoutMs;
}

QVariant LocalDatabase::storedValue(FieldType type, const QVariant& value)
{
    switch (type) {
    case FieldType::Text:
        return value.toString();
    case FieldType::Double:
        return value.toDouble();
    case FieldType::Single:
        // The single-precision value, held exactly in a double.
        return static_cast<double>(static_cast<float>(value.toDouble()));
    case FieldType::Boolean:
        return value.toBool() ? 1 : 0;
    case FieldType::Int16:
        return static_cast<qlonglong>(static_cast<std::int16_t>(value.toLongLong()));
    case FieldType::Int32:
    case FieldType::DayNumber:
        return static_cast<qlonglong>(static_cast<std::int32_t>(value.toLongLong()));
    }
    return value;
}

LocalDatabase::LocalDatabase(const QString& path, const DatabaseSchema& schema, Mode mode)
    : path_(path), schema_(schema), mode_(mode)
{
    const QFileInfo info(path_);
    if (!info.exists()) {
        if (mode_ == Mode::CheckOnly) {
            fail(QStringLiteral("%1 was not found at \"%2\".").arg(describe(), QDir::toNativeSeparators(path_)));
            return;
        }
        // A first start: nothing was lost, so nothing to tell.
        if (createFresh() && connect(path_) && makeDurable())
            open_ = true;
        return;
    }
    if (info.size() == 0) {
        if (mode_ == Mode::CheckOnly) {
            fail(QStringLiteral("%1 at \"%2\" is empty.").arg(describe(), QDir::toNativeSeparators(path_)));
            return;
        }
        if (moveAside(QStringLiteral("it was empty")) && createFresh() && connect(path_) && makeDurable())
            open_ = true;
        return;
    }
    if (!connect(path_))
        return;
    QString reason;
    switch (inspect(&reason)) {
    case Health::Sound:
        open_ = mode_ == Mode::CheckOnly || (makeDurable() && restoreSchema());
        return;
    case Health::Failed:
        fail(QStringLiteral("%1 at \"%2\" could not be opened: %3")
                 .arg(describe(), QDir::toNativeSeparators(path_), reason));
        return;
    case Health::NotOurs:
        disconnect();
        if (mode_ == Mode::CheckOnly) {
            fail(QStringLiteral("%1 at \"%2\" cannot be used: %3.")
                     .arg(describe(), QDir::toNativeSeparators(path_), reason));
            return;
        }
        if (moveAside(reason) && createFresh() && connect(path_) && makeDurable())
            open_ = true;
        return;
    }
}

LocalDatabase::~LocalDatabase()
{
    disconnect();
}

QString LocalDatabase::describe() const
{
    return QStringLiteral("The %1 \"%2\"").arg(schema_.description, schema_.fileName);
}

QString LocalDatabase::named() const
{
    return QStringLiteral("the %1 \"%2\"").arg(schema_.description, schema_.fileName);
}

void LocalDatabase::fail(const QString& error)
{
    if (status_.ok)
        status_.error = error;
    status_.ok = false;
}

bool LocalDatabase::connect(const QString& file)
{
    connection_ = QStringLiteral("revtal-db-%1").arg(++connectionCounter);
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db_.setDatabaseName(file);
    if (!db_.open()) {
        fail(QStringLiteral("%1 at \"%2\" could not be opened: %3")
                 .arg(describe(), QDir::toNativeSeparators(file), db_.lastError().text()));
        disconnect();
        return false;
    }
    // Safety before anything reads the schema. Neither touches the file.
    if (!exec(QStringLiteral("PRAGMA trusted_schema=OFF")) ||
        !exec(QStringLiteral("PRAGMA busy_timeout=%1").arg(busyTimeout()))) {
        disconnect();
        return false;
    }
    return true;
}

void LocalDatabase::disconnect()
{
    if (connection_.isEmpty())
        return;
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
    connection_.clear();
    open_ = false;
}

bool LocalDatabase::makeDurable()
{
    // Every write reaches the disk before the operation reports success.
    return exec(QStringLiteral("PRAGMA synchronous=FULL"));
}

bool LocalDatabase::exec(const QString& sql)
{
    QSqlQuery query(db_);
    if (query.exec(sql))
        return true;
    fail(QStringLiteral("%1: %2 failed: %3").arg(describe(), sql, query.lastError().text()));
    return false;
}

LocalDatabase::Health LocalDatabase::inspect(QString* reason)
{
    QSqlQuery query(db_);
    auto pragma = [&](const QString& name, QVariant* value) {
        if (!query.exec(QStringLiteral("PRAGMA ") + name) || !query.next()) {
            const int code = primaryCode(query.lastError());
            *reason = query.lastError().text();
            if (code == kSqliteNotADatabase || code == kSqliteCorrupt) {
                *reason = QStringLiteral("it is not a sound database");
                return Health::NotOurs;
            }
            return Health::Failed;
        }
        *value = query.value(0);
        return Health::Sound;
    };
    QVariant id, version, check;
    if (Health h = pragma(QStringLiteral("application_id"), &id); h != Health::Sound)
        return h;
    if (id.toLongLong() != kApplicationId) {
        *reason = QStringLiteral("it is not a Revtal database");
        return Health::NotOurs;
    }
    if (Health h = pragma(QStringLiteral("user_version"), &version); h != Health::Sound)
        return h;
    if (version.toLongLong() != schema_.userVersion) {
        *reason = QStringLiteral("it is a different kind or version of Revtal database");
        return Health::NotOurs;
    }
    if (Health h = pragma(QStringLiteral("quick_check"), &check); h != Health::Sound)
        return h;
    if (check.toString() != QLatin1String("ok")) {
        *reason = QStringLiteral("it is damaged (%1)").arg(check.toString());
        return Health::NotOurs;
    }
    return Health::Sound;
}

bool LocalDatabase::moveAside(const QString& reason)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path_ + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path_ + QStringLiteral(".damaged-") + stamp + QStringLiteral("-%1").arg(n);
    if (!QFile::rename(path_, aside)) {
        fail(QStringLiteral("%1 at \"%2\" cannot be used (%3) and could not be moved aside.")
                 .arg(describe(), QDir::toNativeSeparators(path_), reason));
        return false;
    }
    // A leftover journal belongs to the old file; SQLite would replay it into the new one.
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        const QString companion = path_ + QLatin1String(suffix);
        if (QFileInfo::exists(companion))
            QFile::rename(companion, aside + QLatin1String(suffix));
    }
    status_.addNotice(QStringLiteral("%1 could not be used because %2. It was moved aside to \"%3\" and a new one was "
                                     "created with its first values.")
                          .arg(describe(), reason, QDir::toNativeSeparators(aside)));
    return true;
}

bool LocalDatabase::createFresh()
{
    // Built under a temporary name and renamed into place, so no half-made file is left.
    const QString building = path_ + QStringLiteral(".new-") + QUuid::createUuid().toString(QUuid::Id128).left(8);
    if (!connect(building))
        return false;
    bool ok = makeDurable() && db_.transaction();
    ok = ok && exec(QStringLiteral("PRAGMA application_id=%1").arg(kApplicationId));
    ok = ok && exec(QStringLiteral("PRAGMA user_version=%1").arg(schema_.userVersion));
    for (const TableSchema& table : schema_.tables) {
        ok = ok && exec(createStatement(table));
        if (table.singleRecord)
            ok = ok && insertRecord(table, initialRecord(table));
    }
    if (ok && !db_.commit()) {
        fail(QStringLiteral("%1 could not be created: %2").arg(describe(), db_.lastError().text()));
        ok = false;
    }
    disconnect();
    if (ok && !QFile::rename(building, path_)) {
        fail(QStringLiteral("%1 could not be created at \"%2\".").arg(describe(), QDir::toNativeSeparators(path_)));
        ok = false;
    }
    if (!ok) {
        if (status_.ok)
            fail(QStringLiteral("%1 could not be created at \"%2\".").arg(describe(), QDir::toNativeSeparators(path_)));
        QFile::remove(building); // only our own unfinished file
        QFile::remove(building + QStringLiteral("-journal"));
    }
    return ok;
}

bool LocalDatabase::restoreSchema()
{
    QStringList present;
    {
        QSqlQuery query(db_);
        if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"))) {
            fail(QStringLiteral("%1 could not be read: %2").arg(describe(), query.lastError().text()));
            return false;
        }
        while (query.next())
            present << query.value(0).toString().toLower();
    }
    bool changed = false;
    auto begin = [&] {
        if (!changed && !db_.transaction()) {
            fail(QStringLiteral("%1 could not be repaired: %2").arg(describe(), db_.lastError().text()));
            return false;
        }
        changed = true;
        return true;
    };
    for (const TableSchema& table : schema_.tables) {
        if (!present.contains(table.name.toLower())) {
            if (!begin() || !exec(createStatement(table)))
                return false;
            if (table.singleRecord && !insertRecord(table, initialRecord(table)))
                return false;
            status_.addNotice(QStringLiteral("The table \"%1\" was missing from %2; it was created again%3.")
                                  .arg(table.name, named(),
                                       table.singleRecord ? QStringLiteral(" with its first values") : QString()));
            continue;
        }
        QStringList columns;
        {
            QSqlQuery query(db_);
            if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table.name)))) {
                fail(QStringLiteral("%1 could not be read: %2").arg(describe(), query.lastError().text()));
                return false;
            }
            while (query.next())
                columns << query.value(1).toString().toLower();
        }
        QStringList added;
        for (const FieldSchema& field : table.fields) {
            if (columns.contains(field.name.toLower()))
                continue;
            if (!begin() || !exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                                      .arg(quoted(table.name), quoted(field.name), sqlType(field.type))))
                return false;
            // Records already there take the field's first value, as a new record would.
            QSqlQuery fill(db_);
            fill.prepare(QStringLiteral("UPDATE %1 SET %2 = ?").arg(quoted(table.name), quoted(field.name)));
            fill.addBindValue(storedValue(field.type, field.initial));
            if (!fill.exec()) {
                fail(QStringLiteral("%1 could not be repaired: %2").arg(describe(), fill.lastError().text()));
                return false;
            }
            added << field.name;
        }
        if (!added.isEmpty())
            status_.addNotice(QStringLiteral("The table \"%1\" of %2 lacked the fields %3; they were added.")
                                  .arg(table.name, named(), added.join(QStringLiteral(", "))));
        if (!table.singleRecord)
            continue;
        QSqlQuery count(db_);
        if (!count.exec(QStringLiteral("SELECT count(*) FROM %1").arg(quoted(table.name))) || !count.next()) {
            fail(QStringLiteral("%1 could not be read: %2").arg(describe(), count.lastError().text()));
            return false;
        }
        if (count.value(0).toLongLong() == 0) {
            if (!begin() || !insertRecord(table, initialRecord(table)))
                return false;
            status_.addNotice(
                QStringLiteral("The table \"%1\" of %2 held no record; one was added with its first values.")
                    .arg(table.name, named()));
        }
    }
    if (changed && !db_.commit()) {
        fail(QStringLiteral("%1 could not be repaired: %2").arg(describe(), db_.lastError().text()));
        db_.rollback();
        return false;
    }
    return true;
}

bool LocalDatabase::insertRecord(const TableSchema& table, const FieldValues& values)
{
    QStringList names, marks;
    for (const auto& [name, value] : values) {
        names << quoted(name);
        marks << QStringLiteral("?");
    }
    QSqlQuery query(db_);
    const QString sql = values.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(table.name))
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(quoted(table.name), names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    if (!query.prepare(sql)) {
        fail(QStringLiteral("The table \"%1\" could not be written: %2").arg(table.name, query.lastError().text()));
        return false;
    }
    for (const auto& [name, value] : values)
        query.addBindValue(value);
    if (!query.exec()) {
        fail(QStringLiteral("The table \"%1\" could not be written: %2").arg(table.name, query.lastError().text()));
        return false;
    }
    return true;
}

bool LocalDatabase::hasTable(const QString& table)
{
    if (!open_)
        return false;
    QSqlQuery query(db_);
    query.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=? COLLATE NOCASE"));
    query.addBindValue(table);
    if (!query.exec()) {
        fail(QStringLiteral("%1 could not be read: %2").arg(describe(), query.lastError().text()));
        return false;
    }
    return query.next();
}

bool LocalDatabase::readFirst(const TableSchema& table, QVariantList* values)
{
    if (!open_)
        return false;
    QStringList names;
    for (const FieldSchema& field : table.fields)
        names << quoted(field.name);
    QSqlQuery query(db_);
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid LIMIT 1")
                        .arg(names.join(QLatin1Char(',')), quoted(table.name)))) {
        fail(QStringLiteral("The table \"%1\" could not be read: %2").arg(table.name, query.lastError().text()));
        return false;
    }
    if (!query.next())
        return false;
    values->clear();
    for (int i = 0; i < table.fields.size(); ++i)
        values->append(query.value(i));
    return true;
}

bool LocalDatabase::readAll(const TableSchema& table, QList<QVariantList>* rows)
{
    if (!open_)
        return false;
    QStringList names;
    for (const FieldSchema& field : table.fields)
        names << quoted(field.name);
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(names.join(QLatin1Char(',')), quoted(table.name)))) {
        fail(QStringLiteral("The table \"%1\" could not be read: %2").arg(table.name, query.lastError().text()));
        return false;
    }
    rows->clear();
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < table.fields.size(); ++i)
            row.append(query.value(i));
        rows->append(row);
    }
    return true;
}

namespace {
// Checks the names against the table and converts each value to its stored type.
bool normalise(const TableSchema& table, const FieldValues& values, FieldValues* out, QString* error)
{
    out->clear();
    for (const auto& [name, value] : values) {
        const FieldSchema* field = table.field(name);
        if (!field) {
            *error = QStringLiteral("The table \"%1\" has no field \"%2\".").arg(table.name, name);
            return false;
        }
        out->append({field->name, LocalDatabase::storedValue(field->type, value)});
    }
    return true;
}
} // namespace

bool LocalDatabase::updateFirst(const TableSchema& table, const FieldValues& values)
{
    if (!open_)
        return false;
    FieldValues stored;
    QString error;
    if (!normalise(table, values, &stored, &error)) {
        fail(error);
        return false;
    }
    if (stored.isEmpty())
        return true;
    QStringList sets;
    for (const auto& [name, value] : stored)
        sets << quoted(name) + QStringLiteral("=?");
    if (!db_.transaction()) {
        fail(QStringLiteral("The table \"%1\" could not be written: %2").arg(table.name, db_.lastError().text()));
        return false;
    }
    bool ok = false;
    {
        QSqlQuery query(db_);
        ok = query.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid=(SELECT min(rowid) FROM %1)")
                               .arg(quoted(table.name), sets.join(QLatin1Char(','))));
        if (ok) {
            for (const auto& [name, value] : stored)
                query.addBindValue(value);
            ok = query.exec();
        }
        if (!ok)
            fail(QStringLiteral("The table \"%1\" could not be written: %2").arg(table.name, query.lastError().text()));
        else if (query.numRowsAffected() != 1) {
            fail(QStringLiteral("The table \"%1\" holds no record to write.").arg(table.name));
            ok = false;
        }
    }
    if (ok && !db_.commit()) {
        fail(QStringLiteral("The table \"%1\" could not be written: %2").arg(table.name, db_.lastError().text()));
        ok = false;
    }
    if (!ok)
        db_.rollback();
    return ok;
}

bool LocalDatabase::refill(const TableSchema& table, const QList<FieldValues>& rows)
{
    if (!open_)
        return false;
    QList<FieldValues> stored;
    for (const FieldValues& row : rows) {
        FieldValues converted;
        QString error;
        if (!normalise(table, row, &converted, &error)) {
            fail(error);
            return false;
        }
        stored.append(converted);
    }
    if (!db_.transaction()) {
        fail(QStringLiteral("The table \"%1\" could not be written: %2").arg(table.name, db_.lastError().text()));
        return false;
    }
    bool ok = exec(table.deleteStatement());
    for (const FieldValues& row : stored) {
        if (!ok)
            break;
        ok = insertRecord(table, row);
    }
    if (ok && !db_.commit()) {
        fail(QStringLiteral("The table \"%1\" could not be written: %2").arg(table.name, db_.lastError().text()));
        ok = false;
    }
    if (!ok)
        db_.rollback();
    return ok;
}

} // namespace revtal

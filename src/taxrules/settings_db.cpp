#include "taxrules/settings_db.h"

#include <array>
#include <cmath>
#include <utility>

namespace revtal {

namespace {

struct SetupColumn {
    const char* name;
    SettingsDb::Field field;
    double SetupRecord::*number; // null for the yes/no field
};

// The columns in the order the screens save them.
constexpr std::array<SetupColumn, 11> kColumns{{
    {"PensionCont", SettingsDb::PensionCont, &SetupRecord::PensionCont},
    {"EmployerPenCont", SettingsDb::EmployerPenCont, &SetupRecord::EmployerPenCont},
    {"EmployeeUIF", SettingsDb::EmployeeUIF, &SetupRecord::EmployeeUIF},
    {"EmployerUIF", SettingsDb::EmployerUIF, &SetupRecord::EmployerUIF},
    {"SkillLevy", SettingsDb::SkillLevy, &SetupRecord::SkillLevy},
    {"ProvCont", SettingsDb::ProvCont, &SetupRecord::ProvCont},
    {"EmployerProvCont", SettingsDb::EmployerProvCont, &SetupRecord::EmployerProvCont},
    {"UIFLimit", SettingsDb::UIFLimit, &SetupRecord::UIFLimit},
    {"TAIncRate8020", SettingsDb::TAIncRate8020, &SetupRecord::TAIncRate8020},
    {"CompCarFBRate8020", SettingsDb::CompCarFBRate8020, &SetupRecord::CompCarFBRate8020},
    {"CompCarMPYesNo", SettingsDb::CompCarMPYesNo, nullptr},
}};

QVariant valueOf(const SetupRecord& record, const SetupColumn& column)
{
    if (column.number)
        return record.*column.number;
    return record.CompCarMPYesNo;
}

} // namespace

SettingsDb::SettingsDb(QString path) : path_(std::move(path)) {}

const DatabaseSchema& SettingsDb::schema()
{
    static const DatabaseSchema schema = [] {
        const SetupRecord first;
        TableSchema table{QStringLiteral("Setup"), true, {}};
        for (const SetupColumn& column : kColumns)
            table.fields.append({QString::fromLatin1(column.name),
                                 column.number ? FieldType::Double : FieldType::Boolean, valueOf(first, column)});
        return DatabaseSchema{QStringLiteral("Settings.mdb"), QStringLiteral("settings database"), 2021, {table}};
    }();
    return schema;
}

StorageResult<SetupRecord> SettingsDb::read() const
{
    StorageResult<SetupRecord> result;
    LocalDatabase db(path_, schema());
    const TableSchema& table = schema().tables.front();
    QVariantList values;
    if (db.isOpen() && !db.readFirst(table, &values) && db.status().ok)
        db.fail(QStringLiteral("The table \"Setup\" of the settings database holds no record."));
    if (db.status().ok) {
        for (qsizetype i = 0; i < values.size() && i < qsizetype(kColumns.size()); ++i) {
            const SetupColumn& column = kColumns[i];
            if (!column.number) {
                result.value.CompCarMPYesNo = values.at(i).toBool();
                continue;
            }
            // SQLite can hold an infinity; no figure may show one, so it reads as the first value.
            bool isNumber = false;
            const double number = values.at(i).toDouble(&isNumber);
            if (isNumber && std::isfinite(number))
                result.value.*column.number = number;
        }
    }
    result.status = db.status();
    return result;
}

StorageStatus SettingsDb::save(const SetupRecord& record, Fields fields) const
{
    FieldValues values;
    for (const SetupColumn& column : kColumns)
        if (fields & column.field)
            values.append({QString::fromLatin1(column.name), valueOf(record, column)});
    LocalDatabase db(path_, schema());
    if (db.isOpen())
        db.updateFirst(schema().tables.front(), values);
    return db.status();
}

} // namespace revtal

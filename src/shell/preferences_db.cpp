#include "shell/preferences_db.h"

#include <utility>

namespace revtal {

PreferencesDb::PreferencesDb(QString path) : path_(std::move(path)) {}

const DatabaseSchema& PreferencesDb::schema()
{
    static const DatabaseSchema schema{QStringLiteral("bcdv.mdb"),
                                       QStringLiteral("preferences database"),
                                       201,
                                       {TableSchema{QStringLiteral("StartUp"),
                                                    true,
                                                    {{QStringLiteral("ViewAbout"), FieldType::Boolean, true},
                                                     {QStringLiteral("Var1"), FieldType::Int16, 0},
                                                     {QStringLiteral("VideoLectures"), FieldType::Text,
                                                      QString::fromLatin1(kDefaultVideoLectures)}}}}};
    return schema;
}

StorageResult<StartUpRecord> PreferencesDb::read() const
{
    StorageResult<StartUpRecord> result;
    result.value.VideoLectures = QString::fromLatin1(kDefaultVideoLectures);
    LocalDatabase db(path_, schema());
    const TableSchema& table = schema().tables.front();
    QVariantList values;
    if (db.isOpen() && !db.readFirst(table, &values) && db.status().ok)
        db.fail(QStringLiteral("The table \"StartUp\" of the preferences database holds no record."));
    if (db.status().ok) {
        result.value.ViewAbout = values.at(0).toBool();
        result.value.Var1 = static_cast<std::int16_t>(values.at(1).toInt());
        result.value.VideoLectures = values.at(2).toString().trimmed();
    }
    result.status = db.status();
    return result;
}

StorageStatus PreferencesDb::store(const FieldValues& values) const
{
    LocalDatabase db(path_, schema());
    if (db.isOpen())
        db.updateFirst(schema().tables.front(), values);
    return db.status();
}

StorageStatus PreferencesDb::storeViewAbout(bool viewAbout) const
{
    return store({{QStringLiteral("ViewAbout"), viewAbout}});
}

StorageStatus PreferencesDb::storeVar1(std::int16_t var1) const
{
    return store({{QStringLiteral("Var1"), static_cast<int>(var1)}});
}

} // namespace revtal

// The Setup record of the settings database.
#include "support/screen_fixture.h"
#include "taxrules/settings_db.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <functional>
#include <limits>

namespace revtal {
namespace {

// Reaches the file directly, past the storage layer under test.
class RawConnection {
  public:
    explicit RawConnection(const QString& path)
    {
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db_.setDatabaseName(path);
        EXPECT_TRUE(db_.open()) << db_.lastError().text().toStdString();
    }
    ~RawConnection()
    {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
    }
    void exec(const QString& sql)
    {
        QSqlQuery query(db_);
        EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
    }
    QVariant value(const QString& sql)
    {
        QSqlQuery query(db_);
        EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
        return query.next() ? query.value(0) : QVariant();
    }

  private:
    QString name_ = QStringLiteral("settings-raw-test");
    QSqlDatabase db_;
};

class SettingsDbTest : public test::ScreenFixture {
  protected:
    QString path() const { return QDir(appDir()).filePath(QStringLiteral("Settings.mdb")); }
    SettingsDb db() const { return SettingsDb(path()); }
    QStringList asideFiles() const
    {
        return QDir(appDir()).entryList({QStringLiteral("Settings.mdb.damaged-*")}, QDir::Files);
    }
    void writeFile(const QByteArray& bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
};

// Every field different from the first values and from each other.
SetupRecord typed()
{
    SetupRecord r;
    r.PensionCont = 7.5;
    r.EmployerPenCont = 12.25;
    r.EmployeeUIF = 0.875;
    r.EmployerUIF = 1.125;
    r.SkillLevy = 2.5;
    r.ProvCont = 3;
    r.EmployerProvCont = 4;
    r.UIFLimit = 17712;
    r.TAIncRate8020 = 0.2;
    r.CompCarFBRate8020 = 0.2;
    r.CompCarMPYesNo = true;
    return r;
}

TEST_F(SettingsDbTest, missing_file_is_created_with_the_first_values)
{
    const auto read = db().read();
    ASSERT_TRUE(read.status.ok) << read.status.error.toStdString();
    EXPECT_TRUE(read.status.notice.isEmpty()); // a first start loses nothing
    const SetupRecord& r = read.value;
    EXPECT_EQ(r.PensionCont, 0);
    EXPECT_EQ(r.EmployerPenCont, 0);
    EXPECT_EQ(r.EmployeeUIF, 1);
    EXPECT_EQ(r.EmployerUIF, 1);
    EXPECT_EQ(r.SkillLevy, 1);
    EXPECT_EQ(r.ProvCont, 0);
    EXPECT_EQ(r.EmployerProvCont, 0);
    EXPECT_EQ(r.UIFLimit, 14872);
    EXPECT_EQ(r.TAIncRate8020, 0.8);
    EXPECT_EQ(r.CompCarFBRate8020, 0.8);
    EXPECT_FALSE(r.CompCarMPYesNo);

    RawConnection raw(path());
    EXPECT_EQ(raw.value(QStringLiteral("SELECT count(*) FROM Setup")).toInt(), 1);
    EXPECT_EQ(raw.value(QStringLiteral("SELECT UIFLimit FROM Setup")).toDouble(), 14872);
    EXPECT_EQ(raw.value(QStringLiteral("SELECT typeof(CompCarMPYesNo) FROM Setup")).toString(), "integer");
    EXPECT_EQ(raw.value(QStringLiteral("SELECT typeof(TAIncRate8020) FROM Setup")).toString(), "real");
}

TEST_F(SettingsDbTest, saving_every_field_reads_back_the_same_record)
{
    ASSERT_TRUE(db().save(typed(), SettingsDb::kAllFields).ok);
    const auto read = db().read();
    ASSERT_TRUE(read.status.ok);
    EXPECT_EQ(read.value, typed());

    SetupRecord cleared = typed();
    cleared.CompCarMPYesNo = false;
    ASSERT_TRUE(db().save(cleared, SettingsDb::kAllFields).ok);
    EXPECT_FALSE(db().read().value.CompCarMPYesNo);
    RawConnection raw(path());
    EXPECT_EQ(raw.value(QStringLiteral("SELECT count(*) FROM Setup")).toInt(), 1);
}

TEST_F(SettingsDbTest, period_screen_save_leaves_the_salary_package_fields_as_they_were)
{
    ASSERT_TRUE(db().save(typed(), SettingsDb::kAllFields).ok);
    SetupRecord period; // first values everywhere
    period.EmployeeUIF = 0.5;
    period.EmployerUIF = 0.75;
    period.SkillLevy = 1.5;
    period.UIFLimit = 15000;
    period.TAIncRate8020 = 0.8;
    ASSERT_TRUE(db().save(period, SettingsDb::kPeriodScreenFields).ok);

    SetupRecord expected = typed();
    expected.EmployeeUIF = 0.5;
    expected.EmployerUIF = 0.75;
    expected.SkillLevy = 1.5;
    expected.UIFLimit = 15000;
    expected.TAIncRate8020 = 0.8;
    EXPECT_EQ(db().read().value, expected);
}

TEST_F(SettingsDbTest, each_field_is_saved_on_its_own)
{
    const SetupRecord first;
    const SetupRecord other = typed();
    // Each field alone: only that one takes the new value.
    const std::vector<std::pair<SettingsDb::Field, std::function<bool(const SetupRecord&)>>> cases{
        {SettingsDb::PensionCont, [](const SetupRecord& r) { return r.PensionCont == 7.5; }},
        {SettingsDb::EmployerPenCont, [](const SetupRecord& r) { return r.EmployerPenCont == 12.25; }},
        {SettingsDb::EmployeeUIF, [](const SetupRecord& r) { return r.EmployeeUIF == 0.875; }},
        {SettingsDb::EmployerUIF, [](const SetupRecord& r) { return r.EmployerUIF == 1.125; }},
        {SettingsDb::SkillLevy, [](const SetupRecord& r) { return r.SkillLevy == 2.5; }},
        {SettingsDb::ProvCont, [](const SetupRecord& r) { return r.ProvCont == 3; }},
        {SettingsDb::EmployerProvCont, [](const SetupRecord& r) { return r.EmployerProvCont == 4; }},
        {SettingsDb::UIFLimit, [](const SetupRecord& r) { return r.UIFLimit == 17712; }},
        {SettingsDb::TAIncRate8020, [](const SetupRecord& r) { return r.TAIncRate8020 == 0.2; }},
        {SettingsDb::CompCarFBRate8020, [](const SetupRecord& r) { return r.CompCarFBRate8020 == 0.2; }},
        {SettingsDb::CompCarMPYesNo, [](const SetupRecord& r) { return r.CompCarMPYesNo; }},
    };
    for (const auto& [field, changed] : cases) {
        SCOPED_TRACE(field);
        ASSERT_TRUE(db().save(first, SettingsDb::kAllFields).ok);
        ASSERT_TRUE(db().save(other, field).ok);
        const SetupRecord r = db().read().value;
        EXPECT_TRUE(changed(r));
        int differing = 0;
        for (const auto& [f, isNew] : cases)
            differing += isNew(r) ? 1 : 0;
        EXPECT_EQ(differing, 1);
    }
}

TEST_F(SettingsDbTest, inclusion_rate_other_than_the_two_is_read_unchanged)
{
    ASSERT_TRUE(db().read().status.ok);
    {
        RawConnection raw(path());
        raw.exec(QStringLiteral("UPDATE Setup SET TAIncRate8020 = 0.5, UIFLimit = 1e999"));
    }
    const auto read = db().read();
    ASSERT_TRUE(read.status.ok);
    EXPECT_EQ(read.value.TAIncRate8020, 0.5);
    EXPECT_EQ(read.value.UIFLimit, 14872); // an infinity is not a figure; the first value stands
}

TEST_F(SettingsDbTest, file_that_is_not_a_database_is_moved_aside_and_replaced)
{
    writeFile("Standard Jet DB - not a SQLite file at all, but somebody's old Access settings");
    const auto read = db().read();
    ASSERT_TRUE(read.status.ok) << read.status.error.toStdString();
    EXPECT_EQ(read.value, SetupRecord{});
    EXPECT_TRUE(read.status.notice.contains(QLatin1String("Settings.mdb")));
    ASSERT_EQ(asideFiles().size(), 1);
    QFile old(QDir(appDir()).filePath(asideFiles().front()));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_TRUE(old.readAll().startsWith("Standard Jet DB"));
    EXPECT_TRUE(db().save(typed(), SettingsDb::kAllFields).ok);
    EXPECT_EQ(db().read().value, typed());
}

TEST_F(SettingsDbTest, empty_file_and_lost_record_are_restored_with_the_first_values)
{
    writeFile({});
    auto read = db().read();
    ASSERT_TRUE(read.status.ok);
    EXPECT_FALSE(read.status.notice.isEmpty());
    EXPECT_EQ(read.value, SetupRecord{});

    ASSERT_TRUE(db().save(typed(), SettingsDb::kAllFields).ok);
    {
        RawConnection raw(path());
        raw.exec(QStringLiteral("DELETE FROM Setup"));
    }
    read = db().read();
    ASSERT_TRUE(read.status.ok);
    EXPECT_TRUE(read.status.notice.contains(QLatin1String("Setup")));
    EXPECT_EQ(read.value, SetupRecord{});
}

TEST_F(SettingsDbTest, save_that_cannot_write_reports_failure_and_changes_nothing)
{
    ASSERT_TRUE(db().save(typed(), SettingsDb::kAllFields).ok);
    const int previousTimeout = LocalDatabase::busyTimeout();
    LocalDatabase::setBusyTimeout(50);
    {
        // Another copy of the program holds the file.
        RawConnection other(path());
        other.exec(QStringLiteral("BEGIN EXCLUSIVE"));
        const StorageStatus saved = db().save(SetupRecord{}, SettingsDb::kAllFields);
        EXPECT_FALSE(saved.ok);
        EXPECT_FALSE(saved.error.isEmpty());
        other.exec(QStringLiteral("ROLLBACK"));
    }
    LocalDatabase::setBusyTimeout(previousTimeout);
    EXPECT_EQ(db().read().value, typed());

    const SettingsDb nowhere(QDir(appDir()).filePath(QStringLiteral("no-such-dir/Settings.mdb")));
    const StorageStatus saved = nowhere.save(typed(), SettingsDb::kPeriodScreenFields);
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.error.contains(QLatin1String("Settings.mdb")));
    const auto read = nowhere.read();
    EXPECT_FALSE(read.status.ok);
    EXPECT_EQ(read.value, SetupRecord{});
}

} // namespace
} // namespace revtal

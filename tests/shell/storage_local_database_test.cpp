// The common database file handling, seen through the preferences file.
#include "shell/local_database.h"
#include "shell/preferences_db.h"
#include "support/raw_database.h"
#include "support/screen_fixture.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace revtal {
namespace {

using test::fileBytes;
using test::filesStartingWith;
using test::rawExec;
using test::rawValue;

class LocalDatabaseTest : public test::ScreenFixture {
  protected:
    QString path() const { return QDir(appDir()).filePath(QStringLiteral("bcdv.mdb")); }
    void TearDown() override
    {
        LocalDatabase::setBusyTimeout(5000);
        test::ScreenFixture::TearDown();
    }
};

TEST_F(LocalDatabaseTest, missing_file_is_created_silently_with_first_record_and_our_marks)
{
    const auto result = PreferencesDb(path()).read();
    ASSERT_TRUE(result.status.ok) << result.status.error.toStdString();
    EXPECT_TRUE(result.status.notice.isEmpty());
    EXPECT_TRUE(result.value.ViewAbout);
    EXPECT_EQ(result.value.Var1, 0);
    EXPECT_EQ(rawValue(path(), QStringLiteral("PRAGMA application_id")).toLongLong(), LocalDatabase::kApplicationId);
    EXPECT_EQ(rawValue(path(), QStringLiteral("PRAGMA user_version")).toInt(), PreferencesDb::schema().userVersion);
    EXPECT_EQ(rawValue(path(), QStringLiteral("SELECT count(*) FROM StartUp")).toInt(), 1);
    EXPECT_EQ(filesStartingWith(appDir(), QStringLiteral("bcdv.mdb")), QStringList{QStringLiteral("bcdv.mdb")});
    EXPECT_TRUE(QSqlDatabase::connectionNames().isEmpty()) << "a connection was left behind";
}

// Each way a file can fail to be ours: it is moved aside untouched and replaced.
TEST_F(LocalDatabaseTest, unusable_file_is_moved_aside_and_replaced)
{
    struct Case {
        const char* what;
        std::function<void(const QString&)> make;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"empty file", [](const QString& p) { test::writeBytes(p, {}); }, "empty"},
        {"text file", [](const QString& p) { test::writeBytes(p, QByteArray(4096, 'x')); }, "not a sound database"},
        {"another program's database",
         [](const QString& p) { rawExec(p, {QStringLiteral("CREATE TABLE StartUp (ViewAbout, Var1)")}); },
         "not a Revtal database"},
        {"another Revtal database",
         [](const QString& p) {
             rawExec(p, {QStringLiteral("PRAGMA application_id=%1").arg(LocalDatabase::kApplicationId),
                         QStringLiteral("PRAGMA user_version=101"), QStringLiteral("CREATE TABLE Setup (x)")});
         },
         "different kind"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& name : QDir(appDir()).entryList({QStringLiteral("bcdv.mdb*")}, QDir::Files))
            QFile::remove(QDir(appDir()).filePath(name));
        c.make(path());
        const QByteArray original = fileBytes(path());

        const auto result = PreferencesDb(path()).read();
        ASSERT_TRUE(result.status.ok) << result.status.error.toStdString();
        EXPECT_TRUE(result.value.ViewAbout);
        EXPECT_EQ(result.value.Var1, 0);

        const QStringList aside = filesStartingWith(appDir(), QStringLiteral("bcdv.mdb.damaged-"));
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(fileBytes(QDir(appDir()).filePath(aside.front())), original);
        EXPECT_TRUE(result.status.notice.contains(aside.front())) << result.status.notice.toStdString();
        EXPECT_TRUE(result.status.notice.contains(QLatin1String(c.reason))) << result.status.notice.toStdString();
        EXPECT_EQ(rawValue(path(), QStringLiteral("PRAGMA application_id")).toLongLong(),
                  LocalDatabase::kApplicationId);

        // Once replaced, the next operation has nothing more to say.
        const auto again = PreferencesDb(path()).read();
        EXPECT_TRUE(again.status.ok);
        EXPECT_TRUE(again.status.notice.isEmpty()) << again.status.notice.toStdString();
    }
}

TEST_F(LocalDatabaseTest, missing_table_column_or_record_is_restored_and_reported)
{
    struct Case {
        const char* what;
        QStringList damage;
        const char* notice;
        bool keepsVar1;
    };
    const std::vector<Case> cases = {
        {"table dropped", {QStringLiteral("DROP TABLE StartUp")}, "was missing", false},
        {"record deleted", {QStringLiteral("DELETE FROM StartUp")}, "held no record", false},
        {"column lost",
         {QStringLiteral("CREATE TABLE t AS SELECT Var1 FROM StartUp"), QStringLiteral("DROP TABLE StartUp"),
          QStringLiteral("ALTER TABLE t RENAME TO StartUp")},
         "lacked the fields ViewAbout",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path());
        ASSERT_TRUE(PreferencesDb(path()).storeVar1(125).ok);
        rawExec(path(), c.damage);

        const auto result = PreferencesDb(path()).read();
        ASSERT_TRUE(result.status.ok) << result.status.error.toStdString();
        EXPECT_TRUE(result.status.notice.contains(QLatin1String(c.notice))) << result.status.notice.toStdString();
        EXPECT_EQ(result.value.Var1, c.keepsVar1 ? 125 : 0);
        EXPECT_EQ(rawValue(path(), QStringLiteral("SELECT count(*) FROM StartUp")).toInt(), 1);
        EXPECT_TRUE(filesStartingWith(appDir(), QStringLiteral("bcdv.mdb.damaged")).isEmpty());
    }
}

TEST_F(LocalDatabaseTest, failed_write_is_reported_and_changes_nothing)
{
    ASSERT_TRUE(PreferencesDb(path()).storeVar1(7).ok);
    rawExec(path(), {QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON StartUp "
                                    "BEGIN SELECT RAISE(ABORT, 'disk refuses'); END")});

    const StorageStatus status = PreferencesDb(path()).storeVar1(125);
    EXPECT_FALSE(status.ok);
    EXPECT_TRUE(status.error.contains(QLatin1String("disk refuses"))) << status.error.toStdString();
    EXPECT_EQ(rawValue(path(), QStringLiteral("SELECT Var1 FROM StartUp")).toInt(), 7);
}

TEST_F(LocalDatabaseTest, file_locked_by_another_copy_fails_the_write_and_is_not_moved_aside)
{
    ASSERT_TRUE(PreferencesDb(path()).storeVar1(7).ok);
    LocalDatabase::setBusyTimeout(50);
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other-copy"));
        other.setDatabaseName(path());
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));

        const StorageStatus status = PreferencesDb(path()).storeVar1(125);
        EXPECT_FALSE(status.ok);
        EXPECT_FALSE(status.error.isEmpty());

        lock.exec(QStringLiteral("ROLLBACK"));
        lock.finish();
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other-copy"));
    EXPECT_TRUE(filesStartingWith(appDir(), QStringLiteral("bcdv.mdb.damaged")).isEmpty());
    EXPECT_EQ(rawValue(path(), QStringLiteral("SELECT Var1 FROM StartUp")).toInt(), 7);
}

TEST_F(LocalDatabaseTest, unknown_field_is_a_failure_not_a_silent_skip)
{
    LocalDatabase db(path(), PreferencesDb::schema());
    ASSERT_TRUE(db.isOpen());
    EXPECT_FALSE(db.updateFirst(PreferencesDb::schema().tables.front(), {{QStringLiteral("ViewAboot"), true}}));
    EXPECT_TRUE(db.status().error.contains(QLatin1String("ViewAboot")));
}

} // namespace
} // namespace revtal

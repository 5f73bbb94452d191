// The start-up preferences record.
#include "shell/preferences_db.h"
#include "support/raw_database.h"
#include "support/screen_fixture.h"

#include <QDir>

namespace revtal {
namespace {

class PreferencesDbTest : public test::ScreenFixture {
  protected:
    QString path() const { return QDir(appDir()).filePath(QStringLiteral("bcdv.mdb")); }
};

TEST_F(PreferencesDbTest, each_store_changes_its_own_field_only)
{
    const PreferencesDb prefs(path());
    ASSERT_TRUE(prefs.storeVar1(125).ok);
    ASSERT_TRUE(prefs.storeViewAbout(false).ok);
    auto read = prefs.read();
    ASSERT_TRUE(read.status.ok);
    EXPECT_FALSE(read.value.ViewAbout);
    EXPECT_EQ(read.value.Var1, 125);

    ASSERT_TRUE(prefs.storeViewAbout(true).ok);
    ASSERT_TRUE(prefs.storeVar1(32767).ok);
    read = prefs.read();
    EXPECT_TRUE(read.value.ViewAbout);
    EXPECT_EQ(read.value.Var1, 32767);
    EXPECT_EQ(test::rawValue(path(), QStringLiteral("SELECT count(*) FROM StartUp")).toInt(), 1);
}

TEST_F(PreferencesDbTest, unreadable_location_gives_failure_and_the_safe_first_values)
{
    const auto read = PreferencesDb(QDir(appDir()).filePath(QStringLiteral("no-such-dir/bcdv.mdb"))).read();
    EXPECT_FALSE(read.status.ok);
    EXPECT_TRUE(read.status.error.contains(QLatin1String("bcdv.mdb")));
    EXPECT_TRUE(read.value.ViewAbout);
    EXPECT_EQ(read.value.Var1, 0);
}

TEST_F(PreferencesDbTest, video_lectures_address_defaults_and_is_added_to_an_older_file)
{
    const PreferencesDb prefs(path());
    auto read = prefs.read();
    ASSERT_TRUE(read.status.ok);
    EXPECT_EQ(read.value.VideoLectures, QString::fromLatin1(kDefaultVideoLectures));

    // A file written before the address existed keeps its record and gains the column.
    test::rawExec(path(), {QStringLiteral("ALTER TABLE StartUp DROP COLUMN VideoLectures"),
                           QStringLiteral("UPDATE StartUp SET Var1 = 90")});
    read = prefs.read();
    ASSERT_TRUE(read.status.ok);
    EXPECT_EQ(read.value.Var1, 90);
    EXPECT_EQ(read.value.VideoLectures, QString::fromLatin1(kDefaultVideoLectures));
}

} // namespace
} // namespace revtal

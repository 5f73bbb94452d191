// The report database: its tables as the reports read them, and the two
// ways a print fills one.
#include "report_test_support.h"

#include <QFileInfo>

#include "reports/report_db.h"

namespace revtal::test {
namespace {

using ReportDbTest = ReportFixture;

const QStringList kSingleRecordTables = {"tovriktax", "SalPackage", "IRP5Mon",         "IRP5Week",
                                         "IRP5Day",   "IRP5Ann",    "traveldeduction", "Loans",
                                         "BondBust",  "BondComp",   "Inflation",       "DailyBal"};
const QStringList kRowTables = {"compcar", "Amort"};

TEST_F(ReportDbTest, new_file_holds_every_report_table_and_one_record_in_each_single_record_table)
{
    ReportDb db(reportDbPath());
    ASSERT_TRUE(db.writeRecord(QStringLiteral("tovriktax"), {{QStringLiteral("AGE"), 30}}));
    for (const QString& table : kSingleRecordTables)
        EXPECT_EQ(rawValue(reportDbPath(), QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)).toInt(), 1)
            << table.toStdString();
    for (const QString& table : kRowTables)
        EXPECT_EQ(rawValue(reportDbPath(), QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)).toInt(), 0)
            << table.toStdString();
    EXPECT_EQ(ReportDb::schema().tables.size(), kSingleRecordTables.size() + kRowTables.size());
}

// A sample of columns whose stored type a report depends on.
struct ColumnCase {
    const char* table;
    const char* field;
    QVariant written;
    QVariant stored;
};

TEST_F(ReportDbTest, values_are_stored_as_their_column_type)
{
    const ColumnCase cases[] = {
        {"tovriktax", "TAXCOM4/2", 110235.0 / 12, 110235.0 / 12},
        {"BondBust", "IntRate", 10.1, double(float(10.1))},
        {"BondBust", "Period", 240.0, 240},
        {"DailyBal", "ANS1", 997.2603, double(float(997.2603))},
        {"DailyBal", "StartDate", 43891, 43891},
        {"DailyBal", "ANS2", 100000, 100000},
        {"SalPackage", "TPName", QStringLiteral("A. Taxpayer"), QStringLiteral("A. Taxpayer")},
        {"IRP5Ann", "MedAidBensnum", 70000, 70000},
        {"IRP5Week", "SDateNum", QStringLiteral(" 5"), QStringLiteral(" 5")},
    };
    ReportDb db(reportDbPath());
    for (const ColumnCase& c : cases) {
        SCOPED_TRACE(std::string(c.table) + "." + c.field);
        ASSERT_TRUE(db.writeRecord(QLatin1String(c.table), {{QLatin1String(c.field), c.written}}));
        const QVariant back =
            rawValue(reportDbPath(), QStringLiteral("SELECT \"%1\" FROM \"%2\"").arg(c.field, c.table));
        if (c.stored.typeId() == QMetaType::QString)
            EXPECT_EQ(back.toString(), c.stored.toString());
        else
            EXPECT_EQ(back.toDouble(), c.stored.toDouble());
    }
}

TEST_F(ReportDbTest, writing_a_record_overwrites_only_the_fields_written)
{
    ReportDb db(reportDbPath());
    ASSERT_TRUE(db.writeRecord(QStringLiteral("SalPackage"),
                               {{QStringLiteral("ProvDeduct"), 1200.0}, {QStringLiteral("TPName"), "First"}}));
    ASSERT_TRUE(db.writeRecord(QStringLiteral("SalPackage"), {{QStringLiteral("TPName"), "Second"}}));
    EXPECT_EQ(rawValue(reportDbPath(), "SELECT ProvDeduct FROM SalPackage").toDouble(), 1200.0);
    EXPECT_EQ(rawValue(reportDbPath(), "SELECT TPName FROM SalPackage").toString(), QStringLiteral("Second"));
    EXPECT_EQ(rawValue(reportDbPath(), "SELECT count(*) FROM SalPackage").toInt(), 1);
}

QList<FieldValues> amortRows(int count, double capital)
{
    QList<FieldValues> rows;
    for (int i = 1; i <= count; ++i)
        rows << FieldValues{{"Year", i}, {"Capital", capital * i}, {"Interest", 1.5}, {"Required", 0.0}};
    return rows;
}

TEST_F(ReportDbTest, a_row_table_printed_twice_holds_only_the_second_prints_rows)
{
    ReportDb db(reportDbPath());
    ASSERT_TRUE(db.refillRows(QStringLiteral("Amort"), amortRows(60, 10)));
    ASSERT_TRUE(db.refillRows(QStringLiteral("Amort"), amortRows(1, 7)));
    EXPECT_EQ(rawValue(reportDbPath(), "SELECT count(*) FROM Amort").toInt(), 1);
    EXPECT_EQ(rawValue(reportDbPath(), "SELECT Capital FROM Amort").toDouble(), 7.0);
}

TEST_F(ReportDbTest, refilling_with_no_rows_leaves_the_table_empty)
{
    ReportDb db(reportDbPath());
    ASSERT_TRUE(db.refillRows(QStringLiteral("compcar"), {{{"CarNum", 1}, {"CMVMaxNum", 1}}}));
    ASSERT_TRUE(db.refillRows(QStringLiteral("compcar"), {}));
    EXPECT_EQ(rawValue(reportDbPath(), "SELECT count(*) FROM compcar").toInt(), 0);
}

TEST_F(ReportDbTest, rows_are_read_back_in_the_order_written)
{
    ReportDb db(reportDbPath());
    ASSERT_TRUE(db.refillRows(QStringLiteral("Amort"), amortRows(3, 100)));
    const auto read = db.readTables({QStringLiteral("Amort")});
    ASSERT_TRUE(read.status) << read.status.error.toStdString();
    ASSERT_EQ(read.value.size(), 1);
    const ReportTable& amort = read.value.first();
    const int year = amort.fieldIndex(QStringLiteral("year"));
    ASSERT_EQ(amort.rows.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(amort.rows[i][year].toInt(), i + 1);
}

TEST_F(ReportDbTest, a_failed_write_keeps_the_table_as_it_was_and_says_what_failed)
{
    ReportDb db(reportDbPath());
    ASSERT_TRUE(db.refillRows(QStringLiteral("Amort"), amortRows(2, 5)));
    QList<FieldValues> bad = amortRows(3, 9);
    bad << FieldValues{{"NoSuchColumn", 1}};
    const StorageStatus refill = db.refillRows(QStringLiteral("Amort"), bad);
    EXPECT_FALSE(refill);
    EXPECT_TRUE(refill.error.contains("NoSuchColumn")) << refill.error.toStdString();
    EXPECT_EQ(rawValue(reportDbPath(), "SELECT count(*) FROM Amort").toInt(), 2);

    ASSERT_TRUE(db.writeRecord(QStringLiteral("Loans"), {{"Num1", 100000.0}}));
    const StorageStatus write = db.writeRecord(QStringLiteral("Loans"), {{"Num1", 5.0}, {"Nope", 1}});
    EXPECT_FALSE(write);
    EXPECT_EQ(rawValue(reportDbPath(), "SELECT Num1 FROM Loans").toDouble(), 100000.0);
}

TEST_F(ReportDbTest, a_table_of_the_wrong_kind_or_unknown_is_refused_by_name)
{
    ReportDb db(reportDbPath());
    const StorageStatus asRecord = db.writeRecord(QStringLiteral("Amort"), {{"Year", 1}});
    EXPECT_FALSE(asRecord);
    EXPECT_TRUE(asRecord.error.contains("Amort"));
    const StorageStatus asRows = db.refillRows(QStringLiteral("tovriktax"), {});
    EXPECT_FALSE(asRows);
    EXPECT_TRUE(asRows.error.contains("tovriktax"));
    const StorageStatus unknown = db.writeRecord(QStringLiteral("Payslip"), {});
    EXPECT_FALSE(unknown);
    EXPECT_TRUE(unknown.error.contains("Payslip"));
}

TEST_F(ReportDbTest, reading_names_a_missing_file_table_or_record)
{
    ReportDb db(reportDbPath());
    const auto noFile = db.readTables({QStringLiteral("tovriktax")});
    EXPECT_FALSE(noFile.status);
    EXPECT_TRUE(noFile.status.error.contains("Crysprin.mdb")) << noFile.status.error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(reportDbPath())) << "reading must not create the file";

    ASSERT_TRUE(db.writeRecord(QStringLiteral("BondComp"), {{"PAmt", 1.0}}));
    rawExec(reportDbPath(), {"DELETE FROM BondComp", "DROP TABLE Inflation"});
    const auto noRecord = db.readTables({QStringLiteral("BondComp")});
    EXPECT_FALSE(noRecord.status);
    EXPECT_TRUE(noRecord.status.error.contains("BondComp")) << noRecord.status.error.toStdString();
    const auto noTable = db.readTables({QStringLiteral("Inflation")});
    EXPECT_FALSE(noTable.status);
    EXPECT_TRUE(noTable.status.error.contains("Inflation")) << noTable.status.error.toStdString();
}

TEST_F(ReportDbTest, writing_restores_a_lost_table_and_record_and_says_so)
{
    ReportDb db(reportDbPath());
    ASSERT_TRUE(db.writeRecord(QStringLiteral("Inflation"), {{"Ans1", 1.0}}));
    rawExec(reportDbPath(), {"DROP TABLE Inflation", "DELETE FROM DailyBal"});
    const StorageStatus status = db.writeRecord(QStringLiteral("Inflation"), {{"Ans1", 1790.85}});
    ASSERT_TRUE(status) << status.error.toStdString();
    EXPECT_TRUE(status.notice.contains("Inflation")) << status.notice.toStdString();
    EXPECT_TRUE(status.notice.contains("DailyBal")) << status.notice.toStdString();
    EXPECT_EQ(rawValue(reportDbPath(), "SELECT Ans1 FROM Inflation").toDouble(), 1790.85);
    EXPECT_EQ(rawValue(reportDbPath(), "SELECT count(*) FROM DailyBal").toInt(), 1);
}

} // namespace
} // namespace revtal::test

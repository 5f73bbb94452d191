// The template format: how fields are shown, row blocks and totals, and the
// faults of a template that must be told rather than printed.
#include <gtest/gtest.h>

#include "reports/report_template.h"

namespace revtal {
namespace {

struct FormatCase {
    QVariant value;
    FieldType type;
    const char* format;
    const char* shown;
};

TEST(ReportTemplateFormat, shows_each_value_in_its_format)
{
    const FormatCase cases[] = {
        {1234567.891, FieldType::Double, "money", "1 234 567.89"},
        {1234567.891, FieldType::Double, "", "1 234 567.89"},
        {-0.004, FieldType::Double, "money", "0.00"},
        {-1500.5, FieldType::Double, "money", "-1 500.50"},
        {0.125, FieldType::Double, "money", "0.12"}, // half to even
        {240, FieldType::Int16, "", "240"},
        {2147483647, FieldType::Int32, "whole", "2 147 483 647"},
        {36.0, FieldType::Double, "fixed2", "36.00"},
        {22.047, FieldType::Double, "fixed3", "22.047"},
        {43891, FieldType::DayNumber, "", "01/03/2020"},
        {44255, FieldType::Int32, "date", "28/02/2021"},
        {-693959, FieldType::DayNumber, "date", ""},
        {QStringLiteral("Tom & <Jerry>"), FieldType::Text, "", "Tom &amp; &lt;Jerry&gt;"},
        {QStringLiteral("100000"), FieldType::Text, "money", "100 000.00"},
        {QStringLiteral(""), FieldType::Text, "money", ""},
        {QStringLiteral(" 5"), FieldType::Text, "text", " 5"},
    };
    for (const FormatCase& c : cases) {
        QString shown;
        ASSERT_TRUE(formatReportValue(c.value, c.type, QLatin1String(c.format), &shown)) << c.format;
        EXPECT_EQ(shown, QString::fromUtf8(c.shown)) << c.value.toString().toStdString() << " as " << c.format;
    }
    QString shown;
    EXPECT_FALSE(formatReportValue(1.0, FieldType::Double, QStringLiteral("percent"), &shown));
}

ReportTable amort(int rows)
{
    ReportTable t{QStringLiteral("Amort"),
                  false,
                  {{QStringLiteral("Year"), FieldType::Int16, {}},
                   {QStringLiteral("Capital"), FieldType::Double, {}},
                   {QStringLiteral("Interest"), FieldType::Double, {}}},
                  {}};
    for (int i = 1; i <= rows; ++i)
        t.rows << QVariantList{i, 1000.0 * i, 0.5};
    return t;
}

ReportTable loans()
{
    return {QStringLiteral("Loans"),
            true,
            {{QStringLiteral("Heading"), FieldType::Text, {}}, {QStringLiteral("Num1"), FieldType::Double, {}}},
            {{QStringLiteral("Monthly repayment"), 100000.0}}};
}

QString filled(const QString& text, const QList<ReportTable>& data, QString* error)
{
    QString parseError;
    const ReportTemplate t = ReportTemplate::parse(text, QStringLiteral("test.rpt"), &parseError);
    EXPECT_TRUE(parseError.isEmpty()) << parseError.toStdString();
    return t.fill(data, error);
}

TEST(ReportTemplateFill, repeats_the_row_block_per_record_with_totals_and_single_record_fields)
{
    QString error;
    const QString html = filled("@table Loans\n@table Amort\n"
                                "<h1>[[Heading]] R [[Num1]]</h1>"
                                "[[rows]]<tr><td>[[Year]]</td><td>[[Capital:money]]</td><td>[[Heading]]</td></tr>"
                                "[[/rows]][[norows]]none[[/norows]]"
                                "<p>[[count]] rows, [[sum Capital:money]] / [[sum Amort.Interest:fixed1]]</p>",
                                {loans(), amort(3)}, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_TRUE(html.contains("<h1>Monthly repayment R 100 000.00</h1>"));
    EXPECT_TRUE(html.contains("<tr><td>1</td><td>1 000.00</td><td>Monthly repayment</td></tr>"
                              "<tr><td>2</td><td>2 000.00</td><td>Monthly repayment</td></tr>"
                              "<tr><td>3</td><td>3 000.00</td><td>Monthly repayment</td></tr>"));
    EXPECT_FALSE(html.contains("none"));
    EXPECT_TRUE(html.contains("<p>3 rows, 6 000.00 / 1.5</p>")) << html.toStdString();
}

TEST(ReportTemplateFill, an_empty_row_table_shows_the_norows_block_and_zero_totals)
{
    QString error;
    const QString html = filled("@table Amort\n[[rows]]<tr>[[Year]]</tr>[[/rows]][[norows]]No rows.[[/norows]]"
                                " Total [[sum Capital:money]]",
                                {amort(0)}, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(html.trimmed(), QStringLiteral("No rows. Total 0.00"));
}

struct BrokenCase {
    const char* text;
    const char* mentions;
};

TEST(ReportTemplateParse, a_broken_template_is_told_with_its_name_and_line)
{
    const BrokenCase cases[] = {
        {"<p>no table</p>", "@table"},
        {"@table Loans\n@colour red\n", "@colour"},
        {"@table Loans\n@orientation sideways\n", "sideways"},
        {"@table Loans\n\n<p>[[Num1:percent]]</p>", "line 3"},
        {"@table Amort\n[[rows]]<tr>", "not closed"},
        {"@table Amort\n[[/rows]]", "closes no open block"},
        {"@table Amort\n[[rows]][[rows]][[/rows]][[/rows]]", "inside another"},
        {"@table Amort\n[[ ]]", "names no field"},
    };
    for (const BrokenCase& c : cases) {
        QString error;
        ReportTemplate::parse(QString::fromUtf8(c.text), QStringLiteral("broken.rpt"), &error);
        EXPECT_TRUE(error.contains("broken.rpt")) << c.text << " -> " << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.mentions))) << c.text << " -> " << error.toStdString();
    }
}

TEST(ReportTemplateFill, a_field_or_table_the_data_lacks_is_named)
{
    QString error;
    filled("@table Loans\n<p>[[Num9]]</p>", {loans()}, &error);
    EXPECT_TRUE(error.contains("Num9")) << error.toStdString();
    filled("@table Loans\n<p>[[BondBust.PAmt]]</p>", {loans()}, &error);
    EXPECT_TRUE(error.contains("BondBust")) << error.toStdString();
}

TEST(ReportTemplateParse, reads_directives_and_skips_comments)
{
    QString error;
    const ReportTemplate t = ReportTemplate::parse(
        "# a comment\n@table compcar\n@title Company car\n@orientation landscape\n@footer Revtal\n<p>x</p>",
        QStringLiteral("compcar.rpt"), &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(t.tables(), QStringList{"compcar"});
    EXPECT_EQ(t.title(), QStringLiteral("Company car"));
    EXPECT_EQ(t.footer(), QStringLiteral("Revtal"));
    EXPECT_EQ(t.orientation(), QPageLayout::Landscape);
}

} // namespace
} // namespace revtal

#include "reports/report_db.h"

#include <QDir>

#include <utility>

namespace revtal {

namespace {

FieldSchema text(const QString& name)
{
    return {name, FieldType::Text, {}};
}
FieldSchema number(const QString& name)
{
    return {name, FieldType::Double, {}};
}
FieldSchema int16(const QString& name)
{
    return {name, FieldType::Int16, {}};
}
FieldSchema int32(const QString& name)
{
    return {name, FieldType::Int32, {}};
}
FieldSchema single(const QString& name)
{
    return {name, FieldType::Single, {}};
}
FieldSchema day(const QString& name)
{
    return {name, FieldType::DayNumber, {}};
}

QList<FieldSchema> texts(std::initializer_list<const char*> names)
{
    QList<FieldSchema> fields;
    for (const char* n : names)
        fields << text(QLatin1String(n));
    return fields;
}

QList<FieldSchema> numbers(std::initializer_list<const char*> names)
{
    QList<FieldSchema> fields;
    for (const char* n : names)
        fields << number(QLatin1String(n));
    return fields;
}

// name0 ... name3 style runs of one type.
QList<FieldSchema> indexed(const QString& stem, int from, int to, FieldSchema (*make)(const QString&),
                           const QString& suffix = {})
{
    QList<FieldSchema> fields;
    for (int i = from; i <= to; ++i)
        fields << make(stem + QString::number(i) + suffix);
    return fields;
}

QList<FieldSchema> periodCommon()
{
    return {text(QStringLiteral("TypeAM")),
            text(QStringLiteral("Employee")),
            text(QStringLiteral("Age")),
            int16(QStringLiteral("AgeNum")),
            text(QStringLiteral("Sal")),
            number(QStringLiteral("SalNum")),
            text(QStringLiteral("DirFees")),
            number(QStringLiteral("DirFeesNum")),
            text(QStringLiteral("Bonus")),
            number(QStringLiteral("BonusNum")),
            text(QStringLiteral("TravAll")),
            text(QStringLiteral("MedExp")),
            number(QStringLiteral("MedExpNum")),
            text(QStringLiteral("PenCont")),
            number(QStringLiteral("PenContNum")),
            text(QStringLiteral("RACont")),
            number(QStringLiteral("RAContNum")),
            text(QStringLiteral("EOE")),
            text(QStringLiteral("Taxliability")),
            number(QStringLiteral("Taxliabilitynum")),
            text(QStringLiteral("TaxCredit")),
            number(QStringLiteral("Taxcreditnum")),
            text(QStringLiteral("TaxCreditCons")),
            number(QStringLiteral("TaxcreditnumCons")),
            text(QStringLiteral("EmpERMedAidCont")),
            number(QStringLiteral("EmpERMedAidContnum")),
            text(QStringLiteral("EmpEEMedAidCont")),
            number(QStringLiteral("EmpEEMedAidContnum")),
            text(QStringLiteral("MedAidBens")),
            text(QStringLiteral("TOTAL")),
            number(QStringLiteral("TotalNum"))};
}

QList<FieldSchema> periodShort()
{
    return {text(QStringLiteral("UIFEMPE")),      number(QStringLiteral("UIFEMPENum")),
            text(QStringLiteral("UIFEMPR")),      number(QStringLiteral("UIFEMPRNum")),
            text(QStringLiteral("SDL")),          number(QStringLiteral("SDLNum")),
            text(QStringLiteral("AnnCalcBens3")), int16(QStringLiteral("AnnCalcBens3num"))};
}

QList<FieldSchema> periodDates()
{
    return texts({"SDate", "SDateNum", "EDate", "EDateNum"});
}

QList<TableSchema> reportTables()
{
    QList<TableSchema> tables;

    tables << TableSchema{QStringLiteral("tovriktax"), true,
                          QList<FieldSchema>{int16(QStringLiteral("AGE"))} +
                              numbers({"TAXINCOME", "TAXTOPAY", "MARGRATE", "PORTION", "TOTTAX", "REBATE", "TAXCOM4",
                                       "AVRATE", "AVRATEAFT", "TAXCOM4/2"})};

    QList<FieldSchema> package = {text(QStringLiteral("MonAnn")),      text(QStringLiteral("TPName")),
                                  int16(QStringLiteral("TPAge")),      text(QStringLiteral("MonAnnSal")),
                                  number(QStringLiteral("NetMonSal")), number(QStringLiteral("CostToComp"))};
    package += numbers({"CompCar", "CompCarCC", "TravAll", "TravAllCC", "MedAidCont", "MedAidContCC"});
    package += {int16(QStringLiteral("PMems")), int16(QStringLiteral("AddBens"))};
    package += numbers(
        {"TaxFreeMedPrint", "OtherTaxFB", "OtherTaxFBCC", "PenDeduct", "PenDeductCC", "ProvDeduct", "ProvDeductCC"});
    package << text(QStringLiteral("RADirective"));
    package +=
        numbers({"RADeduct", "MedDeduct", "UIFCont", "UIFContCC", "SkillLevy", "TaxDue", "TaxCredit", "TaxDeduct"});
    package += texts({"PrinMembers", "BenMembers", "OEXPTXT"});
    package += indexed(QStringLiteral("ODedTxt"), 0, 3, text);
    package += indexed(QStringLiteral("ODedR"), 0, 3, text);
    package += indexed(QStringLiteral("ODedNum"), 0, 3, number);
    package += indexed(QStringLiteral("ODedNumCC"), 0, 3, number);
    package += numbers({"GSal", "TotCostComp"});
    package += texts({"PlusCompCar1", "PlusCompCar2"});
    tables << TableSchema{QStringLiteral("SalPackage"), true, package};

    tables << TableSchema{QStringLiteral("IRP5Mon"), true,
                          periodCommon() + periodShort() + numbers({"TravOne", "TravTwo"}) + periodDates()};
    tables << TableSchema{QStringLiteral("IRP5Week"), true,
                          periodCommon() + periodShort() + periodDates() + numbers({"RecBefNum"})};
    tables << TableSchema{QStringLiteral("IRP5Day"), true, periodCommon() + periodShort() + numbers({"RecBefNum"})};
    QList<FieldSchema> annual = periodCommon() + periodDates() + numbers({"RecBefNum"});
    annual += {text(QStringLiteral("SITE")), number(QStringLiteral("SITENum")), text(QStringLiteral("PAYE")),
               number(QStringLiteral("PAYENum")), text(QStringLiteral("NumOFBens"))};
    annual += indexed(QStringLiteral("AnnCalcBens"), 1, 12, text);
    annual += indexed(QStringLiteral("AnnCalcBens"), 1, 12, int16, QStringLiteral("num"));
    annual << int32(QStringLiteral("MedAidBensnum"));
    tables << TableSchema{QStringLiteral("IRP5Ann"), true, annual};

    QList<FieldSchema> car = {int16(QStringLiteral("CarNum")), int16(QStringLiteral("CMVMaxNum"))};
    car += texts({"CCRegNumber", "CCMake", "CCModel"});
    car << number(QStringLiteral("CCPrice")) << text(QStringLiteral("MaintIncluded"));
    car += numbers({"CCMonths", "EndMileage", "StartMileage", "TotalDistance", "BusDistance", "ActualExpEmployee"});
    car << text(QStringLiteral("SARSTable"));
    car += numbers({"FuelReimbEmployer", "EmpPaidInsurance", "EmpPaidLicence", "EmpPaidMaintenance", "Actual3802",
                    "FB3802ThisCar", "AdjustTaxableInc", "SARSDeductionClaim", "TrueInclusion", "PrivateDistance",
                    "FuelComponent", "Arr_FuelClaim", "TotAddExpense", "FuelExp"});
    car += texts({"BussMilage", "YearOfManfact", "CCStartDate", "CCEndDate"});
    car += numbers({"IRP53802", "MonFB80", "MonFB20", "FortFB80", "FortFB20", "WeekFB80", "WeekFB20"});
    tables << TableSchema{QStringLiteral("compcar"), false, car};

    QList<FieldSchema> travel = {text(QStringLiteral("TPName")), int16(QStringLiteral("CARNO")),
                                 text(QStringLiteral("mta01"))};
    travel += numbers({"mta04", "mta05", "mta06", "mta07", "tadeduction", "MTD", "MBD", "mpd", "mta03", "mta14", "cv",
                       "fce", "fc", "mc", "tatc"});
    travel += texts({"FCDet", "MCDet", "DateStart", "DateEnd"});
    travel += numbers({"mta08", "mta09", "mta10", "mta11", "mta12", "mta13", "totcost", "pu"});
    tables << TableSchema{QStringLiteral("traveldeduction"), true, travel};

    tables << TableSchema{QStringLiteral("Loans"), true,
                          QList<FieldSchema>{text(QStringLiteral("Heading"))} +
                              numbers({"Num1", "Num2", "Num3", "Num4"}) + texts({"FinText1", "FinText1A"}) +
                              numbers({"FinNum1"}) + texts({"FinText2"}) + numbers({"FinNum2"}) + texts({"YearMon"})};
    tables << TableSchema{QStringLiteral("Amort"), false,
                          QList<FieldSchema>{int16(QStringLiteral("Year"))} +
                              numbers({"Capital", "Interest", "Required"})};

    tables << TableSchema{QStringLiteral("BondBust"),
                          true,
                          {number(QStringLiteral("PAmt")), int16(QStringLiteral("Period")),
                           single(QStringLiteral("IntRate")), number(QStringLiteral("MonRep")),
                           number(QStringLiteral("TotIntPaid")), number(QStringLiteral("TotRep")),
                           number(QStringLiteral("XtraPay")), int16(QStringLiteral("Xper")),
                           number(QStringLiteral("XMonRep")), number(QStringLiteral("XTotIntPaid")),
                           number(QStringLiteral("XTotRep")), number(QStringLiteral("XTotSavings"))}};

    QList<FieldSchema> comparison = {number(QStringLiteral("PAmt")), single(QStringLiteral("IntRate"))};
    for (int k = 1; k <= 6; ++k)
        comparison += {number(QStringLiteral("MonRep%1").arg(k)), number(QStringLiteral("IntPaid%1").arg(k)),
                       number(QStringLiteral("Total%1").arg(k))};
    tables << TableSchema{QStringLiteral("BondComp"), true, comparison};

    tables << TableSchema{QStringLiteral("Inflation"), true,
                          numbers({"PresCost", "Period", "InflaRate", "Ans1", "Ans2"})};
    tables << TableSchema{QStringLiteral("DailyBal"),
                          true,
                          {single(QStringLiteral("CapAmount")), day(QStringLiteral("StartDate")),
                           day(QStringLiteral("EndDate")), single(QStringLiteral("IntRate")),
                           single(QStringLiteral("ANS1")), int32(QStringLiteral("ANS2"))}};
    return tables;
}

} // namespace

int ReportTable::fieldIndex(const QString& fieldName) const
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

ReportDb::ReportDb(QString path) : path_(std::move(path)) {}

const DatabaseSchema& ReportDb::schema()
{
    static const DatabaseSchema schema{QStringLiteral("Crysprin.mdb"), QStringLiteral("report database"), 301,
                                       reportTables()};
    return schema;
}

StorageStatus ReportDb::writeRecord(const QString& table, const FieldValues& fields) const
{
    const TableSchema* spec = schema().table(table);
    StorageStatus status;
    if (!spec || !spec->singleRecord) {
        status.ok = false;
        status.error = QStringLiteral("The report database has no single-record table \"%1\".").arg(table);
        return status;
    }
    LocalDatabase db(path_, schema());
    if (db.isOpen())
        db.updateFirst(*spec, fields);
    return db.status();
}

StorageStatus ReportDb::refillRows(const QString& table, const QList<FieldValues>& rows) const
{
    const TableSchema* spec = schema().table(table);
    StorageStatus status;
    if (!spec || spec->singleRecord) {
        status.ok = false;
        status.error = QStringLiteral("The report database has no row table \"%1\".").arg(table);
        return status;
    }
    LocalDatabase db(path_, schema());
    if (db.isOpen())
        db.refill(*spec, rows);
    return db.status();
}

StorageResult<QList<ReportTable>> ReportDb::readTables(const QStringList& tables) const
{
    StorageResult<QList<ReportTable>> result;
    auto failWith = [&](const QString& error) {
        result.status.ok = false;
        result.status.error = error;
        result.value.clear();
        return result;
    };
    LocalDatabase db(path_, schema(), LocalDatabase::Mode::CheckOnly);
    if (!db.isOpen()) {
        result.status = db.status();
        return result;
    }
    for (const QString& name : tables) {
        const TableSchema* spec = schema().table(name);
        if (!spec || !db.hasTable(spec->name)) {
            if (!db.status().ok)
                return failWith(db.status().error);
            return failWith(QStringLiteral("The report table \"%1\" is not in the report database \"%2\".")
                                .arg(name, QDir::toNativeSeparators(path_)));
        }
        ReportTable table{spec->name, spec->singleRecord, spec->fields, {}};
        if (!db.readAll(*spec, &table.rows))
            return failWith(db.status().error);
        if (table.singleRecord && table.rows.isEmpty())
            return failWith(QStringLiteral("The report table \"%1\" holds no record to print.").arg(spec->name));
        result.value << table;
    }
    return result;
}

} // namespace revtal

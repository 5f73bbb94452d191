#include "reports/report_template.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "shell/day_number.h"
#include "shell/numbers.h"

#include <cmath>

namespace revtal {

namespace {

enum class Kind { Text, Field, Sum, Count, Today, RowsBegin, RowsEnd, NoRowsBegin, NoRowsEnd };

struct Token {
    Kind kind = Kind::Text;
    QString text;  // literal HTML, or the placeholder as written (for messages)
    QString table; // empty: found by field name
    QString field;
    QString format; // empty: the field type's own
    int line = 0;
};

const QRegularExpression& placeholderPattern()
{
    static const QRegularExpression pattern(QStringLiteral("\\[\\[(.*?)\\]\\]"));
    return pattern;
}

bool knownFormat(const QString& format)
{
    static const QRegularExpression fixed(QStringLiteral("^fixed[0-9]$"));
    return format.isEmpty() || format == QLatin1String("money") || format == QLatin1String("whole") ||
           format == QLatin1String("date") || format == QLatin1String("text") || fixed.match(format).hasMatch();
}

// "Table.FIELD:format" or "FIELD:format" or "FIELD".
void splitReference(const QString& reference, Token* token)
{
    QString ref = reference;
    const int colon = ref.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0) {
        token->format = ref.mid(colon + 1).trimmed();
        ref = ref.left(colon).trimmed();
    }
    const int dot = ref.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        token->table = ref.left(dot).trimmed();
        token->field = ref.mid(dot + 1).trimmed();
    } else {
        token->field = ref;
    }
}

QString lineError(const QString& name, int line, const QString& what)
{
    return QStringLiteral("The report template \"%1\" cannot be used: line %2: %3.").arg(name).arg(line).arg(what);
}

// The tokens of the body; false with an error for a placeholder it cannot read
// or blocks that do not pair.
bool tokenise(const QString& body, int firstLine, const QString& name, QList<Token>* tokens, QString* error)
{
    tokens->clear();
    QList<Kind> open;
    qsizetype at = 0;
    auto lineOf = [&](qsizetype offset) { return firstLine + int(body.left(offset).count(QLatin1Char('\n'))); };
    auto it = placeholderPattern().globalMatch(body);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedStart() > at)
            tokens->append({Kind::Text, body.mid(at, m.capturedStart() - at), {}, {}, {}, 0});
        at = m.capturedEnd();
        Token token;
        token.text = m.captured(0);
        token.line = lineOf(m.capturedStart());
        const QString inner = m.captured(1).trimmed();
        const QStringList words = inner.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString head = words.value(0);
        if (head == QLatin1String("rows") || head == QLatin1String("norows")) {
            if (words.size() > 2) {
                *error = lineError(name, token.line, QStringLiteral("%1 names more than one table").arg(token.text));
                return false;
            }
            if (!open.isEmpty()) {
                *error = lineError(name, token.line, QStringLiteral("%1 inside another row block").arg(token.text));
                return false;
            }
            token.kind = head == QLatin1String("rows") ? Kind::RowsBegin : Kind::NoRowsBegin;
            token.table = words.value(1);
            open.append(token.kind);
        } else if (head == QLatin1String("/rows") || head == QLatin1String("/norows")) {
            const Kind begin = head == QLatin1String("/rows") ? Kind::RowsBegin : Kind::NoRowsBegin;
            if (open.isEmpty() || open.last() != begin) {
                *error = lineError(name, token.line, QStringLiteral("%1 closes no open block").arg(token.text));
                return false;
            }
            open.removeLast();
            token.kind = begin == Kind::RowsBegin ? Kind::RowsEnd : Kind::NoRowsEnd;
        } else if (head == QLatin1String("count")) {
            token.kind = Kind::Count;
            token.table = words.value(1);
        } else if (head == QLatin1String("today")) {
            token.kind = Kind::Today;
        } else if (head == QLatin1String("sum")) {
            token.kind = Kind::Sum;
            splitReference(inner.mid(3).trimmed(), &token);
        } else {
            token.kind = Kind::Field;
            splitReference(inner, &token);
        }
        if ((token.kind == Kind::Field || token.kind == Kind::Sum) && token.field.isEmpty()) {
            *error = lineError(name, token.line, QStringLiteral("%1 names no field").arg(token.text));
            return false;
        }
        if (!knownFormat(token.format)) {
            *error = lineError(name, token.line, QStringLiteral("unknown format \"%1\"").arg(token.format));
            return false;
        }
        tokens->append(token);
    }
    if (at < body.size())
        tokens->append({Kind::Text, body.mid(at), {}, {}, {}, 0});
    if (!open.isEmpty()) {
        *error = QStringLiteral("The report template \"%1\" cannot be used: a row block is not closed.").arg(name);
        return false;
    }
    return true;
}

QString shownNumber(double value, int decimals)
{
    return QString::fromStdString(formatNumber(value, decimals));
}

} // namespace

bool formatReportValue(const QVariant& value, FieldType type, const QString& format, QString* shown)
{
    QString fmt = format;
    if (fmt.isEmpty()) {
        switch (type) {
        case FieldType::Text:
            fmt = QStringLiteral("text");
            break;
        case FieldType::Double:
        case FieldType::Single:
            fmt = QStringLiteral("money");
            break;
        case FieldType::DayNumber:
            fmt = QStringLiteral("date");
            break;
        default:
            fmt = QStringLiteral("whole");
            break;
        }
    }
    if (fmt == QLatin1String("text")) {
        *shown = value.toString().toHtmlEscaped();
        return true;
    }
    if (!knownFormat(fmt))
        return false;
    // A text field shown as a number reads as one; an empty text shows nothing.
    if (value.isNull() || (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty())) {
        shown->clear();
        return true;
    }
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    if (!isNumber) {
        *shown = value.toString().toHtmlEscaped();
        return true;
    }
    if (fmt == QLatin1String("money"))
        *shown = shownNumber(number, 2);
    else if (fmt == QLatin1String("whole"))
        *shown = shownNumber(number, 0);
    else if (fmt == QLatin1String("date")) {
        const int day = int(std::floor(number));
        if (day == kEmptyDate || !std::isfinite(number)) {
            shown->clear();
        } else {
            const CalendarDate d = calendarDate(day);
            *shown = QStringLiteral("%1/%2/%3")
                         .arg(d.day, 2, 10, QLatin1Char('0'))
                         .arg(d.month, 2, 10, QLatin1Char('0'))
                         .arg(d.year, 4, 10, QLatin1Char('0'));
        }
    } else
        *shown = shownNumber(number, fmt.mid(5).toInt());
    return true;
}

ReportTemplate ReportTemplate::load(const QString& path, QString* error)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.exists()) {
        *error = QStringLiteral("The report template \"%1\" was not found at \"%2\".")
                     .arg(name, QDir::toNativeSeparators(path));
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("The report template \"%1\" could not be read: %2.").arg(name, file.errorString());
        return {};
    }
    return parse(QString::fromUtf8(file.readAll()), name, error);
}

ReportTemplate ReportTemplate::parse(const QString& text, const QString& name, QString* error)
{
    ReportTemplate t;
    t.name_ = name;
    error->clear();
    const QStringList lines = text.split(QLatin1Char('\n'));
    int line = 0;
    for (; line < lines.size(); ++line) {
        const QString l = lines[line].trimmed();
        if (l.isEmpty() || l.startsWith(QLatin1Char('#')))
            continue;
        if (!l.startsWith(QLatin1Char('@')))
            break;
        const int space = l.indexOf(QLatin1Char(' '));
        const QString key = l.mid(1, space < 0 ? -1 : space - 1);
        const QString value = space < 0 ? QString() : l.mid(space + 1).trimmed();
        if (key == QLatin1String("table")) {
            if (value.isEmpty() || value.contains(QLatin1Char(' '))) {
                *error = lineError(name, line + 1, QStringLiteral("@table needs one table name"));
                return {};
            }
            t.tables_ << value;
        } else if (key == QLatin1String("title")) {
            t.title_ = value;
        } else if (key == QLatin1String("footer")) {
            t.footer_ = value;
        } else if (key == QLatin1String("orientation")) {
            if (value == QLatin1String("portrait"))
                t.orientation_ = QPageLayout::Portrait;
            else if (value == QLatin1String("landscape"))
                t.orientation_ = QPageLayout::Landscape;
            else {
                *error = lineError(name, line + 1,
                                   QStringLiteral("orientation \"%1\" is neither portrait nor landscape").arg(value));
                return {};
            }
        } else {
            *error = lineError(name, line + 1, QStringLiteral("unknown directive \"@%1\"").arg(key));
            return {};
        }
    }
    if (t.tables_.isEmpty()) {
        *error = QStringLiteral("The report template \"%1\" cannot be used: it names no table (@table).").arg(name);
        return {};
    }
    t.body_ = lines.mid(line).join(QLatin1Char('\n'));
    QList<Token> tokens;
    if (!tokenise(t.body_, line + 1, name, &tokens, error))
        return {};
    t.firstBodyLine_ = line + 1;
    return t;
}

QString ReportTemplate::fill(const QList<ReportTable>& data, QString* error) const
{
    error->clear();
    QList<Token> tokens;
    if (!tokenise(body_, firstBodyLine_, name_, &tokens, error))
        return {};

    auto tableNamed = [&](const QString& table) -> const ReportTable* {
        for (const ReportTable& t : data)
            if (t.name.compare(table, Qt::CaseInsensitive) == 0)
                return &t;
        return nullptr;
    };
    auto missingTable = [&](const Token& token, const QString& table) {
        *error = QStringLiteral("The report template \"%1\" reads the table \"%2\" (line %3), which it does not name "
                                "with @table.")
                     .arg(name_, table)
                     .arg(token.line);
        return QString();
    };
    auto missingField = [&](const Token& token) {
        *error = QStringLiteral("The report template \"%1\" shows the field \"%2\" (line %3), which is not in the "
                                "report table%4.")
                     .arg(name_, token.field)
                     .arg(token.line)
                     .arg(token.table.isEmpty() ? QString() : QStringLiteral(" \"%1\"").arg(token.table));
        return QString();
    };
    // The table and column of a field: the named table, else the row block's
    // table, else the first table that has it.
    auto locate = [&](const Token& token, const ReportTable* rowTable, const ReportTable** table, int* column) {
        if (!token.table.isEmpty()) {
            *table = tableNamed(token.table);
            *column = *table ? (*table)->fieldIndex(token.field) : -1;
            return *table != nullptr;
        }
        if (rowTable && (*column = rowTable->fieldIndex(token.field)) >= 0) {
            *table = rowTable;
            return true;
        }
        for (const ReportTable& t : data) {
            if ((*column = t.fieldIndex(token.field)) >= 0) {
                *table = &t;
                return true;
            }
        }
        *table = nullptr;
        return true;
    };
    auto rowTableFor = [&](const QString& table) -> const ReportTable* {
        if (!table.isEmpty())
            return tableNamed(table);
        for (const ReportTable& t : data)
            if (!t.singleRecord)
                return &t;
        return data.isEmpty() ? nullptr : &data.first();
    };

    QString html;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        switch (token.kind) {
        case Kind::Text:
            html += token.text;
            break;
        case Kind::Today: {
            const QDate today = QDate::currentDate();
            html += today.toString(QStringLiteral("dd/MM/yyyy"));
            break;
        }
        case Kind::Count: {
            const ReportTable* t = rowTableFor(token.table);
            if (!t)
                return missingTable(token, token.table);
            html += QString::number(t->rows.size());
            break;
        }
        case Kind::Field:
        case Kind::Sum: {
            const ReportTable* table = nullptr;
            int column = -1;
            if (!locate(token, nullptr, &table, &column))
                return missingTable(token, token.table);
            if (!table || column < 0)
                return missingField(token);
            const FieldType type = table->fields[column].type;
            QVariant value;
            if (token.kind == Kind::Sum) {
                double total = 0;
                for (const QVariantList& row : table->rows)
                    total += row.value(column).toDouble();
                value = total;
            } else if (!table->rows.isEmpty()) {
                value = table->rows.first().value(column);
            }
            QString shown;
            formatReportValue(value, token.kind == Kind::Sum && token.format.isEmpty() ? FieldType::Double : type,
                              token.format, &shown);
            html += shown;
            break;
        }
        case Kind::RowsBegin:
        case Kind::NoRowsBegin: {
            const ReportTable* rowTable = rowTableFor(token.table);
            if (!rowTable)
                return missingTable(token, token.table);
            const Kind end = token.kind == Kind::RowsBegin ? Kind::RowsEnd : Kind::NoRowsEnd;
            qsizetype close = i + 1;
            while (tokens[close].kind != end)
                ++close;
            const bool repeat = token.kind == Kind::RowsBegin;
            const qsizetype times = repeat ? rowTable->rows.size() : (rowTable->rows.isEmpty() ? 1 : 0);
            for (qsizetype r = 0; r < times; ++r) {
                for (qsizetype k = i + 1; k < close; ++k) {
                    const Token& inner = tokens[k];
                    if (inner.kind != Kind::Field) {
                        if (inner.kind == Kind::Text)
                            html += inner.text;
                        else if (inner.kind == Kind::Today)
                            html += QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
                        else if (inner.kind == Kind::Count)
                            html += QString::number(rowTable->rows.size());
                        else {
                            *error = lineError(name_, inner.line,
                                               QStringLiteral("%1 cannot stand inside a row block").arg(inner.text));
                            return {};
                        }
                        continue;
                    }
                    const ReportTable* table = nullptr;
                    int column = -1;
                    if (!locate(inner, repeat ? rowTable : nullptr, &table, &column))
                        return missingTable(inner, inner.table);
                    if (!table || column < 0)
                        return missingField(inner);
                    const QVariantList* row = nullptr;
                    if (table == rowTable && repeat)
                        row = &rowTable->rows[r];
                    else if (!table->rows.isEmpty())
                        row = &table->rows.first();
                    QString shown;
                    formatReportValue(row ? row->value(column) : QVariant(), table->fields[column].type, inner.format,
                                      &shown);
                    html += shown;
                }
            }
            i = close;
            break;
        }
        case Kind::RowsEnd:
        case Kind::NoRowsEnd:
            break;
        }
    }
    return html;
}

} // namespace revtal

#include "taxrules/frm_tovrik.h"

#include "shell/app_state.h"
#include "shell/decimal_field.h"
#include "shell/numbers.h"
#include "reports/print_panel.h"
#include "taxrules/quick_tax.h"
#include "taxrules/tovrik_print.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace revtal {

namespace {

QLabel* label(const char* text, QWidget* parent)
{
    auto* l = new QLabel(QString::fromLatin1(text), parent);
    return l;
}

}  // namespace

frmTovrik::frmTovrik(ScreenContext context, QWidget* parent)
    : CalculatorScreen(context, QStringLiteral("frmTovrik"), parent)
{
    setWindowTitle(QStringLiteral("Tovrik"));

    struct Spec {
        int decimals;
        double maximum;
        bool input;
    };
    const Spec specs[10] = {{0, 99999999, true}, {0, 99, true},     {0, 99999999, false}, {0, 99, false},
                            {0, 99999999, false}, {0, 99999999, false}, {0, 99999999, false}, {0, 99999999, false},
                            {1, 99.9, false},     {1, 99.9, false}};
    for (int i = 0; i < 10; ++i) {
        auto* field = new DecimalField(this);
        field->setObjectName(QStringLiteral("sidbEdit1_%1").arg(i));
        field->setDecimals(specs[i].decimals);
        // Results span whatever income another screen left behind.
        field->setRange(specs[i].input ? 0 : -1e15, specs[i].input ? specs[i].maximum : 1e15);
        field->setReadOnly(!specs[i].input);
        field->setTabStop(specs[i].input);
        field->setFixedWidth(i == 1 || i == 3 || i == 8 || i == 9 ? 52 : 120);
        sidbEdit1_[i] = field;
    }

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    int row = 0;
    auto addRand = [&](const char* caption, int field) {
        grid->addWidget(label(caption, this), row, 0);
        grid->addWidget(label("R", this), row, 1, Qt::AlignRight);
        grid->addWidget(sidbEdit1_[field], row, 2, 1, 3);
        ++row;
    };
    addRand("Taxable Income", 0);
    grid->addWidget(label("Age", this), row, 0);
    grid->addWidget(sidbEdit1_[1], row, 2, 1, 3, Qt::AlignRight);
    ++row;
    addRand("Tax on taxable income", 2);
    // The portion row: "+ Portion @ M/Rate (" rate "%) R" amount.
    auto* portion = new QHBoxLayout;
    portion->setSpacing(4);
    portion->addWidget(label("+ Portion @ M/Rate (", this));
    portion->addWidget(sidbEdit1_[3]);
    portion->addWidget(label("%) R", this));
    grid->addLayout(portion, row, 0, 1, 2);
    grid->addWidget(sidbEdit1_[4], row, 2, 1, 3);
    const int portionRow = row++;
    addRand("Total tax", 5);
    const int totalRow = row - 1;
    addRand("Less rebates", 6);
    addRand("Tax commitment", 7);

    auto addRate = [&](const char* caption, int field, int atRow) {
        grid->addWidget(label(caption, this), atRow, 6);
        grid->addWidget(sidbEdit1_[field], atRow, 7);
        grid->addWidget(label("%", this), atRow, 8);
    };
    grid->setColumnMinimumWidth(5, 18);
    addRate("Average rate before rebates    ", 8, portionRow);
    addRate("Average rate after rebates       ", 9, totalRow);

    auto* cmdCalculate = new QPushButton(QStringLiteral("&Calculate"), this);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    cmdCalculate->setDefault(true);
    auto* cmPrint = new QPushButton(QStringLiteral("&Print"), this);
    cmPrint->setObjectName(QStringLiteral("cmPrint"));
    auto* cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCalculate);
    buttons->addWidget(cmPrint);
    buttons->addWidget(cmdOk);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->addStretch();

    setTabOrder(sidbEdit1_[0], sidbEdit1_[1]);
    setTabOrder(sidbEdit1_[1], cmdCalculate);

    connect(sidbEdit1_[0], &DecimalField::changed, this, [this] {
        state().TovrikIncome = sidbEdit1_[0]->value();
        state().TaxableIncome = state().TovrikIncome;
    });
    connect(sidbEdit1_[1], &DecimalField::changed, this,
            [this] { state().TovrikAge = static_cast<std::int16_t>(roundHalfEven(sidbEdit1_[1]->value())); });
    connect(cmdCalculate, &QPushButton::clicked, this, &frmTovrik::calculate);
    connect(cmdOk, &QPushButton::clicked, this, &CalculatorScreen::closeScreen);

    frame1_ = new PrintPanel(state(), context_.engine, PrintPanel::Order::ChooseThenFill, QStringLiteral("Frame1"),
                             PrintPanel::Cancel::Standard, this);
    setUpTovrikPrint(*frame1_, state());
    frame1_->setOkButton(cmdOk);
    connect(cmPrint, &QPushButton::clicked, frame1_, &PrintPanel::printPressed);

    showResults();
}

void frmTovrik::calculate()
{
    AppState& s = state();
    s.TovrikIncome = s.TaxableIncome;
    s.tovrikResult = NEWCALC(s.TaxableIncome, s.TovrikAge);
    s.TaxScaleResult = s.tovrikResult.scale;
    showResults();
}

void frmTovrik::showResults()
{
    const AppState& s = state();
    const QuickTaxResult& r = s.tovrikResult;
    const double shown[10] = {s.TaxableIncome,      static_cast<double>(s.TovrikAge),
                              r.scale.BaseTax,      r.scale.MarginalRate,
                              r.scale.PortionTax,   r.totalTax,
                              r.rebate,             r.commitment,
                              r.averageBefore,      r.averageAfter};
    for (int i = 0; i < 10; ++i)
        sidbEdit1_[i]->setValue(shown[i]);
}

}  // namespace revtal

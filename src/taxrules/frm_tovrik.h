#pragma once
// The quick tax screen: tax on an annual taxable income for an age.
#include "shell/calculator_screen.h"

#include <array>

class QPushButton;

namespace revtal {

class DecimalField;
class PrintPanel;

class frmTovrik : public CalculatorScreen {
    Q_OBJECT
public:
    explicit frmTovrik(ScreenContext context, QWidget* parent = nullptr);

    // "&Calculate": the income typed or last used anywhere, through NEWCALC.
    void calculate();
    void screenActivated() override { calculate(); }

private:
    void showResults();

    std::array<DecimalField*, 10> sidbEdit1_{};
    PrintPanel* frame1_ = nullptr;
};

}  // namespace revtal

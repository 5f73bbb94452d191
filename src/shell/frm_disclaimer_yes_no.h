#pragma once
#include <QDialog>
#include <functional>

class QCheckBox;
class QPushButton;

namespace revtal {

struct AppState;

// The disclaimer a user accepts once per version. Accepting hands the numeric
// version to storeVersion; cancelling stores nothing.
class frmDisclaimerYesNo : public QDialog {
    Q_OBJECT
public:
    frmDisclaimerYesNo(AppState& state, std::function<void(int)> storeVersion, QWidget* parent = nullptr);

    void reject() override;

private:
    void acceptDisclaimer();

    AppState& state_;
    std::function<void(int)> storeVersion_;
    QCheckBox* check_;
    QPushButton* ok_;
};

}  // namespace revtal

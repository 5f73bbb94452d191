#pragma once
#include <QDialog>
#include <functional>

class QCheckBox;

namespace revtal {

struct AppState;

// The About screen. Its check box edits ViewAbout; whenever it closes, the
// value is handed to storeViewAbout for the preferences database.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(AppState& state, std::function<void(bool)> storeViewAbout, QWidget* parent = nullptr);

protected:
    void done(int result) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void store();

    AppState& state_;
    std::function<void(bool)> storeViewAbout_;
    QCheckBox* check1_;
    bool stored_ = false;
};

}  // namespace revtal

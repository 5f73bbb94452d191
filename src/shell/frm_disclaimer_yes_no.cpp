#include "shell/frm_disclaimer_yes_no.h"

#include "shell/app_state.h"
#include "shell/version.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace revtal {

frmDisclaimerYesNo::frmDisclaimerYesNo(AppState& state, std::function<void(int)> storeVersion, QWidget* parent)
    : QDialog(parent), state_(state), storeVersion_(std::move(storeVersion))
{
    setObjectName(QStringLiteral("frmDisclaimerYesNo"));
    setWindowTitle(QStringLiteral("Disclaimer"));
    setModal(true);

    auto* text = new QLabel(QStringLiteral(
        "The makers of Revtal give no warranty of any kind for this program or for the results it produces, "
        "and accept no liability for any loss or damage arising from its use or from reliance on its results.\n\n"
        "The purchaser and user of the program must check the correctness of every calculation before relying "
        "on it. The makers are not obliged to defend or explain results that differ from those of other "
        "parties, the South African Revenue Service included."));
    text->setObjectName(QStringLiteral("lblDisclaimer"));
    text->setWordWrap(true);
    auto* note = new QLabel(QStringLiteral(
        "This program is changed and updated regularly and free updates are made available to all users.  It is "
        "the program purchaser and user's responsibility to take advantage of these free updates."));
    note->setObjectName(QStringLiteral("lblUpdates"));
    note->setWordWrap(true);
    check_ = new QCheckBox(
        QStringLiteral(" I have read this disclaimer and I understand and agree with the contents of this disclaimer"));
    check_->setObjectName(QStringLiteral("chkDisclaimerYesNo"));
    ok_ = new QPushButton(QStringLiteral("&OK"));
    ok_->setObjectName(QStringLiteral("cmdOk"));
    ok_->setEnabled(false);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(note);
    layout->addSpacing(6);
    layout->addWidget(check_);
    layout->addLayout(buttons);
    setFixedWidth(520);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(check_, &QCheckBox::toggled, ok_, &QPushButton::setEnabled);
    connect(ok_, &QPushButton::clicked, this, &frmDisclaimerYesNo::acceptDisclaimer);
    connect(cancel, &QPushButton::clicked, this, &frmDisclaimerYesNo::reject);
}

void frmDisclaimerYesNo::acceptDisclaimer()
{
    if (!check_->isChecked())
        return;
    state_.disclaimerAccepted = true;
    if (storeVersion_)
        storeVersion_(numericVersion());
    accept();
}

void frmDisclaimerYesNo::reject()
{
    state_.disclaimerAccepted = false;
    QDialog::reject();
}

}  // namespace revtal

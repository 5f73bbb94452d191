#include "shell/frm_about.h"

#include "shell/app_state.h"
#include "shell/version.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace revtal {

frmAbout::frmAbout(AppState& state, std::function<void(bool)> storeViewAbout, QWidget* parent)
    : QDialog(parent), state_(state), storeViewAbout_(std::move(storeViewAbout))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Revtal 2021..."));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    auto* product = new QLabel(QStringLiteral("<b>Revtal 2021</b><br>Salary, tax and finance calculators for the "
                                              "South African tax year 1 March 2020 to 28 February 2021"));
    product->setObjectName(QStringLiteral("lblProduct"));
    product->setWordWrap(true);
    auto* contact = new QLabel(QStringLiteral("Made by the Revtal developers.<br>Questions and suggestions: "
                                              "see the help document (Help/Videos, Revtal 2021 Help)."));
    contact->setObjectName(QStringLiteral("lblContact"));
    contact->setWordWrap(true);
    auto* version = new QLabel(QStringLiteral("Version: ") + QString::fromStdString(shownVersion()));
    version->setObjectName(QStringLiteral("lblVersion"));
    check1_ = new QCheckBox(QStringLiteral("Do not display this message again on start up"));
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setChecked(!state_.ViewAbout);
    auto* ok = new QPushButton(QStringLiteral("&OK"));
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);

    layout->addWidget(product);
    layout->addWidget(contact);
    layout->addWidget(version);
    layout->addSpacing(8);
    layout->addWidget(check1_);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setMinimumWidth(420);

    connect(check1_, &QCheckBox::toggled, this, [this](bool checked) { state_.ViewAbout = !checked; });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void frmAbout::store()
{
    if (stored_)
        return;
    stored_ = true;
    if (storeViewAbout_)
        storeViewAbout_(state_.ViewAbout);
}

void frmAbout::done(int result)
{
    store();
    QDialog::done(result);
}

void frmAbout::closeEvent(QCloseEvent* event)
{
    store();
    QDialog::closeEvent(event);
}

}  // namespace revtal

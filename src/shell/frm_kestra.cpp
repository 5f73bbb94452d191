#include "shell/frm_kestra.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace revtal {

frmKestra::frmKestra(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmKestra"));
    setWindowTitle(QStringLiteral("Kestra..."));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("Kestra is a companion product of Revtal. It is not part of this edition."));
    text->setWordWrap(true);
    auto* ok = new QPushButton(QStringLiteral("&OK"));
    ok->setObjectName(QStringLiteral("Command1"));
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace revtal

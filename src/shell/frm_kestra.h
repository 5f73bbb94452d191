#pragma once
#include <QDialog>

namespace revtal {

// Information about another product; its menu item is never available.
class frmKestra : public QDialog {
    Q_OBJECT
public:
    explicit frmKestra(QWidget* parent = nullptr);
};

}  // namespace revtal

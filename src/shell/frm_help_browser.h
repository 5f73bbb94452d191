#pragma once
#include "shell/calculator_screen.h"

class QPdfDocument;
class QPdfView;

namespace revtal {

// Shows the help document inside the main window. A missing or unreadable
// document leaves the viewer empty, without a message.
class frmHelpBrowser : public CalculatorScreen {
    Q_OBJECT
public:
    frmHelpBrowser(ScreenContext context, QWidget* parent = nullptr);

    QPdfDocument* document() const { return document_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPdfDocument* document_;
    QPdfView* viewer_;
};

}  // namespace revtal

#include "shell/frm_help_browser.h"

#include "shell/app_directory.h"
#include "shell/twips.h"

#include <QPdfDocument>
#include <QPdfView>
#include <QResizeEvent>

namespace revtal {

frmHelpBrowser::frmHelpBrowser(ScreenContext context, QWidget* parent)
    : CalculatorScreen(context, QStringLiteral("frmHelpBrowser"), parent),
      document_(new QPdfDocument(this)),
      viewer_(new QPdfView(this))
{
    setWindowTitle(QStringLiteral("Revtal Help"));
    viewer_->setObjectName(QStringLiteral("brwWebBrowser"));
    viewer_->setPageMode(QPdfView::PageMode::MultiPage);
    viewer_->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    viewer_->setDocument(document_);
    document_->load(applicationFile(QStringLiteral("\\revtal2021Help.pdf")));  // errors leave it empty
    resize(760, 560);
}

void frmHelpBrowser::resizeEvent(QResizeEvent* event)
{
    const int margin = twipsToPixels(this, 100);
    viewer_->setGeometry(0, 0, qMax(0, event->size().width() - margin), qMax(0, event->size().height() - margin));
    CalculatorScreen::resizeEvent(event);
}

}  // namespace revtal

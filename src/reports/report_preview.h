#pragma once
// The preview window of a report: a top-level window of its own with the
// report's pages, page navigation, zoom, a print command and the export
// command behind the suitcase button. The program never closes one; several
// may be open, each showing the report as it was when it ran.
#include <QMainWindow>

#include <functional>
#include <memory>

#include "reports/report_document.h"

class QAction;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QSpinBox;

namespace revtal {

class ReportPreview : public QMainWindow {
    Q_OBJECT
  public:
    using MessageSink = std::function<void(const QString& title, const QString& text)>;

    ReportPreview(std::shared_ptr<const ReportDocument> report, const QString& title, MessageSink messages,
                  QWidget* owner = nullptr);
    ~ReportPreview() override;

    const ReportDocument& report() const { return *report_; }
    int pageCount() const;
    int currentPage() const; // from 1
    void showPage(int page);

    // The suitcase button: asks for a file and writes the report there.
    void exportWithDialog();
    // Writes the report to the file; the suffix chooses the format (PDF when
    // it names none). A failure is told through the message sink.
    bool exportTo(const QString& path);

    // The print command: the printer dialog on the application printer, then print.
    void printWithDialog();
    bool printTo(QPrinter* printer);

    // The icon of the export command, drawn so that it needs no theme.
    static QIcon suitcaseIcon();

  private:
    void buildToolBar();
    void updatePageControls();

    std::shared_ptr<const ReportDocument> report_;
    MessageSink messages_;
    std::unique_ptr<QPrinter> previewPrinter_;
    QPrintPreviewWidget* pages_ = nullptr;
    QSpinBox* pageNumber_ = nullptr;
    QLabel* pageTotal_ = nullptr;
    QString lastExportDir_;
};

} // namespace revtal

#pragma once
// The report engine, the control rptMainPrint of the main window shared by
// every screen. It is driven by four operations only: set the template, set
// the preview window's title, set the destination, run. The values persist
// between runs, whichever screen set them.
//
// A run reads the tables the template names from the report database
// "Crysprin.mdb" (found by the engine itself), fills the template's page and
// either opens a preview window (destination 0) or prints on the application
// printer of "&Printer Setup", else the system default printer (destination
// 1). A missing template, table or record, no printer, or a printer that
// fails: a message naming it goes to the message sink and nothing else
// changes.
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace revtal {

class ReportDocument;
class ReportPreview;

class ReportEngine : public QObject {
    Q_OBJECT
  public:
    enum Destination : int { Window = 0, Printer = 1 };
    // Where messages go; by default a warning box over the owner window.
    using MessageSink = std::function<void(const QString& title, const QString& text)>;

    explicit ReportEngine(QWidget* owner = nullptr);
    ~ReportEngine() override;

    // The four operations.
    void setTemplatePath(const QString& path); // full path of a template file
    void setWindowTitle(const QString& title);
    void setDestination(int destination); // 1 printer, anything else the window
    bool run();                           // true when the report was shown or printed

    const QString& templatePath() const { return templatePath_; }
    const QString& windowTitle() const { return windowTitle_; }
    int destination() const { return destination_; }

    // Tests capture messages here; an empty sink restores the message box.
    void setMessageSink(MessageSink sink);
    void message(const QString& title, const QString& text) const;
    const MessageSink& messageSink() const { return sink_; }

    // The printer of destination 1 (not owned); null means the application printer.
    void setPrinter(QPrinter* printer);

    // The report database the templates are bound to.
    static QString reportDatabasePath();

    // The preview windows still open, oldest first.
    QList<ReportPreview*> previews() const;

  signals:
    void previewOpened(revtal::ReportPreview* preview);

  private:
    std::shared_ptr<const ReportDocument> produce();
    bool printOut(const ReportDocument& report);

    QPointer<QWidget> owner_;
    QString templatePath_;
    QString windowTitle_;
    int destination_ = Window;
    MessageSink sink_;
    QPrinter* printer_ = nullptr;
    QList<QPointer<ReportPreview>> previews_;
};

} // namespace revtal

#pragma once
// The print-choice frame every calculator screen shows after "&Print", and
// the three orders in which screens fill their report tables and run the
// report engine. A screen states only its validity condition, its table
// writer, its template and its title:
//
//   auto* panel = new PrintPanel(state(), engine, PrintPanel::Order::ChooseThenFill,
//                                QStringLiteral("Frame1"), PrintPanel::Cancel::Standard, this);
//   panel->setWriter([this](const ReportDb& db) { return TovrikPrint(state(), db); });
//   panel->setReport({QStringLiteral("\\tovriktep.rpt"), kTovrikTitle});
//   connect(cmPrint, &QPushButton::clicked, panel, &PrintPanel::printPressed);
//
// The frame holds cmdPD "P&rint directly to printer", cmdVR "&View/Export
// report" and the cancel button: cmdCancel "&Cancel", or cmdPrintCancel
// "C&ancel" on the finance screens. Further print options go into
// optionsLayout(), above the buttons.
//
// FillThenChoose: "&Print" checks the condition (false: the focus goes to the
//   OK button, nothing else), writes the tables, sets the template (and the
//   title when setTitleWithFill), shows the frame; cmdPD prints, cmdVR sets
//   the title and previews.
// ChooseThenFill: "&Print" shows the frame; cmdPD / cmdVR set
//   PrintDestination to 1 / 0, then under the hourglass write the tables, set
//   the template, set the title (preview only), the destination, and run.
// ChooseRecalculateFill: "&Print" shows the frame; cmdPD / cmdVR run the
//   condition, which recalculates; false leaves the frame open and prints
//   nothing; else write, template, title (either destination), run.
// In every order a button that prints hides the frame; a failed write shows
// its message and runs nothing; a table the writer did not reach keeps what
// it held.
#include <QFrame>
#include <QPointer>
#include <QString>

#include <functional>

#include "reports/report_db.h"

class QPushButton;
class QVBoxLayout;

namespace revtal {

struct AppState;
class ReportEngine;

class PrintPanel : public QFrame {
    Q_OBJECT
  public:
    enum class Order { FillThenChoose, ChooseThenFill, ChooseRecalculateFill };
    enum class Cancel { Standard, Finance }; // cmdCancel "&Cancel" / cmdPrintCancel "C&ancel"

    struct Report {
        QString templateName; // as the program names it, "\\tovriktep.rpt"
        QString title;        // preview title; empty leaves the title in force
    };
    using Condition = std::function<bool()>;
    using Writer = std::function<StorageStatus(const ReportDb& db)>;
    using ReportChoice = std::function<Report()>;

    // The frame is a hidden child of the screen, named frameName ("fraPrint",
    // "Frame1"). engine may be null (a screen built without the main window):
    // then the tables are written and nothing runs.
    PrintPanel(AppState& state, ReportEngine* engine, Order order, const QString& frameName, Cancel cancel,
               QWidget* screen);

    void setCondition(Condition condition); // none: always valid
    void setWriter(Writer writer);
    void setReport(Report report);
    void setReportChoice(ReportChoice choice); // chosen at each print (frmLoans)
    void setOkButton(QWidget* okButton);       // focus target when there is nothing to print
    void setTitleWithFill(bool withFill);      // fill-then-choose: title set by "&Print" (frmInflation)

    Order order() const { return order_; }
    QPushButton* directButton() const { return direct_; }
    QPushButton* previewButton() const { return preview_; }
    QPushButton* cancelButton() const { return cancel_; }
    QVBoxLayout* optionsLayout() const { return options_; }

    // The screen's "&Print" button.
    void printPressed();
    // cmdPD, cmdVR and the cancel button.
    void printDirect();
    void printPreview();
    void cancel();

    // Brings the frame to the front of the screen's controls, centred.
    void showPanel();

  signals:
    // A print ran (ok: the report was shown or printed).
    void printed(bool ok);
    // The frame was hidden by one of its buttons.
    void closed();

  private:
    void choose(int destination);
    bool fill(); // writes the tables and sets the template
    Report currentReport() const;
    void close();

    AppState& state_;
    QPointer<ReportEngine> engine_;
    Order order_;
    Condition condition_;
    Writer writer_;
    Report report_;
    ReportChoice choice_;
    Report filled_; // the report of the last fill (fill-then-choose)
    QPointer<QWidget> okButton_;
    bool titleWithFill_ = false;
    QPushButton* direct_ = nullptr;
    QPushButton* preview_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QVBoxLayout* options_ = nullptr;
};

} // namespace revtal

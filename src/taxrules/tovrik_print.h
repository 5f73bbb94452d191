#pragma once
// The quick tax report: TovrikPrint writes the single record of "tovriktax"
// from the quick tax screen's values; the template "\tovriktep.rpt" lays it
// out. frmTovrik prints in the choose-then-fill order:
//
//   auto* panel = new PrintPanel(state(), engine, PrintPanel::Order::ChooseThenFill,
//                                QStringLiteral("Frame1"), PrintPanel::Cancel::Standard, this);
//   setUpTovrikPrint(*panel, state());
//   connect(cmPrint, &QPushButton::clicked, panel, &PrintPanel::printPressed);
#include <QString>

#include "reports/report_db.h"

namespace revtal {

struct AppState;
class PrintPanel;

inline const QString kTovrikTemplate = QStringLiteral("\\tovriktep.rpt");
inline const QString kTovrikTitle =
    QStringLiteral("Tovrik - To export printout click on the suitcase button or goto Help");

// The eleven fields in the order written: the typed income and age as they
// stand, the figures of the last quick tax calculation, unrounded.
FieldValues tovrikFields(const AppState& state);

// Writes them into the one record of "tovriktax".
StorageStatus TovrikPrint(const AppState& state, const ReportDb& db);

// Gives the panel the writer, template and title of the quick tax report.
void setUpTovrikPrint(PrintPanel& panel, const AppState& state);

} // namespace revtal

#pragma once
// The settings database "Settings.mdb": its one Setup record, read when a
// screen opens and saved from the screen's settings panel.
#include "shell/local_database.h"
#include "taxrules/setup_record.h"

#include <QString>

namespace revtal {

class SettingsDb {
  public:
    // The fields a save writes; the others keep their stored values.
    enum Field : unsigned {
        PensionCont = 1u << 0,
        EmployerPenCont = 1u << 1,
        EmployeeUIF = 1u << 2,
        EmployerUIF = 1u << 3,
        SkillLevy = 1u << 4,
        ProvCont = 1u << 5,
        EmployerProvCont = 1u << 6,
        UIFLimit = 1u << 7,
        TAIncRate8020 = 1u << 8,
        CompCarFBRate8020 = 1u << 9,
        CompCarMPYesNo = 1u << 10,
    };
    using Fields = unsigned;
    // The salary package screens keep all eleven.
    static constexpr Fields kAllFields = (1u << 11) - 1;
    // The payroll period screens keep five.
    static constexpr Fields kPeriodScreenFields = EmployeeUIF | EmployerUIF | SkillLevy | UIFLimit | TAIncRate8020;

    explicit SettingsDb(QString path);

    static const DatabaseSchema& schema();

    // On failure the value holds the first values of a new record.
    StorageResult<SetupRecord> read() const;
    // Writes the chosen fields of the record, in the order of the table.
    StorageStatus save(const SetupRecord& record, Fields fields) const;

  private:
    QString path_;
};

} // namespace revtal

#pragma once
// The start-up preferences in "bcdv.mdb": the one record of table StartUp.
#include "shell/local_database.h"

#include <QString>

#include <cstdint>

namespace revtal {

struct StartUpRecord {
    bool ViewAbout = true; // show the About screen at start-up
    std::int16_t Var1 = 0; // numeric version whose disclaimer was accepted
    QString VideoLectures;  // address opened by "Video Lectures"
};

// Where "Video Lectures" goes until someone stores another address.
inline constexpr const char* kDefaultVideoLectures =
    "https://www.youtube.com/results?search_query=South+Africa+PAYE+income+tax+2021";

class PreferencesDb {
  public:
    explicit PreferencesDb(QString path);

    static const DatabaseSchema& schema();

    // On failure the value is the first record (About shown, disclaimer due).
    StorageResult<StartUpRecord> read() const;
    StorageStatus storeViewAbout(bool viewAbout) const;
    StorageStatus storeVar1(std::int16_t var1) const;

  private:
    StorageStatus store(const FieldValues& values) const;

    QString path_;
};

} // namespace revtal

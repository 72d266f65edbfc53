#include "startup/saver_commons.h"

#include "files/program_folder.h"
#include "platform/random.h"
#include "settings/conversions.h"
#include "settings/program_files.h"
#include "settings/settings_file.h"

namespace skyfolio {

SaverSettings readSettingsAtStart() {
    SettingsFile file;
    file.writeFirstRunEntries();
    return readSaverSettings(file);
}

SaverCommons::SaverCommons()
    : pictures_([](int number) { return cacheFilePath(DecimalText(number)); }),
      random_(seedFromClock()),
      slides_(seedFromClock(), programFolder()) {}

}  // namespace skyfolio

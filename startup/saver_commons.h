#pragma once

#include "platform/clock.h"
#include "platform/file_picture_source.h"
#include "platform/file_slide_maker.h"
#include "platform/screen_engine.h"
#include "saver/random.h"
#include "saver/shared_pictures.h"
#include "settings/saver_settings.h"

namespace skyfolio {

// The settings as a saver's start reads them: once, after the first-run
// entries, the one thing a start may write (a read-only folder only loses
// the sample names).
SaverSettings readSettingsAtStart();

// What every screen of one saver process shares, whether it covers the
// desktop or draws in a daemon's window: the cache pictures, the one
// generator, seeded once, the clock, and Slideshow's slides, all screens
// taking turns in one order. The screens show the same pictures at the same
// moments, so each picture is held once for all of them.
class SaverCommons {
public:
    SaverCommons();
    SharedSeams seams(SaverHost& host) { return {shared_, host, random_, clock_, &slides_}; }

private:
    FilePictureSource pictures_;
    SharedPictures shared_{pictures_};
    SeededRandom random_;
    const SteadyClock clock_;
    FileSlideMaker slides_;
};

}  // namespace skyfolio

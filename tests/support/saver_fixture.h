#pragma once

#include "platform/files.h"
#include "platform/profile.h"
#include "platform/program_folder.h"
#include "saver/form1.h"
#include "settings/program_files.h"
#include "settings/setting_keys.h"
#include "settings/settings_file.h"
#include "tests/support/fake_saver_host.h"
#include "tests/support/temp_folder.h"

#include <QImage>

#include <gtest/gtest.h>

namespace skyfolio::test {

// A program folder as installed, with the settings file and two cache
// pictures of 200 x 100 pixels, and a Form1 over a fake host to load from it.
class SaverFixture : public ::testing::Test {
protected:
    void SetUp() override {
        setProgramFolder(folder.path());
        ASSERT_TRUE(installSettingsFile(settingsFilePath()));
        ASSERT_TRUE(makeFolder(cacheFolderPath()));
        cachePicture("0", 200, 100);
        cachePicture("1", 200, 100);
    }
    void cachePicture(const std::string& number, int w, int h, QColor colour = Qt::darkCyan) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(Picture(image).saveBitmap(cacheFilePath(number)));
    }
    void set(const SettingKey& key, const std::string& value) {
        ASSERT_TRUE(writeProfileString(settingsFilePath(), key.section, key.key, value));
    }
    Form1& load() {
        form.Form_Load();
        return form;
    }

    // Where a recorded draw put its copy, the size step it was drawn from,
    // and its set: 0 the first, 1 the second.
    struct Shown {
        int x, y, sizeStep, set;
        bool operator==(const Shown&) const = default;
    };
    Shown shown(const RecordingSurface::Draw& draw) const {
        for (int set = 0; set < 2; ++set)
            for (int k = 1; k <= kMemberCount; ++k)
                if (draw.picture == &(set == 0 ? form.first : form.second).member(k)) return {draw.x, draw.y, k, set};
        return {draw.x, draw.y, 0, -1};
    }
    // What the last tick drew, copy by copy.
    std::vector<Shown> lastTick() const {
        const auto& draws = host.recording.draws;
        const size_t copies = form.copyX.size();
        std::vector<Shown> tick;
        for (size_t i = draws.size() - std::min(copies, draws.size()); i < draws.size(); ++i)
            tick.push_back(shown(draws[i]));
        return tick;
    }

    TempFolder folder;
    FakeSaverHost host;
    ScriptedRandom random;
    Form1 form{host, random};
};

}  // namespace skyfolio::test

#pragma once

#include "saver/copy_effects.h"
#include "saver/form1.h"
#include "settings/saver_settings.h"
#include "settings/setting_keys.h"
#include "tests/support/fake_saver_host.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace skyfolio::test {

// The settings as installed, two cache pictures of 200 x 100 pixels, and
// savers loaded over fakes: nothing on disk.
class SaverFixture : public ::testing::Test {
protected:
    SaverFixture() {
        for (const SettingKey* key : kSettingKeysInFileOrder) texts.*(key->text) = key->installedValue;
        cachePicture(0, 200, 100);
        cachePicture(1, 200, 100);
    }
    void cachePicture(int number, int w, int h, uint32_t colour = rgb32(0, 139, 139)) {
        fakes.pictures.cache[number] = flatPixels(w, h, colour);
    }
    void set(const SettingKey& key, const std::string& value) { texts.*(key.text) = value; }

    // The settings as they now stand, converted as the saver reads them.
    const SaverSettings& settings() {
        return kept_.emplace_back(convertSaverSettings(texts, [this](int i) {
            return i < int(images.size()) ? images[size_t(i)] : std::string();
        }));
    }
    // A saver of its own over the settings as they now stand, loaded.
    Form1& start(FakeSeams& on) {
        Form1& saver = *savers_.emplace_back(std::make_unique<Form1>(settings(), on.seams()));
        saver.Form_Load();
        return saver;
    }
    // The saver over `fakes`.
    Form1& load() {
        form_ = &start(fakes);
        return *form_;
    }
    Form1& form() { return *form_; }

    // Where a recorded draw put its copy, the size step it was drawn from,
    // and its set: 0 the first, 1 the second.
    struct Shown {
        int x, y, sizeStep, set;
        bool operator==(const Shown&) const = default;
    };
    Shown shown(const RecordingSurface::Draw& draw) const {
        for (int set = 0; set < 2; ++set)
            for (int k = 1; k <= kMemberCount; ++k)
                if (draw.picture ==
                    &(set == 0 ? form_->family<CopyEffects>().first : form_->family<CopyEffects>().second).member(k))
                    return {draw.x, draw.y, k, set};
        return {draw.x, draw.y, 0, -1};
    }
    // What the last tick drew, copy by copy.
    std::vector<Shown> lastTick() const {
        const auto& draws = fakes.surface.draws;
        const size_t copies = form_->family<CopyEffects>().copies.size();
        std::vector<Shown> tick;
        for (size_t i = draws.size() - std::min(copies, draws.size()); i < draws.size(); ++i)
            tick.push_back(shown(draws[i]));
        return tick;
    }

    SettingTexts texts;
    std::vector<std::string> images;
    FakeSeams fakes;

private:
    std::deque<SaverSettings> kept_;
    std::vector<std::unique_ptr<Form1>> savers_;
    Form1* form_ = nullptr;
};

}  // namespace skyfolio::test

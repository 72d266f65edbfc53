#include "saver/shared_pictures.h"

#include <utility>

namespace skyfolio {
namespace {

// The same rows, kept alive by `holder` rather than by their maker alone.
Pixels heldBy(const Pixels& pixels, const std::shared_ptr<const void>& holder) {
    return Pixels(pixels.size(), pixels.row(0), pixels.stride(), holder);
}

// What a screen still holds under `key`; entries that no screen holds are
// dropped on the way, so the map never outgrows what is shown.
template <typename Key, typename Value>
std::shared_ptr<const Value> stillHeld(std::map<Key, std::weak_ptr<const Value>>& held, const Key& key) {
    std::erase_if(held, [](const auto& entry) { return entry.second.expired(); });
    const auto found = held.find(key);
    return found == held.end() ? nullptr : found->second.lock();
}

}  // namespace

// A cache picture's set does not depend on the screen: its members are sized
// from the picture alone.
PictureSet SharedPictures::cachePictureSet(int number) {
    std::shared_ptr<const PictureSet> set = stillHeld(sets_, number);
    if (!set) {
        set = std::make_shared<const PictureSet>(source_.cachePictureSet(number));
        sets_[number] = set;
    }
    PictureSet handed{heldBy(set->source, set), {}};
    for (size_t i = 0; i < handed.members.size(); ++i) handed.members[i] = heldBy(set->members[i], set);
    return handed;
}

Pixels SharedPictures::userPicture(const std::string& path) {
    return sharedPicture({path, false, 0, 0}, [&] { return source_.userPicture(path); });
}

Pixels SharedPictures::userPicture(const std::string& path, PictureSize size) {
    return sharedPicture({path, true, size.width, size.height}, [&] { return source_.userPicture(path, size); });
}

Pixels SharedPictures::sharedPicture(const PictureKey& key, const std::function<Pixels()>& load) {
    std::shared_ptr<const Pixels> picture = stillHeld(pictures_, key);
    if (!picture) {
        picture = std::make_shared<const Pixels>(load());
        pictures_[key] = picture;
    }
    return heldBy(*picture, picture);
}

}  // namespace skyfolio

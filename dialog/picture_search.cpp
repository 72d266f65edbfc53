#include "dialog/picture_search.h"

#include "dialog/natural_order.h"
#include "imaging/picture_format.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace skyfolio {
namespace {

namespace fs = std::filesystem;

class Search {
public:
    Search(size_t most, SearchProgress& progress) : most_(most), progress_(progress) {
        for (size_t format = 0; format < readable_.size(); ++format) readable_[format] = buildReads(PictureFormat(format));
    }

    // False once the search is to end. A path given follows its link; one
    // found in a folder does not when it leads to a folder.
    bool take(const fs::path& path, bool given) {
        if (stopped()) return false;
        std::error_code error;
        const fs::file_status status = given ? fs::status(path, error) : fs::symlink_status(path, error);
        if (error) return true;
        if (fs::is_directory(status)) return takeFolder(path);
        if (fs::is_regular_file(fs::status(path, error)) && !error) takeFile(path.string());
        return !stopped();
    }

    SearchResult result() {
        if (progress_.cancelled) result_.pictures.clear();
        return std::move(result_);
    }

private:
    bool stopped() const { return progress_.cancelled || result_.more; }

    bool takeFolder(const fs::path& folder) {
        std::vector<fs::path> entries;
        std::error_code error;
        for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error), end;
             !error && it != end; it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (!name.starts_with('.')) entries.push_back(it->path());
            if (progress_.cancelled) return false;
        }
        std::sort(entries.begin(), entries.end(), [](const fs::path& a, const fs::path& b) {
            return naturalLess(a.filename().string(), b.filename().string());
        });
        for (const fs::path& entry : entries)
            if (!take(entry, false)) return false;
        return true;
    }

    void takeFile(const std::string& file) {
        ++progress_.filesLookedAt;
        // A picture this build cannot decode would fail the save; Unknown is never read.
        if (!readable_[size_t(pictureFormatOfFile(file))]) return;
        if (result_.pictures.size() == most_)
            result_.more = true;
        else
            result_.pictures.push_back(file);
    }

    size_t most_;
    SearchProgress& progress_;
    std::array<bool, kPictureFormatCount> readable_{};
    SearchResult result_;
};

}  // namespace

SearchResult findPictures(const std::vector<std::string>& paths, size_t most, SearchProgress& progress) {
    Search search(most, progress);
    for (const std::string& path : paths)
        if (!search.take(path, true)) break;
    return search.result();
}

}  // namespace skyfolio

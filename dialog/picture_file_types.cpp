#include "dialog/picture_file_types.h"

#include "imaging/picture_format.h"

#include <QString>

namespace skyfolio {
namespace {

struct FileType {
    const char* description;  // none: only "All pictures" lists these names
    const char* patterns;     // separated by blanks
    PictureFormat format;
    bool classicImageFile;    // one of the types "Image files" lists
};

// Every kind of file the Add dialog offers; the classic ones first.
constexpr FileType kFileTypes[] = {
    {"CompuServe Files", "*.gif", PictureFormat::Gif, true},
    {"Jpeg Files", "*.jpg", PictureFormat::Jpeg, true},
    {"Jif files", "*.jif", PictureFormat::Jpeg, false},
    {"Windows Bitmap Files", "*.bmp", PictureFormat::Bitmap, true},
    {"Windows DIB files", "*.dib", PictureFormat::Bitmap, false},
    {nullptr, "*.jpeg *.jpe *.jfif", PictureFormat::Jpeg, false},
    {"PNG files", "*.png", PictureFormat::Png, false},
    {"WebP files", "*.webp", PictureFormat::WebP, false},
    {"TIFF files", "*.tif *.tiff", PictureFormat::Tiff, false},
    {"HEIC files", "*.heic *.heif", PictureFormat::Heif, false},
    {"AVIF files", "*.avif", PictureFormat::Avif, false},
};
constexpr int kClassicTypes = 5;

const char* const kImageFiles = "Image files";
const char* const kAllPictures = "All pictures";

std::string filter(const std::string& description, const std::string& patterns) {
    return description + " (" + patterns + ")";
}

// Names as a phone or a camera writes them too: the file dialog tells
// letter case apart.
std::string withCapitals(const char* patterns) {
    return patterns + std::string(" ") + QString::fromLatin1(patterns).toUpper().toStdString();
}

void appendPatterns(std::string& to, const std::string& patterns) {
    if (!to.empty()) to += ' ';
    to += patterns;
}

}  // namespace

PictureFilters pictureFilters() {
    PictureFilters result;
    std::string imageFiles, allPictures;
    for (int i = 0; i < kClassicTypes; ++i) {
        const FileType& type = kFileTypes[i];
        if (type.classicImageFile) appendPatterns(imageFiles, type.patterns);
        result.filters.push_back(filter(type.description, type.patterns));
    }
    result.filters.insert(result.filters.begin(), filter(kImageFiles, imageFiles));
    std::vector<std::string> further;
    for (int i = 0; i < int(std::size(kFileTypes)); ++i) {
        const FileType& type = kFileTypes[i];
        if (!buildReads(type.format)) continue;
        appendPatterns(allPictures, withCapitals(type.patterns));
        if (i >= kClassicTypes && type.description) further.push_back(filter(type.description, withCapitals(type.patterns)));
    }
    result.selected = int(result.filters.size());
    result.filters.push_back(filter(kAllPictures, allPictures));
    result.filters.insert(result.filters.end(), further.begin(), further.end());
    return result;
}

}  // namespace skyfolio

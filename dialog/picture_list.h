#pragma once

#include "dialog/background_search.h"
#include "dialog/preview_photo.h"

#include <QObject>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace skyfolio {

class DialogHost;
class ImageFilesTab;

// The picture list of the "Image Files" tab with its buttons and the
// preview of the selected picture.
class PictureList : public QObject {
public:
    PictureList(ImageFilesTab& tab, DialogHost& host);

    void add_Click();
    // Adds every picture of a chosen folder and its subfolders.
    void addFolder_Click();
    void remove_Click();
    void RemoveAll_Click();
    void up_Click();
    void down_Click();
    void List1_Click();
    void PaintPreview();

    // For the load and the save. Entries keep the exact bytes of their path.
    void clear();
    void append(const std::string& path);
    std::vector<std::string> entries() const;
    int count() const;
    // Selects an entry as the user would, which shows it.
    void select(int row);
    // Selects an entry without showing it yet.
    void selectQuietly(int row);
    // `Text3` shows the number of entries.
    void showCount();
    // Adds the pictures among `paths` and in the folders among them, as Add
    // Folder does; the search runs on while the window paints.
    void addPictures(std::vector<std::string> paths);
    // Whether a search for pictures to add is still running.
    bool searching() const { return search_.running(); }
    const BackgroundSearch& search() const { return search_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string entry(int row) const;
    void move(int from, int to);
    // The previous picture stays when the file cannot be loaded.
    void loadIntoPhoto(const std::string& path);
    void showPhoto();
    // Whether the list has room for one more entry; tells the user when not.
    bool hasRoom();
    void appendFound(const SearchResult& found);

    ImageFilesTab& tab_;
    DialogHost& host_;
    PreviewPhoto photo_;
    int32_t previewWidth_ = 0;  // twips
    int32_t previewHeight_ = 0;
    BackgroundSearch search_;
    int rowAtPress_ = -1;  // the selected entry when the mouse button went down
};

}  // namespace skyfolio

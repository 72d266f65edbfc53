#pragma once

#include "dialog/preview_photo.h"

#include <QObject>

#include <cstdint>
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
    // `Text3` shows the number of entries.
    void showCount();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string entry(int row) const;
    void move(int from, int to);
    // The previous picture stays when the file cannot be loaded.
    void loadIntoPhoto(const std::string& path);
    void showPhoto();

    ImageFilesTab& tab_;
    DialogHost& host_;
    PreviewPhoto photo_;
    int32_t previewWidth_ = 0;  // twips
    int32_t previewHeight_ = 0;
    int rowAtPress_ = -1;  // the selected entry when the mouse button went down
};

}  // namespace skyfolio

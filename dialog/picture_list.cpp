#include "dialog/picture_list.h"

#include "dialog/control_placement.h"
#include "dialog/dialog_host.h"
#include "dialog/image_files_tab.h"
#include "dialog/picture_file_types.h"
#include "dialog/picture_list_box.h"
#include "dialog/picture_list_limit.h"
#include "dialog/preview_box.h"
#include "dialog/preview_fit.h"
#include "settings/line_break.h"
#include "imaging/units.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>

namespace skyfolio {
namespace {

const std::string kImageNotFound = "Image file not found." + std::string(kLineBreak) + "You need to reload a new one.";
const std::string kNoFileSelected = "No file has been selected.";
const std::string kNothingToRemove = "Nothing was selected to remove.";
const std::string kRemoveAllQuestion = "Do you really want to remove all loaded images?";
const std::string kCannotMoveUp = "Error. Cannot move up. A file needs to be selected.";
const std::string kCannotMoveDown = "Error. Cannot move down. A file needs to be selected.";

const std::string kAddTitle = "Select a file to open";
const std::string kAddFolderTitle = "Select a folder to add";
const std::string kNoPicturesFound = "No pictures were found there.";
const std::string kListFull = "The list holds at most " + std::to_string(kMostPictures) + " pictures: the rest were not added.";

// The entry's path as stored, byte for byte; its text is only for showing.
constexpr int kPathRole = Qt::UserRole;

}  // namespace

PictureList::PictureList(ImageFilesTab& tab, DialogHost& host) : tab_(tab), host_(host), search_(&tab) {
    connect(tab_.add, &QPushButton::clicked, this, [this] { add_Click(); });
    connect(tab_.addFolder, &QPushButton::clicked, this, [this] { addFolder_Click(); });
    tab_.List1->onDrop([this](std::vector<std::string> paths) { addPictures(std::move(paths)); });
    connect(tab_.remove, &QPushButton::clicked, this, [this] { remove_Click(); });
    connect(tab_.RemoveAll, &QPushButton::clicked, this, [this] { RemoveAll_Click(); });
    connect(tab_.up, &QToolButton::clicked, this, [this] { up_Click(); });
    connect(tab_.down, &QToolButton::clicked, this, [this] { down_Click(); });
    // The user's selections; the handlers below select through select().
    connect(tab_.List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) List1_Click();
    });
    // A click on the entry already selected changes no selection, yet shows
    // the picture again: its file may have gone meanwhile.
    tab_.List1->viewport()->installEventFilter(this);
    connect(tab_.List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (tab_.List1->row(item) == rowAtPress_) List1_Click();
    });
}

bool PictureList::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) rowAtPress_ = tab_.List1->currentRow();
    return QObject::eventFilter(watched, event);
}

void PictureList::add_Click() {
    if (!hasRoom()) return;
    const PictureFilters filters = pictureFilters();
    const std::optional<std::string> chosen = host_.chooseFile(kAddTitle, filters.filters, filters.selected);
    if (!chosen) {
        host_.showMessage(kNoFileSelected);
        return;
    }
    append(*chosen);
    select(count() - 1);
    showCount();
    // Selecting showed the picture as a click does, with a click's messages;
    // Add decodes it once more for its own message on a picture it cannot
    // show. One preview-sized decode costs little after a file dialog.
    tab_.photo1->clear();
    try {
        loadIntoPhoto(*chosen);
        showPhoto();
    } catch (const PictureError&) {
        // The entry stays: the user may remove it, or the save names it.
        host_.showMessage(kNoFileSelected);
    }
}

void PictureList::addFolder_Click() {
    if (searching() || !hasRoom()) return;
    if (const std::optional<std::string> folder = host_.chooseFolder(kAddFolderTitle)) addPictures({*folder});
}

void PictureList::addPictures(std::vector<std::string> paths) {
    if (searching() || !hasRoom()) return;
    search_.start(std::move(paths), size_t(kMostPictures - count()), [this](SearchResult found) { appendFound(found); });
}

bool PictureList::hasRoom() {
    if (count() < kMostPictures) return true;
    host_.showMessage(kListFull);
    return false;
}

void PictureList::appendFound(const SearchResult& found) {
    if (found.pictures.empty()) {
        host_.showMessage(kNoPicturesFound);
        return;
    }
    // The list may have changed while the search ran, before its box came up.
    const int first = count();
    const size_t room = size_t(std::max(0, kMostPictures - first));
    const size_t taken = std::min(found.pictures.size(), room);
    for (size_t i = 0; i < taken; ++i) append(found.pictures[i]);
    showCount();
    if (taken > 0) select(first);
    if (found.more || taken < found.pictures.size()) host_.showMessage(kListFull);
}

void PictureList::remove_Click() {
    const int i = tab_.List1->currentRow();
    if (count() == 0) {
        host_.showMessage(kNothingToRemove);
        return;
    }
    tab_.photo1->clear();
    if (i < 0) {
        host_.showMessage(kNothingToRemove);
        return;
    }
    {
        const QSignalBlocker quiet(tab_.List1);
        delete tab_.List1->takeItem(i);
    }
    if (count() > 0) select(i == 0 ? 0 : i - 1);
    showCount();
}

void PictureList::RemoveAll_Click() {
    if (!host_.askYesNo(kRemoveAllQuestion)) return;
    clear();
    tab_.photo1->clear();
    showCount();
}

void PictureList::up_Click() {
    const int i = tab_.List1->currentRow();
    if (count() == 0) {
        host_.showMessage(kCannotMoveUp);
        return;
    }
    if (i == 0) return;
    if (i < 0) {
        host_.showMessage(kCannotMoveUp);
        return;
    }
    move(i, i - 1);
    select(i - 1);
}

void PictureList::down_Click() {
    const int i = tab_.List1->currentRow();
    const int n = count();
    if (n == 0) {
        host_.showMessage(kCannotMoveDown);
        return;
    }
    if (i == n - 1) return;
    if (i < 0) {
        host_.showMessage(kCannotMoveDown);
        return;
    }
    move(i, i + 1);
    select(i + 1);
}

void PictureList::List1_Click() {
    std::optional<std::string> failure;
    try {
        loadIntoPhoto(entry(tab_.List1->currentRow()));
    } catch (const PictureTooLarge& e) {
        // The file is there: say why it is not shown.
        const std::string lineBreak(kLineBreak);
        failure = kImageNotFound + lineBreak + lineBreak + e.what();
    } catch (const PictureError&) {
        failure = kImageNotFound;
    }
    showPhoto();
    if (failure) host_.showMessage(*failure);
}

void PictureList::PaintPreview() {
    if (photo_.isNull()) return;  // nothing has loaded yet: nothing to draw
    const PreviewFit fit = fitPreview(previewWidth_, previewHeight_);
    previewWidth_ = fit.width;
    previewHeight_ = fit.height;
    tab_.photo1->showPicture(photo_.shown, pixelRect({fit.x, fit.y, fit.width, fit.height}));
}

void PictureList::loadIntoPhoto(const std::string& path) { photo_ = loadPreviewPhoto(path); }

void PictureList::showPhoto() {
    tab_.photo1->clear();
    previewWidth_ = photo_.size.width * kTwipsPerPixel;
    previewHeight_ = photo_.size.height * kTwipsPerPixel;
    PaintPreview();
}

void PictureList::clear() {
    const QSignalBlocker quiet(tab_.List1);
    tab_.List1->clear();
}

void PictureList::append(const std::string& path) {
    auto* item = new QListWidgetItem(QString::fromStdString(path));
    item->setData(kPathRole, QByteArray::fromStdString(path));
    const QSignalBlocker quiet(tab_.List1);
    tab_.List1->addItem(item);
}

void PictureList::move(int from, int to) {
    const QSignalBlocker quiet(tab_.List1);
    tab_.List1->insertItem(to, tab_.List1->takeItem(from));
}

std::string PictureList::entry(int row) const {
    const QListWidgetItem* item = tab_.List1->item(row);
    return item ? item->data(kPathRole).toByteArray().toStdString() : std::string();
}

std::vector<std::string> PictureList::entries() const {
    std::vector<std::string> paths;
    for (int row = 0; row < count(); ++row) paths.push_back(entry(row));
    return paths;
}

int PictureList::count() const { return tab_.List1->count(); }

void PictureList::select(int row) {
    selectQuietly(row);
    List1_Click();
}

void PictureList::selectQuietly(int row) {
    const QSignalBlocker quiet(tab_.List1);
    tab_.List1->setCurrentRow(row);
}

void PictureList::showCount() { tab_.Text3->setText(QString::number(count())); }

}  // namespace skyfolio

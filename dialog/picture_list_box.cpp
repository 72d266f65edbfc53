#include "dialog/picture_list_box.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace skyfolio {
namespace {

std::vector<std::string> localPaths(const QMimeData* data) {
    std::vector<std::string> paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    return paths;
}

}  // namespace

PictureListBox::PictureListBox(QWidget* parent) : QListWidget(parent) {
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    // Thousands of entries lay out as fast as a few.
    setUniformItemSizes(true);
}

void PictureListBox::dragEnterEvent(QDragEnterEvent* event) {
    if (localPaths(event->mimeData()).empty()) return event->ignore();
    event->acceptProposedAction();
}

void PictureListBox::dragMoveEvent(QDragMoveEvent* event) {
    if (localPaths(event->mimeData()).empty()) return event->ignore();
    event->acceptProposedAction();
}

void PictureListBox::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths = localPaths(event->mimeData());
    if (paths.empty()) return event->ignore();
    event->acceptProposedAction();
    if (dropped_) dropped_(std::move(paths));
}

}  // namespace skyfolio

#pragma once

#include <QListWidget>

#include <functional>
#include <string>
#include <vector>

namespace skyfolio {

// The picture list's box: a list box that also takes files and folders
// dragged onto it from a file manager.
class PictureListBox : public QListWidget {
public:
    using Dropped = std::function<void(std::vector<std::string> paths)>;

    explicit PictureListBox(QWidget* parent = nullptr);

    // Runs for every drop of local files or folders, in the order dragged.
    void onDrop(Dropped dropped) { dropped_ = std::move(dropped); }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    Dropped dropped_;
};

}  // namespace skyfolio

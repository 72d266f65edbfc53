#pragma once

#include "dialog/picture_search.h"

#include <QObject>
#include <QPointer>
#include <QProgressDialog>

#include <functional>
#include <memory>
#include <thread>

class QTimer;
class QWidget;

namespace skyfolio {

// Runs a picture search on a thread of its own while the window stays
// responsive, with a progress box that shows how far it has got and can
// cancel it. The window takes no input meanwhile (the box is modal to it),
// but nothing waits: the result comes back through the event loop.
class BackgroundSearch : public QObject {
public:
    using Found = std::function<void(SearchResult)>;

    explicit BackgroundSearch(QWidget* window);
    // Cancels a search still running and waits for its thread.
    ~BackgroundSearch() override;

    bool running() const { return thread_.joinable(); }
    // Starts a search of `paths` for at most `most` pictures; `found` runs on
    // this thread once the search is done, and not at all when cancelled.
    // Nothing happens while a search runs.
    void start(std::vector<std::string> paths, size_t most, Found found);
    // The progress box, once shown; for the tests.
    QProgressDialog* progressBox() const { return box_; }

private:
    void poll();
    void finish();

    QWidget* window_;
    QTimer* timer_;
    QPointer<QProgressDialog> box_;
    std::unique_ptr<SearchProgress> progress_;
    std::atomic<bool> done_ = false;
    SearchResult result_;
    Found found_;
    std::thread thread_;
};

}  // namespace skyfolio

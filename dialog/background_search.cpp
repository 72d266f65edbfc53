#include "dialog/background_search.h"

#include <QProgressDialog>
#include <QTimer>

namespace skyfolio {
namespace {

// Often enough that the count moves smoothly.
constexpr int kPollMilliseconds = 50;
// A search that ends sooner shows no box at all.
constexpr int kQuietMilliseconds = 400;

const QString kSearching = QStringLiteral("Looking for pictures...");
const QString kFilesSoFar = QStringLiteral("Looking for pictures... %1 files looked at");

}  // namespace

BackgroundSearch::BackgroundSearch(QWidget* window) : window_(window), timer_(new QTimer(this)) {
    timer_->setInterval(kPollMilliseconds);
    connect(timer_, &QTimer::timeout, this, [this] { poll(); });
}

BackgroundSearch::~BackgroundSearch() {
    if (!running()) return;
    progress_->cancelled = true;
    thread_.join();
}

void BackgroundSearch::start(std::vector<std::string> paths, size_t most, Found found) {
    if (running()) return;
    progress_ = std::make_unique<SearchProgress>();
    done_ = false;
    found_ = std::move(found);
    box_ = new QProgressDialog(kSearching, QStringLiteral("Cancel"), 0, 0, window_);
    box_->setWindowTitle(QStringLiteral("Skyfolio"));
    box_->setWindowModality(Qt::WindowModal);
    box_->setAutoReset(false);
    box_->setMinimumDuration(kQuietMilliseconds);
    box_->setValue(0);  // counts the quiet time from now
    SearchProgress* progress = progress_.get();
    connect(box_, &QProgressDialog::canceled, this, [progress] { progress->cancelled = true; });
    thread_ = std::thread([this, progress, paths = std::move(paths), most] {
        result_ = findPictures(paths, most, *progress);
        done_ = true;
    });
    timer_->start();
}

void BackgroundSearch::poll() {
    if (done_) {
        finish();
        return;
    }
    if (box_ && !progress_->cancelled) box_->setLabelText(kFilesSoFar.arg(progress_->filesLookedAt.load()));
}

void BackgroundSearch::finish() {
    timer_->stop();
    thread_.join();
    if (box_) box_->deleteLater();
    const bool cancelled = progress_->cancelled;
    Found found = std::move(found_);
    if (!cancelled) found(std::move(result_));
}

}  // namespace skyfolio

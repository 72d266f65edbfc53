#pragma once

#include "imaging/row_sink.h"
#include "platform/write_result.h"

#include <QRgb>
#include <QSaveFile>
#include <QSize>

#include <string>
#include <vector>

namespace skyfolio {

// Writes the rows it is handed straight into a standard 24-bit BMP file,
// laid out as Qt writes one, so a picture never has to be held whole. The
// file replaces `path` atomically when finished, and not at all otherwise.
class BitmapWriter : public RowSink {
public:
    // Keeps the first `size.width()` pixels of the first `size.height()` rows.
    BitmapWriter(const std::string& path, QSize size);

    void addRow(const QRgb* row) override;
    // Commits the file once every row has come.
    WriteResult finish();

private:
    std::string path_;
    QSize size_;
    QSaveFile file_;
    std::vector<char> line_;  // one row as stored, padded to 4 bytes
    int rows_ = 0;
    bool failed_ = false;
};

}  // namespace skyfolio

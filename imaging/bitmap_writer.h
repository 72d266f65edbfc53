#pragma once

#include "files/write_result.h"
#include "imaging/row_sink.h"

#include <cstdint>
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
    // Of the `rowsComing` rows of a picture that come in `order`, keeps the
    // first `size.width()` pixels of the top `size.height()` rows.
    BitmapWriter(const std::string& path, QSize size, RowOrder order = RowOrder::TopDown, int rowsComing = 0);

    void addRow(const uint32_t* row) override;
    // Commits the file once every row has come.
    WriteResult finish();

private:
    std::string path_;
    QSize size_;
    QSaveFile file_;
    RowOrder order_;
    int rowsComing_;
    std::vector<char> line_;  // one row as stored, padded to 4 bytes
    int arrived_ = 0;
    int written_ = 0;
    bool failed_ = false;
};

}  // namespace skyfolio

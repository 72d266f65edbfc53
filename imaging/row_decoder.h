#pragma once

#include "imaging/row_sink.h"

#include <QImageIOHandler>
#include <QSize>

#include <stdexcept>

namespace skyfolio {

// Why a decoder could not read a picture; the caller names the file.
class DecodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A picture file we decode ourselves rather than through Qt, so that it can
// be decoded small and handed on row by row: a photo of any size then takes
// the memory of a few rows, or of the small picture, not of the whole one.
class RowDecoder {
public:
    virtual ~RowDecoder() = default;

    // As stored, before it is turned upright.
    virtual QSize size() const = 0;
    virtual QImageIOHandler::Transformations orientation() const = 0;
    // The order in which `decode` hands over the rows.
    virtual RowOrder rowOrder() const { return RowOrder::TopDown; }
    // Whether `decode` produces `size` itself, without the picture at its
    // stored size in between; its own size always will.
    virtual bool decodesStraightTo(QSize size) const = 0;
    // Hands `sink` the rows of the picture at exactly `size`, one it decodes
    // straight to. Throws DecodeError, when `sink` may hold some rows.
    virtual void decode(QSize size, RowSink& sink) = 0;
};

}  // namespace skyfolio

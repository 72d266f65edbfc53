#include "imaging/heif_decoder.h"

#include "imaging/area_scaler.h"
#include "imaging/picture_limits.h"
#include "imaging/pixels.h"
#include "imaging/qt_sizes.h"

#include <string>
#include <vector>

#include <libheif/heif.h>

namespace skyfolio {
namespace {

// libheif reads the file through these, as it needs its parts.
int64_t positionOf(void* device) { return static_cast<QIODevice*>(device)->pos(); }

int readFrom(void* data, size_t size, void* device) {
    return static_cast<QIODevice*>(device)->read(static_cast<char*>(data), qint64(size)) == qint64(size) ? 0 : 1;
}

int seekIn(int64_t position, void* device) { return static_cast<QIODevice*>(device)->seek(position) ? 0 : 1; }

heif_reader_grow_status fileReaches(int64_t size, void* device) {
    return size > static_cast<QIODevice*>(device)->size() ? heif_reader_grow_status_size_beyond_eof
                                                          : heif_reader_grow_status_size_reached;
}

// Version 1 of the reader; later libheifs add members that it leaves empty.
heif_reader deviceReader() {
    heif_reader reader{};
    reader.reader_api_version = 1;
    reader.get_position = positionOf;
    reader.read = readFrom;
    reader.seek = seekIn;
    reader.wait_for_file_size = fileReaches;
    return reader;
}

const heif_reader kDeviceReader = deviceReader();

// Once per process, before any thread uses libheif: it sets up its decoders
// on the first call.
void setUpLibheif() {
    static const bool ready = [] {
        heif_init(nullptr);
        return true;
    }();
    (void)ready;
}

void check(heif_error error, const char* what) {
    if (error.code != heif_error_Ok) throw DecodeError(std::string(what) + ": " + error.message);
}

struct ContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleRelease {
    void operator()(const heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct ImageRelease {
    void operator()(const heif_image* image) const { heif_image_release(image); }
};
struct OptionsFree {
    void operator()(heif_decoding_options* options) const { heif_decoding_options_free(options); }
};
using Handle = std::unique_ptr<const heif_image_handle, HandleRelease>;

QSize sizeOf(const heif_image_handle* handle) {
    return QSize(heif_image_handle_get_width(handle), heif_image_handle_get_height(handle));
}

class HeifDecoder : public RowDecoder {
public:
    explicit HeifDecoder(QIODevice& file);

    QSize size() const override { return sizeOf(primary_.get()); }
    QImageIOHandler::Transformations orientation() const override { return QImageIOHandler::TransformationNone; }
    bool decodesStraightTo(QSize size) const override { return scalesWellByArea(pictureSize(this->size()), pictureSize(size)); }
    void decode(QSize size, RowSink& sink) override;

private:
    // The smallest thumbnail that serves for `size`; none when only the
    // picture itself does.
    Handle thumbnailFor(QSize size) const;

    std::unique_ptr<heif_context, ContextFree> context_;
    Handle primary_;
};

HeifDecoder::HeifDecoder(QIODevice& file) : context_(heif_context_alloc()) {
    if (!context_) throw DecodeError("out of memory");
    if (!file.seek(0)) throw DecodeError("the file cannot be read again");
    check(heif_context_read_from_reader(context_.get(), &kDeviceReader, &file, nullptr), "not a readable HEIF file");
    heif_image_handle* primary = nullptr;
    check(heif_context_get_primary_image_handle(context_.get(), &primary), "not a readable HEIF file");
    primary_.reset(primary);
    if (size().isEmpty()) throw DecodeError("not a readable HEIF file: it holds no picture");
}

Handle HeifDecoder::thumbnailFor(QSize size) const {
    const int count = heif_image_handle_get_number_of_thumbnails(primary_.get());
    if (count <= 0) return {};
    std::vector<heif_item_id> ids(static_cast<size_t>(count));
    heif_image_handle_get_list_of_thumbnail_IDs(primary_.get(), ids.data(), count);
    Handle best;
    for (heif_item_id id : ids) {
        heif_image_handle* thumbnail = nullptr;
        if (heif_image_handle_get_thumbnail(primary_.get(), id, &thumbnail).code != heif_error_Ok) continue;
        Handle candidate(thumbnail);
        const QSize candidateSize = sizeOf(thumbnail);
        if (candidateSize.isEmpty() || !scalesWellByArea(pictureSize(candidateSize), pictureSize(size))) continue;
        if (!best || qint64(candidateSize.width()) * candidateSize.height() <
                         qint64(sizeOf(best.get()).width()) * sizeOf(best.get()).height())
            best = std::move(candidate);
    }
    return best;
}

void HeifDecoder::decode(QSize size, RowSink& sink) {
    Handle thumbnail = thumbnailFor(size);
    const heif_image_handle* handle = thumbnail ? thumbnail.get() : primary_.get();
    const QSize stored = sizeOf(handle);
    if (qint64(stored.width()) * stored.height() * 4 > kMaxPictureBytes) throw DecodeError(tooLarge(stored.width(), stored.height()));

    std::unique_ptr<heif_decoding_options, OptionsFree> options(heif_decoding_options_alloc());
    if (!options) throw DecodeError("out of memory");
    options->convert_hdr_to_8bit = 1;
    heif_image* decodedImage = nullptr;
    check(heif_decode_image(handle, &decodedImage, heif_colorspace_RGB, heif_chroma_interleaved_RGB, options.get()),
          "the picture data is damaged");
    const std::unique_ptr<const heif_image, ImageRelease> image(decodedImage);
    const QSize decoded(heif_image_get_width(image.get(), heif_channel_interleaved),
                        heif_image_get_height(image.get(), heif_channel_interleaved));
    int stride = 0;
    const uint8_t* pixels = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    if (!pixels || decoded.isEmpty()) throw DecodeError("the picture data is damaged");

    RowsAtSize out(pictureSize(decoded), pictureSize(size), sink);
    std::vector<uint32_t> row(size_t(decoded.width()));
    for (int y = 0; y < decoded.height(); ++y) {
        const uint8_t* rgb = pixels + qint64(y) * stride;
        for (uint32_t& pixel : row) {
            pixel = rgb32(rgb[0], rgb[1], rgb[2]);
            rgb += 3;
        }
        out.addRow(row.data());
    }
}

}  // namespace

std::unique_ptr<RowDecoder> openHeif(QIODevice& file) {
    setUpLibheif();
    return std::make_unique<HeifDecoder>(file);
}

bool libheifDecodesHeic() {
    setUpLibheif();
    return heif_have_decoder_for_format(heif_compression_HEVC);
}

bool libheifDecodesAvif() {
    setUpLibheif();
    return heif_have_decoder_for_format(heif_compression_AV1);
}

}  // namespace skyfolio

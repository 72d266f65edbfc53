#include "imaging/jpeg_decoder.h"

#include "imaging/area_scaler.h"
#include "imaging/buffered_input.h"
#include "imaging/exif_orientation.h"
#include "imaging/jpeg_dc_decoder.h"
#include "imaging/jpeg_file_source.h"
#include "imaging/picture_limits.h"
#include "imaging/pixels.h"
#include "imaging/qt_sizes.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include <jerror.h>

namespace skyfolio {
namespace {

constexpr int kMaxWarnings = 1000;

struct Errors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    int warnings;
};

[[noreturn]] void giveUp(j_common_ptr info, const char* why) {
    Errors* errors = reinterpret_cast<Errors*>(info->err);
    std::snprintf(errors->message, sizeof errors->message, "%s", why);
    std::longjmp(errors->jump, 1);
}

[[noreturn]] void onError(j_common_ptr info) {
    // Without a backing store, libjpeg says so when a picture needs more
    // memory than it may have.
    if (info->err->msg_code == JERR_NO_BACKING_STORE) giveUp(info, kTooLarge.data());
    Errors* errors = reinterpret_cast<Errors*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void onMessage(j_common_ptr info, int level) {
    // Level -1 is a warning about corrupt data; the rest is chatter.
    if (level < 0 && ++reinterpret_cast<Errors*>(info->err)->warnings > kMaxWarnings)
        giveUp(info, "too many errors in the picture data");
}

void limitScans(j_common_ptr info) {
    if (!info->is_decompressor) return;
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxJpegScans)
        giveUp(info, "too many scans in the picture data");
}

// Everything a decoding changes after setjmp, kept where a jump back finds it
// intact and the destructor still runs.
struct Decoding {
    Decoding() { std::memset(&info, 0, sizeof info); }
    ~Decoding() { jpeg_destroy_decompress(&info); }  // harmless when never created

    jpeg_decompress_struct info;
    Errors errors;
    jpeg_progress_mgr progress;
    std::vector<uint32_t> row;
    std::optional<AreaScaler> scaler;
};

// Sets up `d` to read from `input` with our error handling and limits; the
// caller has armed d->errors.jump.
void start(Decoding* d, BufferedInput& input) {
    d->info.err = jpeg_std_error(&d->errors.manager);
    d->errors.manager.error_exit = onError;
    d->errors.manager.emit_message = onMessage;
    d->errors.warnings = 0;
    d->errors.message[0] = '\0';
    d->progress.progress_monitor = limitScans;
    jpeg_create_decompress(&d->info);
    // For a progressive file that is every coefficient of the picture, 3 to
    // 6 bytes a pixel.
    d->info.mem->max_memory_to_use = kMaxPictureBytes;
    d->info.progress = &d->progress;
    readJpegFrom(&d->info, input);
}

// The smallest M/8, M in 1..8, whose picture is nearly as large as `size`.
unsigned scaleEighths(const jpeg_decompress_struct& info, QSize size) {
    for (unsigned m = 1; m < 8; ++m)
        if (scalesWellByArea({int((info.image_width * m + 7) / 8), int((info.image_height * m + 7) / 8)}, pictureSize(size))) return m;
    return 8;
}

// Adobe writes CMYK inverted; multiplying by K gives the usual look. Each
// pixel's four bytes become its RGB32 value in place.
void cmykRowToRgb32(uint32_t* row, int width) {
    for (int x = 0; x < width; ++x) {
        const JSAMPLE* in = reinterpret_cast<const JSAMPLE*>(&row[x]);
        row[x] = rgb32(in[3] * in[0] / 255, in[3] * in[1] / 255, in[3] * in[2] / 255);
    }
}

bool fromDcCoefficients(BufferedInput& input, QSize size, RowSink& sink) {
    JpegDcDecoder decoder(input);
    if (!decoder.readHeader() || !scalesWellByArea(pictureSize(decoder.size()), pictureSize(size))) return false;
    AreaScaler scaler(pictureSize(decoder.size()), pictureSize(size), sink);
    return decoder.decode([&scaler](const uint32_t* row) { scaler.addRow(row); });
}

bool withLibjpeg(BufferedInput& input, QSize size, RowSink& sink, std::string& error) {
    const auto d = std::make_unique<Decoding>();
    jpeg_decompress_struct& info = d->info;
    if (setjmp(d->errors.jump)) {
        error = d->errors.message;
        return false;
    }
    start(d.get(), input);
    jpeg_read_header(&info, TRUE);

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;  // BGRX bytes are a QImage RGB32 pixel
    info.scale_num = scaleEighths(info, size);
    info.scale_denom = 8;
    jpeg_calc_output_dimensions(&info);
    const QSize decoded(int(info.output_width), int(info.output_height));
    RowSink* out = &sink;
    if (decoded != size) out = &d->scaler.emplace(pictureSize(decoded), pictureSize(size), sink);
    d->row.resize(size_t(decoded.width()));

    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW samples = reinterpret_cast<JSAMPROW>(d->row.data());
        jpeg_read_scanlines(&info, &samples, 1);
        if (cmyk) cmykRowToRgb32(d->row.data(), decoded.width());
        out->addRow(d->row.data());
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

std::optional<JpegHeader> readJpegHeader(QIODevice& file) {
    BufferedInput input(file);
    if (!input.rewind()) return std::nullopt;
    auto header = std::make_unique<JpegHeader>();
    const auto d = std::make_unique<Decoding>();
    if (setjmp(d->errors.jump)) return std::nullopt;
    start(d.get(), input);
    jpeg_save_markers(&d->info, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&d->info, TRUE);
    header->size = QSize(int(d->info.image_width), int(d->info.image_height));
    for (jpeg_saved_marker_ptr m = d->info.marker_list; m; m = m->next) {
        if (m->marker != JPEG_APP0 + 1) continue;
        if (header->orientation == QImageIOHandler::TransformationNone)
            header->orientation = exifOrientation(m->data, m->data_length);
        if (header->dateTaken.empty()) header->dateTaken = exifDateTaken(m->data, m->data_length);
    }
    return *header;
}

bool decodesStraightTo(QSize stored, QSize size) { return scalesWellByArea(pictureSize(stored), pictureSize(size)); }

bool decodeJpeg(QIODevice& file, QSize size, RowSink& sink, std::string& error) {
    BufferedInput input(file);
    if (input.rewind() && fromDcCoefficients(input, size, sink)) return true;
    if (!input.rewind()) {
        error = "the file cannot be read again";
        return false;
    }
    return withLibjpeg(input, size, sink, error);
}

}  // namespace skyfolio

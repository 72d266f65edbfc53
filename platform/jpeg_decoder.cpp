#include "platform/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace skyfolio {
namespace {

// Real photos have at most a few dozen scans; crafted files have thousands.
constexpr int kMaxScans = 500;
constexpr int kMaxWarnings = 1000;
// The same ceiling Qt puts on any picture it decodes.
constexpr qint64 kMaxDecodedBytes = 256LL * 1024 * 1024;

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
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans)
        giveUp(info, "too many scans in the picture data");
}

// Sets up `info` to read from `bytes` with our error handling; the caller has
// armed errors->jump.
void start(jpeg_decompress_struct* info, Errors* errors, jpeg_progress_mgr* progress, std::string_view bytes) {
    info->err = jpeg_std_error(&errors->manager);
    errors->manager.error_exit = onError;
    errors->manager.emit_message = onMessage;
    errors->warnings = 0;
    errors->message[0] = '\0';
    progress->progress_monitor = limitScans;
    jpeg_create_decompress(info);
    info->progress = progress;
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
}

// The orientation tag of the EXIF data in an APP1 marker; every offset in it
// is checked, the data may be hostile.
QImageIOHandler::Transformations exifOrientation(const unsigned char* data, size_t size) {
    using T = QImageIOHandler;
    if (size < 14 || std::memcmp(data, "Exif\0\0", 6) != 0) return T::TransformationNone;
    const unsigned char* tiff = data + 6;
    const size_t length = size - 6;
    const bool little = tiff[0] == 'I' && tiff[1] == 'I';
    if (!little && !(tiff[0] == 'M' && tiff[1] == 'M')) return T::TransformationNone;
    const auto u16 = [&](size_t at) -> unsigned { return little ? tiff[at] | tiff[at + 1] << 8 : tiff[at] << 8 | tiff[at + 1]; };
    const auto u32 = [&](size_t at) -> size_t { return little ? u16(at) | size_t(u16(at + 2)) << 16 : size_t(u16(at)) << 16 | u16(at + 2); };
    const size_t directory = u32(4);
    if (directory > length - 2) return T::TransformationNone;
    const unsigned entries = u16(directory);
    for (unsigned i = 0; i < entries; ++i) {
        const size_t entry = directory + 2 + size_t(i) * 12;
        if (entry + 12 > length) break;
        if (u16(entry) != 0x0112) continue;
        constexpr T::Transformations byTag[] = {
            T::TransformationNone,          T::TransformationNone,         T::TransformationMirror,
            T::TransformationRotate180,     T::TransformationFlip,         T::TransformationFlipAndRotate90,
            T::TransformationRotate90,      T::TransformationMirrorAndRotate90, T::TransformationRotate270};
        const unsigned tag = u16(entry + 8);
        return tag < std::size(byTag) ? byTag[tag] : T::TransformationNone;
    }
    return T::TransformationNone;
}

// The smallest M/8, M in 1..8, whose scaled picture still covers `atLeast`.
unsigned scaleEighths(const jpeg_decompress_struct& info, QSize atLeast) {
    if (atLeast.isEmpty()) return 8;
    for (unsigned m = 1; m < 8; ++m)
        if (info.image_width * m >= unsigned(atLeast.width()) * 8 && info.image_height * m >= unsigned(atLeast.height()) * 8)
            return m;
    return 8;
}

// Adobe writes CMYK inverted; multiplying by K gives the usual look.
void cmykRowToRgb32(const JSAMPLE* in, QRgb* out, int width) {
    for (int x = 0; x < width; ++x, in += 4) out[x] = qRgb(in[3] * in[0] / 255, in[3] * in[1] / 255, in[3] * in[2] / 255);
}

}  // namespace

bool looksLikeJpeg(std::string_view bytes) { return bytes.size() >= 3 && bytes.substr(0, 3) == "\xFF\xD8\xFF"; }

std::optional<JpegHeader> readJpegHeader(std::string_view bytes) {
    auto header = std::make_unique<JpegHeader>();
    auto info = std::make_unique<jpeg_decompress_struct>();
    auto errors = std::make_unique<Errors>();
    auto progress = std::make_unique<jpeg_progress_mgr>();
    std::memset(info.get(), 0, sizeof *info);
    if (setjmp(errors->jump)) {
        jpeg_destroy_decompress(info.get());
        return std::nullopt;
    }
    start(info.get(), errors.get(), progress.get(), bytes);
    jpeg_save_markers(info.get(), JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(info.get(), TRUE);
    header->size = QSize(int(info->image_width), int(info->image_height));
    for (jpeg_saved_marker_ptr m = info->marker_list; m; m = m->next) {
        if (m->marker != JPEG_APP0 + 1) continue;
        header->orientation = exifOrientation(m->data, m->data_length);
        if (header->orientation != QImageIOHandler::TransformationNone) break;
    }
    jpeg_destroy_decompress(info.get());
    return *header;
}

QImage decodeJpeg(std::string_view bytes, QSize atLeast, std::string& error) {
    // Everything that changes after setjmp lives behind pointers set before it,
    // so a jump back finds them intact.
    auto image = std::make_unique<QImage>();
    auto info = std::make_unique<jpeg_decompress_struct>();
    auto errors = std::make_unique<Errors>();
    auto progress = std::make_unique<jpeg_progress_mgr>();
    std::memset(info.get(), 0, sizeof *info);
    if (setjmp(errors->jump)) {
        jpeg_destroy_decompress(info.get());
        error = errors->message;
        return {};
    }
    start(info.get(), errors.get(), progress.get(), bytes);
    jpeg_read_header(info.get(), TRUE);

    const bool cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    info->out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;  // BGRX bytes are a QImage RGB32 pixel
    info->scale_num = scaleEighths(*info, atLeast);
    info->scale_denom = 8;
    jpeg_calc_output_dimensions(info.get());
    if (qint64(info->output_width) * info->output_height * 4 > kMaxDecodedBytes)
        giveUp(reinterpret_cast<j_common_ptr>(info.get()), "the picture is too large");

    *image = QImage(int(info->output_width), int(info->output_height), QImage::Format_RGB32);
    if (image->isNull()) giveUp(reinterpret_cast<j_common_ptr>(info.get()), "out of memory");

    JSAMPARRAY cmykRow = cmyk ? (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info.get()), JPOOL_IMAGE,
                                                           info->output_width * 4, 1)
                              : nullptr;
    jpeg_start_decompress(info.get());
    while (info->output_scanline < info->output_height) {
        QRgb* line = reinterpret_cast<QRgb*>(image->scanLine(int(info->output_scanline)));
        if (cmyk) {
            jpeg_read_scanlines(info.get(), cmykRow, 1);
            cmykRowToRgb32(cmykRow[0], line, int(info->output_width));
        } else {
            JSAMPROW row = reinterpret_cast<JSAMPROW>(line);
            jpeg_read_scanlines(info.get(), &row, 1);
        }
    }
    jpeg_finish_decompress(info.get());
    jpeg_destroy_decompress(info.get());
    return std::move(*image);
}

}  // namespace skyfolio

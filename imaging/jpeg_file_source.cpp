#include "imaging/jpeg_file_source.h"

#include <jerror.h>

namespace skyfolio {
namespace {

struct FileSource {
    jpeg_source_mgr manager;
    BufferedInput* input;
};

FileSource* sourceOf(j_decompress_ptr info) { return reinterpret_cast<FileSource*>(info->src); }

void startReading(j_decompress_ptr) {}
void stopReading(j_decompress_ptr) {}

boolean fill(j_decompress_ptr info) {
    FileSource* source = sourceOf(info);
    const std::span<const uint8_t> bytes = source->input->takeBuffered();
    if (bytes.empty()) {
        // A file cut short ends as if it were whole: libjpeg warns and keeps
        // the rows it has, the way a browser shows a broken download.
        static const JOCTET kEndOfImage[] = {0xFF, JPEG_EOI};
        WARNMS(info, JWRN_JPEG_EOF);
        source->manager.next_input_byte = kEndOfImage;
        source->manager.bytes_in_buffer = sizeof kEndOfImage;
    } else {
        source->manager.next_input_byte = bytes.data();
        source->manager.bytes_in_buffer = bytes.size();
    }
    return TRUE;
}

void skip(j_decompress_ptr info, long count) {
    jpeg_source_mgr& manager = sourceOf(info)->manager;
    if (count <= 0) return;
    if (size_t(count) <= manager.bytes_in_buffer) {
        manager.next_input_byte += count;
        manager.bytes_in_buffer -= size_t(count);
        return;
    }
    sourceOf(info)->input->skip(count - long(manager.bytes_in_buffer));
    manager.bytes_in_buffer = 0;
}

}  // namespace

void readJpegFrom(jpeg_decompress_struct* info, BufferedInput& input) {
    // In the permanent pool, so jpeg_destroy_decompress frees it.
    auto* source = static_cast<FileSource*>(
        (*info->mem->alloc_small)(reinterpret_cast<j_common_ptr>(info), JPOOL_PERMANENT, sizeof(FileSource)));
    source->manager.init_source = startReading;
    source->manager.fill_input_buffer = fill;
    source->manager.skip_input_data = skip;
    source->manager.resync_to_restart = jpeg_resync_to_restart;
    source->manager.term_source = stopReading;
    source->manager.next_input_byte = nullptr;
    source->manager.bytes_in_buffer = 0;
    source->input = &input;
    info->src = &source->manager;
}

}  // namespace skyfolio

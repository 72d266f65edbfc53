#include "tests/jpeg_test_files.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace skyfolio::test {

void writeJpeg(const std::string& path, const QImage& image, const JpegLayout& layout) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = layout.grey ? 1 : 3;
    info.in_color_space = layout.grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, layout.quality, TRUE);
    if (!layout.grey && !layout.subsampled) info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
    info.restart_interval = unsigned(layout.restartInterval);
    if (layout.progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(size_t(image.width()) * 3);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (layout.grey) {
                row[size_t(x)] = JSAMPLE(qGray(pixel));
            } else {
                row[size_t(x) * 3] = JSAMPLE(qRed(pixel));
                row[size_t(x) * 3 + 1] = JSAMPLE(qGreen(pixel));
                row[size_t(x) * 3 + 2] = JSAMPLE(qBlue(pixel));
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

QImage libjpegAtOneEighth(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) std::abort();
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.scale_num = 1;
    info.scale_denom = 8;
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    QImage image(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return image;
}

double meanDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 255;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

}  // namespace skyfolio::test

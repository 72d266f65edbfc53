#pragma once

#include "imaging/buffered_input.h"
#include "imaging/jpeg_bit_reader.h"

#include <QImage>
#include <QSize>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace skyfolio {

// The 1/8-scale picture of a progressive JPEG, built from the DC coefficients
// alone: the DC scans are decoded and the AC scans skipped unread. libjpeg
// holds every coefficient of a progressive photo until its last scan (36 MB
// for 12 megapixels) and decodes every scan; this keeps one number per
// 8 x 8 block and takes a fraction of the time.
//
// It reads the common kind only: 8-bit, Huffman-coded, grey or YCbCr, with
// sampling factors that divide evenly. For anything else, or damage in a DC
// scan, `readHeader` or `decode` returns false and libjpeg takes the file.
class JpegDcDecoder {
public:
    explicit JpegDcDecoder(BufferedInput& input);

    // Reads the file up to its frame header.
    bool readHeader();
    // The picture at 1/8 scale, rounded up as libjpeg rounds it.
    QSize size() const;
    // Reads the scans, then hands over the rows top to bottom. Returns false,
    // before handing over any row, on anything it does not read.
    bool decode(const std::function<void(const uint32_t* row)>& takeRow);

private:
    struct Component {
        int id = 0;
        int h = 1;
        int v = 1;
        int quantTable = 0;
        int quant = 0;            // DC quantiser, taken at the first scan
        bool hasDc = false;       // a first DC scan has filled it
        int blocksWide = 0;       // in whole MCUs
        int blocksHigh = 0;
        int ownBlocksWide = 0;    // in a scan of this component alone
        int ownBlocksHigh = 0;
        std::vector<int16_t> dc;  // blocksWide x blocksHigh
    };
    struct HuffmanTable {
        // The canonical codes from the number of codes of each length;
        // false for a table no encoder writes.
        bool build(const std::array<int, 17>& counts, int total);

        bool defined = false;
        std::array<int, 17> maxCode{};  // by code length; -1 when none
        std::array<int, 17> offset{};   // from a code to its value's index
        std::array<uint8_t, 256> values{};
    };
    struct ScanPart {
        Component* component;
        const HuffmanTable* table;
        int predictor;
    };

    int nextMarker();
    int readWord();
    bool readSegment(int marker, int length);
    bool readQuantTables(int length);
    bool readHuffmanTables(int length);
    bool readAdobe(int length);
    bool readFrame(int length);
    bool readScan(int length);
    bool decodeDcScan(std::vector<ScanPart>& parts, int ah, int al);
    bool decodeBlock(ScanPart& part, int x, int y, bool refine, int al);
    bool restart(std::vector<ScanPart>& parts);
    int skipEntropyData();
    int decodeHuffman(const HuffmanTable& table);

    bool hasAllDc() const;
    bool storedAsRgb() const;
    void emitRows(const std::function<void(const uint32_t* row)>& takeRow);

    BufferedInput& input_;
    int width_ = 0;
    int height_ = 0;
    int maxH_ = 1;
    int maxV_ = 1;
    int restartInterval_ = 0;
    int scans_ = 0;
    bool adobeRgb_ = false;
    std::vector<Component> components_;
    std::array<int, 4> quant_{};  // DC entry of each table; 0 when undefined
    std::array<HuffmanTable, 4> dcTables_{};

    JpegBitReader bits_;
    int pendingMarker_ = 0;  // a marker already read, or -1 for the end
};

}  // namespace skyfolio

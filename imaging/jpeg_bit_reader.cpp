#include "imaging/jpeg_bit_reader.h"

namespace skyfolio {

void JpegBitReader::fill() {
    while (count_ <= 56) {
        int byte = 0;
        if (marker_ == 0) {
            byte = input_.next();
            if (byte == 0xFF) {
                int next = input_.next();
                while (next == 0xFF) next = input_.next();  // fill bytes before a marker
                if (next == 0) {
                    byte = 0xFF;  // a stuffed 0xFF
                } else {
                    marker_ = next < 0 ? -1 : next;
                    byte = 0;
                }
            } else if (byte < 0) {
                marker_ = -1;
                byte = 0;
            }
        }
        if (marker_ != 0) zeros_ += 8;
        bits_ |= uint64_t(byte) << (56 - count_);
        count_ += 8;
    }
}

}  // namespace skyfolio

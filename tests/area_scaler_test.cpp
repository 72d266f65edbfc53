#include "imaging/area_scaler.h"

#include <gtest/gtest.h>

#include <vector>

namespace skyfolio {
namespace {

// Keeps every row handed over.
class KeptRows : public RowSink {
public:
    explicit KeptRows(int width) : width_(width) {}
    void addRow(const uint32_t* row) override { rows.emplace_back(row, row + width_); }
    std::vector<std::vector<uint32_t>> rows;

private:
    int width_;
};

uint32_t grey(int level) { return rgb32(level, level, level); }

TEST(AreaScalerTest, EachPixelIsTheMeanOfTheAreaItCovers) {
    // Three columns into two: the middle one is shared half and half.
    KeptRows across(2);
    AreaScaler({3, 1}, {2, 1}, across).addRow(std::vector<uint32_t>{grey(0), grey(90), grey(180)}.data());
    ASSERT_EQ(across.rows.size(), 1u);
    EXPECT_EQ(across.rows[0], (std::vector<uint32_t>{grey(30), grey(150)}));

    // Four rows into two, two columns into one: the mean of each quarter.
    KeptRows down(1);
    AreaScaler scaler({2, 4}, {1, 2}, down);
    for (int level : {10, 20, 30, 60}) scaler.addRow(std::vector<uint32_t>{grey(level), grey(level + 10)}.data());
    ASSERT_EQ(down.rows.size(), 2u);
    EXPECT_EQ(down.rows[0][0], grey(20));
    EXPECT_EQ(down.rows[1][0], grey(50));
}

TEST(AreaScalerTest, AFlatPictureStaysExactlyFlatShrunkOrSlightlyEnlarged) {
    const uint32_t colour = rgb32(201, 37, 118);
    for (const PictureSize from : {PictureSize{1000, 750}, PictureSize{500, 375}}) {
        SCOPED_TRACE(from.width);
        KeptRows out(520);
        AreaScaler scaler(from, {520, 390}, out);
        const std::vector<uint32_t> row(size_t(from.width), colour);
        for (int y = 0; y < from.height + 3; ++y) scaler.addRow(row.data());  // extra rows are ignored
        ASSERT_EQ(out.rows.size(), 390u);
        for (const std::vector<uint32_t>& r : out.rows) ASSERT_EQ(r, std::vector<uint32_t>(520, colour));
    }
}

}  // namespace
}  // namespace skyfolio

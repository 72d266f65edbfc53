#include "imaging/area_scaler.h"

#include <gtest/gtest.h>

#include <vector>

namespace skyfolio {
namespace {

// Keeps every row handed over.
class KeptRows : public RowSink {
public:
    explicit KeptRows(int width) : width_(width) {}
    void addRow(const QRgb* row) override { rows.emplace_back(row, row + width_); }
    std::vector<std::vector<QRgb>> rows;

private:
    int width_;
};

QRgb grey(int level) { return qRgb(level, level, level); }

TEST(AreaScalerTest, EachPixelIsTheMeanOfTheAreaItCovers) {
    // Three columns into two: the middle one is shared half and half.
    KeptRows across(2);
    AreaScaler(QSize(3, 1), QSize(2, 1), across).addRow(std::vector<QRgb>{grey(0), grey(90), grey(180)}.data());
    ASSERT_EQ(across.rows.size(), 1u);
    EXPECT_EQ(across.rows[0], (std::vector<QRgb>{grey(30), grey(150)}));

    // Four rows into two, two columns into one: the mean of each quarter.
    KeptRows down(1);
    AreaScaler scaler(QSize(2, 4), QSize(1, 2), down);
    for (int level : {10, 20, 30, 60}) scaler.addRow(std::vector<QRgb>{grey(level), grey(level + 10)}.data());
    ASSERT_EQ(down.rows.size(), 2u);
    EXPECT_EQ(down.rows[0][0], grey(20));
    EXPECT_EQ(down.rows[1][0], grey(50));
}

TEST(AreaScalerTest, AFlatPictureStaysExactlyFlatShrunkOrSlightlyEnlarged) {
    const QRgb colour = qRgb(201, 37, 118);
    for (const QSize from : {QSize(1000, 750), QSize(500, 375)}) {
        SCOPED_TRACE(from.width());
        KeptRows out(520);
        AreaScaler scaler(from, QSize(520, 390), out);
        const std::vector<QRgb> row(size_t(from.width()), colour);
        for (int y = 0; y < from.height() + 3; ++y) scaler.addRow(row.data());  // extra rows are ignored
        ASSERT_EQ(out.rows.size(), 390u);
        for (const std::vector<QRgb>& r : out.rows) ASSERT_EQ(r, std::vector<QRgb>(520, colour));
    }
}

}  // namespace
}  // namespace skyfolio

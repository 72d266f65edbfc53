// Slideshow's adapters: the order kept in its file across runs, the
// caption's date, and slides made from files of every type.

#include "platform/file_picture_source.h"
#include "platform/photo_captions.h"
#include "platform/shared_photo_order.h"
#include "saver/slide_composer.h"
#include "tests/format_test_files.h"
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"

#include <QBuffer>
#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <set>

namespace skyfolio {
namespace {

std::vector<std::string> listOf(int count) {
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) paths.push_back("/photos/" + std::to_string(i) + ".jpg");
    return paths;
}

TEST(SharedPhotoOrderTest, ResumesFromItsFileAndAChangedListStartsAfresh) {
    const test::TempFolder folder;
    const std::vector<std::string> five = listOf(5);
    std::set<int> round;
    {
        SharedPhotoOrder first(five, true, 1, folder.path());
        for (int i = 0; i < 3; ++i) round.insert(first.next());
    }
    SharedPhotoOrder again(five, true, 2, folder.path());
    for (int i = 0; i < 2; ++i) round.insert(again.next());
    EXPECT_EQ(round.size(), 5u) << "the round went on where it was left";

    // Another list has a state file of its own, and leaves this one as it was.
    const std::string kept = test::readFile(folder.file(orderStateFileName(five)));
    SharedPhotoOrder other(listOf(6), true, 3, folder.path());
    other.next();
    EXPECT_EQ(test::readFile(folder.file(orderStateFileName(five))), kept);
    EXPECT_EQ(QDir(QString::fromStdString(folder.path())).entryList(QDir::Files).size(), 2);

    // The list's own order keeps no state.
    const test::TempFolder listed;
    SharedPhotoOrder inOrder(five, false, 1, listed.path());
    EXPECT_EQ(inOrder.next(), 0);
    EXPECT_TRUE(QDir(QString::fromStdString(listed.path())).isEmpty());
}

// A JPEG whose EXIF data says it was taken on 14 July 2019.
std::string jpegTakenOnBastilleDay() {
    const std::string tiff = std::string("II*\0\x08\0\0\0", 8) +
                             // IFD0: one entry, the EXIF directory at 26.
                             std::string("\x01\0\x69\x87\x04\0\x01\0\0\0\x1a\0\0\0\0\0\0\0", 18) +
                             // EXIF directory: DateTimeOriginal, 20 characters at 44.
                             std::string("\x01\0\x03\x90\x02\0\x14\0\0\0\x2c\0\0\0\0\0\0\0", 18) +
                             std::string("2019:07:14 10:30:00\0", 20);
    const std::string exif = std::string("Exif\0\0", 6) + tiff;
    const auto length = exif.size() + 2;
    const std::string app1 = std::string("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) + exif;
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    test::photoLike(64, 48).save(&buffer, "JPEG");
    return jpeg.left(2).toStdString() + app1 + jpeg.mid(2).toStdString();
}

TEST(PhotoCaptionsTest, TheDateComesFromExifElseFromTheFile) {
    const test::QtApplication app;
    const test::TempFolder folder;
    const std::string album = folder.file("Holidays");
    QDir().mkpath(QString::fromStdString(album));
    test::writeFile(album + "/taken.jpg", jpegTakenOnBastilleDay());
    EXPECT_EQ(photoDate(album + "/taken.jpg"), QDate(2019, 7, 14));
    const QString caption = captionText(album + "/taken.jpg");
    EXPECT_TRUE(caption.contains("2019")) << caption.toStdString();
    EXPECT_TRUE(caption.endsWith("Holidays")) << caption.toStdString();

    test::photoLike(64, 48).save(QString::fromStdString(album + "/plain.png"));
    EXPECT_EQ(photoDate(album + "/plain.png"), QDate::currentDate());

    const Pixels drawn = PhotoCaptions().caption(album + "/taken.jpg", 20);
    EXPECT_GE(drawn.height(), 20);
    EXPECT_GT(drawn.width(), drawn.height());
}

TEST(SlideFilesTest, APhotoOfEveryTypeMakesASlide) {
    const test::QtApplication app;
    const test::TempFolder folder;
    std::vector<std::string> files;
    const QImage photo = test::photoLike(120, 80);
    for (const test::FileFormat format : test::kFileFormats) {
        files.push_back(folder.file(std::string("photo.") + test::suffixOf(format)));
        test::writeInFormat(files.back(), photo, format);
    }
    for (const char* format : {"JPEG", "BMP"}) {
        files.push_back(folder.file(std::string("photo.") + format));
        ASSERT_TRUE(photo.save(QString::fromStdString(files.back()), format));
    }
    files.push_back(folder.file("dot.gif"));
    test::writeFile(files.back(), std::string("GIF89a\x01\0\x01\0\x80\0\0\xff\xff\xff\0\0\0,\0\0\0\0\x01\0\x01\0\0\x02\x02\x44\x01\0;", 35));

    SharedPhotoOrder order(files, false, 0, folder.path());
    FilePictureSource pictures([](int) { return std::string(); });
    PhotoCaptions captions;
    SlideComposer slides(files, order, pictures, &captions, {false, true, true, true}, {160, 90});
    for (size_t i = 0; i < files.size(); ++i) {
        const SlideResult made = slides.compose();
        ASSERT_TRUE(made.made) << files[i];
        ASSERT_EQ(made.slide.photos.size(), 1u);
        EXPECT_EQ(made.slide.photos[0].index, int(i)) << files[i];
        EXPECT_FALSE(made.slide.captions[0].isNull());
    }
}

}  // namespace
}  // namespace skyfolio

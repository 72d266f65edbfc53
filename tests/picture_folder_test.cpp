// Whole folders of pictures into the list: Add Folder, a drop on the list,
// the natural order, the list's limit.

#include "dialog/image_files_tab.h"
#include "dialog/natural_order.h"
#include "dialog/picture_list.h"
#include "dialog/picture_list_box.h"
#include "dialog/picture_list_limit.h"
#include "dialog/preview_box.h"
#include "tests/format_test_files.h"
#include "tests/support/fake_dialog_host.h"
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"
#include "tests/support/widgets.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace skyfolio {
namespace {

using Strings = std::vector<std::string>;

TEST(NaturalOrderTest, NumbersCountAndLetterCaseDoesNot) {
    Strings names = {"IMG_10.jpg", "img_2.jpg", "IMG_1.jpg", "IMG_002.jpg", "a", "B", "photo 9", "photo 10b", "photo 10a",
                     "IMG_2.jpg", "x99999999999999999999", "x100000000000000000000"};
    std::sort(names.begin(), names.end(), naturalLess);
    EXPECT_EQ(names, (Strings{"a", "B", "IMG_1.jpg", "IMG_002.jpg", "IMG_2.jpg", "img_2.jpg", "IMG_10.jpg", "photo 9",
                              "photo 10a", "photo 10b", "x99999999999999999999", "x100000000000000000000"}));
    EXPECT_FALSE(naturalLess("same", "same"));
}

class PictureFolderTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(root()); }

    std::string root() const { return folder.file("pictures"); }
    std::string at(const std::string& relative) const { return root() + "/" + relative; }
    // The path of a new file in the pictures' folder, with its folders made.
    std::string made(const std::string& relative) const {
        std::filesystem::create_directories(std::filesystem::path(at(relative)).parent_path());
        return at(relative);
    }
    std::string jpeg(const std::string& relative) { return test::writePicture(made(relative), 40, 30); }
    std::string inFormat(const std::string& relative, test::FileFormat format) {
        test::writeInFormat(made(relative), test::photoLike(40, 30), format);
        return at(relative);
    }
    void waitForTheSearch() {
        const QDeadlineTimer deadline(30000);
        while (list.searching() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        ASSERT_FALSE(list.searching());
    }
    void drop(const Strings& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& path : paths) urls.append(QUrl::fromLocalFile(QString::fromStdString(path)));
        data.setUrls(urls);
        // As a drag arrives: Qt hands the drop to the widget that took the entry.
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tab.List1->viewport(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tab.List1->viewport(), &event);
    }

    test::QtApplication qt;
    test::TempFolder folder;
    ImageFilesTab tab;
    test::FakeDialogHost host;
    PictureList list{tab, host};
};

TEST_F(PictureFolderTest, AFolderAddsEveryPictureInItsSubfoldersInNaturalOrderByContent) {
    const Strings expected = {
        jpeg("holiday 2/beach.jpg"),
        inFormat("holiday 10/IMG_0001.HEIC", test::FileFormat::Heic),
        inFormat("img_1.png", test::FileFormat::Png),
        jpeg("IMG_2.jpg"),
        jpeg("IMG_10.jpg"),
        inFormat("scan 3.txt", test::FileFormat::Tiff),  // a picture by its content
        inFormat("web/z.webp", test::FileFormat::WebP),
    };
    jpeg(".hidden.jpg");
    jpeg(".thumbnails/IMG_2.jpg");
    test::writeFile(at("notes.jpg"), "not a picture");
    test::writeFile(at("empty.png"), "");
    std::filesystem::create_directories(at("nothing here"));
    std::filesystem::create_directory_symlink(root(), at("web/loop"));

    list.append(test::writePicture(folder.file("earlier.jpg"), 40, 30));
    host.folderToChoose = root();
    list.addFolder_Click();
    EXPECT_EQ(host.folderDialogTitle, "Select a folder to add");
    waitForTheSearch();
    Strings listed = list.entries();
    EXPECT_EQ(Strings(listed.begin() + 1, listed.end()), expected);
    EXPECT_EQ(tab.Text3->text(), "8");
    // The first picture added is selected and shown.
    EXPECT_EQ(tab.List1->currentRow(), 1);
    EXPECT_FALSE(tab.photo1->isBlank());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(PictureFolderTest, AFolderWithoutPicturesOrACancelledChoiceAddsNothing) {
    list.addFolder_Click();
    EXPECT_FALSE(list.searching());
    test::writeFile(at("notes.jpg"), "not a picture");
    host.folderToChoose = root();
    list.addFolder_Click();
    waitForTheSearch();
    EXPECT_EQ(host.messages, Strings{"No pictures were found there."});
    EXPECT_EQ(list.count(), 0);
}

TEST_F(PictureFolderTest, ACancelledSearchAddsNothing) {
    for (int i = 0; i < 20; ++i) jpeg("many/" + std::to_string(i) + ".jpg");
    host.folderToChoose = root();
    list.addFolder_Click();
    ASSERT_TRUE(list.searching());
    list.search().progressBox()->findChild<QPushButton*>()->click();
    waitForTheSearch();
    EXPECT_EQ(list.count(), 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(PictureFolderTest, DroppedFilesAndFoldersAreAddedTheSameWay) {
    const std::string second = jpeg("b/IMG_2.jpg"), tenth = jpeg("b/IMG_10.jpg"), hidden = jpeg("b/.x.jpg");
    const std::string single = jpeg("a.jpg");
    test::writeFile(at("readme.jpg"), "text");
    drop({at("b"), single, at("readme.jpg")});
    waitForTheSearch();
    EXPECT_EQ(list.entries(), (Strings{second, tenth, single}));
    EXPECT_EQ(tab.Text3->text(), "3");
}

TEST_F(PictureFolderTest, TheListStopsAtItsLimitAndSaysSo) {
    for (const char* name : {"1.jpg", "2.jpg", "3.jpg"}) jpeg(name);
    for (int i = 0; i < kMostPictures - 2; ++i) list.append("/photos/" + std::to_string(i) + ".jpg");
    host.folderToChoose = root();
    list.addFolder_Click();
    waitForTheSearch();
    EXPECT_EQ(list.count(), kMostPictures);
    EXPECT_EQ(list.entries().back(), at("2.jpg"));
    const Strings full = {"The list holds at most 32767 pictures: the rest were not added."};
    EXPECT_EQ(host.messages, full);

    host.messages.clear();
    list.addFolder_Click();
    host.fileToChoose = at("3.jpg");
    list.add_Click();
    EXPECT_EQ(host.messages, (Strings{full[0], full[0]}));
    EXPECT_EQ(list.count(), kMostPictures);
}

TEST_F(PictureFolderTest, PicturesAddedWhileTheSearchRunsCountAgainstTheLimit) {
    for (const char* name : {"1.jpg", "2.jpg"}) jpeg(name);
    for (int i = 0; i < kMostPictures - 2; ++i) list.append("/photos/" + std::to_string(i) + ".jpg");
    host.folderToChoose = root();
    list.addFolder_Click();
    // Before the progress box comes up the window still takes input.
    host.fileToChoose = jpeg("3.jpg");
    list.add_Click();
    waitForTheSearch();
    EXPECT_EQ(list.count(), kMostPictures);
    EXPECT_EQ(list.entries().back(), at("1.jpg"));
    EXPECT_EQ(host.messages, Strings{"The list holds at most 32767 pictures: the rest were not added."});
}

}  // namespace
}  // namespace skyfolio

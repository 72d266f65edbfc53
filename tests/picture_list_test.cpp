#include "dialog/image_files_tab.h"
#include "dialog/picture_list.h"
#include "dialog/picture_list_box.h"
#include "dialog/preview_box.h"
#include "files/files.h"
#include "tests/format_test_files.h"
#include "tests/support/fake_dialog_host.h"
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_data.h"
#include "tests/support/widgets.h"

#include <QLineEdit>
#include <QListWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

using Strings = std::vector<std::string>;

const std::string kImageNotFound = "Image file not found.\nYou need to reload a new one.";
const std::string kNoFileSelected = "No file has been selected.";
const std::string kNothingToRemove = "Nothing was selected to remove.";

class PictureListTest : public ::testing::Test {
protected:
    // Pictures "a", "b", "c" as the list shows them.
    void listThree() {
        for (const char* name : {"a", "b", "c"}) list.append(test::writePicture(folder.file(name) + ".jpg", 60, 40));
    }
    std::string path(const char* name) const { return folder.file(name) + ".jpg"; }
    int selected() const { return tab.List1->currentRow(); }

    test::QtApplication qt;
    test::TempFolder folder;
    ImageFilesTab tab;
    test::FakeDialogHost host;
    PictureList list{tab, host};
};

TEST_F(PictureListTest, AddingAsksForAnExistingPictureAndSelectsAndShowsIt) {
    host.fileToChoose = test::writePicture(folder.file("new photo ü.jpg"), 200, 100);
    list.add_Click();
    EXPECT_EQ(host.fileDialogTitle, "Select a file to open");
    // The classic types first, then every picture this build reads, chosen
    // from the start, then each further type.
    const Strings classic = {"Image files (*.gif *.jpg *.bmp)", "CompuServe Files (*.gif)", "Jpeg Files (*.jpg)",
                             "Jif files (*.jif)", "Windows Bitmap Files (*.bmp)", "Windows DIB files (*.dib)"};
    ASSERT_GT(host.fileDialogFilters.size(), classic.size());
    EXPECT_EQ(Strings(host.fileDialogFilters.begin(), host.fileDialogFilters.begin() + 6), classic);
    EXPECT_EQ(host.fileDialogSelected, 6);
    const std::string all = host.fileDialogFilters[6];
    EXPECT_TRUE(all.starts_with("All pictures (")) << all;
    for (const char* name : {"*.gif", "*.jpg", "*.JPG", "*.jpeg", "*.bmp", "*.dib", "*.png", "*.webp", "*.tif", "*.tiff",
                             "*.heic", "*.HEIC", "*.avif"})
        EXPECT_NE(all.find(std::string(name) + ' '), std::string::npos) << name;
    EXPECT_EQ(host.fileDialogFilters.back(), "AVIF files (*.avif *.AVIF)");
    EXPECT_EQ(list.entries(), Strings{*host.fileToChoose});
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(tab.Text3->text(), "1");
    // 3000 x 1500 twips fit as they are, centred at (188, 158) twips.
    EXPECT_EQ(tab.photo1->shownArea(), QRect(13, 11, 200, 100));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(PictureListTest, PicturesOfEveryTypeAreShownUprightLikeAJpeg) {
    QImage upright(400, 600, QImage::Format_RGB32);
    upright.fill(Qt::red);
    host.fileToChoose = folder.file("upright.jpg");
    ASSERT_TRUE(Picture(upright).saveJpeg(*host.fileToChoose, 95));
    list.add_Click();
    const QRect shown = tab.photo1->shownArea();
    for (test::FileFormat format : test::kFileFormats) {
        SCOPED_TRACE(test::suffixOf(format));
        host.fileToChoose = folder.file("turned.") + test::suffixOf(format);
        // Stored 600 x 400 with red on the left, to be turned a quarter clockwise.
        test::writeInFormat(*host.fileToChoose, test::halfRed().scaled(600, 400), format, {.orientation = 6});
        list.add_Click();
        EXPECT_EQ(tab.photo1->shownArea(), shown);
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST_F(PictureListTest, ACancelledOrUnreadableChoiceIsReportedAndAnUnreadableOneStaysListed) {
    list.add_Click();
    EXPECT_EQ(host.messages, Strings{kNoFileSelected});
    EXPECT_EQ(list.count(), 0);

    host.messages.clear();
    host.fileToChoose = folder.file("notes.jpg");
    test::writeFile(*host.fileToChoose, "not a picture");
    list.add_Click();
    EXPECT_EQ(host.messages, (Strings{kImageNotFound, kNoFileSelected}));
    EXPECT_EQ(list.entries(), Strings{*host.fileToChoose});
    EXPECT_TRUE(tab.photo1->isBlank());
}

TEST_F(PictureListTest, RemovingSelectsTheEntryBeforeAndBlanksThePreviewWhenNothingIsLeft) {
    listThree();
    list.select(0);
    list.remove_Click();
    EXPECT_EQ(list.entries(), (Strings{path("b"), path("c")}));
    EXPECT_EQ(selected(), 0);
    EXPECT_FALSE(tab.photo1->isBlank());
    list.select(1);
    list.remove_Click();
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(tab.Text3->text(), "1");
    list.remove_Click();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(tab.Text3->text(), "0");
    EXPECT_EQ(selected(), -1);
    EXPECT_TRUE(tab.photo1->isBlank());

    list.remove_Click();
    EXPECT_EQ(host.messages, Strings{kNothingToRemove});
}

TEST_F(PictureListTest, RemovingWithoutASelectionChangesNothingButThePreview) {
    listThree();
    list.select(1);
    tab.List1->setCurrentRow(-1);
    list.remove_Click();
    EXPECT_EQ(host.messages, Strings{kNothingToRemove});
    EXPECT_EQ(list.count(), 3);
    EXPECT_TRUE(tab.photo1->isBlank());
}

TEST_F(PictureListTest, AnEmptyFirstEntryCanBeRemovedLikeAnyOther) {
    list.append("");
    list.append(test::writePicture(folder.file("b.jpg"), 60, 40));
    tab.List1->setCurrentRow(0);
    list.remove_Click();
    EXPECT_EQ(list.entries(), Strings{folder.file("b.jpg")});
}

TEST_F(PictureListTest, MovingKeepsTheEntrySelectedAndStopsQuietlyAtTheEnds) {
    listThree();
    list.select(1);
    list.down_Click();
    EXPECT_EQ(list.entries(), (Strings{path("a"), path("c"), path("b")}));
    EXPECT_EQ(selected(), 2);
    list.down_Click();
    list.up_Click();
    list.up_Click();
    EXPECT_EQ(list.entries(), (Strings{path("b"), path("a"), path("c")}));
    EXPECT_EQ(selected(), 0);
    list.up_Click();
    EXPECT_EQ(selected(), 0);
    EXPECT_TRUE(host.messages.empty());

    tab.List1->setCurrentRow(-1);
    list.up_Click();
    list.down_Click();
    EXPECT_EQ(host.messages, (Strings{"Error. Cannot move up. A file needs to be selected.",
                                      "Error. Cannot move down. A file needs to be selected."}));
    EXPECT_EQ(list.entries(), (Strings{path("b"), path("a"), path("c")}));
}

TEST_F(PictureListTest, EntriesKeepTheirBytesThroughMoves) {
    const std::string latin1 = folder.path() + "/caf\xe9.jpg";  // not UTF-8
    list.append(latin1);
    list.append(path("x"));
    list.select(0);
    list.down_Click();
    EXPECT_EQ(list.entries(), (Strings{path("x"), latin1}));
}

TEST_F(PictureListTest, RemoveAllAsksFirst) {
    listThree();
    list.select(0);
    host.answerYes = false;
    list.RemoveAll_Click();
    EXPECT_EQ(host.questions, Strings{"Do you really want to remove all loaded images?"});
    EXPECT_EQ(list.count(), 3);
    EXPECT_FALSE(tab.photo1->isBlank());

    host.answerYes = true;
    list.RemoveAll_Click();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(tab.Text3->text(), "0");
    EXPECT_TRUE(tab.photo1->isBlank());
}

TEST_F(PictureListTest, APictureThatWentMissingShowsTheMessageAndThePreviousPictureAgain) {
    list.append(test::writePicture(folder.file("wide.jpg"), 400, 200));
    list.append(test::writePicture(folder.file("gone.jpg"), 50, 50));
    list.select(0);
    // 6000 x 3000 twips shrink to 3189 x 1594 at (93, 110).
    EXPECT_EQ(tab.photo1->shownArea(), QRect(6, 7, 213, 106));
    removeFile(folder.file("gone.jpg"));
    list.select(1);
    EXPECT_EQ(host.messages, Strings{kImageNotFound});
    EXPECT_EQ(tab.photo1->shownArea(), QRect(6, 7, 213, 106));
}

TEST_F(PictureListTest, ClickingTheSelectedEntryShowsItAgainAndClickingAnotherShowsItOnce) {
    listThree();
    tab.show();
    list.select(1);
    const auto click = [&](int row) {
        const QRect item = tab.List1->visualItemRect(tab.List1->item(row));
        QTest::mouseClick(tab.List1->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    };
    removeFile(path("b"));
    click(1);
    EXPECT_EQ(host.messages, Strings{kImageNotFound}) << "the file went while it was selected";
    removeFile(path("c"));
    click(2);
    EXPECT_EQ(host.messages, (Strings{kImageNotFound, kImageNotFound})) << "one message for one click";
    EXPECT_EQ(selected(), 2);
}

TEST_F(PictureListTest, HostileFilesGiveTheMessageOrAPreviewNeverACrash) {
    std::vector<std::string> files;
    for (const char* corpus : {"afl-bmp", "afl-gif", "afl-jpeg", "bmp-suite"})
        for (const std::string& file : test::corpusFiles(corpus)) files.push_back(file);
    for (const std::string& file : test::sharedCorpusFiles("jpeg-bugs")) files.push_back(file);
    for (const std::string& file : files) list.append(file);
    for (int row = 0; row < list.count(); ++row) {
        host.messages.clear();
        list.select(row);
        if (host.messages.empty()) continue;
        ASSERT_EQ(host.messages.size(), 1u) << files[row];
        // Plain, or with its cause when the picture is only too large.
        const std::string& message = host.messages[0];
        if (message != kImageNotFound) {
            EXPECT_EQ(message.rfind(kImageNotFound + "\n\n" + files[row] + ": the picture is too large: ", 0), 0u) << message;
        }
    }
}

TEST_F(PictureListTest, APictureRefusedForItsSizeSaysSoAfterTheUsualMessage) {
    // A bitmap for 40000 x 40000 pixels: over what is read even row by row.
    const std::string header = test::bitmapHeaders(40000, 40000, 1, 0);
    const std::string huge = folder.file("huge.bmp");
    test::writeFile(huge, header);
    list.append(huge);
    list.select(0);
    EXPECT_EQ(host.messages,
              Strings{kImageNotFound + "\n\n" + huge + ": the picture is too large: 40000 x 40000 pixels"});
}

}  // namespace
}  // namespace skyfolio

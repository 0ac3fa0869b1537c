#include "app/pngreader.h"
#include "tempfolder.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QStyle>
#include <gtest/gtest.h>

namespace {

bool imagePluginLoaded() {
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

QString fileIn(const dorva::test::TempFolder& folder, const char* name) {
    return QString::fromStdString(folder.path(name));
}

// The images the style draws with at start-up (a group box's frame, the menu bar's overflow
// button) are read without loading any image format plugin.
TEST(PngReader, StyleImagesLoadNoImagePlugin) {
    if (imagePluginLoaded())
        GTEST_SKIP() << "an earlier test in this process loaded an image plugin";
    dorva::usePngReader();
    QGroupBox box("Map");
    box.resize(120, 80);
    box.grab();
    const QIcon icon =
        QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    EXPECT_FALSE(icon.pixmap(16, 16).isNull());
    EXPECT_FALSE(imagePluginLoaded());
}

TEST(PngReader, ReadsWhatWasWrittenAndLeavesOtherFilesToQt) {
    dorva::usePngReader();
    const dorva::test::TempFolder folder;
    QImage original(5, 3, QImage::Format_ARGB32);
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x)
            original.setPixel(x, y, qRgba(40 * x, 80 * y, 200, 60 + 30 * x));
    original.setText("Comment", "dorva");
    ASSERT_TRUE(original.save(fileIn(folder, "a.png"), "PNG"));
    const QImage read(fileIn(folder, "a.png"));
    EXPECT_EQ(read.convertToFormat(QImage::Format_ARGB32), original);
    EXPECT_EQ(read.text("Comment"), "dorva");

    // A file named .png that holds another format is still read by what it holds.
    ASSERT_TRUE(original.save(fileIn(folder, "bitmap.png"), "BMP"));
    EXPECT_FALSE(QImage(fileIn(folder, "bitmap.png")).isNull());
    QFile cut(fileIn(folder, "cut.png"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write("\x89PNG\r\n\x1a\n...", 11);
    cut.close();
    EXPECT_TRUE(QImage(fileIn(folder, "cut.png")).isNull());
}

} // namespace

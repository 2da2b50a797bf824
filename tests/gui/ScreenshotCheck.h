#pragma once
// The documentation screenshots: each picture is saved in a temporary folder and checked
// (its size, and that it shows something), and copied to the folder named by
// CORV_SCREENSHOT_DIR when that variable is set.

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QWidget>
#include <cstdlib>
#include <filesystem>

namespace corv::test {

// The number of different colours in the picture, counted up to `enough`.
inline int ColourCount(const QImage& image, int enough) {
    QSet<QRgb> seen;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); y += 2)
        for (int x = 0; x < rgb.width(); x += 2) {
            seen.insert(rgb.pixel(x, y));
            if (seen.size() >= enough) return static_cast<int>(seen.size());
        }
    return static_cast<int>(seen.size());
}

// Grabs `w` into `folder`/`name`, checks the file, and copies it to CORV_SCREENSHOT_DIR.
inline void CheckScreenshot(QWidget* w, const std::filesystem::path& folder, const char* name) {
    const auto file = folder / name;
    const QString path = QString::fromStdString(file.string());
    ASSERT_TRUE(w->grab().save(path)) << name;
    const QImage saved(path);
    ASSERT_FALSE(saved.isNull()) << name;
    EXPECT_EQ(saved.size(), w->size() * w->devicePixelRatio()) << name;
    // A blank or one-colour picture means nothing was drawn.
    EXPECT_GE(ColourCount(saved, 8), 8) << name;
    if (const char* out = std::getenv("CORV_SCREENSHOT_DIR")) {
        std::error_code err;
        std::filesystem::create_directories(out, err);
        std::filesystem::copy_file(file, std::filesystem::path(out) / name,
                                   std::filesystem::copy_options::overwrite_existing, err);
        EXPECT_FALSE(err) << err.message();
    }
}

}  // namespace corv::test

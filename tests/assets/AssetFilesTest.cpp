// Checks the committed pictures and files that the program loads, by reading their headers:
// a redraw that changes a size, loses a file or breaks a colour limit fails here, not on screen.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kAssets = fs::path(VORBIA_SOURCE_DIR) / "assets";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Four bytes at `at`, most significant first in PNG files, last in BMP files.
std::uint32_t Read32(const std::string& d, std::size_t at, bool bigEndian) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = value << 8 | std::uint8_t(d[at + (bigEndian ? i : 3 - i)]);
    return value;
}

TEST(AssetFiles, EveryImageIsAListedPalettePngOfItsSizeWithinItsColourLimit) {
    // The file below assets/ without ".png", its size at 1x, and how many colours it may have.
    std::vector<std::tuple<std::string, std::uint32_t, std::uint32_t, std::uint32_t>> images = {
        {"icons/table-32", 32, 32, 16},     {"icons/table-48", 48, 48, 256},
        {"icons/emblem-2002", 48, 48, 256}, {"icons/emblem-2000", 48, 48, 256},
        {"icons/options-32", 32, 32, 16},   {"icons/end-32", 32, 32, 16},
        {"icons/end-48", 48, 48, 256},      {"icons/new-match", 22, 21, 16},
        {"icons/tick", 32, 32, 256},        {"icons/eraser", 32, 32, 256},
        {"icons/door", 32, 32, 256}};
    for (int n = 0; n <= 40; ++n)
        images.emplace_back((n < 10 ? "cards/0" : "cards/") + std::to_string(n), 58, 99, 256);
    const std::string qrc = ReadFile(kAssets / "assets.qrc");
    for (const auto& [name, width, height, maxColours] : images) {
        for (const std::uint32_t scale : {1u, 2u}) {
            const std::string file = name + (scale == 1 ? ".png" : "@2x.png");
            SCOPED_TRACE(file);
            const std::string alias = file.substr(file.find('/') + 1);
            EXPECT_NE(qrc.find("<file alias=\"" + alias + "\">" + file + "</file>"),
                      std::string::npos);
            const std::string d = ReadFile(kAssets / file);
            ASSERT_TRUE(d.size() > 33 && d.starts_with("\x89PNG\r\n\x1a\n") &&
                        d.compare(12, 4, "IHDR") == 0);
            EXPECT_EQ(Read32(d, 16, true), scale * width);
            EXPECT_EQ(Read32(d, 20, true), scale * height);
            EXPECT_EQ(d[25], 3) << "not a palette image";
            // The palette must come before the first IDAT.
            std::uint32_t colours = 0;
            for (std::size_t at = 8; at + 8 <= d.size() && d.compare(at + 4, 4, "IDAT") != 0;) {
                if (d.compare(at + 4, 4, "PLTE") == 0) colours = Read32(d, at, true) / 3;
                at += 12 + std::size_t(Read32(d, at, true));
            }
            EXPECT_GE(colours, 2u);
            EXPECT_LE(colours, std::min(maxColours, 1u << d[24]));
        }
    }
    int faces = 0;  // 41 in each density, and nothing more
    for (const auto& entry : fs::directory_iterator(kAssets / "cards")) {
        faces +=
            std::regex_match(entry.path().filename().string(), std::regex(R"(\d\d(@2x)?\.png)"));
    }
    EXPECT_EQ(faces, 82);
}

TEST(AssetFiles, BackgroundPictureIsAnUncompressedBmp) {
    const std::string d = ReadFile(kAssets / "Vorbia.bmp");
    ASSERT_GE(d.size(), 54u);
    EXPECT_EQ(d.substr(0, 2), "BM");
    EXPECT_EQ(Read32(d, 2, false), d.size()) << "file size field";
    EXPECT_EQ(Read32(d, 30, false), 0u) << "compressed";
}

TEST(AssetFiles, HelpPageLinksOnlyToItsOwnAnchors) {
    const std::string html = ReadFile(kAssets / "vorbia.htm");
    const std::regex reference(R"re((src|href)\s*=\s*["']?([^"'\s>]*))re", std::regex::icase);
    int links = 0;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), reference);
         it != std::sregex_iterator(); ++it, ++links) {
        const std::string target = (*it)[2];
        EXPECT_TRUE(target.starts_with('#') &&
                    html.find("id=\"" + target.substr(1) + "\"") != std::string::npos)
            << target;
    }
    EXPECT_GT(links, 0);
}

}  // namespace

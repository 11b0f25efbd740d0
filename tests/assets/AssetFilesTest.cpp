// The committed pictures and files the program loads, checked by reading their headers.
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

// A PNG header field: four bytes, most significant first.
std::uint32_t Read32(const std::string& d, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = value << 8 | std::uint8_t(d[at + i]);
    return value;
}

TEST(AssetFiles, EveryPictureHasItsFormatSizeAndColourLimit) {
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
    for (const auto& [name, width, height, maxColours] : images) {
        for (const std::uint32_t scale : {1u, 2u}) {
            const std::string file = name + (scale == 1 ? ".png" : "@2x.png");
            SCOPED_TRACE(file);
            const std::string d = ReadFile(kAssets / file);
            ASSERT_TRUE(d.size() > 33 && d.starts_with("\x89PNG\r\n\x1a\n"));
            EXPECT_EQ(Read32(d, 16), scale * width);
            EXPECT_EQ(Read32(d, 20), scale * height);
            // A palette image cannot hold more colours than its bit depth can index.
            EXPECT_EQ(d[25], 3) << "not a palette image";
            EXPECT_LE(1u << d[24], maxColours) << "bit depth";
        }
    }
    // 41 faces in each density, and nothing more.
    const auto faces = fs::directory_iterator(kAssets / "cards");
    EXPECT_EQ(std::distance(fs::begin(faces), fs::end(faces)), 82);
    EXPECT_TRUE(ReadFile(kAssets / "Vorbia.bmp").starts_with("BM")) << "background not a BMP";
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

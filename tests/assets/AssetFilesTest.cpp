// The committed pictures and files the program loads, checked by reading their headers.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <utility>
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

// Every picture is a palette image with a copy at twice its size for dense screens; the card
// faces and the back are 58 x 99.
TEST(AssetFiles, EveryPictureIsAPaletteImageWithItsDoubleSizeCopy) {
    int faces = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kAssets)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".png" || name.ends_with("@2x.png")) continue;
        SCOPED_TRACE(name);
        const std::string d = ReadFile(entry.path());
        const std::string d2 =
            ReadFile(entry.path().parent_path() / (entry.path().stem().string() + "@2x.png"));
        for (const std::string* png : {&d, &d2}) {
            ASSERT_TRUE(png->size() > 33 && png->starts_with("\x89PNG\r\n\x1a\n"));
            EXPECT_EQ((*png)[25], 3) << "not a palette image";
            EXPECT_LE((*png)[24], 8) << "bit depth";
        }
        EXPECT_EQ(Read32(d2, 16), 2 * Read32(d, 16));
        EXPECT_EQ(Read32(d2, 20), 2 * Read32(d, 20));
        if (entry.path().parent_path().filename() == "cards") {
            ++faces;
            EXPECT_EQ(std::pair(Read32(d, 16), Read32(d, 20)), std::pair(58u, 99u));
        }
    }
    EXPECT_EQ(faces, 41);
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

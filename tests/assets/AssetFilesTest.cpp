// Checks the committed pictures and files that the program loads, by reading their headers:
// a redraw that changes a size, loses a file or breaks a colour limit fails here, not on screen.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kAssets = fs::path(VORBIA_SOURCE_DIR) / "assets";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t BigEndian32(const std::string& d, std::size_t at) {
    return (std::uint32_t(std::uint8_t(d[at])) << 24) |
           (std::uint32_t(std::uint8_t(d[at + 1])) << 16) |
           (std::uint32_t(std::uint8_t(d[at + 2])) << 8) | std::uint32_t(std::uint8_t(d[at + 3]));
}

std::uint32_t LittleEndian32(const std::string& d, std::size_t at) {
    return std::uint32_t(std::uint8_t(d[at])) | (std::uint32_t(std::uint8_t(d[at + 1])) << 8) |
           (std::uint32_t(std::uint8_t(d[at + 2])) << 16) |
           (std::uint32_t(std::uint8_t(d[at + 3])) << 24);
}

struct PngHeader {
    std::uint32_t width = 0, height = 0;
    int bitDepth = 0, colourType = 0;
    std::uint32_t paletteEntries = 0;  // 0 when there is no PLTE chunk
};

// Walks the chunks up to the first IDAT; the PLTE must come before it.
std::optional<PngHeader> ReadPngHeader(const fs::path& path) {
    const std::string d = ReadFile(path);
    if (d.size() < 33 || d.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || d.compare(12, 4, "IHDR") != 0)
        return std::nullopt;
    PngHeader h;
    h.width = BigEndian32(d, 16);
    h.height = BigEndian32(d, 20);
    h.bitDepth = std::uint8_t(d[24]);
    h.colourType = std::uint8_t(d[25]);
    for (std::size_t at = 8; at + 8 <= d.size();) {
        const std::uint32_t length = BigEndian32(d, at);
        const std::string type = d.substr(at + 4, 4);
        if (type == "PLTE") h.paletteEntries = length / 3;
        if (type == "IDAT" || type == "IEND") break;
        at += 12 + std::size_t(length);
    }
    return h;
}

struct ImageRule {
    std::string file;  // relative to assets/
    std::uint32_t width, height;
    std::uint32_t maxColours;
};

std::vector<ImageRule> AllImages() {
    std::vector<ImageRule> rules;
    for (int n = 0; n <= 40; ++n) {
        const std::string stem = (n < 10 ? "cards/0" : "cards/") + std::to_string(n);
        rules.push_back({stem + ".png", 58, 99, 256});
        rules.push_back({stem + "@2x.png", 116, 198, 256});
    }
    const ImageRule icons[] = {
        {"table-32", 32, 32, 16},     {"table-48", 48, 48, 256},  {"emblem-2002", 48, 48, 256},
        {"emblem-2000", 48, 48, 256}, {"options-32", 32, 32, 16}, {"end-32", 32, 32, 16},
        {"end-48", 48, 48, 256},      {"new-match", 22, 21, 16},  {"tick", 32, 32, 256},
        {"eraser", 32, 32, 256},      {"door", 32, 32, 256},
    };
    for (const ImageRule& icon : icons) {
        rules.push_back({"icons/" + icon.file + ".png", icon.width, icon.height, icon.maxColours});
        rules.push_back(
            {"icons/" + icon.file + "@2x.png", 2 * icon.width, 2 * icon.height, icon.maxColours});
    }
    return rules;
}

TEST(AssetFiles, EveryImageIsAPalettePngOfItsSizeWithinItsColourLimit) {
    for (const ImageRule& rule : AllImages()) {
        SCOPED_TRACE(rule.file);
        const auto header = ReadPngHeader(kAssets / rule.file);
        if (!header) {
            ADD_FAILURE() << "missing or not a PNG";
            continue;
        }
        EXPECT_EQ(header->width, rule.width);
        EXPECT_EQ(header->height, rule.height);
        EXPECT_EQ(header->colourType, 3) << "not a palette image";
        EXPECT_LE(header->bitDepth, 8);
        EXPECT_GE(header->paletteEntries, 2u);
        EXPECT_LE(header->paletteEntries, rule.maxColours);
        EXPECT_LE(header->paletteEntries, 1u << header->bitDepth);
    }
}

TEST(AssetFiles, ThereAreExactly41CardFacesAnd41HighDensityOnes) {
    int plain = 0, dense = 0;
    for (const auto& entry : fs::directory_iterator(kAssets / "cards")) {
        const std::string name = entry.path().filename().string();
        if (!std::regex_match(name, std::regex(R"(\d\d(@2x)?\.png)"))) continue;
        (name.find("@2x") == std::string::npos ? plain : dense) += 1;
    }
    EXPECT_EQ(plain, 41);
    EXPECT_EQ(dense, 41);
}

TEST(AssetFiles, EveryImageIsListedInTheResourceFile) {
    const std::string qrc = ReadFile(kAssets / "assets.qrc");
    ASSERT_FALSE(qrc.empty());
    for (const ImageRule& rule : AllImages()) {
        const std::string alias = rule.file.substr(rule.file.find('/') + 1);
        EXPECT_NE(qrc.find("<file alias=\"" + alias + "\">" + rule.file + "</file>"),
                  std::string::npos)
            << rule.file;
    }
}

TEST(AssetFiles, BackgroundPictureIsAnUncompressedBmpOfAbout157By154) {
    const std::string d = ReadFile(kAssets / "Vorbia.bmp");
    ASSERT_GE(d.size(), 54u);
    EXPECT_EQ(d.substr(0, 2), "BM");
    EXPECT_EQ(LittleEndian32(d, 2), d.size()) << "file size field";
    const auto width = std::int32_t(LittleEndian32(d, 18));
    const auto height = std::int32_t(LittleEndian32(d, 22));
    EXPECT_NEAR(width, 157, 8);
    EXPECT_NEAR(height < 0 ? -height : height, 154, 8);
    const int bitsPerPixel = std::uint8_t(d[28]) | (std::uint8_t(d[29]) << 8);
    EXPECT_TRUE(bitsPerPixel == 24 || bitsPerPixel == 8) << bitsPerPixel;
    EXPECT_EQ(LittleEndian32(d, 30), 0u) << "compressed";
}

TEST(AssetFiles, HelpPageIsSelfContained) {
    const std::string html = ReadFile(kAssets / "vorbia.htm");
    ASSERT_FALSE(html.empty());
    EXPECT_NE(html.find("charset"), std::string::npos);
    const std::regex reference(R"re((src|href)\s*=\s*["']?([^"'\s>]*))re", std::regex::icase);
    int links = 0;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), reference);
         it != std::sregex_iterator(); ++it, ++links) {
        const std::string target = (*it)[2];
        EXPECT_EQ(target.find("http"), std::string::npos) << target;
        // Only in-page anchors, and each must lead somewhere on the page.
        ASSERT_FALSE(target.empty());
        EXPECT_EQ(target[0], '#') << target;
        EXPECT_NE(html.find("id=\"" + target.substr(1) + "\""), std::string::npos) << target;
    }
    EXPECT_GT(links, 0);
}

}  // namespace

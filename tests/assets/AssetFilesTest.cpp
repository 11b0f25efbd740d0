// The committed pictures and files the program loads, checked by reading their headers.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

namespace {

namespace fs = std::filesystem;

const fs::path kAssets = fs::path(VORBIA_SOURCE_DIR) / "assets";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A PNG's width and height: the header's two four-byte fields, most significant byte first.
std::pair<std::uint32_t, std::uint32_t> PngSize(const std::string& d) {
    auto read = [&d](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i) value = value << 8 | std::uint8_t(d[at + i]);
        return value;
    };
    return d.size() > 24 ? std::pair(read(16), read(20)) : std::pair(0u, 0u);
}

// Every picture has a copy at twice its size for dense screens, else it is drawn blurred there.
TEST(AssetFiles, EveryPictureHasItsDoubleSizeCopy) {
    int pictures = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kAssets)) {
        const fs::path& path = entry.path();
        if (path.extension() != ".png" || path.filename().string().ends_with("@2x.png")) continue;
        ++pictures;
        const auto [width, height] = PngSize(ReadFile(path));
        const auto size2x =
            PngSize(ReadFile(path.parent_path() / (path.stem().string() + "@2x.png")));
        EXPECT_TRUE(width > 0 && size2x == std::pair(2 * width, 2 * height)) << path;
    }
    EXPECT_GT(pictures, 41);
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// What `cmake --install` puts on a machine, installed into a temporary prefix: both programs,
// the desktop entry, the theme icons, the AppStream description and the manual pages; and, where
// a Debian package of this version has been built beside the source folder, its contents.
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string kApplicationId = "org.example.tandemview";
// Every size the icon is drawn at, in pixels a side.
constexpr std::array kIconSizes = {16, 24, 32, 48, 64, 128, 256};

struct CommandResult {
    int status = -1;
    std::string output;
};

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char character : text)
        quoted += character == '\'' ? std::string("'\\''") : std::string(1, character);
    return quoted + "'";
}

// Runs a shell command with standard error joined to standard output.
CommandResult RunShell(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buffer;
    while (size_t count = fread(buffer.data(), 1, buffer.size(), pipe))
        result.output.append(buffer.data(), count);
    int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

bool OnPath(const std::string& program) {
    return RunShell("command -v " + Quoted(program)).status == 0;
}

std::string ReadWhole(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The width and height a PNG file's header gives, if it is a PNG file.
std::optional<std::pair<int, int>> PngSize(const fs::path& path) {
    const std::string bytes = ReadWhole(path);
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
        bytes.compare(12, 4, "IHDR") != 0)
        return std::nullopt;
    auto big_endian = [&](size_t at) {
        int value = 0;
        for (size_t index = at; index < at + 4; ++index)
            value = value * 256 + static_cast<unsigned char>(bytes[index]);
        return value;
    };
    return std::pair{big_endian(16), big_endian(20)};
}

class InstalledFiles : public testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string pattern = (fs::temp_directory_path() / "tandem-install-XXXXXX").string();
        prefix_ = mkdtemp(pattern.data()) ? fs::path(pattern) : fs::path();
        install_ = RunShell(Quoted(TANDEM_CMAKE) + " --install " + Quoted(TANDEM_BUILD_DIR) +
                            " --prefix " + Quoted(prefix_.string()));
    }
    static void TearDownTestSuite() {
        std::error_code ignored;
        if (!prefix_.empty())
            fs::remove_all(prefix_, ignored);
    }
    void SetUp() override {
        ASSERT_FALSE(prefix_.empty()) << "no temporary folder";
        ASSERT_EQ(install_.status, 0) << install_.output;
    }

    static fs::path Installed(const std::string& relative) { return prefix_ / relative; }

    static fs::path DesktopEntry() {
        return Installed("share/applications/" + kApplicationId + ".desktop");
    }
    static fs::path Metainfo() {
        return Installed("share/metainfo/" + kApplicationId + ".metainfo.xml");
    }

    static inline fs::path prefix_;
    static inline CommandResult install_;
};

TEST_F(InstalledFiles, BothProgramsAreInstalledExecutable) {
    for (const char* program : {"tandemview", "tandemdiff"}) {
        const fs::path path = Installed(std::string("bin/") + program);
        ASSERT_TRUE(fs::is_regular_file(path)) << path;
        const fs::perms permissions = fs::status(path).permissions();
        EXPECT_NE(permissions & fs::perms::others_exec, fs::perms::none) << path;
    }
    const CommandResult version =
        RunShell(Quoted(Installed("bin/tandemdiff").string()) + " --version");
    EXPECT_EQ(version.status, 0) << version.output;
    EXPECT_NE(version.output.find("tandemdiff"), std::string::npos) << version.output;
}

TEST_F(InstalledFiles, DesktopEntryStartsTheWindowWithItsThemeIcon) {
    const std::string entry = ReadWhole(DesktopEntry());
    ASSERT_FALSE(entry.empty()) << DesktopEntry();
    EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);
    const std::vector<std::string> lines = {"Type=Application", "Name=Tandemview",
                                            "Exec=tandemview %F", "Icon=" + kApplicationId,
                                            "Terminal=false"};
    for (const std::string& line : lines)
        EXPECT_NE(entry.find("\n" + line + "\n"), std::string::npos) << line;
}

TEST_F(InstalledFiles, DesktopEntryPassesDesktopFileValidate) {
    if (!OnPath("desktop-file-validate"))
        GTEST_SKIP() << "desktop-file-validate is not installed";
    const CommandResult check =
        RunShell("desktop-file-validate " + Quoted(DesktopEntry().string()));
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_EQ(check.output, "");
}

TEST_F(InstalledFiles, IconIsInTheHicolorThemeAtEverySizeAndAsSvg) {
    const fs::path theme = Installed("share/icons/hicolor");
    for (int size : kIconSizes) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        const fs::path icon = theme / folder / "apps" / (kApplicationId + ".png");
        EXPECT_EQ(PngSize(icon), std::pair(size, size)) << icon;
    }
    const std::string svg = ReadWhole(theme / "scalable/apps" / (kApplicationId + ".svg"));
    EXPECT_EQ(svg.rfind("<svg ", 0), 0u) << svg.substr(0, 80);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
}

TEST_F(InstalledFiles, MetainfoNamesTheDesktopEntryAndBothPrograms) {
    const std::string metainfo = ReadWhole(Metainfo());
    ASSERT_FALSE(metainfo.empty()) << Metainfo();
    const std::vector<std::string> parts = {
        "<id>" + kApplicationId + "</id>",
        "<launchable type=\"desktop-id\">" + kApplicationId + ".desktop</launchable>",
        "<binary>tandemview</binary>", "<binary>tandemdiff</binary>"};
    for (const std::string& part : parts)
        EXPECT_NE(metainfo.find(part), std::string::npos) << part;
}

TEST_F(InstalledFiles, MetainfoPassesAppstreamValidation) {
    if (!OnPath("appstreamcli"))
        GTEST_SKIP() << "appstreamcli is not installed";
    const CommandResult check =
        RunShell("appstreamcli validate --no-net --pedantic " + Quoted(Metainfo().string()));
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_NE(check.output.find("Validation was successful."), std::string::npos) << check.output;
}

TEST_F(InstalledFiles, ManualPagesForBothProgramsInSectionOne) {
    for (const std::string_view program : {"tandemview", "tandemdiff"}) {
        const fs::path page = Installed("share/man/man1/" + std::string(program) + ".1");
        std::string heading = ".TH ";
        for (char character : program)
            heading += static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
        EXPECT_EQ(ReadWhole(page).rfind(heading + " 1 ", 0), 0u) << page;
    }
}

// The newest package of this version that dpkg-buildpackage left beside the source folder.
std::optional<fs::path> BuiltPackage() {
    const std::string prefix = std::string("tandemview_") + TANDEM_VERSION + "_";
    std::optional<fs::path> newest;
    std::error_code error;
    for (const auto& entry :
         fs::directory_iterator(fs::path(TANDEM_SOURCE_DIR).parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) != 0 || entry.path().extension() != ".deb")
            continue;
        if (!newest || fs::last_write_time(entry.path()) > fs::last_write_time(*newest))
            newest = entry.path();
    }
    return newest;
}

TEST(DebianPackage, HoldsTheProgramsAndTheirDesktopFiles) {
    const std::optional<fs::path> package = BuiltPackage();
    if (!OnPath("dpkg-deb") || !package)
        GTEST_SKIP() << "no dpkg-deb, or no package built beside the source folder";
    const CommandResult listing = RunShell("dpkg-deb --contents " + Quoted(package->string()));
    ASSERT_EQ(listing.status, 0) << listing.output;
    std::vector<std::string> expected = {
        "./usr/bin/tandemview",
        "./usr/bin/tandemdiff",
        "./usr/share/applications/" + kApplicationId + ".desktop",
        "./usr/share/metainfo/" + kApplicationId + ".metainfo.xml",
        "./usr/share/icons/hicolor/scalable/apps/" + kApplicationId + ".svg",
        "./usr/share/man/man1/tandemview.1.gz",
        "./usr/share/man/man1/tandemdiff.1.gz",
        "./usr/share/doc/tandemview/copyright",
    };
    for (int size : kIconSizes)
        expected.push_back("./usr/share/icons/hicolor/" + std::to_string(size) + "x" +
                           std::to_string(size) + "/apps/" + kApplicationId + ".png");
    for (const std::string& path : expected)
        EXPECT_NE(listing.output.find(" " + path + "\n"), std::string::npos) << path;
}

} // namespace

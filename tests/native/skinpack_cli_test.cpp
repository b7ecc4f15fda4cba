// The skinpack binary as a user runs it: exit status, messages, and files on disk.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "skin/data/skin_reader.h"
#include "skin/source/lzh_encoder.h"
#include "skin/source/package_writer.h"
#include "unit/skin_reader_raw_package.h"
#include "unit/test_files.h"

namespace {
namespace fs = std::filesystem;
using test_files::ReadText;

std::string Quote(const fs::path& path) {
    std::string out = "'";
    for (const char c : path.string()) out += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteFile(const fs::path& path, std::string_view text) {
    WriteFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

struct RunResult {
    int Exit = -1;  // -1 when the process did not exit normally (a crash)
    std::string Out;
    std::string Err;
};

class SkinpackCli : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        dir_ = fs::temp_directory_path() /
               ("skinpack-cli-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        ASSERT_TRUE(fs::exists(Binary())) << "build the skinpack target first: " << Binary();
    }
    void TearDown() override { fs::remove_all(dir_); }

    static fs::path Binary() { return fs::path(TOOLS_BIN_DIR) / "skinpack"; }
    fs::path Path(const std::string& name) const { return dir_ / name; }

    RunResult Run(const std::string& args) const {
        const fs::path out = dir_ / ".stdout";
        const fs::path err = dir_ / ".stderr";
        const std::string command =
            Quote(Binary()) + " " + args + " >" + Quote(out) + " 2>" + Quote(err) + " </dev/null";
        const int status = std::system(command.c_str());
        RunResult result;
        if (status != -1 && WIFEXITED(status)) result.Exit = WEXITSTATUS(status);
        result.Out = ReadText(out);
        result.Err = ReadText(err);
        fs::remove(out);
        fs::remove(err);
        return result;
    }

    // Compressed package of the given members, as a file in the test directory.
    fs::path PackageFile(const std::string& name, const std::vector<skin::source::TPackageMember>& members) const {
        WriteFile(Path(name), skin::source::WriteCompressedPackage(members));
        return Path(name);
    }
    fs::path RawPackageFile(const std::string& name, const skin_test::RawPackage& raw) const {
        WriteFile(Path(name), skin::source::EncodeLzhStream(raw.Bytes()));
        return Path(name);
    }

    fs::path dir_;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST_F(SkinpackCli, HelpAndVersionGoToStandardOutput) {
    const RunResult help = Run("--help");
    EXPECT_EQ(help.Exit, 0);
    EXPECT_TRUE(help.Err.empty());
    for (const char* command : {"pack", "unpack", "list", "lint", "inspect", "lzh-encode", "lzh-decode"}) {
        EXPECT_NE(help.Out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
    }
    EXPECT_EQ(Run("-h").Out, help.Out);

    const RunResult version = Run("--version");
    EXPECT_EQ(version.Exit, 0);
    EXPECT_EQ(version.Out.rfind("skinpack ", 0), 0u) << version.Out;

    const RunResult commandHelp = Run("unpack --help");
    EXPECT_EQ(commandHelp.Exit, 0);
    EXPECT_NE(commandHelp.Out.find("usage: skinpack unpack IN.skn DIR"), std::string::npos);
    EXPECT_EQ(Run("lzh-decode -h").Exit, 0);
}

TEST_F(SkinpackCli, WrongUsageExitsTwoWithAMessageOnStandardError) {
    const struct {
        const char* Args;
        const char* Message;
    } cases[] = {
        {"", "no command given"},
        {"frobnicate", "unknown command 'frobnicate'"},
        {"--bogus", "unknown option '--bogus'"},
        {"pack onlyone", "pack: expected 2 operands, got 1"},
        {"list a b", "list: expected 1 operand, got 2"},
        {"lzh-encode --force a b", "lzh-encode: unknown option '--force'"},
    };
    for (const auto& c : cases) {
        const RunResult result = Run(c.Args);
        EXPECT_EQ(result.Exit, 2) << c.Args;
        EXPECT_TRUE(result.Out.empty()) << c.Args;
        EXPECT_NE(result.Err.find(c.Message), std::string::npos) << c.Args << ": " << result.Err;
    }
}

TEST_F(SkinpackCli, PackedFolderListsAndUnpacksToTheSameFiles) {
    const fs::path source = fs::path(TEST_DATA_DIR) / "mini-skin";
    const fs::path package = Path("mini.skn");
    const RunResult pack = Run("pack " + Quote(source) + " " + Quote(package));
    ASSERT_EQ(pack.Exit, 0) << pack.Err;
    EXPECT_TRUE(pack.Out.empty());

    const RunResult list = Run("list " + Quote(package));
    ASSERT_EQ(list.Exit, 0) << list.Err;
    const auto lines = Lines(list.Out);
    ASSERT_EQ(lines.size(), 4u) << list.Out;
    EXPECT_EQ(lines[0], "version 20000");
    EXPECT_EQ(lines[1], "skin.ini " + std::to_string(fs::file_size(source / "skin.ini")) + " definition");
    EXPECT_EQ(lines[2], "button.bmp " + std::to_string(fs::file_size(source / "button.bmp")));
    EXPECT_EQ(lines[3], "top.bmp " + std::to_string(fs::file_size(source / "top.bmp")));

    const RunResult unpack = Run("unpack " + Quote(package) + " " + Quote(Path("out/nested")));
    ASSERT_EQ(unpack.Exit, 0) << unpack.Err;
    for (const char* name : {"skin.ini", "button.bmp", "top.bmp"}) {
        EXPECT_EQ(test_files::ReadBytes(Path("out/nested") / name), test_files::ReadBytes(source / name)) << name;
    }
}

TEST_F(SkinpackCli, CommittedMiniSkinPackageMatchesItsFolder) {
    const fs::path source = fs::path(TEST_DATA_DIR) / "mini-skin";
    const RunResult unpack = Run("unpack " + Quote(fs::path(TEST_DATA_DIR) / "mini-skin.skn") + " " + Quote(Path("u")));
    ASSERT_EQ(unpack.Exit, 0) << unpack.Err;
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(source)) {
        ++files;
        EXPECT_EQ(test_files::ReadBytes(Path("u") / entry.path().filename()), test_files::ReadBytes(entry.path()))
            << entry.path();
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("u")), fs::directory_iterator()),
              static_cast<std::ptrdiff_t>(files));
}

TEST_F(SkinpackCli, PackOrdersMembersAndNotesWhatItSkips) {
    const fs::path skinDir = Path("skin");
    fs::create_directories(skinDir / "sub.bmp");
    WriteFile(skinDir / "B.bmp", "bb");
    WriteFile(skinDir / "a.BMP", "a");
    WriteFile(skinDir / "z.ini", "[Z]\n");
    WriteFile(skinDir / "Skin.ini", "[S]\n");
    WriteFile(skinDir / "notes.txt", "not packed");
    const RunResult pack = Run("pack " + Quote(skinDir) + " " + Quote(Path("p.skn")));
    ASSERT_EQ(pack.Exit, 0) << pack.Err;
    EXPECT_NE(pack.Err.find("notes.txt"), std::string::npos) << pack.Err;
    EXPECT_NE(pack.Err.find("sub.bmp: not a regular file"), std::string::npos) << pack.Err;
    EXPECT_NE(pack.Err.find("z.ini is packed as a plain member; the definition is skin.ini"), std::string::npos)
        << pack.Err;

    const RunResult list = Run("list " + Quote(Path("p.skn")));
    ASSERT_EQ(list.Exit, 0) << list.Err;
    EXPECT_EQ(Lines(list.Out),
              (std::vector<std::string>{"version 20000", "skin.ini 4 definition", "z.ini 4", "a.bmp 1", "b.bmp 2"}));
}

TEST_F(SkinpackCli, PackFailuresNameTheFolderAndWriteNothing) {
    fs::create_directories(Path("bitmaps-only"));
    WriteFile(Path("bitmaps-only") / "a.bmp", "a");
    fs::create_directories(Path("clash"));
    WriteFile(Path("clash") / "s.ini", "[S]");
    WriteFile(Path("clash") / "a.bmp", "a");
    WriteFile(Path("clash") / "A.bmp", "A");
    WriteFile(Path("plain-file"), "x");
    const struct {
        std::string Dir;
        const char* Reason;
    } cases[] = {
        {"missing", "no such directory"},
        {"plain-file", "is not a directory"},
        {"bitmaps-only", "no .ini definition file"},
        {"clash", "has the same lower-case name as"},
    };
    for (const auto& c : cases) {
        const RunResult result = Run("pack " + Quote(Path(c.Dir)) + " " + Quote(Path("out.skn")));
        EXPECT_EQ(result.Exit, 1) << c.Dir;
        EXPECT_NE(result.Err.find(Path(c.Dir).string()), std::string::npos) << result.Err;
        EXPECT_NE(result.Err.find(c.Reason), std::string::npos) << result.Err;
        EXPECT_FALSE(fs::exists(Path("out.skn"))) << c.Dir;
    }
}

TEST_F(SkinpackCli, BadPackagesGetAClearErrorNamingTheFile) {
    WriteFile(Path("empty.skn"), "");
    WriteFile(Path("short.skn"), "\x05\x00\x00");
    WriteFile(Path("huge-length.skn"), std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3});
    WriteFile(Path("garbage.skn"), std::vector<std::uint8_t>{200, 0, 0, 0, 0x9C, 0x13, 0xF1, 0x00, 0x42});
    skin_test::RawPackage old = skin_test::ThreeMemberPackage();
    old.Version = 19999;
    RawPackageFile("old.skn", old);
    skin_test::RawPackage overrun = skin_test::ThreeMemberPackage();
    overrun.Sizes = {20, 5, 500};
    RawPackageFile("overrun.skn", overrun);
    fs::create_directories(Path("folder.skn"));
    const struct {
        const char* File;
        const char* Reason;
    } cases[] = {
        {"missing.skn", "cannot open"},
        {"folder.skn", "is a directory"},
        {"empty.skn", "shorter than the 4-byte length"},
        {"short.skn", "shorter than the 4-byte length"},
        {"huge-length.skn", "cannot decompress"},
        {"garbage.skn", "unsupported skin package: package version"},
        {"old.skn", "unsupported skin package: package version 19999"},
        {"overrun.skn", "corrupt skin package: the member sizes add up to more than"},
    };
    for (const auto& c : cases) {
        for (const std::string command : {"list", "unpack"}) {
            const std::string args =
                command + " " + Quote(Path(c.File)) + (command == "unpack" ? " " + Quote(Path("unpacked")) : "");
            const RunResult result = Run(args);
            EXPECT_EQ(result.Exit, 1) << args;
            EXPECT_NE(result.Err.find("skinpack: " + command + ": " + Path(c.File).string() + ": "), std::string::npos)
                << result.Err;
            EXPECT_NE(result.Err.find(c.Reason), std::string::npos) << args << ": " << result.Err;
            EXPECT_FALSE(fs::exists(Path("unpacked"))) << args;
        }
    }
    EXPECT_EQ(Run("list " + Quote(Path("old.skn"))).Out, "version 19999\n");
}

TEST_F(SkinpackCli, UnpackRefusesNamesOutsideTheFolderAndWritesRepeatsOnce) {
    skin_test::RawPackage escape;
    escape.NamesText = "ok.bmp\r\n../evil.bmp\r\n";
    escape.Sizes = {1, 1};
    escape.Data = skin_test::BytesOf("oe");
    RawPackageFile("escape.skn", escape);
    const RunResult refused = Run("unpack " + Quote(Path("escape.skn")) + " " + Quote(Path("x/y")));
    EXPECT_EQ(refused.Exit, 1);
    EXPECT_NE(refused.Err.find("\"../evil.bmp\", which is not a plain file name"), std::string::npos) << refused.Err;
    EXPECT_FALSE(fs::exists(Path("x/evil.bmp")));
    EXPECT_FALSE(fs::exists(Path("x/y/ok.bmp")));

    skin_test::RawPackage repeated;
    repeated.NamesText = "a.bmp\r\nA.BMP\r\n";
    repeated.Sizes = {1, 2};
    repeated.Data = skin_test::BytesOf("12X");
    RawPackageFile("repeated.skn", repeated);
    const RunResult unpack = Run("unpack " + Quote(Path("repeated.skn")) + " " + Quote(Path("r")));
    ASSERT_EQ(unpack.Exit, 0) << unpack.Err;
    EXPECT_EQ(ReadText(Path("r/a.bmp")), "1");
    EXPECT_NE(unpack.Err.find("skipping the repeated member a.bmp (member 2)"), std::string::npos);
    const RunResult list = Run("list " + Quote(Path("repeated.skn")));
    EXPECT_EQ(Lines(list.Out), (std::vector<std::string>{"version 20000", "a.bmp 1", "a.bmp 2 hidden"}));
}

TEST_F(SkinpackCli, StreamCodecRoundTripsAndDecodesTheCompatibilityVectors) {
    std::vector<std::uint8_t> data;
    std::uint32_t seed = 7;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        data.push_back(static_cast<std::uint8_t>((seed >> 28) + 'a'));  // compressible but varied
    }
    WriteFile(Path("data.bin"), data);
    ASSERT_EQ(Run("lzh-encode " + Quote(Path("data.bin")) + " " + Quote(Path("data.lzh"))).Exit, 0);
    EXPECT_LT(fs::file_size(Path("data.lzh")), data.size());
    ASSERT_EQ(Run("lzh-decode " + Quote(Path("data.lzh")) + " " + Quote(Path("back.bin"))).Exit, 0);
    EXPECT_EQ(test_files::ReadBytes(Path("back.bin")), data);

    const fs::path vectors = fs::path(TEST_DATA_DIR) / "lzh-vectors";
    std::size_t decoded = 0;
    for (const auto& entry : fs::directory_iterator(vectors)) {
        if (entry.path().extension() != ".lzh") continue;
        fs::path expected = entry.path();
        expected.replace_extension(".bin");
        const fs::path out = Path(entry.path().stem().string() + ".out");
        const RunResult result = Run("lzh-decode " + Quote(entry.path()) + " " + Quote(out));
        ASSERT_EQ(result.Exit, 0) << entry.path() << result.Err;
        EXPECT_EQ(test_files::ReadBytes(out), test_files::ReadBytes(expected)) << entry.path();
        ++decoded;
    }
    EXPECT_GE(decoded, 8u);
}

TEST_F(SkinpackCli, StreamDecodeFailuresLeaveAnExistingOutputAlone) {
    WriteFile(Path("out.bin"), "previous");
    WriteFile(Path("huge.lzh"), std::vector<std::uint8_t>{0x00, 0x00, 0x00, 0x40, 0xAA});  // 1 GiB
    WriteFile(Path("tiny.lzh"), "ab");
    for (const char* input : {"huge.lzh", "tiny.lzh", "missing.lzh"}) {
        const RunResult result = Run("lzh-decode " + Quote(Path(input)) + " " + Quote(Path("out.bin")));
        EXPECT_EQ(result.Exit, 1) << input;
        EXPECT_NE(result.Err.find(Path(input).string()), std::string::npos) << result.Err;
        EXPECT_EQ(ReadText(Path("out.bin")), "previous") << input;
    }
    const RunResult unwritable = Run("lzh-encode " + Quote(Path("out.bin")) + " " + Quote(Path("no/such/dir/x.lzh")));
    EXPECT_EQ(unwritable.Exit, 1);
    EXPECT_NE(unwritable.Err.find("cannot create"), std::string::npos) << unwritable.Err;
}

}  // namespace

#include "settings/SettingsFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/TempDir.h"

namespace quilto {
namespace {

const Settings kDefaults{5, 5, 3, true, false, false};

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The default file, line by line.
std::string DefaultFile() {
    return "Columnas (1-50):\r\n 5 \r\n"
           "Filas (1-50):\r\n 5 \r\n"
           "Tipo de ajuste de imagen (1-4):\r\n 3 \r\n"
           "Piezas irregulares (T/F):\r\n 1 \r\n"
           "Desplazar piezas (T/F):\r\n 0 \r\n"
           "Piezas m\xF3viles (T/F):\r\n 0 \r\n";
}

TEST(SettingsFile, DefaultsAreWrittenByteForByte) {
    test::TempDir dir;
    const std::string path = dir.File("Quilto.ini");
    ASSERT_TRUE(SaveSettings(kDefaults, path));
    const std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes, DefaultFile());
    // "ó" is the single Windows-1252 byte F3, and every line ends in CR LF.
    EXPECT_NE(bytes.find('\xF3'), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

    // Saving again with the same settings gives the same bytes, and leaves
    // no scratch file behind.
    ASSERT_TRUE(SaveSettings(kDefaults, path));
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(SettingsFile, ValuesRoundTripWithSignPlace) {
    test::TempDir dir;
    const std::string path = dir.File("Quilto.ini");
    const Settings s{65, 12, 1, false, true, true};
    ASSERT_TRUE(SaveSettings(s, path));
    EXPECT_NE(ReadBytes(path).find("\r\n 65 \r\n"), std::string::npos);
    EXPECT_EQ(LoadSettings(path), s);

    // Negative values take the minus sign in the sign's place.
    const Settings odd{-3, 0, 9, false, false, true};
    ASSERT_TRUE(SaveSettings(odd, path));
    EXPECT_NE(ReadBytes(path).find("\r\n-3 \r\n"), std::string::npos);
    EXPECT_EQ(LoadSettings(path), odd);
}

TEST(SettingsFile, BooleansAreTrueOnlyForOne) {
    std::string text = DefaultFile();
    for (const char* value : {" 2 ", "-1 "}) {
        std::string t = text;
        t.replace(t.find(" 1 "), 3, value);  // line 8: irregular pieces
        auto s = ParseSettings(t);
        ASSERT_TRUE(s) << value;
        EXPECT_FALSE(s->fIrregular) << value;
        EXPECT_EQ(SettingsFileBytes(*s).find("Piezas irregulares (T/F):\r\n 0 \r\n") != std::string::npos, true);
    }
}

TEST(SettingsFile, AnyFailureGivesAllDefaults) {
    test::TempDir dir;
    const std::string path = dir.File("Quilto.ini");
    const std::string good = SettingsFileBytes({9, 8, 2, false, true, false});

    // Missing file.
    EXPECT_EQ(LoadSettings(path), kDefaults);

    // A file that stops after line 7, although three values were read.
    std::string shortFile;
    for (int line = 0, pos = 0; line < 7; ++line) {
        const auto end = good.find("\r\n", static_cast<std::size_t>(pos)) + 2;
        shortFile += good.substr(static_cast<std::size_t>(pos), end - static_cast<std::size_t>(pos));
        pos = static_cast<int>(end);
    }
    WriteBytes(path, shortFile);
    EXPECT_EQ(LoadSettings(path), kDefaults);

    // A value outside 16 bits, in line 2 or in a Boolean line.
    std::string big = good;
    big.replace(big.find(" 9 "), 3, " 70000 ");
    WriteBytes(path, big);
    EXPECT_EQ(LoadSettings(path), kDefaults);
    std::string bigFlag = good;
    bigFlag.replace(bigFlag.rfind(" 0 "), 3, " 99999 ");
    WriteBytes(path, bigFlag);
    EXPECT_EQ(LoadSettings(path), kDefaults);

    // Letters where a number belongs are refused the same way.
    std::string letters = good;
    letters.replace(letters.find(" 8 "), 3, " ocho ");
    WriteBytes(path, letters);
    EXPECT_EQ(LoadSettings(path), kDefaults);

    // A comma inside a label ends the label early and shifts every later
    // field, so the next "number" is label text.
    std::string comma = good;
    comma.replace(comma.find("Filas"), 5, "Filas, o sea");
    WriteBytes(path, comma);
    EXPECT_EQ(LoadSettings(path), kDefaults);

    // An empty file, and a folder where the file should be.
    WriteBytes(path, "");
    EXPECT_EQ(LoadSettings(path), kDefaults);
    EXPECT_EQ(LoadSettings(dir.Path().string()), kDefaults);
}

TEST(SettingsFile, LabelsAreNeverComparedAndLayoutIsForgiving) {
    const Settings want{7, 6, 4, true, false, true};
    std::string t = SettingsFileBytes(want);
    // Other label texts (without commas) read the same values.
    t.replace(t.find("Columnas (1-50):"), 16, "Anything at all");
    t.replace(t.find("Tipo de ajuste de imagen (1-4):"), 31, "");
    ASSERT_TRUE(ParseSettings(t));
    EXPECT_EQ(*ParseSettings(t), want);

    // Plain LF line ends, leading spaces and no final line end read the
    // same way; a comma ends a field even on a value line.
    const std::string loose = "a\n   7\nb\n6,c\n4\nd\n1\ne\n0\nf\n 1";
    ASSERT_TRUE(ParseSettings(loose));
    EXPECT_EQ(*ParseSettings(loose), want);
}

TEST(SettingsFile, SaveReportsFailureAndKeepsTheOldFile) {
    test::TempDir dir;
    // No such folder.
    EXPECT_FALSE(SaveSettings(kDefaults, dir.File("missing/Quilto.ini")));

    // A folder standing where the file should be: the rename fails and the
    // scratch file is cleaned up.
    std::filesystem::create_directory(dir.File("Quilto.ini"));
    EXPECT_FALSE(SaveSettings(kDefaults, dir.File("Quilto.ini")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("Quilto.ini.tmp")));

    // A read-only folder (root ignores permissions, so only when not root).
    if (::geteuid() != 0) {
        test::TempDir ro;
        const std::string path = ro.File("Quilto.ini");
        ASSERT_TRUE(SaveSettings(kDefaults, path));
        ::chmod(ro.Path().c_str(), 0555);
        EXPECT_FALSE(SaveSettings({3, 3, 1, false, false, false}, path));
        ::chmod(ro.Path().c_str(), 0755);
        EXPECT_EQ(LoadSettings(path), kDefaults);
    }
}

}  // namespace
}  // namespace quilto

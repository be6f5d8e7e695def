// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/SettingsFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <thread>

#include "support/FakePlatform.h"
#include "support/Printers.h"
#include "support/TempDir.h"

namespace quilto {
namespace {

const Settings kDefaults{5, 5, 3, true, false, false};

std::string WithReplaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

TEST(SettingsFile, WritesTheExactBytesAndReadsThemBack) {
    test::TempDir dir;
    test::FakePlatform platform;
    const std::string path = dir.File("Quilto.ini");
    // Other values, a negative in the sign's place included, survive the trip.
    const Settings other{-3, 65, 9, false, true, true};
    ASSERT_TRUE(SaveSettings(platform, other, path));
    EXPECT_FIELDS((LoadSettings(path), test::FileBytes(path).substr(0, 23)), (other, "Columnas (1-50):\r\n-3 \r\n"));
    // The shorter file replaces it whole. "ó" is the single Windows-1252 byte
    // F3; every line ends in CR LF.
    ASSERT_TRUE(SaveSettings(platform, kDefaults, path));
    EXPECT_EQ(
        test::FileBytes(path),
        "Columnas (1-50):\r\n 5 \r\nFilas (1-50):\r\n 5 \r\nTipo de ajuste de imagen (1-4):\r\n 3 \r\n"
        "Piezas irregulares (T/F):\r\n 1 \r\nDesplazar piezas (T/F):\r\n 0 \r\nPiezas m\xF3viles (T/F):\r\n 0 \r\n");
}

TEST(SettingsFile, ReadsCommaAndLineSeparatedFields) {
    const std::string good = SettingsFileBytes({7, 6, 4, true, false, true});
    // Booleans are true only for 1.
    for (const char* value : {" 2 ", "-1 "})
        EXPECT_FALSE(ParseSettings(WithReplaced(good, "(T/F):\r\n 1 ", std::string("(T/F):\r\n") + value))->fIrregular);
    // Labels are never compared.
    EXPECT_EQ(ParseSettings(WithReplaced(good, "Columnas (1-50):", "Lo que sea")), ParseSettings(good));
    // LF line ends, leading spaces, no final line end, a comma ending a field.
    EXPECT_EQ(ParseSettings("a\n   7\nb\n6,c\n4\nd\n1\ne\n0\nf\n 1"), (Settings{7, 6, 4, true, false, true}));
}

TEST(SettingsFile, AnyFailureGivesAllSixDefaults) {
    test::TempDir dir;
    const std::string path = dir.File("Quilto.ini");
    EXPECT_EQ(LoadSettings(path), kDefaults);  // no file
    const std::string good = SettingsFileBytes({9, 8, 2, false, true, false});
    const std::string broken[] = {
        good.substr(0, good.find("\r\n", good.find("irregulares")) + 2),  // short, although three values were read
        WithReplaced(good, " 9 ", " 70000 "),                             // outside 16 bits
        WithReplaced(good, " 8 ", " ocho "),                              // letters where a number belongs
        WithReplaced(good, "Filas", "Filas, o sea"),                      // a comma in a label shifts every field
        "",
    };
    for (const std::string& bytes : broken) {
        std::ofstream(path, std::ios::binary) << bytes;
        EXPECT_EQ(LoadSettings(path), kDefaults) << bytes;
    }
}

TEST(SettingsFile, ANamedPipeGivesTheDefaultsWithoutWaitingForAWriter) {
    test::TempDir dir;
    const std::string path = dir.File("Quilto.ini");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    // Should the pipe be opened all the same, this writer hands it other settings.
    std::thread writer([&] {
        std::ofstream(path, std::ios::binary) << SettingsFileBytes({9, 8, 2, false, true, false});
    });
    const Settings read = LoadSettings(path);
    const int readEnd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);  // lets a writer still waiting finish
    writer.join();
    ::close(readEnd);
    EXPECT_EQ(read, kDefaults);
}

}  // namespace
}  // namespace quilto

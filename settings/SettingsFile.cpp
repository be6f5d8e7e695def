// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/SettingsFile.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <limits>
#include <system_error>

namespace quilto {
namespace {

// Label lines, in file order. "\xF3" is the Windows-1252 "ó".
constexpr const char* kLabels[6] = {
    "Columnas (1-50):",          "Filas (1-50):",           "Tipo de ajuste de imagen (1-4):",
    "Piezas irregulares (T/F):", "Desplazar piezas (T/F):", "Piezas m\xF3viles (T/F):",
};

// A number as the file holds it: the sign's place (space or minus), the
// digits and one trailing space.
std::string ValueLine(int v) {
    std::string s = v < 0 ? "-" : " ";
    s += std::to_string(v < 0 ? -static_cast<long>(v) : static_cast<long>(v));
    s += ' ';
    return s;
}

// Reads comma- and line-separated fields: leading spaces are skipped, and a
// field ends at a comma or at the end of a line.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    // The next field, or nullopt at the end of the text.
    std::optional<std::string_view> Next() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
        if (pos_ >= text_.size()) return std::nullopt;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !IsEnd(text_[pos_])) ++pos_;
        std::string_view field = text_.substr(start, pos_ - start);
        ConsumeTerminator();
        return field;
    }

private:
    static bool IsEnd(char c) { return c == ',' || c == '\r' || c == '\n'; }

    void ConsumeTerminator() {
        if (pos_ >= text_.size()) return;
        if (text_[pos_] == ',') {
            ++pos_;
        } else if (text_[pos_] == '\r') {
            ++pos_;
            if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        } else {
            ++pos_;  // '\n'
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// A whole number that fits 16 bits, surrounded by nothing but spaces.
// Letters, an empty field or an oversized value are failures.
std::optional<std::int16_t> ParseInt16(std::string_view field) {
    while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
    if (field.size() > 1 && field[0] == '+' && field[1] != '-') field.remove_prefix(1);
    if (field.empty()) return std::nullopt;
    long value = 0;
    const char* first = field.data();
    const char* last = field.data() + field.size();
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last) return std::nullopt;
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

// The bytes of the file, or nullopt when it cannot be read. A folder, a
// device or a named pipe of that name is not a settings file: opening a pipe
// would wait for a writer.
std::optional<std::string> ReadSettingsBytes(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    // The file is a dozen short lines; anything far larger is not ours.
    constexpr std::streamsize kMaxBytes = 1 << 16;
    std::string bytes(static_cast<std::size_t>(kMaxBytes), '\0');
    in.read(bytes.data(), kMaxBytes);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return bytes;
}

}  // namespace

std::string SettingsFileBytes(const Settings& s) {
    const int values[6] = {s.Columns, s.Rows, s.FitMode, s.fIrregular ? 1 : 0, s.fSlide ? 1 : 0, s.fSlippery ? 1 : 0};
    std::string out;
    for (int i = 0; i < 6; ++i) {
        out += kLabels[i];
        out += "\r\n";
        out += ValueLine(values[i]);
        out += "\r\n";
    }
    return out;
}

std::optional<Settings> ParseSettings(std::string_view bytes) {
    FieldReader reader(bytes);
    std::int16_t values[6];
    for (auto& value : values) {
        if (!reader.Next()) return std::nullopt;  // the label, never compared
        auto field = reader.Next();
        if (!field) return std::nullopt;
        auto number = ParseInt16(*field);
        if (!number) return std::nullopt;
        value = *number;
    }
    Settings s;
    s.Columns = values[0];
    s.Rows = values[1];
    s.FitMode = values[2];
    s.fIrregular = values[3] == 1;
    s.fSlide = values[4] == 1;
    s.fSlippery = values[5] == 1;
    return s;
}

Settings LoadSettings(const std::string& path) {
    const auto bytes = ReadSettingsBytes(path);
    return bytes ? ParseSettings(*bytes).value_or(Settings{}) : Settings{};
}

bool SaveSettings(Platform& platform, const Settings& s, const std::string& path) {
    const std::string bytes = SettingsFileBytes(s);
    // A file that already holds these bytes is left as it is: a new puzzle
    // with the same settings does not wait for the disk.
    if (ReadSettingsBytes(path) == bytes) return true;
    return platform.WriteFileAtomically(path, bytes);
}

}  // namespace quilto

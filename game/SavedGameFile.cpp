// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/SavedGameFile.h"

#include <cstdint>
#include <new>

#include "game/GameState.h"

namespace quilto {
namespace {

// Options byte: one bit per Boolean setting; the others stay clear.
constexpr std::uint8_t kIrregularBit = 1, kSlideBit = 2, kSlipperyBit = 4;
constexpr std::uint8_t kOptionBits = kIrregularBit | kSlideBit | kSlipperyBit;

// Bytes per piece: its rectangle (irregular boards only) and its PieceAt entry.
constexpr std::size_t kRectBytes = 4, kPieceAtBytes = 2;
// The fixed fields around the pieces: version, three sides and the fit, the
// options, the count; then the empty slot, the bar, the two lengths.
constexpr std::size_t kFixedBytes = 2 + 3 * 2 + 1 + 2 + 2 + 1 + 2 + 4;

class Writer {
public:
    explicit Writer(std::size_t size) { out_.reserve(size); }
    void U8(unsigned v) { out_.push_back(static_cast<char>(v & 0xFF)); }
    void U16(unsigned v) { U8(v), U8(v >> 8); }
    void U32(std::uint32_t v) { U16(v & 0xFFFF), U16(v >> 16); }
    void U64(std::uint64_t v) { U32(static_cast<std::uint32_t>(v)), U32(static_cast<std::uint32_t>(v >> 32)); }
    void Bytes(std::string_view b) { out_.append(b); }
    std::string Take() { return std::move(out_); }

private:
    std::string out_;
};

// The reader stops at the first fault it meets; the decoder turns it into
// its result, so nothing is thrown past it.
struct Refusal {
    SavedGameFault fault;
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}

    std::size_t Left() const { return rest_.size(); }
    // Refuses a file too short for the next n bytes, before anything of
    // that size is allocated.
    void Need(std::size_t n) const {
        if (n > rest_.size()) throw Refusal{SavedGameFault::CutShort};
    }
    unsigned U8() {
        Need(1);
        const auto v = static_cast<unsigned char>(rest_[0]);
        rest_.remove_prefix(1);
        return v;
    }
    unsigned U16() {
        const unsigned lo = U8();
        return lo | U8() << 8;
    }
    std::uint32_t U32() {
        const std::uint32_t lo = U16();
        return lo | static_cast<std::uint32_t>(U16()) << 16;
    }
    std::uint64_t U64() {
        const std::uint64_t lo = U32();
        return lo | static_cast<std::uint64_t>(U32()) << 32;
    }
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::string_view Bytes(std::size_t n) {
        Need(n);
        const std::string_view b = rest_.substr(0, n);
        rest_.remove_prefix(n);
        return b;
    }

private:
    std::string_view rest_;
};

SavedGame Read(std::string_view bytes) {
    if (!bytes.starts_with(kSavedGameMagic)) throw Refusal{SavedGameFault::NotASavedGame};
    Reader in(bytes.substr(kSavedGameMagic.size()));
    const unsigned version = in.U16();
    if (version == 0) throw Refusal{SavedGameFault::NotASavedGame};
    if (version > kSavedGameVersion) throw Refusal{SavedGameFault::NewerVersion};

    SavedGame game;
    Settings& s = game.settings;
    s.Columns = in.I16();
    s.Rows = in.I16();
    s.FitMode = in.I16();
    const unsigned options = in.U8();
    if (options & ~unsigned{kOptionBits}) throw Refusal{SavedGameFault::BadSettings};
    s.fIrregular = options & kIrregularBit;
    s.fSlide = options & kSlideBit;
    s.fSlippery = options & kSlipperyBit;

    const unsigned count = in.U16();
    if (count > kMaxSide * kMaxSide) throw Refusal{SavedGameFault::BadPieceCount};
    in.Need(count * ((s.fIrregular ? kRectBytes : 0) + kPieceAtBytes));
    if (s.fIrregular) {
        game.Pieces.resize(count);
        for (UnitRect& u : game.Pieces) {
            u.Left = static_cast<std::int16_t>(in.U8());
            u.Top = static_cast<std::int16_t>(in.U8());
            u.Width = static_cast<std::int16_t>(in.U8());
            u.Height = static_cast<std::int16_t>(in.U8());
        }
    }
    game.PieceAt.assign(count + 1, 0);
    for (unsigned p = 1; p <= count; ++p) game.PieceAt[p] = in.I16();
    game.EmptySlot = in.I16();
    game.BarTicks = static_cast<std::int16_t>(in.U8());

    game.PictureName = in.Bytes(in.U16());
    const std::uint32_t pictureSize = in.U32();
    in.Need(pictureSize);
    if (in.Left() > pictureSize) throw Refusal{SavedGameFault::TrailingBytes};
    game.PictureBytes = in.Bytes(pictureSize);

    if (const SavedGameFault fault = CheckSavedGame(game); fault != SavedGameFault::None) throw Refusal{fault};
    return game;
}

// The board file's fixed fields: version, fingerprint, count, empty slot, bar.
constexpr std::size_t kBoardFixedBytes = 2 + 8 + 2 + 2 + 1;

SavedGame ReadBoard(const SavedGame& base, std::uint64_t savedFingerprint, std::string_view bytes) {
    if (!bytes.starts_with(kKeptBoardMagic)) throw Refusal{SavedGameFault::NotASavedGame};
    Reader in(bytes.substr(kKeptBoardMagic.size()));
    const unsigned version = in.U16();
    if (version == 0) throw Refusal{SavedGameFault::NotASavedGame};
    if (version > kSavedGameVersion) throw Refusal{SavedGameFault::NewerVersion};
    if (in.U64() != savedFingerprint) throw Refusal{SavedGameFault::NotASavedGame};
    const unsigned count = in.U16();
    if (count != static_cast<unsigned>(base.PieceCount())) throw Refusal{SavedGameFault::BadPieceCount};
    in.Need(count * kPieceAtBytes);
    SavedGame game = base;
    for (unsigned p = 1; p <= count; ++p) game.PieceAt[p] = in.I16();
    game.EmptySlot = in.I16();
    game.BarTicks = static_cast<std::int16_t>(in.U8());
    if (in.Left() > 0) throw Refusal{SavedGameFault::TrailingBytes};
    if (const SavedGameFault fault = CheckSavedGame(game); fault != SavedGameFault::None) throw Refusal{fault};
    return game;
}

}  // namespace

std::optional<std::string> EncodeSavedGame(const SavedGame& game) {
    if (CheckSavedGame(game) != SavedGameFault::None) return std::nullopt;
    const Settings& s = game.settings;
    const auto count = static_cast<unsigned>(game.PieceCount());
    Writer out(kSavedGameMagic.size() + kFixedBytes + game.Pieces.size() * kRectBytes + count * kPieceAtBytes +
               game.PictureName.size() + game.PictureBytes.size());
    out.Bytes(kSavedGameMagic);
    out.U16(kSavedGameVersion);
    // Signed values go as their two's complement bits.
    out.U16(static_cast<std::uint16_t>(s.Columns));
    out.U16(static_cast<std::uint16_t>(s.Rows));
    out.U16(static_cast<std::uint16_t>(s.FitMode));
    out.U8((s.fIrregular ? kIrregularBit : 0) | (s.fSlide ? kSlideBit : 0) | (s.fSlippery ? kSlipperyBit : 0));
    out.U16(count);
    for (const UnitRect& u : game.Pieces) {
        out.U8(static_cast<unsigned>(u.Left));
        out.U8(static_cast<unsigned>(u.Top));
        out.U8(static_cast<unsigned>(u.Width));
        out.U8(static_cast<unsigned>(u.Height));
    }
    for (unsigned p = 1; p <= count; ++p) out.U16(static_cast<unsigned>(game.PieceAt[p]));
    out.U16(static_cast<unsigned>(game.EmptySlot));
    out.U8(static_cast<unsigned>(game.BarTicks));
    out.U16(static_cast<unsigned>(game.PictureName.size()));
    out.Bytes(game.PictureName);
    out.U32(static_cast<std::uint32_t>(game.PictureBytes.size()));
    out.Bytes(game.PictureBytes);
    return out.Take();
}

std::uint64_t FileFingerprint(std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ULL;
    for (const char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    return h;
}

std::string EncodeKeptBoard(const SavedGame& game, std::uint64_t savedFingerprint) {
    const auto count = static_cast<unsigned>(game.PieceCount());
    Writer out(kKeptBoardMagic.size() + kBoardFixedBytes + count * kPieceAtBytes);
    out.Bytes(kKeptBoardMagic);
    out.U16(kSavedGameVersion);
    out.U64(savedFingerprint);
    out.U16(count);
    for (unsigned p = 1; p <= count; ++p) out.U16(static_cast<unsigned>(game.PieceAt[p]));
    out.U16(static_cast<unsigned>(game.EmptySlot));
    out.U8(static_cast<unsigned>(game.BarTicks));
    return out.Take();
}

std::optional<SavedGame> ApplyKeptBoard(const SavedGame& base, std::uint64_t savedFingerprint,
                                        std::string_view boardBytes) {
    try {
        return ReadBoard(base, savedFingerprint, boardBytes);
    } catch (const Refusal&) {
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

DecodedSavedGame DecodeSavedGame(std::string_view bytes) {
    try {
        return {Read(bytes), SavedGameFault::None};
    } catch (const Refusal& r) {
        return {{}, r.fault};
    } catch (const std::bad_alloc&) {
        return {{}, SavedGameFault::OutOfMemory};
    }
}

}  // namespace quilto

// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A decoded picture held by the platform for as long as anything in the game
// holds it: the picture later puzzles are cut from, and the one the board on
// the screen was cut from (the two differ after a load whose puzzle was
// declined). The last holder to let go releases it, and nothing else does.
// It keeps the file it was decoded from, name and bytes, for a saved game.
#include <memory>
#include <string>

#include "platform/Platform.h"

namespace quilto {

class HeldPicture {
public:
    HeldPicture() = default;
    HeldPicture(Platform& platform, const LoadedPicture& loaded, std::string name = {}, std::string bytes = {})
        : lease_(loaded.id == kNoPictureId
                     ? nullptr
                     : std::make_shared<const Lease>(platform, loaded, std::move(name), std::move(bytes))) {}

    PictureId id() const { return lease_ ? lease_->picture.id : kNoPictureId; }
    std::int32_t width() const { return lease_ ? lease_->picture.width : 0; }
    std::int32_t height() const { return lease_ ? lease_->picture.height : 0; }
    // The file's own name (no folder) and its bytes; empty when not known.
    const std::string& name() const { return lease_ ? lease_->name : None(); }
    const std::string& bytes() const { return lease_ ? *lease_->bytes : None(); }
    // The same bytes, shared with work done on another thread: they never
    // change, and the decoded picture stays with the game.
    std::shared_ptr<const std::string> SharedBytes() const { return lease_ ? lease_->bytes : nullptr; }

private:
    struct Lease {
        Lease(Platform& p, const LoadedPicture& l, std::string n, std::string b)
            : platform(p), picture(l), name(std::move(n)), bytes(std::make_shared<const std::string>(std::move(b))) {}
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        ~Lease() { platform.ReleasePicture(picture.id); }
        Platform& platform;
        LoadedPicture picture;
        std::string name;
        std::shared_ptr<const std::string> bytes;
    };
    static const std::string& None() {
        static const std::string none;
        return none;
    }
    std::shared_ptr<const Lease> lease_;
};

}  // namespace quilto

#pragma once
// A decoded picture held by the platform for as long as anything in the game
// holds it: the picture later puzzles are cut from, and the one the board on
// the screen was cut from (the two differ after a load whose puzzle was
// declined). The last holder to let go releases it, and nothing else does.
#include <memory>

#include "platform/Platform.h"

namespace quilto {

class HeldPicture {
public:
    HeldPicture() = default;
    HeldPicture(Platform& platform, const LoadedPicture& loaded)
        : lease_(loaded.id == kNoPictureId ? nullptr : std::make_shared<const Lease>(platform, loaded)) {}

    PictureId id() const { return lease_ ? lease_->picture.id : kNoPictureId; }
    std::int32_t width() const { return lease_ ? lease_->picture.width : 0; }
    std::int32_t height() const { return lease_ ? lease_->picture.height : 0; }

private:
    struct Lease {
        Lease(Platform& p, const LoadedPicture& l) : platform(p), picture(l) {}
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        ~Lease() { platform.ReleasePicture(picture.id); }
        Platform& platform;
        LoadedPicture picture;
    };
    std::shared_ptr<const Lease> lease_;
};

}  // namespace quilto

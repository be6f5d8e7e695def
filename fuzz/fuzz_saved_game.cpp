// Any bytes given as a saved game are either refused with a reason, or read
// as a record that passes the check and writes back to the very same bytes:
// one file per game, nothing the reader lets through that the writer would
// not make. Never a crash, a hang or an allocation beyond the input's size.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/SavedGameFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quilto;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DecodedSavedGame decoded = DecodeSavedGame(bytes);
    if (decoded.fault != SavedGameFault::None) {
        if (decoded.game.PieceCount() != 0 || !decoded.game.PictureBytes.empty()) std::abort();
        return 0;
    }
    if (CheckSavedGame(decoded.game) != SavedGameFault::None) std::abort();
    const auto again = EncodeSavedGame(decoded.game);
    if (!again || *again != bytes) std::abort();
    return 0;
}

#pragma once
#include "game/GameState.h"

namespace quilto {

// Mixes a freshly cut board (PieceAt(p) = p for every p) in the way the
// settings ask for; in sliding mode it also makes the empty slot.
void Shuffle(GameState& g);

}  // namespace quilto

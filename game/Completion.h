#pragma once
#include "game/GameState.h"

namespace quilto {

// Counts the pieces at home; when every one is, stops the slippery pieces,
// covers the board with the finished picture, plays the win cue and says
// "Lo has logrado!". It does not look at fPlaying, so a solved board is
// announced at every call. A board without pieces is never won.
void CheckCompletion(GameState& g);

}  // namespace quilto

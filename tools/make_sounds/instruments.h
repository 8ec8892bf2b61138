#pragma once
// Soft synthesised instruments. Each renders one note into a fresh buffer
// that starts and ends at silence; the caller mixes it where it belongs.

#include "dsp.h"

namespace snd {

enum class Instrument {
  MusicBox,  // bell-like FM tone with a long, gentle decay
  Marimba,   // wooden bar: fundamental plus a quickly fading fourth partial
  Flute,     // breathy sine with slow attack and a light vibrato
  EPiano,    // soft electric-piano FM tone
  Bass,      // round sine bass
  Pad,       // quiet sustained chord tone
  Sparkle,   // short, high glassy ping
};

// gateSeconds: how long the note is held; the release follows it.
Buffer RenderNote(Instrument inst, double freqHz, double gateSeconds, double amplitude);

}  // namespace snd

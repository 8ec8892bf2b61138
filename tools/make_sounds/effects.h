#pragma once
// The short synthesised sounds: opening jingle, silence, squirt, flow and
// the sparkle after a section is painted.

#include "dsp.h"

namespace snd {

Buffer MakeOpeningJingle();  // rising marimba arpeggio into a bell chord
Buffer MakeStop();           // a few milliseconds of silence
Buffer MakeSquirt();         // paint pressed out of the tube
Buffer MakeFlow();           // bubbling paint; loops seamlessly
Buffer MakePaintSparkle();   // quick glassy upward run

}  // namespace snd

#pragma once
// The background songs: traditional tunes written in a small text notation
// and played by the instruments of instruments.h over a soft bass and pad.

#include <optional>
#include <string>
#include <vector>

#include "dsp.h"
#include "instruments.h"

namespace snd {

struct NoteEvent {
  double midi;   // note number, or -1 for a rest
  double beats;
};

// Parses "C4:1 D#4:0.5 Bb3:2 R:1" (note name, octave, length in beats).
// Returns nothing and sets error on a bad token.
std::optional<std::vector<NoteEvent>> ParseMelody(const std::string& text, std::string* error);

struct ChordEvent {
  double rootMidi;            // root in the bass octave
  std::vector<int> intervals; // semitones above the root
  double beats;
};
// Parses "C:4 G7:2 Am:2 Dm:4"; the chord root lies in octave 2.
std::optional<std::vector<ChordEvent>> ParseChords(const std::string& text, std::string* error);

struct Song {
  std::string file;         // e.g. "s_song1"
  std::string title;
  std::string melody;
  std::string chords;
  double beatsPerMinute;
  int beatsPerBar;
  int transpose;                        // semitones added to the melody
  std::vector<Instrument> passes;       // one melody instrument per repeat
};

const std::vector<Song>& Songs();

// Renders a song: the melody once per pass, chords underneath; the last
// notes are given room to fade so the file loops without a click.
std::optional<Buffer> RenderSong(const Song& song, std::string* error);

}  // namespace snd

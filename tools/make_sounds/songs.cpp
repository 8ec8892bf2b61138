#include "songs.h"

#include <cmath>
#include <sstream>

namespace snd {
namespace {

std::optional<double> NoteNumber(const std::string& name) {
  static const int base[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.empty() || name[0] < 'A' || name[0] > 'G') return std::nullopt;
  int semis = base[name[0] - 'A'];
  size_t i = 1;
  if (i < name.size() && (name[i] == '#' || name[i] == 'b')) {
    semis += name[i] == '#' ? 1 : -1;
    ++i;
  }
  if (i + 1 != name.size() || name[i] < '0' || name[i] > '8') return std::nullopt;
  const int octave = name[i] - '0';
  return 12.0 * (octave + 1) + semis;
}

std::optional<std::pair<std::string, double>> SplitToken(const std::string& token) {
  const auto colon = token.find(':');
  if (colon == std::string::npos || colon == 0) return std::nullopt;
  try {
    size_t used = 0;
    const double beats = std::stod(token.substr(colon + 1), &used);
    if (used != token.size() - colon - 1 || !(beats > 0)) return std::nullopt;
    return std::make_pair(token.substr(0, colon), beats);
  } catch (...) {
    return std::nullopt;
  }
}

double TotalBeats(const std::vector<NoteEvent>& notes) {
  double sum = 0;
  for (const auto& n : notes) sum += n.beats;
  return sum;
}

}  // namespace

std::optional<std::vector<NoteEvent>> ParseMelody(const std::string& text, std::string* error) {
  std::vector<NoteEvent> out;
  std::istringstream in(text);
  std::string token;
  while (in >> token) {
    if (token == "|") continue;
    const auto parts = SplitToken(token);
    std::optional<double> midi;
    if (parts) midi = parts->first == "R" ? std::optional<double>(-1.0) : NoteNumber(parts->first);
    if (!parts || !midi) {
      if (error) *error = "bad note \"" + token + "\"";
      return std::nullopt;
    }
    out.push_back({*midi, parts->second});
  }
  return out;
}

std::optional<std::vector<ChordEvent>> ParseChords(const std::string& text, std::string* error) {
  std::vector<ChordEvent> out;
  std::istringstream in(text);
  std::string token;
  while (in >> token) {
    if (token == "|") continue;
    const auto parts = SplitToken(token);
    std::optional<double> root;
    std::string quality;
    if (parts) {
      std::string name = parts->first;
      size_t rootLen = (name.size() > 1 && (name[1] == '#' || name[1] == 'b')) ? 2 : 1;
      quality = name.substr(rootLen);
      root = NoteNumber(name.substr(0, rootLen) + "2");
    }
    std::vector<int> intervals;
    if (quality.empty()) intervals = {0, 4, 7};
    else if (quality == "m") intervals = {0, 3, 7};
    else if (quality == "7") intervals = {0, 4, 7, 10};
    if (!parts || !root || intervals.empty()) {
      if (error) *error = "bad chord \"" + token + "\"";
      return std::nullopt;
    }
    out.push_back({*root, intervals, parts->second});
  }
  return out;
}

const std::vector<Song>& Songs() {
  using I = Instrument;
  static const std::vector<Song> songs = {
      {"s_song1", "Twinkle, Twinkle, Little Star",
       "C4:1 C4:1 G4:1 G4:1 | A4:1 A4:1 G4:2 | F4:1 F4:1 E4:1 E4:1 | D4:1 D4:1 C4:2 | "
       "G4:1 G4:1 F4:1 F4:1 | E4:1 E4:1 D4:2 | G4:1 G4:1 F4:1 F4:1 | E4:1 E4:1 D4:2 | "
       "C4:1 C4:1 G4:1 G4:1 | A4:1 A4:1 G4:2 | F4:1 F4:1 E4:1 E4:1 | D4:1 D4:1 C4:2",
       "C:4 | F:2 C:2 | F:2 C:2 | G:2 C:2 | C:2 F:2 | C:2 G:2 | C:2 F:2 | C:2 G:2 | "
       "C:4 | F:2 C:2 | F:2 C:2 | G:2 C:2",
       96, 4, 12, {I::MusicBox}},
      {"s_song2", "Frere Jacques",
       "G4:1 A4:1 B4:1 G4:1 | G4:1 A4:1 B4:1 G4:1 | B4:1 C5:1 D5:2 | B4:1 C5:1 D5:2 | "
       "D5:0.5 E5:0.5 D5:0.5 C5:0.5 B4:1 G4:1 | D5:0.5 E5:0.5 D5:0.5 C5:0.5 B4:1 G4:1 | "
       "G4:1 D4:1 G4:2 | G4:1 D4:1 G4:2",
       "G:4 | G:4 | G:2 C:1 G:1 | G:2 C:1 G:1 | G:2 D:1 G:1 | G:2 D:1 G:1 | G:1 D:1 G:2 | "
       "G:1 D:1 G:2",
       104, 4, 0, {I::Marimba, I::Flute}},
      {"s_song3", "Ode to Joy",
       "E4:1 E4:1 F4:1 G4:1 | G4:1 F4:1 E4:1 D4:1 | C4:1 C4:1 D4:1 E4:1 | E4:1.5 D4:0.5 D4:2 | "
       "E4:1 E4:1 F4:1 G4:1 | G4:1 F4:1 E4:1 D4:1 | C4:1 C4:1 D4:1 E4:1 | D4:1.5 C4:0.5 C4:2 | "
       "D4:1 D4:1 E4:1 C4:1 | D4:1 E4:0.5 F4:0.5 E4:1 C4:1 | D4:1 E4:0.5 F4:0.5 E4:1 D4:1 | "
       "C4:1 D4:1 G3:2 | "
       "E4:1 E4:1 F4:1 G4:1 | G4:1 F4:1 E4:1 D4:1 | C4:1 C4:1 D4:1 E4:1 | D4:1.5 C4:0.5 C4:2",
       "C:4 | G:4 | C:4 | C:2 G:2 | C:4 | G:4 | C:4 | G:2 C:2 | G:2 C:2 | G:2 C:2 | G:2 C:2 | "
       "C:2 G:2 | C:4 | G:4 | C:4 | G:2 C:2",
       108, 4, 12, {I::Flute}},
      {"s_song4", "Au clair de la lune",
       "C4:1 C4:1 C4:1 D4:1 | E4:2 D4:2 | C4:1 E4:1 D4:1 D4:1 | C4:4 | "
       "C4:1 C4:1 C4:1 D4:1 | E4:2 D4:2 | C4:1 E4:1 D4:1 D4:1 | C4:4 | "
       "D4:1 D4:1 D4:1 D4:1 | A3:2 A3:2 | D4:1 C4:1 B3:1 A3:1 | G3:4 | "
       "C4:1 C4:1 C4:1 D4:1 | E4:2 D4:2 | C4:1 E4:1 D4:1 D4:1 | C4:4",
       "C:4 | C:2 G:2 | C:2 G:2 | C:4 | C:4 | C:2 G:2 | C:2 G:2 | C:4 | "
       "G:4 | Dm:4 | G:4 | G:4 | C:4 | C:2 G:2 | C:2 G:2 | C:4",
       96, 4, 12, {I::Marimba}},
      {"s_song5", "Mary Had a Little Lamb",
       "E4:1 D4:1 C4:1 D4:1 | E4:1 E4:1 E4:2 | D4:1 D4:1 D4:2 | E4:1 G4:1 G4:2 | "
       "E4:1 D4:1 C4:1 D4:1 | E4:1 E4:1 E4:1 E4:1 | D4:1 D4:1 E4:1 D4:1 | C4:4",
       "C:4 | C:4 | G:4 | C:4 | C:4 | C:4 | G:4 | C:4",
       112, 4, 12, {I::EPiano, I::MusicBox}},
      {"s_song6", "Row, Row, Row Your Boat",
       "C4:3 C4:3 | C4:2 D4:1 E4:3 | E4:2 D4:1 E4:2 F4:1 | G4:6 | "
       "C5:1 C5:1 C5:1 G4:1 G4:1 G4:1 | E4:1 E4:1 E4:1 C4:1 C4:1 C4:1 | "
       "G4:2 F4:1 E4:2 D4:1 | C4:6",
       "C:6 | C:6 | C:3 G:3 | C:6 | C:6 | C:6 | G:6 | C:6",
       220, 6, 12, {I::Flute, I::Marimba, I::MusicBox}},
  };
  return songs;
}

std::optional<Buffer> RenderSong(const Song& song, std::string* error) {
  const auto melody = ParseMelody(song.melody, error);
  if (!melody) return std::nullopt;
  const auto chords = ParseChords(song.chords, error);
  if (!chords) return std::nullopt;
  const double beats = TotalBeats(*melody);
  double chordBeats = 0;
  for (const auto& c : *chords) chordBeats += c.beats;
  if (std::fabs(beats - chordBeats) > 1e-9 || std::fmod(beats, song.beatsPerBar) != 0.0) {
    if (error) *error = song.file + ": melody and chords are not whole bars of equal length";
    return std::nullopt;
  }
  const double secondsPerBeat = 60.0 / song.beatsPerMinute;
  const double passSeconds = beats * secondsPerBeat;
  const int passes = static_cast<int>(song.passes.size());
  Buffer out(static_cast<size_t>(Samples(passSeconds * passes)));
  // Note tails that would run past the end are cut by the closing fade.
  for (int p = 0; p < passes; ++p) {
    const double passStart = p * passSeconds;
    const bool last = p == passes - 1;
    double t = 0;
    for (size_t i = 0; i < melody->size(); ++i) {
      const NoteEvent& n = (*melody)[i];
      if (n.midi >= 0) {
        const double length = n.beats * secondsPerBeat;
        // Slightly detached notes; the very last one ends early so that its
        // release is over before the loop starts again.
        double gate = length * 0.85;
        if (last && i + 1 == melody->size()) gate = std::max(0.2, length - 0.45);
        const double amp = song.passes[static_cast<size_t>(p)] == Instrument::Flute ? 0.30 : 0.38;
        MixInto(out,
                RenderNote(song.passes[static_cast<size_t>(p)], MidiToHz(n.midi + song.transpose),
                           gate, amp),
                Samples(passStart + t));
      }
      t += n.beats * secondsPerBeat;
    }
    t = 0;
    for (size_t i = 0; i < chords->size(); ++i) {
      const ChordEvent& c = (*chords)[i];
      const double length = c.beats * secondsPerBeat;
      double gate = length * 0.9;
      if (last && i + 1 == chords->size()) gate = std::max(0.2, length - 0.55);
      const int at = Samples(passStart + t);
      MixInto(out, RenderNote(Instrument::Bass, MidiToHz(c.rootMidi + 12), gate, 0.22), at);
      for (int interval : c.intervals)
        MixInto(out, RenderNote(Instrument::Pad, MidiToHz(c.rootMidi + 24 + interval), gate, 0.04),
                at);
      t += length;
    }
  }
  FadeIn(out, 0.005);
  FadeOut(out, 0.30);
  return out;
}

}  // namespace snd

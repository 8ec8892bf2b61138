#pragma once
// The languages Brushwell's spoken words are made in: where each is kept,
// how it is named, and which speech engine and voice speak it. This one
// table is read by tools/make_sounds (which language to speak, with what),
// by the sound players' language list and by the credits window, so what
// the credits say is what made the shipped voices.
//
// Plain data, so the tool can read it without linking the program.

namespace media {

enum class SpeechEngine { Festival, EspeakNg };

struct NarrationLanguage {
  const char* code;         // "en": the top of the program folder; others: voices/<code>/
  const char* englishName;  // "Dutch": how the credits name it
  const char* ownName;      // "Nederlands": in the language itself (UTF-8)
  SpeechEngine engine;
  const char* voice;        // the engine's voice
};

// English first, then the other languages in the order the carer sees them.
inline constexpr NarrationLanguage NarrationLanguages[] = {
    {"en", "English", "English", SpeechEngine::Festival, "cmu_us_slt_arctic_hts"},
    {"nl", "Dutch", "Nederlands", SpeechEngine::EspeakNg, "nl+f3"},
    {"fr", "French", "Français", SpeechEngine::EspeakNg, "fr+f3"},
    {"es", "Spanish", "Español", SpeechEngine::EspeakNg, "es+f3"},
    {"de", "German", "Deutsch", SpeechEngine::EspeakNg, "de+f3"},
    {"he", "Hebrew", "עברית", SpeechEngine::EspeakNg, "he+f3"},
};

// The engine's name as its makers write it.
constexpr const char* SpeechEngineName(SpeechEngine engine) {
  return engine == SpeechEngine::Festival ? "Festival" : "espeak-ng";
}

}  // namespace media

#pragma once
// The two sound players. One sound sounds at a time: starting any sound
// replaces the one playing, and the silent sound "stop" ends a long or
// looping one. Sounds are WAV files named without their extension.

#include <QString>
#include <functional>
#include <vector>

namespace media {

// Checks that name + ".wav" exists (the program ends with a message when it
// does not), then starts it in the background: looping when mode is exactly
// "LOOP", once otherwise. Returns at once.
void play_wave(const QString& name, const QString& mode);

// Plays name + ".wav" once and returns when it has ended. Returns at once,
// silently, when the file is missing or cannot be played. Either player ends
// the sound playing, even when its own file cannot be played.
void play_wave_wait(const QString& name);

// The narration language. At "en" (the standard) every sound is the file its
// name gives. With another code, a sound named without a folder part, or with
// one, is looked for first in voices/<code>/ beside where its name points
// ("aobj_voice_red" -> "voices/fr/aobj_voice_red.wav"); when that file is
// missing, or cannot be played, the English file plays instead.
void SetVoiceLanguage(const QString& code);
QString VoiceLanguage();

// The file name + ".wav" resolves to in the voice language (existing or not).
QString VoiceFile(const QString& name);

// The languages the program folder brings narration for, English first.
struct VoiceLanguageName {
  QString code;  // the folder under voices/ ("en": the program folder itself)
  QString name;  // in the language itself
};
const std::vector<VoiceLanguageName>& VoiceLanguages();

// Opens the audio device. Without a working sound card it falls back to
// SDL's dummy driver, which keeps each sound's duration. Called once at start;
// the players call it themselves when needed.
void InitSound();
// Closes the audio device and forgets the decoded sounds.
void ShutdownSound();

// Reads and converts a WAV file (a path, with its extension) the way the
// players do before a sound is first heard, without playing it: "" when it can be played,
// otherwise why not, in words for a carer ("it is damaged: ...").
QString CheckWaveFile(const QString& file);

// Every call of the two players is reported here first (file name and how it
// is played), for tests and diagnostics. Pass nothing to stop reporting.
enum class SoundMode { Once, Loop, Wait };
void SetSoundObserver(std::function<void(const QString& file, SoundMode mode)> observer);

// The name of the SDL audio driver in use ("" before InitSound).
QString SoundDriverName();
// True while a sound is playing (a looping sound always is).
bool SoundPlaying();
// The sound playing or last played, as a file name ("" for none).
QString CurrentSoundFile();

}  // namespace media

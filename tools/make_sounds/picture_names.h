#pragma once
// The spoken names of the shipped pictures: when narration is on, each
// picture offered for the next colouring is named by the narration voice,
// "aobj_name_" followed by the picture's file name without its extension.

#include <string>
#include <vector>

namespace snd {

struct SpokenName {
  std::string file;  // "aobj_name_apple" for apple.bmp, without ".wav"
  const char* text;  // what the voice is given to say
};

// Every shipped picture's name in the narration language with this code
// ("en", "nl", "fr", "es", "de", "he"); empty for any other code.
std::vector<SpokenName> PictureNames(const std::string& languageCode);

}  // namespace snd

#include "picture_names.h"

#include <iterator>

namespace snd {
namespace {

// The languages in the order of the words below.
const char* const kCodes[] = {"en", "nl", "fr", "es", "de", "he"};
constexpr int kCodeCount = static_cast<int>(std::size(kCodes));

struct PictureWords {
  const char* picture;  // file name without ".bmp"
  const char* words[kCodeCount];
};

// What a child would call each picture, chosen by looking at it: the leaf is
// "Leaf", the mug a "Cup", the alarm clock a "Clock", the teddy a "Teddy
// bear". Where a language would give two pictures offered together the same
// word, one is made precise (French "Ballon de plage" beside "Ballons").
// English ends in a full stop, as the colour names do, so Festival says it
// with a falling, finished tone. Hebrew is pointed so that espeak-ng speaks
// the vowels (unpointed, it voices hardly any): the voice spells a word out
// letter by letter when it meets a mark it does not know, so a dagesh is
// written only in bet, kaf, pe, dalet and vav (shuruk) and before the vowel
// sign, holam only on vav, and shin has no dot.
const PictureWords kPictures[] = {
    {"airplane", {"Airplane.", "Vliegtuig", "Avion", "Avión", "Flugzeug", "מָטוֹס"}},
    {"apple", {"Apple.", "Appel", "Pomme", "Manzana", "Apfel", "תַפּוּחַ"}},
    {"autumn_leaf", {"Leaf.", "Blad", "Feuille", "Hoja", "Blatt", "עֲלֶה"}},
    {"ball", {"Ball.", "Bal", "Ballon de plage", "Pelota", "Ball", "כַּדּוּר"}},
    {"balloons", {"Balloons.", "Ballonnen", "Ballons", "Globos", "Luftballons", "בָּלוֹנִים"}},
    {"boat", {"Boat.", "Boot", "Bateau", "Barco", "Boot", "סִירָה"}},
    {"bus", {"Bus.", "Bus", "Bus", "Autobús", "Bus", "אוֹטוֹבּוּס"}},
    {"butterfly", {"Butterfly.", "Vlinder", "Papillon", "Mariposa", "Schmetterling", "פַּרְפַּר"}},
    {"cactus", {"Cactus.", "Cactus", "Cactus", "Cactus", "Kaktus", "קַקְטוּס"}},
    {"cake", {"Cake.", "Taart", "Gâteau", "Tarta", "Torte", "עוּגָה"}},
    {"car", {"Car.", "Auto", "Voiture", "Coche", "Auto", "מְכוֹנִית"}},
    {"cat", {"Cat.", "Poes", "Chat", "Gato", "Katze", "חָתוּל"}},
    {"christmas_tree", {"Christmas tree.", "Kerstboom", "Sapin de Noël", "Árbol de Navidad", "Weihnachtsbaum", "עֵץ אַשוּחַ"}},
    {"clock", {"Clock.", "Wekker", "Réveil", "Reloj", "Wecker", "שָעוֹן"}},
    {"cupcake", {"Cupcake.", "Taartje", "Petit gâteau", "Magdalena", "Muffin", "קַפְּקֵיק"}},
    {"dog", {"Dog.", "Hond", "Chien", "Perro", "Hund", "כֶּלֶב"}},
    {"easter_egg", {"Easter egg.", "Paasei", "Œuf de Pâques", "Huevo de Pascua", "Osterei", "בֵּיצַת פַּסְחָא"}},
    {"fish", {"Fish.", "Vis", "Poisson", "Pez", "Fisch", "דָג"}},
    {"flower", {"Flower.", "Bloem", "Fleur", "Flor", "Blume", "פֶּרַח"}},
    {"frog", {"Frog.", "Kikker", "Grenouille", "Rana", "Frosch", "צְפַרְדֵּעַ"}},
    {"guitar", {"Guitar.", "Gitaar", "Guitare", "Guitarra", "Gitarre", "גִיטָרָה"}},
    {"heart", {"Heart.", "Hart", "Cœur", "Corazón", "Herz", "לֵב"}},
    {"hot_air_balloon", {"Hot air balloon.", "Luchtballon", "Montgolfière", "Globo aerostático", "Heißluftballon", "כַּדּוּר פּוֹרֵחַ"}},
    {"house", {"House.", "Huis", "Maison", "Casa", "Haus", "בַּיִת"}},
    {"ice_cream", {"Ice cream.", "IJsje", "Glace", "Helado", "Eis", "גְלִידָה"}},
    {"kite", {"Kite.", "Vlieger", "Cerf-volant", "Cometa", "Drachen", "עֲפִיפוֹן"}},
    {"ladybird", {"Ladybug.", "Lieveheersbeestje", "Coccinelle", "Mariquita", "Marienkäfer", "פָּרַת מוֹשֶה רַבֵּנוּ"}},
    {"lamp", {"Lamp.", "Lamp", "Lampe", "Lámpara", "Lampe", "מְנוֹרָה"}},
    {"lighthouse", {"Lighthouse.", "Vuurtoren", "Phare", "Faro", "Leuchtturm", "מִגְדַּלוֹר"}},
    {"mandala", {"Mandala.", "Mandala", "Mandala", "Mandala", "Mandala", "מַנְדָלָה"}},
    {"mandala_flower", {"Flower mandala.", "Bloemmandala", "Mandala fleur", "Mandala de flor", "Blumenmandala", "מַנְדָלַת פֶּרַח"}},
    {"mandala_star", {"Star mandala.", "Stermandala", "Mandala étoile", "Mandala de estrella", "Sternmandala", "מַנְדָלַת כּוֹכָב"}},
    {"mandala_sun", {"Sun mandala.", "Zonnemandala", "Mandala soleil", "Mandala de sol", "Sonnenmandala", "מַנְדָלַת שֶמֶש"}},
    {"mountains", {"Mountains.", "Bergen", "Montagnes", "Montañas", "Berge", "הָרִים"}},
    {"mug", {"Cup.", "Beker", "Tasse", "Taza", "Tasse", "סֵפֶל"}},
    {"mushroom", {"Mushroom.", "Paddenstoel", "Champignon", "Seta", "Pilz", "פִּטְרִיָה"}},
    {"owl", {"Owl.", "Uil", "Hibou", "Búho", "Eule", "יַנְשוּף"}},
    {"pear", {"Pear.", "Peer", "Poire", "Pera", "Birne", "אַגָס"}},
    {"penguin", {"Penguin.", "Pinguïn", "Pingouin", "Pingüino", "Pinguin", "פִּינְגְוִין"}},
    {"pizza", {"Pizza.", "Pizza", "Pizza", "Pizza", "Pizza", "פִּיצָה"}},
    {"present", {"Present.", "Cadeau", "Cadeau", "Regalo", "Geschenk", "מַתָנָה"}},
    {"pumpkin", {"Pumpkin.", "Pompoen", "Citrouille", "Calabaza", "Kürbis", "דְלַעַת"}},
    {"quilt", {"Quilt.", "Lappendeken", "Couverture", "Colcha", "Flickendecke", "שְמִיכַת טְלָאִים"}},
    {"rainbow", {"Rainbow.", "Regenboog", "Arc-en-ciel", "Arcoíris", "Regenbogen", "קֶשֶת"}},
    {"robot", {"Robot.", "Robot", "Robot", "Robot", "Roboter", "רוֹבּוֹט"}},
    {"rocket", {"Rocket.", "Raket", "Fusée", "Cohete", "Rakete", "חֲלָלִית"}},
    {"shapes", {"Shapes.", "Vormen", "Formes", "Formas", "Formen", "צוּרוֹת"}},
    {"snail", {"Snail.", "Slak", "Escargot", "Caracol", "Schnecke", "חִילָזוֹן"}},
    {"snowman", {"Snowman.", "Sneeuwpop", "Bonhomme de neige", "Muñeco de nieve", "Schneemann", "אִיש שֶלֶג"}},
    {"star", {"Star.", "Ster", "Étoile", "Estrella", "Stern", "כּוֹכָב"}},
    {"sun", {"Sun.", "Zon", "Soleil", "Sol", "Sonne", "שֶמֶש"}},
    {"teapot", {"Teapot.", "Theepot", "Théière", "Tetera", "Teekanne", "קוּמְקוּם"}},
    {"teddy", {"Teddy bear.", "Teddybeer", "Nounours", "Osito de peluche", "Teddybär", "דּוּבִּי"}},
    {"tractor", {"Tractor.", "Tractor", "Tracteur", "Tractor", "Traktor", "טְרַקְטוֹר"}},
    {"train", {"Train.", "Trein", "Train", "Tren", "Zug", "רַכֶּבֶת"}},
    {"tree", {"Tree.", "Boom", "Arbre", "Árbol", "Baum", "עֵץ"}},
    {"tulips", {"Tulips.", "Tulpen", "Tulipes", "Tulipanes", "Tulpen", "צִבְעוֹנִים"}},
    {"turtle", {"Turtle.", "Schildpad", "Tortue", "Tortuga", "Schildkröte", "צָב"}},
    {"umbrella", {"Umbrella.", "Paraplu", "Parapluie", "Paraguas", "Regenschirm", "מִטְרִיָה"}},
    {"watermelon", {"Watermelon.", "Watermeloen", "Pastèque", "Sandía", "Wassermelone", "אֲבַטִיחַ"}},
    {"windmill", {"Windmill.", "Molen", "Moulin", "Molino", "Windmühle", "טַחֲנַת רוּחַ"}},
};

}  // namespace

std::vector<SpokenName> PictureNames(const std::string& languageCode) {
  std::vector<SpokenName> names;
  for (int l = 0; l < kCodeCount; ++l) {
    if (languageCode != kCodes[l]) continue;
    for (const PictureWords& p : kPictures) names.push_back({std::string("aobj_name_") + p.picture, p.words[l]});
  }
  return names;
}

}  // namespace snd

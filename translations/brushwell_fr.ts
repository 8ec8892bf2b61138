<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AuditoryScreen</name>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="37"/>
        <source>Auditory / Print Settings</source>
        <translation>Son / impression</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="43"/>
        <source>Music / Narration Options</source>
        <translation>Musique / narration</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="45"/>
        <source>**Auditory Narration of Colors</source>
        <translation>**Noms des couleurs énoncés</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="46"/>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="47"/>
        <source>No Sound</source>
        <translation>Aucun son</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="50"/>
        <source>Feedback when the user finished coloring the picture</source>
        <translation>Réaction quand l&apos;utilisateur a fini de colorier l&apos;image</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="52"/>
        <source>**Human Voice Complimenting</source>
        <translation>**Compliments par une voix humaine</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="53"/>
        <source>Nothing</source>
        <translation>Rien</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="56"/>
        <source>Print Options</source>
        <translation>Options d&apos;impression</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="58"/>
        <source>Show and Enable Print Button</source>
        <translation>Afficher et activer le bouton Imprimer</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="59"/>
        <source>Hide and Disable Print Button</source>
        <translation>Masquer et désactiver le bouton Imprimer</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="65"/>
        <source>Language of the spoken words:</source>
        <translation>Langue des mots prononcés&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="68"/>
        <source>Language of the spoken words</source>
        <translation>Langue des mots prononcés</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="79"/>
        <source>Language of the screens:</source>
        <translation>Langue des écrans&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="81"/>
        <source>Language of the screens</source>
        <translation>Langue des écrans</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="91"/>
        <source>** The spoken color names and compliments are recordings in the program folder, in English, Dutch, French, Spanish, German and Hebrew. For another language, record them with any sound recorder, save them as WAV files with the names listed in the user guide and put them in the folder voices/ followed by the language code (for example voices/it/); a missing one is spoken in English.</source>
        <translation>** Les noms des couleurs et les compliments sont des enregistrements du dossier du programme, en anglais, néerlandais, français, espagnol, allemand et hébreu. Pour une autre langue, enregistrez-les avec n&apos;importe quel enregistreur de son, sauvegardez-les en fichiers WAV sous les noms indiqués dans le guide d&apos;utilisation et placez-les dans le dossier voices/ suivi du code de la langue (par exemple voices/it/)&#xa0;; un enregistrement manquant est dit en anglais.</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="131"/>
        <source>The screens are shown in %1 from the next start of Brushwell; messages are shown in it from now on.</source>
        <translation>Les écrans s&apos;afficheront en %1 au prochain démarrage de Brushwell&#xa0;; les messages s&apos;affichent dans cette langue dès maintenant.</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <location filename="../src/menu/banner.cpp" line="31"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="39"/>
        <source>Brushwell</source>
        <translation>Brushwell</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="107"/>
        <location filename="../src/menu/banner.cpp" line="108"/>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="113"/>
        <source>Program Settings and Information</source>
        <translation>Réglages et informations du programme</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="118"/>
        <source>Auditory Settings</source>
        <translation>Réglages du son</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="119"/>
        <source>Keyboard / Switch Information</source>
        <translation>Clavier / contacteur</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="120"/>
        <source>Picture List</source>
        <translation>Liste d&apos;images</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="121"/>
        <source>Scan Settings</source>
        <translation>Réglages du défilement</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="122"/>
        <source>Coloring Options</source>
        <translation>Options de coloriage</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="123"/>
        <source>Animation Speed Settings</source>
        <translation>Vitesse d&apos;animation</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="135"/>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="136"/>
        <source>User Guide</source>
        <translation>Guide d&apos;utilisation</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="137"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="149"/>
        <source>Note:  In order to return back to this screen after you click Start,  press the &lt;Esc&gt; key.</source>
        <translation>Remarque&#xa0;: pour revenir à cet écran après avoir cliqué sur Commencer, appuyez sur la touche &lt;Échap&gt;.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="190"/>
        <source>The picture %1 is missing or damaged.
Brushwell cannot start without it; please install the program folder again.</source>
        <translation>L&apos;image %1 est absente ou endommagée.
Brushwell ne peut pas démarrer sans elle&#xa0;; veuillez réinstaller le dossier du programme.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="454"/>
        <source>&quot;%1&quot; cannot open the colouring screen: it is missing from this copy of Brushwell.
Please install the complete program.</source>
        <translation>&quot;%1&quot; ne peut pas ouvrir l&apos;écran de coloriage&#xa0;: il manque dans cette copie de Brushwell.
Veuillez installer le programme complet.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="509"/>
        <source>The Picture Workshop is already open.</source>
        <translation>L&apos;Atelier d&apos;images est déjà ouvert.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="517"/>
        <source>The Picture Workshop cannot be opened: %1.
Please install the complete program.</source>
        <translation>L&apos;Atelier d&apos;images ne peut pas être ouvert&#xa0;: %1.
Veuillez installer le programme complet.</translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <location filename="../src/pictures/calibration.cpp" line="58"/>
        <source>The picture %1 cannot be shown (%2).
The speed test moves a plain yellow bar instead.</source>
        <translation>L&apos;image %1 ne peut pas être affichée (%2).
Le test de vitesse déplace une simple barre jaune à la place.</translation>
    </message>
    <message>
        <location filename="../src/pictures/calibration.cpp" line="132"/>
        <source>Setting: %1</source>
        <translation>Réglage&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ColoringOptionsScreen</name>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="81"/>
        <source>Coloring Options</source>
        <translation>Options de coloriage</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="88"/>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="97"/>
        <source>Choose your own colors</source>
        <translation>Choisissez vos couleurs</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="98"/>
        <source>Select a minimum of two colors</source>
        <translation>Choisissez au moins deux couleurs</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Tan</source>
        <translation>Beige</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="109"/>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="115"/>
        <source>Random Colors</source>
        <translation>Couleurs au hasard</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="117"/>
        <source>Check this box if you want the program to pick colors randomly. Set the slider bar to the number of random colored paint tubes that the user will be able to choose from.</source>
        <translation>Cochez cette case si le programme doit choisir les couleurs au hasard. Réglez le curseur sur le nombre de tubes de peinture de couleur aléatoire parmi lesquels l&apos;utilisateur pourra choisir.</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="121"/>
        <source>Number of random colored paint tubes</source>
        <translation>Nombre de tubes de peinture au hasard</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="130"/>
        <source>Coloring Style</source>
        <translation>Style de coloriage</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="137"/>
        <source>Solid</source>
        <translation>Uni</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="138"/>
        <source>Horizontal stripes</source>
        <translation>Rayures horizontales</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="139"/>
        <source>Verrical stripes</source>
        <translation>Rayures verticales</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="140"/>
        <source>Diagonal going downward</source>
        <translation>Diagonales descendantes</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="141"/>
        <source>Diagonal going upward</source>
        <translation>Diagonales montantes</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="142"/>
        <source>Crosses</source>
        <translation>Quadrillage</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="143"/>
        <source>Diagonal crosses</source>
        <translation>Quadrillage diagonal</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="157"/>
        <source>Choose the pointer type to the section of the picture to be colored</source>
        <translation>Choisissez le pointeur qui montre la zone de l&apos;image à colorier</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="163"/>
        <source>Paintbrush</source>
        <translation>Pinceau</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="163"/>
        <source>Red Arrow</source>
        <translation>Flèche rouge</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="163"/>
        <source>Colored Cones</source>
        <translation>Cônes colorés</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="193"/>
        <source>At least 2 colors must be selected</source>
        <translation>Il faut choisir au moins 2 couleurs</translation>
    </message>
</context>
<context>
    <name>CompanionProgram</name>
    <message>
        <location filename="../src/platform/companion_program.cpp" line="38"/>
        <source>%1 is missing from the program folder %2</source>
        <translation>%1 manque dans le dossier du programme %2</translation>
    </message>
    <message>
        <location filename="../src/platform/companion_program.cpp" line="39"/>
        <source>%1 in %2 may not be run</source>
        <translation>%1 dans %2 ne peut pas être exécuté</translation>
    </message>
    <message>
        <location filename="../src/platform/companion_program.cpp" line="42"/>
        <source>%1 could not be started</source>
        <translation>%1 n&apos;a pas pu être lancé</translation>
    </message>
</context>
<context>
    <name>CreditsWindow</name>
    <message>
        <location filename="../src/app/credits_window.cpp" line="25"/>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="25"/>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="26"/>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="26"/>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="27"/>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="27"/>
        <source>Hebrew</source>
        <translation>Hébreu</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="58"/>
        <source>%1 speech synthesizer, voice %2</source>
        <translation>Synthèse vocale %1, voix %2</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="63"/>
        <location filename="../src/app/credits_window.cpp" line="81"/>
        <source>Credits</source>
        <translation>Remerciements</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="89"/>
        <source>Voice Narration</source>
        <translation>Narration vocale</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="99"/>
        <source>Technical Advisor</source>
        <translation>Conseiller technique</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="99"/>
        <location filename="../src/app/credits_window.cpp" line="100"/>
        <location filename="../src/app/credits_window.cpp" line="102"/>
        <location filename="../src/app/credits_window.cpp" line="104"/>
        <source>The Brushwell contributors</source>
        <translation>Les contributeurs de Brushwell</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="100"/>
        <source>Educational Content Advisors</source>
        <translation>Conseillers pédagogiques</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="101"/>
        <source>Graphic Image Processing</source>
        <translation>Traitement des images</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="101"/>
        <source>Brushwell&apos;s own image tools, built on Qt</source>
        <translation>Les outils d&apos;image de Brushwell, construits sur Qt</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="102"/>
        <source>Art Work</source>
        <translation>Illustrations</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="103"/>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="103"/>
        <source>Public-domain melodies, synthesized by Brushwell&apos;s tools</source>
        <translation>Mélodies du domaine public, synthétisées par les outils de Brushwell</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="104"/>
        <source>Programming</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="107"/>
        <source>Brushwell Version 2</source>
        <translation>Brushwell version 2</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="108"/>
        <source>The Brushwell project</source>
        <translation>Le projet Brushwell</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="109"/>
        <source>Contact: through the Brushwell project&apos;s issue tracker</source>
        <translation>Contact&#xa0;: par le suivi des problèmes du projet Brushwell</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="110"/>
        <source>Copyright (C) the Brushwell contributors.</source>
        <translation>Copyright (C) les contributeurs de Brushwell.</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="111"/>
        <source>Brushwell is free software: GNU General Public License, version 3 or later.</source>
        <translation>Brushwell est un logiciel libre&#xa0;: licence publique générale GNU, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="112"/>
        <source>It comes with no warranty. The licence is the file LICENSE in the program folder.</source>
        <translation>Il est fourni sans aucune garantie. La licence se trouve dans le fichier LICENSE du dossier du programme.</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="117"/>
        <location filename="../src/app/credits_window.cpp" line="118"/>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>DeviceScreen</name>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="40"/>
        <source>Keys and switches</source>
        <translation>Touches et contacteurs</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="45"/>
        <source>Colors the picture with the current paint tube</source>
        <translation>Colorie l&apos;image avec le tube de peinture actuel</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="46"/>
        <source>Move to the next paint tube.</source>
        <translation>Passe au tube de peinture suivant.</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="47"/>
        <source>Clears the last part of the picture that was colored</source>
        <translation>Efface la dernière zone coloriée de l&apos;image</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="48"/>
        <source>Skip to the next picture immediately</source>
        <translation>Passe tout de suite à l&apos;image suivante</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="50"/>
        <source>Key Pressed</source>
        <translation>Touche</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="50"/>
        <source>Timed Scanning</source>
        <translation>Défilement automatique</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="50"/>
        <source>Step Scanning 1 Switch</source>
        <translation>Défilement pas à pas 1 contacteur</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="51"/>
        <source>Step Scanning 2 Switches</source>
        <translation>Défilement pas à pas 2 contacteurs</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="51"/>
        <source>No Scanning</source>
        <translation>Sans défilement</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="52"/>
        <source>Left Mouse Click, Space Bar or the number 0</source>
        <translation>Clic gauche, barre d&apos;espace ou le chiffre 0</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="53"/>
        <source>Colors the picture with the paint tube that the mouse arrow is pointing to</source>
        <translation>Colorie l&apos;image avec le tube de peinture que montre le pointeur de la souris</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="54"/>
        <source>&lt;Enter&gt; key or the number 1</source>
        <translation>Touche &lt;Entrée&gt; ou le chiffre 1</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="55"/>
        <source>The letter &quot;c&quot; or the number 2</source>
        <translation>La lettre &quot;c&quot; ou le chiffre 2</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="56"/>
        <source>The letter &quot;a&quot; or the number 3</source>
        <translation>La lettre &quot;a&quot; ou le chiffre 3</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="80"/>
        <location filename="../src/menu/device_screen.cpp" line="90"/>
        <source>Keyboard / Switch Information</source>
        <translation>Clavier / contacteur</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="97"/>
        <source>The following keyboard keys are also active during the program.  These buttons can be emulated with switch presses.</source>
        <translation>Les touches suivantes sont aussi actives pendant le programme. Un appui sur un contacteur peut remplacer ces touches.</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 1</source>
        <translation>Adaptateur sur COM 1</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 2</source>
        <translation>Adaptateur sur COM 2</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 3</source>
        <translation>Adaptateur sur COM 3</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 4</source>
        <translation>Adaptateur sur COM 4</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in Joystick (Game) Port</source>
        <translation>Adaptateur sur le port joystick (jeu)</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Mouse Click or Keyboard Space bar</source>
        <translation>Clic de souris ou barre d&apos;espace</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="133"/>
        <source>Switch Timing</source>
        <translation>Temporisation</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="134"/>
        <source>Test Switches</source>
        <translation>Tester les contacteurs</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="139"/>
        <source>Hold and release times, dwell selection and more switches; and a test of what each switch does.</source>
        <translation>Temps de maintien et de relâchement, choix par pointage prolongé et contacteurs supplémentaires&#xa0;; et un test de ce que fait chaque contacteur.</translation>
    </message>
</context>
<context>
    <name>FileViewer</name>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="46"/>
        <source>No program to show %1 was found, so Brushwell shows it here. Choose a chapter on the left.</source>
        <translation>Aucun programme n&apos;a été trouvé pour afficher %1&#xa0;: Brushwell l&apos;affiche donc ici. Choisissez un chapitre à gauche.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="49"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="53"/>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="61"/>
        <source>User Guide</source>
        <translation>Guide d&apos;utilisation</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="87"/>
        <source>No text editor was found, so Brushwell shows %1 here. One picture name a line; lines starting with &quot;-&quot; are skipped.</source>
        <translation>Aucun éditeur de texte n&apos;a été trouvé&#xa0;: Brushwell affiche donc %1 ici. Un nom d&apos;image par ligne&#xa0;; les lignes qui commencent par &quot;-&quot; sont ignorées.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="90"/>
        <source>%1 cannot be read (%2); what you type here is saved as a new list.</source>
        <translation>%1 ne peut pas être lu (%2)&#xa0;; ce que vous tapez ici est enregistré comme nouvelle liste.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="93"/>
        <source>Picture list </source>
        <translation>Liste d&apos;images </translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="102"/>
        <location filename="../src/menu/file_viewer.cpp" line="103"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="107"/>
        <location filename="../src/menu/file_viewer.cpp" line="108"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="124"/>
        <source>The picture list could not be saved to %1:
%2
Nothing was changed; the text stays here.</source>
        <translation>La liste d&apos;images n&apos;a pas pu être enregistrée dans %1&#xa0;:
%2
Rien n&apos;a été modifié&#xa0;; le texte reste ici.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="136"/>
        <source>Save the changes to the picture list?</source>
        <translation>Enregistrer les modifications de la liste d&apos;images&#xa0;?</translation>
    </message>
</context>
<context>
    <name>GalleryBooklet</name>
    <message>
        <location filename="../src/records/gallery_booklet.cpp" line="49"/>
        <source>Coloured by %1 on %2</source>
        <translation>Coloriée par %1 le %2</translation>
    </message>
    <message>
        <location filename="../src/records/gallery_booklet.cpp" line="70"/>
        <source>none of the chosen pictures could be read</source>
        <translation>aucune des images choisies n&apos;a pu être lue</translation>
    </message>
    <message>
        <location filename="../src/records/gallery_booklet.cpp" line="81"/>
        <source>Pictures coloured with Brushwell</source>
        <translation>Images coloriées avec Brushwell</translation>
    </message>
</context>
<context>
    <name>GalleryKeeping</name>
    <message>
        <location filename="../src/session/gallery_keeping.cpp" line="101"/>
        <source>The picture %1 could not be kept in the gallery folder %2: %3.
Colouring goes on; pictures are not kept until this is mended (room on the disk, a folder that can be written).</source>
        <translation>L&apos;image %1 n&apos;a pas pu être conservée dans le dossier de la galerie %2&#xa0;: %3.
Le coloriage continue&#xa0;; les images ne sont pas conservées tant que ce n&apos;est pas réglé (place sur le disque, dossier accessible en écriture).</translation>
    </message>
</context>
<context>
    <name>GalleryPicture</name>
    <message>
        <location filename="../src/records/gallery_picture.cpp" line="180"/>
        <source>the picture could not be made into a PNG file</source>
        <translation>l&apos;image n&apos;a pas pu être convertie en fichier PNG</translation>
    </message>
    <message>
        <location filename="../src/records/gallery_picture.cpp" line="183"/>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
</context>
<context>
    <name>GamePort</name>
    <message>
        <location filename="../src/platform/game_port.cpp" line="114"/>
        <source>joystick support could not start: %1</source>
        <translation>la prise en charge du joystick n&apos;a pas pu démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../src/platform/game_port.cpp" line="130"/>
        <source>no joystick is connected</source>
        <translation>aucun joystick n&apos;est branché</translation>
    </message>
    <message>
        <location filename="../src/platform/game_port.cpp" line="138"/>
        <source>the joystick cannot be opened (%1); check the permissions of /dev/input/event*</source>
        <translation>le joystick ne peut pas être ouvert (%1)&#xa0;; vérifiez les droits de /dev/input/event*</translation>
    </message>
    <message>
        <location filename="../src/platform/game_port.cpp" line="183"/>
        <source>no joystick</source>
        <translation>pas de joystick</translation>
    </message>
</context>
<context>
    <name>ImagePipeline</name>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="277"/>
        <source>%1 cannot be used: %2.</source>
        <translation>%1 ne peut pas être utilisé&#xa0;: %2.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="281"/>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="282"/>
        <source>it is a folder, not a picture file</source>
        <translation>c&apos;est un dossier, pas un fichier image</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="283"/>
        <source>this user may not read it</source>
        <translation>cet utilisateur n&apos;a pas le droit de le lire</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="284"/>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="288"/>
        <source>it is not a picture that can be read (PNG, JPEG, BMP, GIF and SVG can)</source>
        <translation>ce n&apos;est pas une image lisible (PNG, JPEG, BMP, GIF et SVG le sont)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="297"/>
        <location filename="../tools/workshop/image_pipeline.cpp" line="306"/>
        <source>it is too large for the workshop to open; make it smaller in a photo program first</source>
        <translation>elle est trop grande pour être ouverte dans l&apos;atelier&#xa0;; réduisez-la d&apos;abord dans un logiciel de photo</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="304"/>
        <source>it could not be decoded (%1)</source>
        <translation>elle n&apos;a pas pu être décodée (%1)</translation>
    </message>
</context>
<context>
    <name>ListModel</name>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="48"/>
        <source>a picture needs a name</source>
        <translation>une image doit avoir un nom</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="49"/>
        <source>a name that begins with &quot;-&quot; is skipped by Brushwell</source>
        <translation>un nom qui commence par &quot;-&quot; est ignoré par Brushwell</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="50"/>
        <source>a name with a double quote cannot stand in a list</source>
        <translation>un nom contenant un guillemet double ne peut pas figurer dans une liste</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="51"/>
        <source>a name must be one line</source>
        <translation>un nom doit tenir sur une seule ligne</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="65"/>
        <source>%1 cannot be read (%2).</source>
        <translation>%1 ne peut pas être lu (%2).</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="101"/>
        <source>The settings file %1 is missing from %2.</source>
        <translation>Le fichier de réglages %1 manque dans %2.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="115"/>
        <source>The settings file %1 is damaged or missing, so the descriptions were not saved. Start Brushwell once and leave it with &quot;Exit&quot;: it repairs the file.</source>
        <translation>Le fichier de réglages %1 est endommagé ou absent&#xa0;: les descriptions n&apos;ont donc pas été enregistrées. Lancez Brushwell une fois et quittez-le avec &quot;Quitter&quot;&#xa0;: il répare le fichier.</translation>
    </message>
</context>
<context>
    <name>ListPage</name>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="53"/>
        <source>Picture &amp;lists</source>
        <translation>Listes d&apos;&amp;images</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="54"/>
        <source>Picture lists</source>
        <translation>Listes d&apos;images</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="62"/>
        <source>&amp;Description of this list:</source>
        <translation>Descri&amp;ption de cette liste&#xa0;:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="63"/>
        <source>Description of this list</source>
        <translation>Description de cette liste</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="67"/>
        <source>Pictures in colouring &amp;order (drag, or use the buttons):</source>
        <translation>Images dans l&apos;&amp;ordre de coloriage (glisser, ou utiliser les boutons)&#xa0;:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="68"/>
        <source>Pictures in colouring order</source>
        <translation>Images dans l&apos;ordre de coloriage</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="76"/>
        <source>Missing pictures</source>
        <translation>Images manquantes</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="81"/>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="82"/>
        <source>Move Do&amp;wn</source>
        <translation>Des&amp;cendre</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="83"/>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="84"/>
        <source>Add &amp;Heading...</source>
        <translation>Ajouter un &amp;titre...</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="85"/>
        <source>&amp;Undo</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="86"/>
        <source>&amp;Save List</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="92"/>
        <source>Pictures in the &amp;folder:</source>
        <translation>Images du &amp;dossier&#xa0;:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="93"/>
        <source>Pictures in the folder</source>
        <translation>Images du dossier</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="101"/>
        <source>&amp;Add to List</source>
        <translation>A&amp;jouter à la liste</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="151"/>
        <source>List %1</source>
        <translation>Liste %1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="151"/>
        <source>List %1: %2</source>
        <translation>Liste %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="159"/>
        <source>

The descriptions cannot be saved until the settings file is whole again.</source>
        <translation>

Les descriptions ne pourront être enregistrées que lorsque le fichier de réglages sera de nouveau intact.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="233"/>
        <source>Heading: %1</source>
        <translation>Titre&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="235"/>
        <source>%1   (not in the folder)</source>
        <translation>%1   (pas dans le dossier)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="238"/>
        <source>%1, not in the folder</source>
        <translation>%1, pas dans le dossier</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="250"/>
        <source>Not in the program folder: %1. They stay in the list; Brushwell ends the session when it reaches one, so add the picture or remove the name.</source>
        <translation>Images absentes du dossier du programme&#xa0;: %1. Elles restent dans la liste&#xa0;; Brushwell arrête la séance quand il arrive à l&apos;une d&apos;elles&#xa0;: ajoutez donc l&apos;image ou retirez le nom.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="289"/>
        <source>Removed from the list (the picture stays in the folder). Undo brings it back.</source>
        <translation>Retirée de la liste (l&apos;image reste dans le dossier). Annuler la remet.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="306"/>
        <source>Choose one or more pictures in the folder first.</source>
        <translation>Choisissez d&apos;abord une ou plusieurs images du dossier.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="314"/>
        <source>%1 cannot be added: %2.</source>
        <translation>%1 ne peut pas être ajouté&#xa0;: %2.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="338"/>
        <source>List %1 could not be saved (%2). The file on disk was left as it was.</source>
        <translation>La liste %1 n&apos;a pas pu être enregistrée (%2). Le fichier sur le disque est resté tel quel.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="345"/>
        <source>The list was saved, but its description was not:

%1</source>
        <translation>La liste a été enregistrée, mais pas sa description&#xa0;:

%1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="350"/>
        <source>List %1 saved. Brushwell uses it from the next session on.</source>
        <translation>Liste %1 enregistrée. Brushwell l&apos;utilise dès la prochaine séance.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="357"/>
        <source>List %1 has changes that are not saved. Save them?</source>
        <translation>La liste %1 a des modifications non enregistrées. Les enregistrer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <location filename="../tools/workshop/main.cpp" line="28"/>
        <source>Makes colouring pictures from drawings and photos, and edits picture lists.</source>
        <translation>Crée des images à colorier à partir de dessins et de photos, et modifie les listes d&apos;images.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="30"/>
        <source>the program folder (default: the one Brushwell uses)</source>
        <translation>le dossier du programme (par défaut&#xa0;: celui qu&apos;utilise Brushwell)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="35"/>
        <source>the folder of the user colouring now, whose list descriptions and own lists are edited (default: the program folder)</source>
        <translation>le dossier de l&apos;utilisateur qui colorie maintenant, dont les descriptions de listes et les listes propres sont modifiées (par défaut&#xa0;: le dossier du programme)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="38"/>
        <source>a drawing or photo to open</source>
        <translation>un dessin ou une photo à ouvrir</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="44"/>
        <location filename="../tools/workshop/main.cpp" line="46"/>
        <location filename="../tools/workshop/main.cpp" line="51"/>
        <source>Brushwell Picture Workshop</source>
        <translation>Brushwell Atelier d&apos;images</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="46"/>
        <location filename="../tools/workshop/main.cpp" line="51"/>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>Mainform</name>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="146"/>
        <source>Processing New Picture, Please Wait ...</source>
        <translation>Préparation de la nouvelle image, veuillez patienter ...</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="148"/>
        <location filename="../src/pictures/mainform.cpp" line="150"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="163"/>
        <source>Left is Faster - Right is Slower</source>
        <translation>À gauche plus vite - à droite plus lent</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="164"/>
        <source>Animation speed</source>
        <translation>Vitesse d&apos;animation</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="172"/>
        <location filename="../src/pictures/mainform.cpp" line="174"/>
        <source>Test Speed</source>
        <translation>Tester</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="178"/>
        <location filename="../src/pictures/mainform.cpp" line="180"/>
        <source>Main Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="186"/>
        <source>Move the slider bar in small adjustments to adjust the speed then press the &quot;Test Speed&quot; Button.</source>
        <translation>Déplacez le curseur par petites étapes pour régler la vitesse, puis appuyez sur le bouton &quot;Tester&quot;.</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="192"/>
        <source>Before the first picture Brushwell needs to know how fast to move on this computer, so set the speed here; &quot;Main Menu&quot; keeps it, and it is asked for only once.</source>
        <translation>Avant la première image, Brushwell doit savoir à quelle vitesse se déplacer sur cet ordinateur&#xa0;: réglez donc la vitesse ici&#xa0;; &quot;Menu&quot; la conserve, et elle n&apos;est demandée qu&apos;une fois.</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="197"/>
        <source>Faster</source>
        <translation>Plus vite</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="200"/>
        <source>Slower</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="314"/>
        <source>Dwell progress</source>
        <translation>Progression du pointage</translation>
    </message>
</context>
<context>
    <name>NewPicturePage</name>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="76"/>
        <source>&amp;Open Drawing or Photo...</source>
        <translation>&amp;Ouvrir un dessin ou une photo...</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="76"/>
        <source>Open Drawing or Photo</source>
        <translation>Ouvrir un dessin ou une photo</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="77"/>
        <source>It is a &amp;drawing</source>
        <translation>C&apos;est un &amp;dessin</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="77"/>
        <source>It is a drawing</source>
        <translation>C&apos;est un dessin</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="78"/>
        <source>It is a p&amp;hoto</source>
        <translation>C&apos;est une &amp;photo</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="78"/>
        <source>It is a photo</source>
        <translation>C&apos;est une photo</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="92"/>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="93"/>
        <source>Original picture</source>
        <translation>Image d&apos;origine</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="99"/>
        <source>Colouring picture (numbers: the colouring order)</source>
        <translation>Image à colorier (numéros&#xa0;: l&apos;ordre de coloriage)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="100"/>
        <source>Colouring picture preview</source>
        <translation>Aperçu de l&apos;image à colorier</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="101"/>
        <source>Click a section to choose it; arrow keys move its marker</source>
        <translation>Cliquez sur une zone pour la choisir&#xa0;; les flèches déplacent son repère</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="134"/>
        <source>Drawing</source>
        <translation>Dessin</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="136"/>
        <source>Line darkness</source>
        <translation>Intensité des traits</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="138"/>
        <source>Close gaps</source>
        <translation>Combler les trous</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="142"/>
        <source>Line dar&amp;kness:</source>
        <translation>&amp;Intensité des traits&#xa0;:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="142"/>
        <source>only dark lines</source>
        <translation>traits foncés seulement</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="143"/>
        <source>faint lines too</source>
        <translation>traits pâles aussi</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="144"/>
        <source>Close &amp;gaps:</source>
        <translation>&amp;Combler les trous&#xa0;:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="144"/>
        <source>0: none</source>
        <translation>0&#xa0;: aucun</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="144"/>
        <source>5: wide gaps</source>
        <translation>5&#xa0;: grands trous</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="145"/>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="147"/>
        <source>Detail</source>
        <translation>Détail</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="152"/>
        <source>De&amp;tail:</source>
        <translation>Dé&amp;tail&#xa0;:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="152"/>
        <source>1: few large areas</source>
        <translation>1&#xa0;: peu de grandes zones</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="153"/>
        <source>10: many small</source>
        <translation>10&#xa0;: beaucoup de petites</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="158"/>
        <source>Sections</source>
        <translation>Zones</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="160"/>
        <source>Sections in colouring order</source>
        <translation>Zones dans l&apos;ordre de coloriage</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="164"/>
        <source>Colour &amp;Earlier</source>
        <translation>Colorier &amp;avant</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="164"/>
        <source>Colour Earlier</source>
        <translation>Colorier avant</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="165"/>
        <source>Colour &amp;Later</source>
        <translation>Colorier ap&amp;rès</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="165"/>
        <source>Colour Later</source>
        <translation>Colorier après</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="169"/>
        <source>&amp;Merge Small Regions</source>
        <translation>&amp;Fusionner les petites régions</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="169"/>
        <source>Merge Small Regions</source>
        <translation>Fusionner les petites régions</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="170"/>
        <source>D&amp;rop Small Regions</source>
        <translation>E&amp;xclure les petites régions</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="170"/>
        <source>Drop Small Regions</source>
        <translation>Exclure les petites régions</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="171"/>
        <source>The small regions in red stay white and are not coloured.</source>
        <translation>Les petites régions en rouge restent blanches et ne sont pas coloriées.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="172"/>
        <source>Merge Down to &amp;25 Sections</source>
        <translation>Fusionner jusqu&apos;à &amp;25 zones</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="172"/>
        <source>Merge Down to 25 Sections</source>
        <translation>Fusionner jusqu&apos;à 25 zones</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="178"/>
        <source>On the picture</source>
        <translation>Sur l&apos;image</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="180"/>
        <source>A click chooses a section</source>
        <translation>Un clic choisit une zone</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="181"/>
        <location filename="../tools/workshop/new_picture_page.cpp" line="182"/>
        <source>A click moves the section&apos;s marker</source>
        <translation>Un clic déplace le repère de la zone</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="183"/>
        <source>Two clicks &amp;join two regions</source>
        <translation>Deux clics &amp;joignent deux régions</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="183"/>
        <source>Two clicks join two regions</source>
        <translation>Deux clics joignent deux régions</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="184"/>
        <source>A line dra&amp;wn across a region splits it</source>
        <translation>Une ligne tracée à tra&amp;vers une région la coupe</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="185"/>
        <source>A line drawn across a region splits it</source>
        <translation>Une ligne tracée à travers une région la coupe</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="186"/>
        <source>A click or a stroke erases l&amp;ines</source>
        <translation>Un clic ou un trait &amp;efface des lignes</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="187"/>
        <source>A click or a stroke erases lines</source>
        <translation>Un clic ou un trait efface des lignes</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="188"/>
        <source>Click one region, then the one beside it: the line between them goes.</source>
        <translation>Cliquez sur une région, puis sur sa voisine&#xa0;: la ligne qui les sépare disparaît.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="189"/>
        <source>Hold the button down and draw across the region, from one outline to the other.</source>
        <translation>Maintenez le bouton enfoncé et tracez à travers la région, d&apos;un contour à l&apos;autre.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="190"/>
        <source>A click on a stray line or dot takes it away; drag along a line to rub it out.</source>
        <translation>Un clic sur un trait ou un point isolé l&apos;enlève&#xa0;; glissez le long d&apos;une ligne pour la gommer.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="199"/>
        <source>&amp;Undo</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="199"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="200"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="201"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="202"/>
        <source>Ctrl+Shift+Z or Ctrl+Y</source>
        <translation>Ctrl+Maj+Z ou Ctrl+Y</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="208"/>
        <location filename="../tools/workshop/new_picture_page.cpp" line="380"/>
        <source>Open a drawing or a photo to begin.</source>
        <translation>Ouvrez un dessin ou une photo pour commencer.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="208"/>
        <source>Remarks</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="214"/>
        <source>Pi&amp;cture name:</source>
        <translation>No&amp;m de l&apos;image&#xa0;:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="215"/>
        <source>Picture name</source>
        <translation>Nom de l&apos;image</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="216"/>
        <source>for example: our_dog</source>
        <translation>par exemple&#xa0;: notre_chien</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="218"/>
        <source>&amp;Save Picture</source>
        <translation>Enregistrer l&apos;ima&amp;ge</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="218"/>
        <source>Save Picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="255"/>
        <source>Joined small regions %1 time(s).</source>
        <translation>Petites régions fusionnées %1 fois.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="259"/>
        <source>The small regions are left white.</source>
        <translation>Les petites régions restent blanches.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="262"/>
        <source>Joined the smallest sections %1 time(s).</source>
        <translation>Plus petites zones fusionnées %1 fois.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="280"/>
        <source>Open a Drawing or a Photo</source>
        <translation>Ouvrir un dessin ou une photo</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="283"/>
        <source>Drawings and photos (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.PNG *.JPG *.JPEG *.BMP *.GIF *.SVG)</source>
        <translation>Dessins et photos (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.PNG *.JPG *.JPEG *.BMP *.GIF *.SVG)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="284"/>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="333"/>
        <source>Nothing could be made of this picture.</source>
        <translation>Rien n&apos;a pu être tiré de cette image.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="337"/>
        <source>The picture was made again.</source>
        <translation>L&apos;image a été refaite.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="338"/>
        <source>Preview made in %1 ms.</source>
        <translation>Aperçu créé en %1 ms.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="341"/>
        <source>Opened %1.</source>
        <translation>%1 ouvert.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="342"/>
        <source>%1 x %2 pixels; first preview after %3 ms.</source>
        <translation>%1 x %2 pixels&#xa0;; premier aperçu après %3 ms.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="374"/>
        <source>Section %1</source>
        <translation>Zone %1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="376"/>
        <source>%1 pixels; marker at %2, %3</source>
        <translation>%1 pixels&#xa0;; repère en %2, %3</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="397"/>
        <source>That region is too small for a marker: join it to a neighbour, or drop it.</source>
        <translation>Cette région est trop petite pour un repère&#xa0;: joignez-la à une voisine, ou excluez-la.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="404"/>
        <source>A marker cannot stand there: it needs white all round it, inside a section.</source>
        <translation>Un repère ne peut pas se placer là&#xa0;: il lui faut du blanc tout autour, à l&apos;intérieur d&apos;une zone.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="410"/>
        <source>Click inside a region, not on a line.</source>
        <translation>Cliquez à l&apos;intérieur d&apos;une région, pas sur une ligne.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="414"/>
        <source>Now click the region beside it to join the two.</source>
        <translation>Cliquez maintenant sur la région voisine pour joindre les deux.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="420"/>
        <source>The two regions are joined.</source>
        <translation>Les deux régions sont jointes.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="430"/>
        <source>Hold the button down and draw a line across the region.</source>
        <translation>Maintenez le bouton enfoncé et tracez une ligne à travers la région.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="456"/>
        <source>The region is split in two.</source>
        <translation>La région est coupée en deux.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="458"/>
        <source>Erased. Regions the line divided are now one.</source>
        <translation>Effacé. Les régions que la ligne séparait n&apos;en font plus qu&apos;une.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="458"/>
        <source>Erased.</source>
        <translation>Effacé.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="496"/>
        <source> %1 stay red, or their shape would be lost: join them by hand, or drop them.</source>
        <translation> %1 restent en rouge, sinon leur forme serait perdue&#xa0;: joignez-les à la main, ou excluez-les.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="524"/>
        <source>Done again.</source>
        <translation>Rétabli.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="531"/>
        <source>Open a drawing or a photo first.</source>
        <translation>Ouvrez d&apos;abord un dessin ou une photo.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="536"/>
        <source>Give the picture a name of letters, digits, spaces, &quot;_&quot; or &quot;-&quot;, beginning with a letter or digit.</source>
        <translation>Donnez à l&apos;image un nom fait de lettres, de chiffres, d&apos;espaces, de &quot;_&quot; ou de &quot;-&quot;, qui commence par une lettre ou un chiffre.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="539"/>
        <source>Names beginning with &quot;aobj_&quot; belong to Brushwell&apos;s own files. Choose another name.</source>
        <translation>Les noms qui commencent par &quot;aobj_&quot; sont réservés aux fichiers de Brushwell. Choisissez un autre nom.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="545"/>
        <source>A picture needs 1 to 25 sections; this one has %1.</source>
        <translation>Une image doit avoir de 1 à 25 zones&#xa0;; celle-ci en a %1.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="550"/>
        <source>The picture was not saved, because Brushwell would not colour it as shown:

</source>
        <translation>L&apos;image n&apos;a pas été enregistrée, car Brushwell ne la colorierait pas comme elle est montrée&#xa0;:

</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="554"/>
        <source>%1 is already in the program folder. Replace it?</source>
        <translation>%1 est déjà dans le dossier du programme. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="561"/>
        <source>The picture could not be encoded.</source>
        <translation>L&apos;image n&apos;a pas pu être encodée.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="564"/>
        <source>%1 could not be saved (%2). Nothing was changed in the program folder.</source>
        <translation>%1 n&apos;a pas pu être enregistré (%2). Rien n&apos;a été modifié dans le dossier du programme.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="574"/>
        <source>%1 was saved, but its section file could not be written (%2). Brushwell will find the sections itself the first time it shows the picture.</source>
        <translation>%1 a été enregistré, mais son fichier des zones n&apos;a pas pu être écrit (%2). Brushwell trouvera les zones lui-même la première fois qu&apos;il affichera l&apos;image.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="580"/>
        <source>Saved %1 with %2 sections. Add it to a list on the Picture Lists page.</source>
        <translation>%1 enregistré avec %2 zones. Ajoutez-le à une liste dans la page Listes d&apos;images.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="581"/>
        <source>Checked and written in %1 ms.</source>
        <translation>Vérifié et écrit en %1 ms.</translation>
    </message>
</context>
<context>
    <name>OptionsFile</name>
    <message>
        <location filename="../src/settings/options_file.cpp" line="52"/>
        <source>%1 is &quot;%2&quot;, which is not a whole number; %3 is used.</source>
        <translation>%1 vaut &quot;%2&quot;, ce qui n&apos;est pas un nombre entier&#xa0;; %3 est utilisé.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="53"/>
        <source>%1 is &quot;%2&quot;, which is not a number; %3 is used.</source>
        <translation>%1 vaut &quot;%2&quot;, ce qui n&apos;est pas un nombre&#xa0;; %3 est utilisé.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="56"/>
        <source>%1 is %2, outside %3 to %4; %5 is used.</source>
        <translation>%1 vaut %2, hors de la plage %3 à %4&#xa0;; %5 est utilisé.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="74"/>
        <source>The file is damaged: it is not plain text (byte %1 is the control code %2). What could be read of it is used.</source>
        <translation>Le fichier est endommagé&#xa0;: ce n&apos;est pas du texte brut (l&apos;octet %1 est le code de contrôle %2). Ce qui a pu en être lu est utilisé.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="94"/>
        <source>The file is damaged; what could be read of it is used.</source>
        <translation>Le fichier est endommagé&#xa0;; ce qui a pu en être lu est utilisé.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="96"/>
        <source>The file could not be read; the standard options are used.</source>
        <translation>Le fichier n&apos;a pas pu être lu&#xa0;; les options standard sont utilisées.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="111"/>
        <source>[switch] has the unknown key %1; it is not used.</source>
        <translation>[switch] contient la clé inconnue %1&#xa0;; elle n&apos;est pas utilisée.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="122"/>
        <source>no temporary folder: %1</source>
        <translation>pas de dossier temporaire&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="135"/>
        <source>the options could not be prepared</source>
        <translation>les options n&apos;ont pas pu être préparées</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="199"/>
        <source>[voice] Language is &quot;%1&quot;, which is no language code such as en or fr; en is used.</source>
        <translation>[voice] Language vaut &quot;%1&quot;, ce qui n&apos;est pas un code de langue comme en ou fr&#xa0;; en est utilisé.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="203"/>
        <source>[voice] has the unknown key %1; it is not used.</source>
        <translation>[voice] contient la clé inconnue %1&#xa0;; elle n&apos;est pas utilisée.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="239"/>
        <source>[display] Language is &quot;%1&quot;; the screens can be shown in en, nl, fr, es, de or he. en is used.</source>
        <translation>[display] Language vaut &quot;%1&quot;&#xa0;; les écrans peuvent s&apos;afficher en en, nl, fr, es, de ou he. en est utilisé.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="269"/>
        <source>Brushwell found a problem in %1 and used standard values where needed:

</source>
        <translation>Brushwell a trouvé un problème dans %1 et a utilisé des valeurs standard là où il le fallait&#xa0;:

</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="272"/>
        <source>
Check the &quot;Switch Timing&quot; and &quot;Test Switches&quot; screens (from &quot;Keyboard / Switch Information&quot;) and the language on &quot;Auditory Settings&quot;; the file is written again when you change them.</source>
        <translation>
Vérifiez les écrans &quot;Temporisation&quot; et &quot;Tester les contacteurs&quot; (depuis &quot;Clavier / contacteur&quot;) et la langue dans &quot;Réglages du son&quot;&#xa0;; le fichier est réécrit quand vous les modifiez.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="326"/>
        <source>%1 is &quot;%2&quot;, which is not a rectangle x,y,w,h inside the image (each from 0 to 1); no rectangle is used.</source>
        <translation>%1 vaut &quot;%2&quot;, ce qui n&apos;est pas un rectangle x,y,w,h dans l&apos;image (chacun de 0 à 1)&#xa0;; aucun rectangle n&apos;est utilisé.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="334"/>
        <source>[camera] has the unknown key %1; it is not used.</source>
        <translation>[camera] contient la clé inconnue %1&#xa0;; elle n&apos;est pas utilisée.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="355"/>
        <source>The camera options could not be saved to %1 (%2).
The file on disk was left as it was; the options are used until Brushwell is closed.</source>
        <translation>Les options de la caméra n&apos;ont pas pu être enregistrées dans %1 (%2).
Le fichier sur le disque est resté tel quel&#xa0;; les options restent valables jusqu&apos;à la fermeture de Brushwell.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="387"/>
        <source>The switch options could not be saved to %1 (%2).
The file on disk was left as it was; the options are used until Brushwell is closed.</source>
        <translation>Les options des contacteurs n&apos;ont pas pu être enregistrées dans %1 (%2).
Le fichier sur le disque est resté tel quel&#xa0;; les options restent valables jusqu&apos;à la fermeture de Brushwell.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="398"/>
        <source>The narration language could not be saved to %1 (%2).
The file on disk was left as it was; the language is used until Brushwell is closed.</source>
        <translation>La langue de la narration n&apos;a pas pu être enregistrée dans %1 (%2).
Le fichier sur le disque est resté tel quel&#xa0;; la langue reste valable jusqu&apos;à la fermeture de Brushwell.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="413"/>
        <source>The language of the screens could not be saved to %1 (%2).
The file on disk was left as it was; the language is used until Brushwell is closed.</source>
        <translation>La langue des écrans n&apos;a pas pu être enregistrée dans %1 (%2).
Le fichier sur le disque est resté tel quel&#xa0;; la langue reste valable jusqu&apos;à la fermeture de Brushwell.</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="86"/>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="87"/>
        <source>it is a folder, not a picture file</source>
        <translation>c&apos;est un dossier, pas un fichier image</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="90"/>
        <source>it is not a picture that can be read (JPEG, BMP or PNG are)</source>
        <translation>ce n&apos;est pas une image lisible (JPEG, BMP ou PNG le sont)</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="93"/>
        <source>the file is damaged: it ends before its picture does</source>
        <translation>le fichier est endommagé&#xa0;: il s&apos;arrête avant la fin de l&apos;image</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="97"/>
        <location filename="../src/platform/picture_box.cpp" line="116"/>
        <source>it is %1 by %2 pixels, larger than the %3 by %3 pixels a picture may have</source>
        <translation>elle mesure %1 sur %2 pixels, plus que les %3 sur %3 pixels permis pour une image</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="110"/>
        <source>it could not be decoded (%1)</source>
        <translation>elle n&apos;a pas pu être décodée (%1)</translation>
    </message>
</context>
<context>
    <name>PictureChooser</name>
    <message>
        <location filename="../src/pictures/picture_chooser.cpp" line="40"/>
        <source>Choose the next picture</source>
        <translation>Choisissez l&apos;image suivante</translation>
    </message>
</context>
<context>
    <name>PictureDesign</name>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="154"/>
        <source>The new order must hold every section once.</source>
        <translation>Le nouvel ordre doit contenir chaque zone une fois.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="178"/>
        <source>Section %1 cannot be coloured after section %2: Brushwell colours from left to right, and all of section %1 lies too far to the left.</source>
        <translation>La zone %1 ne peut pas être coloriée après la zone %2&#xa0;: Brushwell colorie de gauche à droite, et toute la zone %1 est trop à gauche.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="201"/>
        <source>No place was found for the marker of section %1.</source>
        <translation>Aucune place n&apos;a été trouvée pour le repère de la zone %1.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="242"/>
        <source>Brushwell would find %1 section(s) in %2, not the %3 shown here.</source>
        <translation>Brushwell trouverait %1 zone(s) dans %2, et non les %3 montrées ici.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="252"/>
        <source>The paint of section %1 would spread beyond it. Close the gap in its outline.</source>
        <translation>La peinture de la zone %1 déborderait. Bouchez le trou dans son contour.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="262"/>
        <source>No area to colour was found. Try more detail.</source>
        <translation>Aucune zone à colorier n&apos;a été trouvée. Essayez plus de détail.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="263"/>
        <source>No closed area to colour was found. Are the outlines closed? Move &quot;Close gaps&quot; to the right.</source>
        <translation>Aucune zone fermée à colorier n&apos;a été trouvée. Les contours sont-ils fermés&#xa0;? Déplacez &quot;Combler les trous&quot; vers la droite.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="266"/>
        <source>%1 sections: Brushwell colours at most %2. Use &quot;Merge Down to 25 Sections&quot;, or lower the detail.</source>
        <translation>%1 zones&#xa0;: Brushwell en colorie %2 au plus. Utilisez &quot;Fusionner jusqu&apos;à 25 zones&quot;, ou réduisez le détail.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="268"/>
        <source>%1 sections: Brushwell colours at most %2. Use &quot;Merge Down to 25 Sections&quot;, or join two at a time with &quot;Two clicks join two regions&quot;.</source>
        <translation>%1 zones&#xa0;: Brushwell en colorie %2 au plus. Utilisez &quot;Fusionner jusqu&apos;à 25 zones&quot;, ou joignez-les deux par deux avec &quot;Deux clics joignent deux régions&quot;.</translation>
    </message>
    <message numerus="yes">
        <location filename="../tools/workshop/picture_design.cpp" line="274"/>
        <source>%n section(s), coloured in the numbered order.</source>
        <translation>
            <numerusform>%n zone, coloriée dans l&apos;ordre des numéros.</numerusform>
            <numerusform>%n zones, coloriées dans l&apos;ordre des numéros.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="277"/>
        <source>%1 region(s) in red are too small to see or to point at. Join each to a neighbour (&quot;Merge Small Regions&quot;, or &quot;Two clicks join two regions&quot;), or leave them white with &quot;Drop Small Regions&quot;.</source>
        <translation>%1 région(s) en rouge sont trop petites pour être vues ou pointées. Joignez chacune à une voisine (&quot;Fusionner les petites régions&quot;, ou &quot;Deux clics joignent deux régions&quot;), ou laissez-les blanches avec &quot;Exclure les petites régions&quot;.</translation>
    </message>
    <message numerus="yes">
        <location filename="../tools/workshop/picture_design.cpp" line="283"/>
        <source>%n small region(s) are left white and not coloured.</source>
        <translation>
            <numerusform>%n petite région reste blanche et n&apos;est pas coloriée.</numerusform>
            <numerusform>%n petites régions restent blanches et ne sont pas coloriées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../tools/workshop/picture_design.cpp" line="286"/>
        <source>%n section(s) lie so near the top that the pointer is partly hidden.</source>
        <translation>
            <numerusform>%n zone est si près du haut que le pointeur est en partie caché.</numerusform>
            <numerusform>%n zones sont si près du haut que le pointeur est en partie caché.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureList</name>
    <message>
        <location filename="../src/pictures/picture_list.cpp" line="83"/>
        <source>%1 is a folder, not a file</source>
        <translation>%1 est un dossier, pas un fichier</translation>
    </message>
    <message>
        <location filename="../src/pictures/picture_list.cpp" line="88"/>
        <source>%1 could not be opened (%2)</source>
        <translation>%1 n&apos;a pas pu être ouvert (%2)</translation>
    </message>
    <message>
        <location filename="../src/pictures/picture_list.cpp" line="93"/>
        <source>%1 could not be read to its end (%2)</source>
        <translation>%1 n&apos;a pas pu être lu jusqu&apos;au bout (%2)</translation>
    </message>
</context>
<context>
    <name>PictureListsScreen</name>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="19"/>
        <location filename="../src/menu/picture_lists_screen.cpp" line="60"/>
        <source>Picture List</source>
        <translation>Liste d&apos;images</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="30"/>
        <source>Brushwell allows you to save up to 15 different Picture Lists.  These lists contain the names of the pictures that will be used by the program. The program will use the list that is checked off under the Active Picture List heading. You can create lists for different students, create lists for different holidays, ... Please refer to the users guide for instructions on how to create your own pictures.  A few lists are already supplied with the program.</source>
        <translation>Brushwell vous permet d&apos;enregistrer jusqu&apos;à 15 listes d&apos;images différentes. Ces listes contiennent les noms des images que le programme utilisera. Le programme utilise la liste cochée sous le titre Liste active. Vous pouvez créer des listes pour différents élèves, pour différentes fêtes, ... Le guide d&apos;utilisation explique comment créer vos propres images. Quelques listes sont déjà fournies avec le programme.</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="37"/>
        <source>Clicking the Edit Picture List button will bring up &quot;Windows Notepad&quot; and present the list.  When finished editing the file, just click save and exit from Notepad.  You can copy picture names from one list to another by simply clicking on the old list and cutting and pasting the names into the new list.  You can bypass a picture from being displayed by placing a dash before the picture name in the list.  For example -ball.bmp will cause the ball picture to be bypassed. When a picture is displayed on the screen for painting, the name of the picture is displayed in dark red right above the picture that is being painted.</source>
        <translation>Le bouton Modifier la liste ouvre la liste dans le &quot;Bloc-notes de Windows&quot;. Une fois la modification terminée, enregistrez et quittez le Bloc-notes. Vous pouvez copier des noms d&apos;images d&apos;une liste à l&apos;autre en ouvrant l&apos;ancienne liste, puis en coupant et collant les noms dans la nouvelle. Pour qu&apos;une image ne soit pas affichée, placez un tiret devant son nom dans la liste. Par exemple, -ball.bmp fait sauter l&apos;image du ballon. Quand une image est affichée à l&apos;écran pour être coloriée, son nom apparaît en rouge foncé juste au-dessus d&apos;elle.</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="48"/>
        <source>Picture Workshop</source>
        <translation>Atelier d&apos;images</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="50"/>
        <source>Make pictures from drawings and photos, and edit the picture lists</source>
        <translation>Créer des images à partir de dessins et de photos, et modifier les listes d&apos;images</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="58"/>
        <source>Active Picture List</source>
        <translation>Liste active</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="62"/>
        <source>Picture List Description</source>
        <translation>Description de la liste</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="66"/>
        <source>Active Picture List %1</source>
        <translation>Liste d&apos;images active %1</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="70"/>
        <source>Picture List Description %1</source>
        <translation>Description de la liste d&apos;images %1</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="72"/>
        <source>Edit Picture List #%1</source>
        <translation>Modifier la liste %1</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="110"/>
        <source>Enter a description for Picture List Number %1</source>
        <translation>Saisissez une description pour la liste d&apos;images numéro %1</translation>
    </message>
</context>
<context>
    <name>PortIo</name>
    <message>
        <location filename="../src/platform/port_io.cpp" line="65"/>
        <source>no serial device for COM %1 (is the USB serial adapter plugged in?)</source>
        <translation>pas de port série pour COM %1 (l&apos;adaptateur série USB est-il branché&#xa0;?)</translation>
    </message>
    <message>
        <location filename="../src/platform/port_io.cpp" line="154"/>
        <source>%1 cannot be opened</source>
        <translation>%1 ne peut pas être ouvert</translation>
    </message>
    <message>
        <location filename="../src/platform/port_io.cpp" line="224"/>
        <source>no serial device</source>
        <translation>pas de port série</translation>
    </message>
</context>
<context>
    <name>PrintingExitLink</name>
    <message>
        <location filename="../src/pictures/printing_exit_link.cpp" line="51"/>
        <source>Picture sent to printer</source>
        <translation>Image envoyée à l&apos;imprimante</translation>
    </message>
    <message>
        <location filename="../src/pictures/printing_exit_link.cpp" line="53"/>
        <source>The picture could not be printed.</source>
        <translation>L&apos;image n&apos;a pas pu être imprimée.</translation>
    </message>
    <message>
        <location filename="../src/pictures/printing_exit_link.cpp" line="62"/>
        <source>Double-tap here 
for main menu</source>
        <translation>Touchez deux fois 
pour le menu</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <location filename="../src/app/program_folder.cpp" line="86"/>
        <source>The folder %1 for your own settings and lists could not be made.</source>
        <translation>Le dossier %1 pour vos propres réglages et listes n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="99"/>
        <source>The old link %1 could not be replaced.</source>
        <translation>L&apos;ancien lien %1 n&apos;a pas pu être remplacé.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="104"/>
        <source>%1 could not be written (%2).</source>
        <translation>%1 n&apos;a pas pu être écrit (%2).</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="117"/>
        <source>%1 could not be copied into %2.</source>
        <translation>%1 n&apos;a pas pu être copié dans %2.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="119"/>
        <source>%1 could not be linked into %2.</source>
        <translation>%1 n&apos;a pas pu être lié dans %2.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="137"/>
        <source>
Brushwell runs from %1, where your settings cannot be saved.</source>
        <translation>
Brushwell fonctionne depuis %1, où vos réglages ne peuvent pas être enregistrés.</translation>
    </message>
</context>
<context>
    <name>ProgressRecords</name>
    <message>
        <location filename="../src/records/progress_log.cpp" line="259"/>
        <source>The progress file %1 has no header row naming its columns (started, user, list, ...), so none of its rows can be shown.
The file is left as it is.</source>
        <translation>Le fichier de progrès %1 n&apos;a pas de ligne d&apos;en-tête nommant ses colonnes (started, user, list, ...)&#xa0;: aucune de ses lignes ne peut donc être affichée.
Le fichier est laissé tel quel.</translation>
    </message>
    <message>
        <location filename="../src/session/progress_entry.cpp" line="69"/>
        <source>The progress record %1 could not be saved: %2.
Colouring goes on; the record of this picture is kept and saved with the next one.</source>
        <translation>L&apos;enregistrement de progrès %1 n&apos;a pas pu être sauvegardé&#xa0;: %2.
Le coloriage continue&#xa0;; l&apos;enregistrement de cette image est gardé et sauvegardé avec le suivant.</translation>
    </message>
</context>
<context>
    <name>ProgressScreen</name>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="63"/>
        <source>week of %1</source>
        <translation>semaine du %1</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <location filename="../src/platform/qt_host.cpp" line="132"/>
        <source>No printer is set up on this computer, so the picture was not printed.
Set up a default printer in the system&apos;s printer settings and try again.</source>
        <translation>Aucune imprimante n&apos;est configurée sur cet ordinateur&#xa0;: l&apos;image n&apos;a donc pas été imprimée.
Configurez une imprimante par défaut dans les réglages d&apos;impression du système, puis réessayez.</translation>
    </message>
    <message>
        <location filename="../src/platform/qt_host.cpp" line="137"/>
        <source>The printer &quot;%1&quot; cannot be used, so the picture was not printed.</source>
        <translation>L&apos;imprimante &quot;%1&quot; ne peut pas être utilisée&#xa0;: l&apos;image n&apos;a donc pas été imprimée.</translation>
    </message>
    <message>
        <location filename="../src/platform/qt_host.cpp" line="142"/>
        <source>The printer &quot;%1&quot; reported an error, so the picture may not have been printed.</source>
        <translation>L&apos;imprimante &quot;%1&quot; a signalé une erreur&#xa0;: l&apos;image n&apos;a peut-être pas été imprimée.</translation>
    </message>
</context>
<context>
    <name>RegionEdit</name>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="105"/>
        <source>Choose two different regions.</source>
        <translation>Choisissez deux régions différentes.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="114"/>
        <source>These two regions do not touch.</source>
        <translation>Ces deux régions ne se touchent pas.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="217"/>
        <source>These two regions cannot be joined without opening the outline of another one.</source>
        <translation>Ces deux régions ne peuvent pas être jointes sans ouvrir le contour d&apos;une autre.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="328"/>
        <source>Draw a longer line, across the region from one outline to the other.</source>
        <translation>Tracez une ligne plus longue, à travers la région d&apos;un contour à l&apos;autre.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="340"/>
        <source>Draw the line across a region, not along an outline.</source>
        <translation>Tracez la ligne à travers une région, pas le long d&apos;un contour.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="363"/>
        <source>The line did not divide the region. Draw it across, from one outline to the other.</source>
        <translation>La ligne n&apos;a pas coupé la région. Tracez-la d&apos;un contour à l&apos;autre.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="387"/>
        <location filename="../tools/workshop/region_edit.cpp" line="426"/>
        <source>There is no line there to erase.</source>
        <translation>Il n&apos;y a pas de ligne à effacer à cet endroit.</translation>
    </message>
</context>
<context>
    <name>ScanScreen</name>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="38"/>
        <source>20 seconds</source>
        <translation>20 secondes</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="40"/>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/scan_screen.cpp" line="41"/>
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="52"/>
        <source>Scanning Options</source>
        <translation>Options de défilement</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="59"/>
        <source>The term &quot;Scan Position&quot;  is the position at which the paint tube has moved towards the picture and waits.  This is the color that will be used to paint the part of the picture if chosen. The &quot;Input Device&quot; option from the main menu will determine how the Swicth is configured.</source>
        <translation>La &quot;Position de sélection&quot; est l&apos;endroit où le tube de peinture s&apos;est avancé vers l&apos;image et attend. C&apos;est la couleur qui servira à colorier la zone de l&apos;image si elle est choisie. Le bouton &quot;Clavier / contacteur&quot; du menu principal détermine comment le contacteur est configuré.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="65"/>
        <source>Timed Scanning</source>
        <translation>Défilement automatique</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="66"/>
        <source>Step Scanning - 1 Switch</source>
        <translation>Défilement pas à pas - 1 contacteur</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="67"/>
        <source>Step Scanning - 2 Switches</source>
        <translation>Défilement pas à pas - 2 contacteurs</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="69"/>
        <source>No Scanning - Left mouse click on the desired paint tube to select that color.</source>
        <translation>Sans défilement - Cliquez (bouton gauche) sur le tube de peinture voulu pour choisir cette couleur.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="73"/>
        <source>Timed Scanning seconds</source>
        <translation>Secondes du défilement automatique</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="75"/>
        <source>Step Scanning - 1 Switch seconds</source>
        <translation>Secondes du défilement pas à pas - 1 contacteur</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="90"/>
        <source>Set the slider bar to the number of seconds that the paint tube will wait in the &quot;Scan Position&quot; before the paint tube will move back in line and another paint tube will move to the &quot;Scan Position&quot;.  If the switch is pressed while the paint tube is in the &quot;Scan Position&quot;, the portion of the picture will be colored with the color of that paint tube.</source>
        <translation>Réglez le curseur sur le nombre de secondes pendant lesquelles le tube de peinture attend en &quot;Position de sélection&quot; avant de reprendre sa place et qu&apos;un autre tube vienne en &quot;Position de sélection&quot;. Si le contacteur est actionné pendant que le tube est en &quot;Position de sélection&quot;, la zone de l&apos;image est coloriée avec la couleur de ce tube.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="98"/>
        <source>Pressing the switch will cause the next paint tube in line to move into the &quot;Scan Position&quot;.  The number of seconds set in this option will determine the maximum seconds that the program will wait for a switch press in order to select another paint tube to go in the &quot;Scan Position&quot;.  If the switch was not pressed during this time, the program will assume that the paint tube in the &quot;Scan Position&quot; is the color that the user wants to paint that portion of the picture.</source>
        <translation>Chaque appui sur le contacteur amène le tube de peinture suivant en &quot;Position de sélection&quot;. Le nombre de secondes réglé ici est le temps maximal pendant lequel le programme attend un appui pour amener un autre tube en &quot;Position de sélection&quot;. Si le contacteur n&apos;est pas actionné pendant ce temps, le programme considère que l&apos;utilisateur veut colorier la zone avec le tube qui est en &quot;Position de sélection&quot;.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="106"/>
        <source>The &lt;space&gt; key of left mouse click is used  to move a paint tube into the &quot;Scan Position&quot; and the &lt;Enter&gt; key (or any switch used to emulate the &lt;Enter&gt; key) is used to select that color for painting the portion of the picture.</source>
        <translation>La touche &lt;espace&gt; ou le clic gauche amène un tube de peinture en &quot;Position de sélection&quot;, et la touche &lt;Entrée&gt; (ou tout contacteur qui remplace la touche &lt;Entrée&gt;) choisit cette couleur pour colorier la zone de l&apos;image.</translation>
    </message>
</context>
<context>
    <name>ScreenWidgets</name>
    <message>
        <location filename="../src/menu/screen_widgets.cpp" line="54"/>
        <source>Main Menu</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>SectionScan</name>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="33"/>
        <source>The width &amp; height of a picture file must be 400 by 400 pixels.
The dimensions for %1  is %2 by %3.
Please check %1 for accuracy</source>
        <translation>La largeur et la hauteur d&apos;un fichier image doivent être de 400 sur 400 pixels.
Les dimensions de %1 sont %2 sur %3.
Veuillez contrôler %1 pour vous assurer qu&apos;il est correct</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="41"/>
        <source>The number of sections to color must be between 1 and 25. 
The number of sections found in %1 to color is %2.
Please check %1 for accuracy</source>
        <translation>Le nombre de zones à colorier doit être compris entre 1 et 25. 
Le nombre de zones à colorier trouvées dans %1 est de %2.
Veuillez contrôler %1 pour vous assurer qu&apos;il est correct</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="111"/>
        <source>The section file %1 could not be written: %2</source>
        <translation>Le fichier des zones %1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="126"/>
        <source>The section file %1 could not be opened: %2</source>
        <translation>Le fichier des zones %1 n&apos;a pas pu être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="131"/>
        <location filename="../src/pictures/section_scan.cpp" line="136"/>
        <source>The section file %1 is far too large to be one.</source>
        <translation>Le fichier des zones %1 est bien trop gros pour en être un.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="150"/>
        <source>Line %1 of the section file %2 is not a number.</source>
        <translation>La ligne %1 du fichier des zones %2 n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="158"/>
        <source>The section file %1 holds no sections.</source>
        <translation>Le fichier des zones %1 ne contient aucune zone.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="162"/>
        <source>The section file %1 has an odd number of lines (%2).</source>
        <translation>Le fichier des zones %1 a un nombre impair de lignes (%2).</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="168"/>
        <source>The section file %1 holds %2 sections, more than %3.</source>
        <translation>Le fichier des zones %1 contient %2 zones, plus que %3.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="181"/>
        <source>Section %1 of the section file %2 lies outside the picture (%3, %4).</source>
        <translation>La zone %1 du fichier des zones %2 est hors de l&apos;image (%3, %4).</translation>
    </message>
</context>
<context>
    <name>SerialBackend</name>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="63"/>
        <source>cannot set the RTS and DTR lines</source>
        <translation>impossible de régler les lignes RTS et DTR</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="71"/>
        <source>cannot read the modem lines</source>
        <translation>impossible de lire les lignes du modem</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="96"/>
        <source>%1 was disconnected</source>
        <translation>%1 a été débranché</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="120"/>
        <source>%1: no permission. Add the user to the &quot;%2&quot; group and log in again.</source>
        <translation>%1&#xa0;: pas d&apos;autorisation. Ajoutez l&apos;utilisateur au groupe &quot;%2&quot; et reconnectez-vous.</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="122"/>
        <source>%1: no permission (or the port is in use by another program).</source>
        <translation>%1&#xa0;: pas d&apos;autorisation (ou le port est utilisé par un autre programme).</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="126"/>
        <source>%1 is not there any more (unplugged?).</source>
        <translation>%1 n&apos;est plus là (débranché&#xa0;?).</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="128"/>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SessionDriver</name>
    <message>
        <location filename="../src/session/session_driver.cpp" line="38"/>
        <source>Picture List number %1 names %2 pictures; only the first %3 are used.</source>
        <translation>La liste d&apos;images numéro %1 nomme %2 images&#xa0;; seules les %3 premières sont utilisées.</translation>
    </message>
    <message>
        <location filename="../src/session/session_driver.cpp" line="53"/>
        <source>Picture List number %1 cannot be read: %2.
Please check the file, or choose another list on the Picture List screen.</source>
        <translation>La liste d&apos;images numéro %1 ne peut pas être lue&#xa0;: %2.
Veuillez vérifier le fichier ou choisir une autre liste dans l&apos;écran Liste d&apos;images.</translation>
    </message>
    <message>
        <location filename="../src/session/session_driver.cpp" line="64"/>
        <source>Picture List number %1 is empty</source>
        <translation>La liste d&apos;images numéro %1 est vide</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="59"/>
        <source>input device</source>
        <translation>périphérique d&apos;entrée</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="60"/>
        <location filename="../src/settings/settings_file.cpp" line="69"/>
        <location filename="../src/settings/settings_file.cpp" line="73"/>
        <location filename="../src/settings/settings_file.cpp" line="74"/>
        <location filename="../src/settings/settings_file.cpp" line="75"/>
        <source>reserved value</source>
        <translation>valeur réservée</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="61"/>
        <source>sound option</source>
        <translation>option de son</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="62"/>
        <source>press reminder seconds</source>
        <translation>secondes du rappel d&apos;appui</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="63"/>
        <source>animation speed</source>
        <translation>vitesse d&apos;animation</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="65"/>
        <source>text folder</source>
        <translation>dossier des textes</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="67"/>
        <source>media folder</source>
        <translation>dossier des médias</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="70"/>
        <source>timed scanning seconds</source>
        <translation>secondes du défilement automatique</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="71"/>
        <source>current picture</source>
        <translation>image en cours</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="72"/>
        <source>current song</source>
        <translation>chanson en cours</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="76"/>
        <source>feedback option</source>
        <translation>option de réaction</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="77"/>
        <source>switch wait mode</source>
        <translation>mode d&apos;attente du contacteur</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="78"/>
        <source>coloring style</source>
        <translation>style de coloriage</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="79"/>
        <source>scanning type</source>
        <translation>type de défilement</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="80"/>
        <source>step scanning seconds</source>
        <translation>secondes du défilement pas à pas</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="81"/>
        <source>random colors</source>
        <translation>couleurs au hasard</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="82"/>
        <source>number of random tubes</source>
        <translation>nombre de tubes au hasard</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="83"/>
        <source>print option</source>
        <translation>option d&apos;impression</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="84"/>
        <source>pointer type</source>
        <translation>type de pointeur</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="86"/>
        <source>color choice</source>
        <translation>choix des couleurs</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="89"/>
        <source>active picture list</source>
        <translation>liste d&apos;images active</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="216"/>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="227"/>
        <source>The settings file %1 was not found; the standard settings are used.</source>
        <translation>Le fichier de réglages %1 est introuvable&#xa0;; les réglages standard sont utilisés.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="229"/>
        <source>The settings file %1 could not be read (%2); the standard settings are used.</source>
        <translation>Le fichier de réglages %1 n&apos;a pas pu être lu (%2)&#xa0;; les réglages standard sont utilisés.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="243"/>
        <source>%1 ends before line %2; the settings from there on have their standard values.</source>
        <translation>%1 s&apos;arrête avant la ligne %2&#xa0;; les réglages à partir de là ont leur valeur standard.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="255"/>
        <source>Line %1 of %2 (%3) is not a number; the %4 keeps its standard value.</source>
        <translation>La ligne %1 de %2 (%3) n&apos;est pas un nombre&#xa0;; le réglage &quot;%4&quot; garde sa valeur standard.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="261"/>
        <source>Line %1 of %2 holds %3, outside the %4 range %5 to %6; the speed will be calibrated again.</source>
        <translation>La ligne %1 de %2 contient %3, hors de la plage de &quot;%4&quot;, de %5 à %6&#xa0;; la vitesse sera étalonnée à nouveau.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="273"/>
        <source>Line %1 of %2 holds %3, which is not a valid %4 (%5 to %6); %7 is used.</source>
        <translation>La ligne %1 de %2 contient %3, qui n&apos;est pas une valeur valable pour &quot;%4&quot; (%5 à %6)&#xa0;; %7 est utilisé.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="284"/>
        <source>%1 ends before line %2; the descriptions of picture lists %3 to 15 are empty.</source>
        <translation>%1 s&apos;arrête avant la ligne %2&#xa0;; les descriptions des listes d&apos;images %3 à 15 sont vides.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="307"/>
        <source>the file is read-only, the settings are locked</source>
        <translation>le fichier est en lecture seule, les réglages sont verrouillés</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="314"/>
        <source>Brushwell found a problem in its settings and used standard values where needed:

</source>
        <translation>Brushwell a trouvé un problème dans ses réglages et a utilisé des valeurs standard là où il le fallait&#xa0;:

</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="316"/>
        <source>- and %1 more.
</source>
        <translation>- et %1 de plus.
</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="317"/>
        <source>
Check the settings screens. The settings file is written again when you leave with &quot;Exit&quot;.</source>
        <translation>
Vérifiez les écrans de réglage. Le fichier de réglages est réécrit quand vous sortez avec &quot;Quitter&quot;.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="390"/>
        <source>
Brushwell leaves %1 as it is and will not save over it. Make it readable again (or ask who set up this computer), then start Brushwell again.</source>
        <translation>
Brushwell laisse %1 tel quel et n&apos;enregistrera rien par-dessus. Rendez-le de nouveau lisible (ou demandez à la personne qui a installé cet ordinateur), puis relancez Brushwell.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="408"/>
        <source>The settings were not saved: the settings file %1 could not be read when Brushwell started, so it is left as it was.</source>
        <translation>Les réglages n&apos;ont pas été enregistrés&#xa0;: le fichier de réglages %1 n&apos;a pas pu être lu au démarrage de Brushwell, il est donc resté tel quel.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="412"/>
        <source>The settings are locked: the settings file %1 is read-only, so changes made since Brushwell started were not saved.</source>
        <translation>Les réglages sont verrouillés&#xa0;: le fichier de réglages %1 est en lecture seule, les modifications faites depuis le démarrage de Brushwell n&apos;ont donc pas été enregistrées.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="428"/>
        <source>The settings could not be saved to %1 (%2).
The file on disk was left as it was.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans %1 (%2).
Le fichier sur le disque est resté tel quel.</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <location filename="../src/session/setup.cpp" line="48"/>
        <source>The image file %1 of the program folder cannot be shown: %2.
Colouring needs it, so the main menu is shown again.
Putting the program folder&apos;s files back in place mends this.</source>
        <translation>Le fichier image %1 du dossier du programme ne peut pas être affiché&#xa0;: %2.
Le coloriage en a besoin&#xa0;: le menu principal s&apos;affiche donc de nouveau.
Remettre en place les fichiers du dossier du programme règle le problème.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/session/setup.cpp" line="58"/>
        <source>The settings offer %n paint colour(s), but colouring needs at least 2.
Choose the colours on the Coloring Options screen and start again.</source>
        <translation>
            <numerusform>Les réglages proposent %n couleur, mais le coloriage en demande au moins 2.
Choisissez les couleurs dans l&apos;écran Options de coloriage et recommencez.</numerusform>
            <numerusform>Les réglages proposent %n couleurs, mais le coloriage en demande au moins 2.
Choisissez les couleurs dans l&apos;écran Options de coloriage et recommencez.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/session/setup.cpp" line="140"/>
        <source>The picture file %1
was not found.Click on the Picture List Button
to make sure the name was spelled correctly</source>
        <translation>Le fichier image %1
est introuvable.Cliquez sur le bouton Liste d&apos;images
pour vérifier que le nom est bien orthographié</translation>
    </message>
</context>
<context>
    <name>SingleProgram</name>
    <message>
        <location filename="../src/app/single_program.cpp" line="138"/>
        <source>Brushwell is already running.</source>
        <translation>Brushwell est déjà ouvert.</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <location filename="../src/media/sound.cpp" line="157"/>
        <source>it is not a WAV file</source>
        <translation>ce n&apos;est pas un fichier WAV</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="166"/>
        <source>it is damaged: its format chunk runs past the end of the file</source>
        <translation>il est endommagé&#xa0;: son bloc de format dépasse la fin du fichier</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="167"/>
        <source>it is damaged: its format chunk is too short</source>
        <translation>il est endommagé&#xa0;: son bloc de format est trop court</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="172"/>
        <source>it is damaged: it claims %1 channels, and 1 to %2 are usable</source>
        <translation>il est endommagé&#xa0;: il annonce %1 canaux, alors que 1 à %2 sont utilisables</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="177"/>
        <source>it is damaged: it claims a sample rate of %1 Hz, and %2 to %3 Hz are usable</source>
        <translation>il est endommagé&#xa0;: il annonce une fréquence d&apos;échantillonnage de %1 Hz, alors que %2 à %3 Hz sont utilisables</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="183"/>
        <source>it is damaged: its sound data comes before its format</source>
        <translation>il est endommagé&#xa0;: ses données sonores précèdent son format</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="190"/>
        <source>it is damaged: it holds no sound data</source>
        <translation>il est endommagé&#xa0;: il ne contient aucune donnée sonore</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="191"/>
        <source>it is damaged: it has no format chunk</source>
        <translation>il est endommagé&#xa0;: il n&apos;a pas de bloc de format</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="204"/>
        <location filename="../src/media/sound.cpp" line="210"/>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1 Mo</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="229"/>
        <source>it is not a usable WAV file: it lasts more than %1 minutes</source>
        <translation>ce n&apos;est pas un fichier WAV utilisable&#xa0;: il dure plus de %1 minutes</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="287"/>
        <source>The sound file %1 could not be played (%2).
Brushwell goes on without it.</source>
        <translation>Le fichier son %1 n&apos;a pas pu être lu (%2).
Brushwell continue sans lui.</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="378"/>
        <source>Could&apos;t find song %1
The program is going to terminate</source>
        <translation>Chanson %1 introuvable
Le programme va se fermer</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../src/app/startup.cpp" line="28"/>
        <source>Your screen settings are set to %1 colors.</source>
        <translation>Votre écran est réglé sur %1 couleurs.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="29"/>
        <source>See the Brushwell User&apos;s Guide on how to change your screen color settings</source>
        <translation>Le guide de l&apos;utilisateur de Brushwell explique comment changer le réglage des couleurs de votre écran</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="32"/>
        <source>Brushwell requires that your screen setting colors are set to at least 65,536 colors.</source>
        <translation>Brushwell exige que votre écran soit réglé sur au moins 65 536 couleurs.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="38"/>
        <source>Though Brushwell will run with these settings,
it is recommended that you set your colors to True Color (32 Bit)</source>
        <translation>Brushwell fonctionnera avec ce réglage,
mais il est conseillé de régler les couleurs sur True Color (32 bits)</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="72"/>
        <source>The user who coloured last, &quot;%1&quot;, is no longer in %2.
Brushwell starts with no user chosen; the carer can choose one with &quot;User&quot; on the main menu.</source>
        <translation>L&apos;utilisateur qui a colorié en dernier, &quot;%1&quot;, n&apos;est plus dans %2.
Brushwell démarre sans utilisateur choisi&#xa0;; l&apos;accompagnant peut en choisir un avec &quot;Utilisateur&quot; dans le menu principal.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="86"/>
        <source>There is no user called &quot;%1&quot; in %2.
Brushwell starts with no user chosen; the carer can choose one with &quot;User&quot; on the main menu.</source>
        <translation>Il n&apos;y a pas d&apos;utilisateur nommé &quot;%1&quot; dans %2.
Brushwell démarre sans utilisateur choisi&#xa0;; l&apos;accompagnant peut en choisir un avec &quot;Utilisateur&quot; dans le menu principal.</translation>
    </message>
</context>
<context>
    <name>StatisticsScreen</name>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="19"/>
        <source>%1 minute(s) and %2 second(s)</source>
        <translation>%1 minute(s) et %2 seconde(s)</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="24"/>
        <source>Timed Scanning</source>
        <translation>Défilement automatique</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="25"/>
        <source>Step Scanning - 1 switch</source>
        <translation>Défilement pas à pas - 1 contacteur</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="26"/>
        <source>Step Scanning - 2 switches</source>
        <translation>Défilement pas à pas - 2 contacteurs</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="27"/>
        <source>No Scanning - Mouse click selects</source>
        <translation>Sans défilement - choix par clic de souris</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="32"/>
        <source>Session Statistics</source>
        <translation>Statistiques de la séance</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="50"/>
        <source>Picture List Used:</source>
        <translation>Liste d&apos;images utilisée&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="51"/>
        <source>Time Elapsed:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="52"/>
        <source>Number of Pictures Completed: </source>
        <translation>Nombre d&apos;images terminées&#xa0;: </translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="53"/>
        <source>Number of Segments Colored:</source>
        <translation>Nombre de zones coloriées&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="54"/>
        <source>Scanning Type:</source>
        <translation>Type de défilement&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SwitchAdapter</name>
    <message>
        <location filename="../src/input/switch_adapter.cpp" line="28"/>
        <source>Adapter in Joystick (Game) Port</source>
        <translation>Adaptateur sur le port joystick (jeu)</translation>
    </message>
    <message>
        <location filename="../src/input/switch_adapter.cpp" line="29"/>
        <source>Adapter in COM %1</source>
        <translation>Adaptateur sur COM %1</translation>
    </message>
    <message>
        <location filename="../src/input/switch_adapter.cpp" line="76"/>
        <source>The switch on &quot;%1&quot; cannot be read:
%2
Until this is put right the switch reads as not pressed.</source>
        <translation>Le contacteur sur &quot;%1&quot; ne peut pas être lu&#xa0;:
%2
Tant que ce n&apos;est pas réglé, le contacteur est considéré comme relâché.</translation>
    </message>
</context>
<context>
    <name>SwitchInputs</name>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="107"/>
        <source>%1: &quot;%2&quot; names no key Brushwell knows; it is not used.</source>
        <translation>%1&#xa0;: &quot;%2&quot; ne désigne aucune touche connue de Brushwell&#xa0;; ce n&apos;est pas utilisé.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="109"/>
        <source>%1: &quot;%2&quot; is a modifier key, which cannot be a switch; it is not used.</source>
        <translation>%1&#xa0;: &quot;%2&quot; est une touche de modification, qui ne peut pas servir de contacteur&#xa0;; ce n&apos;est pas utilisé.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="111"/>
        <source>%1: &quot;%2&quot; is a key that already has its own meaning; it is not used.</source>
        <translation>%1&#xa0;: &quot;%2&quot; est une touche qui a déjà sa propre fonction&#xa0;; ce n&apos;est pas utilisé.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="117"/>
        <source>%1: &quot;%2&quot; names no mouse button (Left, Right, Middle, Back or Forward); it is not used.</source>
        <translation>%1&#xa0;: &quot;%2&quot; ne désigne aucun bouton de souris (Left, Right, Middle, Back ou Forward)&#xa0;; ce n&apos;est pas utilisé.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="119"/>
        <source>%1: &quot;%2&quot; is the left mouse button, which is already switch 1; it is not used.</source>
        <translation>%1&#xa0;: &quot;%2&quot; est le bouton gauche de la souris, qui est déjà le contacteur 1&#xa0;; ce n&apos;est pas utilisé.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="126"/>
        <source>%1: &quot;%2&quot; needs a joystick 1 to 16 and a button 1 to 32; it is not used.</source>
        <translation>%1&#xa0;: &quot;%2&quot; demande un joystick de 1 à 16 et un bouton de 1 à 32&#xa0;; ce n&apos;est pas utilisé.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="128"/>
        <source>%1: &quot;%2&quot; is not of the form Key:&lt;name&gt;, Mouse:&lt;button&gt; or Joystick:&lt;joystick&gt;:&lt;button&gt;; it is not used.</source>
        <translation>%1&#xa0;: &quot;%2&quot; n&apos;est pas de la forme Key:&lt;nom&gt;, Mouse:&lt;bouton&gt; ou Joystick:&lt;joystick&gt;:&lt;bouton&gt;&#xa0;; ce n&apos;est pas utilisé.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="162"/>
        <source>the %1 key</source>
        <translation>la touche %1</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="164"/>
        <source>the %1 mouse button</source>
        <translation>le bouton de souris %1</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="166"/>
        <source>button %1 of joystick %2</source>
        <translation>le bouton %1 du joystick %2</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="181"/>
        <source>Switch2: &quot;%1&quot; is switch 1 already; it is not used.</source>
        <translation>Switch2&#xa0;: &quot;%1&quot; est déjà le contacteur 1&#xa0;; ce n&apos;est pas utilisé.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="190"/>
        <source>Switch%1: %2 is not connected; it is read once it is plugged in.</source>
        <translation>Switch%1&#xa0;: %2 n&apos;est pas branché&#xa0;; il sera lu dès qu&apos;il sera branché.</translation>
    </message>
</context>
<context>
    <name>SwitchTimingScreen</name>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="19"/>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="25"/>
        <location filename="../src/menu/switch_timing_screen.cpp" line="37"/>
        <source>Switch Timing</source>
        <translation>Temporisation</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="32"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="43"/>
        <source>These times apply to every switch, key and mouse button. Every option at its left end leaves Brushwell as it always was. Try a setting on the &quot;Test Switches&quot; screen.</source>
        <translation>Ces temps valent pour chaque contacteur, touche et bouton de souris. Chaque option placée tout à gauche laisse Brushwell tel qu&apos;il a toujours été. Essayez un réglage dans l&apos;écran &quot;Tester les contacteurs&quot;.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="97"/>
        <source>Hold before a press counts</source>
        <translation>Maintien avant qu&apos;un appui compte</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="98"/>
        <source>The switch must be held this long before a press counts; a shorter touch counts for nothing. Helps users with tremor or spasms who hit the switch by accident.</source>
        <translation>Le contacteur doit être maintenu aussi longtemps avant qu&apos;un appui compte&#xa0;; un contact plus court ne compte pas. Aide les utilisateurs qui ont des tremblements ou des spasmes et touchent le contacteur par accident.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="101"/>
        <source>Off: a press counts at once</source>
        <translation>Désactivé&#xa0;: compte aussitôt</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="102"/>
        <source>Ignore after a press</source>
        <translation>Ignorer après un appui</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="103"/>
        <source>After a press that counted, anything within this time of letting go is ignored. Helps with switches that bounce and users who hit twice.</source>
        <translation>Après un appui qui a compté, tout ce qui arrive dans ce délai après le relâchement est ignoré. Aide avec les contacteurs qui rebondissent et les utilisateurs qui appuient deux fois.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="105"/>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="106"/>
        <source>First tube waits longer</source>
        <translation>Le premier tube attend plus</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="107"/>
        <source>In timed scanning and step scanning with one switch, the first paint tube offered for each part of the picture waits this many times longer. Gives time to get ready after each painting.</source>
        <translation>En défilement automatique et en défilement pas à pas à un contacteur, le premier tube de peinture proposé pour chaque zone de l&apos;image attend autant de fois plus longtemps. Laisse le temps de se préparer après chaque coloriage.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="111"/>
        <source>Off: 1.0 times</source>
        <translation>Désactivé&#xa0;: 1.0 fois</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="112"/>
        <source>%1 times as long</source>
        <translation>%1 fois plus long</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="114"/>
        <source>Rest after scan cycles</source>
        <translation>Pause après des tours</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="115"/>
        <source>In timed scanning, after this many rounds of all the tubes without a choice the tubes rest until the next press. Keeps the program quiet when the user has stopped or needs help.</source>
        <translation>En défilement automatique, après ce nombre de tours de tous les tubes sans choix, les tubes s&apos;arrêtent jusqu&apos;au prochain appui. Le programme reste ainsi calme quand l&apos;utilisateur s&apos;est arrêté ou a besoin d&apos;aide.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="119"/>
        <source>Off: scanning never rests</source>
        <translation>Désactivé&#xa0;: jamais de pause</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/switch_timing_screen.cpp" line="120"/>
        <source>after %n round(s)</source>
        <translation>
            <numerusform>après %n tour</numerusform>
            <numerusform>après %n tours</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="122"/>
        <source>Choose by resting the pointer</source>
        <translation>Choisir en laissant le pointeur</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="123"/>
        <source>In No Scanning, resting the mouse pointer on a paint tube this long chooses it, as a click does; a ring on the tube fills meanwhile. For eye-gaze and head pointers.</source>
        <translation>En mode Sans défilement, laisser le pointeur de la souris aussi longtemps sur un tube de peinture le choisit, comme un clic&#xa0;; un anneau se remplit sur le tube pendant ce temps. Pour le contrôle par le regard et les souris de tête.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="126"/>
        <source>Off: a click chooses</source>
        <translation>Désactivé&#xa0;: choix au clic</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="127"/>
        <source>Pointer size</source>
        <translation>Taille du pointeur</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="128"/>
        <source>The pointer that shows which part of the picture is coloured next, drawn this many times larger. For users with low vision.</source>
        <translation>Le pointeur qui montre quelle zone de l&apos;image sera coloriée ensuite, dessiné autant de fois plus grand. Pour les utilisateurs malvoyants.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="131"/>
        <source>Standard size</source>
        <translation>Taille standard</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="131"/>
        <source>%1 times larger</source>
        <translation>%1 fois plus grand</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="153"/>
        <source>User chooses the &amp;next picture</source>
        <translation>L&apos;utilisateur choisit l&apos;image &amp;suivante</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="154"/>
        <source>Between pictures, the next ones are offered with the scanning in use. For users learning to make choices.</source>
        <translation>Entre deux images, les suivantes sont proposées avec le défilement choisi. Pour les utilisateurs qui apprennent à faire des choix.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="156"/>
        <source>User chooses the &amp;part to colour</source>
        <translation>L&apos;utilisateur choisit la &amp;zone à colorier</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="157"/>
        <source>Before each colour, the parts not coloured yet are offered with the pointer. For users who choose reliably.</source>
        <translation>Avant chaque couleur, les zones pas encore coloriées sont proposées avec le pointeur. Pour les utilisateurs qui choisissent de façon sûre.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="159"/>
        <source>Show the &amp;hold</source>
        <translation>Montrer le &amp;maintien</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="160"/>
        <source>With a hold time, a ring on the tube fills while the switch is held. Shows the user how long to hold.</source>
        <translation>Avec un temps de maintien, un anneau se remplit sur le tube tant que le contacteur est maintenu. Montre à l&apos;utilisateur combien de temps maintenir.</translation>
    </message>
</context>
<context>
    <name>TestSwitchesScreen</name>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="35"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="48"/>
        <source>Test Switches</source>
        <translation>Tester les contacteurs</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="42"/>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="43"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="59"/>
        <source>Press the switches. A lamp lights while its switch is held and flashes yellow when a press counts with the timing now set. Mouse buttons count on the lamps. Escape or Alt+B goes back.</source>
        <translation>Appuyez sur les contacteurs. Un voyant s&apos;allume tant que son contacteur est maintenu et clignote en jaune quand un appui compte avec les temps réglés. Les boutons de souris comptent sur les voyants. Échap ou Alt+R pour revenir.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="65"/>
        <source>Switch lamps</source>
        <translation>Voyants des contacteurs</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="69"/>
        <source>Switch %1</source>
        <translation>Contacteur %1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="74"/>
        <source>Switch %1 hold</source>
        <translation>Maintien du contacteur %1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="82"/>
        <source>&amp;Learn Switch %1</source>
        <translation>&amp;Apprendre le contacteur %1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="83"/>
        <source>L&amp;earn Switch 2</source>
        <translation>A&amp;pprendre le contacteur 2</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="84"/>
        <source>Learn Switch %1</source>
        <translation>Apprendre le contacteur %1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="88"/>
        <source>Forget Learnt Inputs of Switch &amp;%1</source>
        <translation>Oublier les entrées du contacteur &amp;%1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="89"/>
        <source>Forget Learnt Inputs of Switch %1</source>
        <translation>Oublier les entrées apprises du contacteur %1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="123"/>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="126"/>
        <source>Reading: %1. The device is chosen on &quot;Keyboard / Switch Information&quot;.</source>
        <translation>Lecture&#xa0;: %1. Le périphérique se choisit dans &quot;Clavier / contacteur&quot;.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="148"/>
        <source>Press the key, the mouse button (on a lamp) or the joystick button that is to be switch %1. Escape cancels.</source>
        <translation>Appuyez sur la touche, le bouton de souris (sur un voyant) ou le bouton de joystick qui doit devenir le contacteur %1. Échap annule.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="159"/>
        <source>Switch %1 has only its standard keys now.</source>
        <translation>Le contacteur %1 n&apos;a plus que ses touches standard.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="180"/>
        <source>Not taken: %1 %2</source>
        <translation>Non retenu&#xa0;: %1 %2</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="199"/>
        <source>Switch %1 is now also %2.</source>
        <translation>Le contacteur %1 est maintenant aussi %2.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="206"/>
        <source>Space bar, 0 key</source>
        <translation>Barre d&apos;espace, touche 0</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="206"/>
        <source>Enter key, 1 key</source>
        <translation>Touche Entrée, touche 1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="209"/>
        <source>mouse clicks</source>
        <translation>clics de souris</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="211"/>
        <source>the switch adapter</source>
        <translation>l&apos;adaptateur de contacteur</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="244"/>
        <source>held</source>
        <translation>maintenu</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="245"/>
        <source>released</source>
        <translation>relâché</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="253"/>
        <source>Switch %1: %2 counted, %3 ignored, last hold %4</source>
        <translation>Contacteur %1&#xa0;: %2 comptés, %3 ignorés, dernier maintien %4</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="257"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="279"/>
        <source>Learning cancelled.</source>
        <translation>Apprentissage annulé.</translation>
    </message>
</context>
<context>
    <name>Users</name>
    <message>
        <location filename="../src/users/user_store.cpp" line="54"/>
        <source>the user&apos;s file could not be prepared</source>
        <translation>le fichier de l&apos;utilisateur n&apos;a pas pu être préparé</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="106"/>
        <source>The folder %1 holds no user&apos;s name (%2 is missing or damaged); it is left as it is.</source>
        <translation>Le dossier %1 ne contient aucun nom d&apos;utilisateur (%2 est absent ou endommagé)&#xa0;; il est laissé tel quel.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="124"/>
        <source>Please type the user&apos;s name first.</source>
        <translation>Veuillez d&apos;abord taper le nom de l&apos;utilisateur.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="126"/>
        <source>The name is too long: a name may have at most %1 characters.</source>
        <translation>Le nom est trop long&#xa0;: un nom peut avoir au plus %1 caractères.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="129"/>
        <source>There is already a user called &quot;%1&quot;. Please give this user another name.</source>
        <translation>Il existe déjà un utilisateur nommé &quot;%1&quot;. Veuillez donner un autre nom à cet utilisateur.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="140"/>
        <source>The folder %1 is already there; Brushwell leaves it as it is and makes no user.</source>
        <translation>Le dossier %1 existe déjà&#xa0;; Brushwell le laisse tel quel et ne crée pas d&apos;utilisateur.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="141"/>
        <location filename="../src/users/user_store.cpp" line="146"/>
        <location filename="../src/users/user_store.cpp" line="162"/>
        <source>The folder %1 could not be made.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="153"/>
        <source>%1 could not be copied for the new user (%2).</source>
        <translation>%1 n&apos;a pas pu être copié pour le nouvel utilisateur (%2).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="159"/>
        <source>%1 could not be written (%2).</source>
        <translation>%1 n&apos;a pas pu être écrit (%2).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="165"/>
        <source>No user was made.</source>
        <translation>Aucun utilisateur n&apos;a été créé.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="175"/>
        <source>The folder %1 is not one of the users&apos; folders any more; nothing was renamed.</source>
        <translation>Le dossier %1 n&apos;est plus un dossier d&apos;utilisateur&#xa0;; rien n&apos;a été renommé.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="181"/>
        <source>The folder %1 is already there; the user keeps the name &quot;%2&quot;.</source>
        <translation>Le dossier %1 existe déjà&#xa0;; l&apos;utilisateur garde le nom &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="184"/>
        <source>The folder %1 could not be renamed; the user keeps the name &quot;%2&quot;.</source>
        <translation>Le dossier %1 n&apos;a pas pu être renommé&#xa0;; l&apos;utilisateur garde le nom &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="189"/>
        <source>The new name could not be written (%1); the user keeps the name &quot;%2&quot;.</source>
        <translation>Le nouveau nom n&apos;a pas pu être écrit (%1)&#xa0;; l&apos;utilisateur garde le nom &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="197"/>
        <source>The folder %1 is not one of the users&apos; folders any more; nothing was removed.</source>
        <translation>Le dossier %1 n&apos;est plus un dossier d&apos;utilisateur&#xa0;; rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="202"/>
        <source>The folder %1 could not be removed; nothing was removed.</source>
        <translation>Le dossier %1 n&apos;a pas pu être supprimé&#xa0;; rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="204"/>
        <source>Some files of the removed user could not be deleted; they are in %1.</source>
        <translation>Certains fichiers de l&apos;utilisateur supprimé n&apos;ont pas pu être effacés&#xa0;; ils se trouvent dans %1.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="213"/>
        <source>The picture %1 is too large (%2 x %3 pixels).</source>
        <translation>L&apos;image %1 est trop grande (%2 x %3 pixels).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="215"/>
        <source>%1 could not be read as a picture (%2).</source>
        <translation>%1 n&apos;a pas pu être lu comme image (%2).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="220"/>
        <source>The picture could not be prepared.</source>
        <translation>L&apos;image n&apos;a pas pu être préparée.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="224"/>
        <source>The picture could not be saved in %1 (%2).</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée dans %1 (%2).</translation>
    </message>
    <message>
        <location filename="../src/users/active_user.cpp" line="43"/>
        <source>Brushwell could not note in %1 who is colouring (%2).
The next start may begin with the user noted before: check &quot;User&quot; on the main menu then.</source>
        <translation>Brushwell n&apos;a pas pu noter dans %1 qui colorie (%2).
Le prochain démarrage peut se faire avec l&apos;utilisateur noté auparavant&#xa0;: vérifiez alors &quot;Utilisateur&quot; dans le menu principal.</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <location filename="../src/pictures/validation.cpp" line="40"/>
        <source>The picture file %1 cannot be shown:
%2.
Please check %1, or take it out of the picture list.</source>
        <translation>Le fichier image %1 ne peut pas être affiché&#xa0;:
%2.
Veuillez vérifier %1 ou le retirer de la liste d&apos;images.</translation>
    </message>
    <message>
        <location filename="../src/pictures/validation.cpp" line="71"/>
        <source>The sections of %1 could not be saved in %2 (%3).
The picture can be coloured, but it will be checked again each time it is shown.</source>
        <translation>Les zones de %1 n&apos;ont pas pu être enregistrées dans %2 (%3).
L&apos;image peut être coloriée, mais elle sera vérifiée à nouveau chaque fois qu&apos;elle sera affichée.</translation>
    </message>
    <message>
        <location filename="../src/pictures/validation.cpp" line="95"/>
        <source>Can&apos;t open the file</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
</context>
<context>
    <name>WorkshopWindow</name>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="21"/>
        <source>Brushwell Picture Workshop</source>
        <translation>Brushwell Atelier d&apos;images</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="23"/>
        <source>Workshop pages</source>
        <translation>Pages de l&apos;atelier</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="31"/>
        <source>&amp;New Picture</source>
        <translation>&amp;Nouvelle image</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="32"/>
        <source>&amp;Picture Lists</source>
        <translation>&amp;Listes d&apos;images</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="34"/>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="35"/>
        <source>Pictures and lists are saved in %1</source>
        <translation>Les images et les listes sont enregistrées dans %1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="46"/>
        <location filename="../tools/workshop/workshop_window.cpp" line="47"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="48"/>
        <source>Close the workshop (Ctrl+Q)</source>
        <translation>Fermer l&apos;atelier (Ctrl+Q)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="69"/>
        <source>The new picture is not saved. Close the workshop anyway?</source>
        <translation>La nouvelle image n&apos;est pas enregistrée. Fermer l&apos;atelier quand même&#xa0;?</translation>
    </message>
</context>
<context>
    <name>camera::CameraSwitch</name>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="150"/>
        <source>The camera &quot;%1&quot; was disconnected. The other switches work as before; the camera is used again as soon as it is connected.</source>
        <translation>La caméra &quot;%1&quot; a été débranchée. Les autres contacteurs fonctionnent comme avant&#xa0;; la caméra est de nouveau utilisée dès qu&apos;elle est branchée.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="180"/>
        <source>The camera is off.</source>
        <translation>La caméra est éteinte.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="218"/>
        <source>The video file &quot;%1&quot; (Source in brushwell.ini) does not exist. The other switches work as before.</source>
        <translation>Le fichier vidéo &quot;%1&quot; (Source dans brushwell.ini) n&apos;existe pas. Les autres contacteurs fonctionnent comme avant.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="228"/>
        <source>The video file &quot;%1&quot; cannot be played (%2). The other switches work as before.</source>
        <translation>Le fichier vidéo &quot;%1&quot; ne peut pas être lu (%2). Les autres contacteurs fonctionnent comme avant.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="232"/>
        <source>The video file &quot;%1&quot; has ended.</source>
        <translation>Le fichier vidéo &quot;%1&quot; est terminé.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="234"/>
        <source>Opening the video file &quot;%1&quot;…</source>
        <translation>Ouverture du fichier vidéo &quot;%1&quot;…</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="246"/>
        <source>The chosen camera (%1) is not connected. The other switches work as before; the camera is used as soon as it is connected.</source>
        <translation>La caméra choisie (%1) n&apos;est pas branchée. Les autres contacteurs fonctionnent comme avant&#xa0;; la caméra est utilisée dès qu&apos;elle est branchée.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="253"/>
        <source>No camera is connected. The other switches work as before; a camera is used as soon as one is connected.</source>
        <translation>Aucune caméra n&apos;est branchée. Les autres contacteurs fonctionnent comme avant&#xa0;; une caméra est utilisée dès qu&apos;il y en a une de branchée.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="265"/>
        <source>The camera &quot;%1&quot; cannot be used (%2). Another program may be using it. The other switches work as before; Brushwell tries again every few seconds.</source>
        <translation>La caméra &quot;%1&quot; ne peut pas être utilisée (%2). Un autre programme l&apos;utilise peut-être. Les autres contacteurs fonctionnent comme avant&#xa0;; Brushwell réessaie toutes les quelques secondes.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="269"/>
        <source>Opening the camera &quot;%1&quot;…</source>
        <translation>Ouverture de la caméra &quot;%1&quot;…</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="303"/>
        <source>The camera &quot;%1&quot; sends no pictures. The other switches work as before; the camera is used again as soon as it sends pictures.</source>
        <translation>La caméra &quot;%1&quot; n&apos;envoie pas d&apos;images. Les autres contacteurs fonctionnent comme avant&#xa0;; la caméra est de nouveau utilisée dès qu&apos;elle envoie des images.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="348"/>
        <source>Using the video file &quot;%1&quot; instead of a camera.</source>
        <translation>Utilisation du fichier vidéo &quot;%1&quot; à la place d&apos;une caméra.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="349"/>
        <source>Using the camera &quot;%1&quot;.</source>
        <translation>Utilisation de la caméra &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>menu::Banner</name>
    <message>
        <location filename="../src/menu/banner.cpp" line="161"/>
        <source>Gallery</source>
        <translation>Galerie</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="163"/>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <location filename="../src/menu/banner_users.cpp" line="15"/>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <location filename="../src/menu/banner_users.cpp" line="35"/>
        <source>No user chosen</source>
        <translation>Aucun utilisateur choisi</translation>
    </message>
    <message>
        <location filename="../src/menu/banner_users.cpp" line="35"/>
        <source>Colouring now: %1</source>
        <translation>Colorie maintenant&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>menu::CameraPreview</name>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="52"/>
        <source>Camera picture</source>
        <translation>Image de la caméra</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="53"/>
        <source>Arrow keys move the rectangle, Shift and the arrow keys change its size, 1 and 2 choose the switch, Delete removes the rectangle.</source>
        <translation>Les flèches déplacent le rectangle, Maj et les flèches changent sa taille, 1 et 2 choisissent le contacteur, Suppr retire le rectangle.</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="109"/>
        <source>No picture</source>
        <translation>Pas d&apos;image</translation>
    </message>
</context>
<context>
    <name>menu::CameraScreen</name>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="232"/>
        <location filename="../src/menu/camera_screen.cpp" line="245"/>
        <source>Camera Switch</source>
        <translation>Contacteur caméra</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="239"/>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="240"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="251"/>
        <source>Draw a rectangle on the picture around the movement that is to press each switch (a head turn, a hand lift). Movement inside it presses the switch; a change of the whole picture&apos;s brightness does not.</source>
        <translation>Tracez sur l&apos;image un rectangle autour du mouvement qui doit actionner chaque contacteur (tourner la tête, lever la main). Un mouvement à l&apos;intérieur actionne le contacteur&#xa0;; un changement de luminosité de toute l&apos;image, non.</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="257"/>
        <source>&amp;Use the camera as switches</source>
        <translation>&amp;Utiliser la caméra comme contacteurs</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="260"/>
        <source>C&amp;amera:</source>
        <translation>&amp;Caméra&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="262"/>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="283"/>
        <source>Rectangle of:</source>
        <translation>Rectangle de&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="285"/>
        <location filename="../src/menu/camera_screen.cpp" line="288"/>
        <source>Switch %1</source>
        <translation>Contacteur %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="290"/>
        <source>Remove Rectangle %1</source>
        <translation>Retirer le rectangle %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="292"/>
        <source>Sensitivity:</source>
        <translation>Sensibilité&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="296"/>
        <source>Sensitivity of switch %1</source>
        <translation>Sensibilité du contacteur %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="300"/>
        <source>Movement:</source>
        <translation>Mouvement&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="302"/>
        <source>Movement at switch %1</source>
        <translation>Mouvement au contacteur %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="305"/>
        <source>Switch &amp;%1</source>
        <translation>Contacteur &amp;%1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="306"/>
        <source>Rectangle of switch %1</source>
        <translation>Rectangle du contacteur %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="411"/>
        <source>Video file %1 (Source in brushwell.ini)</source>
        <translation>Fichier vidéo %1 (Source dans brushwell.ini)</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="416"/>
        <source>The standard camera</source>
        <translation>La caméra standard</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="420"/>
        <source>%1 (not connected)</source>
        <translation>%1 (non branchée)</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="446"/>
        <source>held</source>
        <translation>maintenu</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="446"/>
        <source>released</source>
        <translation>relâché</translation>
    </message>
</context>
<context>
    <name>menu::GalleryModel</name>
    <message>
        <location filename="../src/menu/gallery_model.cpp" line="73"/>
        <source>Without a user</source>
        <translation>Sans utilisateur</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_model.cpp" line="103"/>
        <source>%1
%2
%3 (unfinished)</source>
        <translation>%1
%2
%3 (inachevée)</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_model.cpp" line="104"/>
        <source>%1
%2
%3</source>
        <translation>%1
%2
%3</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_model.cpp" line="107"/>
        <source>%1, %2, unfinished</source>
        <translation>%1, %2, inachevée</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_model.cpp" line="108"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>menu::GalleryPictureView</name>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="24"/>
        <source>Gallery</source>
        <translation>Galerie</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="42"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="43"/>
        <source>%1, coloured by %2 on %3</source>
        <translation>%1, coloriée par %2 le %3</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="44"/>
        <source>Less than a minute</source>
        <translation>Moins d&apos;une minute</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="44"/>
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="45"/>
        <source>%1; %2 of %n section(s) coloured</source>
        <translation>
            <numerusform>%1&#xa0;; zones coloriées&#xa0;: %2 sur %n</numerusform>
            <numerusform>%1&#xa0;; zones coloriées&#xa0;: %2 sur %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="46"/>
        <source>Unfinished: Start goes on with it when Resume is set.</source>
        <translation>Inachevée&#xa0;: Commencer la reprend quand Reprendre est activé.</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="51"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>menu::GalleryScreen</name>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="58"/>
        <source>Gallery</source>
        <translation>Galerie</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="66"/>
        <source>User:</source>
        <translation>Utilisateur&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="68"/>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="71"/>
        <source>From:</source>
        <translation>Du&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="73"/>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="76"/>
        <source>To:</source>
        <translation>Au&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="78"/>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="89"/>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="104"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="105"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="106"/>
        <source>Booklet (PDF)</source>
        <translation>Livret (PDF)</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="107"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="132"/>
        <source>Everyone</source>
        <translation>Tout le monde</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="156"/>
        <source>%n picture(s)</source>
        <translation>
            <numerusform>%n image</numerusform>
            <numerusform>%n images</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="171"/>
        <source>Choose a picture in the list first.</source>
        <translation>Choisissez d&apos;abord une image dans la liste.</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="193"/>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="201"/>
        <location filename="../src/menu/gallery_screen.cpp" line="204"/>
        <source>%n picture(s) sent to the printer.</source>
        <translation>
            <numerusform>%n image envoyée à l&apos;imprimante.</numerusform>
            <numerusform>%n images envoyées à l&apos;imprimante.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="213"/>
        <source>booklet</source>
        <translation>livret</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="215"/>
        <source>Save the booklet</source>
        <translation>Enregistrer le livret</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="215"/>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="225"/>
        <source>The booklet could not be saved as %1: %2.</source>
        <translation>Le livret n&apos;a pas pu être enregistré sous %1&#xa0;: %2.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="229"/>
        <source>The booklet of %n picture(s) was saved as %1.</source>
        <translation>
            <numerusform>Le livret de %n image a été enregistré sous %1.</numerusform>
            <numerusform>Le livret de %n images a été enregistré sous %1.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="231"/>
        <source>These pictures could not be read and were left out:
%1</source>
        <translation>Ces images n&apos;ont pas pu être lues et ont été laissées de côté&#xa0;:
%1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="239"/>
        <source>Delete %n picture(s) from the gallery? They cannot be brought back.</source>
        <translation>
            <numerusform>Supprimer %n image de la galerie&#xa0;? Elle ne pourra pas être récupérée.</numerusform>
            <numerusform>Supprimer %n images de la galerie&#xa0;? Elles ne pourront pas être récupérées.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="245"/>
        <source>These pictures could not be deleted (is the folder read-only?):
%1</source>
        <translation>Ces images n&apos;ont pas pu être supprimées (le dossier est-il en lecture seule&#xa0;?)&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>menu::LevelBar</name>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="205"/>
        <source>movement %1 %, level %2 %</source>
        <translation>mouvement %1 %, niveau %2 %</translation>
    </message>
</context>
<context>
    <name>menu::ProgressScreen</name>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="47"/>
        <source>Progress report</source>
        <translation>Rapport de progrès</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="50"/>
        <source>the PDF file could not be started</source>
        <translation>le fichier PDF n&apos;a pas pu être commencé</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="75"/>
        <source>Brushwell progress report</source>
        <translation>Rapport de progrès Brushwell</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="77"/>
        <source>User: %1</source>
        <translation>Utilisateur&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="78"/>
        <source>Dates: %1</source>
        <translation>Dates&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="79"/>
        <source>Per: %1</source>
        <translation>Par&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="81"/>
        <source>Made on %1</source>
        <translation>Créé le %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/progress_report.cpp" line="129"/>
        <source>Only the latest %n period(s) fit on this page; the CSV export holds every picture.</source>
        <translation>
            <numerusform>Seule la dernière période tient sur cette page&#xa0;; l&apos;export CSV contient toutes les images.</numerusform>
            <numerusform>Seules les %n dernières périodes tiennent sur cette page&#xa0;; l&apos;export CSV contient toutes les images.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="138"/>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="138"/>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="142"/>
        <location filename="../src/menu/progress_report.cpp" line="156"/>
        <source>The file %1 could not be saved: %2.</source>
        <translation>Le fichier %1 n&apos;a pas pu être enregistré&#xa0;: %2.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="144"/>
        <source>The progress records were saved as %1.</source>
        <translation>Les relevés de progrès ont été enregistrés sous %1.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="152"/>
        <source>PDF Report</source>
        <translation>Rapport PDF</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="152"/>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="158"/>
        <source>The report was saved as %1.</source>
        <translation>Le rapport a été enregistré sous %1.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="69"/>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="86"/>
        <source>&amp;User:</source>
        <translation>&amp;Utilisateur&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="94"/>
        <source>&amp;From:</source>
        <translation>&amp;Du&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="95"/>
        <source>&amp;To:</source>
        <translation>&amp;Au&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="97"/>
        <source>Session</source>
        <translation>Séance</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="98"/>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="99"/>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="102"/>
        <source>&amp;Per:</source>
        <translation>&amp;Par&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="107"/>
        <source>Pictures finished</source>
        <translation>Images terminées</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="108"/>
        <source>Median time to choose (seconds)</source>
        <translation>Temps médian de choix (secondes)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="109"/>
        <source>Presses counted (%)</source>
        <translation>Appuis comptés (%)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="116"/>
        <source>Progress table</source>
        <translation>Tableau des progrès</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="118"/>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="118"/>
        <source>Pictures started</source>
        <translation>Images commencées</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="118"/>
        <source>Finished</source>
        <translation>Terminées</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="119"/>
        <source>Time to choose</source>
        <translation>Temps de choix</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="119"/>
        <source>Presses counted</source>
        <translation>Appuis comptés</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="120"/>
        <source>Presses ignored</source>
        <translation>Appuis ignorés</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="120"/>
        <source>Sections cleared</source>
        <translation>Zones effacées</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="137"/>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="138"/>
        <source>PDF &amp;Report...</source>
        <translation>&amp;Rapport PDF...</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="165"/>
        <source>Without a user (the program&apos;s folder)</source>
        <translation>Sans utilisateur (le dossier du programme)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="190"/>
        <source>The progress file %1 cannot be read: %2.</source>
        <translation>Le fichier de progrès %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="215"/>
        <source>No pictures have been recorded for this user yet.</source>
        <translation>Aucune image n&apos;a encore été enregistrée pour cet utilisateur.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/progress_screen.cpp" line="216"/>
        <source>%n picture(s) started in this range, %1 finished.</source>
        <translation>
            <numerusform>%n image commencée sur cette période, %1 terminée(s).</numerusform>
            <numerusform>%n images commencées sur cette période, %1 terminée(s).</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="280"/>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="281"/>
        <source>%1 (%2 %)</source>
        <translation>%1 (%2 %)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="301"/>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
</context>
<context>
    <name>menu::TestSwitchesScreen</name>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="53"/>
        <source>C&amp;amera Switch</source>
        <translation>Contacteur &amp;caméra</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="54"/>
        <source>Camera Switch</source>
        <translation>Contacteur caméra</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="217"/>
        <source>movement seen by the camera</source>
        <translation>mouvement vu par la caméra</translation>
    </message>
</context>
<context>
    <name>menu::UsersScreen</name>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="17"/>
        <location filename="../src/menu/users_screen.cpp" line="31"/>
        <source>Users</source>
        <translation>Utilisateurs</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="22"/>
        <source>Each user has their own settings, place in the picture lists, finished pictures and progress records. Choose who is colouring now.</source>
        <translation>Chaque utilisateur a ses propres réglages, sa place dans les listes d&apos;images, ses images terminées et son suivi des progrès. Choisissez qui colorie maintenant.</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="37"/>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="39"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="47"/>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="48"/>
        <source>Make User</source>
        <translation>Créer l&apos;utilisateur</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="49"/>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="50"/>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="51"/>
        <source>Picture...</source>
        <translation>Image...</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="61"/>
        <source>Yes, Remove</source>
        <translation>Oui, supprimer</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="62"/>
        <source>Keep</source>
        <translation>Conserver</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="97"/>
        <source>No user (this folder&apos;s own settings)</source>
        <translation>Aucun utilisateur (les réglages propres à ce dossier)</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="111"/>
        <source>Colouring now: no user (this folder&apos;s own settings).</source>
        <translation>Colorie maintenant&#xa0;: aucun utilisateur (les réglages propres à ce dossier).</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="112"/>
        <source>Colouring now: %1</source>
        <translation>Colorie maintenant&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="184"/>
        <source>Remove the user &quot;%1&quot;? This deletes the folder %2 and everything in it: the user&apos;s settings and place in the picture lists, own picture lists, finished pictures and progress records. This cannot be undone.</source>
        <translation>Supprimer l&apos;utilisateur &quot;%1&quot;&#xa0;? Cela efface le dossier %2 et tout son contenu&#xa0;: les réglages de l&apos;utilisateur et sa place dans les listes d&apos;images, ses propres listes d&apos;images, ses images terminées et son suivi des progrès. Cette action est définitive.</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="215"/>
        <source>A Picture for %1</source>
        <translation>Une image pour %1</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="218"/>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>Images (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
</context>
</TS>

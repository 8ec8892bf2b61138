<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AuditoryScreen</name>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="37"/>
        <source>Auditory / Print Settings</source>
        <translation>Geluid / afdrukken</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="43"/>
        <source>Music / Narration Options</source>
        <translation>Muziek / gesproken tekst</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="45"/>
        <source>**Auditory Narration of Colors</source>
        <translation>**Kleurnamen uitspreken</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="46"/>
        <source>Music</source>
        <translation>Muziek</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="47"/>
        <source>No Sound</source>
        <translation>Geen geluid</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="50"/>
        <source>Feedback when the user finished coloring the picture</source>
        <translation>Reactie als de gebruiker de afbeelding af heeft</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="52"/>
        <source>**Human Voice Complimenting</source>
        <translation>**Compliment met een echte stem</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="53"/>
        <source>Nothing</source>
        <translation>Niets</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="56"/>
        <source>Print Options</source>
        <translation>Afdrukopties</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="58"/>
        <source>Show and Enable Print Button</source>
        <translation>Afdrukknop tonen en inschakelen</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="59"/>
        <source>Hide and Disable Print Button</source>
        <translation>Afdrukknop verbergen en uitschakelen</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="65"/>
        <source>Language of the spoken words:</source>
        <translation>Taal van de gesproken woorden:</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="68"/>
        <source>Language of the spoken words</source>
        <translation>Taal van de gesproken woorden</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="79"/>
        <source>Language of the screens:</source>
        <translation>Taal van de schermen:</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="81"/>
        <source>Language of the screens</source>
        <translation>Taal van de schermen</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="91"/>
        <source>** The spoken color names and compliments are recordings in the program folder, in English, Dutch, French, Spanish, German and Hebrew. For another language, record them with any sound recorder, save them as WAV files with the names listed in the user guide and put them in the folder voices/ followed by the language code (for example voices/it/); a missing one is spoken in English.</source>
        <translation>** De uitgesproken kleurnamen en complimenten zijn opnamen in de programmamap, in het Engels, Nederlands, Frans, Spaans, Duits en Hebreeuws. Voor een andere taal neemt u ze op met een willekeurig opnameprogramma, slaat u ze op als WAV-bestanden met de namen uit de handleiding en zet u ze in de map voices/ gevolgd door de taalcode (bijvoorbeeld voices/it/); een ontbrekende opname wordt in het Engels uitgesproken.</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="131"/>
        <source>The screens are shown in %1 from the next start of Brushwell; messages are shown in it from now on.</source>
        <translation>De schermen worden vanaf de volgende start van Brushwell in het %1 getoond; meldingen verschijnen vanaf nu al in die taal.</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <location filename="../src/menu/banner.cpp" line="31"/>
        <source>Options</source>
        <translation>Opties</translation>
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
        <translation>Instellingen</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="113"/>
        <source>Program Settings and Information</source>
        <translation>Programma-instellingen en informatie</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="118"/>
        <source>Auditory Settings</source>
        <translation>Geluidsinstellingen</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="119"/>
        <source>Keyboard / Switch Information</source>
        <translation>Toetsenbord / schakelaar</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="120"/>
        <source>Picture List</source>
        <translation>Afbeeldingenlijst</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="121"/>
        <source>Scan Settings</source>
        <translation>Scaninstellingen</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="122"/>
        <source>Coloring Options</source>
        <translation>Kleuropties</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="123"/>
        <source>Animation Speed Settings</source>
        <translation>Animatiesnelheid</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="135"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="136"/>
        <source>User Guide</source>
        <translation>Handleiding</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="137"/>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="149"/>
        <source>Note:  In order to return back to this screen after you click Start,  press the &lt;Esc&gt; key.</source>
        <translation>Let op: druk op de toets &lt;Esc&gt; om na Start terug te keren naar dit scherm.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="190"/>
        <source>The picture %1 is missing or damaged.
Brushwell cannot start without it; please install the program folder again.</source>
        <translation>De afbeelding %1 ontbreekt of is beschadigd.
Zonder deze afbeelding kan Brushwell niet starten; installeer de programmamap opnieuw.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="454"/>
        <source>&quot;%1&quot; cannot open the colouring screen: it is missing from this copy of Brushwell.
Please install the complete program.</source>
        <translation>&quot;%1&quot; kan het kleurscherm niet openen: het ontbreekt in deze kopie van Brushwell.
Installeer het volledige programma.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="509"/>
        <source>The Picture Workshop is already open.</source>
        <translation>Het Afbeeldingenatelier is al geopend.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="517"/>
        <source>The Picture Workshop cannot be opened: %1.
Please install the complete program.</source>
        <translation>Het Afbeeldingenatelier kan niet worden geopend: %1.
Installeer het volledige programma.</translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <location filename="../src/pictures/calibration.cpp" line="58"/>
        <source>The picture %1 cannot be shown (%2).
The speed test moves a plain yellow bar instead.</source>
        <translation>De afbeelding %1 kan niet worden getoond (%2).
De snelheidstest beweegt in plaats daarvan een gewone gele balk.</translation>
    </message>
    <message>
        <location filename="../src/pictures/calibration.cpp" line="132"/>
        <source>Setting: %1</source>
        <translation>Stand: %1</translation>
    </message>
</context>
<context>
    <name>ColoringOptionsScreen</name>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="81"/>
        <source>Coloring Options</source>
        <translation>Kleuropties</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="88"/>
        <source>Colors</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="97"/>
        <source>Choose your own colors</source>
        <translation>Kies zelf de kleuren</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="98"/>
        <source>Select a minimum of two colors</source>
        <translation>Kies minstens twee kleuren</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Brown</source>
        <translation>Bruin</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Gray</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Orange</source>
        <translation>Oranje</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Pink</source>
        <translation>Roze</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Tan</source>
        <translation>Beige</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="109"/>
        <source>or</source>
        <translation>of</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="115"/>
        <source>Random Colors</source>
        <translation>Willekeurige kleuren</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="117"/>
        <source>Check this box if you want the program to pick colors randomly. Set the slider bar to the number of random colored paint tubes that the user will be able to choose from.</source>
        <translation>Vink dit aan als het programma zelf willekeurige kleuren moet kiezen. Zet de schuifbalk op het aantal willekeurige verftubes waaruit de gebruiker kan kiezen.</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="121"/>
        <source>Number of random colored paint tubes</source>
        <translation>Aantal willekeurige verftubes</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="130"/>
        <source>Coloring Style</source>
        <translation>Kleurstijl</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="137"/>
        <source>Solid</source>
        <translation>Effen</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="138"/>
        <source>Horizontal stripes</source>
        <translation>Horizontale strepen</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="139"/>
        <source>Verrical stripes</source>
        <translation>Verticale strepen</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="140"/>
        <source>Diagonal going downward</source>
        <translation>Diagonaal naar beneden</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="141"/>
        <source>Diagonal going upward</source>
        <translation>Diagonaal naar boven</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="142"/>
        <source>Crosses</source>
        <translation>Ruitjes</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="143"/>
        <source>Diagonal crosses</source>
        <translation>Diagonale ruitjes</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="157"/>
        <source>Choose the pointer type to the section of the picture to be colored</source>
        <translation>Kies de aanwijzer die het volgende vlak van de afbeelding aanwijst</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="163"/>
        <source>Paintbrush</source>
        <translation>Penseel</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="163"/>
        <source>Red Arrow</source>
        <translation>Rode pijl</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="163"/>
        <source>Colored Cones</source>
        <translation>Gekleurde kegels</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="193"/>
        <source>At least 2 colors must be selected</source>
        <translation>Er moeten minstens 2 kleuren gekozen zijn</translation>
    </message>
</context>
<context>
    <name>CompanionProgram</name>
    <message>
        <location filename="../src/platform/companion_program.cpp" line="38"/>
        <source>%1 is missing from the program folder %2</source>
        <translation>%1 ontbreekt in de programmamap %2</translation>
    </message>
    <message>
        <location filename="../src/platform/companion_program.cpp" line="39"/>
        <source>%1 in %2 may not be run</source>
        <translation>%1 in %2 mag niet worden uitgevoerd</translation>
    </message>
    <message>
        <location filename="../src/platform/companion_program.cpp" line="42"/>
        <source>%1 could not be started</source>
        <translation>%1 kon niet worden gestart</translation>
    </message>
</context>
<context>
    <name>CreditsWindow</name>
    <message>
        <location filename="../src/app/credits_window.cpp" line="25"/>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="25"/>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="26"/>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="26"/>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="27"/>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="27"/>
        <source>Hebrew</source>
        <translation>Hebreeuws</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="58"/>
        <source>%1 speech synthesizer, voice %2</source>
        <translation>Spraaksynthesizer %1, stem %2</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="63"/>
        <location filename="../src/app/credits_window.cpp" line="81"/>
        <source>Credits</source>
        <translation>Met dank aan</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="89"/>
        <source>Voice Narration</source>
        <translation>Gesproken tekst</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="99"/>
        <source>Technical Advisor</source>
        <translation>Technisch adviseur</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="99"/>
        <location filename="../src/app/credits_window.cpp" line="100"/>
        <location filename="../src/app/credits_window.cpp" line="102"/>
        <location filename="../src/app/credits_window.cpp" line="104"/>
        <source>The Brushwell contributors</source>
        <translation>De makers van Brushwell</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="100"/>
        <source>Educational Content Advisors</source>
        <translation>Adviseurs educatieve inhoud</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="101"/>
        <source>Graphic Image Processing</source>
        <translation>Beeldbewerking</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="101"/>
        <source>Brushwell&apos;s own image tools, built on Qt</source>
        <translation>Brushwells eigen beeldgereedschap, gebouwd op Qt</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="102"/>
        <source>Art Work</source>
        <translation>Tekeningen</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="103"/>
        <source>Music</source>
        <translation>Muziek</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="103"/>
        <source>Public-domain melodies, synthesized by Brushwell&apos;s tools</source>
        <translation>Melodieën uit het publieke domein, gesynthetiseerd met Brushwells gereedschap</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="104"/>
        <source>Programming</source>
        <translation>Programmering</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="107"/>
        <source>Brushwell Version 2</source>
        <translation>Brushwell versie 2</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="108"/>
        <source>The Brushwell project</source>
        <translation>Het Brushwell-project</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="109"/>
        <source>Contact: through the Brushwell project&apos;s issue tracker</source>
        <translation>Contact: via de issuetracker van het Brushwell-project</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="110"/>
        <source>Copyright (C) the Brushwell contributors.</source>
        <translation>Copyright (C) de makers van Brushwell.</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="111"/>
        <source>Brushwell is free software: GNU General Public License, version 3 or later.</source>
        <translation>Brushwell is vrije software: GNU General Public License, versie 3 of later.</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="112"/>
        <source>It comes with no warranty. The licence is the file LICENSE in the program folder.</source>
        <translation>Er wordt geen garantie gegeven. De licentie staat in het bestand LICENSE in de programmamap.</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="117"/>
        <location filename="../src/app/credits_window.cpp" line="118"/>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
</context>
<context>
    <name>DeviceScreen</name>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="40"/>
        <source>Keys and switches</source>
        <translation>Toetsen en schakelaars</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="45"/>
        <source>Colors the picture with the current paint tube</source>
        <translation>Kleurt de afbeelding met de huidige verftube</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="46"/>
        <source>Move to the next paint tube.</source>
        <translation>Naar de volgende verftube.</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="47"/>
        <source>Clears the last part of the picture that was colored</source>
        <translation>Wist het laatst gekleurde vlak van de afbeelding</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="48"/>
        <source>Skip to the next picture immediately</source>
        <translation>Meteen naar de volgende afbeelding</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="50"/>
        <source>Key Pressed</source>
        <translation>Toets</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="50"/>
        <source>Timed Scanning</source>
        <translation>Automatisch scannen</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="50"/>
        <source>Step Scanning 1 Switch</source>
        <translation>Stapsgewijs scannen 1 schakelaar</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="51"/>
        <source>Step Scanning 2 Switches</source>
        <translation>Stapsgewijs scannen 2 schakelaars</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="51"/>
        <source>No Scanning</source>
        <translation>Niet scannen</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="52"/>
        <source>Left Mouse Click, Space Bar or the number 0</source>
        <translation>Linkermuisklik, spatiebalk of het cijfer 0</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="53"/>
        <source>Colors the picture with the paint tube that the mouse arrow is pointing to</source>
        <translation>Kleurt de afbeelding met de verftube waar de muisaanwijzer op staat</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="54"/>
        <source>&lt;Enter&gt; key or the number 1</source>
        <translation>Toets &lt;Enter&gt; of het cijfer 1</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="55"/>
        <source>The letter &quot;c&quot; or the number 2</source>
        <translation>De letter &quot;c&quot; of het cijfer 2</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="56"/>
        <source>The letter &quot;a&quot; or the number 3</source>
        <translation>De letter &quot;a&quot; of het cijfer 3</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="80"/>
        <location filename="../src/menu/device_screen.cpp" line="90"/>
        <source>Keyboard / Switch Information</source>
        <translation>Toetsenbord / schakelaar</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="97"/>
        <source>The following keyboard keys are also active during the program.  These buttons can be emulated with switch presses.</source>
        <translation>De volgende toetsen werken ook tijdens het programma. Deze toetsen kunnen worden nagebootst met een druk op een schakelaar.</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 1</source>
        <translation>Adapter in COM 1</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 2</source>
        <translation>Adapter in COM 2</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 3</source>
        <translation>Adapter in COM 3</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 4</source>
        <translation>Adapter in COM 4</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in Joystick (Game) Port</source>
        <translation>Adapter in joystickpoort (gamepoort)</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Mouse Click or Keyboard Space bar</source>
        <translation>Muisklik of spatiebalk</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="133"/>
        <source>Switch Timing</source>
        <translation>Schakelaartiming</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="134"/>
        <source>Test Switches</source>
        <translation>Schakelaars testen</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="139"/>
        <source>Hold and release times, dwell selection and more switches; and a test of what each switch does.</source>
        <translation>Vasthoud- en loslaattijden, kiezen door stil te wijzen en meer schakelaars; en een test van wat elke schakelaar doet.</translation>
    </message>
</context>
<context>
    <name>FileViewer</name>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="46"/>
        <source>No program to show %1 was found, so Brushwell shows it here. Choose a chapter on the left.</source>
        <translation>Er is geen programma gevonden om %1 te tonen, dus Brushwell toont het hier. Kies links een hoofdstuk.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="49"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="53"/>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="61"/>
        <source>User Guide</source>
        <translation>Handleiding</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="87"/>
        <source>No text editor was found, so Brushwell shows %1 here. One picture name a line; lines starting with &quot;-&quot; are skipped.</source>
        <translation>Er is geen teksteditor gevonden, dus Brushwell toont %1 hier. Eén afbeeldingsnaam per regel; regels die met &quot;-&quot; beginnen, worden overgeslagen.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="90"/>
        <source>%1 cannot be read (%2); what you type here is saved as a new list.</source>
        <translation>%1 kan niet worden gelezen (%2); wat u hier typt, wordt als nieuwe lijst opgeslagen.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="93"/>
        <source>Picture list </source>
        <translation>Afbeeldingenlijst </translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="102"/>
        <location filename="../src/menu/file_viewer.cpp" line="103"/>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="107"/>
        <location filename="../src/menu/file_viewer.cpp" line="108"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="124"/>
        <source>The picture list could not be saved to %1:
%2
Nothing was changed; the text stays here.</source>
        <translation>De afbeeldingenlijst kon niet worden opgeslagen in %1:
%2
Er is niets gewijzigd; de tekst blijft hier staan.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="136"/>
        <source>Save the changes to the picture list?</source>
        <translation>Wijzigingen in de afbeeldingenlijst opslaan?</translation>
    </message>
</context>
<context>
    <name>GalleryBooklet</name>
    <message>
        <location filename="../src/records/gallery_booklet.cpp" line="49"/>
        <source>Coloured by %1 on %2</source>
        <translation>Gekleurd door %1 op %2</translation>
    </message>
    <message>
        <location filename="../src/records/gallery_booklet.cpp" line="70"/>
        <source>none of the chosen pictures could be read</source>
        <translation>geen van de gekozen afbeeldingen kon worden gelezen</translation>
    </message>
    <message>
        <location filename="../src/records/gallery_booklet.cpp" line="81"/>
        <source>Pictures coloured with Brushwell</source>
        <translation>Afbeeldingen gekleurd met Brushwell</translation>
    </message>
</context>
<context>
    <name>GalleryKeeping</name>
    <message>
        <location filename="../src/session/gallery_keeping.cpp" line="101"/>
        <source>The picture %1 could not be kept in the gallery folder %2: %3.
Colouring goes on; pictures are not kept until this is mended (room on the disk, a folder that can be written).</source>
        <translation>De afbeelding %1 kon niet worden bewaard in de galerijmap %2: %3.
Het kleuren gaat door; afbeeldingen worden pas weer bewaard als dit is opgelost (ruimte op de schijf, een map waarin geschreven kan worden).</translation>
    </message>
</context>
<context>
    <name>GalleryPicture</name>
    <message>
        <location filename="../src/records/gallery_picture.cpp" line="180"/>
        <source>the picture could not be made into a PNG file</source>
        <translation>de afbeelding kon niet als PNG-bestand worden opgeslagen</translation>
    </message>
    <message>
        <location filename="../src/records/gallery_picture.cpp" line="183"/>
        <source>the folder %1 cannot be made</source>
        <translation>de map %1 kan niet worden gemaakt</translation>
    </message>
</context>
<context>
    <name>GamePort</name>
    <message>
        <location filename="../src/platform/game_port.cpp" line="114"/>
        <source>joystick support could not start: %1</source>
        <translation>joystickondersteuning kon niet starten: %1</translation>
    </message>
    <message>
        <location filename="../src/platform/game_port.cpp" line="130"/>
        <source>no joystick is connected</source>
        <translation>er is geen joystick aangesloten</translation>
    </message>
    <message>
        <location filename="../src/platform/game_port.cpp" line="138"/>
        <source>the joystick cannot be opened (%1); check the permissions of /dev/input/event*</source>
        <translation>de joystick kan niet worden geopend (%1); controleer de rechten van /dev/input/event*</translation>
    </message>
    <message>
        <location filename="../src/platform/game_port.cpp" line="183"/>
        <source>no joystick</source>
        <translation>geen joystick</translation>
    </message>
</context>
<context>
    <name>ImagePipeline</name>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="277"/>
        <source>%1 cannot be used: %2.</source>
        <translation>%1 kan niet worden gebruikt: %2.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="281"/>
        <source>the file does not exist</source>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="282"/>
        <source>it is a folder, not a picture file</source>
        <translation>het is een map, geen afbeeldingsbestand</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="283"/>
        <source>this user may not read it</source>
        <translation>deze gebruiker mag het niet lezen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="284"/>
        <source>the file is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="288"/>
        <source>it is not a picture that can be read (PNG, JPEG, BMP, GIF and SVG can)</source>
        <translation>het is geen afbeelding die kan worden gelezen (PNG, JPEG, BMP, GIF en SVG wel)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="297"/>
        <location filename="../tools/workshop/image_pipeline.cpp" line="306"/>
        <source>it is too large for the workshop to open; make it smaller in a photo program first</source>
        <translation>het is te groot om in het atelier te openen; maak het eerst kleiner in een fotoprogramma</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="304"/>
        <source>it could not be decoded (%1)</source>
        <translation>het kon niet worden gedecodeerd (%1)</translation>
    </message>
</context>
<context>
    <name>ListModel</name>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="48"/>
        <source>a picture needs a name</source>
        <translation>een afbeelding heeft een naam nodig</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="49"/>
        <source>a name that begins with &quot;-&quot; is skipped by Brushwell</source>
        <translation>een naam die met &quot;-&quot; begint, slaat Brushwell over</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="50"/>
        <source>a name with a double quote cannot stand in a list</source>
        <translation>een naam met een dubbel aanhalingsteken kan niet in een lijst staan</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="51"/>
        <source>a name must be one line</source>
        <translation>een naam moet op één regel staan</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="65"/>
        <source>%1 cannot be read (%2).</source>
        <translation>%1 kan niet worden gelezen (%2).</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="101"/>
        <source>The settings file %1 is missing from %2.</source>
        <translation>Het instellingenbestand %1 ontbreekt in %2.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="115"/>
        <source>The settings file %1 is damaged or missing, so the descriptions were not saved. Start Brushwell once and leave it with &quot;Exit&quot;: it repairs the file.</source>
        <translation>Het instellingenbestand %1 is beschadigd of ontbreekt, dus de beschrijvingen zijn niet opgeslagen. Start Brushwell één keer en sluit het af met &quot;Afsluiten&quot;: dan wordt het bestand hersteld.</translation>
    </message>
</context>
<context>
    <name>ListPage</name>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="53"/>
        <source>Picture &amp;lists</source>
        <translation>Afbeeldingen&amp;lijsten</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="54"/>
        <source>Picture lists</source>
        <translation>Afbeeldingenlijsten</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="62"/>
        <source>&amp;Description of this list:</source>
        <translation>&amp;Beschrijving van deze lijst:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="63"/>
        <source>Description of this list</source>
        <translation>Beschrijving van deze lijst</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="67"/>
        <source>Pictures in colouring &amp;order (drag, or use the buttons):</source>
        <translation>Afbeeldingen in kleur&amp;volgorde (slepen, of de knoppen gebruiken):</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="68"/>
        <source>Pictures in colouring order</source>
        <translation>Afbeeldingen in kleurvolgorde</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="76"/>
        <source>Missing pictures</source>
        <translation>Ontbrekende afbeeldingen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="81"/>
        <source>Move &amp;Up</source>
        <translation>Om&amp;hoog</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="82"/>
        <source>Move Do&amp;wn</source>
        <translation>Omlaa&amp;g</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="83"/>
        <source>&amp;Remove</source>
        <translation>Ve&amp;rwijderen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="84"/>
        <source>Add &amp;Heading...</source>
        <translation>&amp;Kopje toevoegen...</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="85"/>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="86"/>
        <source>&amp;Save List</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="92"/>
        <source>Pictures in the &amp;folder:</source>
        <translation>Afbeeldingen in de &amp;map:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="93"/>
        <source>Pictures in the folder</source>
        <translation>Afbeeldingen in de map</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="101"/>
        <source>&amp;Add to List</source>
        <translation>&amp;Toevoegen aan lijst</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="151"/>
        <source>List %1</source>
        <translation>Lijst %1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="151"/>
        <source>List %1: %2</source>
        <translation>Lijst %1: %2</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="159"/>
        <source>

The descriptions cannot be saved until the settings file is whole again.</source>
        <translation>

De beschrijvingen kunnen pas worden opgeslagen als het instellingenbestand weer heel is.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="233"/>
        <source>Heading: %1</source>
        <translation>Kopje: %1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="235"/>
        <source>%1   (not in the folder)</source>
        <translation>%1   (niet in de map)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="238"/>
        <source>%1, not in the folder</source>
        <translation>%1, niet in de map</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="250"/>
        <source>Not in the program folder: %1. They stay in the list; Brushwell ends the session when it reaches one, so add the picture or remove the name.</source>
        <translation>Niet in de programmamap: %1. Ze blijven in de lijst; Brushwell stopt de sessie zodra het er een tegenkomt, dus voeg de afbeelding toe of verwijder de naam.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="289"/>
        <source>Removed from the list (the picture stays in the folder). Undo brings it back.</source>
        <translation>Uit de lijst verwijderd (de afbeelding blijft in de map). Met Ongedaan maken komt ze terug.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="306"/>
        <source>Choose one or more pictures in the folder first.</source>
        <translation>Kies eerst een of meer afbeeldingen in de map.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="314"/>
        <source>%1 cannot be added: %2.</source>
        <translation>%1 kan niet worden toegevoegd: %2.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="338"/>
        <source>List %1 could not be saved (%2). The file on disk was left as it was.</source>
        <translation>Lijst %1 kon niet worden opgeslagen (%2). Het bestand op schijf is ongewijzigd gebleven.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="345"/>
        <source>The list was saved, but its description was not:

%1</source>
        <translation>De lijst is opgeslagen, maar de beschrijving niet:

%1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="350"/>
        <source>List %1 saved. Brushwell uses it from the next session on.</source>
        <translation>Lijst %1 is opgeslagen. Brushwell gebruikt die vanaf de volgende sessie.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="357"/>
        <source>List %1 has changes that are not saved. Save them?</source>
        <translation>Lijst %1 heeft wijzigingen die niet zijn opgeslagen. Opslaan?</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <location filename="../tools/workshop/main.cpp" line="28"/>
        <source>Makes colouring pictures from drawings and photos, and edits picture lists.</source>
        <translation>Maakt kleurplaten van tekeningen en foto&apos;s, en bewerkt afbeeldingenlijsten.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="30"/>
        <source>the program folder (default: the one Brushwell uses)</source>
        <translation>de programmamap (standaard: de map die Brushwell gebruikt)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="35"/>
        <source>the folder of the user colouring now, whose list descriptions and own lists are edited (default: the program folder)</source>
        <translation>de map van de gebruiker die nu kleurt, van wie de lijstbeschrijvingen en eigen lijsten worden bewerkt (standaard: de programmamap)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="38"/>
        <source>a drawing or photo to open</source>
        <translation>een tekening of foto om te openen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="44"/>
        <location filename="../tools/workshop/main.cpp" line="46"/>
        <location filename="../tools/workshop/main.cpp" line="51"/>
        <source>Brushwell Picture Workshop</source>
        <translation>Brushwell Afbeeldingenatelier</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="46"/>
        <location filename="../tools/workshop/main.cpp" line="51"/>
        <source>The folder %1 does not exist.</source>
        <translation>De map %1 bestaat niet.</translation>
    </message>
</context>
<context>
    <name>Mainform</name>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="146"/>
        <source>Processing New Picture, Please Wait ...</source>
        <translation>Nieuwe afbeelding wordt voorbereid, even geduld ...</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="148"/>
        <location filename="../src/pictures/mainform.cpp" line="150"/>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="163"/>
        <source>Left is Faster - Right is Slower</source>
        <translation>Links is sneller - rechts is langzamer</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="164"/>
        <source>Animation speed</source>
        <translation>Animatiesnelheid</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="172"/>
        <location filename="../src/pictures/mainform.cpp" line="174"/>
        <source>Test Speed</source>
        <translation>Testen</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="178"/>
        <location filename="../src/pictures/mainform.cpp" line="180"/>
        <source>Main Menu</source>
        <translation>Hoofdmenu</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="186"/>
        <source>Move the slider bar in small adjustments to adjust the speed then press the &quot;Test Speed&quot; Button.</source>
        <translation>Verschuif de schuifbalk in kleine stapjes om de snelheid aan te passen en druk dan op de knop &quot;Testen&quot;.</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="192"/>
        <source>Before the first picture Brushwell needs to know how fast to move on this computer, so set the speed here; &quot;Main Menu&quot; keeps it, and it is asked for only once.</source>
        <translation>Voor de eerste afbeelding moet Brushwell weten hoe snel het op deze computer moet bewegen; stel de snelheid hier in. &quot;Hoofdmenu&quot; bewaart die, en er wordt maar één keer om gevraagd.</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="197"/>
        <source>Faster</source>
        <translation>Sneller</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="200"/>
        <source>Slower</source>
        <translation>Langzamer</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="314"/>
        <source>Dwell progress</source>
        <translation>Voortgang stil wijzen</translation>
    </message>
</context>
<context>
    <name>NewPicturePage</name>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="76"/>
        <source>&amp;Open Drawing or Photo...</source>
        <translation>Tekening of foto o&amp;penen...</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="76"/>
        <source>Open Drawing or Photo</source>
        <translation>Tekening of foto openen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="77"/>
        <source>It is a &amp;drawing</source>
        <translation>Het is een &amp;tekening</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="77"/>
        <source>It is a drawing</source>
        <translation>Het is een tekening</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="78"/>
        <source>It is a p&amp;hoto</source>
        <translation>Het is een &amp;foto</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="78"/>
        <source>It is a photo</source>
        <translation>Het is een foto</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="92"/>
        <source>Original</source>
        <translation>Origineel</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="93"/>
        <source>Original picture</source>
        <translation>Originele afbeelding</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="99"/>
        <source>Colouring picture (numbers: the colouring order)</source>
        <translation>Kleurplaat (cijfers: de kleurvolgorde)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="100"/>
        <source>Colouring picture preview</source>
        <translation>Voorbeeld van de kleurplaat</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="101"/>
        <source>Click a section to choose it; arrow keys move its marker</source>
        <translation>Klik op een vlak om het te kiezen; met de pijltoetsen verplaatst u de markering</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="134"/>
        <source>Drawing</source>
        <translation>Tekening</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="136"/>
        <source>Line darkness</source>
        <translation>Donkerte van lijnen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="138"/>
        <source>Close gaps</source>
        <translation>Gaten dichten</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="142"/>
        <source>Line dar&amp;kness:</source>
        <translation>&amp;Donkerte van lijnen:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="142"/>
        <source>only dark lines</source>
        <translation>alleen donkere lijnen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="143"/>
        <source>faint lines too</source>
        <translation>ook lichte lijnen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="144"/>
        <source>Close &amp;gaps:</source>
        <translation>&amp;Gaten dichten:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="144"/>
        <source>0: none</source>
        <translation>0: geen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="144"/>
        <source>5: wide gaps</source>
        <translation>5: brede gaten</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="145"/>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="147"/>
        <source>Detail</source>
        <translation>Detail</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="152"/>
        <source>De&amp;tail:</source>
        <translation>Deta&amp;il:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="152"/>
        <source>1: few large areas</source>
        <translation>1: weinig grote vlakken</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="153"/>
        <source>10: many small</source>
        <translation>10: veel kleine</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="158"/>
        <source>Sections</source>
        <translation>Vlakken</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="160"/>
        <source>Sections in colouring order</source>
        <translation>Vlakken in kleurvolgorde</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="164"/>
        <source>Colour &amp;Earlier</source>
        <translation>&amp;Eerder kleuren</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="164"/>
        <source>Colour Earlier</source>
        <translation>Eerder kleuren</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="165"/>
        <source>Colour &amp;Later</source>
        <translation>&amp;Later kleuren</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="165"/>
        <source>Colour Later</source>
        <translation>Later kleuren</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="169"/>
        <source>&amp;Merge Small Regions</source>
        <translation>Kleine gebieden sa&amp;menvoegen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="169"/>
        <source>Merge Small Regions</source>
        <translation>Kleine gebieden samenvoegen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="170"/>
        <source>D&amp;rop Small Regions</source>
        <translation>Kleine gebieden &amp;weglaten</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="170"/>
        <source>Drop Small Regions</source>
        <translation>Kleine gebieden weglaten</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="171"/>
        <source>The small regions in red stay white and are not coloured.</source>
        <translation>De kleine gebieden in rood blijven wit en worden niet gekleurd.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="172"/>
        <source>Merge Down to &amp;25 Sections</source>
        <translation>Samenvoegen tot &amp;25 vlakken</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="172"/>
        <source>Merge Down to 25 Sections</source>
        <translation>Samenvoegen tot 25 vlakken</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="178"/>
        <source>On the picture</source>
        <translation>Op de afbeelding</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="180"/>
        <source>A click chooses a section</source>
        <translation>Een klik kiest een vlak</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="181"/>
        <location filename="../tools/workshop/new_picture_page.cpp" line="182"/>
        <source>A click moves the section&apos;s marker</source>
        <translation>Een klik verplaatst de markering van het vlak</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="183"/>
        <source>Two clicks &amp;join two regions</source>
        <translation>Twee &amp;klikken voegen twee gebieden samen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="183"/>
        <source>Two clicks join two regions</source>
        <translation>Twee klikken voegen twee gebieden samen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="184"/>
        <source>A line dra&amp;wn across a region splits it</source>
        <translation>Een lijn door een ge&amp;bied splitst het</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="185"/>
        <source>A line drawn across a region splits it</source>
        <translation>Een lijn door een gebied splitst het</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="186"/>
        <source>A click or a stroke erases l&amp;ines</source>
        <translation>Een klik of st&amp;reep wist lijnen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="187"/>
        <source>A click or a stroke erases lines</source>
        <translation>Een klik of streep wist lijnen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="188"/>
        <source>Click one region, then the one beside it: the line between them goes.</source>
        <translation>Klik op een gebied en dan op het gebied ernaast: de lijn ertussen verdwijnt.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="189"/>
        <source>Hold the button down and draw across the region, from one outline to the other.</source>
        <translation>Houd de knop ingedrukt en trek een lijn door het gebied, van de ene omtrek naar de andere.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="190"/>
        <source>A click on a stray line or dot takes it away; drag along a line to rub it out.</source>
        <translation>Een klik op een losse lijn of stip haalt die weg; sleep langs een lijn om die uit te gummen.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="199"/>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="199"/>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="200"/>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="201"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="202"/>
        <source>Ctrl+Shift+Z or Ctrl+Y</source>
        <translation>Ctrl+Shift+Z of Ctrl+Y</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="208"/>
        <location filename="../tools/workshop/new_picture_page.cpp" line="380"/>
        <source>Open a drawing or a photo to begin.</source>
        <translation>Open een tekening of een foto om te beginnen.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="208"/>
        <source>Remarks</source>
        <translation>Opmerkingen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="214"/>
        <source>Pi&amp;cture name:</source>
        <translation>Afbeeldings&amp;naam:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="215"/>
        <source>Picture name</source>
        <translation>Afbeeldingsnaam</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="216"/>
        <source>for example: our_dog</source>
        <translation>bijvoorbeeld: onze_hond</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="218"/>
        <source>&amp;Save Picture</source>
        <translation>Afbeelding op&amp;slaan</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="218"/>
        <source>Save Picture</source>
        <translation>Afbeelding opslaan</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="255"/>
        <source>Joined small regions %1 time(s).</source>
        <translation>%1 keer kleine gebieden samengevoegd.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="259"/>
        <source>The small regions are left white.</source>
        <translation>De kleine gebieden blijven wit.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="262"/>
        <source>Joined the smallest sections %1 time(s).</source>
        <translation>%1 keer de kleinste vlakken samengevoegd.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="280"/>
        <source>Open a Drawing or a Photo</source>
        <translation>Een tekening of een foto openen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="283"/>
        <source>Drawings and photos (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.PNG *.JPG *.JPEG *.BMP *.GIF *.SVG)</source>
        <translation>Tekeningen en foto&apos;s (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.PNG *.JPG *.JPEG *.BMP *.GIF *.SVG)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="284"/>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="333"/>
        <source>Nothing could be made of this picture.</source>
        <translation>Van deze afbeelding kon niets worden gemaakt.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="337"/>
        <source>The picture was made again.</source>
        <translation>De afbeelding is opnieuw gemaakt.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="338"/>
        <source>Preview made in %1 ms.</source>
        <translation>Voorbeeld gemaakt in %1 ms.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="341"/>
        <source>Opened %1.</source>
        <translation>%1 geopend.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="342"/>
        <source>%1 x %2 pixels; first preview after %3 ms.</source>
        <translation>%1 x %2 pixels; eerste voorbeeld na %3 ms.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="374"/>
        <source>Section %1</source>
        <translation>Vlak %1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="376"/>
        <source>%1 pixels; marker at %2, %3</source>
        <translation>%1 pixels; markering op %2, %3</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="397"/>
        <source>That region is too small for a marker: join it to a neighbour, or drop it.</source>
        <translation>Dat gebied is te klein voor een markering: voeg het samen met een buurgebied, of laat het weg.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="404"/>
        <source>A marker cannot stand there: it needs white all round it, inside a section.</source>
        <translation>Daar kan geen markering staan: die moet rondom wit hebben, binnen een vlak.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="410"/>
        <source>Click inside a region, not on a line.</source>
        <translation>Klik binnen een gebied, niet op een lijn.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="414"/>
        <source>Now click the region beside it to join the two.</source>
        <translation>Klik nu op het gebied ernaast om de twee samen te voegen.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="420"/>
        <source>The two regions are joined.</source>
        <translation>De twee gebieden zijn samengevoegd.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="430"/>
        <source>Hold the button down and draw a line across the region.</source>
        <translation>Houd de knop ingedrukt en trek een lijn door het gebied.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="456"/>
        <source>The region is split in two.</source>
        <translation>Het gebied is in tweeën gesplitst.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="458"/>
        <source>Erased. Regions the line divided are now one.</source>
        <translation>Gewist. Gebieden die door de lijn gescheiden waren, zijn nu één.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="458"/>
        <source>Erased.</source>
        <translation>Gewist.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="496"/>
        <source> %1 stay red, or their shape would be lost: join them by hand, or drop them.</source>
        <translation> %1 blijven rood, anders gaat hun vorm verloren: voeg ze met de hand samen, of laat ze weg.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="524"/>
        <source>Done again.</source>
        <translation>Opnieuw gedaan.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="531"/>
        <source>Open a drawing or a photo first.</source>
        <translation>Open eerst een tekening of een foto.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="536"/>
        <source>Give the picture a name of letters, digits, spaces, &quot;_&quot; or &quot;-&quot;, beginning with a letter or digit.</source>
        <translation>Geef de afbeelding een naam van letters, cijfers, spaties, &quot;_&quot; of &quot;-&quot;, die met een letter of cijfer begint.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="539"/>
        <source>Names beginning with &quot;aobj_&quot; belong to Brushwell&apos;s own files. Choose another name.</source>
        <translation>Namen die met &quot;aobj_&quot; beginnen, zijn voor Brushwells eigen bestanden. Kies een andere naam.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="545"/>
        <source>A picture needs 1 to 25 sections; this one has %1.</source>
        <translation>Een afbeelding heeft 1 tot 25 vlakken nodig; deze heeft er %1.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="550"/>
        <source>The picture was not saved, because Brushwell would not colour it as shown:

</source>
        <translation>De afbeelding is niet opgeslagen, omdat Brushwell haar niet zou kleuren zoals hier getoond:

</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="554"/>
        <source>%1 is already in the program folder. Replace it?</source>
        <translation>%1 staat al in de programmamap. Vervangen?</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="561"/>
        <source>The picture could not be encoded.</source>
        <translation>De afbeelding kon niet worden gecodeerd.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="564"/>
        <source>%1 could not be saved (%2). Nothing was changed in the program folder.</source>
        <translation>%1 kon niet worden opgeslagen (%2). Er is niets gewijzigd in de programmamap.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="574"/>
        <source>%1 was saved, but its section file could not be written (%2). Brushwell will find the sections itself the first time it shows the picture.</source>
        <translation>%1 is opgeslagen, maar het vlakkenbestand kon niet worden geschreven (%2). Brushwell zoekt de vlakken zelf de eerste keer dat het de afbeelding toont.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="580"/>
        <source>Saved %1 with %2 sections. Add it to a list on the Picture Lists page.</source>
        <translation>%1 opgeslagen met %2 vlakken. Voeg de afbeelding toe aan een lijst op de pagina Afbeeldingenlijsten.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="581"/>
        <source>Checked and written in %1 ms.</source>
        <translation>Gecontroleerd en geschreven in %1 ms.</translation>
    </message>
</context>
<context>
    <name>OptionsFile</name>
    <message>
        <location filename="../src/settings/options_file.cpp" line="52"/>
        <source>%1 is &quot;%2&quot;, which is not a whole number; %3 is used.</source>
        <translation>%1 is &quot;%2&quot;, en dat is geen geheel getal; %3 wordt gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="53"/>
        <source>%1 is &quot;%2&quot;, which is not a number; %3 is used.</source>
        <translation>%1 is &quot;%2&quot;, en dat is geen getal; %3 wordt gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="56"/>
        <source>%1 is %2, outside %3 to %4; %5 is used.</source>
        <translation>%1 is %2, buiten %3 tot %4; %5 wordt gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="74"/>
        <source>The file is damaged: it is not plain text (byte %1 is the control code %2). What could be read of it is used.</source>
        <translation>Het bestand is beschadigd: het is geen platte tekst (byte %1 is de stuurcode %2). Wat ervan kon worden gelezen, wordt gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="94"/>
        <source>The file is damaged; what could be read of it is used.</source>
        <translation>Het bestand is beschadigd; wat ervan kon worden gelezen, wordt gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="96"/>
        <source>The file could not be read; the standard options are used.</source>
        <translation>Het bestand kon niet worden gelezen; de standaardopties worden gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="111"/>
        <source>[switch] has the unknown key %1; it is not used.</source>
        <translation>[switch] heeft de onbekende sleutel %1; die wordt niet gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="122"/>
        <source>no temporary folder: %1</source>
        <translation>geen tijdelijke map: %1</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="135"/>
        <source>the options could not be prepared</source>
        <translation>de opties konden niet worden voorbereid</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="199"/>
        <source>[voice] Language is &quot;%1&quot;, which is no language code such as en or fr; en is used.</source>
        <translation>[voice] Language is &quot;%1&quot;, en dat is geen taalcode zoals en of fr; en wordt gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="203"/>
        <source>[voice] has the unknown key %1; it is not used.</source>
        <translation>[voice] heeft de onbekende sleutel %1; die wordt niet gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="239"/>
        <source>[display] Language is &quot;%1&quot;; the screens can be shown in en, nl, fr, es, de or he. en is used.</source>
        <translation>[display] Language is &quot;%1&quot;; de schermen kunnen worden getoond in en, nl, fr, es, de of he. en wordt gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="269"/>
        <source>Brushwell found a problem in %1 and used standard values where needed:

</source>
        <translation>Brushwell heeft een probleem gevonden in %1 en waar nodig standaardwaarden gebruikt:

</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="272"/>
        <source>
Check the &quot;Switch Timing&quot; and &quot;Test Switches&quot; screens (from &quot;Keyboard / Switch Information&quot;) and the language on &quot;Auditory Settings&quot;; the file is written again when you change them.</source>
        <translation>
Controleer de schermen &quot;Schakelaartiming&quot; en &quot;Schakelaars testen&quot; (via &quot;Toetsenbord / schakelaar&quot;) en de taal bij &quot;Geluidsinstellingen&quot;; het bestand wordt opnieuw geschreven als u ze wijzigt.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="326"/>
        <source>%1 is &quot;%2&quot;, which is not a rectangle x,y,w,h inside the image (each from 0 to 1); no rectangle is used.</source>
        <translation>%1 is &quot;%2&quot;, en dat is geen rechthoek x,y,w,h binnen het beeld (elk van 0 tot 1); er wordt geen rechthoek gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="334"/>
        <source>[camera] has the unknown key %1; it is not used.</source>
        <translation>[camera] heeft de onbekende sleutel %1; die wordt niet gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="355"/>
        <source>The camera options could not be saved to %1 (%2).
The file on disk was left as it was; the options are used until Brushwell is closed.</source>
        <translation>De camera-opties konden niet worden opgeslagen in %1 (%2).
Het bestand op schijf is ongewijzigd gebleven; de opties gelden tot Brushwell wordt afgesloten.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="387"/>
        <source>The switch options could not be saved to %1 (%2).
The file on disk was left as it was; the options are used until Brushwell is closed.</source>
        <translation>De schakelaaropties konden niet worden opgeslagen in %1 (%2).
Het bestand op schijf is ongewijzigd gebleven; de opties gelden tot Brushwell wordt afgesloten.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="398"/>
        <source>The narration language could not be saved to %1 (%2).
The file on disk was left as it was; the language is used until Brushwell is closed.</source>
        <translation>De taal van de gesproken tekst kon niet worden opgeslagen in %1 (%2).
Het bestand op schijf is ongewijzigd gebleven; de taal geldt tot Brushwell wordt afgesloten.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="413"/>
        <source>The language of the screens could not be saved to %1 (%2).
The file on disk was left as it was; the language is used until Brushwell is closed.</source>
        <translation>De taal van de schermen kon niet worden opgeslagen in %1 (%2).
Het bestand op schijf is ongewijzigd gebleven; de taal geldt tot Brushwell wordt afgesloten.</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="86"/>
        <source>the file does not exist</source>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="87"/>
        <source>it is a folder, not a picture file</source>
        <translation>het is een map, geen afbeeldingsbestand</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="90"/>
        <source>it is not a picture that can be read (JPEG, BMP or PNG are)</source>
        <translation>het is geen afbeelding die kan worden gelezen (JPEG, BMP of PNG wel)</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="93"/>
        <source>the file is damaged: it ends before its picture does</source>
        <translation>het bestand is beschadigd: het houdt op voordat de afbeelding af is</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="97"/>
        <location filename="../src/platform/picture_box.cpp" line="116"/>
        <source>it is %1 by %2 pixels, larger than the %3 by %3 pixels a picture may have</source>
        <translation>het is %1 bij %2 pixels, groter dan de %3 bij %3 pixels die een afbeelding mag hebben</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="110"/>
        <source>it could not be decoded (%1)</source>
        <translation>het kon niet worden gedecodeerd (%1)</translation>
    </message>
</context>
<context>
    <name>PictureChooser</name>
    <message>
        <location filename="../src/pictures/picture_chooser.cpp" line="40"/>
        <source>Choose the next picture</source>
        <translation>Kies de volgende afbeelding</translation>
    </message>
</context>
<context>
    <name>PictureDesign</name>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="154"/>
        <source>The new order must hold every section once.</source>
        <translation>De nieuwe volgorde moet elk vlak precies één keer bevatten.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="178"/>
        <source>Section %1 cannot be coloured after section %2: Brushwell colours from left to right, and all of section %1 lies too far to the left.</source>
        <translation>Vlak %1 kan niet na vlak %2 worden gekleurd: Brushwell kleurt van links naar rechts, en heel vlak %1 ligt te ver naar links.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="201"/>
        <source>No place was found for the marker of section %1.</source>
        <translation>Er is geen plek gevonden voor de markering van vlak %1.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="242"/>
        <source>Brushwell would find %1 section(s) in %2, not the %3 shown here.</source>
        <translation>Brushwell zou %1 vlak(ken) vinden in %2, niet de %3 die hier te zien zijn.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="252"/>
        <source>The paint of section %1 would spread beyond it. Close the gap in its outline.</source>
        <translation>De verf van vlak %1 zou erbuiten lopen. Dicht het gat in de omtrek.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="262"/>
        <source>No area to colour was found. Try more detail.</source>
        <translation>Er is geen vlak om te kleuren gevonden. Probeer meer detail.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="263"/>
        <source>No closed area to colour was found. Are the outlines closed? Move &quot;Close gaps&quot; to the right.</source>
        <translation>Er is geen gesloten vlak om te kleuren gevonden. Zijn de omtrekken gesloten? Schuif &quot;Gaten dichten&quot; naar rechts.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="266"/>
        <source>%1 sections: Brushwell colours at most %2. Use &quot;Merge Down to 25 Sections&quot;, or lower the detail.</source>
        <translation>%1 vlakken: Brushwell kleurt er hoogstens %2. Gebruik &quot;Samenvoegen tot 25 vlakken&quot;, of verlaag het detail.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="268"/>
        <source>%1 sections: Brushwell colours at most %2. Use &quot;Merge Down to 25 Sections&quot;, or join two at a time with &quot;Two clicks join two regions&quot;.</source>
        <translation>%1 vlakken: Brushwell kleurt er hoogstens %2. Gebruik &quot;Samenvoegen tot 25 vlakken&quot;, of voeg er telkens twee samen met &quot;Twee klikken voegen twee gebieden samen&quot;.</translation>
    </message>
    <message numerus="yes">
        <location filename="../tools/workshop/picture_design.cpp" line="274"/>
        <source>%n section(s), coloured in the numbered order.</source>
        <translation>
            <numerusform>%n vlak, gekleurd in de genummerde volgorde.</numerusform>
            <numerusform>%n vlakken, gekleurd in de genummerde volgorde.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="277"/>
        <source>%1 region(s) in red are too small to see or to point at. Join each to a neighbour (&quot;Merge Small Regions&quot;, or &quot;Two clicks join two regions&quot;), or leave them white with &quot;Drop Small Regions&quot;.</source>
        <translation>%1 gebied(en) in rood zijn te klein om te zien of aan te wijzen. Voeg elk samen met een buurgebied (&quot;Kleine gebieden samenvoegen&quot;, of &quot;Twee klikken voegen twee gebieden samen&quot;), of laat ze wit met &quot;Kleine gebieden weglaten&quot;.</translation>
    </message>
    <message numerus="yes">
        <location filename="../tools/workshop/picture_design.cpp" line="283"/>
        <source>%n small region(s) are left white and not coloured.</source>
        <translation>
            <numerusform>%n klein gebied blijft wit en wordt niet gekleurd.</numerusform>
            <numerusform>%n kleine gebieden blijven wit en worden niet gekleurd.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../tools/workshop/picture_design.cpp" line="286"/>
        <source>%n section(s) lie so near the top that the pointer is partly hidden.</source>
        <translation>
            <numerusform>%n vlak ligt zo dicht bij de bovenkant dat de aanwijzer deels verborgen is.</numerusform>
            <numerusform>%n vlakken liggen zo dicht bij de bovenkant dat de aanwijzer deels verborgen is.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureList</name>
    <message>
        <location filename="../src/pictures/picture_list.cpp" line="83"/>
        <source>%1 is a folder, not a file</source>
        <translation>%1 is een map, geen bestand</translation>
    </message>
    <message>
        <location filename="../src/pictures/picture_list.cpp" line="88"/>
        <source>%1 could not be opened (%2)</source>
        <translation>%1 kon niet worden geopend (%2)</translation>
    </message>
    <message>
        <location filename="../src/pictures/picture_list.cpp" line="93"/>
        <source>%1 could not be read to its end (%2)</source>
        <translation>%1 kon niet tot het einde worden gelezen (%2)</translation>
    </message>
</context>
<context>
    <name>PictureListsScreen</name>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="19"/>
        <location filename="../src/menu/picture_lists_screen.cpp" line="60"/>
        <source>Picture List</source>
        <translation>Afbeeldingenlijst</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="30"/>
        <source>Brushwell allows you to save up to 15 different Picture Lists.  These lists contain the names of the pictures that will be used by the program. The program will use the list that is checked off under the Active Picture List heading. You can create lists for different students, create lists for different holidays, ... Please refer to the users guide for instructions on how to create your own pictures.  A few lists are already supplied with the program.</source>
        <translation>In Brushwell kunt u tot 15 verschillende afbeeldingenlijsten bewaren. Deze lijsten bevatten de namen van de afbeeldingen die het programma gebruikt. Het programma gebruikt de lijst die onder het kopje Actieve lijst is aangevinkt. U kunt lijsten maken voor verschillende leerlingen, voor verschillende feestdagen, ... In de handleiding leest u hoe u uw eigen afbeeldingen maakt. Een paar lijsten worden al met het programma meegeleverd.</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="37"/>
        <source>Clicking the Edit Picture List button will bring up &quot;Windows Notepad&quot; and present the list.  When finished editing the file, just click save and exit from Notepad.  You can copy picture names from one list to another by simply clicking on the old list and cutting and pasting the names into the new list.  You can bypass a picture from being displayed by placing a dash before the picture name in the list.  For example -ball.bmp will cause the ball picture to be bypassed. When a picture is displayed on the screen for painting, the name of the picture is displayed in dark red right above the picture that is being painted.</source>
        <translation>Met de knop Lijst bewerken opent &quot;Windows Kladblok&quot; met de lijst. Klik na het bewerken op opslaan en sluit Kladblok. U kunt afbeeldingsnamen van de ene lijst naar de andere kopiëren door de oude lijst te openen en de namen te knippen en in de nieuwe lijst te plakken. U kunt een afbeelding overslaan door een streepje vóór de afbeeldingsnaam in de lijst te zetten. Met -ball.bmp wordt de afbeelding van de bal bijvoorbeeld overgeslagen. Als een afbeelding op het scherm wordt gekleurd, staat de naam ervan in donkerrood vlak boven de afbeelding.</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="48"/>
        <source>Picture Workshop</source>
        <translation>Afbeeldingenatelier</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="50"/>
        <source>Make pictures from drawings and photos, and edit the picture lists</source>
        <translation>Maak afbeeldingen van tekeningen en foto&apos;s, en bewerk de afbeeldingenlijsten</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="58"/>
        <source>Active Picture List</source>
        <translation>Actieve lijst</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="62"/>
        <source>Picture List Description</source>
        <translation>Beschrijving van de lijst</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="66"/>
        <source>Active Picture List %1</source>
        <translation>Actieve afbeeldingenlijst %1</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="70"/>
        <source>Picture List Description %1</source>
        <translation>Beschrijving van afbeeldingenlijst %1</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="72"/>
        <source>Edit Picture List #%1</source>
        <translation>Lijst %1 bewerken</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="110"/>
        <source>Enter a description for Picture List Number %1</source>
        <translation>Geef een beschrijving voor afbeeldingenlijst nummer %1</translation>
    </message>
</context>
<context>
    <name>PortIo</name>
    <message>
        <location filename="../src/platform/port_io.cpp" line="65"/>
        <source>no serial device for COM %1 (is the USB serial adapter plugged in?)</source>
        <translation>geen seriële poort voor COM %1 (is de USB-seriële adapter aangesloten?)</translation>
    </message>
    <message>
        <location filename="../src/platform/port_io.cpp" line="154"/>
        <source>%1 cannot be opened</source>
        <translation>%1 kan niet worden geopend</translation>
    </message>
    <message>
        <location filename="../src/platform/port_io.cpp" line="224"/>
        <source>no serial device</source>
        <translation>geen seriële poort</translation>
    </message>
</context>
<context>
    <name>PrintingExitLink</name>
    <message>
        <location filename="../src/pictures/printing_exit_link.cpp" line="51"/>
        <source>Picture sent to printer</source>
        <translation>Afbeelding naar de printer gestuurd</translation>
    </message>
    <message>
        <location filename="../src/pictures/printing_exit_link.cpp" line="53"/>
        <source>The picture could not be printed.</source>
        <translation>De afbeelding kon niet worden afgedrukt.</translation>
    </message>
    <message>
        <location filename="../src/pictures/printing_exit_link.cpp" line="62"/>
        <source>Double-tap here 
for main menu</source>
        <translation>Dubbeltik hier 
voor het hoofdmenu</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <location filename="../src/app/program_folder.cpp" line="86"/>
        <source>The folder %1 for your own settings and lists could not be made.</source>
        <translation>De map %1 voor uw eigen instellingen en lijsten kon niet worden gemaakt.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="99"/>
        <source>The old link %1 could not be replaced.</source>
        <translation>De oude koppeling %1 kon niet worden vervangen.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="104"/>
        <source>%1 could not be written (%2).</source>
        <translation>%1 kon niet worden geschreven (%2).</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="117"/>
        <source>%1 could not be copied into %2.</source>
        <translation>%1 kon niet naar %2 worden gekopieerd.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="119"/>
        <source>%1 could not be linked into %2.</source>
        <translation>%1 kon niet in %2 worden gekoppeld.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="137"/>
        <source>
Brushwell runs from %1, where your settings cannot be saved.</source>
        <translation>
Brushwell draait vanuit %1, waar uw instellingen niet kunnen worden opgeslagen.</translation>
    </message>
</context>
<context>
    <name>ProgressRecords</name>
    <message>
        <location filename="../src/records/progress_log.cpp" line="259"/>
        <source>The progress file %1 has no header row naming its columns (started, user, list, ...), so none of its rows can be shown.
The file is left as it is.</source>
        <translation>Het voortgangsbestand %1 heeft geen kopregel met de namen van de kolommen (started, user, list, ...), dus geen van de regels kan worden getoond.
Het bestand blijft zoals het is.</translation>
    </message>
    <message>
        <location filename="../src/session/progress_entry.cpp" line="69"/>
        <source>The progress record %1 could not be saved: %2.
Colouring goes on; the record of this picture is kept and saved with the next one.</source>
        <translation>De voortgangsgegevens %1 konden niet worden opgeslagen: %2.
Het kleuren gaat door; de gegevens van deze afbeelding blijven bewaard en worden met de volgende opgeslagen.</translation>
    </message>
</context>
<context>
    <name>ProgressScreen</name>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="63"/>
        <source>week of %1</source>
        <translation>week van %1</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <location filename="../src/platform/qt_host.cpp" line="132"/>
        <source>No printer is set up on this computer, so the picture was not printed.
Set up a default printer in the system&apos;s printer settings and try again.</source>
        <translation>Er is geen printer ingesteld op deze computer, dus de afbeelding is niet afgedrukt.
Stel een standaardprinter in bij de printerinstellingen van het systeem en probeer het opnieuw.</translation>
    </message>
    <message>
        <location filename="../src/platform/qt_host.cpp" line="137"/>
        <source>The printer &quot;%1&quot; cannot be used, so the picture was not printed.</source>
        <translation>De printer &quot;%1&quot; kan niet worden gebruikt, dus de afbeelding is niet afgedrukt.</translation>
    </message>
    <message>
        <location filename="../src/platform/qt_host.cpp" line="142"/>
        <source>The printer &quot;%1&quot; reported an error, so the picture may not have been printed.</source>
        <translation>De printer &quot;%1&quot; meldde een fout, dus de afbeelding is misschien niet afgedrukt.</translation>
    </message>
</context>
<context>
    <name>RegionEdit</name>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="105"/>
        <source>Choose two different regions.</source>
        <translation>Kies twee verschillende gebieden.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="114"/>
        <source>These two regions do not touch.</source>
        <translation>Deze twee gebieden raken elkaar niet.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="217"/>
        <source>These two regions cannot be joined without opening the outline of another one.</source>
        <translation>Deze twee gebieden kunnen niet worden samengevoegd zonder de omtrek van een ander gebied te openen.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="328"/>
        <source>Draw a longer line, across the region from one outline to the other.</source>
        <translation>Trek een langere lijn, door het gebied van de ene omtrek naar de andere.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="340"/>
        <source>Draw the line across a region, not along an outline.</source>
        <translation>Trek de lijn dwars door een gebied, niet langs een omtrek.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="363"/>
        <source>The line did not divide the region. Draw it across, from one outline to the other.</source>
        <translation>De lijn heeft het gebied niet gesplitst. Trek hem dwars erdoor, van de ene omtrek naar de andere.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="387"/>
        <location filename="../tools/workshop/region_edit.cpp" line="426"/>
        <source>There is no line there to erase.</source>
        <translation>Daar is geen lijn om te wissen.</translation>
    </message>
</context>
<context>
    <name>ScanScreen</name>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="38"/>
        <source>20 seconds</source>
        <translation>20 seconden</translation>
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
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="52"/>
        <source>Scanning Options</source>
        <translation>Scanopties</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="59"/>
        <source>The term &quot;Scan Position&quot;  is the position at which the paint tube has moved towards the picture and waits.  This is the color that will be used to paint the part of the picture if chosen. The &quot;Input Device&quot; option from the main menu will determine how the Swicth is configured.</source>
        <translation>De &quot;Scanpositie&quot; is de plek waar de verftube naar de afbeelding is geschoven en wacht. Met die kleur wordt het vlak van de afbeelding gekleurd als de gebruiker hem kiest. Met de knop &quot;Toetsenbord / schakelaar&quot; in het hoofdmenu stelt u in hoe de schakelaar is aangesloten.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="65"/>
        <source>Timed Scanning</source>
        <translation>Automatisch scannen</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="66"/>
        <source>Step Scanning - 1 Switch</source>
        <translation>Stapsgewijs scannen - 1 schakelaar</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="67"/>
        <source>Step Scanning - 2 Switches</source>
        <translation>Stapsgewijs scannen - 2 schakelaars</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="69"/>
        <source>No Scanning - Left mouse click on the desired paint tube to select that color.</source>
        <translation>Niet scannen - Klik met de linkermuisknop op de gewenste verftube om die kleur te kiezen.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="73"/>
        <source>Timed Scanning seconds</source>
        <translation>Seconden automatisch scannen</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="75"/>
        <source>Step Scanning - 1 Switch seconds</source>
        <translation>Seconden stapsgewijs scannen - 1 schakelaar</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="90"/>
        <source>Set the slider bar to the number of seconds that the paint tube will wait in the &quot;Scan Position&quot; before the paint tube will move back in line and another paint tube will move to the &quot;Scan Position&quot;.  If the switch is pressed while the paint tube is in the &quot;Scan Position&quot;, the portion of the picture will be colored with the color of that paint tube.</source>
        <translation>Zet de schuifbalk op het aantal seconden dat de verftube in de &quot;Scanpositie&quot; wacht voordat hij terug in de rij gaat en een andere verftube naar de &quot;Scanpositie&quot; komt. Als de schakelaar wordt ingedrukt terwijl de verftube in de &quot;Scanpositie&quot; staat, wordt het vlak van de afbeelding met de kleur van die verftube gekleurd.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="98"/>
        <source>Pressing the switch will cause the next paint tube in line to move into the &quot;Scan Position&quot;.  The number of seconds set in this option will determine the maximum seconds that the program will wait for a switch press in order to select another paint tube to go in the &quot;Scan Position&quot;.  If the switch was not pressed during this time, the program will assume that the paint tube in the &quot;Scan Position&quot; is the color that the user wants to paint that portion of the picture.</source>
        <translation>Bij elke druk op de schakelaar gaat de volgende verftube in de rij naar de &quot;Scanpositie&quot;. Het aantal seconden dat u hier instelt, is de langste tijd dat het programma op een druk op de schakelaar wacht om een andere verftube naar de &quot;Scanpositie&quot; te brengen. Wordt de schakelaar in die tijd niet ingedrukt, dan neemt het programma aan dat de gebruiker het vlak wil kleuren met de verftube in de &quot;Scanpositie&quot;.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="106"/>
        <source>The &lt;space&gt; key of left mouse click is used  to move a paint tube into the &quot;Scan Position&quot; and the &lt;Enter&gt; key (or any switch used to emulate the &lt;Enter&gt; key) is used to select that color for painting the portion of the picture.</source>
        <translation>Met de toets &lt;spatie&gt; of een linkermuisklik gaat een verftube naar de &quot;Scanpositie&quot;, en met de toets &lt;Enter&gt; (of een schakelaar die de toets &lt;Enter&gt; nabootst) wordt die kleur gekozen om het vlak van de afbeelding te kleuren.</translation>
    </message>
</context>
<context>
    <name>ScreenWidgets</name>
    <message>
        <location filename="../src/menu/screen_widgets.cpp" line="54"/>
        <source>Main Menu</source>
        <translation>Hoofdmenu</translation>
    </message>
</context>
<context>
    <name>SectionScan</name>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="33"/>
        <source>The width &amp; height of a picture file must be 400 by 400 pixels.
The dimensions for %1  is %2 by %3.
Please check %1 for accuracy</source>
        <translation>De breedte en hoogte van een afbeeldingsbestand moeten 400 bij 400 pixels zijn.
De afmetingen van %1 zijn %2 bij %3.
Controleer %1 op fouten</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="41"/>
        <source>The number of sections to color must be between 1 and 25. 
The number of sections found in %1 to color is %2.
Please check %1 for accuracy</source>
        <translation>Het aantal te kleuren vlakken moet tussen 1 en 25 liggen. 
Het aantal te kleuren vlakken in %1 is %2.
Controleer %1 op fouten</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="111"/>
        <source>The section file %1 could not be written: %2</source>
        <translation>Het vlakkenbestand %1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="126"/>
        <source>The section file %1 could not be opened: %2</source>
        <translation>Het vlakkenbestand %1 kon niet worden geopend: %2</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="131"/>
        <location filename="../src/pictures/section_scan.cpp" line="136"/>
        <source>The section file %1 is far too large to be one.</source>
        <translation>Het vlakkenbestand %1 is veel te groot om een vlakkenbestand te zijn.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="150"/>
        <source>Line %1 of the section file %2 is not a number.</source>
        <translation>Regel %1 van het vlakkenbestand %2 is geen getal.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="158"/>
        <source>The section file %1 holds no sections.</source>
        <translation>Het vlakkenbestand %1 bevat geen vlakken.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="162"/>
        <source>The section file %1 has an odd number of lines (%2).</source>
        <translation>Het vlakkenbestand %1 heeft een oneven aantal regels (%2).</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="168"/>
        <source>The section file %1 holds %2 sections, more than %3.</source>
        <translation>Het vlakkenbestand %1 bevat %2 vlakken, meer dan %3.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="181"/>
        <source>Section %1 of the section file %2 lies outside the picture (%3, %4).</source>
        <translation>Vlak %1 van het vlakkenbestand %2 ligt buiten de afbeelding (%3, %4).</translation>
    </message>
</context>
<context>
    <name>SerialBackend</name>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="63"/>
        <source>cannot set the RTS and DTR lines</source>
        <translation>kan de RTS- en DTR-lijnen niet instellen</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="71"/>
        <source>cannot read the modem lines</source>
        <translation>kan de modemlijnen niet lezen</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="96"/>
        <source>%1 was disconnected</source>
        <translation>%1 is losgekoppeld</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="120"/>
        <source>%1: no permission. Add the user to the &quot;%2&quot; group and log in again.</source>
        <translation>%1: geen toestemming. Voeg de gebruiker toe aan de groep &quot;%2&quot; en meld opnieuw aan.</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="122"/>
        <source>%1: no permission (or the port is in use by another program).</source>
        <translation>%1: geen toestemming (of de poort wordt door een ander programma gebruikt).</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="126"/>
        <source>%1 is not there any more (unplugged?).</source>
        <translation>%1 is er niet meer (losgekoppeld?).</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="128"/>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kan niet worden geopend: %2</translation>
    </message>
</context>
<context>
    <name>SessionDriver</name>
    <message>
        <location filename="../src/session/session_driver.cpp" line="38"/>
        <source>Picture List number %1 names %2 pictures; only the first %3 are used.</source>
        <translation>Afbeeldingenlijst nummer %1 noemt %2 afbeeldingen; alleen de eerste %3 worden gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/session/session_driver.cpp" line="53"/>
        <source>Picture List number %1 cannot be read: %2.
Please check the file, or choose another list on the Picture List screen.</source>
        <translation>Afbeeldingenlijst nummer %1 kan niet worden gelezen: %2.
Controleer het bestand, of kies een andere lijst op het scherm Afbeeldingenlijst.</translation>
    </message>
    <message>
        <location filename="../src/session/session_driver.cpp" line="64"/>
        <source>Picture List number %1 is empty</source>
        <translation>Afbeeldingenlijst nummer %1 is leeg</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="59"/>
        <source>input device</source>
        <translation>invoerapparaat</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="60"/>
        <location filename="../src/settings/settings_file.cpp" line="69"/>
        <location filename="../src/settings/settings_file.cpp" line="73"/>
        <location filename="../src/settings/settings_file.cpp" line="74"/>
        <location filename="../src/settings/settings_file.cpp" line="75"/>
        <source>reserved value</source>
        <translation>gereserveerde waarde</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="61"/>
        <source>sound option</source>
        <translation>geluidsoptie</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="62"/>
        <source>press reminder seconds</source>
        <translation>seconden drukherinnering</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="63"/>
        <source>animation speed</source>
        <translation>animatiesnelheid</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="65"/>
        <source>text folder</source>
        <translation>tekstmap</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="67"/>
        <source>media folder</source>
        <translation>mediamap</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="70"/>
        <source>timed scanning seconds</source>
        <translation>seconden automatisch scannen</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="71"/>
        <source>current picture</source>
        <translation>huidige afbeelding</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="72"/>
        <source>current song</source>
        <translation>huidig liedje</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="76"/>
        <source>feedback option</source>
        <translation>reactieoptie</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="77"/>
        <source>switch wait mode</source>
        <translation>wachtstand schakelaar</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="78"/>
        <source>coloring style</source>
        <translation>kleurstijl</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="79"/>
        <source>scanning type</source>
        <translation>soort scannen</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="80"/>
        <source>step scanning seconds</source>
        <translation>seconden stapsgewijs scannen</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="81"/>
        <source>random colors</source>
        <translation>willekeurige kleuren</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="82"/>
        <source>number of random tubes</source>
        <translation>aantal willekeurige tubes</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="83"/>
        <source>print option</source>
        <translation>afdrukoptie</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="84"/>
        <source>pointer type</source>
        <translation>soort aanwijzer</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="86"/>
        <source>color choice</source>
        <translation>kleurkeuze</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="89"/>
        <source>active picture list</source>
        <translation>actieve afbeeldingenlijst</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="216"/>
        <source>it is a folder, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="227"/>
        <source>The settings file %1 was not found; the standard settings are used.</source>
        <translation>Het instellingenbestand %1 is niet gevonden; de standaardinstellingen worden gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="229"/>
        <source>The settings file %1 could not be read (%2); the standard settings are used.</source>
        <translation>Het instellingenbestand %1 kon niet worden gelezen (%2); de standaardinstellingen worden gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="243"/>
        <source>%1 ends before line %2; the settings from there on have their standard values.</source>
        <translation>%1 houdt op vóór regel %2; de instellingen vanaf daar hebben hun standaardwaarden.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="255"/>
        <source>Line %1 of %2 (%3) is not a number; the %4 keeps its standard value.</source>
        <translation>Regel %1 van %2 (%3) is geen getal; de instelling &quot;%4&quot; houdt haar standaardwaarde.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="261"/>
        <source>Line %1 of %2 holds %3, outside the %4 range %5 to %6; the speed will be calibrated again.</source>
        <translation>Regel %1 van %2 bevat %3, buiten het bereik van &quot;%4&quot;, %5 tot %6; de snelheid wordt opnieuw gekalibreerd.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="273"/>
        <source>Line %1 of %2 holds %3, which is not a valid %4 (%5 to %6); %7 is used.</source>
        <translation>Regel %1 van %2 bevat %3, en dat is geen geldige waarde voor &quot;%4&quot; (%5 tot %6); %7 wordt gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="284"/>
        <source>%1 ends before line %2; the descriptions of picture lists %3 to 15 are empty.</source>
        <translation>%1 houdt op vóór regel %2; de beschrijvingen van afbeeldingenlijsten %3 tot en met 15 zijn leeg.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="307"/>
        <source>the file is read-only, the settings are locked</source>
        <translation>het bestand is alleen-lezen, de instellingen zijn vergrendeld</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="314"/>
        <source>Brushwell found a problem in its settings and used standard values where needed:

</source>
        <translation>Brushwell heeft een probleem gevonden in de instellingen en waar nodig standaardwaarden gebruikt:

</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="316"/>
        <source>- and %1 more.
</source>
        <translation>- en nog %1.
</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="317"/>
        <source>
Check the settings screens. The settings file is written again when you leave with &quot;Exit&quot;.</source>
        <translation>
Controleer de instellingsschermen. Het instellingenbestand wordt opnieuw geschreven als u het programma verlaat met &quot;Afsluiten&quot;.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="390"/>
        <source>
Brushwell leaves %1 as it is and will not save over it. Make it readable again (or ask who set up this computer), then start Brushwell again.</source>
        <translation>
Brushwell laat %1 zoals het is en slaat er niets overheen op. Maak het weer leesbaar (of vraag het aan wie deze computer heeft ingericht) en start Brushwell daarna opnieuw.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="408"/>
        <source>The settings were not saved: the settings file %1 could not be read when Brushwell started, so it is left as it was.</source>
        <translation>De instellingen zijn niet opgeslagen: het instellingenbestand %1 kon bij de start van Brushwell niet worden gelezen en blijft dus zoals het was.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="412"/>
        <source>The settings are locked: the settings file %1 is read-only, so changes made since Brushwell started were not saved.</source>
        <translation>De instellingen zijn vergrendeld: het instellingenbestand %1 is alleen-lezen, dus wijzigingen sinds de start van Brushwell zijn niet opgeslagen.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="428"/>
        <source>The settings could not be saved to %1 (%2).
The file on disk was left as it was.</source>
        <translation>De instellingen konden niet worden opgeslagen in %1 (%2).
Het bestand op schijf is ongewijzigd gebleven.</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <location filename="../src/session/setup.cpp" line="48"/>
        <source>The image file %1 of the program folder cannot be shown: %2.
Colouring needs it, so the main menu is shown again.
Putting the program folder&apos;s files back in place mends this.</source>
        <translation>Het beeldbestand %1 uit de programmamap kan niet worden getoond: %2.
Het is nodig om te kleuren, dus het hoofdmenu verschijnt weer.
Zet de bestanden van de programmamap terug om dit op te lossen.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/session/setup.cpp" line="58"/>
        <source>The settings offer %n paint colour(s), but colouring needs at least 2.
Choose the colours on the Coloring Options screen and start again.</source>
        <translation>
            <numerusform>De instellingen bieden %n verfkleur, maar om te kleuren zijn er minstens 2 nodig.
Kies de kleuren op het scherm Kleuropties en start opnieuw.</numerusform>
            <numerusform>De instellingen bieden %n verfkleuren, maar om te kleuren zijn er minstens 2 nodig.
Kies de kleuren op het scherm Kleuropties en start opnieuw.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/session/setup.cpp" line="140"/>
        <source>The picture file %1
was not found.Click on the Picture List Button
to make sure the name was spelled correctly</source>
        <translation>Het afbeeldingsbestand %1
is niet gevonden.Klik op de knop Afbeeldingenlijst
om te controleren of de naam goed gespeld is</translation>
    </message>
</context>
<context>
    <name>SingleProgram</name>
    <message>
        <location filename="../src/app/single_program.cpp" line="138"/>
        <source>Brushwell is already running.</source>
        <translation>Brushwell draait al.</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <location filename="../src/media/sound.cpp" line="157"/>
        <source>it is not a WAV file</source>
        <translation>het is geen WAV-bestand</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="166"/>
        <source>it is damaged: its format chunk runs past the end of the file</source>
        <translation>het is beschadigd: het formaatblok loopt door tot voorbij het einde van het bestand</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="167"/>
        <source>it is damaged: its format chunk is too short</source>
        <translation>het is beschadigd: het formaatblok is te kort</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="172"/>
        <source>it is damaged: it claims %1 channels, and 1 to %2 are usable</source>
        <translation>het is beschadigd: het zegt %1 kanalen te hebben, en 1 tot %2 zijn bruikbaar</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="177"/>
        <source>it is damaged: it claims a sample rate of %1 Hz, and %2 to %3 Hz are usable</source>
        <translation>het is beschadigd: het zegt een samplefrequentie van %1 Hz te hebben, en %2 tot %3 Hz zijn bruikbaar</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="183"/>
        <source>it is damaged: its sound data comes before its format</source>
        <translation>het is beschadigd: de geluidsgegevens staan vóór het formaat</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="190"/>
        <source>it is damaged: it holds no sound data</source>
        <translation>het is beschadigd: het bevat geen geluidsgegevens</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="191"/>
        <source>it is damaged: it has no format chunk</source>
        <translation>het is beschadigd: het heeft geen formaatblok</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="204"/>
        <location filename="../src/media/sound.cpp" line="210"/>
        <source>it is larger than %1 MB</source>
        <translation>het is groter dan %1 MB</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="229"/>
        <source>it is not a usable WAV file: it lasts more than %1 minutes</source>
        <translation>het is geen bruikbaar WAV-bestand: het duurt langer dan %1 minuten</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="287"/>
        <source>The sound file %1 could not be played (%2).
Brushwell goes on without it.</source>
        <translation>Het geluidsbestand %1 kon niet worden afgespeeld (%2).
Brushwell gaat verder zonder dit geluid.</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="378"/>
        <source>Could&apos;t find song %1
The program is going to terminate</source>
        <translation>Kan het liedje %1 niet vinden
Het programma wordt afgesloten</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../src/app/startup.cpp" line="28"/>
        <source>Your screen settings are set to %1 colors.</source>
        <translation>Uw beeldscherm is ingesteld op %1 kleuren.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="29"/>
        <source>See the Brushwell User&apos;s Guide on how to change your screen color settings</source>
        <translation>In de handleiding van Brushwell leest u hoe u de kleurinstelling van uw scherm wijzigt</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="32"/>
        <source>Brushwell requires that your screen setting colors are set to at least 65,536 colors.</source>
        <translation>Brushwell heeft een scherminstelling van minstens 65.536 kleuren nodig.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="38"/>
        <source>Though Brushwell will run with these settings,
it is recommended that you set your colors to True Color (32 Bit)</source>
        <translation>Brushwell werkt wel met deze instelling,
maar we raden aan de kleuren in te stellen op True Color (32 bit)</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="72"/>
        <source>The user who coloured last, &quot;%1&quot;, is no longer in %2.
Brushwell starts with no user chosen; the carer can choose one with &quot;User&quot; on the main menu.</source>
        <translation>De gebruiker die het laatst kleurde, &quot;%1&quot;, staat niet meer in %2.
Brushwell start zonder gekozen gebruiker; de begeleider kan er een kiezen met &quot;Gebruiker&quot; in het hoofdmenu.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="86"/>
        <source>There is no user called &quot;%1&quot; in %2.
Brushwell starts with no user chosen; the carer can choose one with &quot;User&quot; on the main menu.</source>
        <translation>Er is geen gebruiker met de naam &quot;%1&quot; in %2.
Brushwell start zonder gekozen gebruiker; de begeleider kan er een kiezen met &quot;Gebruiker&quot; in het hoofdmenu.</translation>
    </message>
</context>
<context>
    <name>StatisticsScreen</name>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="19"/>
        <source>%1 minute(s) and %2 second(s)</source>
        <translation>%1 minuut/minuten en %2 seconde(n)</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="24"/>
        <source>Timed Scanning</source>
        <translation>Automatisch scannen</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="25"/>
        <source>Step Scanning - 1 switch</source>
        <translation>Stapsgewijs scannen - 1 schakelaar</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="26"/>
        <source>Step Scanning - 2 switches</source>
        <translation>Stapsgewijs scannen - 2 schakelaars</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="27"/>
        <source>No Scanning - Mouse click selects</source>
        <translation>Niet scannen - kiezen met een muisklik</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="32"/>
        <source>Session Statistics</source>
        <translation>Sessiestatistieken</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="50"/>
        <source>Picture List Used:</source>
        <translation>Gebruikte afbeeldingenlijst:</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="51"/>
        <source>Time Elapsed:</source>
        <translation>Verstreken tijd:</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="52"/>
        <source>Number of Pictures Completed: </source>
        <translation>Aantal voltooide afbeeldingen: </translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="53"/>
        <source>Number of Segments Colored:</source>
        <translation>Aantal gekleurde vlakken:</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="54"/>
        <source>Scanning Type:</source>
        <translation>Soort scannen:</translation>
    </message>
</context>
<context>
    <name>SwitchAdapter</name>
    <message>
        <location filename="../src/input/switch_adapter.cpp" line="28"/>
        <source>Adapter in Joystick (Game) Port</source>
        <translation>Adapter in joystickpoort (gamepoort)</translation>
    </message>
    <message>
        <location filename="../src/input/switch_adapter.cpp" line="29"/>
        <source>Adapter in COM %1</source>
        <translation>Adapter in COM %1</translation>
    </message>
    <message>
        <location filename="../src/input/switch_adapter.cpp" line="76"/>
        <source>The switch on &quot;%1&quot; cannot be read:
%2
Until this is put right the switch reads as not pressed.</source>
        <translation>De schakelaar op &quot;%1&quot; kan niet worden gelezen:
%2
Tot dit is opgelost, geldt de schakelaar als niet ingedrukt.</translation>
    </message>
</context>
<context>
    <name>SwitchInputs</name>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="107"/>
        <source>%1: &quot;%2&quot; names no key Brushwell knows; it is not used.</source>
        <translation>%1: &quot;%2&quot; noemt geen toets die Brushwell kent; dit wordt niet gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="109"/>
        <source>%1: &quot;%2&quot; is a modifier key, which cannot be a switch; it is not used.</source>
        <translation>%1: &quot;%2&quot; is een modificatietoets, en die kan geen schakelaar zijn; dit wordt niet gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="111"/>
        <source>%1: &quot;%2&quot; is a key that already has its own meaning; it is not used.</source>
        <translation>%1: &quot;%2&quot; is een toets die al een eigen functie heeft; dit wordt niet gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="117"/>
        <source>%1: &quot;%2&quot; names no mouse button (Left, Right, Middle, Back or Forward); it is not used.</source>
        <translation>%1: &quot;%2&quot; noemt geen muisknop (Left, Right, Middle, Back of Forward); dit wordt niet gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="119"/>
        <source>%1: &quot;%2&quot; is the left mouse button, which is already switch 1; it is not used.</source>
        <translation>%1: &quot;%2&quot; is de linkermuisknop, en die is al schakelaar 1; dit wordt niet gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="126"/>
        <source>%1: &quot;%2&quot; needs a joystick 1 to 16 and a button 1 to 32; it is not used.</source>
        <translation>%1: &quot;%2&quot; heeft een joystick 1 tot 16 en een knop 1 tot 32 nodig; dit wordt niet gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="128"/>
        <source>%1: &quot;%2&quot; is not of the form Key:&lt;name&gt;, Mouse:&lt;button&gt; or Joystick:&lt;joystick&gt;:&lt;button&gt;; it is not used.</source>
        <translation>%1: &quot;%2&quot; heeft niet de vorm Key:&lt;naam&gt;, Mouse:&lt;knop&gt; of Joystick:&lt;joystick&gt;:&lt;knop&gt;; dit wordt niet gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="162"/>
        <source>the %1 key</source>
        <translation>de toets %1</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="164"/>
        <source>the %1 mouse button</source>
        <translation>de muisknop %1</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="166"/>
        <source>button %1 of joystick %2</source>
        <translation>knop %1 van joystick %2</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="181"/>
        <source>Switch2: &quot;%1&quot; is switch 1 already; it is not used.</source>
        <translation>Switch2: &quot;%1&quot; is al schakelaar 1; dit wordt niet gebruikt.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="190"/>
        <source>Switch%1: %2 is not connected; it is read once it is plugged in.</source>
        <translation>Switch%1: %2 is niet aangesloten; zodra die is aangesloten, wordt die gelezen.</translation>
    </message>
</context>
<context>
    <name>SwitchTimingScreen</name>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="19"/>
        <source>%1 seconds</source>
        <translation>%1 seconden</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="25"/>
        <location filename="../src/menu/switch_timing_screen.cpp" line="37"/>
        <source>Switch Timing</source>
        <translation>Schakelaartiming</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="32"/>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="43"/>
        <source>These times apply to every switch, key and mouse button. Every option at its left end leaves Brushwell as it always was. Try a setting on the &quot;Test Switches&quot; screen.</source>
        <translation>Deze tijden gelden voor elke schakelaar, toets en muisknop. Met elke optie helemaal links werkt Brushwell zoals altijd. Probeer een instelling uit op het scherm &quot;Schakelaars testen&quot;.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="97"/>
        <source>Hold before a press counts</source>
        <translation>Vasthouden voordat een druk telt</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="98"/>
        <source>The switch must be held this long before a press counts; a shorter touch counts for nothing. Helps users with tremor or spasms who hit the switch by accident.</source>
        <translation>De schakelaar moet zo lang worden vastgehouden voordat een druk telt; een kortere aanraking telt niet. Helpt gebruikers met tremoren of spasmen die de schakelaar per ongeluk raken.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="101"/>
        <source>Off: a press counts at once</source>
        <translation>Uit: een druk telt meteen</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="102"/>
        <source>Ignore after a press</source>
        <translation>Negeren na een druk</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="103"/>
        <source>After a press that counted, anything within this time of letting go is ignored. Helps with switches that bounce and users who hit twice.</source>
        <translation>Na een druk die telde, wordt alles binnen deze tijd na het loslaten genegeerd. Helpt bij schakelaars die nadenderen en bij gebruikers die twee keer drukken.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="105"/>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="106"/>
        <source>First tube waits longer</source>
        <translation>Eerste tube wacht langer</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="107"/>
        <source>In timed scanning and step scanning with one switch, the first paint tube offered for each part of the picture waits this many times longer. Gives time to get ready after each painting.</source>
        <translation>Bij automatisch scannen en stapsgewijs scannen met één schakelaar wacht de eerste verftube voor elk vlak van de afbeelding zoveel keer langer. Geeft tijd om klaar te gaan zitten na elke keer kleuren.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="111"/>
        <source>Off: 1.0 times</source>
        <translation>Uit: 1.0 keer</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="112"/>
        <source>%1 times as long</source>
        <translation>%1 keer zo lang</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="114"/>
        <source>Rest after scan cycles</source>
        <translation>Rust na scanrondes</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="115"/>
        <source>In timed scanning, after this many rounds of all the tubes without a choice the tubes rest until the next press. Keeps the program quiet when the user has stopped or needs help.</source>
        <translation>Bij automatisch scannen rusten de tubes na zoveel rondes langs alle tubes zonder keuze, tot de volgende druk. Zo blijft het programma rustig als de gebruiker gestopt is of hulp nodig heeft.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="119"/>
        <source>Off: scanning never rests</source>
        <translation>Uit: het scannen rust nooit</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/switch_timing_screen.cpp" line="120"/>
        <source>after %n round(s)</source>
        <translation>
            <numerusform>na %n ronde</numerusform>
            <numerusform>na %n rondes</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="122"/>
        <source>Choose by resting the pointer</source>
        <translation>Kiezen door stil te wijzen</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="123"/>
        <source>In No Scanning, resting the mouse pointer on a paint tube this long chooses it, as a click does; a ring on the tube fills meanwhile. For eye-gaze and head pointers.</source>
        <translation>Bij Niet scannen wordt een verftube gekozen als de muisaanwijzer er zo lang op blijft staan, net als bij een klik; intussen vult een ring op de tube zich. Voor oogbesturing en hoofdmuizen.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="126"/>
        <source>Off: a click chooses</source>
        <translation>Uit: een klik kiest</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="127"/>
        <source>Pointer size</source>
        <translation>Grootte van de aanwijzer</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="128"/>
        <source>The pointer that shows which part of the picture is coloured next, drawn this many times larger. For users with low vision.</source>
        <translation>De aanwijzer die laat zien welk vlak van de afbeelding nu gekleurd wordt, zoveel keer groter getekend. Voor slechtziende gebruikers.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="131"/>
        <source>Standard size</source>
        <translation>Standaardgrootte</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="131"/>
        <source>%1 times larger</source>
        <translation>%1 keer groter</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="153"/>
        <source>User chooses the &amp;next picture</source>
        <translation>Gebruiker kiest de &amp;volgende afbeelding</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="154"/>
        <source>Between pictures, the next ones are offered with the scanning in use. For users learning to make choices.</source>
        <translation>Tussen de afbeeldingen worden de volgende aangeboden met de ingestelde manier van scannen. Voor gebruikers die leren kiezen.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="156"/>
        <source>User chooses the &amp;part to colour</source>
        <translation>Gebruiker kiest het vlak om te &amp;kleuren</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="157"/>
        <source>Before each colour, the parts not coloured yet are offered with the pointer. For users who choose reliably.</source>
        <translation>Voor elke kleur worden de nog niet gekleurde vlakken met de aanwijzer aangeboden. Voor gebruikers die betrouwbaar kiezen.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="159"/>
        <source>Show the &amp;hold</source>
        <translation>Vasthouden &amp;tonen</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="160"/>
        <source>With a hold time, a ring on the tube fills while the switch is held. Shows the user how long to hold.</source>
        <translation>Met een vasthoudtijd vult een ring op de tube zich terwijl de schakelaar wordt vastgehouden. Laat de gebruiker zien hoe lang vast te houden.</translation>
    </message>
</context>
<context>
    <name>TestSwitchesScreen</name>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="35"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="48"/>
        <source>Test Switches</source>
        <translation>Schakelaars testen</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="42"/>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="43"/>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="59"/>
        <source>Press the switches. A lamp lights while its switch is held and flashes yellow when a press counts with the timing now set. Mouse buttons count on the lamps. Escape or Alt+B goes back.</source>
        <translation>Druk op de schakelaars. Een lampje brandt zolang de schakelaar wordt vastgehouden en knippert geel als een druk telt met de tijden die nu zijn ingesteld. Muisknoppen tellen op de lampjes. Met Esc of Alt+T gaat u terug.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="65"/>
        <source>Switch lamps</source>
        <translation>Schakelaarlampjes</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="69"/>
        <source>Switch %1</source>
        <translation>Schakelaar %1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="74"/>
        <source>Switch %1 hold</source>
        <translation>Schakelaar %1 vasthouden</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="82"/>
        <source>&amp;Learn Switch %1</source>
        <translation>Schakelaar %1 &amp;aanleren</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="83"/>
        <source>L&amp;earn Switch 2</source>
        <translation>Schakelaar 2 aa&amp;nleren</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="84"/>
        <source>Learn Switch %1</source>
        <translation>Schakelaar %1 aanleren</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="88"/>
        <source>Forget Learnt Inputs of Switch &amp;%1</source>
        <translation>Schakelaar &amp;%1: aangeleerde wissen</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="89"/>
        <source>Forget Learnt Inputs of Switch %1</source>
        <translation>Aangeleerde invoer van schakelaar %1 wissen</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="123"/>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="126"/>
        <source>Reading: %1. The device is chosen on &quot;Keyboard / Switch Information&quot;.</source>
        <translation>Leest van: %1. Het apparaat kiest u bij &quot;Toetsenbord / schakelaar&quot;.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="148"/>
        <source>Press the key, the mouse button (on a lamp) or the joystick button that is to be switch %1. Escape cancels.</source>
        <translation>Druk op de toets, de muisknop (op een lampje) of de joystickknop die schakelaar %1 moet worden. Esc annuleert.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="159"/>
        <source>Switch %1 has only its standard keys now.</source>
        <translation>Schakelaar %1 heeft nu alleen nog de standaardtoetsen.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="180"/>
        <source>Not taken: %1 %2</source>
        <translation>Niet overgenomen: %1 %2</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="199"/>
        <source>Switch %1 is now also %2.</source>
        <translation>Schakelaar %1 is nu ook %2.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="206"/>
        <source>Space bar, 0 key</source>
        <translation>Spatiebalk, toets 0</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="206"/>
        <source>Enter key, 1 key</source>
        <translation>Enter-toets, toets 1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="209"/>
        <source>mouse clicks</source>
        <translation>muisklikken</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="211"/>
        <source>the switch adapter</source>
        <translation>de schakelaaradapter</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="244"/>
        <source>held</source>
        <translation>ingedrukt</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="245"/>
        <source>released</source>
        <translation>losgelaten</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="253"/>
        <source>Switch %1: %2 counted, %3 ignored, last hold %4</source>
        <translation>Schakelaar %1: %2 geteld, %3 genegeerd, laatst vastgehouden %4</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="257"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="279"/>
        <source>Learning cancelled.</source>
        <translation>Aanleren geannuleerd.</translation>
    </message>
</context>
<context>
    <name>Users</name>
    <message>
        <location filename="../src/users/user_store.cpp" line="54"/>
        <source>the user&apos;s file could not be prepared</source>
        <translation>het bestand van de gebruiker kon niet worden voorbereid</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="106"/>
        <source>The folder %1 holds no user&apos;s name (%2 is missing or damaged); it is left as it is.</source>
        <translation>De map %1 bevat geen gebruikersnaam (%2 ontbreekt of is beschadigd); de map blijft zoals ze is.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="124"/>
        <source>Please type the user&apos;s name first.</source>
        <translation>Typ eerst de naam van de gebruiker.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="126"/>
        <source>The name is too long: a name may have at most %1 characters.</source>
        <translation>De naam is te lang: een naam mag hoogstens %1 tekens hebben.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="129"/>
        <source>There is already a user called &quot;%1&quot;. Please give this user another name.</source>
        <translation>Er is al een gebruiker met de naam &quot;%1&quot;. Geef deze gebruiker een andere naam.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="140"/>
        <source>The folder %1 is already there; Brushwell leaves it as it is and makes no user.</source>
        <translation>De map %1 bestaat al; Brushwell laat die zoals ze is en maakt geen gebruiker.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="141"/>
        <location filename="../src/users/user_store.cpp" line="146"/>
        <location filename="../src/users/user_store.cpp" line="162"/>
        <source>The folder %1 could not be made.</source>
        <translation>De map %1 kon niet worden gemaakt.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="153"/>
        <source>%1 could not be copied for the new user (%2).</source>
        <translation>%1 kon niet worden gekopieerd voor de nieuwe gebruiker (%2).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="159"/>
        <source>%1 could not be written (%2).</source>
        <translation>%1 kon niet worden geschreven (%2).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="165"/>
        <source>No user was made.</source>
        <translation>Er is geen gebruiker gemaakt.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="175"/>
        <source>The folder %1 is not one of the users&apos; folders any more; nothing was renamed.</source>
        <translation>De map %1 is geen gebruikersmap meer; er is niets hernoemd.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="181"/>
        <source>The folder %1 is already there; the user keeps the name &quot;%2&quot;.</source>
        <translation>De map %1 bestaat al; de gebruiker houdt de naam &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="184"/>
        <source>The folder %1 could not be renamed; the user keeps the name &quot;%2&quot;.</source>
        <translation>De map %1 kon niet worden hernoemd; de gebruiker houdt de naam &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="189"/>
        <source>The new name could not be written (%1); the user keeps the name &quot;%2&quot;.</source>
        <translation>De nieuwe naam kon niet worden geschreven (%1); de gebruiker houdt de naam &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="197"/>
        <source>The folder %1 is not one of the users&apos; folders any more; nothing was removed.</source>
        <translation>De map %1 is geen gebruikersmap meer; er is niets verwijderd.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="202"/>
        <source>The folder %1 could not be removed; nothing was removed.</source>
        <translation>De map %1 kon niet worden verwijderd; er is niets verwijderd.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="204"/>
        <source>Some files of the removed user could not be deleted; they are in %1.</source>
        <translation>Sommige bestanden van de verwijderde gebruiker konden niet worden gewist; ze staan in %1.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="213"/>
        <source>The picture %1 is too large (%2 x %3 pixels).</source>
        <translation>De afbeelding %1 is te groot (%2 x %3 pixels).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="215"/>
        <source>%1 could not be read as a picture (%2).</source>
        <translation>%1 kon niet als afbeelding worden gelezen (%2).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="220"/>
        <source>The picture could not be prepared.</source>
        <translation>De afbeelding kon niet worden voorbereid.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="224"/>
        <source>The picture could not be saved in %1 (%2).</source>
        <translation>De afbeelding kon niet worden opgeslagen in %1 (%2).</translation>
    </message>
    <message>
        <location filename="../src/users/active_user.cpp" line="43"/>
        <source>Brushwell could not note in %1 who is colouring (%2).
The next start may begin with the user noted before: check &quot;User&quot; on the main menu then.</source>
        <translation>Brushwell kon niet in %1 noteren wie er kleurt (%2).
De volgende start kan beginnen met de eerder genoteerde gebruiker: kijk dan bij &quot;Gebruiker&quot; in het hoofdmenu.</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <location filename="../src/pictures/validation.cpp" line="40"/>
        <source>The picture file %1 cannot be shown:
%2.
Please check %1, or take it out of the picture list.</source>
        <translation>Het afbeeldingsbestand %1 kan niet worden getoond:
%2.
Controleer %1, of haal het uit de afbeeldingenlijst.</translation>
    </message>
    <message>
        <location filename="../src/pictures/validation.cpp" line="71"/>
        <source>The sections of %1 could not be saved in %2 (%3).
The picture can be coloured, but it will be checked again each time it is shown.</source>
        <translation>De vlakken van %1 konden niet worden opgeslagen in %2 (%3).
De afbeelding kan worden gekleurd, maar wordt elke keer dat ze wordt getoond opnieuw gecontroleerd.</translation>
    </message>
    <message>
        <location filename="../src/pictures/validation.cpp" line="95"/>
        <source>Can&apos;t open the file</source>
        <translation>Kan het bestand niet openen</translation>
    </message>
</context>
<context>
    <name>WorkshopWindow</name>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="21"/>
        <source>Brushwell Picture Workshop</source>
        <translation>Brushwell Afbeeldingenatelier</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="23"/>
        <source>Workshop pages</source>
        <translation>Pagina&apos;s van het atelier</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="31"/>
        <source>&amp;New Picture</source>
        <translation>Nie&amp;uwe afbeelding</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="32"/>
        <source>&amp;Picture Lists</source>
        <translation>&amp;Afbeeldingenlijsten</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="34"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="35"/>
        <source>Pictures and lists are saved in %1</source>
        <translation>Afbeeldingen en lijsten worden opgeslagen in %1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="46"/>
        <location filename="../tools/workshop/workshop_window.cpp" line="47"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="48"/>
        <source>Close the workshop (Ctrl+Q)</source>
        <translation>Het atelier sluiten (Ctrl+Q)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="69"/>
        <source>The new picture is not saved. Close the workshop anyway?</source>
        <translation>De nieuwe afbeelding is niet opgeslagen. Het atelier toch sluiten?</translation>
    </message>
</context>
<context>
    <name>camera::CameraSwitch</name>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="150"/>
        <source>The camera &quot;%1&quot; was disconnected. The other switches work as before; the camera is used again as soon as it is connected.</source>
        <translation>De camera &quot;%1&quot; is losgekoppeld. De andere schakelaars werken zoals voorheen; de camera wordt weer gebruikt zodra die is aangesloten.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="180"/>
        <source>The camera is off.</source>
        <translation>De camera staat uit.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="218"/>
        <source>The video file &quot;%1&quot; (Source in brushwell.ini) does not exist. The other switches work as before.</source>
        <translation>Het videobestand &quot;%1&quot; (Source in brushwell.ini) bestaat niet. De andere schakelaars werken zoals voorheen.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="228"/>
        <source>The video file &quot;%1&quot; cannot be played (%2). The other switches work as before.</source>
        <translation>Het videobestand &quot;%1&quot; kan niet worden afgespeeld (%2). De andere schakelaars werken zoals voorheen.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="232"/>
        <source>The video file &quot;%1&quot; has ended.</source>
        <translation>Het videobestand &quot;%1&quot; is afgelopen.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="234"/>
        <source>Opening the video file &quot;%1&quot;…</source>
        <translation>Het videobestand &quot;%1&quot; wordt geopend…</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="246"/>
        <source>The chosen camera (%1) is not connected. The other switches work as before; the camera is used as soon as it is connected.</source>
        <translation>De gekozen camera (%1) is niet aangesloten. De andere schakelaars werken zoals voorheen; de camera wordt gebruikt zodra die is aangesloten.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="253"/>
        <source>No camera is connected. The other switches work as before; a camera is used as soon as one is connected.</source>
        <translation>Er is geen camera aangesloten. De andere schakelaars werken zoals voorheen; een camera wordt gebruikt zodra er een is aangesloten.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="265"/>
        <source>The camera &quot;%1&quot; cannot be used (%2). Another program may be using it. The other switches work as before; Brushwell tries again every few seconds.</source>
        <translation>De camera &quot;%1&quot; kan niet worden gebruikt (%2). Misschien gebruikt een ander programma hem. De andere schakelaars werken zoals voorheen; Brushwell probeert het om de paar seconden opnieuw.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="269"/>
        <source>Opening the camera &quot;%1&quot;…</source>
        <translation>De camera &quot;%1&quot; wordt geopend…</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="303"/>
        <source>The camera &quot;%1&quot; sends no pictures. The other switches work as before; the camera is used again as soon as it sends pictures.</source>
        <translation>De camera &quot;%1&quot; stuurt geen beelden. De andere schakelaars werken zoals voorheen; de camera wordt weer gebruikt zodra die beelden stuurt.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="348"/>
        <source>Using the video file &quot;%1&quot; instead of a camera.</source>
        <translation>Het videobestand &quot;%1&quot; wordt gebruikt in plaats van een camera.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="349"/>
        <source>Using the camera &quot;%1&quot;.</source>
        <translation>De camera &quot;%1&quot; wordt gebruikt.</translation>
    </message>
</context>
<context>
    <name>menu::Banner</name>
    <message>
        <location filename="../src/menu/banner.cpp" line="161"/>
        <source>Gallery</source>
        <translation>Galerij</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="163"/>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <location filename="../src/menu/banner_users.cpp" line="15"/>
        <source>User</source>
        <translation>Gebruiker</translation>
    </message>
    <message>
        <location filename="../src/menu/banner_users.cpp" line="35"/>
        <source>No user chosen</source>
        <translation>Geen gebruiker gekozen</translation>
    </message>
    <message>
        <location filename="../src/menu/banner_users.cpp" line="35"/>
        <source>Colouring now: %1</source>
        <translation>Kleurt nu: %1</translation>
    </message>
</context>
<context>
    <name>menu::CameraPreview</name>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="52"/>
        <source>Camera picture</source>
        <translation>Camerabeeld</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="53"/>
        <source>Arrow keys move the rectangle, Shift and the arrow keys change its size, 1 and 2 choose the switch, Delete removes the rectangle.</source>
        <translation>Pijltoetsen verplaatsen de rechthoek, Shift met de pijltoetsen verandert de grootte, 1 en 2 kiezen de schakelaar, Delete verwijdert de rechthoek.</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="109"/>
        <source>No picture</source>
        <translation>Geen beeld</translation>
    </message>
</context>
<context>
    <name>menu::CameraScreen</name>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="232"/>
        <location filename="../src/menu/camera_screen.cpp" line="245"/>
        <source>Camera Switch</source>
        <translation>Camera als schakelaar</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="239"/>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="240"/>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="251"/>
        <source>Draw a rectangle on the picture around the movement that is to press each switch (a head turn, a hand lift). Movement inside it presses the switch; a change of the whole picture&apos;s brightness does not.</source>
        <translation>Teken op het beeld een rechthoek rond de beweging die elke schakelaar moet indrukken (het hoofd draaien, een hand optillen). Beweging daarbinnen drukt de schakelaar in; een verandering van de helderheid van het hele beeld niet.</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="257"/>
        <source>&amp;Use the camera as switches</source>
        <translation>Camera als schakelaars &amp;gebruiken</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="260"/>
        <source>C&amp;amera:</source>
        <translation>&amp;Camera:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="262"/>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="283"/>
        <source>Rectangle of:</source>
        <translation>Rechthoek van:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="285"/>
        <location filename="../src/menu/camera_screen.cpp" line="288"/>
        <source>Switch %1</source>
        <translation>Schakelaar %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="290"/>
        <source>Remove Rectangle %1</source>
        <translation>Rechthoek %1 verwijderen</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="292"/>
        <source>Sensitivity:</source>
        <translation>Gevoeligheid:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="296"/>
        <source>Sensitivity of switch %1</source>
        <translation>Gevoeligheid van schakelaar %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="300"/>
        <source>Movement:</source>
        <translation>Beweging:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="302"/>
        <source>Movement at switch %1</source>
        <translation>Beweging bij schakelaar %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="305"/>
        <source>Switch &amp;%1</source>
        <translation>Schakelaar &amp;%1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="306"/>
        <source>Rectangle of switch %1</source>
        <translation>Rechthoek van schakelaar %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="411"/>
        <source>Video file %1 (Source in brushwell.ini)</source>
        <translation>Videobestand %1 (Source in brushwell.ini)</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="416"/>
        <source>The standard camera</source>
        <translation>De standaardcamera</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="420"/>
        <source>%1 (not connected)</source>
        <translation>%1 (niet aangesloten)</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="446"/>
        <source>held</source>
        <translation>ingedrukt</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="446"/>
        <source>released</source>
        <translation>losgelaten</translation>
    </message>
</context>
<context>
    <name>menu::GalleryModel</name>
    <message>
        <location filename="../src/menu/gallery_model.cpp" line="73"/>
        <source>Without a user</source>
        <translation>Zonder gebruiker</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_model.cpp" line="103"/>
        <source>%1
%2
%3 (unfinished)</source>
        <translation>%1
%2
%3 (niet af)</translation>
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
        <translation>%1, %2, niet af</translation>
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
        <translation>Galerij</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="42"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="43"/>
        <source>%1, coloured by %2 on %3</source>
        <translation>%1, gekleurd door %2 op %3</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="44"/>
        <source>Less than a minute</source>
        <translation>Minder dan een minuut</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="44"/>
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="45"/>
        <source>%1; %2 of %n section(s) coloured</source>
        <translation>
            <numerusform>%1; %2 van %n vlak gekleurd</numerusform>
            <numerusform>%1; %2 van %n vlakken gekleurd</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="46"/>
        <source>Unfinished: Start goes on with it when Resume is set.</source>
        <translation>Niet af: Start gaat ermee verder als Hervatten aan staat.</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="51"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>menu::GalleryScreen</name>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="58"/>
        <source>Gallery</source>
        <translation>Galerij</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="66"/>
        <source>User:</source>
        <translation>Gebruiker:</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="68"/>
        <source>User</source>
        <translation>Gebruiker</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="71"/>
        <source>From:</source>
        <translation>Van:</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="73"/>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="76"/>
        <source>To:</source>
        <translation>Tot:</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="78"/>
        <source>To</source>
        <translation>Tot</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="89"/>
        <source>Pictures</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="104"/>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="105"/>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="106"/>
        <source>Booklet (PDF)</source>
        <translation>Boekje (PDF)</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="107"/>
        <source>Delete</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="132"/>
        <source>Everyone</source>
        <translation>Iedereen</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="156"/>
        <source>%n picture(s)</source>
        <translation>
            <numerusform>%n afbeelding</numerusform>
            <numerusform>%n afbeeldingen</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="171"/>
        <source>Choose a picture in the list first.</source>
        <translation>Kies eerst een afbeelding in de lijst.</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="193"/>
        <source>%1 cannot be read.</source>
        <translation>%1 kan niet worden gelezen.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="201"/>
        <location filename="../src/menu/gallery_screen.cpp" line="204"/>
        <source>%n picture(s) sent to the printer.</source>
        <translation>
            <numerusform>%n afbeelding naar de printer gestuurd.</numerusform>
            <numerusform>%n afbeeldingen naar de printer gestuurd.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="213"/>
        <source>booklet</source>
        <translation>boekje</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="215"/>
        <source>Save the booklet</source>
        <translation>Het boekje opslaan</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="215"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="225"/>
        <source>The booklet could not be saved as %1: %2.</source>
        <translation>Het boekje kon niet worden opgeslagen als %1: %2.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="229"/>
        <source>The booklet of %n picture(s) was saved as %1.</source>
        <translation>
            <numerusform>Het boekje met %n afbeelding is opgeslagen als %1.</numerusform>
            <numerusform>Het boekje met %n afbeeldingen is opgeslagen als %1.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="231"/>
        <source>These pictures could not be read and were left out:
%1</source>
        <translation>Deze afbeeldingen konden niet worden gelezen en zijn weggelaten:
%1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="239"/>
        <source>Delete %n picture(s) from the gallery? They cannot be brought back.</source>
        <translation>
            <numerusform>%n afbeelding uit de galerij wissen? Die kan niet worden teruggehaald.</numerusform>
            <numerusform>%n afbeeldingen uit de galerij wissen? Die kunnen niet worden teruggehaald.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="245"/>
        <source>These pictures could not be deleted (is the folder read-only?):
%1</source>
        <translation>Deze afbeeldingen konden niet worden gewist (is de map alleen-lezen?):
%1</translation>
    </message>
</context>
<context>
    <name>menu::LevelBar</name>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="205"/>
        <source>movement %1 %, level %2 %</source>
        <translation>beweging %1%, niveau %2%</translation>
    </message>
</context>
<context>
    <name>menu::ProgressScreen</name>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="47"/>
        <source>Progress report</source>
        <translation>Voortgangsverslag</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="50"/>
        <source>the PDF file could not be started</source>
        <translation>het PDF-bestand kon niet worden aangemaakt</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="75"/>
        <source>Brushwell progress report</source>
        <translation>Brushwell-voortgangsverslag</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="77"/>
        <source>User: %1</source>
        <translation>Gebruiker: %1</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="78"/>
        <source>Dates: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="79"/>
        <source>Per: %1</source>
        <translation>Per: %1</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="81"/>
        <source>Made on %1</source>
        <translation>Gemaakt op %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/progress_report.cpp" line="129"/>
        <source>Only the latest %n period(s) fit on this page; the CSV export holds every picture.</source>
        <translation>
            <numerusform>Alleen de laatste periode past op deze pagina; de CSV-export bevat elke afbeelding.</numerusform>
            <numerusform>Alleen de laatste %n perioden passen op deze pagina; de CSV-export bevat elke afbeelding.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="138"/>
        <source>Export CSV</source>
        <translation>CSV exporteren</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="138"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="142"/>
        <location filename="../src/menu/progress_report.cpp" line="156"/>
        <source>The file %1 could not be saved: %2.</source>
        <translation>Het bestand %1 kon niet worden opgeslagen: %2.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="144"/>
        <source>The progress records were saved as %1.</source>
        <translation>De voortgangsgegevens zijn opgeslagen als %1.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="152"/>
        <source>PDF Report</source>
        <translation>PDF-verslag</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="152"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="158"/>
        <source>The report was saved as %1.</source>
        <translation>Het verslag is opgeslagen als %1.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="69"/>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="86"/>
        <source>&amp;User:</source>
        <translation>&amp;Gebruiker:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="94"/>
        <source>&amp;From:</source>
        <translation>&amp;Van:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="95"/>
        <source>&amp;To:</source>
        <translation>&amp;Tot:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="97"/>
        <source>Session</source>
        <translation>Sessie</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="98"/>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="99"/>
        <source>Week</source>
        <translation>Week</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="102"/>
        <source>&amp;Per:</source>
        <translation>&amp;Per:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="107"/>
        <source>Pictures finished</source>
        <translation>Afgemaakte afbeeldingen</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="108"/>
        <source>Median time to choose (seconds)</source>
        <translation>Mediane keuzetijd (seconden)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="109"/>
        <source>Presses counted (%)</source>
        <translation>Getelde drukken (%)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="116"/>
        <source>Progress table</source>
        <translation>Voortgangstabel</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="118"/>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="118"/>
        <source>Pictures started</source>
        <translation>Begonnen afbeeldingen</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="118"/>
        <source>Finished</source>
        <translation>Afgemaakt</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="119"/>
        <source>Time to choose</source>
        <translation>Keuzetijd</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="119"/>
        <source>Presses counted</source>
        <translation>Getelde drukken</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="120"/>
        <source>Presses ignored</source>
        <translation>Genegeerde drukken</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="120"/>
        <source>Sections cleared</source>
        <translation>Gewiste vlakken</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="137"/>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exporteren...</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="138"/>
        <source>PDF &amp;Report...</source>
        <translation>PDF-ve&amp;rslag...</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="165"/>
        <source>Without a user (the program&apos;s folder)</source>
        <translation>Zonder gebruiker (de programmamap)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="190"/>
        <source>The progress file %1 cannot be read: %2.</source>
        <translation>Het voortgangsbestand %1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="215"/>
        <source>No pictures have been recorded for this user yet.</source>
        <translation>Voor deze gebruiker zijn nog geen afbeeldingen vastgelegd.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/progress_screen.cpp" line="216"/>
        <source>%n picture(s) started in this range, %1 finished.</source>
        <translation>
            <numerusform>%n afbeelding begonnen in deze periode, %1 afgemaakt.</numerusform>
            <numerusform>%n afbeeldingen begonnen in deze periode, %1 afgemaakt.</numerusform>
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
        <translation>%1 (%2%)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="301"/>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
</context>
<context>
    <name>menu::TestSwitchesScreen</name>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="53"/>
        <source>C&amp;amera Switch</source>
        <translation>&amp;Camera als schakelaar</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="54"/>
        <source>Camera Switch</source>
        <translation>Camera als schakelaar</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="217"/>
        <source>movement seen by the camera</source>
        <translation>beweging die de camera ziet</translation>
    </message>
</context>
<context>
    <name>menu::UsersScreen</name>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="17"/>
        <location filename="../src/menu/users_screen.cpp" line="31"/>
        <source>Users</source>
        <translation>Gebruikers</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="22"/>
        <source>Each user has their own settings, place in the picture lists, finished pictures and progress records. Choose who is colouring now.</source>
        <translation>Elke gebruiker heeft eigen instellingen, een eigen plek in de afbeeldingenlijsten, eigen afgemaakte afbeeldingen en eigen voortgangsgegevens. Kies wie er nu kleurt.</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="37"/>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="39"/>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="47"/>
        <source>Choose</source>
        <translation>Kiezen</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="48"/>
        <source>Make User</source>
        <translation>Gebruiker maken</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="49"/>
        <source>Rename</source>
        <translation>Naam wijzigen</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="50"/>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="51"/>
        <source>Picture...</source>
        <translation>Afbeelding...</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="61"/>
        <source>Yes, Remove</source>
        <translation>Ja, verwijderen</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="62"/>
        <source>Keep</source>
        <translation>Behouden</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="97"/>
        <source>No user (this folder&apos;s own settings)</source>
        <translation>Geen gebruiker (de eigen instellingen van deze map)</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="111"/>
        <source>Colouring now: no user (this folder&apos;s own settings).</source>
        <translation>Kleurt nu: geen gebruiker (de eigen instellingen van deze map).</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="112"/>
        <source>Colouring now: %1</source>
        <translation>Kleurt nu: %1</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="184"/>
        <source>Remove the user &quot;%1&quot;? This deletes the folder %2 and everything in it: the user&apos;s settings and place in the picture lists, own picture lists, finished pictures and progress records. This cannot be undone.</source>
        <translation>De gebruiker &quot;%1&quot; verwijderen? Hiermee worden de map %2 en alles daarin gewist: de instellingen en de plek in de afbeeldingenlijsten van de gebruiker, eigen afbeeldingenlijsten, afgemaakte afbeeldingen en voortgangsgegevens. Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="215"/>
        <source>A Picture for %1</source>
        <translation>Een afbeelding voor %1</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="218"/>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>Afbeeldingen (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
</context>
</TS>

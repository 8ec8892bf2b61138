<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AuditoryScreen</name>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="37"/>
        <source>Auditory / Print Settings</source>
        <translation>Ton- / Druckeinstellungen</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="43"/>
        <source>Music / Narration Options</source>
        <translation>Musik / Sprachausgabe</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="45"/>
        <source>**Auditory Narration of Colors</source>
        <translation>**Farbnamen ansagen</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="46"/>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="47"/>
        <source>No Sound</source>
        <translation>Kein Ton</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="50"/>
        <source>Feedback when the user finished coloring the picture</source>
        <translation>Rückmeldung, wenn das Bild fertig ausgemalt ist</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="52"/>
        <source>**Human Voice Complimenting</source>
        <translation>**Lob mit menschlicher Stimme</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="53"/>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="56"/>
        <source>Print Options</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="58"/>
        <source>Show and Enable Print Button</source>
        <translation>Druckknopf zeigen und aktivieren</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="59"/>
        <source>Hide and Disable Print Button</source>
        <translation>Druckknopf verbergen und deaktivieren</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="65"/>
        <source>Language of the spoken words:</source>
        <translation>Sprache der Ansagen:</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="68"/>
        <source>Language of the spoken words</source>
        <translation>Sprache der Ansagen</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="79"/>
        <source>Language of the screens:</source>
        <translation>Sprache der Bildschirme:</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="81"/>
        <source>Language of the screens</source>
        <translation>Sprache der Bildschirme</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="91"/>
        <source>** The spoken color names and compliments are recordings in the program folder, in English, Dutch, French, Spanish, German and Hebrew. For another language, record them with any sound recorder, save them as WAV files with the names listed in the user guide and put them in the folder voices/ followed by the language code (for example voices/it/); a missing one is spoken in English.</source>
        <translation>** Die gesprochenen Farbnamen und das Lob sind Aufnahmen im Programmordner, auf Englisch, Niederländisch, Französisch, Spanisch, Deutsch und Hebräisch. Für eine andere Sprache nehmen Sie sie mit einem beliebigen Aufnahmeprogramm auf, speichern sie als WAV-Dateien mit den im Benutzerhandbuch genannten Namen und legen sie in den Ordner voices/ gefolgt vom Sprachcode (zum Beispiel voices/it/); fehlt eine Aufnahme, wird sie auf Englisch gesprochen.</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="131"/>
        <source>The screens are shown in %1 from the next start of Brushwell; messages are shown in it from now on.</source>
        <translation>Die Bildschirme erscheinen ab dem nächsten Start von Brushwell auf %1; Meldungen ab sofort.</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <location filename="../src/menu/banner.cpp" line="31"/>
        <source>Options</source>
        <translation>Optionen</translation>
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
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="113"/>
        <source>Program Settings and Information</source>
        <translation>Programmeinstellungen und Informationen</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="118"/>
        <source>Auditory Settings</source>
        <translation>Toneinstellungen</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="119"/>
        <source>Keyboard / Switch Information</source>
        <translation>Tastatur / Taster</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="120"/>
        <source>Picture List</source>
        <translation>Bilderliste</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="121"/>
        <source>Scan Settings</source>
        <translation>Scan-Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="122"/>
        <source>Coloring Options</source>
        <translation>Ausmal-Optionen</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="123"/>
        <source>Animation Speed Settings</source>
        <translation>Animationsgeschwindigkeit</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="135"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="136"/>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="137"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="149"/>
        <source>Note:  In order to return back to this screen after you click Start,  press the &lt;Esc&gt; key.</source>
        <translation>Hinweis: Um nach „Start“ zu diesem Bildschirm zurückzukehren, drücken Sie die Taste &lt;Esc&gt;.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="190"/>
        <source>The picture %1 is missing or damaged.
Brushwell cannot start without it; please install the program folder again.</source>
        <translation>Das Bild %1 fehlt oder ist beschädigt.
Ohne es kann Brushwell nicht starten; bitte installieren Sie den Programmordner neu.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="454"/>
        <source>&quot;%1&quot; cannot open the colouring screen: it is missing from this copy of Brushwell.
Please install the complete program.</source>
        <translation>„%1“ kann den Ausmal-Bildschirm nicht öffnen: Er fehlt in dieser Kopie von Brushwell.
Bitte installieren Sie das vollständige Programm.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="509"/>
        <source>The Picture Workshop is already open.</source>
        <translation>Die Bilderwerkstatt ist bereits geöffnet.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="517"/>
        <source>The Picture Workshop cannot be opened: %1.
Please install the complete program.</source>
        <translation>Die Bilderwerkstatt kann nicht geöffnet werden: %1.
Bitte installieren Sie das vollständige Programm.</translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <location filename="../src/pictures/calibration.cpp" line="58"/>
        <source>The picture %1 cannot be shown (%2).
The speed test moves a plain yellow bar instead.</source>
        <translation>Das Bild %1 kann nicht angezeigt werden (%2).
Der Geschwindigkeitstest bewegt stattdessen einen einfachen gelben Balken.</translation>
    </message>
    <message>
        <location filename="../src/pictures/calibration.cpp" line="132"/>
        <source>Setting: %1</source>
        <translation>Einstellung: %1</translation>
    </message>
</context>
<context>
    <name>ColoringOptionsScreen</name>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="81"/>
        <source>Coloring Options</source>
        <translation>Ausmal-Optionen</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="88"/>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="97"/>
        <source>Choose your own colors</source>
        <translation>Farben selbst wählen</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="98"/>
        <source>Select a minimum of two colors</source>
        <translation>Mindestens zwei Farben wählen</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Tan</source>
        <translation>Beige</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="109"/>
        <source>or</source>
        <translation>oder</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="115"/>
        <source>Random Colors</source>
        <translation>Zufällige Farben</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="117"/>
        <source>Check this box if you want the program to pick colors randomly. Set the slider bar to the number of random colored paint tubes that the user will be able to choose from.</source>
        <translation>Kreuzen Sie dieses Feld an, wenn das Programm die Farben zufällig wählen soll. Stellen Sie mit dem Schieberegler ein, aus wie vielen zufälligen Farbtuben gewählt werden kann.</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="121"/>
        <source>Number of random colored paint tubes</source>
        <translation>Anzahl zufälliger Farbtuben</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="130"/>
        <source>Coloring Style</source>
        <translation>Ausmal-Stil</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="137"/>
        <source>Solid</source>
        <translation>Vollfarbe</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="138"/>
        <source>Horizontal stripes</source>
        <translation>Waagerechte Streifen</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="139"/>
        <source>Verrical stripes</source>
        <translation>Senkrechte Streifen</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="140"/>
        <source>Diagonal going downward</source>
        <translation>Diagonal nach unten</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="141"/>
        <source>Diagonal going upward</source>
        <translation>Diagonal nach oben</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="142"/>
        <source>Crosses</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="143"/>
        <source>Diagonal crosses</source>
        <translation>Diagonales Gitter</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="157"/>
        <source>Choose the pointer type to the section of the picture to be colored</source>
        <translation>Zeiger auf den Bereich, der als Nächstes ausgemalt wird</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="163"/>
        <source>Paintbrush</source>
        <translation>Pinsel</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="163"/>
        <source>Red Arrow</source>
        <translation>Roter Pfeil</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="163"/>
        <source>Colored Cones</source>
        <translation>Bunte Kegel</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="193"/>
        <source>At least 2 colors must be selected</source>
        <translation>Es müssen mindestens 2 Farben gewählt sein</translation>
    </message>
</context>
<context>
    <name>CompanionProgram</name>
    <message>
        <location filename="../src/platform/companion_program.cpp" line="38"/>
        <source>%1 is missing from the program folder %2</source>
        <translation>%1 fehlt im Programmordner %2</translation>
    </message>
    <message>
        <location filename="../src/platform/companion_program.cpp" line="39"/>
        <source>%1 in %2 may not be run</source>
        <translation>%1 in %2 darf nicht ausgeführt werden</translation>
    </message>
    <message>
        <location filename="../src/platform/companion_program.cpp" line="42"/>
        <source>%1 could not be started</source>
        <translation>%1 konnte nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>CreditsWindow</name>
    <message>
        <location filename="../src/app/credits_window.cpp" line="25"/>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="25"/>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="26"/>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="26"/>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="27"/>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="27"/>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="58"/>
        <source>%1 speech synthesizer, voice %2</source>
        <translation>Sprachsynthese %1, Stimme %2</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="63"/>
        <location filename="../src/app/credits_window.cpp" line="81"/>
        <source>Credits</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="89"/>
        <source>Voice Narration</source>
        <translation>Sprachausgabe</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="99"/>
        <source>Technical Advisor</source>
        <translation>Technische Beratung</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="99"/>
        <location filename="../src/app/credits_window.cpp" line="100"/>
        <location filename="../src/app/credits_window.cpp" line="102"/>
        <location filename="../src/app/credits_window.cpp" line="104"/>
        <source>The Brushwell contributors</source>
        <translation>Die Mitwirkenden von Brushwell</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="100"/>
        <source>Educational Content Advisors</source>
        <translation>Pädagogische Beratung</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="101"/>
        <source>Graphic Image Processing</source>
        <translation>Grafische Bildbearbeitung</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="101"/>
        <source>Brushwell&apos;s own image tools, built on Qt</source>
        <translation>Brushwells eigene Bildwerkzeuge, mit Qt gebaut</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="102"/>
        <source>Art Work</source>
        <translation>Zeichnungen</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="103"/>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="103"/>
        <source>Public-domain melodies, synthesized by Brushwell&apos;s tools</source>
        <translation>Gemeinfreie Melodien, erzeugt mit Brushwells Werkzeugen</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="104"/>
        <source>Programming</source>
        <translation>Programmierung</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="107"/>
        <source>Brushwell Version 2</source>
        <translation>Brushwell Version 2</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="108"/>
        <source>The Brushwell project</source>
        <translation>Das Brushwell-Projekt</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="109"/>
        <source>Contact: through the Brushwell project&apos;s issue tracker</source>
        <translation>Kontakt: über den Issue-Tracker des Brushwell-Projekts</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="110"/>
        <source>Copyright (C) the Brushwell contributors.</source>
        <translation>Copyright (C) die Mitwirkenden von Brushwell.</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="111"/>
        <source>Brushwell is free software: GNU General Public License, version 3 or later.</source>
        <translation>Brushwell ist freie Software: GNU General Public License, Version 3 oder neuer.</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="112"/>
        <source>It comes with no warranty. The licence is the file LICENSE in the program folder.</source>
        <translation>Sie wird ohne Gewährleistung geliefert. Die Lizenz steht in der Datei LICENSE im Programmordner.</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="117"/>
        <location filename="../src/app/credits_window.cpp" line="118"/>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>DeviceScreen</name>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="40"/>
        <source>Keys and switches</source>
        <translation>Tasten und Taster</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="45"/>
        <source>Colors the picture with the current paint tube</source>
        <translation>Malt mit der aktuellen Farbtube aus</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="46"/>
        <source>Move to the next paint tube.</source>
        <translation>Weiter zur nächsten Farbtube.</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="47"/>
        <source>Clears the last part of the picture that was colored</source>
        <translation>Löscht den zuletzt ausgemalten Bereich</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="48"/>
        <source>Skip to the next picture immediately</source>
        <translation>Sofort zum nächsten Bild springen</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="50"/>
        <source>Key Pressed</source>
        <translation>Gedrückte Taste</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="50"/>
        <source>Timed Scanning</source>
        <translation>Zeitgesteuertes Scanning</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="50"/>
        <source>Step Scanning 1 Switch</source>
        <translation>Schritt-Scanning 1 Taster</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="51"/>
        <source>Step Scanning 2 Switches</source>
        <translation>Schritt-Scanning 2 Taster</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="51"/>
        <source>No Scanning</source>
        <translation>Kein Scanning</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="52"/>
        <source>Left Mouse Click, Space Bar or the number 0</source>
        <translation>Linker Mausklick, Leertaste oder die Ziffer 0</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="53"/>
        <source>Colors the picture with the paint tube that the mouse arrow is pointing to</source>
        <translation>Malt mit der Farbtube aus, auf die der Mauszeiger zeigt</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="54"/>
        <source>&lt;Enter&gt; key or the number 1</source>
        <translation>Taste &lt;Enter&gt; oder die Ziffer 1</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="55"/>
        <source>The letter &quot;c&quot; or the number 2</source>
        <translation>Der Buchstabe „c“ oder die Ziffer 2</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="56"/>
        <source>The letter &quot;a&quot; or the number 3</source>
        <translation>Der Buchstabe „a“ oder die Ziffer 3</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="80"/>
        <location filename="../src/menu/device_screen.cpp" line="90"/>
        <source>Keyboard / Switch Information</source>
        <translation>Tastatur / Taster</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="97"/>
        <source>The following keyboard keys are also active during the program.  These buttons can be emulated with switch presses.</source>
        <translation>Die folgenden Tasten der Tastatur wirken ebenfalls im Programm. Diese Tasten können durch Tasterdruck nachgebildet werden.</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 1</source>
        <translation>Adapter an COM 1</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 2</source>
        <translation>Adapter an COM 2</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 3</source>
        <translation>Adapter an COM 3</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 4</source>
        <translation>Adapter an COM 4</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in Joystick (Game) Port</source>
        <translation>Adapter am Joystick-(Game-)Port</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Mouse Click or Keyboard Space bar</source>
        <translation>Mausklick oder Leertaste</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="133"/>
        <source>Switch Timing</source>
        <translation>Taster-Zeiten</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="134"/>
        <source>Test Switches</source>
        <translation>Taster testen</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="139"/>
        <source>Hold and release times, dwell selection and more switches; and a test of what each switch does.</source>
        <translation>Halte- und Sperrzeiten, Auswahl durch Verweilen und weitere Taster; dazu ein Test, was jeder Taster bewirkt.</translation>
    </message>
</context>
<context>
    <name>FileViewer</name>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="46"/>
        <source>No program to show %1 was found, so Brushwell shows it here. Choose a chapter on the left.</source>
        <translation>Es wurde kein Programm gefunden, das %1 anzeigen kann, darum zeigt Brushwell es hier. Wählen Sie links ein Kapitel.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="49"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="53"/>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="61"/>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="87"/>
        <source>No text editor was found, so Brushwell shows %1 here. One picture name a line; lines starting with &quot;-&quot; are skipped.</source>
        <translation>Es wurde kein Texteditor gefunden, darum zeigt Brushwell %1 hier. Ein Bildname pro Zeile; Zeilen, die mit „-“ beginnen, werden übersprungen.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="90"/>
        <source>%1 cannot be read (%2); what you type here is saved as a new list.</source>
        <translation>%1 kann nicht gelesen werden (%2); was Sie hier eingeben, wird als neue Liste gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="93"/>
        <source>Picture list </source>
        <translation>Bilderliste </translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="102"/>
        <location filename="../src/menu/file_viewer.cpp" line="103"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="107"/>
        <location filename="../src/menu/file_viewer.cpp" line="108"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="124"/>
        <source>The picture list could not be saved to %1:
%2
Nothing was changed; the text stays here.</source>
        <translation>Die Bilderliste konnte nicht in %1 gespeichert werden:
%2
Es wurde nichts geändert; der Text bleibt hier stehen.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="136"/>
        <source>Save the changes to the picture list?</source>
        <translation>Änderungen an der Bilderliste speichern?</translation>
    </message>
</context>
<context>
    <name>GalleryBooklet</name>
    <message>
        <location filename="../src/records/gallery_booklet.cpp" line="49"/>
        <source>Coloured by %1 on %2</source>
        <translation>Ausgemalt von %1 am %2</translation>
    </message>
    <message>
        <location filename="../src/records/gallery_booklet.cpp" line="70"/>
        <source>none of the chosen pictures could be read</source>
        <translation>keines der gewählten Bilder konnte gelesen werden</translation>
    </message>
    <message>
        <location filename="../src/records/gallery_booklet.cpp" line="81"/>
        <source>Pictures coloured with Brushwell</source>
        <translation>Mit Brushwell ausgemalte Bilder</translation>
    </message>
</context>
<context>
    <name>GalleryKeeping</name>
    <message>
        <location filename="../src/session/gallery_keeping.cpp" line="101"/>
        <source>The picture %1 could not be kept in the gallery folder %2: %3.
Colouring goes on; pictures are not kept until this is mended (room on the disk, a folder that can be written).</source>
        <translation>Das Bild %1 konnte nicht im Galerie-Ordner %2 aufbewahrt werden: %3.
Das Ausmalen geht weiter; Bilder werden erst wieder aufbewahrt, wenn das behoben ist (Platz auf dem Datenträger, ein beschreibbarer Ordner).</translation>
    </message>
</context>
<context>
    <name>GalleryPicture</name>
    <message>
        <location filename="../src/records/gallery_picture.cpp" line="180"/>
        <source>the picture could not be made into a PNG file</source>
        <translation>das Bild konnte nicht als PNG-Datei gespeichert werden</translation>
    </message>
    <message>
        <location filename="../src/records/gallery_picture.cpp" line="183"/>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>GamePort</name>
    <message>
        <location filename="../src/platform/game_port.cpp" line="114"/>
        <source>joystick support could not start: %1</source>
        <translation>die Joystick-Unterstützung konnte nicht starten: %1</translation>
    </message>
    <message>
        <location filename="../src/platform/game_port.cpp" line="130"/>
        <source>no joystick is connected</source>
        <translation>es ist kein Joystick angeschlossen</translation>
    </message>
    <message>
        <location filename="../src/platform/game_port.cpp" line="138"/>
        <source>the joystick cannot be opened (%1); check the permissions of /dev/input/event*</source>
        <translation>der Joystick kann nicht geöffnet werden (%1); prüfen Sie die Rechte von /dev/input/event*</translation>
    </message>
    <message>
        <location filename="../src/platform/game_port.cpp" line="183"/>
        <source>no joystick</source>
        <translation>kein Joystick</translation>
    </message>
</context>
<context>
    <name>ImagePipeline</name>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="277"/>
        <source>%1 cannot be used: %2.</source>
        <translation>%1 kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="281"/>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="282"/>
        <source>it is a folder, not a picture file</source>
        <translation>es ist ein Ordner, keine Bilddatei</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="283"/>
        <source>this user may not read it</source>
        <translation>dieser Benutzer darf sie nicht lesen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="284"/>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="288"/>
        <source>it is not a picture that can be read (PNG, JPEG, BMP, GIF and SVG can)</source>
        <translation>es ist kein lesbares Bild (lesbar sind PNG, JPEG, BMP, GIF und SVG)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="297"/>
        <location filename="../tools/workshop/image_pipeline.cpp" line="306"/>
        <source>it is too large for the workshop to open; make it smaller in a photo program first</source>
        <translation>es ist zu groß für die Werkstatt; verkleinern Sie es zuerst in einem Fotoprogramm</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="304"/>
        <source>it could not be decoded (%1)</source>
        <translation>es konnte nicht dekodiert werden (%1)</translation>
    </message>
</context>
<context>
    <name>ListModel</name>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="48"/>
        <source>a picture needs a name</source>
        <translation>ein Bild braucht einen Namen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="49"/>
        <source>a name that begins with &quot;-&quot; is skipped by Brushwell</source>
        <translation>einen Namen, der mit „-“ beginnt, überspringt Brushwell</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="50"/>
        <source>a name with a double quote cannot stand in a list</source>
        <translation>ein Name mit Anführungszeichen kann nicht in einer Liste stehen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="51"/>
        <source>a name must be one line</source>
        <translation>ein Name muss in eine Zeile passen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="65"/>
        <source>%1 cannot be read (%2).</source>
        <translation>%1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="101"/>
        <source>The settings file %1 is missing from %2.</source>
        <translation>Die Einstellungsdatei %1 fehlt in %2.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="115"/>
        <source>The settings file %1 is damaged or missing, so the descriptions were not saved. Start Brushwell once and leave it with &quot;Exit&quot;: it repairs the file.</source>
        <translation>Die Einstellungsdatei %1 ist beschädigt oder fehlt, darum wurden die Beschreibungen nicht gespeichert. Starten Sie Brushwell einmal und verlassen Sie es mit „Beenden“: Dabei wird die Datei repariert.</translation>
    </message>
</context>
<context>
    <name>ListPage</name>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="53"/>
        <source>Picture &amp;lists</source>
        <translation>Bilderlis&amp;ten</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="54"/>
        <source>Picture lists</source>
        <translation>Bilderlisten</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="62"/>
        <source>&amp;Description of this list:</source>
        <translation>&amp;Beschreibung dieser Liste:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="63"/>
        <source>Description of this list</source>
        <translation>Beschreibung dieser Liste</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="67"/>
        <source>Pictures in colouring &amp;order (drag, or use the buttons):</source>
        <translation>Bilder in Ausmal-Reihen&amp;folge (ziehen oder die Knöpfe benutzen):</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="68"/>
        <source>Pictures in colouring order</source>
        <translation>Bilder in Ausmal-Reihenfolge</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="76"/>
        <source>Missing pictures</source>
        <translation>Fehlende Bilder</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="81"/>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="82"/>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="83"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="84"/>
        <source>Add &amp;Heading...</source>
        <translation>&amp;Überschrift hinzufügen...</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="85"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="86"/>
        <source>&amp;Save List</source>
        <translation>Liste &amp;speichern</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="92"/>
        <source>Pictures in the &amp;folder:</source>
        <translation>Bilder im Or&amp;dner:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="93"/>
        <source>Pictures in the folder</source>
        <translation>Bilder im Ordner</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="101"/>
        <source>&amp;Add to List</source>
        <translation>Zur Liste &amp;hinzufügen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="151"/>
        <source>List %1</source>
        <translation>Liste %1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="151"/>
        <source>List %1: %2</source>
        <translation>Liste %1: %2</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="159"/>
        <source>

The descriptions cannot be saved until the settings file is whole again.</source>
        <translation>

Die Beschreibungen können erst gespeichert werden, wenn die Einstellungsdatei wieder vollständig ist.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="233"/>
        <source>Heading: %1</source>
        <translation>Überschrift: %1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="235"/>
        <source>%1   (not in the folder)</source>
        <translation>%1   (nicht im Ordner)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="238"/>
        <source>%1, not in the folder</source>
        <translation>%1, nicht im Ordner</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="250"/>
        <source>Not in the program folder: %1. They stay in the list; Brushwell ends the session when it reaches one, so add the picture or remove the name.</source>
        <translation>Nicht im Programmordner: %1. Sie bleiben in der Liste; Brushwell beendet die Sitzung, wenn es eines davon erreicht. Fügen Sie also das Bild hinzu oder entfernen Sie den Namen.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="289"/>
        <source>Removed from the list (the picture stays in the folder). Undo brings it back.</source>
        <translation>Aus der Liste entfernt (das Bild bleibt im Ordner). „Rückgängig“ holt es zurück.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="306"/>
        <source>Choose one or more pictures in the folder first.</source>
        <translation>Wählen Sie zuerst ein oder mehrere Bilder im Ordner.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="314"/>
        <source>%1 cannot be added: %2.</source>
        <translation>%1 kann nicht hinzugefügt werden: %2.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="338"/>
        <source>List %1 could not be saved (%2). The file on disk was left as it was.</source>
        <translation>Liste %1 konnte nicht gespeichert werden (%2). Die Datei auf dem Datenträger blieb unverändert.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="345"/>
        <source>The list was saved, but its description was not:

%1</source>
        <translation>Die Liste wurde gespeichert, ihre Beschreibung aber nicht:

%1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="350"/>
        <source>List %1 saved. Brushwell uses it from the next session on.</source>
        <translation>Liste %1 gespeichert. Brushwell verwendet sie ab der nächsten Sitzung.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="357"/>
        <source>List %1 has changes that are not saved. Save them?</source>
        <translation>Liste %1 hat ungespeicherte Änderungen. Speichern?</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <location filename="../tools/workshop/main.cpp" line="28"/>
        <source>Makes colouring pictures from drawings and photos, and edits picture lists.</source>
        <translation>Macht Ausmalbilder aus Zeichnungen und Fotos und bearbeitet Bilderlisten.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="30"/>
        <source>the program folder (default: the one Brushwell uses)</source>
        <translation>der Programmordner (Standard: der von Brushwell verwendete)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="35"/>
        <source>the folder of the user colouring now, whose list descriptions and own lists are edited (default: the program folder)</source>
        <translation>der Ordner des Benutzers, der gerade malt, dessen Listenbeschreibungen und eigene Listen bearbeitet werden (Standard: der Programmordner)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="38"/>
        <source>a drawing or photo to open</source>
        <translation>eine Zeichnung oder ein Foto zum Öffnen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="44"/>
        <location filename="../tools/workshop/main.cpp" line="46"/>
        <location filename="../tools/workshop/main.cpp" line="51"/>
        <source>Brushwell Picture Workshop</source>
        <translation>Brushwell-Bilderwerkstatt</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="46"/>
        <location filename="../tools/workshop/main.cpp" line="51"/>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
</context>
<context>
    <name>Mainform</name>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="146"/>
        <source>Processing New Picture, Please Wait ...</source>
        <translation>Neues Bild wird vorbereitet, bitte warten ...</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="148"/>
        <location filename="../src/pictures/mainform.cpp" line="150"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="163"/>
        <source>Left is Faster - Right is Slower</source>
        <translation>Links schneller – rechts langsamer</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="164"/>
        <source>Animation speed</source>
        <translation>Animationsgeschwindigkeit</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="172"/>
        <location filename="../src/pictures/mainform.cpp" line="174"/>
        <source>Test Speed</source>
        <translation>Geschwindigkeit testen</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="178"/>
        <location filename="../src/pictures/mainform.cpp" line="180"/>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="186"/>
        <source>Move the slider bar in small adjustments to adjust the speed then press the &quot;Test Speed&quot; Button.</source>
        <translation>Verschieben Sie den Schieberegler in kleinen Schritten, um die Geschwindigkeit anzupassen, und drücken Sie dann „Geschwindigkeit testen“.</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="192"/>
        <source>Before the first picture Brushwell needs to know how fast to move on this computer, so set the speed here; &quot;Main Menu&quot; keeps it, and it is asked for only once.</source>
        <translation>Vor dem ersten Bild muss Brushwell wissen, wie schnell es sich auf diesem Computer bewegen soll. Stellen Sie die Geschwindigkeit hier ein; „Hauptmenü“ übernimmt sie, und sie wird nur einmal abgefragt.</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="197"/>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="200"/>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="314"/>
        <source>Dwell progress</source>
        <translation>Fortschritt des Verweilens</translation>
    </message>
</context>
<context>
    <name>NewPicturePage</name>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="76"/>
        <source>&amp;Open Drawing or Photo...</source>
        <translation>Zeichnung oder Foto ö&amp;ffnen...</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="76"/>
        <source>Open Drawing or Photo</source>
        <translation>Zeichnung oder Foto öffnen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="77"/>
        <source>It is a &amp;drawing</source>
        <translation>Es ist eine &amp;Zeichnung</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="77"/>
        <source>It is a drawing</source>
        <translation>Es ist eine Zeichnung</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="78"/>
        <source>It is a p&amp;hoto</source>
        <translation>Es ist ein F&amp;oto</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="78"/>
        <source>It is a photo</source>
        <translation>Es ist ein Foto</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="92"/>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="93"/>
        <source>Original picture</source>
        <translation>Originalbild</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="99"/>
        <source>Colouring picture (numbers: the colouring order)</source>
        <translation>Ausmalbild (Zahlen: die Ausmal-Reihenfolge)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="100"/>
        <source>Colouring picture preview</source>
        <translation>Vorschau des Ausmalbilds</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="101"/>
        <source>Click a section to choose it; arrow keys move its marker</source>
        <translation>Klicken Sie auf einen Bereich, um ihn zu wählen; die Pfeiltasten verschieben seinen Markierungspunkt</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="134"/>
        <source>Drawing</source>
        <translation>Zeichnung</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="136"/>
        <source>Line darkness</source>
        <translation>Liniendunkelheit</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="138"/>
        <source>Close gaps</source>
        <translation>Lücken schließen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="142"/>
        <source>Line dar&amp;kness:</source>
        <translation>Linien&amp;dunkelheit:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="142"/>
        <source>only dark lines</source>
        <translation>nur dunkle Linien</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="143"/>
        <source>faint lines too</source>
        <translation>auch blasse Linien</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="144"/>
        <source>Close &amp;gaps:</source>
        <translation>Lü&amp;cken schließen:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="144"/>
        <source>0: none</source>
        <translation>0: keine</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="144"/>
        <source>5: wide gaps</source>
        <translation>5: breite Lücken</translation>
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
        <translation>De&amp;tail:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="152"/>
        <source>1: few large areas</source>
        <translation>1: wenige große Flächen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="153"/>
        <source>10: many small</source>
        <translation>10: viele kleine</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="158"/>
        <source>Sections</source>
        <translation>Bereiche</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="160"/>
        <source>Sections in colouring order</source>
        <translation>Bereiche in Ausmal-Reihenfolge</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="164"/>
        <source>Colour &amp;Earlier</source>
        <translation>Fr&amp;üher ausmalen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="164"/>
        <source>Colour Earlier</source>
        <translation>Früher ausmalen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="165"/>
        <source>Colour &amp;Later</source>
        <translation>S&amp;päter ausmalen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="165"/>
        <source>Colour Later</source>
        <translation>Später ausmalen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="169"/>
        <source>&amp;Merge Small Regions</source>
        <translation>Kleine Flächen &amp;verbinden</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="169"/>
        <source>Merge Small Regions</source>
        <translation>Kleine Flächen verbinden</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="170"/>
        <source>D&amp;rop Small Regions</source>
        <translation>Kleine Flächen &amp;weglassen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="170"/>
        <source>Drop Small Regions</source>
        <translation>Kleine Flächen weglassen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="171"/>
        <source>The small regions in red stay white and are not coloured.</source>
        <translation>Die roten kleinen Flächen bleiben weiß und werden nicht ausgemalt.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="172"/>
        <source>Merge Down to &amp;25 Sections</source>
        <translation>Auf &amp;25 Bereiche zusammenfassen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="172"/>
        <source>Merge Down to 25 Sections</source>
        <translation>Auf 25 Bereiche zusammenfassen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="178"/>
        <source>On the picture</source>
        <translation>Auf dem Bild</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="180"/>
        <source>A click chooses a section</source>
        <translation>Ein Klick wählt einen Bereich</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="181"/>
        <location filename="../tools/workshop/new_picture_page.cpp" line="182"/>
        <source>A click moves the section&apos;s marker</source>
        <translation>Ein Klick verschiebt den Markierungspunkt des Bereichs</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="183"/>
        <source>Two clicks &amp;join two regions</source>
        <translation>Zwei Klicks verbinden zwei Fläc&amp;hen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="183"/>
        <source>Two clicks join two regions</source>
        <translation>Zwei Klicks verbinden zwei Flächen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="184"/>
        <source>A line dra&amp;wn across a region splits it</source>
        <translation>Eine L&amp;inie quer durch eine Fläche teilt sie</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="185"/>
        <source>A line drawn across a region splits it</source>
        <translation>Eine Linie quer durch eine Fläche teilt sie</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="186"/>
        <source>A click or a stroke erases l&amp;ines</source>
        <translation>Ein Klick oder Strich radiert Linien a&amp;us</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="187"/>
        <source>A click or a stroke erases lines</source>
        <translation>Ein Klick oder Strich radiert Linien aus</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="188"/>
        <source>Click one region, then the one beside it: the line between them goes.</source>
        <translation>Klicken Sie auf eine Fläche, dann auf die daneben: Die Linie dazwischen verschwindet.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="189"/>
        <source>Hold the button down and draw across the region, from one outline to the other.</source>
        <translation>Halten Sie die Maustaste gedrückt und zeichnen Sie quer durch die Fläche, von einem Umriss zum anderen.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="190"/>
        <source>A click on a stray line or dot takes it away; drag along a line to rub it out.</source>
        <translation>Ein Klick auf eine verirrte Linie oder einen Punkt entfernt sie; ziehen Sie an einer Linie entlang, um sie auszuradieren.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="199"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="199"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="200"/>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="201"/>
        <source>Ctrl+Z</source>
        <translation>Strg+Z</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="202"/>
        <source>Ctrl+Shift+Z or Ctrl+Y</source>
        <translation>Strg+Umschalt+Z oder Strg+Y</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="208"/>
        <location filename="../tools/workshop/new_picture_page.cpp" line="380"/>
        <source>Open a drawing or a photo to begin.</source>
        <translation>Öffnen Sie eine Zeichnung oder ein Foto, um zu beginnen.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="208"/>
        <source>Remarks</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="214"/>
        <source>Pi&amp;cture name:</source>
        <translation>Na&amp;me des Bildes:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="215"/>
        <source>Picture name</source>
        <translation>Name des Bildes</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="216"/>
        <source>for example: our_dog</source>
        <translation>zum Beispiel: unser_hund</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="218"/>
        <source>&amp;Save Picture</source>
        <translation>Bild &amp;speichern</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="218"/>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="255"/>
        <source>Joined small regions %1 time(s).</source>
        <translation>Kleine Flächen %1-mal verbunden.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="259"/>
        <source>The small regions are left white.</source>
        <translation>Die kleinen Flächen bleiben weiß.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="262"/>
        <source>Joined the smallest sections %1 time(s).</source>
        <translation>Die kleinsten Bereiche %1-mal verbunden.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="280"/>
        <source>Open a Drawing or a Photo</source>
        <translation>Eine Zeichnung oder ein Foto öffnen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="283"/>
        <source>Drawings and photos (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.PNG *.JPG *.JPEG *.BMP *.GIF *.SVG)</source>
        <translation>Zeichnungen und Fotos (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.PNG *.JPG *.JPEG *.BMP *.GIF *.SVG)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="284"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="333"/>
        <source>Nothing could be made of this picture.</source>
        <translation>Aus diesem Bild ließ sich nichts machen.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="337"/>
        <source>The picture was made again.</source>
        <translation>Das Bild wurde neu erstellt.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="338"/>
        <source>Preview made in %1 ms.</source>
        <translation>Vorschau in %1 ms erstellt.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="341"/>
        <source>Opened %1.</source>
        <translation>%1 geöffnet.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="342"/>
        <source>%1 x %2 pixels; first preview after %3 ms.</source>
        <translation>%1 × %2 Pixel; erste Vorschau nach %3 ms.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="374"/>
        <source>Section %1</source>
        <translation>Bereich %1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="376"/>
        <source>%1 pixels; marker at %2, %3</source>
        <translation>%1 Pixel; Markierungspunkt bei %2, %3</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="397"/>
        <source>That region is too small for a marker: join it to a neighbour, or drop it.</source>
        <translation>Diese Fläche ist zu klein für einen Markierungspunkt: Verbinden Sie sie mit einer Nachbarfläche oder lassen Sie sie weg.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="404"/>
        <source>A marker cannot stand there: it needs white all round it, inside a section.</source>
        <translation>Dort kann kein Markierungspunkt stehen: Er braucht ringsum Weiß, innerhalb eines Bereichs.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="410"/>
        <source>Click inside a region, not on a line.</source>
        <translation>Klicken Sie in eine Fläche, nicht auf eine Linie.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="414"/>
        <source>Now click the region beside it to join the two.</source>
        <translation>Klicken Sie jetzt auf die Fläche daneben, um beide zu verbinden.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="420"/>
        <source>The two regions are joined.</source>
        <translation>Die beiden Flächen sind verbunden.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="430"/>
        <source>Hold the button down and draw a line across the region.</source>
        <translation>Halten Sie die Maustaste gedrückt und zeichnen Sie eine Linie quer durch die Fläche.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="456"/>
        <source>The region is split in two.</source>
        <translation>Die Fläche ist in zwei geteilt.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="458"/>
        <source>Erased. Regions the line divided are now one.</source>
        <translation>Ausradiert. Flächen, die die Linie getrennt hat, sind jetzt eine.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="458"/>
        <source>Erased.</source>
        <translation>Ausradiert.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="496"/>
        <source> %1 stay red, or their shape would be lost: join them by hand, or drop them.</source>
        <translation> %1 bleiben rot, sonst ginge ihre Form verloren: Verbinden Sie sie von Hand oder lassen Sie sie weg.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="524"/>
        <source>Done again.</source>
        <translation>Wiederholt.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="531"/>
        <source>Open a drawing or a photo first.</source>
        <translation>Öffnen Sie zuerst eine Zeichnung oder ein Foto.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="536"/>
        <source>Give the picture a name of letters, digits, spaces, &quot;_&quot; or &quot;-&quot;, beginning with a letter or digit.</source>
        <translation>Geben Sie dem Bild einen Namen aus Buchstaben, Ziffern, Leerzeichen, „_“ oder „-“, der mit einem Buchstaben oder einer Ziffer beginnt.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="539"/>
        <source>Names beginning with &quot;aobj_&quot; belong to Brushwell&apos;s own files. Choose another name.</source>
        <translation>Namen, die mit „aobj_“ beginnen, gehören zu Brushwells eigenen Dateien. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="545"/>
        <source>A picture needs 1 to 25 sections; this one has %1.</source>
        <translation>Ein Bild braucht 1 bis 25 Bereiche; dieses hat %1.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="550"/>
        <source>The picture was not saved, because Brushwell would not colour it as shown:

</source>
        <translation>Das Bild wurde nicht gespeichert, weil Brushwell es nicht wie gezeigt ausmalen würde:

</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="554"/>
        <source>%1 is already in the program folder. Replace it?</source>
        <translation>%1 ist schon im Programmordner. Ersetzen?</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="561"/>
        <source>The picture could not be encoded.</source>
        <translation>Das Bild konnte nicht kodiert werden.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="564"/>
        <source>%1 could not be saved (%2). Nothing was changed in the program folder.</source>
        <translation>%1 konnte nicht gespeichert werden (%2). Im Programmordner wurde nichts geändert.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="574"/>
        <source>%1 was saved, but its section file could not be written (%2). Brushwell will find the sections itself the first time it shows the picture.</source>
        <translation>%1 wurde gespeichert, aber seine Bereichsdatei konnte nicht geschrieben werden (%2). Brushwell findet die Bereiche selbst, wenn es das Bild zum ersten Mal zeigt.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="580"/>
        <source>Saved %1 with %2 sections. Add it to a list on the Picture Lists page.</source>
        <translation>%1 mit %2 Bereichen gespeichert. Fügen Sie es auf der Seite „Bilderlisten“ einer Liste hinzu.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="581"/>
        <source>Checked and written in %1 ms.</source>
        <translation>In %1 ms geprüft und geschrieben.</translation>
    </message>
</context>
<context>
    <name>OptionsFile</name>
    <message>
        <location filename="../src/settings/options_file.cpp" line="52"/>
        <source>%1 is &quot;%2&quot;, which is not a whole number; %3 is used.</source>
        <translation>%1 ist „%2“, das ist keine ganze Zahl; %3 wird verwendet.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="53"/>
        <source>%1 is &quot;%2&quot;, which is not a number; %3 is used.</source>
        <translation>%1 ist „%2“, das ist keine Zahl; %3 wird verwendet.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="56"/>
        <source>%1 is %2, outside %3 to %4; %5 is used.</source>
        <translation>%1 ist %2, außerhalb von %3 bis %4; %5 wird verwendet.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="74"/>
        <source>The file is damaged: it is not plain text (byte %1 is the control code %2). What could be read of it is used.</source>
        <translation>Die Datei ist beschädigt: Sie ist kein reiner Text (Byte %1 ist das Steuerzeichen %2). Was davon gelesen werden konnte, wird verwendet.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="94"/>
        <source>The file is damaged; what could be read of it is used.</source>
        <translation>Die Datei ist beschädigt; was davon gelesen werden konnte, wird verwendet.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="96"/>
        <source>The file could not be read; the standard options are used.</source>
        <translation>Die Datei konnte nicht gelesen werden; die Standardoptionen werden verwendet.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="111"/>
        <source>[switch] has the unknown key %1; it is not used.</source>
        <translation>[switch] hat den unbekannten Schlüssel %1; er wird nicht verwendet.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="122"/>
        <source>no temporary folder: %1</source>
        <translation>kein temporärer Ordner: %1</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="135"/>
        <source>the options could not be prepared</source>
        <translation>die Optionen konnten nicht vorbereitet werden</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="199"/>
        <source>[voice] Language is &quot;%1&quot;, which is no language code such as en or fr; en is used.</source>
        <translation>[voice] Language ist „%1“, das ist kein Sprachcode wie en oder fr; en wird verwendet.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="203"/>
        <source>[voice] has the unknown key %1; it is not used.</source>
        <translation>[voice] hat den unbekannten Schlüssel %1; er wird nicht verwendet.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="239"/>
        <source>[display] Language is &quot;%1&quot;; the screens can be shown in en, nl, fr, es, de or he. en is used.</source>
        <translation>[display] Language ist „%1“; die Bildschirme können in en, nl, fr, es, de oder he erscheinen. en wird verwendet.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="269"/>
        <source>Brushwell found a problem in %1 and used standard values where needed:

</source>
        <translation>Brushwell hat ein Problem in %1 gefunden und, wo nötig, Standardwerte verwendet:

</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="272"/>
        <source>
Check the &quot;Switch Timing&quot; and &quot;Test Switches&quot; screens (from &quot;Keyboard / Switch Information&quot;) and the language on &quot;Auditory Settings&quot;; the file is written again when you change them.</source>
        <translation>
Prüfen Sie die Bildschirme „Taster-Zeiten“ und „Taster testen“ (unter „Tastatur / Taster“) und die Sprache unter „Toneinstellungen“; die Datei wird neu geschrieben, sobald Sie dort etwas ändern.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="326"/>
        <source>%1 is &quot;%2&quot;, which is not a rectangle x,y,w,h inside the image (each from 0 to 1); no rectangle is used.</source>
        <translation>%1 ist „%2“, das ist kein Rechteck x,y,w,h innerhalb des Bildes (jeweils von 0 bis 1); es wird kein Rechteck verwendet.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="334"/>
        <source>[camera] has the unknown key %1; it is not used.</source>
        <translation>[camera] hat den unbekannten Schlüssel %1; er wird nicht verwendet.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="355"/>
        <source>The camera options could not be saved to %1 (%2).
The file on disk was left as it was; the options are used until Brushwell is closed.</source>
        <translation>Die Kamera-Optionen konnten nicht in %1 gespeichert werden (%2).
Die Datei auf dem Datenträger blieb unverändert; die Optionen gelten, bis Brushwell geschlossen wird.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="387"/>
        <source>The switch options could not be saved to %1 (%2).
The file on disk was left as it was; the options are used until Brushwell is closed.</source>
        <translation>Die Taster-Optionen konnten nicht in %1 gespeichert werden (%2).
Die Datei auf dem Datenträger blieb unverändert; die Optionen gelten, bis Brushwell geschlossen wird.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="398"/>
        <source>The narration language could not be saved to %1 (%2).
The file on disk was left as it was; the language is used until Brushwell is closed.</source>
        <translation>Die Sprache der Ansagen konnte nicht in %1 gespeichert werden (%2).
Die Datei auf dem Datenträger blieb unverändert; die Sprache gilt, bis Brushwell geschlossen wird.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="413"/>
        <source>The language of the screens could not be saved to %1 (%2).
The file on disk was left as it was; the language is used until Brushwell is closed.</source>
        <translation>Die Sprache der Bildschirme konnte nicht in %1 gespeichert werden (%2).
Die Datei auf dem Datenträger blieb unverändert; die Sprache gilt, bis Brushwell geschlossen wird.</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="86"/>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="87"/>
        <source>it is a folder, not a picture file</source>
        <translation>es ist ein Ordner, keine Bilddatei</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="90"/>
        <source>it is not a picture that can be read (JPEG, BMP or PNG are)</source>
        <translation>es ist kein lesbares Bild (lesbar sind JPEG, BMP und PNG)</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="93"/>
        <source>the file is damaged: it ends before its picture does</source>
        <translation>die Datei ist beschädigt: sie endet vor dem Ende des Bildes</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="97"/>
        <location filename="../src/platform/picture_box.cpp" line="116"/>
        <source>it is %1 by %2 pixels, larger than the %3 by %3 pixels a picture may have</source>
        <translation>es ist %1 × %2 Pixel groß, größer als die erlaubten %3 × %3 Pixel</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="110"/>
        <source>it could not be decoded (%1)</source>
        <translation>es konnte nicht dekodiert werden (%1)</translation>
    </message>
</context>
<context>
    <name>PictureChooser</name>
    <message>
        <location filename="../src/pictures/picture_chooser.cpp" line="40"/>
        <source>Choose the next picture</source>
        <translation>Das nächste Bild wählen</translation>
    </message>
</context>
<context>
    <name>PictureDesign</name>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="154"/>
        <source>The new order must hold every section once.</source>
        <translation>Die neue Reihenfolge muss jeden Bereich genau einmal enthalten.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="178"/>
        <source>Section %1 cannot be coloured after section %2: Brushwell colours from left to right, and all of section %1 lies too far to the left.</source>
        <translation>Bereich %1 kann nicht nach Bereich %2 ausgemalt werden: Brushwell malt von links nach rechts aus, und Bereich %1 liegt ganz zu weit links.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="201"/>
        <source>No place was found for the marker of section %1.</source>
        <translation>Für den Markierungspunkt von Bereich %1 wurde kein Platz gefunden.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="242"/>
        <source>Brushwell would find %1 section(s) in %2, not the %3 shown here.</source>
        <translation>Brushwell würde in %2 %1 Bereich(e) finden, nicht die hier gezeigten %3.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="252"/>
        <source>The paint of section %1 would spread beyond it. Close the gap in its outline.</source>
        <translation>Die Farbe von Bereich %1 würde auslaufen. Schließen Sie die Lücke in seinem Umriss.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="262"/>
        <source>No area to colour was found. Try more detail.</source>
        <translation>Es wurde keine Fläche zum Ausmalen gefunden. Versuchen Sie mehr Detail.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="263"/>
        <source>No closed area to colour was found. Are the outlines closed? Move &quot;Close gaps&quot; to the right.</source>
        <translation>Es wurde keine geschlossene Fläche zum Ausmalen gefunden. Sind die Umrisse geschlossen? Schieben Sie „Lücken schließen“ nach rechts.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="266"/>
        <source>%1 sections: Brushwell colours at most %2. Use &quot;Merge Down to 25 Sections&quot;, or lower the detail.</source>
        <translation>%1 Bereiche: Brushwell malt höchstens %2 aus. Verwenden Sie „Auf 25 Bereiche zusammenfassen“ oder verringern Sie das Detail.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="268"/>
        <source>%1 sections: Brushwell colours at most %2. Use &quot;Merge Down to 25 Sections&quot;, or join two at a time with &quot;Two clicks join two regions&quot;.</source>
        <translation>%1 Bereiche: Brushwell malt höchstens %2 aus. Verwenden Sie „Auf 25 Bereiche zusammenfassen“ oder verbinden Sie je zwei mit „Zwei Klicks verbinden zwei Flächen“.</translation>
    </message>
    <message numerus="yes">
        <location filename="../tools/workshop/picture_design.cpp" line="274"/>
        <source>%n section(s), coloured in the numbered order.</source>
        <translation>
            <numerusform>%n Bereich, ausgemalt in der nummerierten Reihenfolge.</numerusform>
            <numerusform>%n Bereiche, ausgemalt in der nummerierten Reihenfolge.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="277"/>
        <source>%1 region(s) in red are too small to see or to point at. Join each to a neighbour (&quot;Merge Small Regions&quot;, or &quot;Two clicks join two regions&quot;), or leave them white with &quot;Drop Small Regions&quot;.</source>
        <translation>%1 rote Fläche(n) sind zu klein, um sie zu sehen oder auf sie zu zeigen. Verbinden Sie jede mit einer Nachbarfläche („Kleine Flächen verbinden“ oder „Zwei Klicks verbinden zwei Flächen“) oder lassen Sie sie mit „Kleine Flächen weglassen“ weiß.</translation>
    </message>
    <message numerus="yes">
        <location filename="../tools/workshop/picture_design.cpp" line="283"/>
        <source>%n small region(s) are left white and not coloured.</source>
        <translation>
            <numerusform>%n kleine Fläche bleibt weiß und wird nicht ausgemalt.</numerusform>
            <numerusform>%n kleine Flächen bleiben weiß und werden nicht ausgemalt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../tools/workshop/picture_design.cpp" line="286"/>
        <source>%n section(s) lie so near the top that the pointer is partly hidden.</source>
        <translation>
            <numerusform>%n Bereich liegt so nah am oberen Rand, dass der Zeiger teilweise verdeckt ist.</numerusform>
            <numerusform>%n Bereiche liegen so nah am oberen Rand, dass der Zeiger teilweise verdeckt ist.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureList</name>
    <message>
        <location filename="../src/pictures/picture_list.cpp" line="83"/>
        <source>%1 is a folder, not a file</source>
        <translation>%1 ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <location filename="../src/pictures/picture_list.cpp" line="88"/>
        <source>%1 could not be opened (%2)</source>
        <translation>%1 konnte nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <location filename="../src/pictures/picture_list.cpp" line="93"/>
        <source>%1 could not be read to its end (%2)</source>
        <translation>%1 konnte nicht bis zum Ende gelesen werden (%2)</translation>
    </message>
</context>
<context>
    <name>PictureListsScreen</name>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="19"/>
        <location filename="../src/menu/picture_lists_screen.cpp" line="60"/>
        <source>Picture List</source>
        <translation>Bilderliste</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="30"/>
        <source>Brushwell allows you to save up to 15 different Picture Lists.  These lists contain the names of the pictures that will be used by the program. The program will use the list that is checked off under the Active Picture List heading. You can create lists for different students, create lists for different holidays, ... Please refer to the users guide for instructions on how to create your own pictures.  A few lists are already supplied with the program.</source>
        <translation>In Brushwell können Sie bis zu 15 verschiedene Bilderlisten speichern. Diese Listen enthalten die Namen der Bilder, die das Programm verwendet. Das Programm verwendet die Liste, die unter der Überschrift „Aktive Bilderliste“ angekreuzt ist. Sie können Listen für verschiedene Schüler anlegen, Listen für verschiedene Feiertage, ... Wie Sie eigene Bilder erstellen, steht im Benutzerhandbuch. Einige Listen werden bereits mit dem Programm geliefert.</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="37"/>
        <source>Clicking the Edit Picture List button will bring up &quot;Windows Notepad&quot; and present the list.  When finished editing the file, just click save and exit from Notepad.  You can copy picture names from one list to another by simply clicking on the old list and cutting and pasting the names into the new list.  You can bypass a picture from being displayed by placing a dash before the picture name in the list.  For example -ball.bmp will cause the ball picture to be bypassed. When a picture is displayed on the screen for painting, the name of the picture is displayed in dark red right above the picture that is being painted.</source>
        <translation>Ein Klick auf „Bilderliste bearbeiten“ öffnet die Liste im Texteditor („Windows Notepad“). Wenn Sie fertig sind, speichern Sie die Datei und schließen den Editor. Bildnamen kopieren Sie von einer Liste in eine andere, indem Sie die alte Liste öffnen und die Namen ausschneiden und in die neue Liste einfügen. Ein Bild wird übersprungen, wenn Sie in der Liste einen Bindestrich vor seinen Namen setzen. Zum Beispiel wird mit -ball.bmp das Ballbild übersprungen. Während ein Bild ausgemalt wird, steht sein Name in Dunkelrot direkt über dem Bild.</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="48"/>
        <source>Picture Workshop</source>
        <translation>Bilderwerkstatt</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="50"/>
        <source>Make pictures from drawings and photos, and edit the picture lists</source>
        <translation>Bilder aus Zeichnungen und Fotos machen und die Bilderlisten bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="58"/>
        <source>Active Picture List</source>
        <translation>Aktive Bilderliste</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="62"/>
        <source>Picture List Description</source>
        <translation>Beschreibung der Bilderliste</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="66"/>
        <source>Active Picture List %1</source>
        <translation>Aktive Bilderliste %1</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="70"/>
        <source>Picture List Description %1</source>
        <translation>Beschreibung der Bilderliste %1</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="72"/>
        <source>Edit Picture List #%1</source>
        <translation>Bilderliste Nr. %1 bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="110"/>
        <source>Enter a description for Picture List Number %1</source>
        <translation>Geben Sie eine Beschreibung für die Bilderliste Nr. %1 ein</translation>
    </message>
</context>
<context>
    <name>PortIo</name>
    <message>
        <location filename="../src/platform/port_io.cpp" line="65"/>
        <source>no serial device for COM %1 (is the USB serial adapter plugged in?)</source>
        <translation>kein serielles Gerät für COM %1 (ist der USB-Seriell-Adapter eingesteckt?)</translation>
    </message>
    <message>
        <location filename="../src/platform/port_io.cpp" line="154"/>
        <source>%1 cannot be opened</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../src/platform/port_io.cpp" line="224"/>
        <source>no serial device</source>
        <translation>kein serielles Gerät</translation>
    </message>
</context>
<context>
    <name>PrintingExitLink</name>
    <message>
        <location filename="../src/pictures/printing_exit_link.cpp" line="51"/>
        <source>Picture sent to printer</source>
        <translation>Bild an den Drucker gesendet</translation>
    </message>
    <message>
        <location filename="../src/pictures/printing_exit_link.cpp" line="53"/>
        <source>The picture could not be printed.</source>
        <translation>Das Bild konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <location filename="../src/pictures/printing_exit_link.cpp" line="62"/>
        <source>Double-tap here 
for main menu</source>
        <translation>Hier doppelt tippen 
für das Hauptmenü</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <location filename="../src/app/program_folder.cpp" line="86"/>
        <source>The folder %1 for your own settings and lists could not be made.</source>
        <translation>Der Ordner %1 für Ihre eigenen Einstellungen und Listen konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="99"/>
        <source>The old link %1 could not be replaced.</source>
        <translation>Die alte Verknüpfung %1 konnte nicht ersetzt werden.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="104"/>
        <source>%1 could not be written (%2).</source>
        <translation>%1 konnte nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="117"/>
        <source>%1 could not be copied into %2.</source>
        <translation>%1 konnte nicht nach %2 kopiert werden.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="119"/>
        <source>%1 could not be linked into %2.</source>
        <translation>%1 konnte nicht in %2 verknüpft werden.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="137"/>
        <source>
Brushwell runs from %1, where your settings cannot be saved.</source>
        <translation>
Brushwell läuft aus %1, wo Ihre Einstellungen nicht gespeichert werden können.</translation>
    </message>
</context>
<context>
    <name>ProgressRecords</name>
    <message>
        <location filename="../src/records/progress_log.cpp" line="259"/>
        <source>The progress file %1 has no header row naming its columns (started, user, list, ...), so none of its rows can be shown.
The file is left as it is.</source>
        <translation>Die Fortschrittsdatei %1 hat keine Kopfzeile mit den Spaltennamen (started, user, list, ...), darum kann keine ihrer Zeilen gezeigt werden.
Die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <location filename="../src/session/progress_entry.cpp" line="69"/>
        <source>The progress record %1 could not be saved: %2.
Colouring goes on; the record of this picture is kept and saved with the next one.</source>
        <translation>Die Fortschrittsaufzeichnung %1 konnte nicht gespeichert werden: %2.
Das Ausmalen geht weiter; die Aufzeichnung dieses Bildes wird behalten und mit der nächsten gespeichert.</translation>
    </message>
</context>
<context>
    <name>ProgressScreen</name>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="63"/>
        <source>week of %1</source>
        <translation>Woche vom %1</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <location filename="../src/platform/qt_host.cpp" line="132"/>
        <source>No printer is set up on this computer, so the picture was not printed.
Set up a default printer in the system&apos;s printer settings and try again.</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet, darum wurde das Bild nicht gedruckt.
Richten Sie in den Druckereinstellungen des Systems einen Standarddrucker ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../src/platform/qt_host.cpp" line="137"/>
        <source>The printer &quot;%1&quot; cannot be used, so the picture was not printed.</source>
        <translation>Der Drucker „%1“ kann nicht verwendet werden, darum wurde das Bild nicht gedruckt.</translation>
    </message>
    <message>
        <location filename="../src/platform/qt_host.cpp" line="142"/>
        <source>The printer &quot;%1&quot; reported an error, so the picture may not have been printed.</source>
        <translation>Der Drucker „%1“ hat einen Fehler gemeldet; das Bild wurde vielleicht nicht gedruckt.</translation>
    </message>
</context>
<context>
    <name>RegionEdit</name>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="105"/>
        <source>Choose two different regions.</source>
        <translation>Wählen Sie zwei verschiedene Flächen.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="114"/>
        <source>These two regions do not touch.</source>
        <translation>Diese beiden Flächen berühren sich nicht.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="217"/>
        <source>These two regions cannot be joined without opening the outline of another one.</source>
        <translation>Diese beiden Flächen lassen sich nicht verbinden, ohne den Umriss einer anderen zu öffnen.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="328"/>
        <source>Draw a longer line, across the region from one outline to the other.</source>
        <translation>Zeichnen Sie eine längere Linie quer durch die Fläche, von einem Umriss zum anderen.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="340"/>
        <source>Draw the line across a region, not along an outline.</source>
        <translation>Zeichnen Sie die Linie quer durch eine Fläche, nicht an einem Umriss entlang.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="363"/>
        <source>The line did not divide the region. Draw it across, from one outline to the other.</source>
        <translation>Die Linie hat die Fläche nicht geteilt. Zeichnen Sie sie quer hindurch, von einem Umriss zum anderen.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="387"/>
        <location filename="../tools/workshop/region_edit.cpp" line="426"/>
        <source>There is no line there to erase.</source>
        <translation>Dort ist keine Linie zum Ausradieren.</translation>
    </message>
</context>
<context>
    <name>ScanScreen</name>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="38"/>
        <source>20 seconds</source>
        <translation>20 Sekunden</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="40"/>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/scan_screen.cpp" line="41"/>
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="52"/>
        <source>Scanning Options</source>
        <translation>Scanning-Optionen</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="59"/>
        <source>The term &quot;Scan Position&quot;  is the position at which the paint tube has moved towards the picture and waits.  This is the color that will be used to paint the part of the picture if chosen. The &quot;Input Device&quot; option from the main menu will determine how the Swicth is configured.</source>
        <translation>Die „Scan-Position“ ist die Stelle, an der eine Farbtube zum Bild hin ausgefahren ist und wartet. Mit dieser Farbe wird der Bereich des Bildes ausgemalt, wenn sie gewählt wird. Wie der Taster angeschlossen ist, bestimmt die Einstellung des Eingabegeräts im Hauptmenü.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="65"/>
        <source>Timed Scanning</source>
        <translation>Zeitgesteuertes Scanning</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="66"/>
        <source>Step Scanning - 1 Switch</source>
        <translation>Schritt-Scanning – 1 Taster</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="67"/>
        <source>Step Scanning - 2 Switches</source>
        <translation>Schritt-Scanning – 2 Taster</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="69"/>
        <source>No Scanning - Left mouse click on the desired paint tube to select that color.</source>
        <translation>Kein Scanning – mit linkem Mausklick auf die gewünschte Farbtube wird diese Farbe gewählt.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="73"/>
        <source>Timed Scanning seconds</source>
        <translation>Sekunden beim zeitgesteuerten Scanning</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="75"/>
        <source>Step Scanning - 1 Switch seconds</source>
        <translation>Sekunden beim Schritt-Scanning mit 1 Taster</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="90"/>
        <source>Set the slider bar to the number of seconds that the paint tube will wait in the &quot;Scan Position&quot; before the paint tube will move back in line and another paint tube will move to the &quot;Scan Position&quot;.  If the switch is pressed while the paint tube is in the &quot;Scan Position&quot;, the portion of the picture will be colored with the color of that paint tube.</source>
        <translation>Stellen Sie mit dem Schieberegler ein, wie viele Sekunden eine Farbtube in der „Scan-Position“ wartet, bevor sie in die Reihe zurückfährt und die nächste Farbtube in die „Scan-Position“ kommt. Wird der Taster gedrückt, während die Farbtube in der „Scan-Position“ ist, wird der Bereich des Bildes mit der Farbe dieser Tube ausgemalt.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="98"/>
        <source>Pressing the switch will cause the next paint tube in line to move into the &quot;Scan Position&quot;.  The number of seconds set in this option will determine the maximum seconds that the program will wait for a switch press in order to select another paint tube to go in the &quot;Scan Position&quot;.  If the switch was not pressed during this time, the program will assume that the paint tube in the &quot;Scan Position&quot; is the color that the user wants to paint that portion of the picture.</source>
        <translation>Ein Tasterdruck bringt die nächste Farbtube der Reihe in die „Scan-Position“. Die hier eingestellten Sekunden bestimmen, wie lange das Programm höchstens auf einen Tasterdruck wartet, mit dem eine andere Farbtube in die „Scan-Position“ geholt wird. Wird der Taster in dieser Zeit nicht gedrückt, nimmt das Programm an, dass mit der Farbe der Tube in der „Scan-Position“ ausgemalt werden soll.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="106"/>
        <source>The &lt;space&gt; key of left mouse click is used  to move a paint tube into the &quot;Scan Position&quot; and the &lt;Enter&gt; key (or any switch used to emulate the &lt;Enter&gt; key) is used to select that color for painting the portion of the picture.</source>
        <translation>Mit der &lt;Leertaste&gt; oder einem linken Mausklick kommt eine Farbtube in die „Scan-Position“, und mit der Taste &lt;Enter&gt; (oder einem Taster, der die Taste &lt;Enter&gt; nachbildet) wird diese Farbe zum Ausmalen des Bereichs gewählt.</translation>
    </message>
</context>
<context>
    <name>ScreenWidgets</name>
    <message>
        <location filename="../src/menu/screen_widgets.cpp" line="54"/>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
</context>
<context>
    <name>SectionScan</name>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="33"/>
        <source>The width &amp; height of a picture file must be 400 by 400 pixels.
The dimensions for %1  is %2 by %3.
Please check %1 for accuracy</source>
        <translation>Breite und Höhe einer Bilddatei müssen 400 × 400 Pixel betragen.
Die Größe von %1 ist %2 × %3.
Bitte prüfen Sie %1.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="41"/>
        <source>The number of sections to color must be between 1 and 25. 
The number of sections found in %1 to color is %2.
Please check %1 for accuracy</source>
        <translation>Die Zahl der auszumalenden Bereiche muss zwischen 1 und 25 liegen.
In %1 wurden %2 auszumalende Bereiche gefunden.
Bitte prüfen Sie %1.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="111"/>
        <source>The section file %1 could not be written: %2</source>
        <translation>Die Bereichsdatei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="126"/>
        <source>The section file %1 could not be opened: %2</source>
        <translation>Die Bereichsdatei %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="131"/>
        <location filename="../src/pictures/section_scan.cpp" line="136"/>
        <source>The section file %1 is far too large to be one.</source>
        <translation>Die Bereichsdatei %1 ist viel zu groß, um eine zu sein.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="150"/>
        <source>Line %1 of the section file %2 is not a number.</source>
        <translation>Zeile %1 der Bereichsdatei %2 ist keine Zahl.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="158"/>
        <source>The section file %1 holds no sections.</source>
        <translation>Die Bereichsdatei %1 enthält keine Bereiche.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="162"/>
        <source>The section file %1 has an odd number of lines (%2).</source>
        <translation>Die Bereichsdatei %1 hat eine ungerade Zeilenzahl (%2).</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="168"/>
        <source>The section file %1 holds %2 sections, more than %3.</source>
        <translation>Die Bereichsdatei %1 enthält %2 Bereiche, mehr als %3.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="181"/>
        <source>Section %1 of the section file %2 lies outside the picture (%3, %4).</source>
        <translation>Bereich %1 der Bereichsdatei %2 liegt außerhalb des Bildes (%3, %4).</translation>
    </message>
</context>
<context>
    <name>SerialBackend</name>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="63"/>
        <source>cannot set the RTS and DTR lines</source>
        <translation>die Leitungen RTS und DTR können nicht gesetzt werden</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="71"/>
        <source>cannot read the modem lines</source>
        <translation>die Modemleitungen können nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="96"/>
        <source>%1 was disconnected</source>
        <translation>%1 wurde getrennt</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="120"/>
        <source>%1: no permission. Add the user to the &quot;%2&quot; group and log in again.</source>
        <translation>%1: keine Berechtigung. Fügen Sie den Benutzer der Gruppe „%2“ hinzu und melden Sie sich neu an.</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="122"/>
        <source>%1: no permission (or the port is in use by another program).</source>
        <translation>%1: keine Berechtigung (oder der Anschluss wird von einem anderen Programm benutzt).</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="126"/>
        <source>%1 is not there any more (unplugged?).</source>
        <translation>%1 ist nicht mehr vorhanden (ausgesteckt?).</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="128"/>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>SessionDriver</name>
    <message>
        <location filename="../src/session/session_driver.cpp" line="38"/>
        <source>Picture List number %1 names %2 pictures; only the first %3 are used.</source>
        <translation>Bilderliste Nr. %1 nennt %2 Bilder; nur die ersten %3 werden verwendet.</translation>
    </message>
    <message>
        <location filename="../src/session/session_driver.cpp" line="53"/>
        <source>Picture List number %1 cannot be read: %2.
Please check the file, or choose another list on the Picture List screen.</source>
        <translation>Bilderliste Nr. %1 kann nicht gelesen werden: %2.
Bitte prüfen Sie die Datei oder wählen Sie auf dem Bildschirm „Bilderliste“ eine andere Liste.</translation>
    </message>
    <message>
        <location filename="../src/session/session_driver.cpp" line="64"/>
        <source>Picture List number %1 is empty</source>
        <translation>Bilderliste Nr. %1 ist leer</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="59"/>
        <source>input device</source>
        <translation>Eingabegerät</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="60"/>
        <location filename="../src/settings/settings_file.cpp" line="69"/>
        <location filename="../src/settings/settings_file.cpp" line="73"/>
        <location filename="../src/settings/settings_file.cpp" line="74"/>
        <location filename="../src/settings/settings_file.cpp" line="75"/>
        <source>reserved value</source>
        <translation>reservierter Wert</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="61"/>
        <source>sound option</source>
        <translation>Ton-Option</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="62"/>
        <source>press reminder seconds</source>
        <translation>Sekunden bis zur Druck-Erinnerung</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="63"/>
        <source>animation speed</source>
        <translation>Animationsgeschwindigkeit</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="65"/>
        <source>text folder</source>
        <translation>Textordner</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="67"/>
        <source>media folder</source>
        <translation>Medienordner</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="70"/>
        <source>timed scanning seconds</source>
        <translation>Sekunden beim zeitgesteuerten Scanning</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="71"/>
        <source>current picture</source>
        <translation>aktuelles Bild</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="72"/>
        <source>current song</source>
        <translation>aktuelles Lied</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="76"/>
        <source>feedback option</source>
        <translation>Rückmeldungs-Option</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="77"/>
        <source>switch wait mode</source>
        <translation>Taster-Wartemodus</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="78"/>
        <source>coloring style</source>
        <translation>Ausmal-Stil</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="79"/>
        <source>scanning type</source>
        <translation>Scanning-Art</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="80"/>
        <source>step scanning seconds</source>
        <translation>Sekunden beim Schritt-Scanning</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="81"/>
        <source>random colors</source>
        <translation>zufällige Farben</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="82"/>
        <source>number of random tubes</source>
        <translation>Anzahl zufälliger Tuben</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="83"/>
        <source>print option</source>
        <translation>Druck-Option</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="84"/>
        <source>pointer type</source>
        <translation>Zeigerart</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="86"/>
        <source>color choice</source>
        <translation>Farbauswahl</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="89"/>
        <source>active picture list</source>
        <translation>aktive Bilderliste</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="216"/>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="227"/>
        <source>The settings file %1 was not found; the standard settings are used.</source>
        <translation>Die Einstellungsdatei %1 wurde nicht gefunden; die Standardeinstellungen werden verwendet.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="229"/>
        <source>The settings file %1 could not be read (%2); the standard settings are used.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden (%2); die Standardeinstellungen werden verwendet.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="243"/>
        <source>%1 ends before line %2; the settings from there on have their standard values.</source>
        <translation>%1 endet vor Zeile %2; die Einstellungen ab dort haben ihre Standardwerte.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="255"/>
        <source>Line %1 of %2 (%3) is not a number; the %4 keeps its standard value.</source>
        <translation>Zeile %1 von %2 (%3) ist keine Zahl; für „%4“ gilt der Standardwert.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="261"/>
        <source>Line %1 of %2 holds %3, outside the %4 range %5 to %6; the speed will be calibrated again.</source>
        <translation>Zeile %1 von %2 enthält %3, außerhalb des Bereichs %5 bis %6 für „%4“; die Geschwindigkeit wird neu kalibriert.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="273"/>
        <source>Line %1 of %2 holds %3, which is not a valid %4 (%5 to %6); %7 is used.</source>
        <translation>Zeile %1 von %2 enthält %3, das ist kein gültiger Wert für „%4“ (%5 bis %6); %7 wird verwendet.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="284"/>
        <source>%1 ends before line %2; the descriptions of picture lists %3 to 15 are empty.</source>
        <translation>%1 endet vor Zeile %2; die Beschreibungen der Bilderlisten %3 bis 15 sind leer.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="307"/>
        <source>the file is read-only, the settings are locked</source>
        <translation>die Datei ist schreibgeschützt, die Einstellungen sind gesperrt</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="314"/>
        <source>Brushwell found a problem in its settings and used standard values where needed:

</source>
        <translation>Brushwell hat ein Problem in seinen Einstellungen gefunden und, wo nötig, Standardwerte verwendet:

</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="316"/>
        <source>- and %1 more.
</source>
        <translation>- und %1 weitere.
</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="317"/>
        <source>
Check the settings screens. The settings file is written again when you leave with &quot;Exit&quot;.</source>
        <translation>
Prüfen Sie die Einstellungsbildschirme. Die Einstellungsdatei wird neu geschrieben, wenn Sie mit „Beenden“ aufhören.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="390"/>
        <source>
Brushwell leaves %1 as it is and will not save over it. Make it readable again (or ask who set up this computer), then start Brushwell again.</source>
        <translation>
Brushwell lässt %1 unverändert und speichert nicht darüber. Machen Sie die Datei wieder lesbar (oder fragen Sie, wer diesen Computer eingerichtet hat) und starten Sie Brushwell dann neu.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="408"/>
        <source>The settings were not saved: the settings file %1 could not be read when Brushwell started, so it is left as it was.</source>
        <translation>Die Einstellungen wurden nicht gespeichert: Die Einstellungsdatei %1 konnte beim Start von Brushwell nicht gelesen werden und bleibt darum unverändert.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="412"/>
        <source>The settings are locked: the settings file %1 is read-only, so changes made since Brushwell started were not saved.</source>
        <translation>Die Einstellungen sind gesperrt: Die Einstellungsdatei %1 ist schreibgeschützt, darum wurden die Änderungen seit dem Start von Brushwell nicht gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="428"/>
        <source>The settings could not be saved to %1 (%2).
The file on disk was left as it was.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden (%2).
Die Datei auf dem Datenträger blieb unverändert.</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <location filename="../src/session/setup.cpp" line="48"/>
        <source>The image file %1 of the program folder cannot be shown: %2.
Colouring needs it, so the main menu is shown again.
Putting the program folder&apos;s files back in place mends this.</source>
        <translation>Die Bilddatei %1 des Programmordners kann nicht angezeigt werden: %2.
Zum Ausmalen wird sie gebraucht, darum erscheint wieder das Hauptmenü.
Wenn die Dateien des Programmordners wiederhergestellt werden, ist das behoben.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/session/setup.cpp" line="58"/>
        <source>The settings offer %n paint colour(s), but colouring needs at least 2.
Choose the colours on the Coloring Options screen and start again.</source>
        <translation>
            <numerusform>Die Einstellungen bieten %n Farbe an, zum Ausmalen sind aber mindestens 2 nötig.
Wählen Sie die Farben auf dem Bildschirm „Ausmal-Optionen“ und starten Sie erneut.</numerusform>
            <numerusform>Die Einstellungen bieten %n Farben an, zum Ausmalen sind aber mindestens 2 nötig.
Wählen Sie die Farben auf dem Bildschirm „Ausmal-Optionen“ und starten Sie erneut.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/session/setup.cpp" line="140"/>
        <source>The picture file %1
was not found.Click on the Picture List Button
to make sure the name was spelled correctly</source>
        <translation>Die Bilddatei %1
wurde nicht gefunden. Klicken Sie auf den Knopf „Bilderliste“,
um zu prüfen, ob der Name richtig geschrieben ist.</translation>
    </message>
</context>
<context>
    <name>SingleProgram</name>
    <message>
        <location filename="../src/app/single_program.cpp" line="138"/>
        <source>Brushwell is already running.</source>
        <translation>Brushwell läuft bereits.</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <location filename="../src/media/sound.cpp" line="157"/>
        <source>it is not a WAV file</source>
        <translation>es ist keine WAV-Datei</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="166"/>
        <source>it is damaged: its format chunk runs past the end of the file</source>
        <translation>sie ist beschädigt: ihr Format-Abschnitt reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="167"/>
        <source>it is damaged: its format chunk is too short</source>
        <translation>sie ist beschädigt: ihr Format-Abschnitt ist zu kurz</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="172"/>
        <source>it is damaged: it claims %1 channels, and 1 to %2 are usable</source>
        <translation>sie ist beschädigt: sie gibt %1 Kanäle an, verwendbar sind 1 bis %2</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="177"/>
        <source>it is damaged: it claims a sample rate of %1 Hz, and %2 to %3 Hz are usable</source>
        <translation>sie ist beschädigt: sie gibt eine Abtastrate von %1 Hz an, verwendbar sind %2 bis %3 Hz</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="183"/>
        <source>it is damaged: its sound data comes before its format</source>
        <translation>sie ist beschädigt: ihre Tondaten stehen vor dem Format</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="190"/>
        <source>it is damaged: it holds no sound data</source>
        <translation>sie ist beschädigt: sie enthält keine Tondaten</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="191"/>
        <source>it is damaged: it has no format chunk</source>
        <translation>sie ist beschädigt: ihr fehlt der Format-Abschnitt</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="204"/>
        <location filename="../src/media/sound.cpp" line="210"/>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="229"/>
        <source>it is not a usable WAV file: it lasts more than %1 minutes</source>
        <translation>sie ist keine verwendbare WAV-Datei: sie dauert länger als %1 Minuten</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="287"/>
        <source>The sound file %1 could not be played (%2).
Brushwell goes on without it.</source>
        <translation>Die Tondatei %1 konnte nicht abgespielt werden (%2).
Brushwell macht ohne sie weiter.</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="378"/>
        <source>Could&apos;t find song %1
The program is going to terminate</source>
        <translation>Das Lied %1 wurde nicht gefunden.
Das Programm wird beendet.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../src/app/startup.cpp" line="28"/>
        <source>Your screen settings are set to %1 colors.</source>
        <translation>Ihr Bildschirm ist auf %1 Farben eingestellt.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="29"/>
        <source>See the Brushwell User&apos;s Guide on how to change your screen color settings</source>
        <translation>Wie Sie die Farbeinstellungen des Bildschirms ändern, steht im Brushwell-Benutzerhandbuch.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="32"/>
        <source>Brushwell requires that your screen setting colors are set to at least 65,536 colors.</source>
        <translation>Brushwell braucht eine Bildschirmeinstellung mit mindestens 65.536 Farben.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="38"/>
        <source>Though Brushwell will run with these settings,
it is recommended that you set your colors to True Color (32 Bit)</source>
        <translation>Brushwell läuft zwar mit diesen Einstellungen,
es wird aber empfohlen, die Farben auf True Color (32 Bit) einzustellen.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="72"/>
        <source>The user who coloured last, &quot;%1&quot;, is no longer in %2.
Brushwell starts with no user chosen; the carer can choose one with &quot;User&quot; on the main menu.</source>
        <translation>Der Nutzer, der zuletzt gemalt hat, „%1“, ist nicht mehr in %2.
Brushwell startet ohne gewählten Nutzer; mit „Nutzer“ im Hauptmenü kann die Betreuungsperson einen wählen.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="86"/>
        <source>There is no user called &quot;%1&quot; in %2.
Brushwell starts with no user chosen; the carer can choose one with &quot;User&quot; on the main menu.</source>
        <translation>In %2 gibt es keinen Nutzer namens „%1“.
Brushwell startet ohne gewählten Nutzer; mit „Nutzer“ im Hauptmenü kann die Betreuungsperson einen wählen.</translation>
    </message>
</context>
<context>
    <name>StatisticsScreen</name>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="19"/>
        <source>%1 minute(s) and %2 second(s)</source>
        <translation>%1 Minute(n) und %2 Sekunde(n)</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="24"/>
        <source>Timed Scanning</source>
        <translation>Zeitgesteuertes Scanning</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="25"/>
        <source>Step Scanning - 1 switch</source>
        <translation>Schritt-Scanning – 1 Taster</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="26"/>
        <source>Step Scanning - 2 switches</source>
        <translation>Schritt-Scanning – 2 Taster</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="27"/>
        <source>No Scanning - Mouse click selects</source>
        <translation>Kein Scanning – Mausklick wählt</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="32"/>
        <source>Session Statistics</source>
        <translation>Sitzungsstatistik</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="50"/>
        <source>Picture List Used:</source>
        <translation>Verwendete Bilderliste:</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="51"/>
        <source>Time Elapsed:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="52"/>
        <source>Number of Pictures Completed: </source>
        <translation>Fertige Bilder: </translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="53"/>
        <source>Number of Segments Colored:</source>
        <translation>Ausgemalte Bereiche:</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="54"/>
        <source>Scanning Type:</source>
        <translation>Scanning-Art:</translation>
    </message>
</context>
<context>
    <name>SwitchAdapter</name>
    <message>
        <location filename="../src/input/switch_adapter.cpp" line="28"/>
        <source>Adapter in Joystick (Game) Port</source>
        <translation>Adapter am Joystick-(Game-)Port</translation>
    </message>
    <message>
        <location filename="../src/input/switch_adapter.cpp" line="29"/>
        <source>Adapter in COM %1</source>
        <translation>Adapter an COM %1</translation>
    </message>
    <message>
        <location filename="../src/input/switch_adapter.cpp" line="76"/>
        <source>The switch on &quot;%1&quot; cannot be read:
%2
Until this is put right the switch reads as not pressed.</source>
        <translation>Der Taster an „%1“ kann nicht gelesen werden:
%2
Bis das behoben ist, gilt der Taster als nicht gedrückt.</translation>
    </message>
</context>
<context>
    <name>SwitchInputs</name>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="107"/>
        <source>%1: &quot;%2&quot; names no key Brushwell knows; it is not used.</source>
        <translation>%1: &quot;%2&quot; bezeichnet keine Taste, die Brushwell kennt; es wird nicht verwendet.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="109"/>
        <source>%1: &quot;%2&quot; is a modifier key, which cannot be a switch; it is not used.</source>
        <translation>%1: &quot;%2&quot; ist eine Umschalttaste (wie Strg oder Alt), die kein Taster sein kann; es wird nicht verwendet.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="111"/>
        <source>%1: &quot;%2&quot; is a key that already has its own meaning; it is not used.</source>
        <translation>%1: &quot;%2&quot; ist eine Taste, die schon eine eigene Bedeutung hat; es wird nicht verwendet.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="117"/>
        <source>%1: &quot;%2&quot; names no mouse button (Left, Right, Middle, Back or Forward); it is not used.</source>
        <translation>%1: &quot;%2&quot; bezeichnet keine Maustaste (Left, Right, Middle, Back oder Forward); es wird nicht verwendet.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="119"/>
        <source>%1: &quot;%2&quot; is the left mouse button, which is already switch 1; it is not used.</source>
        <translation>%1: &quot;%2&quot; ist die linke Maustaste, die schon Taster 1 ist; es wird nicht verwendet.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="126"/>
        <source>%1: &quot;%2&quot; needs a joystick 1 to 16 and a button 1 to 32; it is not used.</source>
        <translation>%1: &quot;%2&quot; braucht einen Joystick 1 bis 16 und einen Knopf 1 bis 32; es wird nicht verwendet.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="128"/>
        <source>%1: &quot;%2&quot; is not of the form Key:&lt;name&gt;, Mouse:&lt;button&gt; or Joystick:&lt;joystick&gt;:&lt;button&gt;; it is not used.</source>
        <translation>%1: &quot;%2&quot; hat nicht die Form Key:&lt;Name&gt;, Mouse:&lt;Knopf&gt; oder Joystick:&lt;Joystick&gt;:&lt;Knopf&gt;; es wird nicht verwendet.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="162"/>
        <source>the %1 key</source>
        <translation>die Taste %1</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="164"/>
        <source>the %1 mouse button</source>
        <translation>die Maustaste %1</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="166"/>
        <source>button %1 of joystick %2</source>
        <translation>Knopf %1 von Joystick %2</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="181"/>
        <source>Switch2: &quot;%1&quot; is switch 1 already; it is not used.</source>
        <translation>Switch2: &quot;%1&quot; ist schon Taster 1; es wird nicht verwendet.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="190"/>
        <source>Switch%1: %2 is not connected; it is read once it is plugged in.</source>
        <translation>Switch%1: %2 ist nicht angeschlossen; er wird gelesen, sobald er eingesteckt ist.</translation>
    </message>
</context>
<context>
    <name>SwitchTimingScreen</name>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="19"/>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="25"/>
        <location filename="../src/menu/switch_timing_screen.cpp" line="37"/>
        <source>Switch Timing</source>
        <translation>Taster-Zeiten</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="32"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="43"/>
        <source>These times apply to every switch, key and mouse button. Every option at its left end leaves Brushwell as it always was. Try a setting on the &quot;Test Switches&quot; screen.</source>
        <translation>Diese Zeiten gelten für jeden Taster, jede Taste und jede Maustaste. Steht eine Option ganz links, verhält sich Brushwell wie immer. Probieren Sie eine Einstellung auf dem Bildschirm „Taster testen“ aus.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="97"/>
        <source>Hold before a press counts</source>
        <translation>Haltezeit, bis ein Druck zählt</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="98"/>
        <source>The switch must be held this long before a press counts; a shorter touch counts for nothing. Helps users with tremor or spasms who hit the switch by accident.</source>
        <translation>So lange muss der Taster gehalten werden, bis ein Druck zählt; eine kürzere Berührung zählt nicht. Hilft Nutzern mit Tremor oder Spasmen, die den Taster versehentlich treffen.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="101"/>
        <source>Off: a press counts at once</source>
        <translation>Aus: ein Druck zählt sofort</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="102"/>
        <source>Ignore after a press</source>
        <translation>Sperrzeit nach einem Druck</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="103"/>
        <source>After a press that counted, anything within this time of letting go is ignored. Helps with switches that bounce and users who hit twice.</source>
        <translation>Nach einem gezählten Druck wird alles innerhalb dieser Zeit nach dem Loslassen ignoriert. Hilft bei prellenden Tastern und bei Nutzern, die doppelt drücken.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="105"/>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="106"/>
        <source>First tube waits longer</source>
        <translation>Erste Tube wartet länger</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="107"/>
        <source>In timed scanning and step scanning with one switch, the first paint tube offered for each part of the picture waits this many times longer. Gives time to get ready after each painting.</source>
        <translation>Beim zeitgesteuerten Scanning und beim Schritt-Scanning mit einem Taster wartet die erste Farbtube, die für einen Bereich des Bildes angeboten wird, um diesen Faktor länger. Gibt nach jedem Ausmalen Zeit, sich bereit zu machen.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="111"/>
        <source>Off: 1.0 times</source>
        <translation>Aus: 1,0-mal</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="112"/>
        <source>%1 times as long</source>
        <translation>%1-mal so lange</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="114"/>
        <source>Rest after scan cycles</source>
        <translation>Pause nach Scan-Durchläufen</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="115"/>
        <source>In timed scanning, after this many rounds of all the tubes without a choice the tubes rest until the next press. Keeps the program quiet when the user has stopped or needs help.</source>
        <translation>Beim zeitgesteuerten Scanning ruhen die Tuben nach so vielen Runden durch alle Tuben ohne Auswahl bis zum nächsten Druck. So bleibt das Programm ruhig, wenn der Nutzer aufgehört hat oder Hilfe braucht.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="119"/>
        <source>Off: scanning never rests</source>
        <translation>Aus: Scanning ruht nie</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/switch_timing_screen.cpp" line="120"/>
        <source>after %n round(s)</source>
        <translation>
            <numerusform>nach %n Runde</numerusform>
            <numerusform>nach %n Runden</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="122"/>
        <source>Choose by resting the pointer</source>
        <translation>Auswahl durch Verweilen</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="123"/>
        <source>In No Scanning, resting the mouse pointer on a paint tube this long chooses it, as a click does; a ring on the tube fills meanwhile. For eye-gaze and head pointers.</source>
        <translation>Bei „Kein Scanning“ wählt der Mauszeiger eine Farbtube wie ein Klick, wenn er so lange auf ihr verweilt; währenddessen füllt sich ein Ring auf der Tube. Für Augen- und Kopfsteuerung.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="126"/>
        <source>Off: a click chooses</source>
        <translation>Aus: ein Klick wählt</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="127"/>
        <source>Pointer size</source>
        <translation>Zeigergröße</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="128"/>
        <source>The pointer that shows which part of the picture is coloured next, drawn this many times larger. For users with low vision.</source>
        <translation>Der Zeiger, der den als Nächstes auszumalenden Bereich zeigt, wird um diesen Faktor größer gezeichnet. Für Nutzer mit Sehbehinderung.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="131"/>
        <source>Standard size</source>
        <translation>Normale Größe</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="131"/>
        <source>%1 times larger</source>
        <translation>%1-mal größer</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="153"/>
        <source>User chooses the &amp;next picture</source>
        <translation>Nutzer wählt das &amp;nächste Bild</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="154"/>
        <source>Between pictures, the next ones are offered with the scanning in use. For users learning to make choices.</source>
        <translation>Zwischen den Bildern werden die nächsten mit dem eingestellten Scanning angeboten. Für Nutzer, die das Auswählen lernen.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="156"/>
        <source>User chooses the &amp;part to colour</source>
        <translation>Nutzer wählt den &amp;Bereich zum Ausmalen</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="157"/>
        <source>Before each colour, the parts not coloured yet are offered with the pointer. For users who choose reliably.</source>
        <translation>Vor jeder Farbe werden die noch nicht ausgemalten Bereiche mit dem Zeiger angeboten. Für Nutzer, die sicher auswählen.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="159"/>
        <source>Show the &amp;hold</source>
        <translation>&amp;Halten anzeigen</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="160"/>
        <source>With a hold time, a ring on the tube fills while the switch is held. Shows the user how long to hold.</source>
        <translation>Mit einer Haltezeit füllt sich ein Ring auf der Tube, solange der Taster gehalten wird. Zeigt dem Nutzer, wie lange er halten muss.</translation>
    </message>
</context>
<context>
    <name>TestSwitchesScreen</name>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="35"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="48"/>
        <source>Test Switches</source>
        <translation>Taster testen</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="42"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="43"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="59"/>
        <source>Press the switches. A lamp lights while its switch is held and flashes yellow when a press counts with the timing now set. Mouse buttons count on the lamps. Escape or Alt+B goes back.</source>
        <translation>Drücken Sie die Taster. Eine Lampe leuchtet, solange ihr Taster gehalten wird, und blinkt gelb, wenn ein Druck mit den eingestellten Zeiten zählt. Maustasten zählen auf den Lampen. Escape oder Alt+Z führt zurück.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="65"/>
        <source>Switch lamps</source>
        <translation>Taster-Lampen</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="69"/>
        <source>Switch %1</source>
        <translation>Taster %1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="74"/>
        <source>Switch %1 hold</source>
        <translation>Halten von Taster %1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="82"/>
        <source>&amp;Learn Switch %1</source>
        <translation>Taster %1 &amp;anlernen</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="83"/>
        <source>L&amp;earn Switch 2</source>
        <translation>Taster 2 a&amp;nlernen</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="84"/>
        <source>Learn Switch %1</source>
        <translation>Taster %1 anlernen</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="88"/>
        <source>Forget Learnt Inputs of Switch &amp;%1</source>
        <translation>Angelernte Eingaben von Taster &amp;%1 vergessen</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="89"/>
        <source>Forget Learnt Inputs of Switch %1</source>
        <translation>Angelernte Eingaben von Taster %1 vergessen</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="123"/>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="126"/>
        <source>Reading: %1. The device is chosen on &quot;Keyboard / Switch Information&quot;.</source>
        <translation>Gelesen wird: %1. Das Gerät wählen Sie unter „Tastatur / Taster“.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="148"/>
        <source>Press the key, the mouse button (on a lamp) or the joystick button that is to be switch %1. Escape cancels.</source>
        <translation>Drücken Sie die Taste, die Maustaste (auf einer Lampe) oder den Joystick-Knopf, der Taster %1 sein soll. Escape bricht ab.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="159"/>
        <source>Switch %1 has only its standard keys now.</source>
        <translation>Taster %1 hat jetzt nur noch seine Standardtasten.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="180"/>
        <source>Not taken: %1 %2</source>
        <translation>Nicht übernommen: %1 %2</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="199"/>
        <source>Switch %1 is now also %2.</source>
        <translation>Taster %1 ist jetzt auch %2.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="206"/>
        <source>Space bar, 0 key</source>
        <translation>Leertaste, Taste 0</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="206"/>
        <source>Enter key, 1 key</source>
        <translation>Enter-Taste, Taste 1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="209"/>
        <source>mouse clicks</source>
        <translation>Mausklicks</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="211"/>
        <source>the switch adapter</source>
        <translation>der Taster-Adapter</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="244"/>
        <source>held</source>
        <translation>gehalten</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="245"/>
        <source>released</source>
        <translation>losgelassen</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="253"/>
        <source>Switch %1: %2 counted, %3 ignored, last hold %4</source>
        <translation>Taster %1: %2 gezählt, %3 ignoriert, zuletzt gehalten %4</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="257"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="279"/>
        <source>Learning cancelled.</source>
        <translation>Anlernen abgebrochen.</translation>
    </message>
</context>
<context>
    <name>Users</name>
    <message>
        <location filename="../src/users/user_store.cpp" line="54"/>
        <source>the user&apos;s file could not be prepared</source>
        <translation>die Datei des Nutzers konnte nicht vorbereitet werden</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="106"/>
        <source>The folder %1 holds no user&apos;s name (%2 is missing or damaged); it is left as it is.</source>
        <translation>Der Ordner %1 enthält keinen Nutzernamen (%2 fehlt oder ist beschädigt); er bleibt unverändert.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="124"/>
        <source>Please type the user&apos;s name first.</source>
        <translation>Bitte geben Sie zuerst den Namen des Nutzers ein.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="126"/>
        <source>The name is too long: a name may have at most %1 characters.</source>
        <translation>Der Name ist zu lang: Ein Name darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="129"/>
        <source>There is already a user called &quot;%1&quot;. Please give this user another name.</source>
        <translation>Es gibt schon einen Nutzer namens „%1“. Bitte geben Sie diesem Nutzer einen anderen Namen.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="140"/>
        <source>The folder %1 is already there; Brushwell leaves it as it is and makes no user.</source>
        <translation>Der Ordner %1 existiert schon; Brushwell lässt ihn unverändert und legt keinen Nutzer an.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="141"/>
        <location filename="../src/users/user_store.cpp" line="146"/>
        <location filename="../src/users/user_store.cpp" line="162"/>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="153"/>
        <source>%1 could not be copied for the new user (%2).</source>
        <translation>%1 konnte für den neuen Nutzer nicht kopiert werden (%2).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="159"/>
        <source>%1 could not be written (%2).</source>
        <translation>%1 konnte nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="165"/>
        <source>No user was made.</source>
        <translation>Es wurde kein Nutzer angelegt.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="175"/>
        <source>The folder %1 is not one of the users&apos; folders any more; nothing was renamed.</source>
        <translation>Der Ordner %1 ist kein Nutzerordner mehr; es wurde nichts umbenannt.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="181"/>
        <source>The folder %1 is already there; the user keeps the name &quot;%2&quot;.</source>
        <translation>Der Ordner %1 existiert schon; der Nutzer behält den Namen „%2“.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="184"/>
        <source>The folder %1 could not be renamed; the user keeps the name &quot;%2&quot;.</source>
        <translation>Der Ordner %1 konnte nicht umbenannt werden; der Nutzer behält den Namen „%2“.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="189"/>
        <source>The new name could not be written (%1); the user keeps the name &quot;%2&quot;.</source>
        <translation>Der neue Name konnte nicht geschrieben werden (%1); der Nutzer behält den Namen „%2“.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="197"/>
        <source>The folder %1 is not one of the users&apos; folders any more; nothing was removed.</source>
        <translation>Der Ordner %1 ist kein Nutzerordner mehr; es wurde nichts entfernt.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="202"/>
        <source>The folder %1 could not be removed; nothing was removed.</source>
        <translation>Der Ordner %1 konnte nicht entfernt werden; es wurde nichts entfernt.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="204"/>
        <source>Some files of the removed user could not be deleted; they are in %1.</source>
        <translation>Einige Dateien des entfernten Nutzers konnten nicht gelöscht werden; sie liegen in %1.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="213"/>
        <source>The picture %1 is too large (%2 x %3 pixels).</source>
        <translation>Das Bild %1 ist zu groß (%2 × %3 Pixel).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="215"/>
        <source>%1 could not be read as a picture (%2).</source>
        <translation>%1 konnte nicht als Bild gelesen werden (%2).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="220"/>
        <source>The picture could not be prepared.</source>
        <translation>Das Bild konnte nicht vorbereitet werden.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="224"/>
        <source>The picture could not be saved in %1 (%2).</source>
        <translation>Das Bild konnte nicht in %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <location filename="../src/users/active_user.cpp" line="43"/>
        <source>Brushwell could not note in %1 who is colouring (%2).
The next start may begin with the user noted before: check &quot;User&quot; on the main menu then.</source>
        <translation>Brushwell konnte in %1 nicht vermerken, wer gerade malt (%2).
Der nächste Start kann mit dem zuvor vermerkten Nutzer beginnen: prüfen Sie dann „Nutzer“ im Hauptmenü.</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <location filename="../src/pictures/validation.cpp" line="40"/>
        <source>The picture file %1 cannot be shown:
%2.
Please check %1, or take it out of the picture list.</source>
        <translation>Die Bilddatei %1 kann nicht angezeigt werden:
%2.
Bitte prüfen Sie %1 oder nehmen Sie es aus der Bilderliste.</translation>
    </message>
    <message>
        <location filename="../src/pictures/validation.cpp" line="71"/>
        <source>The sections of %1 could not be saved in %2 (%3).
The picture can be coloured, but it will be checked again each time it is shown.</source>
        <translation>Die Bereiche von %1 konnten nicht in %2 gespeichert werden (%3).
Das Bild kann ausgemalt werden, wird aber bei jedem Anzeigen neu geprüft.</translation>
    </message>
    <message>
        <location filename="../src/pictures/validation.cpp" line="95"/>
        <source>Can&apos;t open the file</source>
        <translation>Die Datei kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>WorkshopWindow</name>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="21"/>
        <source>Brushwell Picture Workshop</source>
        <translation>Brushwell-Bilderwerkstatt</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="23"/>
        <source>Workshop pages</source>
        <translation>Seiten der Werkstatt</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="31"/>
        <source>&amp;New Picture</source>
        <translation>&amp;Neues Bild</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="32"/>
        <source>&amp;Picture Lists</source>
        <translation>Bilder&amp;listen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="34"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="35"/>
        <source>Pictures and lists are saved in %1</source>
        <translation>Bilder und Listen werden in %1 gespeichert</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="46"/>
        <location filename="../tools/workshop/workshop_window.cpp" line="47"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="48"/>
        <source>Close the workshop (Ctrl+Q)</source>
        <translation>Werkstatt schließen (Strg+Q)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="69"/>
        <source>The new picture is not saved. Close the workshop anyway?</source>
        <translation>Das neue Bild ist nicht gespeichert. Werkstatt trotzdem schließen?</translation>
    </message>
</context>
<context>
    <name>camera::CameraSwitch</name>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="150"/>
        <source>The camera &quot;%1&quot; was disconnected. The other switches work as before; the camera is used again as soon as it is connected.</source>
        <translation>Die Kamera „%1“ wurde getrennt. Die anderen Taster funktionieren wie bisher; die Kamera wird wieder verwendet, sobald sie angeschlossen ist.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="180"/>
        <source>The camera is off.</source>
        <translation>Die Kamera ist aus.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="218"/>
        <source>The video file &quot;%1&quot; (Source in brushwell.ini) does not exist. The other switches work as before.</source>
        <translation>Die Videodatei „%1“ (Source in brushwell.ini) existiert nicht. Die anderen Taster funktionieren wie bisher.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="228"/>
        <source>The video file &quot;%1&quot; cannot be played (%2). The other switches work as before.</source>
        <translation>Die Videodatei „%1“ kann nicht abgespielt werden (%2). Die anderen Taster funktionieren wie bisher.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="232"/>
        <source>The video file &quot;%1&quot; has ended.</source>
        <translation>Die Videodatei „%1“ ist zu Ende.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="234"/>
        <source>Opening the video file &quot;%1&quot;…</source>
        <translation>Die Videodatei „%1“ wird geöffnet …</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="246"/>
        <source>The chosen camera (%1) is not connected. The other switches work as before; the camera is used as soon as it is connected.</source>
        <translation>Die gewählte Kamera (%1) ist nicht angeschlossen. Die anderen Taster funktionieren wie bisher; die Kamera wird verwendet, sobald sie angeschlossen ist.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="253"/>
        <source>No camera is connected. The other switches work as before; a camera is used as soon as one is connected.</source>
        <translation>Es ist keine Kamera angeschlossen. Die anderen Taster funktionieren wie bisher; eine Kamera wird verwendet, sobald eine angeschlossen ist.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="265"/>
        <source>The camera &quot;%1&quot; cannot be used (%2). Another program may be using it. The other switches work as before; Brushwell tries again every few seconds.</source>
        <translation>Die Kamera „%1“ kann nicht verwendet werden (%2). Vielleicht benutzt ein anderes Programm sie. Die anderen Taster funktionieren wie bisher; Brushwell versucht es alle paar Sekunden erneut.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="269"/>
        <source>Opening the camera &quot;%1&quot;…</source>
        <translation>Die Kamera „%1“ wird geöffnet …</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="303"/>
        <source>The camera &quot;%1&quot; sends no pictures. The other switches work as before; the camera is used again as soon as it sends pictures.</source>
        <translation>Die Kamera „%1“ sendet keine Bilder. Die anderen Taster funktionieren wie bisher; die Kamera wird wieder verwendet, sobald sie Bilder sendet.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="348"/>
        <source>Using the video file &quot;%1&quot; instead of a camera.</source>
        <translation>Statt einer Kamera wird die Videodatei „%1“ verwendet.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="349"/>
        <source>Using the camera &quot;%1&quot;.</source>
        <translation>Die Kamera „%1“ wird verwendet.</translation>
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
        <translation>Fortschritt</translation>
    </message>
    <message>
        <location filename="../src/menu/banner_users.cpp" line="15"/>
        <source>User</source>
        <translation>Nutzer</translation>
    </message>
    <message>
        <location filename="../src/menu/banner_users.cpp" line="35"/>
        <source>No user chosen</source>
        <translation>Kein Nutzer gewählt</translation>
    </message>
    <message>
        <location filename="../src/menu/banner_users.cpp" line="35"/>
        <source>Colouring now: %1</source>
        <translation>Malt gerade: %1</translation>
    </message>
</context>
<context>
    <name>menu::CameraPreview</name>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="52"/>
        <source>Camera picture</source>
        <translation>Kamerabild</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="53"/>
        <source>Arrow keys move the rectangle, Shift and the arrow keys change its size, 1 and 2 choose the switch, Delete removes the rectangle.</source>
        <translation>Die Pfeiltasten verschieben das Rechteck, Umschalt mit den Pfeiltasten ändert seine Größe, 1 und 2 wählen den Taster, Entf entfernt das Rechteck.</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="109"/>
        <source>No picture</source>
        <translation>Kein Bild</translation>
    </message>
</context>
<context>
    <name>menu::CameraScreen</name>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="232"/>
        <location filename="../src/menu/camera_screen.cpp" line="245"/>
        <source>Camera Switch</source>
        <translation>Kamera als Taster</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="239"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="240"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="251"/>
        <source>Draw a rectangle on the picture around the movement that is to press each switch (a head turn, a hand lift). Movement inside it presses the switch; a change of the whole picture&apos;s brightness does not.</source>
        <translation>Zeichnen Sie für jeden Taster ein Rechteck auf das Bild, um die Bewegung, die ihn drücken soll (eine Kopfdrehung, ein Anheben der Hand). Bewegung darin drückt den Taster; eine Änderung der Helligkeit des ganzen Bildes nicht.</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="257"/>
        <source>&amp;Use the camera as switches</source>
        <translation>Kamera als Taster &amp;verwenden</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="260"/>
        <source>C&amp;amera:</source>
        <translation>&amp;Kamera:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="262"/>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="283"/>
        <source>Rectangle of:</source>
        <translation>Rechteck für:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="285"/>
        <location filename="../src/menu/camera_screen.cpp" line="288"/>
        <source>Switch %1</source>
        <translation>Taster %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="290"/>
        <source>Remove Rectangle %1</source>
        <translation>Rechteck %1 entfernen</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="292"/>
        <source>Sensitivity:</source>
        <translation>Empfindlichkeit:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="296"/>
        <source>Sensitivity of switch %1</source>
        <translation>Empfindlichkeit von Taster %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="300"/>
        <source>Movement:</source>
        <translation>Bewegung:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="302"/>
        <source>Movement at switch %1</source>
        <translation>Bewegung bei Taster %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="305"/>
        <source>Switch &amp;%1</source>
        <translation>Taster &amp;%1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="306"/>
        <source>Rectangle of switch %1</source>
        <translation>Rechteck von Taster %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="411"/>
        <source>Video file %1 (Source in brushwell.ini)</source>
        <translation>Videodatei %1 (Source in brushwell.ini)</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="416"/>
        <source>The standard camera</source>
        <translation>Die Standardkamera</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="420"/>
        <source>%1 (not connected)</source>
        <translation>%1 (nicht angeschlossen)</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="446"/>
        <source>held</source>
        <translation>gehalten</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="446"/>
        <source>released</source>
        <translation>losgelassen</translation>
    </message>
</context>
<context>
    <name>menu::GalleryModel</name>
    <message>
        <location filename="../src/menu/gallery_model.cpp" line="73"/>
        <source>Without a user</source>
        <translation>Ohne Nutzer</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_model.cpp" line="103"/>
        <source>%1
%2
%3 (unfinished)</source>
        <translation>%1
%2
%3 (nicht fertig)</translation>
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
        <translation>%1, %2, nicht fertig</translation>
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
        <translation>%1, ausgemalt von %2 am %3</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="44"/>
        <source>Less than a minute</source>
        <translation>Weniger als eine Minute</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="44"/>
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="45"/>
        <source>%1; %2 of %n section(s) coloured</source>
        <translation>
            <numerusform>%1; %2 von %n Bereich ausgemalt</numerusform>
            <numerusform>%1; %2 von %n Bereichen ausgemalt</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="46"/>
        <source>Unfinished: Start goes on with it when Resume is set.</source>
        <translation>Nicht fertig: „Start“ macht damit weiter, wenn Resume eingeschaltet ist.</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="51"/>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>Nutzer:</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="68"/>
        <source>User</source>
        <translation>Nutzer</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="71"/>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="73"/>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="76"/>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="78"/>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="89"/>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="104"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="105"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="106"/>
        <source>Booklet (PDF)</source>
        <translation>Heft (PDF)</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="107"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="132"/>
        <source>Everyone</source>
        <translation>Alle</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="156"/>
        <source>%n picture(s)</source>
        <translation>
            <numerusform>%n Bild</numerusform>
            <numerusform>%n Bilder</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="171"/>
        <source>Choose a picture in the list first.</source>
        <translation>Wählen Sie zuerst ein Bild in der Liste.</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="193"/>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="201"/>
        <location filename="../src/menu/gallery_screen.cpp" line="204"/>
        <source>%n picture(s) sent to the printer.</source>
        <translation>
            <numerusform>%n Bild an den Drucker gesendet.</numerusform>
            <numerusform>%n Bilder an den Drucker gesendet.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="213"/>
        <source>booklet</source>
        <translation>Heft</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="215"/>
        <source>Save the booklet</source>
        <translation>Heft speichern</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="215"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="225"/>
        <source>The booklet could not be saved as %1: %2.</source>
        <translation>Das Heft konnte nicht als %1 gespeichert werden: %2.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="229"/>
        <source>The booklet of %n picture(s) was saved as %1.</source>
        <translation>
            <numerusform>Das Heft mit %n Bild wurde als %1 gespeichert.</numerusform>
            <numerusform>Das Heft mit %n Bildern wurde als %1 gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="231"/>
        <source>These pictures could not be read and were left out:
%1</source>
        <translation>Diese Bilder konnten nicht gelesen werden und wurden weggelassen:
%1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="239"/>
        <source>Delete %n picture(s) from the gallery? They cannot be brought back.</source>
        <translation>
            <numerusform>%n Bild aus der Galerie löschen? Es lässt sich nicht zurückholen.</numerusform>
            <numerusform>%n Bilder aus der Galerie löschen? Sie lassen sich nicht zurückholen.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="245"/>
        <source>These pictures could not be deleted (is the folder read-only?):
%1</source>
        <translation>Diese Bilder konnten nicht gelöscht werden (ist der Ordner schreibgeschützt?):
%1</translation>
    </message>
</context>
<context>
    <name>menu::LevelBar</name>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="205"/>
        <source>movement %1 %, level %2 %</source>
        <translation>Bewegung %1 %, Schwelle %2 %</translation>
    </message>
</context>
<context>
    <name>menu::ProgressScreen</name>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="47"/>
        <source>Progress report</source>
        <translation>Fortschrittsbericht</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="50"/>
        <source>the PDF file could not be started</source>
        <translation>die PDF-Datei konnte nicht angelegt werden</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="75"/>
        <source>Brushwell progress report</source>
        <translation>Brushwell-Fortschrittsbericht</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="77"/>
        <source>User: %1</source>
        <translation>Nutzer: %1</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="78"/>
        <source>Dates: %1</source>
        <translation>Zeitraum: %1</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="79"/>
        <source>Per: %1</source>
        <translation>Pro: %1</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="81"/>
        <source>Made on %1</source>
        <translation>Erstellt am %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/progress_report.cpp" line="129"/>
        <source>Only the latest %n period(s) fit on this page; the CSV export holds every picture.</source>
        <translation>
            <numerusform>Nur der letzte Zeitraum passt auf diese Seite; der CSV-Export enthält jedes Bild.</numerusform>
            <numerusform>Nur die letzten %n Zeiträume passen auf diese Seite; der CSV-Export enthält jedes Bild.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="138"/>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="138"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="142"/>
        <location filename="../src/menu/progress_report.cpp" line="156"/>
        <source>The file %1 could not be saved: %2.</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="144"/>
        <source>The progress records were saved as %1.</source>
        <translation>Die Fortschrittsdaten wurden als %1 gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="152"/>
        <source>PDF Report</source>
        <translation>PDF-Bericht</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="152"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="158"/>
        <source>The report was saved as %1.</source>
        <translation>Der Bericht wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="69"/>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="86"/>
        <source>&amp;User:</source>
        <translation>&amp;Nutzer:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="94"/>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="95"/>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="97"/>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="98"/>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="99"/>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="102"/>
        <source>&amp;Per:</source>
        <translation>&amp;Pro:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="107"/>
        <source>Pictures finished</source>
        <translation>Fertige Bilder</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="108"/>
        <source>Median time to choose (seconds)</source>
        <translation>Wahlzeit, Median (Sekunden)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="109"/>
        <source>Presses counted (%)</source>
        <translation>Gezählte Drücke (%)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="116"/>
        <source>Progress table</source>
        <translation>Fortschrittstabelle</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="118"/>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="118"/>
        <source>Pictures started</source>
        <translation>Begonnene Bilder</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="118"/>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="119"/>
        <source>Time to choose</source>
        <translation>Wahlzeit</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="119"/>
        <source>Presses counted</source>
        <translation>Gezählte Drücke</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="120"/>
        <source>Presses ignored</source>
        <translation>Ignorierte Drücke</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="120"/>
        <source>Sections cleared</source>
        <translation>Gelöschte Bereiche</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="137"/>
        <source>&amp;Export CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="138"/>
        <source>PDF &amp;Report...</source>
        <translation>PDF-Be&amp;richt...</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="165"/>
        <source>Without a user (the program&apos;s folder)</source>
        <translation>Ohne Nutzer (der Programmordner)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="190"/>
        <source>The progress file %1 cannot be read: %2.</source>
        <translation>Die Fortschrittsdatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="215"/>
        <source>No pictures have been recorded for this user yet.</source>
        <translation>Für diesen Nutzer wurden noch keine Bilder aufgezeichnet.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/progress_screen.cpp" line="216"/>
        <source>%n picture(s) started in this range, %1 finished.</source>
        <translation>
            <numerusform>%n Bild in diesem Zeitraum begonnen, %1 fertig.</numerusform>
            <numerusform>%n Bilder in diesem Zeitraum begonnen, %1 fertig.</numerusform>
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
        <translation>%1 bis %2</translation>
    </message>
</context>
<context>
    <name>menu::TestSwitchesScreen</name>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="53"/>
        <source>C&amp;amera Switch</source>
        <translation>&amp;Kamera als Taster</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="54"/>
        <source>Camera Switch</source>
        <translation>Kamera als Taster</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="217"/>
        <source>movement seen by the camera</source>
        <translation>von der Kamera gesehene Bewegung</translation>
    </message>
</context>
<context>
    <name>menu::UsersScreen</name>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="17"/>
        <location filename="../src/menu/users_screen.cpp" line="31"/>
        <source>Users</source>
        <translation>Nutzer</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="22"/>
        <source>Each user has their own settings, place in the picture lists, finished pictures and progress records. Choose who is colouring now.</source>
        <translation>Jeder Nutzer hat eigene Einstellungen, eine eigene Stelle in den Bilderlisten, eigene fertige Bilder und Fortschrittsaufzeichnungen. Wählen Sie, wer jetzt malt.</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="37"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="39"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="47"/>
        <source>Choose</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="48"/>
        <source>Make User</source>
        <translation>Nutzer anlegen</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="49"/>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="50"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="51"/>
        <source>Picture...</source>
        <translation>Bild...</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="61"/>
        <source>Yes, Remove</source>
        <translation>Ja, entfernen</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="62"/>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="97"/>
        <source>No user (this folder&apos;s own settings)</source>
        <translation>Kein Nutzer (die Einstellungen dieses Ordners)</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="111"/>
        <source>Colouring now: no user (this folder&apos;s own settings).</source>
        <translation>Malt gerade: kein Nutzer (die Einstellungen dieses Ordners).</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="112"/>
        <source>Colouring now: %1</source>
        <translation>Malt gerade: %1</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="184"/>
        <source>Remove the user &quot;%1&quot;? This deletes the folder %2 and everything in it: the user&apos;s settings and place in the picture lists, own picture lists, finished pictures and progress records. This cannot be undone.</source>
        <translation>Den Nutzer „%1“ entfernen? Dabei wird der Ordner %2 mit allem darin gelöscht: die Einstellungen des Nutzers und seine Stelle in den Bilderlisten, eigene Bilderlisten, fertige Bilder und Fortschrittsaufzeichnungen. Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="215"/>
        <source>A Picture for %1</source>
        <translation>Ein Bild für %1</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="218"/>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
</context>
</TS>

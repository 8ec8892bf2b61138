<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AuditoryScreen</name>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="37"/>
        <source>Auditory / Print Settings</source>
        <translation>Sonido / impresión</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="43"/>
        <source>Music / Narration Options</source>
        <translation>Música / narración</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="45"/>
        <source>**Auditory Narration of Colors</source>
        <translation>**Narración de los colores</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="46"/>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="47"/>
        <source>No Sound</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="50"/>
        <source>Feedback when the user finished coloring the picture</source>
        <translation>Respuesta cuando el usuario termina de colorear la imagen</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="52"/>
        <source>**Human Voice Complimenting</source>
        <translation>**Felicitación con voz humana</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="53"/>
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="56"/>
        <source>Print Options</source>
        <translation>Opciones de impresión</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="58"/>
        <source>Show and Enable Print Button</source>
        <translation>Mostrar y activar el botón Imprimir</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="59"/>
        <source>Hide and Disable Print Button</source>
        <translation>Ocultar y desactivar el botón Imprimir</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="65"/>
        <source>Language of the spoken words:</source>
        <translation>Idioma de las palabras habladas:</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="68"/>
        <source>Language of the spoken words</source>
        <translation>Idioma de las palabras habladas</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="79"/>
        <source>Language of the screens:</source>
        <translation>Idioma de las pantallas:</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="81"/>
        <source>Language of the screens</source>
        <translation>Idioma de las pantallas</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="91"/>
        <source>** The spoken color names and compliments are recordings in the program folder, in English, Dutch, French, Spanish, German and Hebrew. For another language, record them with any sound recorder, save them as WAV files with the names listed in the user guide and put them in the folder voices/ followed by the language code (for example voices/it/); a missing one is spoken in English.</source>
        <translation>** Los nombres de los colores y las felicitaciones son grabaciones de la carpeta del programa, en inglés, neerlandés, francés, español, alemán y hebreo. Para otro idioma, grábelos con cualquier grabadora de sonido, guárdelos como archivos WAV con los nombres que indica la guía de uso y colóquelos en la carpeta voices/ seguida del código del idioma (por ejemplo voices/it/); una grabación que falte se dice en inglés.</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="131"/>
        <source>The screens are shown in %1 from the next start of Brushwell; messages are shown in it from now on.</source>
        <translation>Las pantallas se mostrarán en %1 a partir del próximo inicio de Brushwell; los mensajes se muestran en ese idioma desde ahora.</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <location filename="../src/menu/banner.cpp" line="31"/>
        <source>Options</source>
        <translation>Opciones</translation>
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
        <translation>Ajustes</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="113"/>
        <source>Program Settings and Information</source>
        <translation>Ajustes e información del programa</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="118"/>
        <source>Auditory Settings</source>
        <translation>Ajustes de sonido</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="119"/>
        <source>Keyboard / Switch Information</source>
        <translation>Teclado / conmutador</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="120"/>
        <source>Picture List</source>
        <translation>Lista de imágenes</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="121"/>
        <source>Scan Settings</source>
        <translation>Ajustes de barrido</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="122"/>
        <source>Coloring Options</source>
        <translation>Opciones de coloreado</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="123"/>
        <source>Animation Speed Settings</source>
        <translation>Velocidad de animación</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="135"/>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="136"/>
        <source>User Guide</source>
        <translation>Guía de uso</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="137"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="149"/>
        <source>Note:  In order to return back to this screen after you click Start,  press the &lt;Esc&gt; key.</source>
        <translation>Nota: para volver a esta pantalla después de pulsar Empezar, pulse la tecla &lt;Esc&gt;.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="190"/>
        <source>The picture %1 is missing or damaged.
Brushwell cannot start without it; please install the program folder again.</source>
        <translation>La imagen %1 falta o está dañada.
Brushwell no puede iniciarse sin ella; vuelva a instalar la carpeta del programa.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="454"/>
        <source>&quot;%1&quot; cannot open the colouring screen: it is missing from this copy of Brushwell.
Please install the complete program.</source>
        <translation>&quot;%1&quot; no puede abrir la pantalla de coloreado: falta en esta copia de Brushwell.
Instale el programa completo.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="509"/>
        <source>The Picture Workshop is already open.</source>
        <translation>El Taller de imágenes ya está abierto.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="517"/>
        <source>The Picture Workshop cannot be opened: %1.
Please install the complete program.</source>
        <translation>No se puede abrir el Taller de imágenes: %1.
Instale el programa completo.</translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <location filename="../src/pictures/calibration.cpp" line="58"/>
        <source>The picture %1 cannot be shown (%2).
The speed test moves a plain yellow bar instead.</source>
        <translation>No se puede mostrar la imagen %1 (%2).
La prueba de velocidad mueve en su lugar una simple barra amarilla.</translation>
    </message>
    <message>
        <location filename="../src/pictures/calibration.cpp" line="132"/>
        <source>Setting: %1</source>
        <translation>Ajuste: %1</translation>
    </message>
</context>
<context>
    <name>ColoringOptionsScreen</name>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="81"/>
        <source>Coloring Options</source>
        <translation>Opciones de coloreado</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="88"/>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="97"/>
        <source>Choose your own colors</source>
        <translation>Elija sus propios colores</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="98"/>
        <source>Select a minimum of two colors</source>
        <translation>Seleccione al menos dos colores</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Orange</source>
        <translation>Naranja</translation>
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
        <translation>o</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="115"/>
        <source>Random Colors</source>
        <translation>Colores al azar</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="117"/>
        <source>Check this box if you want the program to pick colors randomly. Set the slider bar to the number of random colored paint tubes that the user will be able to choose from.</source>
        <translation>Marque esta casilla si quiere que el programa elija los colores al azar. Ajuste el control deslizante al número de tubos de pintura de colores al azar entre los que el usuario podrá elegir.</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="121"/>
        <source>Number of random colored paint tubes</source>
        <translation>Número de tubos de pintura al azar</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="130"/>
        <source>Coloring Style</source>
        <translation>Estilo de coloreado</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="137"/>
        <source>Solid</source>
        <translation>Liso</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="138"/>
        <source>Horizontal stripes</source>
        <translation>Rayas horizontales</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="139"/>
        <source>Verrical stripes</source>
        <translation>Rayas verticales</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="140"/>
        <source>Diagonal going downward</source>
        <translation>Diagonales hacia abajo</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="141"/>
        <source>Diagonal going upward</source>
        <translation>Diagonales hacia arriba</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="142"/>
        <source>Crosses</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="143"/>
        <source>Diagonal crosses</source>
        <translation>Cuadrícula diagonal</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="157"/>
        <source>Choose the pointer type to the section of the picture to be colored</source>
        <translation>Elija el puntero que señala la zona de la imagen que se va a colorear</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="163"/>
        <source>Paintbrush</source>
        <translation>Pincel</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="163"/>
        <source>Red Arrow</source>
        <translation>Flecha roja</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="163"/>
        <source>Colored Cones</source>
        <translation>Conos de colores</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="193"/>
        <source>At least 2 colors must be selected</source>
        <translation>Hay que seleccionar al menos 2 colores</translation>
    </message>
</context>
<context>
    <name>CompanionProgram</name>
    <message>
        <location filename="../src/platform/companion_program.cpp" line="38"/>
        <source>%1 is missing from the program folder %2</source>
        <translation>Falta %1 en la carpeta del programa %2</translation>
    </message>
    <message>
        <location filename="../src/platform/companion_program.cpp" line="39"/>
        <source>%1 in %2 may not be run</source>
        <translation>%1 en %2 no se puede ejecutar</translation>
    </message>
    <message>
        <location filename="../src/platform/companion_program.cpp" line="42"/>
        <source>%1 could not be started</source>
        <translation>No se pudo iniciar %1</translation>
    </message>
</context>
<context>
    <name>CreditsWindow</name>
    <message>
        <location filename="../src/app/credits_window.cpp" line="25"/>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="25"/>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="26"/>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="26"/>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="27"/>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="27"/>
        <source>Hebrew</source>
        <translation>Hebreo</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="58"/>
        <source>%1 speech synthesizer, voice %2</source>
        <translation>Sintetizador de voz %1, voz %2</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="63"/>
        <location filename="../src/app/credits_window.cpp" line="81"/>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="89"/>
        <source>Voice Narration</source>
        <translation>Narración de voz</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="99"/>
        <source>Technical Advisor</source>
        <translation>Asesoría técnica</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="99"/>
        <location filename="../src/app/credits_window.cpp" line="100"/>
        <location filename="../src/app/credits_window.cpp" line="102"/>
        <location filename="../src/app/credits_window.cpp" line="104"/>
        <source>The Brushwell contributors</source>
        <translation>Los colaboradores de Brushwell</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="100"/>
        <source>Educational Content Advisors</source>
        <translation>Asesoría de contenidos educativos</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="101"/>
        <source>Graphic Image Processing</source>
        <translation>Tratamiento de imágenes</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="101"/>
        <source>Brushwell&apos;s own image tools, built on Qt</source>
        <translation>Las herramientas de imagen propias de Brushwell, basadas en Qt</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="102"/>
        <source>Art Work</source>
        <translation>Ilustraciones</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="103"/>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="103"/>
        <source>Public-domain melodies, synthesized by Brushwell&apos;s tools</source>
        <translation>Melodías de dominio público, sintetizadas con las herramientas de Brushwell</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="104"/>
        <source>Programming</source>
        <translation>Programación</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="107"/>
        <source>Brushwell Version 2</source>
        <translation>Brushwell versión 2</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="108"/>
        <source>The Brushwell project</source>
        <translation>El proyecto Brushwell</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="109"/>
        <source>Contact: through the Brushwell project&apos;s issue tracker</source>
        <translation>Contacto: a través del gestor de incidencias del proyecto Brushwell</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="110"/>
        <source>Copyright (C) the Brushwell contributors.</source>
        <translation>Copyright (C) los colaboradores de Brushwell.</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="111"/>
        <source>Brushwell is free software: GNU General Public License, version 3 or later.</source>
        <translation>Brushwell es software libre: Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="112"/>
        <source>It comes with no warranty. The licence is the file LICENSE in the program folder.</source>
        <translation>Se ofrece sin ninguna garantía. La licencia está en el archivo LICENSE de la carpeta del programa.</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="117"/>
        <location filename="../src/app/credits_window.cpp" line="118"/>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>DeviceScreen</name>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="40"/>
        <source>Keys and switches</source>
        <translation>Teclas y conmutadores</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="45"/>
        <source>Colors the picture with the current paint tube</source>
        <translation>Colorea la imagen con el tubo de pintura actual</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="46"/>
        <source>Move to the next paint tube.</source>
        <translation>Pasa al siguiente tubo de pintura.</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="47"/>
        <source>Clears the last part of the picture that was colored</source>
        <translation>Borra la última zona coloreada de la imagen</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="48"/>
        <source>Skip to the next picture immediately</source>
        <translation>Pasa de inmediato a la siguiente imagen</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="50"/>
        <source>Key Pressed</source>
        <translation>Tecla pulsada</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="50"/>
        <source>Timed Scanning</source>
        <translation>Barrido automático</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="50"/>
        <source>Step Scanning 1 Switch</source>
        <translation>Barrido paso a paso 1 conmutador</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="51"/>
        <source>Step Scanning 2 Switches</source>
        <translation>Barrido paso a paso 2 conmutadores</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="51"/>
        <source>No Scanning</source>
        <translation>Sin barrido</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="52"/>
        <source>Left Mouse Click, Space Bar or the number 0</source>
        <translation>Clic izquierdo, barra espaciadora o el número 0</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="53"/>
        <source>Colors the picture with the paint tube that the mouse arrow is pointing to</source>
        <translation>Colorea la imagen con el tubo de pintura que señala el puntero del ratón</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="54"/>
        <source>&lt;Enter&gt; key or the number 1</source>
        <translation>Tecla &lt;Intro&gt; o el número 1</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="55"/>
        <source>The letter &quot;c&quot; or the number 2</source>
        <translation>La letra &quot;c&quot; o el número 2</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="56"/>
        <source>The letter &quot;a&quot; or the number 3</source>
        <translation>La letra &quot;a&quot; o el número 3</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="80"/>
        <location filename="../src/menu/device_screen.cpp" line="90"/>
        <source>Keyboard / Switch Information</source>
        <translation>Teclado / conmutador</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="97"/>
        <source>The following keyboard keys are also active during the program.  These buttons can be emulated with switch presses.</source>
        <translation>Las siguientes teclas también funcionan durante el programa. Estas teclas se pueden sustituir por pulsaciones de un conmutador.</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 1</source>
        <translation>Adaptador en COM 1</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 2</source>
        <translation>Adaptador en COM 2</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 3</source>
        <translation>Adaptador en COM 3</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 4</source>
        <translation>Adaptador en COM 4</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in Joystick (Game) Port</source>
        <translation>Adaptador en el puerto de joystick (juegos)</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Mouse Click or Keyboard Space bar</source>
        <translation>Clic del ratón o barra espaciadora</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="133"/>
        <source>Switch Timing</source>
        <translation>Tiempos de pulsación</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="134"/>
        <source>Test Switches</source>
        <translation>Probar conmutadores</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="139"/>
        <source>Hold and release times, dwell selection and more switches; and a test of what each switch does.</source>
        <translation>Tiempos de pulsación y de liberación, selección por permanencia y más conmutadores; y una prueba de lo que hace cada conmutador.</translation>
    </message>
</context>
<context>
    <name>FileViewer</name>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="46"/>
        <source>No program to show %1 was found, so Brushwell shows it here. Choose a chapter on the left.</source>
        <translation>No se encontró ningún programa para mostrar %1, así que Brushwell lo muestra aquí. Elija un capítulo a la izquierda.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="49"/>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="53"/>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="61"/>
        <source>User Guide</source>
        <translation>Guía de uso</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="87"/>
        <source>No text editor was found, so Brushwell shows %1 here. One picture name a line; lines starting with &quot;-&quot; are skipped.</source>
        <translation>No se encontró ningún editor de texto, así que Brushwell muestra %1 aquí. Un nombre de imagen por línea; las líneas que empiezan por &quot;-&quot; se omiten.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="90"/>
        <source>%1 cannot be read (%2); what you type here is saved as a new list.</source>
        <translation>No se puede leer %1 (%2); lo que escriba aquí se guarda como una lista nueva.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="93"/>
        <source>Picture list </source>
        <translation>Lista de imágenes </translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="102"/>
        <location filename="../src/menu/file_viewer.cpp" line="103"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="107"/>
        <location filename="../src/menu/file_viewer.cpp" line="108"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="124"/>
        <source>The picture list could not be saved to %1:
%2
Nothing was changed; the text stays here.</source>
        <translation>No se pudo guardar la lista de imágenes en %1:
%2
No se ha cambiado nada; el texto sigue aquí.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="136"/>
        <source>Save the changes to the picture list?</source>
        <translation>¿Guardar los cambios de la lista de imágenes?</translation>
    </message>
</context>
<context>
    <name>GalleryBooklet</name>
    <message>
        <location filename="../src/records/gallery_booklet.cpp" line="49"/>
        <source>Coloured by %1 on %2</source>
        <translation>Coloreada por %1 el %2</translation>
    </message>
    <message>
        <location filename="../src/records/gallery_booklet.cpp" line="70"/>
        <source>none of the chosen pictures could be read</source>
        <translation>no se pudo leer ninguna de las imágenes elegidas</translation>
    </message>
    <message>
        <location filename="../src/records/gallery_booklet.cpp" line="81"/>
        <source>Pictures coloured with Brushwell</source>
        <translation>Imágenes coloreadas con Brushwell</translation>
    </message>
</context>
<context>
    <name>GalleryKeeping</name>
    <message>
        <location filename="../src/session/gallery_keeping.cpp" line="101"/>
        <source>The picture %1 could not be kept in the gallery folder %2: %3.
Colouring goes on; pictures are not kept until this is mended (room on the disk, a folder that can be written).</source>
        <translation>No se pudo guardar la imagen %1 en la carpeta de la galería %2: %3.
El coloreado continúa; las imágenes no se guardan hasta que se solucione (espacio en el disco, una carpeta en la que se pueda escribir).</translation>
    </message>
</context>
<context>
    <name>GalleryPicture</name>
    <message>
        <location filename="../src/records/gallery_picture.cpp" line="180"/>
        <source>the picture could not be made into a PNG file</source>
        <translation>no se pudo convertir la imagen en un archivo PNG</translation>
    </message>
    <message>
        <location filename="../src/records/gallery_picture.cpp" line="183"/>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>GamePort</name>
    <message>
        <location filename="../src/platform/game_port.cpp" line="114"/>
        <source>joystick support could not start: %1</source>
        <translation>no se pudo iniciar el soporte de joystick: %1</translation>
    </message>
    <message>
        <location filename="../src/platform/game_port.cpp" line="130"/>
        <source>no joystick is connected</source>
        <translation>no hay ningún joystick conectado</translation>
    </message>
    <message>
        <location filename="../src/platform/game_port.cpp" line="138"/>
        <source>the joystick cannot be opened (%1); check the permissions of /dev/input/event*</source>
        <translation>no se puede abrir el joystick (%1); revise los permisos de /dev/input/event*</translation>
    </message>
    <message>
        <location filename="../src/platform/game_port.cpp" line="183"/>
        <source>no joystick</source>
        <translation>sin joystick</translation>
    </message>
</context>
<context>
    <name>ImagePipeline</name>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="277"/>
        <source>%1 cannot be used: %2.</source>
        <translation>No se puede usar %1: %2.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="281"/>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="282"/>
        <source>it is a folder, not a picture file</source>
        <translation>es una carpeta, no un archivo de imagen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="283"/>
        <source>this user may not read it</source>
        <translation>este usuario no tiene permiso para leerlo</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="284"/>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="288"/>
        <source>it is not a picture that can be read (PNG, JPEG, BMP, GIF and SVG can)</source>
        <translation>no es una imagen que se pueda leer (PNG, JPEG, BMP, GIF y SVG sí)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="297"/>
        <location filename="../tools/workshop/image_pipeline.cpp" line="306"/>
        <source>it is too large for the workshop to open; make it smaller in a photo program first</source>
        <translation>es demasiado grande para abrirla en el taller; redúzcala antes con un programa de fotos</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="304"/>
        <source>it could not be decoded (%1)</source>
        <translation>no se pudo descodificar (%1)</translation>
    </message>
</context>
<context>
    <name>ListModel</name>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="48"/>
        <source>a picture needs a name</source>
        <translation>una imagen necesita un nombre</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="49"/>
        <source>a name that begins with &quot;-&quot; is skipped by Brushwell</source>
        <translation>Brushwell omite un nombre que empieza por &quot;-&quot;</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="50"/>
        <source>a name with a double quote cannot stand in a list</source>
        <translation>un nombre con comillas dobles no puede estar en una lista</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="51"/>
        <source>a name must be one line</source>
        <translation>un nombre debe ocupar una sola línea</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="65"/>
        <source>%1 cannot be read (%2).</source>
        <translation>No se puede leer %1 (%2).</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="101"/>
        <source>The settings file %1 is missing from %2.</source>
        <translation>Falta el archivo de ajustes %1 en %2.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="115"/>
        <source>The settings file %1 is damaged or missing, so the descriptions were not saved. Start Brushwell once and leave it with &quot;Exit&quot;: it repairs the file.</source>
        <translation>El archivo de ajustes %1 está dañado o falta, así que las descripciones no se guardaron. Abra Brushwell una vez y ciérrelo con &quot;Salir&quot;: así repara el archivo.</translation>
    </message>
</context>
<context>
    <name>ListPage</name>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="53"/>
        <source>Picture &amp;lists</source>
        <translation>Listas de &amp;imágenes</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="54"/>
        <source>Picture lists</source>
        <translation>Listas de imágenes</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="62"/>
        <source>&amp;Description of this list:</source>
        <translation>&amp;Descripción de esta lista:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="63"/>
        <source>Description of this list</source>
        <translation>Descripción de esta lista</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="67"/>
        <source>Pictures in colouring &amp;order (drag, or use the buttons):</source>
        <translation>Imágenes en &amp;orden de coloreado (arrastre o use los botones):</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="68"/>
        <source>Pictures in colouring order</source>
        <translation>Imágenes en orden de coloreado</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="76"/>
        <source>Missing pictures</source>
        <translation>Imágenes que faltan</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="81"/>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="82"/>
        <source>Move Do&amp;wn</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="83"/>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="84"/>
        <source>Add &amp;Heading...</source>
        <translation>Agregar &amp;encabezado...</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="85"/>
        <source>&amp;Undo</source>
        <translation>Des&amp;hacer</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="86"/>
        <source>&amp;Save List</source>
        <translation>&amp;Guardar lista</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="92"/>
        <source>Pictures in the &amp;folder:</source>
        <translation>Imágenes de la &amp;carpeta:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="93"/>
        <source>Pictures in the folder</source>
        <translation>Imágenes de la carpeta</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="101"/>
        <source>&amp;Add to List</source>
        <translation>&amp;Agregar a la lista</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="151"/>
        <source>List %1</source>
        <translation>Lista %1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="151"/>
        <source>List %1: %2</source>
        <translation>Lista %1: %2</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="159"/>
        <source>

The descriptions cannot be saved until the settings file is whole again.</source>
        <translation>

Las descripciones no se podrán guardar hasta que el archivo de ajustes vuelva a estar completo.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="233"/>
        <source>Heading: %1</source>
        <translation>Encabezado: %1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="235"/>
        <source>%1   (not in the folder)</source>
        <translation>%1   (no está en la carpeta)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="238"/>
        <source>%1, not in the folder</source>
        <translation>%1, no está en la carpeta</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="250"/>
        <source>Not in the program folder: %1. They stay in the list; Brushwell ends the session when it reaches one, so add the picture or remove the name.</source>
        <translation>No están en la carpeta del programa: %1. Siguen en la lista; Brushwell termina la sesión cuando llega a una de ellas, así que añada la imagen o quite el nombre.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="289"/>
        <source>Removed from the list (the picture stays in the folder). Undo brings it back.</source>
        <translation>Quitada de la lista (la imagen sigue en la carpeta). Deshacer la devuelve.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="306"/>
        <source>Choose one or more pictures in the folder first.</source>
        <translation>Elija primero una o más imágenes de la carpeta.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="314"/>
        <source>%1 cannot be added: %2.</source>
        <translation>No se puede añadir %1: %2.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="338"/>
        <source>List %1 could not be saved (%2). The file on disk was left as it was.</source>
        <translation>No se pudo guardar la lista %1 (%2). El archivo del disco se ha dejado como estaba.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="345"/>
        <source>The list was saved, but its description was not:

%1</source>
        <translation>La lista se guardó, pero su descripción no:

%1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="350"/>
        <source>List %1 saved. Brushwell uses it from the next session on.</source>
        <translation>Lista %1 guardada. Brushwell la usa a partir de la próxima sesión.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="357"/>
        <source>List %1 has changes that are not saved. Save them?</source>
        <translation>La lista %1 tiene cambios sin guardar. ¿Guardarlos?</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <location filename="../tools/workshop/main.cpp" line="28"/>
        <source>Makes colouring pictures from drawings and photos, and edits picture lists.</source>
        <translation>Crea imágenes para colorear a partir de dibujos y fotos, y edita listas de imágenes.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="30"/>
        <source>the program folder (default: the one Brushwell uses)</source>
        <translation>la carpeta del programa (por defecto: la que usa Brushwell)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="35"/>
        <source>the folder of the user colouring now, whose list descriptions and own lists are edited (default: the program folder)</source>
        <translation>la carpeta del usuario que colorea ahora, cuyas descripciones de listas y listas propias se editan (por defecto: la carpeta del programa)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="38"/>
        <source>a drawing or photo to open</source>
        <translation>un dibujo o una foto que abrir</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="44"/>
        <location filename="../tools/workshop/main.cpp" line="46"/>
        <location filename="../tools/workshop/main.cpp" line="51"/>
        <source>Brushwell Picture Workshop</source>
        <translation>Brushwell Taller de imágenes</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="46"/>
        <location filename="../tools/workshop/main.cpp" line="51"/>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
</context>
<context>
    <name>Mainform</name>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="146"/>
        <source>Processing New Picture, Please Wait ...</source>
        <translation>Preparando la nueva imagen, espere ...</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="148"/>
        <location filename="../src/pictures/mainform.cpp" line="150"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="163"/>
        <source>Left is Faster - Right is Slower</source>
        <translation>Izquierda más rápido - derecha más lento</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="164"/>
        <source>Animation speed</source>
        <translation>Velocidad de animación</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="172"/>
        <location filename="../src/pictures/mainform.cpp" line="174"/>
        <source>Test Speed</source>
        <translation>Probar</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="178"/>
        <location filename="../src/pictures/mainform.cpp" line="180"/>
        <source>Main Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="186"/>
        <source>Move the slider bar in small adjustments to adjust the speed then press the &quot;Test Speed&quot; Button.</source>
        <translation>Mueva el control deslizante poco a poco para ajustar la velocidad y luego pulse el botón &quot;Probar&quot;.</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="192"/>
        <source>Before the first picture Brushwell needs to know how fast to move on this computer, so set the speed here; &quot;Main Menu&quot; keeps it, and it is asked for only once.</source>
        <translation>Antes de la primera imagen, Brushwell necesita saber a qué velocidad moverse en este ordenador, así que ajuste aquí la velocidad; &quot;Menú&quot; la guarda y solo se pide una vez.</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="197"/>
        <source>Faster</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="200"/>
        <source>Slower</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="314"/>
        <source>Dwell progress</source>
        <translation>Progreso de la permanencia</translation>
    </message>
</context>
<context>
    <name>NewPicturePage</name>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="76"/>
        <source>&amp;Open Drawing or Photo...</source>
        <translation>&amp;Abrir dibujo o foto...</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="76"/>
        <source>Open Drawing or Photo</source>
        <translation>Abrir dibujo o foto</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="77"/>
        <source>It is a &amp;drawing</source>
        <translation>Es un &amp;dibujo</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="77"/>
        <source>It is a drawing</source>
        <translation>Es un dibujo</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="78"/>
        <source>It is a p&amp;hoto</source>
        <translation>Es una &amp;foto</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="78"/>
        <source>It is a photo</source>
        <translation>Es una foto</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="92"/>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="93"/>
        <source>Original picture</source>
        <translation>Imagen original</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="99"/>
        <source>Colouring picture (numbers: the colouring order)</source>
        <translation>Imagen para colorear (números: el orden de coloreado)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="100"/>
        <source>Colouring picture preview</source>
        <translation>Vista previa de la imagen para colorear</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="101"/>
        <source>Click a section to choose it; arrow keys move its marker</source>
        <translation>Haga clic en una zona para elegirla; las flechas mueven su marcador</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="134"/>
        <source>Drawing</source>
        <translation>Dibujo</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="136"/>
        <source>Line darkness</source>
        <translation>Intensidad de las líneas</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="138"/>
        <source>Close gaps</source>
        <translation>Cerrar huecos</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="142"/>
        <source>Line dar&amp;kness:</source>
        <translation>&amp;Intensidad de las líneas:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="142"/>
        <source>only dark lines</source>
        <translation>solo líneas oscuras</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="143"/>
        <source>faint lines too</source>
        <translation>también líneas claras</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="144"/>
        <source>Close &amp;gaps:</source>
        <translation>&amp;Cerrar huecos:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="144"/>
        <source>0: none</source>
        <translation>0: ninguno</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="144"/>
        <source>5: wide gaps</source>
        <translation>5: huecos anchos</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="145"/>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="147"/>
        <source>Detail</source>
        <translation>Detalle</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="152"/>
        <source>De&amp;tail:</source>
        <translation>De&amp;talle:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="152"/>
        <source>1: few large areas</source>
        <translation>1: pocas zonas grandes</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="153"/>
        <source>10: many small</source>
        <translation>10: muchas pequeñas</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="158"/>
        <source>Sections</source>
        <translation>Zonas</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="160"/>
        <source>Sections in colouring order</source>
        <translation>Zonas en orden de coloreado</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="164"/>
        <source>Colour &amp;Earlier</source>
        <translation>Colorear ant&amp;es</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="164"/>
        <source>Colour Earlier</source>
        <translation>Colorear antes</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="165"/>
        <source>Colour &amp;Later</source>
        <translation>Colorear des&amp;pués</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="165"/>
        <source>Colour Later</source>
        <translation>Colorear después</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="169"/>
        <source>&amp;Merge Small Regions</source>
        <translation>&amp;Unir regiones pequeñas</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="169"/>
        <source>Merge Small Regions</source>
        <translation>Unir regiones pequeñas</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="170"/>
        <source>D&amp;rop Small Regions</source>
        <translation>De&amp;scartar regiones pequeñas</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="170"/>
        <source>Drop Small Regions</source>
        <translation>Descartar regiones pequeñas</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="171"/>
        <source>The small regions in red stay white and are not coloured.</source>
        <translation>Las regiones pequeñas en rojo quedan en blanco y no se colorean.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="172"/>
        <source>Merge Down to &amp;25 Sections</source>
        <translation>Unir hasta &amp;25 zonas</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="172"/>
        <source>Merge Down to 25 Sections</source>
        <translation>Unir hasta 25 zonas</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="178"/>
        <source>On the picture</source>
        <translation>Sobre la imagen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="180"/>
        <source>A click chooses a section</source>
        <translation>Un clic elige una zona</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="181"/>
        <location filename="../tools/workshop/new_picture_page.cpp" line="182"/>
        <source>A click moves the section&apos;s marker</source>
        <translation>Un clic mueve el marcador de la zona</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="183"/>
        <source>Two clicks &amp;join two regions</source>
        <translation>Dos clics &amp;juntan dos regiones</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="183"/>
        <source>Two clicks join two regions</source>
        <translation>Dos clics juntan dos regiones</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="184"/>
        <source>A line dra&amp;wn across a region splits it</source>
        <translation>Una línea trazada a través de una región la di&amp;vide</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="185"/>
        <source>A line drawn across a region splits it</source>
        <translation>Una línea trazada a través de una región la divide</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="186"/>
        <source>A click or a stroke erases l&amp;ines</source>
        <translation>Un clic o un trazo &amp;borra líneas</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="187"/>
        <source>A click or a stroke erases lines</source>
        <translation>Un clic o un trazo borra líneas</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="188"/>
        <source>Click one region, then the one beside it: the line between them goes.</source>
        <translation>Haga clic en una región y luego en la de al lado: la línea entre ellas desaparece.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="189"/>
        <source>Hold the button down and draw across the region, from one outline to the other.</source>
        <translation>Mantenga pulsado el botón y trace a través de la región, de un contorno al otro.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="190"/>
        <source>A click on a stray line or dot takes it away; drag along a line to rub it out.</source>
        <translation>Un clic en una línea o un punto sueltos los quita; arrastre a lo largo de una línea para borrarla.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="199"/>
        <source>&amp;Undo</source>
        <translation>Des&amp;hacer</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="199"/>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="200"/>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="201"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="202"/>
        <source>Ctrl+Shift+Z or Ctrl+Y</source>
        <translation>Ctrl+Mayús+Z o Ctrl+Y</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="208"/>
        <location filename="../tools/workshop/new_picture_page.cpp" line="380"/>
        <source>Open a drawing or a photo to begin.</source>
        <translation>Abra un dibujo o una foto para empezar.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="208"/>
        <source>Remarks</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="214"/>
        <source>Pi&amp;cture name:</source>
        <translation>Nombre de la i&amp;magen:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="215"/>
        <source>Picture name</source>
        <translation>Nombre de la imagen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="216"/>
        <source>for example: our_dog</source>
        <translation>por ejemplo: nuestro_perro</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="218"/>
        <source>&amp;Save Picture</source>
        <translation>&amp;Guardar imagen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="218"/>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="255"/>
        <source>Joined small regions %1 time(s).</source>
        <translation>Regiones pequeñas unidas %1 vez/veces.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="259"/>
        <source>The small regions are left white.</source>
        <translation>Las regiones pequeñas quedan en blanco.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="262"/>
        <source>Joined the smallest sections %1 time(s).</source>
        <translation>Zonas más pequeñas unidas %1 vez/veces.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="280"/>
        <source>Open a Drawing or a Photo</source>
        <translation>Abrir un dibujo o una foto</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="283"/>
        <source>Drawings and photos (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.PNG *.JPG *.JPEG *.BMP *.GIF *.SVG)</source>
        <translation>Dibujos y fotos (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.PNG *.JPG *.JPEG *.BMP *.GIF *.SVG)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="284"/>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="333"/>
        <source>Nothing could be made of this picture.</source>
        <translation>No se pudo sacar nada de esta imagen.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="337"/>
        <source>The picture was made again.</source>
        <translation>La imagen se ha vuelto a hacer.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="338"/>
        <source>Preview made in %1 ms.</source>
        <translation>Vista previa hecha en %1 ms.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="341"/>
        <source>Opened %1.</source>
        <translation>%1 abierto.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="342"/>
        <source>%1 x %2 pixels; first preview after %3 ms.</source>
        <translation>%1 x %2 píxeles; primera vista previa tras %3 ms.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="374"/>
        <source>Section %1</source>
        <translation>Zona %1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="376"/>
        <source>%1 pixels; marker at %2, %3</source>
        <translation>%1 píxeles; marcador en %2, %3</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="397"/>
        <source>That region is too small for a marker: join it to a neighbour, or drop it.</source>
        <translation>Esa región es demasiado pequeña para un marcador: júntela con una vecina o descártela.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="404"/>
        <source>A marker cannot stand there: it needs white all round it, inside a section.</source>
        <translation>Ahí no puede ir un marcador: necesita blanco alrededor, dentro de una zona.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="410"/>
        <source>Click inside a region, not on a line.</source>
        <translation>Haga clic dentro de una región, no sobre una línea.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="414"/>
        <source>Now click the region beside it to join the two.</source>
        <translation>Ahora haga clic en la región de al lado para juntar las dos.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="420"/>
        <source>The two regions are joined.</source>
        <translation>Las dos regiones se han juntado.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="430"/>
        <source>Hold the button down and draw a line across the region.</source>
        <translation>Mantenga pulsado el botón y trace una línea a través de la región.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="456"/>
        <source>The region is split in two.</source>
        <translation>La región se ha dividido en dos.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="458"/>
        <source>Erased. Regions the line divided are now one.</source>
        <translation>Borrado. Las regiones que separaba la línea son ahora una.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="458"/>
        <source>Erased.</source>
        <translation>Borrado.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="496"/>
        <source> %1 stay red, or their shape would be lost: join them by hand, or drop them.</source>
        <translation> %1 siguen en rojo, o se perdería su forma: júntelas a mano o descártelas.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="524"/>
        <source>Done again.</source>
        <translation>Rehecho.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="531"/>
        <source>Open a drawing or a photo first.</source>
        <translation>Abra primero un dibujo o una foto.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="536"/>
        <source>Give the picture a name of letters, digits, spaces, &quot;_&quot; or &quot;-&quot;, beginning with a letter or digit.</source>
        <translation>Dé a la imagen un nombre de letras, cifras, espacios, &quot;_&quot; o &quot;-&quot;, que empiece por una letra o una cifra.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="539"/>
        <source>Names beginning with &quot;aobj_&quot; belong to Brushwell&apos;s own files. Choose another name.</source>
        <translation>Los nombres que empiezan por &quot;aobj_&quot; son de los archivos propios de Brushwell. Elija otro nombre.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="545"/>
        <source>A picture needs 1 to 25 sections; this one has %1.</source>
        <translation>Una imagen necesita de 1 a 25 zonas; esta tiene %1.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="550"/>
        <source>The picture was not saved, because Brushwell would not colour it as shown:

</source>
        <translation>La imagen no se guardó, porque Brushwell no la colorearía como se muestra:

</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="554"/>
        <source>%1 is already in the program folder. Replace it?</source>
        <translation>%1 ya está en la carpeta del programa. ¿Sustituirlo?</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="561"/>
        <source>The picture could not be encoded.</source>
        <translation>No se pudo codificar la imagen.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="564"/>
        <source>%1 could not be saved (%2). Nothing was changed in the program folder.</source>
        <translation>No se pudo guardar %1 (%2). No se ha cambiado nada en la carpeta del programa.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="574"/>
        <source>%1 was saved, but its section file could not be written (%2). Brushwell will find the sections itself the first time it shows the picture.</source>
        <translation>%1 se guardó, pero no se pudo escribir su archivo de zonas (%2). Brushwell buscará las zonas por sí mismo la primera vez que muestre la imagen.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="580"/>
        <source>Saved %1 with %2 sections. Add it to a list on the Picture Lists page.</source>
        <translation>%1 guardado con %2 zonas. Añádalo a una lista en la página Listas de imágenes.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="581"/>
        <source>Checked and written in %1 ms.</source>
        <translation>Comprobado y escrito en %1 ms.</translation>
    </message>
</context>
<context>
    <name>OptionsFile</name>
    <message>
        <location filename="../src/settings/options_file.cpp" line="52"/>
        <source>%1 is &quot;%2&quot;, which is not a whole number; %3 is used.</source>
        <translation>%1 es &quot;%2&quot;, que no es un número entero; se usa %3.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="53"/>
        <source>%1 is &quot;%2&quot;, which is not a number; %3 is used.</source>
        <translation>%1 es &quot;%2&quot;, que no es un número; se usa %3.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="56"/>
        <source>%1 is %2, outside %3 to %4; %5 is used.</source>
        <translation>%1 es %2, fuera del intervalo de %3 a %4; se usa %5.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="74"/>
        <source>The file is damaged: it is not plain text (byte %1 is the control code %2). What could be read of it is used.</source>
        <translation>El archivo está dañado: no es texto plano (el byte %1 es el código de control %2). Se usa lo que se pudo leer.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="94"/>
        <source>The file is damaged; what could be read of it is used.</source>
        <translation>El archivo está dañado; se usa lo que se pudo leer.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="96"/>
        <source>The file could not be read; the standard options are used.</source>
        <translation>No se pudo leer el archivo; se usan las opciones estándar.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="111"/>
        <source>[switch] has the unknown key %1; it is not used.</source>
        <translation>[switch] tiene la clave desconocida %1; no se usa.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="122"/>
        <source>no temporary folder: %1</source>
        <translation>no hay carpeta temporal: %1</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="135"/>
        <source>the options could not be prepared</source>
        <translation>no se pudieron preparar las opciones</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="199"/>
        <source>[voice] Language is &quot;%1&quot;, which is no language code such as en or fr; en is used.</source>
        <translation>[voice] Language es &quot;%1&quot;, que no es un código de idioma como en o fr; se usa en.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="203"/>
        <source>[voice] has the unknown key %1; it is not used.</source>
        <translation>[voice] tiene la clave desconocida %1; no se usa.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="239"/>
        <source>[display] Language is &quot;%1&quot;; the screens can be shown in en, nl, fr, es, de or he. en is used.</source>
        <translation>[display] Language es &quot;%1&quot;; las pantallas se pueden mostrar en en, nl, fr, es, de o he. Se usa en.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="269"/>
        <source>Brushwell found a problem in %1 and used standard values where needed:

</source>
        <translation>Brushwell encontró un problema en %1 y usó valores estándar donde hacía falta:

</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="272"/>
        <source>
Check the &quot;Switch Timing&quot; and &quot;Test Switches&quot; screens (from &quot;Keyboard / Switch Information&quot;) and the language on &quot;Auditory Settings&quot;; the file is written again when you change them.</source>
        <translation>
Revise las pantallas &quot;Tiempos de pulsación&quot; y &quot;Probar conmutadores&quot; (desde &quot;Teclado / conmutador&quot;) y el idioma en &quot;Ajustes de sonido&quot;; el archivo se vuelve a escribir cuando los cambie.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="326"/>
        <source>%1 is &quot;%2&quot;, which is not a rectangle x,y,w,h inside the image (each from 0 to 1); no rectangle is used.</source>
        <translation>%1 es &quot;%2&quot;, que no es un rectángulo x,y,w,h dentro de la imagen (cada valor de 0 a 1); no se usa ningún rectángulo.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="334"/>
        <source>[camera] has the unknown key %1; it is not used.</source>
        <translation>[camera] tiene la clave desconocida %1; no se usa.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="355"/>
        <source>The camera options could not be saved to %1 (%2).
The file on disk was left as it was; the options are used until Brushwell is closed.</source>
        <translation>No se pudieron guardar las opciones de la cámara en %1 (%2).
El archivo del disco se ha dejado como estaba; las opciones se usan hasta que se cierre Brushwell.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="387"/>
        <source>The switch options could not be saved to %1 (%2).
The file on disk was left as it was; the options are used until Brushwell is closed.</source>
        <translation>No se pudieron guardar las opciones de los conmutadores en %1 (%2).
El archivo del disco se ha dejado como estaba; las opciones se usan hasta que se cierre Brushwell.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="398"/>
        <source>The narration language could not be saved to %1 (%2).
The file on disk was left as it was; the language is used until Brushwell is closed.</source>
        <translation>No se pudo guardar el idioma de la narración en %1 (%2).
El archivo del disco se ha dejado como estaba; el idioma se usa hasta que se cierre Brushwell.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="413"/>
        <source>The language of the screens could not be saved to %1 (%2).
The file on disk was left as it was; the language is used until Brushwell is closed.</source>
        <translation>No se pudo guardar el idioma de las pantallas en %1 (%2).
El archivo del disco se ha dejado como estaba; el idioma se usa hasta que se cierre Brushwell.</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="86"/>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="87"/>
        <source>it is a folder, not a picture file</source>
        <translation>es una carpeta, no un archivo de imagen</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="90"/>
        <source>it is not a picture that can be read (JPEG, BMP or PNG are)</source>
        <translation>no es una imagen que se pueda leer (JPEG, BMP o PNG sí)</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="93"/>
        <source>the file is damaged: it ends before its picture does</source>
        <translation>el archivo está dañado: termina antes que la imagen</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="97"/>
        <location filename="../src/platform/picture_box.cpp" line="116"/>
        <source>it is %1 by %2 pixels, larger than the %3 by %3 pixels a picture may have</source>
        <translation>mide %1 por %2 píxeles, más que los %3 por %3 píxeles que puede tener una imagen</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="110"/>
        <source>it could not be decoded (%1)</source>
        <translation>no se pudo descodificar (%1)</translation>
    </message>
</context>
<context>
    <name>PictureChooser</name>
    <message>
        <location filename="../src/pictures/picture_chooser.cpp" line="40"/>
        <source>Choose the next picture</source>
        <translation>Elija la siguiente imagen</translation>
    </message>
</context>
<context>
    <name>PictureDesign</name>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="154"/>
        <source>The new order must hold every section once.</source>
        <translation>El nuevo orden debe contener cada zona una vez.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="178"/>
        <source>Section %1 cannot be coloured after section %2: Brushwell colours from left to right, and all of section %1 lies too far to the left.</source>
        <translation>La zona %1 no se puede colorear después de la zona %2: Brushwell colorea de izquierda a derecha, y toda la zona %1 queda demasiado a la izquierda.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="201"/>
        <source>No place was found for the marker of section %1.</source>
        <translation>No se encontró sitio para el marcador de la zona %1.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="242"/>
        <source>Brushwell would find %1 section(s) in %2, not the %3 shown here.</source>
        <translation>Brushwell encontraría %1 zona(s) en %2, no las %3 que se ven aquí.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="252"/>
        <source>The paint of section %1 would spread beyond it. Close the gap in its outline.</source>
        <translation>La pintura de la zona %1 se saldría de ella. Cierre el hueco de su contorno.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="262"/>
        <source>No area to colour was found. Try more detail.</source>
        <translation>No se encontró ninguna zona para colorear. Pruebe con más detalle.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="263"/>
        <source>No closed area to colour was found. Are the outlines closed? Move &quot;Close gaps&quot; to the right.</source>
        <translation>No se encontró ninguna zona cerrada para colorear. ¿Están cerrados los contornos? Mueva &quot;Cerrar huecos&quot; hacia la derecha.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="266"/>
        <source>%1 sections: Brushwell colours at most %2. Use &quot;Merge Down to 25 Sections&quot;, or lower the detail.</source>
        <translation>%1 zonas: Brushwell colorea como máximo %2. Use &quot;Unir hasta 25 zonas&quot; o baje el detalle.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="268"/>
        <source>%1 sections: Brushwell colours at most %2. Use &quot;Merge Down to 25 Sections&quot;, or join two at a time with &quot;Two clicks join two regions&quot;.</source>
        <translation>%1 zonas: Brushwell colorea como máximo %2. Use &quot;Unir hasta 25 zonas&quot; o junte dos cada vez con &quot;Dos clics juntan dos regiones&quot;.</translation>
    </message>
    <message numerus="yes">
        <location filename="../tools/workshop/picture_design.cpp" line="274"/>
        <source>%n section(s), coloured in the numbered order.</source>
        <translation>
            <numerusform>%n zona, coloreada en el orden numerado.</numerusform>
            <numerusform>%n zonas, coloreadas en el orden numerado.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="277"/>
        <source>%1 region(s) in red are too small to see or to point at. Join each to a neighbour (&quot;Merge Small Regions&quot;, or &quot;Two clicks join two regions&quot;), or leave them white with &quot;Drop Small Regions&quot;.</source>
        <translation>%1 región(es) en rojo son demasiado pequeñas para verlas o señalarlas. Junte cada una con una vecina (&quot;Unir regiones pequeñas&quot; o &quot;Dos clics juntan dos regiones&quot;), o déjelas en blanco con &quot;Descartar regiones pequeñas&quot;.</translation>
    </message>
    <message numerus="yes">
        <location filename="../tools/workshop/picture_design.cpp" line="283"/>
        <source>%n small region(s) are left white and not coloured.</source>
        <translation>
            <numerusform>%n región pequeña queda en blanco y no se colorea.</numerusform>
            <numerusform>%n regiones pequeñas quedan en blanco y no se colorean.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../tools/workshop/picture_design.cpp" line="286"/>
        <source>%n section(s) lie so near the top that the pointer is partly hidden.</source>
        <translation>
            <numerusform>%n zona está tan cerca del borde superior que el puntero queda en parte oculto.</numerusform>
            <numerusform>%n zonas están tan cerca del borde superior que el puntero queda en parte oculto.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureList</name>
    <message>
        <location filename="../src/pictures/picture_list.cpp" line="83"/>
        <source>%1 is a folder, not a file</source>
        <translation>%1 es una carpeta, no un archivo</translation>
    </message>
    <message>
        <location filename="../src/pictures/picture_list.cpp" line="88"/>
        <source>%1 could not be opened (%2)</source>
        <translation>No se pudo abrir %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/pictures/picture_list.cpp" line="93"/>
        <source>%1 could not be read to its end (%2)</source>
        <translation>No se pudo leer %1 hasta el final (%2)</translation>
    </message>
</context>
<context>
    <name>PictureListsScreen</name>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="19"/>
        <location filename="../src/menu/picture_lists_screen.cpp" line="60"/>
        <source>Picture List</source>
        <translation>Lista de imágenes</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="30"/>
        <source>Brushwell allows you to save up to 15 different Picture Lists.  These lists contain the names of the pictures that will be used by the program. The program will use the list that is checked off under the Active Picture List heading. You can create lists for different students, create lists for different holidays, ... Please refer to the users guide for instructions on how to create your own pictures.  A few lists are already supplied with the program.</source>
        <translation>Brushwell le permite guardar hasta 15 listas de imágenes distintas. Estas listas contienen los nombres de las imágenes que usará el programa. El programa usa la lista marcada bajo el encabezado Lista activa. Puede crear listas para distintos alumnos, para distintas fiestas, ... La guía de uso explica cómo crear sus propias imágenes. El programa ya incluye algunas listas.</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="37"/>
        <source>Clicking the Edit Picture List button will bring up &quot;Windows Notepad&quot; and present the list.  When finished editing the file, just click save and exit from Notepad.  You can copy picture names from one list to another by simply clicking on the old list and cutting and pasting the names into the new list.  You can bypass a picture from being displayed by placing a dash before the picture name in the list.  For example -ball.bmp will cause the ball picture to be bypassed. When a picture is displayed on the screen for painting, the name of the picture is displayed in dark red right above the picture that is being painted.</source>
        <translation>El botón Editar lista abre la lista en el &quot;Bloc de notas de Windows&quot;. Cuando termine de editar el archivo, guárdelo y cierre el Bloc de notas. Puede copiar nombres de imágenes de una lista a otra abriendo la lista antigua y cortando y pegando los nombres en la nueva. Para que una imagen no se muestre, ponga un guion delante de su nombre en la lista. Por ejemplo, -ball.bmp hace que se salte la imagen de la pelota. Cuando una imagen se muestra en pantalla para colorearla, su nombre aparece en rojo oscuro justo encima de ella.</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="48"/>
        <source>Picture Workshop</source>
        <translation>Taller de imágenes</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="50"/>
        <source>Make pictures from drawings and photos, and edit the picture lists</source>
        <translation>Crear imágenes a partir de dibujos y fotos, y editar las listas de imágenes</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="58"/>
        <source>Active Picture List</source>
        <translation>Lista activa</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="62"/>
        <source>Picture List Description</source>
        <translation>Descripción de la lista</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="66"/>
        <source>Active Picture List %1</source>
        <translation>Lista de imágenes activa %1</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="70"/>
        <source>Picture List Description %1</source>
        <translation>Descripción de la lista de imágenes %1</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="72"/>
        <source>Edit Picture List #%1</source>
        <translation>Editar lista %1</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="110"/>
        <source>Enter a description for Picture List Number %1</source>
        <translation>Escriba una descripción para la lista de imágenes número %1</translation>
    </message>
</context>
<context>
    <name>PortIo</name>
    <message>
        <location filename="../src/platform/port_io.cpp" line="65"/>
        <source>no serial device for COM %1 (is the USB serial adapter plugged in?)</source>
        <translation>no hay puerto serie para COM %1 (¿está conectado el adaptador serie USB?)</translation>
    </message>
    <message>
        <location filename="../src/platform/port_io.cpp" line="154"/>
        <source>%1 cannot be opened</source>
        <translation>No se puede abrir %1</translation>
    </message>
    <message>
        <location filename="../src/platform/port_io.cpp" line="224"/>
        <source>no serial device</source>
        <translation>no hay puerto serie</translation>
    </message>
</context>
<context>
    <name>PrintingExitLink</name>
    <message>
        <location filename="../src/pictures/printing_exit_link.cpp" line="51"/>
        <source>Picture sent to printer</source>
        <translation>Imagen enviada a la impresora</translation>
    </message>
    <message>
        <location filename="../src/pictures/printing_exit_link.cpp" line="53"/>
        <source>The picture could not be printed.</source>
        <translation>No se pudo imprimir la imagen.</translation>
    </message>
    <message>
        <location filename="../src/pictures/printing_exit_link.cpp" line="62"/>
        <source>Double-tap here 
for main menu</source>
        <translation>Toque dos veces 
para el menú</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <location filename="../src/app/program_folder.cpp" line="86"/>
        <source>The folder %1 for your own settings and lists could not be made.</source>
        <translation>No se pudo crear la carpeta %1 para sus propios ajustes y listas.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="99"/>
        <source>The old link %1 could not be replaced.</source>
        <translation>No se pudo sustituir el enlace antiguo %1.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="104"/>
        <source>%1 could not be written (%2).</source>
        <translation>No se pudo escribir %1 (%2).</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="117"/>
        <source>%1 could not be copied into %2.</source>
        <translation>No se pudo copiar %1 en %2.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="119"/>
        <source>%1 could not be linked into %2.</source>
        <translation>No se pudo enlazar %1 en %2.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="137"/>
        <source>
Brushwell runs from %1, where your settings cannot be saved.</source>
        <translation>
Brushwell se ejecuta desde %1, donde no se pueden guardar sus ajustes.</translation>
    </message>
</context>
<context>
    <name>ProgressRecords</name>
    <message>
        <location filename="../src/records/progress_log.cpp" line="259"/>
        <source>The progress file %1 has no header row naming its columns (started, user, list, ...), so none of its rows can be shown.
The file is left as it is.</source>
        <translation>El archivo de progreso %1 no tiene una fila de encabezado que nombre sus columnas (started, user, list, ...), así que no se puede mostrar ninguna de sus filas.
El archivo se deja como está.</translation>
    </message>
    <message>
        <location filename="../src/session/progress_entry.cpp" line="69"/>
        <source>The progress record %1 could not be saved: %2.
Colouring goes on; the record of this picture is kept and saved with the next one.</source>
        <translation>No se pudo guardar el registro de progreso %1: %2.
El coloreado continúa; el registro de esta imagen se conserva y se guarda con el siguiente.</translation>
    </message>
</context>
<context>
    <name>ProgressScreen</name>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="63"/>
        <source>week of %1</source>
        <translation>semana del %1</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <location filename="../src/platform/qt_host.cpp" line="132"/>
        <source>No printer is set up on this computer, so the picture was not printed.
Set up a default printer in the system&apos;s printer settings and try again.</source>
        <translation>No hay ninguna impresora configurada en este ordenador, así que la imagen no se imprimió.
Configure una impresora predeterminada en los ajustes de impresoras del sistema y vuelva a intentarlo.</translation>
    </message>
    <message>
        <location filename="../src/platform/qt_host.cpp" line="137"/>
        <source>The printer &quot;%1&quot; cannot be used, so the picture was not printed.</source>
        <translation>No se puede usar la impresora &quot;%1&quot;, así que la imagen no se imprimió.</translation>
    </message>
    <message>
        <location filename="../src/platform/qt_host.cpp" line="142"/>
        <source>The printer &quot;%1&quot; reported an error, so the picture may not have been printed.</source>
        <translation>La impresora &quot;%1&quot; informó de un error, así que puede que la imagen no se haya impreso.</translation>
    </message>
</context>
<context>
    <name>RegionEdit</name>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="105"/>
        <source>Choose two different regions.</source>
        <translation>Elija dos regiones distintas.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="114"/>
        <source>These two regions do not touch.</source>
        <translation>Estas dos regiones no se tocan.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="217"/>
        <source>These two regions cannot be joined without opening the outline of another one.</source>
        <translation>Estas dos regiones no se pueden juntar sin abrir el contorno de otra.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="328"/>
        <source>Draw a longer line, across the region from one outline to the other.</source>
        <translation>Trace una línea más larga, a través de la región de un contorno al otro.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="340"/>
        <source>Draw the line across a region, not along an outline.</source>
        <translation>Trace la línea a través de una región, no a lo largo de un contorno.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="363"/>
        <source>The line did not divide the region. Draw it across, from one outline to the other.</source>
        <translation>La línea no dividió la región. Trácela de lado a lado, de un contorno al otro.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="387"/>
        <location filename="../tools/workshop/region_edit.cpp" line="426"/>
        <source>There is no line there to erase.</source>
        <translation>Ahí no hay ninguna línea que borrar.</translation>
    </message>
</context>
<context>
    <name>ScanScreen</name>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="38"/>
        <source>20 seconds</source>
        <translation>20 segundos</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="40"/>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/scan_screen.cpp" line="41"/>
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="52"/>
        <source>Scanning Options</source>
        <translation>Opciones de barrido</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="59"/>
        <source>The term &quot;Scan Position&quot;  is the position at which the paint tube has moved towards the picture and waits.  This is the color that will be used to paint the part of the picture if chosen. The &quot;Input Device&quot; option from the main menu will determine how the Swicth is configured.</source>
        <translation>La &quot;Posición de selección&quot; es el lugar donde el tubo de pintura se ha acercado a la imagen y espera. Ese es el color con el que se pintará la zona de la imagen si se elige. El botón &quot;Teclado / conmutador&quot; del menú principal determina cómo se configura el conmutador.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="65"/>
        <source>Timed Scanning</source>
        <translation>Barrido automático</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="66"/>
        <source>Step Scanning - 1 Switch</source>
        <translation>Barrido paso a paso - 1 conmutador</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="67"/>
        <source>Step Scanning - 2 Switches</source>
        <translation>Barrido paso a paso - 2 conmutadores</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="69"/>
        <source>No Scanning - Left mouse click on the desired paint tube to select that color.</source>
        <translation>Sin barrido - Haga clic izquierdo en el tubo de pintura deseado para elegir ese color.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="73"/>
        <source>Timed Scanning seconds</source>
        <translation>Segundos del barrido automático</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="75"/>
        <source>Step Scanning - 1 Switch seconds</source>
        <translation>Segundos del barrido paso a paso - 1 conmutador</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="90"/>
        <source>Set the slider bar to the number of seconds that the paint tube will wait in the &quot;Scan Position&quot; before the paint tube will move back in line and another paint tube will move to the &quot;Scan Position&quot;.  If the switch is pressed while the paint tube is in the &quot;Scan Position&quot;, the portion of the picture will be colored with the color of that paint tube.</source>
        <translation>Ajuste el control deslizante al número de segundos que el tubo de pintura espera en la &quot;Posición de selección&quot; antes de volver a la fila y de que otro tubo pase a la &quot;Posición de selección&quot;. Si se pulsa el conmutador mientras el tubo está en la &quot;Posición de selección&quot;, la zona de la imagen se colorea con el color de ese tubo.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="98"/>
        <source>Pressing the switch will cause the next paint tube in line to move into the &quot;Scan Position&quot;.  The number of seconds set in this option will determine the maximum seconds that the program will wait for a switch press in order to select another paint tube to go in the &quot;Scan Position&quot;.  If the switch was not pressed during this time, the program will assume that the paint tube in the &quot;Scan Position&quot; is the color that the user wants to paint that portion of the picture.</source>
        <translation>Cada pulsación del conmutador lleva el siguiente tubo de pintura de la fila a la &quot;Posición de selección&quot;. Los segundos que ajuste aquí son el tiempo máximo que el programa espera una pulsación para llevar otro tubo a la &quot;Posición de selección&quot;. Si no se pulsa el conmutador en ese tiempo, el programa entiende que el usuario quiere colorear la zona con el tubo que está en la &quot;Posición de selección&quot;.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="106"/>
        <source>The &lt;space&gt; key of left mouse click is used  to move a paint tube into the &quot;Scan Position&quot; and the &lt;Enter&gt; key (or any switch used to emulate the &lt;Enter&gt; key) is used to select that color for painting the portion of the picture.</source>
        <translation>La tecla &lt;espacio&gt; o el clic izquierdo llevan un tubo de pintura a la &quot;Posición de selección&quot;, y la tecla &lt;Intro&gt; (o cualquier conmutador que sustituya a la tecla &lt;Intro&gt;) elige ese color para colorear la zona de la imagen.</translation>
    </message>
</context>
<context>
    <name>ScreenWidgets</name>
    <message>
        <location filename="../src/menu/screen_widgets.cpp" line="54"/>
        <source>Main Menu</source>
        <translation>Menú</translation>
    </message>
</context>
<context>
    <name>SectionScan</name>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="33"/>
        <source>The width &amp; height of a picture file must be 400 by 400 pixels.
The dimensions for %1  is %2 by %3.
Please check %1 for accuracy</source>
        <translation>El ancho y el alto de un archivo de imagen deben ser de 400 por 400 píxeles.
Las dimensiones de %1 son %2 por %3.
Revise %1 para comprobar que es correcto</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="41"/>
        <source>The number of sections to color must be between 1 and 25. 
The number of sections found in %1 to color is %2.
Please check %1 for accuracy</source>
        <translation>El número de zonas que colorear debe estar entre 1 y 25. 
El número de zonas que colorear encontradas en %1 es %2.
Revise %1 para comprobar que es correcto</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="111"/>
        <source>The section file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo de zonas %1: %2</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="126"/>
        <source>The section file %1 could not be opened: %2</source>
        <translation>No se pudo abrir el archivo de zonas %1: %2</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="131"/>
        <location filename="../src/pictures/section_scan.cpp" line="136"/>
        <source>The section file %1 is far too large to be one.</source>
        <translation>El archivo de zonas %1 es demasiado grande para ser un archivo de zonas.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="150"/>
        <source>Line %1 of the section file %2 is not a number.</source>
        <translation>La línea %1 del archivo de zonas %2 no es un número.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="158"/>
        <source>The section file %1 holds no sections.</source>
        <translation>El archivo de zonas %1 no contiene zonas.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="162"/>
        <source>The section file %1 has an odd number of lines (%2).</source>
        <translation>El archivo de zonas %1 tiene un número impar de líneas (%2).</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="168"/>
        <source>The section file %1 holds %2 sections, more than %3.</source>
        <translation>El archivo de zonas %1 contiene %2 zonas, más de %3.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="181"/>
        <source>Section %1 of the section file %2 lies outside the picture (%3, %4).</source>
        <translation>La zona %1 del archivo de zonas %2 queda fuera de la imagen (%3, %4).</translation>
    </message>
</context>
<context>
    <name>SerialBackend</name>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="63"/>
        <source>cannot set the RTS and DTR lines</source>
        <translation>no se pueden ajustar las líneas RTS y DTR</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="71"/>
        <source>cannot read the modem lines</source>
        <translation>no se pueden leer las líneas del módem</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="96"/>
        <source>%1 was disconnected</source>
        <translation>%1 se ha desconectado</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="120"/>
        <source>%1: no permission. Add the user to the &quot;%2&quot; group and log in again.</source>
        <translation>%1: sin permiso. Añada al usuario al grupo &quot;%2&quot; y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="122"/>
        <source>%1: no permission (or the port is in use by another program).</source>
        <translation>%1: sin permiso (o el puerto lo usa otro programa).</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="126"/>
        <source>%1 is not there any more (unplugged?).</source>
        <translation>%1 ya no está (¿desconectado?).</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="128"/>
        <source>%1 cannot be opened: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
</context>
<context>
    <name>SessionDriver</name>
    <message>
        <location filename="../src/session/session_driver.cpp" line="38"/>
        <source>Picture List number %1 names %2 pictures; only the first %3 are used.</source>
        <translation>La lista de imágenes número %1 nombra %2 imágenes; solo se usan las %3 primeras.</translation>
    </message>
    <message>
        <location filename="../src/session/session_driver.cpp" line="53"/>
        <source>Picture List number %1 cannot be read: %2.
Please check the file, or choose another list on the Picture List screen.</source>
        <translation>No se puede leer la lista de imágenes número %1: %2.
Revise el archivo o elija otra lista en la pantalla Lista de imágenes.</translation>
    </message>
    <message>
        <location filename="../src/session/session_driver.cpp" line="64"/>
        <source>Picture List number %1 is empty</source>
        <translation>La lista de imágenes número %1 está vacía</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="59"/>
        <source>input device</source>
        <translation>dispositivo de entrada</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="60"/>
        <location filename="../src/settings/settings_file.cpp" line="69"/>
        <location filename="../src/settings/settings_file.cpp" line="73"/>
        <location filename="../src/settings/settings_file.cpp" line="74"/>
        <location filename="../src/settings/settings_file.cpp" line="75"/>
        <source>reserved value</source>
        <translation>valor reservado</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="61"/>
        <source>sound option</source>
        <translation>opción de sonido</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="62"/>
        <source>press reminder seconds</source>
        <translation>segundos del recordatorio de pulsación</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="63"/>
        <source>animation speed</source>
        <translation>velocidad de animación</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="65"/>
        <source>text folder</source>
        <translation>carpeta de textos</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="67"/>
        <source>media folder</source>
        <translation>carpeta de medios</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="70"/>
        <source>timed scanning seconds</source>
        <translation>segundos del barrido automático</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="71"/>
        <source>current picture</source>
        <translation>imagen actual</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="72"/>
        <source>current song</source>
        <translation>canción actual</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="76"/>
        <source>feedback option</source>
        <translation>opción de respuesta</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="77"/>
        <source>switch wait mode</source>
        <translation>modo de espera del conmutador</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="78"/>
        <source>coloring style</source>
        <translation>estilo de coloreado</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="79"/>
        <source>scanning type</source>
        <translation>tipo de barrido</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="80"/>
        <source>step scanning seconds</source>
        <translation>segundos del barrido paso a paso</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="81"/>
        <source>random colors</source>
        <translation>colores al azar</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="82"/>
        <source>number of random tubes</source>
        <translation>número de tubos al azar</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="83"/>
        <source>print option</source>
        <translation>opción de impresión</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="84"/>
        <source>pointer type</source>
        <translation>tipo de puntero</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="86"/>
        <source>color choice</source>
        <translation>elección de colores</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="89"/>
        <source>active picture list</source>
        <translation>lista de imágenes activa</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="216"/>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="227"/>
        <source>The settings file %1 was not found; the standard settings are used.</source>
        <translation>No se encontró el archivo de ajustes %1; se usan los ajustes estándar.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="229"/>
        <source>The settings file %1 could not be read (%2); the standard settings are used.</source>
        <translation>No se pudo leer el archivo de ajustes %1 (%2); se usan los ajustes estándar.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="243"/>
        <source>%1 ends before line %2; the settings from there on have their standard values.</source>
        <translation>%1 termina antes de la línea %2; los ajustes desde ahí tienen sus valores estándar.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="255"/>
        <source>Line %1 of %2 (%3) is not a number; the %4 keeps its standard value.</source>
        <translation>La línea %1 de %2 (%3) no es un número; el ajuste &quot;%4&quot; conserva su valor estándar.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="261"/>
        <source>Line %1 of %2 holds %3, outside the %4 range %5 to %6; the speed will be calibrated again.</source>
        <translation>La línea %1 de %2 contiene %3, fuera del intervalo de &quot;%4&quot;, de %5 a %6; la velocidad se volverá a calibrar.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="273"/>
        <source>Line %1 of %2 holds %3, which is not a valid %4 (%5 to %6); %7 is used.</source>
        <translation>La línea %1 de %2 contiene %3, que no es un valor válido para &quot;%4&quot; (de %5 a %6); se usa %7.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="284"/>
        <source>%1 ends before line %2; the descriptions of picture lists %3 to 15 are empty.</source>
        <translation>%1 termina antes de la línea %2; las descripciones de las listas de imágenes %3 a 15 están vacías.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="307"/>
        <source>the file is read-only, the settings are locked</source>
        <translation>el archivo es de solo lectura, los ajustes están bloqueados</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="314"/>
        <source>Brushwell found a problem in its settings and used standard values where needed:

</source>
        <translation>Brushwell encontró un problema en sus ajustes y usó valores estándar donde hacía falta:

</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="316"/>
        <source>- and %1 more.
</source>
        <translation>- y %1 más.
</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="317"/>
        <source>
Check the settings screens. The settings file is written again when you leave with &quot;Exit&quot;.</source>
        <translation>
Revise las pantallas de ajustes. El archivo de ajustes se vuelve a escribir al salir con &quot;Salir&quot;.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="390"/>
        <source>
Brushwell leaves %1 as it is and will not save over it. Make it readable again (or ask who set up this computer), then start Brushwell again.</source>
        <translation>
Brushwell deja %1 como está y no guardará nada encima. Vuelva a hacerlo legible (o pregunte a quien configuró este ordenador) y después vuelva a abrir Brushwell.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="408"/>
        <source>The settings were not saved: the settings file %1 could not be read when Brushwell started, so it is left as it was.</source>
        <translation>Los ajustes no se guardaron: el archivo de ajustes %1 no se pudo leer al iniciar Brushwell, así que se deja como estaba.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="412"/>
        <source>The settings are locked: the settings file %1 is read-only, so changes made since Brushwell started were not saved.</source>
        <translation>Los ajustes están bloqueados: el archivo de ajustes %1 es de solo lectura, así que los cambios hechos desde que se inició Brushwell no se guardaron.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="428"/>
        <source>The settings could not be saved to %1 (%2).
The file on disk was left as it was.</source>
        <translation>No se pudieron guardar los ajustes en %1 (%2).
El archivo del disco se ha dejado como estaba.</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <location filename="../src/session/setup.cpp" line="48"/>
        <source>The image file %1 of the program folder cannot be shown: %2.
Colouring needs it, so the main menu is shown again.
Putting the program folder&apos;s files back in place mends this.</source>
        <translation>No se puede mostrar el archivo de imagen %1 de la carpeta del programa: %2.
El coloreado lo necesita, así que se vuelve al menú principal.
Volver a colocar los archivos de la carpeta del programa lo soluciona.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/session/setup.cpp" line="58"/>
        <source>The settings offer %n paint colour(s), but colouring needs at least 2.
Choose the colours on the Coloring Options screen and start again.</source>
        <translation>
            <numerusform>Los ajustes ofrecen %n color de pintura, pero para colorear hacen falta al menos 2.
Elija los colores en la pantalla Opciones de coloreado y vuelva a empezar.</numerusform>
            <numerusform>Los ajustes ofrecen %n colores de pintura, pero para colorear hacen falta al menos 2.
Elija los colores en la pantalla Opciones de coloreado y vuelva a empezar.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/session/setup.cpp" line="140"/>
        <source>The picture file %1
was not found.Click on the Picture List Button
to make sure the name was spelled correctly</source>
        <translation>El archivo de imagen %1
no se ha encontrado.Haga clic en el botón Lista de imágenes
para comprobar que el nombre está bien escrito</translation>
    </message>
</context>
<context>
    <name>SingleProgram</name>
    <message>
        <location filename="../src/app/single_program.cpp" line="138"/>
        <source>Brushwell is already running.</source>
        <translation>Brushwell ya está en marcha.</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <location filename="../src/media/sound.cpp" line="157"/>
        <source>it is not a WAV file</source>
        <translation>no es un archivo WAV</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="166"/>
        <source>it is damaged: its format chunk runs past the end of the file</source>
        <translation>está dañado: su bloque de formato sobrepasa el final del archivo</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="167"/>
        <source>it is damaged: its format chunk is too short</source>
        <translation>está dañado: su bloque de formato es demasiado corto</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="172"/>
        <source>it is damaged: it claims %1 channels, and 1 to %2 are usable</source>
        <translation>está dañado: indica %1 canales, y solo se pueden usar de 1 a %2</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="177"/>
        <source>it is damaged: it claims a sample rate of %1 Hz, and %2 to %3 Hz are usable</source>
        <translation>está dañado: indica una frecuencia de muestreo de %1 Hz, y solo se pueden usar de %2 a %3 Hz</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="183"/>
        <source>it is damaged: its sound data comes before its format</source>
        <translation>está dañado: sus datos de sonido van antes de su formato</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="190"/>
        <source>it is damaged: it holds no sound data</source>
        <translation>está dañado: no contiene datos de sonido</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="191"/>
        <source>it is damaged: it has no format chunk</source>
        <translation>está dañado: no tiene bloque de formato</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="204"/>
        <location filename="../src/media/sound.cpp" line="210"/>
        <source>it is larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="229"/>
        <source>it is not a usable WAV file: it lasts more than %1 minutes</source>
        <translation>no es un archivo WAV utilizable: dura más de %1 minutos</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="287"/>
        <source>The sound file %1 could not be played (%2).
Brushwell goes on without it.</source>
        <translation>No se pudo reproducir el archivo de sonido %1 (%2).
Brushwell continúa sin él.</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="378"/>
        <source>Could&apos;t find song %1
The program is going to terminate</source>
        <translation>No se encuentra la canción %1
El programa se va a cerrar</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../src/app/startup.cpp" line="28"/>
        <source>Your screen settings are set to %1 colors.</source>
        <translation>Su pantalla está configurada con %1 colores.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="29"/>
        <source>See the Brushwell User&apos;s Guide on how to change your screen color settings</source>
        <translation>En la guía del usuario de Brushwell se explica cómo cambiar la configuración de colores de la pantalla</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="32"/>
        <source>Brushwell requires that your screen setting colors are set to at least 65,536 colors.</source>
        <translation>Brushwell necesita que la pantalla esté configurada con al menos 65.536 colores.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="38"/>
        <source>Though Brushwell will run with these settings,
it is recommended that you set your colors to True Color (32 Bit)</source>
        <translation>Aunque Brushwell funcionará con esta configuración,
se recomienda configurar los colores en True Color (32 bits)</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="72"/>
        <source>The user who coloured last, &quot;%1&quot;, is no longer in %2.
Brushwell starts with no user chosen; the carer can choose one with &quot;User&quot; on the main menu.</source>
        <translation>El usuario que coloreó por última vez, &quot;%1&quot;, ya no está en %2.
Brushwell se inicia sin usuario elegido; el cuidador puede elegir uno con &quot;Usuario&quot; en el menú principal.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="86"/>
        <source>There is no user called &quot;%1&quot; in %2.
Brushwell starts with no user chosen; the carer can choose one with &quot;User&quot; on the main menu.</source>
        <translation>No hay ningún usuario llamado &quot;%1&quot; en %2.
Brushwell se inicia sin usuario elegido; el cuidador puede elegir uno con &quot;Usuario&quot; en el menú principal.</translation>
    </message>
</context>
<context>
    <name>StatisticsScreen</name>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="19"/>
        <source>%1 minute(s) and %2 second(s)</source>
        <translation>%1 minuto(s) y %2 segundo(s)</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="24"/>
        <source>Timed Scanning</source>
        <translation>Barrido automático</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="25"/>
        <source>Step Scanning - 1 switch</source>
        <translation>Barrido paso a paso - 1 conmutador</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="26"/>
        <source>Step Scanning - 2 switches</source>
        <translation>Barrido paso a paso - 2 conmutadores</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="27"/>
        <source>No Scanning - Mouse click selects</source>
        <translation>Sin barrido - se elige con un clic del ratón</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="32"/>
        <source>Session Statistics</source>
        <translation>Estadísticas de la sesión</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="50"/>
        <source>Picture List Used:</source>
        <translation>Lista de imágenes usada:</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="51"/>
        <source>Time Elapsed:</source>
        <translation>Tiempo transcurrido:</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="52"/>
        <source>Number of Pictures Completed: </source>
        <translation>Número de imágenes terminadas: </translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="53"/>
        <source>Number of Segments Colored:</source>
        <translation>Número de zonas coloreadas:</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="54"/>
        <source>Scanning Type:</source>
        <translation>Tipo de barrido:</translation>
    </message>
</context>
<context>
    <name>SwitchAdapter</name>
    <message>
        <location filename="../src/input/switch_adapter.cpp" line="28"/>
        <source>Adapter in Joystick (Game) Port</source>
        <translation>Adaptador en el puerto de joystick (juegos)</translation>
    </message>
    <message>
        <location filename="../src/input/switch_adapter.cpp" line="29"/>
        <source>Adapter in COM %1</source>
        <translation>Adaptador en COM %1</translation>
    </message>
    <message>
        <location filename="../src/input/switch_adapter.cpp" line="76"/>
        <source>The switch on &quot;%1&quot; cannot be read:
%2
Until this is put right the switch reads as not pressed.</source>
        <translation>No se puede leer el conmutador en &quot;%1&quot;:
%2
Hasta que se solucione, el conmutador cuenta como no pulsado.</translation>
    </message>
</context>
<context>
    <name>SwitchInputs</name>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="107"/>
        <source>%1: &quot;%2&quot; names no key Brushwell knows; it is not used.</source>
        <translation>%1: &quot;%2&quot; no nombra ninguna tecla que Brushwell conozca; no se usa.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="109"/>
        <source>%1: &quot;%2&quot; is a modifier key, which cannot be a switch; it is not used.</source>
        <translation>%1: &quot;%2&quot; es una tecla modificadora, que no puede ser un conmutador; no se usa.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="111"/>
        <source>%1: &quot;%2&quot; is a key that already has its own meaning; it is not used.</source>
        <translation>%1: &quot;%2&quot; es una tecla que ya tiene su propia función; no se usa.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="117"/>
        <source>%1: &quot;%2&quot; names no mouse button (Left, Right, Middle, Back or Forward); it is not used.</source>
        <translation>%1: &quot;%2&quot; no nombra ningún botón del ratón (Left, Right, Middle, Back o Forward); no se usa.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="119"/>
        <source>%1: &quot;%2&quot; is the left mouse button, which is already switch 1; it is not used.</source>
        <translation>%1: &quot;%2&quot; es el botón izquierdo del ratón, que ya es el conmutador 1; no se usa.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="126"/>
        <source>%1: &quot;%2&quot; needs a joystick 1 to 16 and a button 1 to 32; it is not used.</source>
        <translation>%1: &quot;%2&quot; necesita un joystick del 1 al 16 y un botón del 1 al 32; no se usa.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="128"/>
        <source>%1: &quot;%2&quot; is not of the form Key:&lt;name&gt;, Mouse:&lt;button&gt; or Joystick:&lt;joystick&gt;:&lt;button&gt;; it is not used.</source>
        <translation>%1: &quot;%2&quot; no tiene la forma Key:&lt;nombre&gt;, Mouse:&lt;botón&gt; o Joystick:&lt;joystick&gt;:&lt;botón&gt;; no se usa.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="162"/>
        <source>the %1 key</source>
        <translation>la tecla %1</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="164"/>
        <source>the %1 mouse button</source>
        <translation>el botón del ratón %1</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="166"/>
        <source>button %1 of joystick %2</source>
        <translation>el botón %1 del joystick %2</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="181"/>
        <source>Switch2: &quot;%1&quot; is switch 1 already; it is not used.</source>
        <translation>Switch2: &quot;%1&quot; ya es el conmutador 1; no se usa.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="190"/>
        <source>Switch%1: %2 is not connected; it is read once it is plugged in.</source>
        <translation>Switch%1: %2 no está conectado; se leerá en cuanto se conecte.</translation>
    </message>
</context>
<context>
    <name>SwitchTimingScreen</name>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="19"/>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="25"/>
        <location filename="../src/menu/switch_timing_screen.cpp" line="37"/>
        <source>Switch Timing</source>
        <translation>Tiempos de pulsación</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="32"/>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="43"/>
        <source>These times apply to every switch, key and mouse button. Every option at its left end leaves Brushwell as it always was. Try a setting on the &quot;Test Switches&quot; screen.</source>
        <translation>Estos tiempos se aplican a cada conmutador, tecla y botón del ratón. Con cada opción en su extremo izquierdo, Brushwell funciona como siempre. Pruebe un ajuste en la pantalla &quot;Probar conmutadores&quot;.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="97"/>
        <source>Hold before a press counts</source>
        <translation>Mantener antes de que cuente</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="98"/>
        <source>The switch must be held this long before a press counts; a shorter touch counts for nothing. Helps users with tremor or spasms who hit the switch by accident.</source>
        <translation>El conmutador debe mantenerse pulsado este tiempo para que la pulsación cuente; un toque más corto no cuenta. Ayuda a usuarios con temblores o espasmos que tocan el conmutador sin querer.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="101"/>
        <source>Off: a press counts at once</source>
        <translation>Desactivado: cuenta al instante</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="102"/>
        <source>Ignore after a press</source>
        <translation>Ignorar tras una pulsación</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="103"/>
        <source>After a press that counted, anything within this time of letting go is ignored. Helps with switches that bounce and users who hit twice.</source>
        <translation>Tras una pulsación que ha contado, se ignora todo lo que ocurra en este tiempo después de soltar. Ayuda con conmutadores que rebotan y usuarios que pulsan dos veces.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="105"/>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="106"/>
        <source>First tube waits longer</source>
        <translation>El primer tubo espera más</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="107"/>
        <source>In timed scanning and step scanning with one switch, the first paint tube offered for each part of the picture waits this many times longer. Gives time to get ready after each painting.</source>
        <translation>En el barrido automático y en el barrido paso a paso con un conmutador, el primer tubo de pintura ofrecido para cada zona de la imagen espera este número de veces más. Da tiempo para prepararse después de cada coloreado.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="111"/>
        <source>Off: 1.0 times</source>
        <translation>Desactivado: 1.0 veces</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="112"/>
        <source>%1 times as long</source>
        <translation>%1 veces más</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="114"/>
        <source>Rest after scan cycles</source>
        <translation>Pausa tras vueltas</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="115"/>
        <source>In timed scanning, after this many rounds of all the tubes without a choice the tubes rest until the next press. Keeps the program quiet when the user has stopped or needs help.</source>
        <translation>En el barrido automático, tras este número de vueltas por todos los tubos sin elegir, los tubos se detienen hasta la siguiente pulsación. Así el programa queda en calma cuando el usuario ha parado o necesita ayuda.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="119"/>
        <source>Off: scanning never rests</source>
        <translation>Desactivado: sin pausas</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/switch_timing_screen.cpp" line="120"/>
        <source>after %n round(s)</source>
        <translation>
            <numerusform>tras %n vuelta</numerusform>
            <numerusform>tras %n vueltas</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="122"/>
        <source>Choose by resting the pointer</source>
        <translation>Elegir dejando el puntero</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="123"/>
        <source>In No Scanning, resting the mouse pointer on a paint tube this long chooses it, as a click does; a ring on the tube fills meanwhile. For eye-gaze and head pointers.</source>
        <translation>En Sin barrido, dejar el puntero del ratón este tiempo sobre un tubo de pintura lo elige, como un clic; mientras tanto se llena un anillo en el tubo. Para control con la mirada y ratones de cabeza.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="126"/>
        <source>Off: a click chooses</source>
        <translation>Desactivado: con un clic</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="127"/>
        <source>Pointer size</source>
        <translation>Tamaño del puntero</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="128"/>
        <source>The pointer that shows which part of the picture is coloured next, drawn this many times larger. For users with low vision.</source>
        <translation>El puntero que indica qué zona de la imagen se colorea a continuación, dibujado este número de veces más grande. Para usuarios con baja visión.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="131"/>
        <source>Standard size</source>
        <translation>Tamaño estándar</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="131"/>
        <source>%1 times larger</source>
        <translation>%1 veces más grande</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="153"/>
        <source>User chooses the &amp;next picture</source>
        <translation>El usuario elige la &amp;siguiente imagen</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="154"/>
        <source>Between pictures, the next ones are offered with the scanning in use. For users learning to make choices.</source>
        <translation>Entre imágenes, se ofrecen las siguientes con el barrido en uso. Para usuarios que aprenden a elegir.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="156"/>
        <source>User chooses the &amp;part to colour</source>
        <translation>El usuario elige la &amp;zona que colorea</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="157"/>
        <source>Before each colour, the parts not coloured yet are offered with the pointer. For users who choose reliably.</source>
        <translation>Antes de cada color, se ofrecen con el puntero las zonas aún sin colorear. Para usuarios que eligen con seguridad.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="159"/>
        <source>Show the &amp;hold</source>
        <translation>&amp;Mostrar la pulsación</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="160"/>
        <source>With a hold time, a ring on the tube fills while the switch is held. Shows the user how long to hold.</source>
        <translation>Con un tiempo de pulsación, un anillo se llena en el tubo mientras se mantiene pulsado el conmutador. Muestra al usuario cuánto tiempo mantener.</translation>
    </message>
</context>
<context>
    <name>TestSwitchesScreen</name>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="35"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="48"/>
        <source>Test Switches</source>
        <translation>Probar conmutadores</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="42"/>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="43"/>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="59"/>
        <source>Press the switches. A lamp lights while its switch is held and flashes yellow when a press counts with the timing now set. Mouse buttons count on the lamps. Escape or Alt+B goes back.</source>
        <translation>Pulse los conmutadores. Un indicador se enciende mientras su conmutador está pulsado y parpadea en amarillo cuando una pulsación cuenta con los tiempos ajustados ahora. Los botones del ratón cuentan sobre los indicadores. Esc o Alt+V para volver.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="65"/>
        <source>Switch lamps</source>
        <translation>Indicadores de los conmutadores</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="69"/>
        <source>Switch %1</source>
        <translation>Conmutador %1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="74"/>
        <source>Switch %1 hold</source>
        <translation>Pulsación del conmutador %1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="82"/>
        <source>&amp;Learn Switch %1</source>
        <translation>&amp;Aprender conmutador %1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="83"/>
        <source>L&amp;earn Switch 2</source>
        <translation>A&amp;prender conmutador 2</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="84"/>
        <source>Learn Switch %1</source>
        <translation>Aprender conmutador %1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="88"/>
        <source>Forget Learnt Inputs of Switch &amp;%1</source>
        <translation>Borrar lo aprendido del conmutador &amp;%1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="89"/>
        <source>Forget Learnt Inputs of Switch %1</source>
        <translation>Olvidar las entradas aprendidas del conmutador %1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="123"/>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="126"/>
        <source>Reading: %1. The device is chosen on &quot;Keyboard / Switch Information&quot;.</source>
        <translation>Leyendo: %1. El dispositivo se elige en &quot;Teclado / conmutador&quot;.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="148"/>
        <source>Press the key, the mouse button (on a lamp) or the joystick button that is to be switch %1. Escape cancels.</source>
        <translation>Pulse la tecla, el botón del ratón (sobre un indicador) o el botón del joystick que será el conmutador %1. Esc cancela.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="159"/>
        <source>Switch %1 has only its standard keys now.</source>
        <translation>El conmutador %1 ya solo tiene sus teclas estándar.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="180"/>
        <source>Not taken: %1 %2</source>
        <translation>No aceptado: %1 %2</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="199"/>
        <source>Switch %1 is now also %2.</source>
        <translation>El conmutador %1 ahora también es %2.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="206"/>
        <source>Space bar, 0 key</source>
        <translation>Barra espaciadora, tecla 0</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="206"/>
        <source>Enter key, 1 key</source>
        <translation>Tecla Intro, tecla 1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="209"/>
        <source>mouse clicks</source>
        <translation>clics del ratón</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="211"/>
        <source>the switch adapter</source>
        <translation>el adaptador de conmutador</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="244"/>
        <source>held</source>
        <translation>pulsado</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="245"/>
        <source>released</source>
        <translation>suelto</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="253"/>
        <source>Switch %1: %2 counted, %3 ignored, last hold %4</source>
        <translation>Conmutador %1: %2 contadas, %3 ignoradas, última pulsación %4</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="257"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="279"/>
        <source>Learning cancelled.</source>
        <translation>Aprendizaje cancelado.</translation>
    </message>
</context>
<context>
    <name>Users</name>
    <message>
        <location filename="../src/users/user_store.cpp" line="54"/>
        <source>the user&apos;s file could not be prepared</source>
        <translation>no se pudo preparar el archivo del usuario</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="106"/>
        <source>The folder %1 holds no user&apos;s name (%2 is missing or damaged); it is left as it is.</source>
        <translation>La carpeta %1 no contiene ningún nombre de usuario (%2 falta o está dañado); se deja como está.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="124"/>
        <source>Please type the user&apos;s name first.</source>
        <translation>Escriba primero el nombre del usuario.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="126"/>
        <source>The name is too long: a name may have at most %1 characters.</source>
        <translation>El nombre es demasiado largo: un nombre puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="129"/>
        <source>There is already a user called &quot;%1&quot;. Please give this user another name.</source>
        <translation>Ya hay un usuario llamado &quot;%1&quot;. Dé otro nombre a este usuario.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="140"/>
        <source>The folder %1 is already there; Brushwell leaves it as it is and makes no user.</source>
        <translation>La carpeta %1 ya existe; Brushwell la deja como está y no crea ningún usuario.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="141"/>
        <location filename="../src/users/user_store.cpp" line="146"/>
        <location filename="../src/users/user_store.cpp" line="162"/>
        <source>The folder %1 could not be made.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="153"/>
        <source>%1 could not be copied for the new user (%2).</source>
        <translation>No se pudo copiar %1 para el nuevo usuario (%2).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="159"/>
        <source>%1 could not be written (%2).</source>
        <translation>No se pudo escribir %1 (%2).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="165"/>
        <source>No user was made.</source>
        <translation>No se ha creado ningún usuario.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="175"/>
        <source>The folder %1 is not one of the users&apos; folders any more; nothing was renamed.</source>
        <translation>La carpeta %1 ya no es una carpeta de usuario; no se ha cambiado ningún nombre.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="181"/>
        <source>The folder %1 is already there; the user keeps the name &quot;%2&quot;.</source>
        <translation>La carpeta %1 ya existe; el usuario conserva el nombre &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="184"/>
        <source>The folder %1 could not be renamed; the user keeps the name &quot;%2&quot;.</source>
        <translation>No se pudo cambiar el nombre de la carpeta %1; el usuario conserva el nombre &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="189"/>
        <source>The new name could not be written (%1); the user keeps the name &quot;%2&quot;.</source>
        <translation>No se pudo escribir el nuevo nombre (%1); el usuario conserva el nombre &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="197"/>
        <source>The folder %1 is not one of the users&apos; folders any more; nothing was removed.</source>
        <translation>La carpeta %1 ya no es una carpeta de usuario; no se ha eliminado nada.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="202"/>
        <source>The folder %1 could not be removed; nothing was removed.</source>
        <translation>No se pudo eliminar la carpeta %1; no se ha eliminado nada.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="204"/>
        <source>Some files of the removed user could not be deleted; they are in %1.</source>
        <translation>Algunos archivos del usuario eliminado no se pudieron borrar; están en %1.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="213"/>
        <source>The picture %1 is too large (%2 x %3 pixels).</source>
        <translation>La imagen %1 es demasiado grande (%2 x %3 píxeles).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="215"/>
        <source>%1 could not be read as a picture (%2).</source>
        <translation>No se pudo leer %1 como imagen (%2).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="220"/>
        <source>The picture could not be prepared.</source>
        <translation>No se pudo preparar la imagen.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="224"/>
        <source>The picture could not be saved in %1 (%2).</source>
        <translation>No se pudo guardar la imagen en %1 (%2).</translation>
    </message>
    <message>
        <location filename="../src/users/active_user.cpp" line="43"/>
        <source>Brushwell could not note in %1 who is colouring (%2).
The next start may begin with the user noted before: check &quot;User&quot; on the main menu then.</source>
        <translation>Brushwell no pudo anotar en %1 quién está coloreando (%2).
El próximo inicio puede empezar con el usuario anotado antes: compruebe entonces &quot;Usuario&quot; en el menú principal.</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <location filename="../src/pictures/validation.cpp" line="40"/>
        <source>The picture file %1 cannot be shown:
%2.
Please check %1, or take it out of the picture list.</source>
        <translation>No se puede mostrar el archivo de imagen %1:
%2.
Revise %1 o quítelo de la lista de imágenes.</translation>
    </message>
    <message>
        <location filename="../src/pictures/validation.cpp" line="71"/>
        <source>The sections of %1 could not be saved in %2 (%3).
The picture can be coloured, but it will be checked again each time it is shown.</source>
        <translation>No se pudieron guardar las zonas de %1 en %2 (%3).
La imagen se puede colorear, pero se volverá a comprobar cada vez que se muestre.</translation>
    </message>
    <message>
        <location filename="../src/pictures/validation.cpp" line="95"/>
        <source>Can&apos;t open the file</source>
        <translation>No se puede abrir el archivo</translation>
    </message>
</context>
<context>
    <name>WorkshopWindow</name>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="21"/>
        <source>Brushwell Picture Workshop</source>
        <translation>Brushwell Taller de imágenes</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="23"/>
        <source>Workshop pages</source>
        <translation>Páginas del taller</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="31"/>
        <source>&amp;New Picture</source>
        <translation>&amp;Nueva imagen</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="32"/>
        <source>&amp;Picture Lists</source>
        <translation>&amp;Listas de imágenes</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="34"/>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="35"/>
        <source>Pictures and lists are saved in %1</source>
        <translation>Las imágenes y las listas se guardan en %1</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="46"/>
        <location filename="../tools/workshop/workshop_window.cpp" line="47"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="48"/>
        <source>Close the workshop (Ctrl+Q)</source>
        <translation>Cerrar el taller (Ctrl+Q)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="69"/>
        <source>The new picture is not saved. Close the workshop anyway?</source>
        <translation>La nueva imagen no está guardada. ¿Cerrar el taller de todos modos?</translation>
    </message>
</context>
<context>
    <name>camera::CameraSwitch</name>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="150"/>
        <source>The camera &quot;%1&quot; was disconnected. The other switches work as before; the camera is used again as soon as it is connected.</source>
        <translation>La cámara &quot;%1&quot; se ha desconectado. Los demás conmutadores funcionan como antes; la cámara se vuelve a usar en cuanto se conecte.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="180"/>
        <source>The camera is off.</source>
        <translation>La cámara está apagada.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="218"/>
        <source>The video file &quot;%1&quot; (Source in brushwell.ini) does not exist. The other switches work as before.</source>
        <translation>El archivo de vídeo &quot;%1&quot; (Source en brushwell.ini) no existe. Los demás conmutadores funcionan como antes.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="228"/>
        <source>The video file &quot;%1&quot; cannot be played (%2). The other switches work as before.</source>
        <translation>No se puede reproducir el archivo de vídeo &quot;%1&quot; (%2). Los demás conmutadores funcionan como antes.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="232"/>
        <source>The video file &quot;%1&quot; has ended.</source>
        <translation>El archivo de vídeo &quot;%1&quot; ha terminado.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="234"/>
        <source>Opening the video file &quot;%1&quot;…</source>
        <translation>Abriendo el archivo de vídeo &quot;%1&quot;…</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="246"/>
        <source>The chosen camera (%1) is not connected. The other switches work as before; the camera is used as soon as it is connected.</source>
        <translation>La cámara elegida (%1) no está conectada. Los demás conmutadores funcionan como antes; la cámara se usa en cuanto se conecte.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="253"/>
        <source>No camera is connected. The other switches work as before; a camera is used as soon as one is connected.</source>
        <translation>No hay ninguna cámara conectada. Los demás conmutadores funcionan como antes; se usará una cámara en cuanto se conecte una.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="265"/>
        <source>The camera &quot;%1&quot; cannot be used (%2). Another program may be using it. The other switches work as before; Brushwell tries again every few seconds.</source>
        <translation>No se puede usar la cámara &quot;%1&quot; (%2). Puede que otro programa la esté usando. Los demás conmutadores funcionan como antes; Brushwell vuelve a intentarlo cada pocos segundos.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="269"/>
        <source>Opening the camera &quot;%1&quot;…</source>
        <translation>Abriendo la cámara &quot;%1&quot;…</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="303"/>
        <source>The camera &quot;%1&quot; sends no pictures. The other switches work as before; the camera is used again as soon as it sends pictures.</source>
        <translation>La cámara &quot;%1&quot; no envía imágenes. Los demás conmutadores funcionan como antes; la cámara se vuelve a usar en cuanto envíe imágenes.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="348"/>
        <source>Using the video file &quot;%1&quot; instead of a camera.</source>
        <translation>Se usa el archivo de vídeo &quot;%1&quot; en lugar de una cámara.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="349"/>
        <source>Using the camera &quot;%1&quot;.</source>
        <translation>Se usa la cámara &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>menu::Banner</name>
    <message>
        <location filename="../src/menu/banner.cpp" line="161"/>
        <source>Gallery</source>
        <translation>Galería</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="163"/>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <location filename="../src/menu/banner_users.cpp" line="15"/>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <location filename="../src/menu/banner_users.cpp" line="35"/>
        <source>No user chosen</source>
        <translation>Ningún usuario elegido</translation>
    </message>
    <message>
        <location filename="../src/menu/banner_users.cpp" line="35"/>
        <source>Colouring now: %1</source>
        <translation>Colorea ahora: %1</translation>
    </message>
</context>
<context>
    <name>menu::CameraPreview</name>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="52"/>
        <source>Camera picture</source>
        <translation>Imagen de la cámara</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="53"/>
        <source>Arrow keys move the rectangle, Shift and the arrow keys change its size, 1 and 2 choose the switch, Delete removes the rectangle.</source>
        <translation>Las flechas mueven el rectángulo, Mayús y las flechas cambian su tamaño, 1 y 2 eligen el conmutador, Supr quita el rectángulo.</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="109"/>
        <source>No picture</source>
        <translation>Sin imagen</translation>
    </message>
</context>
<context>
    <name>menu::CameraScreen</name>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="232"/>
        <location filename="../src/menu/camera_screen.cpp" line="245"/>
        <source>Camera Switch</source>
        <translation>Conmutador de cámara</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="239"/>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="240"/>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="251"/>
        <source>Draw a rectangle on the picture around the movement that is to press each switch (a head turn, a hand lift). Movement inside it presses the switch; a change of the whole picture&apos;s brightness does not.</source>
        <translation>Dibuje en la imagen un rectángulo alrededor del movimiento que debe pulsar cada conmutador (girar la cabeza, levantar una mano). El movimiento dentro de él pulsa el conmutador; un cambio de brillo de toda la imagen, no.</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="257"/>
        <source>&amp;Use the camera as switches</source>
        <translation>&amp;Usar la cámara como conmutadores</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="260"/>
        <source>C&amp;amera:</source>
        <translation>&amp;Cámara:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="262"/>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="283"/>
        <source>Rectangle of:</source>
        <translation>Rectángulo de:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="285"/>
        <location filename="../src/menu/camera_screen.cpp" line="288"/>
        <source>Switch %1</source>
        <translation>Conmutador %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="290"/>
        <source>Remove Rectangle %1</source>
        <translation>Quitar rectángulo %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="292"/>
        <source>Sensitivity:</source>
        <translation>Sensibilidad:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="296"/>
        <source>Sensitivity of switch %1</source>
        <translation>Sensibilidad del conmutador %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="300"/>
        <source>Movement:</source>
        <translation>Movimiento:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="302"/>
        <source>Movement at switch %1</source>
        <translation>Movimiento en el conmutador %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="305"/>
        <source>Switch &amp;%1</source>
        <translation>Conmutador &amp;%1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="306"/>
        <source>Rectangle of switch %1</source>
        <translation>Rectángulo del conmutador %1</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="411"/>
        <source>Video file %1 (Source in brushwell.ini)</source>
        <translation>Archivo de vídeo %1 (Source en brushwell.ini)</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="416"/>
        <source>The standard camera</source>
        <translation>La cámara estándar</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="420"/>
        <source>%1 (not connected)</source>
        <translation>%1 (no conectada)</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="446"/>
        <source>held</source>
        <translation>pulsado</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="446"/>
        <source>released</source>
        <translation>suelto</translation>
    </message>
</context>
<context>
    <name>menu::GalleryModel</name>
    <message>
        <location filename="../src/menu/gallery_model.cpp" line="73"/>
        <source>Without a user</source>
        <translation>Sin usuario</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_model.cpp" line="103"/>
        <source>%1
%2
%3 (unfinished)</source>
        <translation>%1
%2
%3 (sin terminar)</translation>
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
        <translation>%1, %2, sin terminar</translation>
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
        <translation>Galería</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="42"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="43"/>
        <source>%1, coloured by %2 on %3</source>
        <translation>%1, coloreada por %2 el %3</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="44"/>
        <source>Less than a minute</source>
        <translation>Menos de un minuto</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="44"/>
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="45"/>
        <source>%1; %2 of %n section(s) coloured</source>
        <translation>
            <numerusform>%1; %2 de %n zona coloreada</numerusform>
            <numerusform>%1; %2 de %n zonas coloreadas</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="46"/>
        <source>Unfinished: Start goes on with it when Resume is set.</source>
        <translation>Sin terminar: Empezar continúa con ella cuando Reanudar está activado.</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="51"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>menu::GalleryScreen</name>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="58"/>
        <source>Gallery</source>
        <translation>Galería</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="66"/>
        <source>User:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="68"/>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="71"/>
        <source>From:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="73"/>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="76"/>
        <source>To:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="78"/>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="89"/>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="104"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="105"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="106"/>
        <source>Booklet (PDF)</source>
        <translation>Cuadernillo (PDF)</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="107"/>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="132"/>
        <source>Everyone</source>
        <translation>Todos</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="156"/>
        <source>%n picture(s)</source>
        <translation>
            <numerusform>%n imagen</numerusform>
            <numerusform>%n imágenes</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="171"/>
        <source>Choose a picture in the list first.</source>
        <translation>Elija primero una imagen de la lista.</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="193"/>
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="201"/>
        <location filename="../src/menu/gallery_screen.cpp" line="204"/>
        <source>%n picture(s) sent to the printer.</source>
        <translation>
            <numerusform>%n imagen enviada a la impresora.</numerusform>
            <numerusform>%n imágenes enviadas a la impresora.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="213"/>
        <source>booklet</source>
        <translation>cuadernillo</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="215"/>
        <source>Save the booklet</source>
        <translation>Guardar el cuadernillo</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="215"/>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="225"/>
        <source>The booklet could not be saved as %1: %2.</source>
        <translation>No se pudo guardar el cuadernillo como %1: %2.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="229"/>
        <source>The booklet of %n picture(s) was saved as %1.</source>
        <translation>
            <numerusform>El cuadernillo de %n imagen se guardó como %1.</numerusform>
            <numerusform>El cuadernillo de %n imágenes se guardó como %1.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="231"/>
        <source>These pictures could not be read and were left out:
%1</source>
        <translation>Estas imágenes no se pudieron leer y se han dejado fuera:
%1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="239"/>
        <source>Delete %n picture(s) from the gallery? They cannot be brought back.</source>
        <translation>
            <numerusform>¿Borrar %n imagen de la galería? No se podrá recuperar.</numerusform>
            <numerusform>¿Borrar %n imágenes de la galería? No se podrán recuperar.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="245"/>
        <source>These pictures could not be deleted (is the folder read-only?):
%1</source>
        <translation>Estas imágenes no se pudieron borrar (¿es la carpeta de solo lectura?):
%1</translation>
    </message>
</context>
<context>
    <name>menu::LevelBar</name>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="205"/>
        <source>movement %1 %, level %2 %</source>
        <translation>movimiento %1 %, nivel %2 %</translation>
    </message>
</context>
<context>
    <name>menu::ProgressScreen</name>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="47"/>
        <source>Progress report</source>
        <translation>Informe de progreso</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="50"/>
        <source>the PDF file could not be started</source>
        <translation>no se pudo empezar el archivo PDF</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="75"/>
        <source>Brushwell progress report</source>
        <translation>Informe de progreso de Brushwell</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="77"/>
        <source>User: %1</source>
        <translation>Usuario: %1</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="78"/>
        <source>Dates: %1</source>
        <translation>Fechas: %1</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="79"/>
        <source>Per: %1</source>
        <translation>Por: %1</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="81"/>
        <source>Made on %1</source>
        <translation>Hecho el %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/progress_report.cpp" line="129"/>
        <source>Only the latest %n period(s) fit on this page; the CSV export holds every picture.</source>
        <translation>
            <numerusform>Solo cabe en esta página el último periodo; la exportación CSV contiene todas las imágenes.</numerusform>
            <numerusform>Solo caben en esta página los últimos %n periodos; la exportación CSV contiene todas las imágenes.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="138"/>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="138"/>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="142"/>
        <location filename="../src/menu/progress_report.cpp" line="156"/>
        <source>The file %1 could not be saved: %2.</source>
        <translation>No se pudo guardar el archivo %1: %2.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="144"/>
        <source>The progress records were saved as %1.</source>
        <translation>Los registros de progreso se guardaron como %1.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="152"/>
        <source>PDF Report</source>
        <translation>Informe PDF</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="152"/>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="158"/>
        <source>The report was saved as %1.</source>
        <translation>El informe se guardó como %1.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="69"/>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="86"/>
        <source>&amp;User:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="94"/>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="95"/>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="97"/>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="98"/>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="99"/>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="102"/>
        <source>&amp;Per:</source>
        <translation>&amp;Por:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="107"/>
        <source>Pictures finished</source>
        <translation>Imágenes terminadas</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="108"/>
        <source>Median time to choose (seconds)</source>
        <translation>Tiempo mediano de elección (segundos)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="109"/>
        <source>Presses counted (%)</source>
        <translation>Pulsaciones contadas (%)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="116"/>
        <source>Progress table</source>
        <translation>Tabla de progreso</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="118"/>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="118"/>
        <source>Pictures started</source>
        <translation>Imágenes empezadas</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="118"/>
        <source>Finished</source>
        <translation>Terminadas</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="119"/>
        <source>Time to choose</source>
        <translation>Tiempo de elección</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="119"/>
        <source>Presses counted</source>
        <translation>Pulsaciones contadas</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="120"/>
        <source>Presses ignored</source>
        <translation>Pulsaciones ignoradas</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="120"/>
        <source>Sections cleared</source>
        <translation>Zonas borradas</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="137"/>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="138"/>
        <source>PDF &amp;Report...</source>
        <translation>&amp;Informe PDF...</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="165"/>
        <source>Without a user (the program&apos;s folder)</source>
        <translation>Sin usuario (la carpeta del programa)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="190"/>
        <source>The progress file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo de progreso %1: %2.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="215"/>
        <source>No pictures have been recorded for this user yet.</source>
        <translation>Aún no se ha registrado ninguna imagen para este usuario.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/progress_screen.cpp" line="216"/>
        <source>%n picture(s) started in this range, %1 finished.</source>
        <translation>
            <numerusform>%n imagen empezada en este intervalo, %1 terminada(s).</numerusform>
            <numerusform>%n imágenes empezadas en este intervalo, %1 terminada(s).</numerusform>
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
        <translation>del %1 al %2</translation>
    </message>
</context>
<context>
    <name>menu::TestSwitchesScreen</name>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="53"/>
        <source>C&amp;amera Switch</source>
        <translation>Conmutador de &amp;cámara</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="54"/>
        <source>Camera Switch</source>
        <translation>Conmutador de cámara</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="217"/>
        <source>movement seen by the camera</source>
        <translation>movimiento que ve la cámara</translation>
    </message>
</context>
<context>
    <name>menu::UsersScreen</name>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="17"/>
        <location filename="../src/menu/users_screen.cpp" line="31"/>
        <source>Users</source>
        <translation>Usuarios</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="22"/>
        <source>Each user has their own settings, place in the picture lists, finished pictures and progress records. Choose who is colouring now.</source>
        <translation>Cada usuario tiene sus propios ajustes, su lugar en las listas de imágenes, sus imágenes terminadas y su registro de progreso. Elija quién colorea ahora.</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="37"/>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="39"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="47"/>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="48"/>
        <source>Make User</source>
        <translation>Crear usuario</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="49"/>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="50"/>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="51"/>
        <source>Picture...</source>
        <translation>Imagen...</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="61"/>
        <source>Yes, Remove</source>
        <translation>Sí, eliminar</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="62"/>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="97"/>
        <source>No user (this folder&apos;s own settings)</source>
        <translation>Ningún usuario (los ajustes propios de esta carpeta)</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="111"/>
        <source>Colouring now: no user (this folder&apos;s own settings).</source>
        <translation>Colorea ahora: ningún usuario (los ajustes propios de esta carpeta).</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="112"/>
        <source>Colouring now: %1</source>
        <translation>Colorea ahora: %1</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="184"/>
        <source>Remove the user &quot;%1&quot;? This deletes the folder %2 and everything in it: the user&apos;s settings and place in the picture lists, own picture lists, finished pictures and progress records. This cannot be undone.</source>
        <translation>¿Eliminar el usuario &quot;%1&quot;? Esto borra la carpeta %2 y todo su contenido: los ajustes del usuario y su lugar en las listas de imágenes, sus propias listas de imágenes, sus imágenes terminadas y su registro de progreso. No se puede deshacer.</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="215"/>
        <source>A Picture for %1</source>
        <translation>Una imagen para %1</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="218"/>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>AuditoryScreen</name>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="37"/>
        <source>Auditory / Print Settings</source>
        <translation>הגדרות שמע / הדפסה</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="43"/>
        <source>Music / Narration Options</source>
        <translation>אפשרויות מוזיקה / קריינות</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="45"/>
        <source>**Auditory Narration of Colors</source>
        <translation>**הקראת שמות הצבעים</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="46"/>
        <source>Music</source>
        <translation>מוזיקה</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="47"/>
        <source>No Sound</source>
        <translation>ללא צליל</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="50"/>
        <source>Feedback when the user finished coloring the picture</source>
        <translation>משוב בסיום צביעת התמונה</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="52"/>
        <source>**Human Voice Complimenting</source>
        <translation>**מחמאה בקול אנושי</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="53"/>
        <source>Nothing</source>
        <translation>ללא</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="56"/>
        <source>Print Options</source>
        <translation>אפשרויות הדפסה</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="58"/>
        <source>Show and Enable Print Button</source>
        <translation>הצגה והפעלה של כפתור ההדפסה</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="59"/>
        <source>Hide and Disable Print Button</source>
        <translation>הסתרה וביטול של כפתור ההדפסה</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="65"/>
        <source>Language of the spoken words:</source>
        <translation>שפת הקריינות:</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="68"/>
        <source>Language of the spoken words</source>
        <translation>שפת הקריינות</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="79"/>
        <source>Language of the screens:</source>
        <translation>שפת המסכים:</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="81"/>
        <source>Language of the screens</source>
        <translation>שפת המסכים</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="91"/>
        <source>** The spoken color names and compliments are recordings in the program folder, in English, Dutch, French, Spanish, German and Hebrew. For another language, record them with any sound recorder, save them as WAV files with the names listed in the user guide and put them in the folder voices/ followed by the language code (for example voices/it/); a missing one is spoken in English.</source>
        <translation>** שמות הצבעים והמחמאות המושמעים הם הקלטות בתיקיית התוכנית, באנגלית, הולנדית, צרפתית, ספרדית, גרמנית ועברית. לשפה אחרת, יש להקליט אותם בכל תוכנת הקלטה, לשמור אותם כקובצי WAV בשמות המפורטים במדריך למשתמש ולשים אותם בתיקייה ⁨voices/⁩ ואחריה קוד השפה (למשל ⁨voices/it/⁩); הקלטה חסרה מושמעת באנגלית.</translation>
    </message>
    <message>
        <location filename="../src/menu/auditory_screen.cpp" line="131"/>
        <source>The screens are shown in %1 from the next start of Brushwell; messages are shown in it from now on.</source>
        <translation>המסכים יוצגו ב⁨%1⁩ מההפעלה הבאה של Brushwell; ההודעות מוצגות בשפה זו כבר מעכשיו.</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <location filename="../src/menu/banner.cpp" line="31"/>
        <source>Options</source>
        <translation>אפשרויות</translation>
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
        <translation>הגדרות</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="113"/>
        <source>Program Settings and Information</source>
        <translation>הגדרות ומידע על התוכנית</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="118"/>
        <source>Auditory Settings</source>
        <translation>הגדרות שמע</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="119"/>
        <source>Keyboard / Switch Information</source>
        <translation>מקלדת / מתגים</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="120"/>
        <source>Picture List</source>
        <translation>רשימת תמונות</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="121"/>
        <source>Scan Settings</source>
        <translation>הגדרות סריקה</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="122"/>
        <source>Coloring Options</source>
        <translation>אפשרויות צביעה</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="123"/>
        <source>Animation Speed Settings</source>
        <translation>מהירות ההנפשה</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="135"/>
        <source>Start</source>
        <translation>התחלה</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="136"/>
        <source>User Guide</source>
        <translation>מדריך למשתמש</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="137"/>
        <source>Exit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="149"/>
        <source>Note:  In order to return back to this screen after you click Start,  press the &lt;Esc&gt; key.</source>
        <translation>הערה: כדי לחזור למסך זה לאחר הלחיצה על &quot;התחלה&quot;, יש ללחוץ על המקש &lt;Esc&gt;.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="190"/>
        <source>The picture %1 is missing or damaged.
Brushwell cannot start without it; please install the program folder again.</source>
        <translation>התמונה ⁨%1⁩ חסרה או פגומה.
התוכנה Brushwell אינה יכולה לפעול בלעדיה; יש להתקין מחדש את תיקיית התוכנית.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="454"/>
        <source>&quot;%1&quot; cannot open the colouring screen: it is missing from this copy of Brushwell.
Please install the complete program.</source>
        <translation>&quot;⁨%1⁩&quot; אינו יכול לפתוח את מסך הצביעה: הוא חסר בעותק זה של Brushwell.
יש להתקין את התוכנית המלאה.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="509"/>
        <source>The Picture Workshop is already open.</source>
        <translation>סדנת התמונות כבר פתוחה.</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="517"/>
        <source>The Picture Workshop cannot be opened: %1.
Please install the complete program.</source>
        <translation>לא ניתן לפתוח את סדנת התמונות: ⁨%1⁩.
יש להתקין את התוכנית המלאה.</translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <location filename="../src/pictures/calibration.cpp" line="58"/>
        <source>The picture %1 cannot be shown (%2).
The speed test moves a plain yellow bar instead.</source>
        <translation>לא ניתן להציג את התמונה ⁨%1⁩ (⁨%2⁩).
בדיקת המהירות מזיזה במקומה פס צהוב פשוט.</translation>
    </message>
    <message>
        <location filename="../src/pictures/calibration.cpp" line="132"/>
        <source>Setting: %1</source>
        <translation>הגדרה: ⁨%1⁩</translation>
    </message>
</context>
<context>
    <name>ColoringOptionsScreen</name>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="81"/>
        <source>Coloring Options</source>
        <translation>אפשרויות צביעה</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="88"/>
        <source>Colors</source>
        <translation>צבעים</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="97"/>
        <source>Choose your own colors</source>
        <translation>בחירת צבעים ידנית</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="98"/>
        <source>Select a minimum of two colors</source>
        <translation>יש לבחור לפחות שני צבעים</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Red</source>
        <translation>אדום</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Yellow</source>
        <translation>צהוב</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Green</source>
        <translation>ירוק</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Blue</source>
        <translation>כחול</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Purple</source>
        <translation>סגול</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Brown</source>
        <translation>חום</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Gray</source>
        <translation>אפור</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Orange</source>
        <translation>כתום</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Pink</source>
        <translation>ורוד</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="101"/>
        <source>Tan</source>
        <translation>בז&apos;</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="109"/>
        <source>or</source>
        <translation>או</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="115"/>
        <source>Random Colors</source>
        <translation>צבעים אקראיים</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="117"/>
        <source>Check this box if you want the program to pick colors randomly. Set the slider bar to the number of random colored paint tubes that the user will be able to choose from.</source>
        <translation>יש לסמן תיבה זו כדי שהתוכנית תבחר צבעים באקראי. בעזרת המחוון קובעים מכמה שפופרות צבע אקראיות המשתמש יוכל לבחור.</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="121"/>
        <source>Number of random colored paint tubes</source>
        <translation>מספר שפופרות הצבע האקראיות</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="130"/>
        <source>Coloring Style</source>
        <translation>סגנון צביעה</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="137"/>
        <source>Solid</source>
        <translation>מלא</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="138"/>
        <source>Horizontal stripes</source>
        <translation>פסים אופקיים</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="139"/>
        <source>Verrical stripes</source>
        <translation>פסים אנכיים</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="140"/>
        <source>Diagonal going downward</source>
        <translation>אלכסון כלפי מטה</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="141"/>
        <source>Diagonal going upward</source>
        <translation>אלכסון כלפי מעלה</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="142"/>
        <source>Crosses</source>
        <translation>רשת</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="143"/>
        <source>Diagonal crosses</source>
        <translation>רשת אלכסונית</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="157"/>
        <source>Choose the pointer type to the section of the picture to be colored</source>
        <translation>סוג הסמן המצביע על האזור שייצבע</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="163"/>
        <source>Paintbrush</source>
        <translation>מכחול</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="163"/>
        <source>Red Arrow</source>
        <translation>חץ אדום</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="163"/>
        <source>Colored Cones</source>
        <translation>קונוסים צבעוניים</translation>
    </message>
    <message>
        <location filename="../src/menu/coloring_options_screen.cpp" line="193"/>
        <source>At least 2 colors must be selected</source>
        <translation>יש לבחור לפחות 2 צבעים</translation>
    </message>
</context>
<context>
    <name>CompanionProgram</name>
    <message>
        <location filename="../src/platform/companion_program.cpp" line="38"/>
        <source>%1 is missing from the program folder %2</source>
        <translation>⁨%1⁩ חסר בתיקיית התוכנית ⁨%2⁩</translation>
    </message>
    <message>
        <location filename="../src/platform/companion_program.cpp" line="39"/>
        <source>%1 in %2 may not be run</source>
        <translation>אין הרשאה להפעיל את ⁨%1⁩ שב-⁨%2⁩</translation>
    </message>
    <message>
        <location filename="../src/platform/companion_program.cpp" line="42"/>
        <source>%1 could not be started</source>
        <translation>לא ניתן היה להפעיל את ⁨%1⁩</translation>
    </message>
</context>
<context>
    <name>CreditsWindow</name>
    <message>
        <location filename="../src/app/credits_window.cpp" line="25"/>
        <source>English</source>
        <translation>אנגלית</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="25"/>
        <source>Dutch</source>
        <translation>הולנדית</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="26"/>
        <source>French</source>
        <translation>צרפתית</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="26"/>
        <source>Spanish</source>
        <translation>ספרדית</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="27"/>
        <source>German</source>
        <translation>גרמנית</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="27"/>
        <source>Hebrew</source>
        <translation>עברית</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="58"/>
        <source>%1 speech synthesizer, voice %2</source>
        <translation>מנוע דיבור ⁨%1⁩, קול ⁨%2⁩</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="63"/>
        <location filename="../src/app/credits_window.cpp" line="81"/>
        <source>Credits</source>
        <translation>קרדיטים</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="89"/>
        <source>Voice Narration</source>
        <translation>קריינות</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="99"/>
        <source>Technical Advisor</source>
        <translation>ייעוץ טכני</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="99"/>
        <location filename="../src/app/credits_window.cpp" line="100"/>
        <location filename="../src/app/credits_window.cpp" line="102"/>
        <location filename="../src/app/credits_window.cpp" line="104"/>
        <source>The Brushwell contributors</source>
        <translation>התורמים ל-Brushwell</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="100"/>
        <source>Educational Content Advisors</source>
        <translation>ייעוץ לתוכן חינוכי</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="101"/>
        <source>Graphic Image Processing</source>
        <translation>עיבוד גרפי של תמונות</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="101"/>
        <source>Brushwell&apos;s own image tools, built on Qt</source>
        <translation>כלי התמונה של Brushwell, הבנויים על Qt</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="102"/>
        <source>Art Work</source>
        <translation>איורים</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="103"/>
        <source>Music</source>
        <translation>מוזיקה</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="103"/>
        <source>Public-domain melodies, synthesized by Brushwell&apos;s tools</source>
        <translation>מנגינות בנחלת הכלל, שהופקו בכלים של Brushwell</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="104"/>
        <source>Programming</source>
        <translation>תכנות</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="107"/>
        <source>Brushwell Version 2</source>
        <translation>Brushwell גרסה 2</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="108"/>
        <source>The Brushwell project</source>
        <translation>פרויקט Brushwell</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="109"/>
        <source>Contact: through the Brushwell project&apos;s issue tracker</source>
        <translation>יצירת קשר: דרך מערכת מעקב התקלות של פרויקט Brushwell</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="110"/>
        <source>Copyright (C) the Brushwell contributors.</source>
        <translation>זכויות יוצרים (C) התורמים ל-Brushwell.</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="111"/>
        <source>Brushwell is free software: GNU General Public License, version 3 or later.</source>
        <translation>התוכנה Brushwell חופשית: GNU General Public License, גרסה 3 ואילך.</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="112"/>
        <source>It comes with no warranty. The licence is the file LICENSE in the program folder.</source>
        <translation>היא מסופקת ללא אחריות. הרישיון נמצא בקובץ LICENSE בתיקיית התוכנית.</translation>
    </message>
    <message>
        <location filename="../src/app/credits_window.cpp" line="117"/>
        <location filename="../src/app/credits_window.cpp" line="118"/>
        <source>Quit</source>
        <translation>יציאה</translation>
    </message>
</context>
<context>
    <name>DeviceScreen</name>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="40"/>
        <source>Keys and switches</source>
        <translation>מקשים ומתגים</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="45"/>
        <source>Colors the picture with the current paint tube</source>
        <translation>צובע את התמונה בשפופרת הצבע הנוכחית</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="46"/>
        <source>Move to the next paint tube.</source>
        <translation>מעבר לשפופרת הצבע הבאה.</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="47"/>
        <source>Clears the last part of the picture that was colored</source>
        <translation>מוחק את האזור האחרון שנצבע</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="48"/>
        <source>Skip to the next picture immediately</source>
        <translation>דילוג מיידי לתמונה הבאה</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="50"/>
        <source>Key Pressed</source>
        <translation>המקש שנלחץ</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="50"/>
        <source>Timed Scanning</source>
        <translation>סריקה מתוזמנת</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="50"/>
        <source>Step Scanning 1 Switch</source>
        <translation>סריקה בצעדים, מתג אחד</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="51"/>
        <source>Step Scanning 2 Switches</source>
        <translation>סריקה בצעדים, שני מתגים</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="51"/>
        <source>No Scanning</source>
        <translation>ללא סריקה</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="52"/>
        <source>Left Mouse Click, Space Bar or the number 0</source>
        <translation>לחיצה שמאלית בעכבר, מקש הרווח או הספרה 0</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="53"/>
        <source>Colors the picture with the paint tube that the mouse arrow is pointing to</source>
        <translation>צובע את התמונה בשפופרת הצבע שסמן העכבר מצביע עליה</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="54"/>
        <source>&lt;Enter&gt; key or the number 1</source>
        <translation>המקש &lt;Enter&gt; או הספרה 1</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="55"/>
        <source>The letter &quot;c&quot; or the number 2</source>
        <translation>האות &quot;c&quot; או הספרה 2</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="56"/>
        <source>The letter &quot;a&quot; or the number 3</source>
        <translation>האות &quot;a&quot; או הספרה 3</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="80"/>
        <location filename="../src/menu/device_screen.cpp" line="90"/>
        <source>Keyboard / Switch Information</source>
        <translation>מקלדת / מתגים</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="97"/>
        <source>The following keyboard keys are also active during the program.  These buttons can be emulated with switch presses.</source>
        <translation>מקשי המקלדת הבאים פעילים גם הם במהלך התוכנית. ניתן לדמות אותם בלחיצות על מתג.</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 1</source>
        <translation>מתאם ביציאה COM 1</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 2</source>
        <translation>מתאם ביציאה COM 2</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 3</source>
        <translation>מתאם ביציאה COM 3</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in COM 4</source>
        <translation>מתאם ביציאה COM 4</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Adapter in Joystick (Game) Port</source>
        <translation>מתאם ביציאת הג&apos;ויסטיק (משחקים)</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="109"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="29"/>
        <source>Mouse Click or Keyboard Space bar</source>
        <translation>לחיצת עכבר או מקש הרווח</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="133"/>
        <source>Switch Timing</source>
        <translation>תזמון מתגים</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="134"/>
        <source>Test Switches</source>
        <translation>בדיקת מתגים</translation>
    </message>
    <message>
        <location filename="../src/menu/device_screen.cpp" line="139"/>
        <source>Hold and release times, dwell selection and more switches; and a test of what each switch does.</source>
        <translation>זמני החזקה ושחרור, בחירה בהשתהות ומתגים נוספים; ובדיקה של מה שכל מתג עושה.</translation>
    </message>
</context>
<context>
    <name>FileViewer</name>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="46"/>
        <source>No program to show %1 was found, so Brushwell shows it here. Choose a chapter on the left.</source>
        <translation>לא נמצאה תוכנה להצגת ⁨%1⁩, ולכן Brushwell מציגה אותו כאן. יש לבחור פרק ברשימה שבצד.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="49"/>
        <source>%1 cannot be read: %2</source>
        <translation>לא ניתן לקרוא את ⁨%1⁩: ⁨%2⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="53"/>
        <source>Contents</source>
        <translation>תוכן העניינים</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="61"/>
        <source>User Guide</source>
        <translation>מדריך למשתמש</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="87"/>
        <source>No text editor was found, so Brushwell shows %1 here. One picture name a line; lines starting with &quot;-&quot; are skipped.</source>
        <translation>לא נמצא עורך טקסט, ולכן Brushwell מציגה את ⁨%1⁩ כאן. שם תמונה אחד בכל שורה; שורות שמתחילות ב-&quot;-&quot; מדולגות.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="90"/>
        <source>%1 cannot be read (%2); what you type here is saved as a new list.</source>
        <translation>לא ניתן לקרוא את ⁨%1⁩ (⁨%2⁩); מה שתקלידו כאן יישמר כרשימה חדשה.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="93"/>
        <source>Picture list </source>
        <translation>רשימת תמונות </translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="102"/>
        <location filename="../src/menu/file_viewer.cpp" line="103"/>
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="107"/>
        <location filename="../src/menu/file_viewer.cpp" line="108"/>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="124"/>
        <source>The picture list could not be saved to %1:
%2
Nothing was changed; the text stays here.</source>
        <translation>לא ניתן היה לשמור את רשימת התמונות ב-⁨%1⁩:
⁨%2⁩
דבר לא שונה; הטקסט נשאר כאן.</translation>
    </message>
    <message>
        <location filename="../src/menu/file_viewer.cpp" line="136"/>
        <source>Save the changes to the picture list?</source>
        <translation>לשמור את השינויים ברשימת התמונות?</translation>
    </message>
</context>
<context>
    <name>GalleryBooklet</name>
    <message>
        <location filename="../src/records/gallery_booklet.cpp" line="49"/>
        <source>Coloured by %1 on %2</source>
        <translation>נצבעה על ידי ⁨%1⁩ ב-⁨%2⁩</translation>
    </message>
    <message>
        <location filename="../src/records/gallery_booklet.cpp" line="70"/>
        <source>none of the chosen pictures could be read</source>
        <translation>לא ניתן היה לקרוא אף אחת מהתמונות שנבחרו</translation>
    </message>
    <message>
        <location filename="../src/records/gallery_booklet.cpp" line="81"/>
        <source>Pictures coloured with Brushwell</source>
        <translation>תמונות שנצבעו ב-Brushwell</translation>
    </message>
</context>
<context>
    <name>GalleryKeeping</name>
    <message>
        <location filename="../src/session/gallery_keeping.cpp" line="101"/>
        <source>The picture %1 could not be kept in the gallery folder %2: %3.
Colouring goes on; pictures are not kept until this is mended (room on the disk, a folder that can be written).</source>
        <translation>לא ניתן היה לשמור את התמונה ⁨%1⁩ בתיקיית הגלריה ⁨%2⁩: ⁨%3⁩.
הצביעה ממשיכה; תמונות לא יישמרו עד שהבעיה תתוקן (מקום בדיסק, תיקייה שאפשר לכתוב בה).</translation>
    </message>
</context>
<context>
    <name>GalleryPicture</name>
    <message>
        <location filename="../src/records/gallery_picture.cpp" line="180"/>
        <source>the picture could not be made into a PNG file</source>
        <translation>לא ניתן היה להפוך את התמונה לקובץ PNG</translation>
    </message>
    <message>
        <location filename="../src/records/gallery_picture.cpp" line="183"/>
        <source>the folder %1 cannot be made</source>
        <translation>לא ניתן ליצור את התיקייה ⁨%1⁩</translation>
    </message>
</context>
<context>
    <name>GamePort</name>
    <message>
        <location filename="../src/platform/game_port.cpp" line="114"/>
        <source>joystick support could not start: %1</source>
        <translation>התמיכה בג&apos;ויסטיק לא הצליחה לפעול: ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/platform/game_port.cpp" line="130"/>
        <source>no joystick is connected</source>
        <translation>לא מחובר ג&apos;ויסטיק</translation>
    </message>
    <message>
        <location filename="../src/platform/game_port.cpp" line="138"/>
        <source>the joystick cannot be opened (%1); check the permissions of /dev/input/event*</source>
        <translation>לא ניתן לפתוח את הג&apos;ויסטיק (⁨%1⁩); יש לבדוק את ההרשאות של ⁨/dev/input/event*⁩</translation>
    </message>
    <message>
        <location filename="../src/platform/game_port.cpp" line="183"/>
        <source>no joystick</source>
        <translation>אין ג&apos;ויסטיק</translation>
    </message>
</context>
<context>
    <name>ImagePipeline</name>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="277"/>
        <source>%1 cannot be used: %2.</source>
        <translation>לא ניתן להשתמש ב-⁨%1⁩: ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="281"/>
        <source>the file does not exist</source>
        <translation>הקובץ אינו קיים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="282"/>
        <source>it is a folder, not a picture file</source>
        <translation>זו תיקייה, לא קובץ תמונה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="283"/>
        <source>this user may not read it</source>
        <translation>למשתמש זה אין הרשאה לקרוא אותו</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="284"/>
        <source>the file is empty</source>
        <translation>הקובץ ריק</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="288"/>
        <source>it is not a picture that can be read (PNG, JPEG, BMP, GIF and SVG can)</source>
        <translation>זו אינה תמונה שניתן לקרוא (ניתן לקרוא PNG, JPEG, BMP, GIF ו-SVG)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="297"/>
        <location filename="../tools/workshop/image_pipeline.cpp" line="306"/>
        <source>it is too large for the workshop to open; make it smaller in a photo program first</source>
        <translation>היא גדולה מדי לפתיחה בסדנה; יש להקטין אותה קודם בתוכנת תמונות</translation>
    </message>
    <message>
        <location filename="../tools/workshop/image_pipeline.cpp" line="304"/>
        <source>it could not be decoded (%1)</source>
        <translation>לא ניתן היה לפענח אותו (⁨%1⁩)</translation>
    </message>
</context>
<context>
    <name>ListModel</name>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="48"/>
        <source>a picture needs a name</source>
        <translation>לתמונה חייב להיות שם</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="49"/>
        <source>a name that begins with &quot;-&quot; is skipped by Brushwell</source>
        <translation>התוכנה Brushwell מדלגת על שם שמתחיל ב-&quot;-&quot;</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="50"/>
        <source>a name with a double quote cannot stand in a list</source>
        <translation>שם עם מירכאות אינו יכול להופיע ברשימה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="51"/>
        <source>a name must be one line</source>
        <translation>שם חייב להיות בשורה אחת</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="65"/>
        <source>%1 cannot be read (%2).</source>
        <translation>לא ניתן לקרוא את ⁨%1⁩ (⁨%2⁩).</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="101"/>
        <source>The settings file %1 is missing from %2.</source>
        <translation>קובץ ההגדרות ⁨%1⁩ חסר ב-⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_model.cpp" line="115"/>
        <source>The settings file %1 is damaged or missing, so the descriptions were not saved. Start Brushwell once and leave it with &quot;Exit&quot;: it repairs the file.</source>
        <translation>קובץ ההגדרות ⁨%1⁩ פגום או חסר, ולכן התיאורים לא נשמרו. יש להפעיל את Brushwell פעם אחת ולצאת ממנה דרך &quot;יציאה&quot;: כך הקובץ יתוקן.</translation>
    </message>
</context>
<context>
    <name>ListPage</name>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="53"/>
        <source>Picture &amp;lists</source>
        <translation>רשימות תמו&amp;נות</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="54"/>
        <source>Picture lists</source>
        <translation>רשימות תמונות</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="62"/>
        <source>&amp;Description of this list:</source>
        <translation>&amp;תיאור הרשימה:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="63"/>
        <source>Description of this list</source>
        <translation>תיאור הרשימה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="67"/>
        <source>Pictures in colouring &amp;order (drag, or use the buttons):</source>
        <translation>התמונות בסדר ה&amp;צביעה (גרירה או הכפתורים):</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="68"/>
        <source>Pictures in colouring order</source>
        <translation>התמונות בסדר הצביעה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="76"/>
        <source>Missing pictures</source>
        <translation>תמונות חסרות</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="81"/>
        <source>Move &amp;Up</source>
        <translation>הזזה למ&amp;עלה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="82"/>
        <source>Move Do&amp;wn</source>
        <translation>הזזה למ&amp;טה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="83"/>
        <source>&amp;Remove</source>
        <translation>&amp;הסרה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="84"/>
        <source>Add &amp;Heading...</source>
        <translation>הוספת &amp;כותרת...</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="85"/>
        <source>&amp;Undo</source>
        <translation>&amp;ביטול פעולה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="86"/>
        <source>&amp;Save List</source>
        <translation>&amp;שמירת הרשימה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="92"/>
        <source>Pictures in the &amp;folder:</source>
        <translation>התמונות בתי&amp;קייה:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="93"/>
        <source>Pictures in the folder</source>
        <translation>התמונות בתיקייה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="101"/>
        <source>&amp;Add to List</source>
        <translation>הו&amp;ספה לרשימה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="151"/>
        <source>List %1</source>
        <translation>רשימה ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="151"/>
        <source>List %1: %2</source>
        <translation>רשימה ⁨%1⁩: ⁨%2⁩</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="159"/>
        <source>

The descriptions cannot be saved until the settings file is whole again.</source>
        <translation>

לא ניתן לשמור את התיאורים עד שקובץ ההגדרות יהיה שלם שוב.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="233"/>
        <source>Heading: %1</source>
        <translation>כותרת: ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="235"/>
        <source>%1   (not in the folder)</source>
        <translation>⁨%1⁩   (לא בתיקייה)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="238"/>
        <source>%1, not in the folder</source>
        <translation>⁨%1⁩, לא בתיקייה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="250"/>
        <source>Not in the program folder: %1. They stay in the list; Brushwell ends the session when it reaches one, so add the picture or remove the name.</source>
        <translation>לא בתיקיית התוכנית: ⁨%1⁩. הם נשארים ברשימה; Brushwell מסיימת את המפגש כשהיא מגיעה לאחד מהם, לכן יש להוסיף את התמונה או להסיר את השם.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="289"/>
        <source>Removed from the list (the picture stays in the folder). Undo brings it back.</source>
        <translation>הוסר מהרשימה (התמונה נשארת בתיקייה). &quot;ביטול פעולה&quot; מחזיר אותו.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="306"/>
        <source>Choose one or more pictures in the folder first.</source>
        <translation>יש לבחור קודם תמונה אחת או יותר בתיקייה.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="314"/>
        <source>%1 cannot be added: %2.</source>
        <translation>לא ניתן להוסיף את ⁨%1⁩: ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="338"/>
        <source>List %1 could not be saved (%2). The file on disk was left as it was.</source>
        <translation>לא ניתן היה לשמור את רשימה ⁨%1⁩ (⁨%2⁩). הקובץ בדיסק נשאר כפי שהיה.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="345"/>
        <source>The list was saved, but its description was not:

%1</source>
        <translation>הרשימה נשמרה, אבל התיאור שלה לא:

⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="350"/>
        <source>List %1 saved. Brushwell uses it from the next session on.</source>
        <translation>רשימה ⁨%1⁩ נשמרה. Brushwell תשתמש בה החל מהמפגש הבא.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/list_page.cpp" line="357"/>
        <source>List %1 has changes that are not saved. Save them?</source>
        <translation>ברשימה ⁨%1⁩ יש שינויים שלא נשמרו. לשמור אותם?</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <location filename="../tools/workshop/main.cpp" line="28"/>
        <source>Makes colouring pictures from drawings and photos, and edits picture lists.</source>
        <translation>יוצרת תמונות לצביעה מציורים ומתצלומים ועורכת רשימות תמונות.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="30"/>
        <source>the program folder (default: the one Brushwell uses)</source>
        <translation>תיקיית התוכנית (ברירת מחדל: זו ש-Brushwell משתמשת בה)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="35"/>
        <source>the folder of the user colouring now, whose list descriptions and own lists are edited (default: the program folder)</source>
        <translation>התיקייה של המשתמש שצובע עכשיו, שתיאורי הרשימות והרשימות שלו נערכים (ברירת מחדל: תיקיית התוכנית)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="38"/>
        <source>a drawing or photo to open</source>
        <translation>ציור או תצלום לפתיחה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="44"/>
        <location filename="../tools/workshop/main.cpp" line="46"/>
        <location filename="../tools/workshop/main.cpp" line="51"/>
        <source>Brushwell Picture Workshop</source>
        <translation>סדנת התמונות של Brushwell</translation>
    </message>
    <message>
        <location filename="../tools/workshop/main.cpp" line="46"/>
        <location filename="../tools/workshop/main.cpp" line="51"/>
        <source>The folder %1 does not exist.</source>
        <translation>התיקייה ⁨%1⁩ אינה קיימת.</translation>
    </message>
</context>
<context>
    <name>Mainform</name>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="146"/>
        <source>Processing New Picture, Please Wait ...</source>
        <translation>הכנת תמונה חדשה, נא להמתין ...</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="148"/>
        <location filename="../src/pictures/mainform.cpp" line="150"/>
        <source>Print</source>
        <translation>הדפסה</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="163"/>
        <source>Left is Faster - Right is Slower</source>
        <translation>שמאלה מהר יותר - ימינה לאט יותר</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="164"/>
        <source>Animation speed</source>
        <translation>מהירות ההנפשה</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="172"/>
        <location filename="../src/pictures/mainform.cpp" line="174"/>
        <source>Test Speed</source>
        <translation>בדיקת מהירות</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="178"/>
        <location filename="../src/pictures/mainform.cpp" line="180"/>
        <source>Main Menu</source>
        <translation>תפריט ראשי</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="186"/>
        <source>Move the slider bar in small adjustments to adjust the speed then press the &quot;Test Speed&quot; Button.</source>
        <translation>יש להזיז את המחוון בצעדים קטנים כדי לכוון את המהירות, ואז ללחוץ על הכפתור &quot;בדיקת מהירות&quot;.</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="192"/>
        <source>Before the first picture Brushwell needs to know how fast to move on this computer, so set the speed here; &quot;Main Menu&quot; keeps it, and it is asked for only once.</source>
        <translation>לפני התמונה הראשונה, Brushwell צריכה לדעת באיזו מהירות לנוע במחשב זה, לכן יש לקבוע כאן את המהירות; &quot;תפריט ראשי&quot; שומר אותה, והשאלה נשאלת פעם אחת בלבד.</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="197"/>
        <source>Faster</source>
        <translation>מהר יותר</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="200"/>
        <source>Slower</source>
        <translation>לאט יותר</translation>
    </message>
    <message>
        <location filename="../src/pictures/mainform.cpp" line="314"/>
        <source>Dwell progress</source>
        <translation>התקדמות ההשתהות</translation>
    </message>
</context>
<context>
    <name>NewPicturePage</name>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="76"/>
        <source>&amp;Open Drawing or Photo...</source>
        <translation>&amp;פתיחת ציור או תצלום...</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="76"/>
        <source>Open Drawing or Photo</source>
        <translation>פתיחת ציור או תצלום</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="77"/>
        <source>It is a &amp;drawing</source>
        <translation>זה &amp;ציור</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="77"/>
        <source>It is a drawing</source>
        <translation>זה ציור</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="78"/>
        <source>It is a p&amp;hoto</source>
        <translation>זה &amp;תצלום</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="78"/>
        <source>It is a photo</source>
        <translation>זה תצלום</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="92"/>
        <source>Original</source>
        <translation>מקור</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="93"/>
        <source>Original picture</source>
        <translation>התמונה המקורית</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="99"/>
        <source>Colouring picture (numbers: the colouring order)</source>
        <translation>תמונת הצביעה (מספרים: סדר הצביעה)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="100"/>
        <source>Colouring picture preview</source>
        <translation>תצוגה מקדימה של תמונת הצביעה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="101"/>
        <source>Click a section to choose it; arrow keys move its marker</source>
        <translation>לחיצה על אזור בוחרת בו; מקשי החצים מזיזים את נקודת הסימון שלו</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="134"/>
        <source>Drawing</source>
        <translation>ציור</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="136"/>
        <source>Line darkness</source>
        <translation>כהות הקווים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="138"/>
        <source>Close gaps</source>
        <translation>סגירת פערים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="142"/>
        <source>Line dar&amp;kness:</source>
        <translation>&amp;כהות הקווים:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="142"/>
        <source>only dark lines</source>
        <translation>רק קווים כהים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="143"/>
        <source>faint lines too</source>
        <translation>גם קווים חיוורים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="144"/>
        <source>Close &amp;gaps:</source>
        <translation>סגירת פ&amp;ערים:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="144"/>
        <source>0: none</source>
        <translation>0: ללא</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="144"/>
        <source>5: wide gaps</source>
        <translation>5: פערים רחבים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="145"/>
        <source>Photo</source>
        <translation>תצלום</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="147"/>
        <source>Detail</source>
        <translation>פירוט</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="152"/>
        <source>De&amp;tail:</source>
        <translation>פירו&amp;ט:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="152"/>
        <source>1: few large areas</source>
        <translation>1: מעט שטחים גדולים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="153"/>
        <source>10: many small</source>
        <translation>10: הרבה קטנים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="158"/>
        <source>Sections</source>
        <translation>אזורים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="160"/>
        <source>Sections in colouring order</source>
        <translation>האזורים בסדר הצביעה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="164"/>
        <source>Colour &amp;Earlier</source>
        <translation>צביעה מו&amp;קדמת יותר</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="164"/>
        <source>Colour Earlier</source>
        <translation>צביעה מוקדמת יותר</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="165"/>
        <source>Colour &amp;Later</source>
        <translation>צביעה מ&amp;אוחרת יותר</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="165"/>
        <source>Colour Later</source>
        <translation>צביעה מאוחרת יותר</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="169"/>
        <source>&amp;Merge Small Regions</source>
        <translation>&amp;מיזוג שטחים קטנים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="169"/>
        <source>Merge Small Regions</source>
        <translation>מיזוג שטחים קטנים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="170"/>
        <source>D&amp;rop Small Regions</source>
        <translation>&amp;השמטת שטחים קטנים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="170"/>
        <source>Drop Small Regions</source>
        <translation>השמטת שטחים קטנים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="171"/>
        <source>The small regions in red stay white and are not coloured.</source>
        <translation>השטחים הקטנים באדום נשארים לבנים ואינם נצבעים.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="172"/>
        <source>Merge Down to &amp;25 Sections</source>
        <translation>מיזוג עד &amp;25 אזורים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="172"/>
        <source>Merge Down to 25 Sections</source>
        <translation>מיזוג עד 25 אזורים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="178"/>
        <source>On the picture</source>
        <translation>על התמונה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="180"/>
        <source>A click chooses a section</source>
        <translation>לחיצה בוחרת אזור</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="181"/>
        <location filename="../tools/workshop/new_picture_page.cpp" line="182"/>
        <source>A click moves the section&apos;s marker</source>
        <translation>לחיצה מזיזה את נקודת הסימון של האזור</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="183"/>
        <source>Two clicks &amp;join two regions</source>
        <translation>שתי לחיצות מחברות שנ&amp;י שטחים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="183"/>
        <source>Two clicks join two regions</source>
        <translation>שתי לחיצות מחברות שני שטחים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="184"/>
        <source>A line dra&amp;wn across a region splits it</source>
        <translation>קו לרוחב שטח מח&amp;לק אותו</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="185"/>
        <source>A line drawn across a region splits it</source>
        <translation>קו לרוחב שטח מחלק אותו</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="186"/>
        <source>A click or a stroke erases l&amp;ines</source>
        <translation>לחיצה או משיכה מ&amp;וחקות קווים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="187"/>
        <source>A click or a stroke erases lines</source>
        <translation>לחיצה או משיכה מוחקות קווים</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="188"/>
        <source>Click one region, then the one beside it: the line between them goes.</source>
        <translation>יש ללחוץ על שטח אחד ואז על השטח שלידו: הקו ביניהם נעלם.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="189"/>
        <source>Hold the button down and draw across the region, from one outline to the other.</source>
        <translation>יש להחזיק את הכפתור לחוץ ולצייר לרוחב השטח, מקו מתאר אחד לשני.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="190"/>
        <source>A click on a stray line or dot takes it away; drag along a line to rub it out.</source>
        <translation>לחיצה על קו או נקודה תועים מסירה אותם; גרירה לאורך קו מוחקת אותו.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="199"/>
        <source>&amp;Undo</source>
        <translation>&amp;ביטול פעולה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="199"/>
        <source>Undo</source>
        <translation>ביטול פעולה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="200"/>
        <source>Redo</source>
        <translation>ביצוע חוזר</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="201"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="202"/>
        <source>Ctrl+Shift+Z or Ctrl+Y</source>
        <translation>Ctrl+Shift+Z או Ctrl+Y</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="208"/>
        <location filename="../tools/workshop/new_picture_page.cpp" line="380"/>
        <source>Open a drawing or a photo to begin.</source>
        <translation>כדי להתחיל, יש לפתוח ציור או תצלום.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="208"/>
        <source>Remarks</source>
        <translation>הערות</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="214"/>
        <source>Pi&amp;cture name:</source>
        <translation>שם התמו&amp;נה:</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="215"/>
        <source>Picture name</source>
        <translation>שם התמונה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="216"/>
        <source>for example: our_dog</source>
        <translation>לדוגמה: our_dog</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="218"/>
        <source>&amp;Save Picture</source>
        <translation>&amp;שמירת התמונה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="218"/>
        <source>Save Picture</source>
        <translation>שמירת התמונה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="255"/>
        <source>Joined small regions %1 time(s).</source>
        <translation>שטחים קטנים חוברו ⁨%1⁩ פעמים.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="259"/>
        <source>The small regions are left white.</source>
        <translation>השטחים הקטנים נשארים לבנים.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="262"/>
        <source>Joined the smallest sections %1 time(s).</source>
        <translation>האזורים הקטנים ביותר חוברו ⁨%1⁩ פעמים.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="280"/>
        <source>Open a Drawing or a Photo</source>
        <translation>פתיחת ציור או תצלום</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="283"/>
        <source>Drawings and photos (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.PNG *.JPG *.JPEG *.BMP *.GIF *.SVG)</source>
        <translation>ציורים ותצלומים (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.PNG *.JPG *.JPEG *.BMP *.GIF *.SVG)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="284"/>
        <source>All files (*)</source>
        <translation>כל הקבצים (*)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="333"/>
        <source>Nothing could be made of this picture.</source>
        <translation>לא ניתן היה ליצור דבר מתמונה זו.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="337"/>
        <source>The picture was made again.</source>
        <translation>התמונה נוצרה מחדש.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="338"/>
        <source>Preview made in %1 ms.</source>
        <translation>התצוגה המקדימה נוצרה תוך ⁨%1⁩ ms.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="341"/>
        <source>Opened %1.</source>
        <translation>⁨%1⁩ נפתח.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="342"/>
        <source>%1 x %2 pixels; first preview after %3 ms.</source>
        <translation>⁨%1⁩ על ⁨%2⁩ פיקסלים; תצוגה מקדימה ראשונה אחרי ⁨%3⁩ ms.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="374"/>
        <source>Section %1</source>
        <translation>אזור ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="376"/>
        <source>%1 pixels; marker at %2, %3</source>
        <translation>⁨%1⁩ פיקסלים; נקודת סימון ב-⁨%2⁩, ⁨%3⁩</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="397"/>
        <source>That region is too small for a marker: join it to a neighbour, or drop it.</source>
        <translation>שטח זה קטן מדי לנקודת סימון: יש לחבר אותו לשטח שכן, או להשמיט אותו.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="404"/>
        <source>A marker cannot stand there: it needs white all round it, inside a section.</source>
        <translation>נקודת סימון אינה יכולה לעמוד שם: היא צריכה לבן מכל צדדיה, בתוך אזור.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="410"/>
        <source>Click inside a region, not on a line.</source>
        <translation>יש ללחוץ בתוך שטח, לא על קו.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="414"/>
        <source>Now click the region beside it to join the two.</source>
        <translation>עכשיו יש ללחוץ על השטח שלידו כדי לחבר את שניהם.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="420"/>
        <source>The two regions are joined.</source>
        <translation>שני השטחים חוברו.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="430"/>
        <source>Hold the button down and draw a line across the region.</source>
        <translation>יש להחזיק את הכפתור לחוץ ולצייר קו לרוחב השטח.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="456"/>
        <source>The region is split in two.</source>
        <translation>השטח חולק לשניים.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="458"/>
        <source>Erased. Regions the line divided are now one.</source>
        <translation>נמחק. שטחים שהקו הפריד ביניהם הם עכשיו שטח אחד.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="458"/>
        <source>Erased.</source>
        <translation>נמחק.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="496"/>
        <source> %1 stay red, or their shape would be lost: join them by hand, or drop them.</source>
        <translation> ⁨%1⁩ נשארים באדום, אחרת הצורה שלהם תאבד: יש לחבר אותם ידנית, או להשמיט אותם.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="524"/>
        <source>Done again.</source>
        <translation>בוצע שוב.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="531"/>
        <source>Open a drawing or a photo first.</source>
        <translation>יש לפתוח קודם ציור או תצלום.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="536"/>
        <source>Give the picture a name of letters, digits, spaces, &quot;_&quot; or &quot;-&quot;, beginning with a letter or digit.</source>
        <translation>יש לתת לתמונה שם מאותיות לטיניות, ספרות, רווחים, &quot;_&quot; או &quot;-&quot;, שמתחיל באות או בספרה.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="539"/>
        <source>Names beginning with &quot;aobj_&quot; belong to Brushwell&apos;s own files. Choose another name.</source>
        <translation>שמות שמתחילים ב-&quot;aobj_&quot; שייכים לקבצים של Brushwell עצמה. יש לבחור שם אחר.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="545"/>
        <source>A picture needs 1 to 25 sections; this one has %1.</source>
        <translation>לתמונה צריכים להיות 1 עד 25 אזורים; לתמונה זו יש ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="550"/>
        <source>The picture was not saved, because Brushwell would not colour it as shown:

</source>
        <translation>התמונה לא נשמרה, כי Brushwell לא הייתה צובעת אותה כפי שהיא מוצגת:

</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="554"/>
        <source>%1 is already in the program folder. Replace it?</source>
        <translation>⁨%1⁩ כבר נמצא בתיקיית התוכנית. להחליף אותו?</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="561"/>
        <source>The picture could not be encoded.</source>
        <translation>לא ניתן היה לקודד את התמונה.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="564"/>
        <source>%1 could not be saved (%2). Nothing was changed in the program folder.</source>
        <translation>לא ניתן היה לשמור את ⁨%1⁩ (⁨%2⁩). דבר לא שונה בתיקיית התוכנית.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="574"/>
        <source>%1 was saved, but its section file could not be written (%2). Brushwell will find the sections itself the first time it shows the picture.</source>
        <translation>⁨%1⁩ נשמר, אבל לא ניתן היה לכתוב את קובץ האזורים שלו (⁨%2⁩). Brushwell תמצא את האזורים בעצמה בפעם הראשונה שתציג את התמונה.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="580"/>
        <source>Saved %1 with %2 sections. Add it to a list on the Picture Lists page.</source>
        <translation>⁨%1⁩ נשמר עם ⁨%2⁩ אזורים. אפשר להוסיף אותו לרשימה בעמוד &quot;רשימות תמונות&quot;.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/new_picture_page.cpp" line="581"/>
        <source>Checked and written in %1 ms.</source>
        <translation>נבדק ונכתב תוך ⁨%1⁩ ms.</translation>
    </message>
</context>
<context>
    <name>OptionsFile</name>
    <message>
        <location filename="../src/settings/options_file.cpp" line="52"/>
        <source>%1 is &quot;%2&quot;, which is not a whole number; %3 is used.</source>
        <translation>⁨%1⁩ הוא &quot;⁨%2⁩&quot;, שאינו מספר שלם; נעשה שימוש ב-⁨%3⁩.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="53"/>
        <source>%1 is &quot;%2&quot;, which is not a number; %3 is used.</source>
        <translation>⁨%1⁩ הוא &quot;⁨%2⁩&quot;, שאינו מספר; נעשה שימוש ב-⁨%3⁩.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="56"/>
        <source>%1 is %2, outside %3 to %4; %5 is used.</source>
        <translation>⁨%1⁩ הוא ⁨%2⁩, מחוץ לטווח ⁨%3⁩ עד ⁨%4⁩; נעשה שימוש ב-⁨%5⁩.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="74"/>
        <source>The file is damaged: it is not plain text (byte %1 is the control code %2). What could be read of it is used.</source>
        <translation>הקובץ פגום: הוא אינו טקסט פשוט (בית ⁨%1⁩ הוא תו הבקרה ⁨%2⁩). נעשה שימוש במה שניתן היה לקרוא ממנו.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="94"/>
        <source>The file is damaged; what could be read of it is used.</source>
        <translation>הקובץ פגום; נעשה שימוש במה שניתן היה לקרוא ממנו.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="96"/>
        <source>The file could not be read; the standard options are used.</source>
        <translation>לא ניתן היה לקרוא את הקובץ; נעשה שימוש באפשרויות הרגילות.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="111"/>
        <source>[switch] has the unknown key %1; it is not used.</source>
        <translation>ב-[switch] יש המפתח הלא מוכר ⁨%1⁩; לא נעשה בו שימוש.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="122"/>
        <source>no temporary folder: %1</source>
        <translation>אין תיקייה זמנית: ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="135"/>
        <source>the options could not be prepared</source>
        <translation>לא ניתן היה להכין את האפשרויות</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="199"/>
        <source>[voice] Language is &quot;%1&quot;, which is no language code such as en or fr; en is used.</source>
        <translation>הערך של [voice] Language הוא &quot;⁨%1⁩&quot;, שאינו קוד שפה כמו en או fr; נעשה שימוש ב-en.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="203"/>
        <source>[voice] has the unknown key %1; it is not used.</source>
        <translation>ב-[voice] יש המפתח הלא מוכר ⁨%1⁩; לא נעשה בו שימוש.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="239"/>
        <source>[display] Language is &quot;%1&quot;; the screens can be shown in en, nl, fr, es, de or he. en is used.</source>
        <translation>הערך של [display] Language הוא &quot;⁨%1⁩&quot;; אפשר להציג את המסכים ב-en, nl, fr, es, de או he. נעשה שימוש ב-en.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="269"/>
        <source>Brushwell found a problem in %1 and used standard values where needed:

</source>
        <translation>התוכנה Brushwell מצאה בעיה ב-⁨%1⁩ והשתמשה בערכים רגילים היכן שהיה צורך:

</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="272"/>
        <source>
Check the &quot;Switch Timing&quot; and &quot;Test Switches&quot; screens (from &quot;Keyboard / Switch Information&quot;) and the language on &quot;Auditory Settings&quot;; the file is written again when you change them.</source>
        <translation>
יש לבדוק את המסכים &quot;תזמון מתגים&quot; ו&quot;בדיקת מתגים&quot; (דרך &quot;מקלדת / מתגים&quot;) ואת השפה ב&quot;הגדרות שמע&quot;; הקובץ נכתב מחדש כשמשנים אותם.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="326"/>
        <source>%1 is &quot;%2&quot;, which is not a rectangle x,y,w,h inside the image (each from 0 to 1); no rectangle is used.</source>
        <translation>⁨%1⁩ הוא &quot;⁨%2⁩&quot;, שאינו מלבן x,y,w,h בתוך התמונה (כל ערך מ-0 עד 1); לא נעשה שימוש במלבן.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="334"/>
        <source>[camera] has the unknown key %1; it is not used.</source>
        <translation>ב-[camera] יש המפתח הלא מוכר ⁨%1⁩; לא נעשה בו שימוש.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="355"/>
        <source>The camera options could not be saved to %1 (%2).
The file on disk was left as it was; the options are used until Brushwell is closed.</source>
        <translation>לא ניתן היה לשמור את אפשרויות המצלמה ב-⁨%1⁩ (⁨%2⁩).
הקובץ בדיסק נשאר כפי שהיה; האפשרויות בתוקף עד לסגירת Brushwell.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="387"/>
        <source>The switch options could not be saved to %1 (%2).
The file on disk was left as it was; the options are used until Brushwell is closed.</source>
        <translation>לא ניתן היה לשמור את אפשרויות המתגים ב-⁨%1⁩ (⁨%2⁩).
הקובץ בדיסק נשאר כפי שהיה; האפשרויות בתוקף עד לסגירת Brushwell.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="398"/>
        <source>The narration language could not be saved to %1 (%2).
The file on disk was left as it was; the language is used until Brushwell is closed.</source>
        <translation>לא ניתן היה לשמור את שפת הקריינות ב-⁨%1⁩ (⁨%2⁩).
הקובץ בדיסק נשאר כפי שהיה; השפה בתוקף עד לסגירת Brushwell.</translation>
    </message>
    <message>
        <location filename="../src/settings/options_file.cpp" line="413"/>
        <source>The language of the screens could not be saved to %1 (%2).
The file on disk was left as it was; the language is used until Brushwell is closed.</source>
        <translation>לא ניתן היה לשמור את שפת המסכים ב-⁨%1⁩ (⁨%2⁩).
הקובץ בדיסק נשאר כפי שהיה; השפה בתוקף עד לסגירת Brushwell.</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="86"/>
        <source>the file does not exist</source>
        <translation>הקובץ אינו קיים</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="87"/>
        <source>it is a folder, not a picture file</source>
        <translation>זו תיקייה, לא קובץ תמונה</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="90"/>
        <source>it is not a picture that can be read (JPEG, BMP or PNG are)</source>
        <translation>זו אינה תמונה שניתן לקרוא (ניתן לקרוא JPEG, BMP ו-PNG)</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="93"/>
        <source>the file is damaged: it ends before its picture does</source>
        <translation>הקובץ פגום: הוא נגמר לפני שהתמונה נגמרת</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="97"/>
        <location filename="../src/platform/picture_box.cpp" line="116"/>
        <source>it is %1 by %2 pixels, larger than the %3 by %3 pixels a picture may have</source>
        <translation>הגודל שלה ⁨%1⁩ על ⁨%2⁩ פיקסלים, יותר מ-⁨%3⁩ על ⁨%3⁩ הפיקסלים המותרים לתמונה</translation>
    </message>
    <message>
        <location filename="../src/platform/picture_box.cpp" line="110"/>
        <source>it could not be decoded (%1)</source>
        <translation>לא ניתן היה לפענח אותו (⁨%1⁩)</translation>
    </message>
</context>
<context>
    <name>PictureChooser</name>
    <message>
        <location filename="../src/pictures/picture_chooser.cpp" line="40"/>
        <source>Choose the next picture</source>
        <translation>בחירת התמונה הבאה</translation>
    </message>
</context>
<context>
    <name>PictureDesign</name>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="154"/>
        <source>The new order must hold every section once.</source>
        <translation>הסדר החדש חייב לכלול כל אזור פעם אחת.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="178"/>
        <source>Section %1 cannot be coloured after section %2: Brushwell colours from left to right, and all of section %1 lies too far to the left.</source>
        <translation>לא ניתן לצבוע את אזור ⁨%1⁩ אחרי אזור ⁨%2⁩: Brushwell צובעת משמאל לימין, וכל אזור ⁨%1⁩ נמצא רחוק מדי שמאלה.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="201"/>
        <source>No place was found for the marker of section %1.</source>
        <translation>לא נמצא מקום לנקודת הסימון של אזור ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="242"/>
        <source>Brushwell would find %1 section(s) in %2, not the %3 shown here.</source>
        <translation>התוכנה Brushwell הייתה מוצאת ב-⁨%2⁩ ⁨%1⁩ אזורים, ולא ⁨%3⁩ כפי שמוצג כאן.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="252"/>
        <source>The paint of section %1 would spread beyond it. Close the gap in its outline.</source>
        <translation>הצבע של אזור ⁨%1⁩ היה מתפשט אל מחוץ לו. יש לסגור את הפער בקו המתאר שלו.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="262"/>
        <source>No area to colour was found. Try more detail.</source>
        <translation>לא נמצא שטח לצביעה. כדאי לנסות יותר פירוט.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="263"/>
        <source>No closed area to colour was found. Are the outlines closed? Move &quot;Close gaps&quot; to the right.</source>
        <translation>לא נמצא שטח סגור לצביעה. האם קווי המתאר סגורים? כדאי להזיז את &quot;סגירת פערים&quot; שמאלה.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="266"/>
        <source>%1 sections: Brushwell colours at most %2. Use &quot;Merge Down to 25 Sections&quot;, or lower the detail.</source>
        <translation>⁨%1⁩ אזורים: Brushwell צובעת לכל היותר ⁨%2⁩. כדאי להשתמש ב&quot;מיזוג עד 25 אזורים&quot;, או להוריד את הפירוט.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="268"/>
        <source>%1 sections: Brushwell colours at most %2. Use &quot;Merge Down to 25 Sections&quot;, or join two at a time with &quot;Two clicks join two regions&quot;.</source>
        <translation>⁨%1⁩ אזורים: Brushwell צובעת לכל היותר ⁨%2⁩. כדאי להשתמש ב&quot;מיזוג עד 25 אזורים&quot;, או לחבר שניים בכל פעם בעזרת &quot;שתי לחיצות מחברות שני שטחים&quot;.</translation>
    </message>
    <message numerus="yes">
        <location filename="../tools/workshop/picture_design.cpp" line="274"/>
        <source>%n section(s), coloured in the numbered order.</source>
        <translation>
            <numerusform>אזור אחד, נצבע לפי הסדר הממוספר.</numerusform>
            <numerusform>⁨%n⁩ אזורים, נצבעים לפי הסדר הממוספר.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../tools/workshop/picture_design.cpp" line="277"/>
        <source>%1 region(s) in red are too small to see or to point at. Join each to a neighbour (&quot;Merge Small Regions&quot;, or &quot;Two clicks join two regions&quot;), or leave them white with &quot;Drop Small Regions&quot;.</source>
        <translation>⁨%1⁩ שטחים באדום קטנים מדי לראות או להצביע עליהם. יש לחבר כל אחד לשטח שכן (&quot;מיזוג שטחים קטנים&quot;, או &quot;שתי לחיצות מחברות שני שטחים&quot;), או להשאיר אותם לבנים בעזרת &quot;השמטת שטחים קטנים&quot;.</translation>
    </message>
    <message numerus="yes">
        <location filename="../tools/workshop/picture_design.cpp" line="283"/>
        <source>%n small region(s) are left white and not coloured.</source>
        <translation>
            <numerusform>שטח קטן אחד נשאר לבן ואינו נצבע.</numerusform>
            <numerusform>⁨%n⁩ שטחים קטנים נשארים לבנים ואינם נצבעים.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../tools/workshop/picture_design.cpp" line="286"/>
        <source>%n section(s) lie so near the top that the pointer is partly hidden.</source>
        <translation>
            <numerusform>אזור אחד קרוב כל כך לקצה העליון שהסמן מוסתר בחלקו.</numerusform>
            <numerusform>⁨%n⁩ אזורים קרובים כל כך לקצה העליון שהסמן מוסתר בחלקו.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureList</name>
    <message>
        <location filename="../src/pictures/picture_list.cpp" line="83"/>
        <source>%1 is a folder, not a file</source>
        <translation>⁨%1⁩ היא תיקייה, לא קובץ</translation>
    </message>
    <message>
        <location filename="../src/pictures/picture_list.cpp" line="88"/>
        <source>%1 could not be opened (%2)</source>
        <translation>לא ניתן היה לפתוח את ⁨%1⁩ (⁨%2⁩)</translation>
    </message>
    <message>
        <location filename="../src/pictures/picture_list.cpp" line="93"/>
        <source>%1 could not be read to its end (%2)</source>
        <translation>לא ניתן היה לקרוא את ⁨%1⁩ עד סופו (⁨%2⁩)</translation>
    </message>
</context>
<context>
    <name>PictureListsScreen</name>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="19"/>
        <location filename="../src/menu/picture_lists_screen.cpp" line="60"/>
        <source>Picture List</source>
        <translation>רשימת תמונות</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="30"/>
        <source>Brushwell allows you to save up to 15 different Picture Lists.  These lists contain the names of the pictures that will be used by the program. The program will use the list that is checked off under the Active Picture List heading. You can create lists for different students, create lists for different holidays, ... Please refer to the users guide for instructions on how to create your own pictures.  A few lists are already supplied with the program.</source>
        <translation>התוכנה Brushwell מאפשרת לשמור עד 15 רשימות תמונות שונות. רשימות אלה מכילות את שמות התמונות שהתוכנית תשתמש בהן. התוכנית משתמשת ברשימה המסומנת תחת הכותרת &quot;רשימת תמונות פעילה&quot;. אפשר ליצור רשימות לתלמידים שונים, רשימות לחגים שונים, ... הוראות ליצירת תמונות משלכם נמצאות במדריך למשתמש. כמה רשימות כבר מסופקות עם התוכנית.</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="37"/>
        <source>Clicking the Edit Picture List button will bring up &quot;Windows Notepad&quot; and present the list.  When finished editing the file, just click save and exit from Notepad.  You can copy picture names from one list to another by simply clicking on the old list and cutting and pasting the names into the new list.  You can bypass a picture from being displayed by placing a dash before the picture name in the list.  For example -ball.bmp will cause the ball picture to be bypassed. When a picture is displayed on the screen for painting, the name of the picture is displayed in dark red right above the picture that is being painted.</source>
        <translation>לחיצה על הכפתור &quot;עריכת רשימת תמונות&quot; פותחת את הרשימה בעורך הטקסט (&quot;Windows Notepad&quot;). בסיום העריכה יש לשמור את הקובץ ולצאת מהעורך. אפשר להעתיק שמות תמונות מרשימה לרשימה: פותחים את הרשימה הישנה, גוזרים את השמות ומדביקים אותם ברשימה החדשה. כדי לדלג על תמונה, מוסיפים מקף לפני שמה ברשימה. למשל, ⁨-ball.bmp⁩ יגרום לדילוג על תמונת הכדור. בזמן שתמונה מוצגת לצביעה, שמה מופיע באדום כהה ממש מעל התמונה.</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="48"/>
        <source>Picture Workshop</source>
        <translation>סדנת התמונות</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="50"/>
        <source>Make pictures from drawings and photos, and edit the picture lists</source>
        <translation>יצירת תמונות מציורים ומתצלומים ועריכת רשימות התמונות</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="58"/>
        <source>Active Picture List</source>
        <translation>רשימת תמונות פעילה</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="62"/>
        <source>Picture List Description</source>
        <translation>תיאור רשימת התמונות</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="66"/>
        <source>Active Picture List %1</source>
        <translation>רשימת תמונות פעילה ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="70"/>
        <source>Picture List Description %1</source>
        <translation>תיאור רשימת התמונות ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="72"/>
        <source>Edit Picture List #%1</source>
        <translation>עריכת רשימת תמונות מס&apos; ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/picture_lists_screen.cpp" line="110"/>
        <source>Enter a description for Picture List Number %1</source>
        <translation>יש להזין תיאור לרשימת התמונות מספר ⁨%1⁩</translation>
    </message>
</context>
<context>
    <name>PortIo</name>
    <message>
        <location filename="../src/platform/port_io.cpp" line="65"/>
        <source>no serial device for COM %1 (is the USB serial adapter plugged in?)</source>
        <translation>אין התקן טורי עבור COM ⁨%1⁩ (האם מתאם ה-USB הטורי מחובר?)</translation>
    </message>
    <message>
        <location filename="../src/platform/port_io.cpp" line="154"/>
        <source>%1 cannot be opened</source>
        <translation>לא ניתן לפתוח את ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/platform/port_io.cpp" line="224"/>
        <source>no serial device</source>
        <translation>אין התקן טורי</translation>
    </message>
</context>
<context>
    <name>PrintingExitLink</name>
    <message>
        <location filename="../src/pictures/printing_exit_link.cpp" line="51"/>
        <source>Picture sent to printer</source>
        <translation>התמונה נשלחה למדפסת</translation>
    </message>
    <message>
        <location filename="../src/pictures/printing_exit_link.cpp" line="53"/>
        <source>The picture could not be printed.</source>
        <translation>לא ניתן היה להדפיס את התמונה.</translation>
    </message>
    <message>
        <location filename="../src/pictures/printing_exit_link.cpp" line="62"/>
        <source>Double-tap here 
for main menu</source>
        <translation>הקשה כפולה כאן 
לתפריט הראשי</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <location filename="../src/app/program_folder.cpp" line="86"/>
        <source>The folder %1 for your own settings and lists could not be made.</source>
        <translation>לא ניתן היה ליצור את התיקייה ⁨%1⁩ להגדרות ולרשימות שלך.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="99"/>
        <source>The old link %1 could not be replaced.</source>
        <translation>לא ניתן היה להחליף את הקישור הישן ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="104"/>
        <source>%1 could not be written (%2).</source>
        <translation>לא ניתן היה לכתוב את ⁨%1⁩ (⁨%2⁩).</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="117"/>
        <source>%1 could not be copied into %2.</source>
        <translation>לא ניתן היה להעתיק את ⁨%1⁩ אל ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="119"/>
        <source>%1 could not be linked into %2.</source>
        <translation>לא ניתן היה לקשר את ⁨%1⁩ בתוך ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../src/app/program_folder.cpp" line="137"/>
        <source>
Brushwell runs from %1, where your settings cannot be saved.</source>
        <translation>
התוכנה Brushwell פועלת מתוך ⁨%1⁩, ושם לא ניתן לשמור את ההגדרות שלך.</translation>
    </message>
</context>
<context>
    <name>ProgressRecords</name>
    <message>
        <location filename="../src/records/progress_log.cpp" line="259"/>
        <source>The progress file %1 has no header row naming its columns (started, user, list, ...), so none of its rows can be shown.
The file is left as it is.</source>
        <translation>לקובץ ההתקדמות ⁨%1⁩ אין שורת כותרת עם שמות העמודות (started, user, list, ...), ולכן אי אפשר להציג אף אחת משורותיו.
הקובץ נשאר כפי שהוא.</translation>
    </message>
    <message>
        <location filename="../src/session/progress_entry.cpp" line="69"/>
        <source>The progress record %1 could not be saved: %2.
Colouring goes on; the record of this picture is kept and saved with the next one.</source>
        <translation>לא ניתן היה לשמור את רישום ההתקדמות ⁨%1⁩: ⁨%2⁩.
הצביעה ממשיכה; הרישום של תמונה זו נשמר בזיכרון ויישמר יחד עם הבא.</translation>
    </message>
</context>
<context>
    <name>ProgressScreen</name>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="63"/>
        <source>week of %1</source>
        <translation>השבוע של ⁨%1⁩</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <location filename="../src/platform/qt_host.cpp" line="132"/>
        <source>No printer is set up on this computer, so the picture was not printed.
Set up a default printer in the system&apos;s printer settings and try again.</source>
        <translation>לא מוגדרת מדפסת במחשב זה, ולכן התמונה לא הודפסה.
יש להגדיר מדפסת ברירת מחדל בהגדרות המדפסות של המערכת ולנסות שוב.</translation>
    </message>
    <message>
        <location filename="../src/platform/qt_host.cpp" line="137"/>
        <source>The printer &quot;%1&quot; cannot be used, so the picture was not printed.</source>
        <translation>לא ניתן להשתמש במדפסת &quot;⁨%1⁩&quot;, ולכן התמונה לא הודפסה.</translation>
    </message>
    <message>
        <location filename="../src/platform/qt_host.cpp" line="142"/>
        <source>The printer &quot;%1&quot; reported an error, so the picture may not have been printed.</source>
        <translation>המדפסת &quot;⁨%1⁩&quot; דיווחה על שגיאה, ולכן ייתכן שהתמונה לא הודפסה.</translation>
    </message>
</context>
<context>
    <name>RegionEdit</name>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="105"/>
        <source>Choose two different regions.</source>
        <translation>יש לבחור שני שטחים שונים.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="114"/>
        <source>These two regions do not touch.</source>
        <translation>שני השטחים האלה אינם נוגעים זה בזה.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="217"/>
        <source>These two regions cannot be joined without opening the outline of another one.</source>
        <translation>לא ניתן לחבר את שני השטחים האלה בלי לפתוח את קו המתאר של שטח אחר.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="328"/>
        <source>Draw a longer line, across the region from one outline to the other.</source>
        <translation>יש לצייר קו ארוך יותר, לרוחב השטח מקו מתאר אחד לשני.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="340"/>
        <source>Draw the line across a region, not along an outline.</source>
        <translation>יש לצייר את הקו לרוחב שטח, לא לאורך קו מתאר.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="363"/>
        <source>The line did not divide the region. Draw it across, from one outline to the other.</source>
        <translation>הקו לא חילק את השטח. יש לצייר אותו לרוחב, מקו מתאר אחד לשני.</translation>
    </message>
    <message>
        <location filename="../tools/workshop/region_edit.cpp" line="387"/>
        <location filename="../tools/workshop/region_edit.cpp" line="426"/>
        <source>There is no line there to erase.</source>
        <translation>אין שם קו למחיקה.</translation>
    </message>
</context>
<context>
    <name>ScanScreen</name>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="38"/>
        <source>20 seconds</source>
        <translation>20 שניות</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="40"/>
        <source>1 second</source>
        <translation>שנייה אחת</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/scan_screen.cpp" line="41"/>
        <source>%n seconds</source>
        <translation>
            <numerusform>שנייה אחת</numerusform>
            <numerusform>⁨%n⁩ שניות</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="52"/>
        <source>Scanning Options</source>
        <translation>אפשרויות סריקה</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="59"/>
        <source>The term &quot;Scan Position&quot;  is the position at which the paint tube has moved towards the picture and waits.  This is the color that will be used to paint the part of the picture if chosen. The &quot;Input Device&quot; option from the main menu will determine how the Swicth is configured.</source>
        <translation>&quot;עמדת הסריקה&quot; היא המקום שאליו שפופרת הצבע נעה לכיוון התמונה ובו היא ממתינה. זה הצבע שבו ייצבע האזור בתמונה אם ייבחר. הגדרת &quot;התקן הקלט&quot; בתפריט הראשי קובעת כיצד המתג מוגדר.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="65"/>
        <source>Timed Scanning</source>
        <translation>סריקה מתוזמנת</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="66"/>
        <source>Step Scanning - 1 Switch</source>
        <translation>סריקה בצעדים - מתג אחד</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="67"/>
        <source>Step Scanning - 2 Switches</source>
        <translation>סריקה בצעדים - שני מתגים</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="69"/>
        <source>No Scanning - Left mouse click on the desired paint tube to select that color.</source>
        <translation>ללא סריקה - לחיצה שמאלית בעכבר על שפופרת הצבע הרצויה בוחרת את הצבע.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="73"/>
        <source>Timed Scanning seconds</source>
        <translation>שניות בסריקה מתוזמנת</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="75"/>
        <source>Step Scanning - 1 Switch seconds</source>
        <translation>שניות בסריקה בצעדים עם מתג אחד</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="90"/>
        <source>Set the slider bar to the number of seconds that the paint tube will wait in the &quot;Scan Position&quot; before the paint tube will move back in line and another paint tube will move to the &quot;Scan Position&quot;.  If the switch is pressed while the paint tube is in the &quot;Scan Position&quot;, the portion of the picture will be colored with the color of that paint tube.</source>
        <translation>בעזרת המחוון קובעים כמה שניות שפופרת הצבע תמתין ב&quot;עמדת הסריקה&quot; לפני שתחזור לשורה ושפופרת אחרת תעבור ל&quot;עמדת הסריקה&quot;. אם לוחצים על המתג בזמן ששפופרת הצבע נמצאת ב&quot;עמדת הסריקה&quot;, האזור בתמונה ייצבע בצבע של אותה שפופרת.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="98"/>
        <source>Pressing the switch will cause the next paint tube in line to move into the &quot;Scan Position&quot;.  The number of seconds set in this option will determine the maximum seconds that the program will wait for a switch press in order to select another paint tube to go in the &quot;Scan Position&quot;.  If the switch was not pressed during this time, the program will assume that the paint tube in the &quot;Scan Position&quot; is the color that the user wants to paint that portion of the picture.</source>
        <translation>לחיצה על המתג מעבירה את שפופרת הצבע הבאה בתור ל&quot;עמדת הסריקה&quot;. מספר השניות שנקבע כאן הוא הזמן המרבי שהתוכנית ממתינה ללחיצה על המתג כדי להביא שפופרת אחרת ל&quot;עמדת הסריקה&quot;. אם המתג לא נלחץ בזמן הזה, התוכנית מניחה שהצבע של השפופרת ב&quot;עמדת הסריקה&quot; הוא הצבע שהמשתמש רוצה לצבוע בו את האזור.</translation>
    </message>
    <message>
        <location filename="../src/menu/scan_screen.cpp" line="106"/>
        <source>The &lt;space&gt; key of left mouse click is used  to move a paint tube into the &quot;Scan Position&quot; and the &lt;Enter&gt; key (or any switch used to emulate the &lt;Enter&gt; key) is used to select that color for painting the portion of the picture.</source>
        <translation>המקש &lt;רווח&gt; או לחיצה שמאלית בעכבר מעבירים שפופרת צבע ל&quot;עמדת הסריקה&quot;, והמקש &lt;Enter&gt; (או מתג המדמה את המקש &lt;Enter&gt;) בוחר בצבע זה לצביעת האזור בתמונה.</translation>
    </message>
</context>
<context>
    <name>ScreenWidgets</name>
    <message>
        <location filename="../src/menu/screen_widgets.cpp" line="54"/>
        <source>Main Menu</source>
        <translation>תפריט ראשי</translation>
    </message>
</context>
<context>
    <name>SectionScan</name>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="33"/>
        <source>The width &amp; height of a picture file must be 400 by 400 pixels.
The dimensions for %1  is %2 by %3.
Please check %1 for accuracy</source>
        <translation>הרוחב והגובה של קובץ תמונה חייבים להיות 400 על 400 פיקסלים.
המידות של ⁨%1⁩ הן ⁨%2⁩ על ⁨%3⁩.
יש לבדוק את ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="41"/>
        <source>The number of sections to color must be between 1 and 25. 
The number of sections found in %1 to color is %2.
Please check %1 for accuracy</source>
        <translation>מספר האזורים לצביעה חייב להיות בין 1 ל-25.
מספר האזורים לצביעה שנמצאו ב-⁨%1⁩ הוא ⁨%2⁩.
יש לבדוק את ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="111"/>
        <source>The section file %1 could not be written: %2</source>
        <translation>לא ניתן היה לכתוב את קובץ האזורים ⁨%1⁩: ⁨%2⁩</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="126"/>
        <source>The section file %1 could not be opened: %2</source>
        <translation>לא ניתן היה לפתוח את קובץ האזורים ⁨%1⁩: ⁨%2⁩</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="131"/>
        <location filename="../src/pictures/section_scan.cpp" line="136"/>
        <source>The section file %1 is far too large to be one.</source>
        <translation>קובץ האזורים ⁨%1⁩ גדול מדי מכדי להיות קובץ כזה.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="150"/>
        <source>Line %1 of the section file %2 is not a number.</source>
        <translation>שורה ⁨%1⁩ בקובץ האזורים ⁨%2⁩ אינה מספר.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="158"/>
        <source>The section file %1 holds no sections.</source>
        <translation>קובץ האזורים ⁨%1⁩ אינו מכיל אזורים.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="162"/>
        <source>The section file %1 has an odd number of lines (%2).</source>
        <translation>בקובץ האזורים ⁨%1⁩ יש מספר אי-זוגי של שורות (⁨%2⁩).</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="168"/>
        <source>The section file %1 holds %2 sections, more than %3.</source>
        <translation>קובץ האזורים ⁨%1⁩ מכיל ⁨%2⁩ אזורים, יותר מ-⁨%3⁩.</translation>
    </message>
    <message>
        <location filename="../src/pictures/section_scan.cpp" line="181"/>
        <source>Section %1 of the section file %2 lies outside the picture (%3, %4).</source>
        <translation>אזור ⁨%1⁩ בקובץ האזורים ⁨%2⁩ נמצא מחוץ לתמונה (⁨%3⁩, ⁨%4⁩).</translation>
    </message>
</context>
<context>
    <name>SerialBackend</name>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="63"/>
        <source>cannot set the RTS and DTR lines</source>
        <translation>לא ניתן לקבוע את הקווים RTS ו-DTR</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="71"/>
        <source>cannot read the modem lines</source>
        <translation>לא ניתן לקרוא את קווי המודם</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="96"/>
        <source>%1 was disconnected</source>
        <translation>⁨%1⁩ נותק</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="120"/>
        <source>%1: no permission. Add the user to the &quot;%2&quot; group and log in again.</source>
        <translation>⁨%1⁩: אין הרשאה. יש להוסיף את המשתמש לקבוצה &quot;⁨%2⁩&quot; ולהתחבר מחדש.</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="122"/>
        <source>%1: no permission (or the port is in use by another program).</source>
        <translation>⁨%1⁩: אין הרשאה (או שהיציאה בשימוש של תוכנה אחרת).</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="126"/>
        <source>%1 is not there any more (unplugged?).</source>
        <translation>⁨%1⁩ כבר אינו קיים (נותק?).</translation>
    </message>
    <message>
        <location filename="../src/platform/serial_backend.cpp" line="128"/>
        <source>%1 cannot be opened: %2</source>
        <translation>לא ניתן לפתוח את ⁨%1⁩: ⁨%2⁩</translation>
    </message>
</context>
<context>
    <name>SessionDriver</name>
    <message>
        <location filename="../src/session/session_driver.cpp" line="38"/>
        <source>Picture List number %1 names %2 pictures; only the first %3 are used.</source>
        <translation>ברשימת התמונות מספר ⁨%1⁩ יש ⁨%2⁩ תמונות; רק ⁨%3⁩ הראשונות ישמשו.</translation>
    </message>
    <message>
        <location filename="../src/session/session_driver.cpp" line="53"/>
        <source>Picture List number %1 cannot be read: %2.
Please check the file, or choose another list on the Picture List screen.</source>
        <translation>לא ניתן לקרוא את רשימת התמונות מספר ⁨%1⁩: ⁨%2⁩.
יש לבדוק את הקובץ, או לבחור רשימה אחרת במסך &quot;רשימת תמונות&quot;.</translation>
    </message>
    <message>
        <location filename="../src/session/session_driver.cpp" line="64"/>
        <source>Picture List number %1 is empty</source>
        <translation>רשימת התמונות מספר ⁨%1⁩ ריקה</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="59"/>
        <source>input device</source>
        <translation>התקן קלט</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="60"/>
        <location filename="../src/settings/settings_file.cpp" line="69"/>
        <location filename="../src/settings/settings_file.cpp" line="73"/>
        <location filename="../src/settings/settings_file.cpp" line="74"/>
        <location filename="../src/settings/settings_file.cpp" line="75"/>
        <source>reserved value</source>
        <translation>ערך שמור</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="61"/>
        <source>sound option</source>
        <translation>אפשרות שמע</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="62"/>
        <source>press reminder seconds</source>
        <translation>שניות עד תזכורת ללחיצה</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="63"/>
        <source>animation speed</source>
        <translation>מהירות ההנפשה</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="65"/>
        <source>text folder</source>
        <translation>תיקיית טקסט</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="67"/>
        <source>media folder</source>
        <translation>תיקיית מדיה</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="70"/>
        <source>timed scanning seconds</source>
        <translation>שניות בסריקה מתוזמנת</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="71"/>
        <source>current picture</source>
        <translation>התמונה הנוכחית</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="72"/>
        <source>current song</source>
        <translation>השיר הנוכחי</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="76"/>
        <source>feedback option</source>
        <translation>אפשרות משוב</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="77"/>
        <source>switch wait mode</source>
        <translation>מצב המתנה למתג</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="78"/>
        <source>coloring style</source>
        <translation>סגנון צביעה</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="79"/>
        <source>scanning type</source>
        <translation>סוג הסריקה</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="80"/>
        <source>step scanning seconds</source>
        <translation>שניות בסריקה בצעדים</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="81"/>
        <source>random colors</source>
        <translation>צבעים אקראיים</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="82"/>
        <source>number of random tubes</source>
        <translation>מספר השפופרות האקראיות</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="83"/>
        <source>print option</source>
        <translation>אפשרות הדפסה</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="84"/>
        <source>pointer type</source>
        <translation>סוג הסמן</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="86"/>
        <source>color choice</source>
        <translation>בחירת צבעים</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="89"/>
        <source>active picture list</source>
        <translation>רשימת התמונות הפעילה</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="216"/>
        <source>it is a folder, not a file</source>
        <translation>זו תיקייה, לא קובץ</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="227"/>
        <source>The settings file %1 was not found; the standard settings are used.</source>
        <translation>קובץ ההגדרות ⁨%1⁩ לא נמצא; נעשה שימוש בהגדרות הרגילות.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="229"/>
        <source>The settings file %1 could not be read (%2); the standard settings are used.</source>
        <translation>לא ניתן היה לקרוא את קובץ ההגדרות ⁨%1⁩ (⁨%2⁩); נעשה שימוש בהגדרות הרגילות.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="243"/>
        <source>%1 ends before line %2; the settings from there on have their standard values.</source>
        <translation>⁨%1⁩ נגמר לפני שורה ⁨%2⁩; ההגדרות מאותה שורה והלאה מקבלות את ערכיהן הרגילים.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="255"/>
        <source>Line %1 of %2 (%3) is not a number; the %4 keeps its standard value.</source>
        <translation>שורה ⁨%1⁩ ב-⁨%2⁩ (⁨%3⁩) אינה מספר; &quot;⁨%4⁩&quot; נשאר בערך הרגיל.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="261"/>
        <source>Line %1 of %2 holds %3, outside the %4 range %5 to %6; the speed will be calibrated again.</source>
        <translation>שורה ⁨%1⁩ ב-⁨%2⁩ מכילה ⁨%3⁩, מחוץ לטווח ⁨%5⁩ עד ⁨%6⁩ של &quot;⁨%4⁩&quot;; המהירות תכויל מחדש.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="273"/>
        <source>Line %1 of %2 holds %3, which is not a valid %4 (%5 to %6); %7 is used.</source>
        <translation>שורה ⁨%1⁩ ב-⁨%2⁩ מכילה ⁨%3⁩, שאינו ערך תקין של &quot;⁨%4⁩&quot; (⁨%5⁩ עד ⁨%6⁩); נעשה שימוש ב-⁨%7⁩.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="284"/>
        <source>%1 ends before line %2; the descriptions of picture lists %3 to 15 are empty.</source>
        <translation>⁨%1⁩ נגמר לפני שורה ⁨%2⁩; התיאורים של רשימות התמונות ⁨%3⁩ עד 15 ריקים.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="307"/>
        <source>the file is read-only, the settings are locked</source>
        <translation>הקובץ לקריאה בלבד, ההגדרות נעולות</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="314"/>
        <source>Brushwell found a problem in its settings and used standard values where needed:

</source>
        <translation>התוכנה Brushwell מצאה בעיה בהגדרות שלה והשתמשה בערכים רגילים היכן שהיה צורך:

</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="316"/>
        <source>- and %1 more.
</source>
        <translation>- ועוד ⁨%1⁩.
</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="317"/>
        <source>
Check the settings screens. The settings file is written again when you leave with &quot;Exit&quot;.</source>
        <translation>
יש לבדוק את מסכי ההגדרות. קובץ ההגדרות נכתב מחדש כשיוצאים דרך &quot;יציאה&quot;.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="390"/>
        <source>
Brushwell leaves %1 as it is and will not save over it. Make it readable again (or ask who set up this computer), then start Brushwell again.</source>
        <translation>
התוכנה Brushwell משאירה את ⁨%1⁩ כפי שהוא ולא תשמור עליו. יש להפוך אותו שוב לקריא (או לפנות למי שהגדיר את המחשב), ואז להפעיל את Brushwell מחדש.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="408"/>
        <source>The settings were not saved: the settings file %1 could not be read when Brushwell started, so it is left as it was.</source>
        <translation>ההגדרות לא נשמרו: לא ניתן היה לקרוא את קובץ ההגדרות ⁨%1⁩ כש-Brushwell הופעלה, ולכן הוא נשאר כפי שהיה.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="412"/>
        <source>The settings are locked: the settings file %1 is read-only, so changes made since Brushwell started were not saved.</source>
        <translation>ההגדרות נעולות: קובץ ההגדרות ⁨%1⁩ מוגדר לקריאה בלבד, ולכן השינויים שנעשו מאז הפעלת Brushwell לא נשמרו.</translation>
    </message>
    <message>
        <location filename="../src/settings/settings_file.cpp" line="428"/>
        <source>The settings could not be saved to %1 (%2).
The file on disk was left as it was.</source>
        <translation>לא ניתן היה לשמור את ההגדרות ב-⁨%1⁩ (⁨%2⁩).
הקובץ בדיסק נשאר כפי שהיה.</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <location filename="../src/session/setup.cpp" line="48"/>
        <source>The image file %1 of the program folder cannot be shown: %2.
Colouring needs it, so the main menu is shown again.
Putting the program folder&apos;s files back in place mends this.</source>
        <translation>לא ניתן להציג את קובץ התמונה ⁨%1⁩ מתיקיית התוכנית: ⁨%2⁩.
הצביעה זקוקה לו, ולכן התפריט הראשי מוצג שוב.
החזרת הקבצים של תיקיית התוכנית למקומם תפתור זאת.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/session/setup.cpp" line="58"/>
        <source>The settings offer %n paint colour(s), but colouring needs at least 2.
Choose the colours on the Coloring Options screen and start again.</source>
        <translation>
            <numerusform>ההגדרות מציעות צבע אחד בלבד, אבל הצביעה דורשת לפחות 2.
יש לבחור את הצבעים במסך &quot;אפשרויות צביעה&quot; ולהתחיל שוב.</numerusform>
            <numerusform>ההגדרות מציעות ⁨%n⁩ צבעים, אבל הצביעה דורשת לפחות 2.
יש לבחור את הצבעים במסך &quot;אפשרויות צביעה&quot; ולהתחיל שוב.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/session/setup.cpp" line="140"/>
        <source>The picture file %1
was not found.Click on the Picture List Button
to make sure the name was spelled correctly</source>
        <translation>קובץ התמונה ⁨%1⁩
לא נמצא. יש ללחוץ על הכפתור &quot;רשימת תמונות&quot;
כדי לוודא שהשם נכתב נכון.</translation>
    </message>
</context>
<context>
    <name>SingleProgram</name>
    <message>
        <location filename="../src/app/single_program.cpp" line="138"/>
        <source>Brushwell is already running.</source>
        <translation>התוכנה Brushwell כבר פועלת.</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <location filename="../src/media/sound.cpp" line="157"/>
        <source>it is not a WAV file</source>
        <translation>זה אינו קובץ WAV</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="166"/>
        <source>it is damaged: its format chunk runs past the end of the file</source>
        <translation>הוא פגום: מקטע התבנית שלו חורג מסוף הקובץ</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="167"/>
        <source>it is damaged: its format chunk is too short</source>
        <translation>הוא פגום: מקטע התבנית שלו קצר מדי</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="172"/>
        <source>it is damaged: it claims %1 channels, and 1 to %2 are usable</source>
        <translation>הוא פגום: לפיו יש בו ⁨%1⁩ ערוצים, וניתן להשתמש ב-1 עד ⁨%2⁩</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="177"/>
        <source>it is damaged: it claims a sample rate of %1 Hz, and %2 to %3 Hz are usable</source>
        <translation>הוא פגום: לפיו קצב הדגימה הוא ⁨%1⁩ הרץ, וניתן להשתמש ב-⁨%2⁩ עד ⁨%3⁩ הרץ</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="183"/>
        <source>it is damaged: its sound data comes before its format</source>
        <translation>הוא פגום: נתוני הצליל שלו באים לפני התבנית</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="190"/>
        <source>it is damaged: it holds no sound data</source>
        <translation>הוא פגום: אין בו נתוני צליל</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="191"/>
        <source>it is damaged: it has no format chunk</source>
        <translation>הוא פגום: אין בו מקטע תבנית</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="204"/>
        <location filename="../src/media/sound.cpp" line="210"/>
        <source>it is larger than %1 MB</source>
        <translation>הוא גדול מ-⁨%1⁩ MB</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="229"/>
        <source>it is not a usable WAV file: it lasts more than %1 minutes</source>
        <translation>זה אינו קובץ WAV שמיש: הוא נמשך יותר מ-⁨%1⁩ דקות</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="287"/>
        <source>The sound file %1 could not be played (%2).
Brushwell goes on without it.</source>
        <translation>לא ניתן היה להשמיע את קובץ הצליל ⁨%1⁩ (⁨%2⁩).
התוכנה Brushwell ממשיכה בלעדיו.</translation>
    </message>
    <message>
        <location filename="../src/media/sound.cpp" line="378"/>
        <source>Could&apos;t find song %1
The program is going to terminate</source>
        <translation>השיר ⁨%1⁩ לא נמצא.
התוכנית תיסגר.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../src/app/startup.cpp" line="28"/>
        <source>Your screen settings are set to %1 colors.</source>
        <translation>המסך שלך מוגדר ל-⁨%1⁩ צבעים.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="29"/>
        <source>See the Brushwell User&apos;s Guide on how to change your screen color settings</source>
        <translation>הסבר על שינוי הגדרות הצבע של המסך נמצא במדריך למשתמש של Brushwell.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="32"/>
        <source>Brushwell requires that your screen setting colors are set to at least 65,536 colors.</source>
        <translation>התוכנה Brushwell דורשת שהמסך יוגדר לפחות ל-65,536 צבעים.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="38"/>
        <source>Though Brushwell will run with these settings,
it is recommended that you set your colors to True Color (32 Bit)</source>
        <translation>אמנם Brushwell תפעל בהגדרות אלה,
אבל מומלץ להגדיר את הצבעים ל-True Color (32 סיביות).</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="72"/>
        <source>The user who coloured last, &quot;%1&quot;, is no longer in %2.
Brushwell starts with no user chosen; the carer can choose one with &quot;User&quot; on the main menu.</source>
        <translation>המשתמש שצבע אחרון, &quot;⁨%1⁩&quot;, כבר לא נמצא ב-⁨%2⁩.
התוכנה Brushwell מתחילה בלי משתמש נבחר; המטפל יכול לבחור משתמש דרך &quot;משתמש&quot; בתפריט הראשי.</translation>
    </message>
    <message>
        <location filename="../src/app/startup.cpp" line="86"/>
        <source>There is no user called &quot;%1&quot; in %2.
Brushwell starts with no user chosen; the carer can choose one with &quot;User&quot; on the main menu.</source>
        <translation>אין ב-⁨%2⁩ משתמש בשם &quot;⁨%1⁩&quot;.
התוכנה Brushwell מתחילה בלי משתמש נבחר; המטפל יכול לבחור משתמש דרך &quot;משתמש&quot; בתפריט הראשי.</translation>
    </message>
</context>
<context>
    <name>StatisticsScreen</name>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="19"/>
        <source>%1 minute(s) and %2 second(s)</source>
        <translation>⁨%1⁩ דקות ו-⁨%2⁩ שניות</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="24"/>
        <source>Timed Scanning</source>
        <translation>סריקה מתוזמנת</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="25"/>
        <source>Step Scanning - 1 switch</source>
        <translation>סריקה בצעדים - מתג אחד</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="26"/>
        <source>Step Scanning - 2 switches</source>
        <translation>סריקה בצעדים - שני מתגים</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="27"/>
        <source>No Scanning - Mouse click selects</source>
        <translation>ללא סריקה - לחיצת עכבר בוחרת</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="32"/>
        <source>Session Statistics</source>
        <translation>סטטיסטיקת המפגש</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="50"/>
        <source>Picture List Used:</source>
        <translation>רשימת התמונות שבשימוש:</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="51"/>
        <source>Time Elapsed:</source>
        <translation>משך הזמן:</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="52"/>
        <source>Number of Pictures Completed: </source>
        <translation>מספר התמונות שהושלמו: </translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="53"/>
        <source>Number of Segments Colored:</source>
        <translation>מספר האזורים שנצבעו:</translation>
    </message>
    <message>
        <location filename="../src/menu/statistics_screen.cpp" line="54"/>
        <source>Scanning Type:</source>
        <translation>סוג הסריקה:</translation>
    </message>
</context>
<context>
    <name>SwitchAdapter</name>
    <message>
        <location filename="../src/input/switch_adapter.cpp" line="28"/>
        <source>Adapter in Joystick (Game) Port</source>
        <translation>מתאם ביציאת הג&apos;ויסטיק (משחקים)</translation>
    </message>
    <message>
        <location filename="../src/input/switch_adapter.cpp" line="29"/>
        <source>Adapter in COM %1</source>
        <translation>מתאם ביציאה COM ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/input/switch_adapter.cpp" line="76"/>
        <source>The switch on &quot;%1&quot; cannot be read:
%2
Until this is put right the switch reads as not pressed.</source>
        <translation>לא ניתן לקרוא את המתג ב-&quot;⁨%1⁩&quot;:
⁨%2⁩
עד שהבעיה תתוקן, המתג ייחשב כלא לחוץ.</translation>
    </message>
</context>
<context>
    <name>SwitchInputs</name>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="107"/>
        <source>%1: &quot;%2&quot; names no key Brushwell knows; it is not used.</source>
        <translation>⁨%1⁩: &quot;⁨%2⁩&quot; אינו שם של מקש ש-Brushwell מכירה; לא נעשה בו שימוש.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="109"/>
        <source>%1: &quot;%2&quot; is a modifier key, which cannot be a switch; it is not used.</source>
        <translation>⁨%1⁩: &quot;⁨%2⁩&quot; הוא מקש צירוף (כמו Ctrl או Alt), שאינו יכול לשמש כמתג; לא נעשה בו שימוש.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="111"/>
        <source>%1: &quot;%2&quot; is a key that already has its own meaning; it is not used.</source>
        <translation>⁨%1⁩: &quot;⁨%2⁩&quot; הוא מקש שכבר יש לו תפקיד משלו; לא נעשה בו שימוש.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="117"/>
        <source>%1: &quot;%2&quot; names no mouse button (Left, Right, Middle, Back or Forward); it is not used.</source>
        <translation>⁨%1⁩: &quot;⁨%2⁩&quot; אינו שם של כפתור עכבר (Left, Right, Middle, Back או Forward); לא נעשה בו שימוש.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="119"/>
        <source>%1: &quot;%2&quot; is the left mouse button, which is already switch 1; it is not used.</source>
        <translation>⁨%1⁩: &quot;⁨%2⁩&quot; הוא כפתור העכבר השמאלי, שכבר משמש כמתג 1; לא נעשה בו שימוש.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="126"/>
        <source>%1: &quot;%2&quot; needs a joystick 1 to 16 and a button 1 to 32; it is not used.</source>
        <translation>⁨%1⁩: &quot;⁨%2⁩&quot; דורש ג&apos;ויסטיק 1 עד 16 וכפתור 1 עד 32; לא נעשה בו שימוש.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="128"/>
        <source>%1: &quot;%2&quot; is not of the form Key:&lt;name&gt;, Mouse:&lt;button&gt; or Joystick:&lt;joystick&gt;:&lt;button&gt;; it is not used.</source>
        <translation>⁨%1⁩: &quot;⁨%2⁩&quot; אינו בתבנית Key:&lt;name&gt;, Mouse:&lt;button&gt; או Joystick:&lt;joystick&gt;:&lt;button&gt;; לא נעשה בו שימוש.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="162"/>
        <source>the %1 key</source>
        <translation>המקש ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="164"/>
        <source>the %1 mouse button</source>
        <translation>כפתור העכבר ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="166"/>
        <source>button %1 of joystick %2</source>
        <translation>כפתור ⁨%1⁩ של ג&apos;ויסטיק ⁨%2⁩</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="181"/>
        <source>Switch2: &quot;%1&quot; is switch 1 already; it is not used.</source>
        <translation>ב-Switch2: &quot;⁨%1⁩&quot; כבר משמש כמתג 1; לא נעשה בו שימוש.</translation>
    </message>
    <message>
        <location filename="../src/input/switch_inputs.cpp" line="190"/>
        <source>Switch%1: %2 is not connected; it is read once it is plugged in.</source>
        <translation>ב-Switch⁨%1⁩: ⁨%2⁩ אינו מחובר; הוא ייקרא ברגע שיחובר.</translation>
    </message>
</context>
<context>
    <name>SwitchTimingScreen</name>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="19"/>
        <source>%1 seconds</source>
        <translation>⁨%1⁩ שניות</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="25"/>
        <location filename="../src/menu/switch_timing_screen.cpp" line="37"/>
        <source>Switch Timing</source>
        <translation>תזמון מתגים</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="32"/>
        <source>Back</source>
        <translation>חזרה</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="43"/>
        <source>These times apply to every switch, key and mouse button. Every option at its left end leaves Brushwell as it always was. Try a setting on the &quot;Test Switches&quot; screen.</source>
        <translation>זמנים אלה חלים על כל מתג, מקש וכפתור עכבר. כל אפשרות בקצה הימני שלה משאירה את Brushwell כפי שהייתה תמיד. אפשר לנסות הגדרה במסך &quot;בדיקת מתגים&quot;.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="97"/>
        <source>Hold before a press counts</source>
        <translation>זמן החזקה עד שלחיצה נספרת</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="98"/>
        <source>The switch must be held this long before a press counts; a shorter touch counts for nothing. Helps users with tremor or spasms who hit the switch by accident.</source>
        <translation>יש להחזיק את המתג זמן זה לפני שהלחיצה נספרת; נגיעה קצרה יותר אינה נספרת. עוזר למשתמשים עם רעד או עוויתות שלוחצים על המתג בטעות.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="101"/>
        <source>Off: a press counts at once</source>
        <translation>כבוי: לחיצה נספרת מיד</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="102"/>
        <source>Ignore after a press</source>
        <translation>התעלמות אחרי לחיצה</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="103"/>
        <source>After a press that counted, anything within this time of letting go is ignored. Helps with switches that bounce and users who hit twice.</source>
        <translation>אחרי לחיצה שנספרה, המערכת מתעלמת מכל לחיצה בפרק זמן זה מהשחרור. עוזר עם מתגים שמקפצים ועם משתמשים שלוחצים פעמיים.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="105"/>
        <source>Off</source>
        <translation>כבוי</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="106"/>
        <source>First tube waits longer</source>
        <translation>השפופרת הראשונה ממתינה יותר</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="107"/>
        <source>In timed scanning and step scanning with one switch, the first paint tube offered for each part of the picture waits this many times longer. Gives time to get ready after each painting.</source>
        <translation>בסריקה מתוזמנת ובסריקה בצעדים עם מתג אחד, שפופרת הצבע הראשונה המוצעת לכל אזור בתמונה ממתינה זמן רב יותר פי הערך שנקבע. נותן זמן להתכונן אחרי כל צביעה.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="111"/>
        <source>Off: 1.0 times</source>
        <translation>כבוי: פי 1.0</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="112"/>
        <source>%1 times as long</source>
        <translation>פי ⁨%1⁩ זמן</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="114"/>
        <source>Rest after scan cycles</source>
        <translation>מנוחה אחרי סבבי סריקה</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="115"/>
        <source>In timed scanning, after this many rounds of all the tubes without a choice the tubes rest until the next press. Keeps the program quiet when the user has stopped or needs help.</source>
        <translation>בסריקה מתוזמנת, אחרי מספר זה של סבבים על כל השפופרות ללא בחירה, השפופרות נחות עד הלחיצה הבאה. כך התוכנית שקטה כשהמשתמש הפסיק או זקוק לעזרה.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="119"/>
        <source>Off: scanning never rests</source>
        <translation>כבוי: הסריקה לא נחה לעולם</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/switch_timing_screen.cpp" line="120"/>
        <source>after %n round(s)</source>
        <translation>
            <numerusform>אחרי סבב אחד</numerusform>
            <numerusform>אחרי ⁨%n⁩ סבבים</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="122"/>
        <source>Choose by resting the pointer</source>
        <translation>בחירה בהשתהות הסמן</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="123"/>
        <source>In No Scanning, resting the mouse pointer on a paint tube this long chooses it, as a click does; a ring on the tube fills meanwhile. For eye-gaze and head pointers.</source>
        <translation>במצב &quot;ללא סריקה&quot;, השהיית סמן העכבר על שפופרת צבע למשך זמן זה בוחרת בה, כמו לחיצה; בינתיים מתמלאת טבעת על השפופרת. למשתמשים במעקב עיניים ובסמן ראש.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="126"/>
        <source>Off: a click chooses</source>
        <translation>כבוי: לחיצה בוחרת</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="127"/>
        <source>Pointer size</source>
        <translation>גודל הסמן</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="128"/>
        <source>The pointer that shows which part of the picture is coloured next, drawn this many times larger. For users with low vision.</source>
        <translation>הסמן שמראה איזה אזור בתמונה ייצבע עכשיו, מצויר גדול יותר פי הערך שנקבע. למשתמשים עם לקות ראייה.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="131"/>
        <source>Standard size</source>
        <translation>גודל רגיל</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="131"/>
        <source>%1 times larger</source>
        <translation>גדול פי ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="153"/>
        <source>User chooses the &amp;next picture</source>
        <translation>המשתמש בוחר את התמונה ה&amp;באה</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="154"/>
        <source>Between pictures, the next ones are offered with the scanning in use. For users learning to make choices.</source>
        <translation>בין תמונה לתמונה, התמונות הבאות מוצעות בשיטת הסריקה שבשימוש. למשתמשים שלומדים לבחור.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="156"/>
        <source>User chooses the &amp;part to colour</source>
        <translation>המשתמש בוחר את ה&amp;אזור לצביעה</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="157"/>
        <source>Before each colour, the parts not coloured yet are offered with the pointer. For users who choose reliably.</source>
        <translation>לפני כל צבע, האזורים שעוד לא נצבעו מוצעים עם הסמן. למשתמשים שבוחרים באופן מהימן.</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="159"/>
        <source>Show the &amp;hold</source>
        <translation>הצגת ה&amp;החזקה</translation>
    </message>
    <message>
        <location filename="../src/menu/switch_timing_screen.cpp" line="160"/>
        <source>With a hold time, a ring on the tube fills while the switch is held. Shows the user how long to hold.</source>
        <translation>כשיש זמן החזקה, טבעת על השפופרת מתמלאת בזמן שהמתג מוחזק. מראה למשתמש כמה זמן להחזיק.</translation>
    </message>
</context>
<context>
    <name>TestSwitchesScreen</name>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="35"/>
        <location filename="../src/menu/test_switches_screen.cpp" line="48"/>
        <source>Test Switches</source>
        <translation>בדיקת מתגים</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="42"/>
        <source>&amp;Back</source>
        <translation>&amp;חזרה</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="43"/>
        <source>Back</source>
        <translation>חזרה</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="59"/>
        <source>Press the switches. A lamp lights while its switch is held and flashes yellow when a press counts with the timing now set. Mouse buttons count on the lamps. Escape or Alt+B goes back.</source>
        <translation>לחצו על המתגים. נורה דולקת כל עוד המתג שלה מוחזק, ומהבהבת בצהוב כשלחיצה נספרת לפי התזמון שנקבע. כפתורי העכבר נספרים על הנורות. Escape או Alt+ח חוזרים אחורה.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="65"/>
        <source>Switch lamps</source>
        <translation>נורות המתגים</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="69"/>
        <source>Switch %1</source>
        <translation>מתג ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="74"/>
        <source>Switch %1 hold</source>
        <translation>החזקת מתג ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="82"/>
        <source>&amp;Learn Switch %1</source>
        <translation>&amp;לימוד מתג ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="83"/>
        <source>L&amp;earn Switch 2</source>
        <translation>ל&amp;ימוד מתג 2</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="84"/>
        <source>Learn Switch %1</source>
        <translation>לימוד מתג ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="88"/>
        <source>Forget Learnt Inputs of Switch &amp;%1</source>
        <translation>שכחת הקלטים שנלמדו למתג &amp;⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="89"/>
        <source>Forget Learnt Inputs of Switch %1</source>
        <translation>שכחת הקלטים שנלמדו למתג ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="123"/>
        <source>none</source>
        <translation>אין</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="126"/>
        <source>Reading: %1. The device is chosen on &quot;Keyboard / Switch Information&quot;.</source>
        <translation>מקור הקריאה: ⁨%1⁩. ההתקן נבחר במסך &quot;מקלדת / מתגים&quot;.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="148"/>
        <source>Press the key, the mouse button (on a lamp) or the joystick button that is to be switch %1. Escape cancels.</source>
        <translation>יש ללחוץ על המקש, על כפתור העכבר (על נורה) או על כפתור הג&apos;ויסטיק שישמש כמתג ⁨%1⁩. Escape מבטל.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="159"/>
        <source>Switch %1 has only its standard keys now.</source>
        <translation>למתג ⁨%1⁩ יש עכשיו רק את המקשים הרגילים שלו.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="180"/>
        <source>Not taken: %1 %2</source>
        <translation>לא נקלט: ⁨%1⁩ ⁨%2⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="199"/>
        <source>Switch %1 is now also %2.</source>
        <translation>מתג ⁨%1⁩ הוא עכשיו גם ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="206"/>
        <source>Space bar, 0 key</source>
        <translation>מקש הרווח, מקש 0</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="206"/>
        <source>Enter key, 1 key</source>
        <translation>מקש Enter, מקש 1</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="209"/>
        <source>mouse clicks</source>
        <translation>לחיצות עכבר</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="211"/>
        <source>the switch adapter</source>
        <translation>מתאם המתגים</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="244"/>
        <source>held</source>
        <translation>מוחזק</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="245"/>
        <source>released</source>
        <translation>משוחרר</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="253"/>
        <source>Switch %1: %2 counted, %3 ignored, last hold %4</source>
        <translation>מתג ⁨%1⁩: ⁨%2⁩ נספרו, ⁨%3⁩ נדחו, החזקה אחרונה ⁨%4⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="257"/>
        <source>%1 ms</source>
        <translation>⁨%1⁩ ms</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="279"/>
        <source>Learning cancelled.</source>
        <translation>הלימוד בוטל.</translation>
    </message>
</context>
<context>
    <name>Users</name>
    <message>
        <location filename="../src/users/user_store.cpp" line="54"/>
        <source>the user&apos;s file could not be prepared</source>
        <translation>לא ניתן היה להכין את הקובץ של המשתמש</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="106"/>
        <source>The folder %1 holds no user&apos;s name (%2 is missing or damaged); it is left as it is.</source>
        <translation>התיקייה ⁨%1⁩ אינה מכילה שם משתמש (⁨%2⁩ חסר או פגום); היא נשארת כפי שהיא.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="124"/>
        <source>Please type the user&apos;s name first.</source>
        <translation>יש להקליד קודם את שם המשתמש.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="126"/>
        <source>The name is too long: a name may have at most %1 characters.</source>
        <translation>השם ארוך מדי: שם יכול להכיל לכל היותר ⁨%1⁩ תווים.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="129"/>
        <source>There is already a user called &quot;%1&quot;. Please give this user another name.</source>
        <translation>כבר יש משתמש בשם &quot;⁨%1⁩&quot;. יש לתת למשתמש זה שם אחר.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="140"/>
        <source>The folder %1 is already there; Brushwell leaves it as it is and makes no user.</source>
        <translation>התיקייה ⁨%1⁩ כבר קיימת; Brushwell משאירה אותה כפי שהיא ואינה יוצרת משתמש.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="141"/>
        <location filename="../src/users/user_store.cpp" line="146"/>
        <location filename="../src/users/user_store.cpp" line="162"/>
        <source>The folder %1 could not be made.</source>
        <translation>לא ניתן היה ליצור את התיקייה ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="153"/>
        <source>%1 could not be copied for the new user (%2).</source>
        <translation>לא ניתן היה להעתיק את ⁨%1⁩ עבור המשתמש החדש (⁨%2⁩).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="159"/>
        <source>%1 could not be written (%2).</source>
        <translation>לא ניתן היה לכתוב את ⁨%1⁩ (⁨%2⁩).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="165"/>
        <source>No user was made.</source>
        <translation>לא נוצר משתמש.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="175"/>
        <source>The folder %1 is not one of the users&apos; folders any more; nothing was renamed.</source>
        <translation>התיקייה ⁨%1⁩ כבר אינה אחת מתיקיות המשתמשים; שום דבר לא שונה שם.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="181"/>
        <source>The folder %1 is already there; the user keeps the name &quot;%2&quot;.</source>
        <translation>התיקייה ⁨%1⁩ כבר קיימת; המשתמש נשאר עם השם &quot;⁨%2⁩&quot;.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="184"/>
        <source>The folder %1 could not be renamed; the user keeps the name &quot;%2&quot;.</source>
        <translation>לא ניתן היה לשנות את שם התיקייה ⁨%1⁩; המשתמש נשאר עם השם &quot;⁨%2⁩&quot;.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="189"/>
        <source>The new name could not be written (%1); the user keeps the name &quot;%2&quot;.</source>
        <translation>לא ניתן היה לכתוב את השם החדש (⁨%1⁩); המשתמש נשאר עם השם &quot;⁨%2⁩&quot;.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="197"/>
        <source>The folder %1 is not one of the users&apos; folders any more; nothing was removed.</source>
        <translation>התיקייה ⁨%1⁩ כבר אינה אחת מתיקיות המשתמשים; שום דבר לא הוסר.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="202"/>
        <source>The folder %1 could not be removed; nothing was removed.</source>
        <translation>לא ניתן היה להסיר את התיקייה ⁨%1⁩; שום דבר לא הוסר.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="204"/>
        <source>Some files of the removed user could not be deleted; they are in %1.</source>
        <translation>חלק מהקבצים של המשתמש שהוסר לא נמחקו; הם נמצאים ב-⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="213"/>
        <source>The picture %1 is too large (%2 x %3 pixels).</source>
        <translation>התמונה ⁨%1⁩ גדולה מדי (⁨%2⁩ x ⁨%3⁩ פיקסלים).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="215"/>
        <source>%1 could not be read as a picture (%2).</source>
        <translation>לא ניתן היה לקרוא את ⁨%1⁩ כתמונה (⁨%2⁩).</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="220"/>
        <source>The picture could not be prepared.</source>
        <translation>לא ניתן היה להכין את התמונה.</translation>
    </message>
    <message>
        <location filename="../src/users/user_store.cpp" line="224"/>
        <source>The picture could not be saved in %1 (%2).</source>
        <translation>לא ניתן היה לשמור את התמונה ב-⁨%1⁩ (⁨%2⁩).</translation>
    </message>
    <message>
        <location filename="../src/users/active_user.cpp" line="43"/>
        <source>Brushwell could not note in %1 who is colouring (%2).
The next start may begin with the user noted before: check &quot;User&quot; on the main menu then.</source>
        <translation>התוכנה Brushwell לא הצליחה לרשום ב-⁨%1⁩ מי צובע עכשיו (⁨%2⁩).
ההפעלה הבאה עשויה להתחיל עם המשתמש שנרשם קודם: בדקו אז את &quot;משתמש&quot; בתפריט הראשי.</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <location filename="../src/pictures/validation.cpp" line="40"/>
        <source>The picture file %1 cannot be shown:
%2.
Please check %1, or take it out of the picture list.</source>
        <translation>לא ניתן להציג את קובץ התמונה ⁨%1⁩:
⁨%2⁩.
יש לבדוק את ⁨%1⁩, או להוציא אותו מרשימת התמונות.</translation>
    </message>
    <message>
        <location filename="../src/pictures/validation.cpp" line="71"/>
        <source>The sections of %1 could not be saved in %2 (%3).
The picture can be coloured, but it will be checked again each time it is shown.</source>
        <translation>לא ניתן היה לשמור את האזורים של ⁨%1⁩ ב-⁨%2⁩ (⁨%3⁩).
אפשר לצבוע את התמונה, אבל היא תיבדק מחדש בכל פעם שתוצג.</translation>
    </message>
    <message>
        <location filename="../src/pictures/validation.cpp" line="95"/>
        <source>Can&apos;t open the file</source>
        <translation>לא ניתן לפתוח את הקובץ</translation>
    </message>
</context>
<context>
    <name>WorkshopWindow</name>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="21"/>
        <source>Brushwell Picture Workshop</source>
        <translation>סדנת התמונות של Brushwell</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="23"/>
        <source>Workshop pages</source>
        <translation>עמודי הסדנה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="31"/>
        <source>&amp;New Picture</source>
        <translation>תמונה &amp;חדשה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="32"/>
        <source>&amp;Picture Lists</source>
        <translation>&amp;רשימות תמונות</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="34"/>
        <source>Status</source>
        <translation>מצב</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="35"/>
        <source>Pictures and lists are saved in %1</source>
        <translation>התמונות והרשימות נשמרות ב-⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="46"/>
        <location filename="../tools/workshop/workshop_window.cpp" line="47"/>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="48"/>
        <source>Close the workshop (Ctrl+Q)</source>
        <translation>סגירת הסדנה (Ctrl+Q)</translation>
    </message>
    <message>
        <location filename="../tools/workshop/workshop_window.cpp" line="69"/>
        <source>The new picture is not saved. Close the workshop anyway?</source>
        <translation>התמונה החדשה לא נשמרה. לסגור את הסדנה בכל זאת?</translation>
    </message>
</context>
<context>
    <name>camera::CameraSwitch</name>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="150"/>
        <source>The camera &quot;%1&quot; was disconnected. The other switches work as before; the camera is used again as soon as it is connected.</source>
        <translation>המצלמה &quot;⁨%1⁩&quot; נותקה. שאר המתגים פועלים כרגיל; המצלמה תשמש שוב ברגע שתחובר.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="180"/>
        <source>The camera is off.</source>
        <translation>המצלמה כבויה.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="218"/>
        <source>The video file &quot;%1&quot; (Source in brushwell.ini) does not exist. The other switches work as before.</source>
        <translation>קובץ הווידאו &quot;⁨%1⁩&quot; (⁨Source⁩ ב-⁨brushwell.ini⁩) אינו קיים. שאר המתגים פועלים כרגיל.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="228"/>
        <source>The video file &quot;%1&quot; cannot be played (%2). The other switches work as before.</source>
        <translation>לא ניתן להפעיל את קובץ הווידאו &quot;⁨%1⁩&quot; (⁨%2⁩). שאר המתגים פועלים כרגיל.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="232"/>
        <source>The video file &quot;%1&quot; has ended.</source>
        <translation>קובץ הווידאו &quot;⁨%1⁩&quot; הסתיים.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="234"/>
        <source>Opening the video file &quot;%1&quot;…</source>
        <translation>פתיחת קובץ הווידאו &quot;⁨%1⁩&quot;…</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="246"/>
        <source>The chosen camera (%1) is not connected. The other switches work as before; the camera is used as soon as it is connected.</source>
        <translation>המצלמה שנבחרה (⁨%1⁩) אינה מחוברת. שאר המתגים פועלים כרגיל; המצלמה תשמש ברגע שתחובר.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="253"/>
        <source>No camera is connected. The other switches work as before; a camera is used as soon as one is connected.</source>
        <translation>לא מחוברת מצלמה. שאר המתגים פועלים כרגיל; מצלמה תשמש ברגע שתחובר.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="265"/>
        <source>The camera &quot;%1&quot; cannot be used (%2). Another program may be using it. The other switches work as before; Brushwell tries again every few seconds.</source>
        <translation>לא ניתן להשתמש במצלמה &quot;⁨%1⁩&quot; (⁨%2⁩). ייתכן שתוכנה אחרת משתמשת בה. שאר המתגים פועלים כרגיל; Brushwell מנסה שוב כל כמה שניות.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="269"/>
        <source>Opening the camera &quot;%1&quot;…</source>
        <translation>פתיחת המצלמה &quot;⁨%1⁩&quot;…</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="303"/>
        <source>The camera &quot;%1&quot; sends no pictures. The other switches work as before; the camera is used again as soon as it sends pictures.</source>
        <translation>המצלמה &quot;⁨%1⁩&quot; אינה שולחת תמונה. שאר המתגים פועלים כרגיל; המצלמה תשמש שוב ברגע שתשלח תמונה.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="348"/>
        <source>Using the video file &quot;%1&quot; instead of a camera.</source>
        <translation>נעשה שימוש בקובץ הווידאו &quot;⁨%1⁩&quot; במקום במצלמה.</translation>
    </message>
    <message>
        <location filename="../src/camera/camera_switch.cpp" line="349"/>
        <source>Using the camera &quot;%1&quot;.</source>
        <translation>נעשה שימוש במצלמה &quot;⁨%1⁩&quot;.</translation>
    </message>
</context>
<context>
    <name>menu::Banner</name>
    <message>
        <location filename="../src/menu/banner.cpp" line="161"/>
        <source>Gallery</source>
        <translation>גלריה</translation>
    </message>
    <message>
        <location filename="../src/menu/banner.cpp" line="163"/>
        <source>Progress</source>
        <translation>התקדמות</translation>
    </message>
    <message>
        <location filename="../src/menu/banner_users.cpp" line="15"/>
        <source>User</source>
        <translation>משתמש</translation>
    </message>
    <message>
        <location filename="../src/menu/banner_users.cpp" line="35"/>
        <source>No user chosen</source>
        <translation>לא נבחר משתמש</translation>
    </message>
    <message>
        <location filename="../src/menu/banner_users.cpp" line="35"/>
        <source>Colouring now: %1</source>
        <translation>משתמש נוכחי: ⁨%1⁩</translation>
    </message>
</context>
<context>
    <name>menu::CameraPreview</name>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="52"/>
        <source>Camera picture</source>
        <translation>תמונת המצלמה</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="53"/>
        <source>Arrow keys move the rectangle, Shift and the arrow keys change its size, 1 and 2 choose the switch, Delete removes the rectangle.</source>
        <translation>מקשי החצים מזיזים את המלבן, Shift עם מקשי החצים משנה את גודלו, 1 ו-2 בוחרים את המתג, Delete מסיר את המלבן.</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="109"/>
        <source>No picture</source>
        <translation>אין תמונה</translation>
    </message>
</context>
<context>
    <name>menu::CameraScreen</name>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="232"/>
        <location filename="../src/menu/camera_screen.cpp" line="245"/>
        <source>Camera Switch</source>
        <translation>מצלמה כמתג</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="239"/>
        <source>&amp;Back</source>
        <translation>&amp;חזרה</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="240"/>
        <source>Back</source>
        <translation>חזרה</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="251"/>
        <source>Draw a rectangle on the picture around the movement that is to press each switch (a head turn, a hand lift). Movement inside it presses the switch; a change of the whole picture&apos;s brightness does not.</source>
        <translation>יש לצייר על התמונה מלבן סביב התנועה שתלחץ על כל מתג (סיבוב ראש, הרמת יד). תנועה בתוך המלבן לוחצת על המתג; שינוי בהירות של התמונה כולה אינו לוחץ.</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="257"/>
        <source>&amp;Use the camera as switches</source>
        <translation>&amp;שימוש במצלמה כמתגים</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="260"/>
        <source>C&amp;amera:</source>
        <translation>מ&amp;צלמה:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="262"/>
        <source>Camera</source>
        <translation>מצלמה</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="283"/>
        <source>Rectangle of:</source>
        <translation>מלבן של:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="285"/>
        <location filename="../src/menu/camera_screen.cpp" line="288"/>
        <source>Switch %1</source>
        <translation>מתג ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="290"/>
        <source>Remove Rectangle %1</source>
        <translation>הסרת מלבן ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="292"/>
        <source>Sensitivity:</source>
        <translation>רגישות:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="296"/>
        <source>Sensitivity of switch %1</source>
        <translation>רגישות מתג ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="300"/>
        <source>Movement:</source>
        <translation>תנועה:</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="302"/>
        <source>Movement at switch %1</source>
        <translation>תנועה במתג ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="305"/>
        <source>Switch &amp;%1</source>
        <translation>מתג &amp;⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="306"/>
        <source>Rectangle of switch %1</source>
        <translation>המלבן של מתג ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="411"/>
        <source>Video file %1 (Source in brushwell.ini)</source>
        <translation>קובץ וידאו ⁨%1⁩ (⁨Source⁩ ב-⁨brushwell.ini⁩)</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="416"/>
        <source>The standard camera</source>
        <translation>מצלמת ברירת המחדל</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="420"/>
        <source>%1 (not connected)</source>
        <translation>⁨%1⁩ (לא מחוברת)</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="446"/>
        <source>held</source>
        <translation>מוחזק</translation>
    </message>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="446"/>
        <source>released</source>
        <translation>משוחרר</translation>
    </message>
</context>
<context>
    <name>menu::GalleryModel</name>
    <message>
        <location filename="../src/menu/gallery_model.cpp" line="73"/>
        <source>Without a user</source>
        <translation>ללא משתמש</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_model.cpp" line="103"/>
        <source>%1
%2
%3 (unfinished)</source>
        <translation>⁨%1⁩
⁨%2⁩
⁨%3⁩ (לא הושלמה)</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_model.cpp" line="104"/>
        <source>%1
%2
%3</source>
        <translation>⁨%1⁩
⁨%2⁩
⁨%3⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_model.cpp" line="107"/>
        <source>%1, %2, unfinished</source>
        <translation>⁨%1⁩, ⁨%2⁩, לא הושלמה</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_model.cpp" line="108"/>
        <source>%1, %2</source>
        <translation>⁨%1⁩, ⁨%2⁩</translation>
    </message>
</context>
<context>
    <name>menu::GalleryPictureView</name>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="24"/>
        <source>Gallery</source>
        <translation>גלריה</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="42"/>
        <source>%1, %2</source>
        <translation>⁨%1⁩, ⁨%2⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="43"/>
        <source>%1, coloured by %2 on %3</source>
        <translation>⁨%1⁩, נצבעה על ידי ⁨%2⁩ ב-⁨%3⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="44"/>
        <source>Less than a minute</source>
        <translation>פחות מדקה</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="44"/>
        <source>%n minute(s)</source>
        <translation>
            <numerusform>דקה אחת</numerusform>
            <numerusform>⁨%n⁩ דקות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="45"/>
        <source>%1; %2 of %n section(s) coloured</source>
        <translation>
            <numerusform>⁨%1⁩; נצבעו ⁨%2⁩ מתוך אזור אחד</numerusform>
            <numerusform>⁨%1⁩; נצבעו ⁨%2⁩ מתוך ⁨%n⁩ אזורים</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="46"/>
        <source>Unfinished: Start goes on with it when Resume is set.</source>
        <translation>לא הושלמה: &quot;התחלה&quot; ממשיכה אותה כאשר Resume מופעל.</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="51"/>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
</context>
<context>
    <name>menu::GalleryScreen</name>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="58"/>
        <source>Gallery</source>
        <translation>גלריה</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="66"/>
        <source>User:</source>
        <translation>משתמש:</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="68"/>
        <source>User</source>
        <translation>משתמש</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="71"/>
        <source>From:</source>
        <translation>מתאריך:</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="73"/>
        <source>From</source>
        <translation>מתאריך</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="76"/>
        <source>To:</source>
        <translation>עד תאריך:</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="78"/>
        <source>To</source>
        <translation>עד תאריך</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="89"/>
        <source>Pictures</source>
        <translation>תמונות</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="104"/>
        <source>Open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="105"/>
        <source>Print</source>
        <translation>הדפסה</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="106"/>
        <source>Booklet (PDF)</source>
        <translation>חוברת (PDF)</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="107"/>
        <source>Delete</source>
        <translation>מחיקה</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="132"/>
        <source>Everyone</source>
        <translation>כולם</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="156"/>
        <source>%n picture(s)</source>
        <translation>
            <numerusform>תמונה אחת</numerusform>
            <numerusform>⁨%n⁩ תמונות</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="171"/>
        <source>Choose a picture in the list first.</source>
        <translation>יש לבחור קודם תמונה ברשימה.</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="193"/>
        <source>%1 cannot be read.</source>
        <translation>לא ניתן לקרוא את ⁨%1⁩.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="201"/>
        <location filename="../src/menu/gallery_screen.cpp" line="204"/>
        <source>%n picture(s) sent to the printer.</source>
        <translation>
            <numerusform>תמונה אחת נשלחה למדפסת.</numerusform>
            <numerusform>⁨%n⁩ תמונות נשלחו למדפסת.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="213"/>
        <source>booklet</source>
        <translation>חוברת</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="215"/>
        <source>Save the booklet</source>
        <translation>שמירת החוברת</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="215"/>
        <source>PDF files (*.pdf)</source>
        <translation>קובצי PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="225"/>
        <source>The booklet could not be saved as %1: %2.</source>
        <translation>לא ניתן היה לשמור את החוברת בשם ⁨%1⁩: ⁨%2⁩.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="229"/>
        <source>The booklet of %n picture(s) was saved as %1.</source>
        <translation>
            <numerusform>החוברת עם תמונה אחת נשמרה בשם ⁨%1⁩.</numerusform>
            <numerusform>החוברת עם ⁨%n⁩ תמונות נשמרה בשם ⁨%1⁩.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="231"/>
        <source>These pictures could not be read and were left out:
%1</source>
        <translation>לא ניתן היה לקרוא את התמונות האלה והן הושמטו:
⁨%1⁩</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/gallery_screen.cpp" line="239"/>
        <source>Delete %n picture(s) from the gallery? They cannot be brought back.</source>
        <translation>
            <numerusform>למחוק תמונה אחת מהגלריה? לא יהיה אפשר לשחזר אותה.</numerusform>
            <numerusform>למחוק ⁨%n⁩ תמונות מהגלריה? לא יהיה אפשר לשחזר אותן.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/gallery_screen.cpp" line="245"/>
        <source>These pictures could not be deleted (is the folder read-only?):
%1</source>
        <translation>לא ניתן היה למחוק את התמונות האלה (האם התיקייה לקריאה בלבד?):
⁨%1⁩</translation>
    </message>
</context>
<context>
    <name>menu::LevelBar</name>
    <message>
        <location filename="../src/menu/camera_screen.cpp" line="205"/>
        <source>movement %1 %, level %2 %</source>
        <translation>תנועה ⁨⁨%1⁩%⁩, סף ⁨⁨%2⁩%⁩</translation>
    </message>
</context>
<context>
    <name>menu::ProgressScreen</name>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="47"/>
        <source>Progress report</source>
        <translation>דוח התקדמות</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="50"/>
        <source>the PDF file could not be started</source>
        <translation>לא ניתן היה ליצור את קובץ ה-PDF</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="75"/>
        <source>Brushwell progress report</source>
        <translation>דוח התקדמות של Brushwell</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="77"/>
        <source>User: %1</source>
        <translation>משתמש: ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="78"/>
        <source>Dates: %1</source>
        <translation>תאריכים: ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="79"/>
        <source>Per: %1</source>
        <translation>לפי: ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="81"/>
        <source>Made on %1</source>
        <translation>הופק ב-⁨%1⁩</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/progress_report.cpp" line="129"/>
        <source>Only the latest %n period(s) fit on this page; the CSV export holds every picture.</source>
        <translation>
            <numerusform>רק התקופה האחרונה נכנסת בעמוד זה; ייצוא ה-CSV כולל כל תמונה.</numerusform>
            <numerusform>רק ⁨%n⁩ התקופות האחרונות נכנסות בעמוד זה; ייצוא ה-CSV כולל כל תמונה.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="138"/>
        <source>Export CSV</source>
        <translation>ייצוא CSV</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="138"/>
        <source>CSV files (*.csv)</source>
        <translation>קובצי CSV (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="142"/>
        <location filename="../src/menu/progress_report.cpp" line="156"/>
        <source>The file %1 could not be saved: %2.</source>
        <translation>לא ניתן היה לשמור את הקובץ ⁨%1⁩: ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="144"/>
        <source>The progress records were saved as %1.</source>
        <translation>רשומות ההתקדמות נשמרו בשם ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="152"/>
        <source>PDF Report</source>
        <translation>דוח PDF</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="152"/>
        <source>PDF files (*.pdf)</source>
        <translation>קובצי PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_report.cpp" line="158"/>
        <source>The report was saved as %1.</source>
        <translation>הדוח נשמר בשם ⁨%1⁩.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="69"/>
        <source>Progress</source>
        <translation>התקדמות</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="86"/>
        <source>&amp;User:</source>
        <translation>&amp;משתמש:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="94"/>
        <source>&amp;From:</source>
        <translation>מ&amp;תאריך:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="95"/>
        <source>&amp;To:</source>
        <translation>&amp;עד תאריך:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="97"/>
        <source>Session</source>
        <translation>מפגש</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="98"/>
        <source>Day</source>
        <translation>יום</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="99"/>
        <source>Week</source>
        <translation>שבוע</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="102"/>
        <source>&amp;Per:</source>
        <translation>&amp;לפי:</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="107"/>
        <source>Pictures finished</source>
        <translation>תמונות שהושלמו</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="108"/>
        <source>Median time to choose (seconds)</source>
        <translation>זמן בחירה חציוני (שניות)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="109"/>
        <source>Presses counted (%)</source>
        <translation>לחיצות שנספרו (%)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="116"/>
        <source>Progress table</source>
        <translation>טבלת התקדמות</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="118"/>
        <source>Period</source>
        <translation>תקופה</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="118"/>
        <source>Pictures started</source>
        <translation>תמונות שהותחלו</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="118"/>
        <source>Finished</source>
        <translation>הושלמו</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="119"/>
        <source>Time to choose</source>
        <translation>זמן בחירה</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="119"/>
        <source>Presses counted</source>
        <translation>לחיצות שנספרו</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="120"/>
        <source>Presses ignored</source>
        <translation>לחיצות שנדחו</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="120"/>
        <source>Sections cleared</source>
        <translation>אזורים שנמחקו</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="137"/>
        <source>&amp;Export CSV...</source>
        <translation>&amp;ייצוא CSV...</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="138"/>
        <source>PDF &amp;Report...</source>
        <translation>&amp;דוח PDF...</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="165"/>
        <source>Without a user (the program&apos;s folder)</source>
        <translation>ללא משתמש (תיקיית התוכנית)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="190"/>
        <source>The progress file %1 cannot be read: %2.</source>
        <translation>לא ניתן לקרוא את קובץ ההתקדמות ⁨%1⁩: ⁨%2⁩.</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="215"/>
        <source>No pictures have been recorded for this user yet.</source>
        <translation>עדיין לא נרשמו תמונות עבור משתמש זה.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/menu/progress_screen.cpp" line="216"/>
        <source>%n picture(s) started in this range, %1 finished.</source>
        <translation>
            <numerusform>תמונה אחת הותחלה בטווח זה, ⁨%1⁩ הושלמו.</numerusform>
            <numerusform>⁨%n⁩ תמונות הותחלו בטווח זה, ⁨%1⁩ הושלמו.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="280"/>
        <source>%1 s</source>
        <translation>⁨%1⁩ שנ&apos;</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="281"/>
        <source>%1 (%2 %)</source>
        <translation>⁨%1⁩ (⁨⁨%2⁩%⁩)</translation>
    </message>
    <message>
        <location filename="../src/menu/progress_screen.cpp" line="301"/>
        <source>%1 to %2</source>
        <translation>⁨%1⁩ עד ⁨%2⁩</translation>
    </message>
</context>
<context>
    <name>menu::TestSwitchesScreen</name>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="53"/>
        <source>C&amp;amera Switch</source>
        <translation>מ&amp;צלמה כמתג</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="54"/>
        <source>Camera Switch</source>
        <translation>מצלמה כמתג</translation>
    </message>
    <message>
        <location filename="../src/menu/test_switches_screen.cpp" line="217"/>
        <source>movement seen by the camera</source>
        <translation>תנועה שהמצלמה קולטת</translation>
    </message>
</context>
<context>
    <name>menu::UsersScreen</name>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="17"/>
        <location filename="../src/menu/users_screen.cpp" line="31"/>
        <source>Users</source>
        <translation>משתמשים</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="22"/>
        <source>Each user has their own settings, place in the picture lists, finished pictures and progress records. Choose who is colouring now.</source>
        <translation>לכל משתמש יש הגדרות משלו, מקום משלו ברשימות התמונות, תמונות שהשלים ורישומי התקדמות. יש לבחור מי צובע עכשיו.</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="37"/>
        <source>Name:</source>
        <translation>שם:</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="39"/>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="47"/>
        <source>Choose</source>
        <translation>בחירה</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="48"/>
        <source>Make User</source>
        <translation>יצירת משתמש</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="49"/>
        <source>Rename</source>
        <translation>שינוי שם</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="50"/>
        <source>Remove</source>
        <translation>הסרה</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="51"/>
        <source>Picture...</source>
        <translation>תמונה...</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="61"/>
        <source>Yes, Remove</source>
        <translation>כן, להסיר</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="62"/>
        <source>Keep</source>
        <translation>להשאיר</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="97"/>
        <source>No user (this folder&apos;s own settings)</source>
        <translation>ללא משתמש (ההגדרות של תיקייה זו)</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="111"/>
        <source>Colouring now: no user (this folder&apos;s own settings).</source>
        <translation>משתמש נוכחי: ללא משתמש (ההגדרות של תיקייה זו).</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="112"/>
        <source>Colouring now: %1</source>
        <translation>משתמש נוכחי: ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="184"/>
        <source>Remove the user &quot;%1&quot;? This deletes the folder %2 and everything in it: the user&apos;s settings and place in the picture lists, own picture lists, finished pictures and progress records. This cannot be undone.</source>
        <translation>להסיר את המשתמש &quot;⁨%1⁩&quot;? פעולה זו מוחקת את התיקייה ⁨%2⁩ ואת כל מה שבתוכה: ההגדרות של המשתמש ומקומו ברשימות התמונות, רשימות התמונות שלו, התמונות שהשלים ורישומי ההתקדמות. אי אפשר לבטל זאת.</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="215"/>
        <source>A Picture for %1</source>
        <translation>תמונה עבור ⁨%1⁩</translation>
    </message>
    <message>
        <location filename="../src/menu/users_screen.cpp" line="218"/>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>תמונות (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutScreen</name>
    <message>
        <source>Counter-Strike Trevlin</source>
        <translation>Counter-Strike Trevlin</translation>
    </message>
    <message>
        <source>Trevlin emblem</source>
        <translation>Trevlin-Emblem</translation>
    </message>
    <message>
        <source>Trevlin Homepage</source>
        <translation>Trevlin-Homepage</translation>
    </message>
    <message>
        <source>Mail Me</source>
        <translation>Mail an mich</translation>
    </message>
    <message>
        <source>E&amp;XIT      </source>
        <translation>&amp;BEENDEN      </translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>BEENDEN</translation>
    </message>
    <message>
        <source>Counter-Strike Trevlin Version %1</source>
        <translation>Counter-Strike Trevlin Version %1</translation>
    </message>
    <message>
        <source>No web browser is set up to open the home page. Its address is: %1</source>
        <translation>Kein Webbrowser ist zum Öffnen der Homepage eingerichtet. Ihre Adresse lautet: %1</translation>
    </message>
    <message>
        <source>No mail program is set up to write the mail. Please write to: %1</source>
        <translation>Kein Mailprogramm ist zum Schreiben der Mail eingerichtet. Bitte schreiben Sie an: %1</translation>
    </message>
</context>
<context>
    <name>AddBotFormat</name>
    <message>
        <source>Skill 1 to %1 (1=best)</source>
        <translation>Fertigkeit 1 bis %1 (1 = beste)</translation>
    </message>
    <message>
        <source>The bot name holds %1, a character that a Counter-Strike config file cannot carry. Please use another name.</source>
        <translation>Der Botname enthält %1, ein Zeichen, das eine Counter-Strike-Konfigurationsdatei nicht aufnehmen kann. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>You have to name the bot</source>
        <translation>Sie müssen dem Bot einen Namen geben</translation>
    </message>
    <message>
        <source>You have to slect a team for the bot</source>
        <translation>Sie müssen ein Team für den Bot wählen</translation>
    </message>
    <message>
        <source>You have to enter a skill level for the bot</source>
        <translation>Sie müssen eine Fertigkeitsstufe für den Bot eingeben</translation>
    </message>
    <message>
        <source>The skill level must be between 1 and %1</source>
        <translation>Die Fertigkeitsstufe muss zwischen 1 und %1 liegen</translation>
    </message>
    <message>
        <source>You have to select a team for the bot</source>
        <translation>Sie müssen ein Team für den Bot wählen</translation>
    </message>
    <message>
        <source>You have to choose a skin for the bot</source>
        <translation>Sie müssen einen Skin für den Bot wählen</translation>
    </message>
    <message>
        <source>You Have to select a skin for the bot</source>
        <translation>Sie müssen einen Skin für den Bot wählen</translation>
    </message>
    <message>
        <source>The option &quot;Min No Of Bots&quot; (%1) is more than &quot;Max No Of Bots&quot; (%2), so the server could never keep to both. Please change one of them and save again.</source>
        <translation>Die Option „Min. Anzahl Bots“ (%1) ist größer als „Max. Anzahl Bots“ (%2), sodass der Server nie beide einhalten könnte. Bitte ändern Sie eine davon und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its team %2 is none of &quot;Terrorist&quot;, &quot;Counter Terrorist&quot; and &quot;Auto Select&quot;.</source>
        <translation>Der Bot %1 kann nicht gespeichert werden, weil sein Team %2 weder „Terrorist“ noch „Counter Terrorist“ noch „Auto Select“ ist.</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its skin %2 is none of the skins a config file knows.</source>
        <translation>Der Bot %1 kann nicht gespeichert werden, weil sein Skin %2 keiner der Skins ist, die eine Konfigurationsdatei kennt.</translation>
    </message>
</context>
<context>
    <name>AddBotPanel</name>
    <message>
        <source>Bots</source>
        <translation>Bots</translation>
    </message>
    <message>
        <source>Registered Bots</source>
        <translation>Registrierte Bots</translation>
    </message>
    <message>
        <source>Bot Name</source>
        <translation>Botname</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Fertigkeit</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Delete &amp;Bot</source>
        <translation>Bot &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Add Bot</source>
        <translation>Bot &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Add Multiple Bots</source>
        <translation>Mehrere Bots hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit Bot</source>
        <translation>Bot &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Time Before Bot Entry:</source>
        <translation>Zeit bis zum Boteintritt:</translation>
    </message>
    <message>
        <source>Auto Team Blance:</source>
        <translation>Automatischer Teamausgleich:</translation>
    </message>
    <message>
        <source>Bot Dependant Options</source>
        <translation>Botabhängige Optionen</translation>
    </message>
    <message>
        <source>Botskill:</source>
        <translation>Botfertigkeit:</translation>
    </message>
    <message>
        <source>This Sets The Skill Level For Bots If You Use The AddBot Command Without The Skill Specified</source>
        <translation>Legt die Fertigkeitsstufe der Bots fest, wenn Sie den AddBot-Befehl ohne Angabe der Fertigkeit verwenden</translation>
    </message>
    <message>
        <source>Auto Skill:</source>
        <translation>Auto-Fertigkeit:</translation>
    </message>
    <message>
        <source>This makes the bot recieve a random skill when added with the Addbot command and no skill specified</source>
        <translation>Damit erhält der Bot eine zufällige Fertigkeit, wenn er mit dem Addbot-Befehl ohne Angabe der Fertigkeit hinzugefügt wird</translation>
    </message>
    <message>
        <source>Use Botskill Range:</source>
        <translation>Fertigkeitsbereich verwenden:</translation>
    </message>
    <message>
        <source>Min Bot Skill:</source>
        <translation>Min. Botfertigkeit:</translation>
    </message>
    <message>
        <source>Max Skill:</source>
        <translation>Max. Fertigkeit:</translation>
    </message>
    <message>
        <source>This sets the maximum skill each bot will get when they are added with the Addbot command</source>
        <translation>Legt die höchste Fertigkeit fest, die jeder Bot erhält, wenn er mit dem Addbot-Befehl hinzugefügt wird</translation>
    </message>
    <message>
        <source>Extra Skill:</source>
        <translation>Zusatzfertigkeit:</translation>
    </message>
    <message>
        <source>Observer:</source>
        <translation>Zuschauer:</translation>
    </message>
    <message>
        <source>This option limits you to observer only</source>
        <translation>Mit dieser Option sind Sie nur Zuschauer</translation>
    </message>
    <message>
        <source>Bots Don&apos;t Shoot:</source>
        <translation>Bots schießen nicht:</translation>
    </message>
    <message>
        <source>This will make the bots unable to shoot</source>
        <translation>Damit können die Bots nicht schießen</translation>
    </message>
    <message>
        <source>Waypoints</source>
        <translation>Wegpunkte</translation>
    </message>
    <message>
        <source>View Waypoints:</source>
        <translation>Wegpunkte anzeigen:</translation>
    </message>
    <message>
        <source>View Waypoints For Team 1:</source>
        <translation>Wegpunkte für Team 1 anzeigen:</translation>
    </message>
    <message>
        <source>View Waypoints For Team 2:</source>
        <translation>Wegpunkte für Team 2 anzeigen:</translation>
    </message>
    <message>
        <source>For Dedicated Servers</source>
        <translation>Für dedizierte Server</translation>
    </message>
    <message>
        <source>Min No Of Bots:</source>
        <translation>Min. Anzahl Bots:</translation>
    </message>
    <message>
        <source>Max No Of Bots:</source>
        <translation>Max. Anzahl Bots:</translation>
    </message>
</context>
<context>
    <name>AddMultiple</name>
    <message>
        <source>Bot Properties</source>
        <translation>Boteigenschaften</translation>
    </message>
    <message>
        <source>Number Of Bots:</source>
        <translation>Anzahl der Bots:</translation>
    </message>
    <message>
        <source>Number Of Bots</source>
        <translation>Anzahl der Bots</translation>
    </message>
    <message>
        <source>Skill:</source>
        <translation>Fertigkeit:</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Fertigkeit</translation>
    </message>
    <message>
        <source>Auto Skill:</source>
        <translation>Auto-Fertigkeit:</translation>
    </message>
    <message>
        <source>Auto Skill</source>
        <translation>Auto-Fertigkeit</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Auto Select Skin</source>
        <translation>Skin automatisch wählen</translation>
    </message>
    <message>
        <source>Skin Preview</source>
        <translation>Skin-Vorschau</translation>
    </message>
    <message>
        <source>Edit Bot Names</source>
        <translation>Botnamen bearbeiten</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add Multiple %1 Bots</source>
        <translation>Mehrere %1-Bots hinzufügen</translation>
    </message>
    <message>
        <source>No program is set up to open &apos;TRNames.txt&apos;. Please open it in a text editor: %1</source>
        <translation>Kein Programm ist zum Öffnen von „TRNames.txt“ eingerichtet. Bitte öffnen Sie die Datei in einem Texteditor: %1</translation>
    </message>
</context>
<context>
    <name>AddOnArchive</name>
    <message>
        <source>an absolute path</source>
        <translation>einen absoluten Pfad</translation>
    </message>
    <message>
        <source>Trevlin could not open &quot;%1&quot;: %2</source>
        <translation>Trevlin konnte „%1“ nicht öffnen: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an archive Trevlin can read: %2</source>
        <translation>„%1“ ist kein Archiv, das Trevlin lesen kann: %2</translation>
    </message>
    <message>
        <source>Trevlin will not install &quot;%1&quot;: its entry &quot;%2&quot; is %3.</source>
        <translation>Trevlin installiert „%1“ nicht: Sein Eintrag „%2“ hat %3.</translation>
    </message>
    <message>
        <source>an empty name</source>
        <translation>einen leeren Namen</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>die Form einer Verknüpfung</translation>
    </message>
    <message>
        <source>a device file</source>
        <translation>die Form einer Gerätedatei</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>eine Verschlüsselung</translation>
    </message>
    <message>
        <source>inside a folder that the archive also holds as a file</source>
        <translation>seinen Platz in einem Ordner, den das Archiv auch als Datei enthält</translation>
    </message>
    <message>
        <source>a folder that the archive also holds as a file</source>
        <translation>die Form eines Ordners, den das Archiv auch als Datei enthält</translation>
    </message>
    <message>
        <source>a file that the archive also holds as a folder</source>
        <translation>die Form einer Datei, die das Archiv auch als Ordner enthält</translation>
    </message>
    <message>
        <source>there twice, in the same or another letter case</source>
        <translation>einen zweiten Eintrag mit gleichem Namen, in gleicher oder anderer Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Trevlin will not install &quot;%1&quot;: it holds more than %2 files.</source>
        <translation>Trevlin installiert „%1“ nicht: Es enthält mehr als %2 Dateien.</translation>
    </message>
    <message>
        <source>announced as %1, more than the %2 a file may take</source>
        <translation>eine angekündigte Größe von %1, mehr als die %2, die eine Datei haben darf</translation>
    </message>
    <message>
        <source>Trevlin will not install &quot;%1&quot;: its files take more than %2.</source>
        <translation>Trevlin installiert „%1“ nicht: Seine Dateien belegen mehr als %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no files.</source>
        <translation>„%1“ enthält keine Dateien.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since Trevlin read it; choose it again.</source>
        <translation>„%1“ hat sich geändert, seit Trevlin es gelesen hat; wählen Sie es erneut.</translation>
    </message>
    <message>
        <source>Trevlin could not unpack &quot;%1&quot;: %2</source>
        <translation>Trevlin konnte „%1“ nicht entpacken: %2</translation>
    </message>
    <message>
        <source>Trevlin will not install &quot;%1&quot;: &quot;%2&quot; unpacks to more than it announced.</source>
        <translation>Trevlin installiert „%1“ nicht: „%2“ entpackt sich zu mehr, als angekündigt war.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is shorter than announced.</source>
        <translation>„%1“ in „%2“ ist kürzer als angekündigt.</translation>
    </message>
</context>
<context>
    <name>AddOnControls</name>
    <message>
        <source>Edit Android Bots</source>
        <translation>Android-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Update AndroidBot</source>
        <translation>AndroidBot aktualisieren</translation>
    </message>
    <message>
        <source>Android Bots</source>
        <translation>Android-Bots</translation>
    </message>
    <message>
        <source>Here You Can Edit Your Android Bots</source>
        <translation>Hier können Sie Ihre Android-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Edit RamBot Bots</source>
        <translation>RamBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Update RamBot </source>
        <translation>RamBot aktualisieren</translation>
    </message>
    <message>
        <source>RamBot Bots</source>
        <translation>RamBot-Bots</translation>
    </message>
    <message>
        <source>Here You Can Edit Your RamBot Bots</source>
        <translation>Hier können Sie Ihre RamBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Edit RealBot Bots</source>
        <translation>RealBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Update RealBot</source>
        <translation>RealBot aktualisieren</translation>
    </message>
    <message>
        <source>RealBot Bots</source>
        <translation>RealBot-Bots</translation>
    </message>
    <message>
        <source>Here You Can Edit Your RealBot Bots</source>
        <translation>Hier können Sie Ihre RealBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Edit NNBot Bots</source>
        <translation>NNBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Edit NNbot Bots</source>
        <translation>NNBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Update NNBot</source>
        <translation>NNBot aktualisieren</translation>
    </message>
    <message>
        <source>NNBot Bots</source>
        <translation>NNBot-Bots</translation>
    </message>
    <message>
        <source>Here You Can Edit Your NNBot Bots</source>
        <translation>Hier können Sie Ihre NNBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Edit HPBBot Bots</source>
        <translation>HPBBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Edit HPB Bots</source>
        <translation>HPB-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Update HPBBot</source>
        <translation>HPBBot aktualisieren</translation>
    </message>
    <message>
        <source>HPB Bots</source>
        <translation>HPB-Bots</translation>
    </message>
    <message>
        <source>Here You Can Edit Your HPBBot Bots</source>
        <translation>Hier können Sie Ihre HPBBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Edit SwatBot Bots</source>
        <translation>SwatBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Update SwatBot</source>
        <translation>SwatBot aktualisieren</translation>
    </message>
    <message>
        <source>Swat Bots</source>
        <translation>Swat-Bots</translation>
    </message>
    <message>
        <source>Here You Can Edit Your SwatBot Bots</source>
        <translation>Hier können Sie Ihre SwatBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Edit PodBot Bots</source>
        <translation>PodBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Update PodBot</source>
        <translation>PodBot aktualisieren</translation>
    </message>
    <message>
        <source>PodBot Bots</source>
        <translation>PodBot-Bots</translation>
    </message>
    <message>
        <source>Here You Can Edit Your PodBot Bots</source>
        <translation>Hier können Sie Ihre PodBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Edit AGBBot Bots</source>
        <translation>AGBBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Update AGBBot</source>
        <translation>AGBBot aktualisieren</translation>
    </message>
    <message>
        <source>AGB Bots</source>
        <translation>AGB-Bots</translation>
    </message>
    <message>
        <source>Here You Can Edit Your AGBBot Bots</source>
        <translation>Hier können Sie Ihre AGBBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Edit PLBot Bots</source>
        <translation>PLBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Update PLBot</source>
        <translation>PLBot aktualisieren</translation>
    </message>
    <message>
        <source>PL Bots</source>
        <translation>PL-Bots</translation>
    </message>
    <message>
        <source>Here You Can Edit Your PLBot Bots</source>
        <translation>Hier können Sie Ihre PLBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Edit ReduBot Bots</source>
        <translation>ReduBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Update ReduBot</source>
        <translation>ReduBot aktualisieren</translation>
    </message>
    <message>
        <source>Redu Bots</source>
        <translation>Redu-Bots</translation>
    </message>
    <message>
        <source>Here You Can Edit Your ReduBot Bots</source>
        <translation>Hier können Sie Ihre ReduBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Edit BobaBot Bots</source>
        <translation>BobaBot-Bots bearbeiten</translation>
    </message>
    <message>
        <source>Update BobaBot</source>
        <translation>BobaBot aktualisieren</translation>
    </message>
    <message>
        <source>Boba Bots</source>
        <translation>Boba-Bots</translation>
    </message>
    <message>
        <source>Here You Can Edit Your BobaBot Bots</source>
        <translation>Hier können Sie Ihre BobaBot-Bots bearbeiten</translation>
    </message>
</context>
<context>
    <name>AddOnInstall</name>
    <message>
        <source>%1 was installed from an archive already. Uninstall it first, so that Trevlin can still put back the files it replaced.</source>
        <translation>%1 wurde bereits aus einem Archiv installiert. Deinstallieren Sie das Add-on zuerst, damit Trevlin die ersetzten Dateien weiterhin zurücklegen kann.</translation>
    </message>
    <message>
        <source>Trevlin does not know the folder to install %1 into.</source>
        <translation>Trevlin kennt den Ordner nicht, in den %1 installiert werden soll.</translation>
    </message>
    <message>
        <source>Trevlin could not make the folder &quot;%1&quot; to keep the files the add-on replaces.</source>
        <translation>Trevlin konnte den Ordner „%1“ nicht anlegen, in dem die Dateien aufbewahrt werden, die das Add-on ersetzt.</translation>
    </message>
    <message>
        <source>Trevlin could not keep the record of what %1 changes, so it did not install it: %2</source>
        <translation>Trevlin konnte die Aufzeichnung dessen, was %1 ändert, nicht speichern und hat das Add-on daher nicht installiert: %2</translation>
    </message>
    <message>
        <source>Trevlin cannot read what the install of %1 changed.</source>
        <translation>Trevlin kann nicht lesen, was die Installation von %1 geändert hat.</translation>
    </message>
    <message>
        <source>Trevlin could not remove &quot;%1&quot;.</source>
        <translation>Trevlin konnte „%1“ nicht entfernen.</translation>
    </message>
    <message>
        <source>Trevlin could not put the game&apos;s own liblist.gam back: %1</source>
        <translation>Trevlin konnte die eigene liblist.gam des Spiels nicht zurücklegen: %1</translation>
    </message>
    <message>
        <source>The archive names too many files, or names too long, for Trevlin to keep a record of what installing %1 changes.</source>
        <translation>Das Archiv nennt zu viele Dateien oder zu lange Namen, als dass Trevlin aufzeichnen könnte, was die Installation von %1 ändert.</translation>
    </message>
</context>
<context>
    <name>AddOnSetup</name>
    <message>
        <source>the file would not read back as written.</source>
        <translation>die Datei ließe sich nicht so zurücklesen, wie sie geschrieben wurde.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies outside the game folder &quot;%2&quot;: the game loads only a library inside it. Put the add-on&apos;s files into the game folder first.</source>
        <translation>„%1“ liegt außerhalb des Spielordners „%2“: Das Spiel lädt nur eine Bibliothek darin. Legen Sie die Dateien des Add-ons zuerst in den Spielordner.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>„%1“ ist keine Datei.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be written into liblist.gam: it holds a character that the game&apos;s 8-bit files cannot hold, or a quote.</source>
        <translation>Der Name „%1“ kann nicht in liblist.gam geschrieben werden: Er enthält ein Zeichen, das die 8-Bit-Dateien des Spiels nicht aufnehmen können, oder ein Anführungszeichen.</translation>
    </message>
    <message>
        <source>no game library is chosen.</source>
        <translation>es ist keine Spielbibliothek gewählt.</translation>
    </message>
    <message>
        <source>a library&apos;s name cannot be written into liblist.gam.</source>
        <translation>der Name einer Bibliothek kann nicht in liblist.gam geschrieben werden.</translation>
    </message>
    <message>
        <source>the folder holds no &quot;%1&quot;, the game&apos;s own descriptor.</source>
        <translation>der Ordner enthält keine „%1“, die eigene Beschreibungsdatei des Spiels.</translation>
    </message>
    <message>
        <source>The folder holds none of the game&apos;s own libraries (%1).</source>
        <translation>Der Ordner enthält keine der eigenen Bibliotheken des Spiels (%1).</translation>
    </message>
    <message>
        <source>The folder holds no liblist.gam.</source>
        <translation>Der Ordner enthält keine liblist.gam.</translation>
    </message>
</context>
<context>
    <name>AndroidFormat</name>
    <message>
        <source>Skill %1 to %2 (%2=best)</source>
        <translation>Fertigkeit %1 bis %2 (%2 = beste)</translation>
    </message>
    <message>
        <source>You have to name the bot</source>
        <translation>Sie müssen dem Bot einen Namen geben</translation>
    </message>
    <message>
        <source>You have to select a team for the bot</source>
        <translation>Sie müssen ein Team für den Bot wählen</translation>
    </message>
    <message>
        <source>You have to enter a skill level for the bot</source>
        <translation>Sie müssen eine Fertigkeitsstufe für den Bot eingeben</translation>
    </message>
    <message>
        <source>The skill level must be between %1 and %2</source>
        <translation>Die Fertigkeitsstufe muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>The bot name holds a character that a Counter-Strike config file cannot carry. Please use another name.</source>
        <translation>Der Botname enthält ein Zeichen, das eine Counter-Strike-Konfigurationsdatei nicht aufnehmen kann. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The option &quot;Time Before Bot Entry&quot; cannot be saved, because %1 is not a number from -32768 to 32767.</source>
        <translation>Die Option „Zeit bis zum Boteintritt“ kann nicht gespeichert werden, weil %1 keine Zahl von -32768 bis 32767 ist.</translation>
    </message>
    <message>
        <source>The option &quot;Minimum Bot Skill&quot; cannot be saved, because it holds a character that a Counter-Strike config file cannot carry.</source>
        <translation>Die Option „Minimale Botfertigkeit“ kann nicht gespeichert werden, weil sie ein Zeichen enthält, das eine Counter-Strike-Konfigurationsdatei nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its team %2 is none of &quot;Terrorist&quot;, &quot;Counter Terrorist&quot; and &quot;Auto Assign&quot;.</source>
        <translation>Der Bot %1 kann nicht gespeichert werden, weil sein Team %2 weder „Terrorist“ noch „Counter Terrorist“ noch „Auto Assign“ ist.</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its skill %2 is not a number.</source>
        <translation>Der Bot %1 kann nicht gespeichert werden, weil seine Fertigkeit %2 keine Zahl ist.</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved as the first bot, because the first bot&apos;s name cannot contain blanks. Please change its name, or delete it and add it again after another bot.</source>
        <translation>Der Bot %1 kann nicht als erster Bot gespeichert werden, weil der Name des ersten Bots keine Leerzeichen enthalten darf. Bitte ändern Sie seinen Namen oder löschen Sie ihn und fügen Sie ihn nach einem anderen Bot wieder hinzu.</translation>
    </message>
</context>
<context>
    <name>AndroidPanel</name>
    <message>
        <source>Android Bots</source>
        <translation>Android-Bots</translation>
    </message>
    <message>
        <source>Registered Bots</source>
        <translation>Registrierte Bots</translation>
    </message>
    <message>
        <source>Bot Name</source>
        <translation>Botname</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Fertigkeit</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Add Bot</source>
        <translation>Bot hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add Bot</source>
        <translation>Bot &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Edit Bot</source>
        <translation>Bot bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Edit Bot</source>
        <translation>Bot &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Delete Bot</source>
        <translation>Bot löschen</translation>
    </message>
    <message>
        <source>Delete &amp;Bot</source>
        <translation>Bot &amp;löschen</translation>
    </message>
    <message>
        <source>Add Multiple Bots</source>
        <translation>Mehrere Bots hinzufügen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Time Before Bot Entry:</source>
        <translation>Zeit bis zum Boteintritt:</translation>
    </message>
    <message>
        <source>Auto Team Balance</source>
        <translation>Automatischer Teamausgleich</translation>
    </message>
    <message>
        <source>Bot Dependant Options</source>
        <translation>Botabhängige Optionen</translation>
    </message>
    <message>
        <source>Bot Chatting:</source>
        <translation>Bot-Chat:</translation>
    </message>
    <message>
        <source>Jason Mode:</source>
        <translation>Jason-Modus:</translation>
    </message>
    <message>
        <source>Minimum Bot Skill:</source>
        <translation>Minimale Botfertigkeit:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Trevlin starts without its settings and will not change them.</source>
        <translation>Trevlin startet ohne seine Einstellungen und wird sie nicht ändern.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; was damaged. Trevlin kept it as &quot;%2&quot; and goes on with the settings it could read from it.</source>
        <translation>Die Einstellungsdatei „%1“ war beschädigt. Trevlin hat sie als „%2“ aufbewahrt und arbeitet mit den Einstellungen weiter, die es daraus lesen konnte.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged, and Trevlin could not keep a copy of it aside. Trevlin goes on with the settings it could read from it, and will not change them.</source>
        <translation>Die Einstellungsdatei „%1“ ist beschädigt, und Trevlin konnte keine Kopie davon beiseitelegen. Trevlin arbeitet mit den Einstellungen weiter, die es daraus lesen konnte, und wird sie nicht ändern.</translation>
    </message>
</context>
<context>
    <name>ArchiveInstall</name>
    <message>
        <source>Install An Add-on From Its Archive</source>
        <translation>Add-on aus seinem Archiv installieren</translation>
    </message>
    <message>
        <source>Add-on archives (*.zip *.7z *.tar.gz *.tgz *.tar.bz2 *.tar.xz *.rar);;All files (*)</source>
        <translation>Add-on-Archive (*.zip *.7z *.tar.gz *.tgz *.tar.bz2 *.tar.xz *.rar);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Nothing was installed.</source>
        <translation>Es wurde nichts installiert.</translation>
    </message>
    <message>
        <source>Trevlin puts the files of &quot;%1&quot; into the game&apos;s folders, all of them or none. Every game file it replaces is kept first, so that Uninstall can put it back.</source>
        <translation>Trevlin legt die Dateien von „%1“ in die Ordner des Spiels, alle oder keine. Jede Spieldatei, die es ersetzt, wird zuerst aufbewahrt, damit das Deinstallieren sie zurücklegen kann.</translation>
    </message>
    <message>
        <source>&amp;Add-on:</source>
        <translation>&amp;Add-on:</translation>
    </message>
    <message>
        <source>The Counter-Strike folder (%1)</source>
        <translation>Der Counter-Strike-Ordner (%1)</translation>
    </message>
    <message>
        <source>The Half-Life folder (%1)</source>
        <translation>Der Half-Life-Ordner (%1)</translation>
    </message>
    <message>
        <source>Install i&amp;nto:</source>
        <translation>Installieren &amp;nach:</translation>
    </message>
    <message>
        <source>&amp;Leave out the archive&apos;s top folder &quot;%1&quot;</source>
        <translation>Den obersten Ordner „%1“ des Archivs &amp;weglassen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Goes to, below that folder</source>
        <translation>Ziel, unterhalb dieses Ordners</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>The archive&apos;s files and where each will go</source>
        <translation>Die Dateien des Archivs und wohin jede kommt</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installieren</translation>
    </message>
    <message>
        <source>(replaces the file there, which is kept)</source>
        <translation>(ersetzt die dortige Datei, die aufbewahrt wird)</translation>
    </message>
    <message>
        <source>No staging folder could be made in %1: %2</source>
        <translation>In %1 konnte kein Arbeitsordner angelegt werden: %2</translation>
    </message>
    <message>
        <source>Nothing was installed; the game&apos;s folders are as they were.</source>
        <translation>Es wurde nichts installiert; die Ordner des Spiels sind unverändert.</translation>
    </message>
    <message>
        <source>%1 is installed: %2 files added, %3 replaced (kept for Uninstall).</source>
        <translation>%1 ist installiert: %2 Dateien hinzugefügt, %3 ersetzt (für das Deinstallieren aufbewahrt).</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>there is not enough free space on the disk</source>
        <translation>auf dem Datenträger ist nicht genug freier Platz</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>die Datei konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>it is a link to a file whose name Trevlin cannot write</source>
        <translation>sie ist eine Verknüpfung zu einer Datei, deren Namen Trevlin nicht schreiben kann</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Trevlin could not save &quot;%1&quot;: %2</source>
        <translation>Trevlin konnte „%1“ nicht speichern: %2</translation>
    </message>
</context>
<context>
    <name>AutostartFile</name>
    <message>
        <source>This Is Not A Valid Config File For The Selected Bot</source>
        <translation>Dies ist keine gültige Konfigurationsdatei für den gewählten Bot</translation>
    </message>
    <message>
        <source>Please select a config file in the list first.</source>
        <translation>Bitte wählen Sie zuerst eine Konfigurationsdatei in der Liste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a config file but a folder or a device.</source>
        <translation>„%1“ ist keine Konfigurationsdatei, sondern ein Ordner oder ein Gerät.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not there any more.</source>
        <translation>Die Datei „%1“ ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a config file: it holds %2 MB, and config files are never larger than %3 MB.</source>
        <translation>„%1“ ist zu groß für eine Konfigurationsdatei: Sie umfasst %2 MB, und Konfigurationsdateien sind nie größer als %3 MB.</translation>
    </message>
    <message>
        <source>Trevlin could not read &quot;%1&quot;: %2</source>
        <translation>Trevlin konnte „%1“ nicht lesen: %2</translation>
    </message>
    <message>
        <source>This config file is made with another version. Unable to load.</source>
        <translation>Diese Konfigurationsdatei wurde mit einer anderen Version erstellt. Laden nicht möglich.</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>ihr Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Trevlin could not copy &quot;%1&quot; to &quot;%2&quot;: %3

The autostart file is as it was.</source>
        <translation>Trevlin konnte „%1“ nicht nach „%2“ kopieren: %3

Die Autostart-Datei ist unverändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is now the autostart file, but Trevlin could not remember that in &quot;%2&quot;.</source>
        <translation>„%1“ ist jetzt die Autostart-Datei, aber Trevlin konnte sich das nicht in „%2“ merken.</translation>
    </message>
    <message>
        <source>Trevlin could not delete &quot;%1&quot;: %2</source>
        <translation>Trevlin konnte „%1“ nicht löschen: %2</translation>
    </message>
    <message>
        <source>The autostart file is cleared, but Trevlin could not remember that in &quot;%1&quot;.</source>
        <translation>Die Autostart-Datei ist geleert, aber Trevlin konnte sich das nicht in „%1“ merken.</translation>
    </message>
</context>
<context>
    <name>AutostartFrame</name>
    <message>
        <source>Config File To Run</source>
        <translation>Auszuführende Konfigurationsdatei</translation>
    </message>
    <message>
        <source>Select Autostart File</source>
        <translation>Autostart-Datei wählen</translation>
    </message>
    <message>
        <source>No Autostart File</source>
        <translation>Keine Autostart-Datei</translation>
    </message>
    <message>
        <source>This Will Allow You To Select The Config File To Launch On Startup</source>
        <translation>Hiermit wählen Sie die Konfigurationsdatei, die beim Start ausgeführt wird</translation>
    </message>
    <message>
        <source>This Option Will Make CS Start Without Any Config File Beeing Launched Automaticly</source>
        <translation>Mit dieser Option startet CS, ohne dass automatisch eine Konfigurationsdatei ausgeführt wird</translation>
    </message>
    <message>
        <source>This Is The Config File Wich Will Launch Automaticly When CS Starts   Double click to edit this file.</source>
        <translation>Dies ist die Konfigurationsdatei, die beim Start von CS automatisch ausgeführt wird. Doppelklicken, um diese Datei zu bearbeiten.</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>BotDialog</name>
    <message>
        <source>Bot Name</source>
        <translation>Botname</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Fertigkeit</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Apply To All</source>
        <translation>Auf alle anwenden</translation>
    </message>
    <message>
        <source>Skin Preview</source>
        <translation>Skin-Vorschau</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Edit Bot</source>
        <translation>Bot bearbeiten</translation>
    </message>
    <message>
        <source>Add Bot</source>
        <translation>Bot hinzufügen</translation>
    </message>
</context>
<context>
    <name>BoundedFile</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not there.</source>
        <translation>Die Datei „%1“ ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file but a folder, a pipe or a device, so Trevlin did not read it.</source>
        <translation>„%1“ ist keine Datei, sondern ein Ordner, eine Pipe oder ein Gerät, daher hat Trevlin sie nicht gelesen.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is larger than %2, far more than such a file ever holds, so Trevlin did not read it.</source>
        <translation>Die Datei „%1“ ist größer als %2, weit mehr, als eine solche Datei je enthält, daher hat Trevlin sie nicht gelesen.</translation>
    </message>
    <message>
        <source>Trevlin could not read &quot;%1&quot;: %2</source>
        <translation>Trevlin konnte „%1“ nicht lesen: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Trevlin starts Counter-Strike with a bot add-on of your choice and edits the add-ons&apos; bot rosters and options.</source>
        <translation>Trevlin startet Counter-Strike mit einem Bot-Add-on Ihrer Wahl und bearbeitet die Bot-Aufstellungen und Optionen der Add-ons.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version and Qt&apos;s.</source>
        <translation>Zeigt die Version des Programms und die von Qt.</translation>
    </message>
    <message>
        <source>Uses this Counter-Strike folder (the one holding cstrike.ico) for this run, without changing the folder remembered in the settings.</source>
        <translation>Verwendet diesen Counter-Strike-Ordner (den mit cstrike.ico) für diesen Lauf, ohne den in den Einstellungen gemerkten Ordner zu ändern.</translation>
    </message>
    <message>
        <source>Starts the game with this add-on (for example RamBot, or &quot;Original CS&quot; for none) without showing the window.</source>
        <translation>Startet das Spiel mit diesem Add-on (zum Beispiel RamBot, oder „Original CS“ für keines), ohne das Fenster zu zeigen.</translation>
    </message>
    <message>
        <source>Shows pictures at once, without moving effects.</source>
        <translation>Zeigt Bilder sofort, ohne Bewegungseffekte.</translation>
    </message>
    <message>
        <source>Shows the texts in this language for this run: %1.</source>
        <translation>Zeigt die Texte für diesen Lauf in dieser Sprache: %1.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>Trevlin has no texts in &quot;%1&quot;; it has %2.</source>
        <translation>Trevlin hat keine Texte in „%1“; es hat %2.</translation>
    </message>
    <message>
        <source>path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>add-on</source>
        <translation>Add-on</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Kürzel</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>Type or paste the path of a config file or of its folder, or choose it above</source>
        <translation>Geben Sie den Pfad einer Konfigurationsdatei oder ihres Ordners ein, fügen Sie ihn ein oder wählen Sie ihn oben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select %1 Autostart File</source>
        <translation>%1-Autostart-Datei wählen</translation>
    </message>
</context>
<context>
    <name>ConfigScreen</name>
    <message>
        <source>Configure Counter - Strike</source>
        <translation>Counter-Strike konfigurieren</translation>
    </message>
    <message>
        <source>Server Name:</source>
        <translation>Servername:</translation>
    </message>
    <message>
        <source>Server Name</source>
        <translation>Servername</translation>
    </message>
    <message>
        <source>Roundtime (Minutes)</source>
        <translation>Rundenzeit (Minuten)</translation>
    </message>
    <message>
        <source>Sets the maximum amount of time for each round - ranges between 3 and 15 minutes</source>
        <translation>Legt die Höchstdauer jeder Runde fest – zwischen 3 und 15 Minuten</translation>
    </message>
    <message>
        <source>Timelimit (Minutes)</source>
        <translation>Zeitlimit (Minuten)</translation>
    </message>
    <message>
        <source>Sets the maximum amount of time in minutes between map rotations</source>
        <translation>Legt die Höchstdauer in Minuten zwischen Kartenwechseln fest</translation>
    </message>
    <message>
        <source>Freezetime (Seconds)</source>
        <translation>Freezetime (Sekunden)</translation>
    </message>
    <message>
        <source>Sets the amount of &quot;freeze&quot; time at the beginning of each round to buy weapons and equipment</source>
        <translation>Legt die „Freeze“-Zeit zu Beginn jeder Runde fest, in der Waffen und Ausrüstung gekauft werden</translation>
    </message>
    <message>
        <source>Restart Round (Seconds)</source>
        <translation>Runde neu starten (Sekunden)</translation>
    </message>
    <message>
        <source>Sets the amount of time before resetting the game, including frags, weapons, money, and scores - Use setting of &apos;0&apos; to disable these restarts</source>
        <translation>Legt die Zeit fest, bis das Spiel samt Frags, Waffen, Geld und Punkten zurückgesetzt wird – mit dem Wert „0“ werden diese Neustarts abgeschaltet</translation>
    </message>
    <message>
        <source>C4 Timer (Seconds)</source>
        <translation>C4-Zünder (Sekunden)</translation>
    </message>
    <message>
        <source>Sets the amount of time in between C4 placement and its explosion</source>
        <translation>Legt die Zeit zwischen dem Legen von C4 und seiner Explosion fest</translation>
    </message>
    <message>
        <source>Maximum Shells</source>
        <translation>Maximale Patronenhülsen</translation>
    </message>
    <message>
        <source>Sets the number of shells visible at one time</source>
        <translation>Legt fest, wie viele Patronenhülsen gleichzeitig sichtbar sind</translation>
    </message>
    <message>
        <source>Maximum Smoke Puffs</source>
        <translation>Maximale Rauchwolken</translation>
    </message>
    <message>
        <source>Sets the number of smoke puffs visible at one time</source>
        <translation>Legt fest, wie viele Rauchwolken gleichzeitig sichtbar sind</translation>
    </message>
    <message>
        <source>Hostage Penalty</source>
        <translation>Geiselstrafe</translation>
    </message>
    <message>
        <source>Sets the number of hostages a player can kill before they are booted from the server</source>
        <translation>Legt fest, wie viele Geiseln ein Spieler töten darf, bevor er vom Server geworfen wird</translation>
    </message>
    <message>
        <source>Limit Teams</source>
        <translation>Teams begrenzen</translation>
    </message>
    <message>
        <source>Sets the maximum number of players that one team can have more than the other team</source>
        <translation>Legt fest, wie viele Spieler ein Team höchstens mehr haben darf als das andere</translation>
    </message>
    <message>
        <source>Maximum Client Speed</source>
        <translation>Maximale Client-Geschwindigkeit</translation>
    </message>
    <message>
        <source>Friendly Fire</source>
        <translation>Eigenbeschuss</translation>
    </message>
    <message>
        <source>Toggles friendly fire</source>
        <translation>Schaltet Eigenbeschuss ein oder aus</translation>
    </message>
    <message>
        <source>Friendly Grenade Damage</source>
        <translation>Granatenschaden im Team</translation>
    </message>
    <message>
        <source>Toggles team damage produced by grenades</source>
        <translation>Schaltet den Schaden durch Granaten im eigenen Team ein oder aus</translation>
    </message>
    <message>
        <source>Automatic Team-Killer Banning</source>
        <translation>Automatischer Bann von Teamkillern</translation>
    </message>
    <message>
        <source>Toggles automatic team-killer banning and kicking of idle clients</source>
        <translation>Schaltet den automatischen Bann von Teamkillern und das Hinauswerfen untätiger Clients ein oder aus</translation>
    </message>
    <message>
        <source>Footsteps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Toggles footstep sounds</source>
        <translation>Schaltet Schrittgeräusche ein oder aus</translation>
    </message>
    <message>
        <source>Flashlight</source>
        <translation>Taschenlampe</translation>
    </message>
    <message>
        <source>Toggles the use of flashlights by clients</source>
        <translation>Schaltet die Nutzung von Taschenlampen durch Clients ein oder aus</translation>
    </message>
    <message>
        <source>Falldamage</source>
        <translation>Fallschaden</translation>
    </message>
    <message>
        <source>You are hurt when falling from high places</source>
        <translation>Sie werden verletzt, wenn Sie aus großer Höhe fallen</translation>
    </message>
    <message>
        <source>Observer Chasecam Only</source>
        <translation>Zuschauer nur mit Verfolgerkamera</translation>
    </message>
    <message>
        <source>Limits observers to only chase modes</source>
        <translation>Beschränkt Zuschauer auf die Verfolgermodi</translation>
    </message>
    <message>
        <source>Punish Team-Killers</source>
        <translation>Teamkiller bestrafen</translation>
    </message>
    <message>
        <source>Toggles the forcing of a player to sit out the next round if he has just killed a teammate</source>
        <translation>Legt fest, ob ein Spieler die nächste Runde aussetzen muss, wenn er gerade einen Teamkameraden getötet hat</translation>
    </message>
    <message>
        <source>Log Messages</source>
        <translation>Nachrichten protokollieren</translation>
    </message>
    <message>
        <source>Toggles logging of chat messages in the log files</source>
        <translation>Schaltet die Protokollierung von Chatnachrichten in den Logdateien ein oder aus</translation>
    </message>
    <message>
        <source>Display Map Breiefings</source>
        <translation>Kartenbeschreibungen anzeigen</translation>
    </message>
    <message>
        <source>Toggles displaying of map briefings after loading a new map</source>
        <translation>Schaltet die Anzeige der Kartenbeschreibung nach dem Laden einer neuen Karte ein oder aus</translation>
    </message>
    <message>
        <source>Display Hint Messages</source>
        <translation>Hinweise anzeigen</translation>
    </message>
    <message>
        <source>Toggles Auto-Help (gives player hint messages throught the game)</source>
        <translation>Schaltet die Auto-Hilfe ein oder aus (zeigt dem Spieler während des Spiels Hinweise)</translation>
    </message>
    <message>
        <source>Complex Server Decals/Physics</source>
        <translation>Aufwendige Server-Decals/-Physik</translation>
    </message>
    <message>
        <source>Use setting of &apos;1&apos; to enable complex decals and server physics for faster and better servers, and use &apos;0&apos; to disable this feature</source>
        <translation>Mit dem Wert „1“ werden aufwendige Decals und Serverphysik für schnellere und bessere Server eingeschaltet, mit „0“ wird diese Funktion abgeschaltet</translation>
    </message>
    <message>
        <source>Autoaim</source>
        <translation>Zielhilfe</translation>
    </message>
    <message>
        <source>This will make the computer help you to aim</source>
        <translation>Damit hilft Ihnen der Computer beim Zielen</translation>
    </message>
    <message>
        <source>Pausable</source>
        <translation>Pausierbar</translation>
    </message>
    <message>
        <source>This allows clients to pause the server</source>
        <translation>Damit können Clients den Server anhalten</translation>
    </message>
    <message>
        <source>Force Chasecam To Teammates</source>
        <translation>Verfolgerkamera nur auf Teamkameraden</translation>
    </message>
    <message>
        <source>Toggles the chasecam to follow teammates only</source>
        <translation>Lässt die Verfolgerkamera nur Teamkameraden folgen</translation>
    </message>
    <message>
        <source>Auto Team Balance</source>
        <translation>Automatischer Teamausgleich</translation>
    </message>
    <message>
        <source>Toggles the forcing of clients to join teams to make it balanced</source>
        <translation>Legt fest, ob Clients Teams zugeteilt werden, damit diese ausgeglichen sind</translation>
    </message>
    <message>
        <source>Enable Cheats</source>
        <translation>Cheats einschalten</translation>
    </message>
    <message>
        <source>Edit Server Text</source>
        <translation>Servertext bearbeiten</translation>
    </message>
    <message>
        <source>Edit Map Cycle</source>
        <translation>Kartenzyklus bearbeiten</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Verzeichnis wählen</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>The server settings have changes that are not saved. Do you want to save them?</source>
        <translation>Die Servereinstellungen haben ungespeicherte Änderungen. Möchten Sie sie speichern?</translation>
    </message>
</context>
<context>
    <name>DescriptorOffer</name>
    <message>
        <source>The liblist.gam in &quot;%1&quot; names no game library, so it is not the game&apos;s own.</source>
        <translation>Die liblist.gam in „%1“ nennt keine Spielbibliothek, sie ist also nicht die des Spiels.</translation>
    </message>
    <message>
        <source>The liblist.gam in &quot;%1&quot; starts the game library &quot;%2&quot;, which is not the game&apos;s own.</source>
        <translation>Die liblist.gam in „%1“ startet die Spielbibliothek „%2“, die nicht die des Spiels ist.</translation>
    </message>
    <message>
        <source>Trevlin needs the game&apos;s own liblist.gam in this folder: put it back, then select the folder again.</source>
        <translation>Trevlin braucht die eigene liblist.gam des Spiels in diesem Ordner: Legen Sie sie zurück und wählen Sie den Ordner dann erneut.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds the game&apos;s own liblist.gam but no copy of it named &quot;%2&quot;, which Trevlin needs to start the game without bots and to put the game back after an add-on.

Keep a copy of it now as &quot;%2&quot;?</source>
        <translation>Der Ordner „%1“ enthält die eigene liblist.gam des Spiels, aber keine Kopie davon namens „%2“, die Trevlin braucht, um das Spiel ohne Bots zu starten und das Spiel nach einem Add-on wiederherzustellen.

Jetzt eine Kopie als „%2“ anlegen?</translation>
    </message>
    <message>
        <source>Trevlin could not keep a copy of liblist.gam as &quot;%1&quot;: %2</source>
        <translation>Trevlin konnte keine Kopie von liblist.gam als „%1“ anlegen: %2</translation>
    </message>
    <message>
        <source>Keep a copy of it as &quot;%1&quot; that starts the game&apos;s own library (%2) instead?</source>
        <translation>Stattdessen eine Kopie davon als „%1“ anlegen, die die eigene Bibliothek des Spiels (%2) startet?</translation>
    </message>
    <message>
        <source>Trevlin could not write &quot;%1&quot;: %2</source>
        <translation>Trevlin konnte „%1“ nicht schreiben: %2</translation>
    </message>
</context>
<context>
    <name>DirSelect</name>
    <message>
        <source>Directory Selection</source>
        <translation>Verzeichnisauswahl</translation>
    </message>
    <message>
        <source>&amp;Drive:</source>
        <translation>&amp;Laufwerk:</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>Type or paste the path of your Counter-Strike folder, or choose it below</source>
        <translation>Geben Sie den Pfad Ihres Counter-Strike-Ordners ein, fügen Sie ihn ein oder wählen Sie ihn unten</translation>
    </message>
    <message>
        <source>Counter-Strike &amp;found on this computer:</source>
        <translation>Counter-Strike auf diesem Computer &amp;gefunden:</translation>
    </message>
    <message>
        <source>Chosen Folder</source>
        <translation>Gewählter Ordner</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>This Is Not A Valid Counter-Strike Directory</source>
        <translation>Dies ist kein gültiges Counter-Strike-Verzeichnis</translation>
    </message>
    <message>
        <source>Trevlin could not write hl.bat, the file that starts the game, in the folder &quot;%1&quot;: %2</source>
        <translation>Trevlin konnte hl.bat, die Datei, die das Spiel startet, nicht im Ordner „%1“ schreiben: %2</translation>
    </message>
    <message>
        <source>The folder is taken for now, but Trevlin could not save its settings in &quot;%1&quot;, so you will have to choose the folder again at the next start.</source>
        <translation>Der Ordner gilt vorerst, aber Trevlin konnte seine Einstellungen nicht in „%1“ speichern, daher müssen Sie den Ordner beim nächsten Start erneut wählen.</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>&amp;Drive:</source>
        <translation>Lauf&amp;werk:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>F&amp;olders:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>F&amp;iles:</source>
        <translation>Da&amp;teien:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
</context>
<context>
    <name>FileCommit</name>
    <message>
        <source>%1 is not below the folders the files go to</source>
        <translation>%1 liegt nicht unterhalb der Ordner, in die die Dateien kommen</translation>
    </message>
    <message>
        <source>The folder %1 is not there</source>
        <translation>Der Ordner %1 ist nicht vorhanden</translation>
    </message>
    <message>
        <source>%1 is named twice</source>
        <translation>%1 ist zweimal genannt</translation>
    </message>
    <message>
        <source>%1 and %2 differ only in letter case</source>
        <translation>%1 und %2 unterscheiden sich nur in der Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>%1 is to be a file and a folder at once</source>
        <translation>%1 soll zugleich eine Datei und ein Ordner sein</translation>
    </message>
    <message>
        <source>%1 has the name of the copy put beside another file</source>
        <translation>%1 trägt den Namen der Kopie, die neben eine andere Datei gelegt wird</translation>
    </message>
    <message>
        <source>%1 is a link that leads outside %2</source>
        <translation>%1 ist eine Verknüpfung, die aus %2 hinausführt</translation>
    </message>
    <message>
        <source>%1 is a file where a folder must be</source>
        <translation>%1 ist eine Datei, wo ein Ordner sein muss</translation>
    </message>
    <message>
        <source>%1 is a folder where a file must be</source>
        <translation>%1 ist ein Ordner, wo eine Datei sein muss</translation>
    </message>
    <message>
        <source>These files could not be put back: %1</source>
        <translation>Diese Dateien konnten nicht zurückgelegt werden: %1</translation>
    </message>
    <message>
        <source>The folder for %1 could not be made</source>
        <translation>Der Ordner für %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The earlier %1 could not be kept: %2</source>
        <translation>Die bisherige Datei %1 konnte nicht aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation>%1 konnte nicht ersetzt werden: %2</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>GameDescriptor</name>
    <message>
        <source>The folder already holds &quot;%1&quot;.</source>
        <translation>Der Ordner enthält bereits „%1“.</translation>
    </message>
    <message>
        <source>The folder holds no %1.</source>
        <translation>Der Ordner enthält keine %1.</translation>
    </message>
    <message>
        <source>Its %1 starts &quot;%2&quot;, not the game&apos;s own library.</source>
        <translation>Seine %1 startet „%2“, nicht die eigene Bibliothek des Spiels.</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>There is no readable &quot;%1&quot; in the folder &quot;%2&quot;.</source>
        <translation>Im Ordner „%2“ gibt es keine lesbare „%1“.</translation>
    </message>
    <message>
        <source>Trevlin could not put &quot;%1&quot; in place of liblist.gam in the folder &quot;%2&quot;: %3

The game folder still holds its previous liblist.gam.</source>
        <translation>Trevlin konnte „%1“ nicht an die Stelle von liblist.gam im Ordner „%2“ setzen: %3

Der Spielordner enthält weiterhin seine bisherige liblist.gam.</translation>
    </message>
    <message>
        <source>Counter-Strike could not be started: %1 did not run.</source>
        <translation>Counter-Strike konnte nicht gestartet werden: %1 lief nicht.</translation>
    </message>
    <message>
        <source>Counter-Strike was started with %1: %2</source>
        <translation>Counter-Strike wurde mit %1 gestartet: %2</translation>
    </message>
    <message>
        <source>Counter-Strike was started without bots: %1</source>
        <translation>Counter-Strike wurde ohne Bots gestartet: %1</translation>
    </message>
    <message>
        <source>Counter-Strike was started through Steam with %1: %2</source>
        <translation>Counter-Strike wurde über Steam mit %1 gestartet: %2</translation>
    </message>
    <message>
        <source>Counter-Strike was started through Steam without bots: %1</source>
        <translation>Counter-Strike wurde über Steam ohne Bots gestartet: %1</translation>
    </message>
</context>
<context>
    <name>GameSetup</name>
    <message>
        <source>Without it Trevlin does not know the installed Counter-Strike version, and asks about the version at every launch.</source>
        <translation>Ohne sie kennt Trevlin die installierte Counter-Strike-Version nicht und fragt bei jedem Start nach der Version.</translation>
    </message>
</context>
<context>
    <name>ItemInstaller</name>
    <message>
        <source>its root folder %1 is not there</source>
        <translation>sein Stammordner %1 ist nicht vorhanden</translation>
    </message>
    <message>
        <source>The file list of %1 could not be fetched: %2</source>
        <translation>Die Dateiliste von %1 konnte nicht abgerufen werden: %2</translation>
    </message>
    <message>
        <source>The file list of %1 is refused: %2.</source>
        <translation>Die Dateiliste von %1 wird abgelehnt: %2.</translation>
    </message>
    <message>
        <source>Getting File : %1</source>
        <translation>Hole Datei: %1</translation>
    </message>
    <message>
        <source>The download could not be stored: %1</source>
        <translation>Der Download konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1 could not be fetched: %2</source>
        <translation>%1 konnte nicht abgerufen werden: %2</translation>
    </message>
    <message>
        <source>%1 does not match its sha256 hash in the file list</source>
        <translation>%1 stimmt nicht mit seinem SHA-256-Hash in der Dateiliste überein</translation>
    </message>
    <message>
        <source>Getting File : %1 ... Done</source>
        <translation>Hole Datei: %1 ... Fertig</translation>
    </message>
    <message>
        <source>There is not enough free space in %1 to put %2 in place</source>
        <translation>In %1 ist nicht genug freier Platz, um %2 zu installieren</translation>
    </message>
    <message>
        <source>The update would stage more than its limit of %1 bytes</source>
        <translation>Die Aktualisierung würde mehr als ihre Grenze von %1 Bytes zwischenspeichern</translation>
    </message>
    <message>
        <source>The signature of %1 could not be fetched: %2</source>
        <translation>Die Signatur von %1 konnte nicht abgerufen werden: %2</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Trevlin could not save the language in &quot;%1&quot;.</source>
        <translation>Trevlin konnte die Sprache nicht in „%1“ speichern.</translation>
    </message>
    <message>
        <source>The texts will be in the chosen language when Trevlin starts next.</source>
        <translation>Die Texte erscheinen in der gewählten Sprache, wenn Trevlin das nächste Mal startet.</translation>
    </message>
</context>
<context>
    <name>ListSignature</name>
    <message>
        <source>The list&apos;s signature is damaged: it is not a minisign signature file.</source>
        <translation>Die Signatur der Liste ist beschädigt: Sie ist keine minisign-Signaturdatei.</translation>
    </message>
    <message>
        <source>This program trusts no signing key.</source>
        <translation>Dieses Programm vertraut keinem Signaturschlüssel.</translation>
    </message>
    <message>
        <source>The signing key this program trusts is not a minisign public key.</source>
        <translation>Der Signaturschlüssel, dem dieses Programm vertraut, ist kein öffentlicher minisign-Schlüssel.</translation>
    </message>
    <message>
        <source>The signature cannot be checked: the cryptography library did not start.</source>
        <translation>Die Signatur kann nicht geprüft werden: Die Kryptografiebibliothek ist nicht gestartet.</translation>
    </message>
    <message>
        <source>The list has no signature.</source>
        <translation>Die Liste hat keine Signatur.</translation>
    </message>
    <message>
        <source>The list&apos;s signature has no trusted comment.</source>
        <translation>Die Signatur der Liste hat keinen vertrauenswürdigen Kommentar.</translation>
    </message>
    <message>
        <source>The list was signed with another key (%1) than the one this program trusts (%2).</source>
        <translation>Die Liste wurde mit einem anderen Schlüssel (%1) signiert als dem, dem dieses Programm vertraut (%2).</translation>
    </message>
    <message>
        <source>The list does not match its signature: it was changed after it was signed.</source>
        <translation>Die Liste passt nicht zu ihrer Signatur: Sie wurde nach dem Signieren geändert.</translation>
    </message>
    <message>
        <source>The trusted comment of the list&apos;s signature was changed after it was signed.</source>
        <translation>Der vertrauenswürdige Kommentar der Signatur der Liste wurde nach dem Signieren geändert.</translation>
    </message>
    <message>
        <source>Its signature carries no time (&quot;timestamp:&quot; in its trusted comment), so it cannot be told from an older list.</source>
        <translation>Ihre Signatur trägt keine Zeit („timestamp:“ in ihrem vertrauenswürdigen Kommentar), daher lässt sie sich nicht von einer älteren Liste unterscheiden.</translation>
    </message>
    <message>
        <source>It was signed on %1, before the one taken last (signed on %2): the server must not take you back to older files.</source>
        <translation>Die Liste wurde am %1 signiert, also vor der zuletzt übernommenen (signiert am %2): Der Server darf Sie nicht auf ältere Dateien zurückführen.</translation>
    </message>
    <message>
        <source>%1 is refused. %2</source>
        <translation>%1 wird abgelehnt. %2</translation>
    </message>
    <message>
        <source>Its signature names no file (&quot;file:&quot; in its trusted comment), so it cannot be told from another list.</source>
        <translation>Ihre Signatur nennt keine Datei („file:“ in ihrem vertrauenswürdigen Kommentar), daher lässt sie sich nicht von einer anderen Liste unterscheiden.</translation>
    </message>
    <message>
        <source>It was signed as %1: the server must not hand one list out as another.</source>
        <translation>Die Liste wurde als %1 signiert: Der Server darf keine Liste als eine andere ausgeben.</translation>
    </message>
</context>
<context>
    <name>ListenServerFile</name>
    <message>
        <source>The File &apos;LISTENSERVER.CFG&apos; Was Not Found. Default Trevlin Settings Were Loaded.</source>
        <translation>Die Datei „LISTENSERVER.CFG“ wurde nicht gefunden. Die Standardeinstellungen von Trevlin wurden geladen.</translation>
    </message>
    <message>
        <source>Your Listenserver File Is Not A Trevlin Config File. Default Trevlin Settings Were Loaded.</source>
        <translation>Ihre Listenserver-Datei ist keine Trevlin-Konfigurationsdatei. Die Standardeinstellungen von Trevlin wurden geladen.</translation>
    </message>
    <message>
        <source>The box &quot;%1&quot;</source>
        <translation>Das Feld „%1“</translation>
    </message>
    <message>
        <source>%1 holds a double quote, which the game takes for the end of the name. Please change it and try again.</source>
        <translation>%1 enthält ein doppeltes Anführungszeichen, das das Spiel für das Ende des Namens hält. Bitte ändern Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Trevlin could not move &quot;%1&quot; aside as &quot;game.trb&quot;: %2. Both files are as they were.</source>
        <translation>Trevlin konnte „%1“ nicht als „game.trb“ beiseitelegen: %2. Beide Dateien sind unverändert.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Counter-Strike Trevlin</source>
        <translation>Counter-Strike Trevlin</translation>
    </message>
    <message>
        <source>Select Bot Type</source>
        <translation>Bottyp wählen</translation>
    </message>
    <message>
        <source>Bot Info</source>
        <translation>Botinfo</translation>
    </message>
    <message>
        <source>Required CS Version:</source>
        <translation>Benötigte CS-Version:</translation>
    </message>
    <message>
        <source>Required Half-Life Version:</source>
        <translation>Benötigte Half-Life-Version:</translation>
    </message>
    <message>
        <source>Uses DLL File:</source>
        <translation>Verwendete DLL-Datei:</translation>
    </message>
    <message>
        <source>Supported Maps</source>
        <translation>Unterstützte Karten</translation>
    </message>
    <message>
        <source>Config File To Run</source>
        <translation>Auszuführende Konfigurationsdatei</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Server Configuration</source>
        <translation>Serverkonfiguration</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Updates</source>
        <translation>&amp;Aktualisierungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Configure CS</source>
        <translation>CS &amp;konfigurieren</translation>
    </message>
    <message>
        <source>&amp;Select Directory</source>
        <translation>&amp;Verzeichnis wählen</translation>
    </message>
    <message>
        <source>Update All</source>
        <translation>Alles aktualisieren</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>This Displays Wich Counter-Strike Version The Bot Supports</source>
        <translation>Zeigt, welche Counter-Strike-Version der Bot unterstützt</translation>
    </message>
    <message>
        <source>This Displays Wich Half-Life Version The Bot Supports</source>
        <translation>Zeigt, welche Half-Life-Version der Bot unterstützt</translation>
    </message>
    <message>
        <source>This Displays Wich DLL File The Bot Uses</source>
        <translation>Zeigt, welche DLL-Datei der Bot verwendet</translation>
    </message>
    <message>
        <source>Play Counter-Strike With The Selected Bot!</source>
        <translation>Counter-Strike mit dem gewählten Bot spielen!</translation>
    </message>
    <message>
        <source>This Exits Counter-Strike Trevlin</source>
        <translation>Beendet Counter-Strike Trevlin</translation>
    </message>
    <message>
        <source>Here You Can Configure Your CS Server, Change The Mapcycle And Change The Startup Message</source>
        <translation>Hier können Sie Ihren CS-Server konfigurieren, den Kartenzyklus und die Startnachricht ändern</translation>
    </message>
    <message>
        <source>This Displays Bot Information Found In The Selected Bot&apos;s &apos;Liblist.gam&apos; File.</source>
        <translation>Zeigt die Botinformationen aus der Datei „Liblist.gam“ des gewählten Bots.</translation>
    </message>
    <message>
        <source>This Displays Wich Maps Are Supported By The Bot</source>
        <translation>Zeigt, welche Karten der Bot unterstützt</translation>
    </message>
    <message>
        <source>Please select your Half-Life\Counter-Strike directory under the File -&gt; Select Directory menu</source>
        <translation>Bitte wählen Sie Ihr Half-Life\Counter-Strike-Verzeichnis über das Menü Datei -&gt; Verzeichnis wählen</translation>
    </message>
    <message>
        <source>You Have Not Properly Set Up The Trevlin. Please Read The Documentation, Or Select Your Directory Again.</source>
        <translation>Sie haben Trevlin nicht richtig eingerichtet. Bitte lesen Sie die Dokumentation oder wählen Sie Ihr Verzeichnis erneut.</translation>
    </message>
    <message>
        <source>%1 is saved and copied to %2, which %3 runs when the game starts.</source>
        <translation>%1 ist gespeichert und nach %2 kopiert, das %3 beim Spielstart ausführt.</translation>
    </message>
    <message>
        <source>%1 already.</source>
        <translation>%1 bereits.</translation>
    </message>
    <message>
        <source>This Bot Is Not Supported By Your Current Counter-Strike Version. Click OK To Continue Anyway.</source>
        <translation>Dieser Bot wird von Ihrer aktuellen Counter-Strike-Version nicht unterstützt. Klicken Sie auf OK, um trotzdem fortzufahren.</translation>
    </message>
    <message>
        <source>Error In Liblist.gam File</source>
        <translation>Fehler in der Datei Liblist.gam</translation>
    </message>
    <message>
        <source>Please select your Half-Life\Counterstrike directory under the File -&gt; Config menu</source>
        <translation>Bitte wählen Sie Ihr Half-Life\Counter-Strike-Verzeichnis über das Menü Datei -&gt; Konfigurieren</translation>
    </message>
    <message>
        <source>Counter-Strike is running with %1</source>
        <translation>Counter-Strike läuft mit %1</translation>
    </message>
    <message>
        <source>Counter-Strike is running without bots</source>
        <translation>Counter-Strike läuft ohne Bots</translation>
    </message>
    <message>
        <source>Counter-Strike has ended.</source>
        <translation>Counter-Strike wurde beendet.</translation>
    </message>
    <message>
        <source>Counter-Strike crashed right after it started.</source>
        <translation>Counter-Strike ist direkt nach dem Start abgestürzt.</translation>
    </message>
    <message>
        <source>Counter-Strike ended right after it started, with exit code %1.</source>
        <translation>Counter-Strike wurde direkt nach dem Start mit dem Exit-Code %1 beendet.</translation>
    </message>
    <message>
        <source>It printed nothing.</source>
        <translation>Es hat nichts ausgegeben.</translation>
    </message>
    <message>
        <source>The last lines it printed:</source>
        <translation>Die letzten Zeilen seiner Ausgabe:</translation>
    </message>
    <message>
        <source>Do you want to open its log, %1?</source>
        <translation>Möchten Sie sein Protokoll %1 öffnen?</translation>
    </message>
    <message>
        <source>%1 is set up: %2 starts it.</source>
        <translation>%1 ist eingerichtet und wird über %2 gestartet.</translation>
    </message>
    <message>
        <source>Started through Steam: %1</source>
        <translation>Über Steam gestartet: %1</translation>
    </message>
</context>
<context>
    <name>MapCycle</name>
    <message>
        <source>Counter - Strike Mapcycle</source>
        <translation>Counter-Strike-Kartenzyklus</translation>
    </message>
    <message>
        <source>Map Files</source>
        <translation>Kartendateien</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <translation>-&gt;</translation>
    </message>
    <message>
        <source>Add To Cycle</source>
        <translation>Zum Zyklus hinzufügen</translation>
    </message>
    <message>
        <source>Add the selected maps to the cycle</source>
        <translation>Die gewählten Karten zum Zyklus hinzufügen</translation>
    </message>
    <message>
        <source>&lt;-</source>
        <translation>&lt;-</translation>
    </message>
    <message>
        <source>Remove From Cycle</source>
        <translation>Aus dem Zyklus entfernen</translation>
    </message>
    <message>
        <source>Remove the selected maps from the cycle</source>
        <translation>Die gewählten Karten aus dem Zyklus entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Map Cycle</source>
        <translation>Kartenzyklus</translation>
    </message>
    <message>
        <source>No. Of Maps:</source>
        <translation>Anzahl Karten:</translation>
    </message>
    <message>
        <source>No. Of Maps</source>
        <translation>Anzahl Karten</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>The game folder has no &quot;maps&quot; folder, so there are no maps to choose from.</source>
        <translation>Der Spielordner hat keinen Ordner „maps“, daher gibt es keine Karten zur Auswahl.</translation>
    </message>
    <message>
        <source>The map cycle has changes that are not saved. Do you want to save them?</source>
        <translation>Der Kartenzyklus hat ungespeicherte Änderungen. Möchten Sie sie speichern?</translation>
    </message>
</context>
<context>
    <name>MapCycleFile</name>
    <message>
        <source>The map &quot;%1&quot;</source>
        <translation>Die Karte „%1“</translation>
    </message>
    <message>
        <source>%1 begins with a blank, which the game drops. Please remove it and try again.</source>
        <translation>%1 beginnt mit einem Leerzeichen, das das Spiel verwirft. Bitte entfernen Sie es und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>MapFolder</name>
    <message>
        <source>Please Slect A Number Of Maps That Is Equal Or Less Than Yhe Number Of Maps Available</source>
        <translation>Bitte wählen Sie eine Anzahl von Karten, die höchstens der Anzahl der verfügbaren Karten entspricht</translation>
    </message>
    <message>
        <source>&quot;No. Of Maps:&quot; takes a whole number from 0 up, such as 10.</source>
        <translation>„Anzahl Karten:“ nimmt eine ganze Zahl ab 0, zum Beispiel 10.</translation>
    </message>
</context>
<context>
    <name>MapListLabel</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
</context>
<context>
    <name>MotdFile</name>
    <message>
        <source>The message holds a character that the game&apos;s 8-bit files cannot carry. Please change it and try again.</source>
        <translation>Die Nachricht enthält ein Zeichen, das die 8-Bit-Dateien des Spiels nicht aufnehmen können. Bitte ändern Sie es und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>MotdScreen</name>
    <message>
        <source>Message Of The Day</source>
        <translation>Nachricht des Tages</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Edit Server Text</source>
        <translation>Servertext bearbeiten</translation>
    </message>
    <message>
        <source>The message of the day has changes that are not saved. Do you want to save them?</source>
        <translation>Die Nachricht des Tages hat ungespeicherte Änderungen. Möchten Sie sie speichern?</translation>
    </message>
</context>
<context>
    <name>MultipleBots</name>
    <message>
        <source>You Must Specify The Number Of Bots You Want To Add.</source>
        <translation>Sie müssen angeben, wie viele Bots Sie hinzufügen möchten.</translation>
    </message>
    <message>
        <source>You Must Specify The Skill Level For The Bots, Or Enable Auto Skill.</source>
        <translation>Sie müssen die Fertigkeitsstufe der Bots angeben oder Auto-Fertigkeit einschalten.</translation>
    </message>
    <message>
        <source>The Number Of Bots Must Be A Number, Such As 10.</source>
        <translation>Die Anzahl der Bots muss eine Zahl sein, zum Beispiel 10.</translation>
    </message>
    <message>
        <source>The Skill Level Must Be A Number, Such As 3, Or Enable Auto Skill.</source>
        <translation>Die Fertigkeitsstufe muss eine Zahl sein, zum Beispiel 3, oder schalten Sie Auto-Fertigkeit ein.</translation>
    </message>
</context>
<context>
    <name>NameList</name>
    <message>
        <source>The File &apos;TRNames.txt&apos; Holds A Name On Line %1 That A Config File Cannot Carry. Please Save It As Plain Text With One Name On Each Line.</source>
        <translation>Die Datei „TRNames.txt“ enthält in Zeile %1 einen Namen, den eine Konfigurationsdatei nicht aufnehmen kann. Bitte speichern Sie sie als reinen Text mit einem Namen pro Zeile.</translation>
    </message>
    <message>
        <source>The File &apos;TRNames.txt&apos; Was Not Found In Your Counter-Strike Directory. Please Install It Or Read The Documentation.</source>
        <translation>Die Datei „TRNames.txt“ wurde in Ihrem Counter-Strike-Verzeichnis nicht gefunden. Bitte installieren Sie sie oder lesen Sie die Dokumentation.</translation>
    </message>
    <message>
        <source>The File &apos;TRNames.txt&apos; Could Not Be Read: %1</source>
        <translation>Die Datei „TRNames.txt“ konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The File &apos;TRNames.txt&apos; Holds No Bot Names. Please Put One Name On Each Line After Its Four Header Lines.</source>
        <translation>Die Datei „TRNames.txt“ enthält keine Botnamen. Bitte schreiben Sie nach ihren vier Kopfzeilen einen Namen pro Zeile.</translation>
    </message>
</context>
<context>
    <name>OpenScreen</name>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Open %1 Config File</source>
        <translation>%1-Konfigurationsdatei öffnen</translation>
    </message>
    <message>
        <source>You Have Changed Your Current BotList. Do You Want To Save It Before You Open A New One?</source>
        <translation>Sie haben Ihre aktuelle Botliste geändert. Möchten Sie sie speichern, bevor Sie eine neue öffnen?</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The game cannot be started: the game folder &quot;%1&quot; has no Half-Life folder above it.</source>
        <translation>Das Spiel kann nicht gestartet werden: Über dem Spielordner „%1“ liegt kein Half-Life-Ordner.</translation>
    </message>
    <message>
        <source>The game cannot be started: the Half-Life folder &quot;%1&quot; holds neither the game&apos;s Linux launcher (hl.sh or hl_linux) nor hl.exe.</source>
        <translation>Das Spiel kann nicht gestartet werden: Der Half-Life-Ordner „%1“ enthält weder den Linux-Starter des Spiels (hl.sh oder hl_linux) noch hl.exe.</translation>
    </message>
    <message>
        <source>The game cannot be started: the Half-Life folder &quot;%1&quot; holds only the Windows game (hl.exe), and Wine, which runs it here, is not installed.</source>
        <translation>Das Spiel kann nicht gestartet werden: Der Half-Life-Ordner „%1“ enthält nur das Windows-Spiel (hl.exe), und Wine, das es hier ausführt, ist nicht installiert.</translation>
    </message>
    <message>
        <source>%1 has no Windows game library: on Windows the game starts without its bots</source>
        <translation>%1 hat keine Windows-Spielbibliothek: Unter Windows startet das Spiel ohne dessen Bots</translation>
    </message>
    <message>
        <source>%1 has no Linux game library: on Linux the game starts without its bots; Wine runs the Windows one</source>
        <translation>%1 hat keine Linux-Spielbibliothek: Unter Linux startet das Spiel ohne dessen Bots; Wine führt die Windows-Bibliothek aus</translation>
    </message>
</context>
<context>
    <name>QuickLaunch</name>
    <message>
        <source>Trevlin knows no add-on called &quot;%1&quot;; it knows %2.</source>
        <translation>Trevlin kennt kein Add-on namens „%1“; es kennt %2.</translation>
    </message>
    <message>
        <source>No Counter-Strike folder is chosen yet: choose it in Trevlin&apos;s window, or give it with --game-dir.</source>
        <translation>Es ist noch kein Counter-Strike-Ordner gewählt: Wählen Sie ihn im Fenster von Trevlin oder geben Sie ihn mit --game-dir an.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not set up for Trevlin: it holds no &quot;%2&quot;.</source>
        <translation>Der Ordner „%1“ ist nicht für Trevlin eingerichtet: Er enthält keine „%2“.</translation>
    </message>
    <message>
        <source>%1 is not installed in &quot;%2&quot;: there is no &quot;%3&quot;.</source>
        <translation>%1 ist nicht in „%2“ installiert: Es gibt keine „%3“.</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>Bot Name</source>
        <translation>Botname</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Fertigkeit</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
</context>
<context>
    <name>RosterAddOn</name>
    <message>
        <source>Add RealBot Bot</source>
        <translation>RealBot-Bot hinzufügen</translation>
    </message>
    <message>
        <source>Edit RealBot Bot</source>
        <translation>RealBot-Bot bearbeiten</translation>
    </message>
    <message>
        <source>Add NNBot Bot</source>
        <translation>NNBot-Bot hinzufügen</translation>
    </message>
    <message>
        <source>Edit NNBot Bot</source>
        <translation>NNBot-Bot bearbeiten</translation>
    </message>
    <message>
        <source>Add HPBBot Bot</source>
        <translation>HPBBot-Bot hinzufügen</translation>
    </message>
    <message>
        <source>Edit HPB Bot</source>
        <translation>HPB-Bot bearbeiten</translation>
    </message>
    <message>
        <source>Add RamBot Bot</source>
        <translation>RamBot-Bot hinzufügen</translation>
    </message>
    <message>
        <source>Edit RamBot Bot</source>
        <translation>RamBot-Bot bearbeiten</translation>
    </message>
    <message>
        <source>Add Swat Bot</source>
        <translation>Swat-Bot hinzufügen</translation>
    </message>
    <message>
        <source>Edit SwatBot Bot</source>
        <translation>SwatBot-Bot bearbeiten</translation>
    </message>
    <message>
        <source>Add AGBBot Bot</source>
        <translation>AGBBot-Bot hinzufügen</translation>
    </message>
    <message>
        <source>Edit AGBBot Bot</source>
        <translation>AGBBot-Bot bearbeiten</translation>
    </message>
    <message>
        <source>Add Boba Bot</source>
        <translation>Boba-Bot hinzufügen</translation>
    </message>
    <message>
        <source>Edit Boba Bot</source>
        <translation>Boba-Bot bearbeiten</translation>
    </message>
    <message>
        <source>Add Redu Bot</source>
        <translation>Redu-Bot hinzufügen</translation>
    </message>
    <message>
        <source>Edit Redu Bot</source>
        <translation>Redu-Bot bearbeiten</translation>
    </message>
    <message>
        <source>Add PL Bot</source>
        <translation>PL-Bot hinzufügen</translation>
    </message>
    <message>
        <source>Edit PL Bot</source>
        <translation>PL-Bot bearbeiten</translation>
    </message>
    <message>
        <source>Add AndroidBot Bot</source>
        <translation>AndroidBot-Bot hinzufügen</translation>
    </message>
    <message>
        <source>Edit Android Bot</source>
        <translation>Android-Bot bearbeiten</translation>
    </message>
    <message>
        <source>Add PodBot Bot</source>
        <translation>PodBot-Bot hinzufügen</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>The file you selected is not a valid Counter-Strike Trevlin %1 Config file</source>
        <translation>Die gewählte Datei ist keine gültige Konfigurationsdatei von Counter-Strike Trevlin %1</translation>
    </message>
    <message>
        <source>Nothing was written; the bots are still in the editor.</source>
        <translation>Es wurde nichts geschrieben; die Bots sind noch im Editor.</translation>
    </message>
</context>
<context>
    <name>RosterFormat</name>
    <message>
        <source>The bot %1 cannot be saved, because its %2 holds %3, a character that a Counter-Strike config file cannot carry.</source>
        <translation>Der Bot %1 kann nicht gespeichert werden, weil sein Feld „%2“ %3 enthält, ein Zeichen, das eine Counter-Strike-Konfigurationsdatei nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>A bot name cannot contain blanks, because the config file separates a bot&apos;s name from its skill with a blank. Please use another name.</source>
        <translation>Ein Botname darf keine Leerzeichen enthalten, weil die Konfigurationsdatei den Namen eines Bots durch ein Leerzeichen von seiner Fertigkeit trennt. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>skill</source>
        <translation>Fertigkeit</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its skill %2 is not a number.</source>
        <translation>Der Bot %1 kann nicht gespeichert werden, weil seine Fertigkeit %2 keine Zahl ist.</translation>
    </message>
    <message>
        <source>The option &quot;%1&quot; cannot be saved, because it holds %2, a character that a Counter-Strike config file cannot carry.</source>
        <translation>Die Option „%1“ kann nicht gespeichert werden, weil sie %2 enthält, ein Zeichen, das eine Counter-Strike-Konfigurationsdatei nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>The option &quot;%1&quot; cannot be saved, because %2 is not a number.</source>
        <translation>Die Option „%1“ kann nicht gespeichert werden, weil %2 keine Zahl ist.</translation>
    </message>
    <message>
        <source>This will apply Team, Skin and Skill changes to all bots in your list.</source>
        <translation>Damit werden Änderungen an Team, Skin und Fertigkeit auf alle Bots Ihrer Liste angewendet.</translation>
    </message>
    <message>
        <source>This config file is made with another version. Unable to load.</source>
        <translation>Diese Konfigurationsdatei wurde mit einer anderen Version erstellt. Laden nicht möglich.</translation>
    </message>
    <message>
        <source>Time Before Bot Entry</source>
        <translation>Zeit bis zum Boteintritt</translation>
    </message>
    <message>
        <source>Min No Of Bots</source>
        <translation>Min. Anzahl Bots</translation>
    </message>
    <message>
        <source>Max No Of Bots</source>
        <translation>Max. Anzahl Bots</translation>
    </message>
    <message>
        <source>Botskill</source>
        <translation>Botfertigkeit</translation>
    </message>
    <message>
        <source>Min Bot Skill</source>
        <translation>Min. Botfertigkeit</translation>
    </message>
    <message>
        <source>Max Skill</source>
        <translation>Max. Fertigkeit</translation>
    </message>
    <message>
        <source>This will apply Team and Skill changes to all bots in your list.</source>
        <translation>Damit werden Änderungen an Team und Fertigkeit auf alle Bots Ihrer Liste angewendet.</translation>
    </message>
    <message>
        <source>This config file is made with a previous version. Unable to load.</source>
        <translation>Diese Konfigurationsdatei wurde mit einer früheren Version erstellt. Laden nicht möglich.</translation>
    </message>
    <message>
        <source>Save Android Config File</source>
        <translation>Android-Konfigurationsdatei speichern</translation>
    </message>
    <message>
        <source>There is no bot selected in the list. Please select the bot you want to change, then press Done again.</source>
        <translation>In der Liste ist kein Bot gewählt. Bitte wählen Sie den Bot, den Sie ändern möchten, und drücken Sie dann erneut auf Fertig.</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved</source>
        <translation>Der Bot %1 kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>A bot without a name cannot be saved: the config file would not read back. Please give it a name and save again.</source>
        <translation>Ein Bot ohne Namen kann nicht gespeichert werden: Die Konfigurationsdatei ließe sich nicht wieder lesen. Bitte geben Sie ihm einen Namen und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>A bot name cannot be a number, because the bot add-on would take it for the skill level. Please use another name.</source>
        <translation>Ein Botname darf keine Zahl sein, weil das Bot-Add-on ihn für die Fertigkeitsstufe halten würde. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>There are no bots to save. Add at least one bot first.</source>
        <translation>Es gibt keine Bots zum Speichern. Fügen Sie zuerst mindestens einen Bot hinzu.</translation>
    </message>
    <message>
        <source> Please change it and save again.</source>
        <translation> Bitte ändern Sie ihn und speichern Sie erneut.</translation>
    </message>
</context>
<context>
    <name>RosterWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>You Have Changed Your Current BotList. Do You Want To Save It Before You Start A New One?</source>
        <translation>Sie haben Ihre aktuelle Botliste geändert. Möchten Sie sie speichern, bevor Sie eine neue beginnen?</translation>
    </message>
    <message>
        <source>You Have Changed Your Current BotList. Do You Want To Save It Before You Exit?</source>
        <translation>Sie haben Ihre aktuelle Botliste geändert. Möchten Sie sie vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>You Have Changed Your Current BotList, but a list without bots cannot be saved. Do you want to discard your changes?</source>
        <translation>Sie haben Ihre aktuelle Botliste geändert, aber eine Liste ohne Bots kann nicht gespeichert werden. Möchten Sie Ihre Änderungen verwerfen?</translation>
    </message>
</context>
<context>
    <name>SaveScreen</name>
    <message>
        <source>Filename:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Save %1 Config File</source>
        <translation>%1-Konfigurationsdatei speichern</translation>
    </message>
    <message>
        <source>You have to enter a filename</source>
        <translation>Sie müssen einen Dateinamen eingeben</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existiert bereits. Ersetzen?</translation>
    </message>
</context>
<context>
    <name>ServerText</name>
    <message>
        <source>%1 is not a file, so Trevlin did not read it.</source>
        <translation>%1 ist keine Datei, daher hat Trevlin sie nicht gelesen.</translation>
    </message>
    <message>
        <source>Trevlin could not read %1: %2</source>
        <translation>Trevlin konnte %1 nicht lesen: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2, far larger than such a file ever is, so Trevlin does not read or write it.</source>
        <translation>%1 ist größer als %2, weit größer, als eine solche Datei je ist, daher liest und schreibt Trevlin sie nicht.</translation>
    </message>
    <message>
        <source>a comma, which ends a setting in the file</source>
        <translation>ein Komma, das in der Datei eine Einstellung beendet</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>a character that the game&apos;s 8-bit files cannot carry</source>
        <translation>ein Zeichen, das die 8-Bit-Dateien des Spiels nicht aufnehmen können</translation>
    </message>
    <message>
        <source>%1 holds %2. Please change it and try again.</source>
        <translation>%1 enthält %2. Bitte ändern Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>SetUpAddOn</name>
    <message>
        <source>Set Up An Add-on</source>
        <translation>Add-on einrichten</translation>
    </message>
    <message>
        <source>Choose the add-on and the game library it brings, for the Windows game, the Linux game or both. Trevlin writes the add-on&apos;s liblist.gam from the game&apos;s own.</source>
        <translation>Wählen Sie das Add-on und die Spielbibliothek, die es mitbringt, für das Windows-Spiel, das Linux-Spiel oder beide. Trevlin schreibt die liblist.gam des Add-ons auf Grundlage der des Spiels.</translation>
    </message>
    <message>
        <source>&amp;Add-on:</source>
        <translation>&amp;Add-on:</translation>
    </message>
    <message>
        <source>&amp;Windows library:</source>
        <translation>&amp;Windows-Bibliothek:</translation>
    </message>
    <message>
        <source>B&amp;rowse…</source>
        <translation>&amp;Durchsuchen…</translation>
    </message>
    <message>
        <source>Browse for the Windows library</source>
        <translation>Nach der Windows-Bibliothek suchen</translation>
    </message>
    <message>
        <source>&amp;Linux library:</source>
        <translation>&amp;Linux-Bibliothek:</translation>
    </message>
    <message>
        <source>Br&amp;owse…</source>
        <translation>Du&amp;rchsuchen…</translation>
    </message>
    <message>
        <source>Browse for the Linux library</source>
        <translation>Nach der Linux-Bibliothek suchen</translation>
    </message>
    <message>
        <source>&amp;Set Up</source>
        <translation>&amp;Einrichten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>No game library of an add-on was found in the game folder: put the add-on&apos;s files into it, or choose its library with Browse.</source>
        <translation>Im Spielordner wurde keine Spielbibliothek eines Add-ons gefunden: Legen Sie die Dateien des Add-ons hinein oder wählen Sie seine Bibliothek mit „Durchsuchen“.</translation>
    </message>
    <message>
        <source>The game folder is large: only its first %1 entries were searched; choose a library deeper down with Browse.</source>
        <translation>Der Spielordner ist groß: Nur seine ersten %1 Einträge wurden durchsucht; wählen Sie eine tiefer liegende Bibliothek mit „Durchsuchen“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no game library: the Windows game loads a .dll, the Linux game a .so.</source>
        <translation>„%1“ ist keine Spielbibliothek: Das Windows-Spiel lädt eine .dll, das Linux-Spiel eine .so.</translation>
    </message>
    <message>
        <source>Choose the Windows game library</source>
        <translation>Windows-Spielbibliothek wählen</translation>
    </message>
    <message>
        <source>Choose the Linux game library</source>
        <translation>Linux-Spielbibliothek wählen</translation>
    </message>
    <message>
        <source>Windows game libraries (*.dll)</source>
        <translation>Windows-Spielbibliotheken (*.dll)</translation>
    </message>
    <message>
        <source>Linux game libraries (*.so)</source>
        <translation>Linux-Spielbibliotheken (*.so)</translation>
    </message>
    <message>
        <source>Choose the Windows game library, the Linux game library or both.</source>
        <translation>Wählen Sie die Windows-Spielbibliothek, die Linux-Spielbibliothek oder beide.</translation>
    </message>
    <message>
        <source>The game folder holds &quot;%1&quot; already. Replace it?</source>
        <translation>Der Spielordner enthält bereits „%1“. Ersetzen?</translation>
    </message>
    <message>
        <source>Trevlin could not write &quot;%1&quot;: %2</source>
        <translation>Trevlin konnte „%1“ nicht schreiben: %2</translation>
    </message>
    <message>
        <source>%1 is set up. %2.</source>
        <translation>%1 ist eingerichtet. %2.</translation>
    </message>
</context>
<context>
    <name>SetUpEntries</name>
    <message>
        <source>Set &amp;Up An Add-on…</source>
        <translation>Add-on &amp;einrichten…</translation>
    </message>
    <message>
        <source>&amp;Install An Add-on From Its Archive…</source>
        <translation>Add-on aus seinem &amp;Archiv installieren…</translation>
    </message>
    <message>
        <source>Start the game &amp;directly</source>
        <translation>Spiel &amp;direkt starten</translation>
    </message>
    <message>
        <source>Please select your Half-Life\Counter-Strike directory under the File -&gt; Select Directory menu</source>
        <translation>Bitte wählen Sie Ihr Half-Life\Counter-Strike-Verzeichnis über das Menü Datei -&gt; Verzeichnis wählen</translation>
    </message>
    <message>
        <source>An add-on is set up from the game&apos;s own liblist.gam, and the folder &quot;%1&quot; holds none that can be read.</source>
        <translation>Ein Add-on wird aus der eigenen liblist.gam des Spiels eingerichtet, und der Ordner „%1“ enthält keine lesbare.</translation>
    </message>
    <message>
        <source>%1 is not set up in this game folder: right-click it, or choose File -&gt; Set Up An Add-on…, to set it up from its files.</source>
        <translation>%1 ist in diesem Spielordner nicht eingerichtet: Klicken Sie mit der rechten Maustaste darauf oder wählen Sie Datei -&gt; Add-on einrichten…, um das Add-on aus seinen Dateien einzurichten.</translation>
    </message>
    <message>
        <source>Set &amp;Up %1…</source>
        <translation>%1 &amp;einrichten…</translation>
    </message>
    <message>
        <source>U&amp;ninstall %1…</source>
        <translation>%1 &amp;deinstallieren…</translation>
    </message>
    <message>
        <source>Only an add-on installed from its archive through Trevlin can be uninstalled here.</source>
        <translation>Nur ein Add-on, das über Trevlin aus seinem Archiv installiert wurde, lässt sich hier deinstallieren.</translation>
    </message>
    <message>
        <source>Uninstall %1? Trevlin removes the files its install added and puts back the game files it replaced.</source>
        <translation>%1 deinstallieren? Trevlin entfernt die Dateien, die bei der Installation hinzugekommen sind, und legt die Spieldateien zurück, die sie ersetzt hat.</translation>
    </message>
    <message>
        <source>%1 is not uninstalled: %2</source>
        <translation>%1 wurde nicht deinstalliert: %2</translation>
    </message>
    <message>
        <source>%1 is uninstalled.</source>
        <translation>%1 ist deinstalliert.</translation>
    </message>
    <message>
        <source>These files changed since the install and are left as they are:</source>
        <translation>Diese Dateien wurden seit der Installation geändert und bleiben, wie sie sind:</translation>
    </message>
</context>
<context>
    <name>SkinChooser</name>
    <message>
        <source>Skin Preview</source>
        <translation>Skin-Vorschau</translation>
    </message>
    <message>
        <source>No skin selected</source>
        <translation>Kein Skin gewählt</translation>
    </message>
</context>
<context>
    <name>SupportedMaps</name>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Increase</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Verringern</translation>
    </message>
    <message>
        <source>The box &quot;%1&quot; needs a number from %2 to %3. Please enter one and try again.</source>
        <translation>Das Feld „%1“ braucht eine Zahl von %2 bis %3. Bitte geben Sie eine ein und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Update Bots And Trevlin</source>
        <translation>Bots und Trevlin aktualisieren</translation>
    </message>
    <message>
        <source>Files Available On Server:</source>
        <translation>Auf dem Server verfügbare Dateien:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Your Version:</source>
        <translation>Ihre Version:</translation>
    </message>
    <message>
        <source>Last Updated:</source>
        <translation>Zuletzt aktualisiert:</translation>
    </message>
    <message>
        <source>Update progress</source>
        <translation>Fortschritt der Aktualisierung</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>Aktuelle Datei</translation>
    </message>
    <message>
        <source>Whole update</source>
        <translation>Gesamte Aktualisierung</translation>
    </message>
    <message>
        <source>Please Wait Launching Update Program.....</source>
        <translation>Bitte warten, das Aktualisierungsprogramm wird gestartet …</translation>
    </message>
    <message>
        <source>Plain http: what the update server sends is not encrypted.</source>
        <translation>Einfaches http: Was der Aktualisierungsserver sendet, ist nicht verschlüsselt.</translation>
    </message>
    <message>
        <source>Update Selected Bots</source>
        <translation>Gewählte Bots aktualisieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Still Executing Last Request. Please Wait.</source>
        <translation>Die letzte Anfrage läuft noch. Bitte warten.</translation>
    </message>
    <message>
        <source>Updating  %1</source>
        <translation>Aktualisiere %1</translation>
    </message>
    <message>
        <source>%1 Sucessfully Updated</source>
        <translation>%1 erfolgreich aktualisiert</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1:%2</source>
        <translation>%1:%2</translation>
    </message>
    <message>
        <source>not signed</source>
        <translation>nicht signiert</translation>
    </message>
    <message>
        <source>%p% at %1/s</source>
        <translation>%p % bei %1/s</translation>
    </message>
    <message>
        <source>%p% at %1/s, %2 left</source>
        <translation>%p % bei %1/s, noch %2</translation>
    </message>
    <message>
        <source>%p%</source>
        <translation>%p %</translation>
    </message>
    <message>
        <source>%p%, %1 left in all</source>
        <translation>%p %, insgesamt noch %1</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
</context>
<context>
    <name>UpdateClient</name>
    <message>
        <source>The server stopped sending</source>
        <translation>Der Server hat aufgehört zu senden</translation>
    </message>
    <message>
        <source>The download took too long</source>
        <translation>Der Download hat zu lange gedauert</translation>
    </message>
    <message>
        <source>Looking Up Server</source>
        <translation>Suche Server</translation>
    </message>
    <message>
        <source>Server Found</source>
        <translation>Server gefunden</translation>
    </message>
    <message>
        <source>Connecting To Server</source>
        <translation>Verbinde mit Server</translation>
    </message>
    <message>
        <source>Connected To Server</source>
        <translation>Mit Server verbunden</translation>
    </message>
    <message>
        <source>Requesting File From Server</source>
        <translation>Fordere Datei vom Server an</translation>
    </message>
    <message>
        <source>Request Acknowleged By Server</source>
        <translation>Anfrage vom Server bestätigt</translation>
    </message>
    <message>
        <source>Recieving File From Server</source>
        <translation>Empfange Datei vom Server</translation>
    </message>
    <message>
        <source>Server Is Online And Responding</source>
        <translation>Server ist online und antwortet</translation>
    </message>
    <message>
        <source>An Error Has Occured</source>
        <translation>Ein Fehler ist aufgetreten</translation>
    </message>
    <message>
        <source>The address %1 is not on the update server</source>
        <translation>Die Adresse %1 liegt nicht auf dem Aktualisierungsserver</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation>Die Datei ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>The download could not be stored: %1</source>
        <translation>Der Download konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The server sent the download to another address: %1</source>
        <translation>Der Server hat den Download an eine andere Adresse geschickt: %1</translation>
    </message>
    <message>
        <source>The server redirected too often</source>
        <translation>Der Server hat zu oft umgeleitet</translation>
    </message>
    <message>
        <source>The server answered %1 for %2</source>
        <translation>Der Server antwortete %1 für %2</translation>
    </message>
    <message>
        <source>The file arrived incomplete: %1 of %2 bytes</source>
        <translation>Die Datei kam unvollständig an: %1 von %2 Bytes</translation>
    </message>
    <message>
        <source>The server did not say how large the file is, so a whole file cannot be told from a part</source>
        <translation>Der Server hat nicht gesagt, wie groß die Datei ist, daher lässt sich eine ganze Datei nicht von einem Teil unterscheiden</translation>
    </message>
    <message>
        <source>The server announced two different lengths for %1</source>
        <translation>Der Server hat für %1 zwei verschiedene Längen angekündigt</translation>
    </message>
    <message>
        <source>There is not enough free space in %1 for %2 bytes</source>
        <translation>In %1 ist nicht genug freier Platz für %2 Bytes</translation>
    </message>
</context>
<context>
    <name>UpdateJob</name>
    <message>
        <source>The update of %1 took longer than %2 minutes and was stopped</source>
        <translation>Die Aktualisierung von %1 hat länger als %2 Minuten gedauert und wurde abgebrochen</translation>
    </message>
    <message>
        <source>The whole update took longer than %1 minutes and was stopped</source>
        <translation>Die gesamte Aktualisierung hat länger als %1 Minuten gedauert und wurde abgebrochen</translation>
    </message>
    <message>
        <source>No staging folder could be made in %1: %2</source>
        <translation>In %1 konnte kein Arbeitsordner angelegt werden: %2</translation>
    </message>
    <message>
        <source>The signature of %1 could not be fetched: %2</source>
        <translation>Die Signatur von %1 konnte nicht abgerufen werden: %2</translation>
    </message>
</context>
<context>
    <name>UpdateLists</name>
    <message>
        <source>an empty name</source>
        <translation>einen leeren Namen</translation>
    </message>
    <message>
        <source>a name that leads out of its folder</source>
        <translation>einen Namen, der aus seinem Ordner hinausführt</translation>
    </message>
    <message>
        <source>a folder separator or drive letter inside a name</source>
        <translation>ein Ordnertrennzeichen oder einen Laufwerksbuchstaben in einem Namen</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>ein Steuerzeichen</translation>
    </message>
    <message>
        <source>a reserved device name</source>
        <translation>einen reservierten Gerätenamen</translation>
    </message>
    <message>
        <source>The file list of %1 is refused: line %2 (&quot;%3&quot;) holds %4.</source>
        <translation>Die Dateiliste von %1 wird abgelehnt: Zeile %2 („%3“) enthält %4.</translation>
    </message>
    <message>
        <source>an address outside %1</source>
        <translation>eine Adresse außerhalb von %1</translation>
    </message>
    <message>
        <source>no root folder keyword</source>
        <translation>kein Stammordner-Schlüsselwort</translation>
    </message>
    <message>
        <source>an unknown root folder keyword</source>
        <translation>ein unbekanntes Stammordner-Schlüsselwort</translation>
    </message>
    <message>
        <source>no third line</source>
        <translation>keine dritte Zeile</translation>
    </message>
    <message>
        <source>no &quot;---EndSubDirectories---&quot;</source>
        <translation>kein „---EndSubDirectories---“</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>keinen Dateinamen</translation>
    </message>
    <message>
        <source>a sha256 hash not written as &quot;sha256:&quot; and 64 hex digits</source>
        <translation>einen SHA-256-Hash, der nicht als „sha256:“ mit 64 Hexadezimalziffern geschrieben ist</translation>
    </message>
    <message>
        <source>no sha256 hash, which a signed list gives for every file</source>
        <translation>keinen SHA-256-Hash, den eine signierte Liste für jede Datei angibt</translation>
    </message>
</context>
<context>
    <name>UpdateServer</name>
    <message>
        <source>The network module trevlin_network could not be loaded from %1: %2</source>
        <translation>Das Netzwerkmodul trevlin_network konnte nicht aus %1 geladen werden: %2</translation>
    </message>
</context>
<context>
    <name>WaypointCheck</name>
    <message>
        <source>%1 has no waypoints for this map: its bots will not find their way on it.</source>
        <translation>%1 hat keine Wegpunkte für diese Karte: Seine Bots finden sich auf ihr nicht zurecht.</translation>
    </message>
</context>
</TS>

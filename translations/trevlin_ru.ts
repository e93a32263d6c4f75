<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutScreen</name>
    <message>
        <source>Counter-Strike Trevlin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trevlin emblem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trevlin Homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail Me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;XIT      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter-Strike Trevlin Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web browser is set up to open the home page. Its address is: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mail program is set up to write the mail. Please write to: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddBotFormat</name>
    <message>
        <source>Skill 1 to %1 (1=best)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot name holds %1, a character that a Counter-Strike config file cannot carry. Please use another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to name the bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to slect a team for the bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to enter a skill level for the bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skill level must be between 1 and %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to select a team for the bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to choose a skin for the bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Have to select a skin for the bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The option &quot;Min No Of Bots&quot; (%1) is more than &quot;Max No Of Bots&quot; (%2), so the server could never keep to both. Please change one of them and save again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its team %2 is none of &quot;Terrorist&quot;, &quot;Counter Terrorist&quot; and &quot;Auto Select&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its skin %2 is none of the skins a config file knows.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddBotPanel</name>
    <message>
        <source>Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registered Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &amp;Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Multiple Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Before Bot Entry:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Team Blance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot Dependant Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Botskill:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Sets The Skill Level For Bots If You Use The AddBot Command Without The Skill Specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Skill:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This makes the bot recieve a random skill when added with the Addbot command and no skill specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Botskill Range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Bot Skill:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Skill:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This sets the maximum skill each bot will get when they are added with the Addbot command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra Skill:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This option limits you to observer only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bots Don&apos;t Shoot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will make the bots unable to shoot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waypoints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Waypoints:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Waypoints For Team 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Waypoints For Team 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For Dedicated Servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min No Of Bots:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max No Of Bots:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddMultiple</name>
    <message>
        <source>Bot Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number Of Bots:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number Of Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Skill:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Select Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Bot Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Multiple %1 Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program is set up to open &apos;TRNames.txt&apos;. Please open it in a text editor: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddOnControls</name>
    <message>
        <source>Edit Android Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update AndroidBot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Android Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here You Can Edit Your Android Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit RamBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update RamBot </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RamBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here You Can Edit Your RamBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit RealBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update RealBot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RealBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here You Can Edit Your RealBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit NNBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit NNbot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update NNBot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NNBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here You Can Edit Your NNBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit HPBBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit HPB Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update HPBBot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HPB Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here You Can Edit Your HPBBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit SwatBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update SwatBot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swat Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here You Can Edit Your SwatBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit PodBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update PodBot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PodBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here You Can Edit Your PodBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit AGBBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update AGBBot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AGB Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here You Can Edit Your AGBBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit PLBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update PLBot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PL Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here You Can Edit Your PLBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit ReduBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update ReduBot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redu Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here You Can Edit Your ReduBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit BobaBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update BobaBot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boba Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here You Can Edit Your BobaBot Bots</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AndroidFormat</name>
    <message>
        <source>Skill %1 to %2 (%2=best)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to name the bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to select a team for the bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to enter a skill level for the bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skill level must be between %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot name holds a character that a Counter-Strike config file cannot carry. Please use another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The option &quot;Time Before Bot Entry&quot; cannot be saved, because %1 is not a number from -32768 to 32767.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The option &quot;Minimum Bot Skill&quot; cannot be saved, because it holds a character that a Counter-Strike config file cannot carry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its team %2 is none of &quot;Terrorist&quot;, &quot;Counter Terrorist&quot; and &quot;Auto Assign&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its skill %2 is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved as the first bot, because the first bot&apos;s name cannot contain blanks. Please change its name, or delete it and add it again after another bot.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AndroidPanel</name>
    <message>
        <source>Android Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registered Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &amp;Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Multiple Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Before Bot Entry:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Team Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot Dependant Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot Chatting:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jason Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum Bot Skill:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Trevlin starts without its settings and will not change them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; was damaged. Trevlin kept it as &quot;%2&quot; and goes on with the settings it could read from it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged, and Trevlin could not keep a copy of it aside. Trevlin goes on with the settings it could read from it, and will not change them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>there is not enough free space on the disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link to a file whose name Trevlin cannot write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trevlin could not save &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AutostartFile</name>
    <message>
        <source>This Is Not A Valid Config File For The Selected Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a config file in the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a config file but a folder or a device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not there any more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a config file: it holds %2 MB, and config files are never larger than %3 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trevlin could not read &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This config file is made with another version. Unable to load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trevlin could not copy &quot;%1&quot; to &quot;%2&quot;: %3

The autostart file is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is now the autostart file, but Trevlin could not remember that in &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trevlin could not delete &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The autostart file is cleared, but Trevlin could not remember that in &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AutostartFrame</name>
    <message>
        <source>Config File To Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Autostart File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Autostart File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Will Allow You To Select The Config File To Launch On Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Option Will Make CS Start Without Any Config File Beeing Launched Automaticly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Is The Config File Wich Will Launch Automaticly When CS Starts   Double click to edit this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BotDialog</name>
    <message>
        <source>Bot Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply To All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Bot</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoundedFile</name>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file but a folder, a pipe or a device, so Trevlin did not read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is larger than %2, far more than such a file ever holds, so Trevlin did not read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trevlin could not read &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Trevlin starts Counter-Strike with a bot add-on of your choice and edits the add-ons&apos; bot rosters and options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the program&apos;s version and Qt&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses this Counter-Strike folder (the one holding cstrike.ico) for this run, without changing the folder remembered in the settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts the game with this add-on (for example RamBot, or &quot;Original CS&quot; for none) without showing the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows pictures at once, without moving effects.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the texts in this language for this run: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trevlin has no texts in &quot;%1&quot;; it has %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>&amp;File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type or paste the path of a config file or of its folder, or choose it above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select %1 Autostart File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigScreen</name>
    <message>
        <source>Configure Counter - Strike</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roundtime (Minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the maximum amount of time for each round - ranges between 3 and 15 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timelimit (Minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the maximum amount of time in minutes between map rotations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freezetime (Seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the amount of &quot;freeze&quot; time at the beginning of each round to buy weapons and equipment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart Round (Seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the amount of time before resetting the game, including frags, weapons, money, and scores - Use setting of &apos;0&apos; to disable these restarts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C4 Timer (Seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the amount of time in between C4 placement and its explosion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Shells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the number of shells visible at one time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Smoke Puffs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the number of smoke puffs visible at one time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hostage Penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the number of hostages a player can kill before they are booted from the server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit Teams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the maximum number of players that one team can have more than the other team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Client Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friendly Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggles friendly fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friendly Grenade Damage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggles team damage produced by grenades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Team-Killer Banning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggles automatic team-killer banning and kicking of idle clients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footsteps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggles footstep sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flashlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggles the use of flashlights by clients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falldamage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are hurt when falling from high places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observer Chasecam Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limits observers to only chase modes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punish Team-Killers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggles the forcing of a player to sit out the next round if he has just killed a teammate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggles logging of chat messages in the log files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Map Breiefings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggles displaying of map briefings after loading a new map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Hint Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggles Auto-Help (gives player hint messages throught the game)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complex Server Decals/Physics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use setting of &apos;1&apos; to enable complex decals and server physics for faster and better servers, and use &apos;0&apos; to disable this feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoaim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will make the computer help you to aim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pausable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This allows clients to pause the server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force Chasecam To Teammates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggles the chasecam to follow teammates only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Team Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggles the forcing of clients to join teams to make it balanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Cheats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Server Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Map Cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server settings have changes that are not saved. Do you want to save them?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DescriptorOffer</name>
    <message>
        <source>The liblist.gam in &quot;%1&quot; names no game library, so it is not the game&apos;s own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The liblist.gam in &quot;%1&quot; starts the game library &quot;%2&quot;, which is not the game&apos;s own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trevlin needs the game&apos;s own liblist.gam in this folder: put it back, then select the folder again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds the game&apos;s own liblist.gam but no copy of it named &quot;%2&quot;, which Trevlin needs to start the game without bots and to put the game back after an add-on.

Keep a copy of it now as &quot;%2&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trevlin could not keep a copy of liblist.gam as &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DirSelect</name>
    <message>
        <source>Directory Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drive:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type or paste the path of your Counter-Strike folder, or choose it below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter-Strike &amp;found on this computer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chosen Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Is Not A Valid Counter-Strike Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trevlin could not write hl.bat, the file that starts the game, in the folder &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder is taken for now, but Trevlin could not save its settings in &quot;%1&quot;, so you will have to choose the folder again at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>&amp;Drive:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;olders:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;iles:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameDescriptor</name>
    <message>
        <source>The folder already holds &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder holds no %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its %1 starts &quot;%2&quot;, not the game&apos;s own library.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>There is no readable &quot;%1&quot; in the folder &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trevlin could not put &quot;%1&quot; in place of liblist.gam in the folder &quot;%2&quot;: %3

The game folder still holds its previous liblist.gam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter-Strike could not be started: %1 did not run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter-Strike was started with %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter-Strike was started without bots: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameSetup</name>
    <message>
        <source>Without it Trevlin does not know the installed Counter-Strike version, and asks about the version at every launch.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemInstaller</name>
    <message>
        <source>its root folder %1 is not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 leads outside %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file list of %1 could not be fetched: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file list of %1 is refused: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting File : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download could not be stored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be fetched: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not match its sha256 hash in the file list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting File : %1 ... Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trevlin could not save the language in &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The texts will be in the chosen language when Trevlin starts next.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListenServerFile</name>
    <message>
        <source>The File &apos;LISTENSERVER.CFG&apos; Was Not Found. Default Trevlin Settings Were Loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Listenserver File Is Not A Trevlin Config File. Default Trevlin Settings Were Loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The box &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds a double quote, which the game takes for the end of the name. Please change it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trevlin could not move &quot;%1&quot; aside as &quot;game.trb&quot;: %2. Both files are as they were.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Counter-Strike Trevlin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Bot Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required CS Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required Half-Life Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses DLL File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supported Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config File To Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Configure CS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Displays Wich Counter-Strike Version The Bot Supports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Displays Wich Half-Life Version The Bot Supports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Displays Wich DLL File The Bot Uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Counter-Strike With The Selected Bot!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Exits Counter-Strike Trevlin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here You Can Configure Your CS Server, Change The Mapcycle And Change The Startup Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Displays Bot Information Found In The Selected Bot&apos;s &apos;Liblist.gam&apos; File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Displays Wich Maps Are Supported By The Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select your Half-Life\Counter-Strike directory under the File -&gt; Select Directory menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Have Not Properly Set Up The Trevlin. Please Read The Documentation, Or Select Your Directory Again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is saved and copied to %2, which %3 runs when the game starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Bot Is Not Supported By Your Current Counter-Strike Version. Click OK To Continue Anyway.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error In Liblist.gam File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select your Half-Life\Counterstrike directory under the File -&gt; Config menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter-Strike is running with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter-Strike is running without bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter-Strike has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter-Strike crashed right after it started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter-Strike ended right after it started, with exit code %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It printed nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last lines it printed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to open its log, %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapCycle</name>
    <message>
        <source>Counter - Strike Mapcycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add To Cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the selected maps to the cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove From Cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the selected maps from the cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map Cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. Of Maps:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. Of Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game folder has no &quot;maps&quot; folder, so there are no maps to choose from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map cycle has changes that are not saved. Do you want to save them?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapCycleFile</name>
    <message>
        <source>The map &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 begins with a blank, which the game drops. Please remove it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapFolder</name>
    <message>
        <source>Please Slect A Number Of Maps That Is Equal Or Less Than Yhe Number Of Maps Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;No. Of Maps:&quot; takes a whole number from 0 up, such as 10.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapListLabel</name>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MotdFile</name>
    <message>
        <source>The message holds a character that the game&apos;s 8-bit files cannot carry. Please change it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MotdScreen</name>
    <message>
        <source>Message Of The Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Server Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message of the day has changes that are not saved. Do you want to save them?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MultipleBots</name>
    <message>
        <source>You Must Specify The Number Of Bots You Want To Add.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Must Specify The Skill Level For The Bots, Or Enable Auto Skill.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Number Of Bots Must Be A Number, Such As 10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Skill Level Must Be A Number, Such As 3, Or Enable Auto Skill.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameList</name>
    <message>
        <source>The File &apos;TRNames.txt&apos; Holds A Name On Line %1 That A Config File Cannot Carry. Please Save It As Plain Text With One Name On Each Line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The File &apos;TRNames.txt&apos; Was Not Found In Your Counter-Strike Directory. Please Install It Or Read The Documentation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The File &apos;TRNames.txt&apos; Could Not Be Read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The File &apos;TRNames.txt&apos; Holds No Bot Names. Please Put One Name On Each Line After Its Four Header Lines.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenScreen</name>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open %1 Config File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Have Changed Your Current BotList. Do You Want To Save It Before You Open A New One?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The game cannot be started: the game folder &quot;%1&quot; has no Half-Life folder above it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game cannot be started: the Half-Life folder &quot;%1&quot; holds neither the game&apos;s Linux launcher (hl.sh or hl_linux) nor hl.exe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game cannot be started: the Half-Life folder &quot;%1&quot; holds only the Windows game (hl.exe), and Wine, which runs it here, is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuickLaunch</name>
    <message>
        <source>Trevlin knows no add-on called &quot;%1&quot;; it knows %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Counter-Strike folder is chosen yet: choose it in Trevlin&apos;s window, or give it with --game-dir.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not set up for Trevlin: it holds no &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not installed in &quot;%2&quot;: there is no &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>Bot Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RosterAddOn</name>
    <message>
        <source>Add RealBot Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit RealBot Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add NNBot Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit NNBot Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add HPBBot Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit HPB Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add RamBot Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit RamBot Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Swat Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit SwatBot Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add AGBBot Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit AGBBot Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Boba Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Boba Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Redu Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Redu Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add PL Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit PL Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add AndroidBot Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Android Bot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add PodBot Bot</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>The file you selected is not a valid Counter-Strike Trevlin %1 Config file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written; the bots are still in the editor.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RosterFormat</name>
    <message>
        <source>The bot %1 cannot be saved, because its %2 holds %3, a character that a Counter-Strike config file cannot carry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bot name cannot contain blanks, because the config file separates a bot&apos;s name from its skill with a blank. Please use another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its skill %2 is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The option &quot;%1&quot; cannot be saved, because it holds %2, a character that a Counter-Strike config file cannot carry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The option &quot;%1&quot; cannot be saved, because %2 is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will apply Team, Skin and Skill changes to all bots in your list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This config file is made with another version. Unable to load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Before Bot Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min No Of Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max No Of Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Botskill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Bot Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will apply Team and Skill changes to all bots in your list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This config file is made with a previous version. Unable to load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Android Config File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no bot selected in the list. Please select the bot you want to change, then press Done again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bot without a name cannot be saved: the config file would not read back. Please give it a name and save again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bot name cannot be a number, because the bot add-on would take it for the skill level. Please use another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no bots to save. Add at least one bot first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Please change it and save again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RosterWindow</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Have Changed Your Current BotList. Do You Want To Save It Before You Start A New One?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Have Changed Your Current BotList. Do You Want To Save It Before You Exit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Have Changed Your Current BotList, but a list without bots cannot be saved. Do you want to discard your changes?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveScreen</name>
    <message>
        <source>Filename:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save %1 Config File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to enter a filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerText</name>
    <message>
        <source>%1 is not a file, so Trevlin did not read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trevlin could not read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %2, far larger than such a file ever is, so Trevlin does not read or write it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a comma, which ends a setting in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a character that the game&apos;s 8-bit files cannot carry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2. Please change it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkinChooser</name>
    <message>
        <source>Skin Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No skin selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SupportedMaps</name>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Increase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The box &quot;%1&quot; needs a number from %2 to %3. Please enter one and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Update Bots And Trevlin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files Available On Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Updated:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Wait Launching Update Program.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain http: what the update server sends is not encrypted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Selected Bots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still Executing Last Request. Please Wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No staging folder could be made in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Sucessfully Updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateClient</name>
    <message>
        <source>The network module trevlin_network could not be loaded from %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server stopped sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download took too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking Up Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting To Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected To Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Requesting File From Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Request Acknowleged By Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recieving File From Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Is Online And Responding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An Error Has Occured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address %1 is not on the update server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download could not be stored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server sent the download to another address: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server redirected too often</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server answered %1 for %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file arrived incomplete: %1 of %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server did not say how large the file is, so a whole file cannot be told from a part</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateLists</name>
    <message>
        <source>an empty name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name that leads out of its folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder separator or drive letter inside a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a reserved device name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file list of %1 is refused: line %2 (&quot;%3&quot;) holds %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an address outside %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no root folder keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unknown root folder keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no third line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no &quot;---EndSubDirectories---&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaypointCheck</name>
    <message>
        <source>%1 has no waypoints for this map: its bots will not find their way on it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutScreen</name>
    <message>
        <source>Counter-Strike Trevlin</source>
        <translation>Counter-Strike Trevlin</translation>
    </message>
    <message>
        <source>Trevlin emblem</source>
        <translation>Эмблема Trevlin</translation>
    </message>
    <message>
        <source>Trevlin Homepage</source>
        <translation>Сайт Trevlin</translation>
    </message>
    <message>
        <source>Mail Me</source>
        <translation>Написать мне</translation>
    </message>
    <message>
        <source>E&amp;XIT      </source>
        <translation>&amp;ВЫХОД      </translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ВЫХОД</translation>
    </message>
    <message>
        <source>Counter-Strike Trevlin Version %1</source>
        <translation>Counter-Strike Trevlin, версия %1</translation>
    </message>
    <message>
        <source>No web browser is set up to open the home page. Its address is: %1</source>
        <translation>Не настроен веб-браузер, чтобы открыть сайт. Его адрес: %1</translation>
    </message>
    <message>
        <source>No mail program is set up to write the mail. Please write to: %1</source>
        <translation>Не настроена почтовая программа, чтобы написать письмо. Пожалуйста, напишите на адрес: %1</translation>
    </message>
</context>
<context>
    <name>AddBotFormat</name>
    <message>
        <source>Skill 1 to %1 (1=best)</source>
        <translation>Навык от 1 до %1 (1 — лучший)</translation>
    </message>
    <message>
        <source>The bot name holds %1, a character that a Counter-Strike config file cannot carry. Please use another name.</source>
        <translation>Имя бота содержит %1 — символ, который не может храниться в файле конфигурации Counter-Strike. Пожалуйста, выберите другое имя.</translation>
    </message>
    <message>
        <source>You have to name the bot</source>
        <translation>Вы должны дать боту имя</translation>
    </message>
    <message>
        <source>You have to slect a team for the bot</source>
        <translation>Вы должны выбрать команду для бота</translation>
    </message>
    <message>
        <source>You have to enter a skill level for the bot</source>
        <translation>Вы должны ввести уровень навыка для бота</translation>
    </message>
    <message>
        <source>The skill level must be between 1 and %1</source>
        <translation>Уровень навыка должен быть от 1 до %1</translation>
    </message>
    <message>
        <source>You have to select a team for the bot</source>
        <translation>Вы должны выбрать команду для бота</translation>
    </message>
    <message>
        <source>You have to choose a skin for the bot</source>
        <translation>Вы должны выбрать скин для бота</translation>
    </message>
    <message>
        <source>You Have to select a skin for the bot</source>
        <translation>Вы должны выбрать скин для бота</translation>
    </message>
    <message>
        <source>The option &quot;Min No Of Bots&quot; (%1) is more than &quot;Max No Of Bots&quot; (%2), so the server could never keep to both. Please change one of them and save again.</source>
        <translation>Параметр «Мин. число ботов» (%1) больше, чем «Макс. число ботов» (%2), поэтому сервер никогда не сможет соблюсти оба. Пожалуйста, измените один из них и сохраните снова.</translation>
    </message>
    <message>
        <source>team</source>
        <translation>команда</translation>
    </message>
    <message>
        <source>skin</source>
        <translation>скин</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its team %2 is none of &quot;Terrorist&quot;, &quot;Counter Terrorist&quot; and &quot;Auto Select&quot;.</source>
        <translation>Бота %1 нельзя сохранить, потому что его команда %2 не является ни «Terrorist», ни «Counter Terrorist», ни «Auto Select».</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its skin %2 is none of the skins a config file knows.</source>
        <translation>Бота %1 нельзя сохранить, потому что его скин %2 не входит в число скинов, известных файлу конфигурации.</translation>
    </message>
</context>
<context>
    <name>AddBotPanel</name>
    <message>
        <source>Bots</source>
        <translation>Боты</translation>
    </message>
    <message>
        <source>Registered Bots</source>
        <translation>Зарегистрированные боты</translation>
    </message>
    <message>
        <source>Bot Name</source>
        <translation>Имя бота</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Навык</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Скин</translation>
    </message>
    <message>
        <source>Delete &amp;Bot</source>
        <translation>&amp;Удалить бота</translation>
    </message>
    <message>
        <source>&amp;Add Bot</source>
        <translation>&amp;Добавить бота</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Готово</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Add Multiple Bots</source>
        <translation>Добавить несколько ботов</translation>
    </message>
    <message>
        <source>&amp;Edit Bot</source>
        <translation>&amp;Изменить бота</translation>
    </message>
    <message>
        <source>Time Before Bot Entry:</source>
        <translation>Время до входа ботов:</translation>
    </message>
    <message>
        <source>Auto Team Blance:</source>
        <translation>Автобаланс команд:</translation>
    </message>
    <message>
        <source>Bot Dependant Options</source>
        <translation>Параметры, зависящие от бота</translation>
    </message>
    <message>
        <source>Botskill:</source>
        <translation>Навык ботов:</translation>
    </message>
    <message>
        <source>This Sets The Skill Level For Bots If You Use The AddBot Command Without The Skill Specified</source>
        <translation>Задаёт уровень навыка ботов, если вы используете команду AddBot без указания навыка</translation>
    </message>
    <message>
        <source>Auto Skill:</source>
        <translation>Автонавык:</translation>
    </message>
    <message>
        <source>This makes the bot recieve a random skill when added with the Addbot command and no skill specified</source>
        <translation>Бот получает случайный навык, если он добавлен командой Addbot без указания навыка</translation>
    </message>
    <message>
        <source>Use Botskill Range:</source>
        <translation>Диапазон навыка ботов:</translation>
    </message>
    <message>
        <source>Min Bot Skill:</source>
        <translation>Мин. навык ботов:</translation>
    </message>
    <message>
        <source>Max Skill:</source>
        <translation>Макс. навык:</translation>
    </message>
    <message>
        <source>This sets the maximum skill each bot will get when they are added with the Addbot command</source>
        <translation>Задаёт наибольший навык, который получит каждый бот, добавленный командой Addbot</translation>
    </message>
    <message>
        <source>Extra Skill:</source>
        <translation>Доп. навык:</translation>
    </message>
    <message>
        <source>Observer:</source>
        <translation>Наблюдатель:</translation>
    </message>
    <message>
        <source>This option limits you to observer only</source>
        <translation>С этим параметром вы только наблюдаете</translation>
    </message>
    <message>
        <source>Bots Don&apos;t Shoot:</source>
        <translation>Боты не стреляют:</translation>
    </message>
    <message>
        <source>This will make the bots unable to shoot</source>
        <translation>Боты не смогут стрелять</translation>
    </message>
    <message>
        <source>Waypoints</source>
        <translation>Путевые точки</translation>
    </message>
    <message>
        <source>View Waypoints:</source>
        <translation>Показывать путевые точки:</translation>
    </message>
    <message>
        <source>View Waypoints For Team 1:</source>
        <translation>Путевые точки команды 1:</translation>
    </message>
    <message>
        <source>View Waypoints For Team 2:</source>
        <translation>Путевые точки команды 2:</translation>
    </message>
    <message>
        <source>For Dedicated Servers</source>
        <translation>Для выделенных серверов</translation>
    </message>
    <message>
        <source>Min No Of Bots:</source>
        <translation>Мин. число ботов:</translation>
    </message>
    <message>
        <source>Max No Of Bots:</source>
        <translation>Макс. число ботов:</translation>
    </message>
</context>
<context>
    <name>AddMultiple</name>
    <message>
        <source>Bot Properties</source>
        <translation>Свойства ботов</translation>
    </message>
    <message>
        <source>Number Of Bots:</source>
        <translation>Число ботов:</translation>
    </message>
    <message>
        <source>Number Of Bots</source>
        <translation>Число ботов</translation>
    </message>
    <message>
        <source>Skill:</source>
        <translation>Навык:</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Навык</translation>
    </message>
    <message>
        <source>Auto Skill:</source>
        <translation>Автонавык:</translation>
    </message>
    <message>
        <source>Auto Skill</source>
        <translation>Автонавык</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Скин</translation>
    </message>
    <message>
        <source>Auto Select Skin</source>
        <translation>Выбирать скин автоматически</translation>
    </message>
    <message>
        <source>Skin Preview</source>
        <translation>Предпросмотр скина</translation>
    </message>
    <message>
        <source>Edit Bot Names</source>
        <translation>Изменить имена ботов</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Add Multiple %1 Bots</source>
        <translation>Добавить несколько ботов %1</translation>
    </message>
    <message>
        <source>No program is set up to open &apos;TRNames.txt&apos;. Please open it in a text editor: %1</source>
        <translation>Не настроена программа, чтобы открыть «TRNames.txt». Пожалуйста, откройте его в текстовом редакторе: %1</translation>
    </message>
</context>
<context>
    <name>AddOnArchive</name>
    <message>
        <source>an absolute path</source>
        <translation>абсолютный путь</translation>
    </message>
    <message>
        <source>Trevlin could not open &quot;%1&quot;: %2</source>
        <translation>Trevlin не смог открыть «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an archive Trevlin can read: %2</source>
        <translation>«%1» — не архив, который Trevlin может прочитать: %2</translation>
    </message>
    <message>
        <source>Trevlin will not install &quot;%1&quot;: its entry &quot;%2&quot; is %3.</source>
        <translation>Trevlin не будет устанавливать «%1»: его элемент «%2» — %3.</translation>
    </message>
    <message>
        <source>an empty name</source>
        <translation>пустое имя</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>ссылка</translation>
    </message>
    <message>
        <source>a device file</source>
        <translation>файл устройства</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>зашифрованный файл</translation>
    </message>
    <message>
        <source>inside a folder that the archive also holds as a file</source>
        <translation>внутри папки, которая есть в архиве и как файл</translation>
    </message>
    <message>
        <source>a folder that the archive also holds as a file</source>
        <translation>папка, которая есть в архиве и как файл</translation>
    </message>
    <message>
        <source>a file that the archive also holds as a folder</source>
        <translation>файл, который есть в архиве и как папка</translation>
    </message>
    <message>
        <source>there twice, in the same or another letter case</source>
        <translation>повтор: он есть в архиве дважды, в том же или другом регистре букв</translation>
    </message>
    <message>
        <source>Trevlin will not install &quot;%1&quot;: it holds more than %2 files.</source>
        <translation>Trevlin не будет устанавливать «%1»: файлов в нём больше, чем %2.</translation>
    </message>
    <message>
        <source>announced as %1, more than the %2 a file may take</source>
        <translation>файл заявленного размера %1, а файл может занимать не больше %2</translation>
    </message>
    <message>
        <source>Trevlin will not install &quot;%1&quot;: its files take more than %2.</source>
        <translation>Trevlin не будет устанавливать «%1»: его файлы занимают больше %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no files.</source>
        <translation>В «%1» нет файлов.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since Trevlin read it; choose it again.</source>
        <translation>«%1» изменился с тех пор, как Trevlin его прочитал; выберите его снова.</translation>
    </message>
    <message>
        <source>Trevlin could not unpack &quot;%1&quot;: %2</source>
        <translation>Trevlin не смог распаковать «%1»: %2</translation>
    </message>
    <message>
        <source>Trevlin will not install &quot;%1&quot;: &quot;%2&quot; unpacks to more than it announced.</source>
        <translation>Trevlin не будет устанавливать «%1»: «%2» распаковывается в больший объём, чем заявлено.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is shorter than announced.</source>
        <translation>«%1» в «%2» короче, чем заявлено.</translation>
    </message>
</context>
<context>
    <name>AddOnControls</name>
    <message>
        <source>Edit Android Bots</source>
        <translation>Изменить ботов Android</translation>
    </message>
    <message>
        <source>Update AndroidBot</source>
        <translation>Обновить AndroidBot</translation>
    </message>
    <message>
        <source>Android Bots</source>
        <translation>Боты Android</translation>
    </message>
    <message>
        <source>Here You Can Edit Your Android Bots</source>
        <translation>Здесь можно изменить ваших ботов Android</translation>
    </message>
    <message>
        <source>Edit RamBot Bots</source>
        <translation>Изменить ботов RamBot</translation>
    </message>
    <message>
        <source>Update RamBot </source>
        <translation>Обновить RamBot</translation>
    </message>
    <message>
        <source>RamBot Bots</source>
        <translation>Боты RamBot</translation>
    </message>
    <message>
        <source>Here You Can Edit Your RamBot Bots</source>
        <translation>Здесь можно изменить ваших ботов RamBot</translation>
    </message>
    <message>
        <source>Edit RealBot Bots</source>
        <translation>Изменить ботов RealBot</translation>
    </message>
    <message>
        <source>Update RealBot</source>
        <translation>Обновить RealBot</translation>
    </message>
    <message>
        <source>RealBot Bots</source>
        <translation>Боты RealBot</translation>
    </message>
    <message>
        <source>Here You Can Edit Your RealBot Bots</source>
        <translation>Здесь можно изменить ваших ботов RealBot</translation>
    </message>
    <message>
        <source>Edit NNBot Bots</source>
        <translation>Изменить ботов NNBot</translation>
    </message>
    <message>
        <source>Edit NNbot Bots</source>
        <translation>Изменить ботов NNBot</translation>
    </message>
    <message>
        <source>Update NNBot</source>
        <translation>Обновить NNBot</translation>
    </message>
    <message>
        <source>NNBot Bots</source>
        <translation>Боты NNBot</translation>
    </message>
    <message>
        <source>Here You Can Edit Your NNBot Bots</source>
        <translation>Здесь можно изменить ваших ботов NNBot</translation>
    </message>
    <message>
        <source>Edit HPBBot Bots</source>
        <translation>Изменить ботов HPBBot</translation>
    </message>
    <message>
        <source>Edit HPB Bots</source>
        <translation>Изменить ботов HPB</translation>
    </message>
    <message>
        <source>Update HPBBot</source>
        <translation>Обновить HPBBot</translation>
    </message>
    <message>
        <source>HPB Bots</source>
        <translation>Боты HPB</translation>
    </message>
    <message>
        <source>Here You Can Edit Your HPBBot Bots</source>
        <translation>Здесь можно изменить ваших ботов HPBBot</translation>
    </message>
    <message>
        <source>Edit SwatBot Bots</source>
        <translation>Изменить ботов SwatBot</translation>
    </message>
    <message>
        <source>Update SwatBot</source>
        <translation>Обновить SwatBot</translation>
    </message>
    <message>
        <source>Swat Bots</source>
        <translation>Боты Swat</translation>
    </message>
    <message>
        <source>Here You Can Edit Your SwatBot Bots</source>
        <translation>Здесь можно изменить ваших ботов SwatBot</translation>
    </message>
    <message>
        <source>Edit PodBot Bots</source>
        <translation>Изменить ботов PodBot</translation>
    </message>
    <message>
        <source>Update PodBot</source>
        <translation>Обновить PodBot</translation>
    </message>
    <message>
        <source>PodBot Bots</source>
        <translation>Боты PodBot</translation>
    </message>
    <message>
        <source>Here You Can Edit Your PodBot Bots</source>
        <translation>Здесь можно изменить ваших ботов PodBot</translation>
    </message>
    <message>
        <source>Edit AGBBot Bots</source>
        <translation>Изменить ботов AGBBot</translation>
    </message>
    <message>
        <source>Update AGBBot</source>
        <translation>Обновить AGBBot</translation>
    </message>
    <message>
        <source>AGB Bots</source>
        <translation>Боты AGB</translation>
    </message>
    <message>
        <source>Here You Can Edit Your AGBBot Bots</source>
        <translation>Здесь можно изменить ваших ботов AGBBot</translation>
    </message>
    <message>
        <source>Edit PLBot Bots</source>
        <translation>Изменить ботов PLBot</translation>
    </message>
    <message>
        <source>Update PLBot</source>
        <translation>Обновить PLBot</translation>
    </message>
    <message>
        <source>PL Bots</source>
        <translation>Боты PL</translation>
    </message>
    <message>
        <source>Here You Can Edit Your PLBot Bots</source>
        <translation>Здесь можно изменить ваших ботов PLBot</translation>
    </message>
    <message>
        <source>Edit ReduBot Bots</source>
        <translation>Изменить ботов ReduBot</translation>
    </message>
    <message>
        <source>Update ReduBot</source>
        <translation>Обновить ReduBot</translation>
    </message>
    <message>
        <source>Redu Bots</source>
        <translation>Боты Redu</translation>
    </message>
    <message>
        <source>Here You Can Edit Your ReduBot Bots</source>
        <translation>Здесь можно изменить ваших ботов ReduBot</translation>
    </message>
    <message>
        <source>Edit BobaBot Bots</source>
        <translation>Изменить ботов BobaBot</translation>
    </message>
    <message>
        <source>Update BobaBot</source>
        <translation>Обновить BobaBot</translation>
    </message>
    <message>
        <source>Boba Bots</source>
        <translation>Боты Boba</translation>
    </message>
    <message>
        <source>Here You Can Edit Your BobaBot Bots</source>
        <translation>Здесь можно изменить ваших ботов BobaBot</translation>
    </message>
</context>
<context>
    <name>AddOnInstall</name>
    <message>
        <source>%1 was installed from an archive already. Uninstall it first, so that Trevlin can still put back the files it replaced.</source>
        <translation>%1 уже установлен из архива. Сначала удалите его, чтобы Trevlin мог вернуть на место файлы, которые он заменил.</translation>
    </message>
    <message>
        <source>Trevlin does not know the folder to install %1 into.</source>
        <translation>Trevlin не знает, в какую папку установить %1.</translation>
    </message>
    <message>
        <source>Trevlin could not make the folder &quot;%1&quot; to keep the files the add-on replaces.</source>
        <translation>Trevlin не смог создать папку «%1», чтобы сохранить файлы, которые заменяет дополнение.</translation>
    </message>
    <message>
        <source>Trevlin could not keep the record of what %1 changes, so it did not install it: %2</source>
        <translation>Trevlin не смог сохранить запись о том, что изменяет %1, поэтому не стал его устанавливать: %2</translation>
    </message>
    <message>
        <source>Trevlin cannot read what the install of %1 changed.</source>
        <translation>Trevlin не может прочитать, что изменила установка %1.</translation>
    </message>
    <message>
        <source>Trevlin could not remove &quot;%1&quot;.</source>
        <translation>Trevlin не смог удалить «%1».</translation>
    </message>
    <message>
        <source>Trevlin could not put the game&apos;s own liblist.gam back: %1</source>
        <translation>Trevlin не смог вернуть на место собственный liblist.gam игры: %1</translation>
    </message>
    <message>
        <source>The archive names too many files, or names too long, for Trevlin to keep a record of what installing %1 changes.</source>
        <translation>В архиве слишком много файлов или слишком длинные имена, чтобы Trevlin мог сохранить запись о том, что изменяет установка %1.</translation>
    </message>
</context>
<context>
    <name>AddOnSetup</name>
    <message>
        <source>the file would not read back as written.</source>
        <translation>файл не прочитается обратно в том виде, в каком записан.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies outside the game folder &quot;%2&quot;: the game loads only a library inside it. Put the add-on&apos;s files into the game folder first.</source>
        <translation>«%1» лежит вне папки игры «%2»: игра загружает только библиотеку внутри неё. Сначала поместите файлы дополнения в папку игры.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>«%1» — не файл.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be written into liblist.gam: it holds a character that the game&apos;s 8-bit files cannot hold, or a quote.</source>
        <translation>Имя «%1» нельзя записать в liblist.gam: оно содержит кавычку или символ, который не может храниться в 8-битных файлах игры.</translation>
    </message>
    <message>
        <source>no game library is chosen.</source>
        <translation>не выбрана игровая библиотека.</translation>
    </message>
    <message>
        <source>a library&apos;s name cannot be written into liblist.gam.</source>
        <translation>имя библиотеки нельзя записать в liblist.gam.</translation>
    </message>
    <message>
        <source>the folder holds no &quot;%1&quot;, the game&apos;s own descriptor.</source>
        <translation>в папке нет «%1» — собственного файла описания игры.</translation>
    </message>
    <message>
        <source>The folder holds none of the game&apos;s own libraries (%1).</source>
        <translation>В папке нет ни одной собственной библиотеки игры (%1).</translation>
    </message>
    <message>
        <source>The folder holds no liblist.gam.</source>
        <translation>В папке нет liblist.gam.</translation>
    </message>
</context>
<context>
    <name>AndroidFormat</name>
    <message>
        <source>Skill %1 to %2 (%2=best)</source>
        <translation>Навык от %1 до %2 (%2 — лучший)</translation>
    </message>
    <message>
        <source>You have to name the bot</source>
        <translation>Вы должны дать боту имя</translation>
    </message>
    <message>
        <source>You have to select a team for the bot</source>
        <translation>Вы должны выбрать команду для бота</translation>
    </message>
    <message>
        <source>You have to enter a skill level for the bot</source>
        <translation>Вы должны ввести уровень навыка для бота</translation>
    </message>
    <message>
        <source>The skill level must be between %1 and %2</source>
        <translation>Уровень навыка должен быть от %1 до %2</translation>
    </message>
    <message>
        <source>The bot name holds a character that a Counter-Strike config file cannot carry. Please use another name.</source>
        <translation>Имя бота содержит символ, который не может храниться в файле конфигурации Counter-Strike. Пожалуйста, выберите другое имя.</translation>
    </message>
    <message>
        <source>The option &quot;Time Before Bot Entry&quot; cannot be saved, because %1 is not a number from -32768 to 32767.</source>
        <translation>Параметр «Время до входа ботов» нельзя сохранить, потому что %1 — не число от -32768 до 32767.</translation>
    </message>
    <message>
        <source>The option &quot;Minimum Bot Skill&quot; cannot be saved, because it holds a character that a Counter-Strike config file cannot carry.</source>
        <translation>Параметр «Минимальный навык ботов» нельзя сохранить, потому что он содержит символ, который не может храниться в файле конфигурации Counter-Strike.</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its team %2 is none of &quot;Terrorist&quot;, &quot;Counter Terrorist&quot; and &quot;Auto Assign&quot;.</source>
        <translation>Бота %1 нельзя сохранить, потому что его команда %2 не является ни «Terrorist», ни «Counter Terrorist», ни «Auto Assign».</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its skill %2 is not a number.</source>
        <translation>Бота %1 нельзя сохранить, потому что его навык %2 — не число.</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved as the first bot, because the first bot&apos;s name cannot contain blanks. Please change its name, or delete it and add it again after another bot.</source>
        <translation>Бота %1 нельзя сохранить первым, потому что имя первого бота не может содержать пробелов. Пожалуйста, измените его имя или удалите его и добавьте снова после другого бота.</translation>
    </message>
</context>
<context>
    <name>AndroidPanel</name>
    <message>
        <source>Android Bots</source>
        <translation>Боты Android</translation>
    </message>
    <message>
        <source>Registered Bots</source>
        <translation>Зарегистрированные боты</translation>
    </message>
    <message>
        <source>Bot Name</source>
        <translation>Имя бота</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Навык</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Add Bot</source>
        <translation>Добавить бота</translation>
    </message>
    <message>
        <source>&amp;Add Bot</source>
        <translation>&amp;Добавить бота</translation>
    </message>
    <message>
        <source>Edit Bot</source>
        <translation>Изменить бота</translation>
    </message>
    <message>
        <source>&amp;Edit Bot</source>
        <translation>&amp;Изменить бота</translation>
    </message>
    <message>
        <source>Delete Bot</source>
        <translation>Удалить бота</translation>
    </message>
    <message>
        <source>Delete &amp;Bot</source>
        <translation>&amp;Удалить бота</translation>
    </message>
    <message>
        <source>Add Multiple Bots</source>
        <translation>Добавить несколько ботов</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Time Before Bot Entry:</source>
        <translation>Время до входа ботов:</translation>
    </message>
    <message>
        <source>Auto Team Balance</source>
        <translation>Автобаланс команд</translation>
    </message>
    <message>
        <source>Bot Dependant Options</source>
        <translation>Параметры, зависящие от бота</translation>
    </message>
    <message>
        <source>Bot Chatting:</source>
        <translation>Чат ботов:</translation>
    </message>
    <message>
        <source>Jason Mode:</source>
        <translation>Режим Jason:</translation>
    </message>
    <message>
        <source>Minimum Bot Skill:</source>
        <translation>Минимальный навык ботов:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Готово</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Trevlin starts without its settings and will not change them.</source>
        <translation>Trevlin запускается без своих настроек и не будет их изменять.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; was damaged. Trevlin kept it as &quot;%2&quot; and goes on with the settings it could read from it.</source>
        <translation>Файл настроек «%1» был повреждён. Trevlin сохранил его как «%2» и продолжает работу с настройками, которые смог из него прочитать.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged, and Trevlin could not keep a copy of it aside. Trevlin goes on with the settings it could read from it, and will not change them.</source>
        <translation>Файл настроек «%1» повреждён, и Trevlin не смог сохранить его копию. Trevlin продолжает работу с настройками, которые смог из него прочитать, и не будет их изменять.</translation>
    </message>
</context>
<context>
    <name>ArchiveInstall</name>
    <message>
        <source>Install An Add-on From Its Archive</source>
        <translation>Установить дополнение из архива</translation>
    </message>
    <message>
        <source>Add-on archives (*.zip *.7z *.tar.gz *.tgz *.tar.bz2 *.tar.xz *.rar);;All files (*)</source>
        <translation>Архивы дополнений (*.zip *.7z *.tar.gz *.tgz *.tar.bz2 *.tar.xz *.rar);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Nothing was installed.</source>
        <translation>Ничего не установлено.</translation>
    </message>
    <message>
        <source>Trevlin puts the files of &quot;%1&quot; into the game&apos;s folders, all of them or none. Every game file it replaces is kept first, so that Uninstall can put it back.</source>
        <translation>Trevlin помещает файлы из «%1» в папки игры — все или ни одного. Каждый заменяемый файл игры сначала сохраняется, чтобы при удалении дополнения его можно было вернуть на место.</translation>
    </message>
    <message>
        <source>&amp;Add-on:</source>
        <translation>&amp;Дополнение:</translation>
    </message>
    <message>
        <source>The Counter-Strike folder (%1)</source>
        <translation>Папка Counter-Strike (%1)</translation>
    </message>
    <message>
        <source>The Half-Life folder (%1)</source>
        <translation>Папка Half-Life (%1)</translation>
    </message>
    <message>
        <source>Install i&amp;nto:</source>
        <translation>&amp;Куда установить:</translation>
    </message>
    <message>
        <source>&amp;Leave out the archive&apos;s top folder &quot;%1&quot;</source>
        <translation>&amp;Пропустить верхнюю папку архива «%1»</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Goes to, below that folder</source>
        <translation>Куда (внутри этой папки)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>The archive&apos;s files and where each will go</source>
        <translation>Файлы архива и куда попадёт каждый из них</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Установить</translation>
    </message>
    <message>
        <source>(replaces the file there, which is kept)</source>
        <translation>(заменит имеющийся файл, который будет сохранён)</translation>
    </message>
    <message>
        <source>No staging folder could be made in %1: %2</source>
        <translation>Не удалось создать рабочую папку в %1: %2</translation>
    </message>
    <message>
        <source>Nothing was installed; the game&apos;s folders are as they were.</source>
        <translation>Ничего не установлено; папки игры остались прежними.</translation>
    </message>
    <message>
        <source>%1 is installed: %2 files added, %3 replaced (kept for Uninstall).</source>
        <translation>%1 установлен. Добавлено файлов: %2, заменено: %3 (прежние сохранены на случай удаления).</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>there is not enough free space on the disk</source>
        <translation>на диске недостаточно свободного места</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>файл не удалось записать полностью</translation>
    </message>
    <message>
        <source>it is a link to a file whose name Trevlin cannot write</source>
        <translation>это ссылка на файл, имя которого Trevlin не может записать</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>файл не удалось записать</translation>
    </message>
    <message>
        <source>Trevlin could not save &quot;%1&quot;: %2</source>
        <translation>Trevlin не смог сохранить «%1»: %2</translation>
    </message>
</context>
<context>
    <name>AutostartFile</name>
    <message>
        <source>This Is Not A Valid Config File For The Selected Bot</source>
        <translation>Это недопустимый файл конфигурации для выбранного бота</translation>
    </message>
    <message>
        <source>Please select a config file in the list first.</source>
        <translation>Пожалуйста, сначала выберите файл конфигурации в списке.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a config file but a folder or a device.</source>
        <translation>«%1» — не файл конфигурации, а папка или устройство.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not there any more.</source>
        <translation>Файла «%1» больше нет.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a config file: it holds %2 MB, and config files are never larger than %3 MB.</source>
        <translation>«%1» слишком велик для файла конфигурации: в нём %2 МБ, а файлы конфигурации никогда не бывают больше %3 МБ.</translation>
    </message>
    <message>
        <source>Trevlin could not read &quot;%1&quot;: %2</source>
        <translation>Trevlin не смог прочитать «%1»: %2</translation>
    </message>
    <message>
        <source>This config file is made with another version. Unable to load.</source>
        <translation>Этот файл конфигурации создан другой версией. Загрузка невозможна.</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>не удалось создать его папку</translation>
    </message>
    <message>
        <source>Trevlin could not copy &quot;%1&quot; to &quot;%2&quot;: %3

The autostart file is as it was.</source>
        <translation>Trevlin не смог скопировать «%1» в «%2»: %3

Файл автозапуска не изменился.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is now the autostart file, but Trevlin could not remember that in &quot;%2&quot;.</source>
        <translation>«%1» теперь файл автозапуска, но Trevlin не смог запомнить это в «%2».</translation>
    </message>
    <message>
        <source>Trevlin could not delete &quot;%1&quot;: %2</source>
        <translation>Trevlin не смог удалить «%1»: %2</translation>
    </message>
    <message>
        <source>The autostart file is cleared, but Trevlin could not remember that in &quot;%1&quot;.</source>
        <translation>Файл автозапуска очищен, но Trevlin не смог запомнить это в «%1».</translation>
    </message>
</context>
<context>
    <name>AutostartFrame</name>
    <message>
        <source>Config File To Run</source>
        <translation>Файл конфигурации для запуска</translation>
    </message>
    <message>
        <source>Select Autostart File</source>
        <translation>Выбрать файл автозапуска</translation>
    </message>
    <message>
        <source>No Autostart File</source>
        <translation>Без файла автозапуска</translation>
    </message>
    <message>
        <source>This Will Allow You To Select The Config File To Launch On Startup</source>
        <translation>Здесь можно выбрать файл конфигурации, который выполняется при запуске</translation>
    </message>
    <message>
        <source>This Option Will Make CS Start Without Any Config File Beeing Launched Automaticly</source>
        <translation>CS запустится без автоматического выполнения какого-либо файла конфигурации</translation>
    </message>
    <message>
        <source>This Is The Config File Wich Will Launch Automaticly When CS Starts   Double click to edit this file.</source>
        <translation>Это файл конфигурации, который выполняется автоматически при запуске CS. Дважды щёлкните, чтобы изменить этот файл.</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Недоступно</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>BotDialog</name>
    <message>
        <source>Bot Name</source>
        <translation>Имя бота</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Навык</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Скин</translation>
    </message>
    <message>
        <source>Apply To All</source>
        <translation>Применить ко всем</translation>
    </message>
    <message>
        <source>Skin Preview</source>
        <translation>Предпросмотр скина</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Готово</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Edit Bot</source>
        <translation>Изменить бота</translation>
    </message>
    <message>
        <source>Add Bot</source>
        <translation>Добавить бота</translation>
    </message>
</context>
<context>
    <name>BoundedFile</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not there.</source>
        <translation>Файла «%1» нет.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file but a folder, a pipe or a device, so Trevlin did not read it.</source>
        <translation>«%1» — не файл, а папка, канал или устройство, поэтому Trevlin не стал его читать.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is larger than %2, far more than such a file ever holds, so Trevlin did not read it.</source>
        <translation>Файл «%1» больше %2 — намного больше, чем бывает такой файл, поэтому Trevlin не стал его читать.</translation>
    </message>
    <message>
        <source>Trevlin could not read &quot;%1&quot;: %2</source>
        <translation>Trevlin не смог прочитать «%1»: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Trevlin starts Counter-Strike with a bot add-on of your choice and edits the add-ons&apos; bot rosters and options.</source>
        <translation>Trevlin запускает Counter-Strike с выбранным вами дополнением ботов и редактирует составы и параметры ботов дополнений.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Показывает эту справку.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version and Qt&apos;s.</source>
        <translation>Показывает версию программы и версию Qt.</translation>
    </message>
    <message>
        <source>Uses this Counter-Strike folder (the one holding cstrike.ico) for this run, without changing the folder remembered in the settings.</source>
        <translation>Использует эту папку Counter-Strike (ту, где лежит cstrike.ico) для этого запуска, не меняя папку, запомненную в настройках.</translation>
    </message>
    <message>
        <source>Starts the game with this add-on (for example RamBot, or &quot;Original CS&quot; for none) without showing the window.</source>
        <translation>Запускает игру с этим дополнением (например, RamBot или «Original CS» без ботов), не показывая окно.</translation>
    </message>
    <message>
        <source>Shows pictures at once, without moving effects.</source>
        <translation>Показывает изображения сразу, без эффектов движения.</translation>
    </message>
    <message>
        <source>Shows the texts in this language for this run: %1.</source>
        <translation>Показывает тексты на этом языке в этом запуске: %1.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Неожиданный аргумент: %1</translation>
    </message>
    <message>
        <source>Trevlin has no texts in &quot;%1&quot;; it has %2.</source>
        <translation>У Trevlin нет текстов на «%1»; есть: %2.</translation>
    </message>
    <message>
        <source>path</source>
        <translation>путь</translation>
    </message>
    <message>
        <source>add-on</source>
        <translation>дополнение</translation>
    </message>
    <message>
        <source>code</source>
        <translation>код</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>&amp;File:</source>
        <translation>Ф&amp;айл:</translation>
    </message>
    <message>
        <source>Type or paste the path of a config file or of its folder, or choose it above</source>
        <translation>Введите или вставьте путь к файлу конфигурации или его папке либо выберите его выше</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Select %1 Autostart File</source>
        <translation>Выбрать файл автозапуска %1</translation>
    </message>
</context>
<context>
    <name>ConfigScreen</name>
    <message>
        <source>Configure Counter - Strike</source>
        <translation>Настройка Counter-Strike</translation>
    </message>
    <message>
        <source>Server Name:</source>
        <translation>Имя сервера:</translation>
    </message>
    <message>
        <source>Server Name</source>
        <translation>Имя сервера</translation>
    </message>
    <message>
        <source>Roundtime (Minutes)</source>
        <translation>Время раунда (минуты)</translation>
    </message>
    <message>
        <source>Sets the maximum amount of time for each round - ranges between 3 and 15 minutes</source>
        <translation>Задаёт наибольшую длительность каждого раунда — от 3 до 15 минут</translation>
    </message>
    <message>
        <source>Timelimit (Minutes)</source>
        <translation>Лимит времени (минуты)</translation>
    </message>
    <message>
        <source>Sets the maximum amount of time in minutes between map rotations</source>
        <translation>Задаёт наибольшее время в минутах между сменами карт</translation>
    </message>
    <message>
        <source>Freezetime (Seconds)</source>
        <translation>Время заморозки (секунды)</translation>
    </message>
    <message>
        <source>Sets the amount of &quot;freeze&quot; time at the beginning of each round to buy weapons and equipment</source>
        <translation>Задаёт время «заморозки» в начале каждого раунда для покупки оружия и снаряжения</translation>
    </message>
    <message>
        <source>Restart Round (Seconds)</source>
        <translation>Перезапуск раунда (секунды)</translation>
    </message>
    <message>
        <source>Sets the amount of time before resetting the game, including frags, weapons, money, and scores - Use setting of &apos;0&apos; to disable these restarts</source>
        <translation>Задаёт время до сброса игры, включая фраги, оружие, деньги и очки; значение «0» отключает эти перезапуски</translation>
    </message>
    <message>
        <source>C4 Timer (Seconds)</source>
        <translation>Таймер C4 (секунды)</translation>
    </message>
    <message>
        <source>Sets the amount of time in between C4 placement and its explosion</source>
        <translation>Задаёт время между установкой C4 и её взрывом</translation>
    </message>
    <message>
        <source>Maximum Shells</source>
        <translation>Макс. число гильз</translation>
    </message>
    <message>
        <source>Sets the number of shells visible at one time</source>
        <translation>Задаёт число гильз, видимых одновременно</translation>
    </message>
    <message>
        <source>Maximum Smoke Puffs</source>
        <translation>Макс. число клубов дыма</translation>
    </message>
    <message>
        <source>Sets the number of smoke puffs visible at one time</source>
        <translation>Задаёт число клубов дыма, видимых одновременно</translation>
    </message>
    <message>
        <source>Hostage Penalty</source>
        <translation>Штраф за заложников</translation>
    </message>
    <message>
        <source>Sets the number of hostages a player can kill before they are booted from the server</source>
        <translation>Задаёт, сколько заложников может убить игрок, прежде чем его выгонят с сервера</translation>
    </message>
    <message>
        <source>Limit Teams</source>
        <translation>Ограничение команд</translation>
    </message>
    <message>
        <source>Sets the maximum number of players that one team can have more than the other team</source>
        <translation>Задаёт, на сколько игроков одна команда может превышать другую</translation>
    </message>
    <message>
        <source>Maximum Client Speed</source>
        <translation>Макс. скорость клиента</translation>
    </message>
    <message>
        <source>Friendly Fire</source>
        <translation>Огонь по своим</translation>
    </message>
    <message>
        <source>Toggles friendly fire</source>
        <translation>Включает и выключает огонь по своим</translation>
    </message>
    <message>
        <source>Friendly Grenade Damage</source>
        <translation>Урон своим от гранат</translation>
    </message>
    <message>
        <source>Toggles team damage produced by grenades</source>
        <translation>Включает и выключает урон команде от гранат</translation>
    </message>
    <message>
        <source>Automatic Team-Killer Banning</source>
        <translation>Автобан убийц союзников</translation>
    </message>
    <message>
        <source>Toggles automatic team-killer banning and kicking of idle clients</source>
        <translation>Включает и выключает автоматический бан убийц союзников и отключение бездействующих клиентов</translation>
    </message>
    <message>
        <source>Footsteps</source>
        <translation>Шаги</translation>
    </message>
    <message>
        <source>Toggles footstep sounds</source>
        <translation>Включает и выключает звуки шагов</translation>
    </message>
    <message>
        <source>Flashlight</source>
        <translation>Фонарик</translation>
    </message>
    <message>
        <source>Toggles the use of flashlights by clients</source>
        <translation>Включает и выключает фонарики у клиентов</translation>
    </message>
    <message>
        <source>Falldamage</source>
        <translation>Урон от падения</translation>
    </message>
    <message>
        <source>You are hurt when falling from high places</source>
        <translation>Вы получаете урон при падении с высоты</translation>
    </message>
    <message>
        <source>Observer Chasecam Only</source>
        <translation>Наблюдатели только с камерой слежения</translation>
    </message>
    <message>
        <source>Limits observers to only chase modes</source>
        <translation>Ограничивает наблюдателей режимами слежения</translation>
    </message>
    <message>
        <source>Punish Team-Killers</source>
        <translation>Наказывать убийц союзников</translation>
    </message>
    <message>
        <source>Toggles the forcing of a player to sit out the next round if he has just killed a teammate</source>
        <translation>Включает и выключает пропуск следующего раунда для игрока, который только что убил товарища по команде</translation>
    </message>
    <message>
        <source>Log Messages</source>
        <translation>Записывать сообщения</translation>
    </message>
    <message>
        <source>Toggles logging of chat messages in the log files</source>
        <translation>Включает и выключает запись сообщений чата в журналы</translation>
    </message>
    <message>
        <source>Display Map Breiefings</source>
        <translation>Показывать описания карт</translation>
    </message>
    <message>
        <source>Toggles displaying of map briefings after loading a new map</source>
        <translation>Включает и выключает показ описания карты после загрузки новой карты</translation>
    </message>
    <message>
        <source>Display Hint Messages</source>
        <translation>Показывать подсказки</translation>
    </message>
    <message>
        <source>Toggles Auto-Help (gives player hint messages throught the game)</source>
        <translation>Включает и выключает автопомощь (подсказки игроку во время игры)</translation>
    </message>
    <message>
        <source>Complex Server Decals/Physics</source>
        <translation>Сложные декали и физика сервера</translation>
    </message>
    <message>
        <source>Use setting of &apos;1&apos; to enable complex decals and server physics for faster and better servers, and use &apos;0&apos; to disable this feature</source>
        <translation>Значение «1» включает сложные декали и серверную физику для более быстрых и лучших серверов, значение «0» отключает эту функцию</translation>
    </message>
    <message>
        <source>Autoaim</source>
        <translation>Автоприцел</translation>
    </message>
    <message>
        <source>This will make the computer help you to aim</source>
        <translation>Компьютер помогает вам целиться</translation>
    </message>
    <message>
        <source>Pausable</source>
        <translation>Пауза разрешена</translation>
    </message>
    <message>
        <source>This allows clients to pause the server</source>
        <translation>Клиенты могут ставить сервер на паузу</translation>
    </message>
    <message>
        <source>Force Chasecam To Teammates</source>
        <translation>Камера слежения только за союзниками</translation>
    </message>
    <message>
        <source>Toggles the chasecam to follow teammates only</source>
        <translation>Камера слежения следует только за товарищами по команде</translation>
    </message>
    <message>
        <source>Auto Team Balance</source>
        <translation>Автобаланс команд</translation>
    </message>
    <message>
        <source>Toggles the forcing of clients to join teams to make it balanced</source>
        <translation>Включает и выключает распределение клиентов по командам для их баланса</translation>
    </message>
    <message>
        <source>Enable Cheats</source>
        <translation>Разрешить читы</translation>
    </message>
    <message>
        <source>Edit Server Text</source>
        <translation>Изменить текст сервера</translation>
    </message>
    <message>
        <source>Edit Map Cycle</source>
        <translation>Изменить цикл карт</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Выбрать папку</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Готово</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>The server settings have changes that are not saved. Do you want to save them?</source>
        <translation>В настройках сервера есть несохранённые изменения. Сохранить их?</translation>
    </message>
</context>
<context>
    <name>DescriptorOffer</name>
    <message>
        <source>The liblist.gam in &quot;%1&quot; names no game library, so it is not the game&apos;s own.</source>
        <translation>liblist.gam в «%1» не называет игровую библиотеку, поэтому это не собственный файл игры.</translation>
    </message>
    <message>
        <source>The liblist.gam in &quot;%1&quot; starts the game library &quot;%2&quot;, which is not the game&apos;s own.</source>
        <translation>liblist.gam в «%1» запускает игровую библиотеку «%2», которая не принадлежит игре.</translation>
    </message>
    <message>
        <source>Trevlin needs the game&apos;s own liblist.gam in this folder: put it back, then select the folder again.</source>
        <translation>Trevlin нужен собственный liblist.gam игры в этой папке: верните его на место, затем снова выберите папку.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds the game&apos;s own liblist.gam but no copy of it named &quot;%2&quot;, which Trevlin needs to start the game without bots and to put the game back after an add-on.

Keep a copy of it now as &quot;%2&quot;?</source>
        <translation>В папке «%1» есть собственный liblist.gam игры, но нет его копии с именем «%2», которая нужна Trevlin, чтобы запускать игру без ботов и возвращать игру в исходное состояние после дополнения.

Сохранить его копию как «%2» сейчас?</translation>
    </message>
    <message>
        <source>Trevlin could not keep a copy of liblist.gam as &quot;%1&quot;: %2</source>
        <translation>Trevlin не смог сохранить копию liblist.gam как «%1»: %2</translation>
    </message>
    <message>
        <source>Keep a copy of it as &quot;%1&quot; that starts the game&apos;s own library (%2) instead?</source>
        <translation>Вместо этого сохранить его копию как «%1», запускающую собственную библиотеку игры (%2)?</translation>
    </message>
    <message>
        <source>Trevlin could not write &quot;%1&quot;: %2</source>
        <translation>Trevlin не смог записать «%1»: %2</translation>
    </message>
</context>
<context>
    <name>DirSelect</name>
    <message>
        <source>Directory Selection</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <source>&amp;Drive:</source>
        <translation>&amp;Диск:</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Папка:</translation>
    </message>
    <message>
        <source>Type or paste the path of your Counter-Strike folder, or choose it below</source>
        <translation>Введите или вставьте путь к вашей папке Counter-Strike либо выберите её ниже</translation>
    </message>
    <message>
        <source>Counter-Strike &amp;found on this computer:</source>
        <translation>Counter-Strike, &amp;найденный на этом компьютере:</translation>
    </message>
    <message>
        <source>Chosen Folder</source>
        <translation>Выбранная папка</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>This Is Not A Valid Counter-Strike Directory</source>
        <translation>Это недопустимая папка Counter-Strike</translation>
    </message>
    <message>
        <source>Trevlin could not write hl.bat, the file that starts the game, in the folder &quot;%1&quot;: %2</source>
        <translation>Trevlin не смог записать hl.bat, файл запуска игры, в папку «%1»: %2</translation>
    </message>
    <message>
        <source>The folder is taken for now, but Trevlin could not save its settings in &quot;%1&quot;, so you will have to choose the folder again at the next start.</source>
        <translation>Папка принята на этот раз, но Trevlin не смог сохранить настройки в «%1», поэтому при следующем запуске вам придётся выбрать папку снова.</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>&amp;Drive:</source>
        <translation>&amp;Диск:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>F&amp;olders:</source>
        <translation>&amp;Папки:</translation>
    </message>
    <message>
        <source>F&amp;iles:</source>
        <translation>&amp;Файлы:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
</context>
<context>
    <name>FileCommit</name>
    <message>
        <source>%1 is not below the folders the files go to</source>
        <translation>%1 лежит не внутри папок, куда помещаются файлы</translation>
    </message>
    <message>
        <source>The folder %1 is not there</source>
        <translation>Папки %1 нет</translation>
    </message>
    <message>
        <source>%1 is named twice</source>
        <translation>%1 указан дважды</translation>
    </message>
    <message>
        <source>%1 and %2 differ only in letter case</source>
        <translation>%1 и %2 различаются только регистром букв</translation>
    </message>
    <message>
        <source>%1 is to be a file and a folder at once</source>
        <translation>%1 должен быть одновременно файлом и папкой</translation>
    </message>
    <message>
        <source>%1 has the name of the copy put beside another file</source>
        <translation>%1 носит имя копии, которая кладётся рядом с другим файлом</translation>
    </message>
    <message>
        <source>%1 is a link that leads outside %2</source>
        <translation>%1 — ссылка, ведущая за пределы %2</translation>
    </message>
    <message>
        <source>%1 is a file where a folder must be</source>
        <translation>%1 — файл там, где должна быть папка</translation>
    </message>
    <message>
        <source>%1 is a folder where a file must be</source>
        <translation>%1 — папка там, где должен быть файл</translation>
    </message>
    <message>
        <source>These files could not be put back: %1</source>
        <translation>Эти файлы не удалось вернуть на место: %1</translation>
    </message>
    <message>
        <source>The folder for %1 could not be made</source>
        <translation>Не удалось создать папку для %1</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>The earlier %1 could not be kept: %2</source>
        <translation>Не удалось сохранить прежний %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation>Не удалось заменить %1: %2</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
</context>
<context>
    <name>GameDescriptor</name>
    <message>
        <source>The folder already holds &quot;%1&quot;.</source>
        <translation>В папке уже есть «%1».</translation>
    </message>
    <message>
        <source>The folder holds no %1.</source>
        <translation>В папке нет %1.</translation>
    </message>
    <message>
        <source>Its %1 starts &quot;%2&quot;, not the game&apos;s own library.</source>
        <translation>Его %1 запускает «%2», а не собственную библиотеку игры.</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>There is no readable &quot;%1&quot; in the folder &quot;%2&quot;.</source>
        <translation>В папке «%2» нет читаемого «%1».</translation>
    </message>
    <message>
        <source>Trevlin could not put &quot;%1&quot; in place of liblist.gam in the folder &quot;%2&quot;: %3

The game folder still holds its previous liblist.gam.</source>
        <translation>Trevlin не смог поставить «%1» на место liblist.gam в папке «%2»: %3

В папке игры остался прежний liblist.gam.</translation>
    </message>
    <message>
        <source>Counter-Strike could not be started: %1 did not run.</source>
        <translation>Не удалось запустить Counter-Strike: %1 не запустился.</translation>
    </message>
    <message>
        <source>Counter-Strike was started with %1: %2</source>
        <translation>Counter-Strike запущен с %1: %2</translation>
    </message>
    <message>
        <source>Counter-Strike was started without bots: %1</source>
        <translation>Counter-Strike запущен без ботов: %1</translation>
    </message>
    <message>
        <source>Counter-Strike was started through Steam with %1: %2</source>
        <translation>Counter-Strike запущен через Steam с %1: %2</translation>
    </message>
    <message>
        <source>Counter-Strike was started through Steam without bots: %1</source>
        <translation>Counter-Strike запущен через Steam без ботов: %1</translation>
    </message>
</context>
<context>
    <name>GameSetup</name>
    <message>
        <source>Without it Trevlin does not know the installed Counter-Strike version, and asks about the version at every launch.</source>
        <translation>Без него Trevlin не знает установленную версию Counter-Strike и спрашивает о версии при каждом запуске.</translation>
    </message>
</context>
<context>
    <name>ItemInstaller</name>
    <message>
        <source>its root folder %1 is not there</source>
        <translation>его корневой папки %1 нет</translation>
    </message>
    <message>
        <source>The file list of %1 could not be fetched: %2</source>
        <translation>Не удалось получить список файлов %1: %2</translation>
    </message>
    <message>
        <source>The file list of %1 is refused: %2.</source>
        <translation>Список файлов %1 отклонён: %2.</translation>
    </message>
    <message>
        <source>Getting File : %1</source>
        <translation>Получение файла: %1</translation>
    </message>
    <message>
        <source>The download could not be stored: %1</source>
        <translation>Загрузку не удалось сохранить: %1</translation>
    </message>
    <message>
        <source>%1 could not be fetched: %2</source>
        <translation>Не удалось получить %1: %2</translation>
    </message>
    <message>
        <source>%1 does not match its sha256 hash in the file list</source>
        <translation>%1 не совпадает со своим хешем SHA-256 в списке файлов</translation>
    </message>
    <message>
        <source>Getting File : %1 ... Done</source>
        <translation>Получение файла: %1 ... готово</translation>
    </message>
    <message>
        <source>There is not enough free space in %1 to put %2 in place</source>
        <translation>В %1 недостаточно свободного места, чтобы установить %2</translation>
    </message>
    <message>
        <source>The update would stage more than its limit of %1 bytes</source>
        <translation>Обновление заняло бы в рабочей папке больше своего предела в %1 байт</translation>
    </message>
    <message>
        <source>The signature of %1 could not be fetched: %2</source>
        <translation>Не удалось получить подпись %1: %2</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>Trevlin could not save the language in &quot;%1&quot;.</source>
        <translation>Trevlin не смог сохранить язык в «%1».</translation>
    </message>
    <message>
        <source>The texts will be in the chosen language when Trevlin starts next.</source>
        <translation>Тексты будут на выбранном языке при следующем запуске Trevlin.</translation>
    </message>
</context>
<context>
    <name>ListSignature</name>
    <message>
        <source>The list&apos;s signature is damaged: it is not a minisign signature file.</source>
        <translation>Подпись списка повреждена: это не файл подписи minisign.</translation>
    </message>
    <message>
        <source>This program trusts no signing key.</source>
        <translation>Эта программа не доверяет ни одному ключу подписи.</translation>
    </message>
    <message>
        <source>The signing key this program trusts is not a minisign public key.</source>
        <translation>Ключ подписи, которому доверяет эта программа, — не открытый ключ minisign.</translation>
    </message>
    <message>
        <source>The signature cannot be checked: the cryptography library did not start.</source>
        <translation>Подпись нельзя проверить: криптографическая библиотека не запустилась.</translation>
    </message>
    <message>
        <source>The list has no signature.</source>
        <translation>У списка нет подписи.</translation>
    </message>
    <message>
        <source>The list&apos;s signature has no trusted comment.</source>
        <translation>В подписи списка нет доверенного комментария.</translation>
    </message>
    <message>
        <source>The list was signed with another key (%1) than the one this program trusts (%2).</source>
        <translation>Список подписан другим ключом (%1), а не тем, которому доверяет эта программа (%2).</translation>
    </message>
    <message>
        <source>The list does not match its signature: it was changed after it was signed.</source>
        <translation>Список не соответствует своей подписи: его изменили после подписания.</translation>
    </message>
    <message>
        <source>The trusted comment of the list&apos;s signature was changed after it was signed.</source>
        <translation>Доверенный комментарий подписи списка изменили после подписания.</translation>
    </message>
    <message>
        <source>Its signature carries no time (&quot;timestamp:&quot; in its trusted comment), so it cannot be told from an older list.</source>
        <translation>Его подпись не содержит времени («timestamp:» в доверенном комментарии), поэтому его нельзя отличить от более старого списка.</translation>
    </message>
    <message>
        <source>It was signed on %1, before the one taken last (signed on %2): the server must not take you back to older files.</source>
        <translation>Он подписан %1, раньше последнего принятого (подписан %2): сервер не должен возвращать вас к более старым файлам.</translation>
    </message>
    <message>
        <source>%1 is refused. %2</source>
        <translation>Список %1 отклонён. %2</translation>
    </message>
    <message>
        <source>Its signature names no file (&quot;file:&quot; in its trusted comment), so it cannot be told from another list.</source>
        <translation>Его подпись не называет файл («file:» в доверенном комментарии), поэтому его нельзя отличить от другого списка.</translation>
    </message>
    <message>
        <source>It was signed as %1: the server must not hand one list out as another.</source>
        <translation>Он подписан как %1: сервер не должен выдавать один список за другой.</translation>
    </message>
</context>
<context>
    <name>ListenServerFile</name>
    <message>
        <source>The File &apos;LISTENSERVER.CFG&apos; Was Not Found. Default Trevlin Settings Were Loaded.</source>
        <translation>Файл «LISTENSERVER.CFG» не найден. Загружены настройки Trevlin по умолчанию.</translation>
    </message>
    <message>
        <source>Your Listenserver File Is Not A Trevlin Config File. Default Trevlin Settings Were Loaded.</source>
        <translation>Ваш файл listenserver не является файлом конфигурации Trevlin. Загружены настройки Trevlin по умолчанию.</translation>
    </message>
    <message>
        <source>The box &quot;%1&quot;</source>
        <translation>Поле «%1»</translation>
    </message>
    <message>
        <source>%1 holds a double quote, which the game takes for the end of the name. Please change it and try again.</source>
        <translation>%1 содержит двойную кавычку, которую игра принимает за конец имени. Пожалуйста, измените это и попробуйте снова.</translation>
    </message>
    <message>
        <source>Trevlin could not move &quot;%1&quot; aside as &quot;game.trb&quot;: %2. Both files are as they were.</source>
        <translation>Trevlin не смог переименовать «%1» в «game.trb»: %2. Оба файла остались прежними.</translation>
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
        <translation>Выберите тип бота</translation>
    </message>
    <message>
        <source>Bot Info</source>
        <translation>Сведения о боте</translation>
    </message>
    <message>
        <source>Required CS Version:</source>
        <translation>Нужная версия CS:</translation>
    </message>
    <message>
        <source>Required Half-Life Version:</source>
        <translation>Нужная версия Half-Life:</translation>
    </message>
    <message>
        <source>Uses DLL File:</source>
        <translation>Использует DLL:</translation>
    </message>
    <message>
        <source>Supported Maps</source>
        <translation>Поддерживаемые карты</translation>
    </message>
    <message>
        <source>Config File To Run</source>
        <translation>Файл конфигурации для запуска</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
    <message>
        <source>Server Configuration</source>
        <translation>Настройка сервера</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Updates</source>
        <translation>&amp;Обновления</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Configure CS</source>
        <translation>&amp;Настроить CS</translation>
    </message>
    <message>
        <source>&amp;Select Directory</source>
        <translation>&amp;Выбрать папку</translation>
    </message>
    <message>
        <source>Update All</source>
        <translation>Обновить всё</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>This Displays Wich Counter-Strike Version The Bot Supports</source>
        <translation>Показывает, какую версию Counter-Strike поддерживает бот</translation>
    </message>
    <message>
        <source>This Displays Wich Half-Life Version The Bot Supports</source>
        <translation>Показывает, какую версию Half-Life поддерживает бот</translation>
    </message>
    <message>
        <source>This Displays Wich DLL File The Bot Uses</source>
        <translation>Показывает, какой DLL-файл использует бот</translation>
    </message>
    <message>
        <source>Play Counter-Strike With The Selected Bot!</source>
        <translation>Играть в Counter-Strike с выбранным ботом!</translation>
    </message>
    <message>
        <source>This Exits Counter-Strike Trevlin</source>
        <translation>Закрывает Counter-Strike Trevlin</translation>
    </message>
    <message>
        <source>Here You Can Configure Your CS Server, Change The Mapcycle And Change The Startup Message</source>
        <translation>Здесь можно настроить ваш сервер CS, изменить цикл карт и стартовое сообщение</translation>
    </message>
    <message>
        <source>This Displays Bot Information Found In The Selected Bot&apos;s &apos;Liblist.gam&apos; File.</source>
        <translation>Показывает сведения о боте из файла «Liblist.gam» выбранного бота.</translation>
    </message>
    <message>
        <source>This Displays Wich Maps Are Supported By The Bot</source>
        <translation>Показывает, какие карты поддерживает бот</translation>
    </message>
    <message>
        <source>Please select your Half-Life\Counter-Strike directory under the File -&gt; Select Directory menu</source>
        <translation>Пожалуйста, выберите папку Half-Life\Counter-Strike в меню Файл -&gt; Выбрать папку</translation>
    </message>
    <message>
        <source>You Have Not Properly Set Up The Trevlin. Please Read The Documentation, Or Select Your Directory Again.</source>
        <translation>Вы неправильно настроили Trevlin. Пожалуйста, прочитайте документацию или снова выберите папку.</translation>
    </message>
    <message>
        <source>%1 is saved and copied to %2, which %3 runs when the game starts.</source>
        <translation>%1 сохранён и скопирован в %2, который %3 выполняет при запуске игры.</translation>
    </message>
    <message>
        <source>%1 already.</source>
        <translation>%1 уже.</translation>
    </message>
    <message>
        <source>This Bot Is Not Supported By Your Current Counter-Strike Version. Click OK To Continue Anyway.</source>
        <translation>Этот бот не поддерживается вашей версией Counter-Strike. Нажмите ОК, чтобы всё равно продолжить.</translation>
    </message>
    <message>
        <source>Error In Liblist.gam File</source>
        <translation>Ошибка в файле Liblist.gam</translation>
    </message>
    <message>
        <source>Please select your Half-Life\Counterstrike directory under the File -&gt; Config menu</source>
        <translation>Пожалуйста, выберите папку Half-Life\Counter-Strike в меню Файл -&gt; Настроить</translation>
    </message>
    <message>
        <source>Counter-Strike is running with %1</source>
        <translation>Counter-Strike работает с %1</translation>
    </message>
    <message>
        <source>Counter-Strike is running without bots</source>
        <translation>Counter-Strike работает без ботов</translation>
    </message>
    <message>
        <source>Counter-Strike has ended.</source>
        <translation>Counter-Strike завершился.</translation>
    </message>
    <message>
        <source>Counter-Strike crashed right after it started.</source>
        <translation>Counter-Strike аварийно завершился сразу после запуска.</translation>
    </message>
    <message>
        <source>Counter-Strike ended right after it started, with exit code %1.</source>
        <translation>Counter-Strike завершился сразу после запуска с кодом %1.</translation>
    </message>
    <message>
        <source>It printed nothing.</source>
        <translation>Он ничего не вывел.</translation>
    </message>
    <message>
        <source>The last lines it printed:</source>
        <translation>Последние выведенные им строки:</translation>
    </message>
    <message>
        <source>Do you want to open its log, %1?</source>
        <translation>Открыть его журнал, %1?</translation>
    </message>
    <message>
        <source>%1 is set up: %2 starts it.</source>
        <translation>%1 настроен: его запускает %2.</translation>
    </message>
    <message>
        <source>Started through Steam: %1</source>
        <translation>Запущено через Steam: %1</translation>
    </message>
</context>
<context>
    <name>MapCycle</name>
    <message>
        <source>Counter - Strike Mapcycle</source>
        <translation>Цикл карт Counter-Strike</translation>
    </message>
    <message>
        <source>Map Files</source>
        <translation>Файлы карт</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <translation>-&gt;</translation>
    </message>
    <message>
        <source>Add To Cycle</source>
        <translation>Добавить в цикл</translation>
    </message>
    <message>
        <source>Add the selected maps to the cycle</source>
        <translation>Добавить выбранные карты в цикл</translation>
    </message>
    <message>
        <source>&lt;-</source>
        <translation>&lt;-</translation>
    </message>
    <message>
        <source>Remove From Cycle</source>
        <translation>Убрать из цикла</translation>
    </message>
    <message>
        <source>Remove the selected maps from the cycle</source>
        <translation>Убрать выбранные карты из цикла</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Map Cycle</source>
        <translation>Цикл карт</translation>
    </message>
    <message>
        <source>No. Of Maps:</source>
        <translation>Число карт:</translation>
    </message>
    <message>
        <source>No. Of Maps</source>
        <translation>Число карт</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Случайно</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Готово</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>The game folder has no &quot;maps&quot; folder, so there are no maps to choose from.</source>
        <translation>В папке игры нет папки «maps», поэтому выбрать карты не из чего.</translation>
    </message>
    <message>
        <source>The map cycle has changes that are not saved. Do you want to save them?</source>
        <translation>В цикле карт есть несохранённые изменения. Сохранить их?</translation>
    </message>
</context>
<context>
    <name>MapCycleFile</name>
    <message>
        <source>The map &quot;%1&quot;</source>
        <translation>Карта «%1»</translation>
    </message>
    <message>
        <source>%1 begins with a blank, which the game drops. Please remove it and try again.</source>
        <translation>%1 начинается с пробела, который игра отбрасывает. Пожалуйста, удалите его и попробуйте снова.</translation>
    </message>
</context>
<context>
    <name>MapFolder</name>
    <message>
        <source>Please Slect A Number Of Maps That Is Equal Or Less Than Yhe Number Of Maps Available</source>
        <translation>Пожалуйста, выберите число карт, не превышающее число доступных карт</translation>
    </message>
    <message>
        <source>&quot;No. Of Maps:&quot; takes a whole number from 0 up, such as 10.</source>
        <translation>«Число карт:» принимает целое число от 0, например 10.</translation>
    </message>
</context>
<context>
    <name>MapListLabel</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 и ещё %2</translation>
    </message>
</context>
<context>
    <name>MotdFile</name>
    <message>
        <source>The message holds a character that the game&apos;s 8-bit files cannot carry. Please change it and try again.</source>
        <translation>Сообщение содержит символ, который не может храниться в 8-битных файлах игры. Пожалуйста, измените его и попробуйте снова.</translation>
    </message>
</context>
<context>
    <name>MotdScreen</name>
    <message>
        <source>Message Of The Day</source>
        <translation>Сообщение дня</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Готово</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>Edit Server Text</source>
        <translation>Изменить текст сервера</translation>
    </message>
    <message>
        <source>The message of the day has changes that are not saved. Do you want to save them?</source>
        <translation>В сообщении дня есть несохранённые изменения. Сохранить их?</translation>
    </message>
</context>
<context>
    <name>MultipleBots</name>
    <message>
        <source>You Must Specify The Number Of Bots You Want To Add.</source>
        <translation>Вы должны указать, сколько ботов хотите добавить.</translation>
    </message>
    <message>
        <source>You Must Specify The Skill Level For The Bots, Or Enable Auto Skill.</source>
        <translation>Вы должны указать уровень навыка ботов или включить автонавык.</translation>
    </message>
    <message>
        <source>The Number Of Bots Must Be A Number, Such As 10.</source>
        <translation>Число ботов должно быть числом, например 10.</translation>
    </message>
    <message>
        <source>The Skill Level Must Be A Number, Such As 3, Or Enable Auto Skill.</source>
        <translation>Уровень навыка должен быть числом, например 3, или включите автонавык.</translation>
    </message>
</context>
<context>
    <name>NameList</name>
    <message>
        <source>The File &apos;TRNames.txt&apos; Holds A Name On Line %1 That A Config File Cannot Carry. Please Save It As Plain Text With One Name On Each Line.</source>
        <translation>Файл «TRNames.txt» содержит в строке %1 имя, которое не может храниться в файле конфигурации. Пожалуйста, сохраните его как простой текст, по одному имени в строке.</translation>
    </message>
    <message>
        <source>The File &apos;TRNames.txt&apos; Was Not Found In Your Counter-Strike Directory. Please Install It Or Read The Documentation.</source>
        <translation>Файл «TRNames.txt» не найден в вашей папке Counter-Strike. Пожалуйста, установите его или прочитайте документацию.</translation>
    </message>
    <message>
        <source>The File &apos;TRNames.txt&apos; Could Not Be Read: %1</source>
        <translation>Не удалось прочитать файл «TRNames.txt»: %1</translation>
    </message>
    <message>
        <source>The File &apos;TRNames.txt&apos; Holds No Bot Names. Please Put One Name On Each Line After Its Four Header Lines.</source>
        <translation>В файле «TRNames.txt» нет имён ботов. Пожалуйста, запишите по одному имени в строке после четырёх строк заголовка.</translation>
    </message>
</context>
<context>
    <name>OpenScreen</name>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Загрузить</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>Open %1 Config File</source>
        <translation>Открыть файл конфигурации %1</translation>
    </message>
    <message>
        <source>You Have Changed Your Current BotList. Do You Want To Save It Before You Open A New One?</source>
        <translation>Вы изменили текущий список ботов. Сохранить его, прежде чем открыть новый?</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The game cannot be started: the game folder &quot;%1&quot; has no Half-Life folder above it.</source>
        <translation>Игру нельзя запустить: над папкой игры «%1» нет папки Half-Life.</translation>
    </message>
    <message>
        <source>The game cannot be started: the Half-Life folder &quot;%1&quot; holds neither the game&apos;s Linux launcher (hl.sh or hl_linux) nor hl.exe.</source>
        <translation>Игру нельзя запустить: в папке Half-Life «%1» нет ни запускающего файла игры для Linux (hl.sh или hl_linux), ни hl.exe.</translation>
    </message>
    <message>
        <source>The game cannot be started: the Half-Life folder &quot;%1&quot; holds only the Windows game (hl.exe), and Wine, which runs it here, is not installed.</source>
        <translation>Игру нельзя запустить: в папке Half-Life «%1» есть только игра для Windows (hl.exe), а Wine, который запускает её здесь, не установлен.</translation>
    </message>
    <message>
        <source>%1 has no Windows game library: on Windows the game starts without its bots</source>
        <translation>У %1 нет игровой библиотеки для Windows: в Windows игра запустится без его ботов</translation>
    </message>
    <message>
        <source>%1 has no Linux game library: on Linux the game starts without its bots; Wine runs the Windows one</source>
        <translation>У %1 нет игровой библиотеки для Linux: в Linux игра запустится без его ботов; библиотеку для Windows запускает Wine</translation>
    </message>
</context>
<context>
    <name>QuickLaunch</name>
    <message>
        <source>Trevlin knows no add-on called &quot;%1&quot;; it knows %2.</source>
        <translation>Trevlin не знает дополнения «%1»; он знает %2.</translation>
    </message>
    <message>
        <source>No Counter-Strike folder is chosen yet: choose it in Trevlin&apos;s window, or give it with --game-dir.</source>
        <translation>Папка Counter-Strike ещё не выбрана: выберите её в окне Trevlin или укажите через --game-dir.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not set up for Trevlin: it holds no &quot;%2&quot;.</source>
        <translation>Папка «%1» не настроена для Trevlin: в ней нет «%2».</translation>
    </message>
    <message>
        <source>%1 is not installed in &quot;%2&quot;: there is no &quot;%3&quot;.</source>
        <translation>%1 не установлен в «%2»: нет «%3».</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>Bot Name</source>
        <translation>Имя бота</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Навык</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Скин</translation>
    </message>
</context>
<context>
    <name>RosterAddOn</name>
    <message>
        <source>Add RealBot Bot</source>
        <translation>Добавить бота RealBot</translation>
    </message>
    <message>
        <source>Edit RealBot Bot</source>
        <translation>Изменить бота RealBot</translation>
    </message>
    <message>
        <source>Add NNBot Bot</source>
        <translation>Добавить бота NNBot</translation>
    </message>
    <message>
        <source>Edit NNBot Bot</source>
        <translation>Изменить бота NNBot</translation>
    </message>
    <message>
        <source>Add HPBBot Bot</source>
        <translation>Добавить бота HPBBot</translation>
    </message>
    <message>
        <source>Edit HPB Bot</source>
        <translation>Изменить бота HPB</translation>
    </message>
    <message>
        <source>Add RamBot Bot</source>
        <translation>Добавить бота RamBot</translation>
    </message>
    <message>
        <source>Edit RamBot Bot</source>
        <translation>Изменить бота RamBot</translation>
    </message>
    <message>
        <source>Add Swat Bot</source>
        <translation>Добавить бота Swat</translation>
    </message>
    <message>
        <source>Edit SwatBot Bot</source>
        <translation>Изменить бота SwatBot</translation>
    </message>
    <message>
        <source>Add AGBBot Bot</source>
        <translation>Добавить бота AGBBot</translation>
    </message>
    <message>
        <source>Edit AGBBot Bot</source>
        <translation>Изменить бота AGBBot</translation>
    </message>
    <message>
        <source>Add Boba Bot</source>
        <translation>Добавить бота Boba</translation>
    </message>
    <message>
        <source>Edit Boba Bot</source>
        <translation>Изменить бота Boba</translation>
    </message>
    <message>
        <source>Add Redu Bot</source>
        <translation>Добавить бота Redu</translation>
    </message>
    <message>
        <source>Edit Redu Bot</source>
        <translation>Изменить бота Redu</translation>
    </message>
    <message>
        <source>Add PL Bot</source>
        <translation>Добавить бота PL</translation>
    </message>
    <message>
        <source>Edit PL Bot</source>
        <translation>Изменить бота PL</translation>
    </message>
    <message>
        <source>Add AndroidBot Bot</source>
        <translation>Добавить бота AndroidBot</translation>
    </message>
    <message>
        <source>Edit Android Bot</source>
        <translation>Изменить бота Android</translation>
    </message>
    <message>
        <source>Add PodBot Bot</source>
        <translation>Добавить бота PodBot</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>The file you selected is not a valid Counter-Strike Trevlin %1 Config file</source>
        <translation>Выбранный файл не является допустимым файлом конфигурации Counter-Strike Trevlin %1</translation>
    </message>
    <message>
        <source>Nothing was written; the bots are still in the editor.</source>
        <translation>Ничего не записано; боты по-прежнему в редакторе.</translation>
    </message>
</context>
<context>
    <name>RosterFormat</name>
    <message>
        <source>The bot %1 cannot be saved, because its %2 holds %3, a character that a Counter-Strike config file cannot carry.</source>
        <translation>Бота %1 нельзя сохранить, потому что поле «%2» содержит %3 — символ, который не может храниться в файле конфигурации Counter-Strike.</translation>
    </message>
    <message>
        <source>A bot name cannot contain blanks, because the config file separates a bot&apos;s name from its skill with a blank. Please use another name.</source>
        <translation>Имя бота не может содержать пробелов, потому что файл конфигурации отделяет имя бота от его навыка пробелом. Пожалуйста, выберите другое имя.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>имя</translation>
    </message>
    <message>
        <source>skill</source>
        <translation>навык</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its skill %2 is not a number.</source>
        <translation>Бота %1 нельзя сохранить, потому что его навык %2 — не число.</translation>
    </message>
    <message>
        <source>The option &quot;%1&quot; cannot be saved, because it holds %2, a character that a Counter-Strike config file cannot carry.</source>
        <translation>Параметр «%1» нельзя сохранить, потому что он содержит %2 — символ, который не может храниться в файле конфигурации Counter-Strike.</translation>
    </message>
    <message>
        <source>The option &quot;%1&quot; cannot be saved, because %2 is not a number.</source>
        <translation>Параметр «%1» нельзя сохранить, потому что %2 — не число.</translation>
    </message>
    <message>
        <source>This will apply Team, Skin and Skill changes to all bots in your list.</source>
        <translation>Изменения команды, скина и навыка будут применены ко всем ботам вашего списка.</translation>
    </message>
    <message>
        <source>This config file is made with another version. Unable to load.</source>
        <translation>Этот файл конфигурации создан другой версией. Загрузка невозможна.</translation>
    </message>
    <message>
        <source>Time Before Bot Entry</source>
        <translation>Время до входа ботов</translation>
    </message>
    <message>
        <source>Min No Of Bots</source>
        <translation>Мин. число ботов</translation>
    </message>
    <message>
        <source>Max No Of Bots</source>
        <translation>Макс. число ботов</translation>
    </message>
    <message>
        <source>Botskill</source>
        <translation>Навык ботов</translation>
    </message>
    <message>
        <source>Min Bot Skill</source>
        <translation>Мин. навык ботов</translation>
    </message>
    <message>
        <source>Max Skill</source>
        <translation>Макс. навык</translation>
    </message>
    <message>
        <source>This will apply Team and Skill changes to all bots in your list.</source>
        <translation>Изменения команды и навыка будут применены ко всем ботам вашего списка.</translation>
    </message>
    <message>
        <source>This config file is made with a previous version. Unable to load.</source>
        <translation>Этот файл конфигурации создан предыдущей версией. Загрузка невозможна.</translation>
    </message>
    <message>
        <source>Save Android Config File</source>
        <translation>Сохранить файл конфигурации Android</translation>
    </message>
    <message>
        <source>There is no bot selected in the list. Please select the bot you want to change, then press Done again.</source>
        <translation>В списке не выбран бот. Пожалуйста, выберите бота, которого хотите изменить, и снова нажмите «Готово».</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>перевод строки</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved</source>
        <translation>Бота %1 нельзя сохранить</translation>
    </message>
    <message>
        <source>A bot without a name cannot be saved: the config file would not read back. Please give it a name and save again.</source>
        <translation>Бота без имени нельзя сохранить: файл конфигурации не прочитается обратно. Пожалуйста, дайте ему имя и сохраните снова.</translation>
    </message>
    <message>
        <source>A bot name cannot be a number, because the bot add-on would take it for the skill level. Please use another name.</source>
        <translation>Имя бота не может быть числом, потому что дополнение ботов примет его за уровень навыка. Пожалуйста, выберите другое имя.</translation>
    </message>
    <message>
        <source>There are no bots to save. Add at least one bot first.</source>
        <translation>Нет ботов для сохранения. Сначала добавьте хотя бы одного бота.</translation>
    </message>
    <message>
        <source> Please change it and save again.</source>
        <translation> Пожалуйста, измените это и сохраните снова.</translation>
    </message>
</context>
<context>
    <name>RosterWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новый</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>You Have Changed Your Current BotList. Do You Want To Save It Before You Start A New One?</source>
        <translation>Вы изменили текущий список ботов. Сохранить его, прежде чем начать новый?</translation>
    </message>
    <message>
        <source>You Have Changed Your Current BotList. Do You Want To Save It Before You Exit?</source>
        <translation>Вы изменили текущий список ботов. Сохранить его перед выходом?</translation>
    </message>
    <message>
        <source>You Have Changed Your Current BotList, but a list without bots cannot be saved. Do you want to discard your changes?</source>
        <translation>Вы изменили текущий список ботов, но список без ботов нельзя сохранить. Отменить ваши изменения?</translation>
    </message>
</context>
<context>
    <name>SaveScreen</name>
    <message>
        <source>Filename:</source>
        <translation>Имя файла:</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>Save %1 Config File</source>
        <translation>Сохранить файл конфигурации %1</translation>
    </message>
    <message>
        <source>You have to enter a filename</source>
        <translation>Вы должны ввести имя файла</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 уже существует. Заменить?</translation>
    </message>
</context>
<context>
    <name>ServerText</name>
    <message>
        <source>%1 is not a file, so Trevlin did not read it.</source>
        <translation>%1 — не файл, поэтому Trevlin не стал его читать.</translation>
    </message>
    <message>
        <source>Trevlin could not read %1: %2</source>
        <translation>Trevlin не смог прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2, far larger than such a file ever is, so Trevlin does not read or write it.</source>
        <translation>%1 больше %2 — намного больше, чем бывает такой файл, поэтому Trevlin не читает и не записывает его.</translation>
    </message>
    <message>
        <source>a comma, which ends a setting in the file</source>
        <translation>запятую, которая завершает параметр в файле</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>перевод строки</translation>
    </message>
    <message>
        <source>a character that the game&apos;s 8-bit files cannot carry</source>
        <translation>символ, который не может храниться в 8-битных файлах игры</translation>
    </message>
    <message>
        <source>%1 holds %2. Please change it and try again.</source>
        <translation>%1 содержит %2. Пожалуйста, измените это и попробуйте снова.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Ничего не записано.</translation>
    </message>
</context>
<context>
    <name>SetUpAddOn</name>
    <message>
        <source>Set Up An Add-on</source>
        <translation>Настроить дополнение</translation>
    </message>
    <message>
        <source>Choose the add-on and the game library it brings, for the Windows game, the Linux game or both. Trevlin writes the add-on&apos;s liblist.gam from the game&apos;s own.</source>
        <translation>Выберите дополнение и игровую библиотеку, которую оно приносит, — для игры под Windows, под Linux или для обеих. Trevlin составит liblist.gam дополнения на основе собственного liblist.gam игры.</translation>
    </message>
    <message>
        <source>&amp;Add-on:</source>
        <translation>&amp;Дополнение:</translation>
    </message>
    <message>
        <source>&amp;Windows library:</source>
        <translation>&amp;Библиотека Windows:</translation>
    </message>
    <message>
        <source>B&amp;rowse…</source>
        <translation>Об&amp;зор…</translation>
    </message>
    <message>
        <source>Browse for the Windows library</source>
        <translation>Выбрать библиотеку Windows</translation>
    </message>
    <message>
        <source>&amp;Linux library:</source>
        <translation>Б&amp;иблиотека Linux:</translation>
    </message>
    <message>
        <source>Br&amp;owse…</source>
        <translation>Обзо&amp;р…</translation>
    </message>
    <message>
        <source>Browse for the Linux library</source>
        <translation>Выбрать библиотеку Linux</translation>
    </message>
    <message>
        <source>&amp;Set Up</source>
        <translation>&amp;Настроить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>No game library of an add-on was found in the game folder: put the add-on&apos;s files into it, or choose its library with Browse.</source>
        <translation>В папке игры не найдено игровой библиотеки дополнения: поместите в неё файлы дополнения или выберите его библиотеку кнопкой «Обзор».</translation>
    </message>
    <message>
        <source>The game folder is large: only its first %1 entries were searched; choose a library deeper down with Browse.</source>
        <translation>Папка игры велика: просмотрены только первые %1 элементов; библиотеку, лежащую глубже, выберите кнопкой «Обзор».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no game library: the Windows game loads a .dll, the Linux game a .so.</source>
        <translation>«%1» — не игровая библиотека: игра для Windows загружает .dll, игра для Linux — .so.</translation>
    </message>
    <message>
        <source>Choose the Windows game library</source>
        <translation>Выберите игровую библиотеку для Windows</translation>
    </message>
    <message>
        <source>Choose the Linux game library</source>
        <translation>Выберите игровую библиотеку для Linux</translation>
    </message>
    <message>
        <source>Windows game libraries (*.dll)</source>
        <translation>Игровые библиотеки Windows (*.dll)</translation>
    </message>
    <message>
        <source>Linux game libraries (*.so)</source>
        <translation>Игровые библиотеки Linux (*.so)</translation>
    </message>
    <message>
        <source>Choose the Windows game library, the Linux game library or both.</source>
        <translation>Выберите игровую библиотеку для Windows, для Linux или обе.</translation>
    </message>
    <message>
        <source>The game folder holds &quot;%1&quot; already. Replace it?</source>
        <translation>В папке игры уже есть «%1». Заменить его?</translation>
    </message>
    <message>
        <source>Trevlin could not write &quot;%1&quot;: %2</source>
        <translation>Trevlin не смог записать «%1»: %2</translation>
    </message>
    <message>
        <source>%1 is set up. %2.</source>
        <translation>%1 настроен. %2.</translation>
    </message>
</context>
<context>
    <name>SetUpEntries</name>
    <message>
        <source>Set &amp;Up An Add-on…</source>
        <translation>Настроить д&amp;ополнение…</translation>
    </message>
    <message>
        <source>&amp;Install An Add-on From Its Archive…</source>
        <translation>&amp;Установить дополнение из архива…</translation>
    </message>
    <message>
        <source>Start the game &amp;directly</source>
        <translation>Запустить игру на&amp;прямую</translation>
    </message>
    <message>
        <source>Please select your Half-Life\Counter-Strike directory under the File -&gt; Select Directory menu</source>
        <translation>Пожалуйста, выберите папку Half-Life\Counter-Strike в меню Файл -&gt; Выбрать папку</translation>
    </message>
    <message>
        <source>An add-on is set up from the game&apos;s own liblist.gam, and the folder &quot;%1&quot; holds none that can be read.</source>
        <translation>Дополнение настраивается на основе собственного liblist.gam игры, а в папке «%1» нет такого файла, который можно прочитать.</translation>
    </message>
    <message>
        <source>%1 is not set up in this game folder: right-click it, or choose File -&gt; Set Up An Add-on…, to set it up from its files.</source>
        <translation>%1 не настроен в этой папке игры: щёлкните его правой кнопкой мыши или выберите Файл -&gt; Настроить дополнение…, чтобы настроить его по его файлам.</translation>
    </message>
    <message>
        <source>Set &amp;Up %1…</source>
        <translation>&amp;Настроить %1…</translation>
    </message>
    <message>
        <source>U&amp;ninstall %1…</source>
        <translation>&amp;Удалить %1…</translation>
    </message>
    <message>
        <source>Only an add-on installed from its archive through Trevlin can be uninstalled here.</source>
        <translation>Здесь можно удалить только дополнение, установленное из архива через Trevlin.</translation>
    </message>
    <message>
        <source>Uninstall %1? Trevlin removes the files its install added and puts back the game files it replaced.</source>
        <translation>Удалить %1? Trevlin удалит файлы, добавленные его установкой, и вернёт на место заменённые ею файлы игры.</translation>
    </message>
    <message>
        <source>%1 is not uninstalled: %2</source>
        <translation>%1 не удалён: %2</translation>
    </message>
    <message>
        <source>%1 is uninstalled.</source>
        <translation>%1 удалён.</translation>
    </message>
    <message>
        <source>These files changed since the install and are left as they are:</source>
        <translation>Эти файлы изменились после установки и оставлены как есть:</translation>
    </message>
</context>
<context>
    <name>SkinChooser</name>
    <message>
        <source>Skin Preview</source>
        <translation>Предпросмотр скина</translation>
    </message>
    <message>
        <source>No skin selected</source>
        <translation>Скин не выбран</translation>
    </message>
</context>
<context>
    <name>SupportedMaps</name>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Increase</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>The box &quot;%1&quot; needs a number from %2 to %3. Please enter one and try again.</source>
        <translation>Поле «%1» требует число от %2 до %3. Пожалуйста, введите его и попробуйте снова.</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Update Bots And Trevlin</source>
        <translation>Обновление ботов и Trevlin</translation>
    </message>
    <message>
        <source>Files Available On Server:</source>
        <translation>Файлы на сервере:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Your Version:</source>
        <translation>Ваша версия:</translation>
    </message>
    <message>
        <source>Last Updated:</source>
        <translation>Последнее обновление:</translation>
    </message>
    <message>
        <source>Update progress</source>
        <translation>Ход обновления</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>Текущий файл</translation>
    </message>
    <message>
        <source>Whole update</source>
        <translation>Всё обновление</translation>
    </message>
    <message>
        <source>Please Wait Launching Update Program.....</source>
        <translation>Пожалуйста, подождите, запускается программа обновления…</translation>
    </message>
    <message>
        <source>Plain http: what the update server sends is not encrypted.</source>
        <translation>Простой http: то, что отправляет сервер обновлений, не зашифровано.</translation>
    </message>
    <message>
        <source>Update Selected Bots</source>
        <translation>Обновить выбранных ботов</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Still Executing Last Request. Please Wait.</source>
        <translation>Последний запрос ещё выполняется. Пожалуйста, подождите.</translation>
    </message>
    <message>
        <source>Updating  %1</source>
        <translation>Обновление  %1</translation>
    </message>
    <message>
        <source>%1 Sucessfully Updated</source>
        <translation>%1 успешно обновлён</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 ч %2 мин</translation>
    </message>
    <message>
        <source>%1:%2</source>
        <translation>%1:%2</translation>
    </message>
    <message>
        <source>not signed</source>
        <translation>не подписано</translation>
    </message>
    <message>
        <source>%p% at %1/s</source>
        <translation>%p%, %1/с</translation>
    </message>
    <message>
        <source>%p% at %1/s, %2 left</source>
        <translation>%p%, %1/с, осталось %2</translation>
    </message>
    <message>
        <source>%p%</source>
        <translation>%p%</translation>
    </message>
    <message>
        <source>%p%, %1 left in all</source>
        <translation>%p%, всего осталось %1</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>н/д</translation>
    </message>
</context>
<context>
    <name>UpdateClient</name>
    <message>
        <source>The server stopped sending</source>
        <translation>Сервер перестал отправлять данные</translation>
    </message>
    <message>
        <source>The download took too long</source>
        <translation>Загрузка заняла слишком много времени</translation>
    </message>
    <message>
        <source>Looking Up Server</source>
        <translation>Поиск сервера</translation>
    </message>
    <message>
        <source>Server Found</source>
        <translation>Сервер найден</translation>
    </message>
    <message>
        <source>Connecting To Server</source>
        <translation>Подключение к серверу</translation>
    </message>
    <message>
        <source>Connected To Server</source>
        <translation>Подключено к серверу</translation>
    </message>
    <message>
        <source>Requesting File From Server</source>
        <translation>Запрос файла у сервера</translation>
    </message>
    <message>
        <source>Request Acknowleged By Server</source>
        <translation>Запрос подтверждён сервером</translation>
    </message>
    <message>
        <source>Recieving File From Server</source>
        <translation>Получение файла с сервера</translation>
    </message>
    <message>
        <source>Server Is Online And Responding</source>
        <translation>Сервер в сети и отвечает</translation>
    </message>
    <message>
        <source>An Error Has Occured</source>
        <translation>Произошла ошибка</translation>
    </message>
    <message>
        <source>The address %1 is not on the update server</source>
        <translation>Адрес %1 находится не на сервере обновлений</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation>Файл больше %1 байт</translation>
    </message>
    <message>
        <source>The download could not be stored: %1</source>
        <translation>Загрузку не удалось сохранить: %1</translation>
    </message>
    <message>
        <source>The server sent the download to another address: %1</source>
        <translation>Сервер отправил загрузку на другой адрес: %1</translation>
    </message>
    <message>
        <source>The server redirected too often</source>
        <translation>Сервер перенаправлял слишком часто</translation>
    </message>
    <message>
        <source>The server answered %1 for %2</source>
        <translation>Сервер ответил %1 на %2</translation>
    </message>
    <message>
        <source>The file arrived incomplete: %1 of %2 bytes</source>
        <translation>Файл пришёл не полностью: %1 из %2 байт</translation>
    </message>
    <message>
        <source>The server did not say how large the file is, so a whole file cannot be told from a part</source>
        <translation>Сервер не сообщил размер файла, поэтому целый файл нельзя отличить от части</translation>
    </message>
    <message>
        <source>The server announced two different lengths for %1</source>
        <translation>Сервер сообщил два разных размера для %1</translation>
    </message>
    <message>
        <source>There is not enough free space in %1 for %2 bytes</source>
        <translation>В %1 недостаточно свободного места для %2 байт</translation>
    </message>
</context>
<context>
    <name>UpdateJob</name>
    <message>
        <source>The update of %1 took longer than %2 minutes and was stopped</source>
        <translation>Обновление %1 длилось дольше %2 мин. и было остановлено</translation>
    </message>
    <message>
        <source>The whole update took longer than %1 minutes and was stopped</source>
        <translation>Всё обновление длилось дольше %1 мин. и было остановлено</translation>
    </message>
    <message>
        <source>No staging folder could be made in %1: %2</source>
        <translation>Не удалось создать рабочую папку в %1: %2</translation>
    </message>
    <message>
        <source>The signature of %1 could not be fetched: %2</source>
        <translation>Не удалось получить подпись %1: %2</translation>
    </message>
</context>
<context>
    <name>UpdateLists</name>
    <message>
        <source>an empty name</source>
        <translation>пустое имя</translation>
    </message>
    <message>
        <source>a name that leads out of its folder</source>
        <translation>имя, ведущее за пределы своей папки</translation>
    </message>
    <message>
        <source>a folder separator or drive letter inside a name</source>
        <translation>разделитель папок или букву диска внутри имени</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>управляющий символ</translation>
    </message>
    <message>
        <source>a reserved device name</source>
        <translation>зарезервированное имя устройства</translation>
    </message>
    <message>
        <source>The file list of %1 is refused: line %2 (&quot;%3&quot;) holds %4.</source>
        <translation>Список файлов %1 отклонён: строка %2 («%3») содержит %4.</translation>
    </message>
    <message>
        <source>an address outside %1</source>
        <translation>адрес вне %1</translation>
    </message>
    <message>
        <source>no root folder keyword</source>
        <translation>нет ключевого слова корневой папки</translation>
    </message>
    <message>
        <source>an unknown root folder keyword</source>
        <translation>неизвестное ключевое слово корневой папки</translation>
    </message>
    <message>
        <source>no third line</source>
        <translation>нет третьей строки</translation>
    </message>
    <message>
        <source>no &quot;---EndSubDirectories---&quot;</source>
        <translation>нет «---EndSubDirectories---»</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>нет имени файла</translation>
    </message>
    <message>
        <source>a sha256 hash not written as &quot;sha256:&quot; and 64 hex digits</source>
        <translation>хеш SHA-256, записанный не как «sha256:» и 64 шестнадцатеричные цифры</translation>
    </message>
    <message>
        <source>no sha256 hash, which a signed list gives for every file</source>
        <translation>нет хеша SHA-256, а подписанный список даёт его для каждого файла</translation>
    </message>
</context>
<context>
    <name>UpdateServer</name>
    <message>
        <source>The network module trevlin_network could not be loaded from %1: %2</source>
        <translation>Не удалось загрузить сетевой модуль trevlin_network из %1: %2</translation>
    </message>
</context>
<context>
    <name>WaypointCheck</name>
    <message>
        <source>%1 has no waypoints for this map: its bots will not find their way on it.</source>
        <translation>Для %1 нет путевых точек на этой карте: его боты не найдут на ней дорогу.</translation>
    </message>
</context>
</TS>

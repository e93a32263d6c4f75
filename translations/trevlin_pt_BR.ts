<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutScreen</name>
    <message>
        <source>Counter-Strike Trevlin</source>
        <translation>Counter-Strike Trevlin</translation>
    </message>
    <message>
        <source>Trevlin emblem</source>
        <translation>Emblema do Trevlin</translation>
    </message>
    <message>
        <source>Trevlin Homepage</source>
        <translation>Página do Trevlin</translation>
    </message>
    <message>
        <source>Mail Me</source>
        <translation>Escreva-me</translation>
    </message>
    <message>
        <source>E&amp;XIT      </source>
        <translation>&amp;SAIR      </translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>SAIR</translation>
    </message>
    <message>
        <source>Counter-Strike Trevlin Version %1</source>
        <translation>Counter-Strike Trevlin versão %1</translation>
    </message>
    <message>
        <source>No web browser is set up to open the home page. Its address is: %1</source>
        <translation>Nenhum navegador está configurado para abrir a página. O endereço dela é: %1</translation>
    </message>
    <message>
        <source>No mail program is set up to write the mail. Please write to: %1</source>
        <translation>Nenhum programa de e-mail está configurado para escrever a mensagem. Escreva para: %1</translation>
    </message>
</context>
<context>
    <name>AddBotFormat</name>
    <message>
        <source>Skill 1 to %1 (1=best)</source>
        <translation>Habilidade de 1 a %1 (1 = melhor)</translation>
    </message>
    <message>
        <source>The bot name holds %1, a character that a Counter-Strike config file cannot carry. Please use another name.</source>
        <translation>O nome do bot contém %1, um caractere que um arquivo de configuração do Counter-Strike não comporta. Use outro nome.</translation>
    </message>
    <message>
        <source>You have to name the bot</source>
        <translation>Você precisa dar um nome ao bot</translation>
    </message>
    <message>
        <source>You have to slect a team for the bot</source>
        <translation>Você precisa selecionar um time para o bot</translation>
    </message>
    <message>
        <source>You have to enter a skill level for the bot</source>
        <translation>Você precisa informar um nível de habilidade para o bot</translation>
    </message>
    <message>
        <source>The skill level must be between 1 and %1</source>
        <translation>O nível de habilidade deve estar entre 1 e %1</translation>
    </message>
    <message>
        <source>You have to select a team for the bot</source>
        <translation>Você precisa selecionar um time para o bot</translation>
    </message>
    <message>
        <source>You have to choose a skin for the bot</source>
        <translation>Você precisa escolher uma skin para o bot</translation>
    </message>
    <message>
        <source>You Have to select a skin for the bot</source>
        <translation>Você precisa selecionar uma skin para o bot</translation>
    </message>
    <message>
        <source>The option &quot;Min No Of Bots&quot; (%1) is more than &quot;Max No Of Bots&quot; (%2), so the server could never keep to both. Please change one of them and save again.</source>
        <translation>A opção &quot;Mín. de bots&quot; (%1) é maior que &quot;Máx. de bots&quot; (%2), então o servidor nunca poderia respeitar as duas. Altere uma delas e salve de novo.</translation>
    </message>
    <message>
        <source>team</source>
        <translation>time</translation>
    </message>
    <message>
        <source>skin</source>
        <translation>skin</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its team %2 is none of &quot;Terrorist&quot;, &quot;Counter Terrorist&quot; and &quot;Auto Select&quot;.</source>
        <translation>O bot %1 não pode ser salvo porque o time dele, %2, não é &quot;Terrorist&quot;, &quot;Counter Terrorist&quot; nem &quot;Auto Select&quot;.</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its skin %2 is none of the skins a config file knows.</source>
        <translation>O bot %1 não pode ser salvo porque a skin dele, %2, não é nenhuma das skins que um arquivo de configuração conhece.</translation>
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
        <translation>Bots registrados</translation>
    </message>
    <message>
        <source>Bot Name</source>
        <translation>Nome do bot</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Habilidade</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Delete &amp;Bot</source>
        <translation>E&amp;xcluir bot</translation>
    </message>
    <message>
        <source>&amp;Add Bot</source>
        <translation>A&amp;dicionar bot</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Concluir</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Add Multiple Bots</source>
        <translation>Adicionar vários bots</translation>
    </message>
    <message>
        <source>&amp;Edit Bot</source>
        <translation>&amp;Editar bot</translation>
    </message>
    <message>
        <source>Time Before Bot Entry:</source>
        <translation>Tempo até a entrada dos bots:</translation>
    </message>
    <message>
        <source>Auto Team Blance:</source>
        <translation>Balanceamento automático dos times:</translation>
    </message>
    <message>
        <source>Bot Dependant Options</source>
        <translation>Opções dependentes do bot</translation>
    </message>
    <message>
        <source>Botskill:</source>
        <translation>Habilidade dos bots:</translation>
    </message>
    <message>
        <source>This Sets The Skill Level For Bots If You Use The AddBot Command Without The Skill Specified</source>
        <translation>Define o nível de habilidade dos bots quando você usa o comando AddBot sem informar a habilidade</translation>
    </message>
    <message>
        <source>Auto Skill:</source>
        <translation>Habilidade automática:</translation>
    </message>
    <message>
        <source>This makes the bot recieve a random skill when added with the Addbot command and no skill specified</source>
        <translation>Faz o bot receber uma habilidade aleatória quando adicionado com o comando Addbot sem habilidade informada</translation>
    </message>
    <message>
        <source>Use Botskill Range:</source>
        <translation>Usar faixa de habilidade:</translation>
    </message>
    <message>
        <source>Min Bot Skill:</source>
        <translation>Hab. mín. dos bots:</translation>
    </message>
    <message>
        <source>Max Skill:</source>
        <translation>Hab. máxima:</translation>
    </message>
    <message>
        <source>This sets the maximum skill each bot will get when they are added with the Addbot command</source>
        <translation>Define a habilidade máxima que cada bot receberá ao ser adicionado com o comando Addbot</translation>
    </message>
    <message>
        <source>Extra Skill:</source>
        <translation>Habilidade extra:</translation>
    </message>
    <message>
        <source>Observer:</source>
        <translation>Observador:</translation>
    </message>
    <message>
        <source>This option limits you to observer only</source>
        <translation>Esta opção limita você a apenas observar</translation>
    </message>
    <message>
        <source>Bots Don&apos;t Shoot:</source>
        <translation>Bots não atiram:</translation>
    </message>
    <message>
        <source>This will make the bots unable to shoot</source>
        <translation>Isto impede que os bots atirem</translation>
    </message>
    <message>
        <source>Waypoints</source>
        <translation>Waypoints</translation>
    </message>
    <message>
        <source>View Waypoints:</source>
        <translation>Ver waypoints:</translation>
    </message>
    <message>
        <source>View Waypoints For Team 1:</source>
        <translation>Ver waypoints do time 1:</translation>
    </message>
    <message>
        <source>View Waypoints For Team 2:</source>
        <translation>Ver waypoints do time 2:</translation>
    </message>
    <message>
        <source>For Dedicated Servers</source>
        <translation>Para servidores dedicados</translation>
    </message>
    <message>
        <source>Min No Of Bots:</source>
        <translation>Mín. de bots:</translation>
    </message>
    <message>
        <source>Max No Of Bots:</source>
        <translation>Máx. de bots:</translation>
    </message>
</context>
<context>
    <name>AddMultiple</name>
    <message>
        <source>Bot Properties</source>
        <translation>Propriedades dos bots</translation>
    </message>
    <message>
        <source>Number Of Bots:</source>
        <translation>Número de bots:</translation>
    </message>
    <message>
        <source>Number Of Bots</source>
        <translation>Número de bots</translation>
    </message>
    <message>
        <source>Skill:</source>
        <translation>Habilidade:</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Habilidade</translation>
    </message>
    <message>
        <source>Auto Skill:</source>
        <translation>Habilidade automática:</translation>
    </message>
    <message>
        <source>Auto Skill</source>
        <translation>Habilidade automática</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Auto Select Skin</source>
        <translation>Escolher skin automaticamente</translation>
    </message>
    <message>
        <source>Skin Preview</source>
        <translation>Prévia da skin</translation>
    </message>
    <message>
        <source>Edit Bot Names</source>
        <translation>Editar nomes dos bots</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add Multiple %1 Bots</source>
        <translation>Adicionar vários bots %1</translation>
    </message>
    <message>
        <source>No program is set up to open &apos;TRNames.txt&apos;. Please open it in a text editor: %1</source>
        <translation>Nenhum programa está configurado para abrir &quot;TRNames.txt&quot;. Abra-o em um editor de texto: %1</translation>
    </message>
</context>
<context>
    <name>AddOnArchive</name>
    <message>
        <source>an absolute path</source>
        <translation>um caminho absoluto</translation>
    </message>
    <message>
        <source>Trevlin could not open &quot;%1&quot;: %2</source>
        <translation>O Trevlin não conseguiu abrir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an archive Trevlin can read: %2</source>
        <translation>&quot;%1&quot; não é um arquivo compactado que o Trevlin consiga ler: %2</translation>
    </message>
    <message>
        <source>Trevlin will not install &quot;%1&quot;: its entry &quot;%2&quot; is %3.</source>
        <translation>O Trevlin não vai instalar &quot;%1&quot;: a entrada &quot;%2&quot; dele é %3.</translation>
    </message>
    <message>
        <source>an empty name</source>
        <translation>um nome vazio</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>um link</translation>
    </message>
    <message>
        <source>a device file</source>
        <translation>um arquivo de dispositivo</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>criptografada</translation>
    </message>
    <message>
        <source>inside a folder that the archive also holds as a file</source>
        <translation>um item dentro de uma pasta que o arquivo compactado também contém como arquivo</translation>
    </message>
    <message>
        <source>a folder that the archive also holds as a file</source>
        <translation>uma pasta que o arquivo compactado também contém como arquivo</translation>
    </message>
    <message>
        <source>a file that the archive also holds as a folder</source>
        <translation>um arquivo que o arquivo compactado também contém como pasta</translation>
    </message>
    <message>
        <source>there twice, in the same or another letter case</source>
        <translation>repetida, igual ou só com outras maiúsculas e minúsculas</translation>
    </message>
    <message>
        <source>Trevlin will not install &quot;%1&quot;: it holds more than %2 files.</source>
        <translation>O Trevlin não vai instalar &quot;%1&quot;: ele contém mais de %2 arquivos.</translation>
    </message>
    <message>
        <source>announced as %1, more than the %2 a file may take</source>
        <translation>anunciada com %1, mais que os %2 que um arquivo pode ocupar</translation>
    </message>
    <message>
        <source>Trevlin will not install &quot;%1&quot;: its files take more than %2.</source>
        <translation>O Trevlin não vai instalar &quot;%1&quot;: os arquivos dele ocupam mais de %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no files.</source>
        <translation>&quot;%1&quot; não contém nenhum arquivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has changed since Trevlin read it; choose it again.</source>
        <translation>&quot;%1&quot; mudou desde que o Trevlin o leu; escolha-o de novo.</translation>
    </message>
    <message>
        <source>Trevlin could not unpack &quot;%1&quot;: %2</source>
        <translation>O Trevlin não conseguiu extrair &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Trevlin will not install &quot;%1&quot;: &quot;%2&quot; unpacks to more than it announced.</source>
        <translation>O Trevlin não vai instalar &quot;%1&quot;: &quot;%2&quot;, extraído, fica maior do que o anunciado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is shorter than announced.</source>
        <translation>&quot;%1&quot; em &quot;%2&quot; é menor do que o anunciado.</translation>
    </message>
</context>
<context>
    <name>AddOnControls</name>
    <message>
        <source>Edit Android Bots</source>
        <translation>Editar bots Android</translation>
    </message>
    <message>
        <source>Update AndroidBot</source>
        <translation>Atualizar AndroidBot</translation>
    </message>
    <message>
        <source>Android Bots</source>
        <translation>Bots Android</translation>
    </message>
    <message>
        <source>Here You Can Edit Your Android Bots</source>
        <translation>Aqui você pode editar seus bots Android</translation>
    </message>
    <message>
        <source>Edit RamBot Bots</source>
        <translation>Editar bots RamBot</translation>
    </message>
    <message>
        <source>Update RamBot </source>
        <translation>Atualizar RamBot</translation>
    </message>
    <message>
        <source>RamBot Bots</source>
        <translation>Bots RamBot</translation>
    </message>
    <message>
        <source>Here You Can Edit Your RamBot Bots</source>
        <translation>Aqui você pode editar seus bots RamBot</translation>
    </message>
    <message>
        <source>Edit RealBot Bots</source>
        <translation>Editar bots RealBot</translation>
    </message>
    <message>
        <source>Update RealBot</source>
        <translation>Atualizar RealBot</translation>
    </message>
    <message>
        <source>RealBot Bots</source>
        <translation>Bots RealBot</translation>
    </message>
    <message>
        <source>Here You Can Edit Your RealBot Bots</source>
        <translation>Aqui você pode editar seus bots RealBot</translation>
    </message>
    <message>
        <source>Edit NNBot Bots</source>
        <translation>Editar bots NNBot</translation>
    </message>
    <message>
        <source>Edit NNbot Bots</source>
        <translation>Editar bots NNBot</translation>
    </message>
    <message>
        <source>Update NNBot</source>
        <translation>Atualizar NNBot</translation>
    </message>
    <message>
        <source>NNBot Bots</source>
        <translation>Bots NNBot</translation>
    </message>
    <message>
        <source>Here You Can Edit Your NNBot Bots</source>
        <translation>Aqui você pode editar seus bots NNBot</translation>
    </message>
    <message>
        <source>Edit HPBBot Bots</source>
        <translation>Editar bots HPBBot</translation>
    </message>
    <message>
        <source>Edit HPB Bots</source>
        <translation>Editar bots HPB</translation>
    </message>
    <message>
        <source>Update HPBBot</source>
        <translation>Atualizar HPBBot</translation>
    </message>
    <message>
        <source>HPB Bots</source>
        <translation>Bots HPB</translation>
    </message>
    <message>
        <source>Here You Can Edit Your HPBBot Bots</source>
        <translation>Aqui você pode editar seus bots HPBBot</translation>
    </message>
    <message>
        <source>Edit SwatBot Bots</source>
        <translation>Editar bots SwatBot</translation>
    </message>
    <message>
        <source>Update SwatBot</source>
        <translation>Atualizar SwatBot</translation>
    </message>
    <message>
        <source>Swat Bots</source>
        <translation>Bots Swat</translation>
    </message>
    <message>
        <source>Here You Can Edit Your SwatBot Bots</source>
        <translation>Aqui você pode editar seus bots SwatBot</translation>
    </message>
    <message>
        <source>Edit PodBot Bots</source>
        <translation>Editar bots PodBot</translation>
    </message>
    <message>
        <source>Update PodBot</source>
        <translation>Atualizar PodBot</translation>
    </message>
    <message>
        <source>PodBot Bots</source>
        <translation>Bots PodBot</translation>
    </message>
    <message>
        <source>Here You Can Edit Your PodBot Bots</source>
        <translation>Aqui você pode editar seus bots PodBot</translation>
    </message>
    <message>
        <source>Edit AGBBot Bots</source>
        <translation>Editar bots AGBBot</translation>
    </message>
    <message>
        <source>Update AGBBot</source>
        <translation>Atualizar AGBBot</translation>
    </message>
    <message>
        <source>AGB Bots</source>
        <translation>Bots AGB</translation>
    </message>
    <message>
        <source>Here You Can Edit Your AGBBot Bots</source>
        <translation>Aqui você pode editar seus bots AGBBot</translation>
    </message>
    <message>
        <source>Edit PLBot Bots</source>
        <translation>Editar bots PLBot</translation>
    </message>
    <message>
        <source>Update PLBot</source>
        <translation>Atualizar PLBot</translation>
    </message>
    <message>
        <source>PL Bots</source>
        <translation>Bots PL</translation>
    </message>
    <message>
        <source>Here You Can Edit Your PLBot Bots</source>
        <translation>Aqui você pode editar seus bots PLBot</translation>
    </message>
    <message>
        <source>Edit ReduBot Bots</source>
        <translation>Editar bots ReduBot</translation>
    </message>
    <message>
        <source>Update ReduBot</source>
        <translation>Atualizar ReduBot</translation>
    </message>
    <message>
        <source>Redu Bots</source>
        <translation>Bots Redu</translation>
    </message>
    <message>
        <source>Here You Can Edit Your ReduBot Bots</source>
        <translation>Aqui você pode editar seus bots ReduBot</translation>
    </message>
    <message>
        <source>Edit BobaBot Bots</source>
        <translation>Editar bots BobaBot</translation>
    </message>
    <message>
        <source>Update BobaBot</source>
        <translation>Atualizar BobaBot</translation>
    </message>
    <message>
        <source>Boba Bots</source>
        <translation>Bots Boba</translation>
    </message>
    <message>
        <source>Here You Can Edit Your BobaBot Bots</source>
        <translation>Aqui você pode editar seus bots BobaBot</translation>
    </message>
</context>
<context>
    <name>AddOnInstall</name>
    <message>
        <source>%1 was installed from an archive already. Uninstall it first, so that Trevlin can still put back the files it replaced.</source>
        <translation>%1 já foi instalado de um arquivo compactado. Desinstale-o primeiro, para que o Trevlin ainda possa colocar de volta os arquivos que ele substituiu.</translation>
    </message>
    <message>
        <source>Trevlin does not know the folder to install %1 into.</source>
        <translation>O Trevlin não sabe em qual pasta instalar %1.</translation>
    </message>
    <message>
        <source>Trevlin could not make the folder &quot;%1&quot; to keep the files the add-on replaces.</source>
        <translation>O Trevlin não conseguiu criar a pasta &quot;%1&quot; para guardar os arquivos que o add-on substitui.</translation>
    </message>
    <message>
        <source>Trevlin could not keep the record of what %1 changes, so it did not install it: %2</source>
        <translation>O Trevlin não conseguiu guardar o registro do que %1 altera, por isso não o instalou: %2</translation>
    </message>
    <message>
        <source>Trevlin cannot read what the install of %1 changed.</source>
        <translation>O Trevlin não consegue ler o que a instalação de %1 alterou.</translation>
    </message>
    <message>
        <source>Trevlin could not remove &quot;%1&quot;.</source>
        <translation>O Trevlin não conseguiu remover &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Trevlin could not put the game&apos;s own liblist.gam back: %1</source>
        <translation>O Trevlin não conseguiu colocar de volta o liblist.gam do próprio jogo: %1</translation>
    </message>
    <message>
        <source>The archive names too many files, or names too long, for Trevlin to keep a record of what installing %1 changes.</source>
        <translation>O arquivo compactado tem arquivos demais, ou nomes longos demais, para o Trevlin guardar o registro do que a instalação de %1 altera.</translation>
    </message>
</context>
<context>
    <name>AddOnSetup</name>
    <message>
        <source>the file would not read back as written.</source>
        <translation>o arquivo não seria lido de volta como foi gravado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies outside the game folder &quot;%2&quot;: the game loads only a library inside it. Put the add-on&apos;s files into the game folder first.</source>
        <translation>&quot;%1&quot; fica fora da pasta do jogo &quot;%2&quot;: o jogo só carrega uma biblioteca que esteja dentro dela. Coloque primeiro os arquivos do add-on na pasta do jogo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>&quot;%1&quot; não é um arquivo.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be written into liblist.gam: it holds a character that the game&apos;s 8-bit files cannot hold, or a quote.</source>
        <translation>O nome &quot;%1&quot; não pode ser gravado no liblist.gam: ele contém um caractere que os arquivos de 8 bits do jogo não comportam, ou aspas.</translation>
    </message>
    <message>
        <source>no game library is chosen.</source>
        <translation>nenhuma biblioteca de jogo foi escolhida.</translation>
    </message>
    <message>
        <source>a library&apos;s name cannot be written into liblist.gam.</source>
        <translation>o nome de uma biblioteca não pode ser gravado no liblist.gam.</translation>
    </message>
    <message>
        <source>the folder holds no &quot;%1&quot;, the game&apos;s own descriptor.</source>
        <translation>a pasta não contém &quot;%1&quot;, o descritor do próprio jogo.</translation>
    </message>
    <message>
        <source>The folder holds none of the game&apos;s own libraries (%1).</source>
        <translation>A pasta não contém nenhuma das bibliotecas do próprio jogo (%1).</translation>
    </message>
    <message>
        <source>The folder holds no liblist.gam.</source>
        <translation>A pasta não contém nenhum liblist.gam.</translation>
    </message>
</context>
<context>
    <name>AndroidFormat</name>
    <message>
        <source>Skill %1 to %2 (%2=best)</source>
        <translation>Habilidade de %1 a %2 (%2 = melhor)</translation>
    </message>
    <message>
        <source>You have to name the bot</source>
        <translation>Você precisa dar um nome ao bot</translation>
    </message>
    <message>
        <source>You have to select a team for the bot</source>
        <translation>Você precisa selecionar um time para o bot</translation>
    </message>
    <message>
        <source>You have to enter a skill level for the bot</source>
        <translation>Você precisa informar um nível de habilidade para o bot</translation>
    </message>
    <message>
        <source>The skill level must be between %1 and %2</source>
        <translation>O nível de habilidade deve estar entre %1 e %2</translation>
    </message>
    <message>
        <source>The bot name holds a character that a Counter-Strike config file cannot carry. Please use another name.</source>
        <translation>O nome do bot contém um caractere que um arquivo de configuração do Counter-Strike não comporta. Use outro nome.</translation>
    </message>
    <message>
        <source>The option &quot;Time Before Bot Entry&quot; cannot be saved, because %1 is not a number from -32768 to 32767.</source>
        <translation>A opção &quot;Tempo até a entrada dos bots&quot; não pode ser salva porque %1 não é um número de -32768 a 32767.</translation>
    </message>
    <message>
        <source>The option &quot;Minimum Bot Skill&quot; cannot be saved, because it holds a character that a Counter-Strike config file cannot carry.</source>
        <translation>A opção &quot;Habilidade mínima dos bots&quot; não pode ser salva porque contém um caractere que um arquivo de configuração do Counter-Strike não comporta.</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its team %2 is none of &quot;Terrorist&quot;, &quot;Counter Terrorist&quot; and &quot;Auto Assign&quot;.</source>
        <translation>O bot %1 não pode ser salvo porque o time dele, %2, não é &quot;Terrorist&quot;, &quot;Counter Terrorist&quot; nem &quot;Auto Assign&quot;.</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its skill %2 is not a number.</source>
        <translation>O bot %1 não pode ser salvo porque a habilidade dele, %2, não é um número.</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved as the first bot, because the first bot&apos;s name cannot contain blanks. Please change its name, or delete it and add it again after another bot.</source>
        <translation>O bot %1 não pode ser salvo como primeiro bot porque o nome do primeiro bot não pode conter espaços. Altere o nome dele, ou exclua-o e adicione-o de novo depois de outro bot.</translation>
    </message>
</context>
<context>
    <name>AndroidPanel</name>
    <message>
        <source>Android Bots</source>
        <translation>Bots Android</translation>
    </message>
    <message>
        <source>Registered Bots</source>
        <translation>Bots registrados</translation>
    </message>
    <message>
        <source>Bot Name</source>
        <translation>Nome do bot</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Habilidade</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Add Bot</source>
        <translation>Adicionar bot</translation>
    </message>
    <message>
        <source>&amp;Add Bot</source>
        <translation>A&amp;dicionar bot</translation>
    </message>
    <message>
        <source>Edit Bot</source>
        <translation>Editar bot</translation>
    </message>
    <message>
        <source>&amp;Edit Bot</source>
        <translation>&amp;Editar bot</translation>
    </message>
    <message>
        <source>Delete Bot</source>
        <translation>Excluir bot</translation>
    </message>
    <message>
        <source>Delete &amp;Bot</source>
        <translation>E&amp;xcluir bot</translation>
    </message>
    <message>
        <source>Add Multiple Bots</source>
        <translation>Adicionar vários bots</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Time Before Bot Entry:</source>
        <translation>Tempo até a entrada dos bots:</translation>
    </message>
    <message>
        <source>Auto Team Balance</source>
        <translation>Balanceamento automático dos times</translation>
    </message>
    <message>
        <source>Bot Dependant Options</source>
        <translation>Opções dependentes do bot</translation>
    </message>
    <message>
        <source>Bot Chatting:</source>
        <translation>Chat dos bots:</translation>
    </message>
    <message>
        <source>Jason Mode:</source>
        <translation>Modo Jason:</translation>
    </message>
    <message>
        <source>Minimum Bot Skill:</source>
        <translation>Habilidade mínima dos bots:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Concluir</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Trevlin starts without its settings and will not change them.</source>
        <translation>O Trevlin inicia sem as configurações dele e não vai alterá-las.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; was damaged. Trevlin kept it as &quot;%2&quot; and goes on with the settings it could read from it.</source>
        <translation>O arquivo de configurações &quot;%1&quot; estava danificado. O Trevlin guardou-o como &quot;%2&quot; e continua com as configurações que conseguiu ler dele.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged, and Trevlin could not keep a copy of it aside. Trevlin goes on with the settings it could read from it, and will not change them.</source>
        <translation>O arquivo de configurações &quot;%1&quot; está danificado, e o Trevlin não conseguiu guardar uma cópia dele. O Trevlin continua com as configurações que conseguiu ler dele e não vai alterá-las.</translation>
    </message>
</context>
<context>
    <name>ArchiveInstall</name>
    <message>
        <source>Install An Add-on From Its Archive</source>
        <translation>Instalar um add-on do arquivo compactado</translation>
    </message>
    <message>
        <source>Add-on archives (*.zip *.7z *.tar.gz *.tgz *.tar.bz2 *.tar.xz *.rar);;All files (*)</source>
        <translation>Arquivos compactados de add-ons (*.zip *.7z *.tar.gz *.tgz *.tar.bz2 *.tar.xz *.rar);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Nothing was installed.</source>
        <translation>Nada foi instalado.</translation>
    </message>
    <message>
        <source>Trevlin puts the files of &quot;%1&quot; into the game&apos;s folders, all of them or none. Every game file it replaces is kept first, so that Uninstall can put it back.</source>
        <translation>O Trevlin coloca os arquivos de &quot;%1&quot; nas pastas do jogo, todos ou nenhum. Cada arquivo do jogo que ele substitui é guardado antes, para que a desinstalação possa colocá-lo de volta.</translation>
    </message>
    <message>
        <source>&amp;Add-on:</source>
        <translation>&amp;Add-on:</translation>
    </message>
    <message>
        <source>The Counter-Strike folder (%1)</source>
        <translation>A pasta do Counter-Strike (%1)</translation>
    </message>
    <message>
        <source>The Half-Life folder (%1)</source>
        <translation>A pasta do Half-Life (%1)</translation>
    </message>
    <message>
        <source>Install i&amp;nto:</source>
        <translation>Instalar &amp;em:</translation>
    </message>
    <message>
        <source>&amp;Leave out the archive&apos;s top folder &quot;%1&quot;</source>
        <translation>&amp;Omitir a pasta principal &quot;%1&quot; do arquivo compactado</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Goes to, below that folder</source>
        <translation>Destino, dentro dessa pasta</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>The archive&apos;s files and where each will go</source>
        <translation>Os arquivos do arquivo compactado e o destino de cada um</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Instalar</translation>
    </message>
    <message>
        <source>(replaces the file there, which is kept)</source>
        <translation>(substitui o arquivo que está lá, que é guardado)</translation>
    </message>
    <message>
        <source>No staging folder could be made in %1: %2</source>
        <translation>Nenhuma pasta de preparação pôde ser criada em %1: %2</translation>
    </message>
    <message>
        <source>Nothing was installed; the game&apos;s folders are as they were.</source>
        <translation>Nada foi instalado; as pastas do jogo continuam como estavam.</translation>
    </message>
    <message>
        <source>%1 is installed: %2 files added, %3 replaced (kept for Uninstall).</source>
        <translation>%1 foi instalado: %2 arquivos adicionados, %3 substituídos (guardados para a desinstalação).</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>there is not enough free space on the disk</source>
        <translation>não há espaço livre suficiente no disco</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>o arquivo não pôde ser gravado por completo</translation>
    </message>
    <message>
        <source>it is a link to a file whose name Trevlin cannot write</source>
        <translation>é um link para um arquivo cujo nome o Trevlin não consegue gravar</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>o arquivo não pôde ser gravado</translation>
    </message>
    <message>
        <source>Trevlin could not save &quot;%1&quot;: %2</source>
        <translation>O Trevlin não conseguiu salvar &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>AutostartFile</name>
    <message>
        <source>This Is Not A Valid Config File For The Selected Bot</source>
        <translation>Este não é um arquivo de configuração válido para o bot selecionado</translation>
    </message>
    <message>
        <source>Please select a config file in the list first.</source>
        <translation>Selecione primeiro um arquivo de configuração na lista.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a config file but a folder or a device.</source>
        <translation>&quot;%1&quot; não é um arquivo de configuração, e sim uma pasta ou um dispositivo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not there any more.</source>
        <translation>O arquivo &quot;%1&quot; não existe mais.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a config file: it holds %2 MB, and config files are never larger than %3 MB.</source>
        <translation>&quot;%1&quot; é grande demais para um arquivo de configuração: tem %2 MB, e arquivos de configuração nunca passam de %3 MB.</translation>
    </message>
    <message>
        <source>Trevlin could not read &quot;%1&quot;: %2</source>
        <translation>O Trevlin não conseguiu ler &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>This config file is made with another version. Unable to load.</source>
        <translation>Este arquivo de configuração foi feito com outra versão. Não é possível carregá-lo.</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>não foi possível criar a pasta dele</translation>
    </message>
    <message>
        <source>Trevlin could not copy &quot;%1&quot; to &quot;%2&quot;: %3

The autostart file is as it was.</source>
        <translation>O Trevlin não conseguiu copiar &quot;%1&quot; para &quot;%2&quot;: %3

O arquivo de inicialização automática continua como estava.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is now the autostart file, but Trevlin could not remember that in &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; agora é o arquivo de inicialização automática, mas o Trevlin não conseguiu registrar isso em &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Trevlin could not delete &quot;%1&quot;: %2</source>
        <translation>O Trevlin não conseguiu excluir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The autostart file is cleared, but Trevlin could not remember that in &quot;%1&quot;.</source>
        <translation>O arquivo de inicialização automática foi removido, mas o Trevlin não conseguiu registrar isso em &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>AutostartFrame</name>
    <message>
        <source>Config File To Run</source>
        <translation>Arquivo de configuração a executar</translation>
    </message>
    <message>
        <source>Select Autostart File</source>
        <translation>Selecionar arquivo de inicialização</translation>
    </message>
    <message>
        <source>No Autostart File</source>
        <translation>Sem arquivo de inicialização</translation>
    </message>
    <message>
        <source>This Will Allow You To Select The Config File To Launch On Startup</source>
        <translation>Permite selecionar o arquivo de configuração a executar na inicialização</translation>
    </message>
    <message>
        <source>This Option Will Make CS Start Without Any Config File Beeing Launched Automaticly</source>
        <translation>Esta opção faz o CS iniciar sem executar automaticamente nenhum arquivo de configuração</translation>
    </message>
    <message>
        <source>This Is The Config File Wich Will Launch Automaticly When CS Starts   Double click to edit this file.</source>
        <translation>Este é o arquivo de configuração que será executado automaticamente quando o CS iniciar. Clique duas vezes para editar este arquivo.</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Não disponível</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
</context>
<context>
    <name>BotDialog</name>
    <message>
        <source>Bot Name</source>
        <translation>Nome do bot</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Habilidade</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Apply To All</source>
        <translation>Aplicar a todos</translation>
    </message>
    <message>
        <source>Skin Preview</source>
        <translation>Prévia da skin</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Concluir</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>C&amp;ancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Edit Bot</source>
        <translation>Editar bot</translation>
    </message>
    <message>
        <source>Add Bot</source>
        <translation>Adicionar bot</translation>
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
        <translation>O arquivo &quot;%1&quot; não existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file but a folder, a pipe or a device, so Trevlin did not read it.</source>
        <translation>&quot;%1&quot; não é um arquivo, e sim uma pasta, um pipe ou um dispositivo, por isso o Trevlin não o leu.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is larger than %2, far more than such a file ever holds, so Trevlin did not read it.</source>
        <translation>O arquivo &quot;%1&quot; é maior que %2, muito mais do que um arquivo assim costuma ter, por isso o Trevlin não o leu.</translation>
    </message>
    <message>
        <source>Trevlin could not read &quot;%1&quot;: %2</source>
        <translation>O Trevlin não conseguiu ler &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Trevlin starts Counter-Strike with a bot add-on of your choice and edits the add-ons&apos; bot rosters and options.</source>
        <translation>O Trevlin inicia o Counter-Strike com o add-on de bots que você escolher e edita as listas de bots e as opções dos add-ons.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version and Qt&apos;s.</source>
        <translation>Mostra a versão do programa e a do Qt.</translation>
    </message>
    <message>
        <source>Uses this Counter-Strike folder (the one holding cstrike.ico) for this run, without changing the folder remembered in the settings.</source>
        <translation>Usa esta pasta do Counter-Strike (a que contém cstrike.ico) nesta execução, sem alterar a pasta guardada nas configurações.</translation>
    </message>
    <message>
        <source>Starts the game with this add-on (for example RamBot, or &quot;Original CS&quot; for none) without showing the window.</source>
        <translation>Inicia o jogo com este add-on (por exemplo RamBot, ou &quot;Original CS&quot; para nenhum) sem mostrar a janela.</translation>
    </message>
    <message>
        <source>Shows pictures at once, without moving effects.</source>
        <translation>Mostra as imagens de imediato, sem efeitos de movimento.</translation>
    </message>
    <message>
        <source>Shows the texts in this language for this run: %1.</source>
        <translation>Mostra os textos neste idioma nesta execução: %1.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>Trevlin has no texts in &quot;%1&quot;; it has %2.</source>
        <translation>O Trevlin não tem textos em &quot;%1&quot;; ele tem %2.</translation>
    </message>
    <message>
        <source>path</source>
        <translation>caminho</translation>
    </message>
    <message>
        <source>add-on</source>
        <translation>add-on</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Arquivo:</translation>
    </message>
    <message>
        <source>Type or paste the path of a config file or of its folder, or choose it above</source>
        <translation>Digite ou cole o caminho de um arquivo de configuração ou da pasta dele, ou escolha-o acima</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select %1 Autostart File</source>
        <translation>Selecionar arquivo de inicialização do %1</translation>
    </message>
</context>
<context>
    <name>ConfigScreen</name>
    <message>
        <source>Configure Counter - Strike</source>
        <translation>Configurar o Counter-Strike</translation>
    </message>
    <message>
        <source>Server Name:</source>
        <translation>Nome do servidor:</translation>
    </message>
    <message>
        <source>Server Name</source>
        <translation>Nome do servidor</translation>
    </message>
    <message>
        <source>Roundtime (Minutes)</source>
        <translation>Tempo da rodada (minutos)</translation>
    </message>
    <message>
        <source>Sets the maximum amount of time for each round - ranges between 3 and 15 minutes</source>
        <translation>Define o tempo máximo de cada rodada, entre 3 e 15 minutos</translation>
    </message>
    <message>
        <source>Timelimit (Minutes)</source>
        <translation>Limite de tempo (minutos)</translation>
    </message>
    <message>
        <source>Sets the maximum amount of time in minutes between map rotations</source>
        <translation>Define o tempo máximo em minutos entre as trocas de mapa</translation>
    </message>
    <message>
        <source>Freezetime (Seconds)</source>
        <translation>Tempo de congelamento (segundos)</translation>
    </message>
    <message>
        <source>Sets the amount of &quot;freeze&quot; time at the beginning of each round to buy weapons and equipment</source>
        <translation>Define o tempo de &quot;congelamento&quot; no início de cada rodada para comprar armas e equipamentos</translation>
    </message>
    <message>
        <source>Restart Round (Seconds)</source>
        <translation>Reiniciar rodada (segundos)</translation>
    </message>
    <message>
        <source>Sets the amount of time before resetting the game, including frags, weapons, money, and scores - Use setting of &apos;0&apos; to disable these restarts</source>
        <translation>Define o tempo até reiniciar o jogo, incluindo frags, armas, dinheiro e placar; use o valor &quot;0&quot; para desativar esses reinícios</translation>
    </message>
    <message>
        <source>C4 Timer (Seconds)</source>
        <translation>Timer da C4 (segundos)</translation>
    </message>
    <message>
        <source>Sets the amount of time in between C4 placement and its explosion</source>
        <translation>Define o tempo entre a colocação da C4 e a explosão dela</translation>
    </message>
    <message>
        <source>Maximum Shells</source>
        <translation>Máximo de cápsulas</translation>
    </message>
    <message>
        <source>Sets the number of shells visible at one time</source>
        <translation>Define o número de cápsulas visíveis ao mesmo tempo</translation>
    </message>
    <message>
        <source>Maximum Smoke Puffs</source>
        <translation>Máximo de nuvens de fumaça</translation>
    </message>
    <message>
        <source>Sets the number of smoke puffs visible at one time</source>
        <translation>Define o número de nuvens de fumaça visíveis ao mesmo tempo</translation>
    </message>
    <message>
        <source>Hostage Penalty</source>
        <translation>Penalidade por reféns</translation>
    </message>
    <message>
        <source>Sets the number of hostages a player can kill before they are booted from the server</source>
        <translation>Define quantos reféns um jogador pode matar antes de ser expulso do servidor</translation>
    </message>
    <message>
        <source>Limit Teams</source>
        <translation>Limitar times</translation>
    </message>
    <message>
        <source>Sets the maximum number of players that one team can have more than the other team</source>
        <translation>Define quantos jogadores um time pode ter a mais que o outro</translation>
    </message>
    <message>
        <source>Maximum Client Speed</source>
        <translation>Velocidade máxima do cliente</translation>
    </message>
    <message>
        <source>Friendly Fire</source>
        <translation>Fogo amigo</translation>
    </message>
    <message>
        <source>Toggles friendly fire</source>
        <translation>Liga ou desliga o fogo amigo</translation>
    </message>
    <message>
        <source>Friendly Grenade Damage</source>
        <translation>Dano de granada aos aliados</translation>
    </message>
    <message>
        <source>Toggles team damage produced by grenades</source>
        <translation>Liga ou desliga o dano ao próprio time causado por granadas</translation>
    </message>
    <message>
        <source>Automatic Team-Killer Banning</source>
        <translation>Banimento automático de quem mata aliados</translation>
    </message>
    <message>
        <source>Toggles automatic team-killer banning and kicking of idle clients</source>
        <translation>Liga ou desliga o banimento automático de quem mata aliados e a expulsão de clientes inativos</translation>
    </message>
    <message>
        <source>Footsteps</source>
        <translation>Passos</translation>
    </message>
    <message>
        <source>Toggles footstep sounds</source>
        <translation>Liga ou desliga o som dos passos</translation>
    </message>
    <message>
        <source>Flashlight</source>
        <translation>Lanterna</translation>
    </message>
    <message>
        <source>Toggles the use of flashlights by clients</source>
        <translation>Liga ou desliga o uso de lanternas pelos clientes</translation>
    </message>
    <message>
        <source>Falldamage</source>
        <translation>Dano de queda</translation>
    </message>
    <message>
        <source>You are hurt when falling from high places</source>
        <translation>Você se fere ao cair de lugares altos</translation>
    </message>
    <message>
        <source>Observer Chasecam Only</source>
        <translation>Observador só com câmera de perseguição</translation>
    </message>
    <message>
        <source>Limits observers to only chase modes</source>
        <translation>Limita os observadores aos modos de perseguição</translation>
    </message>
    <message>
        <source>Punish Team-Killers</source>
        <translation>Punir quem mata aliados</translation>
    </message>
    <message>
        <source>Toggles the forcing of a player to sit out the next round if he has just killed a teammate</source>
        <translation>Liga ou desliga a obrigação de ficar fora da próxima rodada para o jogador que acabou de matar um colega de time</translation>
    </message>
    <message>
        <source>Log Messages</source>
        <translation>Registrar mensagens</translation>
    </message>
    <message>
        <source>Toggles logging of chat messages in the log files</source>
        <translation>Liga ou desliga o registro das mensagens de chat nos arquivos de log</translation>
    </message>
    <message>
        <source>Display Map Breiefings</source>
        <translation>Mostrar resumos dos mapas</translation>
    </message>
    <message>
        <source>Toggles displaying of map briefings after loading a new map</source>
        <translation>Liga ou desliga a exibição do resumo do mapa depois de carregar um novo mapa</translation>
    </message>
    <message>
        <source>Display Hint Messages</source>
        <translation>Mostrar dicas</translation>
    </message>
    <message>
        <source>Toggles Auto-Help (gives player hint messages throught the game)</source>
        <translation>Liga ou desliga a ajuda automática (dá dicas ao jogador durante o jogo)</translation>
    </message>
    <message>
        <source>Complex Server Decals/Physics</source>
        <translation>Decalques/física complexos no servidor</translation>
    </message>
    <message>
        <source>Use setting of &apos;1&apos; to enable complex decals and server physics for faster and better servers, and use &apos;0&apos; to disable this feature</source>
        <translation>Use o valor &quot;1&quot; para ativar decalques complexos e física no servidor para servidores mais rápidos e melhores, e &quot;0&quot; para desativar este recurso</translation>
    </message>
    <message>
        <source>Autoaim</source>
        <translation>Mira automática</translation>
    </message>
    <message>
        <source>This will make the computer help you to aim</source>
        <translation>Faz o computador ajudar você a mirar</translation>
    </message>
    <message>
        <source>Pausable</source>
        <translation>Pausável</translation>
    </message>
    <message>
        <source>This allows clients to pause the server</source>
        <translation>Permite que os clientes pausem o servidor</translation>
    </message>
    <message>
        <source>Force Chasecam To Teammates</source>
        <translation>Câmera de perseguição só em aliados</translation>
    </message>
    <message>
        <source>Toggles the chasecam to follow teammates only</source>
        <translation>Faz a câmera de perseguição seguir só os colegas de time</translation>
    </message>
    <message>
        <source>Auto Team Balance</source>
        <translation>Balanceamento automático dos times</translation>
    </message>
    <message>
        <source>Toggles the forcing of clients to join teams to make it balanced</source>
        <translation>Liga ou desliga a obrigação de os clientes entrarem nos times de modo a equilibrá-los</translation>
    </message>
    <message>
        <source>Enable Cheats</source>
        <translation>Ativar trapaças</translation>
    </message>
    <message>
        <source>Edit Server Text</source>
        <translation>Editar texto do servidor</translation>
    </message>
    <message>
        <source>Edit Map Cycle</source>
        <translation>Editar ciclo de mapas</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Concluir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>C&amp;ancelar</translation>
    </message>
    <message>
        <source>The server settings have changes that are not saved. Do you want to save them?</source>
        <translation>As configurações do servidor têm alterações não salvas. Deseja salvá-las?</translation>
    </message>
</context>
<context>
    <name>DescriptorOffer</name>
    <message>
        <source>The liblist.gam in &quot;%1&quot; names no game library, so it is not the game&apos;s own.</source>
        <translation>O liblist.gam em &quot;%1&quot; não indica nenhuma biblioteca de jogo, então não é o do próprio jogo.</translation>
    </message>
    <message>
        <source>The liblist.gam in &quot;%1&quot; starts the game library &quot;%2&quot;, which is not the game&apos;s own.</source>
        <translation>O liblist.gam em &quot;%1&quot; inicia a biblioteca de jogo &quot;%2&quot;, que não é a do próprio jogo.</translation>
    </message>
    <message>
        <source>Trevlin needs the game&apos;s own liblist.gam in this folder: put it back, then select the folder again.</source>
        <translation>O Trevlin precisa do liblist.gam do próprio jogo nesta pasta: coloque-o de volta e selecione a pasta de novo.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds the game&apos;s own liblist.gam but no copy of it named &quot;%2&quot;, which Trevlin needs to start the game without bots and to put the game back after an add-on.

Keep a copy of it now as &quot;%2&quot;?</source>
        <translation>A pasta &quot;%1&quot; contém o liblist.gam do próprio jogo, mas nenhuma cópia dele chamada &quot;%2&quot;, de que o Trevlin precisa para iniciar o jogo sem bots e para restaurar o jogo depois de um add-on.

Guardar uma cópia dele agora como &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>Trevlin could not keep a copy of liblist.gam as &quot;%1&quot;: %2</source>
        <translation>O Trevlin não conseguiu guardar uma cópia do liblist.gam como &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Keep a copy of it as &quot;%1&quot; that starts the game&apos;s own library (%2) instead?</source>
        <translation>Guardar uma cópia dele como &quot;%1&quot; que inicie a biblioteca do próprio jogo (%2) em vez disso?</translation>
    </message>
    <message>
        <source>Trevlin could not write &quot;%1&quot;: %2</source>
        <translation>O Trevlin não conseguiu gravar &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>DirSelect</name>
    <message>
        <source>Directory Selection</source>
        <translation>Seleção de pasta</translation>
    </message>
    <message>
        <source>&amp;Drive:</source>
        <translation>&amp;Unidade:</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Pasta:</translation>
    </message>
    <message>
        <source>Type or paste the path of your Counter-Strike folder, or choose it below</source>
        <translation>Digite ou cole o caminho da sua pasta do Counter-Strike, ou escolha-a abaixo</translation>
    </message>
    <message>
        <source>Counter-Strike &amp;found on this computer:</source>
        <translation>Counter-Strike &amp;encontrado neste computador:</translation>
    </message>
    <message>
        <source>Chosen Folder</source>
        <translation>Pasta escolhida</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>This Is Not A Valid Counter-Strike Directory</source>
        <translation>Esta não é uma pasta válida do Counter-Strike</translation>
    </message>
    <message>
        <source>Trevlin could not write hl.bat, the file that starts the game, in the folder &quot;%1&quot;: %2</source>
        <translation>O Trevlin não conseguiu gravar o hl.bat, o arquivo que inicia o jogo, na pasta &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The folder is taken for now, but Trevlin could not save its settings in &quot;%1&quot;, so you will have to choose the folder again at the next start.</source>
        <translation>A pasta foi aceita por agora, mas o Trevlin não conseguiu salvar as configurações em &quot;%1&quot;, então você terá de escolher a pasta de novo na próxima inicialização.</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>&amp;Drive:</source>
        <translation>&amp;Unidade:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>F&amp;olders:</source>
        <translation>&amp;Pastas:</translation>
    </message>
    <message>
        <source>F&amp;iles:</source>
        <translation>Arqui&amp;vos:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
</context>
<context>
    <name>FileCommit</name>
    <message>
        <source>%1 is not below the folders the files go to</source>
        <translation>%1 não está dentro das pastas para onde os arquivos vão</translation>
    </message>
    <message>
        <source>The folder %1 is not there</source>
        <translation>A pasta %1 não existe</translation>
    </message>
    <message>
        <source>%1 is named twice</source>
        <translation>%1 aparece duas vezes</translation>
    </message>
    <message>
        <source>%1 and %2 differ only in letter case</source>
        <translation>%1 e %2 diferem só em maiúsculas e minúsculas</translation>
    </message>
    <message>
        <source>%1 is to be a file and a folder at once</source>
        <translation>%1 teria de ser um arquivo e uma pasta ao mesmo tempo</translation>
    </message>
    <message>
        <source>%1 has the name of the copy put beside another file</source>
        <translation>%1 tem o nome da cópia colocada ao lado de outro arquivo</translation>
    </message>
    <message>
        <source>%1 is a link that leads outside %2</source>
        <translation>%1 é um link que leva para fora de %2</translation>
    </message>
    <message>
        <source>%1 is a file where a folder must be</source>
        <translation>%1 é um arquivo onde deve haver uma pasta</translation>
    </message>
    <message>
        <source>%1 is a folder where a file must be</source>
        <translation>%1 é uma pasta onde deve haver um arquivo</translation>
    </message>
    <message>
        <source>These files could not be put back: %1</source>
        <translation>Estes arquivos não puderam ser colocados de volta: %1</translation>
    </message>
    <message>
        <source>The folder for %1 could not be made</source>
        <translation>A pasta para %1 não pôde ser criada</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 não pôde ser gravado: %2</translation>
    </message>
    <message>
        <source>The earlier %1 could not be kept: %2</source>
        <translation>O %1 anterior não pôde ser guardado: %2</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation>%1 não pôde ser substituído: %2</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
</context>
<context>
    <name>GameDescriptor</name>
    <message>
        <source>The folder already holds &quot;%1&quot;.</source>
        <translation>A pasta já contém &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The folder holds no %1.</source>
        <translation>A pasta não contém nenhum %1.</translation>
    </message>
    <message>
        <source>Its %1 starts &quot;%2&quot;, not the game&apos;s own library.</source>
        <translation>O %1 dela inicia &quot;%2&quot;, e não a biblioteca do próprio jogo.</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>There is no readable &quot;%1&quot; in the folder &quot;%2&quot;.</source>
        <translation>Não há um &quot;%1&quot; legível na pasta &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Trevlin could not put &quot;%1&quot; in place of liblist.gam in the folder &quot;%2&quot;: %3

The game folder still holds its previous liblist.gam.</source>
        <translation>O Trevlin não conseguiu colocar &quot;%1&quot; no lugar do liblist.gam na pasta &quot;%2&quot;: %3

A pasta do jogo continua com o liblist.gam anterior.</translation>
    </message>
    <message>
        <source>Counter-Strike could not be started: %1 did not run.</source>
        <translation>Não foi possível iniciar o Counter-Strike: %1 não foi executado.</translation>
    </message>
    <message>
        <source>Counter-Strike was started with %1: %2</source>
        <translation>O Counter-Strike foi iniciado com %1: %2</translation>
    </message>
    <message>
        <source>Counter-Strike was started without bots: %1</source>
        <translation>O Counter-Strike foi iniciado sem bots: %1</translation>
    </message>
    <message>
        <source>Counter-Strike was started through Steam with %1: %2</source>
        <translation>O Counter-Strike foi iniciado pelo Steam com %1: %2</translation>
    </message>
    <message>
        <source>Counter-Strike was started through Steam without bots: %1</source>
        <translation>O Counter-Strike foi iniciado pelo Steam sem bots: %1</translation>
    </message>
</context>
<context>
    <name>GameSetup</name>
    <message>
        <source>Without it Trevlin does not know the installed Counter-Strike version, and asks about the version at every launch.</source>
        <translation>Sem ele, o Trevlin não sabe a versão instalada do Counter-Strike e pergunta a versão a cada inicialização.</translation>
    </message>
</context>
<context>
    <name>ItemInstaller</name>
    <message>
        <source>its root folder %1 is not there</source>
        <translation>a pasta raiz %1 dele não existe</translation>
    </message>
    <message>
        <source>The file list of %1 could not be fetched: %2</source>
        <translation>A lista de arquivos de %1 não pôde ser obtida: %2</translation>
    </message>
    <message>
        <source>The file list of %1 is refused: %2.</source>
        <translation>A lista de arquivos de %1 foi recusada: %2.</translation>
    </message>
    <message>
        <source>Getting File : %1</source>
        <translation>Obtendo arquivo: %1</translation>
    </message>
    <message>
        <source>The download could not be stored: %1</source>
        <translation>O download não pôde ser armazenado: %1</translation>
    </message>
    <message>
        <source>%1 could not be fetched: %2</source>
        <translation>%1 não pôde ser obtido: %2</translation>
    </message>
    <message>
        <source>%1 does not match its sha256 hash in the file list</source>
        <translation>%1 não confere com o hash sha256 dele na lista de arquivos</translation>
    </message>
    <message>
        <source>Getting File : %1 ... Done</source>
        <translation>Obtendo arquivo: %1 ... Concluído</translation>
    </message>
    <message>
        <source>There is not enough free space in %1 to put %2 in place</source>
        <translation>Não há espaço livre suficiente em %1 para instalar %2</translation>
    </message>
    <message>
        <source>The update would stage more than its limit of %1 bytes</source>
        <translation>A atualização prepararia mais que o limite de %1 bytes</translation>
    </message>
    <message>
        <source>The signature of %1 could not be fetched: %2</source>
        <translation>A assinatura de %1 não pôde ser obtida: %2</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Trevlin could not save the language in &quot;%1&quot;.</source>
        <translation>O Trevlin não conseguiu salvar o idioma em &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The texts will be in the chosen language when Trevlin starts next.</source>
        <translation>Os textos estarão no idioma escolhido na próxima vez que o Trevlin iniciar.</translation>
    </message>
</context>
<context>
    <name>ListSignature</name>
    <message>
        <source>The list&apos;s signature is damaged: it is not a minisign signature file.</source>
        <translation>A assinatura da lista está danificada: não é um arquivo de assinatura do minisign.</translation>
    </message>
    <message>
        <source>This program trusts no signing key.</source>
        <translation>Este programa não confia em nenhuma chave de assinatura.</translation>
    </message>
    <message>
        <source>The signing key this program trusts is not a minisign public key.</source>
        <translation>A chave de assinatura em que este programa confia não é uma chave pública do minisign.</translation>
    </message>
    <message>
        <source>The signature cannot be checked: the cryptography library did not start.</source>
        <translation>A assinatura não pode ser verificada: a biblioteca de criptografia não iniciou.</translation>
    </message>
    <message>
        <source>The list has no signature.</source>
        <translation>A lista não tem assinatura.</translation>
    </message>
    <message>
        <source>The list&apos;s signature has no trusted comment.</source>
        <translation>A assinatura da lista não tem comentário confiável.</translation>
    </message>
    <message>
        <source>The list was signed with another key (%1) than the one this program trusts (%2).</source>
        <translation>A lista foi assinada com outra chave (%1), e não com a chave em que este programa confia (%2).</translation>
    </message>
    <message>
        <source>The list does not match its signature: it was changed after it was signed.</source>
        <translation>A lista não confere com a assinatura dela: foi alterada depois de assinada.</translation>
    </message>
    <message>
        <source>The trusted comment of the list&apos;s signature was changed after it was signed.</source>
        <translation>O comentário confiável da assinatura da lista foi alterado depois de assinado.</translation>
    </message>
    <message>
        <source>Its signature carries no time (&quot;timestamp:&quot; in its trusted comment), so it cannot be told from an older list.</source>
        <translation>A assinatura dele não traz data e hora (&quot;timestamp:&quot; no comentário confiável), então não dá para distingui-lo de uma lista mais antiga.</translation>
    </message>
    <message>
        <source>It was signed on %1, before the one taken last (signed on %2): the server must not take you back to older files.</source>
        <translation>Ele foi assinado em %1, antes do último aceito (assinado em %2): o servidor não pode levar você de volta a arquivos mais antigos.</translation>
    </message>
    <message>
        <source>%1 is refused. %2</source>
        <translation>%1 foi recusado. %2</translation>
    </message>
    <message>
        <source>Its signature names no file (&quot;file:&quot; in its trusted comment), so it cannot be told from another list.</source>
        <translation>A assinatura dele não nomeia nenhum arquivo (&quot;file:&quot; no comentário confiável), então não dá para distingui-lo de outra lista.</translation>
    </message>
    <message>
        <source>It was signed as %1: the server must not hand one list out as another.</source>
        <translation>Ele foi assinado como %1: o servidor não pode entregar uma lista no lugar de outra.</translation>
    </message>
</context>
<context>
    <name>ListenServerFile</name>
    <message>
        <source>The File &apos;LISTENSERVER.CFG&apos; Was Not Found. Default Trevlin Settings Were Loaded.</source>
        <translation>O arquivo &quot;LISTENSERVER.CFG&quot; não foi encontrado. As configurações padrão do Trevlin foram carregadas.</translation>
    </message>
    <message>
        <source>Your Listenserver File Is Not A Trevlin Config File. Default Trevlin Settings Were Loaded.</source>
        <translation>Seu arquivo listenserver não é um arquivo de configuração do Trevlin. As configurações padrão do Trevlin foram carregadas.</translation>
    </message>
    <message>
        <source>The box &quot;%1&quot;</source>
        <translation>O campo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 holds a double quote, which the game takes for the end of the name. Please change it and try again.</source>
        <translation>%1 contém aspas duplas, que o jogo entende como o fim do nome. Altere e tente de novo.</translation>
    </message>
    <message>
        <source>Trevlin could not move &quot;%1&quot; aside as &quot;game.trb&quot;: %2. Both files are as they were.</source>
        <translation>O Trevlin não conseguiu renomear &quot;%1&quot; para &quot;game.trb&quot;: %2. Os dois arquivos continuam como estavam.</translation>
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
        <translation>Selecione o tipo de bot</translation>
    </message>
    <message>
        <source>Bot Info</source>
        <translation>Informações do bot</translation>
    </message>
    <message>
        <source>Required CS Version:</source>
        <translation>Versão do CS exigida:</translation>
    </message>
    <message>
        <source>Required Half-Life Version:</source>
        <translation>Versão do Half-Life exigida:</translation>
    </message>
    <message>
        <source>Uses DLL File:</source>
        <translation>Usa o arquivo DLL:</translation>
    </message>
    <message>
        <source>Supported Maps</source>
        <translation>Mapas suportados</translation>
    </message>
    <message>
        <source>Config File To Run</source>
        <translation>Arquivo de configuração a executar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Server Configuration</source>
        <translation>Configuração do servidor</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Updates</source>
        <translation>A&amp;tualizações</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Configure CS</source>
        <translation>&amp;Configurar CS</translation>
    </message>
    <message>
        <source>&amp;Select Directory</source>
        <translation>&amp;Selecionar pasta</translation>
    </message>
    <message>
        <source>Update All</source>
        <translation>Atualizar tudo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>This Displays Wich Counter-Strike Version The Bot Supports</source>
        <translation>Mostra qual versão do Counter-Strike o bot suporta</translation>
    </message>
    <message>
        <source>This Displays Wich Half-Life Version The Bot Supports</source>
        <translation>Mostra qual versão do Half-Life o bot suporta</translation>
    </message>
    <message>
        <source>This Displays Wich DLL File The Bot Uses</source>
        <translation>Mostra qual arquivo DLL o bot usa</translation>
    </message>
    <message>
        <source>Play Counter-Strike With The Selected Bot!</source>
        <translation>Jogue Counter-Strike com o bot selecionado!</translation>
    </message>
    <message>
        <source>This Exits Counter-Strike Trevlin</source>
        <translation>Fecha o Counter-Strike Trevlin</translation>
    </message>
    <message>
        <source>Here You Can Configure Your CS Server, Change The Mapcycle And Change The Startup Message</source>
        <translation>Aqui você pode configurar seu servidor de CS, alterar o ciclo de mapas e a mensagem inicial</translation>
    </message>
    <message>
        <source>This Displays Bot Information Found In The Selected Bot&apos;s &apos;Liblist.gam&apos; File.</source>
        <translation>Mostra as informações do bot encontradas no arquivo &quot;Liblist.gam&quot; do bot selecionado.</translation>
    </message>
    <message>
        <source>This Displays Wich Maps Are Supported By The Bot</source>
        <translation>Mostra quais mapas o bot suporta</translation>
    </message>
    <message>
        <source>Please select your Half-Life\Counter-Strike directory under the File -&gt; Select Directory menu</source>
        <translation>Selecione sua pasta Half-Life\Counter-Strike no menu Arquivo -&gt; Selecionar pasta</translation>
    </message>
    <message>
        <source>You Have Not Properly Set Up The Trevlin. Please Read The Documentation, Or Select Your Directory Again.</source>
        <translation>Você não configurou o Trevlin corretamente. Leia a documentação ou selecione sua pasta de novo.</translation>
    </message>
    <message>
        <source>%1 is saved and copied to %2, which %3 runs when the game starts.</source>
        <translation>%1 foi salvo e copiado para %2, que o %3 executa quando o jogo inicia.</translation>
    </message>
    <message>
        <source>%1 already.</source>
        <translation>%1 já.</translation>
    </message>
    <message>
        <source>This Bot Is Not Supported By Your Current Counter-Strike Version. Click OK To Continue Anyway.</source>
        <translation>Este bot não é suportado pela sua versão atual do Counter-Strike. Clique em OK para continuar mesmo assim.</translation>
    </message>
    <message>
        <source>Error In Liblist.gam File</source>
        <translation>Erro no arquivo Liblist.gam</translation>
    </message>
    <message>
        <source>Please select your Half-Life\Counterstrike directory under the File -&gt; Config menu</source>
        <translation>Selecione sua pasta Half-Life\Counter-Strike no menu Arquivo -&gt; Configurar</translation>
    </message>
    <message>
        <source>Counter-Strike is running with %1</source>
        <translation>O Counter-Strike está rodando com %1</translation>
    </message>
    <message>
        <source>Counter-Strike is running without bots</source>
        <translation>O Counter-Strike está rodando sem bots</translation>
    </message>
    <message>
        <source>Counter-Strike has ended.</source>
        <translation>O Counter-Strike foi encerrado.</translation>
    </message>
    <message>
        <source>Counter-Strike crashed right after it started.</source>
        <translation>O Counter-Strike travou logo depois de iniciar.</translation>
    </message>
    <message>
        <source>Counter-Strike ended right after it started, with exit code %1.</source>
        <translation>O Counter-Strike foi encerrado logo depois de iniciar, com o código de saída %1.</translation>
    </message>
    <message>
        <source>It printed nothing.</source>
        <translation>Ele não mostrou nada.</translation>
    </message>
    <message>
        <source>The last lines it printed:</source>
        <translation>As últimas linhas que ele mostrou:</translation>
    </message>
    <message>
        <source>Do you want to open its log, %1?</source>
        <translation>Deseja abrir o log dele, %1?</translation>
    </message>
    <message>
        <source>%1 is set up: %2 starts it.</source>
        <translation>%1 está configurado: %2 o inicia.</translation>
    </message>
    <message>
        <source>Started through Steam: %1</source>
        <translation>Iniciado pelo Steam: %1</translation>
    </message>
</context>
<context>
    <name>MapCycle</name>
    <message>
        <source>Counter - Strike Mapcycle</source>
        <translation>Ciclo de mapas do Counter-Strike</translation>
    </message>
    <message>
        <source>Map Files</source>
        <translation>Arquivos de mapa</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <translation>-&gt;</translation>
    </message>
    <message>
        <source>Add To Cycle</source>
        <translation>Adicionar ao ciclo</translation>
    </message>
    <message>
        <source>Add the selected maps to the cycle</source>
        <translation>Adicionar os mapas selecionados ao ciclo</translation>
    </message>
    <message>
        <source>&lt;-</source>
        <translation>&lt;-</translation>
    </message>
    <message>
        <source>Remove From Cycle</source>
        <translation>Remover do ciclo</translation>
    </message>
    <message>
        <source>Remove the selected maps from the cycle</source>
        <translation>Remover os mapas selecionados do ciclo</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Map Cycle</source>
        <translation>Ciclo de mapas</translation>
    </message>
    <message>
        <source>No. Of Maps:</source>
        <translation>Nº de mapas:</translation>
    </message>
    <message>
        <source>No. Of Maps</source>
        <translation>Nº de mapas</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatório</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Concluir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>C&amp;ancelar</translation>
    </message>
    <message>
        <source>The game folder has no &quot;maps&quot; folder, so there are no maps to choose from.</source>
        <translation>A pasta do jogo não tem a pasta &quot;maps&quot;, então não há mapas para escolher.</translation>
    </message>
    <message>
        <source>The map cycle has changes that are not saved. Do you want to save them?</source>
        <translation>O ciclo de mapas tem alterações não salvas. Deseja salvá-las?</translation>
    </message>
</context>
<context>
    <name>MapCycleFile</name>
    <message>
        <source>The map &quot;%1&quot;</source>
        <translation>O mapa &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 begins with a blank, which the game drops. Please remove it and try again.</source>
        <translation>%1 começa com um espaço, que o jogo descarta. Remova-o e tente de novo.</translation>
    </message>
</context>
<context>
    <name>MapFolder</name>
    <message>
        <source>Please Slect A Number Of Maps That Is Equal Or Less Than Yhe Number Of Maps Available</source>
        <translation>Selecione um número de mapas igual ou menor que o número de mapas disponíveis</translation>
    </message>
    <message>
        <source>&quot;No. Of Maps:&quot; takes a whole number from 0 up, such as 10.</source>
        <translation>&quot;Nº de mapas:&quot; aceita um número inteiro a partir de 0, como 10.</translation>
    </message>
</context>
<context>
    <name>MapListLabel</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 e mais %2</translation>
    </message>
</context>
<context>
    <name>MotdFile</name>
    <message>
        <source>The message holds a character that the game&apos;s 8-bit files cannot carry. Please change it and try again.</source>
        <translation>A mensagem contém um caractere que os arquivos de 8 bits do jogo não comportam. Altere-o e tente de novo.</translation>
    </message>
</context>
<context>
    <name>MotdScreen</name>
    <message>
        <source>Message Of The Day</source>
        <translation>Mensagem do dia</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Concluir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>C&amp;ancelar</translation>
    </message>
    <message>
        <source>Edit Server Text</source>
        <translation>Editar texto do servidor</translation>
    </message>
    <message>
        <source>The message of the day has changes that are not saved. Do you want to save them?</source>
        <translation>A mensagem do dia tem alterações não salvas. Deseja salvá-las?</translation>
    </message>
</context>
<context>
    <name>MultipleBots</name>
    <message>
        <source>You Must Specify The Number Of Bots You Want To Add.</source>
        <translation>Você precisa informar o número de bots que deseja adicionar.</translation>
    </message>
    <message>
        <source>You Must Specify The Skill Level For The Bots, Or Enable Auto Skill.</source>
        <translation>Você precisa informar o nível de habilidade dos bots, ou ativar a habilidade automática.</translation>
    </message>
    <message>
        <source>The Number Of Bots Must Be A Number, Such As 10.</source>
        <translation>O número de bots deve ser um número, como 10.</translation>
    </message>
    <message>
        <source>The Skill Level Must Be A Number, Such As 3, Or Enable Auto Skill.</source>
        <translation>O nível de habilidade deve ser um número, como 3, ou ative a habilidade automática.</translation>
    </message>
</context>
<context>
    <name>NameList</name>
    <message>
        <source>The File &apos;TRNames.txt&apos; Holds A Name On Line %1 That A Config File Cannot Carry. Please Save It As Plain Text With One Name On Each Line.</source>
        <translation>O arquivo &quot;TRNames.txt&quot; contém na linha %1 um nome que um arquivo de configuração não comporta. Salve-o como texto simples, com um nome em cada linha.</translation>
    </message>
    <message>
        <source>The File &apos;TRNames.txt&apos; Was Not Found In Your Counter-Strike Directory. Please Install It Or Read The Documentation.</source>
        <translation>O arquivo &quot;TRNames.txt&quot; não foi encontrado na sua pasta do Counter-Strike. Instale-o ou leia a documentação.</translation>
    </message>
    <message>
        <source>The File &apos;TRNames.txt&apos; Could Not Be Read: %1</source>
        <translation>O arquivo &quot;TRNames.txt&quot; não pôde ser lido: %1</translation>
    </message>
    <message>
        <source>The File &apos;TRNames.txt&apos; Holds No Bot Names. Please Put One Name On Each Line After Its Four Header Lines.</source>
        <translation>O arquivo &quot;TRNames.txt&quot; não contém nomes de bots. Coloque um nome em cada linha depois das quatro linhas de cabeçalho.</translation>
    </message>
</context>
<context>
    <name>OpenScreen</name>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>Ca&amp;rregar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Open %1 Config File</source>
        <translation>Abrir arquivo de configuração do %1</translation>
    </message>
    <message>
        <source>You Have Changed Your Current BotList. Do You Want To Save It Before You Open A New One?</source>
        <translation>Você alterou sua lista de bots atual. Deseja salvá-la antes de abrir uma nova?</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The game cannot be started: the game folder &quot;%1&quot; has no Half-Life folder above it.</source>
        <translation>O jogo não pode ser iniciado: a pasta do jogo &quot;%1&quot; não tem uma pasta do Half-Life acima dela.</translation>
    </message>
    <message>
        <source>The game cannot be started: the Half-Life folder &quot;%1&quot; holds neither the game&apos;s Linux launcher (hl.sh or hl_linux) nor hl.exe.</source>
        <translation>O jogo não pode ser iniciado: a pasta do Half-Life &quot;%1&quot; não contém o inicializador do jogo para Linux (hl.sh ou hl_linux) nem o hl.exe.</translation>
    </message>
    <message>
        <source>The game cannot be started: the Half-Life folder &quot;%1&quot; holds only the Windows game (hl.exe), and Wine, which runs it here, is not installed.</source>
        <translation>O jogo não pode ser iniciado: a pasta do Half-Life &quot;%1&quot; contém só o jogo para Windows (hl.exe), e o Wine, que o executa aqui, não está instalado.</translation>
    </message>
    <message>
        <source>%1 has no Windows game library: on Windows the game starts without its bots</source>
        <translation>%1 não tem biblioteca de jogo para Windows: no Windows o jogo inicia sem os bots dele</translation>
    </message>
    <message>
        <source>%1 has no Linux game library: on Linux the game starts without its bots; Wine runs the Windows one</source>
        <translation>%1 não tem biblioteca de jogo para Linux: no Linux o jogo inicia sem os bots dele; o Wine executa a do Windows</translation>
    </message>
</context>
<context>
    <name>QuickLaunch</name>
    <message>
        <source>Trevlin knows no add-on called &quot;%1&quot;; it knows %2.</source>
        <translation>O Trevlin não conhece nenhum add-on chamado &quot;%1&quot;; ele conhece %2.</translation>
    </message>
    <message>
        <source>No Counter-Strike folder is chosen yet: choose it in Trevlin&apos;s window, or give it with --game-dir.</source>
        <translation>Nenhuma pasta do Counter-Strike foi escolhida ainda: escolha-a na janela do Trevlin ou informe-a com --game-dir.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not set up for Trevlin: it holds no &quot;%2&quot;.</source>
        <translation>A pasta &quot;%1&quot; não está configurada para o Trevlin: ela não contém &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 is not installed in &quot;%2&quot;: there is no &quot;%3&quot;.</source>
        <translation>%1 não está instalado em &quot;%2&quot;: não há &quot;%3&quot;.</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>Bot Name</source>
        <translation>Nome do bot</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Habilidade</translation>
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
        <translation>Adicionar bot RealBot</translation>
    </message>
    <message>
        <source>Edit RealBot Bot</source>
        <translation>Editar bot RealBot</translation>
    </message>
    <message>
        <source>Add NNBot Bot</source>
        <translation>Adicionar bot NNBot</translation>
    </message>
    <message>
        <source>Edit NNBot Bot</source>
        <translation>Editar bot NNBot</translation>
    </message>
    <message>
        <source>Add HPBBot Bot</source>
        <translation>Adicionar bot HPBBot</translation>
    </message>
    <message>
        <source>Edit HPB Bot</source>
        <translation>Editar bot HPB</translation>
    </message>
    <message>
        <source>Add RamBot Bot</source>
        <translation>Adicionar bot RamBot</translation>
    </message>
    <message>
        <source>Edit RamBot Bot</source>
        <translation>Editar bot RamBot</translation>
    </message>
    <message>
        <source>Add Swat Bot</source>
        <translation>Adicionar bot Swat</translation>
    </message>
    <message>
        <source>Edit SwatBot Bot</source>
        <translation>Editar bot SwatBot</translation>
    </message>
    <message>
        <source>Add AGBBot Bot</source>
        <translation>Adicionar bot AGBBot</translation>
    </message>
    <message>
        <source>Edit AGBBot Bot</source>
        <translation>Editar bot AGBBot</translation>
    </message>
    <message>
        <source>Add Boba Bot</source>
        <translation>Adicionar bot Boba</translation>
    </message>
    <message>
        <source>Edit Boba Bot</source>
        <translation>Editar bot Boba</translation>
    </message>
    <message>
        <source>Add Redu Bot</source>
        <translation>Adicionar bot Redu</translation>
    </message>
    <message>
        <source>Edit Redu Bot</source>
        <translation>Editar bot Redu</translation>
    </message>
    <message>
        <source>Add PL Bot</source>
        <translation>Adicionar bot PL</translation>
    </message>
    <message>
        <source>Edit PL Bot</source>
        <translation>Editar bot PL</translation>
    </message>
    <message>
        <source>Add AndroidBot Bot</source>
        <translation>Adicionar bot AndroidBot</translation>
    </message>
    <message>
        <source>Edit Android Bot</source>
        <translation>Editar bot Android</translation>
    </message>
    <message>
        <source>Add PodBot Bot</source>
        <translation>Adicionar bot PodBot</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>The file you selected is not a valid Counter-Strike Trevlin %1 Config file</source>
        <translation>O arquivo selecionado não é um arquivo de configuração válido do Counter-Strike Trevlin %1</translation>
    </message>
    <message>
        <source>Nothing was written; the bots are still in the editor.</source>
        <translation>Nada foi gravado; os bots continuam no editor.</translation>
    </message>
</context>
<context>
    <name>RosterFormat</name>
    <message>
        <source>The bot %1 cannot be saved, because its %2 holds %3, a character that a Counter-Strike config file cannot carry.</source>
        <translation>O bot %1 não pode ser salvo porque o campo &quot;%2&quot; dele contém %3, um caractere que um arquivo de configuração do Counter-Strike não comporta.</translation>
    </message>
    <message>
        <source>A bot name cannot contain blanks, because the config file separates a bot&apos;s name from its skill with a blank. Please use another name.</source>
        <translation>Um nome de bot não pode conter espaços, porque o arquivo de configuração separa o nome do bot da habilidade dele com um espaço. Use outro nome.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>skill</source>
        <translation>habilidade</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved, because its skill %2 is not a number.</source>
        <translation>O bot %1 não pode ser salvo porque a habilidade dele, %2, não é um número.</translation>
    </message>
    <message>
        <source>The option &quot;%1&quot; cannot be saved, because it holds %2, a character that a Counter-Strike config file cannot carry.</source>
        <translation>A opção &quot;%1&quot; não pode ser salva porque contém %2, um caractere que um arquivo de configuração do Counter-Strike não comporta.</translation>
    </message>
    <message>
        <source>The option &quot;%1&quot; cannot be saved, because %2 is not a number.</source>
        <translation>A opção &quot;%1&quot; não pode ser salva porque %2 não é um número.</translation>
    </message>
    <message>
        <source>This will apply Team, Skin and Skill changes to all bots in your list.</source>
        <translation>Isto aplica as alterações de time, skin e habilidade a todos os bots da sua lista.</translation>
    </message>
    <message>
        <source>This config file is made with another version. Unable to load.</source>
        <translation>Este arquivo de configuração foi feito com outra versão. Não é possível carregá-lo.</translation>
    </message>
    <message>
        <source>Time Before Bot Entry</source>
        <translation>Tempo até a entrada dos bots</translation>
    </message>
    <message>
        <source>Min No Of Bots</source>
        <translation>Mín. de bots</translation>
    </message>
    <message>
        <source>Max No Of Bots</source>
        <translation>Máx. de bots</translation>
    </message>
    <message>
        <source>Botskill</source>
        <translation>Habilidade dos bots</translation>
    </message>
    <message>
        <source>Min Bot Skill</source>
        <translation>Hab. mín. dos bots</translation>
    </message>
    <message>
        <source>Max Skill</source>
        <translation>Hab. máxima</translation>
    </message>
    <message>
        <source>This will apply Team and Skill changes to all bots in your list.</source>
        <translation>Isto aplica as alterações de time e habilidade a todos os bots da sua lista.</translation>
    </message>
    <message>
        <source>This config file is made with a previous version. Unable to load.</source>
        <translation>Este arquivo de configuração foi feito com uma versão anterior. Não é possível carregá-lo.</translation>
    </message>
    <message>
        <source>Save Android Config File</source>
        <translation>Salvar arquivo de configuração Android</translation>
    </message>
    <message>
        <source>There is no bot selected in the list. Please select the bot you want to change, then press Done again.</source>
        <translation>Nenhum bot está selecionado na lista. Selecione o bot que deseja alterar e pressione Concluir de novo.</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>uma quebra de linha</translation>
    </message>
    <message>
        <source>The bot %1 cannot be saved</source>
        <translation>O bot %1 não pode ser salvo</translation>
    </message>
    <message>
        <source>A bot without a name cannot be saved: the config file would not read back. Please give it a name and save again.</source>
        <translation>Um bot sem nome não pode ser salvo: o arquivo de configuração não poderia ser lido de volta. Dê um nome a ele e salve de novo.</translation>
    </message>
    <message>
        <source>A bot name cannot be a number, because the bot add-on would take it for the skill level. Please use another name.</source>
        <translation>Um nome de bot não pode ser um número, porque o add-on de bots o tomaria pelo nível de habilidade. Use outro nome.</translation>
    </message>
    <message>
        <source>There are no bots to save. Add at least one bot first.</source>
        <translation>Não há bots para salvar. Adicione pelo menos um bot primeiro.</translation>
    </message>
    <message>
        <source> Please change it and save again.</source>
        <translation> Altere e salve de novo.</translation>
    </message>
</context>
<context>
    <name>RosterWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>You Have Changed Your Current BotList. Do You Want To Save It Before You Start A New One?</source>
        <translation>Você alterou sua lista de bots atual. Deseja salvá-la antes de começar uma nova?</translation>
    </message>
    <message>
        <source>You Have Changed Your Current BotList. Do You Want To Save It Before You Exit?</source>
        <translation>Você alterou sua lista de bots atual. Deseja salvá-la antes de sair?</translation>
    </message>
    <message>
        <source>You Have Changed Your Current BotList, but a list without bots cannot be saved. Do you want to discard your changes?</source>
        <translation>Você alterou sua lista de bots atual, mas uma lista sem bots não pode ser salva. Deseja descartar suas alterações?</translation>
    </message>
</context>
<context>
    <name>SaveScreen</name>
    <message>
        <source>Filename:</source>
        <translation>Nome do arquivo:</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Save %1 Config File</source>
        <translation>Salvar arquivo de configuração do %1</translation>
    </message>
    <message>
        <source>You have to enter a filename</source>
        <translation>Você precisa informar um nome de arquivo</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 já existe. Substituir?</translation>
    </message>
</context>
<context>
    <name>ServerText</name>
    <message>
        <source>%1 is not a file, so Trevlin did not read it.</source>
        <translation>%1 não é um arquivo, por isso o Trevlin não o leu.</translation>
    </message>
    <message>
        <source>Trevlin could not read %1: %2</source>
        <translation>O Trevlin não conseguiu ler %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2, far larger than such a file ever is, so Trevlin does not read or write it.</source>
        <translation>%1 é maior que %2, muito maior do que um arquivo assim costuma ser, por isso o Trevlin não o lê nem o grava.</translation>
    </message>
    <message>
        <source>a comma, which ends a setting in the file</source>
        <translation>uma vírgula, que encerra uma configuração no arquivo</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>uma quebra de linha</translation>
    </message>
    <message>
        <source>a character that the game&apos;s 8-bit files cannot carry</source>
        <translation>um caractere que os arquivos de 8 bits do jogo não comportam</translation>
    </message>
    <message>
        <source>%1 holds %2. Please change it and try again.</source>
        <translation>%1 contém %2. Altere e tente de novo.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nada foi gravado.</translation>
    </message>
</context>
<context>
    <name>SetUpAddOn</name>
    <message>
        <source>Set Up An Add-on</source>
        <translation>Configurar um add-on</translation>
    </message>
    <message>
        <source>Choose the add-on and the game library it brings, for the Windows game, the Linux game or both. Trevlin writes the add-on&apos;s liblist.gam from the game&apos;s own.</source>
        <translation>Escolha o add-on e a biblioteca de jogo que ele traz, para o jogo do Windows, o do Linux ou os dois. O Trevlin grava o liblist.gam do add-on a partir do liblist.gam do próprio jogo.</translation>
    </message>
    <message>
        <source>&amp;Add-on:</source>
        <translation>&amp;Add-on:</translation>
    </message>
    <message>
        <source>&amp;Windows library:</source>
        <translation>Biblioteca do &amp;Windows:</translation>
    </message>
    <message>
        <source>B&amp;rowse…</source>
        <translation>P&amp;rocurar…</translation>
    </message>
    <message>
        <source>Browse for the Windows library</source>
        <translation>Procurar a biblioteca do Windows</translation>
    </message>
    <message>
        <source>&amp;Linux library:</source>
        <translation>Biblioteca do &amp;Linux:</translation>
    </message>
    <message>
        <source>Br&amp;owse…</source>
        <translation>Pr&amp;ocurar…</translation>
    </message>
    <message>
        <source>Browse for the Linux library</source>
        <translation>Procurar a biblioteca do Linux</translation>
    </message>
    <message>
        <source>&amp;Set Up</source>
        <translation>&amp;Configurar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>No game library of an add-on was found in the game folder: put the add-on&apos;s files into it, or choose its library with Browse.</source>
        <translation>Nenhuma biblioteca de jogo de add-on foi encontrada na pasta do jogo: coloque nela os arquivos do add-on, ou escolha a biblioteca dele com &quot;Procurar&quot;.</translation>
    </message>
    <message>
        <source>The game folder is large: only its first %1 entries were searched; choose a library deeper down with Browse.</source>
        <translation>A pasta do jogo é grande: só os primeiros %1 itens dela foram examinados; escolha uma biblioteca mais funda com &quot;Procurar&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no game library: the Windows game loads a .dll, the Linux game a .so.</source>
        <translation>&quot;%1&quot; não é uma biblioteca de jogo: o jogo do Windows carrega uma .dll, o do Linux uma .so.</translation>
    </message>
    <message>
        <source>Choose the Windows game library</source>
        <translation>Escolha a biblioteca de jogo do Windows</translation>
    </message>
    <message>
        <source>Choose the Linux game library</source>
        <translation>Escolha a biblioteca de jogo do Linux</translation>
    </message>
    <message>
        <source>Windows game libraries (*.dll)</source>
        <translation>Bibliotecas de jogo do Windows (*.dll)</translation>
    </message>
    <message>
        <source>Linux game libraries (*.so)</source>
        <translation>Bibliotecas de jogo do Linux (*.so)</translation>
    </message>
    <message>
        <source>Choose the Windows game library, the Linux game library or both.</source>
        <translation>Escolha a biblioteca de jogo do Windows, a do Linux ou as duas.</translation>
    </message>
    <message>
        <source>The game folder holds &quot;%1&quot; already. Replace it?</source>
        <translation>A pasta do jogo já contém &quot;%1&quot;. Substituir?</translation>
    </message>
    <message>
        <source>Trevlin could not write &quot;%1&quot;: %2</source>
        <translation>O Trevlin não conseguiu gravar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>%1 is set up. %2.</source>
        <translation>%1 está configurado. %2.</translation>
    </message>
</context>
<context>
    <name>SetUpEntries</name>
    <message>
        <source>Set &amp;Up An Add-on…</source>
        <translation>Configurar &amp;um add-on…</translation>
    </message>
    <message>
        <source>&amp;Install An Add-on From Its Archive…</source>
        <translation>I&amp;nstalar um add-on do arquivo compactado…</translation>
    </message>
    <message>
        <source>Start the game &amp;directly</source>
        <translation>Iniciar o jogo &amp;diretamente</translation>
    </message>
    <message>
        <source>Please select your Half-Life\Counter-Strike directory under the File -&gt; Select Directory menu</source>
        <translation>Selecione sua pasta Half-Life\Counter-Strike no menu Arquivo -&gt; Selecionar pasta</translation>
    </message>
    <message>
        <source>An add-on is set up from the game&apos;s own liblist.gam, and the folder &quot;%1&quot; holds none that can be read.</source>
        <translation>Um add-on é configurado a partir do liblist.gam do próprio jogo, e a pasta &quot;%1&quot; não contém nenhum que possa ser lido.</translation>
    </message>
    <message>
        <source>%1 is not set up in this game folder: right-click it, or choose File -&gt; Set Up An Add-on…, to set it up from its files.</source>
        <translation>%1 não está configurado nesta pasta do jogo: clique nele com o botão direito, ou escolha Arquivo -&gt; Configurar um add-on…, para configurá-lo a partir dos arquivos dele.</translation>
    </message>
    <message>
        <source>Set &amp;Up %1…</source>
        <translation>&amp;Configurar %1…</translation>
    </message>
    <message>
        <source>U&amp;ninstall %1…</source>
        <translation>&amp;Desinstalar %1…</translation>
    </message>
    <message>
        <source>Only an add-on installed from its archive through Trevlin can be uninstalled here.</source>
        <translation>Só um add-on instalado do arquivo compactado dele pelo Trevlin pode ser desinstalado aqui.</translation>
    </message>
    <message>
        <source>Uninstall %1? Trevlin removes the files its install added and puts back the game files it replaced.</source>
        <translation>Desinstalar %1? O Trevlin remove os arquivos que a instalação dele adicionou e coloca de volta os arquivos do jogo que ela substituiu.</translation>
    </message>
    <message>
        <source>%1 is not uninstalled: %2</source>
        <translation>%1 não foi desinstalado: %2</translation>
    </message>
    <message>
        <source>%1 is uninstalled.</source>
        <translation>%1 foi desinstalado.</translation>
    </message>
    <message>
        <source>These files changed since the install and are left as they are:</source>
        <translation>Estes arquivos mudaram desde a instalação e ficam como estão:</translation>
    </message>
</context>
<context>
    <name>SkinChooser</name>
    <message>
        <source>Skin Preview</source>
        <translation>Prévia da skin</translation>
    </message>
    <message>
        <source>No skin selected</source>
        <translation>Nenhuma skin selecionada</translation>
    </message>
</context>
<context>
    <name>SupportedMaps</name>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Increase</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Diminuir</translation>
    </message>
    <message>
        <source>The box &quot;%1&quot; needs a number from %2 to %3. Please enter one and try again.</source>
        <translation>O campo &quot;%1&quot; precisa de um número de %2 a %3. Informe um e tente de novo.</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Update Bots And Trevlin</source>
        <translation>Atualizar bots e Trevlin</translation>
    </message>
    <message>
        <source>Files Available On Server:</source>
        <translation>Arquivos disponíveis no servidor:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versão:</translation>
    </message>
    <message>
        <source>Your Version:</source>
        <translation>Sua versão:</translation>
    </message>
    <message>
        <source>Last Updated:</source>
        <translation>Última atualização:</translation>
    </message>
    <message>
        <source>Update progress</source>
        <translation>Progresso da atualização</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>Arquivo atual</translation>
    </message>
    <message>
        <source>Whole update</source>
        <translation>Atualização inteira</translation>
    </message>
    <message>
        <source>Please Wait Launching Update Program.....</source>
        <translation>Aguarde, iniciando o programa de atualização...</translation>
    </message>
    <message>
        <source>Plain http: what the update server sends is not encrypted.</source>
        <translation>http simples: o que o servidor de atualização envia não é criptografado.</translation>
    </message>
    <message>
        <source>Update Selected Bots</source>
        <translation>Atualizar bots selecionados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Still Executing Last Request. Please Wait.</source>
        <translation>Ainda executando a última solicitação. Aguarde.</translation>
    </message>
    <message>
        <source>Updating  %1</source>
        <translation>Atualizando  %1</translation>
    </message>
    <message>
        <source>%1 Sucessfully Updated</source>
        <translation>%1 atualizado com sucesso</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>sem assinatura</translation>
    </message>
    <message>
        <source>%p% at %1/s</source>
        <translation>%p% a %1/s</translation>
    </message>
    <message>
        <source>%p% at %1/s, %2 left</source>
        <translation>%p% a %1/s, faltam %2</translation>
    </message>
    <message>
        <source>%p%</source>
        <translation>%p%</translation>
    </message>
    <message>
        <source>%p%, %1 left in all</source>
        <translation>%p%, faltam %1 no total</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
</context>
<context>
    <name>UpdateClient</name>
    <message>
        <source>The server stopped sending</source>
        <translation>O servidor parou de enviar</translation>
    </message>
    <message>
        <source>The download took too long</source>
        <translation>O download demorou demais</translation>
    </message>
    <message>
        <source>Looking Up Server</source>
        <translation>Procurando o servidor</translation>
    </message>
    <message>
        <source>Server Found</source>
        <translation>Servidor encontrado</translation>
    </message>
    <message>
        <source>Connecting To Server</source>
        <translation>Conectando ao servidor</translation>
    </message>
    <message>
        <source>Connected To Server</source>
        <translation>Conectado ao servidor</translation>
    </message>
    <message>
        <source>Requesting File From Server</source>
        <translation>Solicitando arquivo ao servidor</translation>
    </message>
    <message>
        <source>Request Acknowleged By Server</source>
        <translation>Solicitação confirmada pelo servidor</translation>
    </message>
    <message>
        <source>Recieving File From Server</source>
        <translation>Recebendo arquivo do servidor</translation>
    </message>
    <message>
        <source>Server Is Online And Responding</source>
        <translation>O servidor está on-line e respondendo</translation>
    </message>
    <message>
        <source>An Error Has Occured</source>
        <translation>Ocorreu um erro</translation>
    </message>
    <message>
        <source>The address %1 is not on the update server</source>
        <translation>O endereço %1 não está no servidor de atualização</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes</source>
        <translation>O arquivo é maior que %1 bytes</translation>
    </message>
    <message>
        <source>The download could not be stored: %1</source>
        <translation>O download não pôde ser armazenado: %1</translation>
    </message>
    <message>
        <source>The server sent the download to another address: %1</source>
        <translation>O servidor enviou o download para outro endereço: %1</translation>
    </message>
    <message>
        <source>The server redirected too often</source>
        <translation>O servidor redirecionou vezes demais</translation>
    </message>
    <message>
        <source>The server answered %1 for %2</source>
        <translation>O servidor respondeu %1 para %2</translation>
    </message>
    <message>
        <source>The file arrived incomplete: %1 of %2 bytes</source>
        <translation>O arquivo chegou incompleto: %1 de %2 bytes</translation>
    </message>
    <message>
        <source>The server did not say how large the file is, so a whole file cannot be told from a part</source>
        <translation>O servidor não informou o tamanho do arquivo, então não dá para distinguir um arquivo inteiro de uma parte</translation>
    </message>
    <message>
        <source>The server announced two different lengths for %1</source>
        <translation>O servidor anunciou dois tamanhos diferentes para %1</translation>
    </message>
    <message>
        <source>There is not enough free space in %1 for %2 bytes</source>
        <translation>Não há espaço livre suficiente em %1 para %2 bytes</translation>
    </message>
</context>
<context>
    <name>UpdateJob</name>
    <message>
        <source>The update of %1 took longer than %2 minutes and was stopped</source>
        <translation>A atualização de %1 demorou mais de %2 minutos e foi interrompida</translation>
    </message>
    <message>
        <source>The whole update took longer than %1 minutes and was stopped</source>
        <translation>A atualização inteira demorou mais de %1 minutos e foi interrompida</translation>
    </message>
    <message>
        <source>No staging folder could be made in %1: %2</source>
        <translation>Nenhuma pasta de preparação pôde ser criada em %1: %2</translation>
    </message>
    <message>
        <source>The signature of %1 could not be fetched: %2</source>
        <translation>A assinatura de %1 não pôde ser obtida: %2</translation>
    </message>
</context>
<context>
    <name>UpdateLists</name>
    <message>
        <source>an empty name</source>
        <translation>um nome vazio</translation>
    </message>
    <message>
        <source>a name that leads out of its folder</source>
        <translation>um nome que sai da pasta dele</translation>
    </message>
    <message>
        <source>a folder separator or drive letter inside a name</source>
        <translation>um separador de pasta ou letra de unidade dentro de um nome</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>um caractere de controle</translation>
    </message>
    <message>
        <source>a reserved device name</source>
        <translation>um nome de dispositivo reservado</translation>
    </message>
    <message>
        <source>The file list of %1 is refused: line %2 (&quot;%3&quot;) holds %4.</source>
        <translation>A lista de arquivos de %1 foi recusada: a linha %2 (&quot;%3&quot;) contém %4.</translation>
    </message>
    <message>
        <source>an address outside %1</source>
        <translation>um endereço fora de %1</translation>
    </message>
    <message>
        <source>no root folder keyword</source>
        <translation>nenhuma palavra-chave de pasta raiz</translation>
    </message>
    <message>
        <source>an unknown root folder keyword</source>
        <translation>uma palavra-chave de pasta raiz desconhecida</translation>
    </message>
    <message>
        <source>no third line</source>
        <translation>nenhuma terceira linha</translation>
    </message>
    <message>
        <source>no &quot;---EndSubDirectories---&quot;</source>
        <translation>nenhum &quot;---EndSubDirectories---&quot;</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>nenhum nome de arquivo</translation>
    </message>
    <message>
        <source>a sha256 hash not written as &quot;sha256:&quot; and 64 hex digits</source>
        <translation>um hash sha256 que não está escrito como &quot;sha256:&quot; seguido de 64 dígitos hexadecimais</translation>
    </message>
    <message>
        <source>no sha256 hash, which a signed list gives for every file</source>
        <translation>nenhum hash sha256, que uma lista assinada informa para cada arquivo</translation>
    </message>
</context>
<context>
    <name>UpdateServer</name>
    <message>
        <source>The network module trevlin_network could not be loaded from %1: %2</source>
        <translation>O módulo de rede trevlin_network não pôde ser carregado de %1: %2</translation>
    </message>
</context>
<context>
    <name>WaypointCheck</name>
    <message>
        <source>%1 has no waypoints for this map: its bots will not find their way on it.</source>
        <translation>%1 não tem waypoints para este mapa: os bots dele não vão se orientar nele.</translation>
    </message>
</context>
</TS>

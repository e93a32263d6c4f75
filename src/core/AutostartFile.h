#pragma once

#include <QCoreApplication>
#include <QString>

class AppSettings;

// The config file an add-on runs by itself when the game starts with it: "podbot/podbot.cfg" for PodBot,
// "swat.cfg" for SwatBot and "bot.cfg" for every other add-on, below the game folder. A roster file that the
// program wrote for the add-on can be made that file; its name is remembered per add-on ("Auto Execute") and shown
// in the main window. The autostart file can also be cleared.
class AutostartFile
{
    Q_DECLARE_TR_FUNCTIONS(AutostartFile)

public:
    // "This Is Not A Valid Config File For The Selected Bot"
    static QString notValidMessage();

    // Where the autostart file of botName lies below gameDir: a file there of that name in any letter case, or the
    // path it would be written to.
    static QString path(const QString &gameDir, const QString &botName);

    struct Result
    {
        QString message; // empty when the file was taken
        bool isDone() const { return message.isEmpty(); }
    };

    // Makes the roster file at file the autostart file of botName: its two header lines must name botName and this
    // program's version. Then it is copied over the autostart file (in one step: the old one stays whole if the
    // copy fails) and its name is remembered. A file that is refused leaves both the autostart file and the
    // setting as they were.
    static Result choose(const QString &file, const QString &gameDir, const QString &botName, AppSettings &settings);

    // Whether file is the roster chosen as botName's autostart file: the name remembered for it, in any letter case,
    // in the game folder. Saving that roster again means choosing it again, so that the game runs what was saved.
    static bool isChosen(const QString &file, const QString &gameDir, const QString &botName,
                         const AppSettings &settings);

    // Deletes the autostart file that botName runs and remembers "None" for it: PodBot's and SwatBot's own files,
    // "bot.cfg" for every name but PodBot, PLBot and SwatBot (the plain game's too). A file already gone is no
    // fault; one that cannot be deleted is reported, and then nothing is remembered.
    static Result clear(const QString &gameDir, const QString &botName, AppSettings &settings);
};

#pragma once
#include <QIcon>
#include <QPixmap>

// The program's own pictures, painted as vector shapes so they stay crisp at any size and pixel ratio.
class Artwork
{
public:
    enum class Picture {
        Play,         // the play button: start the game (a bold triangle "play" mark in a rounded badge, warm colours)
        Exit,         // the exit button (a door with an arrow leaving it)
        ServerConfig, // the server configuration button (a server rack with a gear)
        Folder,       // toolbar: choose the autostart config file (an open folder with a small document)
        Cancel,       // toolbar: clear the autostart file (a red circle with a white cross)
        DirectoryPicture, // the title picture of the directory selection dialog (a disk and a folder tree), 3:1 banner
        AppIcon           // the application's window icon (a crosshair emblem on a rounded square)
    };
    static QIcon icon(Picture picture);
    // A picture rendered at the given logical size for the given device pixel ratio.
    static QPixmap pixmap(Picture picture, QSize logicalSize, qreal devicePixelRatio = 1.0);
};

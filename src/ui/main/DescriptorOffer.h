#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// A game folder fresh from its install holds the game's own liblist.gam and no "OLD liblist.gam": instead of a
// dead end, the user is offered to keep a copy of it.
class DescriptorOffer
{
    Q_DECLARE_TR_FUNCTIONS(DescriptorOffer)

public:
    enum class Outcome {
        Kept,           // the copy is there now
        Declined,       // the user answered No; nothing was written
        Told,           // the user was told why nothing can be kept
        NothingToOffer, // the folder holds its copy already, or no liblist.gam that can be read
    };

    // Asks whether to keep the copy of gameDir's liblist.gam, and keeps it on Yes.
    static Outcome offer(QWidget *parent, const QString &gameDir);
};

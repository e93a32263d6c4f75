#include "DescriptorOffer.h"

#include "AddOnSetup.h"
#include "BotCatalogue.h"
#include "GameDescriptor.h"
#include "MessageBox.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

DescriptorOffer::Outcome DescriptorOffer::offer(QWidget *parent, const QString &gameDir)
{
    const GameDescriptor::Finding finding = GameDescriptor::examine(gameDir);
    const QString folder = QDir::toNativeSeparators(gameDir);
    const QString copyName = BotCatalogue::liblistVariant(BotType::OriginalCS);
    switch (finding.kind) {
    case GameDescriptor::Finding::Kind::Kept:
    case GameDescriptor::Finding::Kind::Missing:
    case GameDescriptor::Finding::Kind::Unreadable:
        return Outcome::NothingToOffer;
    case GameDescriptor::Finding::Kind::OtherLibrary: {
        const QString names = finding.library.isEmpty()
            ? tr("The liblist.gam in \"%1\" names no game library, so it is not the game's own.").arg(folder)
            : tr("The liblist.gam in \"%1\" starts the game library \"%2\", which is not the game's own.")
                  .arg(folder, finding.library);
        // The game's own libraries still there make the game's own descriptor: the file with them in its place.
        const AddOnSetup::Pair stock = AddOnSetup::stockLibrariesFound(gameDir);
        const QStringList found = QStringList{stock.windowsLibrary, stock.linuxLibrary}.filter(u"/"_s);
        if (found.isEmpty()) {
            MessageBox::information(parent,
                                    names + u' '
                                        + tr("Trevlin needs the game's own liblist.gam in this folder: put it back, "
                                             "then select the folder again."));
            return Outcome::Told;
        }
        if (!MessageBox::yesNo(parent,
                               names + u"\n\n"_s
                                   + tr("Keep a copy of it as \"%1\" that starts the game's own library (%2) "
                                        "instead?")
                                         .arg(copyName, found.join(u", "_s))))
            return Outcome::Declined;
        QString error;
        if (!AddOnSetup::keepOwnDescriptor(gameDir, &error)) {
            MessageBox::information(parent, tr("Trevlin could not write \"%1\": %2").arg(copyName, error));
            return Outcome::Told;
        }
        return Outcome::Kept;
    }
    case GameDescriptor::Finding::Kind::Stock:
        break;
    }
    if (!MessageBox::yesNo(parent,
                           tr("The folder \"%1\" holds the game's own liblist.gam but no copy of it named \"%2\", "
                              "which Trevlin needs to start the game without bots and to put the game back after "
                              "an add-on.\n\nKeep a copy of it now as \"%2\"?")
                               .arg(folder, copyName)))
        return Outcome::Declined;
    QString error;
    if (!GameDescriptor::keepCopy(gameDir, &error)) {
        MessageBox::information(parent,
                                tr("Trevlin could not keep a copy of liblist.gam as \"%1\": %2").arg(copyName, error));
        return Outcome::Told;
    }
    return Outcome::Kept;
}

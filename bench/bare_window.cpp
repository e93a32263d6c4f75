// The floor for start-up time: a plain Qt Widgets window with about as many controls as Trevlin's main window, and
// nothing else: no settings, no game folder, no painted artwork. With TREVLIN_QUIT_AFTER_SHOW set it ends as soon as
// its window has been shown, as trevlin does; with TREVLIN_PRINT_PEAK_MEMORY set it paints its window, ends, and
// prints the most memory it held ("peak <megabytes>"), the floor of the memory benchmark.

#include "BenchPlatform.h"

#include <QApplication>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int choiceCount = 12;

QFrame *line()
{
    auto *frame = new QFrame;
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

QToolButton *bigToolButton(const QIcon &icon, const QString &text)
{
    auto *button = new QToolButton;
    button->setIcon(icon);
    button->setToolTip(text);
    button->setIconSize(QSize(40, 40));
    return button;
}

void addMenus(QMainWindow &window)
{
    QMenu *file = window.menuBar()->addMenu(u"&File"_s);
    for (int i = 1; i < choiceCount; ++i)
        file->addAction(u"Edit Choice %1"_s.arg(i))->setEnabled(false);
    file->addSeparator();
    file->addAction(u"&Configure"_s)->setEnabled(false);
    file->addAction(u"&Select Directory"_s);

    QMenu *updates = window.menuBar()->addMenu(u"&Updates"_s);
    updates->addAction(u"Update All"_s);
    for (int i = 1; i < choiceCount; ++i)
        updates->addAction(u"Update Choice %1"_s.arg(i))->setEnabled(false);

    window.menuBar()->addMenu(u"&Help"_s)->addAction(u"&About"_s);
}

QGroupBox *choicesBox()
{
    auto *box = new QGroupBox(u"Select Type"_s);
    auto *layout = new QGridLayout(box);
    for (int row = 0; row < choiceCount; ++row) {
        auto *option = new QRadioButton(u"Choice %1"_s.arg(row + 1));
        option->setEnabled(row != 1);
        layout->addWidget(option, row, 0);
        if (row == 6)
            continue; // one choice has nothing to edit
        auto *edit = new QPushButton(u"Edit Choice %1"_s.arg(row + 1));
        edit->setEnabled(false);
        edit->setAutoDefault(false);
        layout->addWidget(edit, row, 1);
    }
    return box;
}

QGroupBox *infoBox()
{
    auto *box = new QGroupBox(u"Info"_s);
    auto *layout = new QFormLayout(box);
    layout->addRow(u"Required Version:"_s, new QLabel);
    layout->addRow(u"Required Engine Version:"_s, new QLabel);
    layout->addRow(u"Uses Library:"_s, new QLabel);
    return box;
}

QGroupBox *mapsBox()
{
    auto *box = new QGroupBox(u"Supported Maps"_s);
    auto *layout = new QVBoxLayout(box);
    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *maps = new QLabel;
    maps->setWordWrap(true);
    maps->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setWidget(maps);
    layout->addWidget(scroll);
    return box;
}

QGroupBox *configBox(const QStyle &style)
{
    auto *box = new QGroupBox(u"Config File To Run"_s);
    auto *layout = new QHBoxLayout(box);
    auto *toolbar = new QToolBar;
    toolbar->setIconSize(QSize(24, 24));
    toolbar->addAction(style.standardIcon(QStyle::SP_DirOpenIcon), u"Select File"_s);
    toolbar->addAction(style.standardIcon(QStyle::SP_DialogCancelButton), u"No File"_s);
    layout->addWidget(toolbar);
    layout->addWidget(new QLabel(u"None"_s));
    return box;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(u"Bare Window"_s);
    window.resize(720, 520);
    const QStyle &style = *window.style();
    addMenus(window);

    auto *central = new QWidget;
    auto *grid = new QGridLayout(central);
    grid->addWidget(choicesBox(), 0, 0);
    auto *info = new QVBoxLayout;
    info->addWidget(infoBox());
    info->addWidget(mapsBox());
    info->addWidget(configBox(style));
    grid->addLayout(info, 0, 1);
    grid->addWidget(line(), 1, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(bigToolButton(style.standardIcon(QStyle::SP_MediaPlay), u"Play"_s));
    buttons->addWidget(bigToolButton(style.standardIcon(QStyle::SP_ComputerIcon), u"Server Configuration"_s));
    buttons->addStretch();
    buttons->addWidget(bigToolButton(style.standardIcon(QStyle::SP_DialogCloseButton), u"Exit"_s));
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->addWidget(line(), 3, 0, 1, 2);
    auto *status = new QLineEdit;
    status->setReadOnly(true);
    status->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(status, 4, 0, 1, 2);
    window.setCentralWidget(central);

    window.show();
    const bool printPeak = qEnvironmentVariableIsSet("TREVLIN_PRINT_PEAK_MEMORY");
    if (printPeak) {
        // A window that was never painted holds no pixels; the program measured beside it paints its windows.
        QCoreApplication::processEvents();
        window.repaint();
    }
    if (qEnvironmentVariableIsSet("TREVLIN_QUIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int exitCode = app.exec();
    if (printPeak)
        std::printf("peak %.2f\n", BenchPlatform::peakMemoryMegabytes());
    return exitCode;
}

// Stand-in for the game itself, used by the demo folder. It shows that the game was started, with which
// arguments, in which folder, and which game library the mod descriptor (liblist.gam) names, so the user can
// see which bot add-on was switched on. With QT_QPA_PLATFORM=offscreen it prints the same facts and exits.
//
// TREVLIN_STANDIN_EXIT makes it a game that runs on or fails, with or without a display: "stay" prints the facts
// and stays up for a minute; a number prints them and exits with that code, a game that does not start (any code
// but 0) saying so on its error output first.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QList>
#include <QPair>
#include <QPushButton>
#include <QStringList>
#include <QTextStream>
#include <QVBoxLayout>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

struct Facts
{
    QString arguments;
    QString folder;
    QString gameDll;
};

// The mod folder given after "-game"; the engine falls back to "valve" without one.
QString modFolder(const QStringList &args)
{
    for (qsizetype i = 0; i + 1 < args.size(); ++i) {
        if (args.at(i).compare(QLatin1String("-game"), Qt::CaseInsensitive) == 0)
            return args.at(i + 1);
    }
    return QStringLiteral("valve");
}

// Value of the gamedll line of <folder>/<mod>/liblist.gam; lines are `key "value"`, anything else is skipped.
QString readGameDll(const QString &folder, const QString &mod)
{
    QFile file(QDir(folder).filePath(mod + QStringLiteral("/liblist.gam")));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(no %1/liblist.gam)").arg(mod);
    while (!file.atEnd()) {
        const QString line = QString::fromLatin1(file.readLine()).trimmed();
        const qsizetype blank = line.indexOf(QLatin1Char(' '));
        if (blank <= 0 || line.left(blank).compare(QLatin1String("gamedll"), Qt::CaseInsensitive) != 0)
            continue;
        QString value = line.mid(blank + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return QStringLiteral("(no gamedll line in %1/liblist.gam)").arg(mod);
}

Facts collect(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    Facts facts;
    facts.arguments = args.isEmpty() ? QStringLiteral("(none)") : args.join(QLatin1Char(' '));
    facts.folder = QDir::currentPath();
    facts.gameDll = readGameDll(facts.folder, modFolder(args));
    return facts;
}

} // namespace

int main(int argc, char **argv)
{
    // Read the arguments before QApplication can take any of them for itself.
    const Facts facts = collect(argc, argv);

    const QByteArray ending = qgetenv("TREVLIN_STANDIN_EXIT");
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" || !ending.isEmpty()) {
        {
            QTextStream out(stdout);
            out << "The game was started\n"
                << "Arguments: " << facts.arguments << '\n'
                << "Working folder: " << QDir::toNativeSeparators(facts.folder) << '\n'
                << "gamedll: " << facts.gameDll << '\n';
        }
        if (ending == "stay") {
            std::this_thread::sleep_for(std::chrono::minutes(1));
            return 0;
        }
        const int code = ending.toInt();
        if (code != 0)
            std::fprintf(stderr, "Fatal error: the stand-in game was told to fail with exit code %d\n", code);
        return code;
    }

    QApplication app(argc, argv);
    QDialog window;
    window.setWindowTitle(QStringLiteral("Counter-Strike (stand-in)"));

    auto *layout = new QVBoxLayout(&window);
    auto *headline = new QLabel(QStringLiteral("<b>The game was started</b>"), &window);
    layout->addWidget(headline);
    const QList<QPair<QString, QString>> rows = {
        {QStringLiteral("Arguments:"), facts.arguments},
        {QStringLiteral("Working folder:"), QDir::toNativeSeparators(facts.folder)},
        {QStringLiteral("gamedll:"), facts.gameDll},
    };
    for (const auto &[caption, value] : rows) {
        auto *label = new QLabel(caption + QLatin1Char(' ') + value, &window);
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
    }

    auto *quit = new QPushButton(QStringLiteral("Quit"), &window);
    quit->setDefault(true);
    QObject::connect(quit, &QPushButton::clicked, &window, &QDialog::accept);
    layout->addWidget(quit, 0, Qt::AlignRight);

    window.exec(); // Escape rejects the dialog, which closes it as well
    return 0;
}

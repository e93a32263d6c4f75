// trevlin-publish: makes a signed update site that Trevlin's update window reads, from a folder laid out as
// <Item>/<version>/<root keyword>/<folders…>/<file>.
#include "BoundedFile.h"
#include "ListSigner.h"
#include "ProgramVersion.h"
#include "UpdateSite.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QUrl>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

QString translate(const char *text)
{
    return QCoreApplication::translate("trevlin-publish", text);
}

void print(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text + u'\n'), stream);
}

int usageError(const QCommandLineParser &parser, const QString &why)
{
    print(stderr, why + u"\n\n"_s + parser.helpText().trimmed());
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"trevlin-publish"_s);
    QCoreApplication::setApplicationVersion(QString(programVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        translate("Makes a signed update site for Trevlin from a source folder laid out as\n"
                  "<Item>/<version>/<root keyword>/<folders...>/<file>, where <Item> is an update item (Trevlin,\n"
                  "AndroidBot, RamBot, ...) and <root keyword> is half-life_dir or counter-strike_dir. Any static\n"
                  "web server can serve the output folder at the base address."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption baseOption({u"b"_s, u"base-url"_s},
                                        translate("The address the site is served at, ending in /."), u"url"_s);
    const QCommandLineOption keyOption({u"s"_s, u"secret-key"_s},
                                       translate("The minisign secret key to sign with (made by minisign -G -W)."),
                                       u"file"_s);
    const QCommandLineOption timeOption(u"signed-at"_s,
                                        translate("Sign as of this time, in seconds since 1970 (default: now). A "
                                                  "program refuses lists signed before the last it accepted."),
                                        u"seconds"_s);
    parser.addOptions({baseOption, keyOption, timeOption});
    parser.addPositionalArgument(u"source"_s, translate("The folder to publish."));
    parser.addPositionalArgument(u"output"_s, translate("A new or empty folder to write the site into."));
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser, parser.errorText());
    if (parser.isSet(u"help"_s)) {
        print(stdout, parser.helpText().trimmed());
        return 0;
    }
    if (parser.isSet(u"version"_s)) {
        print(stdout, u"trevlin-publish "_s + QCoreApplication::applicationVersion());
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        return usageError(parser, translate("Give the source folder and the output folder."));
    if (!parser.isSet(baseOption) || !parser.isSet(keyOption))
        return usageError(parser, translate("Give the base address (--base-url) and the secret key (--secret-key)."));

    QString base = parser.value(baseOption);
    if (!base.endsWith(u'/'))
        base += u'/';
    const QUrl baseUrl(base, QUrl::StrictMode);
    if (!baseUrl.isValid() || (baseUrl.scheme() != "http"_L1 && baseUrl.scheme() != "https"_L1)
        || baseUrl.host().isEmpty() || baseUrl.hasQuery() || baseUrl.hasFragment()
        || base != QString::fromLatin1(baseUrl.toEncoded()))
        return usageError(parser, translate("%1 is not an http:// or https:// address.").arg(base));

    qint64 timestamp = QDateTime::currentSecsSinceEpoch();
    if (parser.isSet(timeOption)) {
        bool ok = false;
        timestamp = parser.value(timeOption).toLongLong(&ok);
        if (!ok || timestamp <= 0)
            return usageError(parser, translate("--signed-at takes a positive number of seconds."));
    }

    const QString keyPath = parser.value(keyOption);
    // A key file is two short lines: a folder, a pipe or anything large is none.
    const BoundedFile::Result keyFile = BoundedFile::read(keyPath, BoundedFile::smallFileLimit);
    if (!keyFile.isRead()) {
        print(stderr,
              translate("The secret key %1 could not be read: %2").arg(QDir::toNativeSeparators(keyPath), keyFile.error));
        return 1;
    }
    QString error;
    const std::optional<ListSigner> signer = ListSigner::fromKeyFile(keyFile.bytes, &error);
    if (!signer) {
        print(stderr, translate("The secret key %1 cannot be used: %2").arg(QDir::toNativeSeparators(keyPath), error));
        return 1;
    }

    const UpdateSite::Published published = UpdateSite::publish(positional[0], base, *signer, positional[1], timestamp);
    if (!published.error.isEmpty()) {
        print(stderr, published.error);
        return 1;
    }
    print(stdout,
          translate("Published %1 items with %2 files to %3, signed with the key %4.\n"
                    "A program trusts it when configured with -DTREVLIN_UPDATE_PUBLIC_KEY=%5")
              .arg(QString::number(published.items), QString::number(published.files),
                   QDir::toNativeSeparators(positional[1]), ListSignature::keyIdText(signer->publicKey().id),
                   signer->publicKeyText()));
    if (base.startsWith("http:"_L1))
        print(stdout,
              translate("The address is plain http: the signatures keep the lists and files from being "
                        "changed on the way, but anyone on the way can see what is fetched."));
    return 0;
}

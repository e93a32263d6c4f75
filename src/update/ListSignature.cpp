#include "ListSignature.h"


#include <QCoreApplication>
#include <QDateTime>
#include <QList>

#include <sodium.h>

using namespace Qt::Literals::StringLiterals;

// The key fixed at configure time, in a generated source of its own so that changing it rebuilds one file.
extern const char *const trevlinUpdatePublicKey;

namespace {

constexpr QByteArrayView untrustedPrefix("untrusted comment: ");
constexpr QByteArrayView trustedPrefix("trusted comment: ");
constexpr QByteArrayView legacyAlgorithm("Ed");
constexpr QByteArrayView hashedAlgorithm("ED");

SignatureCheck refused(const QString &why)
{
    return {.ok = false, .trustedTime = 0, .signedName = {}, .error = why};
}

QString malformed()
{
    return QCoreApplication::translate("ListSignature",
                                       "The list's signature is damaged: it is not a minisign signature file.");
}

// Base64 with nothing but the alphabet and its padding, of exactly size bytes once decoded.
std::optional<QByteArray> decodeExactly(QByteArrayView text, qsizetype size)
{
    const auto decoded = QByteArray::fromBase64Encoding(text.toByteArray(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != size)
        return std::nullopt;
    return decoded.decoded;
}

std::array<unsigned char, ListSignature::keyIdSize> idOf(const QByteArray &signature)
{
    std::array<unsigned char, ListSignature::keyIdSize> id{};
    std::copy_n(signature.constData() + 2, id.size(), id.begin());
    return id;
}

// The lines of a small text file, without their CR LF or LF; blank lines at its end are dropped.
QList<QByteArrayView> textLines(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    while (!bytes.isEmpty()) {
        const qsizetype end = bytes.indexOf('\n');
        QByteArrayView line = end < 0 ? bytes : bytes.first(end);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(line);
        bytes = end < 0 ? QByteArrayView() : bytes.sliced(end + 1);
    }
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

// minisign writes "timestamp:<seconds>" as the first of the comment's tab-separated fields.
// The value of the trusted comment's field that starts with key ("timestamp:", "file:"), or none.
std::optional<QByteArray> fieldOf(QByteArrayView comment, QByteArrayView key)
{
    for (const QByteArray &field : comment.toByteArray().split('\t')) {
        const QByteArray trimmed = field.trimmed();
        if (trimmed.startsWith(key))
            return trimmed.sliced(key.size());
    }
    return std::nullopt;
}

qint64 timestampOf(QByteArrayView comment)
{
    const std::optional<QByteArray> digits = fieldOf(comment, "timestamp:");
    bool ok = false;
    const qint64 seconds = digits ? digits->toLongLong(&ok) : 0;
    return ok && seconds > 0 && !digits->startsWith('+') ? seconds : 0;
}

} // namespace

bool ListSignature::keyConfigured()
{
    return trevlinUpdatePublicKey[0] != '\0';
}

std::optional<ListSignature::PublicKey> ListSignature::parsePublicKey(const QString &text)
{
    // A whole public key file carries the key on its second line; the key alone is that line.
    const QByteArray latin1 = text.toLatin1();
    QList<QByteArrayView> lines = textLines(latin1);
    if (lines.size() == 2 && lines.first().startsWith(untrustedPrefix))
        lines.removeFirst();
    if (lines.size() != 1)
        return std::nullopt;
    const std::optional<QByteArray> bytes = decodeExactly(lines.first().trimmed(), 2 + keyIdSize + publicKeySize);
    if (!bytes || !bytes->startsWith(legacyAlgorithm))
        return std::nullopt;
    PublicKey key;
    std::copy_n(bytes->constData() + 2, keyIdSize, key.id.begin());
    std::copy_n(bytes->constData() + 2 + keyIdSize, publicKeySize, key.key.begin());
    return key;
}

QString ListSignature::keyIdText(const std::array<unsigned char, keyIdSize> &id)
{
    // minisign shows the id as a little-endian number, in hex without leading zeros.
    quint64 number = 0;
    for (auto byte = id.crbegin(); byte != id.crend(); ++byte)
        number = number << 8 | *byte;
    return QString::number(number, 16).toUpper();
}

QByteArray ListSignature::prehash(const QByteArray &data)
{
    QByteArray hash(crypto_generichash_BYTES_MAX, Qt::Uninitialized);
    crypto_generichash(reinterpret_cast<unsigned char *>(hash.data()), hash.size(),
                       reinterpret_cast<const unsigned char *>(data.constData()), data.size(), nullptr, 0);
    return hash;
}

SignatureCheck ListSignature::verify(const QByteArray &list, const QByteArray &minisig)
{
    if (!keyConfigured())
        return refused(QCoreApplication::translate("ListSignature", "This program trusts no signing key."));
    return verify(list, minisig, QString::fromLatin1(trevlinUpdatePublicKey));
}

SignatureCheck ListSignature::verify(const QByteArray &list, const QByteArray &minisig, const QString &publicKeyText)
{
    const std::optional<PublicKey> key = parsePublicKey(publicKeyText);
    if (!key)
        return refused(QCoreApplication::translate(
            "ListSignature", "The signing key this program trusts is not a minisign public key."));
    return verify(list, minisig, *key);
}

SignatureCheck ListSignature::verify(const QByteArray &list, const QByteArray &minisig, const PublicKey &key)
{
    if (sodium_init() < 0)
        return refused(QCoreApplication::translate(
            "ListSignature", "The signature cannot be checked: the cryptography library did not start."));
    if (minisig.trimmed().isEmpty())
        return refused(QCoreApplication::translate("ListSignature", "The list has no signature."));
    if (minisig.size() > maxSignatureFileSize)
        return refused(malformed());
    const QList<QByteArrayView> lines = textLines(minisig);
    if (lines.size() < 2 || !lines[0].startsWith(untrustedPrefix))
        return refused(malformed());
    const std::optional<QByteArray> signature = decodeExactly(lines[1].trimmed(), 2 + keyIdSize + signatureSize);
    if (!signature)
        return refused(malformed());
    const QByteArrayView algorithm = QByteArrayView(*signature).first(2);
    if (algorithm != legacyAlgorithm && algorithm != hashedAlgorithm)
        return refused(malformed());
    if (lines.size() < 3 || !lines[2].startsWith(trustedPrefix))
        return refused(QCoreApplication::translate("ListSignature", "The list's signature has no trusted comment."));
    if (lines.size() != 4)
        return refused(malformed());
    const std::optional<QByteArray> global = decodeExactly(lines[3].trimmed(), signatureSize);
    if (!global)
        return refused(malformed());
    if (idOf(*signature) != key.id)
        return refused(
            QCoreApplication::translate("ListSignature",
                                        "The list was signed with another key (%1) than the one this program "
                                        "trusts (%2).")
                .arg(keyIdText(idOf(*signature)), keyIdText(key.id)));

    const auto *bytes = reinterpret_cast<const unsigned char *>(signature->constData() + 2 + keyIdSize);
    const QByteArray message = algorithm == hashedAlgorithm ? prehash(list) : list;
    if (crypto_sign_verify_detached(bytes, reinterpret_cast<const unsigned char *>(message.constData()), message.size(),
                                    key.key.data())
        != 0)
        return refused(QCoreApplication::translate(
            "ListSignature", "The list does not match its signature: it was changed after it was signed."));

    // The trusted comment is signed together with the signature itself.
    const QByteArrayView comment = lines[2].sliced(trustedPrefix.size());
    const QByteArray signedComment = signature->sliced(2 + keyIdSize) + comment.toByteArray();
    if (crypto_sign_verify_detached(reinterpret_cast<const unsigned char *>(global->constData()),
                                    reinterpret_cast<const unsigned char *>(signedComment.constData()),
                                    signedComment.size(), key.key.data())
        != 0)
        return refused(QCoreApplication::translate(
            "ListSignature", "The trusted comment of the list's signature was changed after it was signed."));
    return {.ok = true,
            .trustedTime = timestampOf(comment),
            .signedName = QString::fromUtf8(fieldOf(comment, "file:").value_or(QByteArray())),
            .error = {}};
}

SignatureCheck ListSignature::acceptSigned(const QString &name, const QByteArray &list, const QByteArray &minisig,
                                           qint64 lastAccepted, const QString &publicKeyText)
{
    SignatureCheck check = publicKeyText.isEmpty() ? verify(list, minisig) : verify(list, minisig, publicKeyText);
    const auto when = [](qint64 seconds) {
        return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(u"yyyy-MM-dd hh:mm:ss 'UTC'"_s);
    };
    // Each list's time is kept by its name: a list signed as another may not stand in for it.
    if (check.ok && check.signedName != name)
        check.error = check.signedName.isEmpty()
            ? QCoreApplication::translate("ListSignature",
                                          "Its signature names no file (\"file:\" in its trusted comment), so it "
                                          "cannot be told from another list.")
            : QCoreApplication::translate("ListSignature",
                                          "It was signed as %1: the server must not hand one list out as another.")
                  .arg(check.signedName);
    else if (check.ok && check.trustedTime == 0)
        check.error = QCoreApplication::translate("ListSignature",
                                                  "Its signature carries no time (\"timestamp:\" in its trusted "
                                                  "comment), so it cannot be told from an older list.");
    else if (check.ok && check.trustedTime < lastAccepted)
        check.error = QCoreApplication::translate("ListSignature",
                                                  "It was signed on %1, before the one taken last (signed on %2): "
                                                  "the server must not take you back to older files.")
                          .arg(when(check.trustedTime), when(lastAccepted));
    if (check.error.isEmpty())
        return check;
    check.ok = false;
    check.error = QCoreApplication::translate("ListSignature", "%1 is refused. %2").arg(name, check.error);
    return check;
}

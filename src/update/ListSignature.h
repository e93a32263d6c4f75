#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>


// What checking a list against its detached signature found.
struct SignatureCheck
{
    bool ok = false;
    // The time the publisher signed at, in seconds since 1970, from the "timestamp:" that minisign writes into the
    // trusted comment; 0 when the comment has none. The comment is covered by the signature, so a server cannot
    // change it; a list whose time is 0 is refused wherever an older list must not replace a newer one.
    qint64 trustedTime = 0;
    // The file the list was signed as, from the comment's "file:"; empty when it names none.
    QString signedName;
    QString error; // when not ok, says in the user's words why the list is refused
};

// The update lists are signed with minisign (Ed25519): each list comes with a ".minisig" file beside it, and the
// program trusts one public key, fixed when it is configured (TREVLIN_UPDATE_PUBLIC_KEY). A signature file has four
// lines: an untrusted comment; the base64 of the algorithm ("Ed" signs the list itself, "ED" its BLAKE2b-512 hash),
// the key id and the signature; the trusted comment; and the base64 of a second signature over the first one and
// the trusted comment's text, so that the comment cannot be changed either.
namespace ListSignature {

constexpr qsizetype keyIdSize = 8;
constexpr qsizetype publicKeySize = 32;
constexpr qsizetype secretKeySize = 64; // the seed, then the public key, as libsodium keeps it
constexpr qsizetype signatureSize = 64;
// A signature file is a few hundred bytes; anything far above that is not one.
constexpr qsizetype maxSignatureFileSize = 8 * 1024;

struct PublicKey
{
    std::array<unsigned char, keyIdSize> id{};
    std::array<unsigned char, publicKeySize> key{};
};

// Whether a key was fixed when the program was configured: then every list must come signed with it.
bool keyConfigured();

// Checks list against the signature file minisig, with the configured key.
SignatureCheck verify(const QByteArray &list, const QByteArray &minisig);
// The same with another key in minisign's text form (the base64 line "RWQ…", or a whole public key file).
SignatureCheck verify(const QByteArray &list, const QByteArray &minisig, const QString &publicKeyText);
SignatureCheck verify(const QByteArray &list, const QByteArray &minisig, const PublicKey &key);

// Whether a signed update may take the list called name (its file name): its signature holds with the configured key
// (or the key given), it was signed as that name, its time is known, and it is no older than lastAccepted, the time
// of the newest list of that name taken before (0 when none), so that a server cannot take a player back to older
// files.
SignatureCheck acceptSigned(const QString &name, const QByteArray &list, const QByteArray &minisig, qint64 lastAccepted,
                            const QString &publicKeyText = {});

// Reads a public key in minisign's text form.
std::optional<PublicKey> parsePublicKey(const QString &text);
// The key id as minisign shows it in its comments: hex digits, most significant first.
QString keyIdText(const std::array<unsigned char, keyIdSize> &id);
// The BLAKE2b-512 hash of data, the message that the "ED" form signs.
QByteArray prehash(const QByteArray &data);

} // namespace ListSignature

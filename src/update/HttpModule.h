#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QtPlugin>

#include <optional>

// One HTTP GET in flight. The network module makes it: the program loads Qt's network library, and the libraries
// that library brings along, only when it first fetches, so that start-up does not wait for them.
//
// Both interfaces are abstract through and through, so that the module needs nothing of the program but this file.
class HttpGet
{
public:
    // What the transfer tells as it goes, always from the event loop.
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void onConnecting() = 0;
        virtual void onRequestSent() = 0;
        virtual void onHeaders() = 0;
        virtual void onBytes() = 0;
        virtual void onProgress(qint64 total) = 0; // total is -1 when the server does not say
        // The transfer waits for allowRedirect() or release().
        virtual void onRedirected(const QUrl &url) = 0;
        virtual void onFinished() = 0;
    };

    virtual ~HttpGet() = default;

    // The HTTP status, 0 before the headers have come.
    virtual int status() const = 0;
    // The body's length as the server announced it, if it did.
    virtual std::optional<qint64> announcedLength() const = 0;
    // Whether the server sent more than one Content-Length, not all the same.
    virtual bool lengthsDisagree() const = 0;
    virtual qint64 bytesAvailable() const = 0;
    virtual qint64 read(char *data, qint64 maxSize) = 0;
    // What went wrong on the network, or empty.
    virtual QString networkError() const = 0;
    virtual QUrl url() const = 0;
    virtual void allowRedirect() = 0;
    // Aborts the transfer. The listener hears nothing more, and the object deletes itself once the event loop runs
    // again, so that a listener may release it from within its own call.
    virtual void release() = 0;
};

// The transfers of one client: they share the connections to the server. Deleting it ends any still running.
class HttpSession
{
public:
    virtual ~HttpSession() = default;
    // Starts the GET; the body is buffered up to bufferSize bytes between reads. A compressed body is never asked
    // for: the size cap and the length check must count the bytes of the file itself.
    virtual HttpGet *get(const QUrl &url, int maxRedirects, qint64 bufferSize, HttpGet::Listener *listener) = 0;
};

class HttpModule
{
public:
    virtual ~HttpModule() = default;
    virtual HttpSession *newSession() = 0;
};

#define TrevlinHttpModule_iid "org.trevlin.HttpModule/1"
Q_DECLARE_INTERFACE(HttpModule, TrevlinHttpModule_iid)

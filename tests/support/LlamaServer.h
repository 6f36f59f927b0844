#pragma once
// llama.cpp's own server with the tiny generated model on a free local port, ready once it
// reports healthy, ended with the test.

#include "support/Wait.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QTcpServer>

namespace tq::desktoptest {

class LlamaServer {
public:
    static QString model() { return QStringLiteral(TQ_BINARY_DIR "/models/tiny.gguf"); }
    static QString program() { return QStringLiteral(TQ_LLAMA_BIN "/llama-server"); }
    static bool installed() { return QFile::exists(model()) && QFile::exists(program()); }

    LlamaServer()
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0))
            return;
        const quint16 port = probe.serverPort();
        probe.close();
        QStringList args{"-m", model(), "--host", "127.0.0.1", "--port", QString::number(port), "-c", "512", "-t", "2",
                         "--alias", "tiny", "--seed", "7"};
        // The random weights often pick a lone byte token, and the server answers a reply that is
        // not whole UTF-8 with an error: the vocabulary's 256 byte tokens (3 to 258) are banned.
        for (int token = 3; token <= 258; ++token)
            args << "-l" << QStringLiteral("%1-inf").arg(token);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(program(), args);
        if (process_.waitForStarted(10000))
            base_ = QStringLiteral("http://127.0.0.1:%1").arg(port);
    }
    ~LlamaServer()
    {
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }
    QString base() const { return base_; }
    // Whether it answers its health check within `timeoutMs` (loading the model takes a while).
    bool waitHealthy(int timeoutMs = 60000)
    {
        if (base_.isEmpty())
            return false;
        QNetworkAccessManager nam;
        return testwait::waitFor(
            [&] {
                QNetworkReply* reply = nam.get(QNetworkRequest(QUrl(base_ + "/health")));
                testwait::waitFor([&] { return reply->isFinished(); }, 2000);
                const bool ok = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
                reply->deleteLater();
                return ok;
            },
            timeoutMs);
    }
    QString output() { return QString::fromUtf8(process_.readAll()); }

private:
    QProcess process_;
    QString base_;
};

} // namespace tq::desktoptest

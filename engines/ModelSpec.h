#pragma once
// The one model file the built-in engine runs: what it is, where it comes from, its size and
// its SHA-256 digest.

#include <QString>
#include <QUrl>

namespace tq {

struct ModelSpec {
    QString title;
    QString publisher;   // who made the model (a name, not translated)
    QString convertedBy; // who converted it for llama.cpp; empty when the publisher did
    QString license;
    QUrl licenseURL;
    QString fileName;
    QUrl url;
    qint64 bytes = 0;
    QString sha256; // 64 lowercase hexadecimal digits

    bool operator==(const ModelSpec&) const = default;

    // The built-in model, made once on first use.
    static const ModelSpec& builtIn();
};

} // namespace tq

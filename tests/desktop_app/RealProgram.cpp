#include "RealProgram.h"

#include "platform/OverlayWindow.h"

#include <QHash>
#include <QtTest/QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tq::realprogram {

Compositor::Compositor(bool on)
{
    if (!on) {
        ready_ = !overlay::compositing();
        return;
    }
    process_.start("xcompmgr", {});
    ready_ = process_.waitForStarted(5000) && waitFor([] { return overlay::compositing(); }, testwait::kPatience);
}

Compositor::~Compositor()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(2000);
    }
    waitFor([] { return !overlay::compositing(); }, testwait::kPatience);
}

Program::Program(const QByteArray& reply, const QString& base) : desktoptest::Program(reply)
{
    writeSettings(desktoptest::firstRunDone({{"engine", "openAI"}, {"serverURL", (base.isEmpty() ? server.base() : base) + "/v1"}}));
}

void Program::serveNotesPage()
{
    server.on("/notes.html", [](const test::FakeHttpServer::Request&) {
        test::FakeHttpServer::Response r{200, R"(<!doctype html>
<html><head><meta charset="utf-8"><title>Harbour notes</title></head>
<body style="font-family: sans-serif; margin: 40px">
<textarea id="notes" style="width: 600px; height: 240px"></textarea>
<h1>Harbour notes</h1>
<p>The lighthouse keeper counted seventeen herons on the northern breakwater this morning.</p>
</body></html>)"};
        r.contentType = "text/html; charset=utf-8";
        return r;
    });
}

std::optional<QRect> Program::ghost()
{
    const QString found = desktoptest::windowTitled("Tessaquill ghost", pid());
    const QRect r = found.isEmpty() ? QRect() : windowGeometry(found);
    return r.isEmpty() ? std::nullopt : std::optional(r);
}

RowPixels measureRow(const QImage& shot, const QRect& ghost, int lineStartX, int caretX)
{
    RowPixels out;
    const QRect area = ghost & shot.rect();
    if (area.isEmpty())
        return out;
    // The field's background: the commonest colour under the ghost window.
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[shot.pixel(x, y)];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    const auto ink = [&](QRgb p) {
        return std::max({std::abs(qRed(p) - qRed(background)), std::abs(qGreen(p) - qGreen(background)),
                         std::abs(qBlue(p) - qBlue(background))})
            > 48;
    };
    const auto inkHeight = [&](int from, int to) {
        int top = -1, bottom = -1;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = std::max(from, 0); x <= std::min(to, shot.width() - 1); ++x)
                if (ink(shot.pixel(x, y))) {
                    if (top < 0)
                        top = y;
                    bottom = y;
                }
        return top < 0 ? 0 : bottom - top + 1;
    };
    const int ghostFrom = caretX + 3;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int run = 0;
        for (int x = std::max(ghostFrom, area.left()); x <= area.right(); ++x) {
            const QRgb p = shot.pixel(x, y);
            const int r = qRed(p), g = qGreen(p), b = qBlue(p);
            const bool neutral = std::abs(r - g) < 20 && std::abs(g - b) < 20 && std::abs(r - b) < 20;
            if (ink(p) && neutral && r >= 70 && r <= 215)
                ++out.greyGhostPixels;
            run = r < 50 && g < 50 && b < 50 ? run + 1 : 0;
            out.longestDarkRun = std::max(out.longestDarkRun, run);
        }
    }
    out.typedGlyphHeight = inkHeight(lineStartX + 1, caretX - 3);
    // The first characters only: the key hint's keycap further right is taller than text.
    out.ghostGlyphHeight = inkHeight(ghostFrom, ghostFrom + std::max(8, int((area.right() - ghostFrom) * 0.4)));
    return out;
}

} // namespace tq::realprogram

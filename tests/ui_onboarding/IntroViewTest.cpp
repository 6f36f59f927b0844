// The intro off screen in virtual time: its cues, its two ways out, the sound toggle, and the
// stage as a pure function of time.

#include "platform/Clock.h"
#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "settings/Preferences.h"
#include "ui/design/Animation.h"
#include "ui/onboarding/IntroStage.h"
#include "ui/onboarding/IntroView.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace tq::testing {
namespace {

QImage renderAt(double t, bool still)
{
    static const IntroWordmarkFont word;
    QImage img(640, 660, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    IntroFrame f;
    f.t = t;
    f.cue = &IntroCues::pick(still);
    f.still = still;
    f.size = img.size();
    paintIntroStage(p, f, word);
    return img;
}

class IntroViewTest : public ::testing::Test {
protected:
    IntroViewTest() : motion(clock, reduceMotion) {}

    void open(bool localOnly = false)
    {
        view = std::make_unique<IntroView>(IntroServices{prefs, motion, clock, localOnly}, [this] { ++done; });
        view->resize(640, 660);
        view->show();
    }
    // Runs the clock forward in frame-sized steps so every frame is delivered.
    void run(double seconds)
    {
        const int steps = int(seconds / 0.016 + 0.5);
        for (int i = 0; i < steps; ++i)
            clock.advance(Millis(16));
    }
    void key(int k) { QTest::keyClick(view.get(), Qt::Key(k)); }

    VirtualClock clock;
    FakeReduceMotion reduceMotion;
    MotionContext motion;
    FakeDefaults defaults;
    Preferences prefs{defaults};
    std::unique_ptr<IntroView> view;
    int done = 0;
};

TEST_F(IntroViewTest, GetStartedWaitsForItsCueInBothTimings)
{
    for (bool reduce : {false, true}) {
        SCOPED_TRACE(reduce);
        reduceMotion.set(reduce);
        done = 0;
        open();
        const double cue = reduce ? 4.0 : 6.4;
        run(cue - 0.1);
        EXPECT_FALSE(view->startButton()->isVisible()) << "hidden, unclickable and unseen before its cue";
        key(Qt::Key_Return);
        EXPECT_FALSE(view->isLeaving()) << "Return does nothing before the cue";
        run(0.2);
        EXPECT_TRUE(view->startButton()->isVisible());
        key(Qt::Key_Return);
        EXPECT_TRUE(view->isLeaving());
        run(1.0);
        EXPECT_EQ(done, 1);
    }
}

TEST_F(IntroViewTest, SkipLeavesFromTheFirstFrameAndDoneComesOnce)
{
    open();
    EXPECT_TRUE(view->skipButton()->isVisible());
    key(Qt::Key_Escape);
    EXPECT_TRUE(view->isLeaving());
    run(0.48);
    EXPECT_EQ(done, 0) << "done waits 0.5 s";
    view->skipButton()->click();
    key(Qt::Key_Escape);
    run(0.1);
    EXPECT_EQ(done, 1);
    view->skipButton()->click();
    run(1.0);
    EXPECT_EQ(done, 1);
}

TEST_F(IntroViewTest, ReduceMotionLeavesFasterAndTheClockStops)
{
    reduceMotion.set(true);
    open();
    run(1.0);
    view->skipButton()->click();
    run(0.18);
    EXPECT_EQ(done, 0);
    run(0.05);
    EXPECT_EQ(done, 1);
    run(0.5);
    EXPECT_FALSE(view->isTicking());
    EXPECT_FALSE(motion.frames().isRunning()) << "nothing ticks once the intro has gone";
    EXPECT_NEAR(view->shownOpacity(), 0, 1e-6);
}

TEST_F(IntroViewTest, HiddenItSleepsShownAgainItStartsOverClosedWhileLeavingItFinishes)
{
    open();
    run(3.0);
    view->hide();
    EXPECT_FALSE(motion.frames().isRunning()) << "a hidden intro costs no frames";
    run(2.0);
    view->show();
    EXPECT_LT(view->sceneTime(), 0.05) << "the scene restarts when shown again";
    EXPECT_LT(view->shownOpacity(), 0.05) << "and fades in again";
    EXPECT_TRUE(motion.frames().isRunning());
    run(1.0);
    view->skipButton()->click();
    run(0.2);
    view->hide();
    EXPECT_EQ(done, 1) << "an intro closed during its leaving fade still finishes";
    run(1.0);
    EXPECT_EQ(done, 1);
    EXPECT_FALSE(motion.frames().isRunning());
}

TEST_F(IntroViewTest, SoundToggleWritesTheSettingAndFollowsIt)
{
    open(/*localOnly*/ true);
    QAbstractButton* sound = view->soundButton();
    EXPECT_EQ(sound->accessibleName(), QStringLiteral("Turn sound off")) << "local only mutes without saying so";
    if (view->player().hasSound()) {
        EXPECT_EQ(view->player().volume(), 0.0);
    }
    sound->click();
    EXPECT_TRUE(prefs.introMuted());
    EXPECT_EQ(defaults.object(QStringLiteral("introMuted")).toBool(), true);
    EXPECT_EQ(sound->accessibleName(), QStringLiteral("Turn sound on"));
    sound->click();
    run(0.35);
    EXPECT_FALSE(prefs.introMuted());
    if (view->player().hasSound()) {
        EXPECT_NEAR(view->player().volume(), IntroPlayer::kLevel, 1e-6) << "two presses make it audible";
    }
}

TEST_F(IntroViewTest, PlayerStartsSilentWhenMutedAndFades)
{
    IntroPlayer player(clock);
    player.play(true);
    ASSERT_TRUE(player.hasSound()) << "the chime is built in";
    EXPECT_EQ(player.volume(), 0.0);
    player.fadeTo(IntroPlayer::kLevel, 0.3);
    run(0.15);
    EXPECT_GT(player.volume(), 0.2);
    EXPECT_LT(player.volume(), 0.8);
    run(0.2);
    EXPECT_NEAR(player.volume(), IntroPlayer::kLevel, 1e-6);
    player.stop();
    EXPECT_FALSE(player.hasSound());

    IntroPlayer missing(clock, QUrl::fromLocalFile(QStringLiteral("/nonexistent/intro.wav")));
    missing.play(false);
    EXPECT_FALSE(missing.hasSound()) << "no file: the intro plays in silence";
}

TEST(IntroWave, ReadsPlainPcmAndRefusesTheRest)
{
    const auto chunk = [](const char* id, QByteArray body) {
        QByteArray c(id, 4);
        const quint32 n = quint32(body.size());
        c.append(reinterpret_cast<const char*>(&n), 4); // little-endian host
        c.append(body);
        if (body.size() % 2)
            c.append('\0');
        return c;
    };
    const auto fmt = [&](quint16 kind, quint16 channels, quint32 rate, quint16 bits) {
        QByteArray b(16, '\0');
        const quint16 align = quint16(channels * bits / 8);
        const quint32 perSecond = rate * align;
        memcpy(b.data(), &kind, 2);
        memcpy(b.data() + 2, &channels, 2);
        memcpy(b.data() + 4, &rate, 4);
        memcpy(b.data() + 8, &perSecond, 4);
        memcpy(b.data() + 12, &align, 2);
        memcpy(b.data() + 14, &bits, 2);
        return chunk("fmt ", b);
    };
    const auto wave = [](QByteArray chunks) { return QByteArray("RIFF") + QByteArray(4, '\0') + "WAVE" + chunks; };
    QByteArray longData = chunk("data", QByteArray(10, 'x'));
    longData[4] = char(200); // claims 200 bytes, holds 10

    struct Case {
        const char* name;
        QByteArray file;
        int bytes; // -1: refused
    };
    const Case cases[] = {
        {"stereo 16 bit after an odd-sized chunk", wave(chunk("LIST", "abc") + fmt(1, 2, 44100, 16) + chunk("data", QByteArray(8, 'x'))), 8},
        {"data longer than the file is cut to whole frames", wave(fmt(1, 2, 22050, 16) + longData), 8},
        {"floating point is not plain PCM", wave(fmt(3, 1, 22050, 32) + chunk("data", QByteArray(8, 'x'))), -1},
        {"24 bit is refused", wave(fmt(1, 1, 22050, 24) + chunk("data", QByteArray(6, 'x'))), -1},
        {"data before its format", wave(chunk("data", QByteArray(8, 'x')) + fmt(1, 1, 22050, 16)), -1},
        {"no data", wave(fmt(1, 1, 22050, 16)), -1},
        {"not a wave file", QByteArray("ID3\x04 some mp3"), -1},
        {"empty", QByteArray(), -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<WaveSound> w = readWave(c.file);
        ASSERT_EQ(w.has_value(), c.bytes >= 0);
        if (w) {
            EXPECT_EQ(w->samples.size(), c.bytes);
        }
    }

    QFile chime(QStringLiteral(":/sounds/intro.wav"));
    ASSERT_TRUE(chime.open(QIODevice::ReadOnly));
    const std::optional<WaveSound> builtIn = readWave(chime.readAll());
    ASSERT_TRUE(builtIn);
    EXPECT_EQ(builtIn->format.sampleRate(), 22050);
    EXPECT_EQ(builtIn->format.sampleFormat(), QAudioFormat::Int16);
}

TEST_F(IntroViewTest, StageIsAPureFunctionOfTime)
{
    for (double t : {0.5, 2.05, 4.45}) {
        renderAt(t, false); // Qt's glyph cache fills on a first drawing at a new transform
        EXPECT_EQ(renderAt(t, false), renderAt(t, false)) << t;
        EXPECT_NE(renderAt(t, false), renderAt(t + 0.1, false)) << t;
    }
    // At t = 0 only the black ground and the grain show.
    const QImage start = renderAt(0, false);
    const QRgb centre = start.pixel(320, 277);
    EXPECT_LT(qRed(centre) + qGreen(centre) + qBlue(centre), 30);
}

// Pictures of the intro at fixed moments for the artifacts folder: a second intro played to
// the same moments shows the same pictures, and the moments differ.
TEST_F(IntroViewTest, PicturesAtFixedTimes)
{
    const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
    QDir().mkpath(dir);
    const auto play = [&] {
        open();
        view->resize(1024, 640);
        QList<QImage> shots;
        double now = 0;
        for (double at : {0.5, 2.0, 4.0, 6.5}) {
            run(at - now);
            now = at;
            shots << view->grab().toImage();
        }
        return shots;
    };
    const QList<QImage> first = play();
    const QList<QImage> second = play();
    const double moments[] = {0.5, 2.0, 4.0, 6.5};
    for (int i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i], second[i]) << moments[i];
        if (i > 0)
            EXPECT_NE(first[i], first[i - 1]) << moments[i];
        first[i].save(QDir(dir).filePath(QStringLiteral("intro-%1s.png").arg(moments[i])));
    }
    view->skipButton()->click();
    run(0.032);
    view->grab().save(QDir(dir).filePath(QStringLiteral("intro-leaving.png")));
    reduceMotion.set(true);
    renderAt(4.5, true).save(QDir(dir).filePath(QStringLiteral("intro-reduced-end.png")));
    QImage end = renderAt(12, false);
    end.save(QDir(dir).filePath(QStringLiteral("intro-end.png")));
    EXPECT_EQ(end, renderAt(12, false));
}

TEST(IntroCuesTest, CaretsAndKeyAtTheAcceptCue)
{
    const IntroCues& c = IntroCues::regular();
    EXPECT_TRUE(intro::tabPressed(c.accept, c));
    EXPECT_EQ(intro::typingCaretOpacity(c.accept, c), 0);
    EXPECT_GT(intro::endCaretOpacity(c.accept, c), 0);
    EXPECT_EQ(intro::endCaretOpacity(c.tagline + 0.6, c), 0);
    const IntroCues& r = IntroCues::reduced();
    EXPECT_EQ(intro::caretLetter(r.letters[0], r), 4) << "all letters land together";
    EXPECT_EQ(intro::flash(r.drop, r, true), 0);
}

} // namespace
} // namespace tq::testing

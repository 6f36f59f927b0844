#include "FieldFixture.h"

#include <QCoreApplication>

using namespace tq;
using namespace tq::testing;
using Change = AXFieldSource::Change;

namespace {
class Attach : public FieldFixture {};
} // namespace

TEST_F(Attach, WatchesTheFocusedElementAndReportsChanges)
{
    source->attach(kPid);
    EXPECT_EQ(changes, std::vector<Change>{Change::app});
    EXPECT_TRUE(source->hasObserver());
    EXPECT_EQ(source->watched(), AXElement(field->element(), screen));
    EXPECT_EQ(ax.registrations(app->element(), attr(ax::kFocusedUIElementChanged)), 1);
    EXPECT_EQ(ax.registrations(field->element(), attr(ax::kValueChanged)), 1);
    EXPECT_EQ(ax.registrations(field->element(), attr(ax::kSelectedTextChanged)), 1);
    EXPECT_FALSE(source->isRetrying());
    EXPECT_EQ(field->timeout, AXFieldSource::kMessagingTimeout);

    ax.post(field->element(), attr(ax::kValueChanged));
    ax.post(field->element(), attr(ax::kSelectedTextChanged));
    EXPECT_EQ(changes, (std::vector<Change>{Change::app, Change::value, Change::value}));

    auto other = makeField(attr(ax::kTextArea), QStringLiteral("x"));
    focus(other);
    ax.post(other->element(), attr(ax::kFocusedUIElementChanged));
    EXPECT_EQ(changes.back(), Change::focus);
    EXPECT_EQ(source->watched(), AXElement(other->element(), screen));
    EXPECT_EQ(ax.registrations(field->element(), attr(ax::kValueChanged)), 0);
    EXPECT_EQ(ax.registrations(other->element(), attr(ax::kValueChanged)), 1);
}

TEST_F(Attach, RetriesUntilAFocusedElementShowsUp)
{
    LogCapture log;
    focus(nullptr);
    source->attach(kPid);
    EXPECT_TRUE(source->isRetrying());
    clock.advance(Millis(300)); // first look
    clock.advance(Millis(700)); // second look, 1.0 s
    EXPECT_FALSE(source->watched());
    clock.advance(Millis(200)); // the element appears 1.2 s after the attach
    focus(field);
    clock.advance(Millis(1299));
    EXPECT_FALSE(source->watched());
    clock.advance(Millis(1)); // third look, 2.5 s
    EXPECT_EQ(source->watched(), AXElement(field->element(), screen));
    EXPECT_EQ(changes.back(), Change::focus);
    EXPECT_TRUE(log.lines.contains(QStringLiteral("attached to org.example.Editor on a later look, after 1500 ms")));
    EXPECT_EQ(clock.pendingCount(), 0u);
}

TEST_F(Attach, GivesUpAfterSixLooks)
{
    focus(nullptr);
    source->attach(kPid);
    clock.advance(Millis(18499));
    EXPECT_TRUE(source->isRetrying());
    clock.advance(Millis(1));
    EXPECT_FALSE(source->isRetrying());
    focus(field);
    clock.advance(Millis(60000));
    EXPECT_FALSE(source->watched());
}

TEST_F(Attach, SwitchingApplicationsCancelsTheRetries)
{
    focus(nullptr);
    source->attach(kPid);
    clock.advance(Millis(300));

    const qint64 other = 777;
    auto otherApp = makeFakeElement(other, attr(ax::kApplication));
    auto otherField = makeFakeElement(other, attr(ax::kTextField));
    otherField->text = QString();
    otherApp->attributes[attr(ax::kFocusedUIElement)] = QVariant::fromValue(otherField->element());
    ax.apps[other] = otherApp->element();
    workspace.add(other, QStringLiteral("org.example.Other"), QStringLiteral("Other"));
    source->start();
    changes.clear();
    workspace.activate(other);
    EXPECT_EQ(changes, std::vector<Change>{Change::app});
    EXPECT_EQ(source->app()->pid, other);
    EXPECT_FALSE(source->isRetrying());
    focus(field); // the old application's field shows up late: nobody looks
    clock.advance(Millis(20000));
    EXPECT_EQ(source->watched(), AXElement(otherField->element(), screen));
    EXPECT_EQ(source->snapshot()->bundleID, QStringLiteral("org.example.Other"));
}

TEST_F(Attach, OwnProcessAndMissingTrustAttachNothing)
{
    const qint64 own = QCoreApplication::applicationPid();
    workspace.add(own, QStringLiteral("tessaquill"), QStringLiteral("Tessaquill"));
    ax.apps[own] = app->element();
    source->attach(own);
    EXPECT_EQ(changes, std::vector<Change>{Change::app});
    EXPECT_EQ(ax.observersCreated, 0);
    EXPECT_FALSE(source->appElement());
    EXPECT_TRUE(source->app());

    ax.trusted = false;
    source->attach(kPid);
    EXPECT_EQ(ax.observersCreated, 0);
    EXPECT_FALSE(source->snapshot());
    EXPECT_EQ(source->whyNoField(), QStringLiteral("org.example.Editor: nothing focused"));

    changes.clear();
    source->attach(99999); // no such process
    EXPECT_TRUE(changes.empty());
    EXPECT_FALSE(source->app());
}

TEST_F(Attach, ABusOutOfReachIsSaidAndTheFrontmostApplicationIsAttachedAgainOnceItIsBack)
{
    workspace.frontmost = kPid;
    source->start();
    ax.trusted = false;
    ax.problem = QStringLiteral("the accessibility bus went away; fields are read again once it is back");
    source->attach(kPid);
    EXPECT_FALSE(source->snapshot());
    EXPECT_EQ(source->whyNoField(),
              QStringLiteral("org.example.Editor: the accessibility bus went away; fields are read again once it is back"));

    ax.trusted = true;
    ax.reconnect();
    EXPECT_EQ(source->watched(), AXElement(field->element(), screen));
    EXPECT_TRUE(source->snapshot());

    source.reset(); // a handler outliving the source does nothing
    ax.reconnect();
}

TEST_F(Attach, ObserverFailureStillReportsTheApplication)
{
    ax.observersFail = true;
    source->attach(kPid);
    EXPECT_EQ(changes, std::vector<Change>{Change::app});
    EXPECT_FALSE(source->hasObserver());
}

TEST_F(Attach, SiteHostAndWindowTitle)
{
    auto window = makeFakeElement(kPid, attr(ax::kWindow));
    window->attributes[attr(ax::kTitle)] = QStringLiteral("Inbox");
    app->attributes[attr(ax::kFocusedWindow)] = QVariant::fromValue(window->element());
    auto web = makeFakeElement(kPid, attr(ax::kWebArea));
    web->attributes[attr(ax::kURL)] = QStringLiteral("https://www.example.com/mail");
    auto box = makeFakeElement(kPid, attr(ax::kTextArea));
    box->text = QString();
    web->addChild(box);
    focus(box);
    source->attach(kPid);
    EXPECT_EQ(source->focusDomain(), QStringLiteral("example.com"));
    EXPECT_EQ(source->focusWindowTitle(), QStringLiteral("Inbox"));
    const auto s = source->snapshot();
    EXPECT_EQ(s->domain, QStringLiteral("example.com"));
    EXPECT_EQ(s->windowTitle, QStringLiteral("Inbox"));

    web->attributes[attr(ax::kURL)] = QStringLiteral("file:///home/a.html");
    window->attributes[attr(ax::kTitle)] = QString();
    source->attach(kPid);
    EXPECT_FALSE(source->focusDomain());
    EXPECT_FALSE(source->focusWindowTitle());
}

// Programs built on Chromium are asked for their web content once per process; a browser
// that refuses the manual switch gets the enhanced interface one, an Electron application is
// asked again on the next attach.
TEST_F(Attach, ProgramsBuiltOnChromiumAreSwitchedOnOnce)
{
    const struct {
        WebRuntime runtime;
        const char* accepts; // the attribute the application element takes
        int setsOverTwoAttaches;
        bool remembered;
    } cases[] = {
        {WebRuntime::chromium, ax::kManualAccessibility, 1, true},
        {WebRuntime::electron, ax::kManualAccessibility, 1, true},
        {WebRuntime::chromium, ax::kEnhancedUserInterface, 1, true},
        {WebRuntime::electron, ax::kEnhancedUserInterface, 0, false},
        {WebRuntime::none, ax::kManualAccessibility, 0, false},
    };
    for (const auto& c : cases) {
        app = makeFakeElement(kPid, attr(ax::kApplication));
        ax.apps[kPid] = app->element();
        app->settable.insert(attr(c.accepts));
        int sets = 0;
        app->onSet = [&](const QString&, const QVariant&) { ++sets; };
        source = std::make_unique<AXFieldSource>(&injector, ax, workspace, screen, clock);
        workspace.running[kPid] = {kPid, QStringLiteral("Chromium"), QStringLiteral("Chromium"), c.runtime, QString()};
        source->attach(kPid);
        EXPECT_EQ(source->webAccessibilityEnabled().contains(kPid), c.remembered) << c.accepts;
        source->attach(kPid);
        EXPECT_EQ(sets, c.setsOverTwoAttaches) << c.accepts;
        EXPECT_EQ(app->attributes.value(attr(c.accepts)).toBool(), c.setsOverTwoAttaches > 0);
    }
}

#include "app/WindowManager.h"

#include "app/AppModel.h"
#include "platform/Defaults.h"
#include "platform/Text.h"
#include "completion/CompletionEngine.h"
#include "settings/Preferences.h"
#include "ui/design/Components.h"
#include "ui/design/Theme.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace tq {

WindowManager::Traits WindowManager::traits(Kind kind)
{
    switch (kind) {
    case Kind::onboarding:
        return {tq::text("Welcome to %app"), {640, 660}, {560, 540}, true, false, true, QStringLiteral("onboardingWindow")};
    case Kind::intro:
        return {tq::text("%app"), {640, 660}, {560, 540}, true, false, true, QStringLiteral("introWindow")};
    case Kind::rival:
        return {tq::text("Another autocomplete app is running"), {460, 440}, {460, 440}, false, true, true,
                QStringLiteral("rivalWindow")};
    case Kind::hiddenIcon:
        return {tq::text("Your tray icon is hidden"), {440, 400}, {440, 400}, false, false, true,
                QStringLiteral("hiddenIconWindow")};
    case Kind::settings:
        return {tq::text("%app"), {900, 640}, {760, 500}, true, false, false, QStringLiteral("settingsWindow")};
    }
    return {};
}

WindowManager::WindowManager(Defaults& defaults, QObject* parent) : QObject(parent), defaults_(defaults)
{
}

WindowManager::~WindowManager()
{
    for (auto* field : {&settings_, &onboarding_, &rival_, &intro_, &hiddenIcon_}) {
        if (*field)
            delete field->data();
    }
}

void WindowManager::setContent(Kind kind, ContentFactory factory)
{
    content_[kind] = std::move(factory);
}

QWidget* WindowManager::make(Kind kind, std::function<void()> closeAction)
{
    const Traits t = traits(kind);
    auto* window = new QWidget(nullptr, Qt::Window);
    window->setObjectName(t.objectName);
    window->setAttribute(Qt::WA_DeleteOnClose, false); // closing only hides
    window->setWindowTitle(t.title);
    applyInkTheme(window);
    if (kind == Kind::intro) {
        QPalette pal = window->palette();
        pal.setColor(QPalette::Window, Qt::black);
        window->setPalette(pal);
    }

    auto* layout = bareColumn(window);
    if (auto it = content_.find(kind); it != content_.end() && it->second && model_) {
        if (QWidget* content = it->second(*model_, std::move(closeAction)))
            layout->addWidget(content);
    }

    QSize size = t.size;
    // A fixed window grows taller when its content needs it, as longer translations do.
    if (!t.resizable && layout->hasHeightForWidth())
        size.setHeight(std::max(size.height(), layout->totalHeightForWidth(size.width())));
    window->resize(size);
    window->setMinimumSize(t.minimum);
    if (!t.resizable) {
        window->setFixedSize(size);
        window->setWindowFlag(Qt::WindowMinimizeButtonHint, false);
        window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    }
    if (t.floating)
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size);
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
    if (kind == Kind::settings) {
        // A saved frame replaces the centred one.
        const QVariant saved = defaults_.object(QString::fromLatin1(kSettingsFrameKey));
        if (saved.typeId() == QMetaType::QByteArray)
            window->restoreGeometry(saved.toByteArray());
    }

    auto* quit = new QAction(window);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::WindowShortcut);
    connect(quit, &QAction::triggered, this, [this] {
        if (onQuitRequested)
            onQuitRequested();
    });
    window->addAction(quit);
    auto* settings = new QAction(window);
    settings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    settings->setShortcutContext(Qt::WindowShortcut);
    connect(settings, &QAction::triggered, this, [this] { showSettings(); });
    window->addAction(settings);

    window->installEventFilter(this);
    return window;
}

void WindowManager::present(QWidget* window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowManager::closeAndForget(QPointer<QWidget>& field)
{
    if (!field)
        return;
    QWidget* old = field;
    old->close();
    field = nullptr;
    old->deleteLater();
}

void WindowManager::showOnboarding()
{
    if (!model_)
        return;
    if (!onboarding_) {
        onboarding_ = make(Kind::onboarding, [this] {
            if (model_)
                model_->prefs().setOnboardingDone(true);
            if (onboarding_)
                onboarding_->close();
        });
    }
    present(onboarding_);
}

void WindowManager::showFresh(Kind kind, QPointer<QWidget>& field, std::function<void()> afterClose)
{
    if (!model_)
        return;
    closeAndForget(field);
    auto window = std::make_shared<QPointer<QWidget>>();
    auto ran = std::make_shared<bool>(false);
    field = make(kind, [window, ran, afterClose] {
        // Once per window; a view that finishes while its window is being closed (an intro
        // closed during its leaving fade) still runs the action, a replaced window's never does.
        if (*ran || !*window)
            return;
        *ran = true;
        if (*window && (*window)->isVisible())
            (*window)->close();
        if (afterClose)
            afterClose();
    });
    *window = field;
    present(field);
}

void WindowManager::showIntro(std::function<void()> onFinish)
{
    showFresh(Kind::intro, intro_, std::move(onFinish));
}

void WindowManager::showRivalPrompt()
{
    showFresh(Kind::rival, rival_, {});
}

void WindowManager::showHiddenIconPrompt()
{
    showFresh(Kind::hiddenIcon, hiddenIcon_, {});
}

void WindowManager::showSettings(std::optional<SettingsPane> pane)
{
    if (!model_)
        return;
    if (pane)
        router_.setPane(*pane);
    if (!settings_)
        settings_ = make(Kind::settings, {});
    present(settings_);
}

void WindowManager::presentWaitingWindow()
{
    for (QWidget* window : {onboarding_.data(), settings_.data()}) {
        if (window && window->isVisible()) {
            present(window);
            return;
        }
    }
}

bool WindowManager::hasCountedWindowOpen() const
{
    for (QWidget* window : {settings_.data(), onboarding_.data(), rival_.data(), intro_.data()}) {
        if (window && window->isVisible())
            return true;
    }
    return false;
}

void WindowManager::saveFrames()
{
    if (settings_)
        defaults_.set(QString::fromLatin1(kSettingsFrameKey), settings_->saveGeometry());
}

bool WindowManager::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close) {
        if (auto* window = qobject_cast<QWidget*>(watched))
            windowClosing(window);
    }
    return QObject::eventFilter(watched, event);
}

void WindowManager::windowClosing(QWidget* window)
{
    if (window == settings_)
        saveFrames();
    if (window == rival_ || window == intro_) {
        QPointer<QWidget>& field = window == rival_ ? rival_ : intro_;
        field = nullptr;
        window->deleteLater();
    }
    bool left = false;
    for (QWidget* other : {settings_.data(), onboarding_.data(), rival_.data(), intro_.data()}) {
        if (other && other != window && other->isVisible())
            left = true;
    }
    if (!left) {
        // After the window has gone.
        QTimer::singleShot(0, this, [this] {
            if (!hasCountedWindowOpen())
                emit lastWindowClosed();
        });
    }
}

} // namespace tq

#pragma once
// The four pages of the onboarding: welcome, accessibility access, engine choice and practice.
// Each page is made afresh whenever it is shown.

#include "engines/CompletionProvider.h"
#include "settings/Enums.h"
#include "ui/design/Animation.h"
#include "ui/design/Buttons.h"
#include "ui/onboarding/OnboardingParts.h"

#include <QPointer>
#include <QWidget>

#include <map>
#include <optional>

class QGraphicsOpacityEffect;
class QLabel;

namespace tq {

class GhostDemo;
class GrantSeal;
class ModelDownloadView;
class StatusLine;

class WelcomeStep final : public QWidget {
    Q_OBJECT
public:
    WelcomeStep(OnboardingServices& services, QWidget* parent = nullptr);
    GhostDemo* demo() const { return demo_; }

private:
    GhostDemo* demo_ = nullptr;
};

// The green card shown once access is on; its seal celebrates when asked to.
class GrantedPanel final : public QWidget {
    Q_OBJECT
public:
    GrantedPanel(bool celebrate, std::function<void()> onPlayed, MotionContext& motion, QWidget* parent = nullptr);
    bool celebrates() const { return celebrate_; }

    GrantSeal* seal() const { return seal_; }
    // Fades in growing from 0.97 at its leading edge over the standard curve (at once under
    // Reduce Motion).
    void enter();
    bool isEntering() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool celebrate_;
    MotionContext& motion_;
    GrantSeal* seal_ = nullptr;
};

class AccessStep final : public QWidget {
    Q_OBJECT
public:
    AccessStep(OnboardingServices& services, QWidget* parent = nullptr);
    // Whether access was missing when the page first showed.
    std::optional<bool> startedOff() const { return startedOff_; }
    GrantedPanel* grantedPanel() const { return granted_; }
    QAbstractButton* openSettingsButton() const { return open_; }
    QLabel* stuckHint() const { return stuck_; }

private:
    void follow(bool animate);

    OnboardingServices& services_;
    std::optional<bool> startedOff_;
    QWidget* missing_ = nullptr;
    QAbstractButton* open_ = nullptr;
    QLabel* stuck_ = nullptr;
    QWidget* stuckRow_ = nullptr;
    QPointer<GrantedPanel> granted_;
    QWidget* accessHost_ = nullptr;
};

// One engine to choose: symbol, name, description, status, and whether it is chosen.
class EngineCard final : public QAbstractButton {
    Q_OBJECT
public:
    EngineCard(EngineKind kind, MotionContext& motion, QWidget* parent = nullptr);
    EngineKind kind() const { return kind_; }
    void setStatus(const ProviderStatus& status);
    void setSelected(bool selected);
    StatusLine* statusLine() const { return status_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    EngineKind kind_;
    QLabel* symbol_ = nullptr;
    QLabel* check_ = nullptr;
    StatusLine* status_ = nullptr;
};

class EngineStep final : public QWidget {
    Q_OBJECT
public:
    // The engines offered here: the built-in one and the on-device one.
    static QList<EngineKind> offered();

    EngineStep(OnboardingServices& services, QWidget* parent = nullptr);
    EngineCard* card(EngineKind kind) const;
    ModelDownloadView* download() const { return download_; }
    QWidget* downloadCard() const { return downloadCard_; }
    // Asks every engine in turn, each after the one before has answered.
    void checkEngines();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void follow();
    void checkFrom(int index, int round);

    OnboardingServices& services_;
    std::map<EngineKind, EngineCard*> cards_;
    QWidget* downloadCard_ = nullptr;
    ModelDownloadView* download_ = nullptr;
    int round_ = 0; // a newer check or the page hiding ends the older one
};

class PracticeStep final : public QWidget {
    Q_OBJECT
public:
    PracticeStep(OnboardingServices& services, QWidget* parent = nullptr);
    PlaygroundField* field() const { return field_; }
    // Shown while no tray runs; none without a tray host to ask.
    QWidget* noTrayNote() const { return note_; }

private:
    PlaygroundField* field_ = nullptr;
    QWidget* note_ = nullptr;
};

} // namespace tq

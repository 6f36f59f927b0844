#pragma once
// The first-run window's content: the intro once, then the four steps under a progress bar
// with a footer of "Back" and the primary button, and a burst of ink as it ends. The order
// lives in OnboardingFlow; this view draws it.

#include "ui/onboarding/OnboardingFlow.h"
#include "ui/onboarding/OnboardingParts.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QAbstractButton;
class QScrollArea;
class QStackedLayout;

namespace tq {

class HandButton;
class InkProgressBar;
class PrimaryButton;

class OnboardingView final : public QWidget {
    Q_OBJECT
public:
    // `finish` marks the onboarding done and closes the window.
    OnboardingView(OnboardingServices services, std::function<void()> finish, QWidget* parent = nullptr);

    OnboardingFlow& flow() { return *flow_; }
    QWidget* stepPage() const { return page_; }
    QAbstractButton* backButton() const;
    QAbstractButton* primaryButton() const;
    InkProgressBar* progressBar() const { return progress_; }
    bool showsIntro() const { return intro_ != nullptr; }

private:
    void showContent();
    void showStep();
    void followTitle();

    OnboardingServices services_;
    OnboardingFlow* flow_ = nullptr;
    QStackedLayout* stack_ = nullptr;
    QWidget* steps_ = nullptr;
    QPointer<QWidget> intro_;
    QWidget* header_ = nullptr;
    InkProgressBar* progress_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QPointer<QWidget> page_;
    HandButton* back_ = nullptr;
    PrimaryButton* primary_ = nullptr;
    QWidget* burst_ = nullptr;
};

} // namespace tq

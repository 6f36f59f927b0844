#pragma once
// The card through which the built-in model is downloaded, followed, retried, cancelled and
// removed: the model's description, one action and one status part for the store's phase.
// Shown alone in the onboarding and inside the engine pane of the settings window.

#include "ui/design/Confirmation.h"
#include "ui/download/ModelDownloadCard.h"

#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QLabel;

namespace tq {

class HandButton;
class InkProgressBar;
class MotionContext;
class PrimaryButton;
class ProviderHub;

class ModelDownloadView final : public QWidget {
    Q_OBJECT
public:
    // `standalone`: the card stands alone (no "Remove…", a note while the model is missing).
    ModelDownloadView(ModelStore& store, ProviderHub& hub, MotionContext& motion, bool standalone,
                      QWidget* parent = nullptr);

    const modelcard::Card& card() const { return card_; }
    // The button of the current phase, or null when the phase has none.
    QAbstractButton* actionButton() const;
    InkProgressBar* progressBar() const { return bar_; }
    QLabel* statusLabel() const { return status_; }
    // The removal confirmation while it is open.
    Confirmation* confirmation() const { return confirm_; }

    // "Remove" confirmed: drops a pending idle unload and frees the loaded model, deletes the
    // file and its marker, then rechecks the built-in engine.
    void removeModel();

private:
    void follow();
    void act();
    void askToRemove();

    ModelStore& store_;
    ProviderHub& hub_;
    bool standalone_;
    modelcard::Card card_;
    PrimaryButton* primary_ = nullptr;
    HandButton* plain_ = nullptr;
    QWidget* progressRow_ = nullptr;
    InkProgressBar* bar_ = nullptr;
    QWidget* failedRow_ = nullptr;
    QLabel* failedText_ = nullptr;
    QWidget* verifyingRow_ = nullptr;
    QLabel* status_ = nullptr;
    QPointer<Confirmation> confirm_;
};

} // namespace tq

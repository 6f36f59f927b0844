#include "ui/settings/ContextPane.h"

#include "services/Permissions.h"
#include "engines/ProviderHub.h"
#include "platform/Text.h"
#include "settings/Preferences.h"
#include "ui/design/SettingsRows.h"
#include "ui/settings/SettingsStyle.h"

#include <QCoreApplication>
#include <QVBoxLayout>

namespace tq {

namespace {
struct SwitchSpec {
    const char* title;
    const char* detail;
    bool (Preferences::*get)() const;
    void (Preferences::*set)(const bool&);
};

// In the order shown; the capture row goes after "Text on screen". Marked for lupdate, translated by text().
const SwitchSpec kSwitches[] = {
    {QT_TRANSLATE_NOOP("Tessaquill", "App and window name"),
     QT_TRANSLATE_NOOP("Tessaquill", "An email reply reads differently from a commit message."), &Preferences::contextApp,
     &Preferences::setContextApp},
    {QT_TRANSLATE_NOOP("Tessaquill", "Website"), QT_TRANSLATE_NOOP("Tessaquill", "The site's domain when you write in a browser."),
     &Preferences::contextWebsite, &Preferences::setContextWebsite},
    {QT_TRANSLATE_NOOP("Tessaquill", "Recently copied text"),
     QT_TRANSLATE_NOOP("Tessaquill", "Anything you copied in the last 10 minutes. Copies from password managers are skipped."),
     &Preferences::contextClipboard, &Preferences::setContextClipboard},
    {QT_TRANSLATE_NOOP("Tessaquill", "Text on screen"),
     QT_TRANSLATE_NOOP("Tessaquill", "Reads the window you're writing in, so replies fit the conversation. It picks the lines "
                                     "closest to where you type."),
     &Preferences::contextScreen, &Preferences::setContextScreen},
    {QT_TRANSLATE_NOOP("Tessaquill", "What you just looked at"),
     QT_TRANSLATE_NOOP("Tessaquill", "Keeps a few minutes of text from windows you switched away from, like a page you read "
                                     "before replying. It stays on your computer and skips apps you switched off."),
     &Preferences::contextRecent, &Preferences::setContextRecent},
    {QT_TRANSLATE_NOOP("Tessaquill", "Windows beside you"),
     QT_TRANSLATE_NOOP("Tessaquill", "Also reads up to two other windows on the same screen, like the document you're replying "
                                     "about. Skips password managers and apps you switched off."),
     &Preferences::contextNearbyWindows, &Preferences::setContextNearbyWindows},
};
} // namespace

ContextPane::ContextPane(SettingsContext& context, QWidget* parent) : QWidget(parent), c_(context)
{
    PaneForm* form = fillWithForm(this);
    QWidget* page = form->widget();

    FormSection* section = section_ = form->addSection(
        {}, c_.hub.apple().currentStatus().isReady()
                ? text("%app reads these only while making a suggestion and never saves them. With the %app model or the "
                       "on-device model, nothing leaves your computer.")
                : text("%app reads these only while making a suggestion and never saves them. With the %app model, nothing "
                       "leaves your computer."));
    for (int i = 0; i < 6; ++i) {
        const SwitchSpec& spec = kSwitches[i];
        auto* t = new SettingToggle(text(spec.title), text(spec.detail), c_.motion, page);
        toggles_[i] = t;
        section->addRow(t);
        // Only the user's click writes; filling the switch never does.
        connect(t, &QAbstractButton::clicked, this, [this, set = spec.set](bool on) { (c_.prefs.*set)(on); });
        if (i == screen) {
            allow_ = makeButton(text("Allow…"), false, c_.motion, page);
            allow_->setAccessibleName(text("Allow…"));
            captureRow_ = new SettingRow(text("Some apps hide their text"),
                                         text("Allow screen capture so %app can read those too. Most apps work without it."),
                                         allow_, page);
            section->addRow(captureRow_);
            connect(allow_, &QAbstractButton::clicked, this, &ContextPane::allowScreenRecording);
        }
    }

    connect(&c_.prefs, &Preferences::changed, this, &ContextPane::refresh);
    connect(&c_.permissions, &Permissions::screenRecordingChanged, this, &ContextPane::refresh);
    refresh();
}

void ContextPane::allowScreenRecording()
{
    if (!c_.permissions.requestScreenRecording())
        c_.permissions.openPrivacyPane(QStringLiteral("Privacy_ScreenCapture"));
}

void ContextPane::refresh()
{
    for (int i = 0; i < 6; ++i)
        toggles_[i]->setChecked((c_.prefs.*kSwitches[i].get)());
    const bool screenOn = c_.prefs.contextScreen();
    toggles_[recent]->setEnabled(screenOn);
    toggles_[nearby]->setEnabled(screenOn);
    section_->setRowVisible(captureRow_, screenOn && !c_.permissions.screenRecording());
}

} // namespace tq

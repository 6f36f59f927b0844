#pragma once
// The settings panes' fixture: an application model of fake services in virtual time whose
// settings live in a real file, first run done, and the motion context the panes animate with.

#include "app/AppFixture.h"
#include "app/SettingsWindow.h"
#include "platform/Defaults.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "platform/fakes/ForwardingPlatform.h"
#include "ui/design/Animation.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace tq {

class SettingsFileFixture : public AppFixture {
protected:
    explicit SettingsFileFixture(bool reduceMotion) : reduce(reduceMotion)
    {
        fileDefaults->set(QStringLiteral("onboardingDone"), true);
        fileDefaults->set(QStringLiteral("introSeen"), true);
    }
    ~SettingsFileFixture() override { model.reset(); }

    // The model over the fakes with the settings file, local only.
    AppModel& buildOverFile()
    {
        AppOptions options;
        options.folder = folder.path();
        options.localOnly = true;
        options.importEarlierProduct = false;
        options.ownPid = kOwnPid;
        model = std::make_unique<AppModel>(filePlatform, options);
        return *model;
    }
    // Runs `frames` frames of the virtual clock.
    void settle(int frames)
    {
        for (int i = 0; i < frames; ++i)
            advance(std::chrono::milliseconds(16));
        QCoreApplication::processEvents();
    }
    // The file once every pending change is written.
    QByteArray settingsFile() const
    {
        fileDefaults->flush();
        QFile f(fileDefaults->filePath(QString::fromLatin1(Defaults::kAppDomain)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The fakes, with the settings in the file.
    class FilePlatform final : public ForwardingPlatform {
    public:
        FilePlatform(Platform& base, Defaults& file) : ForwardingPlatform(base), file_(file) {}
        Defaults& defaults() override { return file_; }

    private:
        Defaults& file_;
    };

    QTemporaryDir settingsFolder;
    std::unique_ptr<JsonFileDefaults> fileDefaults = std::make_unique<JsonFileDefaults>(clock, settingsFolder.path());
    FilePlatform filePlatform{platform, *fileDefaults};
    FakeReduceMotion reduce;
    MotionContext motion{clock, reduce};
};

} // namespace tq

#pragma once
// Apps & Sites: every application and website the system holds anything for, a search, the
// "+" menu that adds an application or a website, and the rule editor of the selected one.

#include "platform/InstalledApps.h"
#include "ui/settings/AppRuleDetail.h"
#include "ui/settings/AppsLogic.h"
#include "ui/settings/SettingsContext.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QStackedWidget;
class QToolButton;
class QVBoxLayout;

namespace tq {
class EmptyState;

class AppsPane final : public QWidget {
    Q_OBJECT
public:
    explicit AppsPane(SettingsContext& context, QWidget* parent = nullptr);

    RuleKeyLists keys() const;
    std::optional<QString> selection() const { return selection_; }
    void select(const QString& key);
    void setSearch(const QString& text);
    // The two add actions; addSite() takes the text typed in the sheet.
    void addApp(const DesktopApp& app);
    bool addSite(const QString& typed);
    void openAddApp();
    void openAddWebsite();
    QListWidget* list() const { return list_; }
    AppRuleDetail* detail() const { return detail_; }
    QString emptyTitle() const;

private:
    void rebuild();
    void showDetail();

    SettingsContext& c_;
    std::optional<QString> selection_;
    QString search_;
    QString newSite_;
    QLineEdit* searchField_;
    QToolButton* clear_;
    QStackedWidget* leftStack_;
    QListWidget* list_;
    EmptyState* empty_;
    QWidget* right_;
    QVBoxLayout* rightLayout_;
    QPointer<AppRuleDetail> detail_;
    QPointer<QWidget> rightEmpty_;
    bool rebuilding_ = false;
};

} // namespace tq

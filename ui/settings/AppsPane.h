#pragma once
// Apps & Sites: every application and website the system holds anything for, a search, the
// "+" menu that adds an application or a website, and the rule editor of the selected one.

#include "ui/settings/AppsLogic.h"
#include "ui/settings/SettingsContext.h"

#include <QDialog>
#include <QIcon>
#include <QPointer>
#include <QWidget>

#include <optional>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QToolButton;
class QVBoxLayout;

namespace tq {

class AppRuleDetail;

// The icon of a rule key, looked up once per key for the whole run: a website's globe, an
// installed application's icon, else a dashed placeholder.
QIcon ruleKeyIcon(const QString& key, const std::function<QList<DesktopApp>()>& installed);

// "Add a website": a domain field, Cancel and Add.
class AddWebsiteDialog final : public QDialog {
    Q_OBJECT
public:
    AddWebsiteDialog(const QString& typed, MotionContext& motion, QWidget* parent);
    QString typed() const;
    QLineEdit* field() const { return field_; }

private:
    QLineEdit* field_;
    QLabel* problem_;
    QPushButton* add_;
};

// "Add App…": the installed applications with their icons, searchable.
class AddAppDialog final : public QDialog {
    Q_OBJECT
public:
    AddAppDialog(const QList<DesktopApp>& apps, MotionContext& motion, QWidget* parent);
    std::optional<DesktopApp> chosen() const;
    QLineEdit* search() const { return search_; }
    QListWidget* list() const { return list_; }

private:
    void filter();
    QList<DesktopApp> apps_;
    QLineEdit* search_;
    QListWidget* list_;
    QPushButton* add_;
};

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
    QLabel* emptyTitle_;
    QLabel* emptyText_;
    QWidget* right_;
    QVBoxLayout* rightLayout_;
    QPointer<AppRuleDetail> detail_;
    QPointer<QWidget> rightEmpty_;
    bool rebuilding_ = false;
};

// The rule editor of one key.
class AppRuleDetail final : public QWidget {
    Q_OBJECT
public:
    AppRuleDetail(SettingsContext& context, const QString& key, QWidget* parent = nullptr);
    const QString& key() const { return key_; }
    void refresh();
    void reset();
    void eraseMemory();

    QComboBox* modeBox() const { return mode_; }
    QWidget* group() const { return group_; }
    QComboBox* insertionBox() const { return insertion_; }
    QComboBox* lengthBox() const { return length_; }
    QLabel* note() const { return note_; }
    QAbstractButton* resetButton() const { return reset_; }
    QLabel* pauseTitle() const { return pauseTitle_; }
    QAbstractButton* resumeButton() const { return resume_; }
    QToolButton* pauseButton() const { return pause_; }
    QWidget* memoryToggle() const { return record_; }
    QLabel* passages() const { return passages_; }

private:
    AppRule rule() const;
    void write(const AppRule& rule);
    int passageCount() const;

    SettingsContext& c_;
    QString key_;
    QWidget* wordsRow_;
    QLabel* wordsValue_;
    QComboBox* mode_;
    QWidget* group_;
    QWidget* tab_;
    QComboBox* insertion_;
    QComboBox* length_;
    QLabel* note_;
    QLabel* pauseTitle_;
    QAbstractButton* resume_;
    QToolButton* pause_;
    QWidget* record_;
    QLabel* recordDetail_;
    QWidget* passagesRow_;
    QLabel* passages_;
    QAbstractButton* reset_;
};

} // namespace tq

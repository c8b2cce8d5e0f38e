#pragma once

// src/ui/main: the main window, its drop target and value-field guard, and the
// opening of the other three windows. It may include ui/common, the engine, the
// platform services, and the other windows' classes, which it opens.

#include "engine/splitwindow.h"
#include "platform/gui/services.h"
#include "platform/pathrules.h"
#include "ui/common/mainfields.h"
#include "ui/main/secondarywindows.h"

#include <QCursor>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <memory>

class QLineEdit;

namespace Ui {
class frmMain;
}

namespace quarnix::ui {

// The program's start-up window, and the only one that lives for the whole run. Its
// controls are the one store of the split settings: the split job and the folder
// picker read and write them through the two interfaces below.
class frmMain final : public QWidget, public engine::SplitWindow, public MainFields {
    Q_OBJECT
public:
    explicit frmMain(const platform::Services& services, QWidget* parent = nullptr);
    ~frmMain() override;

    SecondaryWindows& secondaryWindows() { return secondary_; }

    // engine::SplitWindow and ui::MainFields
    QString sourceText() const override;
    void setSourceText(const QString& text) override;
    QString destinationText() const override;
    void setDestinationText(const QString& text) override;
    QString numberText() const override;
    QString sizeText() const override;
    bool isSizeSelected() const override;
    void setStatus(const QString& text) override;
    void repaintStatus() override;
    void repaintWindow() override;
    void setBusyPointer(bool busy) override;
    void focusBrowseSource() override;
    void focusBrowseDestination() override;
    platform::MessageAnswer showMessage(const QString& title, const QString& text, platform::MessageIcon icon,
        platform::MessageButtons buttons, const QString& details = QString()) override;
    void openFolderPicker() override;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void applyLook();
    void applyFonts();
    void guardValueFields();
    void connectHandlers();
    void startUp();
    platform::PathStyle pathStyle() const;

    // Handlers, named after the control and its event.
    void cmdDefaultClick();
    void cmdExitClick();
    void cmdSplitClick();
    void cmdBrowseClick();
    void cmdBrowseDClick();
    void optNumberSelected();
    void optSizeSelected();
    void txtDestinationChange(const QString& text);
    void picTargetDrop(const QString& path);

    void setValueFieldActive(QLineEdit* field, bool active);
    [[nodiscard]] bool valueFieldPassesCheck(QLineEdit* field);
    void refocusValueField(QLineEdit* field);

    std::unique_ptr<::Ui::frmMain> ui_;
    platform::Services services_;
    SecondaryWindows secondary_;
    // The open-file dialog's memory: the last full name chosen in it this run.
    QString lastChosenFile_;
    // Controls whose own pointer the hourglass covers while a split runs.
    QList<std::pair<QPointer<QWidget>, QCursor>> ownPointers_;
};

} // namespace quarnix::ui

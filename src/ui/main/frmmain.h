#pragma once

#include "engine/splitwindow.h"
#include "platform/gui/services.h"
#include "platform/pathrules.h"
#include "ui/mainfields.h"
#include "ui/secondarywindows.h"

#include <QCursor>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <memory>

class QDropEvent;
class QLineEdit;
class QMimeData;

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

    // The help file F1 opens, named at start-up. Only the bare name: where it is
    // looked for is the help opener's business.
    QString helpFile() const { return helpFile_; }

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
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void applyLook();
    void applyFonts();
    void prepareDropTarget();
    void centreOnScreen();
    void watchEvents();
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
    bool valueFieldPassesCheck(QLineEdit* field);
    void valueFieldLosesFocus(QLineEdit* field, const QFocusEvent& event);
    bool shortcutLeavesBadValue();
    void refocusValueField(QLineEdit* field);
    bool dropTargetEvent(QEvent* event);
    static QString firstLocalFile(const QMimeData* mime);

    std::unique_ptr<::Ui::frmMain> ui_;
    platform::Services services_;
    SecondaryWindows secondary_;
    QString helpFile_;
    // The open-file dialog's memory: the last full name chosen in it this run.
    QString lastChosenFile_;
    // Set when a value field's check failed on a mouse press that moved the focus
    // away: that press is dropped instead of reaching its control.
    bool dropFocusingPress_ = false;
    // Centred on the screen when first shown; afterwards where the user puts it.
    bool placed_ = false;
    // Controls whose own pointer the hourglass covers while a split runs.
    QList<std::pair<QPointer<QWidget>, QCursor>> ownPointers_;
};

} // namespace quarnix::ui

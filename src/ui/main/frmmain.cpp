#include "ui/main/frmmain.h"

#include "ui_frmmain.h"

#include "engine/jobtexts.h"
#include "engine/numbertext.h"
#include "engine/splitjob.h"
#include "ui/captionfit.h"
#include "ui/info/addresses.h"
#include "ui/info/windowlook.h"
#include "ui/layoutfonts.h"
#include "ui/programimages.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>

namespace quarnix::ui {

using platform::MessageButtons;
using platform::MessageIcon;

namespace {

// The layout is measured in twips; 15 of them make one logical pixel.
constexpr int twips(int value)
{
    return (value + 7) / 15;
}

constexpr int clientWidth = 6855;
constexpr int clientHeight = 3990;

// Where the drop target's pointer points: the middle of its inner square.
constexpr int pointerHotSpot = 15;

// The two value fields: what a wrong entry is told and what it is replaced by.
struct ValueFieldRules {
    double defaultValue;
    double minimum;
    const char* notANumber;
    const char* belowMinimum;
};

constexpr ValueFieldRules countRules { 2, 2.0, "Invalid number. Specify number of chunks in integer only.",
    "The minimum number of splits for a file need to be 2." };

constexpr ValueFieldRules sizeRules { 1.25, 1.25,
    "Invalid number. Specify file size in either integer or float.",
    "The minimum split size for a file need to be 1.25 MB. Go through readme.txt in the installation for "
    "details." };

} // namespace

frmMain::frmMain(const platform::Services& services, QWidget* parent)
    : QWidget(parent)
    , ui_(std::make_unique<::Ui::frmMain>())
    , services_(services)
    , secondary_(this, *this, services)
{
    loadProgramImages();
    ui_->setupUi(this);
    applyLook();
    watchEvents();
    connectHandlers();
    startUp();
}

frmMain::~frmMain() = default;

// ---- how the window looks ------------------------------------------------------

void frmMain::applyLook()
{
    look::prepareWindow(this, QSize(twips(clientWidth), twips(clientHeight)));
    applyFonts();
    ui_->Label3->setText(addresses::website());
    ui_->Label4->setText(QStringLiteral("Quarnix is free to use and to share. It comes with no warranty."));
    // Fixed white, not a scheme colour; the role is named because on the window's
    // button-face background a label would otherwise draw in button text.
    QPalette address = ui_->Label3->palette();
    address.setColor(QPalette::WindowText, Qt::white);
    ui_->Label3->setPalette(address);
    ui_->Label3->setForegroundRole(QPalette::WindowText);
    prepareDropTarget();
    look::prepareFrameLines(this);
    narrowToFitCaptions(this);
}

void frmMain::applyFonts()
{
    QFont address = arialFont(9.75);
    address.setBold(true);
    ui_->Label3->setFont(address);
}

void frmMain::prepareDropTarget()
{
    QLabel* target = ui_->picTarget;
    target->setBackgroundRole(QPalette::Base);
    target->setForegroundRole(QPalette::WindowText);
    // Shown unscaled at the box's top-left corner.
    target->setPixmap(QPixmap(QStringLiteral(":/main/document-32.png")));
    target->setCursor(
        QCursor(QPixmap(QStringLiteral(":/main/icon-pointer.png")), pointerHotSpot, pointerHotSpot));
}

void frmMain::centreOnScreen()
{
    const QScreen* shownOn = screen();
    if (!shownOn)
        return;
    // The frame is known once the window exists, so the whole window, title bar
    // included, is what gets centred.
    QRect placed = frameGeometry();
    placed.moveCenter(shownOn->availableGeometry().center());
    move(placed.topLeft());
}

void frmMain::showEvent(QShowEvent* event)
{
    if (!event->spontaneous() && !placed_) {
        placed_ = true;
        centreOnScreen();
    }
    QWidget::showEvent(event);
}

// ---- wiring ----------------------------------------------------------------------

void frmMain::watchEvents()
{
    // Every control, so that the press which took the focus from a wrong value can
    // be dropped wherever it landed.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void frmMain::connectHandlers()
{
    connect(ui_->cmdDefault, &QPushButton::clicked, this, &frmMain::cmdDefaultClick);
    connect(ui_->cmdExit, &QPushButton::clicked, this, &frmMain::cmdExitClick);
    connect(ui_->cmdHelp, &QPushButton::clicked, this, [this] { secondary_.showHelp(); });
    connect(ui_->cmdAbout, &QPushButton::clicked, this, [this] { secondary_.showAbout(); });
    connect(ui_->cmdSplit, &QPushButton::clicked, this, &frmMain::cmdSplitClick);
    connect(ui_->cmdBrowse, &QPushButton::clicked, this, &frmMain::cmdBrowseClick);
    connect(ui_->cmdBrowseD, &QPushButton::clicked, this, &frmMain::cmdBrowseDClick);
    // Only a change of selection counts: clicking the selected option leaves its
    // value alone.
    connect(ui_->optNumber, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            optNumberSelected();
    });
    connect(ui_->optSize, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            optSizeSelected();
    });
    // A direct connection runs the rule inside the write that changed the text.
    connect(ui_->txtDestination, &QLineEdit::textChanged, this, &frmMain::txtDestinationChange,
        Qt::DirectConnection);
}

void frmMain::startUp()
{
    helpFile_ = addresses::helpFileName();
    ui_->optSize->setChecked(true);
    ui_->txtSource->setFocus();
}

platform::PathStyle frmMain::pathStyle() const
{
    return services_.volumes->pathStyle();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (dropFocusingPress_) {
            dropFocusingPress_ = false;
            return true;
        }
        break;
    case QEvent::FocusOut:
        if (watched == ui_->txtNumber || watched == ui_->txtSize) {
            // The field's own handling first: it clears the selection that a
            // failed check puts back.
            watched->event(event);
            valueFieldLosesFocus(static_cast<QLineEdit*>(watched), *static_cast<QFocusEvent*>(event));
            return true;
        }
        break;
    case QEvent::Shortcut:
        // An access key clicks its button right after taking the focus; a wrong
        // value has to be caught before that, or the click would still happen.
        if (shortcutLeavesBadValue())
            return true;
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (watched == ui_->picTarget)
            return dropTargetEvent(event);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::changeEvent(QEvent* event)
{
    // The value fields carry colours of the user's scheme; a new scheme brings
    // them along.
    if (event->type() == QEvent::PaletteChange) {
        setValueFieldActive(ui_->txtNumber, ui_->txtNumber->isEnabled());
        setValueFieldActive(ui_->txtSize, ui_->txtSize->isEnabled());
    }
    QWidget::changeEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // The program ends with its main window, whichever way it is closed.
    secondary_.closeAll();
    event->accept();
}

// ---- buttons ---------------------------------------------------------------------

void frmMain::cmdDefaultClick()
{
    if (isSizeSelected())
        ui_->txtSize->setText(engine::numberText(sizeRules.defaultValue));
    else
        ui_->txtNumber->setText(engine::numberText(countRules.defaultValue));
}

void frmMain::cmdExitClick()
{
    close();
}

void frmMain::cmdSplitClick()
{
    engine::SplitJob(*this, *services_.volumes).run();
}

void frmMain::cmdBrowseClick()
{
    const QString chosen = services_.chooser->chooseFile(this, QStringLiteral("Select file to split..."));
    if (!chosen.isEmpty())
        lastChosenFile_ = platform::toDisplayPath(chosen, pathStyle());
    // A cancel goes on with the name kept from the last choice, if any.
    setSourceText(lastChosenFile_);
    const auto folder = platform::destinationAfterBrowse(
        lastChosenFile_, platform::fileNameOf(lastChosenFile_, pathStyle()), pathStyle());
    if (folder)
        setDestinationText(*folder);
}

void frmMain::cmdBrowseDClick()
{
    if (sourceText().isEmpty()) {
        showMessage(engine::texts::sourceMissingTitle,
            QStringLiteral("First select a source file to split and then the destination folder."),
            MessageIcon::Information, MessageButtons::Ok);
        focusBrowseSource();
        return;
    }
    secondary_.showFolderPicker(true);
}

// ---- split mode and value fields -------------------------------------------------

void frmMain::optNumberSelected()
{
    setValueFieldActive(ui_->txtSize, false);
    setValueFieldActive(ui_->txtNumber, true);
    ui_->txtNumber->setText(engine::numberText(countRules.defaultValue));
}

void frmMain::optSizeSelected()
{
    setValueFieldActive(ui_->txtNumber, false);
    setValueFieldActive(ui_->txtSize, true);
    ui_->txtSize->setText(engine::numberText(sizeRules.defaultValue));
}

void frmMain::setValueFieldActive(QLineEdit* field, bool active)
{
    field->setEnabled(active);
    // The field's own background follows the mode in every state, so an inactive
    // field reads as part of the window even where the style would draw it white.
    const QPalette& scheme = palette();
    const QPalette::ColorRole source = active ? QPalette::Base : QPalette::Button;
    QPalette colours = field->palette();
    for (const auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
        colours.setBrush(group, QPalette::Base, scheme.brush(group, source));
    field->setPalette(colours);
}

void frmMain::valueFieldLosesFocus(QLineEdit* field, const QFocusEvent& event)
{
    // Focus that leaves with the window (another window, a message box, a menu)
    // comes back to the field by itself: the value has not been left.
    switch (event.reason()) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        break;
    default:
        return;
    }
    if (!field->isEnabled() || !isVisible() || valueFieldPassesCheck(field))
        return;
    if (event.reason() != Qt::MouseFocusReason)
        return;
    // The press that moved the focus is still on its way to its control. Should it
    // land elsewhere, the next turn of the event loop forgets it, so that no later
    // click is lost.
    dropFocusingPress_ = true;
    QTimer::singleShot(0, this, [this] { dropFocusingPress_ = false; });
}

bool frmMain::shortcutLeavesBadValue()
{
    QWidget* focused = focusWidget();
    if (focused != ui_->txtNumber && focused != ui_->txtSize)
        return false;
    return !valueFieldPassesCheck(static_cast<QLineEdit*>(focused));
}

bool frmMain::valueFieldPassesCheck(QLineEdit* field)
{
    const ValueFieldRules& rules = field == ui_->txtNumber ? countRules : sizeRules;
    const QString fallback = engine::numberText(rules.defaultValue);
    bool passed = true;
    if (!engine::readNumber(field->text())) {
        showMessage(engine::texts::errorTitle, QString::fromUtf8(rules.notANumber), MessageIcon::Error,
            MessageButtons::Ok);
        field->setText(fallback);
        refocusValueField(field);
        passed = false;
    }
    // Runs after a rewrite too; the default itself always passes.
    const auto value = engine::readNumber(field->text());
    if (value && *value < rules.minimum) {
        showMessage(QStringLiteral("Unexpected value"), QString::fromUtf8(rules.belowMinimum),
            MessageIcon::Error, MessageButtons::Ok);
        field->setText(fallback);
        refocusValueField(field);
        passed = false;
    }
    return passed;
}

void frmMain::refocusValueField(QLineEdit* field)
{
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

// ---- source and destination ------------------------------------------------------

void frmMain::txtDestinationChange(const QString& text)
{
    const QString kept = platform::applyDestinationRule(text, pathStyle());
    if (kept != text)
        ui_->txtDestination->setText(kept);
}

bool frmMain::dropTargetEvent(QEvent* event)
{
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = firstLocalFile(drop->mimeData());
    if (path.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        picTargetDrop(path);
    return true;
}

QString frmMain::firstLocalFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls())
        return {};
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            return url.toLocalFile();
    }
    return {};
}

void frmMain::picTargetDrop(const QString& path)
{
    const QString source = platform::toDisplayPath(path, pathStyle());
    setSourceText(source);
    setDestinationText(platform::destinationAfterDrop(source, pathStyle()));
}

// ---- what the split job and the folder picker use ---------------------------------

QString frmMain::sourceText() const
{
    return ui_->txtSource->text();
}

void frmMain::setSourceText(const QString& text)
{
    ui_->txtSource->setText(text);
}

QString frmMain::destinationText() const
{
    return ui_->txtDestination->text();
}

void frmMain::setDestinationText(const QString& text)
{
    ui_->txtDestination->setText(text);
}

QString frmMain::numberText() const
{
    return ui_->txtNumber->text();
}

QString frmMain::sizeText() const
{
    return ui_->txtSize->text();
}

bool frmMain::isSizeSelected() const
{
    return ui_->optSize->isChecked();
}

void frmMain::setStatus(const QString& text)
{
    ui_->lblStatus->setText(text);
}

void frmMain::repaintStatus()
{
    ui_->lblStatus->repaint();
}

void frmMain::repaintWindow()
{
    repaint();
}

void frmMain::setBusyPointer(bool busy)
{
    // The text fields' I-beam and the drop target's pointer would show through the
    // window's hourglass; they take it too while the split runs.
    if (busy && ownPointers_.isEmpty()) {
        for (QWidget* control : findChildren<QWidget*>()) {
            if (control->testAttribute(Qt::WA_SetCursor))
                ownPointers_.append({ control, control->cursor() });
        }
    }
    for (const auto& [control, pointer] : ownPointers_) {
        if (control)
            control->setCursor(busy ? QCursor(Qt::WaitCursor) : pointer);
    }
    if (busy) {
        setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
        ownPointers_.clear();
    }
}

void frmMain::focusBrowseSource()
{
    ui_->cmdBrowse->setFocus();
}

void frmMain::focusBrowseDestination()
{
    ui_->cmdBrowseD->setFocus();
}

platform::MessageAnswer frmMain::showMessage(const QString& title, const QString& text,
    platform::MessageIcon icon, platform::MessageButtons buttons, const QString& details)
{
    return services_.messages->show(this, title, text, icon, buttons, details);
}

void frmMain::openFolderPicker()
{
    secondary_.showFolderPicker(false);
}

} // namespace quarnix::ui

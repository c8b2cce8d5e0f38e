#include "ui/main/frmmain.h"

#include "ui_frmmain.h"

#include "engine/jobtexts.h"
#include "engine/numbertext.h"
#include "engine/splitjob.h"
#include "ui/common/accessibleroles.h"
#include "ui/common/addresses.h"
#include "ui/common/captionfit.h"
#include "ui/common/layoutfonts.h"
#include "ui/common/programimages.h"
#include "ui/common/windowlook.h"
#include "ui/common/windowtexts.h"
#include "ui/main/valuefieldguard.h"

#include <QCloseEvent>

namespace quarnix::ui {

using platform::MessageButtons;
using platform::MessageIcon;

namespace {

// The two value fields: what a wrong entry is told and what it is replaced by.
struct ValueFieldRules {
    double defaultValue;
    double minimum;
    const QString& notANumber;
    const QString& belowMinimum;
};

const ValueFieldRules countRules {2, 2.0, texts::countNotANumber, texts::countBelowMinimum};
const ValueFieldRules sizeRules {1.25, 1.25, texts::sizeNotANumber, texts::sizeBelowMinimum};

} // namespace

frmMain::frmMain(const platform::Services& services, QWidget* parent)
    : QWidget(parent)
    , ui_(std::make_unique<::Ui::frmMain>())
    , services_(services)
    , secondary_(this, *this, services)
{
    loadProgramImages();
    readPlainWidgetsByTheirRoles();
    ui_->setupUi(this);
    applyLook();
    guardValueFields();
    connectHandlers();
    startUp();
}

frmMain::~frmMain() = default;

// ---- how the window looks ------------------------------------------------------

void frmMain::applyLook()
{
    look::prepareWindow(this);
    look::centreOnFirstShow(this);
    applyFonts();
    ui_->Label3->setText(addresses::website());
    ui_->Label4->setText(texts::notice);
    // Fixed white, not a scheme colour; the role is named because on the window's
    // button-face background a label would otherwise draw in button text.
    QPalette address = ui_->Label3->palette();
    address.setColor(QPalette::WindowText, Qt::white);
    ui_->Label3->setPalette(address);
    ui_->Label3->setForegroundRole(QPalette::WindowText);
    look::keepReadableWhenDisabled(ui_->lblStatus);
    look::prepareFrameLines(this);
    narrowToFitCaptions(this);
}

void frmMain::applyFonts()
{
    QFont address = arialFont(9.75);
    address.setBold(true);
    ui_->Label3->setFont(address);
}

// ---- wiring ----------------------------------------------------------------------

void frmMain::guardValueFields()
{
    new ValueFieldGuard(
        this, {ui_->txtNumber, ui_->txtSize}, [this](QLineEdit* field) { return valueFieldPassesCheck(field); });
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
    connect(ui_->picTarget, &DropTarget::fileDropped, this, &frmMain::picTargetDrop);
    // A direct connection runs the rule inside the write that changed the text.
    connect(ui_->txtDestination, &QLineEdit::textChanged, this, &frmMain::txtDestinationChange, Qt::DirectConnection);
}

void frmMain::startUp()
{
    ui_->optSize->setChecked(true);
    ui_->txtSource->setFocus();
}

platform::PathStyle frmMain::pathStyle() const
{
    return services_.volumes->pathStyle();
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
    const QString chosen = services_.chooser->chooseFile(this, texts::chooseSourceTitle);
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
        showMessage(
            engine::texts::sourceMissingTitle, texts::sourceFirst, MessageIcon::Information, MessageButtons::Ok);
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
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colours.setBrush(group, QPalette::Base, scheme.brush(group, source));
    field->setPalette(colours);
}

bool frmMain::valueFieldPassesCheck(QLineEdit* field)
{
    const ValueFieldRules& rules = field == ui_->txtNumber ? countRules : sizeRules;
    const QString fallback = engine::numberText(rules.defaultValue);
    bool passed = true;
    if (!engine::readNumber(field->text())) {
        showMessage(engine::texts::errorTitle, rules.notANumber, MessageIcon::Error, MessageButtons::Ok);
        field->setText(fallback);
        refocusValueField(field);
        passed = false;
    }
    // Runs after a rewrite too; the default itself always passes.
    const auto value = engine::readNumber(field->text());
    if (value && *value < rules.minimum) {
        showMessage(texts::unexpectedValueTitle, rules.belowMinimum, MessageIcon::Error, MessageButtons::Ok);
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
                ownPointers_.append({control, control->cursor()});
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

platform::MessageAnswer frmMain::showMessage(const QString& title, const QString& text, platform::MessageIcon icon,
    platform::MessageButtons buttons, const QString& details)
{
    return services_.messages->show(this, title, text, icon, buttons, details);
}

void frmMain::openFolderPicker()
{
    secondary_.showFolderPicker(false);
}

} // namespace quarnix::ui

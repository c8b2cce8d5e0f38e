#include "ui/info/frmhelp.h"

#include "ui/common/accessibleroles.h"
#include "ui/common/addresses.h"
#include "ui/common/captionfit.h"
#include "ui/common/programimages.h"
#include "ui/common/windowlook.h"
#include "ui_frmhelp.h"

namespace quarnix::ui {

frmHelp::frmHelp(QWidget* owner)
    : QWidget(owner, look::secondaryWindowType)
    , ui_(std::make_unique<Ui::frmHelp>())
{
    loadProgramImages();
    readPlainWidgetsByTheirRoles();
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    look::prepareWindow(this);
    for (QLabel* heading : {ui_->Label2, ui_->Label3, ui_->Label5})
        look::styleHeading(heading);
    look::styleLink(ui_->lblDownload);
    look::keepReadableWhenDisabled(ui_->lblDescription);
    look::prepareFrameLines(this);
    narrowToFitCaptions(this);
    look::centreOnFirstShow(this);

    ui_->lblDescription->hide();
    setMouseTracking(true);
    // The hint is disabled, so it ignores pointer moves; with tracking on they are
    // passed on to the window, and the pointer over the hint counts as over the
    // window's surface.
    ui_->lblDescription->setMouseTracking(true);

    connect(ui_->cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(ui_->lblDownload, &LinkLabel::clicked, this, [this] { emit downloadRequested(addresses::helpDownload()); });
    connect(ui_->lblDownload, &LinkLabel::pointerMoved, this, &frmHelp::showHint);
}

frmHelp::~frmHelp() = default;

bool frmHelp::isHintShown() const
{
    return ui_->lblDescription->isVisible();
}

void frmHelp::mouseMoveEvent(QMouseEvent* event)
{
    ui_->lblDescription->hide();
    QWidget::mouseMoveEvent(event);
}

void frmHelp::showHint()
{
    if (ui_->lblDescription->isHidden())
        ui_->lblDescription->show();
}

} // namespace quarnix::ui

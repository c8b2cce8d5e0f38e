#include "ui/info/frmabout.h"

#include "ui/common/accessibleroles.h"
#include "ui/common/addresses.h"
#include "ui/common/captionfit.h"
#include "ui/common/programimages.h"
#include "ui/common/windowlook.h"
#include "ui_frmabout.h"

#include <QGuiApplication>

namespace quarnix::ui {

namespace {

constexpr int imageSize = 32;

} // namespace

frmAbout::frmAbout(platform::AddressOpener& addresses, QWidget* owner)
    : QWidget(owner, look::secondaryWindowType)
    , ui_(std::make_unique<Ui::frmAbout>())
    , addresses_(addresses)
{
    loadProgramImages();
    readPlainWidgetsByTheirRoles();
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    look::prepareWindow(this);
    look::styleHeading(ui_->Label2);
    QFont authorFont = font();
    authorFont.setBold(true);
    ui_->Label3->setFont(authorFont);
    ui_->Label3->setText(addresses::authorName());
    ui_->lblEmail->setText(addresses::email());
    ui_->lblWebsite->setText(addresses::website());
    // In the drawing for the screens' device pixel ratio.
    ui_->Image1->setPixmap(programIcon().pixmap(QSize(imageSize, imageSize), qApp->devicePixelRatio()));
    look::prepareFrameLines(this);
    narrowToFitCaptions(this);
    look::centreOnFirstShow(this);

    connect(ui_->cmdOk, &QPushButton::clicked, this, &QWidget::close);
    connect(ui_->lblWebsite, &LinkLabel::clicked, this, &frmAbout::openWebsite);
    connect(ui_->lblEmail, &LinkLabel::clicked, this, &frmAbout::sendEmail);
}

frmAbout::~frmAbout() = default;

void frmAbout::load()
{
    look::styleLink(ui_->lblEmail);
    look::styleLink(ui_->lblWebsite);
    loaded_ = true;
}

bool frmAbout::isLoaded() const
{
    return loaded_;
}

void frmAbout::gotoWeb(const QString& address)
{
    addresses_.open(address);
}

void frmAbout::openWebsite()
{
    gotoWeb(ui_->lblWebsite->text());
}

void frmAbout::sendEmail()
{
    gotoWeb(QStringLiteral("mailto:") + ui_->lblEmail->text());
}

} // namespace quarnix::ui

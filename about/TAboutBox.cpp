#include "about/TAboutBox.h"

#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

#include "about/AboutPictures.h"
#include "about/AboutTexts.h"
#include "platform/Constants.h"

namespace {

constexpr QSize kClientSize(305, 385);
// The design's 8-point text at 96 pixels per inch, whatever the desktop's font size.
constexpr int kDesignFontPixels = 11;
const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);

QFrame* Panel(QWidget* parent, const QRect& geometry) {
    auto* panel = new QFrame(parent);
    panel->setGeometry(geometry);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return panel;
}

QLabel* Picture(QWidget* parent, const QRect& geometry, const QPixmap& pixmap) {
    auto* picture = new QLabel(parent);
    picture->setGeometry(geometry);
    picture->setPixmap(pixmap);
    return picture;
}

QLabel* Text(QWidget* parent, QPoint place, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->move(place);
    label->adjustSize();
    return label;
}

QFont Bold(QFont font) {
    font.setBold(true);
    return font;
}

}  // namespace

TAboutBox::TAboutBox(platform::Desktop& desktop, QWidget* parent)
    : QDialog(parent),
      Timer1(desktop, kPictureIntervalMs, [this] { Timer1Timer(); }),
      Timer2(desktop, kPictureIntervalMs, [this] { Timer2Timer(); }),
      desktop_(desktop),
      clicks_(this) {
    setWindowTitle(about::kCaption);
    setFixedSize(kClientSize);
    setCursor(Qt::PointingHandCursor);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, kSilver);
    setPalette(silver);
    setAutoFillBackground(true);
    QFont designFont = font();
    designFont.setPixelSize(kDesignFontPixels);
    setFont(designFont);

    BuildUpperPanel();
    BuildLowerPanel();
    BuildLargePictureAndButton();
    ConnectClicks();
    CentreOnScreen();
    FormCreate();
}

void TAboutBox::BuildUpperPanel() {
    Panel1 = Panel(this, QRect(16, 16, 273, 145));
    Bevel2 = new QFrame(Panel1);
    Bevel2->setGeometry(10, 18, 37, 37);
    Bevel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    const QRect iconPlace(12, 20, 33, 33);
    ImageOrella = Picture(Panel1, iconPlace, about::EarIcon(iconPlace.size()));
    ImageOrdinador = Picture(Panel1, iconPlace, about::ComputerIcon(iconPlace.size()));
    ImageOrdinador->hide();
    const QRect logoPlace(64, 5, 201, 52);
    Image4 = Picture(Panel1, logoPlace, about::ProductLogo(logoPlace.size()));
    Version = Text(Panel1, QPoint(125, 53), about::kVersion);
    LabelWeb = Text(Panel1, QPoint(5, 72), about::kMakerLine);
    LabelWeb->setToolTip(QString::fromLatin1(about::kMakerPage));
    LabelWeb->setCursor(Qt::PointingHandCursor);
    Comments = new QLabel(about::kQuotation, Panel1);
    Comments->setGeometry(16, 90, 233, 52);
    Comments->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Comments->setWordWrap(true);
    Comments->setFont(Bold(font()));
    QPalette grey = Comments->palette();
    grey.setColor(QPalette::WindowText, kGrey);
    Comments->setPalette(grey);
}

void TAboutBox::BuildLowerPanel() {
    Panel2 = Panel(this, QRect(16, 176, 273, 161));
    const QRect inside = Panel2->contentsRect();
    Image2 = Picture(Panel2, inside, about::KeyTreePicture(inside.size()));
    // Only the first picture is on the screen at the start: the others are drawn as they come.
    Image1 = new about::LazyPicture(Panel2, inside, about::SwitchPicture);
    ImageInteligencia = new about::LazyPicture(Panel2, inside, about::SpeechPicture);
    ImageDedicatoria = new about::LazyPicture(Panel2, inside, about::DedicationPicture);
    Image2->setCursor(Qt::PointingHandCursor);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->hide();
    ImageInteligencia->hide();
    ImageDedicatoria->hide();
    Memo1 = new QPlainTextEdit(about::kMemoText, Panel2);
    Memo1->setGeometry(inside);
    Memo1->setFont(Bold(font()));
    QPalette silver = Memo1->palette();
    silver.setColor(QPalette::Base, kSilver);
    Memo1->setPalette(silver);
    Memo1->hide();
}

void TAboutBox::BuildLargePictureAndButton() {
    const QRect largePlace(70, 2, 172, 338);
    Image3 = new about::LazyPicture(this, largePlace, about::KeyboardWindow);
    Image3->setToolTip(about::kLargePictureHint);
    Image3->hide();
    OKButton = new QPushButton(about::kOkCaption, this);
    OKButton->setGeometry(111, 352, 77, 27);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::ConnectClicks() {
    clicks_.Watch(this, [this] { FormClick(); });
    clicks_.Watch(Panel1, [this] { Panel1Click(); });
    clicks_.Watch(Image4, [this] { Image4Click(); });
    clicks_.Watch(Version, [this] { VersionClick(); });
    clicks_.Watch(Comments, [this] { CommentsClick(); });
    clicks_.Watch(LabelWeb, [this] { LabelWebClick(); });
    clicks_.Watch(Panel2, [this] { Panel2Click(); });
    clicks_.Watch(Image2, [this] { Image2Click(); });
    clicks_.Watch(Image1, [this] { Image1Click(); });
    clicks_.Watch(ImageInteligencia, [this] { ImageInteligenciaClick(); });
    clicks_.Watch(ImageDedicatoria, [this] { ImageDedicatoriaClick(); });
    clicks_.Watch(Image3, [this] { Image3Click(); });
    // Pictures without a click of their own do nothing when clicked.
    clicks_.Swallow(ImageOrella);
    clicks_.Swallow(ImageOrdinador);
    clicks_.Swallow(Bevel2);
}

void TAboutBox::CentreOnScreen() {
    const int screenWidth = desktop_.GetSystemMetrics(platform::SM_CXSCREEN);
    const int screenHeight = desktop_.GetSystemMetrics(platform::SM_CYSCREEN);
    move((screenWidth - width()) / 2, (screenHeight - height()) / 2);
}

void TAboutBox::ShowAsSplash() {
    if (splash_) return;
    splash_ = true;
    OKButton->hide();
    heightBeforeSplash_ = height();
    setFixedHeight(heightBeforeSplash_ - kButtonStripHeight);
    show();
    SetTimersEnabled(false);
}

void TAboutBox::EndSplash() {
    if (!splash_) return;
    splash_ = false;
    hide();
    setFixedHeight(heightBeforeSplash_);
    OKButton->show();
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TAboutBox::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) FormClose();
}

void TAboutBox::SetTimersEnabled(bool enabled) {
    Timer1.SetEnabled(enabled);
    Timer2.SetEnabled(enabled);
}

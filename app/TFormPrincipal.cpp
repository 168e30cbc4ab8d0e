#include "app/TFormPrincipal.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/ToolbarPictures.h"
#include "keys/DefaultKeyboard.h"
#include "platform/Cp1252.h"
#include "platform/ScreenPixels.h"
#include "scan/ScanDesign.h"
#include "ui/DesignTexts.h"

using platform::ToQString;

namespace {

QToolButton* NewButton(QWidget* parent, int x, const char* hint) {
    auto* button = new QToolButton(parent);
    button->setGeometry(x, 0, design::kButtonWidth, design::kButtonHeight);
    button->setToolTip(ToQString(hint));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(true);
    return button;
}

QFont DesignFont(int height) {
    QFont font(design::kFontName);
    font.setPixelSize(-height);
    font.setBold(true);
    return font;
}

}  // namespace

TFormPrincipal::TFormPrincipal(Programa& programa, QWidget* parent)
    : QMainWindow(parent), programa(programa), desktop(programa.desktop) {
    setWindowTitle(ToQString(design::kCaption));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    const double scale = platform::ScaleOf(this);
    const auto toScreen = [scale](int logical) {
        return static_cast<int>(std::lround(logical * scale));
    };
    place = std::make_unique<app::FormPlace>(
        *this, desktop,
        platform::Rect{toScreen(design::kDesignLeft), toScreen(design::kDesignTop),
                       toScreen(design::kDesignLeft + design::kWidth),
                       toScreen(design::kDesignTop + design::kHeight)});
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildToolBar();
    BuildTree();
    layout->addWidget(ToolBar1);
    layout->addWidget(Tree);
    setCentralWidget(central);
    BuildMenu();
    BuildLanguages();
    BuildSpeech();
    BuildTyping();
    BuildScanning();
    BuildKeyboardFiles();
    BuildSettings();
    WireShell();
    WireFieldFocus();
    WireDispatch();
    WireScanning();
    WireSpeech();
    WireLanguages();
    WirePrediction();
    Tree->setFocus();
}

TFormPrincipal::~TFormPrincipal() {
    // Hiding the window on its way out ends the fields' editing, when only the QWidget part
    // of this form is left: nothing may hand the focus back then.
    fieldFocus_.reset();
    EditVelocitat->disconnect(this);
    SpinEditTempsTimer->disconnect(this);
    programa.vocelia.SetKeyboardWindow({});
    // The tree goes node by node, so a keyboard thousands of levels deep cannot exhaust the
    // stack the way the view's own recursive deletion would.
    Tree->Clear();
}

void TFormPrincipal::BuildToolBar() {
    ToolBar1 = new QWidget(this);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setFixedHeight(design::kToolBarHeight);
    ButtonShift = NewButton(ToolBar1, design::kShiftX, design::kHintShift);
    ButtonShift->setText("shift");
    ButtonShift->setCheckable(true);
    ButtonShift->setChecked(true);
    ButtonBloqMajuscules = NewButton(ToolBar1, design::kCapsLockX, design::kHintCapsLock);
    ButtonBloqMajuscules->setText("B. M.");
    ButtonBloqMajuscules->setCheckable(true);
    ButtonBloqMajuscules->setChecked(true);
    ButtonLectura = NewButton(ToolBar1, design::kReadX, design::kHintRead);
    ButtonLectura->setIcon(PlayPicture());
    ButtonPausa = NewButton(ToolBar1, design::kPauseX, design::kHintPause);
    ButtonPausa->setIcon(PausePicture());
    ButtonPausa->setEnabled(false);
    EditVelocitat = new QLineEdit(ToQString(design::kSpeedDefault), ToolBar1);
    EditVelocitat->setGeometry(design::kSpeedX, 0, design::kSpeedWidth, design::kButtonHeight);
    EditVelocitat->setFont(DesignFont(design::kEditFontHeight));
    EditVelocitat->setToolTip(ToQString(design::kHintSpeed));
    SpinEditTempsTimer = new QSpinBox(ToolBar1);
    SpinEditTempsTimer->setGeometry(design::kStepX, 0, design::kStepWidth, design::kButtonHeight);
    SpinEditTempsTimer->setRange(scan::kScanStepMin, scan::kScanStepMax);
    SpinEditTempsTimer->setValue(scan::kScanStepDefault);
    SpinEditTempsTimer->setFont(DesignFont(design::kEditFontHeight));
    SpinEditTempsTimer->setToolTip(ToQString(design::kHintStep));
    ButtonParar = NewButton(ToolBar1, design::kStopX, design::kHintStop);
    ButtonParar->setIcon(StopPicture());
    ButtonParar->hide();
    // Picture-only buttons and the two fields have no text a screen reader could say.
    for (QWidget* control : std::initializer_list<QWidget*>{ButtonLectura, ButtonPausa, ButtonParar,
                                                            EditVelocitat, SpinEditTempsTimer}) {
        control->setAccessibleName(control->toolTip());
    }
    for (QToolButton* button : {ButtonLectura, ButtonPausa, ButtonParar}) {
        button->setIconSize(QSize(22, 22));
    }
}

void TFormPrincipal::BuildTree() {
    Tree = new KeyTree(this);
    Tree->setObjectName("Tree");
    Tree->setIndentation(design::kTreeIndent);
    // The design keyboard is there from the start, so a creation that fails halfway
    // still leaves a keyboard to type with.
    Tree->SetKeyboard(keys::DefaultKeyboard());
    font = std::make_unique<app::KeyFont>(*Tree, DesignFont(design::kFontHeight), [this](bool on) {
        tracking->TimerCercaHandleFinestra.SetEnabled(on);
    });
    // The selection stays as visible when another application is in front.
    QPalette palette = Tree->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    Tree->setPalette(palette);
}

void TFormPrincipal::WireShell() {
    OnClick(MenuObrir, [this] { keyboards->MenuObrirClick(); });
    OnClick(MenuCanviarLaFont, [this] { font->MenuCanviarLaFontClick(); });
    OnClick(MenuParlantDe, [this] { MenuParlantDeClick(); });
    OnClick(MenuSortir, [this] { MenuSortirClick(); });
}

void TFormPrincipal::closeEvent(QCloseEvent* event) {
    if (!tancada_) FormClose();
    tancada_ = true;
    event->accept();
}

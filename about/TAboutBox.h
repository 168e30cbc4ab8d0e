#pragma once

#include <QDialog>

#include "about/ClickFilter.h"
#include "about/LazyPicture.h"
#include "platform/Desktop.h"
#include "ui/Timer.h"

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The about box: logo, version, the maker's line that opens the maker's web page, a quotation
// and a panel of pictures that take turns every few seconds. Start-up also shows it for a
// moment as a splash window, without its OK button.
class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    // Both picture timers tick at this interval while the box is shown.
    static constexpr int kPictureIntervalMs = 3500;
    // The strip at the bottom holding the OK button, cut off while the box is a splash.
    static constexpr int kButtonStripHeight = 28;

    explicit TAboutBox(platform::Desktop& desktop, QWidget* parent = nullptr);

    // Splash window: shown at once without the OK button and with its pictures still.
    void ShowAsSplash();
    // Ends the splash and makes the box an ordinary about box again.
    void EndSplash();

    void FormCreate();
    void FormShow();
    void FormClose();
    void Timer1Timer();
    void Timer2Timer();
    void Image2Click();
    void Image1Click();
    void ImageInteligenciaClick();
    void ImageDedicatoriaClick();
    void FormClick();
    void Panel2Click();
    void Panel1Click();
    void Image4Click();
    void VersionClick();
    void Image3Click();
    void CommentsClick();
    void LabelWebClick();

    QFrame* Panel1;
    QLabel* ImageOrella;
    QLabel* ImageOrdinador;
    QFrame* Bevel2;
    QLabel* Image4;
    QLabel* Version;
    QLabel* LabelWeb;
    QLabel* Comments;
    QFrame* Panel2;
    QLabel* Image2;
    about::LazyPicture* Image1;
    about::LazyPicture* ImageInteligencia;
    about::LazyPicture* ImageDedicatoria;
    QPlainTextEdit* Memo1;
    about::LazyPicture* Image3;
    QPushButton* OKButton;
    Timer Timer1;
    Timer Timer2;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void BuildUpperPanel();
    void BuildLowerPanel();
    void BuildLargePictureAndButton();
    void ConnectClicks();
    void CentreOnScreen();
    void ShowLargePicture();
    void ShowInstead(QWidget* shown, QWidget* hidden);
    void SetTimersEnabled(bool enabled);

    platform::Desktop& desktop_;
    about::ClickFilter clicks_;
    int heightBeforeSplash_ = 0;
    bool splash_ = false;
};

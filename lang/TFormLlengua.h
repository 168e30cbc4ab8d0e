#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;
namespace lang {
class Languages;
}
namespace platform {
class Windows;
}

// The first-run dialog: asks once for the interface language, offering Catalan, which is in
// force already, or Castilian.
class TFormLlengua : public QDialog {
    Q_OBJECT

  public:
    TFormLlengua(lang::Languages& languages, platform::Windows& windows, QWidget* parent = nullptr);

    // OK: switches the main window to Castilian when that is chosen, then closes.
    void BitBtn1Click();

    QRadioButton* RadioButton1;
    QRadioButton* RadioButtonCastellano;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void CentrarALaPantalla();

    lang::Languages& languages_;
    platform::Windows& windows_;
};

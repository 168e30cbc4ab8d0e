#include "app/FontColourDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/SettingsFont.h"

namespace {

constexpr const char* kBotoColor = "&Color...";
constexpr int kMostraColor = 16;

QIcon Mostra(const QColor& color) {
    QPixmap swatch(kMostraColor, kMostraColor);
    swatch.fill(color);
    return QIcon(swatch);
}

class DialegFontIColor : public QDialog {
  public:
    DialegFontIColor(QWidget* parent, const TriaDeFont& initial)
        : QDialog(parent), color_(initial.color) {
        setWindowTitle(QFontDialog(this).windowTitle());
        // The chooser lives inside this dialog, which owns the buttons.
        chooser_ = new QFontDialog(initial.font, this);
        chooser_->setWindowFlags(Qt::Widget);
        chooser_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
        colorButton_ = new QPushButton(QString::fromLatin1(kBotoColor), this);
        connect(colorButton_, &QPushButton::clicked, this, [this] { TriarColor(); });
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto* bottom = new QHBoxLayout;
        bottom->addWidget(colorButton_);
        bottom->addStretch();
        bottom->addWidget(buttons);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(chooser_);
        layout->addLayout(bottom);
        MostrarColor();
    }

    TriaDeFont Tria() const { return {chooser_->currentFont(), color_}; }

  private:
    QColor ColorVisible() const {
        return settings::ColorDeText(color_).value_or(
            QApplication::palette().color(QPalette::Text));
    }
    void MostrarColor() { colorButton_->setIcon(Mostra(ColorVisible())); }
    void TriarColor() {
        const QColor chosen = QColorDialog::getColor(ColorVisible(), this);
        if (!chosen.isValid()) return;
        color_ = settings::ColorDesat(chosen);
        MostrarColor();
    }

    QFontDialog* chooser_;
    QPushButton* colorButton_;
    std::int32_t color_;
};

}  // namespace

std::optional<TriaDeFont> TriarFontIColor(QWidget* parent, const TriaDeFont& initial) {
    DialegFontIColor dialog(parent, initial);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Tria();
}

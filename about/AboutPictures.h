#pragma once

#include <QPixmap>
#include <QSize>

// The about box's pictures, drawn by the program itself at the size they are shown,
// so there is no picture file that could be missing or broken.
namespace about {

QPixmap EarIcon(QSize size);
QPixmap ComputerIcon(QSize size);
QPixmap ProductLogo(QSize size);
QPixmap KeyboardWindow(QSize size);

// The four pictures that take turns in the lower panel.
QPixmap KeyTreePicture(QSize size);
QPixmap SwitchPicture(QSize size);
QPixmap SpeechPicture(QSize size);
QPixmap DedicationPicture(QSize size);

}  // namespace about

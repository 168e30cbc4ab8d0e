#include "platform/qt/QtMessageBox.h"

#include <QMessageBox>

#include "platform/Constants.h"
#include "platform/Cp1252.h"

namespace platform::qt {
namespace {

// Windows keeps the buttons in the low nibble of the type and the icon in the next one.
constexpr unsigned kButtonsMask = 0x0F;
constexpr unsigned kIconMask = 0xF0;
constexpr unsigned kIconError = 0x10;

QMessageBox::Icon IconOf(unsigned type) {
    switch (type & kIconMask) {
        case kIconError:
            return QMessageBox::Critical;
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONWARNING:
            return QMessageBox::Warning;
        case MB_ICONINFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

QString TextOf(const char* cp1252) { return cp1252 != nullptr ? ToQString(cp1252) : QString(); }

}  // namespace

int ShowMessageBox(QWidget* owner, const char* text, const char* caption, unsigned type) {
    const bool yesNo = (type & kButtonsMask) == MB_YESNO;
    QMessageBox box(IconOf(type), TextOf(caption), TextOf(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
    box.setWindowModality(owner != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    if (yesNo) box.setEscapeButton(QMessageBox::No);
    const int answer = box.exec();
    if (!yesNo) return IDOK;
    return answer == QMessageBox::Yes ? IDYES : IDNO;
}

}  // namespace platform::qt

#include "platform/ui/vbcolor.h"

#include <QApplication>

namespace vbc {

QColor toQColor(uint32_t vbColor)
{
    if (vbColor & 0x80000000u) {
        const QPalette palette = QApplication::palette();
        switch (vbColor & 0xFFu) {
        case 0x05: return palette.color(QPalette::Base);
        case 0x08: return palette.color(QPalette::WindowText);
        case 0x0F: return palette.color(QPalette::Button);
        case 0x12: return palette.color(QPalette::ButtonText);
        case 0x0D: return palette.color(QPalette::Highlight);
        case 0x0E: return palette.color(QPalette::HighlightedText);
        case 0x11: return palette.color(QPalette::Disabled, QPalette::WindowText);
        case 0x18: return palette.color(QPalette::ToolTipBase);
        default: return palette.color(QPalette::Window);
        }
    }
    return QColor(int(vbColor & 0xFF), int((vbColor >> 8) & 0xFF), int((vbColor >> 16) & 0xFF));
}

}  // namespace vbc
